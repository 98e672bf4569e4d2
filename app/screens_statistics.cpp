// The screen of this area: Statistics.

#include "app/mainframe.h"
#include "app/velmoraapp.h"
#include "reports/statisticsdlg.h"
#include "ui/kit/modal.h"
#include "ui/kit/titles.h"

namespace velmora {

void RegisterStatisticsScreens(CVelmoraMFCApp& app) {
    // It only reads the diary: the calendar needs no reload afterwards.
    CVelmoraMFCApp::Screen statistics;
    statistics.title = title::kStatistics;
    statistics.run = [](CVelmoraMFCApp& app, const QString& title) {
        CStatisticsDlg dialog(app.MainFrame(), app.MainFrame());
        RunModal(dialog, app.MainFrame(), title);
    };
    app.RegisterScreen(kCmdStatistics, statistics);
}

}  // namespace velmora
