// Statistics from the program's menu on a small diary: the figures, the predicted ranges and
// what is left out as the screen shows them, and its help.

#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QTest>
#include <cmath>

#include "reports/statisticsdlg.h"
#include "tests/app/apptest.h"
#include "tests/reports/reporttest.h"

namespace velmora {
namespace {

using test::Control;

class StatisticsScreenTest : public test::AppTest {};

TEST_F(StatisticsScreenTest, ShowsTheDiarysFiguresRangesAndWhatIsLeftOut) {
    // Today is 6 December 2026; the half year starts on 9 June. Cycles: 3 Apr 28 days, 1 May
    // 92 (too long), then 1 Aug 28, 29 Aug 29, 27 Sep 28, 25 Oct 28, and 22 Nov still running.
    // Periods 5 5 5 5 4 5 and 1 day (too short) on 22 Nov.
    for (const auto& [month, day, days] : {test::Day{4, 3, 5},
                                           {5, 1, 5},
                                           {8, 1, 5},
                                           {8, 29, 5},
                                           {9, 27, 4},
                                           {10, 25, 5},
                                           {11, 22, 1}}) {
        test::WritePeriod(2026, month, day, days);
    }
    Start();
    test::HelpRecorder help;
    QueueModalHook([&](QDialog& dialog) {
        EXPECT_EQ(Frame().Title(), "Statistics");
        // Cycles 28 28 29 28 28 (mean 28.2, SD sqrt(0.8 / 4)), in the half year 28 29 28 28
        // (mean 28.25, SD 0.5); periods 5 5 5 5 4 5 (mean 4.833, SD sqrt(5 / 6 / 5)), in the
        // half year 5 5 4 5 (mean 4.75, SD 0.5).
        // clang-format off
        const double figures[kStatisticsRows][kStatisticsColumns] = {
            {5, 4, 6, 4},
            {28.2, 28.25, 29.0 / 6, 4.75},
            {28, 28, 5, 5},
            {std::sqrt(0.2), 0.5, std::sqrt(1.0 / 6), 0.5},
            {28, 28, 4, 4},
            {29, 29, 5, 5}};
        // clang-format on
        for (int r = 0; r < kStatisticsRows; ++r) {
            for (int c = 0; c < kStatisticsColumns; ++c) {
                const bool whole = r == kRowUsed || r == kRowShortest || r == kRowLongest;
                const QString want = whole ? QLocale().toString(static_cast<int>(figures[r][c]))
                                           : QLocale().toString(figures[r][c], 'f', 1);
                EXPECT_EQ(Control<QLabel>(&dialog, StatisticsFigureId(r, c))->text(), want)
                    << r << "," << c;
            }
        }
        EXPECT_EQ(Control<QWidget>(&dialog, kStatisticsHistogramId)->accessibleDescription(),
                  "Length 28: 4 cycle(s); Length 29: 1 cycle(s)");
        // The engine: 113 / 4 = 28 days from 22 Nov; four cycles with SD 0.5 give +-1.
        const char* const ranges[] = {"19.12.2026 – 21.12.2026", "16.01.2027 – 18.01.2027",
                                      "13.02.2027 – 15.02.2027"};
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(Control<QLabel>(&dialog, kStatisticsPredictionId + k)->text(), ranges[k]);
        }
        const QListWidget* list = Control<QListWidget>(&dialog, kStatisticsLeftOutListId);
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(0)->text(),
                  "Cycle from 01.05.2026, 92 day(s)\n"
                  "longer than one and a half times the usual length");
        EXPECT_EQ(list->item(1)->text(),
                  "Period from 22.11.2026, 1 day(s)\nshorter than half the usual length");

        QApplication::setActiveWindow(&dialog);
        QTest::keyClick(&dialog, Qt::Key_F1);
        EXPECT_EQ(Frame().Title(), "Statistics");
        dialog.reject();
    });
    app->OnCommand(kCmdStatistics);
    EXPECT_EQ(PendingModalHooks(), 0);
    const std::vector<test::HelpRecorder::Call> calls = {{12, 17, "Help"}};
    EXPECT_EQ(help.Calls(), calls);
    EXPECT_EQ(Frame().Title(), "Calendar View");
}

}  // namespace
}  // namespace velmora
