// Program Settings, opened from the menu of the running program.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>

#include "cycle/cycleinfo.h"
#include "cycle/monthmodel.h"
#include "reminders/sharedstate.h"
#include "store/velmoradoc.h"
#include "tests/app/apptest.h"
#include "tests/support/screentest.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/language.h"
#include "ui/settingsdlg.h"

namespace velmora {
namespace {

using test::Control;
using test::Press;

class SettingsTest : public test::AppTest {
protected:
    // Opens Program Settings, runs `fill` in it, and closes it with Cancel if it is still
    // open. True when it was still open after `fill`.
    bool Settings(const std::function<void(QDialog&)>& fill) {
        bool open = false;
        QueueModalHook([&](QDialog& d) {
            titleWhileOpen = Frame().Title();
            fill(d);
            open = d.isVisible();
            if (open) {
                Press(&d, IDCANCEL);
            }
        });
        app->OnCommand(kCmdSettings);
        return open;
    }
    static void Type(QDialog& d, int id, const QString& text) {
        Control<QLineEdit>(&d, id)->setText(text);
    }
    QString titleWhileOpen;
};

// Each row types one number, a valid one in the other field, and other units, then presses
// OK: all of them go in together, or the screen stays open with the message and takes
// nothing, not even the valid number.
TEST_F(SettingsTest, NumbersAtTheirLimitsAreTakenAndBeyondThemRefusedWithNothingTaken) {
    Start();
    const std::string days = "Please enter an integer between 3 and 12.";
    const std::string cycle = "Please enter an integer between 23 and 35.";
    const std::string integer = "Please enter an integer.";
    const struct {
        int id;
        QString text;
        int taken;
        std::string refusal;
    } cases[] = {
        {kSettingsMenstrualDaysId, "2", 0, days},   {kSettingsMenstrualDaysId, "3", 3, ""},
        {kSettingsMenstrualDaysId, "12", 12, ""},   {kSettingsMenstrualDaysId, "13", 0, days},
        {kSettingsMenstrualDaysId, "-4", 0, days},  {kSettingsMenstrualDaysId, "", 0, integer},
        {kSettingsCycleLengthId, "22", 0, cycle},   {kSettingsCycleLengthId, "23", 23, ""},
        {kSettingsCycleLengthId, " 35 ", 35, ""},   {kSettingsCycleLengthId, "36", 0, cycle},
        {kSettingsCycleLengthId, "3O", 0, integer}, {kSettingsCycleLengthId, "2.5e1", 0, integer},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const bool daysRow = c.id == kSettingsMenstrualDaysId;
        const VelmoraSettings before = AppSettings;
        boxes.Clear();
        const bool stayedOpen = Settings([&](QDialog& d) {
            Control<QComboBox>(&d, kSettingsUnitsId)->setCurrentIndex(1 - before.UnitsFormat);
            Type(d, c.id, c.text);
            Type(d, daysRow ? kSettingsCycleLengthId : kSettingsMenstrualDaysId,
                 daysRow ? "30" : "7");
            Press(&d, IDOK);
        });
        EXPECT_EQ(stayedOpen, !c.refusal.empty());
        if (c.refusal.empty()) {
            EXPECT_EQ(boxes.Count(), 0u);
            EXPECT_EQ(AppSettings.MenstrualDays, daysRow ? c.taken : 7);
            EXPECT_EQ(AppSettings.CycleLength, daysRow ? 30 : c.taken);
            EXPECT_EQ(AppSettings.UnitsFormat, 1 - before.UnitsFormat);
        } else {
            EXPECT_EQ(boxes.Texts(), std::vector<std::string>{c.refusal});
            EXPECT_EQ(AppSettings, before);
        }
        EXPECT_EQ(TheSettingsCopy.MenstrualDays, AppSettings.MenstrualDays);
        EXPECT_EQ(TheSettingsCopy.CycleLength, AppSettings.CycleLength);
    }
}

// Each list holds its items in the order the settings store them, opens on the settings of a
// first run, and OK takes every choice into the settings, their copy and, at exit, the store;
// the language chosen speaks at once.
TEST_F(SettingsTest, ListsHoldTheirItemsInStoredOrderAndOkTakesEveryChoice) {
    Start();
    SoundsEnabled = true;
    const struct {
        int id;
        const char* items;
        int shown, chosen;
        int VelmoraSettings::*setting;
        int SettingsCopy::*copy;
        const char* key;
    } lists[] = {
        {kSettingsUnitsId, "English|Метрич.", 1, 0, &VelmoraSettings::UnitsFormat,
         &SettingsCopy::UnitsFormat, "UnitsFormat"},
        {kSettingsWeekStartsId, "Воскр.|Понед.", 1, 0, &VelmoraSettings::WeekStarts,
         &SettingsCopy::WeekStarts, "WeekStarts"},
        {kSettingsSeparatorId, ".|/|-", 0, 2, &VelmoraSettings::DateSeparator,
         &SettingsCopy::DateSeparator, "DateSeparator"},
        {kSettingsDateFormatId, "ДД/ММ/ГГГГ|ММ/ДД/ГГГГ", 0, 1, &VelmoraSettings::DateFormat,
         &SettingsCopy::DateFormat, "DateFormat"},
        {kSettingsTimeFormatId, "24 часа|12 часов (AM/PM)", 0, 1, &VelmoraSettings::TimeFormat,
         &SettingsCopy::TimeFormat, "TimeFormat"},
        {kSettingsSkinId, "Animals|Cartoon|Cities|Floral|Jewels|Men|Nature", 3, 5,
         &VelmoraSettings::Skin, &SettingsCopy::Skin, "Skin"},
        {kSettingsLanguageId, "System|English|Русский", 0, kLanguageRussian,
         &VelmoraSettings::Language, &SettingsCopy::Language, "Language"},
    };
    bool daylightShown = true, soundsShown = false;
    Settings([&](QDialog& d) {
        for (const auto& l : lists) {
            auto* combo = Control<QComboBox>(&d, l.id);
            QStringList texts;
            for (int i = 0; i < combo->count(); ++i) {
                texts << combo->itemText(i);
            }
            EXPECT_EQ(texts.join(u'|'), l.items) << l.key;
            EXPECT_EQ(combo->currentIndex(), l.shown) << l.key;
            combo->setCurrentIndex(l.chosen);
        }
        daylightShown = Control<QCheckBox>(&d, kSettingsDaylightId)->isChecked();
        soundsShown = Control<QCheckBox>(&d, kSettingsSoundsId)->isChecked();
        Control<QCheckBox>(&d, kSettingsDaylightId)->setChecked(true);
        Control<QCheckBox>(&d, kSettingsSoundsId)->setChecked(false);
        Press(&d, IDOK);
    });
    EXPECT_TRUE(!daylightShown && soundsShown);
    for (const auto& l : lists) {
        EXPECT_EQ(AppSettings.*l.setting, l.chosen) << l.key;
        EXPECT_EQ(TheSettingsCopy.*l.copy, l.chosen) << l.key;
    }
    EXPECT_TRUE(AppSettings.DaylightSavingTime && TheSettingsCopy.DaylightSavingTime);
    EXPECT_FALSE(SoundsEnabled);
    EXPECT_EQ(ReminderTimeFormat(), 1);
    EXPECT_EQ(titleWhileOpen, "Program Settings");
    QCoreApplication::processEvents();  // the language chosen speaks at once
    EXPECT_EQ(CurrentLanguage(), UiLanguage::Russian);
    EXPECT_EQ(Frame().Title(), "Календарь (месяц)");
    ApplyLanguage(UiLanguage::Source);

    app.reset();
    for (const auto& l : lists) {
        EXPECT_EQ(profile->Raw("Velmora", l.key), std::to_string(l.chosen)) << l.key;
    }
    EXPECT_EQ(profile->Raw("Velmora", "Sounds"), "0");
    EXPECT_EQ(profile->Raw("Velmora", "DaylightSavingTime"), "1");
}

// Cancel takes nothing; closing the window acts as OK, and the calendar predicts and draws
// with the new values at once.
TEST_F(SettingsTest, CancelTakesNothingAndClosingTheWindowTakesAllAtOnce) {
    test::WritePeriod(2026, 11, 1, 5);  // one period: the next is predicted a cycle length on
    profile->WriteProfileInt("Velmora", "DaylightSavingTime", 1);
    Start();
    SelectMonth(11, 2026);
    View().Reload();
    EXPECT_EQ(GetFlowClass(View().Marks()[28]), 7);  // 29 November with 28 days
    const VelmoraSettings before = AppSettings;
    Settings([](QDialog& d) {
        Control<QComboBox>(&d, kSettingsSkinId)->setCurrentIndex(0);
        Type(d, kSettingsCycleLengthId, "30");
        Press(&d, IDCANCEL);
    });
    EXPECT_EQ(AppSettings, before);
    EXPECT_EQ(TheSettingsCopy.CycleLength, 28);
    EXPECT_EQ(GetFlowClass(View().Marks()[28]), 7);

    Settings([](QDialog& d) {
        Type(d, kSettingsCycleLengthId, "30");
        Control<QComboBox>(&d, kSettingsWeekStartsId)->setCurrentIndex(0);
        d.close();
    });
    EXPECT_TRUE(AppSettings.CycleLength == 30 && AppSettings.DaylightSavingTime);
    EXPECT_NE(GetFlowClass(View().Marks()[28]), 7);
    const LocalTime next = TheCycleInfo.m_start[1].Local();  // 1 December with 30 days
    EXPECT_EQ(std::make_pair(next.month, next.day), std::make_pair(12, 1));
    EXPECT_TRUE(test::Shows(Drawn(), *test::Decoded(kPicWeekSunday, 230, 12), 3, 3, false));
}

TEST(LanguageTest, TheSettingOrTheFirstSystemLanguageTheProgramHasDecides) {
    const struct {
        int setting;
        QStringList system;
        UiLanguage expected;
    } cases[] = {
        {kLanguageSystem, {"ru-RU", "en-US"}, UiLanguage::Russian},
        {kLanguageSystem, {"de-DE", "ru", "en"}, UiLanguage::Russian},
        {kLanguageSystem, {"en-GB", "ru-RU"}, UiLanguage::English},
        {kLanguageSystem, {}, UiLanguage::English},
        {kLanguageEnglish, {"ru-RU"}, UiLanguage::English},
        {kLanguageRussian, {"en-US"}, UiLanguage::Russian},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ResolveLanguage(c.setting, c.system), c.expected)
            << c.setting << " " << c.system.join(',').toStdString();
    }
}

}  // namespace
}  // namespace velmora
