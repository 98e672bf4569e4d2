// Alarm History driven headless: one row per alarm, and what View, Delete and Delete All
// leave of each day's alarms.

#include <QComboBox>
#include <tuple>

#include "reports/alarmhistorydlg.h"
#include "tests/reports/reporttest.h"
#include "ui/alarmsetupdlg.h"

namespace velmora {
namespace {

class AlarmHistoryTest : public test::ReportTest {
protected:
    void Alarms(const std::function<void(CAlarmHistoryDlg&)>& act) {
        CAlarmHistoryDlg dialog(&frame, &frame);
        RunScreen<CAlarmHistoryDlg>(dialog, "Alarm History", act);
    }
    static QString Shown(const CAlarmHistoryDlg& s) { return test::RowsOf(*s.Table()); }
    // Stores alarms {slot, type, hour, minute} on a day, with a temperature beside them.
    struct Alarm {
        int slot;
        int type;
        int hour;
        int minute;
    };
    static void AlarmDay(int y, int m, int d, std::initializer_list<Alarm> alarms) {
        test::SaveDay(y, m, d, [&](CVelmoraMFCDoc& day) {
            day.m_alarm = true;
            day.m_temperature = 36.7;
            for (const Alarm& a : alarms) {
                day.m_alarmType[static_cast<size_t>(a.slot)] = static_cast<uint16_t>(a.type);
                day.m_alarmTime[static_cast<size_t>(a.slot)] = CTime(y, m, d, a.hour, a.minute, 0);
            }
        });
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

TEST_F(AlarmHistoryTest, DeleteKeepsTheDaysOtherAlarmAndTheLastOneClearsTheFlag) {
    AlarmDay(2026, 5, 5, {{0, 2, 10, 0}, {2, 6, 19, 30}});
    Alarms([&](CAlarmHistoryDlg& s) {
        Command(s, kCmdAlarmHistoryDelete);  // nothing chosen: nothing asked
        EXPECT_EQ(boxes.Count(), 0u);
        ChooseRow(s, "05.05.2026", "Anniversary");
        boxes.Script({IDNO});
        Command(s, kCmdAlarmHistoryDelete);
        EXPECT_EQ(boxes.Texts(),
                  std::vector<std::string>{"Do you really want to delete this alarm?"});
        EXPECT_EQ(s.Table()->RowCount(), 2);
        boxes.Script({IDYES});
        Command(s, kCmdAlarmHistoryDelete);
        EXPECT_EQ(Shown(s), "05.05.2026 Concert 19:30");
    });
    auto day = test::Stored(2026, 5, 5);
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
    day = test::Stored(2026, 5, 5);
    ASSERT_NE(day, nullptr);
    EXPECT_FALSE(day->m_alarm);
    EXPECT_EQ(day->m_alarmType, (std::array<uint16_t, 4>{}));
    EXPECT_EQ(day->m_temperature, 36.7);
    EXPECT_EQ(RecordsPerDay().size(), 1u);
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
    EXPECT_EQ(boxes.CountText("Do you really want to delete all alarms?"), 2u);
    for (const int d : {2, 3}) {
        const auto day = test::Stored(2026, 2, d);
        ASSERT_NE(day, nullptr);
        EXPECT_FALSE(day->m_alarm);
        EXPECT_EQ(day->m_alarmType, (std::array<uint16_t, 4>{}));
        EXPECT_EQ(day->m_temperature, 36.7);
    }
    EXPECT_EQ(RecordsPerDay().size(), 2u);
}

TEST_F(AlarmHistoryTest, ViewStoresWhatTheAlarmSetupLeaves) {
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
    });
    auto day = test::Stored(2026, 8, 8);
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
    day = test::Stored(2026, 8, 8);
    ASSERT_NE(day, nullptr);
    EXPECT_FALSE(day->m_alarm);
    EXPECT_EQ(day->m_temperature, 36.7);
}

}  // namespace
}  // namespace velmora
