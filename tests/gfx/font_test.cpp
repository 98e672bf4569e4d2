#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "gfx/bitmapfont.h"

namespace velmora {
namespace {

// The digits as drawn, written out independently of the program's table.
const std::map<char, std::vector<std::string>> kDigits = {
    {'0', {"-oooo-", "o----o", "o----o", "o----o", "o----o", "o----o", "-oooo-"}},
    {'1', {"--oo--", "-o-o--", "o--o--", "---o--", "---o--", "---o--", "oooooo"}},
    {'5', {"oooooo", "o-----", "ooooo-", "-----o", "-----o", "-----o", "ooooo-"}},
    {'7', {"-ooooo", "-----o", "-----o", "----o-", "---o--", "--o---", "-o----"}},
};

TEST(DrawNumberTest, DigitsSevenPixelsApartRowsAtTheTopLeftOutAndClipped) {
    // {number, x, y}: on a 30 x 16 surface, in memory 4 pixels wider and 2 rows higher.
    const std::tuple<uint32_t, int, int> cases[] = {
        {7, 10, 5}, {10, 3, 4}, {50, 3, 4}, {70, 3, 4},   {105, 0, 5},
        {7, 2, 0},  {7, 2, -3}, {0, 2, 2},  {55, 21, 12},
    };
    for (const auto& [number, x, y] : cases) {
        SCOPED_TRACE(::testing::Message() << number << " at " << x << "," << y);
        std::vector<uint16_t> mem(34 * 18, 0x4208);
        GraphicBuffer b(mem.data(), 30, 16, 34 * 2);
        DrawNumber(b, number, x, y, 0x1B15);
        // Ink where the written-out digits have it, inside the surface and below its top row.
        std::set<std::pair<int, int>> want;
        const std::string text = number ? std::to_string(number) : "";
        for (size_t i = 0; i < text.size(); ++i) {
            for (int r = 0; r < 7; ++r) {
                for (int c = 0; c < 6; ++c) {
                    const int px = x + 7 * static_cast<int>(i) + c;
                    if (kDigits.at(text[i])[r][c] == 'o' && y + r > 0 && y + r < 16 && px < 30) {
                        want.insert({px, y + r});
                    }
                }
            }
        }
        for (int my = 0; my < 18; ++my) {
            for (int mx = 0; mx < 34; ++mx) {
                const bool ink = mx < 30 && my < 16 && want.count({mx, my});
                ASSERT_EQ(mem[my * 34 + mx], ink ? 0x1B15 : 0x4208) << mx << "," << my;
            }
        }
    }
    // Rows, columns and digits past the font hold no ink.
    const BitmapFont& font = BitmapFont::Instance();
    for (int rc = 0; rc < 72; ++rc) {
        const int r = rc / 8 - 1, c = rc % 8 - 1;
        const bool past = r < 0 || r > 6 || c < 0 || c > 5;
        EXPECT_FALSE(font.Ink(10, c, r) || font.Ink(-1, c, r) || (past && font.Ink(0, c, r)))
            << c << "," << r;
    }
}

}  // namespace
}  // namespace velmora
