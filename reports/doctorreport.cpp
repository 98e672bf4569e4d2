#include "reports/doctorreport.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <map>

#include "cycle/cycleinfo.h"
#include "gfx/screenbuffer.h"
#include "platform/calendar.h"
#include "platform/clock.h"
#include "reports/historybase.h"
#include "reports/measurechartdlg.h"
#include "store/names.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "ui/dayviewpages.h"
#include "ui/kit/text.h"
#include "ui/kit/titles.h"

namespace velmora {

namespace {

// The Day View's words for the day's marks, and the calendar's for the ones it shows only as
// pictures: the report names each as the person has seen it named.
constexpr char kDayViewContext[] = "velmora::CDayViewDlg";
constexpr char kCalendarContext[] = "velmora::CVelmoraMFCView";
constexpr char kUnitsContext[] = "velmora::CFluidsTempWeightPage";

struct Mark {
    bool CVelmoraMFCDoc::*member;
    const char* context;
    const char* name;
};
constexpr Mark kMarks[] = {
    {&CVelmoraMFCDoc::m_cramps, kDayViewContext,
     QT_TRANSLATE_NOOP("velmora::CDayViewDlg", "Спазмы")},
    {&CVelmoraMFCDoc::m_pms, kDayViewContext,
     QT_TRANSLATE_NOOP("velmora::CDayViewDlg", "Предменстр. синдром")},
    {&CVelmoraMFCDoc::m_bloating, kDayViewContext,
     QT_TRANSLATE_NOOP("velmora::CDayViewDlg", "Вздутие живота")},
    {&CVelmoraMFCDoc::m_sex, kDayViewContext, QT_TRANSLATE_NOOP("velmora::CDayViewDlg", "Секс")},
    {&CVelmoraMFCDoc::m_protection, kDayViewContext,
     QT_TRANSLATE_NOOP("velmora::CDayViewDlg", "Предохр.")},
    {&CVelmoraMFCDoc::m_doctor, kDayViewContext,
     QT_TRANSLATE_NOOP("velmora::CDayViewDlg", "У доктора")},
};
constexpr char kAcheWord[] = QT_TRANSLATE_NOOP("velmora::CVelmoraMFCView", "ache");
constexpr char kSportWord[] = QT_TRANSLATE_NOOP("velmora::CVelmoraMFCView", "sport");

// A kind of ache or sport as the Day View lists it: the diary keeps the program's own text.
QString KindName(const char* context, const char* word, const CString& kind) {
    QString text = QCoreApplication::translate(context, word);
    if (!kind.empty()) {
        text += QStringLiteral(": ") + TrName(ToQString(kind).toUtf8().constData());
    }
    return text;
}

CDoctorReport::DayEntry EntryOf(const CVelmoraMFCDoc& doc, Day day) {
    CDoctorReport::DayEntry e;
    e.day = day;
    e.fluid = doc.m_fluid >= 1 && doc.m_fluid < kFluidCodeCount ? doc.m_fluid : 0;
    if (std::isfinite(doc.m_temperature) && doc.m_temperature > 0.0) {
        e.temperature = doc.m_temperature;
    }
    if (std::isfinite(doc.m_weight) && doc.m_weight > 0.0) {
        e.weight = doc.m_weight;
    }
    if (doc.m_ache) {
        e.symptoms << KindName(kCalendarContext, kAcheWord, doc.m_acheKind);
    }
    for (const Mark& mark : kMarks) {
        if (doc.*mark.member) {
            e.symptoms << QCoreApplication::translate(mark.context, mark.name);
        }
    }
    if (doc.m_sport) {
        e.symptoms << KindName(kCalendarContext, kSportWord, doc.m_sportKind);
    }
    const QString note = ToQString(doc.m_note).trimmed();
    if (!note.isEmpty()) {
        e.notes << note;
    }
    for (int k = 0; k < kDiarySlots; ++k) {
        const QString text = ToQString(doc.m_diaryText[static_cast<size_t>(k)]).trimmed();
        const int type = doc.m_diaryType[static_cast<size_t>(k)];
        if (text.isEmpty()) {
            continue;
        }
        e.notes << (type >= 1 && type < kDiaryTypeCount
                        ? TrName(kDiaryTypeItems[type]) + QStringLiteral(": ") + text
                        : text);
    }
    return e;
}

bool HasAnything(const CDoctorReport::DayEntry& e) {
    return e.fluid != 0 || e.temperature != 0.0 || e.weight != 0.0 || !e.symptoms.isEmpty() ||
           !e.notes.isEmpty();
}

// A month's chart as the chart screen draws it, drawn without showing the screen; null when
// the month has no value to draw.
template <class Chart>
QImage ChartOf(int year, int month) {
    Chart chart(nullptr, year, month, nullptr);
    bool any = false;
    for (int day = 1; day <= CMeasureChartDlg::kDays && !any; ++day) {
        any = chart.PointY(day).has_value();
    }
    if (!any) {
        return {};
    }
    return chart.Screen().WindowSurface().convertToFormat(QImage::Format_RGB32);
}

// --- Laying out ---

// One piece of a page that is never cut: a heading, a paragraph, a table row, a month's
// charts. `space` stands above it unless it begins a page; a block kept with the next one
// goes to a new page with it; a table row that begins a page has its table's header above.
struct Block {
    qreal height = 0;
    qreal space = 0;
    bool keepWithNext = false;
    int header = -1;
    std::function<void(QPainter&, qreal top)> paint;
};

struct Placed {
    int block;
    qreal top;
};

class Layout {
public:
    Layout(QPainter& painter, qreal width) : m_painter(painter), m_width(width) {
        m_dpi = painter.device()->logicalDpiY();
    }

    qreal Mm(qreal mm) const { return mm * m_dpi / 25.4; }
    qreal Width() const { return m_width; }
    std::vector<Block>& Blocks() { return m_blocks; }

    static QFont Font(qreal points, bool bold = false) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(points);
        font.setBold(bold);
        return font;
    }

    qreal TextHeight(const QFont& font, qreal width, const QString& text) const {
        const QFontMetricsF fm(font, m_painter.device());
        if (text.isEmpty()) {
            return fm.height();
        }
        return fm.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text).height();
    }

    int Add(Block block) {
        m_blocks.push_back(std::move(block));
        return static_cast<int>(m_blocks.size()) - 1;
    }

    int Paragraph(const QString& text, const QFont& font, qreal space, bool keepWithNext = false,
                  Qt::Alignment align = Qt::AlignLeft) {
        Block b;
        b.height = TextHeight(font, m_width, text);
        b.space = space;
        b.keepWithNext = keepWithNext;
        const qreal w = m_width;
        b.paint = [text, font, w, align](QPainter& p, qreal top) {
            p.setFont(font);
            p.drawText(QRectF(0, top, w, 1e9), align | Qt::AlignTop | Qt::TextWordWrap, text);
        };
        return Add(std::move(b));
    }

    int Heading(const QString& text) { return Paragraph(text, Font(12.5, true), Mm(6), true); }

    // A table row: cells in columns of these widths (summing to the width), wrapped.
    int Row(const std::vector<qreal>& widths, const QStringList& cells, bool header, int headerRow,
            std::vector<Qt::Alignment> aligns = {}) {
        const qreal pad = Mm(0.8);
        std::vector<QFont> fonts;
        qreal height = 0;
        for (int i = 0; i < cells.size(); ++i) {
            const qreal w = widths[static_cast<size_t>(i)] - 2 * pad;
            fonts.push_back(Fitted(Font(8.5, header), w, cells[i]));
            height = std::max(height, TextHeight(fonts.back(), w, cells[i]));
        }
        Block b;
        b.height = height + 2 * pad;
        b.keepWithNext = header;
        b.header = headerRow;
        aligns.resize(widths.size(), Qt::AlignLeft);
        b.paint = [fonts, pad, widths, cells, header, aligns, h = b.height](QPainter& p,
                                                                            qreal top) {
            qreal x = 0;
            qreal total = 0;
            for (qreal w : widths) {
                total += w;
            }
            if (header) {
                p.fillRect(QRectF(0, top, total, h), QColor(230, 230, 230));
            }
            for (int i = 0; i < cells.size(); ++i) {
                const qreal w = widths[static_cast<size_t>(i)];
                p.setFont(fonts[static_cast<size_t>(i)]);
                p.drawText(QRectF(x + pad, top + pad, w - 2 * pad, h),
                           aligns[static_cast<size_t>(i)] | Qt::AlignTop | Qt::TextWordWrap,
                           cells[i]);
                x += w;
            }
            p.setPen(QPen(QColor(160, 160, 160), 0));
            p.drawLine(QPointF(0, top + h), QPointF(total, top + h));
            p.setPen(Qt::black);
        };
        return Add(std::move(b));
    }

    // `font`, made smaller when a word of `text` is wider than `width`: a column's text wraps
    // between words and never runs into the next column, in any language.
    QFont Fitted(QFont font, qreal width, const QString& text) const {
        static const QRegularExpression space(QStringLiteral("\\s+"));
        const QFontMetricsF fm(font, m_painter.device());
        qreal widest = 0;
        for (const QString& word : text.split(space, Qt::SkipEmptyParts)) {
            widest = std::max(widest, fm.horizontalAdvance(word));
        }
        if (widest > width && width > 0) {
            font.setPointSizeF(font.pointSizeF() * std::max(0.6, 0.98 * width / widest));
        }
        return font;
    }

    // Columns from fractions of the width.
    std::vector<qreal> Columns(std::initializer_list<qreal> fractions) const {
        std::vector<qreal> widths;
        for (qreal f : fractions) {
            widths.push_back(f * m_width);
        }
        return widths;
    }

    // Places the blocks on pages of `pageHeight`.
    std::vector<std::vector<Placed>> Paginate(qreal pageHeight) const {
        std::vector<std::vector<Placed>> pages(1);
        qreal y = 0;
        const int n = static_cast<int>(m_blocks.size());
        for (int i = 0; i < n; ++i) {
            const Block& b = m_blocks[static_cast<size_t>(i)];
            // The block and the ones it keeps with, up to the first that stands alone.
            qreal need = b.height;
            for (int j = i; j + 1 < n && m_blocks[static_cast<size_t>(j)].keepWithNext; ++j) {
                const Block& next = m_blocks[static_cast<size_t>(j + 1)];
                need += next.space + next.height;
            }
            const bool pageTop = pages.back().empty();
            if (!pageTop && y + b.space + need > pageHeight) {
                pages.emplace_back();
                y = 0;
            }
            if (pages.back().empty()) {
                if (b.header >= 0) {
                    pages.back().push_back({b.header, 0});
                    y = m_blocks[static_cast<size_t>(b.header)].height;
                }
            } else {
                y += b.space;
            }
            pages.back().push_back({i, y});
            y += b.height;
        }
        return pages;
    }

private:
    QPainter& m_painter;
    qreal m_width;
    qreal m_dpi = 72;
    std::vector<Block> m_blocks;
};

// In the user's locale, as the Statistics screen shows the same figures ("28,5" in Russian).
QString OneDecimal(double value) {
    return QLocale().toString(value, 'f', 1);
}

}  // namespace

CDoctorReport CDoctorReport::Read(int cycles) {
    CDoctorReport r;
    r.m_asked = std::max(cycles, 1);
    r.m_usualCycle = AppSettings.CycleLength;
    r.m_usualPeriod = AppSettings.MenstrualDays;
    r.m_units = AppSettings.UnitsFormat;
    r.m_dateFormat = AppSettings.DateFormat;
    r.m_dateSeparator = AppSettings.DateSeparator;

    CycleInfo info;
    info.Analyze();
    r.m_stats = ComputeStatistics(info);
    const Day today = DayOf(Clock::Now());
    r.m_made = today;

    const std::vector<Cycle>& all = r.m_stats.cycles;
    const auto chosen =
        static_cast<std::ptrdiff_t>(std::min(all.size(), static_cast<size_t>(r.m_asked)));
    r.m_cycles.assign(all.end() - chosen, all.end());
    const std::vector<Period>& periods = r.m_stats.periods;
    if (!periods.empty() && (all.empty() || periods.back().first > all.back().start)) {
        r.m_running = periods.back();
    }
    if (!r.m_cycles.empty()) {
        r.m_first = r.m_cycles.front().start;
    } else if (r.m_running) {
        r.m_first = r.m_running->first;
    } else {
        r.m_first = today - static_cast<Day>(r.m_asked) * r.m_usualCycle + 1;
    }
    r.m_last = today;
    if (r.m_running) {
        r.m_last = std::max(r.m_last, r.m_running->first + r.m_running->days - 1);
    }
    r.m_first = std::min(r.m_first, r.m_last);

    std::vector<int> cycleLengths;
    std::vector<int> periodLengths;
    for (const Cycle& c : r.m_cycles) {
        if (c.cycleLeftOut == LeftOut::No) {
            cycleLengths.push_back(c.length);
        }
        if (c.periodLeftOut == LeftOut::No) {
            periodLengths.push_back(c.periodDays);
        }
    }
    r.m_cycleChosen = StatsOf(cycleLengths);
    r.m_periodChosen = StatsOf(periodLengths);

    // The days of the period, each once (the first record of a day, as the screens find it).
    std::map<Day, DayEntry> days;
    CVelmoraMFCDoc scan;
    scan.ForEachDayIn(NoonOf(r.m_first) - kSecondsPerDay, NoonOf(r.m_last) + kSecondsPerDay,
                      [&](CVelmoraMFCDoc& doc) {
                          const Day day = DayOf(doc.m_date);
                          if (day >= r.m_first && day <= r.m_last && !days.count(day)) {
                              days.emplace(day, EntryOf(doc, day));
                          }
                          return true;
                      });
    for (auto& [day, entry] : days) {
        if (HasAnything(entry)) {
            r.m_days.push_back(std::move(entry));
        }
    }

    const CivilDate from = CivilFromDays(r.m_first);
    const CivilDate to = CivilFromDays(r.m_last);
    int year = static_cast<int>(from.year);
    int month = static_cast<int>(from.month);
    while (year < static_cast<int>(to.year) ||
           (year == static_cast<int>(to.year) && month <= static_cast<int>(to.month))) {
        Month m;
        m.year = year;
        m.month = month;
        if (year >= FirstYear() && year <= LastYear()) {
            m.temperature = ChartOf<CTemperatureChartDlg>(year, month);
            m.weight = ChartOf<CWeightChartDlg>(year, month);
        }
        r.m_months.push_back(std::move(m));
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    return r;
}

int CDoctorReport::Paint(QPagedPaintDevice& device) const {
    device.setPageMargins(QMarginsF(15, 12, 15, 10), QPageLayout::Millimeter);
    QPainter p;
    if (!p.begin(&device)) {
        return 0;
    }
    p.setRenderHint(QPainter::LosslessImageRendering);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const qreal width = device.width();
    Layout l(p, width);
    auto date = [this](Day day) {
        return QString::fromStdString(ReportDateText(NoonOf(day), m_dateFormat, m_dateSeparator));
    };
    const QFont body = Layout::Font(9.5);
    const QFont footer = Layout::Font(8);
    const qreal footerHeight = l.TextHeight(footer, width, QStringLiteral("0")) + l.Mm(3);
    const qreal pageHeight = device.height() - footerHeight;

    // Title, period and settings.
    l.Paragraph(ScreenTitle(title::kDoctorReport), Layout::Font(18, true), 0);
    l.Paragraph(tr("From %1 to %2").arg(date(m_first), date(m_last)), Layout::Font(11), l.Mm(2));
    l.Paragraph(m_running ? tr("%n complete cycle(s) and the cycle running now", nullptr,
                               static_cast<int>(m_cycles.size()))
                          : tr("%n complete cycle(s)", nullptr, static_cast<int>(m_cycles.size())),
                body, l.Mm(1));
    l.Paragraph(tr("Usual cycle %1 days, usual period %2 days (as set in the program)")
                    .arg(m_usualCycle)
                    .arg(m_usualPeriod),
                body, l.Mm(1));
    l.Paragraph(tr("Made on %1").arg(date(m_made)), body, l.Mm(1));

    // The cycles.
    l.Heading(tr("Cycles"));
    if (m_cycles.empty() && !m_running) {
        l.Paragraph(tr("No bleeding was recorded in this period."), body, l.Mm(1));
    } else {
        const std::vector<qreal> cols = l.Columns({0.2, 0.16, 0.2, 0.44});
        const std::vector<Qt::Alignment> aligns = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight,
                                                   Qt::AlignLeft};
        const int header = l.Row(
            cols,
            {tr("Start"), tr("Period, days"), tr("Cycle, days"), tr("Left out of the statistics")},
            true, -1, aligns);
        auto why = [](const Cycle& c) {
            QStringList reasons;
            if (c.cycleLeftOut == LeftOut::TooShort) {
                reasons << tr("cycle too short");
            } else if (c.cycleLeftOut == LeftOut::TooLong) {
                reasons << tr("cycle too long");
            }
            if (c.periodLeftOut == LeftOut::TooShort) {
                reasons << tr("period too short");
            } else if (c.periodLeftOut == LeftOut::TooLong) {
                reasons << tr("period too long");
            }
            return reasons.join(QStringLiteral("; "));
        };
        for (const Cycle& c : m_cycles) {
            l.Row(cols,
                  {date(c.start), QString::number(c.periodDays), QString::number(c.length), why(c)},
                  false, header, aligns);
        }
        if (m_running) {
            const Day day = m_made - m_running->first + 1;
            l.Row(
                cols,
                {date(m_running->first), QString::number(m_running->days),
                 day >= 1 ? tr("running, day %1").arg(day) : tr("running"), tr("not complete yet")},
                false, header, aligns);
        }
    }

    // The statistics.
    l.Heading(tr("Statistics"));
    {
        const std::vector<qreal> cols = l.Columns({0.31, 0.1, 0.1, 0.1, 0.1, 0.145, 0.145});
        std::vector<Qt::Alignment> aligns(7, Qt::AlignRight);
        aligns[0] = Qt::AlignLeft;
        const int header = l.Row(cols,
                                 {tr("Length in days"), tr("Number"), tr("Mean"), tr("Median"),
                                  tr("SD"), tr("Shortest"), tr("Longest")},
                                 true, -1, aligns);
        auto row = [&](const QString& what, const LengthStats& s) {
            const QString none = QStringLiteral("–");
            l.Row(cols,
                  {what, QString::number(s.count), s.count ? OneDecimal(s.mean) : none,
                   s.count ? OneDecimal(s.median) : none, s.count ? OneDecimal(s.stdDev) : none,
                   s.count ? QString::number(s.shortest) : none,
                   s.count ? QString::number(s.longest) : none},
                  false, header, aligns);
        };
        row(tr("Cycles of this report"), m_cycleChosen);
        row(tr("Cycles of the whole diary"), m_stats.cycleAll);
        row(tr("Periods of this report"), m_periodChosen);
        row(tr("Periods of the whole diary"), m_stats.periodAll);
        l.Paragraph(tr("Cycles and periods left out (see above) are not counted. SD: sample "
                       "standard deviation."),
                    Layout::Font(8), l.Mm(1.5));
    }

    // The predicted starts.
    l.Heading(tr("Predicted starts"));
    if (m_stats.predicted.empty()) {
        l.Paragraph(tr("No start can be predicted yet."), body, l.Mm(1));
    } else {
        for (const PredictedStart& s : m_stats.predicted) {
            l.Paragraph(m_stats.hasRange && s.earliest != s.latest
                            ? tr("%1 to %2 (most likely %3)")
                                  .arg(date(s.earliest), date(s.latest), date(s.expected))
                            : date(s.expected),
                        body, l.Mm(1));
        }
        if (!m_stats.hasRange) {
            l.Paragraph(tr("Ranges need at least three counted cycles in the last half year."),
                        Layout::Font(8), l.Mm(1.5));
        }
    }

    // Each month's temperature and weight.
    const int heading = l.Heading(tr("Temperature and weight"));
    {
        const qreal gap = l.Mm(6);
        const QFont caption = Layout::Font(9, true);
        const QFont note = Layout::Font(8.5);
        const qreal captionHeight = l.TextHeight(caption, width, QStringLiteral("T"));
        const qreal below = l.Mm(1);
        const qreal space = l.Mm(4);
        // Two charts side by side, three months to a page (the first one under the heading).
        const Block& head = l.Blocks()[static_cast<size_t>(heading)];
        const qreal monthHeight = (pageHeight - head.height - l.Mm(1)) / 3;
        const qreal chartWidth = std::min(
            {l.Mm(80), (width - gap) / 2,
             (monthHeight - space - 2 * (captionHeight + below)) * kScreenWidth / kScreenHeight});
        for (const Month& m : m_months) {
            const QString name =
                TrName(MonthNames[m.month - 1]) + QLatin1Char(' ') + QString::number(m.year);
            Block b;
            b.space = space;
            const bool none = m.temperature.isNull() && m.weight.isNull();
            const QString empty = tr("No temperature or weight was recorded in this month.");
            qreal chartHeight = 0;
            for (const QImage* image : {&m.temperature, &m.weight}) {
                if (!image->isNull()) {
                    chartHeight =
                        std::max(chartHeight, chartWidth * image->height() / image->width());
                }
            }
            b.height =
                captionHeight + below +
                (none ? l.TextHeight(note, width, empty) : captionHeight + below + chartHeight);
            b.paint = [&m, name, none, empty, caption, note, captionHeight, below, width,
                       chartWidth, gap](QPainter& p, qreal top) {
                p.setFont(caption);
                p.drawText(QRectF(0, top, width, captionHeight), Qt::AlignLeft | Qt::AlignTop,
                           name);
                const qreal y = top + captionHeight + below;
                if (none) {
                    p.setFont(note);
                    p.drawText(QRectF(0, y, width, 1e9), Qt::AlignLeft | Qt::TextWordWrap, empty);
                    return;
                }
                const struct {
                    const QImage* image;
                    QString title;
                    QString missing;
                } cells[] = {{&m.temperature, ScreenTitle(title::kTemperatureChart),
                              tr("No temperature was recorded in this month.")},
                             {&m.weight, ScreenTitle(title::kWeightChart),
                              tr("No weight was recorded in this month.")}};
                qreal x = 0;
                for (const auto& cell : cells) {
                    p.setFont(note);
                    p.drawText(QRectF(x, y, chartWidth, captionHeight), Qt::AlignLeft, cell.title);
                    const qreal imageTop = y + captionHeight + below;
                    if (cell.image->isNull()) {
                        p.drawText(QRectF(x, imageTop, chartWidth, 1e9),
                                   Qt::AlignLeft | Qt::TextWordWrap, cell.missing);
                    } else {
                        // Whole pixel blocks, so that no viewer smooths the chart's pixels.
                        const int factor = std::max(1, 720 / std::max(1, cell.image->width()));
                        const QImage big = cell.image->scaled(
                            cell.image->width() * factor, cell.image->height() * factor,
                            Qt::IgnoreAspectRatio, Qt::FastTransformation);
                        const qreal h = chartWidth * big.height() / big.width();
                        p.drawImage(QRectF(x, imageTop, chartWidth, h), big);
                        p.setPen(QPen(QColor(160, 160, 160), 0));
                        p.drawRect(QRectF(x, imageTop, chartWidth, h));
                        p.setPen(Qt::black);
                    }
                    x += chartWidth + gap;
                }
            };
            l.Add(std::move(b));
        }
    }

    // Day by day.
    l.Heading(tr("Day by day"));
    if (m_days.empty()) {
        l.Paragraph(tr("Nothing was recorded in this period."), body, l.Mm(1));
    } else {
        const bool metric = IsMetric(m_units);
        const std::vector<qreal> cols = l.Columns({0.11, 0.14, 0.12, 0.1, 0.23, 0.3});
        std::vector<Qt::Alignment> aligns(6, Qt::AlignLeft);
        aligns[2] = aligns[3] = Qt::AlignRight;
        const QString tempUnit = QCoreApplication::translate(kUnitsContext, metric ? "°C" : "°F");
        const QString weightUnit = QCoreApplication::translate(kUnitsContext, metric ? "kg" : "lb");
        const int header = l.Row(cols,
                                 {tr("Date"), tr("Flow"), tr("Temperature, %1").arg(tempUnit),
                                  tr("Weight, %1").arg(weightUnit), tr("Symptoms"), tr("Notes")},
                                 true, -1, aligns);
        for (const DayEntry& e : m_days) {
            l.Row(
                cols,
                {date(e.day), e.fluid ? TrName(kFluidItems[e.fluid]) : QString(),
                 e.temperature != 0.0 ? TemperatureHistoryText(e.temperature, m_units) : QString(),
                 e.weight != 0.0 ? WeightHistoryText(e.weight, m_units) : QString(),
                 e.symptoms.join(QStringLiteral(", ")), e.notes.join(QLatin1Char('\n'))},
                false, header, aligns);
        }
    }

    // Pages, with their numbers in the footer.
    const auto pages = l.Paginate(pageHeight);
    const int count = static_cast<int>(pages.size());
    for (int page = 0; page < count; ++page) {
        if (page > 0 && !device.newPage()) {
            p.end();
            return 0;
        }
        for (const Placed& placed : pages[static_cast<size_t>(page)]) {
            l.Blocks()[static_cast<size_t>(placed.block)].paint(p, placed.top);
        }
        p.setFont(footer);
        p.drawText(QRectF(0, device.height() - footerHeight, width, footerHeight),
                   Qt::AlignHCenter | Qt::AlignBottom,
                   tr("Page %1 of %2").arg(page + 1).arg(count));
    }
    return p.end() ? count : 0;
}

int CDoctorReport::WritePdf(const QString& path, const QPageSize& pageSize, QString& error) const {
    QSaveFile file(path);
    // Owner only from the start: the report is as private as the diary.
    if (!file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        error = tr("The report cannot be written to %1: %2").arg(path, file.errorString());
        return 0;
    }
    int pages = 0;
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(600);
        pdf.setPageSize(pageSize);
        pdf.setTitle(ScreenTitle(title::kDoctorReport));
        pdf.setCreator(QStringLiteral("Velmora Plus"));
        pages = Paint(pdf);
    }
    if (pages == 0 || file.error() != QFileDevice::NoError) {
        error = tr("The report cannot be written to %1: %2").arg(path, file.errorString());
        file.cancelWriting();
        return 0;
    }
    if (!file.commit()) {
        error = tr("The report cannot be written to %1: %2").arg(path, file.errorString());
        return 0;
    }
    return pages;
}

QPageSize ReportPageSize(const QLocale& locale) {
    // Where Letter is the usual paper (the Unicode locale data's list).
    static constexpr QLocale::Territory kLetter[] = {
        QLocale::UnitedStates, QLocale::Canada,     QLocale::Mexico,     QLocale::Philippines,
        QLocale::Chile,        QLocale::Colombia,   QLocale::CostaRica,  QLocale::Guatemala,
        QLocale::Panama,       QLocale::PuertoRico, QLocale::ElSalvador, QLocale::Venezuela,
        QLocale::Belize,       QLocale::Nicaragua,
    };
    const bool letter =
        std::find(std::begin(kLetter), std::end(kLetter), locale.territory()) != std::end(kLetter);
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

QString DefaultReportFileName() {
    const LocalTime now = Clock::Now().Local();
    return QString::asprintf("velmora-report-%04d-%02d-%02d.pdf", now.year, now.month, now.day);
}

}  // namespace velmora
