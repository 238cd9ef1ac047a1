<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AccessibleNoteName</name>
    <message>
        <source>Note text</source>
        <translation>Note text</translation>
    </message>
    <message>
        <source>Note: (empty)</source>
        <translation>Note: (empty)</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Note: %1</translation>
    </message>
</context>
<context>
    <name>AlarmWindow</name>
    <message>
        <source>Reminder Alarm</source>
        <translation>Reminder Alarm</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>Stop Alarm</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Quillarren was not set to start at login: there is no %1</source>
        <translation>Quillarren was not set to start at login: there is no %1</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>cannot remove %1: %2</translation>
    </message>
    <message>
        <source>Quillarren will no longer start at login: removed %1</source>
        <translation>Quillarren will no longer start at login: removed %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>Quillarren will start at login: wrote %1</source>
        <translation>Quillarren will start at login: wrote %1</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>Cannot restore from it: %1. Nothing was changed.</source>
        <translation>Cannot restore from it: %1. Nothing was changed.</translation>
    </message>
    <message>
        <source>Backing up the notes you have now…</source>
        <translation>Backing up the notes you have now…</translation>
    </message>
    <message>
        <source>The notes you have now could not be backed up first (%1), so nothing was restored.</source>
        <translation>The notes you have now could not be backed up first (%1), so nothing was restored.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>out of memory</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>cannot open %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>the copy failed: %1</source>
        <translation>the copy failed: %1</translation>
    </message>
    <message>
        <source>the backups folder %1 cannot be written</source>
        <translation>the backups folder %1 cannot be written</translation>
    </message>
    <message>
        <source>cannot write in the backups folder %1: %2</source>
        <translation>cannot write in the backups folder %1: %2</translation>
    </message>
    <message>
        <source>the backup of %1 failed: %2</source>
        <translation>the backup of %1 failed: %2</translation>
    </message>
    <message>
        <source>the disk refused it</source>
        <translation>the disk refused it</translation>
    </message>
</context>
<context>
    <name>ChannelProtocol</name>
    <message>
        <source>The running Quillarren gave an answer this one cannot read.</source>
        <translation>The running Quillarren gave an answer this one cannot read.</translation>
    </message>
</context>
<context>
    <name>ChannelServer</name>
    <message>
        <source>no private folder for it</source>
        <translation>no private folder for it</translation>
    </message>
    <message>
        <source>Later starts of Quillarren cannot reach this one: cannot listen at %1: %2</source>
        <translation>Later starts of Quillarren cannot reach this one: cannot listen at %1: %2</translation>
    </message>
    <message>
        <source>Waiting for the running Quillarren to finish what it is doing…</source>
        <translation>Waiting for the running Quillarren to finish what it is doing…</translation>
    </message>
    <message>
        <source>Process %1 asked Quillarren more than one command asks (%2 connections, %3 bytes not taken): it is no longer answered.</source>
        <translation>Process %1 asked Quillarren more than one command asks (%2 connections, %3 bytes not taken): it is no longer answered.</translation>
    </message>
    <message>
        <source>Quillarren could not read the request.</source>
        <translation>Quillarren could not read the request.</translation>
    </message>
    <message>
        <source>This Quillarren is older and does not know &quot;%1&quot;: quit it, then start Quillarren again.</source>
        <translation>This Quillarren is older and does not know &quot;%1&quot;: quit it, then start Quillarren again.</translation>
    </message>
</context>
<context>
    <name>ChecklistLines</name>
    <message>
        <source>checked</source>
        <translation>checked</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>not checked</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 Nothing was changed.</source>
        <translation>%1 Nothing was changed.</translation>
    </message>
    <message>
        <source>Asking the running Quillarren…</source>
        <translation>Asking the running Quillarren…</translation>
    </message>
    <message>
        <source>Quillarren is running (process %1) but does not answer. Nothing was changed; if it is stuck, end it and try again.</source>
        <translation>Quillarren is running (process %1) but does not answer. Nothing was changed; if it is stuck, end it and try again.</translation>
    </message>
    <message>
        <source>Sticky notes for the desktop. Without options, brings back your notes, or brings the running ones forward.</source>
        <translation>Sticky notes for the desktop. Without options, brings back your notes, or brings the running ones forward.</translation>
    </message>
    <message>
        <source>Start Quillarren at every login (on), or no longer (off).</source>
        <translation>Start Quillarren at every login (on), or no longer (off).</translation>
    </message>
    <message>
        <source>List the deleted notes (kept 30 days).</source>
        <translation>List the deleted notes (kept 30 days).</translation>
    </message>
    <message>
        <source>Bring a deleted note back.</source>
        <translation>Bring a deleted note back.</translation>
    </message>
    <message>
        <source>List the backups of your notes.</source>
        <translation>List the backups of your notes.</translation>
    </message>
    <message>
        <source>Replace your notes by a backup&apos;s (they are backed up first).</source>
        <translation>Replace your notes by a backup&apos;s (they are backed up first).</translation>
    </message>
    <message>
        <source>Write the open notes to a file: JSON, or Markdown for a name ending in .md.</source>
        <translation>Write the open notes to a file: JSON, or Markdown for a name ending in .md.</translation>
    </message>
    <message>
        <source>With --export: the deleted notes too.</source>
        <translation>With --export: the deleted notes too.</translation>
    </message>
    <message>
        <source>Add the notes of an exported file (those already here are skipped).</source>
        <translation>Add the notes of an exported file (those already here are skipped).</translation>
    </message>
    <message>
        <source>With --import: a note here whose text differs from the file&apos;s gets the file&apos;s version as a new note beside it.</source>
        <translation>With --import: a note here whose text differs from the file&apos;s gets the file&apos;s version as a new note beside it.</translation>
    </message>
    <message numerus="yes">
        <source>With --import: import more than %n notes at once (each opens as a note).</source>
        <translation>
            <numerusform>With --import: import more than %n note at once (each opens as a note).</numerusform>
            <numerusform>With --import: import more than %n notes at once (each opens as a note).</numerusform>
        </translation>
    </message>
    <message>
        <source>Open a new note, with the keyboard.</source>
        <translation>Open a new note, with the keyboard.</translation>
    </message>
    <message>
        <source>Bring every note forward, those put away too.</source>
        <translation>Bring every note forward, those put away too.</translation>
    </message>
    <message>
        <source>Open the notes list, to find a note.</source>
        <translation>Open the notes list, to find a note.</translation>
    </message>
    <message>
        <source>Show the tray icon (on), or no longer (off).</source>
        <translation>Show the tray icon (on), or no longer (off).</translation>
    </message>
    <message>
        <source>Sync the notes through a folder that a sync program carries (Syncthing, Nextcloud); off: no longer.</source>
        <translation>Sync the notes through a folder that a sync program carries (Syncthing, Nextcloud); off: no longer.</translation>
    </message>
    <message>
        <source>%1: Unexpected argument &apos;%2&apos;.</source>
        <translation>%1: Unexpected argument &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>%1: --autostart takes on or off, not &apos;%2&apos;.</source>
        <translation>%1: --autostart takes on or off, not &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>%1: --tray takes on or off, not &apos;%2&apos;.</source>
        <translation>%1: --tray takes on or off, not &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>Quillarren is not running.</source>
        <translation>Quillarren is not running.</translation>
    </message>
    <message>
        <source>%1: --show needs --history ID.</source>
        <translation>%1: --show needs --history ID.</translation>
    </message>
    <message>
        <source>With --history: print version N of the note (1 is the newest).</source>
        <translation>With --history: print version N of the note (1 is the newest).</translation>
    </message>
    <message>
        <source>List a note&apos;s earlier versions (its id, or its number: 1 for the first note).</source>
        <translation>List a note&apos;s earlier versions (its id, or its number: 1 for the first note).</translation>
    </message>
</context>
<context>
    <name>DamageOffer</name>
    <message>
        <source>The notes store %1 could not be read: it is damaged, or not a file. It has been kept as %2 and a new, empty store was started.</source>
        <translation>The notes store %1 could not be read: it is damaged, or not a file. It has been kept as %2 and a new, empty store was started.</translation>
    </message>
    <message>
        <source>Your notes file was damaged and has been kept as %1. Restore the notes from the backup of %2?</source>
        <translation>Your notes file was damaged and has been kept as %1. Restore the notes from the backup of %2?</translation>
    </message>
    <message>
        <source>The notes could not be restored from %1: %2. Quillarren starts with an empty store; the backup is still there.</source>
        <translation>The notes could not be restored from %1: %2. Quillarren starts with an empty store; the backup is still there.</translation>
    </message>
</context>
<context>
    <name>DesktopProgram</name>
    <message>
        <source>Quillarren: sync</source>
        <translation>Quillarren: sync</translation>
    </message>
    <message>
        <source>Your notes could not be backed up: %1. Quillarren tries again in an hour.</source>
        <translation>Your notes could not be backed up: %1. Quillarren tries again in an hour.</translation>
    </message>
    <message>
        <source>Quillarren: backup failed</source>
        <translation>Quillarren: backup failed</translation>
    </message>
    <message>
        <source>Your notes are backed up in %1.</source>
        <translation>Your notes are backed up in %1.</translation>
    </message>
    <message>
        <source>Quillarren: backed up</source>
        <translation>Quillarren: backed up</translation>
    </message>
</context>
<context>
    <name>EmailDialog</name>
    <message>
        <source>E-mail Note</source>
        <translation>E-mail Note</translation>
    </message>
    <message>
        <source>Enter e-mail recepients</source>
        <translation>Enter e-mail recepients</translation>
    </message>
    <message>
        <source>Compose</source>
        <translation>Compose</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>No mail program is set up on this computer to write this e-mail.

Copy the note&apos;s text, to paste it into a message yourself?</source>
        <translation>No mail program is set up on this computer to write this e-mail.

Copy the note&apos;s text, to paste it into a message yourself?</translation>
    </message>
    <message>
        <source>The text could not be copied: the clipboard is busy.</source>
        <translation>The text could not be copied: the clipboard is busy.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>%1<byte value="xd"/>
in %2 at line %3<byte value="xd"/>
<byte value="xd"/>
Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
in %2 at line %3<byte value="xd"/>
<byte value="xd"/>
Please email screenshot of this message to %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Application Error</translation>
    </message>
    <message>
        <source>Unexpected failure</source>
        <translation>Unexpected failure</translation>
    </message>
</context>
<context>
    <name>FolderScan</name>
    <message>
        <source>%1 holds another note than its name says</source>
        <translation>%1 holds another note than its name says</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Color...</translation>
    </message>
</context>
<context>
    <name>HistoryExport</name>
    <message>
        <source>the notes&apos; history is not available, so it was left out</source>
        <translation>the notes&apos; history is not available, so it was left out</translation>
    </message>
    <message>
        <source>the notes&apos; history, more than %1 MB, was left out (--history ID --show N prints a version; a backup holds them all)</source>
        <translation>the notes&apos; history, more than %1 MB, was left out (--history ID --show N prints a version; a backup holds them all)</translation>
    </message>
</context>
<context>
    <name>HistoryKeeper</name>
    <message>
        <source>Quillarren: note history</source>
        <translation>Quillarren: note history</translation>
    </message>
    <message>
        <source>The history of the notes is not available this time.</source>
        <translation>The history of the notes is not available this time.</translation>
    </message>
</context>
<context>
    <name>HistoryVerbs</name>
    <message>
        <source>The history of the notes is not available (see the message at start-up).</source>
        <translation>The history of the notes is not available (see the message at start-up).</translation>
    </message>
    <message>
        <source>No note has the id or number &apos;%1&apos;.</source>
        <translation>No note has the id or number &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Note %1 has no earlier versions.
</source>
        <translation>Note %1 has no earlier versions.
</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>Note %1 has no version %2; it has %3 (--history %4 lists them).</source>
        <translation>Note %1 has no version %2; it has %3 (--history %4 lists them).</translation>
    </message>
    <message>
        <source>Version %1 of note %2 could not be read.</source>
        <translation>Version %1 of note %2 could not be read.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>Note History</source>
        <translation>Note History</translation>
    </message>
    <message>
        <source>Note History: %1</source>
        <translation>Note History: %1</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Versions</translation>
    </message>
    <message>
        <source>Text of the chosen version</source>
        <translation>Text of the chosen version</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Restore This Version</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>(lines removed at the end)</source>
        <translation>(lines removed at the end)</translation>
    </message>
    <message>
        <source>This note has no earlier versions yet.</source>
        <translation>This note has no earlier versions yet.</translation>
    </message>
    <message>
        <source>Same as the note now.</source>
        <translation>Same as the note now.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) differ from the note now (marked).</source>
        <translation>
            <numerusform>%n line differs from the note now (marked).</numerusform>
            <numerusform>%n lines differ from the note now (marked).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>The note could not be saved to %1: %2</source>
        <translation>The note could not be saved to %1: %2</translation>
    </message>
</context>
<context>
    <name>NoteFields</name>
    <message>
        <source>&quot;%1&quot; is not text</source>
        <translation>&quot;%1&quot; is not text</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not true or false</source>
        <translation>&quot;%1&quot; is not true or false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>&quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>&quot;%1&quot; is not a whole number</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an object</source>
        <translation>&quot;%1&quot; is not an object</translation>
    </message>
    <message>
        <source>&quot;deleted&quot; is not a date</source>
        <translation>&quot;deleted&quot; is not a date</translation>
    </message>
    <message>
        <source>note %1</source>
        <translation>note %1</translation>
    </message>
    <message>
        <source>note %1 (&quot;%2&quot;)</source>
        <translation>note %1 (&quot;%2&quot;)</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>%1 is not a whole Quillarren notes file: it breaks off or is damaged at byte %2 (%3)</source>
        <translation>%1 is not a whole Quillarren notes file: it breaks off or is damaged at byte %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is not a whole Quillarren note: it breaks off or is damaged at byte %2 (%3)</source>
        <translation>%1 is not a whole Quillarren note: it breaks off or is damaged at byte %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren notes file</source>
        <translation>%1 is not a Quillarren notes file</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren note</source>
        <translation>%1 is not a Quillarren note</translation>
    </message>
    <message>
        <source>%1 has an invalid format version (%2), so it is not a Quillarren notes file that can be read</source>
        <translation>%1 has an invalid format version (%2), so it is not a Quillarren notes file that can be read</translation>
    </message>
    <message>
        <source>%1 has an invalid format version (%2), so it is not a Quillarren note that can be read</source>
        <translation>%1 has an invalid format version (%2), so it is not a Quillarren note that can be read</translation>
    </message>
    <message>
        <source>%1 was written by a newer Quillarren (its format version is %2; this one reads version %3 and older)</source>
        <translation>%1 was written by a newer Quillarren (its format version is %2; this one reads version %3 and older)</translation>
    </message>
    <message>
        <source>it is not a note</source>
        <translation>it is not a note</translation>
    </message>
    <message>
        <source>%1 is damaged: in its deleted %2, %3</source>
        <translation>%1 is damaged: in its deleted %2, %3</translation>
    </message>
    <message>
        <source>%1 is damaged: in its %2, %3</source>
        <translation>%1 is damaged: in its %2, %3</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 is damaged: %2</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren note (it names no note, or another one)</source>
        <translation>%1 is not a Quillarren note (it names no note, or another one)</translation>
    </message>
</context>
<context>
    <name>NoteHistory</name>
    <message>
        <source>The history of your notes could not be opened in %1; no versions are kept this time. Your notes are as they were.</source>
        <translation>The history of your notes could not be opened in %1; no versions are kept this time. Your notes are as they were.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 is damaged (%2); it is left aside and no versions are kept until it is mended. Your notes are as they were.</source>
        <translation>The history of your notes in %1 is damaged (%2); it is left aside and no versions are kept until it is mended. Your notes are as they were.</translation>
    </message>
    <message>
        <source>The history of your notes could not be started in %1 (%2); no versions are kept this time. Your notes are as they were.</source>
        <translation>The history of your notes could not be started in %1 (%2); no versions are kept this time. Your notes are as they were.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 is not as Quillarren keeps it and could not be set aside (%2); no versions are kept this time. Your notes are as they were.</source>
        <translation>The history of your notes in %1 is not as Quillarren keeps it and could not be set aside (%2); no versions are kept this time. Your notes are as they were.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 was not as Quillarren keeps it: it is kept in %2, and a new history is started. Your notes are as they were.</source>
        <translation>The history of your notes in %1 was not as Quillarren keeps it: it is kept in %2, and a new history is started. Your notes are as they were.</translation>
    </message>
</context>
<context>
    <name>NoteImport</name>
    <message>
        <source>%1 (%2%3)</source>
        <translation>%1 (%2%3)</translation>
    </message>
    <message>
        <source>, in Deleted Notes</source>
        <translation>, in Deleted Notes</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Set Reminder</source>
        <translation>Set Reminder</translation>
    </message>
    <message>
        <source>Create New Note</source>
        <translation>Create New Note</translation>
    </message>
    <message>
        <source>Delete This Note</source>
        <translation>Delete This Note</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Font...</translation>
    </message>
    <message>
        <source>Color...</source>
        <translation>Color...</translation>
    </message>
    <message>
        <source>Email Note</source>
        <translation>Email Note</translation>
    </message>
    <message>
        <source>Save Note to File</source>
        <translation>Save Note to File</translation>
    </message>
    <message>
        <source>Insert Date</source>
        <translation>Insert Date</translation>
    </message>
    <message>
        <source>Insert Time</source>
        <translation>Insert Time</translation>
    </message>
    <message>
        <source>Default Translucency</source>
        <translation>Default Translucency</translation>
    </message>
    <message>
        <source>Increase Translucency</source>
        <translation>Increase Translucency</translation>
    </message>
    <message>
        <source>Decrease Translucency</source>
        <translation>Decrease Translucency</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Always On Top</translation>
    </message>
    <message>
        <source>Email Author Suggestions / Bugs</source>
        <translation>Email Author Suggestions / Bugs</translation>
    </message>
    <message>
        <source>Goto %1</source>
        <translation>Goto %1</translation>
    </message>
    <message>
        <source>Quit (Remove All Notes)</source>
        <translation>Quit (Remove All Notes)</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Checklist</translation>
    </message>
    <message>
        <source>Note History…</source>
        <translation>Note History…</translation>
    </message>
</context>
<context>
    <name>NoteSync</name>
    <message>
        <source>Quillarren no longer syncs its notes through a folder; the notes stay as they are.</source>
        <translation>Quillarren no longer syncs its notes through a folder; the notes stay as they are.</translation>
    </message>
    <message>
        <source>%1 is not a folder: syncing is left as it was.</source>
        <translation>%1 is not a folder: syncing is left as it was.</translation>
    </message>
    <message>
        <source>Quillarren syncs its notes through %1: one file per note, which the program that syncs the folder carries to your other computers.</source>
        <translation>Quillarren syncs its notes through %1: one file per note, which the program that syncs the folder carries to your other computers.</translation>
    </message>
    <message>
        <source>Syncing waits until it is back; your notes are kept here as they are.</source>
        <translation>Syncing waits until it is back; your notes are kept here as they are.</translation>
    </message>
    <message>
        <source>If the folder is right as it is now, choose it again (Sync Folder… in the tray menu, or quillarren --sync-folder) and syncing goes on.</source>
        <translation>If the folder is right as it is now, choose it again (Sync Folder… in the tray menu, or quillarren --sync-folder) and syncing goes on.</translation>
    </message>
    <message>
        <source>The sync folder %1 is back: syncing goes on.</source>
        <translation>The sync folder %1 is back: syncing goes on.</translation>
    </message>
    <message>
        <source>The sync folder %1 is not there (is its disk unmounted?). %2</source>
        <translation>The sync folder %1 is not there (is its disk unmounted?). %2</translation>
    </message>
    <message>
        <source>The sync folder %1 holds none of your notes&apos; files any more (is its disk unmounted?). %2 %3</source>
        <translation>The sync folder %1 holds none of your notes&apos; files any more (is its disk unmounted?). %2 %3</translation>
    </message>
    <message>
        <source>The sync folder %1 is on another disk than before (was its disk unmounted, or another mounted there?). %2 %3</source>
        <translation>The sync folder %1 is on another disk than before (was its disk unmounted, or another mounted there?). %2 %3</translation>
    </message>
    <message>
        <source>In the sync folder %1:</source>
        <translation>In the sync folder %1:</translation>
    </message>
</context>
<context>
    <name>NoteVerbs</name>
    <message>
        <source>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</source>
        <translation>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</translation>
    </message>
    <message>
        <source>There are no deleted notes.</source>
        <translation>There are no deleted notes.</translation>
    </message>
    <message>
        <source>Deleted notes, newest first (each is kept 30 days; quillarren --restore ID brings one back):</source>
        <translation>Deleted notes, newest first (each is kept 30 days; quillarren --restore ID brings one back):</translation>
    </message>
    <message>
        <source>There is no deleted note with the id %1 (quillarren --deleted lists them).</source>
        <translation>There is no deleted note with the id %1 (quillarren --deleted lists them).</translation>
    </message>
    <message>
        <source>The note %1 is open already.</source>
        <translation>The note %1 is open already.</translation>
    </message>
    <message>
        <source>The note %1 could not be restored, because %2. Nothing was changed.</source>
        <translation>The note %1 could not be restored, because %2. Nothing was changed.</translation>
    </message>
    <message>
        <source>Restored the note %1.</source>
        <translation>Restored the note %1.</translation>
    </message>
    <message>
        <source>There are no backups yet in %1.</source>
        <translation>There are no backups yet in %1.</translation>
    </message>
    <message>
        <source>Backups, newest first (quillarren --restore-backup FILE restores one):</source>
        <translation>Backups, newest first (quillarren --restore-backup FILE restores one):</translation>
    </message>
    <message>
        <source>  (dated ahead of now)</source>
        <translation>  (dated ahead of now)</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>Restoring…</translation>
    </message>
    <message>
        <source>The notes could not be restored: %1. Nothing was changed.</source>
        <translation>The notes could not be restored: %1. Nothing was changed.</translation>
    </message>
    <message>
        <source>Restored your notes from %1. The notes you had before are kept in the backup %2.</source>
        <translation>Restored your notes from %1. The notes you had before are kept in the backup %2.</translation>
    </message>
    <message numerus="yes">
        <source>Exporting %n notes…</source>
        <translation>
            <numerusform>Exporting %n note…</numerusform>
            <numerusform>Exporting %n notes…</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1: %2. Nothing was changed.</source>
        <translation>Cannot write %1: %2. Nothing was changed.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n notes to %1</source>
        <translation>
            <numerusform>Exported %n note to %1</numerusform>
            <numerusform>Exported %n notes to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, and %n deleted notes</source>
        <translation>
            <numerusform>, and %n deleted note</numerusform>
            <numerusform>, and %n deleted notes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Nothing was imported.</source>
        <translation>%1. Nothing was imported.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>Nothing was imported from %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n notes that are not here yet, more than the %2 an import opens without asking: each opens as a note on your desktop at every start. To import them all, add --allow-many. Nothing was imported.</source>
        <translation>
            <numerusform>%1 holds %n note that is not here yet, more than the %2 an import opens without asking: each opens as a note on your desktop at every start. To import them all, add --allow-many. Nothing was imported.</numerusform>
            <numerusform>%1 holds %n notes that are not here yet, more than the %2 an import opens without asking: each opens as a note on your desktop at every start. To import them all, add --allow-many. Nothing was imported.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Importing %n notes…</source>
        <translation>
            <numerusform>Importing %n note…</numerusform>
            <numerusform>Importing %n notes…</numerusform>
        </translation>
    </message>
    <message>
        <source>The notes could not be imported, because %1. Nothing was imported.</source>
        <translation>The notes could not be imported, because %1. Nothing was imported.</translation>
    </message>
    <message>
        <source>Waiting for an answer in Quillarren…</source>
        <translation>Waiting for an answer in Quillarren…</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n notes that are not here yet. Each opens as a note on your desktop, now and at every start. Import them all?</source>
        <translation>
            <numerusform>%1 holds %n note that is not here yet. It opens as a note on your desktop, now and at every start. Import it?</numerusform>
            <numerusform>%1 holds %n notes that are not here yet. Each opens as a note on your desktop, now and at every start. Import them all?</numerusform>
        </translation>
    </message>
    <message>
        <source>Quillarren: import</source>
        <translation>Quillarren: import</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n notes from %1</source>
        <translation>
            <numerusform>Imported %n note from %1</numerusform>
            <numerusform>Imported %n notes from %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n of them as new notes beside those here with other text)</source>
        <translation>
            <numerusform> (%n of them as a new note beside the one here with other text)</numerusform>
            <numerusform> (%n of them as new notes beside those here with other text)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n were here already</source>
        <translation>
            <numerusform>; %n was here already</numerusform>
            <numerusform>; %n were here already</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n deleted notes went to Deleted Notes</source>
        <translation>
            <numerusform>; %n deleted note went to Deleted Notes</numerusform>
            <numerusform>; %n deleted notes went to Deleted Notes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n notes here have other text than in the file and were left as they are: %1.
To add the file&apos;s versions as new notes beside them: quillarren --import %2 --as-new</source>
        <translation>
            <numerusform>
%n note here has other text than in the file and was left as it is: %1.
To add the file&apos;s version as a new note beside it: quillarren --import %2 --as-new</numerusform>
            <numerusform>
%n notes here have other text than in the file and were left as they are: %1.
To add the file&apos;s versions as new notes beside them: quillarren --import %2 --as-new</numerusform>
        </translation>
    </message>
    <message>
        <source>The choice could not be stored, because %1.</source>
        <translation>The choice could not be stored, because %1.</translation>
    </message>
    <message>
        <source>Quillarren shows its icon in the tray.</source>
        <translation>Quillarren shows its icon in the tray.</translation>
    </message>
    <message>
        <source>Quillarren no longer shows an icon in the tray; quillarren --tray on brings it back.</source>
        <translation>Quillarren no longer shows an icon in the tray; quillarren --tray on brings it back.</translation>
    </message>
    <message>
        <source>%1 is not a folder; nothing was changed.</source>
        <translation>%1 is not a folder; nothing was changed.</translation>
    </message>
    <message>
        <source>Quillarren will not sync its notes through a folder.</source>
        <translation>Quillarren will not sync its notes through a folder.</translation>
    </message>
    <message>
        <source>Quillarren will sync its notes through %1 from its next start.</source>
        <translation>Quillarren will sync its notes through %1 from its next start.</translation>
    </message>
    <message>
        <source>, with their history</source>
        <translation>, with their history</translation>
    </message>
</context>
<context>
    <name>NoteWindow</name>
    <message>
        <source>You can expand this note by dragging the bottom and right edges</source>
        <translation>You can expand this note by dragging the bottom and right edges</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Invalid property value</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</source>
        <translation>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</translation>
    </message>
    <message>
        <source>There is no deleted note with the id %1 (quillarren --deleted lists them).</source>
        <translation>There is no deleted note with the id %1 (quillarren --deleted lists them).</translation>
    </message>
    <message>
        <source>The note %1 is open already.</source>
        <translation>The note %1 is open already.</translation>
    </message>
    <message>
        <source>The note %1 could not be restored, because %2. Nothing was changed.</source>
        <translation>The note %1 could not be restored, because %2. Nothing was changed.</translation>
    </message>
    <message>
        <source>Restored the note %1.</source>
        <translation>Restored the note %1.</translation>
    </message>
    <message>
        <source>Quillarren is quitting; nothing was changed.</source>
        <translation>Quillarren is quitting; nothing was changed.</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>Restoring…</translation>
    </message>
    <message>
        <source>The notes could not be restored: %1. Nothing was changed.</source>
        <translation>The notes could not be restored: %1. Nothing was changed.</translation>
    </message>
    <message>
        <source>Restored your notes from %1. The notes you had before are kept in the backup %2.</source>
        <translation>Restored your notes from %1. The notes you had before are kept in the backup %2.</translation>
    </message>
    <message>
        <source>Quillarren: notes restored</source>
        <translation>Quillarren: notes restored</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>This is the last note. Would you like to quit?</source>
        <translation>This is the last note. Would you like to quit?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Quit?</translation>
    </message>
    <message>
        <source>The note could not be moved to Deleted Notes, because %1. It stays open; nothing was deleted.</source>
        <translation>The note could not be moved to Deleted Notes, because %1. It stays open; nothing was deleted.</translation>
    </message>
    <message>
        <source>Quillarren is quitting</source>
        <translation>Quillarren is quitting</translation>
    </message>
    <message>
        <source>there would be more notes than Quillarren can keep</source>
        <translation>there would be more notes than Quillarren can keep</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1 of %n notes…</source>
        <translation>
            <numerusform>Opened %1 of %n note…</numerusform>
            <numerusform>Opened %1 of %n notes…</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotesList</name>
    <message>
        <source>Find Note</source>
        <translation>Find Note</translation>
    </message>
    <message>
        <source>&amp;Find in your notes:</source>
        <translation>&amp;Find in your notes:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Note &amp;History…</source>
        <translation>Note &amp;History…</translation>
    </message>
</context>
<context>
    <name>NotesListModel</name>
    <message>
        <source>(empty note)</source>
        <translation>(empty note)</translation>
    </message>
    <message>
        <source>  (put away)</source>
        <translation>  (put away)</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Note: %1</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Quillarren: notes not saved</source>
        <translation>Quillarren: notes not saved</translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2.

Quillarren stays open until they are saved, so that nothing you typed is lost. Free some space or fix the folder, then press Retry. Cancel keeps your notes open; saving goes on being retried.</source>
        <translation>Your notes could not be saved to %1 because %2.

Quillarren stays open until they are saved, so that nothing you typed is lost. Free some space or fix the folder, then press Retry. Cancel keeps your notes open; saving goes on being retried.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Copy Text</source>
        <translation>Copy Text</translation>
    </message>
</context>
<context>
    <name>QtSound</name>
    <message>
        <source>it was built for another version of Quillarren</source>
        <translation>it was built for another version of Quillarren</translation>
    </message>
    <message>
        <source>Alarms will be silent: the sound plugin %1 cannot be used: %2</source>
        <translation>Alarms will be silent: the sound plugin %1 cannot be used: %2</translation>
    </message>
</context>
<context>
    <name>ReminderDialog</name>
    <message>
        <source>Time for Reminder to Go Off:</source>
        <translation>Time for Reminder to Go Off:</translation>
    </message>
    <message>
        <source>Default: 10 mins from now.</source>
        <translation>Default: 10 mins from now.</translation>
    </message>
    <message>
        <source>Date for Reminder to Go Off:</source>
        <translation>Date for Reminder to Go Off:</translation>
    </message>
    <message>
        <source>Set Reminder</source>
        <translation>Set Reminder</translation>
    </message>
    <message>
        <source>Hide This Window</source>
        <translation>Hide This Window</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Reminder</translation>
    </message>
    <message>
        <source>No note chosen: right-click a note and choose Set Reminder.</source>
        <translation>No note chosen: right-click a note and choose Set Reminder.</translation>
    </message>
    <message>
        <source>This date cannot be read: set it again.</source>
        <translation>This date cannot be read: set it again.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in a form this desktop does not read. The reminder waits until it is set again; it never goes off early.</source>
        <translation>&quot;%1&quot; is in a form this desktop does not read. The reminder waits until it is set again; it never goes off early.</translation>
    </message>
    <message>
        <source>Reminder [Enabled]</source>
        <translation>Reminder [Enabled]</translation>
    </message>
    <message>
        <source>Reminder [Disabled]</source>
        <translation>Reminder [Disabled]</translation>
    </message>
    <message>
        <source>Disable Reminder</source>
        <translation>Disable Reminder</translation>
    </message>
</context>
<context>
    <name>SafeRead</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>it is a link, not a plain file</source>
        <translation>it is a link, not a plain file</translation>
    </message>
    <message>
        <source>it is a device, FIFO or socket, not a file</source>
        <translation>it is a device, FIFO or socket, not a file</translation>
    </message>
    <message>
        <source>it is larger than %1, the most Quillarren reads</source>
        <translation>it is larger than %1, the most Quillarren reads</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>the disk quota is used up</source>
        <translation>the disk quota is used up</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>it is a link that another user put in the shared folder %1, and Quillarren does not follow such links</source>
        <translation>it is a link that another user put in the shared folder %1, and Quillarren does not follow such links</translation>
    </message>
    <message>
        <source>the link %1 cannot be followed</source>
        <translation>the link %1 cannot be followed</translation>
    </message>
    <message>
        <source>it is a link that leads to another link, too many times</source>
        <translation>it is a link that leads to another link, too many times</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>a folder</translation>
    </message>
    <message>
        <source>a FIFO (a pipe)</source>
        <translation>a FIFO (a pipe)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>a socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>a device</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>not a plain file</translation>
    </message>
    <message>
        <source>nothing can be written in %1 (%2)</source>
        <translation>nothing can be written in %1 (%2)</translation>
    </message>
    <message>
        <source>it is %1, and Quillarren writes only plain files</source>
        <translation>it is %1, and Quillarren writes only plain files</translation>
    </message>
    <message>
        <source>it is one of Quillarren&apos;s own files (its notes store, journal, lock or backups); choose another file</source>
        <translation>it is one of Quillarren&apos;s own files (its notes store, journal, lock or backups); choose another file</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>the disk is full</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The notes store %1 is empty, and there are backups of your notes. Start Quillarren: it keeps the empty file aside and offers to restore your notes from a backup.</source>
        <translation>The notes store %1 is empty, and there are backups of your notes. Start Quillarren: it keeps the empty file aside and offers to restore your notes from a backup.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged, or not a file, and could not be moved aside.</source>
        <translation>The notes store %1 is damaged, or not a file, and could not be moved aside.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged. Start Quillarren: it keeps the damaged file aside and offers to restore your notes from a backup.</source>
        <translation>The notes store %1 is damaged. Start Quillarren: it keeps the damaged file aside and offers to restore your notes from a backup.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged and could not be moved aside.</source>
        <translation>The notes store %1 is damaged and could not be moved aside.</translation>
    </message>
    <message>
        <source>The notes store %1 cannot be written (%2). Your notes are shown, but changes cannot be kept until it can be written; Quillarren keeps trying.</source>
        <translation>The notes store %1 cannot be written (%2). Your notes are shown, but changes cannot be kept until it can be written; Quillarren keeps trying.</translation>
    </message>
    <message>
        <source>The notes store %1 cannot be read: %2</source>
        <translation>The notes store %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>no room for a copy of the notes in the temporary folder</source>
        <translation>no room for a copy of the notes in the temporary folder</translation>
    </message>
    <message>
        <source>the notes could not be copied from %1 (%2)</source>
        <translation>the notes could not be copied from %1 (%2)</translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2. Everything you type is kept and saving is retried; please free some space or fix the folder&apos;s permissions.</source>
        <translation>Your notes could not be saved to %1 because %2. Everything you type is kept and saving is retried; please free some space or fix the folder&apos;s permissions.</translation>
    </message>
    <message>
        <source>cannot open the file</source>
        <translation>cannot open the file</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>the file has reached the size this session may write</source>
        <translation>the file has reached the size this session may write</translation>
    </message>
    <message>
        <source>the file or its folder is read-only</source>
        <translation>the file or its folder is read-only</translation>
    </message>
    <message>
        <source>you do not have permission to write it</source>
        <translation>you do not have permission to write it</translation>
    </message>
    <message>
        <source>another program is holding it</source>
        <translation>another program is holding it</translation>
    </message>
    <message>
        <source>the disk refused the write (%1)</source>
        <translation>the disk refused the write (%1)</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>The skin file %1 cannot be read: %2</translation>
    </message>
</context>
<context>
    <name>StoreCopy</name>
    <message>
        <source>out of memory</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>its table &quot;%1&quot; is not as Quillarren makes it</source>
        <translation>its table &quot;%1&quot; is not as Quillarren makes it</translation>
    </message>
    <message>
        <source>it holds a %1 &quot;%2&quot; that Quillarren does not make</source>
        <translation>it holds a %1 &quot;%2&quot; that Quillarren does not make</translation>
    </message>
    <message>
        <source>it holds no notes</source>
        <translation>it holds no notes</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 is not a file</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>%1 is damaged or not a notes store (%2)</source>
        <translation>%1 is damaged or not a notes store (%2)</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren notes store: %2</source>
        <translation>%1 is not a Quillarren notes store: %2</translation>
    </message>
    <message>
        <source>a fresh store could not be made at %1</source>
        <translation>a fresh store could not be made at %1</translation>
    </message>
    <message>
        <source>the notes could not be copied from %1 (%2)</source>
        <translation>the notes could not be copied from %1 (%2)</translation>
    </message>
</context>
<context>
    <name>StoredText</name>
    <message>
        <source>Reminder!</source>
        <translation>Reminder!</translation>
    </message>
</context>
<context>
    <name>SyncLook</name>
    <message>
        <source>%1 is named for a note id that no note can have — left alone.</source>
        <translation>%1 is named for a note id that no note can have — left alone.</translation>
    </message>
    <message>
        <source>%1 — left alone.</source>
        <translation>%1 — left alone.</translation>
    </message>
    <message>
        <source>%1 — written again from this computer&apos;s note.</source>
        <translation>%1 — written again from this computer&apos;s note.</translation>
    </message>
    <message>
        <source>A change from another computer could not be taken in: %1.</source>
        <translation>A change from another computer could not be taken in: %1.</translation>
    </message>
    <message>
        <source>A note deleted on another computer could not be deleted here: %1.</source>
        <translation>A note deleted on another computer could not be deleted here: %1.</translation>
    </message>
    <message>
        <source>A note from another computer could not be added: %1.</source>
        <translation>A note from another computer could not be added: %1.</translation>
    </message>
    <message>
        <source>A note changed on two computers at once could not be kept twice: %1.</source>
        <translation>A note changed on two computers at once could not be kept twice: %1.</translation>
    </message>
    <message>
        <source>Notes from other computers could not be added: %1.</source>
        <translation>Notes from other computers could not be added: %1.</translation>
    </message>
    <message>
        <source>Quillarren cannot write here: %1. Your notes are kept on this computer; it tries again.</source>
        <translation>Quillarren cannot write here: %1. Your notes are kept on this computer; it tries again.</translation>
    </message>
</context>
<context>
    <name>SyncedNotes</name>
    <message>
        <source>the note is no longer open</source>
        <translation>the note is no longer open</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>New Note</source>
        <translation>New Note</translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation>Show All Notes</translation>
    </message>
    <message>
        <source>Find Note…</source>
        <translation>Find Note…</translation>
    </message>
    <message>
        <source>Deleted Notes</source>
        <translation>Deleted Notes</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Backups</translation>
    </message>
    <message>
        <source>Sync Folder…</source>
        <translation>Sync Folder…</translation>
    </message>
    <message>
        <source>Stop Syncing</source>
        <translation>Stop Syncing</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Start at Login</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>No deleted notes</source>
        <translation>No deleted notes</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Back Up Now</translation>
    </message>
    <message>
        <source>No backups yet</source>
        <translation>No backups yet</translation>
    </message>
    <message>
        <source>Restore from %1</source>
        <translation>Restore from %1</translation>
    </message>
    <message>
        <source>Replace your notes by those of the backup %1? The notes you have now are backed up first, so this can be undone.</source>
        <translation>Replace your notes by those of the backup %1? The notes you have now are backed up first, so this can be undone.</translation>
    </message>
    <message>
        <source>The folder your sync program carries to your other computers</source>
        <translation>The folder your sync program carries to your other computers</translation>
    </message>
    <message numerus="yes">
        <source>Quillarren: %n notes</source>
        <translation>
            <numerusform>Quillarren: %n note</numerusform>
            <numerusform>Quillarren: %n notes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quillarren is already running for this user (process %1), but it does not answer. If it is stuck, end it, then start Quillarren again.</source>
        <translation>Quillarren is already running for this user (process %1), but it does not answer. If it is stuck, end it, then start Quillarren again.</translation>
    </message>
    <message>
        <source>%1

Quillarren has changed nothing. Please make the file readable again, then start Quillarren.</source>
        <translation>%1

Quillarren has changed nothing. Please make the file readable again, then start Quillarren.</translation>
    </message>
</context>
</TS>
