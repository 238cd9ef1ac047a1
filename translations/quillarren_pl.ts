<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AccessibleNoteName</name>
    <message>
        <source>Note text</source>
        <translation>Tekst notatki</translation>
    </message>
    <message>
        <source>Note: (empty)</source>
        <translation>Notatka: (pusta)</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Notatka: %1</translation>
    </message>
</context>
<context>
    <name>AlarmWindow</name>
    <message>
        <source>Reminder Alarm</source>
        <translation>Alarm przypomnienia</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>Zatrzymaj alarm</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Quillarren was not set to start at login: there is no %1</source>
        <translation>Quillarren nie był ustawiony do uruchamiania po zalogowaniu: brak pliku %1</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>nie można usunąć %1: %2</translation>
    </message>
    <message>
        <source>Quillarren will no longer start at login: removed %1</source>
        <translation>Quillarren nie będzie już uruchamiany po zalogowaniu: usunięto %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>Quillarren will start at login: wrote %1</source>
        <translation>Quillarren będzie uruchamiany po zalogowaniu: zapisano %1</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>Cannot restore from it: %1. Nothing was changed.</source>
        <translation>Nie można przywrócić z tej kopii: %1. Niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>Backing up the notes you have now…</source>
        <translation>Tworzenie kopii zapasowej obecnych notatek…</translation>
    </message>
    <message>
        <source>The notes you have now could not be backed up first (%1), so nothing was restored.</source>
        <translation>Nie można najpierw utworzyć kopii zapasowej obecnych notatek (%1), więc niczego nie przywrócono.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>out of memory</source>
        <translation>brak pamięci</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>the copy failed: %1</source>
        <translation>kopiowanie nie powiodło się: %1</translation>
    </message>
    <message>
        <source>the backups folder %1 cannot be written</source>
        <translation>brak możliwości zapisu w katalogu kopii zapasowych %1</translation>
    </message>
    <message>
        <source>cannot write in the backups folder %1: %2</source>
        <translation>nie można zapisać w katalogu kopii zapasowych %1: %2</translation>
    </message>
    <message>
        <source>the backup of %1 failed: %2</source>
        <translation>tworzenie kopii zapasowej %1 nie powiodło się: %2</translation>
    </message>
    <message>
        <source>the disk refused it</source>
        <translation>dysk odrzucił operację</translation>
    </message>
</context>
<context>
    <name>ChannelProtocol</name>
    <message>
        <source>The running Quillarren gave an answer this one cannot read.</source>
        <translation>Uruchomiony program Quillarren udzielił odpowiedzi, której ta wersja nie potrafi odczytać.</translation>
    </message>
</context>
<context>
    <name>ChannelServer</name>
    <message>
        <source>no private folder for it</source>
        <translation>brak dla niego prywatnego katalogu</translation>
    </message>
    <message>
        <source>Later starts of Quillarren cannot reach this one: cannot listen at %1: %2</source>
        <translation>Kolejne uruchomienia Quillarren nie mogą połączyć się z tą instancją: nie można nasłuchiwać na %1: %2</translation>
    </message>
    <message>
        <source>Waiting for the running Quillarren to finish what it is doing…</source>
        <translation>Oczekiwanie, aż uruchomiony program Quillarren zakończy bieżącą pracę…</translation>
    </message>
    <message>
        <source>Process %1 asked Quillarren more than one command asks (%2 connections, %3 bytes not taken): it is no longer answered.</source>
        <translation>Proces %1 wysłał do Quillarren więcej, niż wymaga jedno polecenie (połączenia: %2, nieodebrane bajty: %3): nie otrzymuje już odpowiedzi.</translation>
    </message>
    <message>
        <source>Quillarren could not read the request.</source>
        <translation>Quillarren nie mógł odczytać żądania.</translation>
    </message>
    <message>
        <source>This Quillarren is older and does not know &quot;%1&quot;: quit it, then start Quillarren again.</source>
        <translation>Ten Quillarren jest starszy i nie zna „%1”: zakończ go, a następnie ponownie uruchom Quillarren.</translation>
    </message>
</context>
<context>
    <name>ChecklistLines</name>
    <message>
        <source>checked</source>
        <translation>zaznaczone</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>niezaznaczone</translation>
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
        <translation>%1 Niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>Asking the running Quillarren…</source>
        <translation>Wysyłanie zapytania do uruchomionego programu Quillarren…</translation>
    </message>
    <message>
        <source>Quillarren is running (process %1) but does not answer. Nothing was changed; if it is stuck, end it and try again.</source>
        <translation>Quillarren jest uruchomiony (proces %1), ale nie odpowiada. Niczego nie zmieniono; jeśli się zawiesił, zakończ go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Sticky notes for the desktop. Without options, brings back your notes, or brings the running ones forward.</source>
        <translation>Karteczki samoprzylepne na pulpit. Bez opcji przywraca notatki lub wysuwa na wierzch te już otwarte.</translation>
    </message>
    <message>
        <source>Start Quillarren at every login (on), or no longer (off).</source>
        <translation>Uruchamia Quillarren przy każdym logowaniu (on) lub już nie (off).</translation>
    </message>
    <message>
        <source>List the deleted notes (kept 30 days).</source>
        <translation>Wyświetla usunięte notatki (przechowywane przez 30 dni).</translation>
    </message>
    <message>
        <source>Bring a deleted note back.</source>
        <translation>Przywraca usuniętą notatkę.</translation>
    </message>
    <message>
        <source>List the backups of your notes.</source>
        <translation>Wyświetla kopie zapasowe notatek.</translation>
    </message>
    <message>
        <source>Replace your notes by a backup&apos;s (they are backed up first).</source>
        <translation>Zastępuje notatki notatkami z kopii zapasowej (najpierw tworzona jest kopia zapasowa obecnych).</translation>
    </message>
    <message>
        <source>Write the open notes to a file: JSON, or Markdown for a name ending in .md.</source>
        <translation>Zapisuje otwarte notatki do pliku: JSON lub Markdown, jeśli nazwa kończy się na .md.</translation>
    </message>
    <message>
        <source>With --export: the deleted notes too.</source>
        <translation>Z --export: również usunięte notatki.</translation>
    </message>
    <message>
        <source>Add the notes of an exported file (those already here are skipped).</source>
        <translation>Dodaje notatki z wyeksportowanego pliku (te, które już tu są, są pomijane).</translation>
    </message>
    <message>
        <source>With --import: a note here whose text differs from the file&apos;s gets the file&apos;s version as a new note beside it.</source>
        <translation>Z --import: jeśli tekst istniejącej notatki różni się od tekstu w pliku, wersja z pliku zostaje dodana obok jako nowa notatka.</translation>
    </message>
    <message numerus="yes">
        <source>With --import: import more than %n notes at once (each opens as a note).</source>
        <translation>
            <numerusform>Z --import: importuje naraz więcej niż %n notatkę (każda otwiera się jako notatka).</numerusform>
            <numerusform>Z --import: importuje naraz więcej niż %n notatki (każda otwiera się jako notatka).</numerusform>
            <numerusform>Z --import: importuje naraz więcej niż %n notatek (każda otwiera się jako notatka).</numerusform>
        </translation>
    </message>
    <message>
        <source>Open a new note, with the keyboard.</source>
        <translation>Otwiera nową notatkę (do wywołania z klawiatury).</translation>
    </message>
    <message>
        <source>Bring every note forward, those put away too.</source>
        <translation>Wysuwa na wierzch wszystkie notatki, również schowane.</translation>
    </message>
    <message>
        <source>Open the notes list, to find a note.</source>
        <translation>Otwiera listę notatek, aby znaleźć notatkę.</translation>
    </message>
    <message>
        <source>Show the tray icon (on), or no longer (off).</source>
        <translation>Pokazuje ikonę w zasobniku systemowym (on) lub już nie (off).</translation>
    </message>
    <message>
        <source>Sync the notes through a folder that a sync program carries (Syncthing, Nextcloud); off: no longer.</source>
        <translation>Synchronizuje notatki przez katalog przenoszony przez program synchronizujący (Syncthing, Nextcloud); off: wyłącza synchronizację.</translation>
    </message>
    <message>
        <source>%1: Unexpected argument &apos;%2&apos;.</source>
        <translation>%1: nieoczekiwany argument „%2”.</translation>
    </message>
    <message>
        <source>%1: --autostart takes on or off, not &apos;%2&apos;.</source>
        <translation>%1: --autostart przyjmuje on lub off, a nie „%2”.</translation>
    </message>
    <message>
        <source>%1: --tray takes on or off, not &apos;%2&apos;.</source>
        <translation>%1: --tray przyjmuje on lub off, a nie „%2”.</translation>
    </message>
    <message>
        <source>Quillarren is not running.</source>
        <translation>Quillarren nie jest uruchomiony.</translation>
    </message>
    <message>
        <source>%1: --show needs --history ID.</source>
        <translation>%1: --show wymaga --history ID.</translation>
    </message>
    <message>
        <source>With --history: print version N of the note (1 is the newest).</source>
        <translation>Z --history: wypisuje wersję N notatki (1 to najnowsza).</translation>
    </message>
    <message>
        <source>List a note&apos;s earlier versions (its id, or its number: 1 for the first note).</source>
        <translation>Wyświetla wcześniejsze wersje notatki (jej ID lub numer: 1 to pierwsza notatka).</translation>
    </message>
</context>
<context>
    <name>DamageOffer</name>
    <message>
        <source>The notes store %1 could not be read: it is damaged, or not a file. It has been kept as %2 and a new, empty store was started.</source>
        <translation>Nie można odczytać bazy notatek %1: jest uszkodzona lub nie jest plikiem. Zachowano ją jako %2 i utworzono nową, pustą bazę.</translation>
    </message>
    <message>
        <source>Your notes file was damaged and has been kept as %1. Restore the notes from the backup of %2?</source>
        <translation>Plik notatek był uszkodzony i zachowano go jako %1. Przywrócić notatki z kopii zapasowej z %2?</translation>
    </message>
    <message>
        <source>The notes could not be restored from %1: %2. Quillarren starts with an empty store; the backup is still there.</source>
        <translation>Nie można przywrócić notatek z %1: %2. Quillarren uruchamia się z pustą bazą; kopia zapasowa nadal istnieje.</translation>
    </message>
</context>
<context>
    <name>DesktopProgram</name>
    <message>
        <source>Quillarren: sync</source>
        <translation>Quillarren: synchronizacja</translation>
    </message>
    <message>
        <source>Your notes could not be backed up: %1. Quillarren tries again in an hour.</source>
        <translation>Nie można utworzyć kopii zapasowej notatek: %1. Quillarren spróbuje ponownie za godzinę.</translation>
    </message>
    <message>
        <source>Quillarren: backup failed</source>
        <translation>Quillarren: błąd tworzenia kopii zapasowej</translation>
    </message>
    <message>
        <source>Your notes are backed up in %1.</source>
        <translation>Kopia zapasowa notatek znajduje się w %1.</translation>
    </message>
    <message>
        <source>Quillarren: backed up</source>
        <translation>Quillarren: utworzono kopię zapasową</translation>
    </message>
</context>
<context>
    <name>EmailDialog</name>
    <message>
        <source>E-mail Note</source>
        <translation>Wysyłanie notatki e-mailem</translation>
    </message>
    <message>
        <source>Enter e-mail recepients</source>
        <translation>Podaj adresy odbiorców</translation>
    </message>
    <message>
        <source>Compose</source>
        <translation>Napisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>No mail program is set up on this computer to write this e-mail.

Copy the note&apos;s text, to paste it into a message yourself?</source>
        <translation>Na tym komputerze nie skonfigurowano programu pocztowego, którym można by napisać tę wiadomość.

Skopiować tekst notatki, aby samodzielnie wkleić go do wiadomości?</translation>
    </message>
    <message>
        <source>The text could not be copied: the clipboard is busy.</source>
        <translation>Nie można skopiować tekstu: schowek jest zajęty.</translation>
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
w %2, wiersz %3<byte value="xd"/>
<byte value="xd"/>
Proszę wysłać zrzut ekranu tego komunikatu na adres %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Błąd aplikacji</translation>
    </message>
    <message>
        <source>Unexpected failure</source>
        <translation>Nieoczekiwany błąd</translation>
    </message>
</context>
<context>
    <name>FolderScan</name>
    <message>
        <source>%1 holds another note than its name says</source>
        <translation>%1 zawiera inną notatkę, niż wskazuje jego nazwa</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Kolor...</translation>
    </message>
</context>
<context>
    <name>HistoryExport</name>
    <message>
        <source>the notes&apos; history is not available, so it was left out</source>
        <translation>historia notatek jest niedostępna, więc ją pominięto</translation>
    </message>
    <message>
        <source>the notes&apos; history, more than %1 MB, was left out (--history ID --show N prints a version; a backup holds them all)</source>
        <translation>historię notatek, ponad %1 MB, pominięto (--history ID --show N wypisuje wersję; kopia zapasowa zawiera wszystkie)</translation>
    </message>
</context>
<context>
    <name>HistoryKeeper</name>
    <message>
        <source>Quillarren: note history</source>
        <translation>Quillarren: historia notatek</translation>
    </message>
    <message>
        <source>The history of the notes is not available this time.</source>
        <translation>Historia notatek jest tym razem niedostępna.</translation>
    </message>
</context>
<context>
    <name>HistoryVerbs</name>
    <message>
        <source>The history of the notes is not available (see the message at start-up).</source>
        <translation>Historia notatek jest niedostępna (zob. komunikat przy uruchomieniu).</translation>
    </message>
    <message>
        <source>No note has the id or number &apos;%1&apos;.</source>
        <translation>Żadna notatka nie ma ID ani numeru „%1”.</translation>
    </message>
    <message>
        <source>Note %1 has no earlier versions.
</source>
        <translation>Notatka %1 nie ma wcześniejszych wersji.
</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n bajt</numerusform>
            <numerusform>%n bajty</numerusform>
            <numerusform>%n bajtów</numerusform>
        </translation>
    </message>
    <message>
        <source>Note %1 has no version %2; it has %3 (--history %4 lists them).</source>
        <translation>Notatka %1 nie ma wersji %2; liczba wersji: %3 (--history %4 je wypisuje).</translation>
    </message>
    <message>
        <source>Version %1 of note %2 could not be read.</source>
        <translation>Nie można odczytać wersji %1 notatki %2.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n bajt</numerusform>
            <numerusform>%n bajty</numerusform>
            <numerusform>%n bajtów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>Note History</source>
        <translation>Historia notatki</translation>
    </message>
    <message>
        <source>Note History: %1</source>
        <translation>Historia notatki: %1</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Wersje</translation>
    </message>
    <message>
        <source>Text of the chosen version</source>
        <translation>Tekst wybranej wersji</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Przywróć tę wersję</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>(lines removed at the end)</source>
        <translation>(usunięto wiersze na końcu)</translation>
    </message>
    <message>
        <source>This note has no earlier versions yet.</source>
        <translation>Ta notatka nie ma jeszcze wcześniejszych wersji.</translation>
    </message>
    <message>
        <source>Same as the note now.</source>
        <translation>Taka sama jak obecna notatka.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) differ from the note now (marked).</source>
        <translation>
            <numerusform>%n wiersz różni się od obecnej notatki (zaznaczony).</numerusform>
            <numerusform>%n wiersze różnią się od obecnej notatki (zaznaczone).</numerusform>
            <numerusform>%n wierszy różni się od obecnej notatki (zaznaczone).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>The note could not be saved to %1: %2</source>
        <translation>Nie można zapisać notatki w %1: %2</translation>
    </message>
</context>
<context>
    <name>NoteFields</name>
    <message>
        <source>&quot;%1&quot; is not text</source>
        <translation>„%1” nie jest tekstem</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not true or false</source>
        <translation>„%1” nie jest wartością logiczną (true lub false)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>„%1” nie jest liczbą</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>„%1” nie jest liczbą całkowitą</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an object</source>
        <translation>„%1” nie jest obiektem</translation>
    </message>
    <message>
        <source>&quot;deleted&quot; is not a date</source>
        <translation>„deleted” nie jest datą</translation>
    </message>
    <message>
        <source>note %1</source>
        <translation>notatka %1</translation>
    </message>
    <message>
        <source>note %1 (&quot;%2&quot;)</source>
        <translation>notatka %1 („%2”)</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>%1 is not a whole Quillarren notes file: it breaks off or is damaged at byte %2 (%3)</source>
        <translation>%1 nie jest kompletnym plikiem notatek Quillarren: urywa się lub jest uszkodzony przy bajcie %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is not a whole Quillarren note: it breaks off or is damaged at byte %2 (%3)</source>
        <translation>%1 nie jest kompletną notatką Quillarren: plik urywa się lub jest uszkodzony przy bajcie %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren notes file</source>
        <translation>%1 nie jest plikiem notatek Quillarren</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren note</source>
        <translation>%1 nie jest notatką Quillarren</translation>
    </message>
    <message>
        <source>%1 has an invalid format version (%2), so it is not a Quillarren notes file that can be read</source>
        <translation>%1 ma nieprawidłową wersję formatu (%2), więc nie jest plikiem notatek Quillarren, który można odczytać</translation>
    </message>
    <message>
        <source>%1 has an invalid format version (%2), so it is not a Quillarren note that can be read</source>
        <translation>%1 ma nieprawidłową wersję formatu (%2), więc nie jest notatką Quillarren, którą można odczytać</translation>
    </message>
    <message>
        <source>%1 was written by a newer Quillarren (its format version is %2; this one reads version %3 and older)</source>
        <translation>%1 został zapisany przez nowszą wersję Quillarren (wersja formatu %2; ta wersja odczytuje format w wersji %3 i starszych)</translation>
    </message>
    <message>
        <source>it is not a note</source>
        <translation>to nie jest notatka</translation>
    </message>
    <message>
        <source>%1 is damaged: in its deleted %2, %3</source>
        <translation>%1 jest uszkodzony: usunięta %2 — %3</translation>
    </message>
    <message>
        <source>%1 is damaged: in its %2, %3</source>
        <translation>%1 jest uszkodzony: %2 — %3</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 jest uszkodzony: %2</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren note (it names no note, or another one)</source>
        <translation>%1 nie jest notatką Quillarren (nie wskazuje żadnej notatki albo wskazuje inną)</translation>
    </message>
</context>
<context>
    <name>NoteHistory</name>
    <message>
        <source>The history of your notes could not be opened in %1; no versions are kept this time. Your notes are as they were.</source>
        <translation>Nie można otworzyć historii notatek w %1; tym razem wersje nie są zachowywane. Notatki pozostały bez zmian.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 is damaged (%2); it is left aside and no versions are kept until it is mended. Your notes are as they were.</source>
        <translation>Historia notatek w %1 jest uszkodzona (%2); odłożono ją na bok i do czasu naprawy wersje nie są zachowywane. Notatki pozostały bez zmian.</translation>
    </message>
    <message>
        <source>The history of your notes could not be started in %1 (%2); no versions are kept this time. Your notes are as they were.</source>
        <translation>Nie można rozpocząć historii notatek w %1 (%2); tym razem wersje nie są zachowywane. Notatki pozostały bez zmian.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 is not as Quillarren keeps it and could not be set aside (%2); no versions are kept this time. Your notes are as they were.</source>
        <translation>Historia notatek w %1 nie ma postaci, w jakiej prowadzi ją Quillarren, i nie można jej odłożyć na bok (%2); tym razem wersje nie są zachowywane. Notatki pozostały bez zmian.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 was not as Quillarren keeps it: it is kept in %2, and a new history is started. Your notes are as they were.</source>
        <translation>Historia notatek w %1 nie miała postaci, w jakiej prowadzi ją Quillarren: zachowano ją w %2 i rozpoczęto nową historię. Notatki pozostały bez zmian.</translation>
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
        <translation>, w „Usuniętych notatkach”</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Skopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Set Reminder</source>
        <translation>Ustaw przypomnienie</translation>
    </message>
    <message>
        <source>Create New Note</source>
        <translation>Utwórz nową notatkę</translation>
    </message>
    <message>
        <source>Delete This Note</source>
        <translation>Usuń tę notatkę</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Czcionka...</translation>
    </message>
    <message>
        <source>Color...</source>
        <translation>Kolor...</translation>
    </message>
    <message>
        <source>Email Note</source>
        <translation>Wyślij e-mailem</translation>
    </message>
    <message>
        <source>Save Note to File</source>
        <translation>Zapisz do pliku</translation>
    </message>
    <message>
        <source>Insert Date</source>
        <translation>Wstaw datę</translation>
    </message>
    <message>
        <source>Insert Time</source>
        <translation>Wstaw godzinę</translation>
    </message>
    <message>
        <source>Default Translucency</source>
        <translation>Domyślna przezroczystość</translation>
    </message>
    <message>
        <source>Increase Translucency</source>
        <translation>Zwiększ przezroczystość</translation>
    </message>
    <message>
        <source>Decrease Translucency</source>
        <translation>Zmniejsz przezroczystość</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Zawsze na wierzchu</translation>
    </message>
    <message>
        <source>Email Author Suggestions / Bugs</source>
        <translation>Wyślij autorowi sugestie / błędy</translation>
    </message>
    <message>
        <source>Goto %1</source>
        <translation>Przejdź do %1</translation>
    </message>
    <message>
        <source>Quit (Remove All Notes)</source>
        <translation>Zakończ (zamknij wszystkie notatki)</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Lista kontrolna</translation>
    </message>
    <message>
        <source>Note History…</source>
        <translation>Historia notatki…</translation>
    </message>
</context>
<context>
    <name>NoteSync</name>
    <message>
        <source>Quillarren no longer syncs its notes through a folder; the notes stay as they are.</source>
        <translation>Quillarren nie synchronizuje już notatek przez katalog; notatki pozostają bez zmian.</translation>
    </message>
    <message>
        <source>%1 is not a folder: syncing is left as it was.</source>
        <translation>%1 nie jest katalogiem: synchronizacja pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>Quillarren syncs its notes through %1: one file per note, which the program that syncs the folder carries to your other computers.</source>
        <translation>Quillarren synchronizuje notatki przez %1: po jednym pliku na notatkę; program synchronizujący ten katalog przenosi je na pozostałe komputery.</translation>
    </message>
    <message>
        <source>Syncing waits until it is back; your notes are kept here as they are.</source>
        <translation>Synchronizacja poczeka, aż katalog wróci; notatki są tu przechowywane bez zmian.</translation>
    </message>
    <message>
        <source>If the folder is right as it is now, choose it again (Sync Folder… in the tray menu, or quillarren --sync-folder) and syncing goes on.</source>
        <translation>Jeśli katalog jest teraz prawidłowy, wybierz go ponownie („Katalog synchronizacji…” w menu ikony w zasobniku systemowym lub quillarren --sync-folder), a synchronizacja zostanie wznowiona.</translation>
    </message>
    <message>
        <source>The sync folder %1 is back: syncing goes on.</source>
        <translation>Katalog synchronizacji %1 jest znów dostępny: synchronizacja zostaje wznowiona.</translation>
    </message>
    <message>
        <source>The sync folder %1 is not there (is its disk unmounted?). %2</source>
        <translation>Katalog synchronizacji %1 nie istnieje (czy dysk został odmontowany?). %2</translation>
    </message>
    <message>
        <source>The sync folder %1 holds none of your notes&apos; files any more (is its disk unmounted?). %2 %3</source>
        <translation>Katalog synchronizacji %1 nie zawiera już żadnego z plików notatek (czy dysk został odmontowany?). %2 %3</translation>
    </message>
    <message>
        <source>The sync folder %1 is on another disk than before (was its disk unmounted, or another mounted there?). %2 %3</source>
        <translation>Katalog synchronizacji %1 znajduje się na innym dysku niż wcześniej (czy dysk został odmontowany lub zamontowano tam inny?). %2 %3</translation>
    </message>
    <message>
        <source>In the sync folder %1:</source>
        <translation>W katalogu synchronizacji %1:</translation>
    </message>
</context>
<context>
    <name>NoteVerbs</name>
    <message>
        <source>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</source>
        <translation>Quillarren nadal otwiera lub zastępuje notatki; niczego nie zmieniono. Spróbuj ponownie za chwilę.</translation>
    </message>
    <message>
        <source>There are no deleted notes.</source>
        <translation>Brak usuniętych notatek.</translation>
    </message>
    <message>
        <source>Deleted notes, newest first (each is kept 30 days; quillarren --restore ID brings one back):</source>
        <translation>Usunięte notatki, od najnowszej (każda jest przechowywana przez 30 dni; quillarren --restore ID przywraca notatkę):</translation>
    </message>
    <message>
        <source>There is no deleted note with the id %1 (quillarren --deleted lists them).</source>
        <translation>Brak usuniętej notatki o identyfikatorze %1 (listę wyświetla quillarren --deleted).</translation>
    </message>
    <message>
        <source>The note %1 is open already.</source>
        <translation>Notatka %1 jest już otwarta.</translation>
    </message>
    <message>
        <source>The note %1 could not be restored, because %2. Nothing was changed.</source>
        <translation>Nie można przywrócić notatki %1, ponieważ %2. Niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>Restored the note %1.</source>
        <translation>Przywrócono notatkę %1.</translation>
    </message>
    <message>
        <source>There are no backups yet in %1.</source>
        <translation>W %1 nie ma jeszcze kopii zapasowych.</translation>
    </message>
    <message>
        <source>Backups, newest first (quillarren --restore-backup FILE restores one):</source>
        <translation>Kopie zapasowe, od najnowszej (quillarren --restore-backup FILE przywraca kopię):</translation>
    </message>
    <message>
        <source>  (dated ahead of now)</source>
        <translation>  (data w przyszłości)</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>Przywracanie…</translation>
    </message>
    <message>
        <source>The notes could not be restored: %1. Nothing was changed.</source>
        <translation>Nie można przywrócić notatek: %1. Niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>Restored your notes from %1. The notes you had before are kept in the backup %2.</source>
        <translation>Przywrócono notatki z %1. Poprzednie notatki zachowano w kopii zapasowej %2.</translation>
    </message>
    <message numerus="yes">
        <source>Exporting %n notes…</source>
        <translation>
            <numerusform>Eksportowanie %n notatki…</numerusform>
            <numerusform>Eksportowanie %n notatek…</numerusform>
            <numerusform>Eksportowanie %n notatek…</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1: %2. Nothing was changed.</source>
        <translation>Nie można zapisać %1: %2. Niczego nie zmieniono.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n notes to %1</source>
        <translation>
            <numerusform>Wyeksportowano %n notatkę do %1</numerusform>
            <numerusform>Wyeksportowano %n notatki do %1</numerusform>
            <numerusform>Wyeksportowano %n notatek do %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, and %n deleted notes</source>
        <translation>
            <numerusform>, a także %n usuniętą notatkę</numerusform>
            <numerusform>, a także %n usunięte notatki</numerusform>
            <numerusform>, a także %n usuniętych notatek</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Nothing was imported.</source>
        <translation>%1. Niczego nie zaimportowano.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>Niczego nie zaimportowano z %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n notes that are not here yet, more than the %2 an import opens without asking: each opens as a note on your desktop at every start. To import them all, add --allow-many. Nothing was imported.</source>
        <translation>
            <numerusform>%1 zawiera %n notatkę, której jeszcze tu nie ma — więcej, niż import otwiera bez pytania (%2): każda otwiera się jako notatka na pulpicie przy każdym uruchomieniu. Aby zaimportować je wszystkie, dodaj --allow-many. Niczego nie zaimportowano.</numerusform>
            <numerusform>%1 zawiera %n notatki, których jeszcze tu nie ma — więcej, niż import otwiera bez pytania (%2): każda otwiera się jako notatka na pulpicie przy każdym uruchomieniu. Aby zaimportować je wszystkie, dodaj --allow-many. Niczego nie zaimportowano.</numerusform>
            <numerusform>%1 zawiera %n notatek, których jeszcze tu nie ma — więcej, niż import otwiera bez pytania (%2): każda otwiera się jako notatka na pulpicie przy każdym uruchomieniu. Aby zaimportować je wszystkie, dodaj --allow-many. Niczego nie zaimportowano.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Importing %n notes…</source>
        <translation>
            <numerusform>Importowanie %n notatki…</numerusform>
            <numerusform>Importowanie %n notatek…</numerusform>
            <numerusform>Importowanie %n notatek…</numerusform>
        </translation>
    </message>
    <message>
        <source>The notes could not be imported, because %1. Nothing was imported.</source>
        <translation>Nie można zaimportować notatek, ponieważ %1. Niczego nie zaimportowano.</translation>
    </message>
    <message>
        <source>Waiting for an answer in Quillarren…</source>
        <translation>Oczekiwanie na odpowiedź programu Quillarren…</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n notes that are not here yet. Each opens as a note on your desktop, now and at every start. Import them all?</source>
        <translation>
            <numerusform>%1 zawiera %n notatkę, której jeszcze tu nie ma. Otworzy się ona jako notatka na pulpicie — teraz i przy każdym uruchomieniu. Zaimportować ją?</numerusform>
            <numerusform>%1 zawiera %n notatki, których jeszcze tu nie ma. Każda otworzy się jako notatka na pulpicie — teraz i przy każdym uruchomieniu. Zaimportować je wszystkie?</numerusform>
            <numerusform>%1 zawiera %n notatek, których jeszcze tu nie ma. Każda otworzy się jako notatka na pulpicie — teraz i przy każdym uruchomieniu. Zaimportować je wszystkie?</numerusform>
        </translation>
    </message>
    <message>
        <source>Quillarren: import</source>
        <translation>Quillarren: import</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n notes from %1</source>
        <translation>
            <numerusform>Zaimportowano %n notatkę z %1</numerusform>
            <numerusform>Zaimportowano %n notatki z %1</numerusform>
            <numerusform>Zaimportowano %n notatek z %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n of them as new notes beside those here with other text)</source>
        <translation>
            <numerusform> (w tym %n jako nową notatkę obok istniejącej o innym tekście)</numerusform>
            <numerusform> (w tym %n jako nowe notatki obok istniejących o innym tekście)</numerusform>
            <numerusform> (w tym %n jako nowe notatki obok istniejących o innym tekście)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n were here already</source>
        <translation>
            <numerusform>; %n już tu była</numerusform>
            <numerusform>; %n już tu były</numerusform>
            <numerusform>; %n już tu było</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n deleted notes went to Deleted Notes</source>
        <translation>
            <numerusform>; %n usunięta notatka trafiła do „Usuniętych notatek”</numerusform>
            <numerusform>; %n usunięte notatki trafiły do „Usuniętych notatek”</numerusform>
            <numerusform>; %n usuniętych notatek trafiło do „Usuniętych notatek”</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n notes here have other text than in the file and were left as they are: %1.
To add the file&apos;s versions as new notes beside them: quillarren --import %2 --as-new</source>
        <translation>
            <numerusform>
%n notatka ma tu inny tekst niż w pliku i pozostała bez zmian: %1.
Aby dodać wersję z pliku jako nową notatkę obok niej: quillarren --import %2 --as-new</numerusform>
            <numerusform>
%n notatki mają tu inny tekst niż w pliku i pozostały bez zmian: %1.
Aby dodać wersje z pliku jako nowe notatki obok nich: quillarren --import %2 --as-new</numerusform>
            <numerusform>
%n notatek ma tu inny tekst niż w pliku i pozostało bez zmian: %1.
Aby dodać wersje z pliku jako nowe notatki obok nich: quillarren --import %2 --as-new</numerusform>
        </translation>
    </message>
    <message>
        <source>The choice could not be stored, because %1.</source>
        <translation>Nie można zapisać wyboru, ponieważ %1.</translation>
    </message>
    <message>
        <source>Quillarren shows its icon in the tray.</source>
        <translation>Quillarren pokazuje swoją ikonę w zasobniku systemowym.</translation>
    </message>
    <message>
        <source>Quillarren no longer shows an icon in the tray; quillarren --tray on brings it back.</source>
        <translation>Quillarren nie pokazuje już ikony w zasobniku systemowym; quillarren --tray on ją przywraca.</translation>
    </message>
    <message>
        <source>%1 is not a folder; nothing was changed.</source>
        <translation>%1 nie jest katalogiem; niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>Quillarren will not sync its notes through a folder.</source>
        <translation>Quillarren nie będzie synchronizować notatek przez katalog.</translation>
    </message>
    <message>
        <source>Quillarren will sync its notes through %1 from its next start.</source>
        <translation>Quillarren będzie synchronizować notatki przez %1 od następnego uruchomienia.</translation>
    </message>
    <message>
        <source>, with their history</source>
        <translation>, wraz z historią</translation>
    </message>
</context>
<context>
    <name>NoteWindow</name>
    <message>
        <source>You can expand this note by dragging the bottom and right edges</source>
        <translation>Notatkę można powiększyć, przeciągając jej dolną lub prawą krawędź</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Nieprawidłowa wartość właściwości</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</source>
        <translation>Quillarren nadal otwiera lub zastępuje notatki; niczego nie zmieniono. Spróbuj ponownie za chwilę.</translation>
    </message>
    <message>
        <source>There is no deleted note with the id %1 (quillarren --deleted lists them).</source>
        <translation>Brak usuniętej notatki o identyfikatorze %1 (listę wyświetla quillarren --deleted).</translation>
    </message>
    <message>
        <source>The note %1 is open already.</source>
        <translation>Notatka %1 jest już otwarta.</translation>
    </message>
    <message>
        <source>The note %1 could not be restored, because %2. Nothing was changed.</source>
        <translation>Nie można przywrócić notatki %1, ponieważ %2. Niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>Restored the note %1.</source>
        <translation>Przywrócono notatkę %1.</translation>
    </message>
    <message>
        <source>Quillarren is quitting; nothing was changed.</source>
        <translation>Quillarren kończy działanie; niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>Przywracanie…</translation>
    </message>
    <message>
        <source>The notes could not be restored: %1. Nothing was changed.</source>
        <translation>Nie można przywrócić notatek: %1. Niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>Restored your notes from %1. The notes you had before are kept in the backup %2.</source>
        <translation>Przywrócono notatki z %1. Poprzednie notatki zachowano w kopii zapasowej %2.</translation>
    </message>
    <message>
        <source>Quillarren: notes restored</source>
        <translation>Quillarren: przywrócono notatki</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>This is the last note. Would you like to quit?</source>
        <translation>To ostatnia notatka. Zakończyć program?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Zakończyć?</translation>
    </message>
    <message>
        <source>The note could not be moved to Deleted Notes, because %1. It stays open; nothing was deleted.</source>
        <translation>Nie można przenieść notatki do „Usuniętych notatek”, ponieważ %1. Notatka pozostaje otwarta; nic nie zostało usunięte.</translation>
    </message>
    <message>
        <source>Quillarren is quitting</source>
        <translation>Quillarren kończy działanie</translation>
    </message>
    <message>
        <source>there would be more notes than Quillarren can keep</source>
        <translation>notatek byłoby więcej, niż Quillarren może przechować</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1 of %n notes…</source>
        <translation>
            <numerusform>Otwarto %1 z %n notatki…</numerusform>
            <numerusform>Otwarto %1 z %n notatek…</numerusform>
            <numerusform>Otwarto %1 z %n notatek…</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotesList</name>
    <message>
        <source>Find Note</source>
        <translation>Znajdź notatkę</translation>
    </message>
    <message>
        <source>&amp;Find in your notes:</source>
        <translation>&amp;Szukaj w notatkach:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
    <message>
        <source>Note &amp;History…</source>
        <translation>&amp;Historia notatki…</translation>
    </message>
</context>
<context>
    <name>NotesListModel</name>
    <message>
        <source>(empty note)</source>
        <translation>(pusta notatka)</translation>
    </message>
    <message>
        <source>  (put away)</source>
        <translation>  (schowana)</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Notatka: %1</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Quillarren: notes not saved</source>
        <translation>Quillarren: notatki nie zostały zapisane</translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2.

Quillarren stays open until they are saved, so that nothing you typed is lost. Free some space or fix the folder, then press Retry. Cancel keeps your notes open; saving goes on being retried.</source>
        <translation>Nie można zapisać notatek w %1, ponieważ %2.

Quillarren pozostanie otwarty, dopóki nie zostaną zapisane, aby nic z tego, co wpisano, nie przepadło. Zwolnij trochę miejsca lub popraw katalog, a następnie naciśnij „Ponów”. „Anuluj” pozostawia notatki otwarte; zapis będzie nadal ponawiany.</translation>
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
        <translation>Skopiuj tekst</translation>
    </message>
</context>
<context>
    <name>QtSound</name>
    <message>
        <source>it was built for another version of Quillarren</source>
        <translation>została zbudowana dla innej wersji Quillarren</translation>
    </message>
    <message>
        <source>Alarms will be silent: the sound plugin %1 cannot be used: %2</source>
        <translation>Alarmy będą ciche: nie można użyć wtyczki dźwięku %1: %2</translation>
    </message>
</context>
<context>
    <name>ReminderDialog</name>
    <message>
        <source>Time for Reminder to Go Off:</source>
        <translation>Godzina przypomnienia:</translation>
    </message>
    <message>
        <source>Default: 10 mins from now.</source>
        <translation>Domyślnie: za 10 minut.</translation>
    </message>
    <message>
        <source>Date for Reminder to Go Off:</source>
        <translation>Data przypomnienia:</translation>
    </message>
    <message>
        <source>Set Reminder</source>
        <translation>Ustaw przypomnienie</translation>
    </message>
    <message>
        <source>Hide This Window</source>
        <translation>Ukryj to okno</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Przypomnienie</translation>
    </message>
    <message>
        <source>No note chosen: right-click a note and choose Set Reminder.</source>
        <translation>Nie wybrano notatki: kliknij notatkę prawym przyciskiem myszy i wybierz „Ustaw przypomnienie”.</translation>
    </message>
    <message>
        <source>This date cannot be read: set it again.</source>
        <translation>Nie można odczytać tej daty: ustaw ją ponownie.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in a form this desktop does not read. The reminder waits until it is set again; it never goes off early.</source>
        <translation>„%1” ma format, którego ten system nie odczytuje. Przypomnienie czeka na ponowne ustawienie; nigdy nie uruchamia się przedwcześnie.</translation>
    </message>
    <message>
        <source>Reminder [Enabled]</source>
        <translation>Przypomnienie [Enabled]</translation>
    </message>
    <message>
        <source>Reminder [Disabled]</source>
        <translation>Przypomnienie [Disabled]</translation>
    </message>
    <message>
        <source>Disable Reminder</source>
        <translation>Wyłącz przypomnienie</translation>
    </message>
</context>
<context>
    <name>SafeRead</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>to katalog, a nie plik</translation>
    </message>
    <message>
        <source>it is a link, not a plain file</source>
        <translation>to dowiązanie, a nie zwykły plik</translation>
    </message>
    <message>
        <source>it is a device, FIFO or socket, not a file</source>
        <translation>to urządzenie, FIFO lub gniazdo, a nie plik</translation>
    </message>
    <message>
        <source>it is larger than %1, the most Quillarren reads</source>
        <translation>przekracza %1, maksymalny rozmiar odczytywany przez Quillarren</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>the disk quota is used up</source>
        <translation>limit miejsca na dysku został wyczerpany</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>dysk jest tylko do odczytu</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>brak uprawnień</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>katalog nie istnieje</translation>
    </message>
    <message>
        <source>it is a link that another user put in the shared folder %1, and Quillarren does not follow such links</source>
        <translation>to dowiązanie, które inny użytkownik umieścił we współdzielonym katalogu %1, a Quillarren nie podąża za takimi dowiązaniami</translation>
    </message>
    <message>
        <source>the link %1 cannot be followed</source>
        <translation>nie można podążyć za dowiązaniem %1</translation>
    </message>
    <message>
        <source>it is a link that leads to another link, too many times</source>
        <translation>to dowiązanie prowadzące do kolejnego dowiązania, zbyt wiele razy</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>katalog</translation>
    </message>
    <message>
        <source>a FIFO (a pipe)</source>
        <translation>FIFO (potok)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>gniazdo</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>urządzenie</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>coś innego niż zwykły plik</translation>
    </message>
    <message>
        <source>nothing can be written in %1 (%2)</source>
        <translation>nie można niczego zapisać w %1 (%2)</translation>
    </message>
    <message>
        <source>it is %1, and Quillarren writes only plain files</source>
        <translation>to %1, a Quillarren zapisuje tylko zwykłe pliki</translation>
    </message>
    <message>
        <source>it is one of Quillarren&apos;s own files (its notes store, journal, lock or backups); choose another file</source>
        <translation>to jeden z własnych plików Quillarren (baza notatek, dziennik, blokada lub kopie zapasowe); wybierz inny plik</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>dysk jest pełny</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The notes store %1 is empty, and there are backups of your notes. Start Quillarren: it keeps the empty file aside and offers to restore your notes from a backup.</source>
        <translation>Baza notatek %1 jest pusta, a istnieją kopie zapasowe notatek. Uruchom Quillarren: odłoży pusty plik na bok i zaproponuje przywrócenie notatek z kopii zapasowej.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged, or not a file, and could not be moved aside.</source>
        <translation>Baza notatek %1 jest uszkodzona lub nie jest plikiem i nie można jej odłożyć na bok.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged. Start Quillarren: it keeps the damaged file aside and offers to restore your notes from a backup.</source>
        <translation>Baza notatek %1 jest uszkodzona. Uruchom Quillarren: odłoży uszkodzony plik na bok i zaproponuje przywrócenie notatek z kopii zapasowej.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged and could not be moved aside.</source>
        <translation>Baza notatek %1 jest uszkodzona i nie można jej odłożyć na bok.</translation>
    </message>
    <message>
        <source>The notes store %1 cannot be written (%2). Your notes are shown, but changes cannot be kept until it can be written; Quillarren keeps trying.</source>
        <translation>Nie można zapisywać w bazie notatek %1 (%2). Notatki są wyświetlane, ale zmian nie da się zachować, dopóki zapis nie będzie możliwy; Quillarren ponawia próby.</translation>
    </message>
    <message>
        <source>The notes store %1 cannot be read: %2</source>
        <translation>Nie można odczytać bazy notatek %1: %2</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>plik jest tylko do odczytu</translation>
    </message>
    <message>
        <source>no room for a copy of the notes in the temporary folder</source>
        <translation>brak miejsca na kopię notatek w katalogu tymczasowym</translation>
    </message>
    <message>
        <source>the notes could not be copied from %1 (%2)</source>
        <translation>nie można skopiować notatek z %1 (%2)</translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2. Everything you type is kept and saving is retried; please free some space or fix the folder&apos;s permissions.</source>
        <translation>Nie można zapisać notatek w %1, ponieważ %2. Wszystko, co wpisujesz, jest zachowywane, a zapis jest ponawiany; zwolnij trochę miejsca lub popraw uprawnienia katalogu.</translation>
    </message>
    <message>
        <source>cannot open the file</source>
        <translation>nie można otworzyć pliku</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>the file has reached the size this session may write</source>
        <translation>plik osiągnął rozmiar, jaki może zapisać ta sesja</translation>
    </message>
    <message>
        <source>the file or its folder is read-only</source>
        <translation>plik lub jego katalog jest tylko do odczytu</translation>
    </message>
    <message>
        <source>you do not have permission to write it</source>
        <translation>nie masz uprawnień do zapisu tego pliku</translation>
    </message>
    <message>
        <source>another program is holding it</source>
        <translation>jest używany przez inny program</translation>
    </message>
    <message>
        <source>the disk refused the write (%1)</source>
        <translation>dysk odrzucił zapis (%1)</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>Nie można odczytać pliku skórki %1: %2</translation>
    </message>
</context>
<context>
    <name>StoreCopy</name>
    <message>
        <source>out of memory</source>
        <translation>brak pamięci</translation>
    </message>
    <message>
        <source>its table &quot;%1&quot; is not as Quillarren makes it</source>
        <translation>jej tabela „%1” nie jest taka, jaką tworzy Quillarren</translation>
    </message>
    <message>
        <source>it holds a %1 &quot;%2&quot; that Quillarren does not make</source>
        <translation>zawiera obiekt %1 „%2”, którego Quillarren nie tworzy</translation>
    </message>
    <message>
        <source>it holds no notes</source>
        <translation>nie zawiera notatek</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 nie jest plikiem</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged or not a notes store (%2)</source>
        <translation>%1 jest uszkodzony lub nie jest bazą notatek (%2)</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren notes store: %2</source>
        <translation>%1 nie jest bazą notatek Quillarren: %2</translation>
    </message>
    <message>
        <source>a fresh store could not be made at %1</source>
        <translation>nie można utworzyć nowej bazy w %1</translation>
    </message>
    <message>
        <source>the notes could not be copied from %1 (%2)</source>
        <translation>nie można skopiować notatek z %1 (%2)</translation>
    </message>
</context>
<context>
    <name>StoredText</name>
    <message>
        <source>Reminder!</source>
        <translation>Przypomnienie!</translation>
    </message>
</context>
<context>
    <name>SyncLook</name>
    <message>
        <source>%1 is named for a note id that no note can have — left alone.</source>
        <translation>Nazwa pliku %1 odpowiada identyfikatorowi, którego nie może mieć żadna notatka — pozostawiono bez zmian.</translation>
    </message>
    <message>
        <source>%1 — left alone.</source>
        <translation>%1 — pozostawiono bez zmian.</translation>
    </message>
    <message>
        <source>%1 — written again from this computer&apos;s note.</source>
        <translation>%1 — zapisano ponownie na podstawie notatki z tego komputera.</translation>
    </message>
    <message>
        <source>A change from another computer could not be taken in: %1.</source>
        <translation>Nie można przyjąć zmiany z innego komputera: %1.</translation>
    </message>
    <message>
        <source>A note deleted on another computer could not be deleted here: %1.</source>
        <translation>Notatki usuniętej na innym komputerze nie można usunąć tutaj: %1.</translation>
    </message>
    <message>
        <source>A note from another computer could not be added: %1.</source>
        <translation>Nie można dodać notatki z innego komputera: %1.</translation>
    </message>
    <message>
        <source>A note changed on two computers at once could not be kept twice: %1.</source>
        <translation>Notatki zmienionej jednocześnie na dwóch komputerach nie można zachować w dwóch wersjach: %1.</translation>
    </message>
    <message>
        <source>Notes from other computers could not be added: %1.</source>
        <translation>Nie można dodać notatek z innych komputerów: %1.</translation>
    </message>
    <message>
        <source>Quillarren cannot write here: %1. Your notes are kept on this computer; it tries again.</source>
        <translation>Quillarren nie może tu zapisywać: %1. Notatki są przechowywane na tym komputerze; próby będą ponawiane.</translation>
    </message>
</context>
<context>
    <name>SyncedNotes</name>
    <message>
        <source>the note is no longer open</source>
        <translation>notatka nie jest już otwarta</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>New Note</source>
        <translation>Nowa notatka</translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation>Pokaż wszystkie notatki</translation>
    </message>
    <message>
        <source>Find Note…</source>
        <translation>Znajdź notatkę…</translation>
    </message>
    <message>
        <source>Deleted Notes</source>
        <translation>Usunięte notatki</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Kopie zapasowe</translation>
    </message>
    <message>
        <source>Sync Folder…</source>
        <translation>Katalog synchronizacji…</translation>
    </message>
    <message>
        <source>Stop Syncing</source>
        <translation>Zatrzymaj synchronizację</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Uruchamiaj po zalogowaniu</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>No deleted notes</source>
        <translation>Brak usuniętych notatek</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Utwórz kopię zapasową</translation>
    </message>
    <message>
        <source>No backups yet</source>
        <translation>Brak kopii zapasowych</translation>
    </message>
    <message>
        <source>Restore from %1</source>
        <translation>Przywróć kopię z %1</translation>
    </message>
    <message>
        <source>Replace your notes by those of the backup %1? The notes you have now are backed up first, so this can be undone.</source>
        <translation>Zastąpić notatki notatkami z kopii zapasowej %1? Najpierw zostanie utworzona kopia zapasowa obecnych notatek, więc można to cofnąć.</translation>
    </message>
    <message>
        <source>The folder your sync program carries to your other computers</source>
        <translation>Katalog, który program synchronizujący przenosi na pozostałe komputery</translation>
    </message>
    <message numerus="yes">
        <source>Quillarren: %n notes</source>
        <translation>
            <numerusform>Quillarren: %n notatka</numerusform>
            <numerusform>Quillarren: %n notatki</numerusform>
            <numerusform>Quillarren: %n notatek</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quillarren is already running for this user (process %1), but it does not answer. If it is stuck, end it, then start Quillarren again.</source>
        <translation>Quillarren jest już uruchomiony dla tego użytkownika (proces %1), ale nie odpowiada. Jeśli się zawiesił, zakończ go, a następnie ponownie uruchom Quillarren.</translation>
    </message>
    <message>
        <source>%1

Quillarren has changed nothing. Please make the file readable again, then start Quillarren.</source>
        <translation>%1

Quillarren niczego nie zmienił. Przywróć możliwość odczytu pliku, a następnie uruchom Quillarren.</translation>
    </message>
</context>
</TS>
