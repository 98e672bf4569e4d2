#include <gtest/gtest.h>

#include <vector>

#include "gfx/bitmapfont.h"
#include "gfx/fastbitmap.h"
#include "gfx/graphicbuffer.h"
#include "gfx/lz77.h"
#include "gfx/pictures.h"
#include "tests/support/messagebox_recorder.h"
#include "platform/resources.h"

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

TEST(GraphicBufferTest, FillGivesTheSamePixelsOnEveryPath) {
    for (uint32_t width : {240u, 230u, 8u, 7u}) {
        for (Pixel colour : {Pixel{6933}, Pixel{0xFFFF}, Pixel{0}, Pixel{0x1212}, Pixel{0xF800}}) {
            GraphicBuffer b(width, 5);
            b.SetPixel(3, 3, 0x0101);
            b.Fill(colour);
            EXPECT_EQ(PixelsOf(b), std::vector<Pixel>(width * 5, colour))
                << "width " << width << " colour " << colour;
        }
    }
}

TEST(GraphicBufferTest, AnEqualByteFillAlsoSetsRowPadding) {
    // A surface over memory with 6 bytes of padding per row.
    std::vector<uint16_t> mem(4 * 8, 0x3333);
    GraphicBuffer b(mem.data(), 5, 4, 16);
    b.Fill(0xFFFF);
    for (uint16_t v : mem) {
        EXPECT_EQ(v, 0xFFFF);
    }
    mem.assign(mem.size(), 0x3333);
    b.Fill(6933);  // a two-byte colour fills pixels only
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(mem[y * 8 + x], x < 5 ? 6933 : 0x3333);
        }
    }
}

TEST(GraphicBufferTest, RectanglesAndPixelsStayInsideTheSurface) {
    std::vector<uint16_t> mem(12 * 12, 7);  // a 10 x 10 surface framed by a guard band
    GraphicBuffer b(mem.data() + 12 + 1, 10, 10, 24);
    b.FillRect({2, 3, 2, 9}, 1);  // empty width
    b.FillRect({2, 3, 8, 3}, 1);  // empty height
    b.FillRect({8, 8, 2, 2}, 1);  // inverted
    EXPECT_EQ(std::count(mem.begin(), mem.end(), 1), 0);
    b.FillRect({-5, -5, 3, 2}, 2);
    b.FillRect({7, 8, 50, 50}, 3);
    b.SetPixel(-1, 0, 4);
    b.SetPixel(0, 10, 4);
    b.SetPixel(10, 0, 4);
    b.SetPixel(9, 9, 5);
    // Only the surface changed: the guard band is as it was.
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool inside = x >= 1 && x <= 10 && y >= 1 && y <= 10;
            if (!inside) {
                EXPECT_EQ(mem[y * 12 + x], 7) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(b.GetPixel(0, 0), 2);
    EXPECT_EQ(b.GetPixel(2, 1), 2);
    EXPECT_EQ(b.GetPixel(3, 1), 7);
    EXPECT_EQ(b.GetPixel(7, 8), 3);
    EXPECT_EQ(b.GetPixel(9, 9), 5);
    EXPECT_EQ(std::count(mem.begin(), mem.end(), 4), 0);
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

std::vector<Pixel> Pattern(uint16_t w, uint16_t h, Pixel key) {
    std::vector<Pixel> p(size_t{w} * h);
    for (uint16_t y = 0; y < h; ++y) {
        for (uint16_t x = 0; x < w; ++x) {
            p[size_t{y} * w + x] = (x + y) % 3 == 0 ? key : static_cast<Pixel>(100 + x * 7 + y);
        }
    }
    p[0] = key;
    return p;
}

TEST_F(PictureTest, LoadDecodesAndDrawCopiesEveryRow) {
    const auto pixels = Pattern(14, 8, kWhite);
    AddPicture(7001, 14, 8, pixels);
    CFastBitmap pic;
    ASSERT_TRUE(pic.Load(u"7001", 14, 8));
    EXPECT_EQ(PixelsOf(*pic.Surface()), pixels);
    EXPECT_EQ(pic.Name(), u"7001");

    GraphicBuffer target(240, 268);
    target.Fill(0x1111);
    CurrentTarget = &target;
    pic.Draw(226, 260);  // the bottom-right corner exactly
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 14; ++x) {
            ASSERT_EQ(target.GetPixel(226 + x, 260 + y), pixels[y * 14 + x]);
        }
    }
    EXPECT_EQ(target.GetPixel(225, 259), 0x1111);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(PictureTest, DrawWarnsPastTheScreenAndNeverWritesOutside) {
    AddPicture(7002, 14, 8, Pattern(14, 8, kWhite));
    CFastBitmap pic;
    pic.Load(7002, 14, 8);
    std::vector<uint16_t> mem(242 * 270, 0x2222);
    GraphicBuffer target(mem.data() + 242 + 1, 240, 268, 242 * 2);  // guard band around
    CurrentTarget = &target;
    pic.Draw(240, 268);
    EXPECT_EQ(boxes.Count(), 0u);
    pic.Draw(241, 10);
    pic.Draw(10, 269);
    pic.Draw(-3, -2);  // seen as huge unsigned values
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>(3, "CFastBitmap::Draw 0 "));
    for (int y = 0; y < 270; ++y) {
        for (int x = 0; x < 242; ++x) {
            if (x == 0 || y == 0 || x == 241 || y == 269) {
                ASSERT_EQ(mem[y * 242 + x], 0x2222) << x << "," << y;
            }
        }
    }
    // The part of a picture that overlaps the surface is drawn.
    EXPECT_EQ(target.GetPixel(0, 0), pic.Surface()->GetPixel(3, 2));
}

TEST_F(PictureTest, DrawWithoutPictureOrTarget) {
    CFastBitmap empty;
    GraphicBuffer target(20, 20);
    CurrentTarget = &target;
    empty.Draw(0, 0);
    AddPicture(7003, 4, 4, Pattern(4, 4, 0));
    CFastBitmap pic;
    pic.Load(7003, 4, 4);
    CurrentTarget = nullptr;
    pic.Draw(0, 0);
    EXPECT_EQ(boxes.Texts(),
              (std::vector<std::string>{"CFastBitmap::Draw", "CFastBitmap::Draw 2"}));
}

TEST_F(PictureTest, TransparentDrawingKeysOnThePicturesOwnCorner) {
    const auto pixels = Pattern(10, 10, kWhite);
    AddPicture(7004, 10, 10, pixels);
    CFastBitmap pic;
    pic.Load(7004, 10, 10);
    GraphicBuffer target(30, 30);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            target.SetPixel(x, y, (x + 2 * y) % 5 == 0 ? kWhite : static_cast<Pixel>(x * 30 + y));
        }
    }
    const auto before = PixelsOf(target);
    CurrentTarget = &target;
    pic.DrawTransparent(5, 6);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            const bool inPic = x >= 5 && x < 15 && y >= 6 && y < 16;
            const Pixel src = inPic ? pixels[(y - 6) * 10 + (x - 5)] : kWhite;
            const Pixel want = inPic && src != kWhite ? src : before[y * 30 + x];
            ASSERT_EQ(target.GetPixel(x, y), want) << x << "," << y;
        }
    }
    // Partly off the surface: clipped, no box.
    pic.DrawTransparent(25, -4);
    EXPECT_EQ(boxes.Count(), 0u);
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

TEST_F(PictureTest, SkinBackgroundsFollowTheSkin) {
    EXPECT_EQ(SkinBackgroundId(SkinnedScreen::WeightChart, 3), 205);
    EXPECT_EQ(SkinBackgroundId(SkinnedScreen::WeightChart, 5), 291);
    EXPECT_EQ(SkinBackgroundId(SkinnedScreen::HelpBrowser, 0), 270);
    EXPECT_EQ(SkinBackgroundId(SkinnedScreen::WeightHeightScale, 6), 302);
    EXPECT_EQ(SkinBackgroundId(SkinnedScreen::CycleBar, 7), -1);
    EXPECT_EQ(SkinBackgroundId(SkinnedScreen::CycleBar, -1), -1);
    // Every background is its own picture.
    std::vector<int> ids;
    for (const auto& row : kSkinBackgrounds) {
        ids.insert(ids.end(), std::begin(row), std::end(row));
    }
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());

    AddPicture(291, 240, 268, std::vector<Pixel>(240 * 268, 0x7BEF));
    GraphicBuffer target(240, 268);
    CurrentTarget = &target;
    CFastBitmap bg;
    EXPECT_FALSE(DrawSkinBackground(bg, SkinnedScreen::WeightChart, 99));
    EXPECT_EQ(target.GetPixel(100, 100), 0);
    EXPECT_EQ(bg.Surface(), nullptr);
    EXPECT_TRUE(DrawSkinBackground(bg, SkinnedScreen::WeightChart, 5));
    EXPECT_EQ(target.GetPixel(100, 100), 0x7BEF);
    EXPECT_EQ(bg.Name(), u"291");
}

}  // namespace
}  // namespace velmora
