#include "store/settings.h"

#include <charconv>

#include "store/password.h"

namespace velmora {

VelmoraSettings AppSettings;
bool SoundsEnabled = true;
SettingsCopy TheSettingsCopy;

namespace {

int ReadRanged(IProfileStore& p, const char* entry, int def, int lo, int hi) {
    const int v = p.GetProfileInt(kSettingsSection, entry, def);
    return v >= lo && v <= hi ? v : def;
}

// Seconds since 1970, from 0 to the year 36812; 0 for anything else.
int64_t ReadSeconds(IProfileStore& p, const char* entry) {
    const std::string text = p.GetProfileString(kSettingsSection, entry, "0");
    int64_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    return ec == std::errc() && end == text.data() + text.size() && v >= 0 && v < (int64_t{1} << 40)
               ? v
               : 0;
}

constexpr const char* kPlainPassword = "Password";  // earlier versions only

}  // namespace

void LoadSettings(IProfileStore& p, VelmoraSettings& s, bool& sounds) {
    const VelmoraSettings d;
    s.MenstrualDays =
        ReadRanged(p, "MenstrualDays", d.MenstrualDays, kMinMenstrualDays, kMaxMenstrualDays);
    s.CycleLength = ReadRanged(p, "CycleLength", d.CycleLength, kMinCycleLength, kMaxCycleLength);
    s.DateFormat = ReadRanged(p, "DateFormat", d.DateFormat, 0, 1);
    s.TimeFormat = ReadRanged(p, "TimeFormat", d.TimeFormat, 0, 1);
    s.DateSeparator = ReadRanged(p, "DateSeparator", d.DateSeparator, 0, 2);
    s.WeekStarts = ReadRanged(p, "WeekStarts", d.WeekStarts, 0, 1);
    s.UnitsFormat = ReadRanged(p, "UnitsFormat", d.UnitsFormat, 0, 1);
    s.MyDiaryType = ReadRanged(p, "MyDiaryType", d.MyDiaryType, 0, kDiaryKindCount - 1);
    s.PasswordHash = p.GetProfileString(kSettingsSection, "PasswordHash", d.PasswordHash);
    s.DaylightSavingTime = p.GetProfileInt(kSettingsSection, "DaylightSavingTime", 0) != 0;
    sounds = p.GetProfileInt(kSettingsSection, "Sounds", 1) != 0;
    s.Skin = ReadRanged(p, "Skin", d.Skin, 0, kSkinCount - 1);
    s.Language = ReadRanged(p, "Language", d.Language, 0, kLanguageChoiceCount - 1);
    s.Zoom = ReadRanged(p, "Zoom", d.Zoom, 0, kZoomChoiceCount - 1);
    s.TemperatureShift = ReadRanged(p, "TemperatureShift", 0, 0, 1) != 0;
    s.PasswordFailures = ReadRanged(p, "PasswordFailures", 0, 0, 1000000);
    s.PasswordWaitUntil = ReadSeconds(p, "PasswordWaitUntil");
}

bool SaveSettings(IProfileStore& p, const VelmoraSettings& s, bool sounds) {
    const char* sec = kSettingsSection;
    bool ok = p.WriteProfileInt(sec, "MenstrualDays", s.MenstrualDays);
    ok &= p.WriteProfileInt(sec, "CycleLength", s.CycleLength);
    ok &= p.WriteProfileInt(sec, "DateFormat", s.DateFormat);
    ok &= p.WriteProfileInt(sec, "TimeFormat", s.TimeFormat);
    ok &= p.WriteProfileInt(sec, "DateSeparator", s.DateSeparator);
    ok &= p.WriteProfileInt(sec, "WeekStarts", s.WeekStarts);
    ok &= p.WriteProfileInt(sec, "UnitsFormat", s.UnitsFormat);
    ok &= p.WriteProfileInt(sec, "MyDiaryType", s.MyDiaryType);
    ok &= p.WriteProfileString(sec, "PasswordHash", s.PasswordHash);
    ok &= p.WriteProfileInt(sec, "DaylightSavingTime", s.DaylightSavingTime ? 1 : 0);
    ok &= p.WriteProfileInt(sec, "Sounds", sounds ? 1 : 0);
    ok &= p.WriteProfileInt(sec, "Skin", s.Skin);
    ok &= p.WriteProfileInt(sec, "Language", s.Language);
    ok &= p.WriteProfileInt(sec, "Zoom", s.Zoom);
    ok &= p.WriteProfileInt(sec, "TemperatureShift", s.TemperatureShift ? 1 : 0);
    ok &= p.Flush();
    return ok;
}

bool UpgradePlainPassword(IProfileStore& p, VelmoraSettings& s) {
    if (!p.HasProfileValue(kSettingsSection, kPlainPassword)) {
        return false;
    }
    const std::string plain = p.GetProfileString(kSettingsSection, kPlainPassword, "");
    // An empty plain value meant no password; a hash written since (by this version, before
    // an earlier one ran) stays. A plain one is the newer word: an earlier version set it.
    if (!plain.empty()) {
        std::string hash = HashPassword(plain);
        if (hash.empty()) {
            // No memory for the hash: the plain value stays for the next start, and this run
            // takes no answer rather than none at all.
            s.PasswordHash = std::string(kUncheckablePassword);
            return false;
        }
        s.PasswordHash = std::move(hash);
        p.WriteProfileString(kSettingsSection, "PasswordHash", s.PasswordHash);
    }
    p.RemoveProfileValue(kSettingsSection, kPlainPassword);
    return p.Flush();
}

bool SavePasswordAttempts(IProfileStore& p, const VelmoraSettings& s) {
    char until[24];
    const auto end = std::to_chars(until, until + sizeof until, s.PasswordWaitUntil).ptr;
    bool ok = p.WriteProfileInt(kSettingsSection, "PasswordFailures", s.PasswordFailures);
    ok &= p.WriteProfileString(kSettingsSection, "PasswordWaitUntil", std::string(until, end));
    return ok && p.Flush();
}

bool SaveAlarmType(IProfileStore& p, int alarmType) {
    return p.WriteProfileInt(kSettingsSection, "AlarmType", alarmType) && p.Flush();
}

void FillSettingsCopy() {
    SettingsCopy& c = TheSettingsCopy;
    const VelmoraSettings& s = AppSettings;
    c.CycleLength = s.CycleLength;
    c.UnitsFormat = s.UnitsFormat;
    c.DateFormat = s.DateFormat;
    c.DateSeparator = s.DateSeparator;
    c.Skin = s.Skin;
    c.MenstrualDays = s.MenstrualDays;
    c.DaylightSavingTime = s.DaylightSavingTime;
    c.TimeFormat = s.TimeFormat;
    c.WeekStarts = s.WeekStarts;
    c.Language = s.Language;
    c.Zoom = s.Zoom;
}

void ApplySettingsCopy() {
    const SettingsCopy& c = TheSettingsCopy;
    VelmoraSettings& s = AppSettings;
    s.MenstrualDays = c.MenstrualDays;
    s.CycleLength = c.CycleLength;
    s.DateFormat = c.DateFormat;
    s.TimeFormat = c.TimeFormat;
    s.DateSeparator = c.DateSeparator;
    s.WeekStarts = c.WeekStarts;
    s.UnitsFormat = c.UnitsFormat;
    s.DaylightSavingTime = c.DaylightSavingTime;
    s.Skin = c.Skin;
    s.Language = c.Language;
    s.Zoom = c.Zoom;
}

}  // namespace velmora
