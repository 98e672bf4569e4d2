#pragma once

#include <cstddef>

namespace velmora {

// Ends the process at once with `code`, after flushing the standard streams. Used where the
// program cannot go on (out of memory while building a record); nothing half-written is
// left behind because every store write is a transaction.
[[noreturn]] void TerminateProcess(int code);

// Test hook: makes the next `count` guarded allocations fail as if memory ran out.
void InjectAllocationFailures(int count);
// True when a guarded allocation should fail (consumes one injected failure).
bool TakeInjectedAllocationFailure();

}  // namespace velmora
