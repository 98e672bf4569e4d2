#include <gtest/gtest.h>

#include "store/names.h"
#include "store/password.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "tests/support/testenv.h"

namespace velmora {
namespace {

TEST(SettingsTest, EveryValueIsWrittenInOrderAndReadsBack) {
    MemoryProfileStore p;
    const VelmoraSettings s{.MenstrualDays = 12,
                            .CycleLength = 23,
                            .DateFormat = 1,
                            .TimeFormat = 1,
                            .DateSeparator = 2,
                            .WeekStarts = 0,
                            .UnitsFormat = 0,
                            .MyDiaryType = 5,
                            .PasswordHash = HashPassword("Секрет12"),
                            .DaylightSavingTime = true,
                            .Skin = 6,
                            .Language = kLanguageRussian,
                            .Zoom = 3,
                            .TemperatureShift = true};
    ASSERT_TRUE(SaveSettings(p, s, false));
    EXPECT_EQ(p.WriteLog(),
              (std::vector<std::string>{
                  "Velmora/MenstrualDays", "Velmora/CycleLength", "Velmora/DateFormat",
                  "Velmora/TimeFormat", "Velmora/DateSeparator", "Velmora/WeekStarts",
                  "Velmora/UnitsFormat", "Velmora/MyDiaryType", "Velmora/PasswordHash",
                  "Velmora/DaylightSavingTime", "Velmora/Sounds", "Velmora/Skin",
                  "Velmora/Language", "Velmora/Zoom", "Velmora/TemperatureShift"}));
    VelmoraSettings back;
    bool sounds = true;
    LoadSettings(p, back, sounds);
    EXPECT_EQ(back, s);
    EXPECT_FALSE(sounds);
}

// A first run reads the defaults; a flag is on for any value but zero and written back as 1.
TEST(SettingsTest, FirstRunGivesTheDefaultsAndFlagsAreOnForAnyNonZeroValue) {
    MemoryProfileStore p;
    VelmoraSettings s;
    s.Skin = 0;
    s.PasswordHash = "x";
    bool sounds = false;
    LoadSettings(p, s, sounds);
    EXPECT_EQ(s, VelmoraSettings());
    EXPECT_EQ(std::tie(s.MenstrualDays, s.CycleLength, s.WeekStarts, s.UnitsFormat, s.Skin),
              std::make_tuple(5, 28, 1, 1, 3));
    EXPECT_TRUE(sounds);
    p.WriteProfileInt("Velmora", "DaylightSavingTime", 7);
    p.WriteProfileInt("Velmora", "Sounds", -3);
    sounds = false;
    LoadSettings(p, s, sounds);
    EXPECT_TRUE(s.DaylightSavingTime);
    EXPECT_TRUE(sounds);
    SaveSettings(p, s, sounds);
    EXPECT_EQ(p.Raw("Velmora", "DaylightSavingTime"), "1");
    EXPECT_EQ(p.Raw("Velmora", "Sounds"), "1");
}

TEST(SettingsTest, ValuesOutsideTheirListsReadAsDefaults) {
    MemoryProfileStore p;
    const std::pair<const char*, const char*> bad[] = {
        {"MenstrualDays", "2"}, {"CycleLength", "0"},   {"DateFormat", "2"},
        {"TimeFormat", "-1"},   {"DateSeparator", "7"}, {"WeekStarts", "9"},
        {"UnitsFormat", "3"},   {"MyDiaryType", "6"},   {"Skin", "99"},
        {"Language", "3"},      {"Zoom", "5"},          {"TemperatureShift", "2"},
    };
    for (auto [entry, value] : bad) {
        p.WriteProfileString("Velmora", entry, value);
    }
    VelmoraSettings s;
    bool sounds;
    LoadSettings(p, s, sounds);
    EXPECT_EQ(s, VelmoraSettings());

    // Bounds themselves are kept.
    p.WriteProfileInt("Velmora", "MenstrualDays", 3);
    p.WriteProfileInt("Velmora", "CycleLength", 35);
    p.WriteProfileInt("Velmora", "Skin", 0);
    p.WriteProfileString("Velmora", "MyDiaryType", "not a number");
    LoadSettings(p, s, sounds);
    EXPECT_EQ(s.MenstrualDays, 3);
    EXPECT_EQ(s.CycleLength, 35);
    EXPECT_EQ(s.Skin, 0);
    EXPECT_EQ(s.MyDiaryType, 0);
}

TEST(SettingsTest, APlainPasswordOfAnEarlierVersionBecomesItsHashInOneWrite) {
    const std::string longer = "a much longer password than ten";
    const std::string older = HashPassword("older");
    struct Case {
        std::optional<std::string> plain, hash;  // in the file
        bool written;
        std::string matches;  // what the hash afterwards takes; "" for no password
    };
    const Case cases[] = {
        {longer, std::nullopt, true, longer},
        {"", std::nullopt, true, ""},           // no password
        {"", older, true, "older"},             // an earlier version wrote it back empty
        {"newer", older, true, "newer"},        // an earlier version set a new one
        {std::nullopt, older, false, "older"},  // converted already
    };
    for (const Case& c : cases) {
        MemoryProfileStore p;
        if (c.plain) {
            p.WriteProfileString("Velmora", "Password", *c.plain);
        }
        if (c.hash) {
            p.WriteProfileString("Velmora", "PasswordHash", *c.hash);
        }
        p.ClearWriteLog();
        VelmoraSettings s;
        bool sounds;
        LoadSettings(p, s, sounds);
        EXPECT_EQ(UpgradePlainPassword(p, s), c.written);
        EXPECT_EQ(p.Raw("Velmora", "Password"), std::nullopt);
        EXPECT_EQ(p.WriteLog().size(), c.written ? 1u + (c.plain && !c.plain->empty()) : 0u);
        if (c.matches.empty()) {
            EXPECT_EQ(s.PasswordHash, "");
        } else {
            EXPECT_TRUE(PasswordMatches(s.PasswordHash, c.matches)) << c.matches;
            EXPECT_FALSE(PasswordMatches(s.PasswordHash, c.matches.substr(1)));
            EXPECT_EQ(p.Raw("Velmora", "PasswordHash"), s.PasswordHash);
        }
    }
    // Salted: the same password never gives the same text; a damaged hash takes nothing.
    EXPECT_NE(HashPassword("same"), HashPassword("same"));
    EXPECT_FALSE(PasswordMatches(HashPassword("same").substr(0, 40), "same"));
}

// The prompt's countdown itself is driven through the prompt (tests/app/password_test.cpp).
TEST(SettingsTest, EveryWrongAnswerFromTheFifthWaitsAndAClockPutBackWaitsNoLonger) {
    const CTime t(2026, 12, 6, 10, 0, 0);
    VelmoraSettings s;
    s.PasswordFailures = kFreePasswordAnswers;
    CountWrongPassword(s, t);
    EXPECT_EQ(PasswordWaitLeft(s, t + 1), 29);
    EXPECT_EQ(PasswordWaitLeft(s, t - 3600), 30);  // the clock put back an hour
    CountRightPassword(s);
    EXPECT_EQ(PasswordWaitLeft(s, t + 1), 0);
}

TEST(SettingsTest, TheWorkingCopyFollowsTheDocumentAndGoesBack) {
    AppSettings = VelmoraSettings();
    AppSettings.CycleLength = 31;
    AppSettings.Skin = 1;
    AppSettings.WeekStarts = 0;
    CVelmoraMFCDoc doc;
    doc.OnNewDocument();
    EXPECT_EQ(TheSettingsCopy.CurrentDocument, &doc);
    EXPECT_EQ(TheSettingsCopy.CycleLength, 31);
    EXPECT_EQ(TheSettingsCopy.Skin, 1);
    EXPECT_EQ(TheSettingsCopy.WeekStarts, 0);
    TheSettingsCopy.MenstrualDays = 9;
    TheSettingsCopy.UnitsFormat = 0;
    TheSettingsCopy.DaylightSavingTime = true;
    AppSettings.MyDiaryType = 4;
    ApplySettingsCopy();
    EXPECT_EQ(AppSettings.MenstrualDays, 9);
    EXPECT_EQ(AppSettings.UnitsFormat, 0);
    EXPECT_TRUE(AppSettings.DaylightSavingTime);
    EXPECT_EQ(AppSettings.MyDiaryType, 4);  // not part of the copy
    TheSettingsCopy.CurrentDocument = nullptr;
    AppSettings = VelmoraSettings();
}

TEST(ReportDateTextTest, OrderAndSeparatorFollowTheSettings) {
    test::ScopedTimeZone tz("Asia/Kolkata");
    const CTime day(2004, 3, 5, 12, 0, 0);
    EXPECT_EQ(ReportDateText(day, 0, 0), "05.03.2004");
    EXPECT_EQ(ReportDateText(day, 1, 2), "03-05-2004");
    EXPECT_EQ(ReportDateText(day, 0, 1), "05/03/2004");
    EXPECT_EQ(ReportDateText(day, 1, 7), "03052004");
    EXPECT_EQ(ReportDateText(CTime(1999, 12, 31, 12, 0, 0), 0, 0), "31.12.1999");
}

}  // namespace
}  // namespace velmora
