#pragma once

#include "base/notefile/notefile.h"
#include "base/store/noteslots.h"
#include "base/store/settingsstore.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What an import of a notes file adds to the notes here, decided apart from doing it.
namespace NoteImport {

/** More notes than this, opened by one import, bury the desktop (and every later start): the
    running program asks first, the command line refuses without --allow-many. */
constexpr int ManyNotes = 100;

/** What the user allowed on the command line. */
struct Choices
{
    bool asNew = false;       // --as-new: a note here with other text gets the file's as a new note
    bool allowMany = false;   // --allow-many: more than ManyNotes notes without asking
    /** As the arguments of the request to the running copy, and back. */
    QStringList toArgs() const;
    static Choices fromArgs(const QStringList &args);
};

/** The file's notes: a plain file of at most NoteFile::LargestFileBytes, read whole. */
std::optional<NoteFile::Contents> read(const QString &file, QString *error);

struct Plan
{
    QList<NoteSlots::Values> added;              // open notes to add, in the file's order
    QList<SettingsStore::TrashedNote> toTrash;   // deleted notes to add to Deleted Notes
    int alreadyHere = 0;                         // the same note with the same text
    QStringList differing;                       // notes here whose text is not the file's, named
    int addedAsNew = 0;                          // of `added`, the file's versions of those
};

/** Which of the file's notes are new here: a note is the same as one here when its id is (in
    any form a UUID is written, or the same other text), so importing twice adds nothing. */
Plan plan(const NoteFile::Contents &contents, const QList<NoteSlots::Values> &open,
          const QList<SettingsStore::TrashedNote> &trash, bool asNew);

/** The id a note of a file goes by here: its UUID in the plain form; one derived from it when it
    is another text, or from its place and text when it has none, the same at every import. */
QString idHere(const QString &idInFile, int position, const QString &text);

} // namespace NoteImport
