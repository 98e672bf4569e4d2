// The screens of this area: the temperature, weight and cycle charts and the temperature, weight
// and alarm histories.

#include "app/mainframe.h"
#include "app/velmoraapp.h"
#include "reports/alarmhistorydlg.h"
#include "reports/cyclechartdlg.h"
#include "reports/measurechartdlg.h"
#include "reports/measurehistorydlg.h"
#include "ui/kit/modal.h"
#include "ui/kit/titles.h"

namespace velmora {

void RegisterChartScreens(CVelmoraMFCApp& app) {
    // The charts only read the diary: the calendar stays as it is.
    CVelmoraMFCApp::Screen cycleChart;
    cycleChart.title = title::kCycleChart;
    cycleChart.run = [](CVelmoraMFCApp& app, const QString& title) {
        CCycleChartDlg dialog(app.MainFrame(), 0, app.MainFrame());
        RunModal(dialog, app.MainFrame(), title);
    };
    app.RegisterScreen(kCmdCycleChart, cycleChart);

    CVelmoraMFCApp::Screen temperatureChart;
    temperatureChart.title = title::kTemperatureChart;
    temperatureChart.run = [](CVelmoraMFCApp& app, const QString& title) {
        CTemperatureChartDlg dialog(app.MainFrame(), 0, 0, app.MainFrame());
        RunModal(dialog, app.MainFrame(), title);
    };
    app.RegisterScreen(kCmdTemperatureChart, temperatureChart);

    CVelmoraMFCApp::Screen weightChart;
    weightChart.title = title::kWeightChart;
    weightChart.run = [](CVelmoraMFCApp& app, const QString& title) {
        CWeightChartDlg dialog(app.MainFrame(), 0, 0, app.MainFrame());
        RunModal(dialog, app.MainFrame(), title);
    };
    app.RegisterScreen(kCmdWeightChart, weightChart);

    // The histories change days, and their Day View may change bleeding days too: the
    // calendar analyses the cycles again and reloads its month afterwards.
    CVelmoraMFCApp::Screen temperatureHistory;
    temperatureHistory.title = title::kTemperatureHistory;
    temperatureHistory.reloadAfter = true;
    temperatureHistory.reanalyzeAfter = true;
    temperatureHistory.run = [](CVelmoraMFCApp& app, const QString& title) {
        CTemperatureHistoryDlg dialog(app.Document(), app.MainFrame(), app.MainFrame());
        RunModal(dialog, app.MainFrame(), title);
    };
    app.RegisterScreen(kCmdTemperatureHistory, temperatureHistory);

    CVelmoraMFCApp::Screen weightHistory;
    weightHistory.title = title::kWeightHistory;
    weightHistory.reloadAfter = true;
    weightHistory.reanalyzeAfter = true;
    weightHistory.run = [](CVelmoraMFCApp& app, const QString& title) {
        CWeightHistoryDlg dialog(app.Document(), app.MainFrame(), app.MainFrame());
        RunModal(dialog, app.MainFrame(), title);
    };
    app.RegisterScreen(kCmdWeightHistory, weightHistory);

    CVelmoraMFCApp::Screen alarmHistory;
    alarmHistory.title = title::kAlarmHistory;
    alarmHistory.reloadAfter = true;
    alarmHistory.reanalyzeAfter = true;
    alarmHistory.run = [](CVelmoraMFCApp& app, const QString& title) {
        CAlarmHistoryDlg dialog(app.MainFrame(), app.MainFrame());
        RunModal(dialog, app.MainFrame(), title);
    };
    app.RegisterScreen(kCmdAlarmHistory, alarmHistory);
}

}  // namespace velmora
