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
// The buffer is a fixed logical 240 x 268 surface whatever the window's size. "Present"
// copies buffer rectangles into the window surface; text and lines drawn "on the window"
// are painted into the window surface; the window's paint event shows the window surface,
// scaled by a whole factor without smoothing on high-density screens.
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

    // What the window shows; paint text and lines "on the window" into it.
    QImage& WindowSurface() { return m_window; }
    const QImage& WindowSurface() const { return m_window; }
    // A painter on the window surface, set up like the buffer's.
    std::unique_ptr<DrawContext> WindowDC() { return std::make_unique<DrawContext>(m_window); }
    // Asks the window to repaint (after drawing on the window surface).
    void Update();

    // Shows the window surface in `painter` (the window's paint event), top-left at (0, 0).
    void Paint(QPainter& painter) const;

private:
    void Copy(int left, int top, int right, int bottom);

    QPointer<QWidget> m_widget;
    DibGraphicBuffer m_buffer;
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
