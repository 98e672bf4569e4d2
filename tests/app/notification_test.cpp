#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QDialog>
#include <QProcess>

#include "reminders/reminderthread.h"
#include "tests/app/apptest.h"
#include "ui/dayviewdlg.h"

namespace velmora {
namespace {

const QString kPath = "/org/freedesktop/Notifications";
const QString kInterface = "org.freedesktop.Notifications";
const QString kTestBus = "notification-test";

// The desktop's notification service as far as Velmora uses it: records each Notify and
// answers with the ids 1, 2, ...
struct FakeNotifications : QDBusVirtualObject {
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override {
        if (message.member() != "Notify") {
            return false;
        }
        calls.push_back(message.arguments());
        return bus.send(message.createReply(QVariant::fromValue(uint(calls.size()))));
    }
    QString introspect(const QString&) const override { return {}; }
    std::vector<QVariantList> calls;
};

using NotificationTest = test::AppTest;

// Against a session bus of the test's own (dbus-daemon). The service answers on this thread,
// which waits in ScanNow: a notifier that held the reminder thread for it would stall there.
TEST_F(NotificationTest, RemindersAreNotificationsAndEachOpensItsAlarmsDay) {
    QProcess daemon;
    daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
    while (daemon.waitForReadyRead(30000) && !daemon.canReadLine()) {
    }
    const QString address = QString::fromUtf8(daemon.readLine()).trimmed();
    ASSERT_FALSE(address.isEmpty()) << "no dbus-daemon";
    FakeNotifications service;
    struct Alarm {
        int day, slot, type, hour, minute;
        const char* text;
    };
    const Alarm alarms[] = {{6, 2, 7, 9, 15, "Reminder at  09:15 \nPill"},
                            {7, 0, 4, 8, 0, "Reminder at  08:00 \nBirthday"},
                            {8, 3, 6, 20, 30, "Reminder at  20:30 \nConcert"}};
    for (const Alarm& a : alarms) {
        test::SaveAlarm(2026, 12, a.day, a.slot, a.type, a.hour, a.minute);
    }
    Clock::Pin(CTime(2026, 12, 6, 9, 14, 30));
    Start([&](AppOptions& o) { o.notificationBus = address; });
    ASSERT_TRUE(app->Reminders()->ScanNow(std::chrono::seconds(10)));
    EXPECT_EQ(boxes.Count(), 0u);  // nothing before the first alarm's minute
    for (const Alarm& a : alarms) {
        Clock::Pin(CTime(2026, 12, a.day, a.hour, a.minute, 10));
        ASSERT_TRUE(app->Reminders()->ScanNow(std::chrono::seconds(10)));
        QCoreApplication::processEvents();  // the notifier's turn
        // The first finds no service yet: its box alone. Then the service comes up.
        if (&a == &alarms[0]) {
            QDBusConnection bus = QDBusConnection::connectToBus(address, kTestBus);
            ASSERT_TRUE(bus.registerVirtualObject(kPath, &service));
            ASSERT_TRUE(bus.registerService(kInterface));
        }
    }
    ASSERT_TRUE(test::PumpUntil([&] { return service.calls.size() == 2; }));
    for (size_t i = 0; i < 2; ++i) {
        const QVariantList& call = service.calls[i];
        ASSERT_EQ(call.size(), 8);
        EXPECT_EQ(call.mid(0, 3), (QVariantList{"Velmora", 0u, "velmora"}));
        EXPECT_EQ(call[3].toString(), "Alarm");
        EXPECT_EQ(call[4].toString().toStdString(), alarms[i + 1].text);
        EXPECT_EQ(call[5].toStringList(), (QStringList{"default", "Open"}));
    }
    ASSERT_EQ(boxes.Count(), 3u);  // every box as before, and nothing else said
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(boxes.Boxes()[i].text, alarms[i].text);
    }

    // The earlier notification first: each opens its own day, not the latest one.
    for (uint id : {1u, 2u}) {
        QString shown, title;
        QueueModalHook([&](QDialog& dialog) {
            shown = dynamic_cast<CDayViewDlg&>(dialog).DateText();
            title = Frame().Title();
            dialog.reject();
        });
        QDBusMessage clicked = QDBusMessage::createSignal(kPath, kInterface, "ActionInvoked");
        clicked << id << QString("default");
        ASSERT_TRUE(QDBusConnection(kTestBus).send(clicked));
        ASSERT_TRUE(test::PumpUntil([] { return PendingModalHooks() == 0; }));
        EXPECT_EQ(shown, QString("0%1.12.2026").arg(alarms[id].day));
        EXPECT_EQ(title, "Day View");
        EXPECT_EQ(Frame().Title(), "Calendar View");
    }
    app.reset();
    QDBusConnection::disconnectFromBus(kTestBus);
    daemon.kill();
    daemon.waitForFinished();
}

}  // namespace
}  // namespace velmora
