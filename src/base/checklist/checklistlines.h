#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Checklists in a plain-text note: a line that starts with a box and a space is an item, "☐ "
// open, "☑ " done. The boxes are characters of the text, so every other reader of the note
// (the store, the sync folder, e-mail, Save Note to File) sees plain text.
namespace ChecklistLines {

inline constexpr char16_t OpenBox = u'\u2610';
inline constexpr char16_t DoneBox = u'\u2611';
/** The box and the space after it. */
inline constexpr int BoxLength = 2;

enum class Box { None, Open, Done };

/** The box a line starts with (a line break at its end is no part of it). */
Box boxOf(QStringView line);
/** The box as text, with its space. */
QString boxText(Box box);
/** The line is an item with nothing but blanks after its box. */
bool isEmptyItem(QStringView line);
/** The text holds a box anywhere: only then do checklists need drawing. */
bool holdsBox(QStringView text);

/** What was typed at a line's start before a space, when it asks for a box ("[]" or "[ ]"):
    its length; otherwise 0. */
int typedBoxLength(QStringView lineBeforeCaret);

/** What putting boxes on these lines does: takes them off when every line holding something
    has one, otherwise puts one on each such line that lacks it. Blank lines are left alone,
    unless they are all there is. */
struct BoxEdit
{
    bool removing = false;
    QList<int> lines;   // indexes into the lines given
};
BoxEdit boxEditFor(const QStringList &lines);

/** The text for people reading Markdown: items become task list items ("- [ ] ", "- [x] "),
    with a blank line between the last item and a paragraph that follows it (which Markdown
    would otherwise run into the item). The text's own line breaks are kept. */
QString markdown(const QString &text);

/** A line as a screen reader should say it: an item's box as "not checked" or "checked". */
QString spoken(const QString &line);

/** The line without the box it starts with. */
QString withoutBox(const QString &line);

} // namespace ChecklistLines
