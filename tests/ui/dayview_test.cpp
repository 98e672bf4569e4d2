// The Day View driven as a person would: controls found by id, the clock pinned at
// 2026-12-06 10:30 in Berlin, message boxes recorded, and the store read back afterwards.

#include <sqlite3.h>
#include <QDateTimeEdit>
#include <QPushButton>

#include "reminders/audiooutput.h"
#include "reminders/sharedstate.h"
#include "reminders/soundmixer.h"
#include "tests/reminders/audiotest.h"
#include "tests/support/faultvfs.h"
#include "tests/support/refimage.h"
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
        Box(s, kDayViewSportId)->click();
        EXPECT_TRUE(List(s, kDayViewSportKindId)->isEnabled());
        List(s, kDayViewSportKindId)->setCurrentIndex(2);  // "Йога"
        for (int id : {kDayViewSexId, kDayViewBloatingId, kDayViewDoctorId, kDayViewAcheId,
                       kDayViewProtectionId, kDayViewPmsId, kDayViewCrampsId}) {
            Box(s, id)->click();
        }
        List(s, kDayViewAcheKindId)->setCurrentIndex(2);  // "Головная"
        List(s, kDayViewFluidId)->setCurrentIndex(2);
        List(s, kDayViewCelsiusId)->setCurrentIndex(13);
        Edit(s, kDayViewWeightId)->setText("62.5");
        TapTab(s, 1);
        EXPECT_EQ(s.CurrentPage(), 1);
        Text(s, kDayViewNoteId)->setPlainText("Головная боль к вечеру");
        TapTab(s, 2);
        EXPECT_EQ(s.CurrentPage(), 2);
        EXPECT_FALSE(Edit(s, kDayViewDiaryText2Id)->isEnabled());
        List(s, kDayViewDiaryType2Id)->setCurrentIndex(4);  // second row: "Фитнес"
        EXPECT_TRUE(Edit(s, kDayViewDiaryText2Id)->isEnabled());
        Edit(s, kDayViewDiaryText2Id)->setText("бег 5 км");
        Command(s, kCmdDayViewSave);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FALSE(leftOpen);
    EXPECT_EQ(boxes.Count(), 0u);
    auto day = Stored(2026, 11, 20);
    ASSERT_NE(day, nullptr);
    EXPECT_TRUE(day->m_sport && day->m_sex && day->m_bloating && day->m_doctor && day->m_ache);
    EXPECT_TRUE(day->m_protection && day->m_pms && day->m_cramps);
    EXPECT_FALSE(day->m_alarm);
    EXPECT_EQ(day->m_sportKind, u"Йога");
    EXPECT_EQ(day->m_acheKind, u"Головная");
    EXPECT_EQ(day->m_fluid, 2);
    EXPECT_EQ(day->m_temperature, 36.6);
    EXPECT_EQ(day->m_weight, 62.5);
    EXPECT_EQ(day->m_note, u"Головная боль к вечеру");
    EXPECT_EQ(day->m_diaryType, (std::array<int16_t, 4>{0, 4, 0, 0}));
    EXPECT_EQ(day->m_diaryText[1], u"бег 5 км");

    // Opened again, it shows what was stored. Unticked, Sport and Ache lock their lists and
    // store their texts back.
    DayView(2026, 11, 20, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        EXPECT_TRUE(Box(s, kDayViewSportId)->isChecked());
        EXPECT_EQ(List(s, kDayViewSportKindId)->currentText(), "Йога");
        EXPECT_TRUE(List(s, kDayViewAcheKindId)->isEnabled());
        EXPECT_EQ(List(s, kDayViewAcheKindId)->currentText(), "Головная");
        EXPECT_FALSE(Box(s, kDayViewAlarmId)->isChecked());
        EXPECT_FALSE(Control<QPushButton>(&s, kDayViewEditAlarmsId)->isEnabled());
        EXPECT_EQ(List(s, kDayViewFluidId)->currentText(), "Нормальные");
        EXPECT_EQ(List(s, kDayViewCelsiusId)->currentIndex(), 13);
        EXPECT_EQ(Text(s, kDayViewNoteId)->toPlainText(), "Головная боль к вечеру");
        EXPECT_EQ(List(s, kDayViewDiaryType2Id)->currentText(), "Фитнес");
        EXPECT_FALSE(Edit(s, kDayViewDiaryText1Id)->isEnabled());
        Box(s, kDayViewSportId)->click();
        Box(s, kDayViewAcheId)->click();
        EXPECT_FALSE(List(s, kDayViewSportKindId)->isEnabled());
        EXPECT_FALSE(List(s, kDayViewAcheKindId)->isEnabled());
        EXPECT_EQ(List(s, kDayViewSportKindId)->currentIndex(), -1);
        Command(s, kCmdDayViewSave);
    });
    day = Stored(2026, 11, 20);
    EXPECT_FALSE(day->m_sport || day->m_ache);
    EXPECT_EQ(day->m_sportKind, u"Sport");
    EXPECT_EQ(day->m_acheKind, u"Ache");

    // Ticked again with nothing chosen, Sport keeps its text. Clear empties the screen but
    // stores nothing until saved.
    DayView(2026, 11, 20, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        Box(s, kDayViewSportId)->click();
        EXPECT_TRUE(List(s, kDayViewSportKindId)->isEnabled());
        Command(s, kCmdDayViewSave);
    });
    EXPECT_TRUE(Stored(2026, 11, 20)->m_sport);
    EXPECT_EQ(Stored(2026, 11, 20)->m_sportKind, u"Sport");
    // Opened from a history, the Day View gives its title back however it closes.
    DayView(2026, 11, 20, kDayViewFromTemperatureHistory, [&](CDayViewDlg& s) {
        Command(s, kCmdDayViewClear);
        EXPECT_EQ(s.DateText(), "20.11.2026");
        EXPECT_FALSE(Box(s, kDayViewSexId)->isChecked());
        EXPECT_EQ(List(s, kDayViewFluidId)->currentIndex(), 0);
        EXPECT_EQ(Edit(s, kDayViewWeightId)->text(), "0");
        EXPECT_EQ(Edit(s, kDayViewDiaryText2Id)->text(), "");
        EXPECT_FALSE(Edit(s, kDayViewDiaryText2Id)->isEnabled());
        Command(s, kCmdDayViewClose);
    });
    EXPECT_FALSE(leftOpen);
    EXPECT_EQ(frame.title, "Temperature History");
    EXPECT_EQ(Stored(2026, 11, 20)->m_fluid, 2);
    DayView(2026, 11, 20, kDayViewFromWeightHistory, [&](CDayViewDlg& s) {
        Command(s, kCmdDayViewClear);
        Command(s, kCmdDayViewSave);
    });
    EXPECT_EQ(frame.title, "Weight History");
    day = Stored(2026, 11, 20);
    EXPECT_EQ(day->m_fluid, 0);
    EXPECT_EQ(day->m_weight, 0.0);
    EXPECT_FALSE(day->m_sex);
    EXPECT_EQ(day->m_note, u"");
    EXPECT_EQ(day->m_diaryType, (std::array<int16_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(day->m_diaryText[1], u"");
    EXPECT_EQ(RecordsPerDay(), (std::map<Day, int>{{{2026, 11, 20}, 1}}));
}

// Each row opens a day stored with 150 kg and 36.62 °C (no item of the lists), types into one
// field, ticks Sex and saves. The day shows in the units chosen and stores kilograms (pounds x
// 0.453) and degrees Celsius; what was left alone is stored as it was, even 331.13 lb, beyond
// what may be typed. A refused value keeps the screen on the day and its first page with the
// input, refuses the arrow and the tab too, and stores nothing.
TEST_F(DayViewTest, AValueTypedIsStoredInKilogramsAndCelsiusOrRefusedWithTheInputKept) {
    const char* kg = "Weight should be between 40 and 150 kg";
    const char* lb = "Weight should be between 80 and 330 lb";
    const char* nan = "Please enter a number.";
    const struct {
        int units;  // 0 English, 1 metric
        int id;     // the weight field, or a temperature list with the item to choose
        QString input;
        double weight, temperature;  // stored
        const char* refusal;
    } cases[] = {
        {1, kDayViewWeightId, "62.5", 62.5, 36.62, nullptr},
        {1, kDayViewWeightId, "62,5", 62.5, 36.62, nullptr},
        {1, kDayViewWeightId, "40", 40, 36.62, nullptr},
        {1, kDayViewWeightId, "150.0", 150, 36.62, nullptr},
        {1, kDayViewWeightId, "0", 0, 36.62, nullptr},  // no weight, always taken
        {1, kDayViewWeightId, "", 0, 36.62, nullptr},
        {1, kDayViewWeightId, "39.9", 150, 36.62, kg},
        {1, kDayViewWeightId, "150.1", 150, 36.62, kg},
        {0, kDayViewWeightId, "220", 99.66, 36.62, nullptr},
        {0, kDayViewWeightId, "330", 149.49, 36.62, nullptr},
        {0, kDayViewWeightId, "80", 36.24, 36.62, nullptr},
        {0, kDayViewWeightId, "79.5", 150, 36.62, lb},
        {0, kDayViewWeightId, "331", 150, 36.62, lb},
        {0, kDayViewWeightId, ".", 150, 36.62, nan},
        {0, kDayViewWeightId, ",", 150, 36.62, nan},
        {1, kDayViewCelsiusId, "13", 150, 36.6, nullptr},     // "36.60"
        {0, kDayViewFahrenheitId, "41", 150, 38.0, nullptr},  // "100.40"
    };
    int d = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.toStdString() + (c.units ? " metric" : " English"));
        AppSettings.UnitsFormat = c.units;
        const QString date = QString::asprintf("%02d.11.2026", ++d);
        Store(2026, 11, d, [](CVelmoraMFCDoc& day) {
            day.m_weight = 150;
            day.m_temperature = 36.62;
        });
        boxes.Clear();
        DayView(2026, 11, d, kDayViewFromCalendar, [&](CDayViewDlg& s) {
            auto* list = List(s, c.units ? kDayViewCelsiusId : kDayViewFahrenheitId);
            EXPECT_TRUE(list->isVisible());
            EXPECT_FALSE(List(s, c.units ? kDayViewFahrenheitId : kDayViewCelsiusId)->isVisible());
            EXPECT_EQ(list->count(), 42);
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
        auto day = Stored(2026, 11, d);
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
    EXPECT_EQ(CelsiusItemText(41), "38.00");
    EXPECT_EQ(FahrenheitItemText(41), "100.40");
    EXPECT_EQ(TemperatureIndex(36.6), 13);
    EXPECT_EQ(TemperatureIndex(36.61), -1);
}

TEST_F(DayViewTest, AFutureDayOffersOnlyWhatCanBePlannedAndTodayOffersAll) {
    // True when every control of `ids` is enabled as `on` says.
    auto all = [](CDayViewDlg& s, std::initializer_list<int> ids, bool on) {
        for (int id : ids) {
            QWidget* w = Control<QWidget>(&s, id);
            EXPECT_NE(w, nullptr) << id;
            if (w && w->isEnabled() != on) {
                return false;
            }
        }
        return true;
    };
    const std::initializer_list<int> lived = {
        kDayViewBloatingId, kDayViewPmsId,    kDayViewCrampsId,  kDayViewAcheId,
        kDayViewFluidId,    kDayViewWeightId, kDayViewCelsiusId, kDayViewFahrenheitId};
    const std::initializer_list<int> always = {kDayViewAlarmId, kDayViewSportId, kDayViewSexId,
                                               kDayViewDoctorId, kDayViewProtectionId};
    DayView(2026, 12, 6, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        EXPECT_TRUE(all(s, lived, true) && all(s, always, true));
        Press(&s, kDayViewNextDayId);  // tomorrow
        EXPECT_EQ(s.DateText(), "07.12.2026");
        EXPECT_TRUE(all(s, lived, false) && all(s, always, true));
        Press(&s, kDayViewPreviousDayId);
        EXPECT_EQ(s.DateText(), "06.12.2026");
        EXPECT_TRUE(all(s, lived, true));
    });
    // Midnight of a day is still before the day has begun; a second later it has.
    Clock::Pin(CTime(2026, 12, 7, 0, 0, 0));
    DayView(2026, 12, 7, kDayViewFromCalendar,
            [&](CDayViewDlg& s) { EXPECT_TRUE(all(s, lived, false)); });
    Clock::Pin(CTime(2026, 12, 7, 0, 0, 1));
    DayView(2026, 12, 7, kDayViewFromCalendar,
            [&](CDayViewDlg& s) { EXPECT_TRUE(all(s, lived, true)); });
}

// The arrow past the first or last year is refused with nothing stored and the input kept;
// the other arrow still stores the day and steps. The last year is next year's, and 2010
// before 2011.
TEST_F(DayViewTest, TheArrowsStopAtTheFirstAndLastYearsWithoutStoring) {
    const char* later = "At present you are not allowed to enter data for the forthcoming years!";
    const struct {
        int clockYear;
        int y, m, d;
        int refused, other;
        const char* shown;
        const char* then;
        const char* message;
    } cases[] = {
        {2026, 1995, 1, 1, kDayViewPreviousDayId, kDayViewNextDayId, "01.01.1995", "02.01.1995",
         "Data for years prior to 1995 cannot be entered"},
        {2026, 2027, 12, 31, kDayViewNextDayId, kDayViewPreviousDayId, "31.12.2027", "30.12.2027",
         later},
        {2008, 2010, 12, 31, kDayViewNextDayId, kDayViewPreviousDayId, "31.12.2010", "30.12.2010",
         later},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        Clock::Pin(CTime(c.clockYear, 6, 1, 9, 0, 0));
        boxes.Clear();
        DayView(c.y, c.m, c.d, kDayViewFromCalendar, [&](CDayViewDlg& s) {
            Box(s, kDayViewSexId)->click();
            Press(&s, c.refused);
            EXPECT_EQ(s.DateText(), c.shown);
            EXPECT_TRUE(Box(s, kDayViewSexId)->isChecked());
            EXPECT_EQ(Stored(c.y, c.m, c.d), nullptr);
            Press(&s, c.other);
            EXPECT_EQ(s.DateText(), c.then);
        });
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(boxes.Boxes()[0].caption, "Velmora Plus");
        ASSERT_NE(Stored(c.y, c.m, c.d), nullptr);
        EXPECT_TRUE(Stored(c.y, c.m, c.d)->m_sex);
    }
    EXPECT_EQ(RecordsPerDay().size(), 3u);
}

TEST_F(DayViewTest, AlarmsAreSetThroughTheAlarmSetupAndTheBoxFollowsThem) {
    DayView(2026, 11, 15, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        // Ticked, but no type chosen: the box clears itself.
        QueueModalHook([&](QDialog& setup) {
            EXPECT_EQ(setup.objectName(), QString::number(kAlarmSetupTemplateId));
            EXPECT_FALSE(Picker(setup, 1)->isEnabled());
            Press(&setup, 1);
        });
        Box(s, kDayViewAlarmId)->click();
        EXPECT_FALSE(Box(s, kDayViewAlarmId)->isChecked());
        EXPECT_FALSE(Control<QPushButton>(&s, kDayViewEditAlarmsId)->isEnabled());

        QueueModalHook([&](QDialog& setup) {
            List(setup, kAlarmTypeListIds[1])->setCurrentIndex(7);  // second row: "Табл."
            EXPECT_TRUE(Picker(setup, 1)->isEnabled());
            Picker(setup, 1)->setTime(QTime(8, 15));
            List(setup, kAlarmTypeListIds[3])->setCurrentIndex(9);
            List(setup, kAlarmTypeListIds[3])->setCurrentIndex(0);
            EXPECT_FALSE(Picker(setup, 3)->isEnabled());
            Press(&setup, 1);
        });
        Box(s, kDayViewAlarmId)->click();
        EXPECT_TRUE(Box(s, kDayViewAlarmId)->isChecked());
        EXPECT_TRUE(Control<QPushButton>(&s, kDayViewEditAlarmsId)->isEnabled());
        Command(s, kCmdDayViewSave);
    });
    EXPECT_EQ(PendingModalHooks(), 0);
    auto day = Stored(2026, 11, 15);
    ASSERT_NE(day, nullptr);
    EXPECT_TRUE(day->m_alarm);
    EXPECT_EQ(day->m_alarmType, (std::array<uint16_t, 4>{0, 7, 0, 0}));
    EXPECT_EQ(day->m_alarmTime[1], CTime(2026, 11, 15, 8, 15, 0));

    // "Правка": Cancel keeps the alarms; setting them all to none clears the box.
    DayView(2026, 11, 15, kDayViewFromCalendar, [&](CDayViewDlg& s) {
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
        EXPECT_FALSE(Box(s, kDayViewAlarmId)->isChecked());
        EXPECT_FALSE(Control<QPushButton>(&s, kDayViewEditAlarmsId)->isEnabled());
        Command(s, kCmdDayViewClose);
    });
    EXPECT_EQ(Stored(2026, 11, 15)->m_alarmType[1], 7);

    // Unticking the box and saving stores no alarm types at all.
    DayView(2026, 11, 15, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        Box(s, kDayViewAlarmId)->click();
        EXPECT_FALSE(Control<QPushButton>(&s, kDayViewEditAlarmsId)->isEnabled());
        Command(s, kCmdDayViewSave);
    });
    EXPECT_EQ(PendingModalHooks(), 0);
    day = Stored(2026, 11, 15);
    EXPECT_FALSE(day->m_alarm);
    EXPECT_EQ(day->m_alarmType, (std::array<uint16_t, 4>{0, 0, 0, 0}));
}

TEST_F(DayViewTest, AlarmSetupKeepsFourAlarmsOfOneTypeAndClosingActsAsOK) {
    AppSettings.TimeFormat = 1;
    doc.OpenDay(2026, 2, 14);
    {
        CAlarmSetupDlg setup(doc);
        EXPECT_EQ(Picker(setup, 0)->displayFormat(), "hh:mm AP");
        for (int i = 0; i < 4; ++i) {
            List(setup, kAlarmTypeListIds[i])->setCurrentIndex(3);
            Picker(setup, i)->setTime(QTime(20 + i, 5 * i));
        }
        setup.show();
        setup.close();
        EXPECT_EQ(setup.result(), QDialog::Accepted);
    }
    EXPECT_EQ(doc.m_alarmType, (std::array<uint16_t, 4>{3, 3, 3, 3}));
    EXPECT_EQ(doc.m_alarmTime[3], CTime(2026, 2, 14, 23, 15, 0));
    // Cancel leaves the slots, except that empty ones now start at 12:00 of the day.
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
    EXPECT_EQ(doc.m_alarmTime[1], CTime(2026, 2, 14, 21, 5, 0));
}

TEST_F(DayViewTest, SteppingTenDaysStoresEachShownDayOnceWithItsDate) {
    // Across the change to summer time (29 March 2026 in Berlin), past a stored day.
    Store(2026, 3, 27, [](CVelmoraMFCDoc& d) { d.m_fluid = 2; });
    std::vector<QString> shown;
    DayView(2026, 3, 24, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        // A note typed on its page is stored by the arrow too.
        TapTab(s, 1);
        Text(s, kDayViewNoteId)->setPlainText("первый день");
        for (int i = 0; i < 10; ++i) {
            shown.push_back(s.DateText());
            Press(&s, kDayViewNextDayId);
        }
        shown.push_back(s.DateText());
        Command(s, kCmdDayViewClose);
    });
    EXPECT_EQ(shown.front(), "24.03.2026");
    EXPECT_EQ(shown.back(), "03.04.2026");
    std::map<Day, int> expected;
    for (int d = 24; d <= 33; ++d) {
        expected[{2026, d > 31 ? 4 : 3, d > 31 ? d - 31 : d}] = 1;
    }
    EXPECT_EQ(RecordsPerDay(), expected);
    EXPECT_EQ(Stored(2026, 3, 24)->m_note, u"первый день");
    EXPECT_EQ(Stored(2026, 3, 25)->m_note, u"");
    EXPECT_EQ(Stored(2026, 3, 30)->m_date, CTime(2026, 3, 30, 12, 0, 0));

    // And back again through the same days: still one record each.
    DayView(2026, 4, 2, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        for (int i = 0; i < 10; ++i) {
            Press(&s, kDayViewPreviousDayId);
        }
        EXPECT_EQ(s.DateText(), "23.03.2026");
    });
    EXPECT_EQ(RecordsPerDay(), expected);
    EXPECT_EQ(Stored(2026, 3, 27)->m_fluid, 2);
}

TEST_F(DayViewTest, AFailedStoreKeepsTheDayOnShowWithItsInput) {
    test::FaultVfs vfs;
    Store(2026, 5, 5, [](CVelmoraMFCDoc& d) { d.m_weight = 60; });
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
    EXPECT_EQ(boxes.CountText("Delete Record Error!"), 0u);
    EXPECT_EQ(Stored(2026, 5, 5)->m_weight, 61.0);
    EXPECT_EQ(RecordsPerDay(), (std::map<Day, int>{{{2026, 5, 5}, 1}}));
}

TEST_F(DayViewTest, TheScreenShowsTheDateByTheSettingsAndTheNineIcons) {
    AppSettings.DateFormat = 1;
    AppSettings.DateSeparator = 2;
    DayView(2026, 3, 4, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        EXPECT_EQ(s.DateText(), "03-04-2026");
        QRect icons;
        for (const Rect& r : CDayViewDlg::IconRects()) {
            icons |= QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
        }
        test::ExpectMatchesReference(s.Area()->grab().toImage().copy(icons),
                                     "ui/data/dayview_icons.png");
        Command(s, kCmdDayViewClose);
    });
}

// An output that takes the start buffers and never asks for more, so a sound started stays
// in its voice until the test mixes it.
class HeldOutput : public IAudioOutput {
public:
    bool Open(int, int, Listener*) override { return true; }
    void Submit(int, const uint8_t*, size_t) override {}
    void Close() override {}
};

// The clicks of the Day View, each a wave of one level of its own, so the first frame mixed
// tells which one played.
class DayViewSoundTest : public DayViewTest {
protected:
    static constexpr int kClicks[] = {kWaveDayViewButton, kWaveCheckBox, kWaveTabChange};
    DayViewSoundTest() : mixer([] { return std::make_unique<HeldOutput>(); }) {
        for (int id : kClicks) {
            waves.Add(id, test::MonoWave(
                              22050, test::Bytes(64, static_cast<uint8_t>(128 + 8 * (id - 329)))));
        }
        mixer.Open(22050, false);
        TheSoundMixer = &mixer;
        SoundsEnabled = true;
        for (int id : kClicks) {
            PlayInterfaceSound(id);
            level[Heard()] = id;
        }
    }
    ~DayViewSoundTest() override {
        TheSoundMixer = nullptr;
        mixer.Close();
    }
    // The first frame of what is playing (-1: nothing), then the sounds are played out.
    int Heard() {
        if (mixer.PlayingVoices() == 0) {
            return -1;
        }
        uint8_t out[256];
        mixer.Mix(out, 1);
        const int first = out[0];
        mixer.Mix(out, 256);
        return first;
    }
    // The click that `act` made: its wave's id, 0 for none, -1 for something else.
    int ClickOf(const std::function<void()>& act) {
        act();
        const int heard = Heard();
        return heard < 0 ? 0 : level.count(heard) ? level[heard] : -1;
    }

    test::WaveResources waves;
    CSoundMixer mixer;
    std::map<int, int> level;  // the first frame heard -> the click
};

TEST_F(DayViewSoundTest, ButtonsCheckBoxesAndTabsClickEachWithTheirOwnSound) {
    ASSERT_EQ(level.size(), 3u);
    DayView(2026, 11, 20, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        for (int id : {kDayViewSportId, kDayViewSexId, kDayViewBloatingId, kDayViewDoctorId,
                       kDayViewAcheId, kDayViewProtectionId, kDayViewPmsId, kDayViewCrampsId}) {
            EXPECT_EQ(ClickOf([&] { Box(s, id)->click(); }), kWaveCheckBox) << id;
        }
        EXPECT_EQ(ClickOf([&] { TapTab(s, 2); }), kWaveTabChange);
        EXPECT_EQ(ClickOf([&] { TapTab(s, 2); }), 0);  // the page on show: no change
        for (int id : {kDayViewNextDayId, kDayViewPreviousDayId, kDayViewHelpId}) {
            EXPECT_EQ(ClickOf([&] { Press(&s, id); }), kWaveDayViewButton) << id;
        }
        EXPECT_EQ(ClickOf([&] { Command(s, kCmdDayViewClear); }), kWaveDayViewButton);
        TapTab(s, 0);
        Heard();
        Edit(s, kDayViewWeightId)->setText("500");
        // A refused page: the message, and no tab sound.
        EXPECT_EQ(ClickOf([&] { TapTab(s, 1); }), 0);
        Edit(s, kDayViewWeightId)->setText("");
        EXPECT_EQ(ClickOf([&] { Command(s, kCmdDayViewSave); }), kWaveDayViewButton);
    });
    EXPECT_FALSE(leftOpen);
}

}  // namespace
}  // namespace velmora
