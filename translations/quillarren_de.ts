<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccessibleNoteName</name>
    <message>
        <source>Note text</source>
        <translation>Notiztext</translation>
    </message>
    <message>
        <source>Note: (empty)</source>
        <translation>Notiz: (leer)</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Notiz: %1</translation>
    </message>
</context>
<context>
    <name>AlarmWindow</name>
    <message>
        <source>Reminder Alarm</source>
        <translation>Erinnerungsalarm</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>Alarm beenden</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Quillarren was not set to start at login: there is no %1</source>
        <translation>Quillarren war nicht für den Start bei der Anmeldung eingerichtet: %1 ist nicht vorhanden</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>%1 kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>Quillarren will no longer start at login: removed %1</source>
        <translation>Quillarren startet nicht mehr bei der Anmeldung: %1 entfernt</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Quillarren will start at login: wrote %1</source>
        <translation>Quillarren startet bei der Anmeldung: %1 geschrieben</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>Cannot restore from it: %1. Nothing was changed.</source>
        <translation>Daraus kann nicht wiederhergestellt werden: %1. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Backing up the notes you have now…</source>
        <translation>Ihre aktuellen Notizen werden gesichert…</translation>
    </message>
    <message>
        <source>The notes you have now could not be backed up first (%1), so nothing was restored.</source>
        <translation>Ihre aktuellen Notizen konnten nicht vorher gesichert werden (%1), daher wurde nichts wiederhergestellt.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>out of memory</source>
        <translation>der Arbeitsspeicher reicht nicht aus</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the copy failed: %1</source>
        <translation>das Kopieren ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>the backups folder %1 cannot be written</source>
        <translation>in den Sicherungsordner %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot write in the backups folder %1: %2</source>
        <translation>in den Sicherungsordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the backup of %1 failed: %2</source>
        <translation>die Sicherung von %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>the disk refused it</source>
        <translation>der Datenträger hat es abgelehnt</translation>
    </message>
</context>
<context>
    <name>ChannelProtocol</name>
    <message>
        <source>The running Quillarren gave an answer this one cannot read.</source>
        <translation>Das laufende Quillarren hat eine Antwort gegeben, die dieses nicht lesen kann.</translation>
    </message>
</context>
<context>
    <name>ChannelServer</name>
    <message>
        <source>no private folder for it</source>
        <translation>es gibt keinen privaten Ordner dafür</translation>
    </message>
    <message>
        <source>Later starts of Quillarren cannot reach this one: cannot listen at %1: %2</source>
        <translation>Spätere Starts von Quillarren können diese Instanz nicht erreichen: An %1 kann nicht auf Verbindungen gewartet werden: %2</translation>
    </message>
    <message>
        <source>Waiting for the running Quillarren to finish what it is doing…</source>
        <translation>Warten, bis das laufende Quillarren seine aktuelle Aufgabe abgeschlossen hat…</translation>
    </message>
    <message>
        <source>Process %1 asked Quillarren more than one command asks (%2 connections, %3 bytes not taken): it is no longer answered.</source>
        <translation>Prozess %1 hat mehr an Quillarren gesendet, als ein Befehl sendet (%2 Verbindungen, %3 Bytes nicht angenommen): Er erhält keine Antwort mehr.</translation>
    </message>
    <message>
        <source>Quillarren could not read the request.</source>
        <translation>Quillarren konnte die Anfrage nicht lesen.</translation>
    </message>
    <message>
        <source>This Quillarren is older and does not know &quot;%1&quot;: quit it, then start Quillarren again.</source>
        <translation>Dieses Quillarren ist älter und kennt „%1“ nicht: Beenden Sie es und starten Sie Quillarren dann erneut.</translation>
    </message>
</context>
<context>
    <name>ChecklistLines</name>
    <message>
        <source>checked</source>
        <translation>abgehakt</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>nicht abgehakt</translation>
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
        <translation>%1 Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Asking the running Quillarren…</source>
        <translation>Anfrage an das laufende Quillarren…</translation>
    </message>
    <message>
        <source>Quillarren is running (process %1) but does not answer. Nothing was changed; if it is stuck, end it and try again.</source>
        <translation>Quillarren läuft (Prozess %1), antwortet aber nicht. Es wurde nichts geändert; falls es hängt, beenden Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Sticky notes for the desktop. Without options, brings back your notes, or brings the running ones forward.</source>
        <translation>Haftnotizen für den Desktop. Ohne Optionen werden Ihre Notizen zurückgeholt oder die bereits geöffneten nach vorn geholt.</translation>
    </message>
    <message>
        <source>Start Quillarren at every login (on), or no longer (off).</source>
        <translation>Quillarren bei jeder Anmeldung starten (on) oder nicht mehr (off).</translation>
    </message>
    <message>
        <source>List the deleted notes (kept 30 days).</source>
        <translation>Die gelöschten Notizen auflisten (werden 30 Tage aufbewahrt).</translation>
    </message>
    <message>
        <source>Bring a deleted note back.</source>
        <translation>Eine gelöschte Notiz zurückholen.</translation>
    </message>
    <message>
        <source>List the backups of your notes.</source>
        <translation>Die Sicherungen Ihrer Notizen auflisten.</translation>
    </message>
    <message>
        <source>Replace your notes by a backup&apos;s (they are backed up first).</source>
        <translation>Ihre Notizen durch die einer Sicherung ersetzen (sie werden vorher gesichert).</translation>
    </message>
    <message>
        <source>Write the open notes to a file: JSON, or Markdown for a name ending in .md.</source>
        <translation>Die geöffneten Notizen in eine Datei schreiben: JSON, oder Markdown bei einem Namen, der auf .md endet.</translation>
    </message>
    <message>
        <source>With --export: the deleted notes too.</source>
        <translation>Mit --export: auch die gelöschten Notizen.</translation>
    </message>
    <message>
        <source>Add the notes of an exported file (those already here are skipped).</source>
        <translation>Die Notizen einer exportierten Datei hinzufügen (bereits vorhandene werden übersprungen).</translation>
    </message>
    <message>
        <source>With --import: a note here whose text differs from the file&apos;s gets the file&apos;s version as a new note beside it.</source>
        <translation>Mit --import: Eine vorhandene Notiz, deren Text von dem der Datei abweicht, erhält die Fassung aus der Datei als neue Notiz daneben.</translation>
    </message>
    <message numerus="yes">
        <source>With --import: import more than %n notes at once (each opens as a note).</source>
        <translation>
            <numerusform>Mit --import: mehr als %n Notiz auf einmal importieren (jede öffnet sich als Notiz).</numerusform>
            <numerusform>Mit --import: mehr als %n Notizen auf einmal importieren (jede öffnet sich als Notiz).</numerusform>
        </translation>
    </message>
    <message>
        <source>Open a new note, with the keyboard.</source>
        <translation>Eine neue Notiz öffnen, per Tastatur.</translation>
    </message>
    <message>
        <source>Bring every note forward, those put away too.</source>
        <translation>Alle Notizen nach vorn holen, auch die weggelegten.</translation>
    </message>
    <message>
        <source>Open the notes list, to find a note.</source>
        <translation>Die Notizliste öffnen, um eine Notiz zu finden.</translation>
    </message>
    <message>
        <source>Show the tray icon (on), or no longer (off).</source>
        <translation>Das Symbol im Systembereich anzeigen (on) oder nicht mehr (off).</translation>
    </message>
    <message>
        <source>Sync the notes through a folder that a sync program carries (Syncthing, Nextcloud); off: no longer.</source>
        <translation>Die Notizen über einen Ordner synchronisieren, den ein Synchronisationsprogramm überträgt (Syncthing, Nextcloud); off: nicht mehr.</translation>
    </message>
    <message>
        <source>%1: Unexpected argument &apos;%2&apos;.</source>
        <translation>%1: Unerwartetes Argument „%2“.</translation>
    </message>
    <message>
        <source>%1: --autostart takes on or off, not &apos;%2&apos;.</source>
        <translation>%1: --autostart erwartet on oder off, nicht „%2“.</translation>
    </message>
    <message>
        <source>%1: --tray takes on or off, not &apos;%2&apos;.</source>
        <translation>%1: --tray erwartet on oder off, nicht „%2“.</translation>
    </message>
    <message>
        <source>Quillarren is not running.</source>
        <translation>Quillarren läuft nicht.</translation>
    </message>
    <message>
        <source>%1: --show needs --history ID.</source>
        <translation>%1: --show erfordert --history ID.</translation>
    </message>
    <message>
        <source>With --history: print version N of the note (1 is the newest).</source>
        <translation>Mit --history: Version N der Notiz ausgeben (1 ist die neueste).</translation>
    </message>
    <message>
        <source>List a note&apos;s earlier versions (its id, or its number: 1 for the first note).</source>
        <translation>Die früheren Versionen einer Notiz auflisten (ihre ID oder ihre Nummer: 1 für die erste Notiz).</translation>
    </message>
</context>
<context>
    <name>DamageOffer</name>
    <message>
        <source>The notes store %1 could not be read: it is damaged, or not a file. It has been kept as %2 and a new, empty store was started.</source>
        <translation>Der Notizspeicher %1 konnte nicht gelesen werden: Er ist beschädigt oder keine Datei. Er wurde als %2 aufbewahrt, und ein neuer, leerer Speicher wurde angelegt.</translation>
    </message>
    <message>
        <source>Your notes file was damaged and has been kept as %1. Restore the notes from the backup of %2?</source>
        <translation>Ihre Notizdatei war beschädigt und wurde als %1 aufbewahrt. Die Notizen aus der Sicherung vom %2 wiederherstellen?</translation>
    </message>
    <message>
        <source>The notes could not be restored from %1: %2. Quillarren starts with an empty store; the backup is still there.</source>
        <translation>Die Notizen konnten nicht aus %1 wiederhergestellt werden: %2. Quillarren startet mit einem leeren Speicher; die Sicherung ist weiterhin vorhanden.</translation>
    </message>
</context>
<context>
    <name>DesktopProgram</name>
    <message>
        <source>Quillarren: sync</source>
        <translation>Quillarren: Synchronisation</translation>
    </message>
    <message>
        <source>Your notes could not be backed up: %1. Quillarren tries again in an hour.</source>
        <translation>Ihre Notizen konnten nicht gesichert werden: %1. Quillarren versucht es in einer Stunde erneut.</translation>
    </message>
    <message>
        <source>Quillarren: backup failed</source>
        <translation>Quillarren: Sicherung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Your notes are backed up in %1.</source>
        <translation>Ihre Notizen sind in %1 gesichert.</translation>
    </message>
    <message>
        <source>Quillarren: backed up</source>
        <translation>Quillarren: gesichert</translation>
    </message>
</context>
<context>
    <name>EmailDialog</name>
    <message>
        <source>E-mail Note</source>
        <translation>Notiz per E-Mail senden</translation>
    </message>
    <message>
        <source>Enter e-mail recepients</source>
        <translation>E-Mail-Empfänger eingeben</translation>
    </message>
    <message>
        <source>Compose</source>
        <translation>Verfassen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No mail program is set up on this computer to write this e-mail.

Copy the note&apos;s text, to paste it into a message yourself?</source>
        <translation>Auf diesem Rechner ist kein E-Mail-Programm eingerichtet, mit dem diese E-Mail geschrieben werden kann.

Möchten Sie den Text der Notiz kopieren, um ihn selbst in eine Nachricht einzufügen?</translation>
    </message>
    <message>
        <source>The text could not be copied: the clipboard is busy.</source>
        <translation>Der Text konnte nicht kopiert werden: Die Zwischenablage ist belegt.</translation>
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
in %2 in Zeile %3<byte value="xd"/>
<byte value="xd"/>
Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
    <message>
        <source>Unexpected failure</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
</context>
<context>
    <name>FolderScan</name>
    <message>
        <source>%1 holds another note than its name says</source>
        <translation>%1 enthält eine andere Notiz, als sein Name angibt</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Farbe...</translation>
    </message>
</context>
<context>
    <name>HistoryExport</name>
    <message>
        <source>the notes&apos; history is not available, so it was left out</source>
        <translation>der Verlauf der Notizen ist nicht verfügbar und wurde daher weggelassen</translation>
    </message>
    <message>
        <source>the notes&apos; history, more than %1 MB, was left out (--history ID --show N prints a version; a backup holds them all)</source>
        <translation>der Verlauf der Notizen, mehr als %1 MB, wurde weggelassen (--history ID --show N gibt eine Version aus; eine Sicherung enthält alle)</translation>
    </message>
</context>
<context>
    <name>HistoryKeeper</name>
    <message>
        <source>Quillarren: note history</source>
        <translation>Quillarren: Notizverlauf</translation>
    </message>
    <message>
        <source>The history of the notes is not available this time.</source>
        <translation>Der Verlauf der Notizen ist diesmal nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>HistoryVerbs</name>
    <message>
        <source>The history of the notes is not available (see the message at start-up).</source>
        <translation>Der Verlauf der Notizen ist nicht verfügbar (siehe die Meldung beim Start).</translation>
    </message>
    <message>
        <source>No note has the id or number &apos;%1&apos;.</source>
        <translation>Keine Notiz hat die ID oder Nummer „%1“.</translation>
    </message>
    <message>
        <source>Note %1 has no earlier versions.
</source>
        <translation>Die Notiz %1 hat keine früheren Versionen.
</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>Note %1 has no version %2; it has %3 (--history %4 lists them).</source>
        <translation>Die Notiz %1 hat keine Version %2; sie hat %3 (--history %4 listet sie auf).</translation>
    </message>
    <message>
        <source>Version %1 of note %2 could not be read.</source>
        <translation>Version %1 der Notiz %2 konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>Note History</source>
        <translation>Notizverlauf</translation>
    </message>
    <message>
        <source>Note History: %1</source>
        <translation>Notizverlauf: %1</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Versionen</translation>
    </message>
    <message>
        <source>Text of the chosen version</source>
        <translation>Text der gewählten Version</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Diese Version wiederherstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>(lines removed at the end)</source>
        <translation>(Zeilen am Ende entfernt)</translation>
    </message>
    <message>
        <source>This note has no earlier versions yet.</source>
        <translation>Diese Notiz hat noch keine früheren Versionen.</translation>
    </message>
    <message>
        <source>Same as the note now.</source>
        <translation>Stimmt mit der aktuellen Notiz überein.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) differ from the note now (marked).</source>
        <translation>
            <numerusform>%n Zeile weicht von der aktuellen Notiz ab (markiert).</numerusform>
            <numerusform>%n Zeilen weichen von der aktuellen Notiz ab (markiert).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>The note could not be saved to %1: %2</source>
        <translation>Die Notiz konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>NoteFields</name>
    <message>
        <source>&quot;%1&quot; is not text</source>
        <translation>„%1“ ist kein Text</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not true or false</source>
        <translation>„%1“ ist weder true noch false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>„%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>„%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an object</source>
        <translation>„%1“ ist kein Objekt</translation>
    </message>
    <message>
        <source>&quot;deleted&quot; is not a date</source>
        <translation>„deleted“ ist kein Datum</translation>
    </message>
    <message>
        <source>note %1</source>
        <translation>Notiz %1</translation>
    </message>
    <message>
        <source>note %1 (&quot;%2&quot;)</source>
        <translation>Notiz %1 („%2“)</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>%1 is not a whole Quillarren notes file: it breaks off or is damaged at byte %2 (%3)</source>
        <translation>%1 ist keine vollständige Quillarren-Notizdatei: Sie bricht bei Byte %2 ab oder ist dort beschädigt (%3)</translation>
    </message>
    <message>
        <source>%1 is not a whole Quillarren note: it breaks off or is damaged at byte %2 (%3)</source>
        <translation>%1 ist keine vollständige Quillarren-Notiz: Sie bricht bei Byte %2 ab oder ist dort beschädigt (%3)</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren notes file</source>
        <translation>%1 ist keine Quillarren-Notizdatei</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren note</source>
        <translation>%1 ist keine Quillarren-Notiz</translation>
    </message>
    <message>
        <source>%1 has an invalid format version (%2), so it is not a Quillarren notes file that can be read</source>
        <translation>%1 hat eine ungültige Formatversion (%2) und ist daher keine lesbare Quillarren-Notizdatei</translation>
    </message>
    <message>
        <source>%1 has an invalid format version (%2), so it is not a Quillarren note that can be read</source>
        <translation>%1 hat eine ungültige Formatversion (%2) und ist daher keine lesbare Quillarren-Notiz</translation>
    </message>
    <message>
        <source>%1 was written by a newer Quillarren (its format version is %2; this one reads version %3 and older)</source>
        <translation>%1 wurde von einem neueren Quillarren geschrieben (seine Formatversion ist %2; dieses liest Version %3 und älter)</translation>
    </message>
    <message>
        <source>it is not a note</source>
        <translation>der Eintrag ist keine Notiz</translation>
    </message>
    <message>
        <source>%1 is damaged: in its deleted %2, %3</source>
        <translation>%1 ist beschädigt, bei der gelöschten %2: %3</translation>
    </message>
    <message>
        <source>%1 is damaged: in its %2, %3</source>
        <translation>%1 ist beschädigt, bei %2: %3</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren note (it names no note, or another one)</source>
        <translation>%1 ist keine Quillarren-Notiz (die Datei nennt keine Notiz oder eine andere)</translation>
    </message>
</context>
<context>
    <name>NoteHistory</name>
    <message>
        <source>The history of your notes could not be opened in %1; no versions are kept this time. Your notes are as they were.</source>
        <translation>Der Verlauf Ihrer Notizen konnte in %1 nicht geöffnet werden; diesmal werden keine Versionen aufbewahrt. Ihre Notizen sind unverändert.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 is damaged (%2); it is left aside and no versions are kept until it is mended. Your notes are as they were.</source>
        <translation>Der Verlauf Ihrer Notizen in %1 ist beschädigt (%2); er wird beiseitegelegt, und bis er repariert ist, werden keine Versionen aufbewahrt. Ihre Notizen sind unverändert.</translation>
    </message>
    <message>
        <source>The history of your notes could not be started in %1 (%2); no versions are kept this time. Your notes are as they were.</source>
        <translation>Der Verlauf Ihrer Notizen konnte in %1 nicht begonnen werden (%2); diesmal werden keine Versionen aufbewahrt. Ihre Notizen sind unverändert.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 is not as Quillarren keeps it and could not be set aside (%2); no versions are kept this time. Your notes are as they were.</source>
        <translation>Der Verlauf Ihrer Notizen in %1 hat nicht die Form, in der Quillarren ihn führt, und konnte nicht beiseitegelegt werden (%2); diesmal werden keine Versionen aufbewahrt. Ihre Notizen sind unverändert.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 was not as Quillarren keeps it: it is kept in %2, and a new history is started. Your notes are as they were.</source>
        <translation>Der Verlauf Ihrer Notizen in %1 hatte nicht die Form, in der Quillarren ihn führt: Er wird in %2 aufbewahrt, und ein neuer Verlauf wird begonnen. Ihre Notizen sind unverändert.</translation>
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
        <translation>, in „Gelöschte Notizen“</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Set Reminder</source>
        <translation>Erinnerung einstellen</translation>
    </message>
    <message>
        <source>Create New Note</source>
        <translation>Neue Notiz erstellen</translation>
    </message>
    <message>
        <source>Delete This Note</source>
        <translation>Diese Notiz löschen</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Schrift...</translation>
    </message>
    <message>
        <source>Color...</source>
        <translation>Farbe...</translation>
    </message>
    <message>
        <source>Email Note</source>
        <translation>Notiz per E-Mail senden</translation>
    </message>
    <message>
        <source>Save Note to File</source>
        <translation>Notiz in Datei speichern</translation>
    </message>
    <message>
        <source>Insert Date</source>
        <translation>Datum einfügen</translation>
    </message>
    <message>
        <source>Insert Time</source>
        <translation>Uhrzeit einfügen</translation>
    </message>
    <message>
        <source>Default Translucency</source>
        <translation>Standardtransparenz</translation>
    </message>
    <message>
        <source>Increase Translucency</source>
        <translation>Transparenz erhöhen</translation>
    </message>
    <message>
        <source>Decrease Translucency</source>
        <translation>Transparenz verringern</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Email Author Suggestions / Bugs</source>
        <translation>Vorschläge / Fehler an den Autor senden</translation>
    </message>
    <message>
        <source>Goto %1</source>
        <translation>%1 besuchen</translation>
    </message>
    <message>
        <source>Quit (Remove All Notes)</source>
        <translation>Beenden (alle Notizen schließen)</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Checkliste</translation>
    </message>
    <message>
        <source>Note History…</source>
        <translation>Notizverlauf…</translation>
    </message>
</context>
<context>
    <name>NoteSync</name>
    <message>
        <source>Quillarren no longer syncs its notes through a folder; the notes stay as they are.</source>
        <translation>Quillarren synchronisiert seine Notizen nicht mehr über einen Ordner; die Notizen bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>%1 is not a folder: syncing is left as it was.</source>
        <translation>%1 ist kein Ordner: Die Synchronisation bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>Quillarren syncs its notes through %1: one file per note, which the program that syncs the folder carries to your other computers.</source>
        <translation>Quillarren synchronisiert seine Notizen über %1: eine Datei pro Notiz, die das Programm, das den Ordner synchronisiert, auf Ihre anderen Rechner überträgt.</translation>
    </message>
    <message>
        <source>Syncing waits until it is back; your notes are kept here as they are.</source>
        <translation>Die Synchronisation wartet, bis er wieder da ist; Ihre Notizen bleiben hier, wie sie sind.</translation>
    </message>
    <message>
        <source>If the folder is right as it is now, choose it again (Sync Folder… in the tray menu, or quillarren --sync-folder) and syncing goes on.</source>
        <translation>Wenn der Ordner so, wie er jetzt ist, richtig ist, wählen Sie ihn erneut aus („Sync-Ordner…“ im Menü im Systembereich oder quillarren --sync-folder), dann geht die Synchronisation weiter.</translation>
    </message>
    <message>
        <source>The sync folder %1 is back: syncing goes on.</source>
        <translation>Der Sync-Ordner %1 ist wieder da: Die Synchronisation geht weiter.</translation>
    </message>
    <message>
        <source>The sync folder %1 is not there (is its disk unmounted?). %2</source>
        <translation>Der Sync-Ordner %1 ist nicht vorhanden (ist sein Datenträger ausgehängt?). %2</translation>
    </message>
    <message>
        <source>The sync folder %1 holds none of your notes&apos; files any more (is its disk unmounted?). %2 %3</source>
        <translation>Der Sync-Ordner %1 enthält keine Dateien Ihrer Notizen mehr (ist sein Datenträger ausgehängt?). %2 %3</translation>
    </message>
    <message>
        <source>The sync folder %1 is on another disk than before (was its disk unmounted, or another mounted there?). %2 %3</source>
        <translation>Der Sync-Ordner %1 liegt auf einem anderen Datenträger als zuvor (wurde sein Datenträger ausgehängt oder ein anderer dort eingehängt?). %2 %3</translation>
    </message>
    <message>
        <source>In the sync folder %1:</source>
        <translation>Im Sync-Ordner %1:</translation>
    </message>
</context>
<context>
    <name>NoteVerbs</name>
    <message>
        <source>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</source>
        <translation>Quillarren öffnet oder ersetzt gerade Notizen; es wurde nichts geändert. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>There are no deleted notes.</source>
        <translation>Es gibt keine gelöschten Notizen.</translation>
    </message>
    <message>
        <source>Deleted notes, newest first (each is kept 30 days; quillarren --restore ID brings one back):</source>
        <translation>Gelöschte Notizen, neueste zuerst (jede wird 30 Tage aufbewahrt; quillarren --restore ID holt eine zurück):</translation>
    </message>
    <message>
        <source>There is no deleted note with the id %1 (quillarren --deleted lists them).</source>
        <translation>Es gibt keine gelöschte Notiz mit der ID %1 (quillarren --deleted listet sie auf).</translation>
    </message>
    <message>
        <source>The note %1 is open already.</source>
        <translation>Die Notiz %1 ist bereits geöffnet.</translation>
    </message>
    <message>
        <source>The note %1 could not be restored, because %2. Nothing was changed.</source>
        <translation>Die Notiz %1 konnte nicht wiederhergestellt werden, denn %2. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Restored the note %1.</source>
        <translation>Die Notiz %1 wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>There are no backups yet in %1.</source>
        <translation>In %1 gibt es noch keine Sicherungen.</translation>
    </message>
    <message>
        <source>Backups, newest first (quillarren --restore-backup FILE restores one):</source>
        <translation>Sicherungen, neueste zuerst (quillarren --restore-backup FILE stellt eine wieder her):</translation>
    </message>
    <message>
        <source>  (dated ahead of now)</source>
        <translation>  (Datum liegt in der Zukunft)</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>Wird wiederhergestellt…</translation>
    </message>
    <message>
        <source>The notes could not be restored: %1. Nothing was changed.</source>
        <translation>Die Notizen konnten nicht wiederhergestellt werden: %1. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Restored your notes from %1. The notes you had before are kept in the backup %2.</source>
        <translation>Ihre Notizen wurden aus %1 wiederhergestellt. Ihre vorherigen Notizen sind in der Sicherung %2 aufbewahrt.</translation>
    </message>
    <message numerus="yes">
        <source>Exporting %n notes…</source>
        <translation>
            <numerusform>%n Notiz wird exportiert…</numerusform>
            <numerusform>%n Notizen werden exportiert…</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1: %2. Nothing was changed.</source>
        <translation>%1 kann nicht geschrieben werden: %2. Es wurde nichts geändert.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n notes to %1</source>
        <translation>
            <numerusform>%n Notiz nach %1 exportiert</numerusform>
            <numerusform>%n Notizen nach %1 exportiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, and %n deleted notes</source>
        <translation>
            <numerusform>, dazu %n gelöschte Notiz</numerusform>
            <numerusform>, dazu %n gelöschte Notizen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Nothing was imported.</source>
        <translation>%1. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>Aus %1 wurde nichts importiert.</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n notes that are not here yet, more than the %2 an import opens without asking: each opens as a note on your desktop at every start. To import them all, add --allow-many. Nothing was imported.</source>
        <translation>
            <numerusform>%1 enthält %n Notiz, die hier noch nicht vorhanden ist, mehr als die %2, die ein Import ohne Nachfrage öffnet: Jede öffnet sich bei jedem Start als Notiz auf Ihrem Desktop. Um sie alle zu importieren, fügen Sie --allow-many hinzu. Es wurde nichts importiert.</numerusform>
            <numerusform>%1 enthält %n Notizen, die hier noch nicht vorhanden sind, mehr als die %2, die ein Import ohne Nachfrage öffnet: Jede öffnet sich bei jedem Start als Notiz auf Ihrem Desktop. Um sie alle zu importieren, fügen Sie --allow-many hinzu. Es wurde nichts importiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Importing %n notes…</source>
        <translation>
            <numerusform>%n Notiz wird importiert…</numerusform>
            <numerusform>%n Notizen werden importiert…</numerusform>
        </translation>
    </message>
    <message>
        <source>The notes could not be imported, because %1. Nothing was imported.</source>
        <translation>Die Notizen konnten nicht importiert werden, denn %1. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Waiting for an answer in Quillarren…</source>
        <translation>Warten auf eine Antwort von Quillarren…</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n notes that are not here yet. Each opens as a note on your desktop, now and at every start. Import them all?</source>
        <translation>
            <numerusform>%1 enthält %n Notiz, die hier noch nicht vorhanden ist. Sie öffnet sich als Notiz auf Ihrem Desktop, jetzt und bei jedem Start. Importieren?</numerusform>
            <numerusform>%1 enthält %n Notizen, die hier noch nicht vorhanden sind. Jede öffnet sich als Notiz auf Ihrem Desktop, jetzt und bei jedem Start. Alle importieren?</numerusform>
        </translation>
    </message>
    <message>
        <source>Quillarren: import</source>
        <translation>Quillarren: Import</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n notes from %1</source>
        <translation>
            <numerusform>%n Notiz aus %1 importiert</numerusform>
            <numerusform>%n Notizen aus %1 importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n of them as new notes beside those here with other text)</source>
        <translation>
            <numerusform> (davon %n als neue Notiz neben der vorhandenen mit anderem Text)</numerusform>
            <numerusform> (davon %n als neue Notizen neben den vorhandenen mit anderem Text)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n were here already</source>
        <translation>
            <numerusform>; %n war bereits vorhanden</numerusform>
            <numerusform>; %n waren bereits vorhanden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n deleted notes went to Deleted Notes</source>
        <translation>
            <numerusform>; %n gelöschte Notiz wurde unter „Gelöschte Notizen“ abgelegt</numerusform>
            <numerusform>; %n gelöschte Notizen wurden unter „Gelöschte Notizen“ abgelegt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n notes here have other text than in the file and were left as they are: %1.
To add the file&apos;s versions as new notes beside them: quillarren --import %2 --as-new</source>
        <translation>
            <numerusform>
%n vorhandene Notiz hat einen anderen Text als in der Datei und wurde unverändert gelassen: %1.
Um die Fassung aus der Datei als neue Notiz daneben hinzuzufügen: quillarren --import %2 --as-new</numerusform>
            <numerusform>
%n vorhandene Notizen haben einen anderen Text als in der Datei und wurden unverändert gelassen: %1.
Um die Fassungen aus der Datei als neue Notizen daneben hinzuzufügen: quillarren --import %2 --as-new</numerusform>
        </translation>
    </message>
    <message>
        <source>The choice could not be stored, because %1.</source>
        <translation>Die Einstellung konnte nicht gespeichert werden, denn %1.</translation>
    </message>
    <message>
        <source>Quillarren shows its icon in the tray.</source>
        <translation>Quillarren zeigt sein Symbol im Systembereich an.</translation>
    </message>
    <message>
        <source>Quillarren no longer shows an icon in the tray; quillarren --tray on brings it back.</source>
        <translation>Quillarren zeigt kein Symbol mehr im Systembereich an; quillarren --tray on holt es zurück.</translation>
    </message>
    <message>
        <source>%1 is not a folder; nothing was changed.</source>
        <translation>%1 ist kein Ordner; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Quillarren will not sync its notes through a folder.</source>
        <translation>Quillarren synchronisiert seine Notizen nicht über einen Ordner.</translation>
    </message>
    <message>
        <source>Quillarren will sync its notes through %1 from its next start.</source>
        <translation>Quillarren synchronisiert seine Notizen ab dem nächsten Start über %1.</translation>
    </message>
    <message>
        <source>, with their history</source>
        <translation>, mit ihrem Verlauf</translation>
    </message>
</context>
<context>
    <name>NoteWindow</name>
    <message>
        <source>You can expand this note by dragging the bottom and right edges</source>
        <translation>Sie können diese Notiz vergrößern, indem Sie am unteren und rechten Rand ziehen</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</source>
        <translation>Quillarren öffnet oder ersetzt gerade Notizen; es wurde nichts geändert. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>There is no deleted note with the id %1 (quillarren --deleted lists them).</source>
        <translation>Es gibt keine gelöschte Notiz mit der ID %1 (quillarren --deleted listet sie auf).</translation>
    </message>
    <message>
        <source>The note %1 is open already.</source>
        <translation>Die Notiz %1 ist bereits geöffnet.</translation>
    </message>
    <message>
        <source>The note %1 could not be restored, because %2. Nothing was changed.</source>
        <translation>Die Notiz %1 konnte nicht wiederhergestellt werden, denn %2. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Restored the note %1.</source>
        <translation>Die Notiz %1 wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>Quillarren is quitting; nothing was changed.</source>
        <translation>Quillarren wird gerade beendet; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>Wird wiederhergestellt…</translation>
    </message>
    <message>
        <source>The notes could not be restored: %1. Nothing was changed.</source>
        <translation>Die Notizen konnten nicht wiederhergestellt werden: %1. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Restored your notes from %1. The notes you had before are kept in the backup %2.</source>
        <translation>Ihre Notizen wurden aus %1 wiederhergestellt. Ihre vorherigen Notizen sind in der Sicherung %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>Quillarren: notes restored</source>
        <translation>Quillarren: Notizen wiederhergestellt</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>This is the last note. Would you like to quit?</source>
        <translation>Dies ist die letzte Notiz. Möchten Sie das Programm beenden?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Beenden?</translation>
    </message>
    <message>
        <source>The note could not be moved to Deleted Notes, because %1. It stays open; nothing was deleted.</source>
        <translation>Die Notiz konnte nicht nach „Gelöschte Notizen“ verschoben werden, denn %1. Sie bleibt geöffnet; es wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>Quillarren is quitting</source>
        <translation>Quillarren wird gerade beendet</translation>
    </message>
    <message>
        <source>there would be more notes than Quillarren can keep</source>
        <translation>es wären mehr Notizen, als Quillarren verwalten kann</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1 of %n notes…</source>
        <translation>
            <numerusform>%1 von %n Notiz geöffnet…</numerusform>
            <numerusform>%1 von %n Notizen geöffnet…</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotesList</name>
    <message>
        <source>Find Note</source>
        <translation>Notiz suchen</translation>
    </message>
    <message>
        <source>&amp;Find in your notes:</source>
        <translation>In Ihren Notizen &amp;suchen:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Note &amp;History…</source>
        <translation>Notiz&amp;verlauf…</translation>
    </message>
</context>
<context>
    <name>NotesListModel</name>
    <message>
        <source>(empty note)</source>
        <translation>(leere Notiz)</translation>
    </message>
    <message>
        <source>  (put away)</source>
        <translation>  (weggelegt)</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Notiz: %1</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Quillarren: notes not saved</source>
        <translation>Quillarren: Notizen nicht gespeichert</translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2.

Quillarren stays open until they are saved, so that nothing you typed is lost. Free some space or fix the folder, then press Retry. Cancel keeps your notes open; saving goes on being retried.</source>
        <translation>Ihre Notizen konnten nicht in %1 gespeichert werden, denn %2.

Quillarren bleibt geöffnet, bis sie gespeichert sind, damit nichts verloren geht, was Sie eingegeben haben. Geben Sie Speicherplatz frei oder beheben Sie das Problem mit dem Ordner und klicken Sie dann auf „Wiederholen“. „Abbrechen“ lässt Ihre Notizen geöffnet; das Speichern wird weiterhin wiederholt.</translation>
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
        <translation>Text kopieren</translation>
    </message>
</context>
<context>
    <name>QtSound</name>
    <message>
        <source>it was built for another version of Quillarren</source>
        <translation>es wurde für eine andere Version von Quillarren erstellt</translation>
    </message>
    <message>
        <source>Alarms will be silent: the sound plugin %1 cannot be used: %2</source>
        <translation>Alarme bleiben stumm: Das Sound-Plugin %1 kann nicht verwendet werden: %2</translation>
    </message>
</context>
<context>
    <name>ReminderDialog</name>
    <message>
        <source>Time for Reminder to Go Off:</source>
        <translation>Zeitpunkt der Erinnerung:</translation>
    </message>
    <message>
        <source>Default: 10 mins from now.</source>
        <translation>Standard: in 10 Minuten.</translation>
    </message>
    <message>
        <source>Date for Reminder to Go Off:</source>
        <translation>Datum der Erinnerung:</translation>
    </message>
    <message>
        <source>Set Reminder</source>
        <translation>Erinnerung einstellen</translation>
    </message>
    <message>
        <source>Hide This Window</source>
        <translation>Dieses Fenster ausblenden</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>No note chosen: right-click a note and choose Set Reminder.</source>
        <translation>Keine Notiz ausgewählt: Klicken Sie mit der rechten Maustaste auf eine Notiz und wählen Sie „Erinnerung einstellen“.</translation>
    </message>
    <message>
        <source>This date cannot be read: set it again.</source>
        <translation>Dieses Datum kann nicht gelesen werden: Bitte stellen Sie es neu ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in a form this desktop does not read. The reminder waits until it is set again; it never goes off early.</source>
        <translation>„%1“ liegt in einer Form vor, die dieses System nicht lesen kann. Die Erinnerung wartet, bis sie neu eingestellt wird; sie wird nie zu früh ausgelöst.</translation>
    </message>
    <message>
        <source>Reminder [Enabled]</source>
        <translation>Erinnerung [Enabled]</translation>
    </message>
    <message>
        <source>Reminder [Disabled]</source>
        <translation>Erinnerung [Disabled]</translation>
    </message>
    <message>
        <source>Disable Reminder</source>
        <translation>Erinnerung deaktivieren</translation>
    </message>
</context>
<context>
    <name>SafeRead</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a link, not a plain file</source>
        <translation>es ist ein Link, keine normale Datei</translation>
    </message>
    <message>
        <source>it is a device, FIFO or socket, not a file</source>
        <translation>es ist ein Gerät, ein FIFO oder ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is larger than %1, the most Quillarren reads</source>
        <translation>die Datei ist größer als %1, die Obergrenze, die Quillarren liest</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>the disk quota is used up</source>
        <translation>das Speicherkontingent ist aufgebraucht</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>der Zugriff wurde verweigert</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>it is a link that another user put in the shared folder %1, and Quillarren does not follow such links</source>
        <translation>es ist ein Link, den ein anderer Benutzer in den gemeinsamen Ordner %1 gelegt hat, und Quillarren folgt solchen Links nicht</translation>
    </message>
    <message>
        <source>the link %1 cannot be followed</source>
        <translation>dem Link %1 kann nicht gefolgt werden</translation>
    </message>
    <message>
        <source>it is a link that leads to another link, too many times</source>
        <translation>es ist ein Link, der zu oft auf einen weiteren Link verweist</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a FIFO (a pipe)</source>
        <translation>ein FIFO (eine Pipe)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>keine normale Datei</translation>
    </message>
    <message>
        <source>nothing can be written in %1 (%2)</source>
        <translation>in %1 kann nichts geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>it is %1, and Quillarren writes only plain files</source>
        <translation>es ist %1, und Quillarren schreibt nur normale Dateien</translation>
    </message>
    <message>
        <source>it is one of Quillarren&apos;s own files (its notes store, journal, lock or backups); choose another file</source>
        <translation>es ist eine von Quillarrens eigenen Dateien (Notizspeicher, Journal, Sperrdatei oder Sicherungen); wählen Sie eine andere Datei</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The notes store %1 is empty, and there are backups of your notes. Start Quillarren: it keeps the empty file aside and offers to restore your notes from a backup.</source>
        <translation>Der Notizspeicher %1 ist leer, und es gibt Sicherungen Ihrer Notizen. Starten Sie Quillarren: Es legt die leere Datei beiseite und bietet an, Ihre Notizen aus einer Sicherung wiederherzustellen.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged, or not a file, and could not be moved aside.</source>
        <translation>Der Notizspeicher %1 ist beschädigt oder keine Datei und konnte nicht beiseitegelegt werden.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged. Start Quillarren: it keeps the damaged file aside and offers to restore your notes from a backup.</source>
        <translation>Der Notizspeicher %1 ist beschädigt. Starten Sie Quillarren: Es legt die beschädigte Datei beiseite und bietet an, Ihre Notizen aus einer Sicherung wiederherzustellen.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged and could not be moved aside.</source>
        <translation>Der Notizspeicher %1 ist beschädigt und konnte nicht beiseitegelegt werden.</translation>
    </message>
    <message>
        <source>The notes store %1 cannot be written (%2). Your notes are shown, but changes cannot be kept until it can be written; Quillarren keeps trying.</source>
        <translation>In den Notizspeicher %1 kann nicht geschrieben werden (%2). Ihre Notizen werden angezeigt, aber Änderungen können erst gespeichert werden, wenn er wieder beschreibbar ist; Quillarren versucht es weiter.</translation>
    </message>
    <message>
        <source>The notes store %1 cannot be read: %2</source>
        <translation>Der Notizspeicher %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>no room for a copy of the notes in the temporary folder</source>
        <translation>im temporären Ordner ist kein Platz für eine Kopie der Notizen</translation>
    </message>
    <message>
        <source>the notes could not be copied from %1 (%2)</source>
        <translation>die Notizen konnten nicht aus %1 kopiert werden (%2)</translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2. Everything you type is kept and saving is retried; please free some space or fix the folder&apos;s permissions.</source>
        <translation>Ihre Notizen konnten nicht in %1 gespeichert werden, denn %2. Alles, was Sie eingeben, bleibt erhalten, und das Speichern wird wiederholt; bitte geben Sie Speicherplatz frei oder korrigieren Sie die Zugriffsrechte des Ordners.</translation>
    </message>
    <message>
        <source>cannot open the file</source>
        <translation>die Datei lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the file has reached the size this session may write</source>
        <translation>die Datei hat die Größe erreicht, die diese Sitzung schreiben darf</translation>
    </message>
    <message>
        <source>the file or its folder is read-only</source>
        <translation>die Datei oder ihr Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>you do not have permission to write it</source>
        <translation>Sie haben keine Berechtigung, sie zu schreiben</translation>
    </message>
    <message>
        <source>another program is holding it</source>
        <translation>ein anderes Programm hält sie belegt</translation>
    </message>
    <message>
        <source>the disk refused the write (%1)</source>
        <translation>der Datenträger hat das Schreiben abgelehnt (%1)</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>Die Skin-Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>StoreCopy</name>
    <message>
        <source>out of memory</source>
        <translation>der Arbeitsspeicher reicht nicht aus</translation>
    </message>
    <message>
        <source>its table &quot;%1&quot; is not as Quillarren makes it</source>
        <translation>die Tabelle „%1“ ist nicht so aufgebaut, wie Quillarren sie anlegt</translation>
    </message>
    <message>
        <source>it holds a %1 &quot;%2&quot; that Quillarren does not make</source>
        <translation>die Datei enthält ein Objekt vom Typ %1 („%2“), das Quillarren nicht anlegt</translation>
    </message>
    <message>
        <source>it holds no notes</source>
        <translation>die Datei enthält keine Notizen</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 ist keine Datei</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 is damaged or not a notes store (%2)</source>
        <translation>%1 ist beschädigt oder kein Notizspeicher (%2)</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren notes store: %2</source>
        <translation>%1 ist kein Quillarren-Notizspeicher: %2</translation>
    </message>
    <message>
        <source>a fresh store could not be made at %1</source>
        <translation>unter %1 konnte kein neuer Speicher angelegt werden</translation>
    </message>
    <message>
        <source>the notes could not be copied from %1 (%2)</source>
        <translation>die Notizen konnten nicht aus %1 kopiert werden (%2)</translation>
    </message>
</context>
<context>
    <name>StoredText</name>
    <message>
        <source>Reminder!</source>
        <translation>Erinnerung!</translation>
    </message>
</context>
<context>
    <name>SyncLook</name>
    <message>
        <source>%1 is named for a note id that no note can have — left alone.</source>
        <translation>%1 ist nach einer Notiz-ID benannt, die keine Notiz haben kann – unverändert gelassen.</translation>
    </message>
    <message>
        <source>%1 — left alone.</source>
        <translation>%1 – unverändert gelassen.</translation>
    </message>
    <message>
        <source>%1 — written again from this computer&apos;s note.</source>
        <translation>%1 – aus der Notiz dieses Rechners neu geschrieben.</translation>
    </message>
    <message>
        <source>A change from another computer could not be taken in: %1.</source>
        <translation>Eine Änderung von einem anderen Rechner konnte nicht übernommen werden: %1.</translation>
    </message>
    <message>
        <source>A note deleted on another computer could not be deleted here: %1.</source>
        <translation>Eine auf einem anderen Rechner gelöschte Notiz konnte hier nicht gelöscht werden: %1.</translation>
    </message>
    <message>
        <source>A note from another computer could not be added: %1.</source>
        <translation>Eine Notiz von einem anderen Rechner konnte nicht hinzugefügt werden: %1.</translation>
    </message>
    <message>
        <source>A note changed on two computers at once could not be kept twice: %1.</source>
        <translation>Eine gleichzeitig auf zwei Rechnern geänderte Notiz konnte nicht doppelt behalten werden: %1.</translation>
    </message>
    <message>
        <source>Notes from other computers could not be added: %1.</source>
        <translation>Notizen von anderen Rechnern konnten nicht hinzugefügt werden: %1.</translation>
    </message>
    <message>
        <source>Quillarren cannot write here: %1. Your notes are kept on this computer; it tries again.</source>
        <translation>Quillarren kann hier nicht schreiben: %1. Ihre Notizen bleiben auf diesem Rechner erhalten; es wird erneut versucht.</translation>
    </message>
</context>
<context>
    <name>SyncedNotes</name>
    <message>
        <source>the note is no longer open</source>
        <translation>die Notiz ist nicht mehr geöffnet</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>New Note</source>
        <translation>Neue Notiz</translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation>Alle Notizen anzeigen</translation>
    </message>
    <message>
        <source>Find Note…</source>
        <translation>Notiz suchen…</translation>
    </message>
    <message>
        <source>Deleted Notes</source>
        <translation>Gelöschte Notizen</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Sync Folder…</source>
        <translation>Sync-Ordner…</translation>
    </message>
    <message>
        <source>Stop Syncing</source>
        <translation>Synchronisation beenden</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Bei Anmeldung starten</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>No deleted notes</source>
        <translation>Keine gelöschten Notizen</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Jetzt sichern</translation>
    </message>
    <message>
        <source>No backups yet</source>
        <translation>Noch keine Sicherungen</translation>
    </message>
    <message>
        <source>Restore from %1</source>
        <translation>Sicherung vom %1 wiederherstellen</translation>
    </message>
    <message>
        <source>Replace your notes by those of the backup %1? The notes you have now are backed up first, so this can be undone.</source>
        <translation>Ihre Notizen durch die der Sicherung %1 ersetzen? Ihre aktuellen Notizen werden vorher gesichert, sodass sich dies rückgängig machen lässt.</translation>
    </message>
    <message>
        <source>The folder your sync program carries to your other computers</source>
        <translation>Der Ordner, den Ihr Synchronisationsprogramm auf Ihre anderen Rechner überträgt</translation>
    </message>
    <message numerus="yes">
        <source>Quillarren: %n notes</source>
        <translation>
            <numerusform>Quillarren: %n Notiz</numerusform>
            <numerusform>Quillarren: %n Notizen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quillarren is already running for this user (process %1), but it does not answer. If it is stuck, end it, then start Quillarren again.</source>
        <translation>Quillarren läuft für diesen Benutzer bereits (Prozess %1), antwortet aber nicht. Falls es hängt, beenden Sie es und starten Sie Quillarren dann erneut.</translation>
    </message>
    <message>
        <source>%1

Quillarren has changed nothing. Please make the file readable again, then start Quillarren.</source>
        <translation>%1

Quillarren hat nichts verändert. Bitte machen Sie die Datei wieder lesbar und starten Sie dann Quillarren.</translation>
    </message>
</context>
</TS>
