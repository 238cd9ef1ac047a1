#pragma once

#include <QHash>
#include <QString>

#include <utility>
#include <vector>

class SettingsStore;

// The notes as the store holds them, slot by slot, without windows: what start-up, the trash,
// restoring, importing and exporting share.
namespace NoteSlots {

/** Everything stored for one note, by key suffix (".Notes" …). */
using Values = QHash<QString, QString>;
using Writes = std::vector<std::pair<QString, QString>>;

/** How many notes start-up opens: "Total Forms", but never beyond the highest slot that holds a
    key, and at least one. */
int openCount(const SettingsStore &store);

/** How many notes the store holds: as openCount(), but 0 for a store without any note. */
int storedCount(const SettingsStore &store);

/** Every value stored for the note in the slot with this tag. */
Values valuesOf(const SettingsStore &store, const QString &tag);
/** Adds the writes that store these values in the slot with this tag; keys of the slot that the
    values lack are emptied, which reads as absent, so nothing of an earlier note comes back. */
void writeInto(const SettingsStore &store, const Values &values, const QString &tag, Writes &writes);

/** Adds the writes that store these notes in the slots after the first `count`, and the new
    "Total Forms"; a note without an id (or with one that is not a note id) is given one. */
void appendNotes(const SettingsStore &store, const QList<Values> &notes, int count, Writes &writes);

/** The text is a note id: a UUID in its plain lower-case form. */
bool isId(const QString &text);
/** A new note id. */
QString newId();
/** The writes that give each of slots 1 … count an id of its own: where it has none, one that is
    not a UUID in its plain lower-case form (a hand-edited store), or the id of an earlier slot (a
    hand-copied note). Nothing else is written. */
Writes missingIds(const SettingsStore &store, int count);

/** The note's first line that holds something, trimmed, for lists and headings. */
QString firstLine(const QString &text);

} // namespace NoteSlots
