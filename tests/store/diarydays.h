#pragma once

// The diary's days as stored, value for value, to compare one diary file with another.

#include <charconv>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/objectstore.h"
#include "store/cedatabase.h"
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

}  // namespace velmora::test
