#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace velmora {

// A handle to an open in-memory file: it points at the file's entry in the slot map, and that
// entry holds the slot's own index.
using MemoryFileHandle = int*;

// What CMemoryLikeFile::fstat reports about a slot.
struct MemoryFileStat {
    const uint8_t* data = nullptr;
    uint8_t open = 0;
    char mode = 'r';
    uint32_t position = 0;
    uint32_t end = 0;
};

// The files the picture decoder reads and writes, without touching the disk: a "PCT" picture
// resource read in place ("r"), or the caller's pixel block written in place ("w"). A
// process-wide table of 10 slots, used by the interface thread only; every load starts with
// Reset, so a load always finds slot 0 for its input and slot 1 for its output.
//
// Failures show a "Fatal Error" box naming the operation, and the operation goes on.
class CMemoryLikeFile {
public:
    static constexpr int kSlots = 10;

    // "r": `name` is the picture id in decimal; the "PCT" resource of that id is read in
    // place, from offset 4 up to 4 + N, where N is the little-endian length at its start.
    // A resource that cannot hold its own length, or whose N runs past its end, reads only
    // the bytes that are there: nothing outside the resource is ever read. A resource that is
    // registered without bytes ends the program with exit code -1.
    // "w": an empty slot at position 0; the caller attaches the block with SetBuffer.
    // Takes the lowest free slot; none when the id has no resource, the mode is neither "r"
    // nor "w", or all 10 slots are open.
    static MemoryFileHandle fopen(std::u16string_view name, std::string_view mode);

    // Attaches a writable block of `capacity` bytes: the slot's data and its end.
    static void SetBuffer(MemoryFileHandle handle, uint8_t* block, uint32_t capacity);

    // Copy up to size x count bytes, as many as lie between the position and the end, and
    // return the number of whole items moved (count when everything fitted). Bytes written
    // past the end are dropped without a message.
    static size_t fread(void* dest, size_t size, size_t count, MemoryFileHandle handle);
    static size_t fwrite(const void* src, size_t size, size_t count, MemoryFileHandle handle);

    static MemoryFileStat fstat(MemoryFileHandle handle);

    // Moves the position of an open slot (never past its end). The decoder uses it when it
    // has moved bytes itself rather than through fread and fwrite.
    static void Seek(MemoryFileHandle handle, uint32_t position);

    // Clears the slot and frees it. Slots must be closed in the reverse order of opening:
    // closing a slot whose index is not below the number of open slots shows
    // "CMemoryLikeFile::fclose 1".
    static void fclose(MemoryFileHandle handle);

    // Frees and clears every slot.
    static void Reset();

    // Number of open slots (negative after more closes than opens, until Reset).
    static int OpenCount();
};

}  // namespace velmora
