#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "platform/messagebox.h"

namespace velmora {

// Stands in for the user in tests: records every message box and answers it from a
// script (then with the box's first button). Posted boxes are recorded too (and answer
// nothing). Installs itself for its lifetime and restores the previous handlers afterwards.
// Thread-safe.
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    // Answers for the next boxes, in order.
    void Script(std::initializer_list<int> answers);
    // Also write each box to standard error (for death tests, whose child's records are
    // lost with the child).
    void EchoToStderr(bool on);

    // Every box, shown or posted, in order.
    std::vector<MessageBoxRequest> Boxes() const;
    std::vector<std::string> Texts() const;
    size_t Count() const;
    size_t CountText(const std::string& text) const;
    void Clear();

    // Waits until at least `n` boxes were shown, up to `timeout`; true when they were.
    bool WaitForCount(size_t n, std::chrono::milliseconds timeout) const;

private:
    int Answer(const MessageBoxRequest& request);

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    std::vector<MessageBoxRequest> m_boxes;
    std::deque<int> m_script;
    bool m_echo = false;
    MessageBoxHandler m_previous;
    PostedMessageBoxHandler m_previousPosted;
};

}  // namespace velmora
