#include <gtest/gtest.h>
#include <sqlite3.h>

#include "platform/datapaths.h"
#include "platform/process.h"
#include "store/cedatabase.h"
#include "tests/support/faultvfs.h"
#include "tests/support/testenv.h"

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
    // program's own writer (a file written by something else).
    static void WriteRaw(std::vector<std::pair<uint16_t, int>> idValues, uint16_t type = CEVT_I4) {
        std::unique_ptr<StoreDatabase> h;
        ASSERT_EQ(StoreDatabase::Open(kDayStoreName, h), StoreStatus::Ok);
        std::vector<StoredProp> props;
        for (auto [id, v] : idValues) {
            StoredProp p;
            p.id = id;
            p.type = type;
            p.i = v;
            props.push_back(p);
        }
        RecordId written;
        ASSERT_EQ(h->Write(0, props.data(), props.size(), written), StoreStatus::Ok);
    }
};

TEST_F(CeDatabaseTest, OpenOfAMissingStoreIsSilentAndTheWriterCreatesIt) {
    CCeDatabase db;
    EXPECT_FALSE(db.Open(kDayStoreName));
    EXPECT_FALSE(db.IsOpen());
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_FALSE(CCeDatabase::DatabaseExists(kDayStoreName));
    Make(db);
    EXPECT_TRUE(db.IsOpen());
    EXPECT_TRUE(CCeDatabase::DatabaseExists(kDayStoreName));
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CeDatabaseTest, FailureMessagesOfCreateOpenCloseAndDelete) {
    CCeDatabase db;
    Make(db);
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

    const auto b = boxes.Boxes();
    ASSERT_EQ(b.size(), 6u);
    EXPECT_EQ(b[0].text, "A database already exists with the specified name.");
    EXPECT_EQ(b[1].text, "A parameter was invalid.");
    EXPECT_EQ(b[2].text, "A parameter was invalid.");
    EXPECT_EQ(b[3].text, "There is no open database associated with handle.");
    EXPECT_EQ(b[3].caption, "Attention");
    EXPECT_EQ(b[3].icon, MbIcon::Information);
    EXPECT_EQ(b[4].text, "There is no open database!");
    EXPECT_EQ(b[5].text, "The file is in use.");
    for (size_t i : {0u, 1u, 2u, 4u, 5u}) {
        EXPECT_EQ(b[i].caption, "Error");
        EXPECT_EQ(b[i].icon, MbIcon::Stop);
        EXPECT_EQ(b[i].owner, kForegroundWindow);
    }
    EXPECT_TRUE(db.DeleteDatabase());
    EXPECT_FALSE(CCeDatabase::DatabaseExists(kDayStoreName));
}

TEST_F(CeDatabaseTest, ValuesLandAtTheIndexOfTheirIdWhateverTheStoredOrder) {
    CCeDatabase db;
    Make(db);
    std::vector<std::pair<uint16_t, int>> reversed;
    for (int id = 25; id >= 0; --id) {
        reversed.push_back({static_cast<uint16_t>(id), id * 100});
    }
    WriteRaw(reversed);
    CCeDbPropArray a;
    ASSERT_TRUE(db.SeekFirst());
    ASSERT_TRUE(db.ReadCurrRecord(a));
    ASSERT_EQ(a.GetCount(), 26u);
    for (size_t i = 0; i < 26; ++i) {
        EXPECT_EQ(a[i].IntValue(), static_cast<int>(i) * 100);
    }
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CeDatabaseTest, AnIdBeyondTheCountGoesToTheLastSlotAndIsReportedOnce) {
    CCeDatabase db;
    Make(db);
    WriteRaw({{0, 10}, {7, 70}});
    CCeDbPropArray a;
    for (int pass = 0; pass < 3; ++pass) {
        ASSERT_TRUE(db.SeekFirst());
        ASSERT_TRUE(db.ReadCurrRecord(a));
        ASSERT_EQ(a.GetCount(), 2u);
        EXPECT_EQ(a[0].IntValue(), 10);
        EXPECT_EQ(a[1].IntValue(), 70);
    }
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Error in CCeDatabase::ReadCurrRecord");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Fatal Error");
    EXPECT_EQ(boxes.Boxes()[0].icon, MbIcon::Stop);
}

TEST_F(CeDatabaseTest, AnUnknownStoredTypeLeavesTheZeroPlaceholder) {
    CCeDatabase db;
    Make(db);
    WriteRaw({{0, 5}});
    // A value of a type the program never writes, put there by another tool.
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(DataPaths::StoreFile().c_str(), &raw), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(raw, "UPDATE props SET type = 99", nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(raw);
    CCeDbPropArray a;
    ASSERT_TRUE(db.SeekFirst());
    ASSERT_TRUE(db.ReadCurrRecord(a));
    EXPECT_EQ(a[0].GetType(), CEVT_I2);
    EXPECT_EQ(a[0].IntValue(), 0);
}

TEST_F(CeDatabaseTest, ReadingWithNoCurrentRecordGivesNothing) {
    CCeDatabase db;
    Make(db);
    CCeDbPropArray a = Ints({1, 2});
    EXPECT_FALSE(db.SeekFirst());
    EXPECT_FALSE(db.ReadCurrRecord(a));
    EXPECT_EQ(a.GetCount(), 0u);
}

TEST_F(CeDatabaseTest, WalkWriteOverwriteCountAndFind) {
    CCeDatabase db;
    Make(db);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_TRUE(db.WriteNewRecord(Ints({i * 11, i})));
    }
    EXPECT_EQ(db.GetCount(), 4u);
    ASSERT_TRUE(db.Find(33));
    CCeDbPropArray a;
    ASSERT_TRUE(db.ReadCurrRecord(a));
    EXPECT_EQ(a[1].IntValue(), 3);
    EXPECT_TRUE(db.WriteCurrRecord(Ints({330, 30})));
    EXPECT_FALSE(db.Find(33));
    EXPECT_TRUE(db.Find(330));
    EXPECT_TRUE(db.DeleteCurrRecord());
    std::vector<int> seen;
    for (bool more = db.SeekFirst(); more; more = db.SeekNext()) {
        ASSERT_TRUE(db.ReadCurrRecord(a));
        seen.push_back(a[0].IntValue());
    }
    EXPECT_EQ(seen, (std::vector<int>{11, 22, 44}));
    EXPECT_TRUE(db.SeekLast());
    EXPECT_TRUE(db.SeekPrev());
    ASSERT_TRUE(db.ReadCurrRecord(a));
    EXPECT_EQ(a[0].IntValue(), 22);
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
    const auto b = boxes.Boxes();
    ASSERT_EQ(b.size(), 3u);
    EXPECT_EQ(b[0].text, "Can not write in the prop!");
    EXPECT_EQ(b[0].caption, "Fatal Error");
    EXPECT_EQ(b[0].icon, MbIcon::Stop);
    EXPECT_EQ(b[0].owner, kForegroundWindow);
    EXPECT_EQ(b[1].text, "Disk is full!");
    EXPECT_EQ(b[1].caption, "Error");
    EXPECT_EQ(b[1].icon, MbIcon::None);
    EXPECT_EQ(b[1].owner, kNoOwner);
    EXPECT_EQ(b[2].text, "Can not write in the prop!");
    EXPECT_EQ(db.GetCount(), 0u);
}

TEST_F(CeDatabaseTest, RunningOutOfMemoryWhileBuildingTheRecordEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    CCeDatabase db;
    Make(db);
    db.Close();
    // Each child runs this test afresh in its own folders, up to its own statement.
    EXPECT_EXIT(
        {
            MessageBoxRecorder echo;
            echo.EchoToStderr(true);
            CCeDatabase d;
            d.Open(kDayStoreName);
            InjectAllocationFailures(1);
            d.WriteNewRecord(Ints({1}));
        },
        ::testing::ExitedWithCode(1), "\\[Fatal Error\\] No free memory");
    EXPECT_EXIT(
        {
            MessageBoxRecorder echo;
            echo.EchoToStderr(true);
            CCeDatabase d;
            d.Open(kDayStoreName);
            d.WriteNewRecord(Ints({1}));
            InjectAllocationFailures(1);
            d.WriteCurrRecord(Ints({2}));
        },
        ::testing::ExitedWithCode(1), "\\[Fatal Error\\] There is no free memory!");
}

}  // namespace
}  // namespace velmora
