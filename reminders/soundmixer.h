#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

#include "reminders/audiooutput.h"
#include "reminders/sound.h"

namespace velmora {

// A voice of the mixer: something that plays at a volume.
class CVoice {
public:
    virtual ~CVoice() = default;
    virtual void SetVolume(int volume) = 0;
};

// A voice that plays one sound from its samples, without interpolation: each output frame
// takes the sample at the integer part of the position. Positions are fixed point with 8
// fraction bits. The mixer reads and writes voices only under its lock.
class CEffectVoice : public CVoice {
public:
    // 0-64; anything outside reads as 64. The effective volume follows the master volume.
    void SetVolume(int volume) override;
    void Start() { stopped = paused = false; }
    void Stop() { stopped = true; }
    bool IsPlaying() const { return !stopped && !paused; }
    bool IsFree() const { return stopped && !paused; }

    // Adds `frames` frames of this voice to `sums` (sample - 128, times the effective
    // volume). Stops the voice when it passes its end (unless it loops).
    void AddTo(int32_t* sums, int frames);

    int volume = 64;
    int master = 64;
    int effectiveVolume = 64;
    bool loop = false;
    bool paused = false;
    bool stopped = true;
    const uint8_t* data = nullptr;
    uint32_t step = 0;      // per output frame, 8 fraction bits
    uint64_t position = 0;  // 8 fraction bits
    uint64_t end = 0;       // sound length x 256
};

// A voice kept for tracker music. Nothing in the program plays music, so these never sound;
// they hold their handles (0 and 1) so that effect handles stay 2-9.
class CMusicVoice : public CVoice {
public:
    void SetVolume(int v) override { volume = v < 0 || v > 64 ? 64 : v; }
    int volume = 64;
};

// The program's software mixer: owns the output device for the whole run, mixes up to
// eight sounds on a thread of its own, and streams the result through five rotating
// buffers. Sounds may be started from any thread.
class CSoundMixer {
public:
    static constexpr uint16_t kNoVoice = 65535;
    static constexpr int kEffectVoices = 8;
    static constexpr int kMusicVoices = 2;
    static constexpr int kBuffers = 5;
    // How long Close waits for the mixing thread before giving up on it.
    static constexpr int kCloseWaitMs = 3000;

    using OutputFactory = std::function<std::unique_ptr<IAudioOutput>()>;

    // Plays through SDL2 audio.
    CSoundMixer();
    // Plays through outputs made by `factory` (one per Open).
    explicit CSoundMixer(OutputFactory factory);
    ~CSoundMixer();
    CSoundMixer(const CSoundMixer&) = delete;
    CSoundMixer& operator=(const CSoundMixer&) = delete;

    // Opens the output at `rate` (11025, 22050 or 44100; any other rate becomes 22050) in
    // stereo or mono, and starts mixing. False when already open, or when no output takes
    // the format (then nothing is left open).
    bool Open(int rate, bool stereo);
    // Stops the mixing thread and releases the output. True; also when never opened.
    bool Close();
    // Starts `sound` on the first free effect voice: its handle 2-9, or kNoVoice when the
    // mixer is closed, the sound has no data or all eight voices are busy (the sound is
    // dropped; nothing playing is cut off).
    uint16_t PlaySound(const CSound& sound);
    // Starts several sounds on the same output frame, in order; their handles.
    std::vector<uint16_t> PlaySounds(std::span<const CSound* const> sounds);

    bool IsOpen() const;
    int Rate() const;
    int Channels() const;
    int FramesPerBuffer() const;
    // Effect voices playing now.
    int PlayingVoices() const;
    // Output buffers mixed since Open (the five short start buffers not counted).
    uint64_t BuffersMixed() const;

    // Mixes `frames` frames of output into `out` (frames x channels bytes), under the lock,
    // as the mixing thread does for each buffer. Does nothing while closed.
    void Mix(uint8_t* out, int frames);

    // Output frames per buffer at `rate`: 298, 588 or 1176; 0 for a rate that is not used.
    static int FramesPerBufferAt(int rate);

private:
    struct Engine;
    std::shared_ptr<Engine> CurrentEngine() const;
    // The mixing thread's body; its own reference keeps the engine alive should Close give
    // up waiting for it.
    static void RunThread(std::shared_ptr<Engine> engine);

    OutputFactory m_factory;
    std::thread m_thread;              // Open and Close run on one thread
    mutable std::mutex m_engineMutex;  // guards m_engine itself; voices have their own lock
    std::shared_ptr<Engine> m_engine;
};

}  // namespace velmora
