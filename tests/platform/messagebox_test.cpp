#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/messagebox.h"
#include "tests/support/messagebox_recorder.h"

namespace velmora {
namespace {

TEST(MessageBoxTest, CaptionDefaultsToTheProgramName) {
    MessageBoxRecorder rec;
    ShowMessageBox("Hello");
    ShowMessageBox("Disk is full!", "Error", MbIcon::Stop, MbButtons::Ok, kForegroundWindow, true);
    const auto boxes = rec.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "Velmora Plus");
    EXPECT_EQ(boxes[0].icon, MbIcon::None);
    EXPECT_EQ(boxes[0].owner, kNoOwner);
    EXPECT_EQ(boxes[1].caption, "Error");
    EXPECT_EQ(boxes[1].icon, MbIcon::Stop);
    EXPECT_EQ(boxes[1].owner, kForegroundWindow);
    EXPECT_TRUE(boxes[1].topmost);
}

TEST(MessageBoxTest, ScriptedAnswersThenFirstButtons) {
    MessageBoxRecorder rec;
    rec.Script({IDNO, IDCANCEL});
    EXPECT_EQ(ShowMessageBox("Delete?", "Confirm", MbIcon::Question, MbButtons::YesNo), IDNO);
    EXPECT_EQ(ShowMessageBox("Go?", {}, MbIcon::None, MbButtons::OkCancel), IDCANCEL);
    EXPECT_EQ(ShowMessageBox("Again?", {}, MbIcon::None, MbButtons::YesNo), IDYES);
    EXPECT_EQ(ShowMessageBox("Retry?", {}, MbIcon::None, MbButtons::RetryCancel), IDRETRY);
    EXPECT_EQ(rec.CountText("Delete?"), 1u);
}

TEST(MessageBoxTest, RecordersNestAndRestore) {
    MessageBoxRecorder outer;
    {
        MessageBoxRecorder inner;
        ShowMessageBox("inner");
        EXPECT_EQ(inner.Count(), 1u);
    }
    ShowMessageBox("outer");
    ASSERT_EQ(outer.Count(), 1u);
    EXPECT_EQ(outer.Texts()[0], "outer");
}

TEST(MessageBoxTest, BoxesFromManyThreadsAreAllRecorded) {
    MessageBoxRecorder rec;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t] {
            for (int i = 0; i < 250; ++i) {
                ShowMessageBox("from " + std::to_string(t), "Alarm");
            }
        });
    }
    EXPECT_TRUE(rec.WaitForCount(1000, std::chrono::seconds(20)));
    for (auto& th : threads) {
        th.join();
    }
    EXPECT_EQ(rec.Count(), 1000u);
    for (int t = 0; t < 4; ++t) {
        EXPECT_EQ(rec.CountText("from " + std::to_string(t)), 250u);
    }
}


TEST(MessageBoxTest, PostedBoxesAreRecordedWithoutWaiting) {
    MessageBoxRecorder rec;
    rec.Script({IDCANCEL});
    PostMessageBox("Reminder at  09:15 \nPill", "Alarm", MbIcon::Information, MbButtons::Ok,
                   kNoOwner, true);
    // The scripted answer is kept for a box that waits for one.
    EXPECT_EQ(ShowMessageBox("Go?", {}, MbIcon::None, MbButtons::OkCancel), IDCANCEL);
    const auto boxes = rec.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "Alarm");
    EXPECT_TRUE(boxes[0].topmost);
    EXPECT_EQ(boxes[1].text, "Go?");
}

}  // namespace
}  // namespace velmora
