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
    const auto [i, j] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    std::ostringstream s;
    s << "sizes " << a.size() << " and " << b.size() << ", first difference at " << i - a.begin();
    if (i != a.end() && j != b.end()) {
        s << ": " << int(*i) << " against " << int(*j);
    }
    return a == b ? std::string() : s.str();
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
        std::vector<uint8_t> r(4 + stored, 0);
        for (size_t i = 0; i < r.size(); ++i) {
            r[i] = i < 4 ? uint8_t(n >> (8 * i)) : i - 4 < m_bytes.size() ? m_bytes[i - 4] : 0;
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
    size_t position = std::min<size_t>(4, resource.size());
    size_t end = position;
    if (resource.size() >= 4) {
        const uint64_t n = resource[0] | resource[1] << 8 | resource[2] << 16 |
                           static_cast<uint64_t>(resource[3]) << 24;
        end = static_cast<size_t>(std::min<uint64_t>(n + 4, resource.size()));
    }
    std::vector<uint8_t> inBuffer(5000, 0);
    auto fread = [&] {
        const size_t n = std::min<size_t>(5000, end - position);
        std::copy_n(resource.begin() + static_cast<ptrdiff_t>(position), n, inBuffer.begin());
        position += n;
        return static_cast<uint32_t>(n);
    };
    // The reading bit stream: after the last byte's last bit, zeros.
    uint32_t count = fread();
    uint8_t current = inBuffer[0];
    int bit = 7;
    uint32_t index = 1;
    bool atEnd = false;
    auto readBits = [&](int n) {
        uint32_t v = 0;
        for (int i = 0; i < n; ++i) {
            v = v << 1 | (bit >= 0 ? (current >> bit) & 1u : 0u);
            if (bit == 0 && !atEnd) {
                current = inBuffer[index++];
                if (index >= count) {
                    count = fread();
                    index = 0;
                    atEnd = count == 0;
                }
                bit = 7;
            } else if (bit >= 0) {
                --bit;
            }
        }
        return v;
    };

    // The decoder: a 1088-byte buffer holding a sliding 544-byte view; bytes past the
    // picture's end are counted and dropped.
    ReferenceDecoded result;
    result.output.assign(byteSize, fill);
    std::vector<uint8_t> work(1088, 0);
    size_t offset = 0;
    for (uint32_t i = 0; i < skipBits; ++i) {
        readBits(1);
    }
    while (!atEnd) {
        uint8_t* view = work.data() + offset;
        uint32_t k = 1;
        if (readBits(1) == 0) {
            const uint32_t l = readBits(5);
            const uint32_t p = readBits(9);
            for (uint32_t i = 0; i <= l; ++i) {
                view[512 + i] = view[p + i];
            }
            k = l + 1;
        } else {
            view[512] = static_cast<uint8_t>(readBits(8));
        }
        for (uint32_t i = 0; i < k; ++i, ++result.produced) {
            if (result.produced < byteSize) {
                result.output[result.produced] = view[512 + i];
            }
        }
        if (offset + k < 544) {
            offset += k;
        } else {
            std::copy(view + k, view + 544, work.begin());
            offset = 0;
        }
    }
    return result;
}

// The encoder as described: each step searches window positions 0 to 511 upwards for the
// longest run shared with the look-ahead (up to 32 bytes), keeping the first of equal runs.
// Returns the whole resource for exactly `input` (no zero bytes added).
inline std::vector<uint8_t> ReferenceEncodeExactly(const std::vector<uint8_t>& input) {
    std::vector<uint8_t> view(544, 0);
    TokenWriter out;
    for (size_t next = 0, ahead = 0, used = 0;; ahead -= used) {
        // Slide by the bytes just coded and refill the look-ahead from the input.
        std::copy(view.begin() + used, view.end(), view.begin());
        while (ahead < 32 && next < input.size()) {
            view[512 + ahead++] = input[next++];
        }
        if (ahead == 0) {
            return out.Resource();
        }
        size_t best = 0;
        size_t bestAt = 0;
        for (size_t p = 0; p < 512 && best < ahead; ++p) {
            size_t run = 0;
            while (run < ahead && view[p + run] == view[512 + run]) {
                ++run;
            }
            if (run > best) {
                best = run;
                bestAt = p;
            }
        }
        used = best >= 2 ? best : 1;
        if (best >= 2) {
            out.Match(static_cast<uint32_t>(best - 1), static_cast<uint32_t>(bestAt));
        } else {
            out.Literal(view[512]);
        }
    }
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
