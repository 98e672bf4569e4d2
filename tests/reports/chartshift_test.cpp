// The temperature shift on the Temperature Chart: the overlay against reference pictures kept
// beside the test (reports/data), turned on and off from the screen as a person does it.

#include <QCheckBox>
#include <QImage>
#include <QTest>

#include "gfx/screenbuffer.h"
#include "reports/measurechartdlg.h"
#include "tests/reports/reporttest.h"
#include "tests/support/refimage.h"
#include "tests/support/screentest.h"

namespace velmora {
namespace {

class TemperatureShiftChartTest : public test::ReportTest {
protected:
    static const QImage& Shown(CChartDlg& chart) { return chart.Screen().WindowSurface(); }
};

// March: days 9-14 top out at 36.45 (day 10), days 15-17 rise to 36.55, 36.60, 36.70; day 6
// has no value, so no earlier run of nine counts. tempshift-off.png was first drawn by the chart
// before it had the overlay at all.
TEST_F(TemperatureShiftChartTest, TheOverlayComesWithTheBoxAndLeavesThePlainChartAsItWas) {
    const double march[31] = {36.45, 36.40, 36.35, 36.30, 36.35, 0,     36.30, 36.40,
                              36.35, 36.45, 36.30, 36.40, 36.35, 36.25, 36.55, 36.60,
                              36.70, 36.75, 36.80, 36.70, 36.85, 36.80, 0,     36.75,
                              36.80, 36.85, 36.70, 36.60, 36.45, 36.35, 36.30};
    for (int day = 1; day <= 31; ++day) {
        if (march[day - 1] != 0) {
            Temperature(2026, 3, day, march[day - 1]);
        }
    }
    CTemperatureChartDlg chart(&frame, 2026, 3);
    test::ExpectMatchesReference(Shown(chart), "reports/data/tempshift-off.png");
    EXPECT_FALSE(chart.ShownShift());
    RunScreen<CTemperatureChartDlg>(chart, "Temperature Chart", [&](CTemperatureChartDlg& c) {
        QCheckBox* box = test::Control<QCheckBox>(&c, kChartShiftBoxId);
        ASSERT_NE(box, nullptr);
        EXPECT_FALSE(box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
        EXPECT_TRUE(AppSettings.TemperatureShift);
        const std::optional<TemperatureShift> shift = c.ShownShift();
        ASSERT_TRUE(shift);
        EXPECT_EQ(shift->thirdHigh + 1, 17);
        EXPECT_EQ(shift->coverline, 36.45);
        test::ExpectMatchesReference(Shown(c), "reports/data/tempshift-on.png");
        const QString told = c.findChild<ScreenWidget*>()->accessibleDescription();
        EXPECT_TRUE(told.contains("coverline 36.45, third higher day 17")) << told.toStdString();
        EXPECT_TRUE(told.contains("information only, not contraception"));
        // Off again from the keyboard: the plain chart, pixel for pixel.
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
        EXPECT_FALSE(AppSettings.TemperatureShift);
        test::ExpectMatchesReference(Shown(c), "reports/data/tempshift-off.png");
    });
}

}  // namespace
}  // namespace velmora
