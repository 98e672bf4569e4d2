#pragma once

// Tests of the screens that enter days: a stand-in main window, the clock pinned, message
// boxes recorded, and helpers that open a screen and act in it as a person would.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QToolButton>
#include <functional>
#include <map>
#include <memory>
#include <tuple>

#include "platform/clock.h"
#include "res/programresources.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "tests/support/screentest.h"
#include "tests/support/testenv.h"
#include "ui/dayviewdlg.h"
#include "ui/kit/modal.h"

namespace velmora::test {

using Day = std::tuple<int, int, int>;  // year, month, day

class EntryTest : public StoreTest {
protected:
    EntryTest() : pin(CTime(2026, 12, 6, 10, 30, 0)) {
        RegisterProgramResources();
        AppSettings = VelmoraSettings();
        SoundsEnabled = false;
    }
    ~EntryTest() override {
        ClearModalHooks();
        AppSettings = VelmoraSettings();
    }

    // Stores a day as the screens do.
    static void Store(int y, int m, int d, const std::function<void(CVelmoraMFCDoc&)>& fill) {
        CVelmoraMFCDoc day;
        day.OpenDay(y, m, d);
        fill(day);
        ASSERT_EQ(day.SaveDay(), SaveDayResult::Saved);
    }
    // The stored day (null when it has no record), read by a document of its own.
    static std::unique_ptr<CVelmoraMFCDoc> Stored(int y, int m, int d) {
        auto day = std::make_unique<CVelmoraMFCDoc>();
        if (!day->OpenDay(y, m, d)) {
            return nullptr;
        }
        return day;
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

    // Opens the day in the document and runs the Day View; `act` runs once it shows. A
    // screen that `act` leaves open is closed without saving (and `leftOpen` says so).
    int DayView(int y, int m, int d, DayViewMode mode,
                const std::function<void(CDayViewDlg&)>& act) {
        leftOpen = false;
        QueueModalHook([this, act](QDialog& dialog) {
            auto* screen = dynamic_cast<CDayViewDlg*>(&dialog);
            EXPECT_NE(screen, nullptr);
            if (screen) {
                act(*screen);
            }
            if (dialog.isVisible()) {
                leftOpen = true;
                dialog.reject();
            }
        });
        doc.OpenDay(y, m, d);
        return CDayViewDlg::Run(doc, &frame, mode);
    }

    // A tap on tab `index` of the Day View.
    static void TapTab(CDayViewDlg& screen, int index) {
        auto* bar = Control<QTabBar>(&screen, 1102);
        ASSERT_NE(bar, nullptr);
        const QPoint at = bar->tabRect(index).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, bar->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, bar->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &release);
    }
    // Presses a button of the screen's command bar.
    static void Command(QWidget& screen, int command) {
        auto* button = Control<QToolButton>(&screen, command);
        ASSERT_NE(button, nullptr) << command;
        button->click();
    }
    static QCheckBox* Box(QWidget& screen, int id) { return Control<QCheckBox>(&screen, id); }
    static QComboBox* List(QWidget& screen, int id) { return Control<QComboBox>(&screen, id); }
    static QLineEdit* Edit(QWidget& screen, int id) { return Control<QLineEdit>(&screen, id); }
    static QPlainTextEdit* Text(QWidget& screen, int id) {
        return Control<QPlainTextEdit>(&screen, id);
    }

    ScopedTimeZone tz{"Europe/Berlin"};
    ScopedClockPin pin;
    TestFrame frame;
    CVelmoraMFCDoc doc;
    bool leftOpen = false;
};

}  // namespace velmora::test
