#pragma once

#include <QDateTime>

#include <optional>

// When a note's text is kept as a version: what happened to the text, and when the last version
// was kept, decide. Typing keeps one at a pause every few minutes; a change the user did not type
// character by character keeps the text it replaces at once, before it lands.
namespace VersionPolicy {

enum class Event {
    TypingPaused,          // a change was typed and the typing has paused
    Paste,                 // text pasted over or into the note (`characters`: how many it replaces or adds)
    Cut,                   // text cut out (`characters`: how many)
    ReplaceAfterSelectAll, // Select All, then a key or Delete replaces the whole text
    FromSyncFolder,        // another computer's text arrives through the sync folder
    BackupRestored,        // a backup is restored over the notes
    Imported,              // an import replaces the note's text
    ReminderFlash,         // the alarm writes its flash over the note
    VersionRestored,       // a version from the history is put back
};

/** A typed change is kept at a pause once the last version is this old. */
constexpr qint64 TypingIntervalSecs = 5 * 60;
/** A paste or cut of more characters than this is kept at once. */
constexpr int FewCharacters = 4;

/** Whether to keep the note's text (the one before the change, for every event but a typing
    pause) as a version now. `lastKept`: when its last version was kept, if it has one. */
bool keepNow(Event event, int characters, const std::optional<QDateTime> &lastKept, const QDateTime &now);

} // namespace VersionPolicy
