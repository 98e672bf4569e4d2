#include "reports/cyclechartdlg.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <optional>

#include "platform/calendar.h"
#include "store/names.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "ui/kit/text.h"
#include "ui/kit/titles.h"

namespace velmora {

namespace {

ChartSetup CycleSetup() {
    ChartSetup s;
    s.templateId = 188;
    s.title = ScreenTitle(title::kCycleChart);
    s.background = SkinnedScreen::CycleChart;
    s.helpCode = 2;
    s.helpPage = 5;
    s.monthly = false;
    s.noDataText = QT_TRANSLATE_NOOP("Message", "There is no information for this year!");
    ChartLayout& l = s.layout;
    l.axisX = 20;
    l.axisTop = 15;
    l.gridTop = 26;
    l.gridStep = 19;
    l.gridLines = 12;
    // 35 at the top down to 23 on the bottom line, which has no grid line of its own.
    l.scaleRows = 13;
    l.labelRight = 25;
    l.labelBelow = 5;
    l.tickFirstX = 37;
    l.tickStep = 17;
    l.ticks = 12;
    l.unitRect = {5, 1, 25, 20};
    return s;
}

// The months' first letters under the bars, January to December.
//: The first letters of the twelve months, January to December: exactly twelve letters.
constexpr char kMonthLetters[] = QT_TRANSLATE_NOOP("velmora::CCycleChartDlg", "JFMAMJJASOND");

}  // namespace

CCycleChartDlg::CCycleChartDlg(IMainFrame* frame, int year, QWidget* parent)
    : CChartDlg(frame, CycleSetup(), parent), m_cycleLength(AppSettings.CycleLength) {
    Open(year, 1);
}

int CCycleChartDlg::RowLength(int row) const {
    // Real month lengths: 29 February is a day like any other, and a cycle across it is as
    // long as it was.
    return row == 0 ? 31 : DaysInMonth(ShownYear(), row);
}

bool CCycleChartDlg::Marked(int row, int day) const {
    if (row < 0 || row >= kRows || day < 1 || day > kColumns) {
        return false;
    }
    return m_periodDays[static_cast<size_t>(row)][static_cast<size_t>(day - 1)] != 0;
}

CChartDlg::Reading CCycleChartDlg::Read() {
    for (auto& row : m_periodDays) {
        row.fill(0);
    }
    m_bars.clear();
    Reading reading;
    const int year = ShownYear();
    CVelmoraMFCDoc scan;  // a cursor of the screen's own
    // A store that opens is looked at, records or none; one that does not says nothing.
    // Only the days of December before and of the year are read (a day more on each side;
    // their local dates decide).
    const CTime first = CTime(year - 1, 12, 1, 0, 0, 0) - kSecondsPerDay;
    const CTime last = CTime(year + 1, 1, 1, 0, 0, 0) + kSecondsPerDay;
    reading.looked = scan.ForEachDayIn(first, last, [&](CVelmoraMFCDoc& day) {
        if (!IsMenstruation(day.m_fluid)) {
            return true;
        }
        const LocalTime lt = day.m_date.Local();
        int row = -1;
        if (lt.year == year) {
            row = lt.month;
            reading.anyValue = true;
        } else if (lt.year == year - 1 && lt.month == 12) {
            row = 0;
        }
        if (row >= 0 && lt.day >= 1 && lt.day <= kColumns) {
            m_periodDays[static_cast<size_t>(row)][static_cast<size_t>(lt.day - 1)] = 1;
        }
        return true;
    });

    // Each first day of a bleeding closes the cycle that began at the one before it. A start
    // in December of the year before only opens the first cycle.
    std::optional<long long> previous;
    for (int row = 0; row < kRows; ++row) {
        const int rowYear = row == 0 ? year - 1 : year;
        const int rowMonth = row == 0 ? 12 : row;
        for (int d = 1; d <= RowLength(row); ++d) {
            if (!Marked(row, d)) {
                continue;
            }
            const bool dayBefore =
                d > 1 ? Marked(row, d - 1) : (row > 0 && Marked(row - 1, RowLength(row - 1)));
            if (dayBefore) {
                continue;
            }
            const long long start = DayNumber(rowYear, rowMonth, d);
            if (row == 0 || !previous) {
                previous = start;
                continue;
            }
            const int length = static_cast<int>(start - *previous);
            previous = start;
            if (length < kShortestBar) {
                continue;
            }
            Bar bar;
            bar.month = row;
            bar.length = length;
            bar.red = length == m_cycleLength;
            const int bottom = kAxisY - 1;
            // The shortest bar has no height on the scale: it is one pixel tall.
            const int top = std::min(length <= kLongestShown ? 692 - 19 * length : 27, bottom - 1);
            bar.rect = {33 + 17 * (row - 1), top, 24 + 17 * row, bottom};
            m_bars.push_back(bar);
        }
    }
    return reading;
}

QString CCycleChartDlg::UnitText() const {
    return tr("day");
}

QString CCycleChartDlg::ScaleLabel(int row) const {
    return QString::asprintf("%d", kLongestShown - row);
}

QString CCycleChartDlg::TickLabel(int index) const {
    const QString letters = tr(kMonthLetters);
    return letters.size() == 12 ? letters.mid(index % 12, 1)
                                : QString(QChar::fromLatin1(kMonthLetters[index % 12]));
}

QString CCycleChartDlg::DescribeValues() const {
    QStringList bars;
    for (const Bar& bar : m_bars) {
        bars << tr("%1: %2 days").arg(TrName(MonthAbbrevs[bar.month - 1])).arg(bar.length);
    }
    return bars.isEmpty() ? tr("no cycles") : bars.join(QStringLiteral("; "));
}

void CCycleChartDlg::DrawValues(QImage& surface, QPainter& painter) {
    (void)surface;
    painter.setPen(Qt::NoPen);
    for (const Bar& bar : m_bars) {
        const Rect& r = bar.rect;
        // A black outline (the screen's own pen) around the colour of the bar.
        const QRect whole(r.left, r.top, r.right - r.left, r.bottom - r.top);
        painter.fillRect(whole, Qt::black);
        const QRect inside = whole.adjusted(1, 1, -1, -1);
        if (inside.isValid()) {
            painter.fillRect(inside, bar.red ? QColor(255, 0, 0) : QColor(0, 0, 255));
        }
    }
}

}  // namespace velmora
