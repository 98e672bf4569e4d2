#pragma once

// Shared set-up of the chart and history tests: a private diary written as the screens write
// it, the clock pinned, the program's pictures, a stand-in main window, and helpers that run
// a screen and act in it as a person would.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QMouseEvent>
#include <QToolButton>
#include <functional>
#include <map>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/clock.h"
#include "res/programresources.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "tests/support/helprecorder.h"
#include "tests/support/screentest.h"
#include "tests/support/testenv.h"
#include "ui/kit/help.h"
#include "ui/kit/modal.h"

namespace velmora::test {

using Day = std::tuple<int, int, int>;  // year, month, day

class ChartTest : public StoreTest {
protected:
    ChartTest() : pin(CTime(2026, 12, 6, 10, 30, 0)) {
        RegisterProgramResources();
        AppSettings = VelmoraSettings();
        SoundsEnabled = false;
    }
    ~ChartTest() override {
        ClearModalHooks();
        SetHelpOpener({});
        AppSettings = VelmoraSettings();
    }

    // Stores a day as the screens do.
    static void Store(int y, int m, int d, const std::function<void(CVelmoraMFCDoc&)>& fill) {
        CVelmoraMFCDoc day;
        day.OpenDay(y, m, d);
        fill(day);
        ASSERT_EQ(day.SaveDay(), SaveDayResult::Saved);
    }
    static void Temperature(int y, int m, int d, double celsius) {
        Store(y, m, d, [celsius](CVelmoraMFCDoc& day) { day.m_temperature = celsius; });
    }
    static void Weight(int y, int m, int d, double kilograms) {
        Store(y, m, d, [kilograms](CVelmoraMFCDoc& day) { day.m_weight = kilograms; });
    }
    static void Fluid(int y, int m, int d, int fluid) {
        Store(y, m, d, [fluid](CVelmoraMFCDoc& day) { day.m_fluid = static_cast<int16_t>(fluid); });
    }
    // The stored day (null when it has no record), read by a document of its own.
    static std::unique_ptr<CVelmoraMFCDoc> Stored(int y, int m, int d) {
        auto day = std::make_unique<CVelmoraMFCDoc>();
        if (!day->OpenDay(y, m, d)) {
            return nullptr;
        }
        return day;
    }
    // How many records each day has; every record keeps its day at 12:00.
    static std::map<Day, int> RecordsPerDay() {
        std::map<Day, int> days;
        CVelmoraMFCDoc scan;
        scan.ForEachDay([&](CVelmoraMFCDoc& d) {
            const LocalTime t = d.m_date.Local();
            EXPECT_EQ(t.hour, 12) << t.year << "-" << t.month << "-" << t.day;
            ++days[Day{t.year, t.month, t.day}];
            return true;
        });
        return days;
    }

    // Runs `dialog` as the program runs its screens; `act` runs once it shows, after the
    // messages it posted on opening. A screen that `act` leaves open is closed.
    template <class Screen>
    void RunScreen(Screen& dialog, const QString& title, const std::function<void(Screen&)>& act) {
        QueueModalHook([act](QDialog& shown) {
            QCoreApplication::processEvents();
            act(static_cast<Screen&>(shown));
            if (shown.isVisible()) {
                shown.reject();
            }
        });
        RunModal(dialog, &frame, title);
    }

    // Presses a button of a screen's command bar.
    static void Command(QWidget& screen, int command) {
        auto* button = Control<QToolButton>(&screen, command);
        ASSERT_NE(button, nullptr) << command;
        button->click();
    }
    // A tap (pen down and up) on a picture screen.
    static void Tap(QWidget& screen, QPoint at) {
        QMouseEvent press(QEvent::MouseButtonPress, at, screen.mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&screen, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, screen.mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&screen, &release);
    }

    // Records what the help opener was asked for, and the main window's title meanwhile.
    struct HelpCall {
        int code = 0;
        int page = 0;
        QString title;
    };
    // Help opens for real (and is closed at once); each opening is recorded.
    void RecordHelp() { m_recorder = std::make_unique<HelpRecorder>(); }
    std::vector<HelpCall> HelpCalls() const {
        std::vector<HelpCall> out;
        for (const auto& c : m_recorder->Calls()) {
            out.push_back({c.code, c.page, c.title});
        }
        return out;
    }

    ScopedTimeZone tz{"Europe/Berlin"};
    ScopedClockPin pin;
    TestFrame frame;

private:
    std::unique_ptr<HelpRecorder> m_recorder;
};

// Colours as the window surface gives them back.
inline constexpr QRgb kRed = 0xFFFF0000;
inline constexpr QRgb kBlue = 0xFF0000FF;
inline constexpr QRgb kBlack = 0xFF000000;

}  // namespace velmora::test
