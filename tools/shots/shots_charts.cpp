// Pictures of this area's screens.

#include <QDialog>

#include "app/mainframe.h"
#include "app/velmoraapp.h"
#include "reports/alarmhistorydlg.h"
#include "reports/cyclechartdlg.h"
#include "reports/measurechartdlg.h"
#include "reports/measurehistorydlg.h"
#include "store/settings.h"
#include "tools/shots/shots.h"
#include "ui/kit/modal.h"
#include "ui/kit/reporttable.h"

namespace velmora {

namespace {

// The month before the current one: a whole month of the demo diary.
void PreviousMonth(QDialog& dialog) {
    if (auto* chart = dynamic_cast<CChartDlg*>(&dialog)) {
        chart->OnCommand(kCmdChartPrevious);
    }
}

// Chooses a row some way down the list, as if the user had tapped it.
void ChooseRow(QDialog& dialog) {
    CReportTable* table = nullptr;
    if (auto* history = dynamic_cast<CMeasureHistoryDlg*>(&dialog)) {
        table = history->Table();
    } else if (auto* alarms = dynamic_cast<CAlarmHistoryDlg*>(&dialog)) {
        table = alarms->Table();
    }
    if (table && table->RowCount() > 0) {
        table->SelectRow(std::min(table->RowCount() - 1, 3));
        table->scrollToTop();
    }
}

}  // namespace

void ShootChartScreens(ShotContext& shots) {
    const int units = AppSettings.UnitsFormat;

    AppSettings.UnitsFormat = 1;
    shots.ShotOfCommand(kCmdTemperatureChart, "temperature-chart", PreviousMonth);
    shots.ShotOfCommand(kCmdWeightChart, "weight-chart", PreviousMonth);
    shots.ShotOfCommand(kCmdTemperatureHistory, "temperature-history", ChooseRow);
    shots.ShotOfCommand(kCmdWeightHistory, "weight-history", ChooseRow);
    AppSettings.UnitsFormat = 0;
    shots.ShotOfCommand(kCmdTemperatureChart, "temperature-chart-fahrenheit", PreviousMonth);
    shots.ShotOfCommand(kCmdWeightChart, "weight-chart-pounds", PreviousMonth);
    shots.ShotOfCommand(kCmdTemperatureHistory, "temperature-history-fahrenheit", ChooseRow);
    shots.ShotOfCommand(kCmdWeightHistory, "weight-history-pounds", ChooseRow);
    AppSettings.UnitsFormat = units;
    const bool shift = AppSettings.TemperatureShift;
    AppSettings.TemperatureShift = true;
    shots.ShotOfCommand(kCmdTemperatureChart, "temperature-chart-shift", PreviousMonth);
    AppSettings.TemperatureShift = shift;

    shots.ShotOfCommand(kCmdCycleChart, "cycles-chart");
    shots.ShotOfCommand(kCmdCycleChart, "cycles-chart-previous-year", [](QDialog& dialog) {
        dynamic_cast<CChartDlg&>(dialog).OnCommand(kCmdChartPrevious);
    });

    shots.ShotOfCommand(kCmdAlarmHistory, "alarm-history", ChooseRow);

    // Chart on a chosen row of Temperature History opens that month's chart.
    QueueModalHook([&shots](QDialog& dialog) {
        if (auto* history = dynamic_cast<CMeasureHistoryDlg*>(&dialog)) {
            ChooseRow(dialog);
            shots.ShotOfNextScreen([history] { history->OnCommand(kCmdHistoryChart); },
                                   "temperature-chart-from-history");
        }
        dialog.reject();
    });
    shots.app.OnCommand(kCmdTemperatureHistory);
    ClearModalHooks();
}

}  // namespace velmora
