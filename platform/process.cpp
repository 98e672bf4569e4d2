#include "platform/process.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace velmora {

namespace {
std::atomic<int> g_allocFailures{0};
}

void TerminateProcess(int code) {
    std::fflush(nullptr);
    std::_Exit(code);
}

void InjectAllocationFailures(int count) {
    g_allocFailures.store(count);
}

bool TakeInjectedAllocationFailure() {
    int n = g_allocFailures.load();
    while (n > 0) {
        if (g_allocFailures.compare_exchange_weak(n, n - 1)) {
            return true;
        }
    }
    return false;
}

}  // namespace velmora
