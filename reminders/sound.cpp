#include "reminders/sound.h"

#include <cstddef>
#include <cstring>

#include "platform/resources.h"

namespace velmora {

namespace {

uint32_t Le32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

uint16_t Le16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

constexpr size_t kChunkHeader = 8;
constexpr size_t kFirstChunk = 12;  // after "RIFF", the size and "WAVE"
constexpr size_t kFormatSize = 16;  // the PCM part of the format chunk that is read
// The player leaves out the last 8 bytes of every sound (they hold the end's silence).
constexpr uint32_t kUnplayedTail = 8;

}  // namespace

bool CSound::LoadWaveResource(int id) {
    data = nullptr;
    rate = 0;
    length = 0;

    const ResourceEntry* res = FindResource("WAVE", id);
    if (!res || !res->data) {
        return false;
    }
    const uint8_t* bytes = res->data;
    const size_t size = res->size;

    // The RIFF header is trusted as far as its size; the format chunk must come first.
    if (size < kFirstChunk + kChunkHeader || std::memcmp(bytes + kFirstChunk, "fmt ", 4) != 0) {
        return false;
    }
    const uint32_t formatSize = Le32(bytes + kFirstChunk + 4);
    const size_t format = kFirstChunk + kChunkHeader;
    if (formatSize < kFormatSize || formatSize > size - format) {
        return false;
    }
    const uint16_t channels = Le16(bytes + format + 2);
    const uint32_t samplesPerSecond = Le32(bytes + format + 4);
    const uint16_t bitsPerSample = Le16(bytes + format + 14);
    if (channels != 1 || bitsPerSample != 8 || samplesPerSecond == 0) {
        return false;
    }

    // Walk the chunks from the format chunk to "data"; every size must stay inside.
    size_t at = kFirstChunk;
    for (;;) {
        if (size - at < kChunkHeader) {
            return false;  // the end came before a data chunk
        }
        const uint32_t chunkSize = Le32(bytes + at + 4);
        if (chunkSize > size - at - kChunkHeader) {
            return false;
        }
        if (std::memcmp(bytes + at, "data", 4) == 0) {
            if (chunkSize < kUnplayedTail) {
                return false;
            }
            data = bytes + at + kChunkHeader;
            rate = samplesPerSecond;
            length = chunkSize - kUnplayedTail;
            return true;
        }
        at += kChunkHeader + chunkSize;
    }
}

}  // namespace velmora
