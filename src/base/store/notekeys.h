#pragma once

#include <QString>
#include <QStringList>

// Every key name of the store in one place. A per-note key is the note's tag followed by a suffix.
namespace NoteKeys {

inline const QString TotalForms = QStringLiteral("Total Forms");
inline const QString TagPrefix = QStringLiteral("NotesForm");
// Beside the notes: whether the tray icon shows ("True" when absent).
inline const QString ShowTrayIcon = QStringLiteral("Show Tray Icon");
// Beside the notes: the folder notes are synced through (none, or empty, when sync is off).
inline const QString SyncFolder = QStringLiteral("Sync Folder");

inline const QString Left = QStringLiteral(".Left");
inline const QString Top = QStringLiteral(".Top");
inline const QString Notes = QStringLiteral(".Notes");
inline const QString TextColor = QStringLiteral(".TextColor");
inline const QString Bold = QStringLiteral(".Bold");
inline const QString Italic = QStringLiteral(".Italic");
inline const QString Underline = QStringLiteral(".Underline");
inline const QString Strikethru = QStringLiteral(".Strikethru");
inline const QString Font = QStringLiteral(".Font");
inline const QString Size = QStringLiteral(".Size");
inline const QString TextBackColor = QStringLiteral(".TextBackColor");
inline const QString BackColor = QStringLiteral(".BackColor");
inline const QString Translucency = QStringLiteral(".Translucency");
inline const QString TransCount = QStringLiteral(".TransCount");
inline const QString AlwaysOnTop = QStringLiteral(".AlwaysOnTop");
inline const QString ActivehWnd = QStringLiteral(".ActivehWnd");
inline const QString EmailAddresses = QStringLiteral(".EmailAddresses");
inline const QString ReminderStatus = QStringLiteral(".ReminderStatus");
inline const QString ReminderDate = QStringLiteral(".ReminderDate");
inline const QString ReminderHours = QStringLiteral(".ReminderHours");
inline const QString ReminderMinutes = QStringLiteral(".ReminderMinutes");
inline const QString ReminderSeconds = QStringLiteral(".ReminderSeconds");
// Beyond the keys above: the reminder's date again, in one fixed form (yyyy-MM-ddTHH:mm:ss) that
// every locale reads; ".ReminderDate" holds it in the form of the desktop that set it.
inline const QString ReminderDateIso = QStringLiteral(".ReminderDateISO");
// The second the reminder last went off, so that a restart the same day
// neither repeats it nor forgets one that fell due while the program was not running.
inline const QString ReminderLastAlarm = QStringLiteral(".ReminderLastAlarm");
// The note's own id (a UUID), which no renumbering changes: deleted notes, backups, exported
// files and other computers name the note by it.
inline const QString Id = QStringLiteral(".Id");
// The note's size in twips, stored when the user resizes it.
inline const QString Width = QStringLiteral(".Width");
inline const QString Height = QStringLiteral(".Height");

// Defaults on read.
inline const QString DefaultTotalForms = QStringLiteral("1");
inline const QString DefaultPosition = QStringLiteral("500");
inline const QString DefaultTranslucency = QStringLiteral("200");
inline const QString DefaultTransCount = QStringLiteral("1");

/** Every per-note suffix: what belongs to one note and moves with it when notes are renumbered. */
inline const QStringList AllSuffixes = {
    Left, Top, Notes, TextColor, Bold, Italic, Underline, Strikethru, Font, Size, TextBackColor,
    BackColor, Translucency, TransCount, AlwaysOnTop, ActivehWnd, EmailAddresses, ReminderStatus,
    ReminderDate, ReminderHours, ReminderMinutes, ReminderSeconds, ReminderLastAlarm, Width, Height, Id,
    ReminderDateIso,
};

inline QString tagFor(int index)
{
    return TagPrefix + QString::number(index);
}

} // namespace NoteKeys
