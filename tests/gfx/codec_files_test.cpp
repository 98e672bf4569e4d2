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

class MemoryFileTest : public ::testing::Test {
protected:
    MemoryFileTest() { File::Reset(); }
    ~MemoryFileTest() override {
        File::Reset();
        ClearExtraResources();
        Lz77SetOutput(nullptr, 0);
    }
    // Registers picture `id` with length field `n` and the given stream bytes.
    void AddPicture(int id, uint32_t n, std::vector<uint8_t> stream) {
        stream.insert(stream.begin(),
                      {uint8_t(n), uint8_t(n >> 8), uint8_t(n >> 16), uint8_t(n >> 24)});
        m_resources.push_back(std::move(stream));
        SetExtraResource("PCT", id, m_resources.back().data(), m_resources.back().size());
    }
    // Every box shown so far: "Fatal Error" boxes with a stop sign over the foreground window.
    std::vector<std::string> Fatal() {
        for (const auto& b : boxes.Boxes()) {
            EXPECT_EQ(std::tuple(b.caption, b.icon, b.owner),
                      std::tuple("Fatal Error", MbIcon::Stop, kForegroundWindow));
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
    const MemoryFileStat s = File::fstat(open[5]);
    EXPECT_EQ(std::tuple(s.data, s.open, s.mode, s.position, s.end),
              std::tuple(nullptr, 0, 'r', 0u, 0u));
    EXPECT_EQ(*File::fopen(u"x", "w"), 0);
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
