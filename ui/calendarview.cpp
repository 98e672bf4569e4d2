#include "ui/calendarview.h"

#include <QAccessible>
#include <QDate>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "cycle/cycleinfo.h"
#include "gfx/bitmapfont.h"
#include "gfx/pictures.h"
#include "platform/calendar.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "reminders/sharedstate.h"
#include "store/names.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "ui/calendaraccess.h"
#include "ui/kit/language.h"
#include "ui/kit/mainframe.h"
#include "ui/kit/titles.h"

namespace velmora {

CVelmoraMFCView::CVelmoraMFCView(CVelmoraMFCDoc& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc) {
    setFixedSize(kScreenWidth, kScreenHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

CVelmoraMFCView::~CVelmoraMFCView() = default;

CalendarMonth CVelmoraMFCView::ShownMonth() const {
    CalendarMonth shown;
    shown.month = SelectedMonth();
    shown.year = SelectedYear();
    shown.mondayFirst = AppSettings.WeekStarts != 0;
    const LocalTime now = Clock::Now().Local();
    shown.today = now.month == shown.month && now.year == shown.year ? now.day : 0;
    return shown;
}

void CVelmoraMFCView::OnInitialUpdate(int splashMs) {
    InstallCalendarAccessibility();
    TheCycleInfo.Analyze();
    ClearMonthModel(m_marks);
    LoadMonthModel(m_marks, m_doc, SelectedMonth(), SelectedYear(), TheCycleInfo);
    if (window()) {
        window()->activateWindow();
    }
    m_screen = std::make_unique<ScreenBuffer>(this);
    if (!m_screen->IsValid()) {
        ShowMessageBox(QT_TRANSLATE_NOOP("Message", "Can not initialize graphic buffer!"));
    }
    // The start picture, shown while the program settles; the calendar follows by timer.
    {
        ScopedTarget target(m_screen->GetBuffer());
        CFastBitmap splash;
        splash.Load(kPicStart, kScreenWidth, kScreenHeight);
        splash.Draw(0, 0);
        splash.Release();
    }
    m_screen->Present();
    m_splash = true;
    QTimer::singleShot(std::max(splashMs, 0), this, [this] { FinishStart(); });
}

void CVelmoraMFCView::FinishStart() {
    m_splash = false;
    m_started = true;
    const CalendarMonth shown = ShownMonth();
    m_cursor = shown.today > 0 ? shown.today : 1;
    setFocus();
    if (m_frame) {
        m_frame->ShowCommandBar(true);
        m_frame->SetTitle(ScreenTitle(title::kCalendarView));
    }
    update();
}

void CVelmoraMFCView::DrawMonth() {
    if (m_screen && m_screen->IsValid()) {
        m_layout = DrawCalendarMonth(*m_screen->GetBuffer(), m_marks, ShownMonth(), m_pictures);
    }
}

void CVelmoraMFCView::paintEvent(QPaintEvent*) {
    if (m_screen) {
        m_screen->FollowWindowScale();
    }
    if (m_screen && !m_splash && m_started) {
        DrawMonth();
        // Straight into the window surface: this is the paint that shows it.
        m_screen->CopyToWindow();
    }
    QPainter p(this);
    if (m_screen) {
        m_screen->Paint(p);
    } else {
        p.fillRect(rect(), Qt::white);
    }
    // The keyboard's cursor, while the calendar has the keyboard: a frame inside the cell.
    if (m_started && !m_splash && CursorShown()) {
        const Rect c = CalendarCellOf(m_cursor, ShownMonth());
        const QColor ink(38, 38, 150);
        const int w = c.right - c.left, h = c.bottom - c.top;
        p.fillRect(c.left, c.top, w, 2, ink);
        p.fillRect(c.left, c.bottom - 2, w, 2, ink);
        p.fillRect(c.left, c.top, 2, h, ink);
        p.fillRect(c.right - 2, c.top, 2, h, ink);
    }
    if (m_started && !m_firstFrame) {
        m_firstFrame = true;
        QTimer::singleShot(0, this, [this] { emit firstFramePainted(); });
    }
}

int CVelmoraMFCView::DayAt(int x, int y) const {
    return CalendarDayAt(x, y, ShownMonth(), m_layout);
}

bool CVelmoraMFCView::Tap(int x, int y) {
    if (!m_started) {
        return false;
    }
    const int d = DayAt(x, y);
    if (d == 0) {
        return false;
    }
    m_cursor = d;
    return OpenDay(d);
}

bool CVelmoraMFCView::OpenDay(int d) {
    if (!m_started || d < 1 || d > DaysInMonth(SelectedYear(), SelectedMonth())) {
        return false;
    }
    m_doc.OpenDay(SelectedYear(), SelectedMonth(), d);
    PlayInterfaceSound(kWaveCalendarTap);
    if (m_frame) {
        m_frame->SetTitle(ScreenTitle(title::kDayView));
    }
    emit dayViewRequested(m_doc, m_frame);
    if (m_frame) {
        m_frame->SetTitle(ScreenTitle(title::kCalendarView));
    }
    Reanalyze();
    return true;
}

void CVelmoraMFCView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_cursorShown = false;
        update();
        const QPoint p = event->position().toPoint();
        Tap(p.x(), p.y());
    }
    QWidget::mousePressEvent(event);
}

bool CVelmoraMFCView::OnCommand(int command) {
    const int m = SelectedMonth() - 1;
    const int y = SelectedYear() - FirstYear();
    const int lastY = YearCount() - 1;
    switch (command) {
        case kCmdPreviousMonth:
            if (m > 0) {
                SelectMonth(m, SelectedYear());
            } else if (y == 0) {
                ShowMessageBox(QT_TRANSLATE_NOOP(
                    "Message", "Data for years prior to 1995 can not be entered!"));
                return true;
            } else {
                SelectMonth(12, SelectedYear() - 1);
            }
            Reload();
            return true;
        case kCmdNextMonth:
            if (m < 11) {
                SelectMonth(m + 2, SelectedYear());
            } else if (y >= lastY) {
                ShowMessageBox(QT_TRANSLATE_NOOP(
                    "Message",
                    "At present it is not allowed to enter data for the forthcoming years!"));
                return true;
            } else {
                SelectMonth(1, SelectedYear() + 1);
            }
            Reload();
            return true;
        case kCmdGoToToday: {
            const LocalTime now = Clock::Now().Local();
            SelectMonth(now.month, now.year);
            Reload();
            return true;
        }
        default:
            return false;
    }
}

void CVelmoraMFCView::OnSelectionChanged() {
    Reload();
}

void CVelmoraMFCView::keyPressEvent(QKeyEvent* event) {
    if (!m_started || m_splash) {
        QWidget::keyPressEvent(event);
        return;
    }
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
        case Qt::Key_Left:
            MoveCursor(-1);
            break;
        case Qt::Key_Right:
            MoveCursor(1);
            break;
        case Qt::Key_Up:
            MoveCursor(-7);
            break;
        case Qt::Key_Down:
            MoveCursor(7);
            break;
        case Qt::Key_PageUp:
            if (ctrl) {
                ShowMonth(SelectedMonth(), SelectedYear() - 1, m_cursor);
            } else {
                OnCommand(kCmdPreviousMonth);
            }
            break;
        case Qt::Key_PageDown:
            if (ctrl) {
                ShowMonth(SelectedMonth(), SelectedYear() + 1, m_cursor);
            } else {
                OnCommand(kCmdNextMonth);
            }
            break;
        case Qt::Key_Home:
            OnCommand(kCmdGoToToday);
            m_cursor = Clock::Now().Local().day;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            OpenDay(m_cursor);
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    m_cursorShown = true;
    CursorChanged();
}

void CVelmoraMFCView::MoveCursor(int days) {
    const int day = m_cursor + days;
    const int month = SelectedMonth();
    const int year = SelectedYear();
    const int length = DaysInMonth(year, month);
    if (day >= 1 && day <= length) {
        m_cursor = day;
        return;
    }
    if (day < 1) {
        const int before = month == 1 ? 12 : month - 1;
        const int beforeYear = month == 1 ? year - 1 : year;
        ShowMonth(before, beforeYear, day + DaysInMonth(beforeYear, before));
    } else {
        ShowMonth(month == 12 ? 1 : month + 1, month == 12 ? year + 1 : year, day - length);
    }
}

void CVelmoraMFCView::ShowMonth(int month, int year, int day) {
    // The years the lists offer; past them, what the month buttons say there.
    if (year < FirstYear()) {
        ShowMessageBox(
            QT_TRANSLATE_NOOP("Message", "Data for years prior to 1995 can not be entered!"));
        return;
    }
    if (year > LastYear()) {
        ShowMessageBox(QT_TRANSLATE_NOOP(
            "Message", "At present it is not allowed to enter data for the forthcoming years!"));
        return;
    }
    m_cursor = std::clamp(day, 1, DaysInMonth(year, month));
    SelectMonth(month, year);
    Reload();
}

void CVelmoraMFCView::CursorChanged() {
    update();
    // Told as a move of the focus to the cursor's day.
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(m_cursor - 1);
        QAccessible::updateAccessibility(&focus);
    }
}

QString CVelmoraMFCView::DescribeDay(int day) const {
    const QLocale locale(CurrentLanguage() == UiLanguage::Russian ? QLocale::Russian
                                                                  : QLocale::English);
    QString text =
        locale.toString(QDate(SelectedYear(), SelectedMonth(), day), QStringLiteral("d MMMM yyyy"));
    if (day < 1 || day > kDayMarkCount) {
        return text;
    }
    const DayMark& mark = m_marks[static_cast<size_t>(day - 1)];
    QStringList parts;
    if (ShownMonth().today == day) {
        parts << tr("today");
    }
    switch (GetFlowClass(mark)) {
        case kFlowLight:
            parts << tr("light flow");
            break;
        case kFlowNormal:
            parts << tr("normal flow");
            break;
        case kFlowHeavy:
            parts << tr("heavy flow");
            break;
        case kFlowSpotting:
            parts << tr("spotting");
            break;
        case kFlowPredicted:
            parts << tr("expected period");
            break;
        default:
            break;
    }
    if (mark.cycle & kCycleFertile) {
        parts << tr("fertile day");
    }
    const std::pair<uint8_t, const char*> events[] = {
        {kEventAlarm, QT_TR_NOOP("alarm")},   {kEventSport, QT_TR_NOOP("sport")},
        {kEventSex, QT_TR_NOOP("sex")},       {kEventBloating, QT_TR_NOOP("bloating")},
        {kEventDoctor, QT_TR_NOOP("doctor")}, {kEventProtection, QT_TR_NOOP("protection")},
        {kEventPms, QT_TR_NOOP("PMS")},       {kEventCramps, QT_TR_NOOP("cramps")}};
    for (const auto& [bit, word] : events) {
        if (mark.events & bit) {
            parts << tr(word);
        }
    }
    const std::pair<uint16_t, const char*> cycle[] = {{kCycleAche, QT_TR_NOOP("ache")},
                                                      {kCycleNote, QT_TR_NOOP("note")},
                                                      {kCycleDiary, QT_TR_NOOP("diary")}};
    for (const auto& [bit, word] : cycle) {
        if (mark.cycle & bit) {
            parts << tr(word);
        }
    }
    if (!parts.isEmpty()) {
        text += QStringLiteral(": ") + parts.join(QStringLiteral(", "));
    }
    return text;
}

QString CVelmoraMFCView::DescribeMonth() const {
    const QLocale locale(CurrentLanguage() == UiLanguage::Russian ? QLocale::Russian
                                                                  : QLocale::English);
    return tr("Calendar, %1")
        .arg(locale.standaloneMonthName(SelectedMonth()) + QLatin1Char(' ') +
             QString::number(SelectedYear()));
}

void CVelmoraMFCView::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void CVelmoraMFCView::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void CVelmoraMFCView::Reload() {
    m_cursor = std::clamp(m_cursor, 1, DaysInMonth(SelectedYear(), SelectedMonth()));
    ClearMonthModel(m_marks);
    LoadMonthModel(m_marks, m_doc, SelectedMonth(), SelectedYear(), TheCycleInfo);
    // Drawn now as well as at the paint, so a tap that comes first finds this month's days.
    if (m_started) {
        DrawMonth();
    }
    update();
}

void CVelmoraMFCView::Reanalyze() {
    TheCycleInfo.Analyze();
    Reload();
}

}  // namespace velmora
