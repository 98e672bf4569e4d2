#pragma once

#include <array>
#include <optional>

#include "cycle/tempshift.h"
#include "reports/chartbase.h"

class QCheckBox;

namespace velmora {

class CVelmoraMFCDoc;

// The Temperature Chart's box that shows the temperature shift on the chart, or hides it.
inline constexpr int kChartShiftBoxId = 1014;

// What a month chart counts: the basal temperature or the weight of each day.
enum class Measure { Temperature, Weight };

// A month of one measure: a red bar from the bottom axis up to each day's value and a black
// line joining the days that have one, on a scale in the units of the UnitsFormat setting.
// The values are stored in degrees Celsius and kilograms whatever the setting; only the
// scale's labels change with it.
//
// With the TemperatureShift setting on, the Temperature Chart also shows the first temperature
// shift of the month (cycle/tempshift.h): a dashed coverline across the chart, a ring around the
// third higher day and a caption saying that this is information, not contraception. The shift
// is found in degrees Celsius and drawn where the points are, so it stands in the same place on
// either scale. The setting is the check box beside the command bar's buttons.
class CMeasureChartDlg : public CChartDlg {
    Q_OBJECT

public:
    static constexpr int kDays = 31;

    // The y coordinate of day `day` (1-31) of the month shown; none without a value.
    std::optional<int> PointY(int day) const;
    // Where day `day` stands along the bottom axis.
    int DayX(int day) const;
    Measure Kind() const { return m_measure; }
    // The temperature shift on show: none with the setting off, on the Weight Chart, or when
    // the month has none. Its day indexes count from day 1 of the month at 0.
    std::optional<TemperatureShift> ShownShift() const;

    // Where a value lands on the chart (before it is kept inside the frame): a temperature
    // in degrees Celsius, a weight in kilograms.
    static int TemperatureY(double celsius);
    static int WeightY(double kilograms);

protected:
    // `year` and `month` (1-12) to show first; 0 in either shows the current month.
    CMeasureChartDlg(Measure measure, IMainFrame* frame, int year, int month, QWidget* parent);

    Reading Read() override;
    QString UnitText() const override;
    QString ScaleLabel(int row) const override;
    QString TickLabel(int index) const override;
    void DrawValues(QImage& surface, QPainter& painter) override;
    QString DescribeValues() const override;

private:
    void DrawShift(QImage& surface, QPainter& painter, const TemperatureShift& shift);

    Measure m_measure;
    bool m_metric;
    std::array<std::optional<int>, kDays> m_points{};
    std::array<double, kDays> m_values{};     // as stored (Celsius, kilograms); 0 for none
    std::optional<TemperatureShift> m_shift;  // the month's first shift, shown or not
    QCheckBox* m_shiftBox = nullptr;
};

// The Temperature Chart: a month of basal temperatures, 36.00 to 38.00 degrees Celsius (or
// their Fahrenheit figures) up the scale.
class CTemperatureChartDlg : public CMeasureChartDlg {
public:
    CTemperatureChartDlg(IMainFrame* frame, int year = 0, int month = 0, QWidget* parent = nullptr);

    // Runs the chart over the main window on year-month (0, 0: the current month), titled
    // "Temperature Chart"; the main window's title is `returnTitle` after (when not empty).
    static int Run(IMainFrame* frame, int year, int month, QWidget* parent,
                   const QString& returnTitle = {});
};

// The Weight Chart: a month of weights, 40 to 150 kilograms (or their pounds) up the scale.
class CWeightChartDlg : public CMeasureChartDlg {
public:
    CWeightChartDlg(IMainFrame* frame, int year = 0, int month = 0, QWidget* parent = nullptr);

    static int Run(IMainFrame* frame, int year, int month, QWidget* parent,
                   const QString& returnTitle = {});
};

}  // namespace velmora
