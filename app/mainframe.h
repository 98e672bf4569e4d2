#pragma once

#include <QMainWindow>
#include <functional>

#include "ui/kit/mainframe.h"

class QComboBox;
class QMenu;

namespace velmora {

class CCommandBar;
class CVelmoraMFCDoc;
class CVelmoraMFCView;

// Command ids of the main window's menus and buttons.
enum MainCommand : int {
    kCmdAboutFramework = 57664,
    kCmdAbout = 32824,
    kCmdExit = 57665,
    kCmdCycleBar = 32796,
    kCmdCycleChart = 32797,
    kCmdCycleHistory = 32798,
    kCmdTemperatureChart = 32799,
    kCmdTemperatureHistory = 32800,
    kCmdAlarmHistory = 32801,
    kCmdMyDiary = 32802,
    kCmdWeightChart = 32803,
    kCmdWeightHistory = 32804,
    kCmdSettings = 32807,
    kCmdScale = 32810,
    kCmdMirror = 32811,
    kCmdPassword = 32812,
    kCmdYearView = 32813,
    kCmdHelp = 57670,
    // The diary in and out.
    kCmdExport = 32850,
    kCmdImport = 32851,
    kCmdBackupNow = 32852,
    kCmdRestore = 32853,
    // Insight: statistics, the report for the doctor, the predictions for other calendars.
    kCmdStatistics = 32854,
    kCmdDoctorReport = 32855,
    kCmdExportPredictions = 32856,
    // The Zoom menu: automatic, then 1x to 4x.
    kCmdZoomAutomatic = 32840,
    kCmdZoom1 = 32841,
    kCmdZoom4 = 32844,
};

inline constexpr int kMonthComboId = 1012;
inline constexpr int kYearComboId = 1013;

// The main window: the calendar over a fixed 240 x 268 client area, the command bar below
// it (menus, month and year lists, previous/next/help buttons).
class CMainFrame : public QMainWindow, public IMainFrame {
    Q_OBJECT

public:
    explicit CMainFrame(CVelmoraMFCDoc& doc);
    ~CMainFrame() override;

    void SetTitle(const QString& title) override { setWindowTitle(title); }
    QString Title() const override { return windowTitle(); }
    QWidget* Window() override { return this; }
    void ShowCommandBar(bool show) override;

    CVelmoraMFCView* View() const { return m_view; }
    CCommandBar* CommandBar() const { return m_bar; }

signals:
    // A command that is not the calendar's own (for the program's command routing).
    void commandTriggered(int command);
    // The window is being closed: the program ends.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A new language: the menus, tool tips and month list take their texts again.
    void changeEvent(QEvent* event) override;

private:
    void HandleCommand(int command);
    void Retranslate();
    void AddZoomMenu(QMenu* service);
    void AssignMenuMnemonics();

    CVelmoraMFCView* m_view = nullptr;
    CCommandBar* m_bar = nullptr;
    QMenu* m_zoomMenu = nullptr;
};

}  // namespace velmora
