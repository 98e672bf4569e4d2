#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/messagebox.h"
#include "tests/support/messagebox_recorder.h"

namespace velmora {
namespace {

TEST(MessageBoxTest, CaptionDefaultsToTheProgramNameAndPostedBoxesDoNotWait) {
    MessageBoxRecorder rec;
    {
        MessageBoxRecorder inner;  // the handler before it comes back when it goes
        ShowMessageBox("inner");
        EXPECT_EQ(inner.Count(), 1u);
    }
    ShowMessageBox("Hello");
    rec.Script({IDCANCEL});
    PostMessageBox("Reminder at  09:15 \nPill", "Alarm", MbIcon::Information, MbButtons::Ok,
                   kForegroundWindow, true);
    // The scripted answer is kept for a box that waits for one.
    EXPECT_EQ(ShowMessageBox("Go?", "Error", MbIcon::Stop, MbButtons::OkCancel), IDCANCEL);
    const auto boxes = rec.Boxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, "Hello");
    EXPECT_EQ(boxes[0].caption, "Velmora Plus");
    EXPECT_EQ(boxes[0].icon, MbIcon::None);
    EXPECT_EQ(boxes[0].owner, kNoOwner);
    EXPECT_FALSE(boxes[0].topmost);
    EXPECT_EQ(boxes[1].caption, "Alarm");
    EXPECT_EQ(boxes[1].owner, kForegroundWindow);
    EXPECT_TRUE(boxes[1].topmost);
    EXPECT_EQ(boxes[2].caption, "Error");
    EXPECT_EQ(boxes[2].icon, MbIcon::Stop);
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

}  // namespace
}  // namespace velmora
