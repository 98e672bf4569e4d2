// Program Settings, opened from the menu of the running program.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <memory>

#include "cycle/cycleinfo.h"
#include "cycle/monthmodel.h"
#include "help/helpdialog.h"
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

TEST_F(SettingsTest, NumbersAtTheirLimitsAreTakenAndBeyondThemRefusedWithNothingTaken) {
    Start();
    struct Case {
        int id;
        QString text;
        bool taken;
        std::string refusal;
    };
    const std::string days = "Please enter an integer between 3 and 12.";
    const std::string cycle = "Please enter an integer between 23 and 35.";
    const Case cases[] = {
        {kSettingsMenstrualDaysId, "2", false, days},
        {kSettingsMenstrualDaysId, "3", true, ""},
        {kSettingsMenstrualDaysId, "12", true, ""},
        {kSettingsMenstrualDaysId, "13", false, days},
        {kSettingsMenstrualDaysId, "-4", false, days},
        {kSettingsMenstrualDaysId, "five", false, "Please enter an integer."},
        {kSettingsMenstrualDaysId, "", false, "Please enter an integer."},
        {kSettingsCycleLengthId, "22", false, cycle},
        {kSettingsCycleLengthId, "23", true, ""},
        {kSettingsCycleLengthId, " 35 ", true, ""},
        {kSettingsCycleLengthId, "36", false, cycle},
        {kSettingsCycleLengthId, "3O", false, "Please enter an integer."},
        {kSettingsCycleLengthId, "2.5e1", false, "Please enter an integer."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const VelmoraSettings before = AppSettings;
        const int copyDays = TheSettingsCopy.MenstrualDays;
        const int copyCycle = TheSettingsCopy.CycleLength;
        boxes.Clear();
        const bool stayedOpen = Settings([&](QDialog& d) {
            // A change elsewhere in the screen goes in only with the numbers.
            Control<QComboBox>(&d, kSettingsUnitsId)->setCurrentIndex(1 - before.UnitsFormat);
            Type(d, c.id, c.text);
            Press(&d, IDOK);
        });
        EXPECT_EQ(stayedOpen, !c.taken);
        if (c.taken) {
            EXPECT_EQ(boxes.Count(), 0u);
            const int value = c.text.trimmed().toInt();
            const int taken = c.id == kSettingsMenstrualDaysId ? AppSettings.MenstrualDays
                                                               : AppSettings.CycleLength;
            EXPECT_EQ(taken, value);
            EXPECT_EQ(AppSettings.UnitsFormat, 1 - before.UnitsFormat);
            EXPECT_EQ(TheSettingsCopy.MenstrualDays, AppSettings.MenstrualDays);
            EXPECT_EQ(TheSettingsCopy.CycleLength, AppSettings.CycleLength);
        } else {
            ASSERT_EQ(boxes.Count(), 1u);
            EXPECT_EQ(boxes.Boxes()[0].text, c.refusal);
            EXPECT_EQ(AppSettings, before);
            EXPECT_EQ(TheSettingsCopy.MenstrualDays, copyDays);
            EXPECT_EQ(TheSettingsCopy.CycleLength, copyCycle);
            EXPECT_EQ(TheSettingsCopy.UnitsFormat, before.UnitsFormat);
        }
    }
}

TEST_F(SettingsTest, AValidNumberIsNotTakenWhileTheOtherIsRefused) {
    Start();
    EXPECT_TRUE(Settings([](QDialog& d) {
        Type(d, kSettingsMenstrualDaysId, "7");
        Type(d, kSettingsCycleLengthId, "40");
        Press(&d, IDOK);
    }));
    EXPECT_EQ(AppSettings.MenstrualDays, 5);
    EXPECT_EQ(TheSettingsCopy.MenstrualDays, 5);
}

TEST_F(SettingsTest, ListsHoldTheirItemsInStoredOrderAndOkTakesEveryChoice) {
    Start();
    SoundsEnabled = true;
    const std::vector<std::pair<int, QStringList>> lists = {
        {kSettingsUnitsId, {"English", "Метрич."}},
        {kSettingsWeekStartsId, {"Воскр.", "Понед."}},
        {kSettingsSeparatorId, {".", "/", "-"}},
        {kSettingsDateFormatId, {"ДД/ММ/ГГГГ", "ММ/ДД/ГГГГ"}},
        {kSettingsTimeFormatId, {"24 часа", "12 часов (AM/PM)"}},
        {kSettingsSkinId, {"Animals", "Cartoon", "Cities", "Floral", "Jewels", "Men", "Nature"}},
    };
    std::map<int, int> shown;
    bool daylightShown = true;
    bool soundsShown = false;
    Settings([&](QDialog& d) {
        for (const auto& [id, items] : lists) {
            auto* combo = Control<QComboBox>(&d, id);
            QStringList texts;
            for (int i = 0; i < combo->count(); ++i) {
                texts << combo->itemText(i);
            }
            EXPECT_EQ(texts, items) << id;
            shown[id] = combo->currentIndex();
        }
        daylightShown = Control<QCheckBox>(&d, kSettingsDaylightId)->isChecked();
        soundsShown = Control<QCheckBox>(&d, kSettingsSoundsId)->isChecked();
        Control<QComboBox>(&d, kSettingsUnitsId)->setCurrentIndex(0);
        Control<QComboBox>(&d, kSettingsWeekStartsId)->setCurrentIndex(0);
        Control<QComboBox>(&d, kSettingsSeparatorId)->setCurrentIndex(2);
        Control<QComboBox>(&d, kSettingsDateFormatId)->setCurrentIndex(1);
        Control<QComboBox>(&d, kSettingsTimeFormatId)->setCurrentIndex(1);
        Control<QComboBox>(&d, kSettingsSkinId)->setCurrentIndex(5);
        Control<QCheckBox>(&d, kSettingsDaylightId)->setChecked(true);
        Control<QCheckBox>(&d, kSettingsSoundsId)->setChecked(false);
        Press(&d, IDOK);
    });
    // It opened on the settings of a first run.
    EXPECT_EQ(shown[kSettingsUnitsId], 1);
    EXPECT_EQ(shown[kSettingsWeekStartsId], 1);
    EXPECT_EQ(shown[kSettingsSeparatorId], 0);
    EXPECT_EQ(shown[kSettingsDateFormatId], 0);
    EXPECT_EQ(shown[kSettingsTimeFormatId], 0);
    EXPECT_EQ(shown[kSettingsSkinId], 3);
    EXPECT_FALSE(daylightShown);
    EXPECT_TRUE(soundsShown);

    EXPECT_EQ(AppSettings.UnitsFormat, 0);
    EXPECT_EQ(AppSettings.WeekStarts, 0);
    EXPECT_EQ(AppSettings.DateSeparator, 2);
    EXPECT_EQ(AppSettings.DateFormat, 1);
    EXPECT_EQ(AppSettings.TimeFormat, 1);
    EXPECT_EQ(AppSettings.Skin, 5);
    EXPECT_TRUE(AppSettings.DaylightSavingTime);
    EXPECT_FALSE(SoundsEnabled);
    EXPECT_EQ(ReminderTimeFormat(), 1);
    EXPECT_EQ(TheSettingsCopy.Skin, 5);
    EXPECT_EQ(TheSettingsCopy.DateSeparator, 2);
    EXPECT_TRUE(TheSettingsCopy.DaylightSavingTime);
    EXPECT_EQ(titleWhileOpen, "Program Settings");
    EXPECT_EQ(Frame().Title(), "Calendar View");

    // They reach the store at exit, and the screen shows them the next time.
    bool sundayShown = false;
    Settings([&](QDialog& d) {
        sundayShown = Control<QComboBox>(&d, kSettingsWeekStartsId)->currentIndex() == 0;
    });
    EXPECT_TRUE(sundayShown);
    app.reset();
    EXPECT_EQ(profile->Raw("Velmora", "Skin"), "5");
    EXPECT_EQ(profile->Raw("Velmora", "Sounds"), "0");
    EXPECT_EQ(profile->Raw("Velmora", "TimeFormat"), "1");
}

TEST_F(SettingsTest, CancelTakesNothingAndClosingTheWindowActsAsOk) {
    Start();
    const VelmoraSettings before = AppSettings;
    Settings([](QDialog& d) {
        Control<QComboBox>(&d, kSettingsSkinId)->setCurrentIndex(0);
        Type(d, kSettingsCycleLengthId, "30");
        Press(&d, IDCANCEL);
    });
    EXPECT_EQ(AppSettings, before);
    EXPECT_EQ(TheSettingsCopy.CycleLength, 28);

    Settings([](QDialog& d) {
        Type(d, kSettingsCycleLengthId, "30");
        d.close();
    });
    EXPECT_EQ(AppSettings.CycleLength, 30);
}

TEST_F(SettingsTest, TheCalendarPredictsAndDrawsWithTheNewValuesAtOnce) {
    for (int d = 1; d <= 5; ++d) {
        CVelmoraMFCDoc doc;
        doc.OpenDay(2026, 11, d);
        doc.m_fluid = 2;
        ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    }
    Start();
    SelectMonth(11, 2026);
    View().Reload();
    // One period only: the next one is predicted a cycle length on.
    EXPECT_EQ(GetFlowClass(View().Marks()[28]), 7);  // 29 November with 28 days
    Settings([](QDialog& d) {
        Type(d, kSettingsCycleLengthId, "30");
        Control<QComboBox>(&d, kSettingsWeekStartsId)->setCurrentIndex(0);
        Press(&d, IDOK);
    });
    EXPECT_NE(GetFlowClass(View().Marks()[28]), 7);
    EXPECT_EQ(TheCycleInfo.m_start[1].Local().day, 1);  // 1 December with 30 days
    EXPECT_EQ(TheCycleInfo.m_start[1].Local().month, 12);
    EXPECT_TRUE(test::Shows(Drawn(), *test::Decoded(kPicWeekSunday, 230, 12), 3, 3, false));
}

TEST_F(SettingsTest, HelpOpensTheSettingsPageAndGivesTheTitleBack) {
    Start();
    int page = 0;
    QString titleInHelp;
    QString titleAfterHelp;
    Settings([&](QDialog& d) {
        QueueModalHook([&](QDialog& h) {
            page = static_cast<CHelpDialog&>(h).Page();
            titleInHelp = Frame().Title();
            h.reject();
        });
        static_cast<CSettingsDlg&>(d).CommandBar()->ToolButton(kCmdSettingsHelp)->click();
        titleAfterHelp = Frame().Title();
    });
    EXPECT_EQ(page, 10);
    EXPECT_EQ(titleInHelp, "Help");
    EXPECT_EQ(titleAfterHelp, "Program Settings");
    EXPECT_EQ(Frame().Title(), "Calendar View");
}

TEST_F(SettingsTest, ALanguageChosenSpeaksAtOnceInTheMenusAndTheTitle) {
    Start();
    Settings([](QDialog& d) {
        Control<QComboBox>(&d, kSettingsLanguageId)->setCurrentIndex(kLanguageRussian);
        Press(&d, IDOK);
    });
    EXPECT_EQ(AppSettings.Language, kLanguageRussian);
    EXPECT_EQ(CurrentLanguage(), UiLanguage::Russian);
    QCoreApplication::processEvents();  // the windows hear of the new language
    const QAction* today = Frame().findChild<QAction*>(QString::number(kCmdGoToToday));
    ASSERT_NE(today, nullptr);
    EXPECT_EQ(QString(today->text()).remove(u'&'), "Сегодня");
    EXPECT_EQ(Frame().Title(), "Календарь (месяц)");
    // Qt's own texts follow too: the edit fields' context menu.
    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    EXPECT_FALSE(menu->actions().front()->text().contains("Undo"))
        << menu->actions().front()->text().toStdString();
    ApplyLanguage(UiLanguage::Source);
    QCoreApplication::processEvents();
    EXPECT_EQ(QString(today->text()).remove(u'&'), "Go To Today");
}

TEST(LanguageTest, TheSettingOrTheFirstSystemLanguageTheProgramHasDecides) {
    const struct {
        int setting;
        QStringList system;
        UiLanguage expected;
    } cases[] = {
        {kLanguageSystem, {"ru-RU", "en-US"}, UiLanguage::Russian},
        {kLanguageSystem, {"ru_UA"}, UiLanguage::Russian},
        {kLanguageSystem, {"de-DE", "ru", "en"}, UiLanguage::Russian},
        {kLanguageSystem, {"en-GB", "ru-RU"}, UiLanguage::English},
        {kLanguageSystem, {"de-DE", "fr"}, UiLanguage::English},
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
