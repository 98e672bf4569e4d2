#include "reports/yearviewdlg.h"

#include <QComboBox>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "cycle/cycleinfo.h"
#include "gfx/pictures.h"
#include "gfx/screenbuffer.h"
#include "platform/calendar.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "store/cedatabase.h"
#include "store/names.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/fonts.h"
#include "ui/kit/screentext.h"
#include "ui/kit/text.h"

namespace velmora {

namespace {

constexpr int kTemplateId = 253;
constexpr int kToolbarId = 155;
// The weekday strips over the two columns of months.
constexpr Rect kHeaders[2] = {{0, 2, 112, 12}, {123, 2, 235, 12}};
// Tops of the month names and of the first week, for the three pairs of months.
constexpr int kNameTop[3] = {13, 98, 183};
constexpr int kWeekTop[3] = {27, 112, 197};

// 1 = Sunday ... 7 = Saturday.
int Weekday(long long day) {
    // 1 January 1970 was a Thursday.
    return static_cast<int>(((day % 7) + 7 + 4) % 7) + 1;
}

}  // namespace

CYearViewDlg::CYearViewDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QString::number(kTemplateId));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_screen = new ScreenWidget(this);
    layout->addWidget(m_screen);

    // The weekday strips are drawn once into the buffer; each paint shows them from there.
    {
        ScopedTarget target(Screen().GetBuffer());
        CFastBitmap strip;
        const int id = AppSettings.WeekStarts == 0 ? kPicYearWeekSunday : kPicYearWeekMonday;
        strip.Load(id, 112, 10);
        strip.Draw(kHeaders[0].left, kHeaders[0].top);
        strip.Draw(kHeaders[1].left, kHeaders[1].top);
        strip.Release();
    }

    m_bar = new CCommandBar(this);
    m_years = m_bar->AddCombo(kYearViewYearListId, 46);
    for (int year = FirstYear(); year <= LastYear(); ++year) {
        m_years->addItem(QString::asprintf("%d", year));
    }
    m_bar->AddTools(kToolbarId,
                    {{kCmdYearViewPreviousYear, tr("Previous year")},
                     {kCmdYearViewFirstHalf, tr("January - June")},
                     {kCmdYearViewSecondHalf, tr("July - December")},
                     {kCmdYearViewNextYear, tr("Next year")}},
                    QSize(43, 18));
    m_bar->AddStretch();
    connect(m_bar, &CCommandBar::commandTriggered, this, &CYearViewDlg::OnCommand);
    layout->addWidget(m_bar);

    const int now = Clock::Now().GetYear();
    m_years->setCurrentIndex(std::clamp(now, FirstYear(), LastYear()) - FirstYear());
    connect(m_years, &QComboBox::currentIndexChanged, this, [this] { Reload(); });
    Reload();
}

CYearViewDlg::~CYearViewDlg() = default;

ScreenBuffer& CYearViewDlg::Screen() {
    return m_screen->Screen();
}

uint8_t CYearViewDlg::DayFlags(int row, int col) const {
    if (row < 0 || row >= kRows || col < 0 || col >= kColumns) {
        return 0;
    }
    return m_yearDays[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

bool CYearViewDlg::CellOf(long long day, int& row, int& col) const {
    const CivilDate d = CivilFromDays(day);
    const int month = static_cast<int>(d.month);
    col = static_cast<int>(d.day) - 1;
    if (d.year == m_year) {
        row = month;
    } else if (d.year == m_year - 1 && month == 12) {
        row = 0;
    } else if (d.year == m_year + 1 && month == 1) {
        row = 13;
    } else {
        return false;
    }
    return true;
}

bool CYearViewDlg::Has(long long day, uint8_t flag) const {
    int row = 0, col = 0;
    return CellOf(day, row, col) && (DayFlags(row, col) & flag) != 0;
}

void CYearViewDlg::Set(long long day, uint8_t flag) {
    int row = 0, col = 0;
    if (CellOf(day, row, col)) {
        m_yearDays[static_cast<size_t>(row)][static_cast<size_t>(col)] |= flag;
    }
}

void CYearViewDlg::Reload() {
    m_year = FirstYear() + std::max(m_years->currentIndex(), 0);
    m_leapYear = IsLeapYear(m_year);
    m_firstHalf = true;
    FillDays();
    Redraw();
}

void CYearViewDlg::FillDays() {
    for (auto& row : m_yearDays) {
        row.fill(0);
    }
    const long long yearStart = DayNumber(m_year, 1, 1);
    const long long yearEnd = DayNumber(m_year, 12, 31);
    for (long long day = yearStart; day <= yearEnd; ++day) {
        const int w = Weekday(day);
        if (w == 1 || w == 7) {
            Set(day, kWeekend);
        }
    }
    if (!CCeDatabase::DatabaseExists(kDayStoreName)) {
        return;  // no diary: weekends only
    }

    CVelmoraMFCDoc scan;  // a cursor of the screen's own
    // The days the screen has cells for, December before to January after, and a day more
    // on each side; their local dates decide.
    const CTime from = CTime(m_year - 1, 12, 1, 0, 0, 0) - kSecondsPerDay;
    const CTime to = CTime(m_year + 1, 2, 1, 0, 0, 0) + kSecondsPerDay;
    scan.ForEachDayIn(from, to, [this](CVelmoraMFCDoc& day) {
        if (IsMenstruation(day.m_fluid)) {
            const LocalTime lt = day.m_date.Local();
            Set(DayNumber(lt.year, lt.month, lt.day), kMenstruation);
        }
        return true;
    });

    // The last start and the three predicted ones. An engine that saw no menstruation in
    // its window predicts from a placeholder date; those periods are nobody's.
    CycleInfo info;
    info.Analyze();
    if (info.m_windowEnd.GetTime() != 0 && info.m_start[0] >= info.m_windowStart) {
        const int days = std::clamp(info.m_avgMenses, 0, kColumns);
        for (const CTime start : info.m_start) {
            const LocalTime lt = start.Local();
            const long long first = DayNumber(lt.year, lt.month, lt.day);
            if (lt.year == m_year || (lt.year == m_year - 1 && lt.month == 12)) {
                // Recorded days inside the predicted run keep their colour and still count.
                for (int k = 0; k < days; ++k) {
                    if (!Has(first + k, kMenstruation)) {
                        Set(first + k, kMenstruation | kPredicted);
                    }
                }
            } else if (lt.year == m_year + 1 && lt.month == 1) {
                // Only its first day matters here: it places the fertile days of December.
                Set(first, kMenstruation);
            }
        }
    }

    // Six fertile days begin 17 days before the first day of every period, across month
    // ends (and 29 February) like any other days.
    const long long last = DayNumber(m_year + 1, 1, 31);
    for (long long day = yearStart; day <= last; ++day) {
        if (Has(day, kMenstruation) && !Has(day - 1, kMenstruation)) {
            for (int k = 0; k < 6; ++k) {
                Set(day - 17 + k, kFertile);
            }
        }
    }
}

void CYearViewDlg::Redraw() {
    ScreenBuffer& screen = Screen();
    screen.WindowSurface().fill(Qt::white);
    screen.PresentRects(kHeaders, 2);

    const bool mondayFirst = AppSettings.WeekStarts != 0;
    const int firstMonth = m_firstHalf ? 1 : 7;
    int w = Weekday(DayNumber(m_year, firstMonth, 1));
    if (mondayFirst) {
        w = w == 1 ? 7 : w - 1;
    }
    const LocalTime today = Clock::Now().Local();

    // One-bit glyphs land garbled when drawn straight onto a 16-bit surface: the texts go
    // onto a clear layer first, and the layer onto the window.
    QImage layer = screen.TextLayer();
    QPainter p(&layer);
    p.setFont(ScreenFont(11, {.crisp = true}));
    for (int k = 0; k < 6; ++k) {
        const int month = firstMonth + k;
        const bool left = month % 2 == 1;
        const int pair = k / 2;
        const int nameLeft = left ? 40 : 163;
        p.setPen(Qt::black);
        DrawScreenText(p,
                       QRect(nameLeft, kNameTop[pair], kScreenWidth - nameLeft,
                             kScreenHeight - kNameTop[pair]),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                       TrName(MonthNames[month - 1]));
        int week = 0;
        const int length = DaysInMonth(m_year, month);
        for (int d = 1; d <= length; ++d) {
            if (w == 8) {
                w = 1;
                // A sixth week goes over the first row, whose first cells are empty.
                if (++week == 5) {
                    week = 0;
                }
            }
            const int x = left ? 16 * (w - 1) : 107 + 16 * w;
            const int y = kWeekTop[pair] + 12 * week;
            const uint8_t flags = DayFlags(month, d - 1);
            QColor colour(Qt::black);
            if (flags & kPredicted) {
                colour = QColor(221, 0, 0);
            } else if (flags & kMenstruation) {
                colour = QColor(255, 0, 0);
            } else if (flags & kFertile) {
                colour = QColor(0, 221, 0);
            } else if (flags & kWeekend) {
                colour = QColor(17, 113, 159);
            } else if (m_firstHalf && d == today.day && month == today.month) {
                colour = QColor(153, 156, 20);
            }
            p.setPen(colour);
            p.drawText(QRect(x, y, kScreenWidth - x, kScreenHeight - y),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, QString::number(d));
            ++w;
        }
        if (w == 8) {
            w = 1;
        }
    }
    p.end();
    screen.WindowDC()->painter.drawImage(0, 0, layer);
}

void CYearViewDlg::OnCommand(int command) {
    const WindowRef owner = static_cast<const QWidget*>(this);
    switch (command) {
        case kCmdYearViewPreviousYear:
            if (m_years->currentIndex() <= 0) {
                ShowMessageBox(QT_TRANSLATE_NOOP(
                                   "Message", "Data for years prior to 1995 can not be entered!"),
                               {}, MbIcon::None, MbButtons::Ok, owner);
            } else {
                m_years->setCurrentIndex(m_years->currentIndex() - 1);  // reloads
            }
            break;
        case kCmdYearViewFirstHalf:
            if (!m_firstHalf) {
                m_firstHalf = true;
                Redraw();
            }
            break;
        case kCmdYearViewSecondHalf:
            if (m_firstHalf) {
                m_firstHalf = false;
                Redraw();
            }
            break;
        case kCmdYearViewNextYear:
            if (m_years->currentIndex() >= m_years->count() - 1) {
                ShowMessageBox(
                    QT_TRANSLATE_NOOP(
                        "Message",
                        "At present it is not allowed to enter data for the forthcoming years!"),
                    {}, MbIcon::None, MbButtons::Ok, owner);
            } else {
                m_years->setCurrentIndex(m_years->currentIndex() + 1);  // reloads
            }
            break;
        default:
            break;
    }
}

}  // namespace velmora
