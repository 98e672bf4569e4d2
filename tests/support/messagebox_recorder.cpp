#include "tests/support/messagebox_recorder.h"

#include <algorithm>
#include <cstdio>

namespace velmora {

MessageBoxRecorder::MessageBoxRecorder() {
    m_previous = SetMessageBoxHandler([this](const MessageBoxRequest& r) { return Answer(r); });
    m_previousPosted = SetPostedMessageBoxHandler([this](const MessageBoxRequest& r) {
        std::lock_guard lock(m_mutex);
        m_boxes.push_back(r);
        if (m_echo) {
            std::fprintf(stderr, "[%s] %s\n", r.caption.c_str(), r.text.c_str());
        }
        m_changed.notify_all();
    });
}

MessageBoxRecorder::~MessageBoxRecorder() {
    SetMessageBoxHandler(std::move(m_previous));
    SetPostedMessageBoxHandler(std::move(m_previousPosted));
}

void MessageBoxRecorder::Script(std::initializer_list<int> answers) {
    std::lock_guard lock(m_mutex);
    m_script.insert(m_script.end(), answers.begin(), answers.end());
}

void MessageBoxRecorder::EchoToStderr(bool on) {
    std::lock_guard lock(m_mutex);
    m_echo = on;
}

int MessageBoxRecorder::Answer(const MessageBoxRequest& request) {
    std::lock_guard lock(m_mutex);
    m_boxes.push_back(request);
    if (m_echo) {
        std::fprintf(stderr, "[%s] %s\n", request.caption.c_str(), request.text.c_str());
        std::fflush(stderr);
    }
    int answer = DefaultAnswer(request.buttons);
    if (!m_script.empty()) {
        answer = m_script.front();
        m_script.pop_front();
    }
    m_changed.notify_all();
    return answer;
}

std::vector<MessageBoxRequest> MessageBoxRecorder::Boxes() const {
    std::lock_guard lock(m_mutex);
    return m_boxes;
}

std::vector<std::string> MessageBoxRecorder::Texts() const {
    std::lock_guard lock(m_mutex);
    std::vector<std::string> out;
    for (const auto& b : m_boxes) {
        out.push_back(b.text);
    }
    return out;
}

size_t MessageBoxRecorder::Count() const {
    std::lock_guard lock(m_mutex);
    return m_boxes.size();
}

size_t MessageBoxRecorder::CountText(const std::string& text) const {
    std::lock_guard lock(m_mutex);
    return static_cast<size_t>(std::count_if(m_boxes.begin(), m_boxes.end(),
                                             [&](const auto& b) { return b.text == text; }));
}

void MessageBoxRecorder::Clear() {
    std::lock_guard lock(m_mutex);
    m_boxes.clear();
    m_script.clear();
}

bool MessageBoxRecorder::WaitForCount(size_t n, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [&] { return m_boxes.size() >= n; });
}

}  // namespace velmora
