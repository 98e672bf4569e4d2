// Temperature and Weight History driven headless: the rows and their texts, and what Chart,
// Delete and Delete All leave in the diary.

#include <sqlite3.h>

#include "reports/measurechartdlg.h"
#include "reports/measurehistorydlg.h"
#include "tests/reports/reporttest.h"
#include "tests/support/faultvfs.h"

namespace velmora {
namespace {

using Rows = QString;

class HistoryTest : public test::ReportTest {
protected:
    template <class Screen>
    void History(const std::function<void(Screen&)>& act) {
        Screen dialog(doc, &frame, &frame);
        RunScreen<Screen>(dialog, dialog.Kind().title, act);
    }
    // The Temperature or the Weight History.
    void History(bool temperature, const std::function<void(CMeasureHistoryDlg&)>& act) {
        if (temperature) {
            History<CTemperatureHistoryDlg>(act);
        } else {
            History<CWeightHistoryDlg>(act);
        }
    }
    static Rows Shown(const CMeasureHistoryDlg& s) { return test::RowsOf(*s.Table()); }
    // Chooses the row that shows `date`.
    static void Choose(CMeasureHistoryDlg& s, const QString& date) {
        for (int i = 0; i < s.Table()->RowCount(); ++i) {
            if (s.Table()->TextsAt(i).value(0) == date) {
                s.Table()->SelectRow(i);
                return;
            }
        }
        ADD_FAILURE() << "no row " << date.toStdString();
    }
    // A day with everything a history must leave alone.
    static void RichDay(int y, int m, int d, double celsius, double kilograms) {
        test::SaveDay(y, m, d, [&](CVelmoraMFCDoc& day) {
            day.m_temperature = celsius;
            day.m_weight = kilograms;
            day.m_fluid = 2;
            day.m_note = u"note";
            day.m_alarm = true;
            day.m_alarmType = {4, 0, 0, 0};
            day.m_alarmTime[0] = CTime(y, m, d, 8, 15, 0);
            day.m_diaryType = {1, 0, 0, 0};
            day.m_diaryText = {u"hair", u"", u"", u""};
        });
    }
    static void ExpectRestKept(const CVelmoraMFCDoc& day) {
        EXPECT_EQ(day.m_fluid, 2);
        EXPECT_EQ(day.m_note, u"note");
        EXPECT_TRUE(day.m_alarm);
        EXPECT_EQ(day.m_alarmType[0], 4);
        EXPECT_EQ(day.m_diaryType[0], 1);
        EXPECT_EQ(day.m_diaryText[0], u"hair");
    }

    CVelmoraMFCDoc doc;
};

// Oldest first, in the chosen units and date format: temperatures with three digits (four
// above 100 and for the Fahrenheit list's half steps), weights always with four, also in
// pounds for a value outside the list.
TEST_F(HistoryTest, ValuesAreListedOldestFirstInTheChosenUnits) {
    Temperature(2026, 11, 10, 36.6);
    Temperature(1999, 12, 31, 37.75);
    Temperature(2026, 1, 5, 38.0);
    Temperature(2026, 1, 4, 37.0);
    Temperature(2026, 1, 3, 36.0);
    Temperature(2026, 1, 2, 37.8);
    Weight(2026, 2, 1, 60.5);
    Weight(2026, 2, 2, 100.0);
    Weight(2026, 2, 3, 99.99);
    Weight(2026, 2, 4, 99.996);
    Weight(2026, 2, 5, 45.0);
    const Rows pounds =
        "01.02.2026 133.6; 02.02.2026 220.8; 03.02.2026 220.7; 04.02.2026 220.7; 05.02.2026 99.34";
    const struct {
        bool temperature;
        int units;
        int dateFormat;
        int separator;
        QString header;
        Rows rows;
    } cases[] = {
        {true, 1, 0, 0, "Temperature °C",
         "31.12.1999 37.75; 02.01.2026 37.80; 03.01.2026 36.00; 04.01.2026 37.00; 05.01.2026 "
         "38.00; 10.11.2026 36.60"},
        {true, 0, 1, 2, "Temperature °F",
         "12-31-1999 99.95; 01-02-2026 100.0; 01-03-2026 96.8; 01-04-2026 98.6; 01-05-2026 100.4; "
         "11-10-2026 97.9"},
        {false, 1, 0, 0, "Weight, kg",
         "01.02.2026 60.50; 02.02.2026 100.0; 03.02.2026 99.99; 04.02.2026 100.0; 05.02.2026 "
         "45.00"},
        {false, 0, 0, 0, "Weight, lb", pounds},
        {false, 2, 0, 0, "Weight, lb", pounds},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.header.toStdString() + " " + std::to_string(c.units));
        AppSettings.UnitsFormat = c.units;
        AppSettings.DateFormat = c.dateFormat;
        AppSettings.DateSeparator = c.separator;
        History(c.temperature, [&](CMeasureHistoryDlg& s) {
            EXPECT_EQ(s.Table()->headerItem()->text(1), c.header);
            EXPECT_EQ(Shown(s), c.rows);
        });
    }
    EXPECT_EQ(boxes.Count(), 0u);
    // The texts below a power of ten that round up to it keep four digits.
    EXPECT_EQ(SignificantText(9.9996, 4), "10.00");
    EXPECT_EQ(SignificantText(999.96, 4), "1000");
    EXPECT_EQ(SignificantText(5.5, 4), "5.500");
}

// Nothing chosen: nothing asked. No keeps the value, Yes clears only this value of the
// chosen day; the day stays in the other history.
TEST_F(HistoryTest, DeleteClearsOnlyTheValueOfTheChosenDay) {
    RichDay(2026, 10, 1, 36.7, 61.5);
    RichDay(2026, 10, 2, 36.8, 61.0);
    const struct {
        bool temperature;
        const char* question;
        Rows left;
        Rows other;
    } cases[] = {
        {true, "Do you really want to delete the record?", "02.10.2026 36.80",
         "01.10.2026 61.50; 02.10.2026 61.00"},
        {false, "Do you really want to delete this record?", "02.10.2026 61.00",
         "02.10.2026 36.80"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.question);
        boxes.Clear();
        History(c.temperature, [&](CMeasureHistoryDlg& s) {
            Command(s, kCmdHistoryDelete);
            EXPECT_EQ(boxes.Count(), 0u);
            Choose(s, "01.10.2026");
            QueueModalHook([](QDialog& chart) {  // Chart shows the chosen day's month
                EXPECT_EQ(dynamic_cast<CChartDlg&>(chart).ShownMonth(), 10);
                chart.reject();
            });
            Command(s, kCmdHistoryChart);
            EXPECT_EQ(PendingModalHooks(), 0);
            boxes.Script({IDNO});
            Command(s, kCmdHistoryDelete);
            EXPECT_EQ(boxes.Texts(), std::vector<std::string>{c.question});
            EXPECT_EQ(s.Table()->RowCount(), 2);
            boxes.Script({IDYES});
            Command(s, kCmdHistoryDelete);
            EXPECT_EQ(Shown(s), c.left);
        });
        History(!c.temperature, [&](CMeasureHistoryDlg& s) { EXPECT_EQ(Shown(s), c.other); });
    }
    for (const int d : {1, 2}) {
        const auto day = test::Stored(2026, 10, d);
        ASSERT_NE(day, nullptr);
        EXPECT_EQ(day->m_temperature, d == 1 ? 0.0 : 36.8);
        EXPECT_EQ(day->m_weight, d == 1 ? 0.0 : 61.0);
        ExpectRestKept(*day);
    }
    EXPECT_EQ(RecordsPerDay(), (std::map<test::Day, int>{{{2026, 10, 1}, 1}, {{2026, 10, 2}, 1}}));
}

TEST_F(HistoryTest, ADayRemovedMeanwhileIsPassedOverAndNotWrittenAgain) {
    Temperature(2026, 4, 1, 36.5);
    Temperature(2026, 4, 2, 36.6);
    History<CTemperatureHistoryDlg>([&](CTemperatureHistoryDlg& s) {
        // Another hand removes 1 April while the list shows it.
        CVelmoraMFCDoc other;
        ASSERT_TRUE(other.FindDay(CVelmoraMFCDoc::DayAtNoon(2026, 4, 1)));
        ASSERT_TRUE(other.DeleteRecord());
        other.m_db.Close();
        Choose(s, "01.04.2026");
        const int hooks = PendingModalHooks();
        Command(s, kCmdHistoryView);  // no Day View of a day that is gone
        EXPECT_EQ(PendingModalHooks(), hooks);
        EXPECT_EQ(Shown(s), "02.04.2026 36.60");
        Command(s, kCmdHistoryDelete);  // nothing chosen any more
        EXPECT_EQ(boxes.Count(), 0u);
    });
    // The same in Delete All, for a row still on the list.
    History<CTemperatureHistoryDlg>([&](CTemperatureHistoryDlg& s) {
        CVelmoraMFCDoc other;
        ASSERT_TRUE(other.FindDay(CVelmoraMFCDoc::DayAtNoon(2026, 4, 2)));
        ASSERT_TRUE(other.DeleteRecord());
        other.m_db.Close();
        boxes.Script({IDYES});
        Command(s, kCmdHistoryDeleteAll);
        EXPECT_EQ(s.Table()->RowCount(), 0);
    });
    EXPECT_EQ(test::Stored(2026, 4, 1), nullptr);
    EXPECT_EQ(test::Stored(2026, 4, 2), nullptr);
    EXPECT_TRUE(RecordsPerDay().empty());
    EXPECT_EQ(boxes.CountText("CANNOT ADD"), 0u);
}

TEST_F(HistoryTest, AFailedRewriteIsToldAndTheNextDayIsStillTried) {
    test::FaultVfs vfs;
    Temperature(2026, 7, 1, 36.5);
    Temperature(2026, 7, 2, 36.6);
    History<CTemperatureHistoryDlg>([&](CTemperatureHistoryDlg& s) {
        vfs.FailWrites(SQLITE_FULL);
        boxes.Script({IDYES});
        Command(s, kCmdHistoryDeleteAll);
        vfs.Heal();
        EXPECT_EQ(s.Table()->RowCount(), 2);
    });
    EXPECT_EQ(boxes.CountText("CANNOT ADD"), 2u);
    EXPECT_EQ(boxes.CountText("CANNOT DELETE"), 0u);
    EXPECT_EQ(test::Stored(2026, 7, 1)->m_temperature, 36.5);
    EXPECT_EQ(test::Stored(2026, 7, 2)->m_temperature, 36.6);
}

}  // namespace
}  // namespace velmora
