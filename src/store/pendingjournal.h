#pragma once

#include <QFile>
#include <QString>

#include <utility>
#include <vector>

// Values the user gave that the store could not take yet (another program holds it, the disk is
// full), appended beside it as they come, so that a crash or kill loses none of them. Start-up
// writes them into the store and empties the journal once the store has them.
class PendingJournal final
{
public:
    using Values = std::vector<std::pair<QString, QString>>;

    explicit PendingJournal(QString path = QString()) : m_file(std::move(path)) {}

    QString path() const { return m_file.fileName(); }
    void setPath(const QString &path);

    /** Appends the values in one write; false when the file cannot be written. */
    bool append(const Values &values);
    /** The values in the order they were appended, up to a torn or damaged end. */
    Values read() const;
    /** Empties the journal for good (synced), once the store holds everything in it. */
    bool clear();
    bool isEmpty() const;
    /** Replaces the journal by these values alone, when it has grown far beyond them. */
    bool compact(const Values &values);
    qint64 size() const;

private:
    QFile m_file;
};
