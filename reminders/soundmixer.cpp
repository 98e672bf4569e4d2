#include "reminders/soundmixer.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <new>
#include <system_error>
#include <thread>

#include <pthread.h>

namespace velmora {

namespace {

constexpr uint8_t kSilence = 128;
// The start buffers are this short so that the device hands each back at once and the
// mixing thread fills it properly.
constexpr size_t kStartBufferBytes = 8;
// Mixing works through a stack array of sums this many frames long.
constexpr int kChunkFrames = 1024;

}  // namespace

void CEffectVoice::SetVolume(int v) {
    volume = v < 0 || v > 64 ? 64 : v;
    effectiveVolume = (master * volume) >> 6;
}

void CEffectVoice::AddTo(int32_t* sums, int frames) {
    int f = 0;
    while (f < frames) {
        if (loop && position > end) {
            position -= end;
        }
        if (position > end) {
            Stop();
            return;
        }
        // Frames left before the position passes the end (the sample at the end itself is
        // still played); within them nothing needs checking.
        const uint64_t left = (end - position) / step + 1;
        const int n = static_cast<int>(std::min<uint64_t>(left, static_cast<uint64_t>(frames - f)));
        const int32_t vol = effectiveVolume;
        const uint8_t* samples = data;
        uint64_t pos = position;
        int32_t* out = sums + f;
        for (int i = 0; i < n; ++i) {
            out[i] += (static_cast<int32_t>(samples[pos >> 8]) - 128) * vol;
            pos += step;
        }
        position = pos;
        f += n;
    }
}

struct CSoundMixer::Engine final : IAudioOutput::Listener {
    ~Engine() {
        // The device calls back into this object until it is closed.
        if (output) {
            output->Close();
        }
    }

    // Called on the device's thread: only queue the buffer for the mixing thread.
    void BufferDone(int index) override {
        {
            std::lock_guard guard(queueMutex);
            done.push_back(index);
        }
        queueChanged.notify_all();
    }

    // The caller holds `lock`.
    void MixLocked(uint8_t* out, int frames) {
        int32_t sums[kChunkFrames];
        while (frames > 0) {
            const int n = std::min(frames, kChunkFrames);
            std::fill_n(sums, n, 0);
            for (CEffectVoice& v : effects) {
                if (v.IsPlaying()) {
                    v.AddTo(sums, n);
                }
            }
            // Shift rather than divide: one full-volume voice comes out at half amplitude,
            // two reach full scale, more are clipped. Every voice is mono, so in stereo the
            // right channel carries the same sum as the left.
            for (int i = 0; i < n; ++i) {
                const int32_t s = std::clamp(sums[i] >> 7, -128, 127);
                const uint8_t b = static_cast<uint8_t>(s + 128);
                if (channels == 2) {
                    out[0] = b;
                    out[1] = b;
                    out += 2;
                } else {
                    *out++ = b;
                }
            }
            frames -= n;
        }
    }

    // The mixing thread: wait for finished buffers, mix each under the lock, queue it again.
    void Run() {
        std::deque<int> batch;
        for (;;) {
            {
                std::unique_lock guard(queueMutex);
                queueChanged.wait(guard, [&] { return stop || !done.empty(); });
                if (stop) {
                    break;
                }
                batch.swap(done);
            }
            for (int index : batch) {
                uint8_t* buffer = buffers.data() + static_cast<size_t>(index) * bufferBytes;
                {
                    std::lock_guard voices(lock);
                    MixLocked(buffer, framesPerBuffer);
                }
                mixed.fetch_add(1, std::memory_order_relaxed);
                output->Submit(index, buffer, bufferBytes);
            }
            batch.clear();
        }
        {
            std::lock_guard guard(queueMutex);
            finished = true;
        }
        queueChanged.notify_all();
    }

    // Fixed from Open on.
    int rate = 22050;
    int channels = 2;
    int framesPerBuffer = 588;
    size_t bufferBytes = 0;
    std::vector<uint8_t> buffers;
    std::unique_ptr<IAudioOutput> output;

    // All voice state, held by the mixing thread for one buffer's mix.
    std::mutex lock;
    std::array<CEffectVoice, kEffectVoices> effects{};
    std::array<CMusicVoice, kMusicVoices> music{};
    int masterVolume = 64;

    // Finished buffers on their way from the device to the mixing thread, and the stop.
    std::mutex queueMutex;
    std::condition_variable queueChanged;
    std::deque<int> done;
    bool stop = false;
    bool finished = false;

    std::atomic<uint64_t> mixed{0};
};

CSoundMixer::CSoundMixer() : CSoundMixer(&MakeSdlAudioOutput) {}

CSoundMixer::CSoundMixer(OutputFactory factory) : m_factory(std::move(factory)) {}

CSoundMixer::~CSoundMixer() {
    Close();
}

int CSoundMixer::FramesPerBufferAt(int rate) {
    switch (rate) {
        case 11025:
            return 298;
        case 22050:
            return 588;
        case 44100:
            return 1176;
        default:
            return 0;
    }
}

std::shared_ptr<CSoundMixer::Engine> CSoundMixer::CurrentEngine() const {
    std::lock_guard guard(m_engineMutex);
    return m_engine;
}

bool CSoundMixer::Open(int rate, bool stereo) {
    if (CurrentEngine()) {
        return false;
    }
    auto engine = std::make_shared<Engine>();
    engine->framesPerBuffer = FramesPerBufferAt(rate);
    engine->rate = rate;
    if (engine->framesPerBuffer == 0) {
        engine->rate = 22050;
        engine->framesPerBuffer = 588;
    }
    engine->channels = stereo ? 2 : 1;
    engine->bufferBytes =
        static_cast<size_t>(engine->framesPerBuffer) * static_cast<size_t>(engine->channels);
    try {
        engine->buffers.assign(engine->bufferBytes * kBuffers, kSilence);
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (CEffectVoice& v : engine->effects) {
        v.master = engine->masterVolume;
    }

    engine->output = m_factory ? m_factory() : nullptr;
    if (!engine->output || !engine->output->Open(engine->rate, engine->channels, engine.get())) {
        engine->output.reset();
        return false;  // the engine and its buffers go with it
    }
    try {
        m_thread = std::thread(&CSoundMixer::RunThread, engine);
    } catch (const std::system_error&) {
        engine->output->Close();
        return false;
    }
    for (int k = 0; k < kBuffers; ++k) {
        engine->output->Submit(k, engine->buffers.data() + k * engine->bufferBytes,
                               kStartBufferBytes);
    }
    std::lock_guard guard(m_engineMutex);
    m_engine = std::move(engine);
    return true;
}

bool CSoundMixer::Close() {
    std::shared_ptr<Engine> engine;
    {
        std::lock_guard guard(m_engineMutex);
        engine = std::move(m_engine);
    }
    if (!engine) {
        return true;
    }
    bool finished;
    {
        std::unique_lock guard(engine->queueMutex);
        engine->stop = true;
        engine->queueChanged.notify_all();
        finished = engine->queueChanged.wait_for(guard, std::chrono::milliseconds(kCloseWaitMs),
                                                 [&] { return engine->finished; });
    }
    if (finished) {
        m_thread.join();
    } else {
        // Never hang the exit on a stuck thread: it keeps its own reference to the engine
        // and releases the device when it ends, if ever.
        m_thread.detach();
    }
    engine.reset();
    return true;
}

uint16_t CSoundMixer::PlaySound(const CSound& sound) {
    const CSound* one[] = {&sound};
    return PlaySounds(one).front();
}

std::vector<uint16_t> CSoundMixer::PlaySounds(std::span<const CSound* const> sounds) {
    std::vector<uint16_t> handles(sounds.size(), kNoVoice);
    const std::shared_ptr<Engine> engine = CurrentEngine();
    if (!engine) {
        return handles;
    }
    std::lock_guard voices(engine->lock);
    for (size_t i = 0; i < sounds.size(); ++i) {
        const CSound* sound = sounds[i];
        if (!sound || !sound->data) {
            continue;
        }
        // The free voice is chosen under the lock, so two threads never take the same one.
        auto it = std::find_if(engine->effects.begin(), engine->effects.end(),
                               [](const CEffectVoice& v) { return v.IsFree(); });
        if (it == engine->effects.end()) {
            continue;
        }
        CEffectVoice& v = *it;
        v.data = sound->data;
        // (rate x 65536) / (output rate x 256); at least 1 so that every sound ends.
        const uint64_t step = (static_cast<uint64_t>(sound->rate) * 65536u) /
                              (static_cast<uint64_t>(engine->rate) * 256u);
        v.step = static_cast<uint32_t>(std::clamp<uint64_t>(step, 1, UINT32_MAX));
        v.position = 0;
        v.end = static_cast<uint64_t>(sound->length) * 256u;
        v.loop = sound->loop;
        v.master = engine->masterVolume;
        v.SetVolume(sound->volume);
        v.Start();
        handles[i] = static_cast<uint16_t>(kMusicVoices + (it - engine->effects.begin()));
    }
    return handles;
}

bool CSoundMixer::IsOpen() const {
    return CurrentEngine() != nullptr;
}

int CSoundMixer::Rate() const {
    const auto e = CurrentEngine();
    return e ? e->rate : 0;
}

int CSoundMixer::Channels() const {
    const auto e = CurrentEngine();
    return e ? e->channels : 0;
}

int CSoundMixer::FramesPerBuffer() const {
    const auto e = CurrentEngine();
    return e ? e->framesPerBuffer : 0;
}

int CSoundMixer::PlayingVoices() const {
    const auto e = CurrentEngine();
    if (!e) {
        return 0;
    }
    std::lock_guard voices(e->lock);
    return static_cast<int>(std::count_if(e->effects.begin(), e->effects.end(),
                                          [](const CEffectVoice& v) { return v.IsPlaying(); }));
}

uint64_t CSoundMixer::BuffersMixed() const {
    const auto e = CurrentEngine();
    return e ? e->mixed.load(std::memory_order_relaxed) : 0;
}

void CSoundMixer::Mix(uint8_t* out, int frames) {
    const auto e = CurrentEngine();
    if (!e || frames <= 0) {
        return;
    }
    std::lock_guard voices(e->lock);
    e->MixLocked(out, frames);
}

void CSoundMixer::RunThread(std::shared_ptr<Engine> engine) {
#ifdef __linux__
    pthread_setname_np(pthread_self(), "velmora-mixer");
#endif
    engine->Run();
}

}  // namespace velmora
