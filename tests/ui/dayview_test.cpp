// The Day View and alarm setup driven as a person would, with the store read back afterwards.

#include <sqlite3.h>
#include <QDateTimeEdit>
#include <QPushButton>

#include "tests/support/faultvfs.h"
#include "tests/ui/entrytest.h"
#include "ui/alarmsetupdlg.h"
#include "ui/dayviewpages.h"

namespace velmora {
namespace {

using test::Control;
using test::Day;
using test::Press;

class DayViewTest : public test::EntryTest {
protected:
    static QDateTimeEdit* Picker(QWidget& setup, int slot) {
        return Control<QDateTimeEdit>(&setup, kAlarmTimePickerIds[slot]);
    }
};

TEST_F(DayViewTest, AFullDayEnteredIsStoredShownAgainAndCleared) {
    const int result = DayView(2026, 11, 20, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        EXPECT_FALSE(List(s, kDayViewAcheKindId)->isEnabled());
        EXPECT_EQ(List(s, kDayViewCelsiusId)->itemText(0), "Нет");
        for (int id : {kDayViewSportId, kDayViewSexId, kDayViewBloatingId, kDayViewDoctorId,
                       kDayViewAcheId, kDayViewProtectionId, kDayViewPmsId, kDayViewCrampsId}) {
            Box(s, id)->click();
        }
        List(s, kDayViewSportKindId)->setCurrentIndex(2);  // "Йога"
        List(s, kDayViewAcheKindId)->setCurrentIndex(2);   // "Головная"
        List(s, kDayViewFluidId)->setCurrentIndex(2);
        List(s, kDayViewCelsiusId)->setCurrentIndex(13);
        Edit(s, kDayViewWeightId)->setText("62.5");
        TapTab(s, 1);
        Control<QPlainTextEdit>(&s, kDayViewNoteId)->setPlainText("Головная боль к вечеру");
        TapTab(s, 2);
        EXPECT_FALSE(Edit(s, kDayViewDiaryText2Id)->isEnabled());
        List(s, kDayViewDiaryType2Id)->setCurrentIndex(4);  // "Фитнес"
        Edit(s, kDayViewDiaryText2Id)->setText("бег 5 км");
        Command(s, kCmdDayViewSave);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FALSE(leftOpen);
    EXPECT_EQ(boxes.Count(), 0u);
    auto day = test::Stored(2026, 11, 20);
    ASSERT_NE(day, nullptr);
    EXPECT_TRUE(day->m_sport && day->m_sex && day->m_bloating && day->m_doctor && day->m_ache &&
                day->m_protection && day->m_pms && day->m_cramps && !day->m_alarm);
    EXPECT_EQ(day->m_sportKind + u"|" + day->m_acheKind, u"Йога|Головная");
    EXPECT_EQ(day->m_fluid, 2);
    EXPECT_EQ(day->m_temperature, 36.6);
    EXPECT_EQ(day->m_weight, 62.5);
    EXPECT_EQ(day->m_note, u"Головная боль к вечеру");
    EXPECT_EQ(day->m_diaryType, (std::array<int16_t, 4>{0, 4, 0, 0}));
    EXPECT_EQ(day->m_diaryText[1], u"бег 5 км");

    // Opened again, it shows what was stored; unticked, Sport and Ache store their names back.
    DayView(2026, 11, 20, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        EXPECT_TRUE(Box(s, kDayViewSportId)->isChecked());
        EXPECT_EQ(List(s, kDayViewSportKindId)->currentText(), "Йога");
        EXPECT_TRUE(List(s, kDayViewAcheKindId)->isEnabled());
        EXPECT_EQ(List(s, kDayViewAcheKindId)->currentText(), "Головная");
        EXPECT_EQ(List(s, kDayViewFluidId)->currentText(), "Нормальные");
        EXPECT_EQ(List(s, kDayViewCelsiusId)->currentIndex(), 13);
        EXPECT_EQ(Control<QPlainTextEdit>(&s, kDayViewNoteId)->toPlainText(),
                  "Головная боль к вечеру");
        EXPECT_EQ(List(s, kDayViewDiaryType2Id)->currentText(), "Фитнес");
        EXPECT_FALSE(Edit(s, kDayViewDiaryText1Id)->isEnabled());
        Box(s, kDayViewSportId)->click();
        Box(s, kDayViewAcheId)->click();
        EXPECT_FALSE(List(s, kDayViewSportKindId)->isEnabled());
        EXPECT_FALSE(List(s, kDayViewAcheKindId)->isEnabled());
        Command(s, kCmdDayViewSave);
    });
    day = test::Stored(2026, 11, 20);
    EXPECT_FALSE(day->m_sport || day->m_ache);
    EXPECT_EQ(day->m_sportKind + u"|" + day->m_acheKind, u"Sport|Ache");

    // Clear stores nothing until saved; opened from a history, the title is given back.
    DayView(2026, 11, 20, kDayViewFromTemperatureHistory, [&](CDayViewDlg& s) {
        Command(s, kCmdDayViewClear);
        EXPECT_FALSE(Box(s, kDayViewSexId)->isChecked());
        EXPECT_EQ(List(s, kDayViewFluidId)->currentIndex(), 0);
        EXPECT_EQ(Edit(s, kDayViewWeightId)->text(), "0");
        EXPECT_EQ(Edit(s, kDayViewDiaryText2Id)->text(), "");
        Command(s, kCmdDayViewClose);
    });
    EXPECT_FALSE(leftOpen);
    EXPECT_EQ(frame.title, "Temperature History");
    EXPECT_EQ(test::Stored(2026, 11, 20)->m_fluid, 2);
    EXPECT_EQ(RecordsPerDay(), (std::map<Day, int>{{{2026, 11, 20}, 1}}));
}

// Each row opens a day stored with 150 kg and 36.62 °C (no list item), types into one field,
// ticks Sex and saves: kilograms (pounds x 0.453) and Celsius are stored, what was left alone
// as it was (even 331.13 lb); a refused value keeps the day, its first page and the input.
TEST_F(DayViewTest, AValueTypedIsStoredInKilogramsAndCelsiusOrRefusedWithTheInputKept) {
    const char* kg = "Weight should be between 40 and 150 kg";
    const char* lb = "Weight should be between 80 and 330 lb";
    const char* nan = "Please enter a number.";
    const int kWeight = kDayViewWeightId;  // "0" and "" are no weight, always taken
    const struct {
        int units;  // 0 English, 1 metric
        int id;     // the weight field, or a temperature list with the item to choose
        QString input;
        double weight, temperature;  // stored
        const char* refusal;
    } cases[] = {
        {1, kWeight, "62.5", 62.5, 36.62, nullptr},
        {1, kWeight, "62,5", 62.5, 36.62, nullptr},
        {1, kWeight, "40", 40, 36.62, nullptr},
        {1, kWeight, "150.0", 150, 36.62, nullptr},
        {1, kWeight, "0", 0, 36.62, nullptr},
        {1, kWeight, "", 0, 36.62, nullptr},
        {1, kWeight, "39.9", 150, 36.62, kg},
        {1, kWeight, "150.1", 150, 36.62, kg},
        {0, kWeight, "220", 99.66, 36.62, nullptr},
        {0, kWeight, "330", 149.49, 36.62, nullptr},
        {0, kWeight, "80", 36.24, 36.62, nullptr},
        {0, kWeight, "79.5", 150, 36.62, lb},
        {0, kWeight, "331", 150, 36.62, lb},
        {0, kWeight, ".", 150, 36.62, nan},
        {0, kWeight, ",", 150, 36.62, nan},
        {1, kDayViewCelsiusId, "13", 150, 36.6, nullptr},     // "36.60"
        {0, kDayViewFahrenheitId, "41", 150, 38.0, nullptr},  // "100.40"
    };
    int d = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.toStdString() + (c.units ? " metric" : " English"));
        AppSettings.UnitsFormat = c.units;
        const QString date = QString::asprintf("%02d.11.2026", ++d);
        test::SaveDay(2026, 11, d, [](CVelmoraMFCDoc& day) {
            day.m_weight = 150;
            day.m_temperature = 36.62;
        });
        boxes.Clear();
        DayView(2026, 11, d, kDayViewFromCalendar, [&](CDayViewDlg& s) {
            auto* list = List(s, c.units ? kDayViewCelsiusId : kDayViewFahrenheitId);
            EXPECT_TRUE(list->isVisible());
            EXPECT_FALSE(List(s, c.units ? kDayViewFahrenheitId : kDayViewCelsiusId)->isVisible());
            EXPECT_EQ(list->currentIndex(), -1);
            EXPECT_EQ(Edit(s, kDayViewWeightId)->text(), c.units ? "150" : "331.13");
            Box(s, kDayViewSexId)->click();
            if (c.id == kDayViewWeightId) {
                Edit(s, c.id)->setText(c.input);
            } else {
                List(s, c.id)->setCurrentIndex(c.input.toInt());
            }
            Command(s, kCmdDayViewSave);
            if (c.refusal) {
                EXPECT_TRUE(s.isVisible());
                Press(&s, kDayViewNextDayId);
                TapTab(s, 1);
                EXPECT_EQ(s.DateText(), date);
                EXPECT_EQ(s.CurrentPage(), 0);
                EXPECT_EQ(Edit(s, c.id)->text(), c.input);
                EXPECT_TRUE(Box(s, kDayViewSexId)->isChecked());
            }
        });
        EXPECT_EQ(leftOpen, c.refusal != nullptr);
        EXPECT_EQ(boxes.Texts(),
                  std::vector<std::string>(c.refusal ? 3 : 0, c.refusal ? c.refusal : ""));
        auto day = test::Stored(2026, 11, d);
        ASSERT_NE(day, nullptr);
        EXPECT_NEAR(day->m_weight, c.weight, 1e-9);
        EXPECT_EQ(day->m_temperature, c.temperature);
        EXPECT_EQ(day->m_sex, c.refusal == nullptr);
    }
    EXPECT_EQ(RecordsPerDay().size(), std::size(cases));
}

TEST_F(DayViewTest, TheTemperatureListsHoldTheirFortyTwoItems) {
    const auto& table = TemperatureTable();
    EXPECT_EQ(table[0], 0.0);
    for (int i = 1; i < kTemperatureItems; ++i) {
        // Each value is the double nearest its text, and Fahrenheit rounds the same degree.
        const double c = 36.0 + 0.05 * (i - 1);
        const auto at = static_cast<size_t>(i);
        EXPECT_NEAR(table[at], c, 1e-9);
        EXPECT_EQ(CelsiusItemText(i).toDouble(), table[at]);
        EXPECT_NEAR(FahrenheitItemText(i).toDouble(), c * 1.8 + 32, 0.051) << i;
        EXPECT_EQ(TemperatureIndex(table[at]), i);
    }
    EXPECT_EQ(CelsiusItemText(0), "Нет");
    EXPECT_EQ(FahrenheitItemText(0), "Нет");
    EXPECT_EQ(TemperatureIndex(36.61), -1);
}

// The arrow before 1995 is refused with nothing stored and the input kept; the other arrow
// still stores the day and steps.
TEST_F(DayViewTest, TheArrowsStopAtTheFirstYearWithoutStoring) {
    DayView(1995, 1, 1, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        Box(s, kDayViewSexId)->click();
        Press(&s, kDayViewPreviousDayId);
        EXPECT_EQ(s.DateText(), "01.01.1995");
        EXPECT_TRUE(Box(s, kDayViewSexId)->isChecked());
        EXPECT_EQ(test::Stored(1995, 1, 1), nullptr);
        Press(&s, kDayViewNextDayId);
        EXPECT_EQ(s.DateText(), "02.01.1995");
    });
    EXPECT_EQ(boxes.Texts(),
              std::vector<std::string>{"Data for years prior to 1995 cannot be entered"});
    ASSERT_NE(test::Stored(1995, 1, 1), nullptr);
    EXPECT_TRUE(test::Stored(1995, 1, 1)->m_sex);
}

// The alarm box opens the alarm setup and follows what it leaves: ticked with no type chosen it
// clears itself; Cancel keeps the alarms; unticked and saved, the day keeps no alarm types.
TEST_F(DayViewTest, AlarmsAreSetThroughTheAlarmSetupAndTheBoxFollowsThem) {
    QPushButton* editAlarms = nullptr;
    DayView(2026, 11, 15, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        editAlarms = Control<QPushButton>(&s, kDayViewEditAlarmsId);
        QueueModalHook([&](QDialog& setup) {
            EXPECT_FALSE(Picker(setup, 1)->isEnabled());
            Press(&setup, 1);
        });
        Box(s, kDayViewAlarmId)->click();
        EXPECT_FALSE(Box(s, kDayViewAlarmId)->isChecked() || editAlarms->isEnabled());
        QueueModalHook([&](QDialog& setup) {
            List(setup, kAlarmTypeListIds[1])->setCurrentIndex(7);  // "Табл."
            Picker(setup, 1)->setTime(QTime(8, 15));
            List(setup, kAlarmTypeListIds[3])->setCurrentIndex(9);
            List(setup, kAlarmTypeListIds[3])->setCurrentIndex(0);
            EXPECT_TRUE(Picker(setup, 1)->isEnabled() && !Picker(setup, 3)->isEnabled());
            Press(&setup, 1);
        });
        Box(s, kDayViewAlarmId)->click();
        EXPECT_TRUE(Box(s, kDayViewAlarmId)->isChecked() && editAlarms->isEnabled());
        Command(s, kCmdDayViewSave);
    });
    EXPECT_EQ(PendingModalHooks(), 0);
    auto day = test::Stored(2026, 11, 15);
    ASSERT_NE(day, nullptr);
    EXPECT_TRUE(day->m_alarm);
    EXPECT_EQ(day->m_alarmType, (std::array<uint16_t, 4>{0, 7, 0, 0}));
    EXPECT_EQ(day->m_alarmTime[1], CTime(2026, 11, 15, 8, 15, 0));

    DayView(2026, 11, 15, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        editAlarms = Control<QPushButton>(&s, kDayViewEditAlarmsId);
        QueueModalHook([&](QDialog& setup) {
            EXPECT_EQ(List(setup, kAlarmTypeListIds[1])->currentText(), "Табл.");
            EXPECT_EQ(Picker(setup, 1)->time(), QTime(8, 15));
            List(setup, kAlarmTypeListIds[1])->setCurrentIndex(0);
            Press(&setup, 2);
        });
        Press(&s, kDayViewEditAlarmsId);
        EXPECT_TRUE(Box(s, kDayViewAlarmId)->isChecked());
        QueueModalHook([&](QDialog& setup) {
            List(setup, kAlarmTypeListIds[1])->setCurrentIndex(0);
            Press(&setup, 1);
        });
        Press(&s, kDayViewEditAlarmsId);
        EXPECT_FALSE(Box(s, kDayViewAlarmId)->isChecked() || editAlarms->isEnabled());
        Command(s, kCmdDayViewClose);
    });
    EXPECT_EQ(test::Stored(2026, 11, 15)->m_alarmType[1], 7);

    DayView(2026, 11, 15, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        Box(s, kDayViewAlarmId)->click();
        Command(s, kCmdDayViewSave);
    });
    day = test::Stored(2026, 11, 15);
    EXPECT_FALSE(day->m_alarm);
    EXPECT_EQ(day->m_alarmType, (std::array<uint16_t, 4>{0, 0, 0, 0}));
}

// Cancel keeps the slots, but an empty one starts at 12:00 of the day; closing the window
// keeps what was set, as OK does.
TEST_F(DayViewTest, AlarmSetupKeepsFourAlarmsOfOneTypeAndClosingActsAsOK) {
    doc.OpenDay(2026, 2, 14);
    doc.m_alarmType = {0, 5, 0, 0};
    doc.m_alarmTime[0] = CTime(2020, 1, 1, 7, 0, 0);
    {
        CAlarmSetupDlg setup(doc);
        List(setup, kAlarmTypeListIds[0])->setCurrentIndex(4);
        Press(&setup, 2);
        EXPECT_EQ(setup.result(), QDialog::Rejected);
    }
    EXPECT_EQ(doc.m_alarmType, (std::array<uint16_t, 4>{0, 5, 0, 0}));
    EXPECT_EQ(doc.m_alarmTime[0], CTime(2026, 2, 14, 12, 0, 0));
    {
        CAlarmSetupDlg setup(doc);
        for (int i = 0; i < 4; ++i) {
            List(setup, kAlarmTypeListIds[i])->setCurrentIndex(3);
            Picker(setup, i)->setTime(QTime(20 + i, 5 * i));
        }
        setup.show();
        setup.close();
    }
    EXPECT_EQ(doc.m_alarmType, (std::array<uint16_t, 4>{3, 3, 3, 3}));
    EXPECT_EQ(doc.m_alarmTime[3], CTime(2026, 2, 14, 23, 15, 0));
}

TEST_F(DayViewTest, AFailedStoreKeepsTheDayOnShowWithItsInput) {
    test::FaultVfs vfs;
    test::SaveDay(2026, 5, 5, [](CVelmoraMFCDoc& d) { d.m_weight = 60; });
    DayView(2026, 5, 5, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        Edit(s, kDayViewWeightId)->setText("61");
        vfs.FailWrites(SQLITE_FULL);
        Press(&s, kDayViewNextDayId);
        EXPECT_EQ(s.DateText(), "05.05.2026");
        Command(s, kCmdDayViewSave);
        EXPECT_TRUE(s.isVisible());
        EXPECT_EQ(Edit(s, kDayViewWeightId)->text(), "61");
        vfs.Heal();
        // A store that cannot even be opened is named as the step that failed.
        doc.m_db.Close();
        ObjectStore::CloseThreadConnection();
        vfs.FailOneReadAfter(0, SQLITE_IOERR_READ);
        Command(s, kCmdDayViewSave);
        EXPECT_TRUE(s.isVisible());
        vfs.Heal();
        Press(&s, kDayViewNextDayId);
        EXPECT_EQ(s.DateText(), "06.05.2026");
    });
    EXPECT_EQ(boxes.CountText("Add Record Error"), 1u);
    EXPECT_EQ(boxes.CountText("Add record Error!"), 1u);
    EXPECT_EQ(boxes.CountText("Open Database Error!"), 1u);
    EXPECT_EQ(test::Stored(2026, 5, 5)->m_weight, 61.0);
    EXPECT_EQ(RecordsPerDay(), (std::map<Day, int>{{{2026, 5, 5}, 1}}));
}

}  // namespace
}  // namespace velmora
