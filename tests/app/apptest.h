#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <functional>
#include <memory>

#include "app/mainframe.h"
#include "app/velmoraapp.h"
#include "gfx/fastbitmap.h"
#include "platform/clock.h"
#include "platform/profile.h"
#include "reminders/startscheduler.h"
#include "res/programresources.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "tests/support/recordingscheduler.h"
#include "tests/support/saveday.h"
#include "tests/support/testenv.h"
#include "ui/calendarview.h"
#include "ui/kit/modal.h"

namespace velmora::test {

// Runs the event loop until `done` or `ms` pass; true when done. The limit is a ceiling for
// a slow, loaded machine, never a pause: a condition that holds returns at once.
inline bool PumpUntil(const std::function<bool()>& done, int ms = 30000) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// The program started headless in private folders, with the clock pinned, no start-picture
// wait, settings in memory and message boxes recorded.
class AppTest : public StoreTest {
protected:
    AppTest() : pin(CTime(2026, 12, 6, 10, 30, 0)) {
        RegisterProgramResources();
        AppSettings = VelmoraSettings();
        SoundsEnabled = true;
        profile = std::make_shared<MemoryProfileStore>();
    }
    ~AppTest() override {
        app.reset();
        ClearModalHooks();
        AppSettings = VelmoraSettings();
    }

    // The options every test starts the program with: no start-picture wait, no other copy
    // to hand over to, no signals, recorded boxes, no sound, settings in memory.
    AppOptions TestOptions() const {
        AppOptions options;
        options.splashMs = 0;
        options.singleInstance = false;
        options.handleSignals = false;
        options.qtMessageBoxes = false;
        options.sound = false;
        options.scheduler = scheduler;
        options.profile = profile;
        options.language = UiLanguage::Source;  // the exact texts the tests expect
        options.zoom = 1;                       // the screens' own pixels, whatever the screen
        return options;
    }

    // Starts the program and waits for the calendar; `adjust` may change the options.
    void Start(const std::function<void(AppOptions&)>& adjust = {}) {
        AppOptions options = TestOptions();
        if (adjust) {
            adjust(options);
        }
        app = std::make_unique<CVelmoraMFCApp>(*qApp, options);
        ASSERT_TRUE(app->InitInstance());
        ASSERT_TRUE(PumpUntil([&] { return View().IsStarted(); }));
    }

    CMainFrame& Frame() { return *app->MainFrame(); }
    CVelmoraMFCView& View() { return *app->MainFrame()->View(); }
    // The calendar as drawn now.
    const GraphicBuffer& Drawn() {
        View().DrawMonth();
        return *View().Screen().GetBuffer();
    }

    ScopedTimeZone tz{"Europe/Berlin"};
    ScopedClockPin pin;
    std::shared_ptr<MemoryProfileStore> profile;
    std::shared_ptr<RecordingStartScheduler> scheduler =
        std::make_shared<RecordingStartScheduler>();
    std::unique_ptr<CVelmoraMFCApp> app;
};

// The pixels of picture `id` (w x h) as decoded from the program's resources.
inline std::unique_ptr<CFastBitmap> Decoded(int id, uint16_t w, uint16_t h) {
    auto pic = std::make_unique<CFastBitmap>();
    pic->Load(id, w, h);
    return pic;
}

// Whether `buffer` shows picture `pic` at (x, y): every pixel but the transparent ones.
inline bool Shows(const GraphicBuffer& buffer, const CFastBitmap& pic, int x, int y,
                  bool transparent) {
    const GraphicBuffer& s = *pic.Surface();
    const Pixel key = s.GetPixel(0, 0);
    for (uint32_t py = 0; py < s.Height(); ++py) {
        for (uint32_t px = 0; px < s.Width(); ++px) {
            const Pixel p = s.GetPixel(static_cast<int>(px), static_cast<int>(py));
            if (transparent && p == key) {
                continue;
            }
            if (buffer.GetPixel(x + static_cast<int>(px), y + static_cast<int>(py)) != p) {
                return false;
            }
        }
    }
    return true;
}

// How many pixels of `drawn` (every `step`th in both directions) differ from those at
// `origin` of `shot` (a screenshot), compared at RGB565 precision.
inline int Differing(const QImage& shot, QPoint origin, const QImage& drawn, int step = 1) {
    int differing = 0;
    for (int y = 0; y < drawn.height(); y += step) {
        for (int x = 0; x < drawn.width(); x += step) {
            const QRgb want = drawn.pixel(x, y);
            const QRgb got = shot.pixel(origin.x() + x, origin.y() + y);
            differing += qRed(want) >> 3 != qRed(got) >> 3 ||
                         qGreen(want) >> 2 != qGreen(got) >> 2 ||
                         qBlue(want) >> 3 != qBlue(got) >> 3;
        }
    }
    return differing;
}

}  // namespace velmora::test
