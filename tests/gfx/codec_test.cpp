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

// Byte strings compared with a short account of where they differ.
#define EXPECT_BYTES(a, b) EXPECT_EQ(test::FirstDifference(a, b), "")
#define ASSERT_BYTES(a, b) ASSERT_EQ(test::FirstDifference(a, b), "")

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
        std::vector<uint8_t> block(byteSize + 64, fill);
        std::fill(block.begin() + byteSize, block.end(), 0xEE);
        EXPECT_TRUE(Lz77LoadPicture(std::u16string(u"9001"), block.data(), byteSize));
        EXPECT_TRUE(std::all_of(block.begin() + byteSize, block.end(), [](uint8_t b) {
            return b == 0xEE;
        })) << "written past the picture";
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
    const std::vector<uint8_t> Expected() const {
        return {m_history.begin() + 512, m_history.end()};
    }
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
        switch (rng() % 5) {
            case 0:
            case 1:
                s.Literal(static_cast<uint8_t>(rng()));
                break;
            case 2:
                s.Match(rng() % 32, rng() % 512);
                break;
            case 3:
                s.Match(rng() % 32, 480 + rng() % 32);  // overlapping copies
                break;
            default:
                s.Match(31, rng() % 64);  // long copies from far back
                break;
        }
    }
    return s;
}

TEST_F(CodecTest, MatchesRunningPastTheNewestByteRepeatWhatTheyProduce) {
    // P = 511, L = 31: 32 copies of the last byte.
    TokenWriter w;
    w.Literal(0xAB);
    w.Match(31, 511);
    w.Bits(0, 16);  // room for the end rule
    std::vector<uint8_t> expected(33, 0xAB);
    EXPECT_BYTES(Load(w.Resource(), 33), expected);

    // Every distance from 1 to 32 with every length, after a few distinct bytes.
    for (uint32_t p = 480; p < 512; ++p) {
        for (uint32_t l : {0u, 1u, 7u, 30u, 31u}) {
            ModelStream s;
            for (int i = 1; i <= 40; ++i) {
                s.Literal(static_cast<uint8_t>(i * 7));
            }
            s.Match(l, p);
            s.Literal(0x55);
            ASSERT_BYTES(Load(s.Resource(), s.OutputSize()), s.Expected())
                << "P " << p << " L " << l;
        }
    }
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CodecTest, MatchesAtTheStartCopyTheZeroWindow) {
    ModelStream s;
    s.Match(31, 0);  // 32 zeros
    s.Literal(7);
    s.Match(20, 500);  // zeros, the 7, zeros, then its own bytes again
    s.Literal(9);
    s.Match(31, 511);
    const auto r = s.Resource();
    const uint32_t size = s.OutputSize();
    ASSERT_GT(size, 60u);
    // Filled with 0x5A first, so zeros that were not written would show.
    EXPECT_BYTES(Load(r, size, 0x5A), s.Expected());
    EXPECT_BYTES(Load(r, size, 0x5A), ReferenceDecode(r, size, 0x5A).output);
}

TEST_F(CodecTest, TheLastTokensFollowTheEndRule) {
    // 0x11, 0x22 as literals (bits 0-17), then a match L = 1, P = 511 (bits 18-32).
    TokenWriter w;
    w.Literal(0x11);
    w.Literal(0x22);
    w.Match(1, 511);
    // With 5 stream bytes the match starts before the last byte and is whole: 22 22.
    EXPECT_BYTES(Load(w.Resource(5, 5), 6, 0x5A),
                 (std::vector<uint8_t>{0x11, 0x22, 0x22, 0x22, 0x5A, 0x5A}));
    // With 4, its last bit (the low bit of P) lies past the stream and reads as 0: P = 510.
    EXPECT_BYTES(Load(w.Resource(4, 5), 6, 0x5A),
                 (std::vector<uint8_t>{0x11, 0x22, 0x11, 0x22, 0x5A, 0x5A}));
    // With 3, the match starts in the last byte and is not decoded.
    EXPECT_BYTES(Load(w.Resource(3, 5), 6, 0x5A),
                 (std::vector<uint8_t>{0x11, 0x22, 0x5A, 0x5A, 0x5A, 0x5A}));

    // A stream of 0 bytes is one token of zero bits: a match copying window byte 0.
    EXPECT_BYTES(Load(w.Resource(0, 0), 3, 0x5A), (std::vector<uint8_t>{0, 0x5A, 0x5A}));
    // A stream of 1 byte is one token: 0xC1 is a literal whose last bit is past the end.
    TokenWriter one;
    one.Bits(0xC1, 8);
    EXPECT_BYTES(Load(one.Resource(1, 1), 3, 0x5A), (std::vector<uint8_t>{0x82, 0x5A, 0x5A}));

    // Every cut of random streams: the stream ends inside tokens, between them, and
    // with the stored bytes running on past N.
    std::mt19937 rng(7);
    for (int round = 0; round < 20; ++round) {
        const ModelStream s = RandomStream(rng, 80);
        const auto& bytes = s.Writer().Bytes();
        for (uint32_t n = 0; n <= bytes.size(); ++n) {
            const auto r = s.Writer().Resource(n, bytes.size());
            const uint32_t size = s.OutputSize() + 40;
            ASSERT_BYTES(Load(r, size, 0x5A), ReferenceDecode(r, size, 0x5A).output) << "N " << n;
        }
    }
}

TEST_F(CodecTest, TheStoredTrailingByteIsNeverRead) {
    std::mt19937 rng(11);
    for (int round = 0; round < 20; ++round) {
        const ModelStream s = RandomStream(rng, 50 + rng() % 200);
        auto r4 = s.Resource();
        const uint32_t n = r4[0] | r4[1] << 8;
        r4.resize(n + 4);
        // The picture is large enough to show every byte decoded.
        const uint32_t size = s.OutputSize() + 64;
        auto plain = Load(r4, size);
        for (uint8_t trailing : {0x00, 0xFF, 0x80, 0x7F}) {
            auto r5 = r4;
            r5.push_back(trailing);
            ASSERT_BYTES(Load(r5, size), plain);
        }
        plain.resize(s.OutputSize());
        EXPECT_BYTES(plain, s.Expected());
    }
}

TEST_F(CodecTest, LongStreamsAcrossBlockRefills) {
    std::mt19937 rng(3);
    for (size_t tokens : {4000u, 4500u, 9000u, 30000u}) {
        const ModelStream s = RandomStream(rng, tokens);
        const auto r = s.Resource();
        ASSERT_GT(r.size(), 5004u);
        const uint32_t size = s.OutputSize();
        const auto got = Load(r, size, 0x5A);
        EXPECT_BYTES(got, s.Expected());
        EXPECT_BYTES(got, ReferenceDecode(r, size, 0x5A).output);
    }
    // Streams whose length sits on and around the block size.
    for (uint32_t n : {4999u, 5000u, 5001u, 5002u, 10000u, 10001u}) {
        ModelStream s;
        while (s.Writer().Bytes().size() < n + 10) {
            s.Literal(static_cast<uint8_t>(rng()));
            s.Match(rng() % 32, rng() % 512);
        }
        const auto r = s.Writer().Resource(n, n + 1);
        const uint32_t size = s.OutputSize();
        ASSERT_BYTES(Load(r, size), ReferenceDecode(r, size).output) << "N " << n;
    }
}

TEST_F(CodecTest, PicturesOfEverySizeAgainstThePlainDecoder) {
    std::mt19937 rng(5);
    for (int round = 0; round < 300; ++round) {
        const ModelStream s = RandomStream(rng, 1 + rng() % 700);
        const auto& bytes = s.Writer().Bytes();
        // Mostly well-formed, sometimes cut short or claiming more than is there.
        uint32_t n = static_cast<uint32_t>(bytes.size());
        size_t stored = bytes.size();
        switch (round % 4) {
            case 1:
                n = static_cast<uint32_t>(rng() % (bytes.size() + 1));
                break;
            case 2:
                n = static_cast<uint32_t>(bytes.size() + rng() % 100);
                break;
            default:
                break;
        }
        const auto r = s.Writer().Resource(n, stored);
        // Smaller than the output, about as large, or larger.
        const uint32_t out = s.OutputSize();
        const uint32_t sizes[] = {0, 1, out / 3, out, out + 1, out + 700};
        const uint32_t size = sizes[rng() % 6];
        ASSERT_BYTES(Load(r, size, 0x5A), ReferenceDecode(r, size, 0x5A).output)
            << "round " << round << " N " << n << " size " << size;
    }
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CodecTest, ResourcesTooShortForTheirLength) {
    // Fewer than 4 bytes: an empty stream, which decodes to one zero byte.
    for (size_t size : {0u, 1u, 2u, 3u}) {
        const std::vector<uint8_t> r(size, 0xFF);
        EXPECT_BYTES(Load(r, 2, 0x5A), (std::vector<uint8_t>{0, 0x5A})) << size;
    }
    // A length past the end reads the bytes that are there, like a length that fits.
    std::mt19937 rng(9);
    const ModelStream s = RandomStream(rng, 300);
    const auto& bytes = s.Writer().Bytes();
    const uint32_t size = s.OutputSize();
    const auto fits =
        Load(s.Writer().Resource(static_cast<uint32_t>(bytes.size()), bytes.size()), size);
    for (uint32_t n : {static_cast<uint32_t>(bytes.size() + 1), 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        EXPECT_BYTES(Load(s.Writer().Resource(n, bytes.size()), size), fits) << n;
    }
}

TEST_F(CodecTest, ThePlainLoopTakesOverWhereTheReaderIsMidByte) {
    // Decoding a stream from any point, also inside a byte and after a refill, through
    // the program's bit streams; the reference skips the same bits.
    std::mt19937 rng(13);
    const ModelStream s = RandomStream(rng, 9000);
    const auto r = s.Writer().Resource();
    SetExtraResource("PCT", kId, r.data(), r.size());
    for (uint32_t skip : {0u, 3u, 8u, 13u, 8u * 4999u, 8u * 5000u, 8u * 5000u + 5u}) {
        const uint32_t size = s.OutputSize();
        std::vector<uint8_t> block(size, 0x5A);
        Lz77SetOutput(block.data(), size);
        CMemoryLikeFile::Reset();
        Lz77Init();
        BitFile* in = BitFile::Open(u"9001", 'r');
        ASSERT_NE(in, nullptr);
        for (uint32_t i = 0; i < skip; i += 8) {
            in->ReadBits(static_cast<int>(std::min(8u, skip - i)));
        }
        BitFile* out = BitFile::Open(u"out", 'w');
        Lz77Decode(*in, *out);
        EXPECT_TRUE(in->AtEnd());
        BitFile::Close(out);
        BitFile::Close(in);
        Lz77Free();
        EXPECT_BYTES(block, ReferenceDecode(r, size, 0x5A, skip).output) << "skip " << skip;
    }
    // A writer that already holds bits: every byte lands shifted, as the plain loop does.
    {
        const uint32_t size = 2000;
        std::vector<uint8_t> block(size, 0x5A);
        Lz77SetOutput(block.data(), size);
        CMemoryLikeFile::Reset();
        Lz77Init();
        BitFile* in = BitFile::Open(u"9001", 'r');
        BitFile* out = BitFile::Open(u"out", 'w');
        out->WriteBits(1, 1);
        Lz77Decode(*in, *out);
        BitFile::Close(out);
        BitFile::Close(in);
        Lz77Free();
        const auto plain = ReferenceDecode(r, size + 1).output;
        EXPECT_EQ(block[0], 0x80 | plain[0] >> 1);
        for (uint32_t i = 1; i < size; ++i) {
            ASSERT_EQ(block[i], static_cast<uint8_t>(plain[i - 1] << 7 | plain[i] >> 1)) << i;
        }
    }
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CodecTest, AnUnknownPictureIsNotLoaded) {
    std::vector<uint8_t> block(10, 0x5A);
    EXPECT_FALSE(Lz77LoadPicture(u"4242", block.data(), 10));
    EXPECT_BYTES(block, std::vector<uint8_t>(10, 0x5A));
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

// ---------------------------------------------------------------------------------------
// Encoder

std::vector<uint8_t> Gradient(int w, int h) {
    std::vector<uint8_t> v;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const uint16_t p = static_cast<uint16_t>((y * 31 / std::max(h - 1, 1)) << 11 |
                                                     (x * 63 / std::max(w - 1, 1)) << 5 | 7);
            v.push_back(static_cast<uint8_t>(p));
            v.push_back(static_cast<uint8_t>(p >> 8));
        }
    }
    return v;
}

// Pixel bytes of many kinds: noise, flat areas, short periods, runs, gradients, and mixes.
std::vector<std::vector<uint8_t>> Samples(std::mt19937& rng) {
    std::vector<std::vector<uint8_t>> out;
    for (size_t n : {0u, 1u, 2u, 3u, 31u, 32u, 33u, 511u, 512u, 513u, 1000u}) {
        std::vector<uint8_t> v(n);
        for (auto& b : v) {
            b = static_cast<uint8_t>(rng());
        }
        out.push_back(v);
        out.emplace_back(n, 0);
        out.emplace_back(n, 0xFF);
    }
    for (size_t period = 1; period <= 40; period += 3) {
        std::vector<uint8_t> v(900);
        for (size_t i = 0; i < v.size(); ++i) {
            v[i] = static_cast<uint8_t>(i % period * 37);
        }
        out.push_back(v);
    }
    {
        std::vector<uint8_t> v;
        while (v.size() < 3000) {
            const size_t run = 1 + rng() % 60;
            const uint8_t b = static_cast<uint8_t>(rng() % 4);
            v.insert(v.end(), run, b);
        }
        out.push_back(v);
    }
    out.push_back(Gradient(40, 30));
    out.push_back(Gradient(14, 14));
    {
        // A flat picture with a noisy band, as a background with a busy strip.
        std::vector<uint8_t> v(4000, 0x18);
        for (size_t i = 1500; i < 2100; ++i) {
            v[i] = static_cast<uint8_t>(rng());
        }
        out.push_back(v);
    }
    return out;
}

TEST_F(CodecTest, TheEncoderFindsWhatTheDescribedSearchFinds) {
    // The program's search (chains of equal byte pairs) against the plain one that tries
    // every window position, including the zero bytes added for the end rule.
    std::mt19937 rng(17);
    int paddedMore = 0;
    for (const auto& pixels : Samples(rng)) {
        const auto r = Lz77Encode(pixels.data(), pixels.size());
        ASSERT_BYTES(r, test::ReferenceEncode(pixels)) << "size " << pixels.size();
        auto twoZeros = pixels;
        twoZeros.resize(pixels.size() + 2, 0);
        paddedMore += r != test::ReferenceEncodeExactly(twoZeros);
    }
    // Random short pictures until some need more than two zero bytes at the end.
    for (int i = 0; i < 400 && paddedMore < 3; ++i) {
        std::vector<uint8_t> pixels(1 + rng() % 80);
        for (auto& b : pixels) {
            b = static_cast<uint8_t>(rng() % 3 == 0 ? 0 : rng());
        }
        const auto r = Lz77Encode(pixels.data(), pixels.size());
        ASSERT_BYTES(r, test::ReferenceEncode(pixels));
        auto twoZeros = pixels;
        twoZeros.resize(pixels.size() + 2, 0);
        paddedMore += r != test::ReferenceEncodeExactly(twoZeros);
    }
    EXPECT_GE(paddedMore, 3) << "no picture needed more than two zero bytes";
}

TEST_F(CodecTest, EncodedPicturesDecodeToTheirPixels) {
    std::mt19937 rng(19);
    std::vector<std::vector<uint8_t>> pictures = Samples(rng);
    pictures.push_back(Gradient(240, 268));
    {
        std::vector<uint8_t> noise(240 * 268 * 2);
        for (auto& b : noise) {
            b = static_cast<uint8_t>(rng());
        }
        pictures.push_back(noise);
    }
    // Many short pictures: their last tokens meet the end of the stream in every way.
    for (int i = 0; i < 1500; ++i) {
        std::vector<uint8_t> v(rng() % 300);
        const unsigned kind = rng() % 3;
        for (auto& b : v) {
            b = static_cast<uint8_t>(kind == 0   ? rng()
                                     : kind == 1 ? (rng() % 8 ? 0 : rng())
                                                 : rng() % 3);
        }
        pictures.push_back(v);
    }
    for (const auto& pixels : pictures) {
        const auto r = Lz77Encode(pixels.data(), pixels.size());
        const uint32_t size = static_cast<uint32_t>(pixels.size());
        // Two different fills: every byte was written.
        const auto first = Load(r, size, 0x00);
        ASSERT_BYTES(first, pixels) << "size " << size;
        ASSERT_BYTES(Load(r, size, 0xFF), pixels) << "size " << size;
        // The same bytes again on a second load.
        ASSERT_BYTES(Load(r, size, 0x00), first);
    }
    EXPECT_EQ(boxes.Count(), 0u);
}

}  // namespace
}  // namespace velmora
