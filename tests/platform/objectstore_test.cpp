#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <limits>

#include "platform/datapaths.h"
#include "platform/objectstore.h"
#include "tests/support/faultvfs.h"
#include "tests/support/testenv.h"

namespace velmora {
namespace {

using test::FileExists;
using test::FileMode;
using test::ReadFileBytes;
using test::WriteFileBytes;

class ObjectStoreTest : public test::StoreTest {
protected:
    std::unique_ptr<StoreDatabase> MakeDb(std::u16string_view name = u"Diary") {
        EXPECT_EQ(StoreDatabase::Create(name, 0x54533134), StoreStatus::Ok);
        std::unique_ptr<StoreDatabase> db;
        EXPECT_EQ(StoreDatabase::Open(name, db), StoreStatus::Ok);
        return db;
    }

    static StoredProp Int(uint16_t type, int64_t v) {
        StoredProp p;
        p.type = type;
        p.i = v;
        return p;
    }
    static StoredProp Text(std::u16string t) {
        StoredProp p;
        p.type = CEVT_LPWSTR;
        p.text = std::move(t);
        return p;
    }

    // Writes a record of one I4 property holding `v`.
    static RecordId WriteOne(StoreDatabase& db, int32_t v) {
        StoredProp p = Int(CEVT_I4, v);
        RecordId id = 0;
        EXPECT_EQ(db.Write(0, &p, 1, id), StoreStatus::Ok);
        return id;
    }

    static std::vector<int64_t> ReadAllValues(StoreDatabase& db) {
        std::vector<int64_t> out;
        std::vector<StoredProp> props;
        for (RecordId r = db.Seek(StoreDatabase::SeekFrom::Beginning, 0); r != 0;
             r = db.Seek(StoreDatabase::SeekFrom::Current, 1)) {
            EXPECT_EQ(db.ReadCurrent(props), StoreStatus::Ok);
            out.push_back(props.empty() ? -1 : props[0].i);
        }
        return out;
    }
};

TEST_F(ObjectStoreTest, MissingStoreIsNotCreatedByReaders) {
    std::unique_ptr<StoreDatabase> db;
    EXPECT_FALSE(StoreDatabase::Exists(u"Diary"));
    EXPECT_EQ(StoreDatabase::Open(u"Diary", db), StoreStatus::NotFound);
    EXPECT_EQ(db, nullptr);
    EXPECT_FALSE(FileExists(DataPaths::StoreFile()));
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(ObjectStoreTest, CreateMakesAPrivateFileAndRefusesDuplicatesAndBadNames) {
    EXPECT_EQ(StoreDatabase::Create(u"RoRuVodu12", 1), StoreStatus::Ok);
    EXPECT_EQ(FileMode(DataPaths::DataDir()), 0700);
    EXPECT_EQ(FileMode(DataPaths::StoreFile()), 0600);
    EXPECT_TRUE(StoreDatabase::Exists(u"RoRuVodu12"));
    EXPECT_EQ(StoreDatabase::Create(u"RoRuVodu12", 1), StoreStatus::DupName);
    EXPECT_EQ(StoreDatabase::Create(u"roruvodu12", 1), StoreStatus::DupName);
    EXPECT_EQ(StoreDatabase::Create(u"", 1), StoreStatus::InvalidParameter);
    EXPECT_EQ(StoreDatabase::Create(std::u16string(33, u'x'), 1), StoreStatus::InvalidParameter);
    EXPECT_EQ(StoreDatabase::Create(std::u16string(32, u'x'), 1), StoreStatus::Ok);
    // Nothing but the store itself is left in the folder (no temporary files).
    int entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(DataPaths::DataDir())) {
        const std::string name = e.path().filename().string();
        EXPECT_TRUE(name.rfind("diary.sqlite", 0) == 0) << name;
        EXPECT_EQ(name.find(".new-"), std::string::npos) << name;
        ++entries;
    }
    EXPECT_GE(entries, 1);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(ObjectStoreTest, EveryValueTypeRoundTrips) {
    auto db = MakeDb();
    std::vector<StoredProp> in;
    in.push_back(Int(CEVT_I2, -32768));
    in.push_back(Int(CEVT_I4, std::numeric_limits<int32_t>::min()));
    StoredProp r8;
    r8.type = CEVT_R8;
    r8.r = 36.65;
    in.push_back(r8);
    in.push_back(Int(CEVT_BOOL, -1));
    in.push_back(Int(CEVT_UI2, 65535));
    in.push_back(Int(CEVT_UI4, 4294967295LL));
    in.push_back(Text(u"Тянущиеся,Белые \U0001F600"));
    in.push_back(Text(u""));
    in.push_back(Int(CEVT_FILETIME, static_cast<int64_t>(0xF123456789ABCDEFULL)));
    StoredProp blob;
    blob.type = CEVT_BLOB;
    blob.blob = {0, 1, 0, 255, 0};
    in.push_back(blob);
    StoredProp empty;
    empty.type = CEVT_BLOB;
    in.push_back(empty);
    for (size_t i = 0; i < in.size(); ++i) {
        in[i].id = static_cast<uint16_t>(i);
    }
    RecordId id = 0;
    ASSERT_EQ(db->Write(0, in.data(), in.size(), id), StoreStatus::Ok);

    std::vector<StoredProp> out;
    ASSERT_NE(db->Seek(StoreDatabase::SeekFrom::Beginning, 0), 0u);
    ASSERT_EQ(db->ReadCurrent(out), StoreStatus::Ok);
    ASSERT_EQ(out.size(), in.size());
    for (size_t i = 0; i < in.size(); ++i) {
        EXPECT_EQ(out[i].id, in[i].id);
        EXPECT_EQ(out[i].type, in[i].type);
        EXPECT_EQ(out[i].i, in[i].i) << i;
        EXPECT_EQ(out[i].r, in[i].r) << i;
        EXPECT_EQ(out[i].text, in[i].text) << i;
        EXPECT_EQ(out[i].blob, in[i].blob) << i;
    }
}

TEST_F(ObjectStoreTest, IdentifiersGrowAndAreNeverReused) {
    RecordId last = 0;
    {
        auto db = MakeDb();
        for (int i = 0; i < 5; ++i) {
            const RecordId id = WriteOne(*db, i);
            EXPECT_GT(id, last);
            last = id;
        }
        ASSERT_EQ(db->Seek(StoreDatabase::SeekFrom::End, 0), last);
        ASSERT_EQ(db->DeleteRecord(last), StoreStatus::Ok);
    }
    ObjectStore::CloseThreadConnection();  // a new run of the program
    std::unique_ptr<StoreDatabase> db;
    ASSERT_EQ(StoreDatabase::Open(u"Diary", db), StoreStatus::Ok);
    EXPECT_GT(WriteOne(*db, 99), last);
    EXPECT_EQ(ReadAllValues(*db), (std::vector<int64_t>{0, 1, 2, 3, 99}));
}

TEST_F(ObjectStoreTest, SeeksMoveTheCursor) {
    auto db = MakeDb();
    std::vector<RecordId> ids;
    for (int i = 0; i < 6; ++i) {
        ids.push_back(WriteOne(*db, i * 10));
    }
    using S = StoreDatabase::SeekFrom;
    EXPECT_EQ(db->Seek(S::Beginning, 0), ids[0]);
    EXPECT_EQ(db->Seek(S::Beginning, 2), ids[2]);
    EXPECT_EQ(db->Seek(S::Current, 1), ids[3]);
    EXPECT_EQ(db->Seek(S::Current, -2), ids[1]);
    EXPECT_EQ(db->Seek(S::End, 0), ids[5]);
    EXPECT_EQ(db->Seek(S::End, 1), ids[4]);
    EXPECT_EQ(db->Seek(S::Current, 1), ids[5]);
    EXPECT_EQ(db->Seek(S::Current, 1), 0u);
    EXPECT_EQ(db->Seek(S::Beginning, 6), 0u);
    uint32_t count = 0;
    EXPECT_EQ(db->Count(count), StoreStatus::Ok);
    EXPECT_EQ(count, 6u);

    // A deleted current record: reading fails, the walk goes on after it.
    EXPECT_EQ(db->Seek(S::Beginning, 2), ids[2]);
    EXPECT_EQ(db->DeleteRecord(ids[2]), StoreStatus::Ok);
    std::vector<StoredProp> props;
    EXPECT_EQ(db->ReadCurrent(props), StoreStatus::InvalidParameter);
    EXPECT_TRUE(props.empty());
    EXPECT_EQ(db->Seek(S::Current, 1), ids[3]);
    EXPECT_EQ(db->DeleteRecord(ids[2]), StoreStatus::InvalidParameter);
}

TEST_F(ObjectStoreTest, AWriteDuringAWalkIsSeenByTheWalk) {
    auto a = MakeDb();
    for (int i = 0; i < 4; ++i) {
        WriteOne(*a, i);
    }
    std::unique_ptr<StoreDatabase> b;
    ASSERT_EQ(StoreDatabase::Open(u"Diary", b), StoreStatus::Ok);
    using S = StoreDatabase::SeekFrom;
    std::vector<StoredProp> props;
    std::vector<int64_t> seen;
    for (RecordId r = a->Seek(S::Beginning, 0); r != 0; r = a->Seek(S::Current, 1)) {
        ASSERT_EQ(a->ReadCurrent(props), StoreStatus::Ok);
        seen.push_back(props[0].i);
        if (props[0].i == 1) {
            WriteOne(*b, 100);  // another handle of this thread writes mid-walk
        }
    }
    EXPECT_EQ(seen, (std::vector<int64_t>{0, 1, 2, 3, 100}));
}

TEST_F(ObjectStoreTest, TransactionsKeepAllOrNothing) {
    auto db = MakeDb();
    WriteOne(*db, 1);
    ASSERT_EQ(db->Begin(), StoreStatus::Ok);
    WriteOne(*db, 2);
    ASSERT_EQ(db->Begin(), StoreStatus::Ok);  // nested
    WriteOne(*db, 3);
    db->Rollback();
    WriteOne(*db, 4);
    ASSERT_EQ(db->Commit(), StoreStatus::Ok);
    EXPECT_EQ(ReadAllValues(*db), (std::vector<int64_t>{1, 2, 4}));
    ASSERT_EQ(db->Begin(), StoreStatus::Ok);
    WriteOne(*db, 5);
    db->Rollback();
    EXPECT_EQ(ReadAllValues(*db), (std::vector<int64_t>{1, 2, 4}));
}

TEST_F(ObjectStoreTest, OverwriteKeepsTheIdentifier) {
    auto db = MakeDb();
    const RecordId id = WriteOne(*db, 1);
    WriteOne(*db, 2);
    StoredProp p = Int(CEVT_I4, 42);
    RecordId written = 0;
    ASSERT_EQ(db->Write(id, &p, 1, written), StoreStatus::Ok);
    EXPECT_EQ(written, id);
    EXPECT_EQ(ReadAllValues(*db), (std::vector<int64_t>{42, 2}));
    EXPECT_EQ(db->Write(9999, &p, 1, written), StoreStatus::InvalidParameter);
    EXPECT_EQ(db->Write(0, &p, 0, written), StoreStatus::InvalidParameter);
}

TEST_F(ObjectStoreTest, DeletingADatabaseOpenElsewhereIsRefused) {
    auto db = MakeDb();
    WriteOne(*db, 1);
    {
        std::unique_ptr<StoreDatabase> other;
        ASSERT_EQ(StoreDatabase::Open(u"Diary", other), StoreStatus::Ok);
        EXPECT_EQ(db->DeleteDatabase(), StoreStatus::SharingViolation);
    }
    EXPECT_EQ(db->DeleteDatabase(), StoreStatus::Ok);
    EXPECT_FALSE(StoreDatabase::Exists(u"Diary"));
}

// Files that are not a store: never changed, reported once per run, naming the file.
class DamagedStoreTest : public ObjectStoreTest {
protected:
    // A store of some size, closed so that its log is checkpointed into the file.
    void WriteManyRecords() {
        {
            auto db = MakeDb();
            StoredProp p = Text(std::u16string(150, u'n'));
            for (int i = 0; i < 400; ++i) {
                RecordId id;
                ASSERT_EQ(db->Write(0, &p, 1, id), StoreStatus::Ok);
            }
        }
        ObjectStore::CloseThreadConnection();
    }

    void ExpectUntouchedAndReportedOnce(const std::string& why) {
        const std::string path = DataPaths::StoreFile();
        const std::string before = ReadFileBytes(path);
        for (int i = 0; i < 5; ++i) {
            std::unique_ptr<StoreDatabase> db;
            EXPECT_FALSE(StoreDatabase::Exists(u"Diary"));
            EXPECT_EQ(StoreDatabase::Open(u"Diary", db), StoreStatus::BadStore);
            EXPECT_EQ(StoreDatabase::Create(u"Diary", 1), StoreStatus::BadStore);
        }
        EXPECT_EQ(ReadFileBytes(path), before);
        EXPECT_FALSE(FileExists(path + "-wal"));
        EXPECT_FALSE(FileExists(path + "-shm"));
        ASSERT_EQ(boxes.Count(), 1u);
        const auto box = boxes.Boxes()[0];
        EXPECT_EQ(box.caption, "Error");
        EXPECT_NE(box.text.find(path), std::string::npos) << box.text;
        EXPECT_NE(box.text.find(why), std::string::npos) << box.text;
    }
};

TEST_F(DamagedStoreTest, Garbage) {
    std::string junk(5000, '\0');
    for (size_t i = 0; i < junk.size(); ++i) {
        junk[i] = static_cast<char>((i * 7919) % 251);
    }
    WriteFileBytes(DataPaths::StoreFile(), junk);
    ExpectUntouchedAndReportedOnce("not a Velmora diary");
}

TEST_F(DamagedStoreTest, EmptyFile) {
    WriteFileBytes(DataPaths::StoreFile(), "");
    ExpectUntouchedAndReportedOnce("empty");
}

TEST_F(DamagedStoreTest, AnotherProgramsDatabase) {
    const std::string path = DataPaths::StoreFile();
    std::filesystem::create_directories(DataPaths::DataDir());
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "CREATE TABLE t(x); INSERT INTO t VALUES(1);", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    ExpectUntouchedAndReportedOnce("not a Velmora diary");
}

TEST_F(DamagedStoreTest, CutShort) {
    WriteManyRecords();
    const std::string path = DataPaths::StoreFile();
    const std::string whole = ReadFileBytes(path);
    ASSERT_GT(whole.size(), 40000u);
    WriteFileBytes(path, whole.substr(0, whole.size() / 2));
    ExpectUntouchedAndReportedOnce("cut short");
}

TEST_F(DamagedStoreTest, AFileFormatNewerThanTheProgramKnows) {
    WriteManyRecords();
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(DataPaths::StoreFile().c_str(), &db), SQLITE_OK);
    const std::string newer = "PRAGMA user_version=" + std::to_string(kStoreSchemaVersion + 1);
    ASSERT_EQ(sqlite3_exec(db, newer.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    ExpectUntouchedAndReportedOnce("has file format " + std::to_string(kStoreSchemaVersion + 1));
}

TEST_F(DamagedStoreTest, DamageInsideAValidFileIsReportedOnceAndNotWritten) {
    WriteManyRecords();
    const std::string path = DataPaths::StoreFile();
    std::string bytes = ReadFileBytes(path);
    // Scribble over every page but the first two (the header and the schema).
    for (size_t i = 8192; i < bytes.size(); i += 97) {
        bytes[i] = static_cast<char>(bytes[i] ^ 0x5A);
    }
    WriteFileBytes(path, bytes);
    for (int walk = 0; walk < 4; ++walk) {
        std::unique_ptr<StoreDatabase> db;
        if (StoreDatabase::Open(u"Diary", db) != StoreStatus::Ok) {
            continue;
        }
        std::vector<StoredProp> props;
        for (RecordId r = db->Seek(StoreDatabase::SeekFrom::Beginning, 0); r != 0;
             r = db->Seek(StoreDatabase::SeekFrom::Current, 1)) {
            db->ReadCurrent(props);
        }
    }
    ObjectStore::CloseThreadConnection();
    EXPECT_EQ(ReadFileBytes(path), bytes);
    EXPECT_EQ(boxes.Count(), 1u);
    if (boxes.Count() == 1) {
        EXPECT_NE(boxes.Texts()[0].find(path), std::string::npos);
    }
}

TEST_F(ObjectStoreTest, AFullDiskFailsTheWriteAndKeepsWhatWasThere) {
    test::FaultVfs vfs;
    auto db = MakeDb();
    WriteOne(*db, 1);
    vfs.FailWrites(SQLITE_FULL);
    StoredProp p = Int(CEVT_I4, 2);
    RecordId id = 0;
    const StoreStatus st = db->Write(0, &p, 1, id);
    EXPECT_EQ(st, StoreStatus::DiskFull);
    EXPECT_EQ(id, 0u);
    vfs.Heal();
    EXPECT_EQ(ReadAllValues(*db), (std::vector<int64_t>{1}));
    WriteOne(*db, 3);  // and the store works again once there is room
    EXPECT_EQ(ReadAllValues(*db), (std::vector<int64_t>{1, 3}));
}

TEST_F(ObjectStoreTest, AFullDiskWhileMakingTheStoreLeavesNoFileBehind) {
    test::FaultVfs vfs;
    vfs.FailWrites(SQLITE_FULL);
    EXPECT_EQ(StoreDatabase::Create(u"Diary", 1), StoreStatus::DiskFull);
    vfs.Heal();
    EXPECT_FALSE(FileExists(DataPaths::StoreFile()));
    for (const auto& e : std::filesystem::directory_iterator(DataPaths::DataDir())) {
        ADD_FAILURE() << "left behind: " << e.path();
    }
    EXPECT_EQ(StoreDatabase::Create(u"Diary", 1), StoreStatus::Ok);
}

}  // namespace
}  // namespace velmora
