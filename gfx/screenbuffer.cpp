#include "gfx/screenbuffer.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

namespace velmora {

ScreenBuffer::ScreenBuffer(QWidget* window, uint32_t width, uint32_t height)
    : m_widget(window),
      m_buffer(width, height),
      m_window(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB16) {
    m_window.fill(0);
}

ScreenBuffer::~ScreenBuffer() {
    if (CurrentTarget == &m_buffer) {
        CurrentTarget = nullptr;  // no screen draws into a buffer that is gone
    }
}

void ScreenBuffer::Copy(int left, int top, int right, int bottom) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min<int>(right, static_cast<int>(m_buffer.Width()));
    bottom = std::min<int>(bottom, static_cast<int>(m_buffer.Height()));
    if (left >= right || top >= bottom || !IsValid()) {
        return;
    }
    for (int y = top; y < bottom; ++y) {
        std::memcpy(reinterpret_cast<Pixel*>(m_window.scanLine(y)) + left,
                    m_buffer.Row(static_cast<uint32_t>(y)) + left,
                    static_cast<size_t>(right - left) * sizeof(Pixel));
    }
}

void ScreenBuffer::Present() {
    CopyToWindow();
    Update();
}

void ScreenBuffer::CopyToWindow() {
    Copy(0, 0, static_cast<int>(m_buffer.Width()), static_cast<int>(m_buffer.Height()));
}

void ScreenBuffer::PresentRects(const Rect* rects, uint16_t count) {
    for (uint16_t i = 0; i < count; ++i) {
        Copy(rects[i].left, rects[i].top, rects[i].right, rects[i].bottom);
    }
    Update();
}

void ScreenBuffer::Update() {
    if (m_widget) {
        m_widget->update();
    }
}

void ScreenBuffer::Paint(QPainter& painter) const {
    // Logical pixels map to whole device pixels; no smoothing, so the pictures stay crisp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(0, 0, m_window.width(), m_window.height()), m_window);
}

ScreenWidget::ScreenWidget(QWidget* parent, uint32_t width, uint32_t height)
    : QWidget(parent), m_screen(this, width, height) {
    setFixedSize(static_cast<int>(width), static_cast<int>(height));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScreenWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    m_screen.Paint(p);
}

RenderedScreenView::RenderedScreenView(QWidget* parent, ScreenBuffer& screen,
                                       std::function<void()> render)
    : QWidget(parent), m_screen(screen), m_render(std::move(render)) {
    setFixedSize(kScreenWidth, kScreenHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RenderedScreenView::paintEvent(QPaintEvent*) {
    m_render();
    QPainter p(this);
    m_screen.Paint(p);
}

}  // namespace velmora
