// The mixer as the device hears it: every test reads the bytes SDL's disk driver wrote.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <set>
#include <thread>

#include "reminders/sharedstate.h"
#include "reminders/sound.h"
#include "reminders/soundmixer.h"
#include "store/settings.h"
#include "tests/reminders/audiotest.h"

namespace velmora {
namespace {

using test::Bytes;
using test::Contribution;
using test::ExpectedOutput;

constexpr uint8_t kSilence = 128;

// A sound of `n` samples that never rests on silence, so its start and end show in the
// output; its last 8 samples (which are never played) are full-scale, so playing them
// would show too.
Bytes Pattern(size_t n, int seed) {
    Bytes b(n);
    for (size_t i = 0; i < n; ++i) {
        const int v = 20 + static_cast<int>((i * 37 + static_cast<size_t>(seed) * 11) % 90);
        b[i] = static_cast<uint8_t>(i % 2 ? 128 + v : 128 - v);
    }
    for (size_t i = n - 8; i < n; ++i) {
        b[i] = 255;
    }
    return b;
}

// Where `expected` begins in the output, followed by silence; fails when it is not there.
size_t FindSound(const std::string& output, const std::string& expected) {
    const size_t at = output.find(expected);
    EXPECT_NE(at, std::string::npos) << "the expected bytes never reached the device";
    return at;
}

class MixerTest : public test::DiskAudioTest {};

TEST_F(MixerTest, HalfRateSoundUsesEachSampleForTwoFrames) {
    const Bytes samples = Pattern(300, 1);
    waves.Add(9001, test::MonoWave(11025, samples));
    CSound sound;
    ASSERT_TRUE(sound.LoadWaveResource(9001));

    CSoundMixer mixer;
    ASSERT_TRUE(mixer.Open(22050, true));
    EXPECT_EQ(mixer.PlaySound(sound), 2);
    PlayOut(mixer);
    ASSERT_TRUE(mixer.Close());

    const std::string out = Output();
    const std::string expected = ExpectedOutput({Contribution(samples, 11025, 22050)}, 2);
    ASSERT_EQ(expected.size(), (2u * (300u - 8u) + 1u) * 2u);
    const size_t at = FindSound(out, expected);
    ASSERT_NE(at, std::string::npos);
    // Frame by frame: both channels equal, and sample i in frames 2i and 2i+1.
    for (size_t i = 0; i + 8 < samples.size(); ++i) {
        const size_t frame = at + i * 4;
        EXPECT_EQ(out[frame], out[frame + 2]);
        EXPECT_EQ(out[frame], out[frame + 1]);
    }
    // After the end only silence, and before it nothing but silence either.
    const std::string after = out.substr(at + expected.size(), 2 * 588 * 2);
    EXPECT_TRUE(test::AllSilent(after));
    EXPECT_TRUE(test::AllSilent(out.substr(0, at)));
}

TEST_F(MixerTest, OneFullScaleVoiceComesOutAtHalfAmplitude) {
    Bytes samples;
    for (int i = 0; i < 400; ++i) {
        samples.push_back(i % 3 == 0 ? 0 : (i % 3 == 1 ? 255 : static_cast<uint8_t>(i)));
    }
    waves.Add(9002, test::MonoWave(22050, samples));
    CSound sound;
    ASSERT_TRUE(sound.LoadWaveResource(9002));

    CSoundMixer mixer;
    ASSERT_TRUE(mixer.Open(22050, false));
    EXPECT_EQ(mixer.PlaySound(sound), 2);
    PlayOut(mixer);
    mixer.Close();

    const std::string out = Output();
    ASSERT_FALSE(out.empty());
    const auto [lo, hi] = std::minmax_element(out.begin(), out.end(), [](char a, char b) {
        return static_cast<uint8_t>(a) < static_cast<uint8_t>(b);
    });
    EXPECT_EQ(static_cast<uint8_t>(*lo), 64);
    EXPECT_EQ(static_cast<uint8_t>(*hi), 191);
    FindSound(out, ExpectedOutput({Contribution(samples, 22050, 22050)}, 1));
}

TEST_F(MixerTest, NineSoundsAtOnceTheNinthIsDroppedAndEightPlayToTheirEnds) {
    std::vector<Bytes> samples;
    std::vector<CSound> sounds(9);
    std::vector<const CSound*> start;
    for (int i = 0; i < 9; ++i) {
        // Lengths differ, so every end shows; many voices together clip.
        samples.push_back(Pattern(200 + 97 * static_cast<size_t>(i), i));
        waves.Add(9100 + i, test::MonoWave(i % 2 ? 11025 : 22050, samples.back()));
        ASSERT_TRUE(sounds[i].LoadWaveResource(9100 + i));
        start.push_back(&sounds[i]);
    }

    CSoundMixer mixer;
    ASSERT_TRUE(mixer.Open(22050, true));
    const std::vector<uint16_t> handles = mixer.PlaySounds(start);
    EXPECT_EQ(handles, (std::vector<uint16_t>{2, 3, 4, 5, 6, 7, 8, 9, CSoundMixer::kNoVoice}));
    PlayOut(mixer);
    // Every voice is free again.
    EXPECT_EQ(mixer.PlaySound(sounds[0]), 2);
    PlayOut(mixer);
    mixer.Close();

    std::vector<std::vector<int>> voices;
    for (int i = 0; i < 8; ++i) {
        voices.push_back(Contribution(samples[i], i % 2 ? 11025 : 22050, 22050));
    }
    const std::string out = Output();
    const std::string together = ExpectedOutput(voices, 2);
    const size_t at = FindSound(out, together);
    ASSERT_NE(at, std::string::npos);
    // The sums clip somewhere, or this would not test the limits.
    EXPECT_NE(together.find(static_cast<char>(255)), std::string::npos);
    EXPECT_NE(together.find(static_cast<char>(0)), std::string::npos);
    // The first sound played once more on its own, later.
    const std::string alone = ExpectedOutput({Contribution(samples[0], 22050, 22050)}, 2);
    EXPECT_NE(out.find(alone, at + together.size()), std::string::npos);
}

TEST_F(MixerTest, PlaySoundTakesTheFirstFreeVoiceAndNeverCutsOneOff) {
    Bytes samples = Pattern(64, 3);
    waves.Add(9200, test::MonoWave(22050, samples));
    CSound looping;
    ASSERT_TRUE(looping.LoadWaveResource(9200));
    looping.loop = true;

    CSoundMixer mixer;
    ASSERT_TRUE(mixer.Open(22050, true));
    for (uint16_t expected = 2; expected <= 9; ++expected) {
        EXPECT_EQ(mixer.PlaySound(looping), expected);
    }
    // Looping voices never end: the ninth is refused, whenever it comes.
    EXPECT_EQ(mixer.PlaySound(looping), CSoundMixer::kNoVoice);
    EXPECT_EQ(mixer.PlayingVoices(), 8);
    mixer.Close();
    EXPECT_EQ(mixer.PlaySound(looping), CSoundMixer::kNoVoice);
}

TEST_F(MixerTest, ALoopingSoundStartsAgainAfterItsEnd) {
    const Bytes samples = Pattern(40, 4);
    waves.Add(9201, test::MonoWave(22050, samples));
    CSound sound;
    ASSERT_TRUE(sound.LoadWaveResource(9201));
    sound.loop = true;

    CSoundMixer mixer;
    ASSERT_TRUE(mixer.Open(22050, false));
    ASSERT_EQ(mixer.PlaySound(sound), 2);
    WaitBuffers(mixer, 12);
    EXPECT_EQ(mixer.PlayingVoices(), 1);
    mixer.Close();

    // Positions run to the end (32 x 256) and then step back by the length: the first
    // pass plays samples 0-32, every later pass 1-32 (the position lands on 256, not 0).
    std::vector<int> passes;
    for (int i = 0; i <= 32; ++i) {
        passes.push_back(samples[i] - 128);
    }
    for (int pass = 0; pass < 5; ++pass) {
        for (int i = 1; i <= 32; ++i) {
            passes.push_back(samples[i] - 128);
        }
    }
    FindSound(Output(), ExpectedOutput({passes}, 1));
}

TEST_F(MixerTest, OpenTwiceFailsTheSecondTimeAndChangesNothing) {
    const Bytes samples = Pattern(120, 5);
    waves.Add(9300, test::MonoWave(22050, samples));
    CSound sound;
    ASSERT_TRUE(sound.LoadWaveResource(9300));

    CSoundMixer mixer;
    ASSERT_TRUE(mixer.Open(22050, true));
    EXPECT_FALSE(mixer.Open(11025, false));
    EXPECT_TRUE(mixer.IsOpen());
    EXPECT_EQ(mixer.Rate(), 22050);
    EXPECT_EQ(mixer.Channels(), 2);
    EXPECT_EQ(mixer.FramesPerBuffer(), 588);
    // Still the first device, in stereo at the first rate: one sample per frame, twice.
    EXPECT_EQ(mixer.PlaySound(sound), 2);
    PlayOut(mixer);
    mixer.Close();
    FindSound(Output(), ExpectedOutput({Contribution(samples, 22050, 22050)}, 2));
}

TEST_F(MixerTest, RatesMapToTheirBufferSizesAndOthersBecome22050) {
    const Bytes samples = Pattern(60, 6);
    waves.Add(9301, test::MonoWave(22050, samples));
    CSound sound;
    ASSERT_TRUE(sound.LoadWaveResource(9301));
    {
        CSoundMixer mixer;
        ASSERT_TRUE(mixer.Open(11025, false));
        EXPECT_EQ(mixer.FramesPerBuffer(), 298);
        mixer.Close();
        ASSERT_TRUE(mixer.Open(44100, false));
        EXPECT_EQ(mixer.FramesPerBuffer(), 1176);
        mixer.Close();
    }
    CSoundMixer mixer;
    ASSERT_TRUE(mixer.Open(8000, false));
    EXPECT_EQ(mixer.Rate(), 22050);
    EXPECT_EQ(mixer.FramesPerBuffer(), 588);
    ASSERT_EQ(mixer.PlaySound(sound), 2);
    PlayOut(mixer);
    mixer.Close();
    // At 22050 a 22050 Hz sound takes one sample per frame.
    FindSound(Output(), ExpectedOutput({Contribution(samples, 22050, 22050)}, 1));
}

TEST_F(MixerTest, CloseWithoutOpenReturnsTrueAndNothingPlays) {
    CSoundMixer mixer;
    EXPECT_TRUE(mixer.Close());
    EXPECT_TRUE(mixer.Close());
    EXPECT_FALSE(mixer.IsOpen());
    waves.Add(9302, test::MonoWave(22050, Pattern(30, 7)));
    CSound sound;
    ASSERT_TRUE(sound.LoadWaveResource(9302));
    EXPECT_EQ(mixer.PlaySound(sound), CSoundMixer::kNoVoice);
    EXPECT_FALSE(test::FileExists(file));  // no device was ever opened
}

TEST_F(MixerTest, WithoutADeviceOpenFailsAndLeavesNothingOpen) {
    waves.Add(9303, test::MonoWave(22050, Pattern(30, 8)));
    CSound sound;
    ASSERT_TRUE(sound.LoadWaveResource(9303));

    CSoundMixer mixer;
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_FALSE(mixer.Open(22050, true));
    EXPECT_FALSE(mixer.IsOpen());
    EXPECT_EQ(mixer.PlaySound(sound), CSoundMixer::kNoVoice);
    EXPECT_TRUE(mixer.Close());

    // A device that cannot be opened (its file's folder does not exist) is no better.
    setenv("SDL_AUDIODRIVER", "disk", 1);
    const std::string missing = home->Root() + "/no/such/folder/out.raw";
    setenv("SDL_DISKAUDIOFILE", missing.c_str(), 1);
    EXPECT_FALSE(mixer.Open(22050, true));
    EXPECT_EQ(mixer.PlaySound(sound), CSoundMixer::kNoVoice);

    // Nothing was left half-open: the same mixer opens once a device is there.
    setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    ASSERT_TRUE(mixer.Open(22050, true));
    EXPECT_EQ(mixer.PlaySound(sound), 2);
    PlayOut(mixer);
    EXPECT_TRUE(mixer.Close());
}

TEST_F(MixerTest, ResourcesThatAreNotPlayableLoadNothing) {
    const std::string pcm = test::AsString(Pattern(64, 9));
    struct Case {
        const char* what;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"stereo", test::Riff(test::FormatChunk(2, 22050, 8) + test::Chunk("data", pcm))},
        {"16-bit", test::Riff(test::FormatChunk(1, 22050, 16) + test::Chunk("data", pcm))},
        {"no data chunk", test::Riff(test::FormatChunk(1, 22050, 8) + test::Chunk("LIST", pcm))},
        {"format not first", test::Riff(test::Chunk("data", pcm) + test::FormatChunk(1, 22050, 8))},
        {"data runs past the end",
         test::Riff(test::FormatChunk(1, 22050, 8) + test::Chunk("data", pcm, 65))},
        {"a chunk before data runs past the end",
         test::Riff(test::FormatChunk(1, 22050, 8) + test::Chunk("LIST", "abcd", 1000) +
                    test::Chunk("data", pcm))},
        {"chunk size near 4 GiB",
         test::Riff(test::FormatChunk(1, 22050, 8) + test::Chunk("LIST", "abcd", 0xFFFFFFFC) +
                    test::Chunk("data", pcm))},
        {"data under 8 bytes",
         test::Riff(test::FormatChunk(1, 22050, 8) + test::Chunk("data", pcm.substr(0, 7)))},
        {"format chunk cut short", test::Riff(test::Chunk("fmt ", std::string(10, '\1')))},
        {"no header", std::string("RIFF")},
    };
    CSoundMixer mixer;
    ASSERT_TRUE(mixer.Open(22050, true));
    int id = 9400;
    for (const Case& c : cases) {
        waves.Add(id, c.bytes);
        CSound sound;
        EXPECT_FALSE(sound.LoadWaveResource(id)) << c.what;
        EXPECT_EQ(sound.data, nullptr) << c.what;
        EXPECT_EQ(mixer.PlaySound(sound), CSoundMixer::kNoVoice) << c.what;
        ++id;
    }
    CSound missing;
    EXPECT_FALSE(missing.LoadWaveResource(id));
    // A sound that loaded once and then failed to load keeps nothing of the first.
    waves.Add(9500, test::MonoWave(22050, Pattern(30, 1)));
    CSound reused;
    ASSERT_TRUE(reused.LoadWaveResource(9500));
    EXPECT_FALSE(reused.LoadWaveResource(9400));
    EXPECT_EQ(mixer.PlaySound(reused), CSoundMixer::kNoVoice);
    WaitBuffers(mixer, 8);
    mixer.Close();
    EXPECT_TRUE(test::AllSilent(Output()));
}

TEST_F(MixerTest, TheDataChunkIsFoundAfterOtherChunksAndLosesItsLast8Bytes) {
    const std::string pcm = test::AsString(Pattern(50, 2));
    // Exactly 8 bytes of data still load: nothing but the first sample plays.
    const std::string wave =
        test::Riff(test::FormatChunk(1, 11025, 8) + test::Chunk("LIST", "INFOabcdefgh") +
                   test::Chunk("fact", std::string("\x32\0\0\0", 4)) + test::Chunk("data", pcm));
    waves.Add(9600, wave);
    waves.Add(9601, test::MonoWave(22050, Bytes(8, 200)));
    CSound sound;
    ASSERT_TRUE(sound.LoadWaveResource(9600));
    EXPECT_EQ(sound.rate, 11025u);
    EXPECT_EQ(sound.length, 42u);
    EXPECT_EQ(sound.data, FindResource("WAVE", 9600)->data + (wave.size() - pcm.size()));
    EXPECT_EQ(sound.volume, 64);
    EXPECT_FALSE(sound.loop);
    CSound tiny;
    ASSERT_TRUE(tiny.LoadWaveResource(9601));
    EXPECT_EQ(tiny.length, 0u);

    CSoundMixer mixer;
    ASSERT_TRUE(mixer.Open(22050, false));
    ASSERT_EQ(mixer.PlaySound(tiny), 2);
    PlayOut(mixer);
    mixer.Close();
    const std::string out = Output();
    EXPECT_EQ(std::count(out.begin(), out.end(), static_cast<char>(164)), 1);  // 128 + 72/2
    EXPECT_EQ(std::count_if(out.begin(), out.end(), [](char c) { return c != char(128); }), 1);
}

TEST_F(MixerTest, SoundsStartedFromManyThreadsGetDistinctVoices) {
    waves.Add(9700, test::MonoWave(22050, Pattern(50, 3)));
    CSound looping;
    ASSERT_TRUE(looping.LoadWaveResource(9700));
    looping.loop = true;

    CSoundMixer mixer;
    ASSERT_TRUE(mixer.Open(22050, true));
    std::mutex m;
    std::vector<uint16_t> handles;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 3; ++i) {
                const uint16_t h = mixer.PlaySound(looping);
                std::lock_guard lock(m);
                handles.push_back(h);
            }
        });
    }
    for (auto& t : threads) {
        t.join();
    }
    mixer.Close();
    std::sort(handles.begin(), handles.end());
    EXPECT_EQ(handles, (std::vector<uint16_t>{2, 3, 4, 5, 6, 7, 8, 9, 65535, 65535, 65535, 65535}));
}

TEST_F(MixerTest, InterfaceClicksFollowTheSoundsSettingAndNeedAMixer) {
    const Bytes click = Pattern(90, 4);
    waves.Add(kWaveCalendarTap, test::MonoWave(22050, click));
    const std::string expected = ExpectedOutput({Contribution(click, 22050, 22050)}, 2);
    const bool saved = SoundsEnabled;

    SoundsEnabled = true;
    PlayInterfaceSound(kWaveCalendarTap);  // no mixer: nothing happens

    CSoundMixer mixer;
    ASSERT_TRUE(mixer.Open(22050, true));
    TheSoundMixer = &mixer;
    SoundsEnabled = false;
    PlayInterfaceSound(kWaveCalendarTap);
    EXPECT_EQ(mixer.PlayingVoices(), 0);
    WaitBuffers(mixer, 8);
    const size_t silentSoFar = Output().size();

    SoundsEnabled = true;
    PlayInterfaceSound(kWaveCalendarTap);
    PlayInterfaceSound(kWaveTabChange);  // not among the resources: skipped
    PlayOut(mixer);
    TheSoundMixer = nullptr;
    mixer.Close();
    SoundsEnabled = saved;

    const std::string out = Output();
    EXPECT_TRUE(test::AllSilent(out.substr(0, silentSoFar)));
    const size_t at = FindSound(out, expected);
    EXPECT_GE(at, silentSoFar);
    EXPECT_EQ(out.find(expected, at + 1), std::string::npos);  // once only
}

// An output whose device thread hangs: the mixing thread blocks handing a buffer back.
class StuckOutput : public IAudioOutput {
public:
    struct Gate {
        std::mutex m;
        std::condition_variable cv;
        bool open = false;
        bool closed = false;
    };
    explicit StuckOutput(std::shared_ptr<Gate> gate) : m_gate(std::move(gate)) {}
    bool Open(int, int, Listener* listener) override {
        m_listener = listener;
        return true;
    }
    void Submit(int index, const uint8_t*, size_t bytes) override {
        if (bytes == 8) {
            m_listener->BufferDone(index);  // start buffers come back at once
            return;
        }
        std::unique_lock lock(m_gate->m);
        m_gate->cv.wait(lock, [&] { return m_gate->open; });
    }
    void Close() override {
        std::lock_guard lock(m_gate->m);
        m_gate->closed = true;
        m_gate->cv.notify_all();
    }

private:
    std::shared_ptr<Gate> m_gate;
    Listener* m_listener = nullptr;
};

TEST(MixerCloseTest, CloseGivesUpOnAStuckThreadWhichStillReleasesTheDeviceLater) {
    auto gate = std::make_shared<StuckOutput::Gate>();
    {
        CSoundMixer mixer([gate] { return std::make_unique<StuckOutput>(gate); });
        ASSERT_TRUE(mixer.Open(22050, true));
        while (mixer.BuffersMixed() == 0) {
            std::this_thread::yield();
        }
        EXPECT_TRUE(mixer.Close());  // returns although the thread is stuck
        EXPECT_FALSE(mixer.IsOpen());
        std::lock_guard lock(gate->m);
        EXPECT_FALSE(gate->closed);
    }
    std::unique_lock lock(gate->m);
    gate->open = true;
    gate->cv.notify_all();
    // The thread ends once unstuck and closes the device it was left with.
    EXPECT_TRUE(gate->cv.wait_for(lock, std::chrono::seconds(60), [&] { return gate->closed; }));
}

}  // namespace
}  // namespace velmora
