// The program in a real X server: the window on the screen shows the calendar.

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include "tests/app/apptest.h"
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
    int differing = -1;
    test::PumpUntil([&] {
        const QImage shot = QGuiApplication::primaryScreen()->grabWindow(Frame().winId()).toImage();
        if (shot.width() < 240 * n || shot.height() < 268 * n) {
            return false;
        }
        differing = test::Differing(shot, origin, drawn, 10);
        return differing == 0;
    });
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(Frame().Title(), "Calendar View");
}

}  // namespace
}  // namespace velmora
