#pragma once

#include <cstdint>
#include <string_view>

#include "gfx/memoryfile.h"

namespace velmora {

class BitFile;
void Lz77Decode(BitFile& input, BitFile& output);

// A bit stream over one CMemoryLikeFile slot, most significant bit first, buffered in blocks
// of 5000 bytes. Reading: once the stream's last byte has been taken into the current byte,
// the stream is at its end; the rest of that byte can still be read, and every bit after it
// reads as 0. Writing: the output block is the one set with Lz77SetOutput.
class BitFile {
public:
    static constexpr uint32_t kBlockSize = 5000;

    // Opens the slot `name` in `mode` ('r' or 'w'); none when the BitFile cannot be
    // allocated or the slot cannot be opened.
    static BitFile* Open(std::u16string_view name, char mode);

    // Flushes a writer (padding its last byte with zero bits) and checks that its block is
    // not larger than the picture ("NEPRAVILEN RAZMER NA KOMPRESIRANIQT FILE"); then closes
    // the slot and frees the BitFile.
    static void Close(BitFile* file);

    // The next `n` bits (n capped at 32), first bit highest; 0 for n = 0 or a writer.
    uint32_t ReadBits(int n);
    // Appends the low `n` bits of `value` (n capped at 32), highest first; 1, or -1 when
    // this BitFile is not a writer.
    int WriteBits(uint32_t value, int n);

    char Mode() const { return m_mode; }
    bool AtEnd() const { return m_atEnd != 0; }
    MemoryFileHandle Handle() const { return m_file; }

private:
    BitFile() = default;
    void Refill();

    // The decoder reads and writes in place when both streams are where it can take over.
    friend void Lz77Decode(BitFile& input, BitFile& output);

    MemoryFileHandle m_file = nullptr;
    // Zero-filled when made: a stream of fewer than two bytes reads zeros after its end.
    uint8_t m_buffer[kBlockSize] = {};
    uint8_t m_current = 0;
    int32_t m_bit = 0;
    uint32_t m_index = 0;
    uint32_t m_count = 0;
    char m_mode = 'r';
    uint8_t m_atEnd = 0;
};

}  // namespace velmora
