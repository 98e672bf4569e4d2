#pragma once

// A person's use of the program, step by step, through its own windows: the menus and tool
// buttons of the main window, taps on the calendar, and the controls of each screen found by
// their ids. Shared by the headless journey and its run in a real X server.

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QToolButton>
#include <optional>
#include <string>
#include <vector>

#include "app/passworddlg.h"
#include "store/velmoradoc.h"
#include "tests/app/apptest.h"
#include "tests/support/screentest.h"
#include "ui/calendarpainter.h"
#include "ui/dayviewdlg.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/mainframe.h"
#include "ui/settingsdlg.h"

namespace velmora::test {

class JourneyTest : public AppTest {
protected:
    // Names the step of the journey that runs from here on: every failure until the next
    // step names it, and a step that cannot go on ends the test there.
    void Step(const char* name) {
        step.reset();
        step.emplace(__FILE__, __LINE__, std::string("in the step \"") + name + "\"");
    }
    std::optional<testing::ScopedTrace> step;

    // Chooses the main window's menu item of `command` (its text, when given, as drawn
    // without the mnemonic's mark, checked on the way).
    void Menu(int command, const QString& text = {}) {
        QAction* item = Frame().findChild<QAction*>(QString::number(command));
        ASSERT_NE(item, nullptr) << command;
        if (!text.isEmpty()) {
            EXPECT_EQ(QString(item->text()).remove(u'&'), text);
        }
        item->trigger();
    }
    // Clicks one of the main window's tool buttons (previous and next month, help).
    void Tool(int command) {
        QToolButton* button = Frame().CommandBar()->ToolButton(command);
        ASSERT_NE(button, nullptr) << command;
        button->click();
    }
    // Steps the calendar to month/year with its arrows, as a person would.
    void StepTo(int month, int year) {
        for (int guard = 0; guard < 40; ++guard) {
            const int diff = (year - SelectedYear()) * 12 + month - SelectedMonth();
            if (diff == 0) {
                return;
            }
            Tool(diff < 0 ? kCmdPreviousMonth : kCmdNextMonth);
        }
        ADD_FAILURE() << "the calendar did not reach " << month << "/" << year;
    }

    // A press of the pen in the middle of `day`'s cell of the shown month; `act` runs in the
    // Day View that it opens. The Day View must be closed by `act`.
    void TapDay(int day, const std::function<void(CDayViewDlg&)>& act) {
        const Rect cell = CalendarCellOf(day, View().ShownMonth());
        const QPoint at((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
        ASSERT_EQ(View().DayAt(at.x(), at.y()), day);
        bool opened = false;
        QueueModalHook([&, act](QDialog& dialog) {
            auto* screen = dynamic_cast<CDayViewDlg*>(&dialog);
            ASSERT_NE(screen, nullptr);
            opened = true;
            EXPECT_EQ(Frame().Title(), "Day View");
            act(*screen);
            if (dialog.isVisible()) {
                ADD_FAILURE() << "the Day View was left open";
                dialog.reject();
            }
        });
        for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, View().mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(&View(), &event);
        }
        EXPECT_TRUE(opened) << "no Day View for day " << day;
        EXPECT_EQ(PendingModalHooks(), 0);
        EXPECT_EQ(Frame().Title(), "Calendar View");
    }

    // Opens a screen from its menu item; `act` runs in it, and whatever it leaves open is
    // closed as a person would close it (its window's close, here Cancel).
    void OpenFromMenu(int command, const QString& item, const QString& title,
                      const std::function<void(QDialog&)>& act) {
        bool opened = false;
        QueueModalHook([&, act, title](QDialog& dialog) {
            opened = true;
            QCoreApplication::processEvents();
            EXPECT_TRUE(title.isEmpty() || dialog.windowTitle() == title)
                << dialog.windowTitle().toStdString();
            act(dialog);
            if (dialog.isVisible()) {
                dialog.reject();
            }
        });
        Menu(command, item);
        EXPECT_TRUE(opened) << item.toStdString();
        EXPECT_EQ(PendingModalHooks(), 0);
        EXPECT_EQ(Frame().Title(), "Calendar View");
    }

    // Program Settings: the two cycle numbers typed in, then OK.
    void SetCycle(int menstrualDays, int cycleLength) {
        OpenFromMenu(kCmdSettings, "Настройки программы", "Program Settings", [&](QDialog& d) {
            Control<QLineEdit>(&d, kSettingsMenstrualDaysId)
                ->setText(QString::number(menstrualDays));
            Control<QLineEdit>(&d, kSettingsCycleLengthId)->setText(QString::number(cycleLength));
            ASSERT_TRUE(Press(&d, IDOK));
            EXPECT_FALSE(d.isVisible());
        });
    }

    // From the calendar on month/year: a tap on `first`, then the flow chosen on each of
    // `days` days, stepping with the Day View's Next and saving on the last one. `onDay`
    // adds more to the day shown (its index from 0) before stepping on.
    void RecordPeriod(int year, int month, int first, int days, int flowItem,
                      const std::function<void(CDayViewDlg&, int)>& onDay = {}) {
        StepTo(month, year);
        TapDay(first, [&](CDayViewDlg& s) {
            for (int i = 0; i < days; ++i) {
                auto* flow = Control<QComboBox>(&s, kDayViewFluidId);
                ASSERT_NE(flow, nullptr);
                flow->setCurrentIndex(flowItem);
                if (onDay) {
                    onDay(s, i);
                }
                if (i + 1 < days) {
                    ASSERT_TRUE(Press(&s, kDayViewNextDayId));  // stores the day, shows the next
                }
            }
            s.CommandBar()->ToolButton(kCmdDayViewSave)->click();
        });
    }
};

}  // namespace velmora::test
