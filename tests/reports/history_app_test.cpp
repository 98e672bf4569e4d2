// A history reached from the program's menu: the calendar is brought up to date afterwards.

#include <QDialog>

#include "cycle/monthmodel.h"
#include "reports/measurehistorydlg.h"
#include "tests/app/apptest.h"
#include "ui/dayviewdlg.h"
#include "ui/kit/reporttable.h"

namespace velmora {
namespace {

class ChartScreensAppTest : public test::AppTest {};

TEST_F(ChartScreensAppTest, AfterTheTemperatureHistoryTheCyclesAreAnalysedAgain) {
    // A bleeding this month; the Day View opened from the history removes its first day.
    for (int d = 1; d <= 4; ++d) {
        CVelmoraMFCDoc day;
        day.OpenDay(2026, 12, d);
        day.m_fluid = 2;
        day.m_temperature = 36.5;
        ASSERT_EQ(day.SaveDay(), SaveDayResult::Saved);
    }
    Start();
    ASSERT_NE(View().Marks()[0].cycle & kCycleNormal, 0);
    QueueModalHook([&](QDialog& dialog) {
        QCoreApplication::processEvents();
        auto& history = dynamic_cast<CTemperatureHistoryDlg&>(dialog);
        ASSERT_EQ(history.Table()->RowCount(), 4);
        history.Table()->SelectRow(0);
        QueueModalHook([](QDialog& view) {
            auto& day = dynamic_cast<CDayViewDlg&>(view);
            day.OnClearDay();
            day.OnSaveAndClose();
        });
        history.OnCommand(kCmdHistoryView);
        EXPECT_EQ(Frame().Title(), "Temperature History");
        EXPECT_EQ(history.Table()->RowCount(), 3);
        dialog.reject();
    });
    app->OnCommand(kCmdTemperatureHistory);
    EXPECT_EQ(PendingModalHooks(), 0);
    EXPECT_EQ(Frame().Title(), "Calendar View");
    EXPECT_EQ(View().Marks()[0].cycle & kCycleNormal, 0);
    EXPECT_NE(View().Marks()[1].cycle & kCycleNormal, 0);
}

}  // namespace
}  // namespace velmora
