#pragma once

#include <QJsonObject>
#include <QString>

// The fields a note object of the notes files may have, with the kind each must be of, and the
// bounds of its numbers: what the reader checks before it takes a note from another program or
// computer.
namespace NoteFields {

/** A place as far as a window system places windows (32767 pixels either way), in twips. */
constexpr int LargestPlaceTwips = 32767 * 15;
/** A side as long as the largest window a window system draws (16384 pixels), in twips. */
constexpr int LargestSideTwips = 16384 * 15;

/** What is wrong with the note's fields, in words for the user ('"size.width" is not a
    number'); empty when every field it has is of its kind. Fields it does not know are left
    alone, and null counts as absent. `deleted`: a note of the deleted ones, which has its date. */
QString misfit(const QJsonObject &note, bool deleted);

/** The note as the user knows it, for messages: its place in the file and its first line. */
QString describe(int position, const QJsonObject &note);

/** The format version: a whole number from 1; 0 when it is none (missing, text, a fraction). */
int version(const QJsonObject &file);

} // namespace NoteFields
