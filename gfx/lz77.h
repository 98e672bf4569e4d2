#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace velmora {

class BitFile;

// The picture codec. A "PCT" resource is
//   offset 0, 4 bytes: N, little-endian: the stream bytes the decoder may consume
//   offset 4, N bytes: the LZ77 bit stream
//   then 0 or 1 byte:  the encoder's zero-padded last partial byte (stored, never read)
// Bits are read from bit 7 of each byte down to bit 0. A token is a literal (bit 1, then the
// byte in 8 bits) or a match (bit 0, then L in 5 bits and P in 9 bits): L + 1 bytes copied
// from index P of the 512 most recent output bytes (index 511 is the newest), where a copy
// running past index 511 repeats the bytes it has just produced. The window starts as 512
// zero bytes. Decoding stops after the token during which the reader took in the last of
// the N bytes; that token still uses that byte's bits (any bit after it reads as 0), and no
// token that starts later is decoded. Output past the picture's size is dropped.
//
// The decoder's state is process-wide: one load at a time, on the interface thread.

// The block that a writing BitFile attaches to its slot, and the picture's size in bytes.
void Lz77SetOutput(uint8_t* output, uint32_t byteSize);
uint8_t* Lz77OutputPointer();
uint32_t Lz77OutputSize();

// Allocates and zeroes the decoder's window. When that fails the program prints
// "lz77 : Memory allocation error. Exiting...\n" and ends with exit code 1.
void Lz77Init();
// Decodes `input` into `output`, as if each produced byte were written with
// output.WriteBits(byte, 8). Does nothing without Lz77Init or when `input` is not a reader.
void Lz77Decode(BitFile& input, BitFile& output);
// Frees the window.
void Lz77Free();

// Decodes the "PCT" resource named `name` (the picture id in decimal) into `byteSize` bytes
// at `output`: the whole load with a fresh file table, slot 0 for the input and slot 1 for
// the output. False, with `output` untouched, when the resource cannot be opened.
bool Lz77LoadPicture(std::u16string_view name, uint8_t* output, uint32_t byteSize);

// Makes the "PCT" resource of `size` pixel bytes (whole resource: length, stream and last
// partial byte). The pixel bytes are followed by at least two zero bytes, and by as many
// more as it takes for the decoder's end rule to still yield every pixel byte.
std::vector<uint8_t> Lz77Encode(const uint8_t* pixels, size_t size);

}  // namespace velmora
