#include "tests/support/testenv.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/clock.h"
#include "platform/objectstore.h"
#include "platform/timezone.h"

namespace velmora::test {

TempHome::TempHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velmora-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        ADD_FAILURE() << "cannot make a temporary folder";
    }
    m_root = pattern;
    if (const char* v = std::getenv("XDG_DATA_HOME")) {
        m_hadData = true;
        m_oldData = v;
    }
    if (const char* v = std::getenv("XDG_CONFIG_HOME")) {
        m_hadConfig = true;
        m_oldConfig = v;
    }
    setenv("XDG_DATA_HOME", DataHome().c_str(), 1);
    setenv("XDG_CONFIG_HOME", ConfigHome().c_str(), 1);
}

TempHome::~TempHome() {
    ObjectStore::CloseThreadConnection();
    if (m_hadData) {
        setenv("XDG_DATA_HOME", m_oldData.c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
    }
    if (m_hadConfig) {
        setenv("XDG_CONFIG_HOME", m_oldConfig.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
    std::error_code ec;
    std::filesystem::remove_all(m_root, ec);
}

ScopedTimeZone::ScopedTimeZone(const std::string& zone) : m_previous(SetProcessTimeZone(zone)) {}

ScopedTimeZone::~ScopedTimeZone() {
    SetProcessTimeZone(m_previous);
}

StoreTest::StoreTest() : home(std::make_unique<TempHome>()) {
    ObjectStore::CloseThreadConnection();
    ObjectStore::ResetReportsForTesting();
}

StoreTest::~StoreTest() {
    Clock::Release();
    home.reset();
    ObjectStore::ResetReportsForTesting();
}

void StoreTest::FreshDiary() {
    home.reset();  // its folders go first
    home = std::make_unique<TempHome>();
    ObjectStore::ResetReportsForTesting();
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

int FileMode(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? static_cast<int>(st.st_mode & 07777) : -1;
}

}  // namespace velmora::test
