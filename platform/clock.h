#pragma once

#include <cstdint>

#include "platform/ctime.h"

namespace velmora {

// The process clock. Everything that asks for "now" asks here, so tests can pin the
// clock to any moment and move it. Safe to call from any thread.
class Clock {
public:
    static CTime Now();

    // Pins "now" to `t`; the pinned clock stands still until moved or released.
    static void Pin(CTime t);
    static void Advance(int64_t seconds);
    static void Release();
    static bool IsPinned();
};

// Pins the clock for the lifetime of the object, then restores the real clock.
class ScopedClockPin {
public:
    explicit ScopedClockPin(CTime t) { Clock::Pin(t); }
    ~ScopedClockPin() { Clock::Release(); }
    ScopedClockPin(const ScopedClockPin&) = delete;
    ScopedClockPin& operator=(const ScopedClockPin&) = delete;
};

}  // namespace velmora
