#pragma once

#include "base/store/noteslots.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class NoteWindow;
class Program;

// The notes on this computer as sync changes them. Each is found by its id at the moment it is
// changed: a deletion or a new note renumbers the slots, so a tag found earlier may name another
// note by then.
class SyncedNotes final
{
public:
    SyncedNotes(Program &program, int &cascade);

    /** What travels of the open notes, by id. */
    static QHash<QString, NoteSlots::Values> openNotes(const Program &program);

    /** The tag of the open note with this id; empty when there is none. */
    QString tagOf(const QString &id);

    /** The open note takes the folder's travelling values, in the store and in its window,
        keeping its place and the user's cursor; `agreed` is recorded with them. */
    bool takeIn(const QString &id, const NoteSlots::Values &remote, const QString &agreed, QString *error);
    /** Deleted on another computer: into the trash as it is here at this moment. The program never
        runs without a note: the last one gives way to a new, empty one. */
    bool trash(const QString &id, const QString &agreed, QString *error);
    /** Opens notes new to this computer, cascaded on its main screen, in one write with the states
        agreed on for them; `fromTrash` names deleted notes that come back with them. */
    bool add(const QList<NoteSlots::Values> &notes, const QHash<QString, QString> &agreed,
             const QStringList &fromTrash, QString *error);
    /** Deleted here and changed there since: it opens where it was when it was deleted here, with
        the folder's travelling values; the values it opened with. */
    std::optional<NoteSlots::Values> restore(const QString &id, NoteSlots::Values trashed,
                                             const NoteSlots::Values &remote, const QString &agreed, QString *error);
    /** The open note goes on under another id, its window, text and all else as they are. */
    bool changeId(const QString &id, const QString &newId, const QHash<QString, QString> &agreed, QString *error);

    /** Some note here was changed through this. */
    bool hasChanged() const { return m_changed; }

private:
    NoteWindow *openNote(const QString &id);
    NoteSlots::Values cascaded(NoteSlots::Values values);

    Program &m_program;
    int &m_cascade;
    QHash<QString, QString> m_tags;
    bool m_stale = true;
    bool m_changed = false;
};
