// The screens of this area: Cycle Bar, Cycle History and Year View.

#include "app/mainframe.h"
#include "app/velmoraapp.h"
#include "platform/clock.h"
#include "reports/cyclebar.h"
#include "reports/cyclehistorydlg.h"
#include "reports/yearviewdlg.h"
#include "ui/kit/modal.h"
#include "ui/kit/titles.h"

namespace velmora {

void RegisterCycleScreens(CVelmoraMFCApp& app) {
    // Nothing here writes to the diary: the calendar needs no reload afterwards.
    CVelmoraMFCApp::Screen bar;
    bar.title = title::kCycleBar;
    bar.run = [](CVelmoraMFCApp& app, const QString&) {
        // From the menu the bar opens on the first day of the current month.
        const LocalTime now = Clock::Now().Local();
        RunCycleBar(app.MainFrame(), app.MainFrame(), now.year, now.month, 1);
    };
    app.RegisterScreen(kCmdCycleBar, bar);

    CVelmoraMFCApp::Screen history;
    history.title = title::kCycleHistory;
    history.run = [](CVelmoraMFCApp& app, const QString& title) {
        CCycleHistoryDlg dialog(app.MainFrame(), app.MainFrame());
        RunModal(dialog, app.MainFrame(), title);
    };
    app.RegisterScreen(kCmdCycleHistory, history);

    CVelmoraMFCApp::Screen year;
    year.title = title::kYearView;
    year.run = [](CVelmoraMFCApp& app, const QString& title) {
        CYearViewDlg dialog(app.MainFrame());
        RunModal(dialog, app.MainFrame(), title);
    };
    app.RegisterScreen(kCmdYearView, year);
}

}  // namespace velmora
