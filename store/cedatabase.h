#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/objectstore.h"
#include "store/ceprop.h"

namespace velmora {

// The day store's name and type identifier.
inline constexpr std::u16string_view kDayStoreName = u"RoRuVodu12";
inline constexpr uint32_t kDayStoreType = 0x54533134;

// One database of the object store with a current-record cursor. Operations return TRUE
// (true) on success and tell the user about failures in message boxes.
class CCeDatabase {
public:
    CCeDatabase() = default;
    ~CCeDatabase() = default;
    CCeDatabase(const CCeDatabase&) = delete;
    CCeDatabase& operator=(const CCeDatabase&) = delete;

    // Creates the database (and the store file when needed); does not open it.
    bool Create(std::u16string_view name);
    // Opens the database; false without a message when it does not exist.
    bool Open(std::u16string_view name);
    bool Close();

    bool SeekFirst();
    bool SeekNext();
    bool SeekLast();
    bool SeekPrev();
    // Makes the record with identifier `record` current (false when it is gone, or when the
    // store could not be read: LastStatus() tells which). Every seek sets LastStatus().
    bool SeekRecord(RecordId record);
    // Ends a walk that stops before the last record, so it holds no read open.
    void EndScan();
    // What SeekFirst and SeekNext walk over: every record (the default, and after Open), or
    // only those whose property 0 holds a number from `lo` to `hi`, or only those whose
    // property kIndexedFlagProp is not 0; in the order they were written either way. The
    // narrowed walks read only their records, through the file's indexes.
    void WalkAll();
    void WalkKeyRange(int64_t lo, int64_t hi);
    void WalkFlagged();
    // Number of records; the last record becomes current.
    uint32_t GetCount();

    // Reads the current record into `props`, each value at the index of its property id.
    bool ReadCurrRecord(CCeDbPropArray& props);
    // Reads one property of the current record (for walks that look at one value).
    bool ReadCurrProp(uint16_t propId, CCeDbProp& prop);
    // Writes `props` as a new record, each value with its index as property id.
    bool WriteNewRecord(const CCeDbPropArray& props);
    // As WriteNewRecord, but replaces the current record.
    bool WriteCurrRecord(const CCeDbPropArray& props);
    bool DeleteCurrRecord();
    bool DeleteDatabase();
    // Open followed by Close.
    bool Exists(std::u16string_view name);
    // Walks from the first record to the first whose property 0 holds `value` in its low
    // 32 bits; that record becomes current.
    bool Find(uint32_t value);

    // Whether a database of that name exists, without opening it.
    static bool DatabaseExists(std::u16string_view name);

    // Several writes as one: all are kept or none.
    bool BeginTransaction();
    bool CommitTransaction();
    void RollbackTransaction();

    bool IsOpen() const { return m_open; }
    RecordId GetCurrentRecord() const { return m_current; }
    const std::u16string& GetName() const { return m_name; }
    // Outcome of the last store call, for callers that tell failures apart.
    StoreStatus LastStatus() const { return m_status; }

private:
    bool Write(const CCeDbPropArray& props, bool overwrite);
    bool SeekTo(StoreDatabase::SeekFrom from, int32_t offset);

    bool m_open = false;
    std::u16string m_name;
    std::unique_ptr<StoreDatabase> m_handle;
    RecordId m_current = 0;
    StoreStatus m_status = StoreStatus::Ok;
    std::vector<StoredProp> m_readBuffer;
};

}  // namespace velmora
