// The mixing loop: one second of 22050 Hz stereo output with eight voices playing, beside
// memset of the same 44,100 bytes (the floor: every output byte written once).
//
// With --idle-seconds=N the program instead measures what an idle Velmora costs: the mixer
// streaming silence through SDL's dummy driver and the reminder thread watching three years
// of records, for N seconds, and prints the CPU time of each thread.

#include <benchmark/benchmark.h>
#include <dirent.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "bench/benchdata.h"
#include "bench/benchmain.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "platform/resources.h"
#include "platform/timezone.h"
#include "reminders/reminderthread.h"
#include "reminders/sharedstate.h"
#include "reminders/sound.h"
#include "reminders/soundmixer.h"
#include "store/velmoradoc.h"

namespace velmora {
namespace {

constexpr int kRate = 22050;
constexpr int kSecond = kRate;  // frames

std::string Le32(uint32_t v) {
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
            static_cast<char>(v >> 24)};
}

// A second of a tone as an 8-bit mono wave resource.
std::string ToneWave(uint32_t rate, int period) {
    std::string pcm;
    for (uint32_t i = 0; i < rate + 8; ++i) {
        pcm.push_back(static_cast<char>(128 + (static_cast<int>(i % period) * 200 / period - 100)));
    }
    std::string fmt =
        std::string("\1\0\1\0", 4) + Le32(rate) + Le32(rate) + std::string("\1\0\x08\0", 4);
    std::string chunks =
        "fmt " + Le32(16) + fmt + "data" + Le32(static_cast<uint32_t>(pcm.size())) + pcm;
    return "RIFF" + Le32(static_cast<uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

// An output that takes buffers and never plays them: the mixing thread stays asleep and
// the benchmark calls the mixing routine itself.
class ParkedOutput : public IAudioOutput {
public:
    bool Open(int, int, Listener*) override { return true; }
    void Submit(int, const uint8_t*, size_t) override {}
    void Close() override {}
};

std::vector<std::string>& Waves() {
    static std::vector<std::string> waves;
    return waves;
}

void RegisterTones() {
    if (!Waves().empty()) {
        return;
    }
    Waves().reserve(8);
    for (int i = 0; i < 8; ++i) {
        Waves().push_back(ToneWave(i % 2 ? 11025 : 22050, 20 + 7 * i));
        SetExtraResource("WAVE", 9000 + i, reinterpret_cast<const uint8_t*>(Waves()[i].data()),
                         Waves()[i].size());
    }
}

// The timed loop: one second of 16-bit mono into a buffer, again and again; closes the mixer.
void MixSeconds(benchmark::State& state, CSoundMixer& mixer) {
    std::vector<uint8_t> out(kSecond * 2);
    for (auto _ : state) {
        mixer.Mix(out.data(), kSecond);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kSecond * 2);
    mixer.Close();
}

void BM_Mix_OneSecondEightVoices(benchmark::State& state) {
    RegisterTones();
    CSoundMixer mixer([] { return std::make_unique<ParkedOutput>(); });
    mixer.Open(kRate, true);
    std::vector<CSound> sounds(8);
    for (int i = 0; i < 8; ++i) {
        sounds[i].LoadWaveResource(9000 + i);
        sounds[i].loop = true;  // every voice plays for the whole run
        mixer.PlaySound(sounds[i]);
    }
    if (mixer.PlayingVoices() != 8) {
        state.SkipWithError("voices did not start");
    }
    MixSeconds(state, mixer);
}
BENCHMARK(BM_Mix_OneSecondEightVoices)->Unit(benchmark::kMicrosecond);

void BM_Mix_OneSecondSilence(benchmark::State& state) {
    CSoundMixer mixer([] { return std::make_unique<ParkedOutput>(); });
    mixer.Open(kRate, true);
    MixSeconds(state, mixer);
}
BENCHMARK(BM_Mix_OneSecondSilence)->Unit(benchmark::kMicrosecond);

void BM_Floor_MemsetOneSecond(benchmark::State& state) {
    std::vector<uint8_t> out(kSecond * 2);
    for (auto _ : state) {
        std::memset(out.data(), 128, out.size());
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kSecond * 2);
}
BENCHMARK(BM_Floor_MemsetOneSecond)->Unit(benchmark::kMicrosecond);

// CPU seconds of each thread of this process, by thread id and name (the scheduler's own
// account in nanoseconds, finer than the clock ticks of /proc/.../stat).
struct ThreadCpu {
    std::string id, name;
    double seconds;
};

std::vector<ThreadCpu> ThreadTimes() {
    std::vector<ThreadCpu> out;
    DIR* dir = opendir("/proc/self/task");
    if (!dir) {
        return out;
    }
    while (dirent* e = readdir(dir)) {
        if (e->d_name[0] == '.') {
            continue;
        }
        const std::string task = std::string("/proc/self/task/") + e->d_name;
        std::string name;
        std::getline(std::ifstream(task + "/comm"), name);
        double ns = 0;
        std::ifstream(task + "/schedstat") >> ns;
        out.push_back({e->d_name, name, ns / 1e9});
    }
    closedir(dir);
    return out;
}

double ProcessCpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

int MeasureIdle(int seconds) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    SetProcessTimeZone("Europe/Berlin");
    SetPostedMessageBoxHandler(
        [](const MessageBoxRequest& r) { std::printf("reminder: %s\n", r.text.c_str()); });
    bench::UseTemporaryHome();
    const CTime today = Clock::Now();
    bench::WriteDemoYears(today - int64_t{3 * 365} * kSecondsPerDay, 3 * 365);
    RegisterTones();

    ReminderThread reminders;
    reminders.Start();
    CSoundMixer mixer;
    if (!mixer.Open(kRate, true)) {
        std::fprintf(stderr, "no audio device (SDL_AUDIODRIVER=%s)\n",
                     std::getenv("SDL_AUDIODRIVER"));
        return 1;
    }
    TheSoundMixer = &mixer;
    reminders.MixerSettled();
    std::this_thread::sleep_for(std::chrono::seconds(1));  // past start-up

    const auto before = ThreadTimes();
    const double cpu0 = ProcessCpuSeconds();
    const auto t0 = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    const double cpu = ProcessCpuSeconds() - cpu0;
    const auto after = ThreadTimes();

    std::printf("idle for %.1f s with SDL driver '%s': process CPU %.3f s = %.3f%% of a core\n",
                wall, std::getenv("SDL_AUDIODRIVER"), cpu, 100.0 * cpu / wall);
    for (const ThreadCpu& a : after) {
        double was = 0;
        for (const ThreadCpu& b : before) {
            if (b.id == a.id) {
                was = b.seconds;
            }
        }
        std::printf("  thread %-8s %-16s %.3f s = %.3f%%\n", a.id.c_str(), a.name.c_str(),
                    a.seconds - was, 100.0 * (a.seconds - was) / wall);
    }
    reminders.Stop();
    TheSoundMixer = nullptr;
    mixer.Close();
    return 0;
}

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--idle-seconds=", 15) == 0) {
            return velmora::MeasureIdle(std::atoi(argv[i] + 15));
        }
    }
    return velmora::bench::RunBenchmarks(argc, argv);
}
