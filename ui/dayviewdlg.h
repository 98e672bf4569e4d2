#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <memory>

#include "gfx/graphicbuffer.h"
#include "platform/ctime.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QPushButton;
class QTabBar;

namespace velmora {

class CCommandBar;
class CDayViewPage;
class CDayViewTabBar;
class CImageButton;
class CVelmoraMFCDoc;
class IMainFrame;
class ScreenBuffer;

// Who opened the Day View: it starts on the diary page for My Diary, and when it closes it
// gives the main window back the title of the screen it returns to.
enum DayViewMode : int16_t {
    kDayViewFromCalendar = 0,
    kDayViewFromMyDiary = 1,
    kDayViewFromTemperatureHistory = 2,
    kDayViewFromWeightHistory = 3,
};

// Control ids of the Day View: the dialog's own controls, then those of its three pages.
enum DayViewControl : int {
    kDayViewTemplateId = 314,
    kDayViewAlarmId = 1007,
    kDayViewSportId = 1008,
    kDayViewSexId = 1009,
    kDayViewBloatingId = 1010,
    kDayViewDoctorId = 1011,
    kDayViewAcheId = 1013,
    kDayViewProtectionId = 1014,
    kDayViewPmsId = 1015,
    kDayViewCrampsId = 1016,
    kDayViewAcheKindId = 1019,
    kDayViewSportKindId = 1021,
    kDayViewEditAlarmsId = 1050,
    kDayViewPreviousDayId = 1069,
    kDayViewNextDayId = 1070,
    kDayViewHelpId = 1095,
    kDayViewTabsId = 1102,
    // Fluid, temperature and weight.
    kDayViewFluidsPageId = 319,
    kDayViewFluidId = 1033,
    kDayViewCelsiusId = 1023,
    kDayViewFahrenheitId = 1024,
    kDayViewWeightId = 1034,
    // The note.
    kDayViewNotePageId = 320,
    kDayViewNoteId = 1022,
    // The four diary entries, top to bottom: each a type list and a text.
    kDayViewDiaryPageId = 321,
    kDayViewDiaryType1Id = 1025,
    kDayViewDiaryType2Id = 1028,
    kDayViewDiaryType3Id = 1026,
    kDayViewDiaryType4Id = 1027,
    kDayViewDiaryText1Id = 1029,
    kDayViewDiaryText2Id = 1030,
    kDayViewDiaryText3Id = 1031,
    kDayViewDiaryText4Id = 1032,
};

// Command ids of the Day View's own command bar.
enum DayViewCommand : int {
    kCmdDayViewSave = 32829,
    kCmdDayViewClear = 32833,
    kCmdDayViewClose = 32830,
};

// The Day View: everything recorded for one day, over the document that holds the day.
//
// The opener loads the day into the document first (CVelmoraMFCDoc::OpenDay), or lets
// RunForDay do it. Saving stores the day through the document; the opener reloads what it
// shows afterwards. The arrows step to the previous and next day, storing the day on show.
class CDayViewDlg : public QDialog {
    Q_OBJECT

public:
    CDayViewDlg(CVelmoraMFCDoc& doc, IMainFrame* frame, DayViewMode mode,
                QWidget* parent = nullptr);
    ~CDayViewDlg() override;

    // Runs the Day View over the main window for the day the document holds, with the
    // main window titled "Day View". Returns QDialog::Accepted when the day was saved.
    // `parent` is the screen it opens from (the main window when none).
    static int Run(CVelmoraMFCDoc& doc, IMainFrame* frame, DayViewMode mode,
                   QWidget* parent = nullptr);
    // Opens `day` in the document (its stored record, or an empty day) and runs the Day View.
    static int RunForDay(CVelmoraMFCDoc& doc, IMainFrame* frame, DayViewMode mode, CTime day,
                         QWidget* parent = nullptr);

    // The handlers of the controls (the controls call them; so may a caller).
    // A tap on tab `index`: the page on show checks its data first. False when it refused.
    bool SelectPage(int index);
    void OnPreviousDay();
    void OnNextDay();
    void OnSaveAndClose();
    void OnClearDay();
    void OnCloseWithoutSaving();
    void OnHelp();

    int CurrentPage() const { return m_current; }
    CDayViewPage* Page(int index) const { return m_pages[static_cast<size_t>(index)]; }
    CCommandBar* CommandBar() const { return m_bar; }
    QTabBar* Tabs() const;
    // The date as the screen shows it.
    QString DateText() const;
    // The screen's buffer with the nine icons, and where each stands.
    const GraphicBuffer& IconBuffer() const;
    static const std::array<Rect, 9>& IconRects();
    // The area the date and the icons are painted into.
    QWidget* Area() const { return m_area; }

protected:
    void reject() override;

private:
    void BuildControls();
    void PaintArea(class QPainter& painter);
    void Step(int direction);
    // Fields to controls and back, for the dialog's own controls (the pages have theirs).
    void TakeDialogData();
    void ShowDialogData();
    // Which controls the day allows: the kind lists and "Правка" by their boxes, the
    // symptoms a day cannot have yet by the date.
    void ApplyEnables();
    void LoadPages();
    // The page on show checks its data, then every page takes its data.
    bool SavePages();
    void ShowPage(int index);
    void RestoreOpenerTitle();
    bool RunAlarmSetup();
    void OnAlarm();
    void OnEditAlarms();
    void OnSportOrAche(bool sport);

    CVelmoraMFCDoc& m_doc;
    IMainFrame* m_frame;
    DayViewMode m_mode;
    int m_current = 0;

    QWidget* m_area = nullptr;
    CCommandBar* m_bar = nullptr;
    CDayViewTabBar* m_tabs = nullptr;
    QFrame* m_display = nullptr;
    std::array<CDayViewPage*, 3> m_pages{};
    QCheckBox* m_alarm = nullptr;
    QCheckBox* m_sport = nullptr;
    QCheckBox* m_sex = nullptr;
    QCheckBox* m_bloating = nullptr;
    QCheckBox* m_doctor = nullptr;
    QCheckBox* m_ache = nullptr;
    QCheckBox* m_protection = nullptr;
    QCheckBox* m_pms = nullptr;
    QCheckBox* m_cramps = nullptr;
    QComboBox* m_sportKind = nullptr;
    QComboBox* m_acheKind = nullptr;
    QPushButton* m_editAlarms = nullptr;
    std::unique_ptr<ScreenBuffer> m_screen;
    std::array<CImageButton*, 3> m_imageButtons{};
};

}  // namespace velmora
