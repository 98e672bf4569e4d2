// The Day View driven as a person would: controls found by id, the clock pinned at
// 2026-12-06 10:30 in Berlin, message boxes recorded, and the store read back afterwards.

#include <sqlite3.h>
#include <QDateTimeEdit>
#include <QPushButton>
#include <list>

#include "gfx/fastbitmap.h"
#include "platform/resources.h"
#include "reminders/audiooutput.h"
#include "reminders/sharedstate.h"
#include "reminders/soundmixer.h"
#include "tests/support/faultvfs.h"
#include "tests/ui/entrytest.h"
#include "ui/alarmsetupdlg.h"
#include "ui/dayviewpages.h"

namespace velmora {
namespace {

using test::Control;
using test::Day;
using test::EntryTest;
using test::Press;

class DayViewTest : public EntryTest {};

// An output that takes the start buffers and never asks for more, so a sound started stays
// in its voice until the test mixes it.
class HeldOutput : public IAudioOutput {
public:
    bool Open(int, int, Listener*) override { return true; }
    void Submit(int, const uint8_t*, size_t) override {}
    void Close() override {}
};

// The clicks of the Day View, told apart by their own levels.
class DayViewSoundTest : public DayViewTest {
protected:
    DayViewSoundTest() : mixer([] { return std::make_unique<HeldOutput>(); }) {
        for (int id : {kWaveDayViewButton, kWaveCheckBox, kWaveTabChange}) {
            // 8-bit mono at 22050 Hz: a header, then 64 samples of one level per sound.
            std::string& wave = waves.emplace_back();
            const std::string samples(64, static_cast<char>(128 + 8 * (id - 329)));
            auto le32 = [](uint32_t v) {
                return std::string{static_cast<char>(v), static_cast<char>(v >> 8),
                                   static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
            };
            const std::string fmt = std::string("\x01\x00\x01\x00", 4) + le32(22050) + le32(22050) +
                                    std::string("\x01\x00\x08\x00", 4);
            const std::string chunks = "fmt " + le32(16) + fmt + "data" + le32(64) + samples;
            wave = "RIFF" + le32(static_cast<uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
            SetExtraResource("WAVE", id, reinterpret_cast<const uint8_t*>(wave.data()),
                             wave.size());
        }
        mixer.Open(22050, false);
        TheSoundMixer = &mixer;
        SoundsEnabled = true;
        for (int id : {kWaveDayViewButton, kWaveCheckBox, kWaveTabChange}) {
            PlayInterfaceSound(id);
            level[id] = Heard();
        }
    }
    ~DayViewSoundTest() override {
        TheSoundMixer = nullptr;
        mixer.Close();
        ClearExtraResources();
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
    // The click that `act` made: 329-332, 0 for none, -1 for something else.
    int ClickOf(const std::function<void()>& act) {
        act();
        const int heard = Heard();
        if (heard < 0) {
            return 0;
        }
        for (const auto& [id, l] : level) {
            if (l == heard) {
                return id;
            }
        }
        return -1;
    }

    std::list<std::string> waves;
    CSoundMixer mixer;
    std::map<int, int> level;
};

TEST_F(DayViewTest, AFullDayEnteredIsStoredAndShownAgainInMetricUnits) {
    const int result = DayView(2026, 11, 20, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        EXPECT_EQ(s.DateText(), "20.11.2026");
        EXPECT_EQ(s.CurrentPage(), 0);
        Box(s, kDayViewSportId)->click();
        EXPECT_TRUE(List(s, kDayViewSportKindId)->isEnabled());
        List(s, kDayViewSportKindId)->setCurrentIndex(2);  // "Йога"
        for (int id : {kDayViewSexId, kDayViewBloatingId, kDayViewDoctorId, kDayViewAcheId,
                       kDayViewProtectionId, kDayViewPmsId, kDayViewCrampsId}) {
            Box(s, id)->click();
        }
        List(s, kDayViewAcheKindId)->setCurrentIndex(2);  // "Головная"
        List(s, kDayViewFluidId)->setCurrentIndex(2);
        EXPECT_TRUE(List(s, kDayViewCelsiusId)->isVisible());
        EXPECT_FALSE(List(s, kDayViewFahrenheitId)->isVisible());
        List(s, kDayViewCelsiusId)->setCurrentIndex(13);
        EXPECT_EQ(List(s, kDayViewCelsiusId)->currentText(), "36.60");
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
    EXPECT_TRUE(day->m_sport);
    EXPECT_EQ(day->m_sportKind, u"Йога");
    EXPECT_TRUE(day->m_sex && day->m_bloating && day->m_doctor && day->m_ache);
    EXPECT_TRUE(day->m_protection && day->m_pms && day->m_cramps);
    EXPECT_FALSE(day->m_alarm);
    EXPECT_EQ(day->m_acheKind, u"Головная");
    EXPECT_EQ(day->m_fluid, 2);
    EXPECT_EQ(day->m_temperature, 36.6);
    EXPECT_EQ(day->m_weight, 62.5);
    EXPECT_EQ(day->m_note, u"Головная боль к вечеру");
    EXPECT_EQ(day->m_diaryType, (std::array<int16_t, 4>{0, 4, 0, 0}));
    EXPECT_EQ(day->m_diaryText[1], u"бег 5 км");
    EXPECT_EQ(RecordsPerDay(), (std::map<Day, int>{{{2026, 11, 20}, 1}}));

    // Opened again, it shows what was stored.
    DayView(2026, 11, 20, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        EXPECT_TRUE(Box(s, kDayViewSportId)->isChecked());
        EXPECT_EQ(List(s, kDayViewSportKindId)->currentText(), "Йога");
        EXPECT_EQ(List(s, kDayViewAcheKindId)->currentText(), "Головная");
        EXPECT_FALSE(Box(s, kDayViewAlarmId)->isChecked());
        EXPECT_FALSE(Control<QPushButton>(&s, kDayViewEditAlarmsId)->isEnabled());
        EXPECT_EQ(List(s, kDayViewFluidId)->currentText(), "Нормальные");
        EXPECT_EQ(List(s, kDayViewCelsiusId)->currentIndex(), 13);
        EXPECT_EQ(Edit(s, kDayViewWeightId)->text(), "62.5");
        EXPECT_EQ(Text(s, kDayViewNoteId)->toPlainText(), "Головная боль к вечеру");
        EXPECT_EQ(List(s, kDayViewDiaryType2Id)->currentText(), "Фитнес");
        EXPECT_FALSE(Edit(s, kDayViewDiaryText1Id)->isEnabled());
        Command(s, kCmdDayViewClose);
    });
    EXPECT_FALSE(leftOpen);
    EXPECT_EQ(RecordsPerDay(), (std::map<Day, int>{{{2026, 11, 20}, 1}}));
}

TEST_F(DayViewTest, EnglishUnitsShowPoundsAndFahrenheitAndStoreKilograms) {
    AppSettings.UnitsFormat = 0;
    Store(2026, 11, 1, [](CVelmoraMFCDoc& d) {
        d.m_weight = 100;
        d.m_temperature = 36.6;
    });
    // A weight the English range refuses (150 kg is 331 lb), left alone, saves as it is.
    Store(2026, 11, 2, [](CVelmoraMFCDoc& d) { d.m_weight = 150; });
    // A temperature that is not a list value.
    Store(2026, 11, 3, [](CVelmoraMFCDoc& d) { d.m_temperature = 36.62; });

    DayView(2026, 11, 1, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        EXPECT_FALSE(List(s, kDayViewCelsiusId)->isVisible());
        ASSERT_TRUE(List(s, kDayViewFahrenheitId)->isVisible());
        EXPECT_EQ(List(s, kDayViewFahrenheitId)->count(), 42);
        EXPECT_EQ(List(s, kDayViewFahrenheitId)->currentText(), "97.90");
        EXPECT_EQ(List(s, kDayViewFahrenheitId)->currentIndex(), 13);
        EXPECT_NEAR(Edit(s, kDayViewWeightId)->text().toDouble(), 220.75, 0.005);
        Box(s, kDayViewSexId)->click();
        Command(s, kCmdDayViewSave);
    });
    auto first = Stored(2026, 11, 1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->m_weight, 100.0);  // not 220.75 x 0.453
    EXPECT_EQ(first->m_temperature, 36.6);
    EXPECT_TRUE(first->m_sex);

    DayView(2026, 11, 2, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        EXPECT_EQ(Edit(s, kDayViewWeightId)->text(), "331.13");
        Box(s, kDayViewDoctorId)->click();
        Command(s, kCmdDayViewSave);
    });
    EXPECT_FALSE(leftOpen);
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(Stored(2026, 11, 2)->m_weight, 150.0);
    EXPECT_TRUE(Stored(2026, 11, 2)->m_doctor);

    DayView(2026, 11, 3, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        EXPECT_EQ(List(s, kDayViewFahrenheitId)->currentIndex(), -1);
        Command(s, kCmdDayViewSave);
    });
    EXPECT_EQ(Stored(2026, 11, 3)->m_temperature, 36.62);

    // Entered pounds are stored as kilograms; a Fahrenheit item stores its Celsius value.
    DayView(2026, 11, 4, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        Edit(s, kDayViewWeightId)->setText("220");
        List(s, kDayViewFahrenheitId)->setCurrentIndex(41);
        EXPECT_EQ(List(s, kDayViewFahrenheitId)->currentText(), "100.40");
        Command(s, kCmdDayViewSave);
    });
    auto fourth = Stored(2026, 11, 4);
    ASSERT_NE(fourth, nullptr);
    EXPECT_NEAR(fourth->m_weight, 99.66, 1e-9);
    EXPECT_EQ(fourth->m_temperature, 38.0);
}

TEST_F(DayViewTest, TheTemperatureListsHoldTheirFortyTwoItems) {
    const auto& table = TemperatureTable();
    EXPECT_EQ(table[0], 0.0);
    for (int i = 1; i < kTemperatureItems; ++i) {
        // Each value is the double nearest its text, and Fahrenheit rounds the same degree.
        const double c = 36.0 + 0.05 * (i - 1);
        EXPECT_NEAR(table[static_cast<size_t>(i)], c, 1e-9);
        EXPECT_EQ(CelsiusItemText(i).toDouble(), table[static_cast<size_t>(i)]);
        EXPECT_NEAR(FahrenheitItemText(i).toDouble(), c * 1.8 + 32, 0.051) << i;
        EXPECT_EQ(TemperatureIndex(table[static_cast<size_t>(i)]), i);
    }
    EXPECT_EQ(FahrenheitItemText(0), "Нет");
    EXPECT_EQ(CelsiusItemText(41), "38.00");
    EXPECT_EQ(FahrenheitItemText(41), "100.40");
    EXPECT_EQ(TemperatureIndex(36.6), 13);
    EXPECT_EQ(TemperatureIndex(36.61), -1);
}

TEST_F(DayViewTest, AFutureDayOffersOnlyWhatCanBePlannedAndTodayOffersAll) {
    auto enabled = [](CDayViewDlg& s, std::initializer_list<int> ids) {
        for (int id : ids) {
            QWidget* w = test::Control<QWidget>(&s, id);
            EXPECT_NE(w, nullptr) << id;
            if (w && !w->isEnabled()) {
                return false;
            }
        }
        return true;
    };
    auto disabled = [](CDayViewDlg& s, std::initializer_list<int> ids) {
        for (int id : ids) {
            QWidget* w = test::Control<QWidget>(&s, id);
            if (w && w->isEnabled()) {
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
        EXPECT_TRUE(enabled(s, lived));
        EXPECT_TRUE(enabled(s, always));
        Press(&s, kDayViewNextDayId);  // tomorrow
        EXPECT_EQ(s.DateText(), "07.12.2026");
        EXPECT_TRUE(disabled(s, lived));
        EXPECT_TRUE(enabled(s, always));
        Press(&s, kDayViewPreviousDayId);
        EXPECT_EQ(s.DateText(), "06.12.2026");
        EXPECT_TRUE(enabled(s, lived));
    });
    // Midnight of a day is still before the day has begun; a second later it has.
    Clock::Pin(CTime(2026, 12, 7, 0, 0, 0));
    DayView(2026, 12, 7, kDayViewFromCalendar,
            [&](CDayViewDlg& s) { EXPECT_TRUE(disabled(s, lived)); });
    Clock::Pin(CTime(2026, 12, 7, 0, 0, 1));
    DayView(2026, 12, 7, kDayViewFromCalendar,
            [&](CDayViewDlg& s) { EXPECT_TRUE(enabled(s, lived)); });
}

TEST_F(DayViewTest, TheArrowsStopAtTheFirstAndLastYearsWithoutStoring) {
    DayView(1995, 1, 1, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        Box(s, kDayViewSexId)->click();
        Press(&s, kDayViewPreviousDayId);
        EXPECT_EQ(s.DateText(), "01.01.1995");
        EXPECT_TRUE(Box(s, kDayViewSexId)->isChecked());
    });
    EXPECT_EQ(boxes.Texts(),
              std::vector<std::string>{"Data for years prior to 1995 cannot be entered"});
    EXPECT_EQ(boxes.Boxes()[0].caption, "Velmora Plus");
    EXPECT_TRUE(RecordsPerDay().empty());

    // The clock says 2026: the last year is 2027.
    boxes.Clear();
    DayView(2027, 12, 31, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        Press(&s, kDayViewNextDayId);
        EXPECT_EQ(s.DateText(), "31.12.2027");
        Press(&s, kDayViewPreviousDayId);
        EXPECT_EQ(s.DateText(), "30.12.2027");
    });
    EXPECT_EQ(boxes.Texts(),
              std::vector<std::string>{
                  "At present you are not allowed to enter data for the forthcoming years!"});
    EXPECT_EQ(RecordsPerDay(), (std::map<Day, int>{{{2027, 12, 31}, 1}}));

    // Before 2011 the years end in 2010, as they always did.
    boxes.Clear();
    Clock::Pin(CTime(2008, 6, 1, 9, 0, 0));
    DayView(2010, 12, 31, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        Press(&s, kDayViewNextDayId);
        EXPECT_EQ(s.DateText(), "31.12.2010");
    });
    EXPECT_EQ(boxes.Count(), 1u);
}

TEST_F(DayViewTest, ARefusedWeightKeepsTheUserOnThePageAndTheDayWithTheirInput) {
    DayView(2026, 11, 10, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        Box(s, kDayViewSexId)->click();
        List(s, kDayViewFluidId)->setCurrentIndex(1);
        Edit(s, kDayViewWeightId)->setText("200");
        Press(&s, kDayViewNextDayId);
        EXPECT_EQ(s.DateText(), "10.11.2026");
        TapTab(s, 1);
        EXPECT_EQ(s.CurrentPage(), 0);
        Command(s, kCmdDayViewSave);
        EXPECT_TRUE(s.isVisible());
        EXPECT_EQ(Edit(s, kDayViewWeightId)->text(), "200");
        EXPECT_EQ(List(s, kDayViewFluidId)->currentIndex(), 1);
        EXPECT_TRUE(Box(s, kDayViewSexId)->isChecked());
        // Zero means no weight and is always taken.
        Edit(s, kDayViewWeightId)->setText("0");
        Press(&s, kDayViewNextDayId);
        EXPECT_EQ(s.DateText(), "11.11.2026");
    });
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>(3, "Weight should be between 40 and 150 kg"));
    auto day = Stored(2026, 11, 10);
    ASSERT_NE(day, nullptr);
    EXPECT_EQ(day->m_weight, 0.0);
    EXPECT_EQ(day->m_fluid, 1);
    EXPECT_TRUE(day->m_sex);
    EXPECT_EQ(RecordsPerDay().size(), 1u);

    boxes.Clear();
    AppSettings.UnitsFormat = 0;
    DayView(2026, 11, 12, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        Edit(s, kDayViewWeightId)->setText("79.5");
        Command(s, kCmdDayViewSave);
        EXPECT_TRUE(s.isVisible());
        Edit(s, kDayViewWeightId)->setText("330");
        Command(s, kCmdDayViewSave);
    });
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Weight should be between 80 and 330 lb"});
    EXPECT_NEAR(Stored(2026, 11, 12)->m_weight, 330 * 0.453, 1e-9);

    // A lone separator is no number: refused, and the stored weight stays.
    boxes.Clear();
    DayView(2026, 11, 12, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        for (const char* typed : {".", ","}) {
            Edit(s, kDayViewWeightId)->setText(typed);
            Command(s, kCmdDayViewSave);
            EXPECT_TRUE(s.isVisible()) << typed;
        }
        Command(s, kCmdDayViewClose);
    });
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>(2, "Please enter a number."));
    EXPECT_NEAR(Stored(2026, 11, 12)->m_weight, 330 * 0.453, 1e-9);
}

TEST_F(DayViewTest, ClearingSportAndAcheSetsTheirTextsBack) {
    Store(2026, 10, 5, [](CVelmoraMFCDoc& d) {
        d.m_sport = true;
        d.m_sportKind = u"Теннис";
        d.m_ache = true;
        d.m_acheKind = u"Зубн.боль";
    });
    DayView(2026, 10, 5, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        EXPECT_EQ(List(s, kDayViewSportKindId)->currentText(), "Теннис");
        EXPECT_TRUE(List(s, kDayViewAcheKindId)->isEnabled());
        Box(s, kDayViewSportId)->click();
        Box(s, kDayViewAcheId)->click();
        EXPECT_FALSE(List(s, kDayViewSportKindId)->isEnabled());
        EXPECT_FALSE(List(s, kDayViewAcheKindId)->isEnabled());
        EXPECT_EQ(List(s, kDayViewSportKindId)->currentIndex(), -1);
        Command(s, kCmdDayViewSave);
    });
    auto day = Stored(2026, 10, 5);
    EXPECT_FALSE(day->m_sport);
    EXPECT_FALSE(day->m_ache);
    EXPECT_EQ(day->m_sportKind, u"Sport");
    EXPECT_EQ(day->m_acheKind, u"Ache");

    // Ticked again with nothing chosen, the texts stay as they are.
    DayView(2026, 10, 5, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        Box(s, kDayViewSportId)->click();
        EXPECT_TRUE(List(s, kDayViewSportKindId)->isEnabled());
        Command(s, kCmdDayViewSave);
    });
    EXPECT_TRUE(Stored(2026, 10, 5)->m_sport);
    EXPECT_EQ(Stored(2026, 10, 5)->m_sportKind, u"Sport");
}

TEST_F(DayViewTest, ADiaryTypeSetBackToNoneEmptiesItsTextFromMyDiaryMode) {
    Store(2026, 9, 9, [](CVelmoraMFCDoc& d) {
        d.m_diaryType = {1, 2, 0, 0};
        d.m_diaryText = {u"стрижка", u"чистка", u"", u""};
    });
    frame.titles.clear();
    DayView(2026, 9, 9, kDayViewFromMyDiary, [&](CDayViewDlg& s) {
        EXPECT_EQ(frame.title, "Day View");
        EXPECT_EQ(s.CurrentPage(), 2);
        EXPECT_TRUE(s.Page(2)->isVisible());
        EXPECT_FALSE(s.Page(0)->isVisible());
        EXPECT_EQ(Edit(s, kDayViewDiaryText2Id)->text(), "чистка");
        List(s, kDayViewDiaryType2Id)->setCurrentIndex(0);
        EXPECT_EQ(Edit(s, kDayViewDiaryText2Id)->text(), "");
        EXPECT_FALSE(Edit(s, kDayViewDiaryText2Id)->isEnabled());
        Command(s, kCmdDayViewSave);
    });
    EXPECT_EQ(frame.title, "My Diary");
    auto day = Stored(2026, 9, 9);
    EXPECT_EQ(day->m_diaryType, (std::array<int16_t, 4>{1, 0, 0, 0}));
    EXPECT_EQ(day->m_diaryText[0], u"стрижка");
    EXPECT_EQ(day->m_diaryText[1], u"");

    // The histories get their titles back however the Day View closes.
    DayView(2026, 9, 9, kDayViewFromTemperatureHistory,
            [&](CDayViewDlg& s) { Command(s, kCmdDayViewClose); });
    EXPECT_EQ(frame.title, "Temperature History");
    DayView(2026, 9, 9, kDayViewFromWeightHistory, [&](CDayViewDlg&) {});
    EXPECT_EQ(frame.title, "Weight History");
    EXPECT_TRUE(leftOpen);
}

TEST_F(DayViewTest, AlarmsAreSetThroughTheAlarmSetupAndTheBoxFollowsThem) {
    DayView(2026, 11, 15, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        // Ticked, but no type chosen: the box clears itself.
        QueueModalHook([&](QDialog& setup) {
            EXPECT_EQ(setup.objectName(), QString::number(kAlarmSetupTemplateId));
            for (int id : kAlarmTimePickerIds) {
                auto* picker = test::Control<QDateTimeEdit>(&setup, id);
                EXPECT_FALSE(picker->isEnabled());
                EXPECT_EQ(picker->dateTime().date(), QDate(2026, 11, 15));
                EXPECT_EQ(picker->dateTime().time(), QTime(12, 0));
            }
            Press(&setup, 1);
        });
        Box(s, kDayViewAlarmId)->click();
        EXPECT_FALSE(Box(s, kDayViewAlarmId)->isChecked());
        EXPECT_FALSE(Control<QPushButton>(&s, kDayViewEditAlarmsId)->isEnabled());

        QueueModalHook([&](QDialog& setup) {
            List(setup, kAlarmTypeListIds[1])->setCurrentIndex(7);  // second row: "Табл."
            auto* picker = test::Control<QDateTimeEdit>(&setup, kAlarmTimePickerIds[1]);
            EXPECT_TRUE(picker->isEnabled());
            picker->setTime(QTime(8, 15));
            List(setup, kAlarmTypeListIds[3])->setCurrentIndex(9);
            List(setup, kAlarmTypeListIds[3])->setCurrentIndex(0);
            EXPECT_FALSE(test::Control<QDateTimeEdit>(&setup, kAlarmTimePickerIds[3])->isEnabled());
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
            EXPECT_EQ(test::Control<QDateTimeEdit>(&setup, kAlarmTimePickerIds[1])->time(),
                      QTime(8, 15));
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
        EXPECT_EQ(test::Control<QDateTimeEdit>(&setup, kAlarmTimePickerIds[0])->displayFormat(),
                  "hh:mm AP");
        for (int i = 0; i < 4; ++i) {
            List(setup, kAlarmTypeListIds[i])->setCurrentIndex(3);
            test::Control<QDateTimeEdit>(&setup, kAlarmTimePickerIds[i])
                ->setTime(QTime(20 + i, 5 * i));
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
    for (int d = 24; d <= 31; ++d) {
        expected[{2026, 3, d}] = 1;
    }
    expected[{2026, 4, 1}] = 1;
    expected[{2026, 4, 2}] = 1;
    EXPECT_EQ(RecordsPerDay(), expected);
    EXPECT_EQ(Stored(2026, 3, 24)->m_note, u"первый день");
    EXPECT_EQ(Stored(2026, 3, 25)->m_note, u"");
    EXPECT_EQ(Stored(2026, 3, 27)->m_fluid, 2);
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

TEST_F(DayViewTest, ClearEmptiesTheDayButStoresNothingUntilSaved) {
    Store(2026, 8, 8, [](CVelmoraMFCDoc& d) {
        d.m_fluid = 3;
        d.m_weight = 70;
        d.m_sex = true;
        d.m_note = u"запись";
        d.m_diaryType[0] = 5;
        d.m_diaryText[0] = u"приём";
    });
    DayView(2026, 8, 8, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        Command(s, kCmdDayViewClear);
        EXPECT_EQ(s.DateText(), "08.08.2026");
        EXPECT_FALSE(Box(s, kDayViewSexId)->isChecked());
        EXPECT_EQ(List(s, kDayViewFluidId)->currentIndex(), 0);
        EXPECT_EQ(Edit(s, kDayViewWeightId)->text(), "0");
        EXPECT_EQ(Edit(s, kDayViewDiaryText1Id)->text(), "");
        EXPECT_FALSE(Edit(s, kDayViewDiaryText1Id)->isEnabled());
        Command(s, kCmdDayViewClose);
    });
    EXPECT_EQ(Stored(2026, 8, 8)->m_fluid, 3);
    DayView(2026, 8, 8, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        Command(s, kCmdDayViewClear);
        Command(s, kCmdDayViewSave);
    });
    auto day = Stored(2026, 8, 8);
    EXPECT_EQ(day->m_fluid, 0);
    EXPECT_EQ(day->m_weight, 0.0);
    EXPECT_FALSE(day->m_sex);
    EXPECT_EQ(day->m_note, u"");
    EXPECT_EQ(day->m_diaryType[0], 0);
    EXPECT_EQ(day->m_diaryText[0], u"");
    EXPECT_EQ(RecordsPerDay(), (std::map<Day, int>{{{2026, 8, 8}, 1}}));
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
    const auto texts = boxes.Texts();
    ASSERT_FALSE(texts.empty());
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
        const QImage shown = s.Area()->grab().toImage();
        static constexpr int kPictures[9] = {216, 215, 221, 214, 223, 218, 222, 238, 220};
        for (size_t i = 0; i < 9; ++i) {
            const Rect r = CDayViewDlg::IconRects()[i];
            auto icon = std::make_unique<CFastBitmap>();
            ASSERT_TRUE(icon->Load(kPictures[i], 14, 14));
            const GraphicBuffer& pixels = *icon->Surface();
            const Pixel key = pixels.GetPixel(0, 0);
            int compared = 0;
            for (int y = 0; y < 14; ++y) {
                for (int x = 0; x < 14; ++x) {
                    const Pixel p = pixels.GetPixel(x, y);
                    if (p == key) {
                        continue;
                    }
                    // The screen shows the icon's own colour (RGB565 widened to 8 bits).
                    const QColor c = shown.pixelColor(r.left + x, r.top + y);
                    EXPECT_EQ(Rgb565(c.red(), c.green(), c.blue()), p)
                        << "icon " << kPictures[i] << " at " << x << "," << y;
                    ++compared;
                }
            }
            EXPECT_GT(compared, 20);
        }
        Command(s, kCmdDayViewClose);
    });
}


TEST_F(DayViewSoundTest, ButtonsCheckBoxesAndTabsClickEachWithTheirOwnSound) {
    ASSERT_EQ(level.size(), 3u);
    ASSERT_NE(level[kWaveDayViewButton], level[kWaveCheckBox]);
    DayView(2026, 11, 20, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        for (int id : {kDayViewSportId, kDayViewSexId, kDayViewBloatingId, kDayViewDoctorId,
                       kDayViewAcheId, kDayViewProtectionId, kDayViewPmsId, kDayViewCrampsId}) {
            EXPECT_EQ(ClickOf([&] { Box(s, id)->click(); }), kWaveCheckBox) << id;
        }
        EXPECT_EQ(ClickOf([&] { TapTab(s, 2); }), kWaveTabChange);
        EXPECT_EQ(ClickOf([&] { TapTab(s, 2); }), 0);  // the page on show: no change
        EXPECT_EQ(ClickOf([&] { Press(&s, kDayViewNextDayId); }), kWaveDayViewButton);
        EXPECT_EQ(ClickOf([&] { Press(&s, kDayViewPreviousDayId); }), kWaveDayViewButton);
        EXPECT_EQ(ClickOf([&] { Press(&s, kDayViewHelpId); }), kWaveDayViewButton);
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
    // Sounds off: nothing plays.
    SoundsEnabled = false;
    DayView(2026, 11, 20, kDayViewFromCalendar, [&](CDayViewDlg& s) {
        EXPECT_EQ(ClickOf([&] { Box(s, kDayViewSexId)->click(); }), 0);
        EXPECT_EQ(ClickOf([&] { Command(s, kCmdDayViewClose); }), 0);
    });
}

}  // namespace
}  // namespace velmora
