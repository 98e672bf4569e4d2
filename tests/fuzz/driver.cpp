// Runs a fuzz target without libFuzzer: random inputs from a fixed seed for a bounded time,
// or, given files, each file once (to replay an input that libFuzzer saved).
//
//   <target> [--seconds=S] [--runs=N] [FILE...]

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

// Each input in a heap block of exactly its size, so that AddressSanitizer sees any read
// past its end.
void RunOne(const std::vector<uint8_t>& input) {
    std::unique_ptr<uint8_t[]> exact(new uint8_t[input.size()]);
    if (!input.empty()) {
        std::memcpy(exact.get(), input.data(), input.size());
    }
    LLVMFuzzerTestOneInput(exact.get(), input.size());
}

// Inputs of several shapes: small and large, random, mostly zero, repeating, and changed
// copies of the one before.
std::vector<uint8_t> NextInput(std::mt19937_64& rng, const std::vector<uint8_t>& previous) {
    const unsigned roll = rng() % 100;
    size_t size = roll < 60 ? rng() % 256 : roll < 95 ? rng() % 4096 : rng() % 16384;
    std::vector<uint8_t> v(size);
    switch (rng() % 4) {
        case 0:
            for (auto& b : v) {
                b = static_cast<uint8_t>(rng());
            }
            break;
        case 1:
            for (auto& b : v) {
                b = rng() % 8 == 0 ? static_cast<uint8_t>(rng()) : 0;
            }
            break;
        case 2: {
            const size_t period = 1 + rng() % 40;
            for (size_t i = 0; i < v.size(); ++i) {
                v[i] = static_cast<uint8_t>(i % period * 29 + (rng() % 16 == 0));
            }
            break;
        }
        default:
            v = previous;
            for (int n = 1 + static_cast<int>(rng() % 8); n > 0 && !v.empty(); --n) {
                v[rng() % v.size()] ^= static_cast<uint8_t>(1u << (rng() % 8));
            }
            if (rng() % 2 && !v.empty()) {
                v.resize(rng() % v.size());
            }
            break;
    }
    return v;
}

}  // namespace

int main(int argc, char** argv) {
    double seconds = 3;
    long runs = 1000000;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.rfind("--seconds=", 0) == 0) {
            seconds = std::atof(a.c_str() + 10);
        } else if (a.rfind("--runs=", 0) == 0) {
            runs = std::atol(a.c_str() + 7);
        } else {
            files.push_back(a);
        }
    }
    if (!files.empty()) {
        for (const std::string& f : files) {
            std::ifstream in(f, std::ios::binary);
            if (!in) {
                std::fprintf(stderr, "cannot read %s\n", f.c_str());
                return 1;
            }
            RunOne(std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {}));
        }
        std::printf("%zu inputs replayed\n", files.size());
        return 0;
    }
    std::mt19937_64 rng(20240601);
    std::vector<uint8_t> input;
    const auto start = std::chrono::steady_clock::now();
    long done = 0;
    for (; done < runs; ++done) {
        if (std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() >
            seconds) {
            break;
        }
        input = NextInput(rng, input);
        RunOne(input);
    }
    std::printf("%ld random inputs\n", done);
    return 0;
}
