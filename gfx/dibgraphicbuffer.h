#pragma once

#include <QImage>
#include <QPainter>

#include "gfx/graphicbuffer.h"

namespace velmora {

// A drawing context for text and lines on a 16-bit surface: a painter without
// antialiasing, as the screens expect crisp one-pixel lines.
class DrawContext {
public:
    explicit DrawContext(QImage& image);
    QPainter painter;
};

// A surface that text and lines can be drawn into: its pixels are those of a QImage in
// exactly RGB565, rows padded to 4 bytes. The image owns the pixels.
class DibGraphicBuffer : public GraphicBuffer {
public:
    DibGraphicBuffer(uint32_t width, uint32_t height);
    ~DibGraphicBuffer() override;

    bool HasDC() const override { return true; }
    DrawContext* GetDC() override;
    void ReleaseDC(DrawContext* dc) override;

    QImage& Image() { return m_image; }
    const QImage& Image() const { return m_image; }

private:
    QImage m_image;
};

}  // namespace velmora
