// Alarm History driven headless: one row per alarm, and what View, Delete and Delete All
// leave of each day's alarms.

#include <QComboBox>
#include <tuple>

#include "reports/alarmhistorydlg.h"
#include "tests/reports/charttest.h"
#include "ui/alarmsetupdlg.h"
#include "ui/kit/reporttable.h"

namespace velmora {
namespace {

// The rows as the list shows them: the texts of a row one space apart, rows apart by "; ".
using Rows = QString;

class AlarmHistoryTest : public test::ChartTest {
protected:
    void Alarms(const std::function<void(CAlarmHistoryDlg&)>& act) {
        CAlarmHistoryDlg dialog(&frame, &frame);
        RunScreen<CAlarmHistoryDlg>(dialog, "Alarm History", act);
    }
    static Rows Shown(const CAlarmHistoryDlg& s) {
        QStringList rows;
        for (int i = 0; i < s.Table()->RowCount(); ++i) {
            rows << s.Table()->TextsAt(i).join(u' ');
        }
        return rows.join(QStringLiteral("; "));
    }
    // Stores alarms {slot, type, hour, minute} on a day, with a temperature beside them.
    struct Alarm {
        int slot;
        int type;
        int hour;
        int minute;
    };
    static void AlarmDay(int y, int m, int d, std::initializer_list<Alarm> alarms) {
        Store(y, m, d, [&](CVelmoraMFCDoc& day) {
            day.m_alarm = true;
            day.m_temperature = 36.7;
            for (const Alarm& a : alarms) {
                day.m_alarmType[static_cast<size_t>(a.slot)] = static_cast<uint16_t>(a.type);
                day.m_alarmTime[static_cast<size_t>(a.slot)] = CTime(y, m, d, a.hour, a.minute, 0);
            }
        });
    }
    static std::array<uint16_t, 4> TypesOf(int y, int m, int d) {
        const auto day = Stored(y, m, d);
        return day ? day->m_alarmType : std::array<uint16_t, 4>{};
    }
    static void ChooseRow(CAlarmHistoryDlg& s, const QString& date, const QString& type) {
        for (int i = 0; i < s.Table()->RowCount(); ++i) {
            const QStringList t = s.Table()->TextsAt(i);
            if (t.value(0) == date && t.value(1) == type) {
                s.Table()->SelectRow(i);
                return;
            }
        }
        ADD_FAILURE() << "no row " << date.toStdString() << " " << type.toStdString();
    }
};

TEST_F(AlarmHistoryTest, OneRowPerAlarmOldestDayFirstAndADaysAlarmsInSlotOrder) {
    AlarmDay(2026, 3, 10, {{2, 7, 9, 30}, {0, 1, 13, 5}});
    AlarmDay(2025, 12, 24, {{3, 9, 0, 15}, {1, 4, 12, 0}});
    Store(2026, 1, 1, [](CVelmoraMFCDoc& day) { day.m_temperature = 36.5; });  // no alarm
    AppSettings.TimeFormat = 1;
    Alarms([&](CAlarmHistoryDlg& s) {
        const QTreeWidgetItem* header = s.Table()->headerItem();
        EXPECT_EQ(QStringList({header->text(0), header->text(1), header->text(2)}),
                  QStringList({"Date", "Type", "Time"}));
        EXPECT_EQ(Shown(s),
                  "24.12.2025 Birthday 12:00 PM; 24.12.2025 Alarm 12:15 AM; 10.03.2026 Appointment "
                  "01:05 PM; 10.03.2026 Pill 09:30 AM");
        EXPECT_EQ(std::make_tuple(s.Table()->RowAt(0).slot, s.Table()->RowAt(1).slot,
                                  s.Table()->RowAt(3).slot),
                  std::make_tuple(1, 3, 2));
    });
    AppSettings.TimeFormat = 0;
    AppSettings.DateFormat = 1;
    AppSettings.DateSeparator = 1;
    Alarms([&](CAlarmHistoryDlg& s) {
        EXPECT_EQ(Shown(s),
                  "12/24/2025 Birthday 12:00; 12/24/2025 Alarm 00:15; 03/10/2026 Appointment "
                  "13:05; 03/10/2026 Pill 09:30");
    });
}

TEST_F(AlarmHistoryTest, DeleteKeepsTheDaysOtherAlarmAndTheLastOneClearsTheFlag) {
    AlarmDay(2026, 5, 5, {{0, 2, 10, 0}, {2, 6, 19, 30}});
    Alarms([&](CAlarmHistoryDlg& s) {
        Command(s, kCmdAlarmHistoryDelete);  // nothing chosen: nothing asked
        EXPECT_EQ(boxes.Count(), 0u);
        ChooseRow(s, "05.05.2026", "Anniversary");
        boxes.Script({IDNO});
        Command(s, kCmdAlarmHistoryDelete);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, "Do you really want to delete this alarm?");
        EXPECT_EQ(boxes.Boxes()[0].caption, "Confirm");
        EXPECT_EQ(boxes.Boxes()[0].buttons, MbButtons::YesNo);
        EXPECT_EQ(boxes.Boxes()[0].icon, MbIcon::Warning);
        EXPECT_EQ(s.Table()->RowCount(), 2);
        boxes.Script({IDYES});
        Command(s, kCmdAlarmHistoryDelete);
        EXPECT_EQ(Shown(s), "05.05.2026 Concert 19:30");
    });
    auto day = Stored(2026, 5, 5);
    ASSERT_NE(day, nullptr);
    EXPECT_TRUE(day->m_alarm);
    EXPECT_EQ(day->m_alarmType, (std::array<uint16_t, 4>{0, 0, 6, 0}));
    EXPECT_EQ(day->m_alarmTime[2].Local().hour, 19);
    EXPECT_EQ(day->m_temperature, 36.7);

    Alarms([&](CAlarmHistoryDlg& s) {
        s.Table()->SelectRow(0);
        boxes.Script({IDYES});
        Command(s, kCmdAlarmHistoryDelete);
        EXPECT_EQ(s.Table()->RowCount(), 0);
    });
    day = Stored(2026, 5, 5);
    ASSERT_NE(day, nullptr);
    EXPECT_FALSE(day->m_alarm);
    EXPECT_EQ(day->m_alarmType, (std::array<uint16_t, 4>{}));
    EXPECT_EQ(day->m_temperature, 36.7);
    EXPECT_EQ(RecordsPerDay().size(), 1u);
}

TEST_F(AlarmHistoryTest, AlarmsBeforeTwoThousandAndAfterMay2027AreDeletedByTheirOwnSlot) {
    AlarmDay(1996, 3, 1, {{0, 1, 8, 0}, {1, 5, 9, 0}, {3, 8, 18, 0}});
    AlarmDay(2027, 6, 1, {{0, 3, 7, 0}, {2, 4, 11, 0}, {3, 9, 21, 45}});
    Alarms([&](CAlarmHistoryDlg& s) {
        ChooseRow(s, "01.06.2027", "Alarm");
        boxes.Script({IDYES});
        Command(s, kCmdAlarmHistoryDelete);
        ChooseRow(s, "01.03.1996", "Party");
        boxes.Script({IDYES});
        Command(s, kCmdAlarmHistoryDelete);
        EXPECT_EQ(s.Table()->RowCount(), 4);
    });
    EXPECT_EQ(TypesOf(1996, 3, 1), (std::array<uint16_t, 4>{1, 0, 0, 8}));
    EXPECT_EQ(TypesOf(2027, 6, 1), (std::array<uint16_t, 4>{3, 0, 4, 0}));
    EXPECT_TRUE(Stored(1996, 3, 1)->m_alarm);
    EXPECT_TRUE(Stored(2027, 6, 1)->m_alarm);
}

TEST_F(AlarmHistoryTest, DeleteAllClearsEveryAlarmAndAnEmptyListAsksNothing) {
    Alarms([&](CAlarmHistoryDlg& s) { Command(s, kCmdAlarmHistoryDeleteAll); });
    EXPECT_EQ(boxes.Count(), 0u);

    AlarmDay(2026, 2, 2, {{0, 1, 8, 0}, {1, 2, 9, 0}});
    AlarmDay(2026, 2, 3, {{3, 7, 20, 0}});
    Alarms([&](CAlarmHistoryDlg& s) {
        boxes.Script({IDNO});
        Command(s, kCmdAlarmHistoryDeleteAll);
        EXPECT_EQ(s.Table()->RowCount(), 3);
        boxes.Script({IDYES});
        Command(s, kCmdAlarmHistoryDeleteAll);
        EXPECT_EQ(s.Table()->RowCount(), 0);
    });
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Do you really want to delete all alarms?");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Confirm");
    for (const int d : {2, 3}) {
        const auto day = Stored(2026, 2, d);
        ASSERT_NE(day, nullptr);
        EXPECT_FALSE(day->m_alarm);
        EXPECT_EQ(day->m_alarmType, (std::array<uint16_t, 4>{}));
        EXPECT_EQ(day->m_temperature, 36.7);
    }
    EXPECT_EQ(RecordsPerDay().size(), 2u);
}

TEST_F(AlarmHistoryTest, ViewStoresWhatTheAlarmSetupLeavesConfirmedOrCancelled) {
    AlarmDay(2026, 8, 8, {{0, 1, 8, 0}, {1, 2, 9, 0}});
    Alarms([&](CAlarmHistoryDlg& s) {
        ChooseRow(s, "08.08.2026", "Anniversary");
        // The second alarm becomes a party, the first goes.
        QueueModalHook([&](QDialog& setup) {
            test::Control<QComboBox>(&setup, kAlarmTypeListIds[0])->setCurrentIndex(0);
            test::Control<QComboBox>(&setup, kAlarmTypeListIds[1])->setCurrentIndex(5);
            test::Press(&setup, 1);
        });
        Command(s, kCmdAlarmHistoryView);
        EXPECT_EQ(Shown(s), "08.08.2026 Party 09:00");
        // Cancelled: stored as it was.
        s.Table()->SelectRow(0);
        QueueModalHook([&](QDialog& setup) {
            test::Control<QComboBox>(&setup, kAlarmTypeListIds[1])->setCurrentIndex(0);
            test::Press(&setup, 2);
        });
        Command(s, kCmdAlarmHistoryView);
        EXPECT_EQ(Shown(s), "08.08.2026 Party 09:00");
    });
    auto day = Stored(2026, 8, 8);
    ASSERT_NE(day, nullptr);
    EXPECT_TRUE(day->m_alarm);
    EXPECT_EQ(day->m_alarmType, (std::array<uint16_t, 4>{0, 5, 0, 0}));
    EXPECT_EQ(RecordsPerDay().size(), 1u);

    // Every alarm set to none: the day no longer counts as a day with alarms.
    Alarms([&](CAlarmHistoryDlg& s) {
        s.Table()->SelectRow(0);
        QueueModalHook([&](QDialog& setup) {
            test::Control<QComboBox>(&setup, kAlarmTypeListIds[1])->setCurrentIndex(0);
            test::Press(&setup, 1);
        });
        Command(s, kCmdAlarmHistoryView);
        EXPECT_EQ(s.Table()->RowCount(), 0);
    });
    day = Stored(2026, 8, 8);
    ASSERT_NE(day, nullptr);
    EXPECT_FALSE(day->m_alarm);
    EXPECT_EQ(day->m_temperature, 36.7);
}

TEST_F(AlarmHistoryTest, HelpOpensOnItsPageAndGivesTheTitleBack) {
    test::HelpRecorder help;
    frame.SetTitle("Alarm History");
    Alarms([&](CAlarmHistoryDlg& s) { Command(s, kCmdAlarmHistoryHelp); });
    EXPECT_EQ(help.Calls(), (test::HelpCalls{{6, 2, "Help"}}));
    // Help gives back the title it keeps for this screen's code.
    EXPECT_EQ(frame.title, "Alarms History");
}

}  // namespace
}  // namespace velmora
