#include "platform/datapaths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace velmora {

namespace {
std::string HomeDir() {
    if (const char* home = std::getenv("HOME"); home && *home) {
        return home;
    }
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) {
        return pw->pw_dir;
    }
    return "/tmp";
}

std::string XdgDir(const char* var, const char* fallback) {
    // The XDG rules: a relative path in the variable is invalid and ignored.
    if (const char* v = std::getenv(var); v && v[0] == '/') {
        return v;
    }
    return HomeDir() + fallback;
}
}  // namespace

std::string DataPaths::DataDir() {
    return XdgDir("XDG_DATA_HOME", "/.local/share") + "/velmora";
}

std::string DataPaths::ConfigHome() {
    return XdgDir("XDG_CONFIG_HOME", "/.config");
}

std::string DataPaths::StoreFile() {
    return DataDir() + "/" + kStoreFileName;
}

bool DataPaths::EnsurePrivateDir(const std::string& dir) {
    if (dir.empty()) {
        return false;
    }
    // Parents get the usual 0755 (they are shared XDG folders); our own folder 0700.
    for (size_t pos = 1; (pos = dir.find('/', pos)) != std::string::npos; ++pos) {
        const std::string parent = dir.substr(0, pos);
        if (mkdir(parent.c_str(), 0755) != 0 && errno != EEXIST) {
            return false;
        }
    }
    if (mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    struct stat st {};
    if (stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        return false;
    }
    if ((st.st_mode & 0777) != 0700) {
        chmod(dir.c_str(), 0700);
    }
    return true;
}

}  // namespace velmora
