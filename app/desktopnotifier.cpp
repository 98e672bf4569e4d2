#include "app/desktopnotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

#include "platform/messagebox.h"
#include "reminders/alarmtext.h"
#include "reminders/reminderthread.h"
#include "reminders/sharedstate.h"
#include "ui/kit/qtmessagebox.h"

namespace velmora {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// The action a click on the notification itself invokes.
const QString kDefaultAction = QStringLiteral("default");

}  // namespace

DesktopNotifier::DesktopNotifier(QString busAddress, QObject* parent)
    : QObject(parent),
      m_address(std::move(busAddress)),
      m_connectionName(
          QStringLiteral("velmora-notifier-%1").arg(reinterpret_cast<quintptr>(this), 0, 16)) {}

DesktopNotifier::~DesktopNotifier() {
    const bool own = m_bus && !m_address.isEmpty();
    m_bus.reset();
    if (own) {
        QDBusConnection::disconnectFromBus(m_connectionName);
    }
}

void DesktopNotifier::Notify(const DueAlarm& alarm) {
    // The box's texts, taken now as the box took them (the time format may change later);
    // they are translated on the interface thread, as the box is.
    MessageBoxRequest reminder;
    reminder.caption = kReminderCaption;
    reminder.pattern = kReminderPattern;
    reminder.parts = ReminderParts(alarm.time, ReminderTimeFormat(), alarm.type);
    reminder.text = FillPattern(reminder.pattern, reminder.parts);
    QMetaObject::invokeMethod(
        this, [this, reminder, day = alarm.day] { Send(reminder, day); }, Qt::QueuedConnection);
}

bool DesktopNotifier::Connect() {
    if (!m_bus) {
        m_bus = m_address.isEmpty() ? QDBusConnection::sessionBus()
                                    : QDBusConnection::connectToBus(m_address, m_connectionName);
        if (m_bus->isConnected()) {
            // Only the service's own signals: another program cannot open a day.
            m_bus->connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                           SLOT(OnActionInvoked(uint, QString)));
            m_bus->connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                           SLOT(OnNotificationClosed(uint, uint)));
        }
    }
    return m_bus->isConnected();
}

void DesktopNotifier::Send(const MessageBoxRequest& reminder, CTime day) {
    if (!Connect()) {
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    call << QStringLiteral("Velmora") << 0u << QStringLiteral("velmora")
         << TranslatedMessageCaption(reminder) << TranslatedMessageText(reminder)
         << QStringList{kDefaultAction, tr("Open")}
         << QVariantMap{{QStringLiteral("desktop-entry"), QStringLiteral("velmora")}}
         << -1;  // the desktop's own time on screen
    // Not waited for: without a service the answer is an error, and the reminder's box has
    // been shown already.
    auto* watcher = new QDBusPendingCallWatcher(m_bus->asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, day](QDBusPendingCallWatcher* finished) {
                const QDBusPendingReply<uint> reply = *finished;
                if (reply.isValid()) {
                    m_days[reply.value()] = day;
                }
                finished->deleteLater();
            });
}

void DesktopNotifier::OnActionInvoked(uint id, const QString& actionKey) {
    const auto it = m_days.find(id);
    if (it != m_days.end() && actionKey == kDefaultAction) {
        const CTime day = it->second;  // the day's screen may outlive the notification
        emit dayRequested(day);
    }
}

void DesktopNotifier::OnNotificationClosed(uint id, uint) {
    m_days.erase(id);
}

}  // namespace velmora
