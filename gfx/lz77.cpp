#include "gfx/lz77.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <stdexcept>

#include "gfx/bitfile.h"
#include "gfx/memoryfile.h"
#include "platform/process.h"

namespace velmora {

namespace {

// The window is 512 bytes; a token adds at most 32. The view (window + room for one token)
// slides inside a buffer twice its length, so bytes move once every 544 or so produced.
constexpr uint32_t kWindow = 512;
constexpr uint32_t kMaxMatch = 32;
constexpr uint32_t kView = kWindow + kMaxMatch;
constexpr uint32_t kWork = 2 * kView;

struct DecoderState {
    uint8_t* work = nullptr;
    uint32_t offset = 0;   // of the view inside `work`
    uint32_t pending = 0;  // look-ahead bytes not yet written
    uint8_t* output = nullptr;
    uint32_t byteSize = 0;
};

DecoderState g_state;

uint64_t LoadBigEndian64(const uint8_t* p) {
    uint64_t v;
    std::memcpy(&v, p, 8);
    return __builtin_bswap64(v);
}

// The stream's bits at any position, first bit highest; bits after its last byte read as 0.
class StreamBits {
public:
    StreamBits(const uint8_t* bytes, size_t size) : m_bytes(bytes), m_size(size) {}

    // 64 bits from bit `pos` on, of which the top 57 are the stream's.
    uint64_t At(uint64_t pos) const {
        const uint64_t byte = pos >> 3;
        uint64_t w = 0;
        if (byte + 8 <= m_size) {
            w = LoadBigEndian64(m_bytes + byte);
        } else {
            for (uint64_t k = 0; k < 8; ++k) {
                w = w << 8 | (byte + k < m_size ? m_bytes[byte + k] : 0);
            }
        }
        return w << (pos & 7);
    }
    // Below this position At reads 8 whole bytes of the stream, and so may AtInside.
    uint64_t FastLimit() const { return m_size >= 8 ? 8 * (m_size - 7) : 0; }
    uint64_t AtInside(uint64_t pos) const {
        return LoadBigEndian64(m_bytes + (pos >> 3)) << (pos & 7);
    }

private:
    const uint8_t* m_bytes;
    size_t m_size;
};

struct Decoded {
    uint64_t produced;  // bytes, including those past the output's capacity
    uint64_t endBit;    // stream position after the last token
};

// One token of the fast loop at `o`, from the top bits of `w`; returns the bits it used.
// A literal goes through the same 32-byte copy as a match (from 512 bytes back, then its
// own byte over the first), so that there is no branch on the kind of token to mispredict.
// The 32 bytes are loaded before they are stored: where a match reads no byte it writes
// (distance >= length) the first `length` bytes come out right. Only a match that repeats
// its own bytes (distance < length) is copied one byte at a time.
inline uint32_t FastToken(uint64_t w, uint8_t*& o) {
    // Masks rather than conditions: compilers turn `literal ? a : b` into branches here.
    const uint32_t literal = static_cast<uint32_t>(w >> 63);
    const uint32_t match = literal - 1;  // all ones for a match, 0 for a literal
    const uint32_t length = ((static_cast<uint32_t>(w >> 58 & 31) + 1) & match) | literal;
    const uint32_t distance = kWindow - (static_cast<uint32_t>(w >> 49 & 511) & match);
    const uint8_t* src = o - distance;
    if (length > distance) {
        for (uint32_t k = 0; k < length; ++k) {
            o[k] = src[k];
        }
    } else {
        const uint32_t first = (src[0] & match) | (static_cast<uint32_t>(w >> 55) & 0xFF & ~match);
        uint8_t copy[32];
        std::memcpy(copy, src, 32);
        std::memcpy(o, copy, 32);
        o[0] = static_cast<uint8_t>(first);
    }
    o += length;
    return 15 - 6 * literal;
}

// Decodes the stream `stream` of `size` bytes with the window at work + offset (kept up to
// date: on return the view holds the last 512 bytes produced). Bytes [0, capacity) of the
// output land at `out`, later ones are dropped; bytes after the last one produced are left
// as they were.
//
// Most tokens are decoded straight into `out`: once 512 bytes are there they are the window,
// and a match is a copy from 1 to 512 bytes back. Copies go 32 bytes at a time (only
// `length` of them count), so that path keeps 32 bytes clear of the output's end. The start
// of the output, its last bytes and everything past its capacity go through the view the
// slow way.
Decoded DecodeStream(const uint8_t* stream, size_t size, uint8_t* work, uint32_t& offset,
                     uint8_t* out, uint64_t capacity) {
    const StreamBits bits(stream, size);
    // The reader takes in the stream's last byte when the token that uses the bit before it
    // is read, so no token starting in the last byte is decoded. A stream of fewer than two
    // bytes is read as two, the missing ones zero: one token.
    const uint64_t stop = 8 * (std::max<uint64_t>(size, 2) - 1);
    // Copies in the fast loop may write up to 31 bytes past the token's end; the bytes of
    // the next tokens cover them. The loop leaves off 480 bits before the stop so that at
    // least 31 tokens (of at most 15 bits, at least one byte each) come after it.
    constexpr uint64_t kSlowTail = 32 * 15;
    const uint64_t fastStop = std::min(stop > kSlowTail ? stop - kSlowTail : 0, bits.FastLimit());
    uint64_t pos = 0;
    uint64_t produced = 0;

    while (pos < stop) {
        if (produced >= kWindow && produced + kMaxMatch <= capacity) {
            uint8_t* o = out + produced;
            const uint8_t* const last = out + capacity - kMaxMatch;
            // Tokens that surely fit before both limits: each takes at most 15 bits and
            // writes at most 32 bytes. Three at a time, from one load of 57 bits. The count
            // only goes down, so once it is below three the rest is left to the slow way.
            auto fitting = [&] {
                return pos >= fastStop || o > last
                           ? 0
                           : std::min((fastStop - pos + 14) / 15,
                                      static_cast<uint64_t>(last - o) / 32 + 1);
            };
            // Six literals in a row (flags at bits 0, 9, ..., 45 of the 57) go at once.
            constexpr uint64_t kSixLiterals =
                1ull << 63 | 1ull << 54 | 1ull << 45 | 1ull << 36 | 1ull << 27 | 1ull << 18;
            for (uint64_t n = fitting(); n >= 3; n = fitting()) {
                for (uint64_t t = n; t >= 3; t -= 3) {
                    uint64_t w = bits.AtInside(pos);
                    if (t >= 6 && (w & kSixLiterals) == kSixLiterals) {
                        for (int i = 0; i < 6; ++i) {
                            o[i] = static_cast<uint8_t>(w >> (55 - 9 * i));
                        }
                        o += 6;
                        pos += 54;
                        t -= 3;
                        continue;
                    }
                    uint32_t used = FastToken(w, o);
                    w <<= used;
                    uint32_t total = used;
                    used = FastToken(w, o);
                    w <<= used;
                    total += used;
                    total += FastToken(w, o);
                    pos += total;
                }
            }
            if (o != out + produced) {
                produced = static_cast<uint64_t>(o - out);
                std::memcpy(work, o - kWindow, kWindow);
                offset = 0;
            }
        }

        uint8_t* view = work + offset;
        const uint64_t w = bits.At(pos);
        uint32_t k = 1;
        if (w >> 63) {
            view[kWindow] = static_cast<uint8_t>(w >> 55);
            pos += 9;
        } else {
            const uint32_t last = static_cast<uint32_t>((w >> 58) & 31);
            const uint32_t p = static_cast<uint32_t>((w >> 49) & 511);
            for (uint32_t i = 0; i <= last; ++i) {
                view[kWindow + i] = view[p + i];
            }
            k = last + 1;
            pos += 15;
        }
        if (produced < capacity) {
            const uint64_t n = std::min<uint64_t>(k, capacity - produced);
            std::memcpy(out + produced, view + kWindow, n);
        }
        produced += k;
        if (offset + k < kView) {
            offset += k;
        } else {
            std::memmove(work, view + k, kView - k);
            offset = 0;
        }
    }
    return {produced, pos};
}

// The plain loop, for streams that are not where DecodeStream can take over.
void DecodeBitByBit(BitFile& input, BitFile& output) {
    while (!input.AtEnd()) {
        uint8_t* view = g_state.work + g_state.offset;
        uint32_t k = 1;
        if (input.ReadBits(1) == 0) {
            const uint32_t last = input.ReadBits(5);
            const uint32_t p = input.ReadBits(9);
            for (uint32_t i = 0; i <= last; ++i) {
                view[kWindow + i] = view[p + i];
            }
            k = last + 1;
        } else {
            view[kWindow] = static_cast<uint8_t>(input.ReadBits(8));
        }
        for (uint32_t i = 0; i < k; ++i) {
            output.WriteBits(view[kWindow + i], 8);
        }
        if (g_state.offset + k < kView) {
            g_state.offset += k;
        } else {
            std::memmove(g_state.work, view + k, kView - k);
            g_state.offset = 0;
        }
    }
}

}  // namespace

void Lz77SetOutput(uint8_t* output, uint32_t byteSize) {
    g_state.output = output;
    g_state.byteSize = byteSize;
}

uint8_t* Lz77OutputPointer() {
    return g_state.output;
}

uint32_t Lz77OutputSize() {
    return g_state.byteSize;
}

void Lz77Init() {
    delete[] g_state.work;
    g_state.work = TakeInjectedAllocationFailure() ? nullptr : new (std::nothrow) uint8_t[kWork]();
    if (!g_state.work) {
        std::fputs("lz77 : Memory allocation error. Exiting...\n", stdout);
        TerminateProcess(1);
    }
    g_state.offset = 0;
    g_state.pending = 0;
}

void Lz77Free() {
    delete[] g_state.work;
    g_state.work = nullptr;
}

void Lz77Decode(BitFile& input, BitFile& output) {
    if (!g_state.work || input.m_mode != 'r') {
        return;
    }
    g_state.pending = 0;

    // The reader can be taken over when it stands at the start of its current byte: the
    // stream from there on is the slot's bytes in place. (Right after opening, a stream of
    // fewer than two bytes has zeros after it in the buffer; the in-place view reads zeros
    // past its end too.)
    const MemoryFileStat in = CMemoryLikeFile::fstat(input.m_file);
    const int64_t start = static_cast<int64_t>(in.position) - input.m_count + input.m_index - 1;
    bool takeOver = in.open && in.mode == 'r' && !input.m_atEnd && input.m_bit == 7 && start >= 0 &&
                    start <= in.end && (in.data || start == in.end) &&
                    (input.m_index < input.m_count || input.m_index == 1);
    const uint8_t* stream = takeOver ? in.data + start : nullptr;
    const size_t streamSize = takeOver ? in.end - static_cast<size_t>(start) : 0;
    if (takeOver && streamSize > 0 && stream[0] != input.m_current) {
        takeOver = false;
    }
    // The writer can be taken over when nothing is buffered: bytes then go straight to the
    // slot's block, which is what its flushes would have copied there.
    const MemoryFileStat out = CMemoryLikeFile::fstat(output.m_file);
    takeOver = takeOver && output.m_mode == 'w' && out.open && out.mode == 'w' && out.data &&
               output.m_bit == 0 && output.m_index == 0;
    if (!takeOver) {
        DecodeBitByBit(input, output);
        return;
    }

    // A writing slot's data is the writable block attached with SetBuffer.
    uint8_t* block = const_cast<uint8_t*>(out.data) + out.position;
    const uint64_t capacity = out.end > out.position ? out.end - out.position : 0;
    const Decoded d =
        DecodeStream(stream, streamSize, g_state.work, g_state.offset, block, capacity);

    // Leave both BitFiles as the plain loop would: the reader at its end, inside its last
    // byte; the writer with its whole blocks flushed and the rest in its buffer.
    const uint64_t lastIndex = std::max<uint64_t>(streamSize, 2) - 1;
    const uint64_t usedOfLast = d.endBit - 8 * lastIndex;
    input.m_current = lastIndex < streamSize ? stream[lastIndex] : 0;
    input.m_bit = usedOfLast >= 8 ? -1 : static_cast<int32_t>(7 - usedOfLast);
    input.m_count = 0;
    input.m_index = 0;
    input.m_atEnd = 1;
    CMemoryLikeFile::Seek(input.m_file, in.end);

    const uint64_t flushed = d.produced / BitFile::kBlockSize * BitFile::kBlockSize;
    CMemoryLikeFile::Seek(output.m_file,
                          static_cast<uint32_t>(out.position + std::min(flushed, capacity)));
    const uint64_t rest = d.produced - flushed;
    std::memset(output.m_buffer, 0, rest);  // what lies past the capacity is dropped anyway
    if (flushed < capacity) {
        std::memcpy(output.m_buffer, block + flushed, std::min(rest, capacity - flushed));
    }
    output.m_index = static_cast<uint32_t>(rest);
}

bool Lz77LoadPicture(std::u16string_view name, uint8_t* output, uint32_t byteSize) {
    Lz77SetOutput(output, byteSize);
    CMemoryLikeFile::Reset();
    Lz77Init();
    BitFile* input = BitFile::Open(name, 'r');
    if (!input) {
        Lz77Free();
        return false;
    }
    BitFile* pixels = BitFile::Open(u"pixels", 'w');
    if (!pixels) {
        BitFile::Close(input);
        Lz77Free();
        return false;
    }
    Lz77Decode(*input, *pixels);
    // The output first: slots close in the reverse order of opening.
    BitFile::Close(pixels);
    BitFile::Close(input);
    Lz77Free();
    return true;
}

// ---------------------------------------------------------------------------------------
// Encoder

namespace {

class BitWriter {
public:
    void Put(uint32_t value, int n) {
        for (int i = n - 1; i >= 0; --i) {
            m_current = static_cast<uint8_t>(m_current << 1 | ((value >> i) & 1u));
            if (++m_bits == 8) {
                m_bytes.push_back(m_current);
                m_current = 0;
                m_bits = 0;
            }
        }
        m_total += static_cast<uint64_t>(n);
    }
    // The whole resource: N = whole bytes written, the stream, the zero-padded last byte.
    std::vector<uint8_t> Resource() const {
        const uint64_t n = m_total / 8;
        std::vector<uint8_t> r(4);
        for (int i = 0; i < 4; ++i) {
            r[i] = static_cast<uint8_t>(n >> (8 * i));
        }
        r.insert(r.end(), m_bytes.begin(), m_bytes.end());
        if (m_bits != 0) {
            r.push_back(static_cast<uint8_t>(m_current << (8 - m_bits)));
        }
        return r;
    }

private:
    std::vector<uint8_t> m_bytes;
    uint8_t m_current = 0;
    int m_bits = 0;
    uint64_t m_total = 0;
};

// The encoder: at each step the longest run that a window position (0 oldest to 511 newest)
// shares with the look-ahead, the lowest position winning a tie; runs of 2 or more become
// matches. Positions are found through chains of every earlier position with the same two
// first bytes, walked newest to oldest, so "longer, or as long and older" picks the same one
// as a search upwards from position 0.
std::vector<uint8_t> EncodeBytes(const std::vector<uint8_t>& input) {
    std::vector<uint8_t> s(kWindow, 0);  // the zeroed window, then the input
    s.insert(s.end(), input.begin(), input.end());
    const size_t total = s.size();
    std::vector<int32_t> head(65536, -1);
    std::vector<int32_t> previous(total, -1);
    size_t chained = 0;
    BitWriter out;

    size_t cur = kWindow;
    while (cur < total) {
        for (; chained < cur; ++chained) {
            const uint32_t key = static_cast<uint32_t>(s[chained]) << 8 | s[chained + 1];
            previous[chained] = head[key];
            head[key] = static_cast<int32_t>(chained);
        }
        const size_t ahead = std::min<size_t>(kMaxMatch, total - cur);
        size_t best = 0;
        size_t bestAt = 0;
        if (ahead >= 2) {
            const uint32_t key = static_cast<uint32_t>(s[cur]) << 8 | s[cur + 1];
            const size_t oldest = cur - kWindow;
            for (int32_t a = head[key]; a >= 0 && static_cast<size_t>(a) >= oldest;
                 a = previous[a]) {
                size_t len = 2;
                while (len < ahead && s[a + len] == s[cur + len]) {
                    ++len;
                }
                if (len >= best) {
                    best = len;
                    bestAt = static_cast<size_t>(a);
                }
            }
        }
        if (best >= 2) {
            out.Put(0, 1);
            out.Put(static_cast<uint32_t>(best - 1), 5);
            out.Put(static_cast<uint32_t>(bestAt - (cur - kWindow)), 9);
            cur += best;
        } else {
            out.Put(1, 1);
            out.Put(s[cur], 8);
            cur += 1;
        }
    }
    return out.Resource();
}

// True when a fresh load of `resource` gives exactly `pixels`: the end rule can drop the
// last tokens, or cut the last one short so that its bits past the stream read as zeros.
bool DecodesTo(const std::vector<uint8_t>& resource, const std::vector<uint8_t>& pixels,
               std::vector<uint8_t>& scratch) {
    uint64_t n = 0;
    for (int i = 0; i < 4; ++i) {
        n |= static_cast<uint64_t>(resource[i]) << (8 * i);
    }
    uint8_t work[kWork] = {};
    uint32_t offset = 0;
    const size_t size = std::min<uint64_t>(n, resource.size() - 4);
    scratch.assign(pixels.size(), 0);
    const Decoded d =
        DecodeStream(resource.data() + 4, size, work, offset, scratch.data(), scratch.size());
    return d.produced >= pixels.size() && scratch == pixels;
}

}  // namespace

std::vector<uint8_t> Lz77Encode(const uint8_t* pixels, size_t size) {
    const std::vector<uint8_t> picture(pixels, pixels + size);
    std::vector<uint8_t> input = picture;
    input.resize(size + 2, 0);
    std::vector<uint8_t> scratch;
    // Two zero bytes are nearly always enough; a few more at most when the last tokens would
    // start in the stream's last byte or run past it.
    for (int extra = 0; extra < 256; ++extra) {
        std::vector<uint8_t> resource = EncodeBytes(input);
        if (DecodesTo(resource, picture, scratch)) {
            return resource;
        }
        input.push_back(0);
    }
    throw std::logic_error("Lz77Encode: the stream does not reach its end");
}

}  // namespace velmora
