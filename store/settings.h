#pragma once

#include <cstdint>
#include <string>

#include "platform/profile.h"

namespace velmora {

class CVelmoraMFCDoc;

// The program's options, named as their stored values. Loaded once at start-up, written
// once at exit.
struct VelmoraSettings {
    int MenstrualDays = 5;  // 3-12: typical bleeding length in days
    int CycleLength = 28;   // 23-35: typical cycle length in days
    int DateFormat = 0;     // 0 day/month/year, 1 month/day/year
    int TimeFormat = 0;     // 0 24-hour, 1 12-hour with AM/PM
    int DateSeparator = 0;  // 0 ".", 1 "/", 2 "-"
    int WeekStarts = 1;     // 0 Sunday, 1 Monday
    int UnitsFormat = 1;    // 0 English (F, lb), 1 Metric (C, kg): see IsMetric
    int MyDiaryType = 0;    // 0-5: note kind last chosen in My Diary
    // The password's Argon2id hash (store/password.h); empty = no password. The password
    // itself is never stored.
    std::string PasswordHash;
    bool DaylightSavingTime = false;
    int Skin = 3;      // 0 Animals ... 3 Floral ... 6 Nature
    int Language = 0;  // the screens' language: kLanguageSystem, kLanguageEnglish, kLanguageRussian
    int Zoom = 0;      // kZoomAutomatic, or 1-4 device pixels per pixel of the screens
    // The Temperature Chart shows the temperature shift (its coverline and third higher day).
    bool TemperatureShift = false;
    // Wrong answers in a row at the start-up prompt, and the moment (seconds since 1970)
    // before which it takes no answer. Written when they change (SavePasswordAttempts), so
    // that a restart does not start the count again.
    int PasswordFailures = 0;
    int64_t PasswordWaitUntil = 0;

    bool operator==(const VelmoraSettings&) const = default;
};

// Metric units (Celsius, kilograms, metres) for UnitsFormat 1; English for anything else.
// Every screen asks this one question, so headers and values never disagree.
constexpr bool IsMetric(int unitsFormat) {
    return unitsFormat == 1;
}

// Where the values live in the profile store.
inline constexpr const char* kSettingsSection = "Velmora";

// The application's settings record and the interface-sounds flag.
extern VelmoraSettings AppSettings;
extern bool SoundsEnabled;

// The working copy that the Program Settings screen edits, plus the current document.
// Outside that screen it holds the same values as AppSettings.
struct SettingsCopy {
    int CycleLength = 28;
    int UnitsFormat = 1;
    int DateFormat = 0;
    int DateSeparator = 0;
    int Skin = 3;
    int MenstrualDays = 5;
    bool DaylightSavingTime = false;
    int TimeFormat = 0;
    int WeekStarts = 1;
    int Language = 0;
    int Zoom = 0;
    CVelmoraMFCDoc* CurrentDocument = nullptr;
};
extern SettingsCopy TheSettingsCopy;

// Reads every value, in order, with its default. A value outside its range or list (a file
// edited by hand) reads as its default; the two flags are on for any non-zero value.
void LoadSettings(IProfileStore& profile, VelmoraSettings& settings, bool& sounds);
// Writes every value, changed or not, in order, and makes them durable. The prompt's count
// of wrong answers is not among them (see SavePasswordAttempts).
bool SaveSettings(IProfileStore& profile, const VelmoraSettings& settings, bool sounds);
// A settings file of an earlier version keeps the password as plain text ("Password"): it
// becomes its hash, and the plain value is removed, in one write of the settings. True when
// the settings were changed (and `settings` holds the hash).
bool UpgradePlainPassword(IProfileStore& profile, VelmoraSettings& settings);
// The hash of a run whose plain password could not be converted: no answer matches it.
inline constexpr const char* kUncheckablePassword = "!";
// Writes the prompt's count of wrong answers and its wait, and makes them durable.
bool SavePasswordAttempts(IProfileStore& profile, const VelmoraSettings& settings);
// Remembers the type of the alarm the program was scheduled to start for.
bool SaveAlarmType(IProfileStore& profile, int alarmType);

// Copies AppSettings into the working copy, and the working copy back.
void FillSettingsCopy();
void ApplySettingsCopy();

// Allowed ranges, shared with the Program Settings screen.
inline constexpr int kMinMenstrualDays = 3, kMaxMenstrualDays = 12;
inline constexpr int kMinCycleLength = 23, kMaxCycleLength = 35;
inline constexpr int kSkinCount = 7;
inline constexpr int kDiaryKindCount = 6;
// The Language values: follow the system's language, or one language always.
inline constexpr int kLanguageSystem = 0;
inline constexpr int kLanguageEnglish = 1;
inline constexpr int kLanguageRussian = 2;
inline constexpr int kLanguageChoiceCount = 3;
// The Zoom values: fit the screen, or a whole number of device pixels per pixel.
inline constexpr int kZoomAutomatic = 0;
inline constexpr int kZoomChoiceCount = 5;  // automatic, 1, 2, 3, 4

}  // namespace velmora
