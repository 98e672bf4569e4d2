// The picture decoder and encoder, checked through the load that pictures go through
// (a "PCT" resource found by id, decoded into a caller's block) against the plain
// implementations in codec_reference.h and against streams whose output is known from how
// they were written.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "gfx/bitfile.h"
#include "gfx/lz77.h"
#include "gfx/memoryfile.h"
#include "platform/process.h"
#include "platform/resources.h"
#include "tests/gfx/codec_reference.h"
#include "tests/support/testenv.h"

namespace velmora {
namespace {

using test::ReferenceDecode;
using test::TokenWriter;

constexpr int kId = 9001;

class CodecTest : public ::testing::Test {
protected:
    ~CodecTest() override { ClearExtraResources(); }

    // Loads `resource` as picture kId into `byteSize` bytes first filled with `fill`, and
    // checks that nothing after them was touched.
    std::vector<uint8_t> Load(const std::vector<uint8_t>& resource, uint32_t byteSize,
                              uint8_t fill = 0) {
        // An exact copy on the heap, so that AddressSanitizer sees any read past its end.
        m_held.emplace_back(new uint8_t[resource.size()]);
        std::copy(resource.begin(), resource.end(), m_held.back().get());
        SetExtraResource("PCT", kId, m_held.back().get(), resource.size());
        std::vector<uint8_t> block(byteSize, fill);
        block.resize(byteSize + 64, 0xEE);
        EXPECT_TRUE(Lz77LoadPicture(std::u16string(u"9001"), block.data(), byteSize));
        EXPECT_EQ(std::count(block.begin() + byteSize, block.end(), 0xEE), 64) << "written past";
        block.resize(byteSize);
        return block;
    }

    MessageBoxRecorder boxes;
    std::vector<std::unique_ptr<uint8_t[]>> m_held;
};

// What a token stream decodes to, worked out as the stream is written: a match copies
// bytes from 512 - P back (in a history that starts with 512 zeros), one at a time.
class ModelStream {
public:
    ModelStream() : m_history(512, 0) {}
    void Literal(uint8_t b) {
        m_writer.Literal(b);
        m_history.push_back(b);
    }
    void Match(uint32_t l, uint32_t p) {
        m_writer.Match(l, p);
        for (uint32_t i = 0; i <= l; ++i) {
            m_history.push_back(m_history[m_history.size() - (512 - p)]);
        }
    }
    // The resource as the encoder stores it, with two more literals after the tokens: the
    // last byte holds no token start of the ones written, so all of them are decoded.
    std::vector<uint8_t> Resource() const {
        TokenWriter w = m_writer;
        w.Literal(0xC3);
        w.Literal(0x3C);
        return w.Resource();
    }
    // The bytes of the tokens written (not of the two after them).
    std::vector<uint8_t> Expected() const { return {m_history.begin() + 512, m_history.end()}; }
    const TokenWriter& Writer() const { return m_writer; }
    uint32_t OutputSize() const { return static_cast<uint32_t>(m_history.size() - 512); }

private:
    TokenWriter m_writer;
    std::vector<uint8_t> m_history;
};

// Random tokens: literals, near and far matches, matches that run into their own output.
ModelStream RandomStream(std::mt19937& rng, size_t tokens) {
    ModelStream s;
    for (size_t i = 0; i < tokens; ++i) {
        const uint32_t kind = rng() % 5;
        if (kind < 2) {
            s.Literal(static_cast<uint8_t>(rng()));
        } else {  // anywhere, overlapping their own output, or long from far back
            s.Match(kind == 4 ? 31 : rng() % 32, kind == 2   ? rng() % 512
                                                 : kind == 3 ? 480 + rng() % 32
                                                             : rng() % 64);
        }
    }
    return s;
}

TEST_F(CodecTest, TheLastTokensFollowTheEndRule) {
    // 0x11, 0x22 as literals (bits 0-17), then a match L = 1, P = 511 (bits 18-32).
    TokenWriter w;
    w.Literal(0x11);
    w.Literal(0x22);
    w.Match(1, 511);
    TokenWriter one;
    one.Bits(0xC1, 8);
    const std::tuple<const TokenWriter*, uint32_t, size_t, std::vector<uint8_t>> cases[] = {
        // With 5 stream bytes the match starts before the last byte and is whole: 22 22.
        {&w, 5, 5, {0x11, 0x22, 0x22, 0x22, 0x5A, 0x5A}},
        // With 4, its last bit (the low bit of P) lies past the stream and reads as 0: P = 510.
        {&w, 4, 5, {0x11, 0x22, 0x11, 0x22, 0x5A, 0x5A}},
        // With 3, the match starts in the last byte and is not decoded.
        {&w, 3, 5, {0x11, 0x22, 0x5A, 0x5A, 0x5A, 0x5A}},
        // A stream of 0 bytes is one token of zero bits: a match copying window byte 0.
        {&w, 0, 0, {0, 0x5A, 0x5A}},
        // A stream of 1 byte is one token: 0xC1 is a literal whose last bit is past the end.
        {&one, 1, 1, {0x82, 0x5A, 0x5A}},
    };
    for (const auto& [writer, n, stored, want] : cases) {
        EXPECT_BYTES(Load(writer->Resource(n, stored), static_cast<uint32_t>(want.size()), 0x5A),
                     want)
            << "N " << n;
    }
    // Fewer than 4 bytes: an empty stream, which decodes to one zero byte.
    for (size_t size : {0u, 1u, 2u, 3u}) {
        EXPECT_BYTES(Load(std::vector<uint8_t>(size, 0xFF), 2, 0x5A),
                     (std::vector<uint8_t>{0, 0x5A}))
            << size;
    }
}

TEST_F(CodecTest, StreamsOfEveryLengthAgainstThePlainDecoder) {
    std::mt19937 rng(5);
    auto same = [&](const std::vector<uint8_t>& r, uint32_t size) {
        ASSERT_BYTES(Load(r, size, 0x5A), ReferenceDecode(r, size, 0x5A).output);
    };
    // Every cut of random streams: the stream ends inside tokens, between them, and with
    // the stored bytes running on past N (they are never read).
    for (int round = 0; round < 20; ++round) {
        const ModelStream s = RandomStream(rng, 80);
        const auto& bytes = s.Writer().Bytes();
        for (uint32_t n = 0; n <= bytes.size(); ++n) {
            SCOPED_TRACE(::testing::Message() << "round " << round << " N " << n);
            same(s.Writer().Resource(n, bytes.size()), s.OutputSize() + 40);
        }
    }
    // Mostly well-formed, sometimes cut short or claiming more than is there (also more than
    // fits in 32 bits with the length field); smaller than the output, about as large, or
    // larger.
    for (int round = 0; round < 300; ++round) {
        const ModelStream s = RandomStream(rng, 1 + rng() % 700);
        const uint32_t stored = static_cast<uint32_t>(s.Writer().Bytes().size());
        const uint32_t lengths[] = {stored, static_cast<uint32_t>(rng() % (stored + 1)),
                                    stored + static_cast<uint32_t>(rng() % 100),
                                    round % 2 ? 0x7FFFFFFFu : 0xFFFFFFFFu};
        const uint32_t n = lengths[round % 4];
        const uint32_t out = s.OutputSize();
        const uint32_t sizes[] = {0, 1, out / 3, out, out + 1, out + 700};
        const uint32_t size = sizes[rng() % 6];
        SCOPED_TRACE(::testing::Message() << "round " << round << " N " << n << " size " << size);
        same(s.Writer().Resource(n, stored), size);
    }
    // Long streams across the reader's 5000-byte block refills, and streams whose length
    // sits on and around the block size.
    for (size_t tokens : {4000u, 4500u, 9000u, 30000u}) {
        const ModelStream s = RandomStream(rng, tokens);
        ASSERT_GT(s.Resource().size(), 5004u);
        EXPECT_BYTES(Load(s.Resource(), s.OutputSize(), 0x5A), s.Expected());
        same(s.Resource(), s.OutputSize());
    }
    for (uint32_t n : {4999u, 5000u, 5001u, 5002u, 10000u, 10001u}) {
        ModelStream s;
        while (s.Writer().Bytes().size() < n + 10) {
            s.Literal(static_cast<uint8_t>(rng()));
            s.Match(rng() % 32, rng() % 512);
        }
        SCOPED_TRACE(::testing::Message() << "N " << n);
        same(s.Writer().Resource(n, n + 1), s.OutputSize());
    }
    EXPECT_EQ(boxes.Count(), 0u);
}

// Decodes picture kId through the program's bit streams into `size` bytes filled with
// 0x5A: `skip` bits are read first, and the writer holds `held` bits before decoding.
std::vector<uint8_t> DecodeThroughStreams(uint32_t size, uint32_t skip, int held) {
    std::vector<uint8_t> block(size, 0x5A);
    Lz77SetOutput(block.data(), size);
    CMemoryLikeFile::Reset();
    Lz77Init();
    BitFile* in = BitFile::Open(u"9001", 'r');
    EXPECT_NE(in, nullptr);
    for (uint32_t i = 0; i < skip; i += 8) {
        in->ReadBits(static_cast<int>(std::min(8u, skip - i)));
    }
    BitFile* out = BitFile::Open(u"out", 'w');
    out->WriteBits(1, held);
    Lz77Decode(*in, *out);
    EXPECT_TRUE(in->AtEnd());
    BitFile::Close(out);
    BitFile::Close(in);
    Lz77Free();
    return block;
}

TEST_F(CodecTest, ThePlainLoopTakesOverWhereTheReaderIsMidByte) {
    // Decoding a stream from any point, also inside a byte and after a refill; the reference
    // skips the same bits.
    std::mt19937 rng(13);
    const ModelStream s = RandomStream(rng, 9000);
    const auto r = s.Writer().Resource();
    SetExtraResource("PCT", kId, r.data(), r.size());
    const uint32_t size = s.OutputSize();
    for (uint32_t skip : {0u, 3u, 8u, 13u, 8u * 4999u, 8u * 5000u, 8u * 5000u + 5u}) {
        EXPECT_BYTES(DecodeThroughStreams(size, skip, 0),
                     ReferenceDecode(r, size, 0x5A, skip).output)
            << "skip " << skip;
    }
    // A writer that already holds a bit: every byte lands shifted, as the plain loop does.
    const auto block = DecodeThroughStreams(2000, 0, 1);
    const auto plain = ReferenceDecode(r, 2001).output;
    EXPECT_EQ(block[0], 0x80 | plain[0] >> 1);
    for (uint32_t i = 1; i < 2000; ++i) {
        ASSERT_EQ(block[i], static_cast<uint8_t>(plain[i - 1] << 7 | plain[i] >> 1)) << i;
    }
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CodecTest, RunningOutOfMemoryForTheWindowEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TokenWriter w;
    w.Literal(1);
    const auto r = w.Resource();
    SetExtraResource("PCT", kId, r.data(), r.size());
    uint8_t block[4] = {};
    EXPECT_EXIT(
        {
            std::fflush(stdout);
            dup2(STDERR_FILENO, STDOUT_FILENO);  // what it prints, where the test sees it
            InjectAllocationFailures(1);
            Lz77LoadPicture(u"9001", block, 4);
        },
        ::testing::ExitedWithCode(1), "^lz77 : Memory allocation error\\. Exiting\\.\\.\\.\n$");
}

// Pixel bytes of many kinds: noise, flat areas, short periods, runs, gradients, a flat
// picture with a busy strip, and many short pictures whose last tokens meet the end of the
// stream in every way.
std::vector<std::vector<uint8_t>> Samples(std::mt19937& rng) {
    std::vector<std::vector<uint8_t>> out;
    auto noise = [&](size_t n, uint8_t flat, size_t from, size_t to) {
        std::vector<uint8_t> v(n, flat);
        std::generate(v.begin() + from, v.begin() + to, [&] { return uint8_t(rng()); });
        return v;
    };
    for (size_t n : {0u, 1u, 2u, 3u, 31u, 32u, 33u, 511u, 512u, 513u, 1000u}) {
        out.push_back(noise(n, 0, 0, n));
        out.emplace_back(n, 0);
        out.emplace_back(n, 0xFF);
    }
    out.push_back(noise(4000, 0x18, 1500, 2100));
    for (size_t period = 1; period <= 40; period += 3) {
        out.emplace_back(900);
        for (size_t i = 0; i < 900; ++i) {
            out.back()[i] = static_cast<uint8_t>(i % period * 37);
        }
    }
    for (out.emplace_back(); out.back().size() < 3000;) {
        out.back().insert(out.back().end(), 1 + rng() % 60, static_cast<uint8_t>(rng() % 4));
    }
    for (auto [w, h] : {std::pair{40, 30}, {14, 14}, {240, 268}}) {
        out.emplace_back();
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const int p = (y * 31 / (h - 1)) << 11 | (x * 63 / (w - 1)) << 5 | 7;
                out.back().insert(out.back().end(), {uint8_t(p), uint8_t(p >> 8)});
            }
        }
    }
    out.push_back(noise(240 * 268 * 2, 0, 0, 240 * 268 * 2));
    for (int i = 0; i < 1500; ++i) {
        out.emplace_back(rng() % 300);
        const unsigned kind = rng() % 3;
        for (auto& b : out.back()) {
            b = static_cast<uint8_t>(kind == 0   ? rng()
                                     : kind == 1 ? (rng() % 8 ? 0 : rng())
                                                 : rng() % 3);
        }
    }
    return out;
}

TEST_F(CodecTest, TheEncoderFindsWhatTheDescribedSearchFindsAndDecodesToThePixels) {
    std::mt19937 rng(17);
    int paddedMore = 0;
    for (const auto& pixels : Samples(rng)) {
        SCOPED_TRACE(::testing::Message() << "size " << pixels.size());
        const auto r = Lz77Encode(pixels.data(), pixels.size());
        // The program's search (chains of equal byte pairs) against the plain one that tries
        // every window position, including the zero bytes added for the end rule.
        if (pixels.size() <= 4000) {
            ASSERT_BYTES(r, test::ReferenceEncode(pixels));
            auto twoZeros = pixels;
            twoZeros.resize(pixels.size() + 2, 0);
            paddedMore += r != test::ReferenceEncodeExactly(twoZeros);
        }
        // Two different fills: every byte was written.
        ASSERT_BYTES(Load(r, static_cast<uint32_t>(pixels.size()), 0x00), pixels);
        ASSERT_BYTES(Load(r, static_cast<uint32_t>(pixels.size()), 0xFF), pixels);
    }
    EXPECT_GE(paddedMore, 3) << "no picture needed more than two zero bytes";
    EXPECT_EQ(boxes.Count(), 0u);
}

}  // namespace
}  // namespace velmora
