// The six screens of the charts and histories reached from the program's menu, with the
// main window's titles around them and the calendar brought up to date afterwards.

#include <QDialog>

#include "cycle/monthmodel.h"
#include "reports/alarmhistorydlg.h"
#include "reports/cyclechartdlg.h"
#include "reports/measurechartdlg.h"
#include "reports/measurehistorydlg.h"
#include "tests/app/apptest.h"
#include "ui/kit/reporttable.h"

namespace velmora {
namespace {

class ChartScreensAppTest : public test::AppTest {
protected:
    // Runs `command`; `act` sees the open screen and the main window's title meanwhile.
    void Open(int command, const std::function<void(QDialog&, const QString&)>& act) {
        QueueModalHook([this, act](QDialog& dialog) {
            QCoreApplication::processEvents();
            act(dialog, Frame().Title());
            if (dialog.isVisible()) {
                dialog.reject();
            }
        });
        app->OnCommand(command);
        EXPECT_EQ(PendingModalHooks(), 0);
        EXPECT_EQ(Frame().Title(), "Calendar View");
    }
    static void Store(int y, int m, int d, const std::function<void(CVelmoraMFCDoc&)>& fill) {
        CVelmoraMFCDoc day;
        day.OpenDay(y, m, d);
        fill(day);
        ASSERT_EQ(day.SaveDay(), SaveDayResult::Saved);
    }
};

TEST_F(ChartScreensAppTest, EachCommandOpensItsScreenUnderItsTitle) {
    Store(2026, 12, 2, [](CVelmoraMFCDoc& d) {
        d.m_temperature = 36.6;
        d.m_weight = 60.0;
        d.m_fluid = 2;
    });
    Start();
    struct Case {
        int command;
        const char* title;
        const char* templateId;
    };
    for (const Case& c : {Case{kCmdCycleChart, "Cycles Chart", "188"},
                          Case{kCmdTemperatureChart, "Temperature Chart", "191"},
                          Case{kCmdWeightChart, "Weight Chart", "187"},
                          Case{kCmdTemperatureHistory, "Temperature History", "199"},
                          Case{kCmdWeightHistory, "Weight History", "198"},
                          Case{kCmdAlarmHistory, "Alarm History", "133"}}) {
        Open(c.command, [&](QDialog& dialog, const QString& title) {
            EXPECT_EQ(title, c.title);
            EXPECT_EQ(dialog.windowTitle(), c.title);
            EXPECT_EQ(dialog.objectName(), c.templateId);
        });
    }
    // The charts open on the current month and year, which have data here: no message.
    Open(kCmdTemperatureChart, [](QDialog& dialog, const QString&) {
        auto& chart = dynamic_cast<CTemperatureChartDlg&>(dialog);
        EXPECT_EQ(chart.ShownYear(), 2026);
        EXPECT_EQ(chart.ShownMonth(), 12);
        EXPECT_EQ(chart.PointY(2), 255 - 6 * 12);
    });
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(ChartScreensAppTest, AfterTheAlarmHistoryTheCalendarShowsWhatIsLeft) {
    Store(2026, 12, 10, [](CVelmoraMFCDoc& d) {
        d.m_alarm = true;
        d.m_alarmType[0] = 1;
        d.m_alarmTime[0] = CTime(2026, 12, 10, 9, 0, 0);
    });
    Start();
    ASSERT_NE(View().Marks()[9].events & kEventAlarm, 0);
    Open(kCmdAlarmHistory, [&](QDialog& dialog, const QString&) {
        auto& history = dynamic_cast<CAlarmHistoryDlg&>(dialog);
        ASSERT_EQ(history.Table()->RowCount(), 1);
        history.Table()->SelectRow(0);
        boxes.Script({IDYES});
        history.OnCommand(kCmdAlarmHistoryDelete);
    });
    EXPECT_EQ(View().Marks()[9].events & kEventAlarm, 0);
}

TEST_F(ChartScreensAppTest, AfterTheTemperatureHistoryTheCyclesAreAnalysedAgain) {
    // A bleeding this month; the Day View opened from the history removes it.
    for (int d = 1; d <= 4; ++d) {
        Store(2026, 12, d, [](CVelmoraMFCDoc& day) {
            day.m_fluid = 2;
            day.m_temperature = 36.5;
        });
    }
    Start();
    ASSERT_NE(View().Marks()[0].cycle & kCycleNormal, 0);
    Open(kCmdTemperatureHistory, [&](QDialog& dialog, const QString&) {
        auto& history = dynamic_cast<CTemperatureHistoryDlg&>(dialog);
        ASSERT_EQ(history.Table()->RowCount(), 4);
        // The Day View of 1 December clears the day and saves it.
        history.Table()->SelectRow(0);
        QueueModalHook([](QDialog& view) {
            auto& day = dynamic_cast<CDayViewDlg&>(view);
            day.OnClearDay();
            day.OnSaveAndClose();
        });
        history.OnCommand(kCmdHistoryView);
        EXPECT_EQ(Frame().Title(), "Temperature History");
        EXPECT_EQ(history.Table()->RowCount(), 3);
    });
    EXPECT_EQ(View().Marks()[0].cycle & kCycleNormal, 0);
    EXPECT_NE(View().Marks()[1].cycle & kCycleNormal, 0);
}

}  // namespace
}  // namespace velmora
