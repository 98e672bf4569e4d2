// The program's sounds, synthesised: four short clicks at 22050 Hz for taps, buttons, check
// boxes and tabs, and a two-note bell chime at 11025 Hz for the alarm. All are 8-bit
// unsigned mono PCM in a plain RIFF/WAVE file with a "fmt " and a "data" chunk.
//
// The player leaves out the last 8 samples of every sound, so each one ends in 8 samples
// of silence.
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "art.h"
#include "canvas.h"

namespace artgen {

namespace {

constexpr double kPi = std::numbers::pi;

QByteArray wav(const std::vector<double>& samples, int rate) {
    std::vector<uint8_t> pcm;
    pcm.reserve(samples.size() + 8);
    for (double s : samples) {
        const double v = std::clamp(s, -1.0, 1.0) * 127.0 + 128.0;
        pcm.push_back(uint8_t(std::clamp(std::lround(v), 0L, 255L)));
    }
    pcm.insert(pcm.end(), 8, 128);

    QByteArray out;
    auto u32 = [&](uint32_t v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    auto u16 = [&](uint16_t v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    const uint32_t dataSize = uint32_t(pcm.size());
    out.append("RIFF");
    u32(4 + 8 + 16 + 8 + dataSize + (dataSize & 1));
    out.append("WAVE");
    out.append("fmt ");
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(uint32_t(rate));
    u32(uint32_t(rate));  // bytes per second
    u16(1);               // block alignment
    u16(8);               // bits per sample
    out.append("data");
    u32(dataSize);
    out.append(reinterpret_cast<const char*>(pcm.data()), int(pcm.size()));
    if (dataSize & 1)
        out.append(char(128));  // RIFF chunks are padded to even length
    return out;
}

// Soft start over a few samples so nothing pops.
double attack(int i, int n) {
    return i >= n ? 1.0 : double(i) / n;
}

// A decaying partial.
double partial(double t, double freq, double amp, double decay, double phase = 0) {
    return amp * std::exp(-t / decay) * std::sin(2 * kPi * freq * t + phase);
}

std::vector<double> render(int rate, double seconds, auto&& f) {
    const int n = int(std::lround(rate * seconds));
    std::vector<double> s(n);
    for (int i = 0; i < n; ++i)
        s[i] = f(double(i) / rate, i) * attack(i, 12);
    // Fade the last 3 ms so every sound ends at rest.
    const int fade = std::min(n, rate * 3 / 1000);
    for (int i = 0; i < fade; ++i)
        s[n - 1 - i] *= double(i) / fade;
    return s;
}

// Scales a sound so that its loudest sample reaches `peak` of full scale.
std::vector<double> normalised(std::vector<double> s, double peak) {
    double top = 0;
    for (double v : s)
        top = std::max(top, std::abs(v));
    if (top > 0)
        for (double& v : s)
            v *= peak / top;
    return s;
}

}  // namespace

void makeSounds(Catalogue& cat) {
    constexpr int kClickRate = 22050;
    // 329, calendar day tap: a soft wooden "tock", low and round.
    {
        Rng rng(329);
        auto s = render(kClickRate, 0.045, [&](double t, int) {
            const double noise = (rng.uniform() * 2 - 1) * 0.35 * std::exp(-t / 0.002);
            return partial(t, 880, 0.55, 0.010) + partial(t, 1320, 0.25, 0.006) + noise;
        });
        cat.addSound(329, wav(normalised(s, 0.7), kClickRate),
                     "click: calendar day tap (soft wooden tock)");
    }
    // 330, Day View buttons: a crisp, short, brighter click.
    {
        Rng rng(330);
        auto s = render(kClickRate, 0.028, [&](double t, int) {
            const double noise = (rng.uniform() * 2 - 1) * 0.45 * std::exp(-t / 0.0015);
            return partial(t, 2200, 0.45, 0.005) + partial(t, 3300, 0.2, 0.003) + noise;
        });
        cat.addSound(330, wav(normalised(s, 0.7), kClickRate),
                     "click: Day View button (crisp click)");
    }
    // 331, check boxes: a light double tick, like a switch going over.
    {
        auto s = render(kClickRate, 0.040, [&](double t, int) {
            double v = partial(t, 3000, 0.45, 0.003);
            if (t > 0.018)
                v += partial(t - 0.018, 3600, 0.35, 0.003);
            return v;
        });
        cat.addSound(331, wav(normalised(s, 0.7), kClickRate), "click: check box (double tick)");
    }
    // 332, tab change: a short rising "blip".
    {
        auto s = render(kClickRate, 0.060, [&](double t, int) {
            const double f0 = 700, f1 = 1500, len = 0.060;
            // Phase of a linear sweep from f0 to f1.
            const double phase = 2 * kPi * (f0 * t + (f1 - f0) * t * t / (2 * len));
            const double env = std::sin(kPi * std::min(t / len, 1.0));
            return 0.5 * env * std::sin(phase);
        });
        cat.addSound(332, wav(normalised(s, 0.7), kClickRate), "click: tab change (rising blip)");
    }
    // 235, alarm: two bell strokes, a fifth apart, with the slightly stretched partials of
    // a small bell and a long soft decay.
    {
        constexpr int kRate = 11025;
        auto bell = [](double t, double f) {
            if (t < 0)
                return 0.0;
            return partial(t, f, 0.42, 0.55) + partial(t, f * 2.0, 0.20, 0.35) +
                   partial(t, f * 2.76, 0.14, 0.22) + partial(t, f * 5.40, 0.06, 0.10) +
                   partial(t, f * 0.5, 0.08, 0.70);
        };
        auto s = render(kRate, 1.6, [&](double t, int) {
            return 0.9 * (bell(t, 880.0) + 0.85 * bell(t - 0.38, 659.25));
        });
        cat.addSound(235, wav(normalised(s, 0.85), kRate), "alarm chime: two soft bell strokes");
    }
}

}  // namespace artgen
