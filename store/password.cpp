#include "store/password.h"

#include <sodium.h>

#include <algorithm>

#include "store/settings.h"

namespace velmora {

namespace {

bool SodiumReady() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}

}  // namespace

std::string HashPassword(std::string_view password) {
    char out[crypto_pwhash_STRBYTES];
    if (!SodiumReady() ||
        crypto_pwhash_str(out, password.data(), password.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0) {
        return {};
    }
    return out;
}

bool PasswordMatches(const std::string& hash, std::string_view typed) {
    if (hash.empty() || hash.size() >= crypto_pwhash_STRBYTES || !SodiumReady()) {
        return false;
    }
    char str[crypto_pwhash_STRBYTES] = {};
    std::copy(hash.begin(), hash.end(), str);
    return crypto_pwhash_str_verify(str, typed.data(), typed.size()) == 0;
}

void CountWrongPassword(VelmoraSettings& s, CTime now) {
    s.PasswordFailures = std::min(s.PasswordFailures, 1000000) + 1;
    if (s.PasswordFailures >= kFreePasswordAnswers) {
        s.PasswordWaitUntil = now.GetTime() + kPasswordWaitSeconds;
    }
}

void CountRightPassword(VelmoraSettings& s) {
    s.PasswordFailures = 0;
    s.PasswordWaitUntil = 0;
}

int64_t PasswordWaitLeft(const VelmoraSettings& s, CTime now) {
    if (s.PasswordFailures < kFreePasswordAnswers) {
        return 0;
    }
    return std::clamp<int64_t>(s.PasswordWaitUntil - now.GetTime(), 0, kPasswordWaitSeconds);
}

}  // namespace velmora
