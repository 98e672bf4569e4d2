#pragma once

#include <cstdint>

namespace velmora {

// A sound: 8-bit unsigned mono samples (128 is silence) and how to play them. The samples
// are the program's own "WAVE" resources, used in place; they live as long as the program,
// so a voice may go on playing after the CSound that started it is gone.
class CSound {
public:
    // Points the sound at WAVE resource `id`. On failure the sound has no data, and playing
    // it does nothing. The resource must be RIFF/WAVE with its "fmt " chunk first, 8-bit
    // mono, and a "data" chunk of at least 8 bytes that ends inside the resource.
    bool LoadWaveResource(int id);

    const uint8_t* data = nullptr;  // first sample
    uint32_t rate = 0;              // samples per second
    uint32_t length = 0;            // samples to play: the data chunk's size minus 8
    int volume = 64;                // 0-64
    bool loop = false;              // start again from the beginning after the end
};

}  // namespace velmora
