#include "gfx/memoryfile.h"

#include <algorithm>
#include <cstring>

#include "platform/messagebox.h"
#include "platform/process.h"
#include "platform/resources.h"

namespace velmora {

namespace {

struct Slot {
    const uint8_t* data = nullptr;
    uint8_t* block = nullptr;  // writable bytes, only when attached with SetBuffer
    uint8_t open = 0;
    char mode = 'r';
    uint32_t position = 0;
    uint32_t end = 0;
};

Slot g_slots[CMemoryLikeFile::kSlots];
int g_map[CMemoryLikeFile::kSlots] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
int g_openCount = 0;

void FatalBox(const char* text) {
    ShowMessageBox(text, QT_TRANSLATE_NOOP("Message", "Fatal Error"), MbIcon::Stop, MbButtons::Ok,
                   kForegroundWindow);
}

// The slot a handle stands for, or -1 for a pointer that is not one of ours.
int SlotOf(MemoryFileHandle handle) {
    if (!handle || handle < g_map || handle >= g_map + CMemoryLikeFile::kSlots) {
        return -1;
    }
    return static_cast<int>(handle - g_map);
}

// The picture id of a name: leading decimal digits, as the resource ids are written.
int ParseId(std::u16string_view name) {
    size_t i = 0;
    while (i < name.size() && (name[i] == u' ' || name[i] == u'\t')) {
        ++i;
    }
    bool negative = false;
    if (i < name.size() && (name[i] == u'-' || name[i] == u'+')) {
        negative = name[i] == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < name.size() && name[i] >= u'0' && name[i] <= u'9'; ++i) {
        value = std::min<long long>(value * 10 + (name[i] - u'0'), 1LL << 31);
    }
    if (negative) {
        value = -value;
    }
    return static_cast<int>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

uint32_t Available(const Slot& s) {
    return s.end > s.position ? s.end - s.position : 0;
}

// Bytes to move for size x count, capped at what is left, and the items that makes.
size_t Capped(const Slot& s, size_t size, size_t count, size_t& items) {
    const uint64_t wanted = static_cast<uint64_t>(size) * count;
    const uint64_t room = Available(s);
    if (size != 0 && count > UINT64_MAX / size) {
        items = room / size;  // the product overflows: it cannot fit in any case
        return room;
    }
    if (wanted <= room) {
        items = count;
        return static_cast<size_t>(wanted);
    }
    items = static_cast<size_t>(room / size);
    return static_cast<size_t>(room);
}

}  // namespace

MemoryFileHandle CMemoryLikeFile::fopen(std::u16string_view name, std::string_view mode) {
    if (mode != "r" && mode != "w") {
        return nullptr;
    }
    int free = -1;
    for (int i = 0; i < kSlots; ++i) {
        if (g_map[i] == -1) {
            free = i;
            break;
        }
    }
    if (free < 0) {
        return nullptr;
    }
    Slot s;
    s.open = 1;
    s.mode = mode[0];
    if (s.mode == 'r') {
        const ResourceEntry* e = FindResource("PCT", ParseId(name));
        if (!e) {
            return nullptr;
        }
        if (!e->data) {
            // Found but without bytes: the program cannot show its pictures.
            TerminateProcess(-1);
        }
        // Only the bytes that are there are ever read: a resource too short for its length
        // field is an empty stream, and a length that runs past the end is cut there.
        const uint64_t size = std::min<uint64_t>(e->size, UINT32_MAX);
        uint64_t n = 0;
        if (size >= 4) {
            n = static_cast<uint64_t>(e->data[0]) | static_cast<uint64_t>(e->data[1]) << 8 |
                static_cast<uint64_t>(e->data[2]) << 16 | static_cast<uint64_t>(e->data[3]) << 24;
        }
        s.data = e->data;
        s.end = static_cast<uint32_t>(std::min(n + 4, size));
        s.position = std::min<uint32_t>(4, s.end);
    }
    g_slots[free] = s;
    g_map[free] = free;
    ++g_openCount;
    return &g_map[free];
}

void CMemoryLikeFile::SetBuffer(MemoryFileHandle handle, uint8_t* block, uint32_t capacity) {
    const int i = SlotOf(handle);
    if (i < 0) {
        return;
    }
    g_slots[i].data = block;
    g_slots[i].block = block;
    g_slots[i].end = capacity;
}

size_t CMemoryLikeFile::fread(void* dest, size_t size, size_t count, MemoryFileHandle handle) {
    const int i = SlotOf(handle);
    if (i < 0 || !g_slots[i].open) {
        FatalBox("CMemoryLikeFile::fread");
        return 0;
    }
    Slot& s = g_slots[i];
    size_t items = 0;
    const size_t bytes = Capped(s, size, count, items);
    if (bytes > 0) {
        std::memcpy(dest, s.data + s.position, bytes);
        s.position += static_cast<uint32_t>(bytes);
    }
    return items;
}

size_t CMemoryLikeFile::fwrite(const void* src, size_t size, size_t count,
                               MemoryFileHandle handle) {
    const int i = SlotOf(handle);
    if (i < 0 || !g_slots[i].open) {
        FatalBox("CMemoryLikeFile::fwrite");
        return 0;
    }
    Slot& s = g_slots[i];
    // A resource is never written: a slot opened for reading has no block to write to.
    if (!s.block) {
        FatalBox("CMemoryLikeFile::fwrite 2");
        return 0;
    }
    size_t items = 0;
    const size_t bytes = Capped(s, size, count, items);
    if (bytes > 0) {
        std::memmove(s.block + s.position, src, bytes);
        s.position += static_cast<uint32_t>(bytes);
    }
    return items;
}

MemoryFileStat CMemoryLikeFile::fstat(MemoryFileHandle handle) {
    const int i = SlotOf(handle);
    if (i < 0) {
        return {};
    }
    const Slot& s = g_slots[i];
    return {s.data, s.open, s.mode, s.position, s.end};
}

void CMemoryLikeFile::Seek(MemoryFileHandle handle, uint32_t position) {
    const int i = SlotOf(handle);
    if (i >= 0 && g_slots[i].open) {
        g_slots[i].position = std::min(position, g_slots[i].end);
    }
}

void CMemoryLikeFile::fclose(MemoryFileHandle handle) {
    const int i = SlotOf(handle);
    if (i < 0) {
        return;
    }
    if (i >= g_openCount) {
        FatalBox("CMemoryLikeFile::fclose 1");
    }
    g_slots[i] = Slot{};
    g_map[i] = -1;
    --g_openCount;
    if (g_openCount < 0) {
        FatalBox("CMemoryLikeFile::fclose 2");
    }
}

void CMemoryLikeFile::Reset() {
    for (int i = 0; i < kSlots; ++i) {
        g_slots[i] = Slot{};
        g_map[i] = -1;
    }
    g_openCount = 0;
}

int CMemoryLikeFile::OpenCount() {
    return g_openCount;
}

}  // namespace velmora
