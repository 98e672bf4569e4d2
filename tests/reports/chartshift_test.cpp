// The temperature shift on the Temperature Chart: the overlay against reference pictures kept
// beside the test (reports/data), turned on and off from the screen as a person does it.
// VELMORA_WRITE_REFERENCE=1 writes the pictures afresh from the program under test.

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QTest>
#include <cstdlib>
#include <string>

#include "gfx/screenbuffer.h"
#include "reports/measurechartdlg.h"
#include "tests/reports/charttest.h"
#include "tests/support/screentest.h"

namespace velmora {
namespace {

class TemperatureShiftChartTest : public test::ChartTest {
protected:
    static QImage Shown(CChartDlg& chart) {
        return chart.Screen().WindowSurface().convertToFormat(QImage::Format_RGB32);
    }
    // Compares `shown` with the reference picture `name`; a difference leaves the actual
    // picture and one of the differing pixels in the temporary folder, named in the failure.
    static void ExpectReference(const QImage& shown, const QString& name) {
        const QString path = QStringLiteral(VELMORA_REPORTS_DATA_DIR "/") + name + ".png";
        if (std::getenv("VELMORA_WRITE_REFERENCE") != nullptr) {
            ASSERT_TRUE(shown.save(path)) << path.toStdString();
            return;
        }
        const QImage want = QImage(path).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), want.size()) << path.toStdString();
        QImage diff(want.size(), QImage::Format_RGB32);
        int differ = 0;
        for (int y = 0; y < want.height(); ++y) {
            for (int x = 0; x < want.width(); ++x) {
                const bool same = shown.pixel(x, y) == want.pixel(x, y);
                differ += !same;
                diff.setPixel(x, y, same ? qRgb(255, 255, 255) : qRgb(255, 0, 0));
            }
        }
        if (differ != 0) {
            const QString out = QDir::temp().filePath(name);
            shown.save(out + "-actual.png");
            diff.save(out + "-diff.png");
            ADD_FAILURE() << differ << " pixels differ from " << path.toStdString() << "; see "
                          << out.toStdString() << "-actual.png and -diff.png";
        }
    }
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
    ExpectReference(Shown(chart), "tempshift-off");
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
        ExpectReference(Shown(c), "tempshift-on");
        const QString told = c.findChild<ScreenWidget*>()->accessibleDescription();
        EXPECT_TRUE(told.contains("coverline 36.45, third higher day 17")) << told.toStdString();
        EXPECT_TRUE(told.contains("information only, not contraception"));
        // Off again from the keyboard: the plain chart, pixel for pixel.
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
        EXPECT_FALSE(AppSettings.TemperatureShift);
        ExpectReference(Shown(c), "tempshift-off");
    });

    // In Fahrenheit the same days carry the same marks: right of the scale the picture is the
    // Celsius one, and the coverline is told in degrees Fahrenheit (36.45 C = 97.61 F).
    AppSettings.TemperatureShift = true;
    AppSettings.UnitsFormat = 0;
    CTemperatureChartDlg fahrenheit(&frame, 2026, 3);
    const QRect plot(37, 0, 203, 268);
    EXPECT_EQ(Shown(fahrenheit).copy(plot),
              QImage(QStringLiteral(VELMORA_REPORTS_DATA_DIR "/tempshift-on.png"))
                  .convertToFormat(QImage::Format_RGB32)
                  .copy(plot));
    const QString told = fahrenheit.findChild<ScreenWidget*>()->accessibleDescription();
    EXPECT_TRUE(told.contains("coverline 97.6, third higher day 17")) << told.toStdString();
}

}  // namespace
}  // namespace velmora
