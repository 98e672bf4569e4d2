// The picture decoder over every picture compiled into the program, beside zlib's inflate of
// the same pixels (compressed at level 9: the peer) and memcpy of them (the floor); and one
// full-screen background on its own. Throughput is picture bytes produced per second.
//
// When the program has no pictures yet, or with --synthetic, a synthetic set of the same
// sizes stands in (gradients, flat areas, shapes and noise); the label says which set was
// measured.

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "bench/benchmain.h"
#include "gfx/lz77.h"
#include "platform/messagebox.h"
#include "platform/resources.h"
#include "res/programresources.h"
#include "res/programresources_meta.h"

namespace velmora {
namespace {

bool g_synthetic = false;

struct Picture {
    int id;
    std::u16string name;
    uint16_t width;
    uint16_t height;
    std::vector<uint8_t> pixels;
    std::vector<uint8_t> zlib;      // zlib format, level 9
    std::vector<uint8_t> deflate;   // the same without header and checksum
    std::vector<uint8_t> resource;  // only for the synthetic set
};

struct PictureSet {
    std::vector<Picture> pictures;
    size_t bytes = 0;
    size_t largest = 0;
    const Picture* fullScreen = nullptr;  // the full-screen picture with the longest stream
    std::string label;
};

std::vector<uint8_t> Deflate(const std::vector<uint8_t>& in, int windowBits) {
    z_stream s{};
    if (deflateInit2(&s, 9, Z_DEFLATED, windowBits, 9, Z_DEFAULT_STRATEGY) != Z_OK) {
        std::abort();
    }
    std::vector<uint8_t> out(deflateBound(&s, in.size()));
    s.next_in = const_cast<Bytef*>(in.data());
    s.avail_in = static_cast<uInt>(in.size());
    s.next_out = out.data();
    s.avail_out = static_cast<uInt>(out.size());
    if (deflate(&s, Z_FINISH) != Z_STREAM_END) {
        std::abort();
    }
    out.resize(s.total_out);
    deflateEnd(&s);
    return out;
}

// Synthetic pictures at the sizes the program uses, of varied content.
std::vector<uint8_t> SyntheticPixels(int index, uint16_t w, uint16_t h) {
    std::mt19937 rng(static_cast<unsigned>(index));
    std::vector<uint8_t> v;
    v.reserve(size_t{w} * h * 2);
    const int kind = index % 4;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            unsigned r = 31u * y / std::max(h - 1, 1);
            unsigned g = 63u * x / std::max(w - 1, 1);
            unsigned b = 12;
            if (kind == 1) {  // flat bands with circles
                const int dx = x - w / 2;
                const int dy = y - h / 2;
                const bool inside = dx * dx + dy * dy < (w * w) / 9;
                r = inside ? 28 : (y / 32) % 2 ? 4 : 20;
                g = inside ? 50 : 30;
                b = inside ? 6 : 24;
            } else if (kind == 2) {  // a gradient with grain
                r = std::min(31u, r + static_cast<unsigned>(rng() % 3));
                g = std::min(63u, g + static_cast<unsigned>(rng() % 3));
            } else if (kind == 3 && x > w / 3 && x < w / 2) {  // a noisy strip
                r = static_cast<unsigned>(rng() % 32);
                g = static_cast<unsigned>(rng() % 64);
                b = static_cast<unsigned>(rng() % 32);
            }
            const uint16_t p = static_cast<uint16_t>(r << 11 | g << 5 | b);
            v.push_back(static_cast<uint8_t>(p));
            v.push_back(static_cast<uint8_t>(p >> 8));
        }
    }
    return v;
}

PictureSet& Set() {
    static PictureSet set = [] {
        SetMessageBoxHandler([](const MessageBoxRequest& r) {
            std::fprintf(stderr, "unexpected message: %s\n", r.text.c_str());
            std::abort();
            return 0;
        });
        RegisterProgramResources();
        PictureSet s;
        for (const ProgramResourceMeta& m : kProgramResourceMeta) {
            if (m.type == "PCT" && m.id >= 0 && !g_synthetic) {
                s.pictures.push_back({m.id, {}, m.width, m.height, {}, {}, {}, {}});
            }
        }
        s.label = std::to_string(s.pictures.size()) + " pictures of the program";
        if (s.pictures.empty()) {
            // The sizes of the program's picture tables: 45 full-screen, cells, strips, icons.
            const struct {
                int count;
                uint16_t w;
                uint16_t h;
            } sizes[] = {{45, 240, 268}, {5, 32, 48},  {2, 230, 12}, {2, 112, 10},
                         {3, 14, 8},     {11, 14, 14}, {17, 10, 10}};
            int id = 60000;
            for (const auto& sz : sizes) {
                for (int i = 0; i < sz.count; ++i, ++id) {
                    Picture p{id, {}, sz.w, sz.h, SyntheticPixels(id, sz.w, sz.h), {}, {}, {}};
                    p.resource = Lz77Encode(p.pixels.data(), p.pixels.size());
                    s.pictures.push_back(std::move(p));
                }
            }
            s.label = std::to_string(s.pictures.size()) + " synthetic pictures";
        }
        for (Picture& p : s.pictures) {
            const std::string text = std::to_string(p.id);
            p.name.assign(text.begin(), text.end());
            if (!p.resource.empty()) {
                SetExtraResource("PCT", p.id, p.resource.data(), p.resource.size());
            }
            const size_t size = size_t{p.width} * p.height * 2;
            p.pixels.assign(size, 0);
            if (!Lz77LoadPicture(p.name, p.pixels.data(), static_cast<uint32_t>(size))) {
                std::fprintf(stderr, "picture %d cannot be loaded\n", p.id);
                std::abort();
            }
            p.zlib = Deflate(p.pixels, 15);
            p.deflate = Deflate(p.pixels, -15);
            s.bytes += size;
            s.largest = std::max(s.largest, size);
            const size_t stream = FindResource("PCT", p.id)->size;
            if (p.width == 240 && p.height == 268 &&
                (!s.fullScreen || stream > FindResource("PCT", s.fullScreen->id)->size)) {
                s.fullScreen = &p;
            }
        }
        return s;
    }();
    return set;
}

void Finish(benchmark::State& state, size_t bytesPerIteration, const std::string& label) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytesPerIteration));
    state.SetLabel(label);
}

// The program's own path: the whole load of each picture (file table, window, decode).
void BM_Pct_DecodeAllPictures(benchmark::State& state) {
    PictureSet& s = Set();
    std::vector<uint8_t> out(s.largest);
    for (auto _ : state) {
        for (const Picture& p : s.pictures) {
            Lz77LoadPicture(p.name, out.data(), static_cast<uint32_t>(p.pixels.size()));
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    Finish(state, s.bytes, s.label);
}

// The peer: zlib's inflate of the same pixels, one stream kept and reset between pictures.
void InflateAll(benchmark::State& state, bool raw) {
    PictureSet& s = Set();
    std::vector<uint8_t> out(s.largest);
    z_stream z{};
    inflateInit2(&z, raw ? -15 : 15);
    for (auto _ : state) {
        for (const Picture& p : s.pictures) {
            const std::vector<uint8_t>& in = raw ? p.deflate : p.zlib;
            inflateReset(&z);
            z.next_in = const_cast<Bytef*>(in.data());
            z.avail_in = static_cast<uInt>(in.size());
            z.next_out = out.data();
            z.avail_out = static_cast<uInt>(p.pixels.size());
            if (inflate(&z, Z_FINISH) != Z_STREAM_END) {
                state.SkipWithError("inflate failed");
                break;
            }
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    inflateEnd(&z);
    Finish(state, s.bytes, s.label + (raw ? ", raw deflate" : ", zlib format"));
}
void BM_Peer_ZlibInflateAllPictures(benchmark::State& state) {
    InflateAll(state, false);
}
void BM_Peer_ZlibInflateRawAllPictures(benchmark::State& state) {
    InflateAll(state, true);
}

// The floor: copying the decoded pixels.
void BM_Floor_MemcpyAllPictures(benchmark::State& state) {
    PictureSet& s = Set();
    std::vector<uint8_t> out(s.largest);
    for (auto _ : state) {
        for (const Picture& p : s.pictures) {
            std::memcpy(out.data(), p.pixels.data(), p.pixels.size());
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    Finish(state, s.bytes, s.label);
}

// One full-screen background, the one with the longest stream.
void BM_Pct_DecodeOneFullScreen(benchmark::State& state) {
    PictureSet& s = Set();
    const Picture& p = *s.fullScreen;
    std::vector<uint8_t> out(p.pixels.size());
    for (auto _ : state) {
        Lz77LoadPicture(p.name, out.data(), static_cast<uint32_t>(out.size()));
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    Finish(state, out.size(), "picture " + std::to_string(p.id));
}

void BM_Peer_ZlibInflateOneFullScreen(benchmark::State& state) {
    PictureSet& s = Set();
    const Picture& p = *s.fullScreen;
    std::vector<uint8_t> out(p.pixels.size());
    z_stream z{};
    inflateInit2(&z, 15);
    for (auto _ : state) {
        inflateReset(&z);
        z.next_in = const_cast<Bytef*>(p.zlib.data());
        z.avail_in = static_cast<uInt>(p.zlib.size());
        z.next_out = out.data();
        z.avail_out = static_cast<uInt>(out.size());
        inflate(&z, Z_FINISH);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    inflateEnd(&z);
    Finish(state, out.size(), "picture " + std::to_string(p.id));
}

BENCHMARK(BM_Pct_DecodeAllPictures)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Peer_ZlibInflateAllPictures)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Peer_ZlibInflateRawAllPictures)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Floor_MemcpyAllPictures)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Pct_DecodeOneFullScreen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Peer_ZlibInflateOneFullScreen)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--synthetic") == 0) {
            velmora::g_synthetic = true;
            std::copy(argv + i + 1, argv + argc, argv + i);
            --argc;
            break;
        }
    }
    return velmora::bench::RunBenchmarks(argc, argv);
}
