#pragma once

#include <QDateTime>
#include <QSet>
#include <QString>

class NoteHistory;
class SettingsStore;

// The history beside the store's notes: what to keep before every note's text is replaced at once
// (a backup restored, an import), and which notes still have a history worth keeping.
namespace StoredNotes {

/** Keeps every open note's stored text as a version (unless it is its newest already); how
    many could not be kept. */
int keepAll(NoteHistory &history, const SettingsStore &store, const QDateTime &now);

/** The ids of the notes and of the deleted notes the trash keeps. */
QSet<QString> idsWithLife(const SettingsStore &store);

} // namespace StoredNotes
