#pragma once

#include <string>

namespace velmora {

// Where the program keeps its files: the per-user XDG folders, read from the environment at
// every call so tests can point them at temporary folders.
struct DataPaths {
    // $XDG_DATA_HOME/velmora (default ~/.local/share/velmora).
    static std::string DataDir();
    // $XDG_CONFIG_HOME (default ~/.config).
    static std::string ConfigHome();
    // The diary file inside DataDir().
    static std::string StoreFile();

    // Creates `dir` and its missing parents; the last component gets mode 0700 (and is set to
    // 0700 if it already exists). Returns false when it cannot be made.
    static bool EnsurePrivateDir(const std::string& dir);
};

inline constexpr const char* kStoreFileName = "diary.sqlite";

}  // namespace velmora
