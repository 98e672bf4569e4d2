#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "gfx/dibgraphicbuffer.h"
#include "gfx/pictures.h"

class QPainter;

namespace velmora {

// A screen's off-screen buffer and what its window shows.
//
// The buffer is a fixed logical 240 x 268 surface whatever the window's size. The window
// surface has the window's resolution: the screen's pixels times the window's whole device
// pixel ratio (the zoom), and paints in the screen's coordinates. "Present" copies buffer
// rectangles into it, each pixel a zoom x zoom block; text and lines drawn "on the window"
// are painted into it at the device's resolution, so they stay sharp; the window's paint
// event shows it pixel for pixel.
class ScreenBuffer {
public:
    explicit ScreenBuffer(QWidget* window, uint32_t width = kScreenWidth,
                          uint32_t height = kScreenHeight);
    ~ScreenBuffer();
    ScreenBuffer(const ScreenBuffer&) = delete;
    ScreenBuffer& operator=(const ScreenBuffer&) = delete;

    GraphicBuffer* GetBuffer() { return &m_buffer; }
    DibGraphicBuffer& Dib() { return m_buffer; }
    bool IsValid() const { return m_buffer.Pixels() != nullptr; }

    // Copies the whole buffer to the window surface and asks the window to repaint.
    void Present();
    // Copies only these rectangles (right and bottom exclusive), each to the same place.
    void PresentRects(const Rect* rects, uint16_t count);
    // Copies the whole buffer to the window surface without asking for a repaint (for the
    // window's own paint event, which shows it right after).
    void CopyToWindow();

    // What the window shows; paint text and lines "on the window" into it. Its device
    // pixel ratio is Scale(): a painter on it works in the screen's pixels.
    QImage& WindowSurface() { return m_window; }
    const QImage& WindowSurface() const { return m_window; }
    // A painter on the window surface, set up like the buffer's.
    std::unique_ptr<DrawContext> WindowDC() { return std::make_unique<DrawContext>(m_window); }
    // Asks the window to repaint (after drawing on the window surface).
    void Update();
    // Device pixels per pixel of the screen in the window surface.
    int Scale() const { return m_scale; }
    // A clear layer as large and as fine as the window surface, for text that must not be
    // drawn straight onto the 16-bit surface.
    QImage TextLayer() const;
    // Follows the window to a new zoom: a new window surface with the buffer copied in.
    // True when the scale changed (what was drawn only on the window is then gone).
    bool FollowWindowScale();

    // Shows the window surface in `painter` (the window's paint event), top-left at (0, 0).
    void Paint(QPainter& painter) const;

private:
    void Copy(int left, int top, int right, int bottom);

    QPointer<QWidget> m_widget;
    DibGraphicBuffer m_buffer;
    int m_scale = 1;
    QImage m_window;
};

// A widget that shows a ScreenBuffer: the drawing area of the picture screens.
class ScreenWidget : public QWidget {
public:
    explicit ScreenWidget(QWidget* parent = nullptr, uint32_t width = kScreenWidth,
                          uint32_t height = kScreenHeight);
    ScreenBuffer& Screen() { return m_screen; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ScreenBuffer m_screen;
};

// A view of a screen owned elsewhere that is drawn afresh at every paint: `render` draws
// the screen into its window surface, then the view shows it. Pen input passes through to
// the parent, which owns the screen's logic.
class RenderedScreenView : public QWidget {
public:
    RenderedScreenView(QWidget* parent, ScreenBuffer& screen, std::function<void()> render);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ScreenBuffer& m_screen;
    std::function<void()> m_render;
};

}  // namespace velmora
