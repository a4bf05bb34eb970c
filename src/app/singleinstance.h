#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;

// Lets one copy of the program run per desktop user. The first start takes a
// lock file in the user's runtime directory and later answers restore requests
// on a local socket beside it; a later start finds the lock taken, asks the
// running copy to restore and raise its window, and ends.
class SingleInstanceGuard : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstanceGuard(const QString &name, QObject *parent = nullptr);
    ~SingleInstanceGuard() override;

    // True when another instance runs; it has then been asked to come to the
    // front. False when this process now holds the lock.
    bool AlreadyRunning();
    // Takes the lock; true when another instance already holds it. A lock left
    // by a process that no longer exists is taken over.
    bool CreateInstanceMutex();
    // Asks the running instance to restore and raise its window and waits for
    // its answer; false when it could not be reached.
    bool ActivateRunningInstance();
    // Lets go of the lock and stops answering.
    void ReleaseInstanceMutex();

    // Starts answering restore requests (needs the application object).
    void listen(std::function<void()> restore);

    bool holdsLock() const;
    QString lockPath() const;
    QString serverPath() const;

private:
    void answer();

    QString m_name;
    QString m_directory;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
    std::function<void()> m_restore;
};
