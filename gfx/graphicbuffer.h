#pragma once

#include <cstdint>
#include <memory>

namespace velmora {

// RGB565 pixel: bits 15-11 red, 10-5 green, 4-0 blue.
using Pixel = uint16_t;
inline constexpr Pixel kWhite = 0xFFFF;
inline constexpr Pixel kBlack = 0x0000;

constexpr Pixel Rgb565(int r, int g, int b) {
    return static_cast<Pixel>(((r & 0xF8) << 8) | ((g & 0xFC) << 3) | ((b & 0xF8) >> 3));
}

// A rectangle; right and bottom are exclusive.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// The window layer's drawing context for a surface (text, lines); opaque down here.
class DrawContext;

// A 16-bit RGB565 surface: rows top to bottom, `Stride()` bytes apart. Every drawing
// operation clips to the surface: nothing is ever written outside it.
class GraphicBuffer {
public:
    // A zero-filled surface of its own: stride = width x 2.
    GraphicBuffer(uint32_t width, uint32_t height);
    // A surface over memory that someone else owns.
    GraphicBuffer(Pixel* pixels, uint32_t width, uint32_t height, uint32_t stride);
    virtual ~GraphicBuffer();
    GraphicBuffer(const GraphicBuffer&) = delete;
    GraphicBuffer& operator=(const GraphicBuffer&) = delete;

    // Whether this surface is the screen itself (never: all drawing is off-screen).
    virtual bool IsScreenSurface() const { return false; }
    // Whether text and lines can be drawn into this surface through a DrawContext.
    virtual bool HasDC() const { return false; }
    virtual DrawContext* GetDC() { return nullptr; }
    virtual void ReleaseDC(DrawContext* dc) { (void)dc; }

    Pixel* Pixels() { return m_pixels; }
    const Pixel* Pixels() const { return m_pixels; }
    uint32_t Width() const { return m_width; }
    uint32_t Height() const { return m_height; }
    uint32_t Stride() const { return m_stride; }
    bool Owns() const { return m_owns; }

    Pixel* Row(uint32_t y) {
        return reinterpret_cast<Pixel*>(reinterpret_cast<uint8_t*>(m_pixels) +
                                        size_t{y} * m_stride);
    }
    const Pixel* Row(uint32_t y) const {
        return reinterpret_cast<const Pixel*>(reinterpret_cast<const uint8_t*>(m_pixels) +
                                              size_t{y} * m_stride);
    }

    // Every pixel, and for colours whose two bytes are equal the row padding too.
    void Fill(Pixel colour);
    // Pixels from (left, top) up to but not including (right, bottom), clipped.
    void FillRect(const Rect& rect, Pixel colour);
    void SetPixel(int32_t x, int32_t y, Pixel colour);
    // The pixel at (x, y); 0 outside the surface.
    Pixel GetPixel(int32_t x, int32_t y) const;

protected:
    GraphicBuffer() = default;
    void Attach(Pixel* pixels, uint32_t width, uint32_t height, uint32_t stride, bool owns);

private:
    Pixel* m_pixels = nullptr;
    uint32_t m_width = 0;
    uint32_t m_height = 0;
    uint32_t m_stride = 0;
    bool m_owns = false;
};

// The surface that pictures are drawn into. Each screen sets it to its own buffer before it
// draws. Used by the interface thread only.
extern GraphicBuffer* CurrentTarget;

// Points CurrentTarget at `target` for a scope and restores the previous target after.
class ScopedTarget {
public:
    explicit ScopedTarget(GraphicBuffer* target) : m_previous(CurrentTarget) {
        CurrentTarget = target;
    }
    ~ScopedTarget() { CurrentTarget = m_previous; }
    ScopedTarget(const ScopedTarget&) = delete;
    ScopedTarget& operator=(const ScopedTarget&) = delete;

private:
    GraphicBuffer* m_previous;
};

}  // namespace velmora
