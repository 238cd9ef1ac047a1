#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running program per user and store: a second start hands over to the first.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        Only,            // no other copy runs: go on (listening for later starts)
        OtherAnswered,   // a running copy answered and brings its notes forward
        OtherSilent,     // a running copy holds the lock but does not answer
    };

    /** lockFolder: where the lock lives, beside the store. */
    explicit SingleInstance(const QString &lockFolder, QObject *parent = nullptr);
    ~SingleInstance() override;

    Outcome acquire();
    /** The process that holds the lock, as its lock file says; 0 when unknown. */
    qint64 holder() const;

signals:
    /** A later start asked for the notes to be brought forward. */
    void raiseRequested();

private:
    /** Takes the lock; false when another process holds it. A lock file that cannot be opened
        (a read-only folder) is no lock at all: then only a copy that answers counts. */
    bool lock(bool *lockable);
    bool signalRunning(int waitMs);
    void listen();

    QString m_lockPath;
    QString m_serverName;
    int m_lockFd = -1;
    QLocalServer *m_server = nullptr;
};
