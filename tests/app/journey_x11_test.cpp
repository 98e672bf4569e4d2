// The journey's start in a real X server: the cycle set up and a period entered through
// windows that really show, then a screenshot of the main window, kept beside the tests,
// whose calendar must be what the program drew.

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QWindow>

#include "tests/app/journey.h"
#include "tests/support/refimage.h"

namespace velmora {
namespace {

class JourneyX11Test : public test::JourneyTest {};

TEST_F(JourneyX11Test, TheEnteredPeriodShowsOnTheScreen) {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run me under xvfb-run";
    Step("the program shows its window");
    Start();
    Frame().move(30, 30);
    ASSERT_TRUE(test::PumpUntil([&] { return Frame().isVisible(); }));

    Step("the cycle set and a period from 16 November entered with Next");
    SetCycle(4, 30);
    RecordPeriod(2026, 11, 16, 5, 2, [](CDayViewDlg& s, int i) {
        EXPECT_TRUE(s.isVisible());
        EXPECT_EQ(s.DateText(), QString::asprintf("%02d.11.2026", 16 + i));
    });
    ASSERT_EQ(boxes.Count(), 0u) << boxes.Texts()[0];

    // The screenshot's calendar (once the server has shown the window again) is the month
    // the program drew, and the one the headless journey drew for the same period.
    Step("the screenshot shows the calendar with the period");
    Frame().raise();
    Frame().activateWindow();
    const QPoint origin = View().mapTo(&Frame(), QPoint(0, 0));
    const QImage want(VELMORA_TESTS_SOURCE_DIR "/app/data/journey-2026-11.png");
    ASSERT_FALSE(want.isNull());
    QImage shot;
    test::PumpUntil([&] {
        shot = QGuiApplication::primaryScreen()->grabWindow(Frame().winId()).toImage();
        return shot.width() >= 240 && shot.height() >= 268 &&
               test::Differing(shot, origin, want) == 0;
    });
    ASSERT_TRUE(shot.save(VELMORA_SHOT));
    ASSERT_GE(shot.width(), 240);
    ASSERT_GE(shot.height(), 268);
    const QImage& drawn = View().Screen().WindowSurface();
    EXPECT_EQ(test::Differing(shot, origin, drawn), 0);
    test::ExpectMatchesReference(drawn, "app/data/journey-2026-11.png");
    EXPECT_EQ(Frame().Title(), "Calendar View");
}

}  // namespace
}  // namespace velmora
