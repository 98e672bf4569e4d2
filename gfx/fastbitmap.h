#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "gfx/graphicbuffer.h"

namespace velmora {

// A picture from the program's compressed picture resources, decoded once into a plain
// 16-bit surface and copied into CurrentTarget with row copies.
class CFastBitmap {
public:
    CFastBitmap() = default;
    ~CFastBitmap() = default;
    CFastBitmap(const CFastBitmap&) = delete;
    CFastBitmap& operator=(const CFastBitmap&) = delete;

    // Decodes picture `name` (its id as decimal text) of width x height pixels, replacing the
    // picture held before; a picture with words comes in CurrentPictureLanguage (see
    // gfx/pictures.h), and Name() is then its Russian drawing's. A picture missing from the
    // program is reported once as a "Fatal Error" naming it and left blank; false then.
    bool Load(std::u16string_view name, uint16_t width, uint16_t height);
    bool Load(int id, uint16_t width, uint16_t height);

    // Copies the picture into CurrentTarget with its top-left pixel at (x, y).
    void Draw(int32_t x, int32_t y);
    // As Draw, leaving out the pixels that equal the picture's own pixel at (keyX, keyY).
    void DrawTransparent(int32_t x, int32_t y, int32_t keyX = 0, int32_t keyY = 0);
    // Frees the decoded pixels.
    void Release();

    const GraphicBuffer* Surface() const { return m_surface.get(); }
    uint16_t Width() const { return m_width; }
    uint16_t Height() const { return m_height; }
    const std::u16string& Name() const { return m_name; }

private:
    std::unique_ptr<GraphicBuffer> m_surface;
    uint16_t m_width = 0;
    uint16_t m_height = 0;
    std::u16string m_name;
};

}  // namespace velmora
