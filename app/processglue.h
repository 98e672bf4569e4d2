#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QSocketNotifier;

namespace velmora {

// One running copy per user and diary: a second start hands over to the first (which
// comes to the front) and ends.
class SingleInstance {
public:
    SingleInstance();
    ~SingleInstance();

    // True when another copy is running and took the hand-over.
    bool HandOverToRunningCopy();
    // Listens for later starts; `activated` runs for each.
    bool Listen(std::function<void()> activated);

    // The rendezvous name: one per user and data folder.
    static QString ServerName();

private:
    std::unique_ptr<QLocalServer> m_server;
    std::function<void()> m_activated;
};

// Turns SIGTERM, SIGINT and SIGHUP into a call on the interface thread, so that the exit
// routine runs as when the window is closed.
class SignalQuitter {
public:
    explicit SignalQuitter(std::function<void()> quit);
    ~SignalQuitter();

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::function<void()> m_quit;
};

}  // namespace velmora
