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
using test::ReadFileBytes;
using test::WriteFileBytes;
using S = StoreDatabase::SeekFrom;

StoredProp Prop(uint16_t type, int64_t i = 0, double r = 0, std::u16string text = {},
                std::vector<uint8_t> blob = {}) {
    return {0, type, i, r, std::move(text), std::move(blob)};
}

class ObjectStoreTest : public test::StoreTest {
public:
    std::unique_ptr<StoreDatabase> MakeDb() {
        EXPECT_EQ(StoreDatabase::Create(u"Diary", 0x54533134), StoreStatus::Ok);
        std::unique_ptr<StoreDatabase> db;
        EXPECT_EQ(StoreDatabase::Open(u"Diary", db), StoreStatus::Ok);
        return db;
    }
    // Writes a record of one I4 property holding `v`.
    static RecordId WriteOne(StoreDatabase& db, int32_t v) {
        StoredProp p = Prop(CEVT_I4, v);
        RecordId id = 0;
        EXPECT_EQ(db.Write(0, &p, 1, id), StoreStatus::Ok);
        return id;
    }
    // A store of some size, closed so that its log is checkpointed into the file.
    void WriteManyRecords() {
        {
            auto db = MakeDb();
            StoredProp p = Prop(CEVT_LPWSTR, 0, 0, std::u16string(150, u'n'));
            for (int i = 0; i < 400; ++i) {
                RecordId id;
                ASSERT_EQ(db->Write(0, &p, 1, id), StoreStatus::Ok);
            }
        }
        ObjectStore::CloseThreadConnection();
        ASSERT_GT(ReadFileBytes(DataPaths::StoreFile()).size(), 40000u);
    }
    static void Sql(const std::string& path, const std::string& sql) {
        std::filesystem::create_directories(DataPaths::DataDir());
        sqlite3* db = nullptr;
        sqlite3_open(path.c_str(), &db);
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
    static std::vector<int64_t> ReadAllValues(StoreDatabase& db) {
        std::vector<int64_t> out;
        std::vector<StoredProp> props;
        for (RecordId r = db.Seek(S::Beginning, 0); r != 0; r = db.Seek(S::Current, 1)) {
            EXPECT_EQ(db.ReadCurrent(props), StoreStatus::Ok);
            out.push_back(props.empty() ? -1 : props[0].i);
        }
        return out;
    }
};

TEST_F(ObjectStoreTest, ReadersDoNotCreateAStoreAndCreateMakesAPrivateFile) {
    std::unique_ptr<StoreDatabase> db;
    EXPECT_FALSE(StoreDatabase::Exists(u"Diary"));
    EXPECT_EQ(StoreDatabase::Open(u"Diary", db), StoreStatus::NotFound);
    EXPECT_FALSE(db || FileExists(DataPaths::StoreFile()));

    EXPECT_EQ(StoreDatabase::Create(u"RoRuVodu12", 1), StoreStatus::Ok);
    EXPECT_EQ(test::FileMode(DataPaths::DataDir()), 0700);
    EXPECT_EQ(test::FileMode(DataPaths::StoreFile()), 0600);
    EXPECT_TRUE(StoreDatabase::Exists(u"RoRuVodu12"));
    EXPECT_EQ(StoreDatabase::Create(u"RoRuVodu12", 1), StoreStatus::DupName);
    EXPECT_EQ(StoreDatabase::Create(u"roruvodu12", 1), StoreStatus::DupName);
    EXPECT_EQ(StoreDatabase::Create(u"", 1), StoreStatus::InvalidParameter);
    EXPECT_EQ(StoreDatabase::Create(std::u16string(33, u'x'), 1), StoreStatus::InvalidParameter);
    EXPECT_EQ(StoreDatabase::Create(std::u16string(32, u'x'), 1), StoreStatus::Ok);
    // Nothing but the store itself is left in the folder (no temporary files).
    for (const auto& e : std::filesystem::directory_iterator(DataPaths::DataDir())) {
        const std::string name = e.path().filename().string();
        EXPECT_TRUE(name.starts_with("diary.sqlite") && name.find(".new-") == name.npos) << name;
    }
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(ObjectStoreTest, EveryValueTypeRoundTrips) {
    auto db = MakeDb();
    std::vector<StoredProp> in = {Prop(CEVT_I2, -32768),
                                  Prop(CEVT_I4, std::numeric_limits<int32_t>::min()),
                                  Prop(CEVT_R8, 0, 36.65),
                                  Prop(CEVT_BOOL, -1),
                                  Prop(CEVT_UI2, 65535),
                                  Prop(CEVT_UI4, 4294967295LL),
                                  Prop(CEVT_LPWSTR),
                                  Prop(CEVT_LPWSTR, 0, 0, u"Тянущиеся,Белые \U0001F600"),
                                  Prop(CEVT_BLOB),
                                  Prop(CEVT_FILETIME, static_cast<int64_t>(0xF123456789ABCDEFULL)),
                                  Prop(CEVT_BLOB, 0, 0, {}, {0, 1, 0, 255, 0})};
    for (size_t i = 0; i < in.size(); ++i) {
        in[i].id = static_cast<uint16_t>(i);
    }
    RecordId id = 0;
    ASSERT_EQ(db->Write(0, in.data(), in.size(), id), StoreStatus::Ok);
    // Read twice into the same list: nothing of a property read before stays behind.
    std::vector<StoredProp> out(in.rbegin(), in.rend());
    for (int pass = 0; pass < 2; ++pass) {
        ASSERT_NE(db->Seek(S::Beginning, 0), 0u);
        ASSERT_EQ(db->ReadCurrent(out), StoreStatus::Ok);
        ASSERT_EQ(out.size(), in.size());
        for (size_t i = 0; i < in.size(); ++i) {
            const auto& [a, b] = std::tie(out[i], in[i]);
            EXPECT_TRUE(std::tie(a.id, a.type, a.i, a.r, a.text, a.blob) ==
                        std::tie(b.id, b.type, b.i, b.r, b.text, b.blob))
                << "property " << i;
        }
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
        ASSERT_EQ(db->DeleteRecord(last), StoreStatus::Ok);
    }
    ObjectStore::CloseThreadConnection();  // a new run of the program
    std::unique_ptr<StoreDatabase> db;
    StoreDatabase::Open(u"Diary", db);
    EXPECT_GT(WriteOne(*db, 99), last);
    EXPECT_EQ(ReadAllValues(*db), (std::vector<int64_t>{0, 1, 2, 3, 99}));
}

TEST_F(ObjectStoreTest, SeeksMoveTheCursor) {
    auto db = MakeDb();
    std::vector<RecordId> ids;
    for (int i = 0; i < 6; ++i) {
        ids.push_back(WriteOne(*db, i * 10));
    }
    const std::tuple<S, int, RecordId> steps[] = {
        {S::Beginning, 0, ids[0]}, {S::Beginning, 2, ids[2]}, {S::Current, 1, ids[3]},
        {S::Current, -2, ids[1]},  {S::End, 0, ids[5]},       {S::End, 1, ids[4]},
        {S::Current, 1, ids[5]},   {S::Current, 1, 0},        {S::Beginning, 6, 0},
    };
    for (const auto& [from, n, want] : steps) {
        EXPECT_EQ(db->Seek(from, n), want) << int(from) << " " << n;
    }
    uint32_t count = 0;
    EXPECT_EQ((std::pair{db->Count(count), count}), std::pair(StoreStatus::Ok, 6u));

    // A deleted current record: reading fails, the walk goes on after it.
    EXPECT_EQ(db->Seek(S::Beginning, 2), ids[2]);
    EXPECT_EQ(db->DeleteRecord(ids[2]), StoreStatus::Ok);
    std::vector<StoredProp> props;
    EXPECT_EQ(db->ReadCurrent(props), StoreStatus::InvalidParameter);
    EXPECT_TRUE(props.empty());
    EXPECT_EQ(db->Seek(S::Current, 1), ids[3]);
    EXPECT_EQ(db->DeleteRecord(ids[2]), StoreStatus::InvalidParameter);
    // Records that are not there are not found, with a walk standing on a row or not.
    ASSERT_EQ(db->Seek(S::Beginning, 0), ids[0]);
    for (const RecordId missing : {ids[2], RecordId{99}}) {
        EXPECT_EQ(db->SeekRecord(missing), 0u);
        EXPECT_EQ(db->Current(), 0u);
    }
}

TEST_F(ObjectStoreTest, TransactionsKeepAllOrNothingAndOverwritesKeepTheIdentifier) {
    auto db = MakeDb();
    const RecordId first = WriteOne(*db, 1);
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

    StoredProp p = Prop(CEVT_I4, 42);
    RecordId written = 0;
    ASSERT_EQ(db->Write(first, &p, 1, written), StoreStatus::Ok);
    EXPECT_EQ(written, first);
    EXPECT_EQ(ReadAllValues(*db), (std::vector<int64_t>{42, 2, 4}));
    EXPECT_EQ(db->Write(9999, &p, 1, written), StoreStatus::InvalidParameter);
    EXPECT_EQ(db->Write(0, &p, 0, written), StoreStatus::InvalidParameter);
}

// Files that are not a store: never changed, reported once per run, naming the file.
struct Damage {
    const char* name;
    void (*make)(ObjectStoreTest&, const std::string& path);
    std::string why;
};

class DamagedStoreTest : public ObjectStoreTest, public ::testing::WithParamInterface<Damage> {};

const std::string kNewer = std::to_string(kStoreSchemaVersion + 1);
const Damage kDamages[] = {
    {"Garbage",
     [](ObjectStoreTest&, const std::string& path) {
         std::string junk;
         for (size_t i = 0; i < 5000; ++i) {
             junk += static_cast<char>((i * 7919) % 251);
         }
         WriteFileBytes(path, junk);
     },
     "not a Velmora diary"},
    {"EmptyFile", [](ObjectStoreTest&, const std::string& path) { WriteFileBytes(path, ""); },
     "empty"},
    {"AnotherProgramsDatabase",
     [](ObjectStoreTest&, const std::string& path) {
         ObjectStoreTest::Sql(path, "CREATE TABLE t(x); INSERT INTO t VALUES(1);");
     },
     "not a Velmora diary"},
    {"CutShort",
     [](ObjectStoreTest& t, const std::string& path) {
         t.WriteManyRecords();
         const std::string whole = ReadFileBytes(path);
         WriteFileBytes(path, whole.substr(0, whole.size() / 2));
     },
     "cut short"},
    {"AFileFormatNewerThanTheProgramKnows",
     [](ObjectStoreTest& t, const std::string& path) {
         t.WriteManyRecords();
         ObjectStoreTest::Sql(path, "PRAGMA user_version=" + kNewer);
     },
     "has file format " + kNewer},
};

TEST_P(DamagedStoreTest, IsLeftUntouchedAndReportedOnce) {
    const std::string path = DataPaths::StoreFile();
    GetParam().make(*this, path);
    const std::string before = ReadFileBytes(path);
    for (int i = 0; i < 5; ++i) {
        std::unique_ptr<StoreDatabase> db;
        EXPECT_FALSE(StoreDatabase::Exists(u"Diary"));
        EXPECT_EQ(StoreDatabase::Open(u"Diary", db), StoreStatus::BadStore);
        EXPECT_EQ(StoreDatabase::Create(u"Diary", 1), StoreStatus::BadStore);
    }
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_FALSE(FileExists(path + "-wal") || FileExists(path + "-shm"));
    ASSERT_EQ(boxes.Count(), 1u);
    const auto box = boxes.Boxes()[0];
    EXPECT_NE(box.text.find(path), std::string::npos) << box.text;
    EXPECT_NE(box.text.find(GetParam().why), std::string::npos) << box.text;
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedStoreTest, ::testing::ValuesIn(kDamages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ObjectStoreTest, DamageInsideAValidFileIsReportedOnceAndNotWritten) {
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
        for (RecordId r = db->Seek(S::Beginning, 0); r != 0; r = db->Seek(S::Current, 1)) {
            db->ReadCurrent(props);
        }
    }
    ObjectStore::CloseThreadConnection();
    EXPECT_EQ(ReadFileBytes(path), bytes);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_NE(boxes.Texts()[0].find(path), std::string::npos);
}

TEST_F(ObjectStoreTest, AFullDiskFailsTheWriteAndKeepsWhatWasThere) {
    test::FaultVfs vfs;
    auto db = MakeDb();
    WriteOne(*db, 1);
    vfs.FailWrites(SQLITE_FULL);
    StoredProp p = Prop(CEVT_I4, 2);
    RecordId id = 0;
    EXPECT_EQ((std::pair{db->Write(0, &p, 1, id), id}),
              std::pair(StoreStatus::DiskFull, RecordId{0}));
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
    EXPECT_TRUE(std::filesystem::is_empty(DataPaths::DataDir()));
    EXPECT_EQ(StoreDatabase::Create(u"Diary", 1), StoreStatus::Ok);
}

}  // namespace
}  // namespace velmora
