// Pictures of this area's screens.

#include <QDialog>

#include "app/mainframe.h"
#include "app/velmoraapp.h"
#include "reports/cyclebar.h"
#include "reports/cyclehistorydlg.h"
#include "reports/statisticsdlg.h"
#include "reports/yearviewdlg.h"
#include "tools/shots/shots.h"
#include "ui/kit/modal.h"
#include "ui/kit/reporttable.h"

#include <QTabWidget>

namespace velmora {

void ShootCycleScreens(ShotContext& shots) {
    // The Cycle Bar from the menu (the cycle of this month), and the one before it.
    shots.ShotOfCommand(kCmdCycleBar, "cycle-bar");
    shots.ShotOfCommand(kCmdCycleBar, "cycle-bar-previous", [](QDialog& dialog) {
        if (auto* bar = dynamic_cast<CCycleBar*>(&dialog)) {
            bar->OnCommand(kCmdCycleBarPrevious);
        }
    });

    shots.ShotOfCommand(kCmdCycleHistory, "cycle-history", [](QDialog& dialog) {
        if (auto* history = dynamic_cast<CCycleHistoryDlg*>(&dialog)) {
            history->Table()->SelectRow(history->Table()->RowCount() - 2);
        }
    });
    // View on the list's first cycle opens the Cycle Bar on it.
    QueueModalHook([&shots](QDialog& dialog) {
        if (auto* history = dynamic_cast<CCycleHistoryDlg*>(&dialog)) {
            history->Table()->SelectRow(0);
            shots.ShotOfNextScreen([history] { history->OnCommand(kCmdCycleHistoryView); },
                                   "cycle-bar-from-history");
        }
        dialog.reject();
    });
    shots.app.OnCommand(kCmdCycleHistory);
    ClearModalHooks();

    shots.ShotOfCommand(kCmdYearView, "year-view-1");
    shots.ShotOfCommand(kCmdYearView, "year-view-2", [](QDialog& dialog) {
        if (auto* year = dynamic_cast<CYearViewDlg*>(&dialog)) {
            year->OnCommand(kCmdYearViewSecondHalf);
        }
    });

    // Statistics: each of its tabs.
    static const char* const kTabs[] = {"statistics-lengths", "statistics-forecast",
                                        "statistics-left-out"};
    for (int tab = 0; tab < 3; ++tab) {
        shots.ShotOfCommand(kCmdStatistics, kTabs[tab], [tab](QDialog& dialog) {
            if (auto* statistics = dynamic_cast<CStatisticsDlg*>(&dialog)) {
                statistics->Tabs()->setCurrentIndex(tab);
            }
        });
    }
}

}  // namespace velmora
