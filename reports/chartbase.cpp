#include "reports/chartbase.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

#include "gfx/screenbuffer.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "store/names.h"
#include "store/settings.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/fonts.h"
#include "ui/kit/help.h"
#include "ui/kit/keys.h"
#include "ui/kit/mainframe.h"
#include "ui/kit/screentext.h"
#include "ui/kit/text.h"

namespace velmora {

namespace {

constexpr int kToolbarId = 133;
constexpr int kMonthListWidth = 38;
constexpr int kYearListWidth = 48;
// The arrow heads: four pixels back from the tip, four to either side.
constexpr int kArrowSize = 4;

const QColor kAxisColour(0, 0, 255);

// The handheld's system font: the unit word in the corner.
// Draws `text` left- and top-aligned from the rectangle's corner, narrowed when it is wider
// than the rectangle so that it never runs into the axis beside it.
void DrawLabel(QPainter& p, const QRect& rect, const QString& text) {
    QFont font = p.font();
    const int width = QFontMetrics(font).horizontalAdvance(text);
    if (width > rect.width() && width > 0) {
        font.setStretch(std::max(50, rect.width() * 100 / width));
    }
    const QFont before = p.font();
    p.setFont(font);
    p.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, text);
    p.setFont(before);
}

}  // namespace

CChartDlg::CChartDlg(IMainFrame* frame, ChartSetup setup, QWidget* parent)
    : CPictureScreenDlg(frame, parent), m_setup(std::move(setup)) {
    setObjectName(QString::number(m_setup.templateId));
    setWindowTitle(m_setup.title);
    AddHelpKey(this, [this] { ShowHelp(); });
    AddScreenKey(this, QKeySequence(Qt::Key_Left), [this] { Step(-1); });
    AddScreenKey(this, QKeySequence(Qt::Key_Right), [this] { Step(+1); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_screen = new ScreenWidget(this);
    // Taps reach the dialog, which draws the chart again.
    m_screen->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(m_screen);

    m_bar = new CCommandBar(this);
    if (m_setup.monthly) {
        m_months = m_bar->AddCombo(kChartMonthListId, kMonthListWidth);
        for (const char* name : MonthAbbrevs) {
            m_months->addItem(TrName(name));
        }
    }
    m_years = m_bar->AddCombo(kChartYearListId, kYearListWidth);
    for (int year = FirstYear(); year <= LastYear(); ++year) {
        m_years->addItem(QString::asprintf("%d", year));
    }
    m_bar->AddTools(
        kToolbarId,
        {{kCmdChartPrevious, QCoreApplication::translate("velmora::CChartDlg", "Previous")},
         {kCmdChartNext, QCoreApplication::translate("velmora::CChartDlg", "Next")},
         {kCmdChartHelp, QCoreApplication::translate("velmora::CChartDlg", "Help")}},
        QSize(10, 16));
    m_bar->AddStretch();
    connect(m_bar, &CCommandBar::commandTriggered, this, &CChartDlg::OnCommand);
    layout->addWidget(m_bar);

    // The skin's background goes into the buffer once; the picture itself is not kept.
    {
        ScopedTarget target(Screen().GetBuffer());
        if (!DrawSkinBackground(m_background, m_setup.background, AppSettings.Skin)) {
            Screen().GetBuffer()->Fill(kWhite);
        }
        m_background.Release();
    }
}

CChartDlg::~CChartDlg() = default;

ScreenBuffer& CChartDlg::Screen() {
    return m_screen->Screen();
}

int CChartDlg::ShownYear() const {
    return FirstYear() + std::max(m_years->currentIndex(), 0);
}

int CChartDlg::ShownMonth() const {
    return m_months ? std::max(m_months->currentIndex(), 0) + 1 : 1;
}

void CChartDlg::Open(int year, int month) {
    const LocalTime now = Clock::Now().Local();
    if (year == 0 || (m_setup.monthly && month == 0)) {
        year = now.year;
        month = now.month;
    }
    // The nearest month the lists hold.
    ClampToListedMonth(month, year);
    {
        const QSignalBlocker blockYears(m_years);
        m_years->setCurrentIndex(year - FirstYear());
        if (m_months) {
            const QSignalBlocker blockMonths(m_months);
            m_months->setCurrentIndex(month - 1);
        }
    }
    connect(m_years, &QComboBox::currentIndexChanged, this, [this] { PeriodChanged(); });
    if (m_months) {
        connect(m_months, &QComboBox::currentIndexChanged, this, [this] { PeriodChanged(); });
    }
    PeriodChanged();
}

void CChartDlg::PeriodChanged() {
    const Reading reading = Read();
    m_empty = reading.looked && !reading.anyValue;
    m_noDataShown = false;
    Redraw();
    // A period without values says so once, after the new picture is on the screen.
    if (m_empty && !m_noDataShown) {
        m_noDataShown = true;
        QTimer::singleShot(0, this, [this] {
            if (isVisible()) {
                ShowMessageBox(m_setup.noDataText.toStdString());
            }
        });
    }
}

void CChartDlg::Step(int direction) {
    const int years = m_years->count();
    int year = m_years->currentIndex();
    if (m_months) {
        int month = m_months->currentIndex() + direction;
        if (month < 0 || month > 11) {
            const int nextYear = year + direction;
            if (nextYear < 0 || nextYear >= years) {
                return;  // the first or the last month of the lists: nothing at all happens
            }
            year = nextYear;
            month = month < 0 ? 11 : 0;
        }
        const QSignalBlocker blockYears(m_years);
        const QSignalBlocker blockMonths(m_months);
        m_years->setCurrentIndex(year);
        m_months->setCurrentIndex(month);
    } else {
        year += direction;
        if (year < 0 || year >= years) {
            return;
        }
        const QSignalBlocker blockYears(m_years);
        m_years->setCurrentIndex(year);
    }
    PeriodChanged();
}

void CChartDlg::ShowHelp() {
    // The help browser shows "Help" while it is open and gives the title back by screen.
    OpenHelp(m_frame, m_setup.helpCode, m_setup.helpPage);
}

void CChartDlg::OnCommand(int command) {
    switch (command) {
        case kCmdChartPrevious:
            Step(-1);
            break;
        case kCmdChartNext:
            Step(+1);
            break;
        case kCmdChartHelp:
            ShowHelp();
            break;
        default:
            break;
    }
}

void CChartDlg::Redraw() {
    ScreenBuffer& screen = Screen();
    screen.CopyToWindow();
    QImage& surface = screen.WindowSurface();
    {
        QPainter painter(&surface);
        painter.setRenderHint(QPainter::Antialiasing, false);
        DrawFrame(surface, painter);
        painter.setFont(ScreenFont(11, {.bold = true}));
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        DrawValues(surface, painter);
    }
    // For assistive technology: the chart, its period and its values in words.
    const QString period = (m_months ? m_months->currentText() + QLatin1Char(' ') : QString()) +
                           m_years->currentText();
    m_screen->setAccessibleName(windowTitle() + QStringLiteral(", ") + period);
    m_screen->setAccessibleDescription(DescribeValues());
    screen.Update();
}

void CChartDlg::DrawFrame(QImage& surface, QPainter& p) {
    const ChartLayout& l = m_setup.layout;
    const int ax = l.axisX;

    p.setPen(QPen(kAxisColour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(ax, l.axisTop, ax, kAxisY);
    p.drawLine(ax, kAxisY, kArrowX, kAxisY);
    const QPoint right[] = {{kArrowX, kAxisY},
                            {kArrowX - kArrowSize, kAxisY - kArrowSize},
                            {kArrowX - kArrowSize, kAxisY + kArrowSize},
                            {kArrowX, kAxisY}};
    p.drawPolyline(right, 4);
    const QPoint top[] = {{ax, l.axisTop},
                          {ax - kArrowSize, l.axisTop + kArrowSize},
                          {ax + kArrowSize, l.axisTop + kArrowSize},
                          {ax, l.axisTop}};
    p.drawPolyline(top, 4);

    for (int k = 0; k < l.gridLines; ++k) {
        const int y = l.gridTop + l.gridStep * k;
        DrawThinLine(surface, ax, y, kArrowX, y, qRgb(255, 255, 255));
    }

    p.setPen(Qt::black);
    p.setFont(ScreenFont(11, {.bold = true}));
    const Rect& u = l.unitRect;
    DrawScreenText(p, QRect(u.left, u.top, u.right - u.left, u.bottom - u.top),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                   UnitText());

    p.setFont(ScreenFont(10));
    const QRgb ink = qRgb(0, 0, 0);
    m_scaleLabels.clear();
    for (int r = 0; r < l.scaleRows; ++r) {
        const int y = l.gridTop + l.gridStep * r;
        if (r % 2 == 0) {
            m_scaleLabels << ScaleLabel(r);
            DrawLabel(p, QRect(QPoint(1, y - 5), QPoint(l.labelRight - 1, y + l.labelBelow - 1)),
                      m_scaleLabels.back());
            DrawThinLine(surface, ax - 4, y, ax + 6, y, ink);
        } else {
            DrawThinLine(surface, ax - 3, y, ax + 3, y, ink);
        }
    }
    for (int i = 0; i < l.ticks; ++i) {
        const int x = l.tickFirstX + l.tickStep * i;
        const QString label = TickLabel(i);
        if (label.isEmpty()) {
            DrawThinLine(surface, x, kAxisY - 1, x, kAxisY - 5, ink);
        } else {
            DrawThinLine(surface, x, kAxisY - 1, x, kAxisY - 8, ink);
            // Numbers and single letters, a pixel wider than their cell where they need it.
            p.drawText(QRect(x - 2, kAxisY, 10, 10),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, label);
        }
    }
}

void CChartDlg::DrawThinLine(QImage& surface, int x0, int y0, int x1, int y1, QRgb colour) {
    // In the screen's pixels; each is a block of the surface's device pixels.
    const int n = std::max(1, static_cast<int>(surface.devicePixelRatio()));
    const int w = surface.width() / n;
    const int h = surface.height() / n;
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    int x = x0;
    int y = y0;
    // Straight into the surface's memory, which the painter draws into as well: the order of
    // drawing holds.
    const QRgb pixel = QColor(colour).rgb();
    while (x != x1 || y != y1) {
        if (x >= 0 && x < w && y >= 0 && y < h) {
            for (int dy = 0; dy < n; ++dy) {
                for (int dx = 0; dx < n; ++dx) {
                    surface.setPixel(x * n + dx, y * n + dy, pixel);
                }
            }
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

}  // namespace velmora
