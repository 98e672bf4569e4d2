// Test main for programs that need a Qt application: headless unless told otherwise.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    // A session bus that is not there: reminders that fall due in tests never reach the
    // desktop's notifications (a test that wants a bus starts its own).
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/velmora-test-bus", 1);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
