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
#include "tests/support/saveday.h"
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

// A sound that never rests on silence, with full-scale samples; its last 8 (never played) too.
inline Bytes Pattern(size_t n, int seed) {
    Bytes b(n);
    for (size_t i = 0; i < n; ++i) {
        const int v = 20 + static_cast<int>((i * 37 + static_cast<size_t>(seed) * 11) % 90);
        b[i] = static_cast<uint8_t>(i % 6 == 0 ? 0 : i % 6 == 2 ? 255 : i % 2 ? 128 + v : 128 - v);
    }
    std::fill(b.end() - 8, b.end(), uint8_t{255});
    return b;
}

// An alarm saved on its day, as the alarm screen does.
struct Alarm {
    int year, month, day, slot, type, hour, minute;
};
inline void SetAlarm(const Alarm& a) {
    SaveAlarm(a.year, a.month, a.day, a.slot, a.type, a.hour, a.minute);
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

// What a sound adds to each output frame, (sample - 128) x volume: frame f plays sample
// f x soundRate / outputRate (rounded down), up to the sample before the last 8.
inline std::vector<int> Contribution(const Bytes& samples, uint64_t soundRate, uint64_t outputRate,
                                     int volume = 64) {
    const uint64_t last = samples.size() - 8;
    std::vector<int> out;
    for (uint64_t f = 0; f * soundRate <= last * outputRate; ++f) {
        out.push_back((samples[f * soundRate / outputRate] - 128) * volume);
    }
    return out;
}

// The output of voices started on the same frame: the sum / 128 (rounded down), limited to
// 8 bits, repeated per channel.
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

inline bool AllSilent(const std::string& bytes) {
    return bytes.find_first_not_of(static_cast<char>(128)) == std::string::npos;
}

// SDL's "disk" driver writes every byte that reaches the device to a file, without delay.
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

    // Until every voice ended and the device has written the last of them.
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
