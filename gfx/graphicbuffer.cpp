#include "gfx/graphicbuffer.h"

#include <algorithm>
#include <cstring>

namespace velmora {

GraphicBuffer* CurrentTarget = nullptr;

GraphicBuffer::GraphicBuffer(uint32_t width, uint32_t height) {
    Pixel* pixels = nullptr;
    if (width && height) {
        pixels = new Pixel[size_t{width} * height]();
    }
    Attach(pixels, width, height, width * 2, true);
}

GraphicBuffer::GraphicBuffer(Pixel* pixels, uint32_t width, uint32_t height, uint32_t stride) {
    Attach(pixels, width, height, stride, false);
}

GraphicBuffer::~GraphicBuffer() {
    if (m_owns) {
        delete[] m_pixels;
    }
}

void GraphicBuffer::Attach(Pixel* pixels, uint32_t width, uint32_t height, uint32_t stride,
                           bool owns) {
    m_pixels = pixels;
    m_width = pixels ? width : 0;
    m_height = pixels ? height : 0;
    m_stride = stride;
    m_owns = owns;
}

void GraphicBuffer::Fill(Pixel colour) {
    if (!m_pixels) {
        return;
    }
    const uint8_t lo = static_cast<uint8_t>(colour);
    const uint8_t hi = static_cast<uint8_t>(colour >> 8);
    if (lo == hi) {
        // One block fill, row padding included.
        std::memset(m_pixels, lo, size_t{m_stride} * m_height);
        return;
    }
    if (m_width % 8 != 0) {
        for (uint32_t y = 0; y < m_height; ++y) {
            std::fill_n(Row(y), m_width, colour);
        }
        return;
    }
    // Two pixels per 32-bit word, four words at a time.
    const uint32_t pair = (uint32_t{colour} << 16) | colour;
    for (uint32_t y = 0; y < m_height; ++y) {
        uint8_t* row = reinterpret_cast<uint8_t*>(Row(y));
        for (uint32_t group = 0; group < m_width / 8; ++group) {
            const uint32_t words[4] = {pair, pair, pair, pair};
            std::memcpy(row + group * 16, words, sizeof words);
        }
    }
}

void GraphicBuffer::FillRect(const Rect& rect, Pixel colour) {
    const int32_t left = std::max<int32_t>(rect.left, 0);
    const int32_t top = std::max<int32_t>(rect.top, 0);
    const int32_t right = std::min<int64_t>(rect.right, m_width);
    const int32_t bottom = std::min<int64_t>(rect.bottom, m_height);
    if (!m_pixels || left >= right || top >= bottom) {
        return;
    }
    for (int32_t y = top; y < bottom; ++y) {
        std::fill(Row(static_cast<uint32_t>(y)) + left, Row(static_cast<uint32_t>(y)) + right,
                  colour);
    }
}

void GraphicBuffer::SetPixel(int32_t x, int32_t y, Pixel colour) {
    if (m_pixels && x >= 0 && y >= 0 && static_cast<uint32_t>(x) < m_width &&
        static_cast<uint32_t>(y) < m_height) {
        Row(static_cast<uint32_t>(y))[x] = colour;
    }
}

Pixel GraphicBuffer::GetPixel(int32_t x, int32_t y) const {
    if (m_pixels && x >= 0 && y >= 0 && static_cast<uint32_t>(x) < m_width &&
        static_cast<uint32_t>(y) < m_height) {
        return Row(static_cast<uint32_t>(y))[x];
    }
    return 0;
}

}  // namespace velmora
