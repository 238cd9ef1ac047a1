#pragma once

#include <QString>

// What to do with one note, from what this computer has, what the sync folder has, and what the
// two last agreed on. No files, no windows: a table, tested row by row.
//
// "Changed" is decided by content (fingerprints), never by a file's size or time. Editions order
// versions without any clock: a file with a lower edition than the one agreed on went back in
// time (an older copy of the folder, a disk mounted again) and never replaces newer text.
namespace SyncRules {

/** What this computer and the folder last agreed on for a note. Kept in the store as
    "fingerprint edition" ("fingerprint" alone from before editions: edition 0, not known). */
struct Agreed
{
    QString state;
    qint64 edition = 0;

    static Agreed parse(const QString &stored);
    QString stored() const;
    bool isEmpty() const { return state.isEmpty(); }
};

enum class Here { None, Open, Deleted };
enum class There {
    None,
    Note,
    Deleted,    // a deletion, written by some computer
    Damaged,    // ours by name, but cut short or not readable as a note
    Unusable,   // from a newer Quillarren, not a plain file, too large, another note inside
};

struct Facts
{
    Here here = Here::None;
    QString mine;            // the fingerprint of the note here (of its deletion when deleted)
    There there = There::None;
    QString theirs;          // the fingerprint of the file
    qint64 theirEdition = 0;
    Agreed agreed;
    bool takingIn = true;    // false while the program ends: this computer's changes are written only
};

enum class Action {
    Nothing,
    Remember,         // both hold the same: that is what they agree on now
    Forget,           // a deleted note's file went: nothing left to agree on
    Write,            // this computer's version goes to the folder
    TakeIn,           // the folder's version goes into the note here, or opens as a new note
    TakeInDeletion,   // deleted on another computer: into this computer's trash as it is here now
    Restore,          // changed on another computer after it was deleted here: it comes back
    MoveMineAside,    // changed on both: the folder's version keeps the id; the note here keeps its
                      // window and text under a new id, which then goes to the folder as a new note
    KeepOlderApart,   // the file went back to an older version: ours is written again, the older
                      // one is kept as a note of its own unless its text is in a note here
    LeaveAlone,       // a file that cannot be taken and must not be written over
};

Action decide(const Facts &facts);

/** The action's name, for messages and test reports. */
const char *nameOf(Action action);

} // namespace SyncRules
