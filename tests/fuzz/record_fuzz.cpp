// Fuzz target for the record reader: arbitrary property lists (any type code, ids beyond
// the count, texts and blobs of any length, any values) are written as a record as another
// tool might have written them, then read the ways the program reads days: the record
// reader, the day loader, a walk, finding the day, the cycle engine and the month model.
// Nothing may crash or read outside a buffer; every value read must lie in its list.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "cycle/cycleinfo.h"
#include "cycle/monthmodel.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "platform/objectstore.h"
#include "store/velmoradoc.h"

namespace {

using namespace velmora;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "record_fuzz: %s\n", what);
    std::abort();
}

// Reads the input front to back; past its end every read is zero.
struct Reader {
    const uint8_t* p;
    size_t left;
    uint8_t Byte() {
        if (!left) {
            return 0;
        }
        --left;
        return *p++;
    }
    uint64_t U64() {
        uint64_t v = 0;
        for (int i = 0; i < 8; ++i) {
            v = (v << 8) | Byte();
        }
        return v;
    }
};

void Setup() {
    static bool done = false;
    if (done) {
        return;
    }
    done = true;
    std::string dir = (std::filesystem::temp_directory_path() / "velmora-fuzz-XXXXXX").string();
    if (!mkdtemp(dir.data())) {
        Fail("no temporary folder");
    }
    setenv("XDG_DATA_HOME", (dir + "/data").c_str(), 1);
    setenv("TZ", "Europe/Berlin", 1);
    // Boxes (an id beyond the count, a long text) are expected; they must not wait.
    SetMessageBoxHandler([](const MessageBoxRequest& r) { return DefaultAnswer(r.buttons); });
    Clock::Pin(CTime(2026, 12, 6, 10, 0, 0));
    CCeDatabase db;
    if (!db.Create(kDayStoreName)) {
        Fail("cannot make the store");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Setup();
    Reader in{data, size};
    static const uint16_t kTypes[] = {CEVT_I2,     CEVT_I4,       CEVT_R8,   CEVT_BOOL, CEVT_UI2,
                                      CEVT_UI4,    CEVT_LPWSTR,   CEVT_FILETIME, CEVT_BLOB};
    const int count = in.Byte() % 40;
    std::vector<StoredProp> props(static_cast<size_t>(count));
    for (StoredProp& p : props) {
        p.id = in.Byte();
        p.type = kTypes[in.Byte() % 9];
        switch (p.type) {
            case CEVT_R8: {
                const uint64_t bits = in.U64();
                std::memcpy(&p.r, &bits, sizeof p.r);
                break;
            }
            case CEVT_LPWSTR: {
                const int n = in.Byte() + (in.Byte() & 1) * 200;
                for (int i = 0; i < n; ++i) {
                    p.text.push_back(static_cast<char16_t>(in.Byte() | (in.Byte() << 8)));
                }
                break;
            }
            case CEVT_BLOB: {
                const int n = in.Byte() % 64;
                for (int i = 0; i < n; ++i) {
                    p.blob.push_back(in.Byte());
                }
                break;
            }
            default:
                p.i = static_cast<int64_t>(in.U64());
                break;
        }
    }
    std::unique_ptr<StoreDatabase> handle;
    if (StoreDatabase::Open(kDayStoreName, handle) != StoreStatus::Ok) {
        Fail("cannot open the store");
    }
    RecordId written = 0;
    if (count > 0 && handle->Write(0, props.data(), props.size(), written) != StoreStatus::Ok) {
        // Lone surrogates and other texts SQLite will not take are refused, not a fault.
        return 0;
    }
    handle.reset();

    CVelmoraMFCDoc doc;
    int days = 0;
    doc.ForEachDay([&](CVelmoraMFCDoc& d) {
        ++days;
        if (d.m_fluid < 0 || d.m_fluid > 6) {
            Fail("fluid outside its list");
        }
        for (int k = 0; k < kAlarmSlots; ++k) {
            if (d.m_alarmType[k] > 9 || d.m_diaryType[k] < 0 || d.m_diaryType[k] > 6) {
                Fail("alarm or diary type outside its list");
            }
            if (d.m_diaryText[k].size() > kMaxPropText) {
                Fail("a text longer than a value holds");
            }
        }
        if (d.m_note.size() > kMaxPropText || d.m_sportKind.size() > kMaxPropText) {
            Fail("a text longer than a value holds");
        }
        // Find the day again by its own date (a record dated anywhere at all).
        CVelmoraMFCDoc other;
        other.FindDay(d.m_date);
        return true;
    });
    CycleInfo info;
    info.Analyze();
    DayMarks marks{};
    CVelmoraMFCDoc view;
    LoadMonthModel(marks, view, 12, 2026, info);

    if (written) {
        if (StoreDatabase::Open(kDayStoreName, handle) == StoreStatus::Ok) {
            handle->DeleteRecord(written);
        }
    }
    return 0;
}
