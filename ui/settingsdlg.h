#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace velmora {

class CCommandBar;
class CImageButton;
class CVelmoraMFCDoc;
class IMainFrame;

// Control and command ids of Program Settings.
enum SettingsControl : int {
    kSettingsTemplateId = 189,
    kSettingsMenstrualDaysId = 1022,
    kSettingsCycleLengthId = 1039,
    kSettingsUnitsId = 1052,
    kSettingsTimeFormatId = 1053,
    kSettingsWeekStartsId = 1054,
    kSettingsSeparatorId = 1055,
    kSettingsDateFormatId = 1056,
    kSettingsDaylightId = 1099,
    kSettingsSkinId = 1101,
    kSettingsSoundsId = 1104,
    kSettingsLanguageId = 1105,
    kSettingsZoomId = 1106,
    kCmdSettingsHelp = 32836,
};

// Program Settings: the cycle defaults, units, week start, date and time formats, skin,
// daylight saving time and sounds. OK (and closing the window) takes the values into the
// settings copy, the settings and the sounds flag; a number outside its range is refused
// and nothing is taken. Cancel takes nothing.
class CSettingsDlg : public QDialog {
    Q_OBJECT

public:
    CSettingsDlg(CVelmoraMFCDoc& doc, IMainFrame* frame, QWidget* parent = nullptr);

    // OK: false (and the dialog stays open, with the refusal told) when a number does not
    // fit.
    bool OnOK();
    CCommandBar* CommandBar() const { return m_bar; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The number in `edit` within [lo, hi]; false after telling the user why not.
    bool TakeNumber(QLineEdit* edit, int lo, int hi, int& value);

    CVelmoraMFCDoc& m_doc;
    IMainFrame* m_frame;
    QLineEdit* m_menstrualDays;
    QLineEdit* m_cycleLength;
    QComboBox* m_zoom;
    QComboBox* m_units;
    QComboBox* m_weekStarts;
    QComboBox* m_separator;
    QComboBox* m_dateFormat;
    QComboBox* m_timeFormat;
    QComboBox* m_skin;
    QComboBox* m_language = nullptr;
    QCheckBox* m_daylight;
    QCheckBox* m_sounds;
    CCommandBar* m_bar;
};

}  // namespace velmora
