#include "app/processglue.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <csignal>

#include "platform/datapaths.h"

namespace velmora {

namespace {
constexpr int kConnectTimeoutMs = 1000;
int g_signalPipe[2] = {-1, -1};

void OnSignal(int) {
    const char byte = 1;
    // Only async-signal-safe calls here.
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[0], &byte, 1);
}
}  // namespace

SingleInstance::SingleInstance() = default;
SingleInstance::~SingleInstance() = default;

QString SingleInstance::ServerName() {
    const QByteArray key = QByteArray::number(static_cast<qulonglong>(getuid())) + ":" +
                           QByteArray::fromStdString(DataPaths::DataDir());
    return "velmora-" +
           QString::fromLatin1(
               QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
}

bool SingleInstance::HandOverToRunningCopy() {
    QLocalSocket socket;
    socket.connectToServer(ServerName());
    if (!socket.waitForConnected(kConnectTimeoutMs)) {
        return false;
    }
    socket.write("show\n");
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::Listen(std::function<void()> activated) {
    m_activated = std::move(activated);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(ServerName())) {
        // A name left behind by a copy that died: nobody answered, so take it over.
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
