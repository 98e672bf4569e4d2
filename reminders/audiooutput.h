#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace velmora {

// The output a mixer streams to: 8-bit unsigned PCM (128 is silence) at exactly the
// mixer's rate and channel count, fed as numbered buffers that are played in the order
// they were submitted.
class IAudioOutput {
public:
    // Told when a submitted buffer has been played and may be filled again. Called on the
    // device's own thread, so it must only pass the news on, never mix or block.
    class Listener {
    public:
        virtual void BufferDone(int index) = 0;

    protected:
        ~Listener() = default;
    };

    virtual ~IAudioOutput() = default;

    // Opens the device and starts it. False, with nothing left open, when no device takes
    // exactly this format.
    virtual bool Open(int rate, int channels, Listener* listener) = 0;
    // Queues `bytes` bytes of `data` as buffer `index`; the bytes must stay untouched until
    // the listener hears that the buffer is done.
    virtual void Submit(int index, const uint8_t* data, size_t bytes) = 0;
    // Drops whatever is queued and closes the device. No listener call comes after it.
    virtual void Close() = 0;
};

// The output on SDL2 audio (SDL_AUDIODRIVER picks the driver; "disk" writes a file).
std::unique_ptr<IAudioOutput> MakeSdlAudioOutput();

}  // namespace velmora
