#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

class Form1;
class Program;
class QWidget;

// Start-up and the helpers several windows share.
namespace Main2 {

/** Recreates every stored note as its own window, then returns. */
void StartUp(Program &program);
/** As StartUp, but returns once the first note shows; the others open a few at a time while
    the window thread answers events (program.opener() tells when all are open). */
void BeginStartUp(Program &program);

/** How many notes start-up opens for a stored "Total Forms" text. */
int NotesToOpen(Program &program);
/** Gives the note the colours and font stored for it (over what it shows now). */
void ApplyStoredLook(Program &program, Form1 *note);
/** Opens the note stored in this slot as start-up does, stacked as the open notes are. */
Form1 *OpenStoredNote(Program &program, int index);
/** Opens the note stored in this slot as start-up does, stacked as stored for it, or when nothing
    is stored as `unstoredOnTop` says. */
Form1 *OpenStartUpNote(Program &program, int index, bool unstoredOnTop);

/** The skin file below the program folder, a style sheet for the menu window and its menu. */
QString SkinFilePath();
void ApplySkinFile(Program &program);

/** Paints a dialog and its labels, check boxes, option buttons and frames in the button-face colour. */
void SetStandardColors(QWidget *window);

/** The product name shortened word by word to at most 40 characters (always by one word at least). */
QString ShortenedTitle(const QString &fullName);
/** Sets the program's title: the default title of its message boxes. */
void SetAppTitle();
QString AppTitle();

} // namespace Main2

namespace Main2 {

/** The locale's short date, always with a four-digit year. */
QString DateFormat(const QLocale &locale);
/** The locale's time of day with seconds, without a time zone. */
QString TimeFormat(const QLocale &locale);
/** A date and time as the system's general date shows it: the short date, a blank, the time. */
QString GeneralDate(const QDateTime &value);
/** Reads back what GeneralDate wrote; an invalid date time when it cannot. */
QDateTime ParseGeneralDate(const QString &text);

/** Lets the window system deliver what is pending, twice, as before unloading and ending. */
void DoEventsTwice();
/** Waits without spinning, delivering events meanwhile. */
void Pause(int milliseconds);

// Clipboard access, each tried up to 1000 times; format 0 is plain text.
void ClearClipboard();
bool PutClipboardText(const QString &text, int format = 0);
QString GetClipboardText(int format = 0);

} // namespace Main2

class Program;

namespace Main2 {

/** Hands a file, web address or mailto: link to the desktop's default handler; false when no
    handler took it (nothing waits for the handler itself). */
bool ShellOpen(Program &program, QWidget *owner, const QString &target);

} // namespace Main2
