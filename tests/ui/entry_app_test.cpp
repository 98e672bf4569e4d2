// The whole program: a tap on a calendar day opens the Day View; what is saved shows on the
// calendar.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>

#include "cycle/monthmodel.h"
#include "gfx/pictures.h"
#include "tests/app/apptest.h"
#include "tests/support/screentest.h"
#include "ui/dayviewdlg.h"
#include "ui/kit/commandbar.h"

namespace velmora {
namespace {

using test::Control;

class EntryAppTest : public test::AppTest {};

TEST_F(EntryAppTest, ADayEnteredFromTheCalendarShowsOnItWithItsPrediction) {
    Start();
    SelectMonth(11, 2026);
    View().Reload();
    QString shownDate;
    QueueModalHook([&](QDialog& dialog) {
        auto& day = dynamic_cast<CDayViewDlg&>(dialog);
        shownDate = day.DateText();
        for (int i = 0; i < 4; ++i) {
            Control<QComboBox>(&day, kDayViewFluidId)->setCurrentIndex(2);
            Control<QAbstractButton>(&day, kDayViewNextDayId)->click();
        }
        Control<QComboBox>(&day, kDayViewFluidId)->setCurrentIndex(3);
        Control<QCheckBox>(&day, kDayViewSexId)->click();
        day.CommandBar()->Trigger(kCmdDayViewSave);
    });
    // 1 November 2026 is a Sunday, the last column with Monday first: the 2nd starts row 1.
    ASSERT_TRUE(View().Tap(19, 50 + 42));
    EXPECT_EQ(shownDate, "02.11.2026");
    EXPECT_EQ(Frame().Title(), "Calendar View");
    // Five bleeding days, and the next period 28 days on.
    const DayMarks& marks = View().Marks();
    EXPECT_EQ(GetFlowClass(marks[1]), 2);
    EXPECT_EQ(GetFlowClass(marks[5]), 3);
    EXPECT_EQ(GetFlowClass(marks[29]), 7);
    const GraphicBuffer& b = Drawn();
    EXPECT_TRUE(test::Shows(b, *test::Decoded(kIconHeavyFlow, 10, 10), 21 + 33 * 4, 50 + 20, true));
    EXPECT_TRUE(test::Shows(b, *test::Decoded(kIconSex, 10, 10), 23 + 33 * 4, 50 + 32, true));
    EXPECT_EQ(boxes.Count(), 0u);
}

}  // namespace
}  // namespace velmora
