#pragma once

#include <QDialog>
#include <QFont>
#include <QRect>
#include <QString>
#include <array>
#include <memory>

#include "gfx/fastbitmap.h"
#include "help/helppages.h"

class QPushButton;

namespace velmora {

class CImageButton;
class IMainFrame;
class ScreenBuffer;
class RenderedScreenView;

// Control ids of the help browser.
inline constexpr int kHelpLeftArrowId = 1090;
inline constexpr int kHelpRightArrowId = 1091;

// The help browser: the contents (page 1) and one page for each screen (2 and on), drawn over
// the skin's help background in the installed language. The arrows scroll a long page by 13
// lines, then move to the next or previous page; the contents link at the bottom returns to
// page 1. Closing it sets the title of the window that opened it back to the title of that
// screen.
class CHelpDialog : public QDialog {
public:
    // `titleWindow` is the window whose title the browser replaced (it may be null);
    // `screenCode` (1-12) says which screen opened it.
    CHelpDialog(IMainFrame* titleWindow, int screenCode, QWidget* parent = nullptr);
    ~CHelpDialog() override;

    // Shows page `page` (1 to kHelpPageCount) from its first line.
    void SetPage(int page);
    int Page() const { return m_page; }
    int Scroll() const { return m_scroll; }

    // The arrows (controls 1090 and 1091).
    void PreviousScreen();
    void NextScreen();
    // A tap at (x, y) of the 240 x 268 page.
    void Tap(int x, int y);

    // The contents entry of page `i + 2`, where it is drawn and tapped.
    QRect LinkRect(int i) const { return m_linkRects[static_cast<size_t>(i)]; }
    // Where the "Contents" link is drawn and tapped; a longer translation reaches further right.
    static QRect ContentsRect() { return QRect(QPoint(90, 250), QPoint(134, 267)); }

    // Draws the page as it shows now: the background into the buffer, then the buffer and
    // the text on the window surface.
    void Render();
    ScreenBuffer& Screen() { return *m_screen; }

    // The title that closing the browser gives back to the screen with `screenCode`; empty
    // for a code of no screen (the title is then left alone).
    static QString RestoredTitle(int screenCode);

    void done(int result) override;

protected:
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void MeasureLinks();
    // Shows the page from its first screen.
    void UpdateArrows();
    // Left on every page but the contents, right while a later screen or page follows.
    void ShowArrows();
    void DrawContents(QPainter& p);
    void DrawPage(QPainter& p);

    IMainFrame* m_titleWindow;
    int m_screenCode;
    int m_page = 1;
    int m_scroll = 0;
    bool m_closed = false;
    std::array<QRect, kHelpPageCount - 1> m_linkRects;
    std::array<int, kHelpPageCount + 1> m_titleWidths{};
    QRect m_contentsRect = ContentsRect();
    QFont m_linkFont;
    std::unique_ptr<ScreenBuffer> m_screen;
    CFastBitmap m_background;
    RenderedScreenView* m_view = nullptr;
    QPushButton* m_left = nullptr;
    QPushButton* m_right = nullptr;
    CImageButton* m_leftImage = nullptr;
    CImageButton* m_rightImage = nullptr;
};

// Opens the help browser for the screen with `screenCode` on `page`: the title window says
// "Help" while it is open.
void OpenHelpBrowser(IMainFrame* titleWindow, int screenCode, int page);
// Makes the browser the program's help (every screen's Help command opens it).
void InstallHelpBrowser();

}  // namespace velmora
