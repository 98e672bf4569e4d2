#include <QComboBox>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <set>
#include <string>

#include "gfx/pictures.h"
#include "gfx/screenbuffer.h"
#include "platform/datapaths.h"
#include "reports/yearviewdlg.h"
#include "tests/app/apptest.h"
#include "tests/reports/cyclereporttest.h"
#include "tests/support/refimage.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/fonts.h"

namespace velmora {
namespace {

using test::CycleReportTest;

constexpr Pixel kRecordedRed = Rgb565(255, 0, 0);
constexpr Pixel kFertileGreen = Rgb565(0, 221, 0);

class YearViewTest : public CycleReportTest {
protected:
    struct Place {
        int x;
        int y;
    };

    // 1 = Sunday ... 7 = Saturday, from the time library.
    static int DayOfWeek(int year, int month, int day) {
        return CTime(year, month, day, 12, 0, 0).GetDayOfWeek();
    }
    // Where a day's number goes: its weekday's column, and the week of the month counted
    // from the column of the 1st; a sixth week shares the first row.
    static Place Where(int year, int month, int day, bool mondayFirst) {
        auto column = [&](int d) {
            const int w = DayOfWeek(year, month, d);
            return mondayFirst ? (w == 1 ? 7 : w - 1) : w;
        };
        const int col = column(day);
        int week = (column(1) - 1 + day - 1) / 7;
        if (week == 5) {
            week = 0;
        }
        const int pair = ((month - 1) % 6) / 2;
        const int top[] = {27, 112, 197};
        const bool left = month % 2 == 1;
        return {left ? 16 * (col - 1) : 107 + 16 * col, top[pair] + 12 * week};
    }

    // The colours other than white in the 16 x 12 cell at `p` of the window.
    static std::set<Pixel> Ink(CYearViewDlg& dialog, Place p) {
        const QImage& surface = dialog.Screen().WindowSurface();
        std::set<Pixel> ink;
        for (int y = p.y; y < p.y + 12; ++y) {
            const auto* row = reinterpret_cast<const Pixel*>(surface.constScanLine(y));
            for (int x = p.x; x < p.x + 16 && x < surface.width(); ++x) {
                if (row[x] != kWhite) {
                    ink.insert(row[x]);
                }
            }
        }
        return ink;
    }
    static std::set<Pixel> InkOf(CYearViewDlg& dialog, int month, int day) {
        const bool mondayFirst = AppSettings.WeekStarts != 0;
        return Ink(dialog, Where(dialog.Year(), month, day, mondayFirst));
    }

    // Whether the cell at `p` holds the shape of `number` as the program's font writes it.
    static bool ShowsNumber(CYearViewDlg& dialog, Place p, int number) {
        QImage glyph(16, 12, QImage::Format_ARGB32_Premultiplied);
        glyph.fill(Qt::white);
        {
            QPainter painter(&glyph);
            painter.setRenderHint(QPainter::TextAntialiasing, false);
            painter.setFont(ScreenFont(11, {.crisp = true}));
            painter.setPen(Qt::black);
            painter.drawText(QRect(0, 0, 240, 268), Qt::AlignLeft | Qt::AlignTop,
                             QString::number(number));
        }
        const QImage& surface = dialog.Screen().WindowSurface();
        bool any = false;
        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 16 && p.x + x < surface.width(); ++x) {
                const bool want = glyph.pixel(x, y) != QColor(Qt::white).rgb();
                const bool have = reinterpret_cast<const Pixel*>(
                                      surface.constScanLine(p.y + y))[p.x + x] != kWhite;
                if (want != have) {
                    return false;
                }
                any = any || want;
            }
        }
        return any;
    }
    // Every day of the shown half stands where its weekday puts it.
    static void ExpectTheHalfLaidOut(CYearViewDlg& dialog, bool mondayFirst) {
        const int first = dialog.FirstHalf() ? 1 : 7;
        for (int month = first; month < first + 6; ++month) {
            for (int day = 1; day <= DaysInMonth(dialog.Year(), month); ++day) {
                EXPECT_TRUE(ShowsNumber(dialog, Where(dialog.Year(), month, day, mondayFirst), day))
                    << dialog.Year() << "-" << month << "-" << day;
            }
        }
    }

    void SelectYear(CYearViewDlg& dialog, int year) {
        dialog.YearList()->setCurrentIndex(year - 1995);
        ASSERT_EQ(dialog.Year(), year);
    }
};

using Colours = std::set<Pixel>;

// Recorded bleedings red, also inside the last start; the engine's 30 March, 27 April and
// 25 May a darker red; the fertile 13 to 18 February and March green over the weekend's blue;
// today olive, also in another year, and in the first half only.
TEST_F(YearViewTest, EachDayTakesTheColourOfWhatTheDiaryAndTheClockSay) {
    Today(2026, 3, 10);
    Period(2026, 2, 2, 5);
    Period(2026, 3, 2, 5);
    CYearViewDlg dialog;
    EXPECT_EQ(dialog.objectName(), "253");
    EXPECT_EQ(dialog.Year(), 2026);
    EXPECT_TRUE(dialog.FirstHalf());
    test::ExpectMatchesReference(dialog.Screen().WindowSurface(), "reports/data/year-2026.png");
    SelectYear(dialog, 2025);
    test::ExpectMatchesReference(dialog.Screen().WindowSurface(), "reports/data/year-2025.png");

    Today(2026, 9, 10);
    CYearViewDlg autumn;
    autumn.CommandBar()->Trigger(kCmdYearViewSecondHalf);
    ASSERT_FALSE(autumn.FirstHalf());
    EXPECT_EQ(InkOf(autumn, 9, 10), Colours{kBlack});
}

TEST_F(YearViewTest, MonthsAreLaidOutByWeekdayForBothWeekStarts) {
    Today(2026, 6, 15);
    {
        CYearViewDlg dialog;  // Monday first, no diary
        EXPECT_FALSE(test::FileExists(DataPaths::StoreFile()));
        const test::SurfaceView window(dialog.Screen().WindowSurface());
        const auto strip = test::Decoded(kPicYearWeekMonday, 112, 10);
        EXPECT_TRUE(test::Shows(window, *strip, 0, 2, false));
        EXPECT_TRUE(test::Shows(window, *strip, 123, 2, false));
        // 1 March 2026 is a Sunday: the 30th and 31st go to the first row, before the 1st.
        EXPECT_TRUE(ShowsNumber(dialog, {0, 112}, 30));
        EXPECT_TRUE(ShowsNumber(dialog, {16, 112}, 31));
        EXPECT_TRUE(ShowsNumber(dialog, {96, 112}, 1));
        ExpectTheHalfLaidOut(dialog, true);
        dialog.CommandBar()->Trigger(kCmdYearViewSecondHalf);
        ExpectTheHalfLaidOut(dialog, true);
        dialog.CommandBar()->Trigger(kCmdYearViewFirstHalf);
        EXPECT_TRUE(ShowsNumber(dialog, {0, 112}, 30));
    }
    AppSettings.WeekStarts = 0;
    CYearViewDlg dialog;
    const test::SurfaceView window(dialog.Screen().WindowSurface());
    EXPECT_TRUE(test::Shows(window, *test::Decoded(kPicYearWeekSunday, 112, 10), 123, 2, false));
    EXPECT_TRUE(ShowsNumber(dialog, {0, 112}, 1));  // Sunday 1 March, first column
    ExpectTheHalfLaidOut(dialog, false);
    dialog.CommandBar()->Trigger(kCmdYearViewSecondHalf);
    // 1 August 2026 is a Saturday: a six-week month with Sunday first.
    EXPECT_TRUE(ShowsNumber(dialog, {123, 27}, 30));
    EXPECT_TRUE(ShowsNumber(dialog, {139, 27}, 31));
    ExpectTheHalfLaidOut(dialog, false);
    // In a leap year February has its 29th.
    SelectYear(dialog, 2024);
    EXPECT_TRUE(dialog.FirstHalf());
    ExpectTheHalfLaidOut(dialog, false);
}

TEST_F(YearViewTest, FertileDaysBeginSeventeenDaysBeforeEachPeriodAcrossFebruary) {
    Today(2026, 12, 6);  // all far back: no prediction reaches these years
    Period(2025, 3, 1, 5);
    Period(2024, 3, 1, 5);
    Period(2023, 3, 16, 5);
    Period(2020, 2, 29, 3);
    CYearViewDlg dialog;
    auto expectFertile = [&](int year, int fromMonth, int fromDay, int days) {
        SelectYear(dialog, year);
        const long long first = DayNumber(year, fromMonth, fromDay);
        for (long long d = first - 1; d <= first + days; ++d) {
            const CivilDate c = CivilFromDays(d);
            const bool fertile = d >= first && d < first + days;
            const Colours ink = InkOf(dialog, static_cast<int>(c.month), static_cast<int>(c.day));
            EXPECT_EQ(ink == Colours{kFertileGreen}, fertile)
                << year << "-" << c.month << "-" << c.day;
        }
    };
    expectFertile(2025, 2, 12, 6);  // before 1 March of a common year
    expectFertile(2024, 2, 13, 6);  // of a leap year
    expectFertile(2023, 2, 27, 6);  // before 16 March: 27 February to 4 March
    expectFertile(2020, 2, 12, 6);  // before 29 February
    SelectYear(dialog, 2020);
    EXPECT_EQ(InkOf(dialog, 2, 29), Colours{kRecordedRed});
    EXPECT_EQ(InkOf(dialog, 3, 2), Colours{kRecordedRed});
    // 1 March continues the bleeding of 29 February: no fertile days before it.
    EXPECT_EQ(InkOf(dialog, 2, 18), Colours{kBlack});
}

// Two-day bleedings 28 days apart: 30 April and 1 May are predicted, the weekend of 2 May
// keeps its blue. In December the next start is predicted on 5 January 2027: fertile 19 to
// 24 December.
TEST_F(YearViewTest, PredictedPeriodsRunOverMonthAndYearEnds) {
    AppSettings.MenstrualDays = 3;
    Today(2026, 4, 20);
    Period(2026, 3, 5, 2);
    Period(2026, 4, 2, 2);
    {
        CYearViewDlg dialog;
        test::ExpectMatchesReference(dialog.Screen().WindowSurface(),
                                     "reports/data/year-2026-predicted.png");
    }
    AppSettings.MenstrualDays = 5;
    Today(2026, 12, 20);
    Period(2026, 11, 10, 5);
    Period(2026, 12, 8, 5);
    CYearViewDlg dialog;
    dialog.CommandBar()->Trigger(kCmdYearViewSecondHalf);
    test::ExpectMatchesReference(dialog.Screen().WindowSurface(),
                                 "reports/data/year-2026-december.png");
}

TEST_F(YearViewTest, YearButtonsStepTheYearAndStopAtTheEndsOfTheList) {
    Today(2026, 6, 15);
    Period(2025, 3, 2, 3);
    CYearViewDlg dialog;
    ASSERT_EQ(dialog.YearList()->count(), 2027 - 1995 + 1);
    EXPECT_EQ(dialog.YearList()->itemText(0), "1995");
    EXPECT_EQ(dialog.YearList()->currentText(), "2026");
    EXPECT_EQ(InkOf(dialog, 3, 3), Colours{kBlack});

    ASSERT_TRUE(test::Press(&dialog, kCmdYearViewSecondHalf));
    EXPECT_FALSE(dialog.FirstHalf());
    ASSERT_TRUE(test::Press(&dialog, kCmdYearViewPreviousYear));
    EXPECT_EQ(dialog.Year(), 2025);
    EXPECT_TRUE(dialog.FirstHalf());  // a new year starts with its first half
    EXPECT_EQ(InkOf(dialog, 3, 3), Colours{kRecordedRed});

    ASSERT_TRUE(test::Press(&dialog, kCmdYearViewNextYear));
    ASSERT_TRUE(test::Press(&dialog, kCmdYearViewNextYear));
    EXPECT_EQ(dialog.Year(), 2027);
    EXPECT_EQ(boxes.Count(), 0u);
    ASSERT_TRUE(test::Press(&dialog, kCmdYearViewNextYear));
    EXPECT_EQ(dialog.Year(), 2027);
    SelectYear(dialog, 1995);
    ASSERT_TRUE(test::Press(&dialog, kCmdYearViewPreviousYear));
    EXPECT_EQ(dialog.Year(), 1995);
    const std::vector<std::string> expected = {
        "At present it is not allowed to enter data for the forthcoming years!",
        "Data for years prior to 1995 can not be entered!"};
    EXPECT_EQ(boxes.Texts(), expected);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Velmora Plus");
}

}  // namespace
}  // namespace velmora
