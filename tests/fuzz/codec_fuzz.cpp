// Fuzz target for the picture codec and the in-memory file table.
//
// Input: a mode byte, a width and a height byte, then the rest. The rest is
//  - always: a "PCT" resource, loaded into a picture of width x height the way the program
//    loads pictures; it must give what the plain decoder of tests/gfx/codec_reference.h
//    gives, and, for a picture without pixel memory, one "CMemoryLikeFile::fwrite 2" box per
//    block the plain loop writes;
//  - mode bit 0: pixel bytes, encoded and loaded back: they must come back unchanged;
//  - mode bit 1: a run of file-table operations, checked against a small model of the table.
// Any difference aborts; AddressSanitizer catches any access outside the buffers, which are
// all heap blocks of exactly their size.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "gfx/lz77.h"
#include "gfx/memoryfile.h"
#include "platform/messagebox.h"
#include "platform/resources.h"
#include "tests/gfx/codec_reference.h"

namespace {

using namespace velmora;

constexpr int kId = 7;

int g_boxes = 0;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "codec_fuzz: %s\n", what);
    std::abort();
}

std::unique_ptr<uint8_t[]> Exact(const uint8_t* data, size_t size) {
    std::unique_ptr<uint8_t[]> p(new uint8_t[size]);
    if (size > 0) {
        std::memcpy(p.get(), data, size);
    }
    return p;
}

void LoadAsPicture(const uint8_t* data, size_t size, uint32_t byteSize, bool noMemory) {
    const auto resource = Exact(data, size);
    SetExtraResource("PCT", kId, resource.get(), size);
    const std::vector<uint8_t> bytes(data, data + size);
    const auto plain = test::ReferenceDecode(bytes, byteSize, 0xA5);
    g_boxes = 0;
    if (noMemory) {
        Lz77LoadPicture(u"7", nullptr, 0);
        const uint64_t blocks = (plain.produced + 4999) / 5000;
        if (static_cast<uint64_t>(g_boxes) != blocks) {
            Fail("boxes for a picture without memory");
        }
    } else {
        std::unique_ptr<uint8_t[]> out(new uint8_t[byteSize]);
        std::memset(out.get(), 0xA5, byteSize);
        if (!Lz77LoadPicture(u"7", out.get(), byteSize)) {
            Fail("the picture was not found");
        }
        if (byteSize > 0 && std::memcmp(out.get(), plain.output.data(), byteSize) != 0) {
            Fail("the decoder and the plain decoder differ");
        }
        if (g_boxes != 0) {
            Fail("a box while loading");
        }
    }
    SetExtraResource("PCT", kId, nullptr, 0);
}

void RoundTrip(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> resource = Lz77Encode(data, size);
    const auto exact = Exact(resource.data(), resource.size());
    SetExtraResource("PCT", kId, exact.get(), resource.size());
    std::unique_ptr<uint8_t[]> out(new uint8_t[size]);
    std::memset(out.get(), 0x5A, size);
    Lz77LoadPicture(u"7", out.get(), static_cast<uint32_t>(size));
    if (size > 0 && std::memcmp(out.get(), data, size) != 0) {
        Fail("an encoded picture does not decode to its pixels");
    }
    SetExtraResource("PCT", kId, nullptr, 0);
}

// The file table as the program describes it, kept beside the real one.
struct ModelSlot {
    bool open = false;
    char mode = 'r';
    bool block = false;
    uint32_t position = 0;
    uint32_t end = 0;
};

void FileOperations(const uint8_t* data, size_t size) {
    const auto resource = Exact(data, size);
    SetExtraResource("PCT", kId, resource.get(), size);
    CMemoryLikeFile::Reset();
    ModelSlot model[CMemoryLikeFile::kSlots];
    int count = 0;
    MemoryFileHandle handles[CMemoryLikeFile::kSlots] = {};
    std::vector<std::unique_ptr<uint8_t[]>> blocks;
    // The stream length that the reader sees, as the resource states it and holds it.
    uint32_t readEnd = static_cast<uint32_t>(size);
    if (size >= 4) {
        const uint64_t n = data[0] | data[1] << 8 | data[2] << 16 | uint64_t{data[3]} << 24;
        readEnd = static_cast<uint32_t>(std::min<uint64_t>(n + 4, size));
    }

    size_t i = 4;
    auto next = [&] { return i < size ? data[i++] : uint8_t{0}; };
    for (int op = 0; op < 64 && i < size; ++op) {
        const uint8_t kind = next() % 8;
        const int k = next() % CMemoryLikeFile::kSlots;
        const int boxesBefore = g_boxes;
        int expectedBoxes = 0;
        switch (kind) {
            case 0:
            case 1: {
                const bool read = kind == 0;
                const bool missing = read && next() % 4 == 0;
                MemoryFileHandle h =
                    CMemoryLikeFile::fopen(missing ? u"8" : u"7", read ? "r" : "w");
                int free = -1;
                for (int s = 0; s < CMemoryLikeFile::kSlots && free < 0; ++s) {
                    free = model[s].open ? -1 : s;
                }
                if (missing || free < 0) {
                    if (h) {
                        Fail("fopen gave a handle it should not");
                    }
                    break;
                }
                if (!h || *h != free) {
                    Fail("fopen did not take the lowest free slot");
                }
                handles[free] = h;
                model[free] = {true, read ? 'r' : 'w', false,
                               read ? std::min<uint32_t>(4, readEnd) : 0u, read ? readEnd : 0u};
                ++count;
                break;
            }
            case 2: {
                if (!handles[k]) {
                    break;
                }
                const uint32_t capacity = next();
                blocks.emplace_back(new uint8_t[capacity]);
                CMemoryLikeFile::SetBuffer(handles[k], blocks.back().get(), capacity);
                model[k].block = true;
                model[k].end = capacity;
                break;
            }
            case 3:
            case 4: {
                if (!handles[k]) {
                    break;
                }
                const size_t itemSize = next() % 9;
                const size_t items = next() % 40;
                std::unique_ptr<uint8_t[]> buffer(new uint8_t[itemSize * items]);
                std::memset(buffer.get(), 0x33, itemSize * items);
                ModelSlot& m = model[k];
                size_t expected = 0;
                if (!m.open || (kind == 4 && !m.block)) {
                    expectedBoxes = 1;
                } else {
                    const uint64_t room = m.end > m.position ? m.end - m.position : 0;
                    const uint64_t wanted = uint64_t{itemSize} * items;
                    const uint64_t moved = std::min(wanted, room);
                    expected = wanted <= room ? items : moved / itemSize;
                    m.position += static_cast<uint32_t>(moved);
                }
                const size_t got =
                    kind == 3 ? CMemoryLikeFile::fread(buffer.get(), itemSize, items, handles[k])
                              : CMemoryLikeFile::fwrite(buffer.get(), itemSize, items, handles[k]);
                if (got != expected) {
                    Fail("fread or fwrite returned the wrong count");
                }
                break;
            }
            case 5:
                if (!handles[k]) {
                    break;
                }
                expectedBoxes = (k >= count) + (count - 1 < 0);
                CMemoryLikeFile::fclose(handles[k]);
                model[k] = ModelSlot{};
                --count;
                break;
            case 6:
                CMemoryLikeFile::Reset();
                for (auto& m : model) {
                    m = ModelSlot{};
                }
                count = 0;
                break;
            default:
                break;
        }
        if (g_boxes - boxesBefore != expectedBoxes) {
            Fail("the wrong number of boxes");
        }
        if (CMemoryLikeFile::OpenCount() != count) {
            Fail("the open count differs");
        }
        for (int s = 0; s < CMemoryLikeFile::kSlots; ++s) {
            if (!handles[s]) {
                continue;
            }
            const MemoryFileStat st = CMemoryLikeFile::fstat(handles[s]);
            const ModelSlot& m = model[s];
            if (st.open != m.open ||
                (m.open && (st.mode != m.mode || st.position != m.position || st.end != m.end))) {
                Fail("fstat differs from the model");
            }
        }
    }
    CMemoryLikeFile::Reset();
    SetExtraResource("PCT", kId, nullptr, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool quiet = [] {
        SetMessageBoxHandler([](const MessageBoxRequest&) {
            ++g_boxes;
            return static_cast<int>(IDOK);
        });
        return true;
    }();
    (void)quiet;
    if (size < 3) {
        return 0;
    }
    const uint8_t mode = data[0];
    const uint32_t width = data[1];
    const uint32_t height = data[2];
    data += 3;
    size -= 3;

    LoadAsPicture(data, size, width * height * 2, width * height == 0 && (mode & 4));
    if (mode & 1) {
        RoundTrip(data, size);
    }
    if (mode & 2) {
        FileOperations(data, size);
    }
    return 0;
}
