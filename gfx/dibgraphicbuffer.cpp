#include "gfx/dibgraphicbuffer.h"

namespace velmora {

DrawContext::DrawContext(QImage& image) : painter(&image) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
}

DibGraphicBuffer::DibGraphicBuffer(uint32_t width, uint32_t height)
    : m_image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB16) {
    if (m_image.isNull()) {
        Attach(nullptr, 0, 0, 0, false);  // the screens report a buffer they cannot have
        return;
    }
    m_image.fill(0);
    // bits() detaches once here; nothing shares the image afterwards, so the pointer stays.
    Attach(reinterpret_cast<Pixel*>(m_image.bits()), width, height,
           static_cast<uint32_t>(m_image.bytesPerLine()), false);
}

DibGraphicBuffer::~DibGraphicBuffer() = default;

DrawContext* DibGraphicBuffer::GetDC() {
    return Pixels() ? new DrawContext(m_image) : nullptr;
}

void DibGraphicBuffer::ReleaseDC(DrawContext* dc) {
    delete dc;
}

}  // namespace velmora
