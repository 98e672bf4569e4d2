#pragma once

// The diary's days as stored, value for value, to compare one diary file with another; and
// the store file as another tool sees it.

#include <sqlite3.h>

#include <charconv>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/datapaths.h"
#include "platform/objectstore.h"
#include "store/cedatabase.h"
#include "store/velmoradoc.h"
#include "tests/support/testenv.h"

namespace velmora::test {

// Every record of the day store, oldest first, each as one text of all its values.
inline std::vector<std::string> StoredDays() {
    std::vector<std::string> out;
    std::unique_ptr<StoreDatabase> db;
    if (StoreDatabase::Open(kDayStoreName, db) != StoreStatus::Ok) {
        return out;
    }
    std::vector<StoredProp> props;
    for (RecordId r = db->Seek(StoreDatabase::SeekFrom::Beginning, 0); r != 0;
         r = db->Seek(StoreDatabase::SeekFrom::Current, 1)) {
        EXPECT_EQ(db->ReadCurrent(props), StoreStatus::Ok);
        std::string text;
        for (const StoredProp& p : props) {
            char real[32];
            *std::to_chars(real, real + sizeof real - 1, p.r).ptr = '\0';
            text += std::to_string(p.id) + "/" + std::to_string(p.type) + "/" +
                    std::to_string(p.i) + "/" + real + "/" +
                    std::string(reinterpret_cast<const char*>(p.text.data()), p.text.size() * 2) +
                    "/" + std::string(p.blob.begin(), p.blob.end()) + "|";
        }
        out.push_back(std::move(text));
    }
    return out;
}

// The days of the diary file `path`, read by the store as if it were the diary.
inline std::vector<std::string> StoredDaysOf(const std::string& path) {
    TempHome home;
    std::filesystem::create_directories(home.DataHome() + "/velmora");
    std::filesystem::copy_file(path, home.DataHome() + "/velmora/diary.sqlite");
    ObjectStore::CloseThreadConnection();
    return StoredDays();
}

// Days from 1 January 2020 to the day of `t`.
inline int DayNumber(CTime t) {
    return static_cast<int>((t - CVelmoraMFCDoc::DayAtNoon(2020, 1, 1) + kSecondsPerDay / 2) /
                            kSecondsPerDay);
}

// How many records each stored day has, by its day number, as the program's walk sees them.
inline std::map<int, int> RecordsPerDay() {
    std::map<int, int> out;
    CVelmoraMFCDoc scan;
    scan.ForEachDay([&](CVelmoraMFCDoc& d) {
        ++out[DayNumber(d.m_date)];
        return true;
    });
    return out;
}

// Runs SQL on a file (the diary unless told) as another tool would.
inline void Sql(const std::string& sql, const std::string& path = DataPaths::StoreFile()) {
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    char* err = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err), SQLITE_OK) << (err ? err : "");
    sqlite3_free(err);
    sqlite3_close(db);
}

// The rows SQLite gives for `sql` on a file (the diary unless told), each value followed by
// "," and each row by ";"; empty when the file cannot be opened.
inline std::string Query(const std::string& sql, const std::string& path = DataPaths::StoreFile()) {
    std::string out;
    sqlite3* db = nullptr;
    sqlite3_stmt* s = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
        sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr) == SQLITE_OK) {
        while (sqlite3_step(s) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(s); ++c) {
                const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s, c));
                out += std::string(t ? t : "") + (c + 1 < sqlite3_column_count(s) ? "," : ";");
            }
        }
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
    return out;
}

}  // namespace velmora::test
