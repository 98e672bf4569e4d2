#include "app/processglue.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <QThread>
#include <csignal>
#include <cstdio>

#include "platform/datapaths.h"

namespace velmora {

namespace {
constexpr int kConnectTimeoutMs = 1000;
constexpr int kHandOverWaitMs = 20000;
int g_signalPipe[2] = {-1, -1};

// Asks the running copy to come to the front.
bool Knock(QLocalSocket& socket) {
    socket.write("show\n");
    const bool written = socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return written;
}

void OnSignal(int) {
    const char byte = 1;
    // Only async-signal-safe calls here.
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[0], &byte, 1);
}
}  // namespace

SingleInstance::SingleInstance() = default;

SingleInstance::~SingleInstance() {
    m_server.reset();
    if (m_lock >= 0) {
        ::close(m_lock);  // releases the lock
    }
}

QString SingleInstance::ServerName() {
    const QByteArray key = QByteArray::number(static_cast<qulonglong>(getuid())) + ":" +
                           QByteArray::fromStdString(DataPaths::DataDir());
    return "velmora-" +
           QString::fromLatin1(
               QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
}

namespace {
int OpenLockFile() {
    const std::string dir = DataPaths::DataDir();
    return DataPaths::EnsurePrivateDir(dir)
               ? ::open((dir + "/velmora.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)
               : -1;
}
}  // namespace

bool SingleInstance::TryHoldLock() {
    if (m_lock < 0) {
        m_lock = OpenLockFile();
    }
    if (m_lock >= 0 && ::flock(m_lock, LOCK_EX | LOCK_NB) == 0) {
        return true;
    }
    if (m_lock >= 0) {
        ::close(m_lock);
        m_lock = -1;
    }
    return false;
}

bool SingleInstance::HandOverToRunningCopy() {
    m_lock = OpenLockFile();
    if (m_lock < 0) {
        // No lock to be had (a read-only folder): fall back on the rendezvous alone.
        QLocalSocket socket;
        socket.connectToServer(ServerName());
        return socket.waitForConnected(kConnectTimeoutMs) && Knock(socket);
    }
    if (::flock(m_lock, LOCK_EX | LOCK_NB) == 0) {
        return false;  // the first copy: this one runs
    }
    ::close(m_lock);
    m_lock = -1;
    // The running copy may have started a moment ago and not listen yet: give it time.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kHandOverWaitMs) {
        QLocalSocket socket;
        socket.connectToServer(ServerName());
        if (socket.waitForConnected(kConnectTimeoutMs) && Knock(socket)) {
            return true;
        }
        QThread::msleep(50);
    }
    std::fprintf(stderr, "Velmora is already running for this diary, but does not answer.\n");
    return true;
}

bool SingleInstance::Listen(std::function<void()> activated) {
    m_activated = std::move(activated);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(ServerName())) {
        // A name left behind by a copy that died: this copy holds the lock, so no live copy
        // can own it.
        QLocalServer::removeServer(ServerName());
        if (!m_server->listen(ServerName())) {
            return false;
        }
    }
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(), [this] {
        while (QLocalSocket* peer = m_server->nextPendingConnection()) {
            QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            if (m_activated) {
                m_activated();
            }
        }
    });
    return true;
}

SignalQuitter::SignalQuitter(std::function<void()> quit) : m_quit(std::move(quit)) {
    if (g_signalPipe[0] < 0 &&
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0) {
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(g_signalPipe[1], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] {
        char byte;
        [[maybe_unused]] const ssize_t n = ::read(g_signalPipe[1], &byte, 1);
        if (m_quit) {
            m_quit();
        }
    });
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        ::sigaction(sig, &sa, nullptr);
    }
}

SignalQuitter::~SignalQuitter() {
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        ::signal(sig, SIG_DFL);
    }
}

}  // namespace velmora
