#include "reports/cyclehistorydlg.h"

#include <QPainter>
#include <QVBoxLayout>
#include <array>
#include <cstdint>

#include "gfx/pictures.h"
#include "platform/calendar.h"
#include "platform/clock.h"
#include "reports/cyclebar.h"
#include "store/cedatabase.h"
#include "store/names.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/fonts.h"
#include "ui/kit/help.h"
#include "ui/kit/keys.h"
#include "ui/kit/mainframe.h"
#include "ui/kit/reporttable.h"
#include "ui/kit/screentext.h"

namespace velmora {

namespace {

constexpr int kTemplateId = 197;
constexpr int kToolbarId = 193;
constexpr int kHelpScreenCode = 3;
constexpr int kHelpPage = 6;
// The fertile window opens this many days before the next cycle's first day.
constexpr int kOvulationLeadDays = 17;

// The day of civil day number `day`, at noon as every screen addresses days.
CTime NoonOf(long long day) {
    const CivilDate d = CivilFromDays(day);
    return CVelmoraMFCDoc::DayAtNoon(static_cast<int>(d.year), static_cast<int>(d.month),
                                     static_cast<int>(d.day));
}

// The dialog's face: the list above, the average line painted below it.
class HistoryClient : public QWidget {
public:
    HistoryClient(const QString& average, QWidget* parent) : QWidget(parent), m_text(average) {
        setFixedSize(kScreenWidth, kScreenHeight);
        setAutoFillBackground(true);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, Qt::white);
        setPalette(palette);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (m_text.isEmpty()) {
            return;
        }
        QPainter p(this);
        p.setFont(DialogFont());
        p.setPen(Qt::black);
        DrawScreenText(p, QRect(90, 250, 150, 20),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_text);
    }

private:
    const QString& m_text;
};

}  // namespace

CCycleHistoryDlg::CCycleHistoryDlg(IMainFrame* frame, QWidget* parent)
    : QDialog(parent), m_frame(frame) {
    setObjectName(QString::number(kTemplateId));
    AddHelpKey(this, [this] { ShowHelp(); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_client = new HistoryClient(m_averageText, this);
    layout->addWidget(m_client);
    m_list = new CReportTable(m_client);
    m_list->setObjectName(QString::number(kCycleHistoryListId));
    m_list->setFont(DialogFont());
    // The three columns side by side; the little that the scroll bar covers of the last one
    // leaves its numbers in view, so there is no sideways scrolling.
    m_list->setGeometry(4, 6, 232, 234);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_bar = new CCommandBar(this);
    m_bar->AddTools(kToolbarId,
                    {{kCmdCycleHistoryView, tr("View")}, {kCmdCycleHistoryHelp, tr("Help")}},
                    QSize(40, 16));
    m_bar->AddStretch();
    connect(m_bar, &CCommandBar::commandTriggered, this, &CCycleHistoryDlg::OnCommand);
    layout->addWidget(m_bar);
    Fill();
}

CCycleHistoryDlg::~CCycleHistoryDlg() = default;

void CCycleHistoryDlg::Fill() {
    m_list->SetColumns({{tr("Start Date"), 75}, {tr("Start Ovulation"), 95}, {tr("Lenght"), 52}});
    m_list->RemoveAllRows();
    m_averageText.clear();
    if (!CCeDatabase::DatabaseExists(kDayStoreName)) {
        return;  // no diary yet: an empty list and no average
    }

    // Day i of the window is civil day first + i; the last is today.
    const LocalTime now = Clock::Now().Local();
    const long long last = DayNumber(now.year, now.month, now.day);
    const long long first = last - (kWindowDays - 1);
    std::array<uint8_t, kWindowDays> flags{};
    CVelmoraMFCDoc scan;  // a cursor of its own: the application's day stays as it is
    scan.ForEachDay([&](CVelmoraMFCDoc& day) {
        if (IsMenstruation(day.m_fluid)) {
            const LocalTime lt = day.m_date.Local();
            const long long index = DayNumber(lt.year, lt.month, lt.day) - first;
            if (index >= 0 && index < kWindowDays) {
                flags[static_cast<size_t>(index)] = 1;
            }
        }
        return true;
    });

    const int dateFormat = AppSettings.DateFormat;
    const int separator = AppSettings.DateSeparator;
    const long long keyOrigin = DayNumber(2000, 1, 1);
    auto addRow = [&](long long start, const QString& ovulation, const QString& length) {
        CReportTable::Row row;
        row.key = start - keyOrigin;
        row.date = NoonOf(start);
        const QString date =
            QString::fromStdString(ReportDateText(row.date, dateFormat, separator));
        m_list->AddRow({date, ovulation, length}, row);
    };

    // Each run of menstruation days starts a cycle; a cycle ends the day before the next run.
    int count = 0;  // days of the cycle so far; 0 before the first run
    bool inPeriod = false;
    long long start = 0;
    int sum = 0;
    int closed = 0;
    for (int i = 0; i < kWindowDays; ++i) {
        const long long day = first + i;
        if (flags[static_cast<size_t>(i)] != 0) {
            if (inPeriod) {
                ++count;
                continue;
            }
            if (count > 0) {
                const CTime ovulation = NoonOf(day - kOvulationLeadDays);
                addRow(start,
                       QString::fromStdString(ReportDateText(ovulation, dateFormat, separator)),
                       QString::number(count));
                sum += count;
                ++closed;
            }
            start = day;
            count = 1;
            inPeriod = true;
        } else if (inPeriod) {
            inPeriod = false;
            ++count;
        } else if (count > 0) {
            ++count;
        }
    }
    if (count > 0) {
        addRow(start, tr("N/A"), tr("N/A"));  // still running: no length, not in the average
    }
    m_averageText =
        tr("Average cycle lenght:%1").arg(closed > 0 ? QString::number(sum / closed) : tr("N/A"));
    m_client->update();
}

void CCycleHistoryDlg::View() {
    CReportTable::Row row;
    if (!m_list->SelectedRow(row)) {
        return;
    }
    // The row carries its day; the shown text depends on the date settings.
    const LocalTime start = row.date.Local();
    RunCycleBar(m_frame, this, start.year, start.month, start.day, tr("Cycle History"));
}

void CCycleHistoryDlg::ShowHelp() {
    // The help browser shows "Help" while it is open and gives the title back by screen.
    OpenHelp(m_frame, kHelpScreenCode, kHelpPage);
}

void CCycleHistoryDlg::OnCommand(int command) {
    switch (command) {
        case kCmdCycleHistoryView:
            View();
            break;
        case kCmdCycleHistoryHelp:
            ShowHelp();
            break;
        default:
            break;
    }
}

}  // namespace velmora
