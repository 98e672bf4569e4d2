// The Temperature and Weight Charts driven headless on a written diary: what is drawn where,
// the scales in both unit systems, the month steps and the no-data message.

#include <QComboBox>
#include <cmath>
#include <map>

#include "gfx/screenbuffer.h"
#include "reports/measurechartdlg.h"
#include "tests/reports/charttest.h"
#include "tests/support/refimage.h"
#include "ui/kit/commandbar.h"

namespace velmora {
namespace {

class MeasureChartTest : public test::ChartTest {
protected:
    static QRgb At(CChartDlg& chart, int x, int y) {
        return chart.Screen().WindowSurface().pixel(x, y);
    }
    // A copy of the window surface's rectangle.
    static QImage Part(CChartDlg& chart, const QRect& r) {
        return chart.Screen().WindowSurface().copy(r);
    }
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
    EXPECT_EQ(chart.ShownYear(), 2026);
    EXPECT_EQ(chart.ShownMonth(), 1);
    EXPECT_EQ(Points(chart), (std::map<int, int>{{3, TemperatureY(36.00)},
                                                 {10, TemperatureY(37.00)},
                                                 {20, TemperatureY(36.55)},
                                                 {31, TemperatureY(38.00)}}));
    EXPECT_EQ(chart.DayX(31), 26 + 6 * 31);
    EXPECT_FALSE(chart.ShownEmpty());
    test::ExpectMatchesReference(chart.Screen().WindowSurface(),
                                 "reports/data/temperature-january.png");
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
        EXPECT_EQ(chart.DayX(1), 22);
        EXPECT_EQ(chart.DayX(31), 22 + 7 * 30);
        test::ExpectMatchesReference(chart.Screen().WindowSurface(), c.picture);
    }
}

TEST_F(MeasureChartTest, SwitchingUnitsChangesTheLabelsAndNotTheBars) {
    for (int day = 1; day <= 28; day += 3) {
        Temperature(2026, 2, day, 36.0 + 0.05 * day);
        Weight(2026, 2, day, 50.0 + day);
    }
    AppSettings.UnitsFormat = 1;
    CTemperatureChartDlg celsius(&frame, 2026, 2);
    CWeightChartDlg kilograms(&frame, 2026, 2);
    AppSettings.UnitsFormat = 0;
    CTemperatureChartDlg fahrenheit(&frame, 2026, 2);
    CWeightChartDlg pounds(&frame, 2026, 2);

    QStringList expected;
    for (int r = 0; r < 40; r += 2) {
        expected << QString::number(38.0 - 0.05 * r, 'f', 2);
    }
    EXPECT_EQ(celsius.ScaleLabels(), expected);
    EXPECT_EQ(fahrenheit.ScaleLabels(),
              QStringList({"100.40", "100.20", "100.00", "99.90", "99.70", "99.50", "99.30",
                           "99.10",  "99.00",  "98.80",  "98.60", "98.40", "98.20", "98.10",
                           "97.90",  "97.70",  "97.50",  "97.35", "97.20", "97.00"}));
    EXPECT_EQ(kilograms.ScaleLabels(), QStringList({"150", "140", "130", "120", "110", "100", "90",
                                                    "80", "70", "60", "50", "40"}));
    EXPECT_EQ(pounds.ScaleLabels(), QStringList({"331", "309", "287", "265", "243", "221", "199",
                                                 "177", "155", "132", "110", "88"}));

    // Right of the scale both pictures are the same pixel for pixel.
    const QRect temperaturePlot(37, 12, 203, 244);
    EXPECT_EQ(Part(celsius, temperaturePlot), Part(fahrenheit, temperaturePlot));
    EXPECT_NE(Part(celsius, QRect(0, 12, 30, 244)), Part(fahrenheit, QRect(0, 12, 30, 244)));
    const QRect weightPlot(27, 20, 213, 236);
    EXPECT_EQ(Part(kilograms, weightPlot), Part(pounds, weightPlot));
    EXPECT_EQ(Points(celsius).size(), 10u);
    EXPECT_EQ(Points(celsius), Points(fahrenheit));
    EXPECT_EQ(Points(kilograms), Points(pounds));
}

TEST_F(MeasureChartTest, PreviousAndNextStepByMonthsAndStopAtTheEndsOfTheLists) {
    Temperature(2025, 12, 5, 36.5);
    Temperature(2026, 1, 10, 36.7);
    CTemperatureChartDlg chart(&frame, 2025, 12);
    ASSERT_TRUE(chart.PointY(5));
    chart.CommandBar()->Trigger(kCmdChartNext);
    EXPECT_EQ(chart.ShownYear(), 2026);
    EXPECT_EQ(chart.ShownMonth(), 1);
    EXPECT_EQ(chart.MonthList()->currentText(), "Jan");
    EXPECT_EQ(chart.YearList()->currentText(), "2026");
    // The month before never shows through.
    EXPECT_EQ(Points(chart), (std::map<int, int>{{10, TemperatureY(36.7)}}));
    chart.CommandBar()->Trigger(kCmdChartPrevious);
    EXPECT_EQ(chart.ShownYear(), 2025);
    EXPECT_EQ(chart.ShownMonth(), 12);
    EXPECT_TRUE(chart.PointY(5));

    // Choosing in the lists reads the chosen month.
    chart.MonthList()->setCurrentIndex(0);
    chart.YearList()->setCurrentText("2026");
    EXPECT_TRUE(chart.PointY(10));

    // January of the first year and December of the last stay where they are.
    CWeightChartDlg first(&frame, 1995, 1);
    first.CommandBar()->Trigger(kCmdChartPrevious);
    EXPECT_EQ(first.ShownYear(), 1995);
    EXPECT_EQ(first.ShownMonth(), 1);
    CWeightChartDlg last(&frame, 2027, 12);  // the clock is in 2026: the lists end in 2027
    EXPECT_EQ(last.YearList()->count(), 2027 - 1995 + 1);
    last.CommandBar()->Trigger(kCmdChartNext);
    EXPECT_EQ(last.ShownYear(), 2027);
    EXPECT_EQ(last.ShownMonth(), 12);
}

TEST_F(MeasureChartTest, OpensOnTheCurrentMonthOrTheNearestOneTheListsHold) {
    CTemperatureChartDlg now(&frame);
    EXPECT_EQ(now.ShownYear(), 2026);
    EXPECT_EQ(now.ShownMonth(), 12);
    CTemperatureChartDlg early(&frame, 1990, 6);
    EXPECT_EQ(early.ShownYear(), 1995);
    EXPECT_EQ(early.ShownMonth(), 1);
    CWeightChartDlg late(&frame, 2040, 3);
    EXPECT_EQ(late.ShownYear(), 2027);
    EXPECT_EQ(late.ShownMonth(), 12);
    CWeightChartDlg odd(&frame, 2026, 13);
    EXPECT_EQ(odd.ShownMonth(), 12);
}

TEST_F(MeasureChartTest, AMonthWithoutValuesIsToldOncePerChosenMonth) {
    Temperature(2026, 5, 5, 36.6);
    Weight(2026, 6, 5, 60.0);  // June has a day, but no temperature
    CTemperatureChartDlg chart(&frame, 2026, 6);
    RunScreen<CTemperatureChartDlg>(chart, "Temperature Chart", [&](CTemperatureChartDlg& c) {
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, "There is no data for this month");
        EXPECT_EQ(boxes.Boxes()[0].caption, "Velmora Plus");
        EXPECT_EQ(boxes.Boxes()[0].buttons, MbButtons::Ok);
        EXPECT_TRUE(c.ShownEmpty());
        // The axes are on the screen when the message comes.
        EXPECT_EQ(At(c, 100, 255), 0xFF0000FFu);
        // A tap draws again without a second message.
        Tap(c, QPoint(120, 120));
        QCoreApplication::processEvents();
        EXPECT_EQ(boxes.Count(), 1u);
        Command(c, kCmdChartPrevious);  // May has a value
        QCoreApplication::processEvents();
        EXPECT_EQ(boxes.Count(), 1u);
        Command(c, kCmdChartNext);  // June again: told again
        QCoreApplication::processEvents();
        EXPECT_EQ(boxes.Count(), 2u);
    });
    EXPECT_EQ(boxes.CountText("There is no data for this month"), 2u);
}

TEST_F(MeasureChartTest, ADiaryWithoutDaysDrawsTheFrameAndSaysNothing) {
    CWeightChartDlg chart(&frame, 2026, 6);
    RunScreen<CWeightChartDlg>(chart, "Weight Chart", [&](CWeightChartDlg& c) {
        EXPECT_FALSE(c.ShownEmpty());
        test::ExpectMatchesReference(c.Screen().WindowSurface(), "reports/data/weight-empty.png");
    });
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(MeasureChartTest, FromAHistoryTheChartGivesTheHistoryItsTitleBackAndHelpHasItsPage) {
    test::HelpRecorder help;
    Temperature(2026, 8, 8, 36.9);
    QueueModalHook([&](QDialog& dialog) {
        auto& chart = dynamic_cast<CTemperatureChartDlg&>(dialog);
        EXPECT_EQ(frame.title, "Temperature Chart");
        EXPECT_EQ(chart.ShownMonth(), 8);
        Command(chart, kCmdChartHelp);
        dialog.reject();
    });
    CTemperatureChartDlg::Run(&frame, 2026, 8, &frame, "Temperature History");
    EXPECT_EQ(frame.title, "Temperature History");
    EXPECT_EQ(help.Calls(), (test::HelpCalls{{4, 11, "Help"}}));

    QueueModalHook([&](QDialog& dialog) {
        Command(dialog, kCmdChartHelp);
        dialog.reject();
    });
    frame.SetTitle("Weight Chart");
    CWeightChartDlg weight(&frame, 2026, 8);
    RunModal(weight, &frame, "Weight Chart");
    EXPECT_EQ(frame.title, "Weight Chart");  // opened from the menu: the opener restores it
    EXPECT_EQ(help.Calls(), (test::HelpCalls{{4, 11, "Help"}, {8, 13, "Help"}}));
}

TEST_F(MeasureChartTest, TheSkinChoosesTheBackground) {
    AppSettings.Skin = 5;  // Men
    CWeightChartDlg men(&frame, 2026, 8);
    CFastBitmap picture;
    ASSERT_TRUE(picture.Load(291, 240, 268));
    // The buffer holds the picture; the frame is drawn over it on the window only.
    const GraphicBuffer& buffer = *men.Screen().GetBuffer();
    int same = 0;
    for (int y = 0; y < 268; y += 7) {
        for (int x = 0; x < 240; x += 7) {
            same += buffer.GetPixel(x, y) == picture.Surface()->GetPixel(x, y);
        }
    }
    EXPECT_EQ(same, ((268 + 6) / 7) * ((240 + 6) / 7));
    AppSettings.Skin = 9;  // no such skin: no picture, a white face
    CWeightChartDlg none(&frame, 2026, 8);
    EXPECT_EQ(none.Screen().GetBuffer()->GetPixel(120, 5), kWhite);
}

}  // namespace
}  // namespace velmora
