#pragma once

#include "reports/historybase.h"

namespace velmora {

// Temperature History: every stored day with a basal temperature, in degrees Celsius or
// Fahrenheit by the UnitsFormat setting. Chart opens the Temperature Chart of the row's
// month, View the Day View of its day.
class CTemperatureHistoryDlg : public CMeasureHistoryDlg {
public:
    // `doc` is the calendar's document: the Day View opens the day in it.
    CTemperatureHistoryDlg(CVelmoraMFCDoc& doc, IMainFrame* frame, QWidget* parent = nullptr);
};

// Weight History: every stored day with a weight, in kilograms or pounds. Chart opens the
// Weight Chart, View the Day View.
class CWeightHistoryDlg : public CMeasureHistoryDlg {
public:
    CWeightHistoryDlg(CVelmoraMFCDoc& doc, IMainFrame* frame, QWidget* parent = nullptr);
};

}  // namespace velmora
