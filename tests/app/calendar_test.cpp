#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

#include <QAccessible>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <set>

#include <sqlite3.h>

#include "app/aboutdlg.h"
#include "gfx/pictures.h"
#include "gfx/screenbuffer.h"
#include "platform/backup.h"
#include "platform/datapaths.h"
#include "platform/objectstore.h"
#include "reports/chartbase.h"
#include "store/velmoradoc.h"
#include "tests/app/apptest.h"
#include "tests/support/refimage.h"
#include "tests/support/screentest.h"
#include "tools/demo/demodiary.h"
#include "ui/addnotedlg.h"
#include "ui/dayviewdlg.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/language.h"
#include "ui/kit/mainframe.h"
#include "ui/kit/zoom.h"
#include "ui/settingsdlg.h"

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

TEST_F(CalendarTest, StartsOnThisMonthWithoutAStoreAndCreatesNone) {
    Start();
    EXPECT_EQ(Frame().Title(), "Calendar View");
    EXPECT_TRUE(Frame().CommandBar()->isVisible());
    EXPECT_EQ(SelectedMonth(), 12);
    EXPECT_EQ(SelectedYear(), 2026);
    ASSERT_EQ(YearCombo->count(), 2027 - 1995 + 1);
    EXPECT_EQ(YearCombo->itemText(0), "1995");
    EXPECT_EQ(YearCombo->itemText(YearCombo->count() - 1), "2027");
    EXPECT_EQ(MonthCombo->itemText(0), "Jan");
    EXPECT_FALSE(test::FileExists(DataPaths::StoreFile()));
    EXPECT_EQ(boxes.Count(), 0u);
}

// A month as drawn, against its reference picture in app/data (cropped to the rows the case
// is about): the week's header for the first day of the week, the days in their columns
// (a sixth week wrapped into the first row), today boxed in its own month only, a stored
// period in its cells with its flow icon and the next one predicted, and each icon in its
// slot with the note and diary entry in the free ones.
struct MonthPicture {
    const char* name;
    void (*fill)();  // the days stored before the start
    int month, year, weekStarts;
    QRect area;
};

void PrintTo(const MonthPicture& c, std::ostream* out) {
    *out << c.name;
}

const QRect kFirstRow(0, 0, 240, 68);

const MonthPicture kMonthPictures[] = {
    // 6 December 2026, a Sunday, is today: the last column of the first row.
    {"calendar-2026-12-today", nullptr, 12, 2026, 1, kFirstRow},
    {"calendar-2025-12-no-today", nullptr, 12, 2025, 1, kFirstRow},
    // 1 February 2026 is a Sunday: the last column with Monday first, the first without.
    {"calendar-2026-02-monday-first", nullptr, 2, 2026, 1, kFirstRow},
    {"calendar-2026-02-sunday-first", nullptr, 2, 2026, 0, kFirstRow},
    // 1 October 2022 is a Saturday: the 30th and 31st stand in the first row.
    {"calendar-2022-10-wrapped", nullptr, 10, 2022, 0, kFirstRow},
    // A period from Sunday 1 November; the next predicted 28 days on, on the 29th.
    {"calendar-2026-11-period",
     [] {
         for (int d = 1; d <= 5; ++d) {
             SaveDay(2026, 11, d, [](CVelmoraMFCDoc& doc) { doc.m_fluid = 2; });
         }
     },
     11, 2026, 1, QRect(0, 0, 240, 268)},
    // Monday the 14th has every icon, and its note and diary entry find no free slot; the
    // 15th has sport in its slot 2, the note in slot 1 and the diary entry in slot 3.
    {"calendar-2026-12-icons",
     [] {
         SaveDay(2026, 12, 14, [](CVelmoraMFCDoc& d) {
             d.m_fluid = 3;
             d.m_alarm = d.m_sport = d.m_sex = d.m_bloating = d.m_doctor = true;
             d.m_ache = d.m_protection = d.m_pms = d.m_cramps = true;
             d.m_alarmType[0] = 1;
             d.m_note = u"full";
             d.m_diaryType[0] = 2;
         });
         SaveDay(2026, 12, 15, [](CVelmoraMFCDoc& d) {
             d.m_sport = true;
             d.m_note = u"note";
             d.m_diaryType[1] = 3;
         });
     },
     12, 2026, 1, QRect(0, 100, 240, 50)},
};

class MonthPictureTest : public CalendarTest, public ::testing::WithParamInterface<MonthPicture> {};

TEST_P(MonthPictureTest, TheMonthIsDrawnAsItsReferencePicture) {
    const MonthPicture& c = GetParam();
    if (c.fill) {
        c.fill();
    }
    Start();
    AppSettings.WeekStarts = c.weekStarts;
    Show(c.month, c.year);
    View().DrawMonth();
    test::ExpectMatchesReference(View().grab().toImage().copy(c.area),
                                 std::string("app/data/") + c.name + ".png");
}

INSTANTIATE_TEST_SUITE_P(Months, MonthPictureTest, ::testing::ValuesIn(kMonthPictures),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

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
        {12, 2026, 1, CellX(1), 17, 1},
        {12, 2026, 1, 2, CellY(1), 0},     // left of the grid
        {12, 2026, 1, 3, CellY(1), 7},     // the first pixel of the first column
        {12, 2026, 1, 35, CellY(1), 7},    // the last pixel of the first cell
        {12, 2026, 1, 36, CellY(1), 8},    // the first of the second
        {12, 2026, 1, 233, CellY(1), 13},  // the last pixel of the last column
        {12, 2026, 1, 234, CellY(1), 0},   // past the grid
        {12, 2026, 1, 239, CellY(1), 0},
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
        for (const auto& box : boxes.Boxes()) {
            EXPECT_EQ(box.caption, "Velmora Plus");
        }
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

// A program left running over New Year's midnight keeps the years it started with: the
// lists, the month steps, the Day View's arrows and Add note's dates all end together.
TEST_F(CalendarTest, ARunThatCrossesNewYearKeepsItsLastYear) {
    Clock::Pin(CTime(2026, 12, 31, 23, 59, 30));
    Start();
    Clock::Pin(CTime(2027, 1, 1, 0, 0, 30));
    ASSERT_EQ(YearCombo->count(), 2027 - 1995 + 1);
    Show(12, 2027);
    Frame().CommandBar()->Trigger(kCmdNextMonth);
    EXPECT_EQ(YearCombo->currentIndex(), 2027 - 1995);
    EXPECT_EQ(MonthCombo->currentIndex(), 11);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{
                                 "At present it is not allowed to enter data for the forthcoming "
                                 "years!"});

    QueueModalHook([](QDialog& d) {
        test::Press(&d, kDayViewNextDayId);  // the next-day arrow
        d.reject();
    });
    CVelmoraMFCDoc doc;
    doc.OpenDay(2027, 12, 31);
    CDayViewDlg::Run(doc, &Frame(), kDayViewFromCalendar);
    EXPECT_EQ(
        boxes.CountText("At present you are not allowed to enter data for the forthcoming years!"),
        1u);

    CAddNoteDlg note(doc, 0);
    EXPECT_EQ(test::Control<QDateEdit>(&note, kAddNoteDateId)->maximumDate(), QDate(2027, 12, 31));
}

TEST_F(CalendarTest, ScreensSetAndRestoreTheTitle) {
    Start();
    QStringList seen;
    auto capture = [&](QDialog& d) {
        seen << Frame().Title() << d.windowTitle();
        EXPECT_EQ(d.geometry(), Frame().geometry());
        d.accept();
    };
    QueueModalHook(capture);
    app->OnCommand(kCmdMirror);
    QueueModalHook(capture);
    app->OnCommand(kCmdAbout);
    EXPECT_EQ(seen, (QStringList{"Mirror", "Mirror", "Calendar View", "Calendar View"}));
    EXPECT_EQ(Frame().Title(), "Calendar View");
    EXPECT_EQ(PendingModalHooks(), 0);
}

TEST_F(CalendarTest, AboutTurnsItsPageAndClosesByTaps) {
    Start();
    CAboutDlg about(&Frame());
    const GraphicBuffer& shown = *about.findChild<ScreenWidget*>()->Screen().GetBuffer();
    EXPECT_TRUE(test::Shows(shown, *test::Decoded(kPicAbout1, 240, 268), 0, 0, false));
    about.Tap(100, 200);  // not a button
    about.Tap(60, 250);   // just right of the close button
    EXPECT_TRUE(about.OnFirstPage());
    EXPECT_EQ(about.result(), 0);
    about.Tap(75, 240);  // "more"
    EXPECT_FALSE(about.OnFirstPage());
    EXPECT_TRUE(test::Shows(shown, *test::Decoded(kPicAbout2, 240, 268), 0, 0, false));
    about.Tap(30, 250);  // the first page's close button is not there any more
    EXPECT_EQ(about.result(), 0);
    about.Tap(150, 260);
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST_F(CalendarTest, TheExitRoutineWritesEverySetting) {
    Start();
    AppSettings.Skin = 5;
    app.reset();
    EXPECT_EQ(profile->Raw("Velmora", "Skin"), "5");
    EXPECT_EQ(profile->WriteLog().size(), 17u);  // the settings and the window's place
}

TEST(ZoomTest, TheAutomaticZoomTakesAtMostSixtyPercentOfTheScreenAndNoLessThanItsRatio) {
    struct Case {
        int deviceHeight;
        double ratio;
        int zoom;
    };
    // 294 x N must fit 60% of the height: 1.76 x N x 294 / 0.6 for the next step.
    const Case cases[] = {{400, 1.0, 1},  {768, 1.0, 1},  {1050, 1.0, 2},  {1080, 1.0, 2},
                          {1440, 1.0, 2}, {1600, 1.0, 3}, {2160, 1.0, 4},  {4320, 1.0, 4},
                          {600, 2.0, 2},  {900, 1.5, 2},  {1080, 1.25, 2}, {2160, 3.0, 4},
                          {768, 4.0, 4}};
    for (const Case& c : cases) {
        EXPECT_EQ(FittingZoom(c.deviceHeight, c.ratio), c.zoom)
            << c.deviceHeight << " device pixels at " << c.ratio;
    }
}

// Zoomed, the calendar's pictures and digits are each pixel a 2 x 2 block of the one at 1x;
// the command bar's text is drawn again at the finer resolution; a tap at a device pixel
// finds the day drawn there.
TEST_F(CalendarTest, ZoomedTheCalendarIsAPixelCopyTextIsDrawnAgainAndTapsFindTheirDays) {
    Start();
    const QImage calendar1 = View().grab().toImage();
    const QImage bar1 = Frame().CommandBar()->grab().toImage();
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

    const QImage bar2 = Frame().CommandBar()->grab().toImage();
    ASSERT_EQ(bar2.size(), bar1.size() * 2);
    int finer = 0;  // device pixels unlike the first of their 2 x 2 block
    for (int y = 0; y < bar2.height(); ++y) {
        for (int x = 0; x < bar2.width(); ++x) {
            finer += bar2.pixel(x, y) != bar2.pixel(x & ~1, y & ~1);
        }
    }
    EXPECT_GT(finer, 200);

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

// Escape cancels and Enter confirms a screen, F1 opens its help, Alt+arrows step the Day
// View's day and the arrows a chart's month, each through the screen's own handler.
TEST_F(CalendarTest, ScreensAnswerEscapeEnterF1AndTheirArrowKeys) {
    Start();
    // Keys go to the window in front, as a person's do.
    auto front = [](QDialog& dialog) {
        QApplication::setActiveWindow(&dialog);
        ASSERT_EQ(QApplication::activeWindow(), &dialog);
    };
    QString help;
    int settingsResult = -1;
    QueueModalHook([&](QDialog& settings) {
        QueueModalHook([&](QDialog& browser) {
            help = browser.windowTitle();
            front(browser);
            QTest::keyClick(&browser, Qt::Key_Escape);
        });
        front(settings);
        QTest::keyClick(&settings, Qt::Key_F1);
        QTest::keyClick(&settings, Qt::Key_Escape);
        settingsResult = settings.result();
    });
    app->OnCommand(kCmdSettings);
    EXPECT_EQ(help, "Help");
    EXPECT_EQ(settingsResult, QDialog::Rejected);

    QueueModalHook([&](QDialog& settings) {
        auto* days = settings.findChild<QLineEdit*>(QString::number(kSettingsMenstrualDaysId));
        days->setText("7");
        QTest::keyClick(days, Qt::Key_Return);
    });
    app->OnCommand(kCmdSettings);
    EXPECT_EQ(AppSettings.MenstrualDays, 7);

    QString stepped;
    QueueModalHook([&](QDialog& dialog) {
        auto& day = static_cast<CDayViewDlg&>(dialog);
        front(day);
        QTest::keyClick(&day, Qt::Key_Right, Qt::AltModifier);
        QTest::keyClick(&day, Qt::Key_Right, Qt::AltModifier);
        QTest::keyClick(&day, Qt::Key_Left, Qt::AltModifier);
        stepped = day.DateText();
        day.findChild<QLineEdit*>(QString::number(kDayViewWeightId))->setText("61.5");
        QTest::keyClick(&day, Qt::Key_Return);
    });
    View().OpenDay(6);
    EXPECT_EQ(stepped, "07.12.2026");
    CVelmoraMFCDoc saved;
    ASSERT_TRUE(saved.OpenDay(2026, 12, 7));
    EXPECT_DOUBLE_EQ(saved.m_weight, 61.5);

    QString month;
    QueueModalHook([&](QDialog& chart) {
        front(chart);
        QTest::keyClick(&chart, Qt::Key_Left);
        QTest::keyClick(&chart, Qt::Key_Left);
        QTest::keyClick(&chart, Qt::Key_Right);
        month = chart.findChild<QComboBox*>(QString::number(kChartMonthListId))->currentText();
        QTest::keyClick(&chart, Qt::Key_Escape);
    });
    app->OnCommand(kCmdTemperatureChart);
    EXPECT_EQ(month, "Nov");
    EXPECT_EQ(PendingModalHooks(), 0);
}

// Tab walks each screen's fields row by row, left to right, and comes round to the first;
// every menu item has a mnemonic of its own in the source texts and in Russian.
TEST_F(CalendarTest, TabReadsAScreenRowByRowAndMenuItemsHaveMnemonics) {
    Start();
    const std::function<void()> screens[] = {
        [&] { app->OnCommand(kCmdSettings); },
        [&] { app->OnCommand(kCmdPassword); },
        [&] { app->OnCommand(kCmdScale); },
        [&] { app->OnCommand(kCmdMyDiary); },
        [&] { app->OnCommand(kCmdYearView); },
        [&] { View().OpenDay(6); },
        [&] { app->OnCommand(kCmdTemperatureHistory); },
    };
    for (const auto& open : screens) {
        QueueModalHook([](QDialog& screen) {
            QApplication::setActiveWindow(&screen);
            std::vector<QWidget*> fields;
            for (QWidget* w : screen.findChildren<QWidget*>()) {
                if (w->isVisibleTo(&screen) && w->isEnabled() &&
                    (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() &&
                    w->window() == &screen) {
                    fields.push_back(w);
                }
            }
            ASSERT_GE(fields.size(), 2u);
            auto area = [&](QWidget* w) { return QRect(w->mapTo(&screen, QPoint()), w->size()); };
            QWidget* first = fields.front();
            first->setFocus(Qt::TabFocusReason);
            std::vector<QWidget*> walked{first};
            for (size_t i = 0; i < fields.size(); ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                walked.push_back(QApplication::focusWidget());
            }
            EXPECT_EQ(walked.back(), first) << "Tab comes round to the first field";
            EXPECT_EQ(std::set<QWidget*>(walked.begin(), walked.end()).size(), fields.size());
            // Around the circle every step reads on, but one: from the last field back to
            // the first.
            int backSteps = 0;
            for (size_t i = 1; i < walked.size(); ++i) {
                const QRect a = area(walked[i - 1]);
                const QRect b = area(walked[i]);
                const bool sameRow = b.top() <= a.center().y() && a.top() <= b.center().y();
                backSteps += sameRow ? b.left() < a.left() : b.top() < a.top();
            }
            EXPECT_EQ(backSteps, 1);
            screen.reject();
        });
        open();
    }
    EXPECT_EQ(PendingModalHooks(), 0);

    auto checkMnemonics = [&] {
        for (QMenu* menu : Frame().findChildren<QMenu*>()) {
            std::set<QChar> keys;
            for (const QAction* action : menu->actions()) {
                if (action->isSeparator()) {
                    continue;
                }
                const QString text = action->text();
                const qsizetype at = text.indexOf(u'&');
                ASSERT_TRUE(at >= 0 && at + 1 < text.size()) << text.toStdString();
                EXPECT_TRUE(keys.insert(text[at + 1].toLower()).second) << text.toStdString();
            }
        }
    };
    checkMnemonics();
    ASSERT_TRUE(ApplyLanguage(UiLanguage::Russian));
    checkMnemonics();
    ApplyLanguage(UiLanguage::Source);
}

// The window opens where it stood when the program ended, kept whole on the screen when the
// screens changed since.
TEST_F(CalendarTest, TheWindowOpensWhereItStoodAndOnTheScreen) {
    Start();
    Frame().move(300, 200);
    app->ExitInstance();
    EXPECT_EQ(profile->Raw("Velmora", "WindowX"), "300");
    EXPECT_EQ(profile->Raw("Velmora", "WindowY"), "200");
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint lastWhole(area.right() + 1 - 240, area.bottom() + 1 - 294);
    const std::pair<QPoint, QPoint> cases[] = {
        {{300, 200}, {300, 200}}, {{5000, 4000}, lastWhole}, {{-700, -50}, area.topLeft()}};
    for (const auto& [saved, shown] : cases) {
        app.reset();
        profile->WriteProfileInt("Velmora", "WindowX", saved.x());
        profile->WriteProfileInt("Velmora", "WindowY", saved.y());
        Start();
        EXPECT_EQ(Frame().pos(), shown) << saved.x() << "," << saved.y();
    }
}

// Assistive technology hears the month, each day with its date and marks, the keyboard's day
// as the focus (and its moves), and the pictures' actions.
TEST_F(CalendarTest, ScreenReadersHearTheDaysTheCursorAndThePicturesActions) {
    SaveDay(2026, 12, 2, [](CVelmoraMFCDoc& d) {
        d.m_fluid = 2;
        d.m_note = u"Headache";
        d.m_temperature = 36.6;
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
    const Rect cell = CalendarCellOf(2, View().ShownMonth());
    EXPECT_EQ(calendar->childAt(View().mapToGlobal(QPoint(cell.left + 5, cell.top + 5)).x(),
                                View().mapToGlobal(QPoint(cell.left + 5, cell.top + 5)).y()),
              calendar->child(1));
    QTest::keyClick(&View(), Qt::Key_Right);
    EXPECT_EQ(focused, std::vector<int>{6});
    ASSERT_NE(calendar->focusChild(), nullptr);
    EXPECT_TRUE(calendar->focusChild()->text(QAccessible::Name).startsWith("7 December 2026"));
    EXPECT_TRUE(calendar->focusChild()->state().focused);
    QAccessible::installUpdateHandler(nullptr);
    platform->setActive(false);

    auto* previous = Frame().CommandBar()->ToolButton(kCmdPreviousMonth);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(previous)->text(QAccessible::Name),
              "Previous month");
    QString ok, cancel;
    QueueModalHook([&](QDialog& settings) {
        ok = QAccessible::queryAccessibleInterface(
                 settings.findChild<QWidget*>(QString::number(IDOK)))
                 ->text(QAccessible::Name);
        cancel = QAccessible::queryAccessibleInterface(
                     settings.findChild<QWidget*>(QString::number(IDCANCEL)))
                     ->text(QAccessible::Name);
        settings.reject();
    });
    app->OnCommand(kCmdSettings);
    EXPECT_EQ(ok, "OK");
    EXPECT_EQ(cancel, "Cancel");

    // The picture screens: a chart's period and values, the cycle bar's dates.
    QString chartName, chartValues, barDates;
    QueueModalHook([&](QDialog& chart) {
        QAccessibleInterface* area =
            QAccessible::queryAccessibleInterface(chart.findChild<ScreenWidget*>());
        chartName = area->text(QAccessible::Name);
        chartValues = area->text(QAccessible::Description);
        chart.reject();
    });
    app->OnCommand(kCmdTemperatureChart);
    EXPECT_TRUE(chartName.endsWith(", Dec 2026")) << chartName.toStdString();
    EXPECT_EQ(chartValues, "day 2: 36.60");
    QueueModalHook([&](QDialog& bar) {
        barDates = QAccessible::queryAccessibleInterface(bar.findChild<ScreenWidget*>())
                       ->text(QAccessible::Description);
        bar.reject();
    });
    app->OnCommand(kCmdCycleBar);
    EXPECT_TRUE(barDates.startsWith("Start Menstruation (Dec, 2 2026); End Menstruation ("))
        << barDates.toStdString();
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

// A diary of the first file format, written by the program before its store had indexes
// (app/data/diary-v1.sqlite: two hundred demo days up to 6 December 2026), opens, is kept as
// a before-migration backup, is upgraded, and shows the very calendar that program drew
// from it (app/data/diary-v1-calendar.png). VELMORA_WRITE_REFERENCE=1 writes both files
// afresh from the program under test.
TEST_F(CalendarTest, ADiaryOfTheFirstFileFormatIsUpgradedAndShowsTheSameCalendar) {
    const std::string data = VELMORA_TEST_DATA_DIR;
    const bool write = std::getenv("VELMORA_WRITE_REFERENCE") != nullptr;
    const std::string store = DataPaths::StoreFile();
    if (write) {
        WriteDemoDiary(CVelmoraMFCDoc::DayAtNoon(2026, 12, 6) - 199 * kSecondsPerDay, 200);
        ObjectStore::CloseThreadConnection();
        ASSERT_EQ(
            std::system(("sqlite3 '" + store + "' 'PRAGMA journal_mode=DELETE; VACUUM' && cp '" +
                         store + "' '" + data + "/diary-v1.sqlite'")
                            .c_str()),
            0);
    } else {
        ASSERT_TRUE(DataPaths::EnsurePrivateDir(DataPaths::DataDir()));
        test::WriteFileBytes(store, test::ReadFileBytes(data + "/diary-v1.sqlite"));
        ASSERT_EQ(FileFormatOf(store), 1);
    }
    Start();
    test::ExpectMatchesReference(View().grab().toImage(), "app/data/diary-v1-calendar.png");
    if (write) {
        GTEST_SKIP() << "reference written";
    }
    EXPECT_EQ(FileFormatOf(store), kStoreSchemaVersion);
    const QStringList kept = QDir(QString::fromStdString(BackupDir()))
                                 .entryList({"before-migration-*.sqlite"}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(FileFormatOf(BackupDir() + "/" + kept[0].toStdString()), 1);
}

}  // namespace
}  // namespace velmora
