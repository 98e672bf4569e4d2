#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <set>
#include <string>

#include "gfx/screenbuffer.h"
#include "platform/datapaths.h"
#include "reports/yearviewdlg.h"
#include "tests/reports/reporttest.h"
#include "tests/support/refimage.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/fonts.h"

namespace velmora {
namespace {

constexpr Pixel kRecordedRed = Rgb565(255, 0, 0);
constexpr Pixel kFertileGreen = Rgb565(0, 221, 0);

class YearViewTest : public test::ReportTest {
protected:
    struct Place {
        int x, y;
    };
    // Where a day's number goes: its weekday's column (from the time library), and the week
    // of the month counted from the column of the 1st; a sixth week shares the first row.
    static Place Where(int year, int month, int day, bool mondayFirst) {
        auto column = [&](int d) {
            const int w = CTime(year, month, d, 12, 0, 0).GetDayOfWeek();  // 1 = Sunday
            return mondayFirst ? (w == 1 ? 7 : w - 1) : w;
        };
        const int col = column(day);
        const int week = (column(1) - 1 + day - 1) / 7 % 5;
        const int top[] = {27, 112, 197};
        return {month % 2 == 1 ? 16 * (col - 1) : 107 + 16 * col,
                top[((month - 1) % 6) / 2] + 12 * week};
    }
    // The colours other than white in the 16 x 12 cell of a day.
    static std::set<Pixel> InkOf(CYearViewDlg& dialog, int month, int day) {
        const Place p = Where(dialog.Year(), month, day, AppSettings.WeekStarts != 0);
        const QImage& surface = dialog.Screen().WindowSurface();
        std::set<Pixel> ink;
        for (int y = p.y; y < p.y + 12; ++y) {
            for (int x = p.x; x < p.x + 16 && x < surface.width(); ++x) {
                ink.insert(reinterpret_cast<const Pixel*>(surface.constScanLine(y))[x]);
            }
        }
        ink.erase(kWhite);
        return ink;
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

// A sixth week shares the first row; in a leap year February has its 29th.
TEST_F(YearViewTest, MonthsAreLaidOutByWeekdayForBothWeekStarts) {
    Today(2026, 6, 15);
    for (const bool mondayFirst : {true, false}) {
        SCOPED_TRACE(mondayFirst);
        AppSettings.WeekStarts = mondayFirst ? 1 : 0;
        CYearViewDlg dialog;
        EXPECT_FALSE(test::FileExists(DataPaths::StoreFile()));  // looking makes no diary
        ExpectTheHalfLaidOut(dialog, mondayFirst);
        dialog.CommandBar()->Trigger(kCmdYearViewSecondHalf);
        ExpectTheHalfLaidOut(dialog, mondayFirst);
        SelectYear(dialog, 2024);
        EXPECT_TRUE(dialog.FirstHalf());
        ExpectTheHalfLaidOut(dialog, mondayFirst);
    }
}

TEST_F(YearViewTest, FertileDaysBeginSeventeenDaysBeforeEachPeriodAcrossFebruary) {
    Today(2026, 12, 6);  // all far back: no prediction reaches these years
    test::WritePeriod(2025, 3, 1, 5);
    test::WritePeriod(2024, 3, 1, 5);
    test::WritePeriod(2023, 3, 16, 5);
    test::WritePeriod(2020, 2, 29, 3);
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
    test::WritePeriod(2026, 3, 5, 2);
    test::WritePeriod(2026, 4, 2, 2);
    {
        CYearViewDlg dialog;
        test::ExpectMatchesReference(dialog.Screen().WindowSurface(),
                                     "reports/data/year-2026-predicted.png");
    }
    AppSettings.MenstrualDays = 5;
    Today(2026, 12, 20);
    test::WritePeriod(2026, 11, 10, 5);
    test::WritePeriod(2026, 12, 8, 5);
    CYearViewDlg dialog;
    dialog.CommandBar()->Trigger(kCmdYearViewSecondHalf);
    test::ExpectMatchesReference(dialog.Screen().WindowSurface(),
                                 "reports/data/year-2026-december.png");
}

}  // namespace
}  // namespace velmora
