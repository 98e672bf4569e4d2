#include "reports/cyclebar.h"

#include <QFont>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "cycle/cycleinfo.h"
#include "gfx/pictures.h"
#include "gfx/screenbuffer.h"
#include "platform/calendar.h"
#include "platform/clock.h"
#include "store/names.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/fonts.h"
#include "ui/kit/help.h"
#include "ui/kit/keys.h"
#include "ui/kit/mainframe.h"
#include "ui/kit/modal.h"
#include "ui/kit/screentext.h"
#include "ui/kit/text.h"
#include "ui/kit/titles.h"

namespace velmora {

namespace {

constexpr int kTemplateId = 141;
constexpr int kToolbarId = 133;
constexpr int kHelpScreenCode = 1;
constexpr int kHelpPage = 4;

// The labels' rectangle: left 35, right 248 (the window clips it at 240), 15 pixels tall,
// four pixels above the cell it stands by.
constexpr int kLabelLeft = 35;
constexpr int kLabelRight = 248;
// The column as it is shown: 30 cells from y 14.
constexpr Rect kColumn{CCycleBar::kCellLeft, 14, CCycleBar::kCellLeft + 14, 254};

long long CivilOf(CTime t) {
    const LocalTime lt = t.Local();
    return velmora::DayNumber(lt.year, lt.month, lt.day);
}

}  // namespace

CCycleBar::CCycleBar(IMainFrame* frame, QWidget* parent) : CPictureScreenDlg(frame, parent) {
    setObjectName(QString::number(kTemplateId));
    AddHelpKey(this, [this] { ShowHelp(); });
    AddScreenKey(this, QKeySequence(Qt::Key_Left), [this] { MoveToPrevious(); });
    AddScreenKey(this, QKeySequence(Qt::Key_Right), [this] { MoveToNext(); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_screen = new ScreenWidget(this);
    // Taps reach the dialog, which repaints.
    m_screen->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(m_screen);
    m_bar = new CCommandBar(this);
    m_bar->AddTools(kToolbarId,
                    {{kCmdCycleBarPrevious, tr("Previous")},
                     {kCmdCycleBarNext, tr("Next")},
                     {kCmdCycleBarHelp, tr("Help")}},
                    QSize(10, 16));
    m_bar->AddStretch();
    connect(m_bar, &CCommandBar::commandTriggered, this, &CCycleBar::OnCommand);
    layout->addWidget(m_bar);

    // The skin's background is decoded once; each drawing starts from it.
    {
        ScopedTarget target(Screen().GetBuffer());
        m_hasBackground =
            DrawSkinBackground(m_background, SkinnedScreen::CycleBar, AppSettings.Skin);
    }
    LoadDays();
    const LocalTime now = Clock::Now().Local();
    SetStart(now.year, now.month, 1);
}

CCycleBar::~CCycleBar() = default;

ScreenBuffer& CCycleBar::Screen() {
    return m_screen->Screen();
}

int CCycleBar::RowYear(int row) const {
    return row == 0 ? m_year - 1 : (row <= 12 ? m_year : m_year + 1);
}

int CCycleBar::RowMonth(int row) {
    return row == 0 ? 12 : (row <= 12 ? row : row - 12);
}

int CCycleBar::RowLength(int row) const {
    // February has its real length in the row's own year, so 29 February is a day like any.
    return DaysInMonth(RowYear(row), RowMonth(row));
}

long long CCycleBar::DayNumber(Cell c) const {
    return velmora::DayNumber(RowYear(c.row), RowMonth(c.row), c.col + 1);
}

bool CCycleBar::CellOf(long long day, Cell& cell) const {
    const CivilDate d = CivilFromDays(day);
    const int month = static_cast<int>(d.month);
    if (d.year == m_year - 1 && month == 12) {
        cell = {0, static_cast<int>(d.day) - 1};
    } else if (d.year == m_year) {
        cell = {month, static_cast<int>(d.day) - 1};
    } else if (d.year == m_year + 1 && month <= 3) {
        cell = {12 + month, static_cast<int>(d.day) - 1};
    } else {
        return false;
    }
    return true;
}

CCycleBar::Cell CCycleBar::Forward(Cell c) const {
    if (c.col + 1 >= RowLength(c.row)) {
        return {c.row + 1, 0};
    }
    return {c.row, c.col + 1};
}

CCycleBar::Cell CCycleBar::Back(Cell c) const {
    if (c.col > 0) {
        return {c.row, c.col - 1};
    }
    if (c.row == 0) {
        return c;  // the grid's first day has no day before it
    }
    return {c.row - 1, RowLength(c.row - 1) - 1};
}

bool CCycleBar::Marked(int row, int col) const {
    if (row < 0 || row >= kRows || col < 0 || col >= kColumns) {
        return false;
    }
    return m_days[static_cast<size_t>(row)][static_cast<size_t>(col)] != 0;
}

QString CCycleBar::DateText(long long day) const {
    const CivilDate d = CivilFromDays(day);
    return QStringLiteral("%1, %2 %3")
        .arg(TrName(MonthAbbrevs[d.month - 1]))
        .arg(static_cast<int>(d.day))
        .arg(static_cast<int>(d.year));
}

void CCycleBar::LoadDays() {
    m_menstruation.clear();
    CVelmoraMFCDoc scan;
    scan.ForEachDay([this](CVelmoraMFCDoc& day) {
        if (IsMenstruation(day.m_fluid)) {
            m_menstruation.insert(CivilOf(day.m_date));
        }
        return true;
    });
    // The engine's last start and its three predicted ones, each with the average bleeding.
    // An engine that saw no menstruation in its window predicts from a placeholder date;
    // those periods are nobody's and are left out.
    CycleInfo info;
    info.Analyze();
    if (info.m_windowEnd.GetTime() == 0 || info.m_start[0] < info.m_windowStart) {
        return;
    }
    const int days = std::clamp(info.m_avgMenses, 0, kColumns);
    for (const CTime start : info.m_start) {
        const long long first = CivilOf(start);
        for (int k = 0; k < days; ++k) {
            m_menstruation.insert(first + k);
        }
    }
}

void CCycleBar::FillGrid(int year) {
    m_year = year;
    for (auto& row : m_days) {
        row.fill(0);
    }
    Cell cell;
    const long long first = velmora::DayNumber(year - 1, 12, 1);
    const long long last = velmora::DayNumber(year + 1, 3, 31);
    for (auto it = m_menstruation.lower_bound(first); it != m_menstruation.end() && *it <= last;
         ++it) {
        if (CellOf(*it, cell)) {
            m_days[static_cast<size_t>(cell.row)][static_cast<size_t>(cell.col)] = 1;
        }
    }
}

void CCycleBar::SetStart(int year, int month, int day) {
    month = std::clamp(month, 1, 12);
    day = std::clamp(day, 1, DaysInMonth(year, month));
    FillGrid(year);
    m_anchor = {month, day - 1};
    Redraw();
}

void CCycleBar::Redraw() {
    struct DrawnCell {
        int position;
        int picture;
    };
    struct Text {
        QRect rect;
        QString text;
    };
    std::vector<DrawnCell> cells;
    std::vector<Text> texts;
    std::vector<Rect> shown;  // buffer rectangles copied to the window once the cells are in
    m_labels.clear();

    auto labelAt = [&](int position, int top, int bottom, const QString& text) {
        texts.push_back({QRect(kLabelLeft, top, kLabelRight - kLabelLeft, bottom - top), text});
        m_labels.push_back({position, text});
    };
    auto label = [&](int position, const QString& text) {
        labelAt(position, 10 + 8 * (position - 1), 25 + 8 * (position - 1), text);
    };
    auto cell = [&](int position, int picture) {
        if (position - 1 >= 0 && position - 1 <= 30) {
            cells.push_back({position, picture});
        }
    };

    // Where the cycle begins: the first day of the bleeding at the anchor, or the first
    // menstruation day within forty days after it.
    Cell pos = m_anchor;
    bool found = true;
    m_searchSteps = 0;
    if (Marked(pos.row, pos.col)) {
        Cell at = pos;
        while (true) {
            if (at.row == 0 && at.col == 0) {
                at = m_anchor;  // the bleeding began before the grid: keep the anchor
                break;
            }
            const Cell before = Back(at);
            if (!Marked(before.row, before.col)) {
                break;
            }
            at = before;
        }
        pos = at;
    } else {
        found = false;
        for (Cell at = pos; at.row < kRows; at = Forward(at)) {
            if (++m_searchSteps > kSearchDays) {
                break;
            }
            if (Marked(at.row, at.col)) {
                pos = at;
                found = true;
                break;
            }
        }
    }

    if (!found) {
        // Nothing within forty days, or the grid ended first.
        label(1, tr("There is not enough information!"));
    } else {
        m_anchor = pos;
        const long long start = DayNumber(pos);
        label(1, tr("Start Menstruation (%1)").arg(DateText(start)));
        int i = 0;
        while (Marked(pos.row, pos.col)) {
            cell(++i, kPicMarker1);
            pos = Forward(pos);
        }
        const int bleeding = i;
        if (bleeding > 2) {
            label(bleeding, tr("End Menstruation (%1)").arg(DateText(start + bleeding - 1)));
        }
        int others = 0;
        while (!Marked(pos.row, pos.col) && others < kSearchDays && pos.row < kRows) {
            ++others;
            cell(++i, kPicMarker3);
            pos = Forward(pos);
        }
        const int length = i;
        if (others == kSearchDays) {
            shown.push_back(kColumn);  // no next bleeding within forty days: no end to show
        } else if (pos.row >= kRows) {
            // The grid ended before the next bleeding: only the bleeding is shown.
            shown.push_back({kColumn.left, kColumn.top, kColumn.right,
                             std::min(22 + 8 * (bleeding - 1), kColumn.bottom)});
        } else {
            const int top = length - 1 > 30 ? 250 : 10 + 8 * (length - 1);
            const int bottom = length - 1 > 30 ? 265 : 25 + 8 * (length - 1);
            if (length < AppSettings.CycleLength / 2) {
                labelAt(length, top, bottom, tr("This is an abnormal cycle!"));
            } else {
                const long long next = DayNumber(pos);
                labelAt(length, top, bottom, tr("End Cycle (%1)").arg(DateText(next)));
                // The six fertile days begin 17 days before the next bleeding. Position p
                // stands for day start + p - 1, so they are positions length-16 to
                // length-11, and each label stands by the cell of the date it names.
                const long long fertile = next - 17;
                const int first = length - 16;
                label(first, tr("Start Ovulation (%1)").arg(DateText(fertile)));
                for (int k = 0; k < 6; ++k) {
                    cell(first + k, kPicMarker2);
                }
                label(first + 5, tr("End Ovulation (%1)").arg(DateText(fertile + 5)));
                shown.push_back(kColumn);
            }
        }
    }

    // The background goes to the window first, the labels onto the window, then the cells
    // into the buffer, of which only the column parts named above are shown.
    ScreenBuffer& screen = Screen();
    ScopedTarget target(screen.GetBuffer());
    if (m_hasBackground) {
        m_background.Draw(0, 0);
    } else {
        screen.GetBuffer()->Fill(kWhite);
    }
    screen.CopyToWindow();
    {
        // One-bit glyphs land garbled when drawn straight onto a 16-bit surface: the labels
        // go onto a clear layer first, and the layer onto the window.
        QImage layer = screen.TextLayer();
        {
            QPainter p(&layer);
            p.setFont(ScreenFont(10, {.crisp = true}));
            p.setPen(Qt::black);
            for (const Text& t : texts) {
                DrawScreenText(p, t.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                               t.text);
            }
        }
        screen.WindowDC()->painter.drawImage(0, 0, layer);
    }
    // What a screen reader says of the column: the dates its labels name, top to bottom.
    QStringList spoken;
    for (const Text& t : texts) {
        spoken << t.text;
    }
    m_screen->setAccessibleName(windowTitle());
    m_screen->setAccessibleDescription(spoken.join(QStringLiteral("; ")));
    CFastBitmap pictures[3];
    for (const DrawnCell& c : cells) {
        CFastBitmap& picture = pictures[c.picture - kPicMarker1];
        if (!picture.Surface()) {
            picture.Load(c.picture, 14, 8);
        }
        picture.Draw(kCellLeft, CellTop(c.position));
    }
    for (CFastBitmap& picture : pictures) {
        picture.Release();
    }
    if (shown.empty()) {
        screen.Update();
    } else {
        screen.PresentRects(shown.data(), static_cast<uint16_t>(shown.size()));
    }
}

bool CCycleBar::BeginsBleeding(long long day) const {
    return m_menstruation.contains(day) && !m_menstruation.contains(day - 1);
}

void CCycleBar::MoveToPrevious() {
    // The latest bleeding that begins before the shown cycle.
    const auto before = std::make_reverse_iterator(m_menstruation.lower_bound(DayNumber(m_anchor)));
    const auto start = std::find_if(before, m_menstruation.rend(),
                                    [this](long long day) { return BeginsBleeding(day); });
    if (start == m_menstruation.rend()) {
        return;
    }
    const CivilDate d = CivilFromDays(*start);
    const int year = static_cast<int>(d.year);
    const int month = static_cast<int>(d.month);
    if (year < m_year) {
        FillGrid(year);
        m_anchor = {month, static_cast<int>(d.day) - 1};
    } else if (year == m_year) {
        m_anchor = {month, static_cast<int>(d.day) - 1};
    } else {
        m_anchor = {month + 12, static_cast<int>(d.day) - 1};
    }
    Redraw();
}

void CCycleBar::MoveToNext() {
    const int thisYear = Clock::Now().GetYear();
    // The current year's grid reaches March of the next year, and there the steps stop.
    if (m_year >= thisYear && m_anchor.row == kRows - 1) {
        return;
    }
    // The first bleeding that begins after the shown cycle's start.
    const auto start = std::find_if(m_menstruation.upper_bound(DayNumber(m_anchor)),
                                    m_menstruation.end(),
                                    [this](long long day) { return BeginsBleeding(day); });
    if (start == m_menstruation.end()) {
        return;
    }
    const CivilDate d = CivilFromDays(*start);
    const int year = static_cast<int>(d.year);
    const int month = static_cast<int>(d.month);
    const int col = static_cast<int>(d.day) - 1;
    if (year == m_year) {
        m_anchor = {month, col};
    } else if (year <= thisYear) {
        // A past year gives way to the year of the next cycle.
        FillGrid(year);
        m_anchor = {month, col};
    } else if (year == thisYear + 1 && month <= 3) {
        // Early next year is shown in the current year's grid.
        if (m_year != thisYear) {
            FillGrid(thisYear);
        }
        m_anchor = {12 + month, col};
    } else {
        return;
    }
    Redraw();
}

void CCycleBar::ShowHelp() {
    // The help browser shows "Help" while it is open and gives the title back by screen.
    OpenHelp(m_frame, kHelpScreenCode, kHelpPage);
}

void CCycleBar::OnCommand(int command) {
    switch (command) {
        case kCmdCycleBarPrevious:
            MoveToPrevious();
            break;
        case kCmdCycleBarNext:
            MoveToNext();
            break;
        case kCmdCycleBarHelp:
            ShowHelp();
            break;
        default:
            break;
    }
}

int RunCycleBar(IMainFrame* frame, QWidget* parent, int year, int month, int day,
                const QString& returnTitle) {
    const QString shown = ScreenTitle(title::kCycleBar);
    if (frame) {
        frame->SetTitle(shown);
    }
    if (!parent && frame) {
        parent = frame->Window();
    }
    CCycleBar bar(frame, parent);
    bar.SetReturnTitle(returnTitle);
    bar.SetStart(year, month, day);
    return RunModal(bar, frame, shown);
}

}  // namespace velmora
