#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "gfx/fastbitmap.h"
#include "gfx/graphicbuffer.h"
#include "gfx/lz77.h"
#include "gfx/pictures.h"
#include "platform/resources.h"
#include "tests/support/messagebox_recorder.h"

namespace velmora {
namespace {

// Every pixel of a surface, row by row.
std::vector<Pixel> PixelsOf(const GraphicBuffer& b) {
    std::vector<Pixel> out;
    for (uint32_t y = 0; y < b.Height(); ++y) {
        out.insert(out.end(), b.Row(y), b.Row(y) + b.Width());
    }
    return out;
}

TEST(GraphicBufferTest, FillSetsEveryPixelAndAnEqualByteFillAlsoTheRowPadding) {
    for (uint32_t width : {240u, 230u, 8u, 7u}) {
        for (Pixel colour : {Pixel{6933}, Pixel{0xFFFF}, Pixel{0}, Pixel{0x1212}, Pixel{0xF800}}) {
            SCOPED_TRACE(::testing::Message() << "width " << width << " colour " << colour);
            std::vector<Pixel> mem((width + 3) * 5, 0x3333);  // 3 pixels of padding a row
            GraphicBuffer b(mem.data(), width, 5, (width + 3) * 2);
            b.SetPixel(3, 3, 0x0101);
            b.Fill(colour);
            const bool bytes = (colour & 0xFF) == colour >> 8;
            for (size_t i = 0; i < mem.size(); ++i) {
                ASSERT_EQ(mem[i], i % (width + 3) < width || bytes ? colour : 0x3333) << i;
            }
        }
    }
}

TEST(GraphicBufferTest, RectanglesAndPixelsStayInsideTheSurface) {
    std::vector<uint16_t> mem(12 * 12, 7);  // a 10 x 10 surface framed by a guard band
    GraphicBuffer b(mem.data() + 12 + 1, 10, 10, 24);
    b.FillRect({2, 3, 2, 9}, 1);  // empty width
    b.FillRect({2, 3, 8, 3}, 1);  // empty height
    b.FillRect({8, 8, 2, 2}, 1);  // inverted
    b.FillRect({-5, -5, 3, 2}, 2);
    b.FillRect({7, 8, 50, 50}, 3);
    for (auto [x, y] : {std::pair{-1, 0}, {0, 10}, {10, 0}, {0, -1}}) {
        b.SetPixel(x, y, 4);
    }
    b.SetPixel(9, 9, 5);
    // Surface pixel (x, y) is mem[(y + 1) * 12 + x + 1].
    for (int y = -1; y <= 10; ++y) {
        for (int x = -1; x <= 10; ++x) {
            const bool inside = x >= 0 && x < 10 && y >= 0 && y < 10;
            const int want = !inside            ? 7
                             : x == 9 && y == 9 ? 5
                             : x < 3 && y < 2   ? 2
                             : x >= 7 && y >= 8 ? 3
                                                : 7;
            ASSERT_EQ(mem[(y + 1) * 12 + x + 1], want) << x << "," << y;
        }
    }
}

// Pictures are made the way the build makes them: encoded, then found by id.
class PictureTest : public ::testing::Test {
protected:
    ~PictureTest() override {
        ClearExtraResources();
        CurrentTarget = nullptr;
    }
    void AddPicture(int id, uint16_t w, uint16_t h, const std::vector<Pixel>& pixels) {
        const auto* bytes = reinterpret_cast<const uint8_t*>(pixels.data());
        m_resources.push_back(Lz77Encode(bytes, pixels.size() * 2));
        SetExtraResource("PCT", id, m_resources.back().data(), m_resources.back().size(), w, h);
    }
    MessageBoxRecorder boxes;
    std::vector<std::vector<uint8_t>> m_resources;
};

// A picture whose first pixel is white, with more white in it.
std::vector<Pixel> Pattern(uint16_t w, uint16_t h) {
    std::vector<Pixel> p(size_t{w} * h);
    for (size_t i = 0, x = 0, y = 0; i < p.size(); ++i, x = i % w, y = i / w) {
        p[i] = (x + y) % 3 == 0 ? kWhite : static_cast<Pixel>(100 + x * 7 + y);
    }
    return p;
}

TEST_F(PictureTest, DrawingCopiesThePictureClippedAndTransparentDrawingKeysOnItsCorner) {
    const auto pixels = Pattern(14, 8);
    AddPicture(7001, 14, 8, pixels);
    CFastBitmap pic;
    ASSERT_TRUE(pic.Load(u"7001", 14, 8));
    EXPECT_EQ(PixelsOf(*pic.Surface()), pixels);
    EXPECT_EQ(pic.Name(), u"7001");
    // {transparent, x, y, warned}: a warning for a place past the handheld's screen.
    const std::tuple<bool, int, int, bool> cases[] = {
        {false, 26, 22, false}, {false, 0, 0, false},   {false, -3, -2, true},
        {false, 241, 10, true}, {false, 10, 269, true}, {false, 240, 268, false},
        {false, 33, 5, false},  {true, 5, 6, false},    {true, 30, -4, false},
        {true, -6, 25, false}};
    for (const auto& [transparent, x, y, warned] : cases) {
        SCOPED_TRACE(::testing::Message() << transparent << " at " << x << "," << y);
        // A 40 x 30 target inside a guard band, with white pixels of its own.
        std::vector<Pixel> mem(42 * 32, 0x2222);
        GraphicBuffer target(mem.data() + 43, 40, 30, 84);
        for (int t = 0; t < 1200; ++t) {
            const int tx = t % 40, ty = t / 40;
            target.SetPixel(tx, ty, (tx + 2 * ty) % 5 ? static_cast<Pixel>(tx * 30 + ty) : kWhite);
        }
        const auto before = mem;
        CurrentTarget = &target;
        boxes.Clear();
        transparent ? pic.DrawTransparent(x, y) : pic.Draw(x, y);
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>(warned, "CFastBitmap::Draw 0 "));
        for (int my = 0; my < 32; ++my) {
            for (int mx = 0; mx < 42; ++mx) {
                const int px = mx - 1 - x;
                const int py = my - 1 - y;
                const bool onTarget = mx >= 1 && mx <= 40 && my >= 1 && my <= 30;
                const bool drawn = onTarget && px >= 0 && px < 14 && py >= 0 && py < 8 &&
                                   (!transparent || pixels[py * 14 + px] != kWhite);
                ASSERT_EQ(mem[my * 42 + mx], drawn ? pixels[py * 14 + px] : before[my * 42 + mx])
                    << mx - 1 << "," << my - 1;
            }
        }
    }
}

TEST_F(PictureTest, DrawingWithoutPictureOrTargetIsReported) {
    CFastBitmap empty;
    GraphicBuffer target(20, 20);
    CurrentTarget = &target;
    empty.Draw(0, 0);
    empty.DrawTransparent(0, 0);
    AddPicture(7003, 4, 4, Pattern(4, 4));
    CFastBitmap pic;
    pic.Load(7003, 4, 4);
    CurrentTarget = nullptr;
    pic.Draw(0, 0);
    EXPECT_EQ(boxes.Texts(),
              (std::vector<std::string>{"CFastBitmap::Draw", "GraphicBuffer::Blit 16",
                                        "CFastBitmap::Draw 2"}));
}

TEST_F(PictureTest, AMissingPictureIsReportedOnceAndBlank) {
    CFastBitmap pic;
    EXPECT_FALSE(pic.Load(u"9999", 12, 6));
    EXPECT_FALSE(pic.Load(u"9999", 12, 6));
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Fatal Error");
    EXPECT_NE(boxes.Texts()[0].find("9999"), std::string::npos);
    ASSERT_NE(pic.Surface(), nullptr);
    EXPECT_EQ(PixelsOf(*pic.Surface()), std::vector<Pixel>(72, 0));
    GraphicBuffer target(20, 20);
    CurrentTarget = &target;
    pic.Draw(1, 1);  // a blank picture still draws
    EXPECT_EQ(boxes.Count(), 1u);
}

TEST_F(PictureTest, SkinBackgroundsFollowTheSkinAndAnUnknownSkinDrawsNothing) {
    EXPECT_EQ(SkinBackgroundId(SkinnedScreen::CycleBar, -1), -1);
    AddPicture(SkinBackgroundId(SkinnedScreen::WeightChart, 5), 240, 268,
               std::vector<Pixel>(240 * 268, 0x7BEF));
    GraphicBuffer target(240, 268);
    CurrentTarget = &target;
    CFastBitmap bg;
    EXPECT_FALSE(DrawSkinBackground(bg, SkinnedScreen::WeightChart, 99));
    EXPECT_EQ(bg.Surface(), nullptr);
    EXPECT_EQ(PixelsOf(target), std::vector<Pixel>(240 * 268, 0));
    EXPECT_TRUE(DrawSkinBackground(bg, SkinnedScreen::WeightChart, 5));
    EXPECT_EQ(PixelsOf(target), std::vector<Pixel>(240 * 268, 0x7BEF));
}

}  // namespace
}  // namespace velmora
