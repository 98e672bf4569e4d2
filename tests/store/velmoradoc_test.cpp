#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <map>
#include <set>

#include "platform/clock.h"
#include "platform/datapaths.h"
#include "platform/process.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "tests/support/faultvfs.h"
#include "tests/support/testenv.h"

namespace velmora {
namespace {

class DocTest : public test::StoreTest {
protected:
    DocTest() : tz("Europe/Moscow") { AppSettings = VelmoraSettings(); }

    // Every stored day, by local date, with how many records it has.
    static std::map<std::tuple<int, int, int>, int> RecordsPerDay() {
        std::map<std::tuple<int, int, int>, int> out;
        CVelmoraMFCDoc scan;
        scan.ForEachDay([&](CVelmoraMFCDoc& d) {
            const LocalTime lt = d.m_date.Local();
            ++out[{lt.year, lt.month, lt.day}];
            return true;
        });
        return out;
    }

    // Runs SQL on the store file directly, as another tool would.
    static void Sql(const std::string& sql) {
        ObjectStore::CloseThreadConnection();
        sqlite3* raw = nullptr;
        ASSERT_EQ(sqlite3_open(DataPaths::StoreFile().c_str(), &raw), SQLITE_OK);
        char* err = nullptr;
        EXPECT_EQ(sqlite3_exec(raw, sql.c_str(), nullptr, nullptr, &err), SQLITE_OK)
            << (err ? err : "");
        sqlite3_free(err);
        sqlite3_close(raw);
    }

    test::ScopedTimeZone tz;
};

void FillEverything(CVelmoraMFCDoc& d) {
    d.m_ache = true;
    d.m_acheKind = u"Голова";
    d.m_sex = true;
    d.m_sport = true;
    d.m_sportKind = u"Бег";
    d.m_doctor = true;
    d.m_bloating = true;
    d.m_protection = true;
    d.m_pms = true;
    d.m_cramps = true;
    d.m_alarm = true;
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

TEST_F(DocTest, ADayKeepsEveryFieldThroughSaveAndOpen) {
    ScopedClockPin now(CTime(2026, 12, 6, 15, 0, 0));
    CVelmoraMFCDoc doc;
    EXPECT_FALSE(doc.OpenDay(2026, 12, 6));
    EXPECT_FALSE(doc.m_recordExists);
    EXPECT_EQ(doc.m_date, CTime(2026, 12, 6, 12, 0, 0));
    FillEverything(doc);
    ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    EXPECT_FALSE(doc.m_db.IsOpen());  // a save closes the store

    CVelmoraMFCDoc back;
    ASSERT_TRUE(back.OpenDay(2026, 12, 6));
    EXPECT_TRUE(back.m_recordExists);
    CVelmoraMFCDoc want;
    want.ClearRecord();
    FillEverything(want);
    EXPECT_EQ(back.m_date, CTime(2026, 12, 6, 12, 0, 0));
    EXPECT_EQ(back.m_ache, want.m_ache);
    EXPECT_EQ(back.m_acheKind, want.m_acheKind);
    EXPECT_EQ(back.m_sex, want.m_sex);
    EXPECT_EQ(back.m_sport, want.m_sport);
    EXPECT_EQ(back.m_sportKind, want.m_sportKind);
    EXPECT_EQ(back.m_doctor, want.m_doctor);
    EXPECT_EQ(back.m_bloating, want.m_bloating);
    EXPECT_EQ(back.m_protection, want.m_protection);
    EXPECT_EQ(back.m_pms, want.m_pms);
    EXPECT_EQ(back.m_cramps, want.m_cramps);
    EXPECT_EQ(back.m_alarm, want.m_alarm);
    EXPECT_EQ(back.m_alarmType, want.m_alarmType);
    EXPECT_EQ(back.m_alarmTime, want.m_alarmTime);
    EXPECT_EQ(back.m_fluid, want.m_fluid);
    EXPECT_EQ(back.m_temperature, 36.6);  // exactly the list's value
    EXPECT_EQ(back.m_weight, want.m_weight);
    EXPECT_EQ(back.m_note, want.m_note);
    EXPECT_EQ(back.m_diaryType, want.m_diaryType);
    EXPECT_EQ(back.m_diaryText, want.m_diaryText);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(DocTest, AnEmptyDayHasTheDefaults) {
    const CTime now(2026, 12, 6, 9, 41, 0);
    ScopedClockPin pin(now);
    CVelmoraMFCDoc doc;
    FillEverything(doc);
    doc.ClearRecord();
    EXPECT_FALSE(doc.m_ache || doc.m_sex || doc.m_sport || doc.m_doctor || doc.m_bloating ||
                 doc.m_protection || doc.m_pms || doc.m_cramps || doc.m_alarm);
    EXPECT_EQ(doc.m_acheKind, u"Ache");
    EXPECT_EQ(doc.m_sportKind, u"Sport");
    EXPECT_EQ(doc.m_fluid, 0);
    EXPECT_EQ(doc.m_temperature, 0.0);
    EXPECT_EQ(doc.m_weight, 0.0);
    EXPECT_TRUE(doc.m_note.empty());
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(doc.m_alarmType[k], 0);
        EXPECT_EQ(doc.m_alarmTime[k], now);
        EXPECT_EQ(doc.m_diaryType[k], 0);
        EXPECT_TRUE(doc.m_diaryText[k].empty());
    }
}

TEST_F(DocTest, SavingWithTheAlarmBoxClearStoresNoAlarmTypes) {
    CVelmoraMFCDoc doc;
    doc.OpenDay(2026, 3, 1);
    doc.m_alarmType = {9, 1, 2, 3};
    doc.m_alarm = false;
    ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    EXPECT_EQ(doc.m_alarmType, (std::array<uint16_t, 4>{0, 0, 0, 0}));
    CVelmoraMFCDoc back;
    ASSERT_TRUE(back.OpenDay(2026, 3, 1));
    EXPECT_EQ(back.m_alarmType, (std::array<uint16_t, 4>{0, 0, 0, 0}));
    // The stored blob itself is eight zero bytes.
    ASSERT_EQ(back.m_props[kPropAlarmTypes].BlobValue(), std::vector<uint8_t>(8, 0));
}

TEST_F(DocTest, FindDayOnAnEmptyStoreReadsNothingAndCreatesNothing) {
    CVelmoraMFCDoc doc;
    doc.ClearRecord();
    doc.m_note = u"kept";
    EXPECT_FALSE(doc.FindDay(CVelmoraMFCDoc::DayAtNoon(2026, 1, 1)));
    EXPECT_EQ(doc.m_note, u"kept");
    EXPECT_FALSE(test::FileExists(DataPaths::StoreFile()));
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(DocTest, FindDayMatchesTheLocalDateOnly) {
    CVelmoraMFCDoc doc;
    for (int day = 1; day <= 5; ++day) {
        doc.OpenDay(2026, 5, day);
        doc.m_weight = 60 + day;
        ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    }
    // Any time of day finds the day; the fields of a miss are left alone.
    ASSERT_TRUE(doc.FindDay(CTime(2026, 5, 3, 0, 0, 0)));
    EXPECT_EQ(doc.m_weight, 63);
    ASSERT_TRUE(doc.FindDay(CTime(2026, 5, 5, 23, 59, 59)));
    EXPECT_EQ(doc.m_weight, 65);
    doc.m_weight = 1;
    EXPECT_FALSE(doc.FindDay(CTime(2026, 5, 6, 0, 0, 0)));
    EXPECT_FALSE(doc.FindDay(CTime(2025, 5, 3, 12, 0, 0)));
    EXPECT_EQ(doc.m_weight, 1);
}

TEST_F(DocTest, SavingADayAgainReplacesItsRecord) {
    CVelmoraMFCDoc doc;
    doc.OpenDay(2026, 7, 14);
    const RecordId first = 0;
    for (int i = 0; i < 5; ++i) {
        doc.m_temperature = 36.0 + 0.05 * i;
        ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
        EXPECT_GT(doc.StoredRecordId(), first);
    }
    // Saving twice without opening again still leaves one record.
    ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    const auto days = RecordsPerDay();
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days.begin()->second, 1);
    CVelmoraMFCDoc back;
    ASSERT_TRUE(back.OpenDay(2026, 7, 14));
    EXPECT_EQ(back.m_temperature, 36.0 + 0.05 * 4);
}

TEST_F(DocTest, RemovingOneKindKeepsTheRestOfTheDay) {
    CVelmoraMFCDoc doc;
    doc.OpenDay(2026, 8, 2);
    doc.m_temperature = 36.8;
    doc.m_weight = 70.5;
    doc.m_diaryType[0] = 1;
    doc.m_diaryText[0] = u"hair";
    ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);

    CVelmoraMFCDoc history;
    bool seen = false;
    history.ForEachDay([&](CVelmoraMFCDoc& d) {
        seen = true;
        d.m_recordExists = true;  // reached in a walk
        d.m_temperature = 0.0;
        EXPECT_EQ(d.SaveDay(), SaveDayResult::Saved);
        return false;  // a rewrite closes the store: walks start over
    });
    ASSERT_TRUE(seen);
    CVelmoraMFCDoc back;
    ASSERT_TRUE(back.OpenDay(2026, 8, 2));
    EXPECT_EQ(back.m_temperature, 0.0);
    EXPECT_EQ(back.m_weight, 70.5);
    EXPECT_EQ(back.m_diaryText[0], u"hair");
    EXPECT_EQ(RecordsPerDay().size(), 1u);
}

TEST_F(DocTest, ALongTextIsCutAndTheRestOfTheDayIsSaved) {
    CVelmoraMFCDoc doc;
    doc.OpenDay(2026, 9, 9);
    doc.m_diaryType[2] = 6;
    doc.m_diaryText[2] = std::u16string(240, u'x');
    doc.m_weight = 55;
    ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Very long string??"}));
    CVelmoraMFCDoc back;
    ASSERT_TRUE(back.OpenDay(2026, 9, 9));
    EXPECT_EQ(back.m_diaryText[2], std::u16string(199, u'x'));
    EXPECT_EQ(back.m_diaryType[2], 6);
    EXPECT_EQ(back.m_weight, 55);
}

TEST_F(DocTest, StoredValuesOutsideTheirListsReadAsZero) {
    CVelmoraMFCDoc doc;
    doc.OpenDay(2026, 10, 10);
    doc.m_alarm = true;
    doc.m_alarmType = {1, 2, 3, 4};
    ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    // Another tool writes codes the lists do not have, and a temperature that is no number.
    Sql("UPDATE props SET value = 9 WHERE prop = 12;"
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
    EXPECT_TRUE(std::isfinite(back.m_temperature));
}

TEST_F(DocTest, AShortRecordReadsItsLastValueForTheMissingOnes) {
    CVelmoraMFCDoc doc;
    doc.OpenDay(2026, 11, 11);
    doc.m_fluid = 3;
    ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    Sql("DELETE FROM props WHERE prop > 12");
    CVelmoraMFCDoc back;
    ASSERT_TRUE(back.OpenDay(2026, 11, 11));
    EXPECT_EQ(back.m_props.GetCount(), 13u);
    EXPECT_EQ(back.m_fluid, 3);
    EXPECT_TRUE(back.m_alarm);  // property 13 reads property 12's value: 3, not zero
    EXPECT_EQ(back.m_temperature, 0.0);
    EXPECT_TRUE(back.m_note.empty());
}

TEST_F(DocTest, AFailedSaveKeepsTheOldRecordAndSaysWhichStepFailed) {
    test::FaultVfs vfs;
    CVelmoraMFCDoc doc;
    doc.OpenDay(2026, 6, 1);
    doc.m_weight = 50;
    ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    ASSERT_TRUE(doc.OpenDay(2026, 6, 1));
    doc.m_weight = 51;
    vfs.FailWrites(SQLITE_FULL);
    EXPECT_EQ(doc.SaveDay(), SaveDayResult::AddFailed);
    vfs.Heal();
    EXPECT_EQ(boxes.Texts(),
              (std::vector<std::string>{"Can not write in the prop!", "Disk is full!"}));
    CVelmoraMFCDoc back;
    ASSERT_TRUE(back.OpenDay(2026, 6, 1));
    EXPECT_EQ(back.m_weight, 50);
    EXPECT_EQ(RecordsPerDay().begin()->second, 1);
    // Once there is room again, the same save goes through.
    EXPECT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    ASSERT_TRUE(back.OpenDay(2026, 6, 1));
    EXPECT_EQ(back.m_weight, 51);
    EXPECT_EQ(RecordsPerDay().begin()->second, 1);
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
    std::set<SaveDayResult> steps;
    for (int k = 0; k < reads; ++k) {
        SCOPED_TRACE(k);
        steps.insert(save(k).first);
        ASSERT_EQ(RecordsPerDay(), (std::map<std::tuple<int, int, int>, int>{{{2026, 6, 1}, 1}}));
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
    EXPECT_FALSE(doc.ForEachDayIn(CTime(2026, 1, 1, 0, 0, 0), CTime(2027, 1, 1, 0, 0, 0),
                                  [](CVelmoraMFCDoc&) { return true; }));
    struct Save {
        int month, day;
        bool alarmFlag;
        uint16_t alarmType;
    };
    const Save saves[] = {{3, 30, true, 2},   {3, 28, false, 0}, {10, 26, true, 0},
                          {3, 29, false, 0},  {10, 24, true, 9}, {3, 28, true, 7},
                          {10, 25, false, 0}, {3, 30, false, 0}, {1, 1, true, 1}};
    for (const Save& s : saves) {
        doc.OpenDay(2026, s.month, s.day);
        doc.m_alarm = s.alarmFlag;
        doc.m_alarmType[1] = s.alarmType;
        ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    }
    struct Seen {
        RecordId record;
        CTime date;
        bool alarms;
        bool operator==(const Seen&) const = default;
    };
    auto collect = [](std::vector<Seen>& out, size_t stopAfter = SIZE_MAX) {
        return [&out, stopAfter](CVelmoraMFCDoc& d) {
            out.push_back({d.StoredRecordId(), d.m_date, d.m_alarm});
            return out.size() < stopAfter;
        };
    };
    std::vector<Seen> all;
    CVelmoraMFCDoc scan;
    ASSERT_TRUE(scan.ForEachDay(collect(all)));
    ASSERT_EQ(all.size(), 7u);
    std::vector<int> days;
    for (const Seen& s : all) {
        days.push_back(s.date.GetDay());
    }
    EXPECT_EQ(days, (std::vector<int>{26, 29, 24, 28, 25, 30, 1}));  // re-saved days come last

    const CTime noon28 = CVelmoraMFCDoc::DayAtNoon(2026, 3, 28);
    const CTime noon30 = CVelmoraMFCDoc::DayAtNoon(2026, 3, 30);
    const struct {
        CTime first, last;
    } ranges[] = {
        {noon28, noon30},          // both ends are stored instants
        {noon28 + 1, noon30 - 1},  // a second inside each
        {noon28 - 1, noon28},      // one day at the very end
        {noon30, noon30 + 20 * kSecondsPerDay},
        {CTime(2026, 10, 25, 0, 0, 0), CTime(2026, 10, 26, 0, 0, 0)},  // the 25-hour day
        {CTime(2020, 1, 1, 0, 0, 0), CTime(2025, 12, 31, 0, 0, 0)},    // before every day
        {CTime(2020, 1, 1, 0, 0, 0), CTime(2030, 1, 1, 0, 0, 0)},      // every day
        {noon30, noon28},                                              // empty
    };
    for (const auto& r : ranges) {
        std::vector<Seen> want;
        for (const Seen& s : all) {
            if (s.date >= r.first && s.date <= r.last) {
                want.push_back(s);
            }
        }
        std::vector<Seen> got;
        EXPECT_TRUE(scan.ForEachDayIn(r.first, r.last, collect(got)));
        EXPECT_TRUE(scan.LastWalkComplete());
        EXPECT_EQ(got, want) << r.first.GetTime() << " to " << r.last.GetTime();
    }
    std::vector<Seen> flagged;
    EXPECT_TRUE(scan.ForEachDayWithAlarms(collect(flagged)));
    std::vector<Seen> want;
    std::copy_if(all.begin(), all.end(), std::back_inserter(want),
                 [](const Seen& s) { return s.alarms; });
    EXPECT_EQ(flagged, want);
    EXPECT_EQ(flagged.size(), 4u);

    // Stopped early, then every day again.
    std::vector<Seen> firstTwo;
    EXPECT_TRUE(scan.ForEachDayIn(CTime(2020, 1, 1, 0, 0, 0), CTime(2030, 1, 1, 0, 0, 0),
                                  collect(firstTwo, 2)));
    EXPECT_EQ(firstTwo, std::vector<Seen>(all.begin(), all.begin() + 2));
    std::vector<Seen> again;
    EXPECT_TRUE(scan.ForEachDay(collect(again)));
    EXPECT_EQ(again, all);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(DocTest, RunningOutOfMemoryWhileSavingEndsWithCodeOne) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            MessageBoxRecorder echo;
            echo.EchoToStderr(true);
            CVelmoraMFCDoc d;
            d.OpenDay(2026, 2, 2);
            InjectAllocationFailures(1);
            d.SaveDay();
        },
        ::testing::ExitedWithCode(1), "No free memory");
}

}  // namespace
}  // namespace velmora
