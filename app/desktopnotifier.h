#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <map>
#include <optional>

#include "platform/ctime.h"

namespace velmora {

struct DueAlarm;
struct MessageBoxRequest;

// Tells each reminder to the desktop as well, as a notification of the freedesktop
// notification service (org.freedesktop.Notifications): the reminder box's caption as its
// summary, the box's text as its body, and an "Open" action. Activating one asks for the
// alarm's day (dayRequested). Without a bus or a service the notification is left out, and
// the box and its sound are the reminder, as they always are.
//
// The notifier lives on the interface thread; Notify may be called from any thread and never
// waits: the notification is sent from the interface thread, and its answer arrives there.
class DesktopNotifier : public QObject {
    Q_OBJECT

public:
    // `busAddress`: the D-Bus address to find the service at; the session bus when empty.
    explicit DesktopNotifier(QString busAddress = {}, QObject* parent = nullptr);
    ~DesktopNotifier() override;

    // Sends the notification of a reminder (any thread).
    void Notify(const DueAlarm& alarm);

signals:
    // A notification of ours was activated: open the day its alarm belongs to (12:00).
    void dayRequested(velmora::CTime day);

private slots:
    void OnActionInvoked(uint id, const QString& actionKey);
    void OnNotificationClosed(uint id, uint reason);

private:
    void Send(const MessageBoxRequest& reminder, CTime day);
    // Connects once, on the first notification; false when there is no bus.
    bool Connect();

    const QString m_address;
    const QString m_connectionName;
    std::optional<QDBusConnection> m_bus;
    std::map<uint, CTime> m_days;  // the notifications on show, and their alarms' days
};

}  // namespace velmora
