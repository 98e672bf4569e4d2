// Keeping the diary safe: the password's Argon2id hash and its check (the start-up prompt
// and the change screen wait for one each) beside the floor, one SHA-256 and one BLAKE2b
// hash of the same password; and the checked backup of twenty years of days (the program's
// end, once a day) beside the floor, a plain copy of the same file synced to disk.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sodium.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "bench/benchdata.h"
#include "platform/backup.h"
#include "platform/objectstore.h"
#include "store/password.h"

namespace velmora {
namespace {

const std::string kPassword = "Mimosa7";

void BM_Floor_Sha256(benchmark::State& state) {
    unsigned char out[crypto_hash_sha256_BYTES];
    for (auto _ : state) {
        crypto_hash_sha256(out, reinterpret_cast<const unsigned char*>(kPassword.data()),
                           kPassword.size());
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_Floor_Sha256);

void BM_Floor_GenericHash(benchmark::State& state) {
    unsigned char out[crypto_generichash_BYTES];
    for (auto _ : state) {
        crypto_generichash(out, sizeof out,
                           reinterpret_cast<const unsigned char*>(kPassword.data()),
                           kPassword.size(), nullptr, 0);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_Floor_GenericHash);

// Setting a password: one hash.
void BM_PasswordHash(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(HashPassword(kPassword));
    }
}
BENCHMARK(BM_PasswordHash)->Unit(benchmark::kMillisecond);

// An answer at the prompt: one check against the stored hash.
void BM_PasswordCheck(benchmark::State& state) {
    const std::string hash = HashPassword(kPassword);
    for (auto _ : state) {
        if (!PasswordMatches(hash, kPassword)) {
            state.SkipWithError("the password does not match its hash");
            break;
        }
    }
}
BENCHMARK(BM_PasswordCheck)->Unit(benchmark::kMillisecond);

std::string CopyTarget() {
    return std::filesystem::path(ObjectStore::FilePath()).parent_path().string() + "/copy.sqlite";
}

void BM_Floor_CopyDiaryFile(benchmark::State& state) {
    bench::EnsureTwentyYearStore();
    ObjectStore::CloseThreadConnection();  // the WAL folded into the file
    namespace fs = std::filesystem;
    for (auto _ : state) {
        fs::copy_file(ObjectStore::FilePath(), CopyTarget(), fs::copy_options::overwrite_existing);
        const int fd = open(CopyTarget().c_str(), O_RDONLY);
        fsync(fd);
        close(fd);
    }
    state.counters["MB"] = static_cast<double>(fs::file_size(CopyTarget())) / 1e6;
}
BENCHMARK(BM_Floor_CopyDiaryFile)->Unit(benchmark::kMillisecond);

// A checked copy: the online backup, sync, integrity check, rename.
void BM_BackupDiary(benchmark::State& state) {
    bench::EnsureTwentyYearStore();
    for (auto _ : state) {
        if (BackupDiaryTo(CopyTarget()).status != BackupStatus::BackedUp) {
            state.SkipWithError("backup failed");
            break;
        }
    }
}
BENCHMARK(BM_BackupDiary)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
