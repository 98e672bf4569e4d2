// The in-memory file table and the bit streams over it.

#include <gtest/gtest.h>

#include <random>
#include <tuple>
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

using File = CMemoryLikeFile;

// A file's state as {data, open, mode, position, end}.
auto Stat(MemoryFileHandle h) {
    const MemoryFileStat s = File::fstat(h);
    return std::tuple<const void*, int, char, uint32_t, uint32_t>(s.data, s.open, s.mode,
                                                                  s.position, s.end);
}

class MemoryFileTest : public ::testing::Test {
protected:
    MemoryFileTest() { File::Reset(); }
    ~MemoryFileTest() override {
        File::Reset();
        ClearExtraResources();
        Lz77SetOutput(nullptr, 0);
    }
    // Registers picture `id` with length field `n` and the given stream bytes.
    const uint8_t* AddPicture(int id, uint32_t n, std::vector<uint8_t> stream) {
        test::TokenWriter w;
        for (uint8_t b : stream) {
            w.Bits(b, 8);
        }
        m_resources.push_back(w.Resource(n, stream.size()));
        SetExtraResource("PCT", id, m_resources.back().data(), m_resources.back().size());
        return m_resources.back().data();
    }
    // Every box shown so far: "Fatal Error" boxes with a stop sign over the foreground window.
    std::vector<std::string> Fatal() {
        for (const auto& b : boxes.Boxes()) {
            EXPECT_EQ(b.caption, "Fatal Error");
            EXPECT_EQ(b.icon, MbIcon::Stop);
            EXPECT_EQ(b.owner, kForegroundWindow);
        }
        return boxes.Texts();
    }

    MessageBoxRecorder boxes;
    std::vector<std::vector<uint8_t>> m_resources;
};

TEST_F(MemoryFileTest, TenSlotsTakenLowestFirst) {
    std::vector<MemoryFileHandle> open;
    for (int i = 0; i < 10; ++i) {
        open.push_back(File::fopen(u"x", "w"));
        ASSERT_NE(open.back(), nullptr);
        EXPECT_EQ(*open.back(), i);
    }
    EXPECT_EQ(File::fopen(u"x", "w"), nullptr);
    EXPECT_EQ(File::OpenCount(), 10);
    File::fclose(open[3]);
    File::fclose(open[7]);
    EXPECT_EQ(File::OpenCount(), 8);
    EXPECT_EQ(*File::fopen(u"x", "w"), 3);
    EXPECT_EQ(*File::fopen(u"x", "w"), 7);
    EXPECT_EQ(File::fopen(u"x", "w"), nullptr);
    EXPECT_EQ(boxes.Count(), 0u);

    // Reset frees and clears everything; the next file is slot 0 again.
    uint8_t block[4];
    File::SetBuffer(open[5], block, 4);
    File::Reset();
    EXPECT_EQ(File::OpenCount(), 0);
    EXPECT_EQ(Stat(open[5]), std::make_tuple(nullptr, 0, 'r', 0u, 0u));
    EXPECT_EQ(*File::fopen(u"x", "w"), 0);
}

TEST_F(MemoryFileTest, OpeningPicturesByTheirDecimalId) {
    const uint8_t* data = AddPicture(204, 6, {1, 2, 3, 4, 5, 6, 0xFF});
    // Read in place, after the length field, up to its length.
    EXPECT_EQ(Stat(File::fopen(u"204", "r")), std::make_tuple(data, 1, 'r', 4u, 10u));
    EXPECT_NE(File::fopen(u"0204", "r"), nullptr);
    EXPECT_EQ(File::fopen(u"205", "r"), nullptr);
    EXPECT_EQ(File::fopen(u"ABC", "r"), nullptr);
    EXPECT_EQ(File::fopen(u"204", "rb"), nullptr);
    EXPECT_EQ(File::OpenCount(), 2);
    EXPECT_EQ(boxes.Count(), 0u);

    // A length past the resource's end stops at its end; no length at all is empty.
    AddPicture(206, 1000, {1, 2, 3});
    EXPECT_EQ(std::get<4>(Stat(File::fopen(u"206", "r"))), 7u);
    m_resources.push_back({9, 0});
    SetExtraResource("PCT", 207, m_resources.back().data(), 2);
    const auto empty = Stat(File::fopen(u"207", "r"));
    EXPECT_EQ(std::get<3>(empty), std::get<4>(empty));
}

TEST_F(MemoryFileTest, ReadsAndWritesStopAtTheEnd) {
    AddPicture(300, 7, {10, 11, 12, 13, 14, 15, 16, 99});
    MemoryFileHandle r = File::fopen(u"300", "r");
    uint8_t buf[8] = {};
    EXPECT_EQ(File::fread(buf, 1, 3, r), 3u);
    EXPECT_EQ(File::fread(buf + 3, 3, 2, r), 1u);  // 4 bytes left: one whole item
    EXPECT_EQ(std::get<3>(Stat(r)), 11u);
    EXPECT_EQ(File::fread(buf + 7, 1, 5, r), 0u);
    EXPECT_EQ(std::vector<uint8_t>(buf, buf + 8),
              (std::vector<uint8_t>{10, 11, 12, 13, 14, 15, 16, 0}));

    MemoryFileHandle w = File::fopen(u"out", "w");
    uint8_t block[12];
    std::fill(block, block + 12, 0xEE);
    File::SetBuffer(w, block, 10);
    EXPECT_EQ(Stat(w), std::make_tuple(block, 1, 'w', 0u, 10u));
    const uint8_t src[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(File::fwrite(src, 4, 2, w), 2u);
    EXPECT_EQ(File::fwrite(src, 4, 1, w), 0u);  // two bytes fit, no whole item
    EXPECT_EQ(File::fwrite(src, 1, 8, w), 0u);
    EXPECT_EQ(std::vector<uint8_t>(block, block + 12),
              (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 0xEE, 0xEE}));
    EXPECT_EQ(std::get<3>(Stat(w)), 10u);
    EXPECT_EQ(boxes.Count(), 0u) << "bytes past the end are dropped silently";
}

TEST_F(MemoryFileTest, MisuseShowsWhichOperationFailed) {
    AddPicture(301, 2, {1, 2});
    const uint8_t src[2] = {1, 2};
    uint8_t dest[2];
    MemoryFileHandle r = File::fopen(u"301", "r");
    MemoryFileHandle w = File::fopen(u"out", "w");
    EXPECT_EQ(File::fwrite(src, 1, 2, w), 0u);  // no block attached yet
    EXPECT_EQ(File::fwrite(src, 1, 2, r), 0u);  // a resource has none either
    // Closing the input before the output: the output's slot is then not below the count.
    File::fclose(r);
    File::fclose(w);
    EXPECT_EQ(File::fread(dest, 1, 2, r), 0u);
    EXPECT_EQ(File::fwrite(src, 1, 2, w), 0u);
    File::fclose(r);  // twice: the count goes below zero
    EXPECT_EQ(Fatal(),
              (std::vector<std::string>{"CMemoryLikeFile::fwrite 2", "CMemoryLikeFile::fwrite 2",
                                        "CMemoryLikeFile::fclose 1", "CMemoryLikeFile::fread",
                                        "CMemoryLikeFile::fwrite", "CMemoryLikeFile::fclose 1",
                                        "CMemoryLikeFile::fclose 2"}));
    EXPECT_EQ(File::OpenCount(), -1);

    // In the right order nothing is shown.
    File::Reset();
    boxes.Clear();
    r = File::fopen(u"301", "r");
    File::fclose(File::fopen(u"out", "w"));
    File::fclose(r);
    EXPECT_EQ(boxes.Count(), 0u);
}

const ResourceEntry kWithoutBytes[] = {{"PCT", 4711, nullptr, nullptr, 0, 1, 1}};

TEST_F(MemoryFileTest, APictureRegisteredWithoutBytesEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            RegisterResources(kWithoutBytes, 1);
            uint8_t block[2];
            Lz77LoadPicture(u"4711", block, 2);
        },
        ::testing::ExitedWithCode(255), "");
}

// ---------------------------------------------------------------------------------------
// Bit streams

TEST_F(MemoryFileTest, BitsWrittenAreReadBackAcrossBlocks) {
    std::mt19937 rng(23);
    std::vector<std::pair<uint32_t, int>> fields;
    test::TokenWriter expected;
    while (expected.BitCount() < 8 * 12000 + 5) {
        const int n = 1 + static_cast<int>(rng() % 32);
        fields.emplace_back(static_cast<uint32_t>(rng()), n);  // only the low n bits count
        expected.Bits(fields.back().first, n);
    }
    std::vector<uint8_t> block(expected.Bytes().size() + 8, 0xEE);
    const uint32_t size = static_cast<uint32_t>(expected.Bytes().size());
    Lz77SetOutput(block.data(), size);
    BitFile* w = BitFile::Open(u"out", 'w');
    ASSERT_NE(w, nullptr);
    for (auto [v, n] : fields) {
        ASSERT_EQ(w->WriteBits(v, n), 1);
    }
    BitFile::Close(w);
    // The last byte is padded with zero bits; nothing after it is written.
    block.resize(size + 1);
    auto want = expected.Bytes();
    want.push_back(0xEE);
    ASSERT_BYTES(block, want);
    EXPECT_EQ(File::OpenCount(), 0);

    AddPicture(400, size, expected.Bytes());
    BitFile* r = BitFile::Open(u"400", 'r');
    ASSERT_NE(r, nullptr);
    for (size_t i = 0; i < fields.size(); ++i) {
        auto [v, n] = fields[i];
        ASSERT_EQ(r->ReadBits(n), n == 32 ? v : v & ((1u << n) - 1)) << "field " << i;
    }
    EXPECT_TRUE(r->AtEnd());
    EXPECT_EQ(r->ReadBits(32), 0u);
    BitFile::Close(r);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(MemoryFileTest, BitCountsAndModes) {
    AddPicture(401, 6, {0xA5, 0x0F, 0xFF, 0x12, 0x34, 0x56});
    BitFile* r = BitFile::Open(u"401", 'r');
    EXPECT_EQ(r->ReadBits(0), 0u);
    EXPECT_EQ(r->ReadBits(4), 0xAu);
    EXPECT_EQ(r->ReadBits(40), 0x50FFF123u);  // capped at 32
    EXPECT_EQ(r->WriteBits(1, 1), -1);
    // Taking the last bit of 0x34 takes in the stream's last byte: from then on the stream
    // is at its end, but that byte's bits are still read, then zeros.
    EXPECT_FALSE(r->AtEnd());
    EXPECT_EQ(r->ReadBits(4), 0x4u);
    EXPECT_TRUE(r->AtEnd());
    EXPECT_EQ(r->ReadBits(12), 0x560u);
    EXPECT_EQ(r->ReadBits(8), 0u);

    uint8_t block[2] = {0xEE, 0xEE};
    Lz77SetOutput(block, 2);
    BitFile* w = BitFile::Open(u"out", 'w');
    EXPECT_EQ(w->ReadBits(8), 0u);
    EXPECT_EQ(w->WriteBits(0b101, 3), 1);
    BitFile::Close(w);
    BitFile::Close(r);
    EXPECT_EQ(block[0], 0xA0);
    EXPECT_EQ(block[1], 0xEE);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(MemoryFileTest, AnOutputLargerThanThePictureIsReportedAtClose) {
    uint8_t block[100] = {};
    Lz77SetOutput(block, 100);
    BitFile* w = BitFile::Open(u"out", 'w');
    Lz77SetOutput(block, 50);
    BitFile::Close(w);
    EXPECT_EQ(Fatal(), std::vector<std::string>{"NEPRAVILEN RAZMER NA KOMPRESIRANIQT FILE"});
    EXPECT_EQ(File::OpenCount(), 0);

    Lz77SetOutput(block, 50);
    BitFile::Close(BitFile::Open(u"out", 'w'));
    EXPECT_EQ(boxes.Count(), 1u);
}

TEST_F(MemoryFileTest, ABitStreamThatCannotBeMadeTakesNoSlot) {
    AddPicture(402, 1, {1});
    InjectAllocationFailures(1);
    EXPECT_EQ(BitFile::Open(u"402", 'r'), nullptr);
    EXPECT_EQ(File::OpenCount(), 0);
    EXPECT_EQ(BitFile::Open(u"403", 'r'), nullptr);  // no such picture
    EXPECT_EQ(File::OpenCount(), 0);
    BitFile* ok = BitFile::Open(u"402", 'r');
    EXPECT_NE(ok, nullptr);
    BitFile::Close(ok);
}

}  // namespace
}  // namespace velmora
