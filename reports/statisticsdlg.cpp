#include "reports/statisticsdlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>
#include <vector>

#include "cycle/cycleinfo.h"
#include "gfx/pictures.h"
#include "store/names.h"
#include "store/settings.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/fonts.h"
#include "ui/kit/help.h"
#include "ui/kit/keys.h"
#include "ui/kit/screentext.h"

namespace velmora {

namespace {

constexpr int kHelpToolbarId = 247;  // the one Help picture
// The help browser gives the title back by this code; the screen's own help page.
constexpr int kHelpScreenCode = 12;
constexpr int kHelpPage = 17;
constexpr int kHistogramHeight = 100;
const QColor kBarColour(192, 32, 48);

// The counted cycle lengths of the whole diary as bars, one per length from the shortest to
// the longest, with the lengths below and the highest count at the left.
class Histogram : public QWidget {
public:
    Histogram(std::vector<std::pair<int, int>> bars, QString empty, QWidget* parent)
        : QWidget(parent), m_bars(std::move(bars)), m_empty(std::move(empty)) {
        setFixedHeight(kHistogramHeight);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        QFont font = DialogFont();
        font.setPixelSize(9);
        p.setFont(font);
        p.setPen(Qt::black);
        if (m_bars.empty()) {
            DrawScreenText(p, rect(), Qt::AlignCenter | Qt::TextWordWrap, m_empty);
            return;
        }
        const int first = m_bars.front().first;
        const int last = m_bars.back().first;
        int most = 0;
        for (const auto& [length, count] : m_bars) {
            most = std::max(most, count);
        }
        // A bar per day of length, as wide as the room allows, at most 14 pixels.
        const int left = 16;
        const int top = 4;
        const int base = height() - 13;  // the axis; the lengths go below it
        const int span = last - first + 1;
        const int step = std::clamp((width() - left - 2) / span, 2, 14);
        const int gap = step > 4 ? 1 : 0;
        DrawScreenText(p, QRect(0, top - 2, left - 3, 12), Qt::AlignRight | Qt::AlignTop,
                       WholeText(most));
        p.drawLine(left - 2, top, left - 2, base);
        p.drawLine(left - 2, base, left + span * step, base);
        for (const auto& [length, count] : m_bars) {
            const int x = left + (length - first) * step;
            const int h = std::max(1, (base - top) * count / most);
            p.fillRect(QRect(x, base - h, step - gap, h), kBarColour);
        }
        // The shortest and longest lengths always, and those between on every fifth day when
        // the bars are narrow.
        for (int length = first; length <= last; ++length) {
            const bool labelled = length == first || length == last || step >= 12 ||
                                  (length % 5 == 0 && length - first >= 3 && last - length >= 3);
            if (labelled) {
                const int x = left + (length - first) * step + step / 2;
                DrawScreenText(p, QRect(x - 10, base + 1, 20, 11), Qt::AlignHCenter | Qt::AlignTop,
                               WholeText(length));
            }
        }
    }

private:
    static QString WholeText(int value) { return CStatisticsDlg::WholeText(value); }

    std::vector<std::pair<int, int>> m_bars;
    QString m_empty;
};

QLabel* Label(const QString& text, QWidget* parent, Qt::Alignment align = Qt::AlignLeft) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}

QLabel* Heading(const QString& text, QWidget* parent) {
    QLabel* label = Label(text, parent);
    QFont bold = DialogFont();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

}  // namespace

CStatisticsDlg::CStatisticsDlg(IMainFrame* frame, QWidget* parent)
    : QDialog(parent), m_frame(frame) {
    setObjectName(QString::number(kStatisticsTemplateId));
    setFont(DialogFont());
    AddHelpKey(this, [this] { ShowHelp(); });

    // The engine's window and predictions as of now, then the whole diary read once.
    CycleInfo info;
    info.Analyze();
    m_stats = ComputeStatistics(info);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QString::number(kStatisticsTabsId));
    m_tabs->setFixedSize(kScreenWidth, kScreenHeight);
    m_tabs->setDocumentMode(true);
    // The tabs take the keyboard first: Left and Right turn them, Tab goes into the page.
    m_tabs->tabBar()->setFocusPolicy(Qt::StrongFocus);
    m_tabs->addTab(MakeLengthsTab(), tr("Lengths"));
    m_tabs->addTab(MakeForecastTab(), tr("Forecast"));
    m_tabs->addTab(MakeLeftOutTab(), tr("Left out"));
    layout->addWidget(m_tabs);

    m_bar = new CCommandBar(this);
    m_bar->AddTools(kHelpToolbarId, {{kCmdStatisticsHelp, tr("Help")}}, QSize(16, 16));
    m_bar->AddStretch();
    connect(m_bar, &CCommandBar::commandTriggered, this, &CStatisticsDlg::OnCommand);
    layout->addWidget(m_bar);
    m_tabs->tabBar()->setFocus();
}

CStatisticsDlg::~CStatisticsDlg() = default;

QString CStatisticsDlg::DecimalText(double value) {
    return QLocale().toString(value, 'f', 1);
}

QString CStatisticsDlg::WholeText(int value) {
    return QLocale().toString(value);
}

QString CStatisticsDlg::DateText(Day day) {
    return QString::fromStdString(
        ReportDateText(NoonOf(day), AppSettings.DateFormat, AppSettings.DateSeparator));
}

QWidget* CStatisticsDlg::MakeLengthsTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(1);

    const QString groups[] = {tr("Cycles"), tr("Periods")};
    const QString columns[] = {tr("All"), tr("½ year")};
    for (int g = 0; g < 2; ++g) {
        grid->addWidget(Heading(groups[g], page), 0, 1 + 2 * g, 1, 2, Qt::AlignHCenter);
        for (int c = 0; c < 2; ++c) {
            grid->addWidget(Label(columns[c], page, Qt::AlignRight), 1, 1 + 2 * g + c);
        }
    }
    const QString rows[kStatisticsRows] = {tr("Used"),      tr("Mean"),     tr("Median"),
                                           tr("Std. dev."), tr("Shortest"), tr("Longest")};
    const LengthStats* sets[kStatisticsColumns] = {&m_stats.cycleAll, &m_stats.cycleHalfYear,
                                                   &m_stats.periodAll, &m_stats.periodHalfYear};
    for (int r = 0; r < kStatisticsRows; ++r) {
        grid->addWidget(Label(rows[r], page), 2 + r, 0);
        for (int c = 0; c < kStatisticsColumns; ++c) {
            const LengthStats& s = *sets[c];
            QString text = tr("N/A");
            if (r == kRowUsed) {
                text = WholeText(s.count);
            } else if (s.count > 0) {
                switch (r) {
                    case kRowMean:
                        text = DecimalText(s.mean);
                        break;
                    case kRowMedian:
                        text = DecimalText(s.median);
                        break;
                    case kRowStdDev:
                        text = DecimalText(s.stdDev);
                        break;
                    case kRowShortest:
                        text = WholeText(s.shortest);
                        break;
                    default:
                        text = WholeText(s.longest);
                        break;
                }
            }
            QLabel* figure = Label(text, page, Qt::AlignRight);
            figure->setObjectName(QString::number(StatisticsFigureId(r, c)));
            //: What a screen reader says for one figure: the measure, cycles or periods,
            //: and the whole diary or the half year.
            figure->setAccessibleName(tr("%1, %2, %3").arg(rows[r], groups[c / 2], columns[c % 2]));
            grid->addWidget(figure, 2 + r, 1 + c);
        }
    }
    grid->setColumnStretch(0, 1);
    for (int c = 1; c <= kStatisticsColumns; ++c) {
        grid->setColumnMinimumWidth(c, 40);
    }

    const int below = 2 + kStatisticsRows;
    grid->setRowMinimumHeight(below, 6);
    grid->addWidget(Heading(tr("Cycle lengths in the whole diary"), page), below + 1, 0, 1, 5);
    auto* histogram = new Histogram(m_stats.histogram, tr("No counted cycles yet."), page);
    histogram->setObjectName(QString::number(kStatisticsHistogramId));
    histogram->setAccessibleName(tr("Cycle lengths in the whole diary"));
    QStringList bars;
    for (const auto& [length, count] : m_stats.histogram) {
        //: One bar of the histogram for a screen reader: a cycle length in days and how
        //: many cycles had it.
        bars << tr("Length %1: %n cycle(s)", nullptr, count).arg(WholeText(length));
    }
    histogram->setAccessibleDescription(bars.join(QStringLiteral("; ")));
    grid->addWidget(histogram, below + 2, 0, 1, 5);
    grid->setRowStretch(below + 3, 1);
    return page;
}

QWidget* CStatisticsDlg::MakeForecastTab() {
    auto* page = new QWidget;
    auto* box = new QVBoxLayout(page);
    box->setContentsMargins(8, 6, 8, 6);
    box->setSpacing(4);
    box->addWidget(Heading(tr("Next periods"), page));
    for (size_t k = 0; k < m_stats.predicted.size(); ++k) {
        const PredictedStart& p = m_stats.predicted[k];
        const QString text = p.earliest == p.latest
                                 ? DateText(p.expected)
                                 //: A predicted start as a range: the earliest and the
                                 //: latest day.
                                 : tr("%1 – %2").arg(DateText(p.earliest), DateText(p.latest));
        QLabel* line = Label(text, page);
        line->setObjectName(QString::number(kStatisticsPredictionId + static_cast<int>(k)));
        box->addWidget(line);
    }
    QString note;
    if (m_stats.predicted.empty()) {
        note = tr("No bleeding in the last half year: nothing to predict.");
    } else if (!m_stats.hasRange) {
        note = tr("Too few cycles for a range.");
    } else {
        const int margin = m_stats.predicted.front().latest - m_stats.predicted.front().expected;
        note = tr("Each range is the expected day ± %n day(s): a guide, not a promise.", nullptr,
                  margin);
    }
    QLabel* noteLabel = Label(note, page);
    noteLabel->setObjectName(QString::number(kStatisticsRangeNoteId));
    noteLabel->setWordWrap(true);
    box->addSpacing(4);
    box->addWidget(noteLabel);
    box->addStretch(1);
    return page;
}

QWidget* CStatisticsDlg::MakeLeftOutTab() {
    auto* page = new QWidget;
    auto* box = new QVBoxLayout(page);
    box->setContentsMargins(4, 4, 4, 4);
    box->setSpacing(4);
    QLabel* usual = Label(tr("Usual lengths in days (Program Settings): cycle %1, period %2.")
                              .arg(WholeText(m_stats.usualCycle), WholeText(m_stats.usualPeriod)),
                          page);
    usual->setObjectName(QString::number(kStatisticsUsualId));
    usual->setWordWrap(true);
    box->addWidget(usual);

    auto* list = new QListWidget(page);
    list->setObjectName(QString::number(kStatisticsLeftOutListId));
    list->setWordWrap(true);
    list->setAlternatingRowColors(true);  // two lines to an entry: the colours keep them apart
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setAccessibleName(tr("Left out"));
    auto reason = [this](LeftOut why) {
        return why == LeftOut::TooShort ? tr("shorter than half the usual length")
                                        : tr("longer than one and a half times the usual length");
    };
    // Oldest first, each cycle before its own period; a period still going is not done yet.
    // Cycle k begins with period k.
    for (size_t k = 0; k < m_stats.periods.size(); ++k) {
        const Period& p = m_stats.periods[k];
        if (k < m_stats.cycles.size() && m_stats.cycles[k].cycleLeftOut != LeftOut::No) {
            const Cycle& c = m_stats.cycles[k];
            list->addItem(tr("Cycle from %1, %n day(s)", nullptr, c.length).arg(DateText(c.start)) +
                          QLatin1Char('\n') + reason(c.cycleLeftOut));
        }
        const LeftOut why = LeftOutBy(p.days, m_stats.usualPeriod);
        if (why != LeftOut::No && !m_stats.StillGoing(p)) {
            list->addItem(tr("Period from %1, %n day(s)", nullptr, p.days).arg(DateText(p.first)) +
                          QLatin1Char('\n') + reason(why));
        }
    }
    if (list->count() == 0) {
        auto* none = new QListWidgetItem(tr("Nothing is left out."), list);
        none->setFlags(Qt::ItemIsEnabled);
    }
    box->addWidget(list, 1);
    return page;
}

void CStatisticsDlg::ShowHelp() {
    // The help browser shows "Help" while it is open and gives the title back by screen.
    OpenHelp(m_frame, kHelpScreenCode, kHelpPage);
}

void CStatisticsDlg::OnCommand(int command) {
    if (command == kCmdStatisticsHelp) {
        ShowHelp();
    }
}

}  // namespace velmora
