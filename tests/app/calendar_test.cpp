#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QTest>
#include <QWindow>

#include <sqlite3.h>

#include "platform/backup.h"
#include "platform/datapaths.h"
#include "store/velmoradoc.h"
#include "tests/app/apptest.h"
#include "tests/support/refimage.h"
#include "tests/support/screentest.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/mainframe.h"
#include "ui/kit/zoom.h"

namespace velmora {
namespace {

using test::AppTest;
using test::SaveDay;

class CalendarTest : public AppTest {
protected:
    void Show(int month, int year) {
        SelectMonth(month, year);
        View().Reload();
    }
    // Every tap that opened a day, with the date the Day View was given.
    std::vector<CTime> opened;
    void WatchDayView() {
        // In place of the real Day View.
        QObject::disconnect(&View(), &CVelmoraMFCView::dayViewRequested, nullptr, nullptr);
        QObject::connect(&View(), &CVelmoraMFCView::dayViewRequested, &View(),
                         [this](CVelmoraMFCDoc& doc, IMainFrame* frame) {
                             EXPECT_EQ(frame->Title(), "Day View");
                             opened.push_back(doc.m_date);
                         });
    }
    // Centre of the cell at column c, row r.
    static int CellX(int c) { return 33 * c + 3 + 16; }
    static int CellY(int r) { return 50 * r + 18 + 24; }
};

// A tap finds the day of the cell drawn under it, and only a day opens the Day View.
TEST_F(CalendarTest, TapsHitTheCellsAsDrawn) {
    Start();
    WatchDayView();
    struct Case {
        int month, year, weekStarts;
        int x, y, day;
    };
    const Case cases[] = {
        // 1 December 2026 is a Tuesday: column 1 with Monday first.
        {12, 2026, 1, CellX(0), CellY(0), 0},  // the empty cell before the 1st
        {12, 2026, 1, CellX(1), 8, 1},         // the week header over the 1st
        {12, 2026, 1, 2, CellY(1), 0},         // left of the grid
        {12, 2026, 1, 3, CellY(1), 7},         // the first pixel of the first column
        {12, 2026, 1, 35, CellY(1), 7},        // the last pixel of the first cell
        {12, 2026, 1, 36, CellY(1), 8},        // the first of the second
        {12, 2026, 1, 233, CellY(1), 13},      // the last pixel of the last column
        {12, 2026, 1, 234, CellY(1), 0},       // past the grid
        {12, 2026, 1, CellX(3), CellY(4), 31},
        {12, 2026, 1, CellX(4), CellY(4), 0},  // after the 31st
        {12, 2026, 1, CellX(6), 267, 0},
        // Sunday first. A leap February from Thursday the 1st; one of 28 days from Wednesday.
        {2, 2024, 0, CellX(4), CellY(4), 29},
        {2, 2023, 0, CellX(2), CellY(4), 28},
        {2, 2023, 0, CellX(3), CellY(4), 0},
        // October 2022 from Saturday the 1st: its sixth week wraps into the first row.
        {10, 2022, 0, CellX(0), CellY(0), 30},
        {10, 2022, 0, CellX(1), CellY(0), 31},
        {10, 2022, 0, CellX(2), CellY(0), 0},  // no 32nd
        {10, 2022, 0, CellX(6), CellY(0), 1},
        // February 2026 from Sunday the 1st, with Monday first and Sunday first.
        {2, 2026, 1, CellX(6), CellY(0), 1},
        {2, 2026, 1, CellX(0), CellY(0), 0},
        {2, 2026, 0, CellX(0), CellY(0), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.month << "/" << c.year << " at " << c.x << "," << c.y);
        AppSettings.WeekStarts = c.weekStarts;
        Show(c.month, c.year);
        EXPECT_EQ(View().DayAt(c.x, c.y), c.day);
        opened.clear();
        EXPECT_EQ(View().Tap(c.x, c.y), c.day != 0);
        EXPECT_EQ(opened, c.day == 0 ? std::vector<CTime>{}
                                     : std::vector<CTime>{CTime(c.year, c.month, c.day, 12, 0, 0)});
        EXPECT_EQ(Frame().Title(), "Calendar View");
    }
}

// The month steps and "Go To Today" stay within the years the lists offer: from 1995 to a year
// after this one, or to 2010 on a clock before 2011, as the handheld's did; a step past
// them says why and stays.
TEST_F(CalendarTest, MonthStepsStopAtTheFirstAndLastYears) {
    const char* early = "Data for years prior to 1995 can not be entered!";
    const char* late = "At present it is not allowed to enter data for the forthcoming years!";
    struct Case {
        int month, year, command, wantMonth, wantYear;
        const char* box;
    };
    const Case cases[] = {
        {1, 1995, kCmdPreviousMonth, 1, 1995, early},
        {1, 1995, kCmdNextMonth, 2, 1995, nullptr},
        {12, 2027, kCmdNextMonth, 12, 2027, late},
        {12, 2026, kCmdNextMonth, 1, 2027, nullptr},
        {1, 2027, kCmdPreviousMonth, 12, 2026, nullptr},
        {3, 2001, kCmdGoToToday, 12, 2026, nullptr},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.command << " from " << c.month << "/" << c.year);
        boxes.Clear();
        Show(c.month, c.year);
        Frame().CommandBar()->Trigger(c.command);
        EXPECT_EQ(std::pair(SelectedMonth(), SelectedYear()), std::pair(c.wantMonth, c.wantYear));
        EXPECT_EQ(boxes.Texts(),
                  c.box ? std::vector<std::string>{c.box} : std::vector<std::string>{});
    }
    app.reset();
    Clock::Pin(CTime(2008, 5, 5, 9, 0, 0));
    Start();
    ASSERT_EQ(YearCombo->count(), 16);
    EXPECT_EQ(YearCombo->itemText(15), "2010");
    boxes.Clear();
    Show(12, 2010);
    Frame().CommandBar()->Trigger(kCmdNextMonth);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{late});
    EXPECT_EQ(SelectedYear(), 2010);
}

// Zoomed, the calendar's pictures and digits are each pixel a 2 x 2 block of the one at 1x,
// and a tap at a device pixel finds the day drawn there.
TEST_F(CalendarTest, ZoomedTheCalendarIsAPixelCopyAndTapsFindTheirDays) {
    Start();
    const QImage calendar1 = View().grab().toImage();
    struct Unzoom {
        ~Unzoom() { ApplyZoom(1); }
    } unzoom;
    ASSERT_TRUE(ApplyZoom(2));
    ASSERT_TRUE(test::PumpUntil([&] { return Frame().isVisible(); }));
    EXPECT_EQ(Frame().size(), QSize(240, 294));
    EXPECT_EQ(Frame().windowHandle()->handle()->geometry().size(), QSize(480, 588));

    const QImage calendar2 = View().grab().toImage();
    ASSERT_EQ(calendar2.size(), calendar1.size() * 2);
    int notCopied = 0;
    for (int y = 0; y < calendar2.height(); ++y) {
        for (int x = 0; x < calendar2.width(); ++x) {
            notCopied += calendar2.pixel(x, y) != calendar1.pixel(x / 2, y / 2);
        }
    }
    EXPECT_EQ(notCopied, 0);

    WatchDayView();
    QWindow* window = Frame().windowHandle();
    const QPoint cell = View().mapTo(&Frame(), QPoint(CellX(3), CellY(2)));
    const QPointF device = QPointF(cell) * 2 + QPointF(1, 1);  // inside the cell's 2 x 2 block
    const QPointF global = device + window->handle()->geometry().topLeft();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
            window, device, global, held, Qt::LeftButton, type);
    }
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], CVelmoraMFCDoc::DayAtNoon(2026, 12, 17));  // Thursday of the third row
}

// The arrows move a visible day cursor and cross month edges; Page Up and Page Down step
// the month, with Ctrl the year (not past the lists' years); Home comes back to today;
// Enter and Space open the cursor's day.
TEST_F(CalendarTest, TheKeyboardMovesADayCursorAcrossMonthsAndOpensItsDay) {
    Start();
    WatchDayView();
    ASSERT_TRUE(View().hasFocus());
    EXPECT_EQ(View().CursorDay(), 6);  // today
    struct Step {
        int key;
        Qt::KeyboardModifiers modifiers;
        int month, year, day;
    };
    const Step steps[] = {
        {Qt::Key_Left, {}, 12, 2026, 5},
        {Qt::Key_Up, {}, 11, 2026, 28},
        {Qt::Key_Down, {}, 12, 2026, 5},
        {Qt::Key_PageDown, {}, 1, 2027, 5},
        {Qt::Key_PageUp, Qt::ControlModifier, 1, 2026, 5},
        {Qt::Key_PageDown, Qt::ControlModifier, 1, 2027, 5},
        {Qt::Key_PageDown, Qt::ControlModifier, 1, 2027, 5},  // the last year: told so
        {Qt::Key_Home, {}, 12, 2026, 6},
        {Qt::Key_Up, {}, 11, 2026, 29},
        {Qt::Key_Right, {}, 11, 2026, 30},
        {Qt::Key_Right, {}, 12, 2026, 1},
        {Qt::Key_Left, {}, 11, 2026, 30},
        {Qt::Key_PageUp, {}, 10, 2026, 30},
        {Qt::Key_Down, {}, 11, 2026, 6}};
    for (const Step& step : steps) {
        QTest::keyClick(&View(), static_cast<Qt::Key>(step.key), step.modifiers);
        EXPECT_EQ(std::tuple(SelectedMonth(), SelectedYear(), View().CursorDay()),
                  std::tuple(step.month, step.year, step.day))
            << "after key " << std::hex << step.key;
    }
    EXPECT_EQ(boxes.Count(), 1u);
    // The cursor is drawn: a frame inside its cell.
    ASSERT_TRUE(View().CursorShown());
    const QImage shown = View().grab().toImage();
    const Rect cell = CalendarCellOf(6, View().ShownMonth());
    EXPECT_EQ(shown.pixel(cell.left, cell.top) & 0xFFFFFF, qRgb(38, 38, 150) & 0xFFFFFF);
    QTest::keyClick(&View(), Qt::Key_Return);
    QTest::keyClick(&View(), Qt::Key_Right);
    QTest::keyClick(&View(), Qt::Key_Space);
    EXPECT_EQ(opened, (std::vector<CTime>{CVelmoraMFCDoc::DayAtNoon(2026, 11, 6),
                                          CVelmoraMFCDoc::DayAtNoon(2026, 11, 7)}));
}

int FileFormatOf(const std::string& path) {
    sqlite3* db = nullptr;
    int version = -1;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &s, nullptr) == SQLITE_OK &&
            sqlite3_step(s) == SQLITE_ROW) {
            version = sqlite3_column_int(s, 0);
        }
        sqlite3_finalize(s);
    }
    sqlite3_close(db);
    return version;
}

// Assistive technology hears the month, each day with its date and marks, the keyboard's day
// as the focus (and its moves).
TEST_F(CalendarTest, ScreenReadersHearTheDaysAndTheCursor) {
    SaveDay(2026, 12, 2, [](CVelmoraMFCDoc& d) {
        d.m_fluid = 2;
        d.m_note = u"Headache";
    });
    Start();
    // As when a screen reader runs: the platform's accessibility on.
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    ASSERT_NE(platform, nullptr);
    platform->setActive(true);
    static std::vector<int> focused;
    focused.clear();
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->type() == QAccessible::Focus) {
            focused.push_back(event->child());
        }
    });
    QAccessibleInterface* calendar = QAccessible::queryAccessibleInterface(&View());
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->text(QAccessible::Name), "Calendar, December 2026");
    ASSERT_EQ(calendar->childCount(), 31);
    EXPECT_EQ(calendar->child(1)->text(QAccessible::Name), "2 December 2026: normal flow, note");
    EXPECT_TRUE(calendar->child(5)->text(QAccessible::Name).startsWith("6 December 2026: today"));
    QTest::keyClick(&View(), Qt::Key_Right);
    EXPECT_EQ(focused, std::vector<int>{6});
    ASSERT_NE(calendar->focusChild(), nullptr);
    EXPECT_TRUE(calendar->focusChild()->text(QAccessible::Name).startsWith("7 December 2026"));
    EXPECT_TRUE(calendar->focusChild()->state().focused);
    QAccessible::installUpdateHandler(nullptr);
    platform->setActive(false);
}

// A diary of the first file format, written by the program before its store had indexes
// (app/data/diary-v1.sqlite: two hundred demo days up to 6 December 2026), opens, is kept as
// a before-migration backup, is upgraded, and shows the very calendar that program drew
// from it (app/data/diary-v1-calendar.png).
TEST_F(CalendarTest, ADiaryOfTheFirstFileFormatIsUpgradedAndShowsTheSameCalendar) {
    const std::string store = DataPaths::StoreFile();
    ASSERT_TRUE(DataPaths::EnsurePrivateDir(DataPaths::DataDir()));
    test::WriteFileBytes(store, test::ReadFileBytes(VELMORA_TEST_DATA_DIR "/diary-v1.sqlite"));
    ASSERT_EQ(FileFormatOf(store), 1);
    Start();
    test::ExpectMatchesReference(View().grab().toImage(), "app/data/diary-v1-calendar.png");
    EXPECT_EQ(FileFormatOf(store), kStoreSchemaVersion);
    const QStringList kept = QDir(QString::fromStdString(BackupDir()))
                                 .entryList({"before-migration-*.sqlite"}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(FileFormatOf(BackupDir() + "/" + kept[0].toStdString()), 1);
}

}  // namespace
}  // namespace velmora
