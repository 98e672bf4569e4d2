// The screens of this area: the temperature, weight and cycle charts and the temperature, weight
// and alarm histories.

#include "app/mainframe.h"
#include "app/velmoraapp.h"
#include "reports/alarmhistorydlg.h"
#include "reports/cyclechartdlg.h"
#include "reports/measurechartdlg.h"
#include "reports/measurehistorydlg.h"
#include "ui/kit/modal.h"

namespace velmora {

void RegisterChartScreens(CVelmoraMFCApp& app) {
    // The charts only read the diary: the calendar stays as it is.
    CVelmoraMFCApp::Screen cycleChart;
    cycleChart.title = "Cycles Chart";
    cycleChart.run = [](CVelmoraMFCApp& app) {
        CCycleChartDlg dialog(app.MainFrame(), 0, app.MainFrame());
        RunModal(dialog, app.MainFrame(), "Cycles Chart");
    };
    app.RegisterScreen(kCmdCycleChart, cycleChart);

    CVelmoraMFCApp::Screen temperatureChart;
    temperatureChart.title = "Temperature Chart";
    temperatureChart.run = [](CVelmoraMFCApp& app) {
        CTemperatureChartDlg dialog(app.MainFrame(), 0, 0, app.MainFrame());
        RunModal(dialog, app.MainFrame(), "Temperature Chart");
    };
    app.RegisterScreen(kCmdTemperatureChart, temperatureChart);

    CVelmoraMFCApp::Screen weightChart;
    weightChart.title = "Weight Chart";
    weightChart.run = [](CVelmoraMFCApp& app) {
        CWeightChartDlg dialog(app.MainFrame(), 0, 0, app.MainFrame());
        RunModal(dialog, app.MainFrame(), "Weight Chart");
    };
    app.RegisterScreen(kCmdWeightChart, weightChart);

    // The histories change days, and their Day View may change bleeding days too: the
    // calendar analyses the cycles again and reloads its month afterwards.
    CVelmoraMFCApp::Screen temperatureHistory;
    temperatureHistory.title = "Temperature History";
    temperatureHistory.reloadAfter = true;
    temperatureHistory.reanalyzeAfter = true;
    temperatureHistory.run = [](CVelmoraMFCApp& app) {
        CTemperatureHistoryDlg dialog(app.Document(), app.MainFrame(), app.MainFrame());
        RunModal(dialog, app.MainFrame(), "Temperature History");
    };
    app.RegisterScreen(kCmdTemperatureHistory, temperatureHistory);

    CVelmoraMFCApp::Screen weightHistory;
    weightHistory.title = "Weight History";
    weightHistory.reloadAfter = true;
    weightHistory.reanalyzeAfter = true;
    weightHistory.run = [](CVelmoraMFCApp& app) {
        CWeightHistoryDlg dialog(app.Document(), app.MainFrame(), app.MainFrame());
        RunModal(dialog, app.MainFrame(), "Weight History");
    };
    app.RegisterScreen(kCmdWeightHistory, weightHistory);

    CVelmoraMFCApp::Screen alarmHistory;
    alarmHistory.title = "Alarm History";
    alarmHistory.reloadAfter = true;
    alarmHistory.reanalyzeAfter = true;
    alarmHistory.run = [](CVelmoraMFCApp& app) {
        CAlarmHistoryDlg dialog(app.MainFrame(), app.MainFrame());
        RunModal(dialog, app.MainFrame(), "Alarm History");
    };
    app.RegisterScreen(kCmdAlarmHistory, alarmHistory);
}

}  // namespace velmora
