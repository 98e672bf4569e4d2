#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "gfx/bitmapfont.h"

namespace velmora {
namespace {

// The digits as drawn, written out independently of the program's table.
const char* const kSeven[7] = {"-ooooo", "-----o", "-----o", "----o-",
                               "---o--", "--o---", "-o----"};
const char* const kZero[7] = {"-oooo-", "o----o", "o----o", "o----o", "o----o", "o----o", "-oooo-"};
const char* const kOne[7] = {"--oo--", "-o-o--", "o--o--", "---o--", "---o--", "---o--", "oooooo"};
const char* const kFive[7] = {"oooooo", "o-----", "ooooo-", "-----o", "-----o", "-----o", "ooooo-"};

using Points = std::set<std::pair<int, int>>;

Points Inked(const GraphicBuffer& b, Pixel colour) {
    Points out;
    for (uint32_t y = 0; y < b.Height(); ++y) {
        for (uint32_t x = 0; x < b.Width(); ++x) {
            if (b.GetPixel(static_cast<int>(x), static_cast<int>(y)) == colour) {
                out.insert({static_cast<int>(x), static_cast<int>(y)});
            }
        }
    }
    return out;
}

Points Glyph(const char* const rows[7], int x, int y, int minRow = 0) {
    Points out;
    for (int r = minRow; r < 7; ++r) {
        for (int c = 0; c < 6; ++c) {
            if (rows[r][c] == 'o') {
                out.insert({x + c, y + r});
            }
        }
    }
    return out;
}

Points Join(std::initializer_list<Points> parts) {
    Points out;
    for (const auto& p : parts) {
        out.insert(p.begin(), p.end());
    }
    return out;
}

TEST(DrawNumberTest, SevenIsElevenInkPixelsOverAnUntouchedBackground) {
    GraphicBuffer b(40, 30);
    b.Fill(0x4208);
    DrawNumber(b, 7, 10, 10, 0x1B15);
    EXPECT_EQ(Inked(b, 0x1B15), Glyph(kSeven, 10, 10));
    EXPECT_EQ(Inked(b, 0x1B15).size(), 11u);
    EXPECT_EQ(Inked(b, 0x4208).size(), 40u * 30u - 11u);
}

TEST(DrawNumberTest, DigitsFollowEachOtherSevenPixelsApart) {
    for (uint32_t tens : {1u, 5u, 7u}) {
        GraphicBuffer b(60, 20);
        DrawNumber(b, tens * 10, 3, 4, kWhite);
        const char* const* first = tens == 1 ? kOne : tens == 5 ? kFive : kSeven;
        EXPECT_EQ(Inked(b, kWhite), Join({Glyph(first, 3, 4), Glyph(kZero, 10, 4)})) << tens;
    }
    GraphicBuffer b(60, 20);
    DrawNumber(b, 105, 0, 5, kWhite);
    EXPECT_EQ(Inked(b, kWhite), Join({Glyph(kOne, 0, 5), Glyph(kZero, 7, 5), Glyph(kFive, 14, 5)}));
}

TEST(DrawNumberTest, RowsAtOrAboveTheTopAreLeftOut) {
    GraphicBuffer b(20, 10);
    DrawNumber(b, 7, 2, 0, kWhite);
    EXPECT_EQ(Inked(b, kWhite), Glyph(kSeven, 2, 0, 1));
    GraphicBuffer c(20, 10);
    DrawNumber(c, 7, 2, -3, kWhite);
    EXPECT_EQ(Inked(c, kWhite), Glyph(kSeven, 2, -3, 4));
}

TEST(DrawNumberTest, ZeroDrawsNothingAndNothingLandsOutside) {
    GraphicBuffer b(20, 10);
    DrawNumber(b, 0, 2, 2, kWhite);
    EXPECT_TRUE(Inked(b, kWhite).empty());
    // A number running off the right and bottom edges: only the pixels inside are set.
    std::vector<uint16_t> mem(16 * 12, 0);
    GraphicBuffer inner(mem.data(), 10, 8, 32);
    DrawNumber(inner, 55, 5, 4, kWhite);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (x >= 10 || y >= 8) {
                EXPECT_EQ(mem[y * 16 + x], 0) << x << "," << y;
            }
        }
    }
    Points want;
    for (auto p : Glyph(kFive, 5, 4)) {
        if (p.first < 10 && p.second < 8) {
            want.insert(p);
        }
    }
    EXPECT_EQ(Inked(inner, kWhite), want);
}

}  // namespace
}  // namespace velmora
