// The record store as the program's views use it: databases, records and their values.

#include <gtest/gtest.h>

#include "platform/process.h"
#include "store/ceprop.h"
#include "tests/store/diarydays.h"
#include "tests/support/faultvfs.h"

namespace velmora {
namespace {

class CeDatabaseTest : public test::StoreTest {
protected:
    void Make(CCeDatabase& db) {
        ASSERT_TRUE(db.Create(kDayStoreName));
        ASSERT_TRUE(db.Open(kDayStoreName));
    }
    static CCeDbPropArray Ints(std::initializer_list<int> values) {
        CCeDbPropArray a;
        CCeDbProp v;
        for (int x : values) {
            v.SetI4(x);
            a.Append(v);
        }
        return a;
    }
    // Writes a record whose properties carry the given (id, value) pairs, bypassing the
    // program's own writer (a file written by something else); its record id.
    static RecordId WriteRaw(std::vector<std::pair<uint16_t, int>> idValues) {
        std::unique_ptr<StoreDatabase> h;
        EXPECT_EQ(StoreDatabase::Open(kDayStoreName, h), StoreStatus::Ok);
        std::vector<StoredProp> props;
        for (auto [id, v] : idValues) {
            props.push_back(StoredProp{});
            props.back().id = id;
            props.back().type = CEVT_I4;
            props.back().i = v;
        }
        RecordId written = 0;
        EXPECT_EQ(h->Write(0, props.data(), props.size(), written), StoreStatus::Ok);
        return written;
    }
    // The boxes shown so far, each as "text | caption | icon | owner".
    std::vector<std::string> Shown() {
        static const char* const icons[] = {"none", "stop", "information", "warning", "question"};
        std::vector<std::string> out;
        for (const MessageBoxRequest& b : boxes.Boxes()) {
            out.push_back(b.text + " | " + b.caption + " | " + icons[static_cast<int>(b.icon)] +
                          (b.owner == kForegroundWindow ? " | foreground"
                           : b.owner == kNoOwner        ? " | none"
                                                        : " | other"));
        }
        return out;
    }
};

TEST_F(CeDatabaseTest, OpenOfAMissingStoreIsSilentAndEachFailureIsNamed) {
    CCeDatabase db;
    EXPECT_FALSE(db.Open(kDayStoreName));
    EXPECT_FALSE(db.IsOpen());
    EXPECT_FALSE(CCeDatabase::DatabaseExists(kDayStoreName));
    EXPECT_EQ(boxes.Count(), 0u);
    Make(db);
    EXPECT_TRUE(db.IsOpen());
    EXPECT_TRUE(CCeDatabase::DatabaseExists(kDayStoreName));
    EXPECT_EQ(boxes.Count(), 0u);

    CCeDatabase other;
    EXPECT_FALSE(other.Create(kDayStoreName));
    EXPECT_FALSE(other.Create(u""));
    EXPECT_FALSE(other.Open(u""));
    CCeDatabase closed;
    EXPECT_TRUE(closed.Close());
    EXPECT_FALSE(closed.DeleteDatabase());
    ASSERT_TRUE(other.Open(kDayStoreName));
    EXPECT_FALSE(db.DeleteDatabase());  // `other` has it open
    other.Close();
    EXPECT_EQ(boxes.Count(), 6u);
    EXPECT_TRUE(db.DeleteDatabase());
    EXPECT_FALSE(CCeDatabase::DatabaseExists(kDayStoreName));
}

// Records written by another tool: ids in any order land at their index, an id beyond the
// count goes to the last slot and is reported once however often it is read, and a type
// the program never writes reads as the zero placeholder.
TEST_F(CeDatabaseTest, RecordsOfAnotherToolReadAtTheIndexOfTheirIds) {
    CCeDatabase db;
    Make(db);
    CCeDbPropArray a = Ints({1, 2});
    EXPECT_FALSE(db.SeekFirst());  // no current record: nothing read
    EXPECT_FALSE(db.ReadCurrRecord(a));
    EXPECT_EQ(a.GetCount(), 0u);

    std::vector<std::pair<uint16_t, int>> reversed;
    for (int id = 25; id >= 0; --id) {
        reversed.push_back({static_cast<uint16_t>(id), id * 100});
    }
    WriteRaw(reversed);
    WriteRaw({{0, 10}, {7, 70}});
    const RecordId odd = WriteRaw({{0, 5}});
    test::Sql("UPDATE props SET type = 99 WHERE record = " + std::to_string(odd));
    for (int pass = 0; pass < 3; ++pass) {
        ASSERT_TRUE(db.SeekFirst());
        ASSERT_TRUE(db.ReadCurrRecord(a));
        ASSERT_EQ(a.GetCount(), 26u);
        for (size_t i = 0; i < 26; ++i) {
            EXPECT_EQ(a[i].IntValue(), static_cast<int>(i) * 100);
        }
        ASSERT_TRUE(db.SeekNext());
        ASSERT_TRUE(db.ReadCurrRecord(a));
        EXPECT_EQ(std::tuple(a.GetCount(), a[0].IntValue(), a[1].IntValue()),
                  std::tuple(2u, 10, 70));
        ASSERT_TRUE(db.SeekNext());
        ASSERT_TRUE(db.ReadCurrRecord(a));
        EXPECT_EQ(a[0].GetType(), CEVT_I2);
        EXPECT_EQ(a[0].IntValue(), 0);
    }
    EXPECT_EQ(Shown(),
              std::vector<std::string>{
                  "Error in CCeDatabase::ReadCurrRecord | Fatal Error | stop | foreground"});
}

TEST_F(CeDatabaseTest, WalkWriteOverwriteCountAndDelete) {
    CCeDatabase db;
    Make(db);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_TRUE(db.WriteNewRecord(Ints({i * 11, i})));
    }
    EXPECT_EQ(db.GetCount(), 4u);
    ASSERT_TRUE(db.Find(33));  // by the first value
    CCeDbPropArray a;
    ASSERT_TRUE(db.ReadCurrRecord(a));
    EXPECT_EQ(a[1].IntValue(), 3);
    EXPECT_TRUE(db.WriteCurrRecord(Ints({330, 30})));
    EXPECT_FALSE(db.Find(33));
    ASSERT_TRUE(db.Find(330));
    EXPECT_TRUE(db.DeleteCurrRecord());
    std::vector<int> seen;
    for (bool more = db.SeekFirst(); more; more = db.SeekNext()) {
        ASSERT_TRUE(db.ReadCurrRecord(a));
        seen.push_back(a[0].IntValue());
    }
    EXPECT_EQ(seen, (std::vector<int>{11, 22, 44}));
    EXPECT_FALSE(db.WriteNewRecord(CCeDbPropArray()));  // nothing to write
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CeDatabaseTest, AFailedWriteSaysSoAndReturnsFalse) {
    test::FaultVfs vfs;
    CCeDatabase db;
    Make(db);
    vfs.FailWrites(SQLITE_FULL);
    EXPECT_FALSE(db.WriteNewRecord(Ints({1})));
    vfs.FailWrites(SQLITE_IOERR_WRITE);
    EXPECT_FALSE(db.WriteNewRecord(Ints({2})));
    vfs.Heal();
    const std::string cannot = "Can not write in the prop! | Fatal Error | stop | foreground";
    EXPECT_EQ(Shown(),
              (std::vector<std::string>{cannot, "Disk is full! | Error | none | none", cannot}));
    EXPECT_EQ(db.GetCount(), 0u);
}

TEST_F(CeDatabaseTest, RunningOutOfMemoryWhileBuildingTheRecordEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    CCeDatabase db;
    Make(db);
    db.Close();
    // Each child runs this test afresh in its own folders, up to its own statement.
    for (bool overwrite : {false, true}) {
        EXPECT_EXIT(
            {
                MessageBoxRecorder echo;
                echo.EchoToStderr(true);
                CCeDatabase d;
                d.Open(kDayStoreName);
                if (overwrite) {
                    d.WriteNewRecord(Ints({1}));
                }
                InjectAllocationFailures(1);
                overwrite ? d.WriteCurrRecord(Ints({2})) : d.WriteNewRecord(Ints({1}));
            },
            ::testing::ExitedWithCode(1),
            overwrite ? "\\[Fatal Error\\] There is no free memory!"
                      : "\\[Fatal Error\\] No free memory");
    }
}

using CePropTest = CeDatabaseTest;

TEST_F(CePropTest, LongTextsAreAnnouncedAndCutWithoutSplittingAPair) {
    CCeDbProp v;
    v.SetText(std::u16string(199, u'a'));
    EXPECT_EQ(v.TextValue().size(), 199u);
    v.SetText(std::u16string(200, u'b'));
    EXPECT_EQ(v.TextValue(), std::u16string(199, u'b'));
    // A pair at units 198-199 would be split by a cut at 199: the whole pair goes.
    v.SetText(std::u16string(198, u'c') + u"\U0001F600tail");
    EXPECT_EQ(v.TextValue(), std::u16string(198, u'c'));
    EXPECT_EQ(Shown(),
              std::vector<std::string>(2, "Very long string?? | Velmora Plus | none | none"));
}

}  // namespace
}  // namespace velmora
