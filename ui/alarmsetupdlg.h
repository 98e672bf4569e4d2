#pragma once

#include <QDialog>
#include <array>

class QComboBox;
class QDateTimeEdit;

namespace velmora {

class CImageButton;
class CVelmoraMFCDoc;
class IMainFrame;

// The alarm type lists' items by code (0 "Нет": no alarm in the slot).
extern const char* const kAlarmTypeItems[10];

// The alarm setup's dialog id.
inline constexpr int kAlarmSetupTemplateId = 170;
// Control ids of the four rows, top to bottom.
inline constexpr int kAlarmTypeListIds[4] = {1003, 1002, 1038, 1040};
inline constexpr int kAlarmTimePickerIds[4] = {1044, 1045, 1046, 1047};

// Alarm setup: the four alarm slots of the document's day, each a type and a time of day.
// It changes only the document's fields; whoever opened it stores the day.
class CAlarmSetupDlg : public QDialog {
    Q_OBJECT

public:
    CAlarmSetupDlg(CVelmoraMFCDoc& doc, QWidget* parent = nullptr);
    ~CAlarmSetupDlg() override;

    // Runs the alarm setup over the main window for the document's day. True when the user
    // chose OK (or closed the window); the slots are then in the document. The caller then
    // sets m_alarm from AnyAlarmSet() and saves the day (CVelmoraMFCDoc::SaveDay).
    static bool Run(CVelmoraMFCDoc& doc, IMainFrame* frame, QWidget* parent = nullptr);

    void OnOK();
    void OnCancel();

protected:
    void reject() override;
    void closeEvent(class QCloseEvent* event) override;

private:
    CVelmoraMFCDoc& m_doc;
    std::array<QComboBox*, 4> m_types{};
    std::array<QDateTimeEdit*, 4> m_times{};
    std::array<CImageButton*, 2> m_imageButtons{};
    bool m_closed = false;
};

// Whether any of the document's four alarm slots holds an alarm.
bool AnyAlarmSet(const CVelmoraMFCDoc& doc);

}  // namespace velmora
