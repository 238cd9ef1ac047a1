#pragma once

#include <QFile>
#include <QHash>
#include <QString>

#include <utility>
#include <vector>

// What the user gave that is not in the store's file yet, appended beside it as it comes, so
// that a crash or kill loses none of it: whole values the store could not take (another
// program holds it, the disk is full), and the changes of long notes, which reach the file a
// moment later. Start-up brings it all into the store and empties the journal once the store
// has it.
class PendingJournal final
{
public:
    using Values = std::vector<std::pair<QString, QString>>;

    /** A change in place: at `position` of a text `base` characters long, `removed` replaced by
        `inserted`; what it replaced lets a change be checked against the text it is applied to. */
    struct Edit
    {
        QString key;
        qsizetype base = 0;
        qsizetype position = 0;
        QString removed;
        QString inserted;
    };

    PendingJournal() = default;

    QString path() const { return m_file.fileName(); }
    void setPath(const QString &path);

    /** Appends whole values in one write; false when the file cannot be written. An empty journal
        first gets the generation it starts (see generation()). */
    bool append(const Values &values, quint32 generation);
    bool appendEdit(const Edit &edit, quint32 generation);

    /** The generation written at the journal's start: the store's file records, with the writes
        that take in a whole journal, the generation it took in, so a journal that outlived that
        write (a power cut before it was emptied) is known not to be applied again. 0 when the
        journal is empty or unreadable. */
    quint32 generation() const;

    /** Applies what the journal holds, in the order it was appended and up to a torn or damaged
        end, to these values; returns the keys it changed. */
    QList<QString> replay(QHash<QString, QString> &values) const;

    /** Empties the journal for good (synced), once the store holds everything in it. */
    bool clear();
    bool isEmpty() const;
    /** It holds whole values (from writes that failed), not only changes of long notes. */
    bool hasValues() const { return m_hasValues; }
    /** Replaces the journal by these whole values alone, when it has grown far beyond them. */
    bool compact(const Values &values);
    qint64 size() const;

private:
    bool write(const QByteArray &bytes);

    QFile m_file;
    bool m_empty = true;   // known without asking the disk on every keystroke
    bool m_hasValues = false;
};
