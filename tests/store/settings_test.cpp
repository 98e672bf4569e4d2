#include <gtest/gtest.h>

#include "store/names.h"
#include "store/password.h"
#include "store/settings.h"

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
    EXPECT_EQ(p.WriteLog().size(), 15u);
    VelmoraSettings back;
    bool sounds = true;
    LoadSettings(p, back, sounds);
    EXPECT_EQ(back, s);
    EXPECT_FALSE(sounds);
    EXPECT_EQ(ReportDateText(CTime(2004, 3, 5, 12, 0, 0), 1, 2), "03-05-2004");
    AppSettings = s;  // the Settings screen starts from a copy of every value
    FillSettingsCopy();
    EXPECT_EQ(std::pair(TheSettingsCopy.DateSeparator, TheSettingsCopy.Zoom), std::pair(2, 3));
    AppSettings = VelmoraSettings();
}

// Values outside their lists read as the defaults, bounds are kept, and a flag is on for any
// value but zero and written back as 1.
TEST(SettingsTest, ValuesOutsideTheirListsReadAsDefaultsAndFlagsAreOnForAnyNonZeroValue) {
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
    p.WriteProfileString("Velmora", "PasswordWaitUntil", "1e3");  // not seconds: none
    VelmoraSettings s;
    s.PasswordHash = "x";
    bool sounds = false;
    LoadSettings(p, s, sounds);
    EXPECT_EQ(s, VelmoraSettings());
    EXPECT_TRUE(sounds);

    p.WriteProfileInt("Velmora", "DaylightSavingTime", 7);
    p.WriteProfileInt("Velmora", "Sounds", -3);
    p.WriteProfileInt("Velmora", "MenstrualDays", 3);
    p.WriteProfileInt("Velmora", "CycleLength", 35);
    p.WriteProfileInt("Velmora", "Skin", 0);
    p.WriteProfileString("Velmora", "MyDiaryType", "not a number");
    p.WriteProfileString("Velmora", "PasswordWaitUntil", "1700000000");
    sounds = false;
    LoadSettings(p, s, sounds);
    EXPECT_EQ(std::tuple(s.MenstrualDays, s.CycleLength, s.Skin, s.MyDiaryType,
                         s.DaylightSavingTime, sounds, s.PasswordWaitUntil),
              std::tuple(3, 35, 0, 0, true, true, 1700000000));
    SaveSettings(p, s, sounds);
    EXPECT_EQ(p.Raw("Velmora", "DaylightSavingTime"), "1");
    EXPECT_EQ(p.Raw("Velmora", "Sounds"), "1");
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

}  // namespace
}  // namespace velmora
