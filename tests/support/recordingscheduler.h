#pragma once

#include <string>
#include <vector>

#include "platform/ctime.h"
#include "reminders/startscheduler.h"

namespace velmora {

// A start scheduler that remembers what it was asked.
class RecordingStartScheduler : public IStartScheduler {
public:
    struct Call {
        bool withdraw = false;
        CTime when;
        std::string executable;
    };
    void Schedule(CTime when, const std::string& executable) override {
        calls.push_back({false, when, executable});
    }
    void Withdraw() override { calls.push_back({true, CTime(), {}}); }

    std::vector<Call> calls;
};

}  // namespace velmora
