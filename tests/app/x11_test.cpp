// The program in a real X server: the window on the screen shows the calendar.

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include "tests/app/apptest.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/zoom.h"

namespace velmora {
namespace {

class X11Test : public test::AppTest {};

TEST_F(X11Test, TheWindowOnTheScreenShowsTheCalendar) {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run me under xvfb-run";
    Start([](AppOptions& options) { options.zoom.reset(); });  // as a user starts it
    Frame().move(20, 20);
    ASSERT_TRUE(test::PumpUntil([&] { return Frame().isVisible(); }));
    // The zoom the screen asks for (2x for a QT_SCALE_FACTOR of 2), in the calendar too.
    const int n = ResolveZoom(kZoomAutomatic);
    ASSERT_TRUE(test::PumpUntil([&] { return View().Screen().Scale() == n; }));
    EXPECT_EQ(CurrentZoom(), n);
    const QPoint origin = View().mapTo(&Frame(), QPoint(0, 0)) * n;
    const QImage& drawn = View().Screen().WindowSurface();
    // Every tenth pixel of the calendar on the screen, in device pixels, is the pixel the
    // program drew, once the server has drawn it.
    int compared = 0, same = 0;
    test::PumpUntil([&] {
        const QImage screen =
            QGuiApplication::primaryScreen()->grabWindow(Frame().winId()).toImage();
        if (screen.width() < 240 * n || screen.height() < 268 * n) {
            return false;
        }
        compared = same = 0;
        for (int y = 0; y < 268 * n; y += 10) {
            for (int x = 0; x < 240 * n; x += 10) {
                const QRgb want = drawn.pixel(x, y);
                const QRgb got = screen.pixel(origin.x() + x, origin.y() + y);
                ++compared;
                same += qRed(want) >> 3 == qRed(got) >> 3 &&
                        qGreen(want) >> 2 == qGreen(got) >> 2 &&
                        qBlue(want) >> 3 == qBlue(got) >> 3;
            }
        }
        return same == compared;
    });
    EXPECT_GT(compared, 0);
    EXPECT_EQ(same, compared);
    EXPECT_EQ(Frame().Title(), "Calendar View");
}

// A zoom chosen in the menu shows at once, no larger than the screen holds: on a full-HD
// screen 3x, on an 800 x 600 one 1x; the choice itself is kept.
TEST_F(X11Test, AZoomChosenInTheMenuShowsAtOnceAsLargeAsTheScreenHolds) {
    Start();
    struct Unzoom {
        ~Unzoom() { ApplyZoom(1); }
    } unzoom;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const bool fullHd = screen->geometry().height() * screen->devicePixelRatio() >= 1000;
    const int want = fullHd ? 3 : 1;
    Frame().CommandBar()->findChild<QAction*>(QString::number(kCmdZoom1 + 2))->trigger();
    ASSERT_TRUE(test::PumpUntil([&] {
        return CurrentZoom() == want && View().Screen().Scale() == want && Frame().isVisible();
    }));
    EXPECT_EQ(Frame().size(), QSize(240, 294));
    const QRect onScreen = Frame().frameGeometry();
    EXPECT_TRUE(screen->availableGeometry().contains(onScreen.topLeft()));
    app->ExitInstance();
    EXPECT_EQ(profile->Raw("Velmora", "Zoom"), "3");
}

}  // namespace
}  // namespace velmora
