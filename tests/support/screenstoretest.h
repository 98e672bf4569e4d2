#pragma once

// What the screen tests share: a private diary written as the screens write it, the clock
// pinned to 6 December 2026 in Berlin, the program's pictures, a stand-in main window, and
// the helpers that store and read days and press a screen's commands.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QToolButton>
#include <functional>
#include <map>
#include <memory>
#include <tuple>

#include "platform/clock.h"
#include "res/programresources.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "tests/support/saveday.h"
#include "tests/support/screentest.h"
#include "tests/support/testenv.h"
#include "ui/kit/modal.h"

namespace velmora::test {

using Day = std::tuple<int, int, int>;  // year, month, day

class ScreenStoreTest : public StoreTest {
protected:
    ScreenStoreTest() : pin(CTime(2026, 12, 6, 10, 30, 0)) {
        RegisterProgramResources();
        AppSettings = VelmoraSettings();
        SoundsEnabled = false;
    }
    ~ScreenStoreTest() override {
        ClearModalHooks();
        AppSettings = VelmoraSettings();
    }

    // How many records each day has; every record's date must be its day at 12:00.
    static std::map<Day, int> RecordsPerDay() {
        std::map<Day, int> days;
        CVelmoraMFCDoc scan;
        scan.ForEachDay([&](CVelmoraMFCDoc& d) {
            const LocalTime t = d.m_date.Local();
            EXPECT_EQ(t.hour, 12) << t.year << "-" << t.month << "-" << t.day;
            EXPECT_EQ(t.minute, 0);
            ++days[Day{t.year, t.month, t.day}];
            return true;
        });
        return days;
    }

    // Presses a button of a screen's command bar.
    static void Command(QWidget& screen, int command) {
        auto* button = Control<QToolButton>(&screen, command);
        ASSERT_NE(button, nullptr) << command;
        button->click();
    }
    // A tap (pen down and up) at `at` in `widget`.
    static void Tap(QWidget& widget, QPoint at) {
        QMouseEvent press(QEvent::MouseButtonPress, at, widget.mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, widget.mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &release);
    }

    ScopedTimeZone tz{"Europe/Berlin"};
    ScopedClockPin pin;
    TestFrame frame;
};

}  // namespace velmora::test
