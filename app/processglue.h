#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QSocketNotifier;

namespace velmora {

// One running copy per user and diary: a second start hands over to the first (which
// comes to the front) and ends. Which copy runs is decided by a lock file in the data
// folder, held for the life of the running copy: of two copies started at the same moment
// exactly one gets it, and only that one ever listens or clears a name left behind.
class SingleInstance {
public:
    SingleInstance();
    ~SingleInstance();

    // True when another copy holds the lock; this one then handed over to it (or, should
    // that copy never answer, gave up) and must end.
    bool HandOverToRunningCopy();
    // For work without a window that writes the diary: takes the lock when no copy of the
    // program holds it, and keeps it while this object lives, so none can start meanwhile.
    // False when a copy runs (or the lock cannot be had).
    bool TryHoldLock();
    // Listens for later starts; `activated` runs for each. Only after
    // HandOverToRunningCopy() returned false.
    bool Listen(std::function<void()> activated);

    // The rendezvous name: one per user and data folder.
    static QString ServerName();

private:
    std::unique_ptr<QLocalServer> m_server;
    std::function<void()> m_activated;
    int m_lock = -1;
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
