#include "app/singleinstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace {
constexpr char kRestoreRequest[] = "restore\n";
constexpr char kRestoreDone[] = "done\n";
constexpr int kConnectTimeoutMs = 1000;
constexpr int kAnswerTimeoutMs = 3000;

// The user's runtime directory ($XDG_RUNTIME_DIR), private to the user; the
// temporary folder where there is none.
QString runtimeDirectory()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir;
}
} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString &name, QObject *parent)
    : QObject(parent), m_name(name), m_directory(runtimeDirectory())
{
}

SingleInstanceGuard::~SingleInstanceGuard() { ReleaseInstanceMutex(); }

QString SingleInstanceGuard::lockPath() const
{
    return m_directory + QLatin1Char('/') + m_name + QStringLiteral(".lock");
}

QString SingleInstanceGuard::serverPath() const
{
    return m_directory + QLatin1Char('/') + m_name + QStringLiteral(".socket");
}

bool SingleInstanceGuard::holdsLock() const { return m_lock && m_lock->isLocked(); }

bool SingleInstanceGuard::AlreadyRunning()
{
    const bool running = CreateInstanceMutex();
    if (running)
        ActivateRunningInstance();
    return running;
}

bool SingleInstanceGuard::CreateInstanceMutex()
{
    auto lock = std::make_unique<QLockFile>(lockPath());
    // Only a lock whose process is gone counts as stale, however old it is.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        m_lock = std::move(lock);
        return false;
    }
    // A lock that cannot be written at all (no runtime directory) must not
    // keep the program from starting: it then runs without the guard.
    return lock->error() == QLockFile::LockFailedError;
}

bool SingleInstanceGuard::ActivateRunningInstance()
{
    QLocalSocket socket;
    socket.connectToServer(serverPath());
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false; // still starting, or not answering: nothing to raise
    socket.write(kRestoreRequest);
    if (!socket.waitForBytesWritten(kConnectTimeoutMs))
        return false;
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(kAnswerTimeoutMs))
            return false;
    return socket.readLine() == kRestoreDone;
}

void SingleInstanceGuard::ReleaseInstanceMutex()
{
    if (m_server) {
        m_server->close();
        delete m_server;
        m_server = nullptr;
    }
    if (m_lock) {
        m_lock->unlock();
        m_lock.reset();
    }
}

void SingleInstanceGuard::listen(std::function<void()> restore)
{
    if (!holdsLock())
        return;
    m_restore = std::move(restore);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so a socket file left here belongs to a dead instance.
    QLocalServer::removeServer(serverPath());
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstanceGuard::answer);
    m_server->listen(serverPath());
}

void SingleInstanceGuard::answer()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > 64) // not a request of ours
                    socket->abort();
                return;
            }
            if (socket->readLine(64) == kRestoreRequest && m_restore)
                m_restore();
            socket->write(kRestoreDone);
            socket->disconnectFromServer();
        });
    }
}
