#pragma once

// Plain, slow implementations of the picture format for checking the program's codec: a
// decoder that reads one bit at a time through a 5000-byte block buffer and slides its
// window the long way, and an encoder that searches every window position. They share no
// code with the program.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <vector>

namespace velmora::test {

// Equal byte strings; otherwise where they first differ.
inline std::string FirstDifference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    if (a == b) {
        return {};
    }
    const auto [i, j] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    std::ostringstream s;
    s << "sizes " << a.size() << " and " << b.size() << ", first difference at " << i - a.begin();
    if (i != a.end() && j != b.end()) {
        s << ": " << int(*i) << " against " << int(*j);
    }
    return s.str();
}

// Byte strings compared with a short account of where they differ.
#define EXPECT_BYTES(a, b) EXPECT_EQ(::velmora::test::FirstDifference(a, b), "")
#define ASSERT_BYTES(a, b) ASSERT_EQ(::velmora::test::FirstDifference(a, b), "")

// Appends tokens and raw bits to a stream, most significant bit first.
class TokenWriter {
public:
    void Bits(uint32_t value, int n) {
        for (int i = n - 1; i >= 0; --i) {
            if (m_bits % 8 == 0) {
                m_bytes.push_back(0);
            }
            if ((value >> i) & 1u) {
                m_bytes.back() |= static_cast<uint8_t>(0x80u >> (m_bits % 8));
            }
            ++m_bits;
        }
    }
    void Literal(uint8_t b) {
        Bits(1, 1);
        Bits(b, 8);
    }
    // Copies l + 1 bytes from window index p.
    void Match(uint32_t l, uint32_t p) {
        Bits(0, 1);
        Bits(l, 5);
        Bits(p, 9);
    }
    uint64_t BitCount() const { return m_bits; }
    const std::vector<uint8_t>& Bytes() const { return m_bytes; }

    // A resource whose length field says `n` and that holds `stored` stream bytes (the
    // written ones, then zeros).
    std::vector<uint8_t> Resource(uint32_t n, size_t stored) const {
        std::vector<uint8_t> r = {static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8),
                                  static_cast<uint8_t>(n >> 16), static_cast<uint8_t>(n >> 24)};
        for (size_t i = 0; i < stored; ++i) {
            r.push_back(i < m_bytes.size() ? m_bytes[i] : 0);
        }
        return r;
    }
    // As the encoder stores it: N = whole bytes, then the partial byte if any.
    std::vector<uint8_t> Resource() const {
        return Resource(static_cast<uint32_t>(m_bits / 8), m_bytes.size());
    }

private:
    std::vector<uint8_t> m_bytes;
    uint64_t m_bits = 0;
};

struct ReferenceDecoded {
    std::vector<uint8_t> output;  // the picture's bytes
    uint64_t produced = 0;        // every byte the loop wrote, also those dropped
};

// Decodes `resource` into a picture of `byteSize` bytes that starts filled with `fill`.
// The stream is the N bytes after the length field, or fewer when the resource ends first;
// `skipBits` are read and thrown away before decoding starts.
inline ReferenceDecoded ReferenceDecode(const std::vector<uint8_t>& resource, uint32_t byteSize,
                                        uint8_t fill = 0, uint32_t skipBits = 0) {
    // The input file.
    size_t position = 0;
    size_t end = 0;
    if (resource.size() >= 4) {
        const uint64_t n = resource[0] | resource[1] << 8 | resource[2] << 16 |
                           static_cast<uint64_t>(resource[3]) << 24;
        end = static_cast<size_t>(std::min<uint64_t>(n + 4, resource.size()));
        position = 4;
    } else {
        end = position = resource.size();
    }
    auto fread = [&](uint8_t* dest) {
        const size_t n = std::min<size_t>(5000, end - position);
        if (n > 0) {
            std::memcpy(dest, resource.data() + position, n);
        }
        position += n;
        return static_cast<uint32_t>(n);
    };

    // The reading bit stream.
    std::vector<uint8_t> inBuffer(5000, 0);
    uint32_t count = fread(inBuffer.data());
    uint8_t current = inBuffer[0];
    int bit = 7;
    uint32_t index = 1;
    bool atEnd = false;
    auto readBits = [&](int n) {
        uint32_t v = 0;
        for (int i = 0; i < n; ++i) {
            const int taken = bit;
            const uint32_t b = (bit >= 0 && bit <= 31) ? (current >> bit) & 1u : 0u;
            bit = bit < 0 ? bit : bit - 1;
            v = v << 1 | b;
            if (taken == 0 && !atEnd) {
                current = inBuffer[index];
                ++index;
                if (index >= count) {
                    count = fread(inBuffer.data());
                    index = 0;
                    if (count == 0) {
                        atEnd = true;
                    }
                }
                bit = 7;
            }
        }
        return v;
    };

    // The writing bit stream over the picture.
    ReferenceDecoded result;
    result.output.assign(byteSize, fill);
    size_t outPosition = 0;
    std::vector<uint8_t> outBuffer(5000, 0);
    size_t outIndex = 0;
    auto fwrite = [&](size_t n) {
        const size_t room = byteSize - outPosition;
        const size_t copied = std::min(n, room);
        std::copy_n(outBuffer.begin(), copied, result.output.begin() + outPosition);
        outPosition += copied;
    };
    auto writeByte = [&](uint8_t b) {
        outBuffer[outIndex++] = b;
        ++result.produced;
        if (outIndex == 5000) {
            fwrite(5000);
            outIndex = 0;
        }
    };

    // The decoder: a 1088-byte buffer holding a sliding 544-byte view.
    std::vector<uint8_t> work(1088, 0);
    size_t offset = 0;
    for (uint32_t i = 0; i < skipBits; ++i) {
        readBits(1);
    }
    while (!atEnd) {
        uint8_t* view = work.data() + offset;
        uint32_t k = 0;
        if (readBits(1) == 0) {
            const uint32_t l = readBits(5);
            const uint32_t p = readBits(9);
            for (uint32_t i = 0; i <= l; ++i) {
                view[512 + i] = view[p + i];
            }
            k = l + 1;
        } else {
            view[512] = static_cast<uint8_t>(readBits(8));
            k = 1;
        }
        for (uint32_t i = 0; i < k; ++i) {
            writeByte(view[512 + i]);
        }
        if (offset + k < 544) {
            offset += k;
        } else {
            std::vector<uint8_t> moved(view + k, view + 544);
            std::copy(moved.begin(), moved.end(), work.begin());
            offset = 0;
        }
    }
    if (outIndex != 0) {
        fwrite(outIndex);
    }
    return result;
}

// The encoder as described: each step searches window positions 0 to 511 upwards for the
// longest run shared with the look-ahead (up to 32 bytes), keeping the first of equal runs.
// Returns the whole resource for exactly `input` (no zero bytes added).
inline std::vector<uint8_t> ReferenceEncodeExactly(const std::vector<uint8_t>& input) {
    std::vector<uint8_t> view(544, 0);
    size_t next = 0;  // next input byte to take into the look-ahead
    size_t ahead = 0;
    while (ahead < 32 && next < input.size()) {
        view[512 + ahead++] = input[next++];
    }
    TokenWriter out;
    while (ahead > 0) {
        size_t best = 0;
        size_t bestAt = 0;
        for (size_t p = 0; p < 512; ++p) {
            size_t run = 0;
            while (run < ahead && view[p + run] == view[512 + run]) {
                ++run;
            }
            if (run > best) {
                best = run;
                bestAt = p;
            }
            if (best == ahead) {
                break;
            }
        }
        size_t used = 1;
        if (best >= 2) {
            out.Match(static_cast<uint32_t>(best - 1), static_cast<uint32_t>(bestAt));
            used = best;
        } else {
            out.Literal(view[512]);
        }
        // Slide by `used` and refill the look-ahead.
        std::vector<uint8_t> moved(view.begin() + used, view.end());
        std::copy(moved.begin(), moved.end(), view.begin());
        ahead -= used;
        while (ahead < 32 && next < input.size()) {
            view[512 + ahead++] = input[next++];
        }
    }
    return out.Resource();
}

// The pixels followed by two zero bytes, and more until decoding yields every pixel byte.
inline std::vector<uint8_t> ReferenceEncode(const std::vector<uint8_t>& pixels) {
    std::vector<uint8_t> input = pixels;
    input.resize(pixels.size() + 2, 0);
    for (;;) {
        std::vector<uint8_t> r = ReferenceEncodeExactly(input);
        const ReferenceDecoded d = ReferenceDecode(r, static_cast<uint32_t>(pixels.size()));
        if (d.produced >= pixels.size() && d.output == pixels) {
            return r;
        }
        input.push_back(0);
    }
}

}  // namespace velmora::test
