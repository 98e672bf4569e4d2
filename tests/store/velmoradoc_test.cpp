// A day of the diary in the store: every field saved and read back, values another tool
// wrote, saves that fail, the walks over the days, dates across time zones.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>

#include "platform/clock.h"
#include "tests/store/diarydays.h"
#include "tests/support/faultvfs.h"

namespace velmora {
namespace {

class DocTest : public test::StoreTest {
protected:
    test::ScopedTimeZone tz{"Europe/Moscow"};
};

void FillEverything(CVelmoraMFCDoc& d) {
    d.m_ache = d.m_sex = d.m_sport = d.m_doctor = d.m_bloating = true;
    d.m_protection = d.m_pms = d.m_cramps = d.m_alarm = true;
    d.m_acheKind = u"Голова";
    d.m_sportKind = u"Бег";
    for (int k = 0; k < 4; ++k) {
        d.m_alarmType[k] = static_cast<uint16_t>(k + 1);
        d.m_alarmTime[k] = CTime(2026, 12, 6, 8 + k, 5 * k, 0);
        d.m_diaryType[k] = static_cast<int16_t>(k + 2);
        d.m_diaryText[k] = u"entry " + std::u16string(1, static_cast<char16_t>(u'A' + k));
    }
    d.m_fluid = 2;
    d.m_temperature = 36.6;
    d.m_weight = 61.25;
    d.m_note = u"A note with\nlines";
}

// Every field of a day but its date.
auto Fields(const CVelmoraMFCDoc& d) {
    return std::tie(d.m_ache, d.m_acheKind, d.m_sex, d.m_sport, d.m_sportKind, d.m_doctor,
                    d.m_bloating, d.m_protection, d.m_pms, d.m_cramps, d.m_alarm, d.m_alarmType,
                    d.m_alarmTime, d.m_fluid, d.m_temperature, d.m_weight, d.m_note, d.m_diaryType,
                    d.m_diaryText);
}

TEST_F(DocTest, AMissingDayHasTheDefaultsAndASavedOneKeepsEveryField) {
    const CTime now(2026, 12, 6, 9, 41, 0);
    ScopedClockPin pin(now);
    CVelmoraMFCDoc doc;
    FillEverything(doc);
    EXPECT_FALSE(doc.OpenDay(2026, 12, 6));
    EXPECT_FALSE(doc.m_recordExists);
    EXPECT_EQ(doc.m_date, CTime(2026, 12, 6, 12, 0, 0));
    EXPECT_FALSE(doc.m_ache || doc.m_sex || doc.m_sport || doc.m_doctor || doc.m_bloating ||
                 doc.m_protection || doc.m_pms || doc.m_cramps || doc.m_alarm);
    EXPECT_EQ(std::tie(doc.m_fluid, doc.m_temperature, doc.m_weight, doc.m_note),
              std::make_tuple(0, 0.0, 0.0, std::u16string()));
    EXPECT_EQ(doc.m_alarmType, (std::array<uint16_t, 4>{}));
    EXPECT_EQ(doc.m_alarmTime, (std::array<CTime, 4>{now, now, now, now}));
    EXPECT_EQ(doc.m_diaryType, (std::array<int16_t, 4>{}));
    EXPECT_EQ(doc.m_diaryText, (std::array<std::u16string, 4>{}));

    FillEverything(doc);
    ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    EXPECT_FALSE(doc.m_db.IsOpen());  // a save closes the store
    CVelmoraMFCDoc back, want;
    FillEverything(want);
    ASSERT_TRUE(back.OpenDay(2026, 12, 6));
    EXPECT_TRUE(back.m_recordExists);
    EXPECT_EQ(back.m_date, CTime(2026, 12, 6, 12, 0, 0));
    EXPECT_EQ(Fields(back), Fields(want));  // the temperature exactly the list's 36.6
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(DocTest, SavingADayAgainReplacesItsRecordWithEveryField) {
    CVelmoraMFCDoc doc;
    doc.OpenDay(2026, 7, 14);
    for (double t : {36.0, 36.2}) {
        doc.m_temperature = t;
        ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    }
    doc.m_weight = 70.5;
    doc.m_diaryType = {1, 0, 6, 0};
    doc.m_diaryText[0] = u"hair";
    ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);  // again without opening the day
    const std::map<int, int> one{{test::DayNumber(CVelmoraMFCDoc::DayAtNoon(2026, 7, 14)), 1}};
    EXPECT_EQ(test::RecordsPerDay(), one);
    CVelmoraMFCDoc back;
    ASSERT_TRUE(back.OpenDay(2026, 7, 14));
    EXPECT_EQ(std::tie(back.m_temperature, back.m_weight, back.m_diaryText[0], back.m_diaryType[2]),
              std::make_tuple(36.2, 70.5, std::u16string(u"hair"), int16_t{6}));
}

// Another tool writes codes the lists do not have, a temperature that is no number, or
// leaves a record short: the day reads without them.
TEST_F(DocTest, StoredValuesOutsideTheirListsReadAsZeroAndAShortRecordRepeatsItsLast) {
    CVelmoraMFCDoc doc;
    doc.OpenDay(2026, 10, 10);
    doc.m_alarm = true;
    doc.m_alarmType = {1, 2, 3, 4};
    ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    ObjectStore::CloseThreadConnection();
    test::Sql(
        "UPDATE props SET value = 9 WHERE prop = 12;"
        "UPDATE props SET value = 99 WHERE prop = 18;"
        "UPDATE props SET value = -4 WHERE prop = 20;"
        "UPDATE props SET value = x'0C00FFFF03000A00' WHERE prop = 1;"
        "UPDATE props SET value = 'warm' WHERE prop = 15;");
    CVelmoraMFCDoc back;
    ASSERT_TRUE(back.OpenDay(2026, 10, 10));
    EXPECT_EQ(back.m_fluid, 0);
    EXPECT_EQ(back.m_diaryType[0], 0);
    EXPECT_EQ(back.m_diaryType[1], 0);
    EXPECT_EQ(back.m_alarmType, (std::array<uint16_t, 4>{0, 0, 3, 0}));
    EXPECT_EQ(back.m_temperature, 0.0);

    doc.OpenDay(2026, 11, 11);
    doc.m_fluid = 3;
    ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    ObjectStore::CloseThreadConnection();
    test::Sql("DELETE FROM props WHERE prop > 12 AND record = " +
              std::to_string(doc.StoredRecordId()));
    CVelmoraMFCDoc cut;
    ASSERT_TRUE(cut.OpenDay(2026, 11, 11));
    EXPECT_EQ(cut.m_props.GetCount(), 13u);
    EXPECT_EQ(cut.m_fluid, 3);
    EXPECT_TRUE(cut.m_alarm);  // property 13 reads property 12's value: 3, not zero
    EXPECT_EQ(cut.m_temperature, 0.0);
    EXPECT_TRUE(cut.m_note.empty());
}

TEST_F(DocTest, AFailedSaveKeepsTheOldRecordAndSaysWhichStepFailed) {
    test::FaultVfs vfs;
    CVelmoraMFCDoc doc, back;
    doc.OpenDay(2026, 6, 1);
    doc.m_weight = 50;
    ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    ASSERT_TRUE(doc.OpenDay(2026, 6, 1));
    doc.m_weight = 51;
    vfs.FailWrites(SQLITE_FULL);
    EXPECT_EQ(doc.SaveDay(), SaveDayResult::AddFailed);
    vfs.Heal();
    const std::map<int, int> one{{test::DayNumber(CVelmoraMFCDoc::DayAtNoon(2026, 6, 1)), 1}};
    for (double stored : {50, 51}) {
        ASSERT_TRUE(back.OpenDay(2026, 6, 1));
        EXPECT_EQ(back.m_weight, stored);
        EXPECT_EQ(test::RecordsPerDay(), one);
        // Once there is room again, the same save goes through.
        EXPECT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    }
}

// A read that fails at any point of a save (the k-th read from a cold start, for every k up
// to the save's last read) leaves the day with exactly one record, the old one unless the
// save says it was saved, and the result names the step that failed. The reads before and
// after the failing one succeed, so a step that went on regardless would be seen.
TEST_F(DocTest, AReadFailingAnywhereInASaveLeavesOneRecordAndNamesTheStep) {
    test::FaultVfs vfs;
    double stored = 40;
    // Saves the day with a new weight from a cold start, the read after `reads` failing.
    auto save = [&](int reads) {
        CVelmoraMFCDoc doc;
        doc.OpenDay(2026, 6, 1);
        doc.m_db.Close();
        ObjectStore::CloseThreadConnection();  // every page is read afresh
        doc.m_weight = stored + 1;
        vfs.Heal();
        if (reads >= 0) {
            vfs.FailOneReadAfter(reads, SQLITE_IOERR_READ);
        }
        const SaveDayResult result = doc.SaveDay();
        const int made = vfs.ReadCount();
        vfs.Heal();
        ObjectStore::CloseThreadConnection();
        if (result == SaveDayResult::Saved) {
            stored = doc.m_weight;
        }
        return std::pair(result, made);
    };
    const int reads = save(-1).second;
    ASSERT_GT(reads, 5);
    const std::map<int, int> one{{test::DayNumber(CVelmoraMFCDoc::DayAtNoon(2026, 6, 1)), 1}};
    std::set<SaveDayResult> steps;
    for (int k = 0; k < reads; ++k) {
        SCOPED_TRACE(k);
        steps.insert(save(k).first);
        ASSERT_EQ(test::RecordsPerDay(), one);
        CVelmoraMFCDoc back;
        ASSERT_TRUE(back.OpenDay(2026, 6, 1));
        EXPECT_EQ(back.m_weight, stored);
    }
    // Faults were met in opening and in looking for the old record.
    EXPECT_EQ(steps.count(SaveDayResult::OpenFailed), 1u);
    EXPECT_EQ(steps.count(SaveDayResult::DeleteFailed), 1u);
}

// The narrowed walks read only their days, through the file's indexes, and visit exactly
// the days a full walk would pick out, in the order they were written; a walk stops where
// its visitor asks, and the next walk goes over everything again.
TEST_F(DocTest, WalksOfAllADateRangeOrTheAlarmDaysVisitTheirDaysInWrittenOrder) {
    test::ScopedTimeZone berlin("Europe/Berlin");  // a day of 23 and one of 25 hours
    CVelmoraMFCDoc doc;
    EXPECT_FALSE(doc.ForEachDay([](CVelmoraMFCDoc&) { return true; }));  // no store yet
    // (month, day, alarm box, alarm type)
    const int saves[][4] = {{3, 30, 1, 2},  {3, 28, 0, 0},  {10, 26, 1, 0},
                            {3, 29, 0, 0},  {10, 24, 1, 9}, {3, 28, 1, 7},
                            {10, 25, 0, 0}, {3, 30, 0, 0},  {1, 1, 1, 1}};
    for (const auto& s : saves) {
        doc.OpenDay(2026, s[0], s[1]);
        doc.m_alarm = s[2];
        doc.m_alarmType[1] = static_cast<uint16_t>(s[3]);
        ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    }
    using Seen = std::tuple<RecordId, CTime, bool>;
    auto collect = [](std::vector<Seen>& out, size_t stopAfter = SIZE_MAX) {
        return [&out, stopAfter](CVelmoraMFCDoc& d) {
            out.emplace_back(d.StoredRecordId(), d.m_date, d.m_alarm);
            return out.size() < stopAfter;
        };
    };
    std::vector<Seen> all;
    CVelmoraMFCDoc scan;
    ASSERT_TRUE(scan.ForEachDay(collect(all)));
    std::vector<int> days;
    for (const Seen& s : all) {
        days.push_back(std::get<1>(s).GetDay());
    }
    EXPECT_EQ(days, (std::vector<int>{26, 29, 24, 28, 25, 30, 1}));  // re-saved days come last

    const CTime noon28 = CVelmoraMFCDoc::DayAtNoon(2026, 3, 28);
    const CTime noon30 = CVelmoraMFCDoc::DayAtNoon(2026, 3, 30);
    const CTime ranges[][2] = {
        {noon28, noon30},          // both ends are stored instants
        {noon28 + 1, noon30 - 1},  // a second inside each
        {noon28 - 1, noon28},      // one day at the very end
        {noon30, noon30 + 20 * kSecondsPerDay},
        {CTime(2026, 10, 25, 0, 0, 0), CTime(2026, 10, 26, 0, 0, 0)},  // the 25-hour day
        {CTime(2020, 1, 1, 0, 0, 0), CTime(2030, 1, 1, 0, 0, 0)},      // every day
        {noon30, noon28},                                              // empty
    };
    for (const auto& [first, last] : ranges) {
        std::vector<Seen> want, got;
        for (const Seen& s : all) {
            if (std::get<1>(s) >= first && std::get<1>(s) <= last) {
                want.push_back(s);
            }
        }
        EXPECT_TRUE(scan.ForEachDayIn(first, last, collect(got)));
        EXPECT_TRUE(scan.LastWalkComplete());
        EXPECT_EQ(got, want) << first.GetTime() << " to " << last.GetTime();
    }
    std::vector<Seen> flagged, want;
    EXPECT_TRUE(scan.ForEachDayWithAlarms(collect(flagged)));
    std::copy_if(all.begin(), all.end(), std::back_inserter(want),
                 [](const Seen& s) { return std::get<2>(s); });
    EXPECT_EQ(flagged, want);
    EXPECT_EQ(flagged.size(), 4u);

    // Stopped early, then every day again.
    std::vector<Seen> firstTwo, again;
    EXPECT_TRUE(scan.ForEachDayIn(CTime(2020, 1, 1, 0, 0, 0), CTime(2030, 1, 1, 0, 0, 0),
                                  collect(firstTwo, 2)));
    EXPECT_EQ(firstTwo, std::vector<Seen>(all.begin(), all.begin() + 2));
    EXPECT_TRUE(scan.ForEachDay(collect(again)));
    EXPECT_EQ(again, all);
}

// A day at noon and an alarm at 09:15, loaded and saved twenty times, keep their date, hour
// and minute in zones with summer time, half-hour offsets and offsets beyond 12 hours.
TEST_F(DocTest, TwentySavesChangeNeitherTheDayNorTheAlarm) {
    const std::pair<const char*, int> cases[] = {
        {"Europe/Berlin", 7}, {"Asia/Kolkata", 3}, {"Pacific/Kiritimati", 6}};
    int day = 0;  // a day of its own for each case: the store is shared
    for (const auto& [zone, month] : cases) {
        SCOPED_TRACE(zone);
        test::ScopedTimeZone tz(zone);
        ++day;
        CVelmoraMFCDoc d;
        d.OpenDay(2026, month, day);
        d.m_alarm = true;
        d.m_alarmType[1] = 7;
        d.m_alarmTime[1] = CTime(2026, month, day, 9, 15, 0);
        for (int i = 0; i < 20; ++i) {
            ASSERT_EQ(d.SaveDay(), SaveDayResult::Saved);
            ASSERT_TRUE(d.OpenDay(2026, month, day)) << i;
            const LocalTime date = d.m_date.Local(), alarm = d.m_alarmTime[1].Local();
            ASSERT_EQ(
                std::tuple(date.day, date.hour, date.minute, alarm.day, alarm.hour, alarm.minute),
                std::tuple(day, 12, 0, day, 9, 15))
                << i;
        }
    }
}

}  // namespace
}  // namespace velmora
