#include "gfx/screenbuffer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace velmora {

namespace {

// The whole number of device pixels a pixel of `widget` takes (1 without a widget).
int WholeRatio(const QWidget* widget) {
    return widget ? std::max(1, static_cast<int>(std::ceil(widget->devicePixelRatioF() - 1e-9)))
                  : 1;
}

QImage MakeSurface(uint32_t width, uint32_t height, int scale, QImage::Format format) {
    QImage image(static_cast<int>(width) * scale, static_cast<int>(height) * scale, format);
    image.setDevicePixelRatio(scale);
    return image;
}

}  // namespace

ScreenBuffer::ScreenBuffer(QWidget* window, uint32_t width, uint32_t height)
    : m_widget(window),
      m_buffer(width, height),
      m_scale(WholeRatio(window)),
      m_window(MakeSurface(width, height, m_scale, QImage::Format_RGB16)) {
    m_window.fill(0);
}

bool ScreenBuffer::FollowWindowScale() {
    const int scale = WholeRatio(m_widget);
    if (scale == m_scale || !m_widget) {
        return false;
    }
    m_scale = scale;
    m_window = MakeSurface(m_buffer.Width(), m_buffer.Height(), m_scale, QImage::Format_RGB16);
    CopyToWindow();
    return true;
}

QImage ScreenBuffer::TextLayer() const {
    QImage layer = MakeSurface(m_buffer.Width(), m_buffer.Height(), m_scale,
                               QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    return layer;
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
    if (m_scale == 1) {
        for (int y = top; y < bottom; ++y) {
            std::memcpy(reinterpret_cast<Pixel*>(m_window.scanLine(y)) + left,
                        m_buffer.Row(static_cast<uint32_t>(y)) + left,
                        static_cast<size_t>(right - left) * sizeof(Pixel));
        }
        return;
    }
    // Each pixel a scale x scale block: the first device row of a pixel row is spread out,
    // the others are copies of it.
    const int n = m_scale;
    const size_t rowBytes = static_cast<size_t>(right - left) * n * sizeof(Pixel);
    for (int y = top; y < bottom; ++y) {
        const Pixel* from = m_buffer.Row(static_cast<uint32_t>(y)) + left;
        auto* first = reinterpret_cast<Pixel*>(m_window.scanLine(y * n)) + left * n;
        Pixel* out = first;
        for (int x = left; x < right; ++x, ++from) {
            for (int k = 0; k < n; ++k) {
                *out++ = *from;
            }
        }
        for (int k = 1; k < n; ++k) {
            std::memcpy(reinterpret_cast<Pixel*>(m_window.scanLine(y * n + k)) + left * n, first,
                        rowBytes);
        }
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
    // The surface has the window's resolution: it lands pixel for pixel. (On a screen of
    // another, fractional ratio it is scaled without smoothing, so the pictures stay crisp.)
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(
        QRect(0, 0, static_cast<int>(m_buffer.Width()), static_cast<int>(m_buffer.Height())),
        m_window);
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
    m_screen.FollowWindowScale();
    m_render();
    QPainter p(this);
    m_screen.Paint(p);
}

}  // namespace velmora
