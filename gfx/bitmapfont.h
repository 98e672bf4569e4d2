#pragma once

#include <array>
#include <cstdint>

#include "gfx/graphicbuffer.h"

namespace velmora {

// The calendar's 6 x 7 pixel digits.
class BitmapFont {
public:
    static constexpr int kGlyphWidth = 6;
    static constexpr int kGlyphHeight = 7;
    static constexpr int kAdvance = 7;

    // The one font, made on first use.
    static const BitmapFont& Instance();

    // True when pixel (column, row) of the glyph of `digit` is ink.
    bool Ink(int digit, int column, int row) const;
    void Draw(GraphicBuffer& buffer, uint32_t number, int32_t x, int32_t y, Pixel colour) const;

private:
    BitmapFont() = default;
};

// Draws the decimal digits of `number`, most significant first, the first glyph's top-left
// pixel at (x, y) and each next one 7 pixels to the right. 0 draws nothing; glyph rows at
// y <= 0 are left out, and nothing lands outside the buffer.
void DrawNumber(GraphicBuffer& buffer, uint32_t number, int32_t x, int32_t y, Pixel colour);

}  // namespace velmora
