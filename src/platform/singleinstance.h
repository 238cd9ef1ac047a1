#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

// One running program per user and store: a second start hands over to the first.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    /** lockFolder: where the lock lives, beside the store. */
    explicit SingleInstance(const QString &lockFolder, QObject *parent = nullptr);
    ~SingleInstance() override;

    /** True when this is the only running program; it then listens for later starts. */
    bool acquire();
    /** Asks the running program to bring its notes forward; false when it could not be reached. */
    bool signalRunning();

signals:
    /** A later start asked for the notes to be brought forward. */
    void raiseRequested();

private:
    QString m_serverName;
    QLockFile m_lock;
    QLocalServer *m_server = nullptr;
};
