#include "bench/benchdata.h"

#include <cstdlib>
#include <filesystem>
#include <random>

#include "store/velmoradoc.h"

namespace velmora::bench {

std::string UseTemporaryHome() {
    static std::string root;
    if (root.empty()) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "velmora-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::abort();
        }
        root = pattern;
        setenv("XDG_DATA_HOME", (root + "/data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(root, ec);
        });
    }
    return root;
}

void WriteDemoYears(CTime first, int days) {
    std::mt19937 rng(1995);
    auto chance = [&](int percent) {
        return std::uniform_int_distribution<int>(0, 99)(rng) < percent;
    };
    CVelmoraMFCDoc doc;
    int nextPeriod = 3;
    int periodLeft = 0;
    double weight = 62.0;
    for (int i = 0; i < days; ++i) {
        doc.ClearRecord();
        const CTime day = first + int64_t{i} * kSecondsPerDay;
        const LocalTime lt = day.Local();
        doc.m_date = CVelmoraMFCDoc::DayAtNoon(lt.year, lt.month, lt.day);
        if (i == nextPeriod) {
            periodLeft = std::uniform_int_distribution<int>(4, 6)(rng);
            nextPeriod += std::uniform_int_distribution<int>(26, 31)(rng);
        }
        if (periodLeft > 0) {
            doc.m_fluid = static_cast<int16_t>(periodLeft >= 4 ? 2 : (periodLeft == 1 ? 1 : 3));
            --periodLeft;
        } else if (chance(8)) {
            doc.m_fluid = static_cast<int16_t>(std::uniform_int_distribution<int>(4, 6)(rng));
        }
        if (chance(85)) {
            doc.m_temperature = 36.0 + 0.05 * std::uniform_int_distribution<int>(6, 24)(rng);
        }
        if (i % 7 == 0) {
            weight += std::uniform_real_distribution<double>(-0.4, 0.4)(rng);
            doc.m_weight = weight;
        }
        doc.m_sex = chance(20);
        doc.m_sport = chance(25);
        if (doc.m_sport) {
            doc.m_sportKind = u"Бег";
        }
        doc.m_ache = chance(10);
        if (doc.m_ache) {
            doc.m_acheKind = u"Голова";
        }
        doc.m_bloating = chance(10);
        doc.m_pms = chance(10);
        doc.m_cramps = chance(8);
        doc.m_protection = chance(15);
        doc.m_doctor = chance(2);
        if (chance(10)) {
            doc.m_note = u"Felt tired in the afternoon, went to bed early.";
        }
        if (chance(6)) {
            doc.m_diaryType[0] =
                static_cast<int16_t>(std::uniform_int_distribution<int>(1, 6)(rng));
            doc.m_diaryText[0] = u"Appointment at ten";
        }
        if (chance(5)) {
            doc.m_alarm = true;
            doc.m_alarmType[0] = 7;
            doc.m_alarmTime[0] = doc.m_date - 3 * 3600;
        }
        doc.SaveRecord();
    }
}

}  // namespace velmora::bench
