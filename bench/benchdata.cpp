#include "bench/benchdata.h"

#include <cstdlib>
#include <filesystem>

#include "tools/demo/demodiary.h"

namespace velmora::bench {

std::string UseTemporaryHome() {
    static std::string root;
    if (root.empty()) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "velmora-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::abort();
        }
        root = pattern;
        setenv("XDG_DATA_HOME", (root + "/data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(root, ec);
        });
    }
    return root;
}

void WriteDemoYears(CTime first, int days) {
    WriteDemoDiary(first, days);
}

}  // namespace velmora::bench
