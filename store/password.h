#pragma once

// The password: kept only as an Argon2id hash (libsodium's crypto_pwhash_str, the
// "interactive" limits), and the wait after repeated wrong answers at the start-up prompt.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ctime.h"

namespace velmora {

struct VelmoraSettings;

// The hash of `password` in libsodium's string form ("$argon2id$v=19$m=65536,t=2,p=1$...");
// empty when it could not be made (no memory for it).
std::string HashPassword(std::string_view password);
// Whether `typed` is the password of `hash`. False for an empty or malformed hash.
bool PasswordMatches(const std::string& hash, std::string_view typed);

// The start-up prompt takes this many wrong answers in a row; after each further one it
// takes the next answer only this many seconds later.
inline constexpr int kFreePasswordAnswers = 5;
inline constexpr int kPasswordWaitSeconds = 30;

// Counts a wrong answer at the prompt given at `now`, and starts the wait when it is due.
void CountWrongPassword(VelmoraSettings& settings, CTime now);
// A right answer: the count starts again.
void CountRightPassword(VelmoraSettings& settings);
// Seconds until the prompt takes an answer; 0 when it takes one now. Never more than
// kPasswordWaitSeconds, so a clock put back does not lock the diary for longer.
int64_t PasswordWaitLeft(const VelmoraSettings& settings, CTime now);

}  // namespace velmora
