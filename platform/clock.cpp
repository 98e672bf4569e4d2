#include "platform/clock.h"

#include <atomic>
#include <ctime>
#include <limits>

namespace velmora {

namespace {
constexpr int64_t kUnpinned = std::numeric_limits<int64_t>::min();
std::atomic<int64_t> g_pinned{kUnpinned};
}  // namespace

CTime Clock::Now() {
    const int64_t pinned = g_pinned.load(std::memory_order_acquire);
    if (pinned != kUnpinned) {
        return CTime(pinned);
    }
    return CTime(static_cast<int64_t>(std::time(nullptr)));
}

void Clock::Pin(CTime t) {
    g_pinned.store(t.GetTime(), std::memory_order_release);
}

void Clock::Advance(int64_t seconds) {
    int64_t cur = g_pinned.load(std::memory_order_acquire);
    for (;;) {
        const int64_t base = cur == kUnpinned ? static_cast<int64_t>(std::time(nullptr)) : cur;
        if (g_pinned.compare_exchange_weak(cur, base + seconds, std::memory_order_acq_rel)) {
            return;
        }
    }
}

void Clock::Release() {
    g_pinned.store(kUnpinned, std::memory_order_release);
}

bool Clock::IsPinned() {
    return g_pinned.load(std::memory_order_acquire) != kUnpinned;
}

}  // namespace velmora
