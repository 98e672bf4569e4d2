#include "gfx/bitmapfont.h"

namespace velmora {

namespace {

// Seven rows of six per digit: 'o' ink, '-' background.
constexpr const char* kGlyphs[10][7] = {
    {"-oooo-", "o----o", "o----o", "o----o", "o----o", "o----o", "-oooo-"},
    {"--oo--", "-o-o--", "o--o--", "---o--", "---o--", "---o--", "oooooo"},
    {"-oooo-", "-----o", "-----o", "----o-", "---o--", "--o---", "-ooooo"},
    {"ooooo-", "-----o", "----o-", "oooo--", "----o-", "-----o", "ooooo-"},
    {"----o-", "---oo-", "--o-o-", "-o--o-", "oooooo", "----o-", "----o-"},
    {"oooooo", "o-----", "ooooo-", "-----o", "-----o", "-----o", "ooooo-"},
    {"-oooo-", "o----o", "o-----", "ooooo-", "o----o", "o----o", "-oooo-"},
    {"-ooooo", "-----o", "-----o", "----o-", "---o--", "--o---", "-o----"},
    {"-oooo-", "o----o", "o----o", "-oooo-", "o----o", "o----o", "-oooo-"},
    {"-oooo-", "o----o", "o----o", "-ooooo", "-----o", "-----o", "ooooo-"},
};

}  // namespace

const BitmapFont& BitmapFont::Instance() {
    static const BitmapFont font;
    return font;
}

bool BitmapFont::Ink(int digit, int column, int row) const {
    if (digit < 0 || digit > 9 || column < 0 || column >= kGlyphWidth || row < 0 ||
        row >= kGlyphHeight) {
        return false;
    }
    return kGlyphs[digit][row][column] == 'o';
}

void BitmapFont::Draw(GraphicBuffer& buffer, uint32_t number, int32_t x, int32_t y,
                      Pixel colour) const {
    int digits[10];
    int count = 0;
    for (uint32_t n = number; n != 0; n /= 10) {
        digits[count++] = static_cast<int>(n % 10);
    }
    for (int i = count - 1; i >= 0; --i) {
        for (int r = 0; r < kGlyphHeight; ++r) {
            if (y + r <= 0) {
                continue;
            }
            for (int c = 0; c < kGlyphWidth; ++c) {
                if (Ink(digits[i], c, r)) {
                    buffer.SetPixel(x + c, y + r, colour);  // clips
                }
            }
        }
        x += kAdvance;
    }
}

void DrawNumber(GraphicBuffer& buffer, uint32_t number, int32_t x, int32_t y, Pixel colour) {
    BitmapFont::Instance().Draw(buffer, number, x, y, colour);
}

}  // namespace velmora
