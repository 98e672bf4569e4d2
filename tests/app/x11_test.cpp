// The program in a real X server: the window on the screen shows the calendar.

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include "tests/app/apptest.h"

namespace velmora {
namespace {

class X11Test : public test::AppTest {};

TEST_F(X11Test, TheWindowOnTheScreenShowsTheCalendar) {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run me under xvfb-run";
    Start();
    Frame().move(20, 20);
    ASSERT_TRUE(test::PumpUntil([&] { return Frame().isVisible(); }));
    const QPoint origin = View().mapTo(&Frame(), QPoint(0, 0));
    const QImage& drawn = View().Screen().WindowSurface();
    // Every tenth pixel of the calendar on the screen is the pixel the program drew, once
    // the server has drawn it.
    int compared = 0, same = 0;
    test::PumpUntil([&] {
        const QImage screen =
            QGuiApplication::primaryScreen()->grabWindow(Frame().winId()).toImage();
        if (screen.width() < 240 || screen.height() < 268) {
            return false;
        }
        compared = same = 0;
        for (int y = 0; y < 268; y += 10) {
            for (int x = 0; x < 240; x += 10) {
                const QRgb want = drawn.pixel(x, y);
                const QRgb got = screen.pixel(origin.x() + x, origin.y() + y);
                ++compared;
                same += qRed(want) >> 3 == qRed(got) >> 3 &&
                        qGreen(want) >> 2 == qGreen(got) >> 2 && qBlue(want) >> 3 == qBlue(got) >> 3;
            }
        }
        return same == compared;
    });
    EXPECT_GT(compared, 0);
    EXPECT_EQ(same, compared);
    EXPECT_EQ(Frame().Title(), "Calendar View");
}

}  // namespace
}  // namespace velmora
