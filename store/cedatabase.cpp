#include "store/cedatabase.h"

#include <mutex>
#include <new>
#include <set>

#include "platform/messagebox.h"
#include "platform/process.h"

namespace velmora {

namespace {

void StopBox(const char* text, const char* caption) {
    ShowMessageBox(text, caption, MbIcon::Stop, MbButtons::Ok, kForegroundWindow);
}

// Records whose bad property ids were already reported this run: a damaged record is
// announced once, not at every walk over the store.
bool FirstReportOfRecord(RecordId record) {
    static std::mutex mutex;
    static std::set<RecordId> reported;
    std::lock_guard lock(mutex);
    return reported.insert(record).second;
}

}  // namespace

bool CCeDatabase::Create(std::u16string_view name) {
    m_name.assign(name.substr(0, 32));
    m_status = StoreDatabase::Create(name, kDayStoreType);
    switch (m_status) {
        case StoreStatus::Ok:
            return true;
        case StoreStatus::DupName:
            StopBox(
                QT_TRANSLATE_NOOP("Message", "A database already exists with the specified name."),
                QT_TRANSLATE_NOOP("Message", "Error"));
            break;
        case StoreStatus::InvalidParameter:
            StopBox(QT_TRANSLATE_NOOP("Message", "A parameter was invalid."),
                    QT_TRANSLATE_NOOP("Message", "Error"));
            break;
        case StoreStatus::DiskFull:
            StopBox(QT_TRANSLATE_NOOP(
                        "Message",
                        "The destination source does not contain enough space to create the new "
                        "database."),
                    QT_TRANSLATE_NOOP("Message", "Error"));
            break;
        default:  // damaged or unreadable files are reported by the store itself
            break;
    }
    return false;
}

bool CCeDatabase::Open(std::u16string_view name) {
    m_current = 0;
    m_handle.reset();
    m_open = false;
    m_status = StoreDatabase::Open(name, m_handle);
    switch (m_status) {
        case StoreStatus::Ok:
            m_open = true;
            m_name.assign(name);
            return true;
        case StoreStatus::OutOfMemory:
            StopBox(QT_TRANSLATE_NOOP("Message",
                                      "No memory was available to allocate a database handle."),
                    QT_TRANSLATE_NOOP("Message", "Error"));
            break;
        case StoreStatus::InvalidParameter:
            StopBox(QT_TRANSLATE_NOOP("Message", "A parameter was invalid."),
                    QT_TRANSLATE_NOOP("Message", "Error"));
            break;
        default:  // not found: silently; damaged files are reported by the store
            break;
    }
    return false;
}

bool CCeDatabase::Close() {
    if (!m_handle) {
        ShowMessageBox(
            QT_TRANSLATE_NOOP("Message", "There is no open database associated with handle."),
            QT_TRANSLATE_NOOP("Message", "Attention"), MbIcon::Information, MbButtons::Ok,
            kForegroundWindow);
        return true;
    }
    m_handle.reset();
    m_name.clear();
    m_open = false;
    m_current = 0;
    return true;
}

bool CCeDatabase::SeekTo(StoreDatabase::SeekFrom from, int32_t offset) {
    m_current = m_handle ? m_handle->Seek(from, offset) : 0;
    m_status = m_handle ? m_handle->SeekStatus() : StoreStatus::InvalidParameter;
    return m_current != 0;
}

bool CCeDatabase::SeekFirst() {
    return SeekTo(StoreDatabase::SeekFrom::Beginning, 0);
}
bool CCeDatabase::SeekNext() {
    return SeekTo(StoreDatabase::SeekFrom::Current, 1);
}
bool CCeDatabase::SeekLast() {
    return SeekTo(StoreDatabase::SeekFrom::End, 0);
}
bool CCeDatabase::SeekPrev() {
    return SeekTo(StoreDatabase::SeekFrom::Current, -1);
}

bool CCeDatabase::SeekRecord(RecordId record) {
    m_current = m_handle ? m_handle->SeekRecord(record) : 0;
    m_status = m_handle ? m_handle->SeekStatus() : StoreStatus::InvalidParameter;
    return m_current != 0;
}

void CCeDatabase::EndScan() {
    if (m_handle) {
        m_handle->StopScan();
    }
}

void CCeDatabase::WalkAll() {
    if (m_handle) {
        m_handle->WalkAll();
    }
}

void CCeDatabase::WalkKeyRange(int64_t lo, int64_t hi) {
    if (m_handle) {
        m_handle->WalkKeyRange(lo, hi);
    }
}

void CCeDatabase::WalkFlagged() {
    if (m_handle) {
        m_handle->WalkFlagged();
    }
}

uint32_t CCeDatabase::GetCount() {
    if (!m_handle) {
        return 0;
    }
    uint32_t count = 0;
    m_status = m_handle->Count(count);
    SeekLast();
    return count;
}

bool CCeDatabase::ReadCurrRecord(CCeDbPropArray& props) {
    props.Clear();
    if (!m_handle || m_current == 0) {
        return false;
    }
    m_status = m_handle->ReadCurrent(m_readBuffer);
    if (m_status != StoreStatus::Ok) {
        return false;
    }
    const size_t count = m_readBuffer.size();
    // Placeholders first (16-bit zeros), then each value at the slot of its id.
    props.Resize(count);
    for (size_t i = 0; i < count; ++i) {
        props.At(i).SetI2(0);
    }
    for (StoredProp& stored : m_readBuffer) {
        size_t slot = stored.id;
        if (slot >= count) {
            if (FirstReportOfRecord(m_current)) {
                StopBox(QT_TRANSLATE_NOOP("Message", "Error in CCeDatabase::ReadCurrRecord"),
                        QT_TRANSLATE_NOOP("Message", "Fatal Error"));
            }
            slot = count - 1;
        }
        props.At(slot).AssignFromStore(std::move(stored));
    }
    return count > 0;
}

bool CCeDatabase::ReadCurrProp(uint16_t propId, CCeDbProp& prop) {
    if (!m_handle || m_current == 0) {
        return false;
    }
    StoredProp stored;
    m_status = m_handle->ReadCurrentProp(propId, stored);
    return m_status == StoreStatus::Ok && prop.AssignFromStore(std::move(stored));
}

bool CCeDatabase::Write(const CCeDbPropArray& props, bool overwrite) {
    const size_t count = props.GetCount();
    if (count == 0) {
        return false;  // nothing to write
    }
    // The values as the store takes them; running out of memory here ends the program.
    std::vector<StoredProp> values;
    try {
        if (TakeInjectedAllocationFailure()) {
            throw std::bad_alloc();
        }
        values.reserve(count);
        for (size_t i = 0; i < count; ++i) {
            values.push_back(props[i].Stored());
            values.back().id = static_cast<uint16_t>(i);
        }
    } catch (const std::bad_alloc&) {
        StopBox(overwrite ? QT_TRANSLATE_NOOP("Message", "There is no free memory!")
                          : QT_TRANSLATE_NOOP("Message", "No free memory"),
                QT_TRANSLATE_NOOP("Message", "Fatal Error"));
        TerminateProcess(1);
    }

    RecordId written = 0;
    if (!m_handle) {
        m_status = StoreStatus::InvalidParameter;
    } else {
        m_status = m_handle->Write(overwrite ? m_current : 0, values.data(), count, written);
    }
    if (m_status == StoreStatus::Ok) {
        m_current = written;
        return true;
    }
    StopBox(overwrite ? QT_TRANSLATE_NOOP("Message", "Can not write in prop-A")
                      : QT_TRANSLATE_NOOP("Message", "Can not write in the prop!"),
            QT_TRANSLATE_NOOP("Message", "Fatal Error"));
    if (m_status == StoreStatus::DiskFull) {
        ShowMessageBox(QT_TRANSLATE_NOOP("Message", "Disk is full!"),
                       QT_TRANSLATE_NOOP("Message", "Error"));
    } else if (m_status == StoreStatus::InvalidParameter) {
        ShowMessageBox(QT_TRANSLATE_NOOP("Message", "Invalid parameter!"),
                       QT_TRANSLATE_NOOP("Message", "Error"));
    }
    return false;
}

bool CCeDatabase::WriteNewRecord(const CCeDbPropArray& props) {
    return Write(props, false);
}

bool CCeDatabase::WriteCurrRecord(const CCeDbPropArray& props) {
    return Write(props, true);
}

bool CCeDatabase::DeleteCurrRecord() {
    if (!m_handle) {
        m_status = StoreStatus::InvalidParameter;
        return false;
    }
    m_status = m_handle->DeleteRecord(m_current);
    return m_status == StoreStatus::Ok;
}

bool CCeDatabase::DeleteDatabase() {
    if (m_name.empty() || !m_handle) {
        StopBox(QT_TRANSLATE_NOOP("Message", "There is no open database!"),
                QT_TRANSLATE_NOOP("Message", "Error"));
        return false;
    }
    m_status = m_handle->DeleteDatabase();
    switch (m_status) {
        case StoreStatus::Ok:
            m_handle.reset();
            m_open = false;
            m_current = 0;
            m_name.clear();
            return true;
        case StoreStatus::SharingViolation:
            StopBox(QT_TRANSLATE_NOOP("Message", "The file is in use."),
                    QT_TRANSLATE_NOOP("Message", "Error"));
            break;
        case StoreStatus::InvalidParameter:
            StopBox(QT_TRANSLATE_NOOP("Message", "A parameter was invalid."),
                    QT_TRANSLATE_NOOP("Message", "Error"));
            break;
        default:
            break;
    }
    return false;
}

bool CCeDatabase::Exists(std::u16string_view name) {
    if (!Open(name)) {
        return false;
    }
    Close();
    return true;
}

bool CCeDatabase::Find(uint32_t value) {
    CCeDbProp date;
    for (bool more = SeekFirst(); more; more = SeekNext()) {
        if (ReadCurrProp(0, date) &&
            static_cast<uint32_t>(static_cast<uint64_t>(date.Stored().i)) == value) {
            return true;
        }
    }
    return false;
}

bool CCeDatabase::DatabaseExists(std::u16string_view name) {
    return StoreDatabase::Exists(name);
}

bool CCeDatabase::BeginTransaction() {
    m_status = m_handle ? m_handle->Begin() : StoreStatus::InvalidParameter;
    return m_status == StoreStatus::Ok;
}

bool CCeDatabase::CommitTransaction() {
    m_status = m_handle ? m_handle->Commit() : StoreStatus::InvalidParameter;
    return m_status == StoreStatus::Ok;
}

void CCeDatabase::RollbackTransaction() {
    if (m_handle) {
        m_handle->Rollback();
    }
}

}  // namespace velmora
