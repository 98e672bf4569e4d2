#include <gtest/gtest.h>

#include <atomic>
#include <future>

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
using test::Pattern;

size_t FindSound(const std::string& output, const std::string& expected) {
    const size_t at = output.find(expected);
    EXPECT_NE(at, std::string::npos) << "the expected bytes never reached the device";
    return at;
}

class MixerTest : public test::DiskAudioTest {
protected:
    CSound Load(int id, const Bytes& samples, uint32_t rate) {
        waves.Add(id, test::MonoWave(rate, samples));
        CSound sound;
        EXPECT_TRUE(sound.LoadWaveResource(id));
        return sound;
    }
};

// Each output rate with its buffer size (others become 22050), sounds resampled to it, at
// full, half and out-of-range volume: the device hears exactly those samples amid silence.
TEST_F(MixerTest, RatesMapToTheirBufferSizesAndSoundsAreResampledToThem) {
    struct Case {
        int open;
        bool stereo;
        uint32_t soundRate;
        int volume, heard;
        int rate, frames;
        size_t size = 300;
    } cases[] = {
        {22050, true, 11025, 64, 64, 22050, 588},     {22050, false, 22050, 64, 64, 22050, 588},
        {11025, false, 22050, 64, 64, 11025, 298},    {44100, true, 11025, 32, 32, 44100, 1176},
        {8000, false, 22050, 65, 64, 22050, 588},     {22050, true, 22050, -1, 64, 22050, 588},
        {22050, false, 22050, 64, 64, 22050, 588, 8},
    };
    int id = 9000;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.open << " " << c.soundRate << " " << c.volume);
        const Bytes samples = Pattern(c.size, id);
        CSound sound = Load(++id, samples, c.soundRate);
        sound.volume = c.volume;
        CSoundMixer mixer;
        ASSERT_TRUE(mixer.Open(c.open, c.stereo));
        EXPECT_FALSE(mixer.Open(c.open == 11025 ? 44100 : 11025, !c.stereo));
        EXPECT_TRUE(mixer.IsOpen());
        EXPECT_EQ(mixer.Rate(), c.rate);
        EXPECT_EQ(mixer.Channels(), c.stereo ? 2 : 1);
        EXPECT_EQ(mixer.FramesPerBuffer(), c.frames);
        EXPECT_EQ(mixer.PlaySound(sound), 2);
        PlayOut(mixer);
        EXPECT_TRUE(mixer.Close());

        const std::string out = Output();
        const std::string expected = ExpectedOutput(
            {Contribution(samples, c.soundRate, static_cast<uint64_t>(c.rate), c.heard)},
            c.stereo ? 2 : 1);
        const size_t at = FindSound(out, expected);
        ASSERT_NE(at, std::string::npos);
        EXPECT_TRUE(test::AllSilent(out.substr(0, at)));
        EXPECT_TRUE(test::AllSilent(out.substr(at + expected.size())));
    }
}

TEST_F(MixerTest, NineSoundsAtOnceTheNinthIsDroppedAndEightPlayToTheirEnds) {
    std::vector<Bytes> samples;
    std::vector<CSound> sounds;
    for (int i = 0; i < 9; ++i) {
        samples.push_back(Pattern(200 + 97 * static_cast<size_t>(i), i));
        sounds.push_back(Load(9100 + i, samples.back(), i % 2 ? 11025 : 22050));
    }
    std::vector<const CSound*> start;
    for (const CSound& s : sounds) {
        start.push_back(&s);
    }
    CSoundMixer mixer;
    ASSERT_TRUE(mixer.Open(22050, true));
    EXPECT_EQ(mixer.PlaySounds(start),
              (std::vector<uint16_t>{2, 3, 4, 5, 6, 7, 8, 9, CSoundMixer::kNoVoice}));
    PlayOut(mixer);
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
    EXPECT_NE(together.find(static_cast<char>(255)), std::string::npos);  // the sums clip
    EXPECT_NE(together.find(static_cast<char>(0)), std::string::npos);
    const std::string alone = ExpectedOutput({Contribution(samples[0], 22050, 22050)}, 2);
    EXPECT_NE(out.find(alone, at + together.size()), std::string::npos);
}

TEST_F(MixerTest, ALoopingSoundStartsAgainAfterItsEnd) {
    const Bytes samples = Pattern(40, 4);
    CSound sound = Load(9201, samples, 22050);
    sound.loop = true;
    CSoundMixer mixer;
    ASSERT_TRUE(mixer.Open(22050, false));
    ASSERT_EQ(mixer.PlaySound(sound), 2);
    WaitBuffers(mixer, 12);
    EXPECT_EQ(mixer.PlayingVoices(), 1);
    mixer.Close();

    // The first pass plays samples 0-32, every later pass 1-32.
    std::vector<int> passes;
    for (int pass = 0; pass < 6; ++pass) {
        for (int i = pass == 0 ? 0 : 1; i <= 32; ++i) {
            passes.push_back((samples[i] - 128) * 64);
        }
    }
    FindSound(Output(), ExpectedOutput({passes}, 1));
}

TEST_F(MixerTest, WithoutADeviceNothingOpensNothingPlaysAndNothingIsLeftHalfOpen) {
    const CSound sound = Load(9303, Pattern(30, 8), 22050);
    CSoundMixer mixer;
    EXPECT_TRUE(mixer.Close());
    EXPECT_FALSE(test::FileExists(file));

    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_FALSE(mixer.Open(22050, true));
    EXPECT_FALSE(mixer.IsOpen());
    EXPECT_EQ(mixer.PlaySound(sound), CSoundMixer::kNoVoice);
    EXPECT_TRUE(mixer.Close());

    // Mixed by hand with no voice playing a frame is silence; a closed mixer mixes nothing.
    uint8_t frame[3] = {7, 7, 7};
    mixer.Mix(frame, 1);
    EXPECT_EQ(frame[0], 7);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    ASSERT_TRUE(mixer.Open(22050, true));
    mixer.Mix(frame, 1);
    EXPECT_EQ(std::vector<uint8_t>(frame, frame + 3), (std::vector<uint8_t>{128, 128, 7}));
    EXPECT_EQ(mixer.PlaySound(sound), 2);
    PlayOut(mixer);
    EXPECT_TRUE(mixer.Close());
}

TEST_F(MixerTest, ResourcesThatAreNotPlayableLoadNothing) {
    const Bytes samples = Pattern(64, 9);
    const std::string pcm(samples.begin(), samples.end());
    const std::string fmt = test::FormatChunk(1, 22050, 8);
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"stereo", test::Riff(test::FormatChunk(2, 22050, 8) + test::Chunk("data", pcm))},
        {"16-bit", test::Riff(test::FormatChunk(1, 22050, 16) + test::Chunk("data", pcm))},
        {"no data chunk", test::Riff(fmt + test::Chunk("LIST", pcm))},
        {"format not first", test::Riff(test::Chunk("data", pcm) + fmt)},
        {"data runs past the end", test::Riff(fmt + test::Chunk("data", pcm, 65))},
        {"a chunk before data runs past the end",
         test::Riff(fmt + test::Chunk("LIST", "abcd", 1000) + test::Chunk("data", pcm))},
        {"chunk size near 4 GiB",
         test::Riff(fmt + test::Chunk("LIST", "abcd", 0xFFFFFFFC) + test::Chunk("data", pcm))},
        {"data size over 2 GiB", test::Riff(fmt + test::Chunk("data", pcm, 0x80000040))},
        {"data under 8 bytes", test::Riff(fmt + test::Chunk("data", pcm.substr(0, 7)))},
        {"format chunk cut short", test::Riff(test::Chunk("fmt ", std::string(10, '\1')))},
        {"no header", std::string("RIFF")},
    };
    CSoundMixer mixer;
    ASSERT_TRUE(mixer.Open(22050, true));
    int id = 9400;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        waves.Add(++id, c.bytes);
        CSound sound;
        EXPECT_FALSE(sound.LoadWaveResource(id));
        EXPECT_EQ(sound.data, nullptr);
        EXPECT_EQ(mixer.PlaySound(sound), CSoundMixer::kNoVoice);
    }
    CSound missing;
    EXPECT_FALSE(missing.LoadWaveResource(id + 1));
    CSound reused = Load(9500, Pattern(30, 1), 22050);
    EXPECT_FALSE(reused.LoadWaveResource(9401));
    EXPECT_EQ(mixer.PlaySound(reused), CSoundMixer::kNoVoice);
    mixer.Close();

    const std::string wave =
        test::Riff(test::FormatChunk(1, 11025, 8) + test::Chunk("LIST", "INFOabcdefgh") +
                   test::Chunk("fact", std::string("2\0\0\0", 4)) + test::Chunk("data", pcm));
    waves.Add(9600, wave);
    CSound sound;
    ASSERT_TRUE(sound.LoadWaveResource(9600));
    EXPECT_EQ(sound.rate, 11025u);
    EXPECT_EQ(sound.length, 56u);
    EXPECT_EQ(sound.data, FindResource("WAVE", 9600)->data + (wave.size() - pcm.size()));
}

TEST_F(MixerTest, InterfaceClicksFollowTheSoundsSettingAndNeedAMixer) {
    const Bytes click = Pattern(90, 4);
    waves.Add(kWaveCalendarTap, test::MonoWave(22050, click));
    const std::string expected = ExpectedOutput({Contribution(click, 22050, 22050)}, 2);
    const bool saved = SoundsEnabled;

    SoundsEnabled = true;
    PlayInterfaceSound(kWaveCalendarTap);  // no mixer

    CSoundMixer mixer;
    ASSERT_TRUE(mixer.Open(22050, true));
    TheSoundMixer = &mixer;
    SoundsEnabled = false;
    PlayInterfaceSound(kWaveCalendarTap);
    EXPECT_EQ(mixer.PlayingVoices(), 0);

    SoundsEnabled = true;
    PlayInterfaceSound(kWaveCalendarTap);
    PlayInterfaceSound(kWaveTabChange);  // no such resource
    PlayOut(mixer);
    TheSoundMixer = nullptr;
    mixer.Close();
    SoundsEnabled = saved;

    const std::string out = Output();
    EXPECT_EQ(out.find(expected, FindSound(out, expected) + 1), std::string::npos);  // once
}

// An output whose device hangs: the mixing thread blocks handing a buffer over.
struct Gate {
    std::promise<void> open;
    std::shared_future<void> opened = open.get_future().share();
    std::atomic<bool> closed = false;
};
class StuckOutput : public IAudioOutput {
public:
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
        m_gate->opened.wait();
    }
    void Close() override { m_gate->closed = true; }

private:
    std::shared_ptr<Gate> m_gate;
    Listener* m_listener = nullptr;
};

TEST_F(MixerTest, CloseGivesUpOnAStuckThreadWhichStillReleasesTheDeviceLater) {
    auto gate = std::make_shared<Gate>();
    {
        CSoundMixer mixer([gate] { return std::make_unique<StuckOutput>(gate); });
        ASSERT_TRUE(mixer.Open(22050, true));
        WaitFor([&] { return mixer.BuffersMixed() > 0; }, "nothing was mixed");
        EXPECT_TRUE(mixer.Close());
        EXPECT_FALSE(mixer.IsOpen());
        EXPECT_FALSE(gate->closed);
    }
    gate->open.set_value();
    WaitFor([&] { return gate->closed.load(); }, "the device was never closed");
}

}  // namespace
}  // namespace velmora
