#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/messagebox_recorder.h"

namespace velmora::test {

// A fresh pair of XDG folders for one test, removed afterwards.
class TempHome {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    const std::string& Root() const { return m_root; }
    std::string DataHome() const { return m_root + "/data"; }
    std::string ConfigHome() const { return m_root + "/config"; }

private:
    std::string m_root;
    std::string m_oldData;
    std::string m_oldConfig;
    bool m_hadData = false;
    bool m_hadConfig = false;
};

// Sets the process time zone for a scope.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const std::string& zone);
    ~ScopedTimeZone();

private:
    std::string m_previous;
};

// The usual fixture: private folders, a recorder standing in for the user, the store's
// per-run memory of reported files cleared, and the clock released afterwards.
class StoreTest : public ::testing::Test {
protected:
    StoreTest();
    ~StoreTest() override;
    // An empty diary in new folders of its own, for the next case of a table.
    void FreshDiary();

    std::unique_ptr<TempHome> home;
    MessageBoxRecorder boxes;
};

// Whole file contents (empty when missing).
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// Permission bits of a path, or -1.
int FileMode(const std::string& path);

}  // namespace velmora::test
