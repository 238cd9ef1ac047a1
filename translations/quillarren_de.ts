<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccessibleNoteName</name>
    <message>
        <source>Note text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: (empty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteSync</name>
    <message>
        <source>Quillarren no longer syncs its notes through a folder; the notes stay as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder: syncing is left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillarren syncs its notes through %1: one file per note, which the program that syncs the folder carries to your other computers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing waits until it is back; your notes are kept here as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If the folder is right as it is now, choose it again (Sync Folder… in the tray menu, or quillarren --sync-folder) and syncing goes on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sync folder %1 is back: syncing goes on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sync folder %1 is not there (is its disk unmounted?). %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sync folder %1 holds none of your notes&apos; files any more (is its disk unmounted?). %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sync folder %1 is on another disk than before (was its disk unmounted, or another mounted there?). %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the sync folder %1:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotesList</name>
    <message>
        <source>Find Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find in your notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotesListModel</name>
    <message>
        <source>(empty note)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  (put away)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Quillarren: notes not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2.

Quillarren stays open until they are saved, so that nothing you typed is lost. Free some space or fix the folder, then press Retry. Cancel keeps your notes open; saving goes on being retried.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>No note chosen: right-click a note and choose Set Reminder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This date cannot be read: set it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in a form this desktop does not read. The reminder waits until it is set again; it never goes off early.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The notes store %1 is empty, and there are backups of your notes. Start Quillarren: it keeps the empty file aside and offers to restore your notes from a backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The notes store %1 is damaged, or not a file, and could not be moved aside.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The notes store %1 is damaged. Start Quillarren: it keeps the damaged file aside and offers to restore your notes from a backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The notes store %1 is damaged and could not be moved aside.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The notes store %1 cannot be written (%2). Your notes are shown, but changes cannot be kept until it can be written; Quillarren keeps trying.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The notes store %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no room for a copy of the notes in the temporary folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the notes could not be copied from %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2. Everything you type is kept and saving is retried; please free some space or fix the folder&apos;s permissions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file has reached the size this session may write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file or its folder is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you do not have permission to write it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program is holding it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk refused the write (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SyncLook</name>
    <message>
        <source>%1 is named for a note id that no note can have — left alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — left alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — written again from this computer&apos;s note.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A change from another computer could not be taken in: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A note deleted on another computer could not be deleted here: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A note from another computer could not be added: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A note changed on two computers at once could not be kept twice: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes from other computers could not be added: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillarren cannot write here: %1. Your notes are kept on this computer; it tries again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>New Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Note…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleted Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync Folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Syncing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillarren: 1 note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillarren: %1 notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No deleted notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backups yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace your notes by those of the backup %1? The notes you have now are backed up first, so this can be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder your sync program carries to your other computers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
