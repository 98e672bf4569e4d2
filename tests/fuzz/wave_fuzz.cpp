// Fuzz target for the WAVE loader: arbitrary bytes as a sound resource. A sound that loads
// must lie wholly inside the resource; every sample of it is read, so AddressSanitizer
// sees any access outside. The bytes sit in a heap block of exactly their size.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/resources.h"
#include "reminders/sound.h"

namespace {

constexpr int kId = 9001;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "wave_fuzz: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace velmora;
    std::unique_ptr<uint8_t[]> bytes(new uint8_t[size ? size : 1]);
    if (size) {
        std::memcpy(bytes.get(), data, size);
    }
    SetExtraResource("WAVE", kId, bytes.get(), size);
    CSound sound;
    if (sound.LoadWaveResource(kId)) {
        const uint8_t* begin = bytes.get();
        const uint8_t* end = begin + size;
        if (sound.data < begin || sound.data > end || sound.length > size ||
            sound.data + sound.length > end) {
            Fail("a loaded sound reaches outside its resource");
        }
        unsigned sum = 0;
        for (uint32_t i = 0; i < sound.length; ++i) {
            sum += sound.data[i];
        }
        if (sound.rate == 0) {
            Fail("a loaded sound has no rate");
        }
        volatile unsigned sink = sum;
        (void)sink;
    }
    SetExtraResource("WAVE", kId, nullptr, 0);
    return 0;
}
