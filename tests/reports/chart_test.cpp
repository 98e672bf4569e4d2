// The Temperature and Weight Charts driven headless on a written diary: where each value
// stands, the scales in both unit systems, the month steps and the no-data message.

#include <QComboBox>
#include <cmath>
#include <map>

#include "gfx/screenbuffer.h"
#include "reports/measurechartdlg.h"
#include "tests/reports/reporttest.h"
#include "tests/support/refimage.h"
#include "ui/kit/commandbar.h"

namespace velmora {
namespace {

class MeasureChartTest : public test::ReportTest {
protected:
    // Where a temperature stands: 36.00 on the axis at 255, six pixels per twentieth of a
    // degree up to 38.00 at 15.
    static int TemperatureY(double celsius) {
        return 255 - 6 * static_cast<int>(std::lround((celsius - 36.0) * 20.0));
    }
    // Where a weight stands: 40 kg on the axis at 255 less ten pixels, two pixels a kilogram.
    static int WeightY(int kilograms) { return 245 - 2 * (kilograms - 40); }
    // The days of `chart` with a point, and where each stands.
    static std::map<int, int> Points(const CMeasureChartDlg& chart) {
        std::map<int, int> points;
        for (int day = 1; day <= 31; ++day) {
            if (const auto y = chart.PointY(day)) {
                points[day] = *y;
            }
        }
        return points;
    }
    static void ExpectShown(const CChartDlg& chart, int year, int month) {
        EXPECT_EQ(std::make_pair(chart.ShownYear(), chart.ShownMonth()),
                  std::make_pair(year, month));
    }
};

// A bar from the axis up to each point, the line through the points and across the days
// without one; 36.00 has no bar, 38.00 reaches the top line.
TEST_F(MeasureChartTest, TemperatureBarsAndLineStandAtTheirDaysAndValues) {
    Temperature(2026, 1, 3, 36.00);
    Temperature(2026, 1, 10, 37.00);
    Temperature(2026, 1, 20, 36.55);
    Temperature(2026, 1, 31, 38.00);
    Weight(2026, 1, 15, 62.0);       // a weight is not a temperature
    Temperature(2026, 2, 4, 37.50);  // nor is another month's value
    Temperature(2025, 1, 5, 37.50);  // or another year's
    CTemperatureChartDlg chart(&frame, 2026, 1);
    EXPECT_EQ(Points(chart), (std::map<int, int>{{3, TemperatureY(36.00)},
                                                 {10, TemperatureY(37.00)},
                                                 {20, TemperatureY(36.55)},
                                                 {31, TemperatureY(38.00)}}));
    EXPECT_FALSE(chart.ShownEmpty());
    test::ExpectMatchesReference(chart.Screen().WindowSurface(),
                                 "reports/data/temperature-january.png");
    AppSettings.UnitsFormat = 0;  // Fahrenheit: tenths, and the Day View's half steps
    EXPECT_EQ(CTemperatureChartDlg(&frame, 2026, 1).ScaleLabels(),
              QStringList({"100.40", "100.20", "100.00", "99.90", "99.70", "99.50", "99.30",
                           "99.10",  "99.00",  "98.80",  "98.60", "98.40", "98.20", "98.10",
                           "97.90",  "97.70",  "97.50",  "97.35", "97.20", "97.00"}));
}

// Bars in whole kilograms seven pixels apart; day 31 stands by the arrow. Below 40 kg a bar
// shrinks to the axis, and a weight the scale cannot hold stays in the frame instead of
// running over the day labels.
TEST_F(MeasureChartTest, WeightBarsUseWholeKilogramsAndStayInTheFrame) {
    Weight(2026, 3, 1, 40.0);
    Weight(2026, 3, 15, 60.9);  // drawn as 60
    Weight(2026, 3, 20, 150.0);
    Weight(2026, 3, 31, 60.9);
    Weight(2026, 4, 2, 35.0);
    Weight(2026, 4, 3, 20.0);
    Weight(2026, 4, 4, 400.0);
    const struct {
        int month;
        std::map<int, int> points;
        const char* picture;
    } cases[] = {
        {3,
         {{1, WeightY(40)}, {15, WeightY(60)}, {20, WeightY(150)}, {31, WeightY(60)}},
         "reports/data/weight-march.png"},
        {4, {{2, 255}, {3, 255}, {4, 15}}, "reports/data/weight-april.png"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.month);
        CWeightChartDlg chart(&frame, 2026, c.month);
        EXPECT_EQ(Points(chart), c.points);
        test::ExpectMatchesReference(chart.Screen().WindowSurface(), c.picture);
    }
}

// The charts open on the month asked for, or the nearest one the lists hold, and step by
// months, also from the lists, stopping at their ends.
TEST_F(MeasureChartTest, ChartsOpenAndStepWithinTheMonthsOfTheLists) {
    ExpectShown(CTemperatureChartDlg(&frame), 2026, 12);
    ExpectShown(CTemperatureChartDlg(&frame, 1990, 6), 1995, 1);
    ExpectShown(CWeightChartDlg(&frame, 2040, 3), 2027, 12);
    ExpectShown(CWeightChartDlg(&frame, 2026, 13), 2026, 12);

    Temperature(2025, 12, 5, 36.5);
    Temperature(2026, 1, 10, 36.7);
    CTemperatureChartDlg chart(&frame, 2025, 12);
    chart.CommandBar()->Trigger(kCmdChartNext);
    ExpectShown(chart, 2026, 1);
    EXPECT_EQ(chart.MonthList()->currentText(), "Jan");
    EXPECT_EQ(chart.YearList()->currentText(), "2026");
    EXPECT_EQ(Points(chart), (std::map<int, int>{{10, TemperatureY(36.7)}}));
    chart.CommandBar()->Trigger(kCmdChartPrevious);
    ExpectShown(chart, 2025, 12);
    EXPECT_TRUE(chart.PointY(5));
    chart.MonthList()->setCurrentIndex(0);
    chart.YearList()->setCurrentText("2026");
    EXPECT_TRUE(chart.PointY(10));

    CWeightChartDlg first(&frame, 1995, 1);
    first.CommandBar()->Trigger(kCmdChartPrevious);
    ExpectShown(first, 1995, 1);
    CWeightChartDlg last(&frame, 2027, 12);  // the clock is in 2026: the lists end in 2027
    last.CommandBar()->Trigger(kCmdChartNext);
    ExpectShown(last, 2027, 12);
}

// A diary without days draws the empty frame and says nothing; a month without values is
// told once each time it is chosen, not at every drawing.
TEST_F(MeasureChartTest, AMonthWithoutValuesIsToldOncePerChosenMonth) {
    CWeightChartDlg empty(&frame, 2026, 6);
    RunScreen<CWeightChartDlg>(empty, "Weight Chart", [&](CWeightChartDlg& c) {
        EXPECT_FALSE(c.ShownEmpty());
        test::ExpectMatchesReference(c.Screen().WindowSurface(), "reports/data/weight-empty.png");
    });
    EXPECT_EQ(boxes.Count(), 0u);

    Temperature(2026, 5, 5, 36.6);
    Weight(2026, 6, 5, 60.0);  // June has a day, but no temperature
    CTemperatureChartDlg chart(&frame, 2026, 6);
    RunScreen<CTemperatureChartDlg>(chart, "Temperature Chart", [&](CTemperatureChartDlg& c) {
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"There is no data for this month"});
        EXPECT_TRUE(c.ShownEmpty());
        Command(c, kCmdChartPrevious);  // May has a value
        QCoreApplication::processEvents();
        EXPECT_EQ(boxes.Count(), 1u);
        Command(c, kCmdChartNext);  // June again: told again
        QCoreApplication::processEvents();
        EXPECT_EQ(boxes.Count(), 2u);
    });
}

}  // namespace
}  // namespace velmora
