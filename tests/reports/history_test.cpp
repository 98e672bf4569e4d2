// Temperature and Weight History driven headless: the rows and their texts, and what Chart,
// View, Delete and Delete All leave in the diary.

#include <sqlite3.h>

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>

#include "reports/measurechartdlg.h"
#include "reports/measurehistorydlg.h"
#include "tests/reports/charttest.h"
#include "tests/support/faultvfs.h"
#include "ui/dayviewdlg.h"
#include "ui/kit/reporttable.h"

namespace velmora {
namespace {

using Rows = std::vector<std::pair<QString, QString>>;

class HistoryTest : public test::ChartTest {
protected:
    template <class Screen>
    void History(const std::function<void(Screen&)>& act) {
        Screen dialog(doc, &frame, &frame);
        RunScreen<Screen>(dialog, dialog.Kind().title, act);
    }
    static Rows Shown(const CMeasureHistoryDlg& s) {
        Rows rows;
        for (int i = 0; i < s.Table()->RowCount(); ++i) {
            const QStringList texts = s.Table()->TextsAt(i);
            rows.emplace_back(texts.value(0), texts.value(1));
        }
        return rows;
    }
    static QString Header(const CMeasureHistoryDlg& s, int column) {
        return s.Table()->headerItem()->text(column);
    }
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
        Store(y, m, d, [&](CVelmoraMFCDoc& day) {
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

TEST_F(HistoryTest, TemperaturesAreListedOldestFirstInTheChosenUnits) {
    Temperature(2026, 11, 10, 36.6);
    Temperature(1999, 12, 31, 37.75);
    Temperature(2026, 1, 5, 38.0);
    Temperature(2026, 1, 4, 37.0);
    Temperature(2026, 1, 3, 36.0);
    Temperature(2026, 1, 2, 37.8);
    Weight(2026, 3, 3, 60.0);  // a weight only: not listed here
    AppSettings.UnitsFormat = 1;
    History<CTemperatureHistoryDlg>([&](CTemperatureHistoryDlg& s) {
        EXPECT_EQ(s.objectName(), "199");
        EXPECT_EQ(Header(s, 0), "Date");
        EXPECT_EQ(Header(s, 1), "Temperature °C");
        EXPECT_EQ(s.Table()->columnWidth(0), 110);
        EXPECT_EQ(s.Table()->columnWidth(1), 111);
        EXPECT_EQ(Shown(s), (Rows{{"31.12.1999", "37.75"},
                                  {"02.01.2026", "37.80"},
                                  {"03.01.2026", "36.00"},
                                  {"04.01.2026", "37.00"},
                                  {"05.01.2026", "38.00"},
                                  {"10.11.2026", "36.60"}}));
    });
    AppSettings.UnitsFormat = 0;
    AppSettings.DateFormat = 1;
    AppSettings.DateSeparator = 2;
    History<CTemperatureHistoryDlg>([&](CTemperatureHistoryDlg& s) {
        EXPECT_EQ(Header(s, 1), "Temperature °F");
        // Three digits, four above 100 and for the Fahrenheit list's half steps.
        EXPECT_EQ(Shown(s), (Rows{{"12-31-1999", "99.95"},
                                  {"01-02-2026", "100.0"},
                                  {"01-03-2026", "96.8"},
                                  {"01-04-2026", "98.6"},
                                  {"01-05-2026", "100.4"},
                                  {"11-10-2026", "97.9"}}));
    });
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(HistoryTest, WeightsAlwaysShowFourDigitsInKilogramsOrPounds) {
    Weight(2026, 2, 1, 60.5);
    Weight(2026, 2, 2, 100.0);
    Weight(2026, 2, 3, 99.99);
    Weight(2026, 2, 4, 99.996);
    Weight(2026, 2, 5, 45.0);
    Temperature(2026, 2, 6, 36.5);  // a temperature only: not listed here
    AppSettings.UnitsFormat = 1;
    History<CWeightHistoryDlg>([&](CWeightHistoryDlg& s) {
        EXPECT_EQ(s.objectName(), "198");
        EXPECT_EQ(Header(s, 1), "Weight, kg");
        EXPECT_EQ(Shown(s), (Rows{{"01.02.2026", "60.50"},
                                  {"02.02.2026", "100.0"},
                                  {"03.02.2026", "99.99"},
                                  {"04.02.2026", "100.0"},
                                  {"05.02.2026", "45.00"}}));
    });
    // English units, also for a value outside the list: the header and the values agree.
    for (int units : {0, 2}) {
        AppSettings.UnitsFormat = units;
        History<CWeightHistoryDlg>([&](CWeightHistoryDlg& s) {
            EXPECT_EQ(Header(s, 1), "Weight, lb");
            EXPECT_EQ(Shown(s), (Rows{{"01.02.2026", "133.6"},
                                      {"02.02.2026", "220.8"},
                                      {"03.02.2026", "220.7"},
                                      {"04.02.2026", "220.7"},
                                      {"05.02.2026", "99.34"}}));
        });
    }
    // The texts below a hundred that round up to it keep four digits.
    EXPECT_EQ(SignificantText(99.996, 4), "100.0");
    EXPECT_EQ(SignificantText(9.9996, 4), "10.00");
    EXPECT_EQ(SignificantText(999.96, 4), "1000");
    EXPECT_EQ(SignificantText(5.5, 4), "5.500");
}

TEST_F(HistoryTest, DeleteClearsOnlyTheTemperatureOfTheChosenDay) {
    RichDay(2026, 10, 1, 36.7, 61.5);
    RichDay(2026, 10, 2, 36.8, 61.0);
    History<CTemperatureHistoryDlg>([&](CTemperatureHistoryDlg& s) {
        // Nothing chosen: nothing asked, nothing done.
        Command(s, kCmdHistoryDelete);
        EXPECT_EQ(boxes.Count(), 0u);
        Choose(s, "01.10.2026");
        boxes.Script({IDNO});
        Command(s, kCmdHistoryDelete);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, "Do you really want to delete the record?");
        EXPECT_EQ(boxes.Boxes()[0].caption, "Confirm");
        EXPECT_EQ(boxes.Boxes()[0].buttons, MbButtons::YesNo);
        EXPECT_EQ(boxes.Boxes()[0].icon, MbIcon::Warning);
        EXPECT_EQ(s.Table()->RowCount(), 2);
        boxes.Script({IDYES});
        Command(s, kCmdHistoryDelete);
        EXPECT_EQ(Shown(s), (Rows{{"02.10.2026", "36.80"}}));
    });
    EXPECT_EQ(boxes.Count(), 2u);
    const auto day = Stored(2026, 10, 1);
    ASSERT_NE(day, nullptr);
    EXPECT_EQ(day->m_temperature, 0.0);
    EXPECT_EQ(day->m_weight, 61.5);
    ExpectRestKept(*day);
    EXPECT_EQ(Stored(2026, 10, 2)->m_temperature, 36.8);
    EXPECT_EQ(RecordsPerDay(), (std::map<test::Day, int>{{{2026, 10, 1}, 1}, {{2026, 10, 2}, 1}}));
    // The day is still in Weight History.
    History<CWeightHistoryDlg>([&](CWeightHistoryDlg& s) {
        EXPECT_EQ(Shown(s), (Rows{{"01.10.2026", "61.50"}, {"02.10.2026", "61.00"}}));
    });
}

TEST_F(HistoryTest, DeleteAllClearsEveryWeightAndNothingElse) {
    RichDay(2025, 6, 1, 36.5, 70.0);
    RichDay(2026, 6, 1, 36.6, 71.0);
    Weight(1996, 3, 1, 55.0);
    History<CWeightHistoryDlg>([&](CWeightHistoryDlg& s) {
        boxes.Script({IDNO});
        Command(s, kCmdHistoryDeleteAll);
        EXPECT_EQ(s.Table()->RowCount(), 3);
        boxes.Script({IDYES});
        Command(s, kCmdHistoryDeleteAll);
        EXPECT_EQ(s.Table()->RowCount(), 0);
        // An empty list asks nothing.
        Command(s, kCmdHistoryDeleteAll);
    });
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Boxes()[1].text, "Do you really want to delete all records?");
    EXPECT_EQ(boxes.Boxes()[1].caption, "Confirm");
    for (const auto& [y, m, d] : {test::Day{2025, 6, 1}, test::Day{2026, 6, 1}}) {
        const auto day = Stored(y, m, d);
        ASSERT_NE(day, nullptr);
        EXPECT_EQ(day->m_weight, 0.0);
        EXPECT_NE(day->m_temperature, 0.0);
        ExpectRestKept(*day);
    }
    EXPECT_EQ(Stored(1996, 3, 1)->m_weight, 0.0);
    EXPECT_EQ(RecordsPerDay().size(), 3u);
    for (const auto& [day, records] : RecordsPerDay()) {
        EXPECT_EQ(records, 1);
    }
}

TEST_F(HistoryTest, TheWeightQuestionAsksAboutThisRecord) {
    Weight(2026, 5, 5, 58.0);
    History<CWeightHistoryDlg>([&](CWeightHistoryDlg& s) {
        s.Table()->SelectRow(0);
        boxes.Script({IDYES});
        Command(s, kCmdHistoryDelete);
        EXPECT_EQ(s.Table()->RowCount(), 0);
    });
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Do you really want to delete this record?");
    EXPECT_EQ(Stored(2026, 5, 5)->m_weight, 0.0);
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
        EXPECT_EQ(Shown(s), (Rows{{"02.04.2026", "36.60"}}));
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
    EXPECT_EQ(Stored(2026, 4, 1), nullptr);
    EXPECT_EQ(Stored(2026, 4, 2), nullptr);
    EXPECT_TRUE(RecordsPerDay().empty());
    EXPECT_EQ(boxes.CountText("CANNOT ADD"), 0u);
}

TEST_F(HistoryTest, ViewOpensTheDayViewOnTheDayAndTheListShowsWhatWasSaved) {
    Temperature(2026, 9, 9, 36.5);
    Temperature(2026, 9, 12, 36.9);
    History<CTemperatureHistoryDlg>([&](CTemperatureHistoryDlg& s) {
        Choose(s, "09.09.2026");
        QueueModalHook([&](QDialog& dialog) {
            auto& view = dynamic_cast<CDayViewDlg&>(dialog);
            EXPECT_EQ(frame.title, "Day View");
            EXPECT_EQ(view.DateText(), "09.09.2026");
            auto* celsius = test::Control<QComboBox>(&view, kDayViewCelsiusId);
            ASSERT_NE(celsius, nullptr);
            EXPECT_EQ(celsius->currentText(), "36.50");
            celsius->setCurrentIndex(21);  // 37.00
            Command(view, kCmdDayViewSave);
        });
        Command(s, kCmdHistoryView);
        EXPECT_EQ(frame.title, "Temperature History");
        EXPECT_EQ(Shown(s), (Rows{{"09.09.2026", "37.00"}, {"12.09.2026", "36.90"}}));
        // The chosen day stays chosen.
        CReportTable::Row row;
        ASSERT_TRUE(s.Table()->SelectedRow(row));
        EXPECT_EQ(row.date.Local().day, 9);
    });
    EXPECT_EQ(Stored(2026, 9, 9)->m_temperature, 37.0);

    // The Weight History opens it in its own mode, which gives its title back.
    Weight(2026, 9, 10, 60.0);
    History<CWeightHistoryDlg>([&](CWeightHistoryDlg& s) {
        s.Table()->SelectRow(0);
        QueueModalHook([&](QDialog& dialog) {
            auto* weight = test::Control<QLineEdit>(&dialog, kDayViewWeightId);
            ASSERT_NE(weight, nullptr);
            weight->setText("62.5");
            Command(dialog, kCmdDayViewSave);
        });
        Command(s, kCmdHistoryView);
        EXPECT_EQ(frame.title, "Weight History");
        EXPECT_EQ(Shown(s), (Rows{{"10.09.2026", "62.50"}}));
    });
}

TEST_F(HistoryTest, ChartOpensTheChartOfTheRowsMonth) {
    Temperature(2025, 3, 7, 36.4);
    Temperature(2026, 9, 12, 36.9);
    Weight(2024, 2, 29, 64.0);
    History<CTemperatureHistoryDlg>([&](CTemperatureHistoryDlg& s) {
        Command(s, kCmdHistoryChart);  // nothing chosen: nothing opens
        s.Table()->SelectRow(0);
        QueueModalHook([&](QDialog& dialog) {
            auto& chart = dynamic_cast<CTemperatureChartDlg&>(dialog);
            EXPECT_EQ(frame.title, "Temperature Chart");
            EXPECT_EQ(chart.ShownYear(), 2025);
            EXPECT_EQ(chart.ShownMonth(), 3);
            EXPECT_EQ(chart.PointY(7), 255 - 6 * 8);
            dialog.reject();
        });
        Command(s, kCmdHistoryChart);
        EXPECT_EQ(frame.title, "Temperature History");
        EXPECT_EQ(PendingModalHooks(), 0);
    });
    History<CWeightHistoryDlg>([&](CWeightHistoryDlg& s) {
        s.Table()->SelectRow(0);
        QueueModalHook([&](QDialog& dialog) {
            auto& chart = dynamic_cast<CWeightChartDlg&>(dialog);
            EXPECT_EQ(frame.title, "Weight Chart");
            EXPECT_EQ(chart.ShownYear(), 2024);
            EXPECT_EQ(chart.ShownMonth(), 2);
            EXPECT_EQ(chart.PointY(29), 245 - 2 * 24);
            dialog.reject();
        });
        Command(s, kCmdHistoryChart);
        EXPECT_EQ(frame.title, "Weight History");
    });
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
    EXPECT_EQ(Stored(2026, 7, 1)->m_temperature, 36.5);
    EXPECT_EQ(Stored(2026, 7, 2)->m_temperature, 36.6);
}

}  // namespace
}  // namespace velmora
