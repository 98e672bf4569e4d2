#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/resources.h"
#include "reminders/soundmixer.h"
#include "tests/support/testenv.h"

namespace velmora::test {

using Bytes = std::vector<uint8_t>;

inline std::string Le32(uint32_t v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF),
            static_cast<char>(v >> 16 & 0xFF), static_cast<char>(v >> 24 & 0xFF)};
}
inline std::string Le16(uint16_t v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF)};
}

// One RIFF chunk; `declared` overrides the size written in its header.
inline std::string Chunk(const std::string& id, const std::string& payload, int64_t declared = -1) {
    const uint32_t size =
        declared >= 0 ? static_cast<uint32_t>(declared) : static_cast<uint32_t>(payload.size());
    return id + Le32(size) + payload;
}

inline std::string FormatChunk(uint16_t channels, uint32_t rate, uint16_t bits) {
    const uint16_t align = static_cast<uint16_t>(channels * bits / 8);
    return Chunk("fmt ", Le16(1) + Le16(channels) + Le32(rate) + Le32(rate * align) + Le16(align) +
                             Le16(bits));
}

inline std::string Riff(const std::string& chunks) {
    return "RIFF" + Le32(static_cast<uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

inline std::string AsString(const Bytes& b) {
    return std::string(b.begin(), b.end());
}

// A plain 8-bit mono wave file holding `samples`.
inline std::string MonoWave(uint32_t rate, const Bytes& samples) {
    return Riff(FormatChunk(1, rate, 8) + Chunk("data", AsString(samples)));
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

// What a sound contributes to each output frame, sample - 128, worked out from the rates
// the way a listener would: frame f plays the sample at time f / outputRate, that is sample
// f x soundRate / outputRate (rounded down). The last 8 samples of a sound are never
// played; the sound ends with the frame that reaches the sample just before them (at half
// the mixer's rate that last sample lasts one frame, not two).
inline std::vector<int> Contribution(const Bytes& samples, int soundRate, int outputRate) {
    const uint64_t last = samples.size() - 8;
    std::vector<int> out;
    for (uint64_t f = 0;
         f * static_cast<uint64_t>(soundRate) <= last * static_cast<uint64_t>(outputRate); ++f) {
        out.push_back(
            samples[f * static_cast<uint64_t>(soundRate) / static_cast<uint64_t>(outputRate)] -
            128);
    }
    return out;
}

// The output bytes of voices at full volume all started on the same frame: each frame is
// half the sum (rounded down), limited to the 8-bit range, repeated per channel.
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
        const int level = std::clamp(static_cast<int>(std::floor(sum / 2.0)), -128, 127);
        for (int c = 0; c < channels; ++c) {
            out.push_back(static_cast<char>(level + 128));
        }
    }
    return out;
}

// Mixer tests on SDL's "disk" driver, which writes every byte that reaches the device to a
// file, as fast as the mixer delivers.
class DiskAudioTest : public StoreTest {
protected:
    DiskAudioTest() {
        file = home->Root() + "/device.raw";
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
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (mixer.PlayingVoices() > 0) {
            ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "voices never ended";
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        WaitBuffers(mixer, CSoundMixer::kBuffers + 3);
    }

    static void WaitBuffers(CSoundMixer& mixer, uint64_t count) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        const uint64_t target = mixer.BuffersMixed() + count;
        while (mixer.BuffersMixed() < target) {
            ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the mixer stalled";
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    std::string Output() const { return ReadFileBytes(file); }

    std::string file;
    WaveResources waves;
};

// True when every byte is silence.
inline bool AllSilent(const std::string& bytes) {
    return bytes.find_first_not_of(static_cast<char>(128)) == std::string::npos;
}

}  // namespace velmora::test
