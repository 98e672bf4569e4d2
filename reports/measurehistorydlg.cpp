#include "reports/measurehistorydlg.h"

#include <QCoreApplication>

#include "reports/measurechartdlg.h"
#include "ui/kit/titles.h"

namespace velmora {

namespace {

HistoryKind TemperatureKind() {
    HistoryKind k;
    k.templateId = 199;
    k.title = ScreenTitle(title::kTemperatureHistory);
    k.metricHeader = QCoreApplication::translate("velmora::CMeasureHistoryDlg", "Temperature °C");
    k.englishHeader = QCoreApplication::translate("velmora::CMeasureHistoryDlg", "Temperature °F");
    k.member = &CVelmoraMFCDoc::m_temperature;
    k.dayViewMode = kDayViewFromTemperatureHistory;
    k.deleteQuestion = QT_TRANSLATE_NOOP("Message", "Do you really want to delete the record?");
    k.valueText = &TemperatureHistoryText;
    k.runChart = &CTemperatureChartDlg::Run;
    return k;
}

HistoryKind WeightKind() {
    HistoryKind k;
    k.templateId = 198;
    k.title = ScreenTitle(title::kWeightHistory);
    k.metricHeader = QCoreApplication::translate("velmora::CMeasureHistoryDlg", "Weight, kg");
    k.englishHeader = QCoreApplication::translate("velmora::CMeasureHistoryDlg", "Weight, lb");
    k.member = &CVelmoraMFCDoc::m_weight;
    k.dayViewMode = kDayViewFromWeightHistory;
    k.deleteQuestion = QT_TRANSLATE_NOOP("Message", "Do you really want to delete this record?");
    k.valueText = &WeightHistoryText;
    k.runChart = &CWeightChartDlg::Run;
    return k;
}

}  // namespace

CTemperatureHistoryDlg::CTemperatureHistoryDlg(CVelmoraMFCDoc& doc, IMainFrame* frame,
                                               QWidget* parent)
    : CMeasureHistoryDlg(TemperatureKind(), doc, frame, parent) {}

CWeightHistoryDlg::CWeightHistoryDlg(CVelmoraMFCDoc& doc, IMainFrame* frame, QWidget* parent)
    : CMeasureHistoryDlg(WeightKind(), doc, frame, parent) {}

}  // namespace velmora
