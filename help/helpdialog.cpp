#include "help/helpdialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "gfx/dibgraphicbuffer.h"
#include "gfx/imagebutton.h"
#include "gfx/pictures.h"
#include "gfx/screenbuffer.h"
#include "store/settings.h"
#include "ui/kit/fonts.h"
#include "ui/kit/help.h"
#include "ui/kit/mainframe.h"
#include "ui/kit/modal.h"
#include "ui/kit/titles.h"

namespace velmora {

namespace {

constexpr int kBodyTop = 45;
constexpr int kLineHeight = 15;
constexpr int kIconSize = 14;
constexpr int kIconX = kHelpTextLeft + 20;
constexpr int kLinkLeft = 80;
constexpr int kLinkTop = 5;
constexpr int kLinkStep = 17;  // closer when the contents would not fit the page otherwise
const QColor kLinkBlue(0, 0, 255);

}  // namespace

CHelpDialog::CHelpDialog(IMainFrame* titleWindow, int screenCode, QWidget* parent)
    : QDialog(parent), m_titleWindow(titleWindow), m_screenCode(screenCode) {
    setObjectName("245");
    setWindowTitle("Помощь");
    const QFont system = SystemFont();
    setFont(system);

    // The buffer asks for no repaints of its own: the view repaints when the page changes.
    m_screen = std::make_unique<ScreenBuffer>(nullptr);
    m_view = new RenderedScreenView(this, *m_screen, [this] { Render(); });
    m_view->move(0, 0);

    m_left = new QPushButton("Leftsq", this);
    m_left->setObjectName(QString::number(kHelpLeftArrowId));
    m_right = new QPushButton("Rightsq", this);
    m_right->setObjectName(QString::number(kHelpRightArrowId));
    for (QPushButton* b : {m_left, m_right}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
    }
    m_rightImage = new CImageButton(this);
    m_rightImage->Attach(m_right);
    m_leftImage = new CImageButton(this);
    m_leftImage->Attach(m_left);
    // Bottom left, clear of the "Contents" link and the page number.
    m_left->move(22, 250);
    m_right->move(52, 250);
    connect(m_left, &QPushButton::clicked, this, [this] { PreviousScreen(); });
    connect(m_right, &QPushButton::clicked, this, [this] { NextScreen(); });

    m_linkFont = system;
    m_linkFont.setUnderline(true);
    MeasureLinks();
    UpdateArrows();
}

CHelpDialog::~CHelpDialog() = default;

void CHelpDialog::MeasureLinks() {
    // The contents entries are measured in the dialog's font, again when the language changes.
    const QFontMetrics metrics(font());
    const int step = std::min(
        kLinkStep, (kScreenHeight - kLinkTop - metrics.height()) / std::max(1, kHelpPageCount - 2));
    for (int i = 0; i < kHelpPageCount - 1; ++i) {
        const QString title = HelpTitle(i + kHelpFirstScreenPage);
        m_linkRects[static_cast<size_t>(i)] = QRect(
            kLinkLeft, kLinkTop + step * i, metrics.horizontalAdvance(title), metrics.height());
    }
    // The page titles are centred by their width in the system font.
    for (int page = kHelpFirstScreenPage; page <= kHelpPageCount; ++page) {
        m_titleWidths[static_cast<size_t>(page)] = metrics.horizontalAdvance(HelpTitle(page));
    }
    m_contentsRect = ContentsRect();
    m_contentsRect.setWidth(
        std::max(m_contentsRect.width(), metrics.horizontalAdvance(HelpContentsLink())));
}

void CHelpDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        // The page keeps its place as far as its new text reaches.
        MeasureLinks();
        const int lastScreen =
            std::max(0, HelpLineCount(m_page) - 1) / kHelpLinesPerScreen * kHelpLinesPerScreen;
        m_scroll = std::min(m_scroll, lastScreen);
        ShowArrows();
        m_view->update();
    }
    QDialog::changeEvent(event);
}

void CHelpDialog::SetPage(int page) {
    m_page = std::clamp(page, kHelpContentsPage, kHelpPageCount);
    UpdateArrows();
    m_view->update();
}

void CHelpDialog::UpdateArrows() {
    m_scroll = 0;
    ShowArrows();
}

void CHelpDialog::ShowArrows() {
    // Right stays while there is more to see: a later page, or more screens of this one.
    m_left->setVisible(m_page != kHelpContentsPage);
    m_right->setVisible(m_page < kHelpPageCount ||
                        m_scroll + kHelpLinesPerScreen < HelpLineCount(m_page));
}

void CHelpDialog::NextScreen() {
    if (m_page != kHelpContentsPage && m_scroll + kHelpLinesPerScreen < HelpLineCount(m_page)) {
        m_scroll += kHelpLinesPerScreen;
    } else if (m_page < kHelpPageCount) {
        ++m_page;
        m_scroll = 0;
    } else {
        return;  // the last screen of the last page
    }
    ShowArrows();
    m_view->update();
}

void CHelpDialog::PreviousScreen() {
    if (m_page != kHelpContentsPage && m_scroll - kHelpLinesPerScreen >= 0) {
        m_scroll -= kHelpLinesPerScreen;
    } else if (m_page > kHelpContentsPage) {
        // The page before opens at its first screen.
        --m_page;
        m_scroll = 0;
    } else {
        return;
    }
    ShowArrows();
    m_view->update();
}

void CHelpDialog::Tap(int x, int y) {
    const QPoint p(x, y);
    int target = 0;
    if (m_page == kHelpContentsPage) {
        // The contents page shows no "Contents" link, so its lowest entry keeps the taps that
        // land on it.
        for (int i = 0; i < kHelpPageCount - 1; ++i) {
            if (m_linkRects[static_cast<size_t>(i)].contains(p)) {
                target = i + kHelpFirstScreenPage;
                break;
            }
        }
    }
    if (target == 0 && m_contentsRect.contains(p)) {
        target = kHelpContentsPage;
    }
    if (target == 0) {
        return;
    }
    m_page = target;
    UpdateArrows();
    m_view->update();
}

void CHelpDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint p = m_view->mapFrom(this, event->position().toPoint());
        Tap(p.x(), p.y());
    }
    QDialog::mousePressEvent(event);
}

void CHelpDialog::mouseReleaseEvent(QMouseEvent* event) {
    m_view->update();
    QDialog::mouseReleaseEvent(event);
}

void CHelpDialog::Render() {
    {
        ScopedTarget target(m_screen->GetBuffer());
        DrawSkinBackground(m_background, SkinnedScreen::HelpBrowser, AppSettings.Skin);
    }
    m_background.Release();
    m_screen->CopyToWindow();
    // The text goes onto a clear layer first: crisp one-bit glyphs land garbled when they are
    // drawn straight onto a 16-bit surface.
    QImage text = m_screen->TextLayer();
    {
        QPainter p(&text);
        if (m_page == kHelpContentsPage) {
            DrawContents(p);
        } else {
            DrawPage(p);
        }
    }
    auto dc = m_screen->WindowDC();
    dc->painter.drawImage(0, 0, text);
}

void CHelpDialog::DrawContents(QPainter& p) {
    p.setFont(m_linkFont);
    p.setPen(kLinkBlue);
    for (int i = 0; i < kHelpPageCount - 1; ++i) {
        p.drawText(m_linkRects[static_cast<size_t>(i)],
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                   HelpTitle(i + kHelpFirstScreenPage));
    }
    p.setFont(font());
    p.setPen(Qt::black);
}

void CHelpDialog::DrawPage(QPainter& p) {
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;
    const QFont system = font();
    // A font "of height h" is the largest one whose lines are h pixels high, as the
    // handheld measured its fonts.
    const QFont title = ScreenFontOfHeight(15, {.bold = true, .crisp = true});
    const QFont fonts[] = {HelpFont(HelpStyle::Normal), HelpFont(HelpStyle::Bold),
                           HelpFont(HelpStyle::Italic)};

    p.setPen(Qt::black);
    p.setFont(title);
    const int titleLeft = 120 - m_titleWidths[static_cast<size_t>(m_page)] / 2;
    p.drawText(QRect(QPoint(titleLeft, 15), QPoint(kScreenWidth - 1, 32)), flags,
               HelpTitle(m_page));

    // The page number stands clear of the link when a translation makes the link longer.
    const int numberLeft = std::max(155, m_contentsRect.right() + 8);
    p.setFont(system);
    p.drawText(QRect(QPoint(numberLeft, 250), QPoint(219, 267)), flags, HelpPageNumber(m_page));
    p.setFont(m_linkFont);
    p.setPen(kLinkBlue);
    p.drawText(m_contentsRect, flags, HelpContentsLink());
    p.setPen(Qt::black);

    const std::vector<HelpLine>& lines = HelpLines(m_page);
    for (int line = 0; line < kHelpLinesPerScreen; ++line) {
        const size_t index = static_cast<size_t>(m_scroll + line);
        if (index >= lines.size()) {
            break;
        }
        const int top = kBodyTop + kLineHeight * line;
        if (lines[index].icon != 0) {
            // The check box's icon goes into the buffer beside the line, then that band of
            // the buffer onto the window, under the line's text.
            {
                ScopedTarget target(m_screen->GetBuffer());
                CFastBitmap icon;
                icon.Load(lines[index].icon, kIconSize, kIconSize);
                icon.DrawTransparent(kIconX, top);
            }
            const Rect band{0, top, kScreenWidth, top + kIconSize};
            m_screen->PresentRects(&band, 1);
        }
        for (const HelpRun& run : lines[index].runs) {
            p.setFont(fonts[static_cast<size_t>(run.style)]);
            const QRect rect(QPoint(run.x, top), QPoint(229, 249 + kLineHeight * line));
            p.drawText(rect, flags, run.text);
        }
    }
}

QString CHelpDialog::RestoredTitle(int screenCode) {
    // By the asking screen's code. The alarm history gets back its title as "Alarms History".
    static const char* const titles[] = {
        title::kCycleBar,                              // 1
        title::kCycleChart,                            // 2
        title::kCycleHistory,                          // 3
        title::kTemperatureChart,                      // 4
        title::kDayView,                               // 5
        QT_TRANSLATE_NOOP("Title", "Alarms History"),  // 6
        title::kMyDiary,                               // 7
        title::kWeightChart,                           // 8
        title::kSettings,                              // 9
        title::kScale,                                 // 10
        title::kCalendarView,                          // 11
        title::kStatistics,                            // 12
    };
    if (screenCode < 1 || screenCode > static_cast<int>(std::size(titles))) {
        return QString();
    }
    return ScreenTitle(titles[screenCode - 1]);
}

void CHelpDialog::done(int result) {
    if (!m_closed) {
        m_closed = true;
        m_background.Release();
        const QString title = RestoredTitle(m_screenCode);
        if (m_titleWindow && !title.isEmpty()) {
            m_titleWindow->SetTitle(title);
        }
    }
    QDialog::done(result);
}

void OpenHelpBrowser(IMainFrame* titleWindow, int screenCode, int page) {
    const QString shown = ScreenTitle(title::kHelp);
    if (titleWindow) {
        titleWindow->SetTitle(shown);
    }
    // Over the screen that asked for help (itself modal), or over the main window.
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent && titleWindow) {
        parent = titleWindow->Window();
    }
    CHelpDialog dialog(titleWindow, screenCode, parent);
    dialog.SetPage(page);
    RunModal(dialog, titleWindow, shown);
}

void InstallHelpBrowser() {
    SetHelpOpener(&OpenHelpBrowser);
}

}  // namespace velmora
