#include "ui/calendarview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

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
#include "ui/kit/mainframe.h"
#include "ui/kit/titles.h"

namespace velmora {

CVelmoraMFCView::CVelmoraMFCView(CVelmoraMFCDoc& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc) {
    setFixedSize(kScreenWidth, kScreenHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
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

void CVelmoraMFCView::Reload() {
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
