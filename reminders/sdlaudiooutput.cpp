#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>

#include "reminders/audiooutput.h"

namespace velmora {

namespace {

// How long the device's thread waits for the mixer to hand back a buffer before it plays
// silence instead. The mixer keeps several buffers queued, so this only matters at the
// start and when the machine is badly overloaded; waiting (rather than padding at once)
// keeps the output gap-free on drivers that pull faster than real time, such as "disk".
constexpr Uint8 kSilence = 128;

constexpr auto kUnderrunWait = std::chrono::milliseconds(250);

// SDL's own buffer: a power of two no larger than one mixer buffer, so the device never
// holds more than one of them at a time.
Uint16 DeviceFrames(int rate) {
    const int mixerFrames = rate * 588 / 22050;
    Uint16 frames = 64;
    while (frames * 2 <= mixerFrames && frames < 4096) {
        frames = static_cast<Uint16>(frames * 2);
    }
    return frames;
}

class SdlAudioOutput final : public IAudioOutput {
public:
    ~SdlAudioOutput() override { Close(); }

    bool Open(int rate, int channels, Listener* listener) override {
        Close();
        // The program handles SIGTERM and Ctrl-C itself; SDL must not take them over.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            return false;
        }
        m_sdlStarted = true;
        {
            std::lock_guard lock(m_mutex);
            m_listener = listener;
            m_closing = false;
            m_queue.clear();
        }
        SDL_AudioSpec want{};
        want.freq = rate;
        want.format = AUDIO_U8;
        want.channels = static_cast<Uint8>(channels);
        want.samples = DeviceFrames(rate);
        want.callback = &SdlAudioOutput::Callback;
        want.userdata = this;
        SDL_AudioSpec have{};
        // No changes allowed: SDL converts for the hardware if it must, and the callback
        // always sees 8-bit unsigned samples at our rate and channel count.
        m_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (m_device == 0) {
            Close();
            return false;
        }
        if (have.format != AUDIO_U8 || have.freq != rate || have.channels != channels) {
            Close();
            return false;
        }
        SDL_PauseAudioDevice(m_device, 0);
        return true;
    }

    void Submit(int index, const uint8_t* data, size_t bytes) override {
        {
            std::lock_guard lock(m_mutex);
            if (m_closing) {
                return;
            }
            m_queue.push_back(Pending{index, data, bytes, 0});
        }
        m_queued.notify_all();
    }

    void Close() override {
        if (m_device != 0) {
            {
                std::lock_guard lock(m_mutex);
                m_closing = true;
                m_queue.clear();
            }
            m_queued.notify_all();
            SDL_CloseAudioDevice(m_device);  // returns when the device's thread has ended
            m_device = 0;
        }
        if (m_sdlStarted) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            m_sdlStarted = false;
        }
        std::lock_guard lock(m_mutex);
        m_listener = nullptr;
    }

private:
    struct Pending {
        int index;
        const uint8_t* data;
        size_t bytes;
        size_t played;
    };

    static void SDLCALL Callback(void* self, Uint8* stream, int len) {
        static_cast<SdlAudioOutput*>(self)->Fill(stream, static_cast<size_t>(len));
    }

    // Copies queued buffers into the device's buffer. Only copying happens here: a buffer
    // that has been used up goes back to the mixing thread, which mixes it again.
    void Fill(Uint8* out, size_t len) {
        std::unique_lock lock(m_mutex);
        while (len > 0) {
            if (m_queue.empty()) {
                if (m_closing ||
                    !m_queued.wait_for(lock, kUnderrunWait,
                                       [&] { return m_closing || !m_queue.empty(); }) ||
                    m_closing) {
                    break;
                }
            }
            Pending& p = m_queue.front();
            const size_t n = std::min(len, p.bytes - p.played);
            std::memcpy(out, p.data + p.played, n);
            out += n;
            len -= n;
            p.played += n;
            if (p.played == p.bytes) {
                const int index = p.index;
                m_queue.pop_front();
                if (m_listener) {
                    m_listener->BufferDone(index);
                }
            }
        }
        if (len > 0) {
            std::memset(out, kSilence, len);
        }
    }

    SDL_AudioDeviceID m_device = 0;
    bool m_sdlStarted = false;

    std::mutex m_mutex;  // the queue, the listener and the closing flag
    std::condition_variable m_queued;
    std::deque<Pending> m_queue;
    Listener* m_listener = nullptr;
    bool m_closing = false;
};

}  // namespace

std::unique_ptr<IAudioOutput> MakeSdlAudioOutput() {
    return std::make_unique<SdlAudioOutput>();
}

}  // namespace velmora
