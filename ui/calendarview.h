#pragma once

#include <QWidget>
#include <memory>

#include "cycle/monthmodel.h"
#include "gfx/screenbuffer.h"
#include "ui/calendarpainter.h"

class QTimer;

namespace velmora {

class CVelmoraMFCDoc;
class IMainFrame;

// Commands of the calendar's own.
enum CalendarCommand : int {
    kCmdPreviousMonth = 32786,
    kCmdNextMonth = 32787,
    kCmdGoToToday = 32781,
    kCmdCalendarHelp = 32795,
};

// The program's main screen: the month calendar over the main window's 240 x 268 area.
class CVelmoraMFCView : public QWidget {
    Q_OBJECT

public:
    CVelmoraMFCView(CVelmoraMFCDoc& doc, QWidget* parent = nullptr);
    ~CVelmoraMFCView() override;

    // The main window announces itself; title changes go through it.
    void AttachFrame(IMainFrame* frame) { m_frame = frame; }
    IMainFrame* Frame() const { return m_frame; }

    // The first update: analyse the diary, load the month, show the start picture for
    // `splashMs` milliseconds (by a timer), then show the command bar and the month.
    void OnInitialUpdate(int splashMs);
    bool IsStarted() const { return m_started; }

    // Previous and next month, "Go To Today"; false for a command that is not the view's.
    bool OnCommand(int command);
    // The month or year list changed.
    void OnSelectionChanged();
    // Clears and reloads the month model, then repaints (after screens changed days).
    void Reload();
    // Analyses the diary again, then reloads (after screens that change day records).
    void Reanalyze();

    // A tap at (x, y) of the calendar area; true when it opened a day.
    bool Tap(int x, int y);
    // Opens day `day` of the shown month in the Day View, as a tap on it does.
    bool OpenDay(int day);

    // The keyboard's day cursor: a day of the shown month (today's at first). It shows from
    // the first key that moves it, while the calendar has the keyboard, until a tap.
    int CursorDay() const { return m_cursor; }
    bool CursorShown() const { return m_cursorShown && hasFocus(); }

    // For assistive technology: day `day` of the shown month in words, its date and what
    // it holds ("6 December 2026: normal flow, note, alarm"), and the month.
    QString DescribeDay(int day) const;
    QString DescribeMonth() const;

    // The day a tap selects: 0 for none.
    int DayAt(int x, int y) const;

    // Draws the selected month into the buffer and shows it.
    void DrawMonth();

    const DayMarks& Marks() const { return m_marks; }
    const MonthLayout& Layout() const { return m_layout; }
    // The month in the command bar, with the settings and the clock as they are now.
    CalendarMonth ShownMonth() const;
    ScreenBuffer& Screen() { return *m_screen; }
    CVelmoraMFCDoc& Document() { return m_doc; }

signals:
    // A tap opened a day in the document: the program runs its Day View now, with the main
    // window titled for it; the calendar analyses and reloads the month afterwards.
    void dayViewRequested(CVelmoraMFCDoc& doc, IMainFrame* frame);
    // The first month has been painted (once; start-up measurements).
    void firstFramePainted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // Arrows move the day cursor (across month edges), Enter or Space open its day, Page Up
    // and Page Down the month, with Ctrl the year, Home today.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void FinishStart();
    // Moves the cursor `days` days on; a move out of the month shows the month it lands in.
    void MoveCursor(int days);
    // Shows `month` of `year` (within the years the lists offer), the cursor on `day` or the
    // month's last day.
    void ShowMonth(int month, int year, int day);
    void CursorChanged();

    CVelmoraMFCDoc& m_doc;
    IMainFrame* m_frame = nullptr;
    std::unique_ptr<ScreenBuffer> m_screen;
    PictureCache m_pictures;
    DayMarks m_marks{};
    MonthLayout m_layout;
    bool m_splash = false;
    bool m_started = false;
    bool m_firstFrame = false;
    int m_cursor = 1;
    bool m_cursorShown = false;  // from the first key that moves it until a tap
};

}  // namespace velmora
