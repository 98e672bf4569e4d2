#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <functional>
#include <list>
#include <string>
#include <thread>
#include <vector>

#include "platform/resources.h"
#include "reminders/soundmixer.h"
#include "tests/support/testenv.h"

namespace velmora::test {

using Bytes = std::vector<uint8_t>;

inline std::string Le(uint32_t v, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>(v >> (8 * i) & 0xFF));
    }
    return out;
}

// One RIFF chunk; `declared` overrides the size written in its header.
inline std::string Chunk(const std::string& id, const std::string& payload, int64_t declared = -1) {
    return id + Le(static_cast<uint32_t>(declared >= 0 ? declared : std::ssize(payload)), 4) +
           payload;
}

inline std::string FormatChunk(uint16_t channels, uint32_t rate, uint16_t bits) {
    const uint32_t align = channels * bits / 8u;
    return Chunk("fmt ", Le(1, 2) + Le(channels, 2) + Le(rate, 4) + Le(rate * align, 4) +
                             Le(align, 2) + Le(bits, 2));
}

inline std::string Riff(const std::string& chunks) {
    return "RIFF" + Le(static_cast<uint32_t>(4 + chunks.size()), 4) + "WAVE" + chunks;
}

// A plain 8-bit mono wave file holding `samples`.
inline std::string MonoWave(uint32_t rate, const Bytes& samples) {
    return Riff(FormatChunk(1, rate, 8) +
                Chunk("data", std::string(samples.begin(), samples.end())));
}

// Makes byte strings findable as WAVE resources for one test.
class WaveResources {
public:
    ~WaveResources() { ClearExtraResources(); }
    void Add(int id, std::string bytes) {
        const std::string& kept = m_kept.emplace_back(std::move(bytes));
        SetExtraResource("WAVE", id, reinterpret_cast<const uint8_t*>(kept.data()), kept.size());
    }

private:
    std::list<std::string> m_kept;  // a list: the bytes never move
};

// What a sound contributes to each output frame, (sample - 128) x volume, worked out from the
// rates the way a listener would: frame f plays the sample at time f / outputRate, that is
// sample f x soundRate / outputRate (rounded down). The last 8 samples of a sound are never
// played; the sound ends with the frame that reaches the sample just before them (at half the
// mixer's rate that last sample lasts one frame, not two).
inline std::vector<int> Contribution(const Bytes& samples, uint64_t soundRate, uint64_t outputRate,
                                     int volume = 64) {
    const uint64_t last = samples.size() - 8;
    std::vector<int> out;
    for (uint64_t f = 0; f * soundRate <= last * outputRate; ++f) {
        out.push_back((samples[f * soundRate / outputRate] - 128) * volume);
    }
    return out;
}

// The output bytes of voices all started on the same frame: a voice at full volume (64) comes
// out at half its amplitude, so each frame is the sum / 128 (rounded down), limited to the
// 8-bit range, repeated per channel.
inline std::string ExpectedOutput(const std::vector<std::vector<int>>& voices, int channels) {
    size_t frames = 0;
    for (const auto& v : voices) {
        frames = std::max(frames, v.size());
    }
    std::string out;
    for (size_t f = 0; f < frames; ++f) {
        int sum = 0;
        for (const auto& v : voices) {
            sum += f < v.size() ? v[f] : 0;
        }
        const int level = std::clamp(static_cast<int>(std::floor(sum / 128.0)), -128, 127);
        out.append(static_cast<size_t>(channels), static_cast<char>(level + 128));
    }
    return out;
}

// True when every byte is silence.
inline bool AllSilent(const std::string& bytes) {
    return bytes.find_first_not_of(static_cast<char>(128)) == std::string::npos;
}

// Mixer tests on SDL's "disk" driver, which writes every byte that reaches the device to a
// file, as fast as the mixer delivers.
class DiskAudioTest : public StoreTest {
protected:
    DiskAudioTest() : file(home->Root() + "/device.raw") {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", "0", 1);
    }
    ~DiskAudioTest() override {
        unsetenv("SDL_AUDIODRIVER");
        unsetenv("SDL_DISKAUDIOFILE");
        unsetenv("SDL_DISKAUDIODELAY");
    }

    // Waits until every voice has ended and enough buffers followed for the device to have
    // written the last sound bytes (it never holds more than one buffer).
    static void PlayOut(CSoundMixer& mixer) {
        WaitFor([&] { return mixer.PlayingVoices() == 0; }, "voices never ended");
        WaitBuffers(mixer, CSoundMixer::kBuffers + 3);
    }
    static void WaitBuffers(CSoundMixer& mixer, uint64_t count) {
        const uint64_t target = mixer.BuffersMixed() + count;
        WaitFor([&] { return mixer.BuffersMixed() >= target; }, "the mixer stalled");
    }
    static void WaitFor(const std::function<bool()>& done, const char* failure) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!done()) {
            ASSERT_LT(std::chrono::steady_clock::now(), deadline) << failure;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    std::string Output() const { return ReadFileBytes(file); }

    std::string file;
    WaveResources waves;
};

}  // namespace velmora::test
