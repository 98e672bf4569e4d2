#include "tools/demo/demodiary.h"

#include <random>

#include "store/velmoradoc.h"

namespace velmora {

int WriteDemoDiary(CTime first, int days, uint32_t seed) {
    std::mt19937 rng(seed);
    auto chance = [&](int percent) {
        return std::uniform_int_distribution<int>(0, 99)(rng) < percent;
    };
    auto between = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };

    CVelmoraMFCDoc doc;
    int written = 0;
    int cycleDay = between(0, 20);  // where in its cycle the diary begins
    int cycleLength = between(26, 31);
    int periodLength = between(4, 6);
    double weight = 61.0 + between(0, 40) / 10.0;
    for (int i = 0; i < days; ++i, ++cycleDay) {
        if (cycleDay >= cycleLength) {
            cycleDay = 0;
            cycleLength = between(26, 31);
            periodLength = between(4, 6);
        }
        const LocalTime lt = (first + int64_t{i} * kSecondsPerDay).Local();
        doc.ClearRecord();
        doc.m_date = CVelmoraMFCDoc::DayAtNoon(lt.year, lt.month, lt.day);
        doc.m_recordExists = false;

        if (cycleDay < periodLength) {
            doc.m_fluid = static_cast<int16_t>(
                cycleDay == 0 || cycleDay == periodLength - 1 ? 1 : (cycleDay == 1 ? 3 : 2));
            doc.m_cramps = cycleDay < 2 && chance(60);
        } else if (cycleDay >= cycleLength - 16 && cycleDay <= cycleLength - 12) {
            doc.m_fluid = static_cast<int16_t>(chance(70) ? 6 : 5);
        } else if (chance(3)) {
            doc.m_fluid = 4;
        }
        // Basal temperature: lower before ovulation, higher after, in steps of 0.05.
        if (chance(88)) {
            const bool luteal = cycleDay > cycleLength - 14;
            const int base = luteal ? 16 : 8;  // 36.80 or 36.40
            doc.m_temperature = 36.0 + 0.05 * (base + between(-2, 2));
        }
        if (i % 7 == 0) {
            weight += between(-4, 4) / 10.0;
            doc.m_weight = weight;
        }
        doc.m_pms = cycleDay > cycleLength - 5 && chance(40);
        doc.m_bloating = (doc.m_pms || cycleDay < 2) && chance(40);
        doc.m_sex = chance(18);
        doc.m_protection = doc.m_sex && chance(50);
        doc.m_sport = chance(25);
        if (doc.m_sport) {
            static const char16_t* const kSports[] = {u"Бег", u"Йога", u"Плавание"};
            doc.m_sportKind = kSports[between(0, 2)];
        }
        doc.m_ache = chance(8);
        if (doc.m_ache) {
            doc.m_acheKind = chance(50) ? u"Голова" : u"Спина";
        }
        doc.m_doctor = chance(2);
        if (chance(8)) {
            static const char16_t* const kNotes[] = {
                u"Tired in the afternoon, early night.", u"Good day, lots of energy.",
                u"Headache in the morning.", u"Long walk by the river."};
            doc.m_note = kNotes[between(0, 3)];
        }
        if (chance(5)) {
            static const char16_t* const kDiary[] = {u"Haircut at 10:00", u"Facial",   u"Nails",
                                                     u"Pilates class",    u"Check-up", u"Call mum"};
            const int kind = between(1, 6);
            doc.m_diaryType[0] = static_cast<int16_t>(kind);
            doc.m_diaryText[0] = kDiary[kind - 1];
        }
        // A pill reminder on period days, and some appointments.
        if (cycleDay == 0 || chance(3)) {
            doc.m_alarm = true;
            doc.m_alarmType[0] = static_cast<uint16_t>(cycleDay == 0 ? 7 : between(1, 9));
            doc.m_alarmTime[0] =
                CTime(lt.year, lt.month, lt.day, 8 + between(0, 10), between(0, 3) * 15, 0);
        }
        if (doc.SaveRecord()) {
            ++written;
        }
    }
    return written;
}

}  // namespace velmora
