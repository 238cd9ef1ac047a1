<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AccessibleNoteName</name>
    <message>
        <source>Note text</source>
        <translation>Testo della nota</translation>
    </message>
    <message>
        <source>Note: (empty)</source>
        <translation>Nota: (vuota)</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
</context>
<context>
    <name>AlarmWindow</name>
    <message>
        <source>Reminder Alarm</source>
        <translation>Allarme promemoria</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>Ferma allarme</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Quillarren was not set to start at login: there is no %1</source>
        <translation>Quillarren non era impostato per avviarsi all&apos;accesso: %1 non esiste</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>impossibile rimuovere %1: %2</translation>
    </message>
    <message>
        <source>Quillarren will no longer start at login: removed %1</source>
        <translation>Quillarren non si avvierà più all&apos;accesso: rimosso %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Quillarren will start at login: wrote %1</source>
        <translation>Quillarren si avvierà all&apos;accesso: scritto %1</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>Cannot restore from it: %1. Nothing was changed.</source>
        <translation>Impossibile ripristinare da questo backup: %1. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Backing up the notes you have now…</source>
        <translation>Backup delle note attuali in corso…</translation>
    </message>
    <message>
        <source>The notes you have now could not be backed up first (%1), so nothing was restored.</source>
        <translation>Impossibile eseguire prima il backup delle note attuali (%1), quindi non è stato ripristinato nulla.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>out of memory</source>
        <translation>la memoria è esaurita</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>non è possibile aprire %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>the copy failed: %1</source>
        <translation>la copia non è riuscita: %1</translation>
    </message>
    <message>
        <source>the backups folder %1 cannot be written</source>
        <translation>non è possibile scrivere nella cartella dei backup %1</translation>
    </message>
    <message>
        <source>cannot write in the backups folder %1: %2</source>
        <translation>non è possibile scrivere nella cartella dei backup %1: %2</translation>
    </message>
    <message>
        <source>the backup of %1 failed: %2</source>
        <translation>il backup di %1 non è riuscito: %2</translation>
    </message>
    <message>
        <source>the disk refused it</source>
        <translation>il disco l&apos;ha rifiutato</translation>
    </message>
</context>
<context>
    <name>ChannelProtocol</name>
    <message>
        <source>The running Quillarren gave an answer this one cannot read.</source>
        <translation>Il Quillarren in esecuzione ha dato una risposta che questo non sa leggere.</translation>
    </message>
</context>
<context>
    <name>ChannelServer</name>
    <message>
        <source>no private folder for it</source>
        <translation>non c&apos;è una cartella privata per esso</translation>
    </message>
    <message>
        <source>Later starts of Quillarren cannot reach this one: cannot listen at %1: %2</source>
        <translation>I prossimi avvii di Quillarren non possono raggiungere questa istanza: impossibile restare in ascolto su %1: %2</translation>
    </message>
    <message>
        <source>Waiting for the running Quillarren to finish what it is doing…</source>
        <translation>In attesa che il Quillarren in esecuzione finisca ciò che sta facendo…</translation>
    </message>
    <message>
        <source>Process %1 asked Quillarren more than one command asks (%2 connections, %3 bytes not taken): it is no longer answered.</source>
        <translation>Il processo %1 ha inviato a Quillarren più di quanto invii un comando (%2 connessioni, %3 byte non accettati): non riceve più risposta.</translation>
    </message>
    <message>
        <source>Quillarren could not read the request.</source>
        <translation>Quillarren non è riuscito a leggere la richiesta.</translation>
    </message>
    <message>
        <source>This Quillarren is older and does not know &quot;%1&quot;: quit it, then start Quillarren again.</source>
        <translation>Questo Quillarren è più vecchio e non conosce «%1»: chiudilo, poi avvia di nuovo Quillarren.</translation>
    </message>
</context>
<context>
    <name>ChecklistLines</name>
    <message>
        <source>checked</source>
        <translation>spuntato</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>non spuntato</translation>
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
        <translation>%1 Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Asking the running Quillarren…</source>
        <translation>Interrogazione del Quillarren in esecuzione…</translation>
    </message>
    <message>
        <source>Quillarren is running (process %1) but does not answer. Nothing was changed; if it is stuck, end it and try again.</source>
        <translation>Quillarren è in esecuzione (processo %1), ma non risponde. Non è stato modificato nulla; se è bloccato, chiudilo e riprova.</translation>
    </message>
    <message>
        <source>Sticky notes for the desktop. Without options, brings back your notes, or brings the running ones forward.</source>
        <translation>Note adesive per il desktop. Senza opzioni, riporta le tue note o porta in primo piano quelle già aperte.</translation>
    </message>
    <message>
        <source>Start Quillarren at every login (on), or no longer (off).</source>
        <translation>Avvia Quillarren a ogni accesso (on), o non più (off).</translation>
    </message>
    <message>
        <source>List the deleted notes (kept 30 days).</source>
        <translation>Elenca le note eliminate (conservate per 30 giorni).</translation>
    </message>
    <message>
        <source>Bring a deleted note back.</source>
        <translation>Ripristina una nota eliminata.</translation>
    </message>
    <message>
        <source>List the backups of your notes.</source>
        <translation>Elenca i backup delle tue note.</translation>
    </message>
    <message>
        <source>Replace your notes by a backup&apos;s (they are backed up first).</source>
        <translation>Sostituisci le tue note con quelle di un backup (prima ne viene fatto il backup).</translation>
    </message>
    <message>
        <source>Write the open notes to a file: JSON, or Markdown for a name ending in .md.</source>
        <translation>Scrivi le note aperte in un file: JSON, o Markdown per un nome che termina con .md.</translation>
    </message>
    <message>
        <source>With --export: the deleted notes too.</source>
        <translation>Con --export: anche le note eliminate.</translation>
    </message>
    <message>
        <source>Add the notes of an exported file (those already here are skipped).</source>
        <translation>Aggiungi le note di un file esportato (quelle già presenti vengono saltate).</translation>
    </message>
    <message>
        <source>With --import: a note here whose text differs from the file&apos;s gets the file&apos;s version as a new note beside it.</source>
        <translation>Con --import: una nota presente il cui testo differisce da quello del file riceve la versione del file come nuova nota accanto.</translation>
    </message>
    <message numerus="yes">
        <source>With --import: import more than %n notes at once (each opens as a note).</source>
        <translation>
            <numerusform>Con --import: importa più di %n nota alla volta (ognuna si apre come nota).</numerusform>
            <numerusform>Con --import: importa più di %n note alla volta (ognuna si apre come nota).</numerusform>
        </translation>
    </message>
    <message>
        <source>Open a new note, with the keyboard.</source>
        <translation>Apri una nuova nota, da tastiera.</translation>
    </message>
    <message>
        <source>Bring every note forward, those put away too.</source>
        <translation>Porta in primo piano tutte le note, anche quelle messe da parte.</translation>
    </message>
    <message>
        <source>Open the notes list, to find a note.</source>
        <translation>Apri l&apos;elenco delle note, per trovare una nota.</translation>
    </message>
    <message>
        <source>Show the tray icon (on), or no longer (off).</source>
        <translation>Mostra l&apos;icona nell&apos;area di notifica (on), o non più (off).</translation>
    </message>
    <message>
        <source>Sync the notes through a folder that a sync program carries (Syncthing, Nextcloud); off: no longer.</source>
        <translation>Sincronizza le note tramite una cartella che un programma di sincronizzazione porta sugli altri computer (Syncthing, Nextcloud); off: non più.</translation>
    </message>
    <message>
        <source>%1: Unexpected argument &apos;%2&apos;.</source>
        <translation>%1: argomento inatteso «%2».</translation>
    </message>
    <message>
        <source>%1: --autostart takes on or off, not &apos;%2&apos;.</source>
        <translation>%1: --autostart accetta on o off, non «%2».</translation>
    </message>
    <message>
        <source>%1: --tray takes on or off, not &apos;%2&apos;.</source>
        <translation>%1: --tray accetta on o off, non «%2».</translation>
    </message>
    <message>
        <source>Quillarren is not running.</source>
        <translation>Quillarren non è in esecuzione.</translation>
    </message>
    <message>
        <source>%1: --show needs --history ID.</source>
        <translation>%1: --show richiede --history ID.</translation>
    </message>
    <message>
        <source>With --history: print version N of the note (1 is the newest).</source>
        <translation>Con --history: stampa la versione N della nota (1 è la più recente).</translation>
    </message>
    <message>
        <source>List a note&apos;s earlier versions (its id, or its number: 1 for the first note).</source>
        <translation>Elenca le versioni precedenti di una nota (il suo ID o il suo numero: 1 per la prima nota).</translation>
    </message>
</context>
<context>
    <name>DamageOffer</name>
    <message>
        <source>The notes store %1 could not be read: it is damaged, or not a file. It has been kept as %2 and a new, empty store was started.</source>
        <translation>Impossibile leggere l&apos;archivio delle note %1: è danneggiato o non è un file. È stato conservato come %2 ed è stato creato un nuovo archivio vuoto.</translation>
    </message>
    <message>
        <source>Your notes file was damaged and has been kept as %1. Restore the notes from the backup of %2?</source>
        <translation>Il tuo file delle note era danneggiato ed è stato conservato come %1. Ripristinare le note dal backup del %2?</translation>
    </message>
    <message>
        <source>The notes could not be restored from %1: %2. Quillarren starts with an empty store; the backup is still there.</source>
        <translation>Impossibile ripristinare le note da %1: %2. Quillarren si avvia con un archivio vuoto; il backup è ancora lì.</translation>
    </message>
</context>
<context>
    <name>DesktopProgram</name>
    <message>
        <source>Quillarren: sync</source>
        <translation>Quillarren: sincronizzazione</translation>
    </message>
    <message>
        <source>Your notes could not be backed up: %1. Quillarren tries again in an hour.</source>
        <translation>Impossibile eseguire il backup delle tue note: %1. Quillarren riproverà tra un&apos;ora.</translation>
    </message>
    <message>
        <source>Quillarren: backup failed</source>
        <translation>Quillarren: backup non riuscito</translation>
    </message>
    <message>
        <source>Your notes are backed up in %1.</source>
        <translation>Il backup delle tue note è in %1.</translation>
    </message>
    <message>
        <source>Quillarren: backed up</source>
        <translation>Quillarren: backup eseguito</translation>
    </message>
</context>
<context>
    <name>EmailDialog</name>
    <message>
        <source>E-mail Note</source>
        <translation>Invia nota per email</translation>
    </message>
    <message>
        <source>Enter e-mail recepients</source>
        <translation>Inserisci i destinatari dell&apos;email</translation>
    </message>
    <message>
        <source>Compose</source>
        <translation>Componi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>No mail program is set up on this computer to write this e-mail.

Copy the note&apos;s text, to paste it into a message yourself?</source>
        <translation>Su questo computer non è configurato alcun programma di posta per scrivere questa email.

Copiare il testo della nota per incollarlo tu stesso in un messaggio?</translation>
    </message>
    <message>
        <source>The text could not be copied: the clipboard is busy.</source>
        <translation>Impossibile copiare il testo: gli appunti sono occupati.</translation>
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
in %2 alla riga %3<byte value="xd"/>
<byte value="xd"/>
Invia una schermata di questo messaggio via email a %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Errore dell&apos;applicazione</translation>
    </message>
    <message>
        <source>Unexpected failure</source>
        <translation>Errore imprevisto</translation>
    </message>
</context>
<context>
    <name>FolderScan</name>
    <message>
        <source>%1 holds another note than its name says</source>
        <translation>%1 contiene una nota diversa da quella indicata dal suo nome</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Colore...</translation>
    </message>
</context>
<context>
    <name>HistoryExport</name>
    <message>
        <source>the notes&apos; history is not available, so it was left out</source>
        <translation>la cronologia delle note non è disponibile, quindi è stata omessa</translation>
    </message>
    <message>
        <source>the notes&apos; history, more than %1 MB, was left out (--history ID --show N prints a version; a backup holds them all)</source>
        <translation>la cronologia delle note, oltre %1 MB, è stata omessa (--history ID --show N stampa una versione; un backup le contiene tutte)</translation>
    </message>
</context>
<context>
    <name>HistoryKeeper</name>
    <message>
        <source>Quillarren: note history</source>
        <translation>Quillarren: cronologia delle note</translation>
    </message>
    <message>
        <source>The history of the notes is not available this time.</source>
        <translation>La cronologia delle note non è disponibile questa volta.</translation>
    </message>
</context>
<context>
    <name>HistoryVerbs</name>
    <message>
        <source>The history of the notes is not available (see the message at start-up).</source>
        <translation>La cronologia delle note non è disponibile (vedi il messaggio all&apos;avvio).</translation>
    </message>
    <message>
        <source>No note has the id or number &apos;%1&apos;.</source>
        <translation>Nessuna nota ha l&apos;ID o il numero «%1».</translation>
    </message>
    <message>
        <source>Note %1 has no earlier versions.
</source>
        <translation>La nota %1 non ha versioni precedenti.
</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n byte</numerusform>
        </translation>
    </message>
    <message>
        <source>Note %1 has no version %2; it has %3 (--history %4 lists them).</source>
        <translation>La nota %1 non ha la versione %2; ne ha %3 (--history %4 le elenca).</translation>
    </message>
    <message>
        <source>Version %1 of note %2 could not be read.</source>
        <translation>Impossibile leggere la versione %1 della nota %2.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n byte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>Note History</source>
        <translation>Cronologia della nota</translation>
    </message>
    <message>
        <source>Note History: %1</source>
        <translation>Cronologia della nota: %1</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Versioni</translation>
    </message>
    <message>
        <source>Text of the chosen version</source>
        <translation>Testo della versione scelta</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Ripristina questa versione</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>(lines removed at the end)</source>
        <translation>(righe rimosse alla fine)</translation>
    </message>
    <message>
        <source>This note has no earlier versions yet.</source>
        <translation>Questa nota non ha ancora versioni precedenti.</translation>
    </message>
    <message>
        <source>Same as the note now.</source>
        <translation>Uguale alla nota attuale.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) differ from the note now (marked).</source>
        <translation>
            <numerusform>%n riga è diversa dalla nota attuale (evidenziata).</numerusform>
            <numerusform>%n righe sono diverse dalla nota attuale (evidenziate).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>The note could not be saved to %1: %2</source>
        <translation>Impossibile salvare la nota in %1: %2</translation>
    </message>
</context>
<context>
    <name>NoteFields</name>
    <message>
        <source>&quot;%1&quot; is not text</source>
        <translation>«%1» non è testo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not true or false</source>
        <translation>«%1» non è né true né false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>«%1» non è un numero</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>«%1» non è un numero intero</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an object</source>
        <translation>«%1» non è un oggetto</translation>
    </message>
    <message>
        <source>&quot;deleted&quot; is not a date</source>
        <translation>«deleted» non è una data</translation>
    </message>
    <message>
        <source>note %1</source>
        <translation>nota %1</translation>
    </message>
    <message>
        <source>note %1 (&quot;%2&quot;)</source>
        <translation>nota %1 («%2»)</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>%1 is not a whole Quillarren notes file: it breaks off or is damaged at byte %2 (%3)</source>
        <translation>%1 non è un file di note di Quillarren completo: si interrompe o è danneggiato al byte %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is not a whole Quillarren note: it breaks off or is damaged at byte %2 (%3)</source>
        <translation>%1 non è una nota di Quillarren completa: si interrompe o è danneggiata al byte %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren notes file</source>
        <translation>%1 non è un file di note di Quillarren</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren note</source>
        <translation>%1 non è una nota di Quillarren</translation>
    </message>
    <message>
        <source>%1 has an invalid format version (%2), so it is not a Quillarren notes file that can be read</source>
        <translation>%1 ha una versione di formato non valida (%2), quindi non è un file di note di Quillarren leggibile</translation>
    </message>
    <message>
        <source>%1 has an invalid format version (%2), so it is not a Quillarren note that can be read</source>
        <translation>%1 ha una versione di formato non valida (%2), quindi non è una nota di Quillarren leggibile</translation>
    </message>
    <message>
        <source>%1 was written by a newer Quillarren (its format version is %2; this one reads version %3 and older)</source>
        <translation>%1 è stato scritto da un Quillarren più recente (la sua versione di formato è %2; questo legge la versione %3 e precedenti)</translation>
    </message>
    <message>
        <source>it is not a note</source>
        <translation>l&apos;elemento non è una nota</translation>
    </message>
    <message>
        <source>%1 is damaged: in its deleted %2, %3</source>
        <translation>%1 è danneggiato: tra le note eliminate, nella %2, %3</translation>
    </message>
    <message>
        <source>%1 is damaged: in its %2, %3</source>
        <translation>%1 è danneggiato: nella %2, %3</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 è danneggiato: %2</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren note (it names no note, or another one)</source>
        <translation>%1 non è una nota di Quillarren (non indica nessuna nota, o ne indica un&apos;altra)</translation>
    </message>
</context>
<context>
    <name>NoteHistory</name>
    <message>
        <source>The history of your notes could not be opened in %1; no versions are kept this time. Your notes are as they were.</source>
        <translation>Impossibile aprire la cronologia delle tue note in %1; questa volta non vengono conservate versioni. Le tue note sono rimaste come erano.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 is damaged (%2); it is left aside and no versions are kept until it is mended. Your notes are as they were.</source>
        <translation>La cronologia delle tue note in %1 è danneggiata (%2); viene messa da parte e non vengono conservate versioni finché non viene riparata. Le tue note sono rimaste come erano.</translation>
    </message>
    <message>
        <source>The history of your notes could not be started in %1 (%2); no versions are kept this time. Your notes are as they were.</source>
        <translation>Impossibile avviare la cronologia delle tue note in %1 (%2); questa volta non vengono conservate versioni. Le tue note sono rimaste come erano.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 is not as Quillarren keeps it and could not be set aside (%2); no versions are kept this time. Your notes are as they were.</source>
        <translation>La cronologia delle tue note in %1 non è come la tiene Quillarren e non è stato possibile metterla da parte (%2); questa volta non vengono conservate versioni. Le tue note sono rimaste come erano.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 was not as Quillarren keeps it: it is kept in %2, and a new history is started. Your notes are as they were.</source>
        <translation>La cronologia delle tue note in %1 non era come la tiene Quillarren: è conservata in %2 e viene avviata una nuova cronologia. Le tue note sono rimaste come erano.</translation>
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
        <translation>, in «Note eliminate»</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Set Reminder</source>
        <translation>Imposta promemoria</translation>
    </message>
    <message>
        <source>Create New Note</source>
        <translation>Crea nuova nota</translation>
    </message>
    <message>
        <source>Delete This Note</source>
        <translation>Elimina questa nota</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Carattere...</translation>
    </message>
    <message>
        <source>Color...</source>
        <translation>Colore...</translation>
    </message>
    <message>
        <source>Email Note</source>
        <translation>Invia nota per email</translation>
    </message>
    <message>
        <source>Save Note to File</source>
        <translation>Salva nota su file</translation>
    </message>
    <message>
        <source>Insert Date</source>
        <translation>Inserisci data</translation>
    </message>
    <message>
        <source>Insert Time</source>
        <translation>Inserisci ora</translation>
    </message>
    <message>
        <source>Default Translucency</source>
        <translation>Trasparenza predefinita</translation>
    </message>
    <message>
        <source>Increase Translucency</source>
        <translation>Aumenta trasparenza</translation>
    </message>
    <message>
        <source>Decrease Translucency</source>
        <translation>Riduci trasparenza</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Sempre in primo piano</translation>
    </message>
    <message>
        <source>Email Author Suggestions / Bugs</source>
        <translation>Invia suggerimenti / bug all&apos;autore</translation>
    </message>
    <message>
        <source>Goto %1</source>
        <translation>Vai a %1</translation>
    </message>
    <message>
        <source>Quit (Remove All Notes)</source>
        <translation>Esci (chiudi tutte le note)</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Lista di controllo</translation>
    </message>
    <message>
        <source>Note History…</source>
        <translation>Cronologia della nota…</translation>
    </message>
</context>
<context>
    <name>NoteSync</name>
    <message>
        <source>Quillarren no longer syncs its notes through a folder; the notes stay as they are.</source>
        <translation>Quillarren non sincronizza più le note tramite una cartella; le note restano come sono.</translation>
    </message>
    <message>
        <source>%1 is not a folder: syncing is left as it was.</source>
        <translation>%1 non è una cartella: la sincronizzazione resta com&apos;era.</translation>
    </message>
    <message>
        <source>Quillarren syncs its notes through %1: one file per note, which the program that syncs the folder carries to your other computers.</source>
        <translation>Quillarren sincronizza le note tramite %1: un file per nota, che il programma che sincronizza la cartella porta sugli altri tuoi computer.</translation>
    </message>
    <message>
        <source>Syncing waits until it is back; your notes are kept here as they are.</source>
        <translation>La sincronizzazione attende che torni disponibile; le tue note restano qui come sono.</translation>
    </message>
    <message>
        <source>If the folder is right as it is now, choose it again (Sync Folder… in the tray menu, or quillarren --sync-folder) and syncing goes on.</source>
        <translation>Se la cartella è corretta così com&apos;è ora, sceglila di nuovo («Cartella di sincronizzazione…» nel menu dell&apos;area di notifica, oppure quillarren --sync-folder) e la sincronizzazione riprende.</translation>
    </message>
    <message>
        <source>The sync folder %1 is back: syncing goes on.</source>
        <translation>La cartella di sincronizzazione %1 è di nuovo disponibile: la sincronizzazione riprende.</translation>
    </message>
    <message>
        <source>The sync folder %1 is not there (is its disk unmounted?). %2</source>
        <translation>La cartella di sincronizzazione %1 non c&apos;è (il suo disco è stato smontato?). %2</translation>
    </message>
    <message>
        <source>The sync folder %1 holds none of your notes&apos; files any more (is its disk unmounted?). %2 %3</source>
        <translation>La cartella di sincronizzazione %1 non contiene più nessuno dei file delle tue note (il suo disco è stato smontato?). %2 %3</translation>
    </message>
    <message>
        <source>The sync folder %1 is on another disk than before (was its disk unmounted, or another mounted there?). %2 %3</source>
        <translation>La cartella di sincronizzazione %1 si trova su un disco diverso da prima (il suo disco è stato smontato, o ne è stato montato un altro al suo posto?). %2 %3</translation>
    </message>
    <message>
        <source>In the sync folder %1:</source>
        <translation>Nella cartella di sincronizzazione %1:</translation>
    </message>
</context>
<context>
    <name>NoteVerbs</name>
    <message>
        <source>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</source>
        <translation>Quillarren sta ancora aprendo o sostituendo note; non è stato modificato nulla. Riprova tra un momento.</translation>
    </message>
    <message>
        <source>There are no deleted notes.</source>
        <translation>Non ci sono note eliminate.</translation>
    </message>
    <message>
        <source>Deleted notes, newest first (each is kept 30 days; quillarren --restore ID brings one back):</source>
        <translation>Note eliminate, dalla più recente (ognuna è conservata per 30 giorni; quillarren --restore ID ne ripristina una):</translation>
    </message>
    <message>
        <source>There is no deleted note with the id %1 (quillarren --deleted lists them).</source>
        <translation>Non esiste una nota eliminata con l&apos;ID %1 (quillarren --deleted le elenca).</translation>
    </message>
    <message>
        <source>The note %1 is open already.</source>
        <translation>La nota %1 è già aperta.</translation>
    </message>
    <message>
        <source>The note %1 could not be restored, because %2. Nothing was changed.</source>
        <translation>Impossibile ripristinare la nota %1, perché %2. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Restored the note %1.</source>
        <translation>Nota %1 ripristinata.</translation>
    </message>
    <message>
        <source>There are no backups yet in %1.</source>
        <translation>Non ci sono ancora backup in %1.</translation>
    </message>
    <message>
        <source>Backups, newest first (quillarren --restore-backup FILE restores one):</source>
        <translation>Backup, dal più recente (quillarren --restore-backup FILE ne ripristina uno):</translation>
    </message>
    <message>
        <source>  (dated ahead of now)</source>
        <translation>  (con data futura)</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>Ripristino in corso…</translation>
    </message>
    <message>
        <source>The notes could not be restored: %1. Nothing was changed.</source>
        <translation>Impossibile ripristinare le note: %1. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Restored your notes from %1. The notes you had before are kept in the backup %2.</source>
        <translation>Le tue note sono state ripristinate da %1. Le note che avevi prima sono conservate nel backup %2.</translation>
    </message>
    <message numerus="yes">
        <source>Exporting %n notes…</source>
        <translation>
            <numerusform>Esportazione di %n nota…</numerusform>
            <numerusform>Esportazione di %n note…</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1: %2. Nothing was changed.</source>
        <translation>Impossibile scrivere %1: %2. Non è stato modificato nulla.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n notes to %1</source>
        <translation>
            <numerusform>Esportata %n nota in %1</numerusform>
            <numerusform>Esportate %n note in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, and %n deleted notes</source>
        <translation>
            <numerusform>, e %n nota eliminata</numerusform>
            <numerusform>, e %n note eliminate</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Nothing was imported.</source>
        <translation>%1. Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>Non è stato importato nulla da %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n notes that are not here yet, more than the %2 an import opens without asking: each opens as a note on your desktop at every start. To import them all, add --allow-many. Nothing was imported.</source>
        <translation>
            <numerusform>%1 contiene %n nota non ancora presente, più delle %2 che un&apos;importazione apre senza chiedere: ognuna si apre come nota sul tuo desktop a ogni avvio. Per importarle tutte, aggiungi --allow-many. Non è stato importato nulla.</numerusform>
            <numerusform>%1 contiene %n note non ancora presenti, più delle %2 che un&apos;importazione apre senza chiedere: ognuna si apre come nota sul tuo desktop a ogni avvio. Per importarle tutte, aggiungi --allow-many. Non è stato importato nulla.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Importing %n notes…</source>
        <translation>
            <numerusform>Importazione di %n nota…</numerusform>
            <numerusform>Importazione di %n note…</numerusform>
        </translation>
    </message>
    <message>
        <source>The notes could not be imported, because %1. Nothing was imported.</source>
        <translation>Impossibile importare le note, perché %1. Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>Waiting for an answer in Quillarren…</source>
        <translation>In attesa di una risposta da Quillarren…</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n notes that are not here yet. Each opens as a note on your desktop, now and at every start. Import them all?</source>
        <translation>
            <numerusform>%1 contiene %n nota non ancora presente. Si aprirà come nota sul tuo desktop, ora e a ogni avvio. Importarla?</numerusform>
            <numerusform>%1 contiene %n note non ancora presenti. Ognuna si aprirà come nota sul tuo desktop, ora e a ogni avvio. Importarle tutte?</numerusform>
        </translation>
    </message>
    <message>
        <source>Quillarren: import</source>
        <translation>Quillarren: importazione</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n notes from %1</source>
        <translation>
            <numerusform>Importata %n nota da %1</numerusform>
            <numerusform>Importate %n note da %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n of them as new notes beside those here with other text)</source>
        <translation>
            <numerusform> (di cui %n come nuova nota accanto a quella presente con testo diverso)</numerusform>
            <numerusform> (di cui %n come nuove note accanto a quelle presenti con testo diverso)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n were here already</source>
        <translation>
            <numerusform>; %n era già presente</numerusform>
            <numerusform>; %n erano già presenti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n deleted notes went to Deleted Notes</source>
        <translation>
            <numerusform>; %n nota eliminata è stata messa in «Note eliminate»</numerusform>
            <numerusform>; %n note eliminate sono state messe in «Note eliminate»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n notes here have other text than in the file and were left as they are: %1.
To add the file&apos;s versions as new notes beside them: quillarren --import %2 --as-new</source>
        <translation>
            <numerusform>
%n nota presente ha un testo diverso da quello del file ed è stata lasciata com&apos;era: %1.
Per aggiungere la versione del file come nuova nota accanto: quillarren --import %2 --as-new</numerusform>
            <numerusform>
%n note presenti hanno un testo diverso da quello del file e sono state lasciate com&apos;erano: %1.
Per aggiungere le versioni del file come nuove note accanto: quillarren --import %2 --as-new</numerusform>
        </translation>
    </message>
    <message>
        <source>The choice could not be stored, because %1.</source>
        <translation>Impossibile memorizzare la scelta, perché %1.</translation>
    </message>
    <message>
        <source>Quillarren shows its icon in the tray.</source>
        <translation>Quillarren mostra la sua icona nell&apos;area di notifica.</translation>
    </message>
    <message>
        <source>Quillarren no longer shows an icon in the tray; quillarren --tray on brings it back.</source>
        <translation>Quillarren non mostra più un&apos;icona nell&apos;area di notifica; quillarren --tray on la ripristina.</translation>
    </message>
    <message>
        <source>%1 is not a folder; nothing was changed.</source>
        <translation>%1 non è una cartella; non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Quillarren will not sync its notes through a folder.</source>
        <translation>Quillarren non sincronizzerà le note tramite una cartella.</translation>
    </message>
    <message>
        <source>Quillarren will sync its notes through %1 from its next start.</source>
        <translation>Quillarren sincronizzerà le note tramite %1 dal prossimo avvio.</translation>
    </message>
    <message>
        <source>, with their history</source>
        <translation>, con la loro cronologia</translation>
    </message>
</context>
<context>
    <name>NoteWindow</name>
    <message>
        <source>You can expand this note by dragging the bottom and right edges</source>
        <translation>Puoi ingrandire questa nota trascinandone i bordi inferiore e destro</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valore di proprietà non valido</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</source>
        <translation>Quillarren sta ancora aprendo o sostituendo note; non è stato modificato nulla. Riprova tra un momento.</translation>
    </message>
    <message>
        <source>There is no deleted note with the id %1 (quillarren --deleted lists them).</source>
        <translation>Non esiste una nota eliminata con l&apos;ID %1 (quillarren --deleted le elenca).</translation>
    </message>
    <message>
        <source>The note %1 is open already.</source>
        <translation>La nota %1 è già aperta.</translation>
    </message>
    <message>
        <source>The note %1 could not be restored, because %2. Nothing was changed.</source>
        <translation>Impossibile ripristinare la nota %1, perché %2. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Restored the note %1.</source>
        <translation>Nota %1 ripristinata.</translation>
    </message>
    <message>
        <source>Quillarren is quitting; nothing was changed.</source>
        <translation>Quillarren sta per chiudersi; non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>Ripristino in corso…</translation>
    </message>
    <message>
        <source>The notes could not be restored: %1. Nothing was changed.</source>
        <translation>Impossibile ripristinare le note: %1. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Restored your notes from %1. The notes you had before are kept in the backup %2.</source>
        <translation>Le tue note sono state ripristinate da %1. Le note che avevi prima sono conservate nel backup %2.</translation>
    </message>
    <message>
        <source>Quillarren: notes restored</source>
        <translation>Quillarren: note ripristinate</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>This is the last note. Would you like to quit?</source>
        <translation>Questa è l&apos;ultima nota. Vuoi uscire?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Uscire?</translation>
    </message>
    <message>
        <source>The note could not be moved to Deleted Notes, because %1. It stays open; nothing was deleted.</source>
        <translation>Impossibile spostare la nota in «Note eliminate», perché %1. La nota resta aperta; non è stato eliminato nulla.</translation>
    </message>
    <message>
        <source>Quillarren is quitting</source>
        <translation>Quillarren sta per chiudersi</translation>
    </message>
    <message>
        <source>there would be more notes than Quillarren can keep</source>
        <translation>ci sarebbero più note di quante Quillarren ne possa conservare</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1 of %n notes…</source>
        <translation>
            <numerusform>Apertura nota: %1 di %n…</numerusform>
            <numerusform>Apertura note: %1 di %n…</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotesList</name>
    <message>
        <source>Find Note</source>
        <translation>Cerca nota</translation>
    </message>
    <message>
        <source>&amp;Find in your notes:</source>
        <translation>&amp;Cerca nelle tue note:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Note &amp;History…</source>
        <translation>Cr&amp;onologia della nota…</translation>
    </message>
</context>
<context>
    <name>NotesListModel</name>
    <message>
        <source>(empty note)</source>
        <translation>(nota vuota)</translation>
    </message>
    <message>
        <source>  (put away)</source>
        <translation>  (messa da parte)</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Quillarren: notes not saved</source>
        <translation>Quillarren: note non salvate</translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2.

Quillarren stays open until they are saved, so that nothing you typed is lost. Free some space or fix the folder, then press Retry. Cancel keeps your notes open; saving goes on being retried.</source>
        <translation>Impossibile salvare le tue note in %1, perché %2.

Quillarren resta aperto finché non saranno salvate, in modo che nulla di ciò che hai scritto vada perso. Libera un po&apos; di spazio o correggi la cartella, poi premi «Riprova». «Annulla» lascia aperte le tue note; il salvataggio continua a essere ritentato.</translation>
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
        <translation>Copia testo</translation>
    </message>
</context>
<context>
    <name>QtSound</name>
    <message>
        <source>it was built for another version of Quillarren</source>
        <translation>è stato compilato per un&apos;altra versione di Quillarren</translation>
    </message>
    <message>
        <source>Alarms will be silent: the sound plugin %1 cannot be used: %2</source>
        <translation>Gli allarmi saranno muti: impossibile usare il plugin audio %1: %2</translation>
    </message>
</context>
<context>
    <name>ReminderDialog</name>
    <message>
        <source>Time for Reminder to Go Off:</source>
        <translation>Ora del promemoria:</translation>
    </message>
    <message>
        <source>Default: 10 mins from now.</source>
        <translation>Predefinito: tra 10 minuti.</translation>
    </message>
    <message>
        <source>Date for Reminder to Go Off:</source>
        <translation>Data del promemoria:</translation>
    </message>
    <message>
        <source>Set Reminder</source>
        <translation>Imposta promemoria</translation>
    </message>
    <message>
        <source>Hide This Window</source>
        <translation>Nascondi questa finestra</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Promemoria</translation>
    </message>
    <message>
        <source>No note chosen: right-click a note and choose Set Reminder.</source>
        <translation>Nessuna nota scelta: fai clic destro su una nota e scegli «Imposta promemoria».</translation>
    </message>
    <message>
        <source>This date cannot be read: set it again.</source>
        <translation>Impossibile leggere questa data: impostala di nuovo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in a form this desktop does not read. The reminder waits until it is set again; it never goes off early.</source>
        <translation>«%1» è in un formato che questo sistema non sa leggere. Il promemoria attende finché non viene impostato di nuovo; non scatta mai in anticipo.</translation>
    </message>
    <message>
        <source>Reminder [Enabled]</source>
        <translation>Promemoria [Enabled]</translation>
    </message>
    <message>
        <source>Reminder [Disabled]</source>
        <translation>Promemoria [Disabled]</translation>
    </message>
    <message>
        <source>Disable Reminder</source>
        <translation>Disattiva promemoria</translation>
    </message>
</context>
<context>
    <name>SafeRead</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>è una cartella, non un file</translation>
    </message>
    <message>
        <source>it is a link, not a plain file</source>
        <translation>è un collegamento, non un file normale</translation>
    </message>
    <message>
        <source>it is a device, FIFO or socket, not a file</source>
        <translation>è un dispositivo, una FIFO o un socket, non un file</translation>
    </message>
    <message>
        <source>it is larger than %1, the most Quillarren reads</source>
        <translation>il file supera %1, il massimo che Quillarren legge</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>the disk quota is used up</source>
        <translation>la quota del disco è esaurita</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>il disco è in sola lettura</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>l&apos;accesso è stato negato</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la cartella non esiste</translation>
    </message>
    <message>
        <source>it is a link that another user put in the shared folder %1, and Quillarren does not follow such links</source>
        <translation>è un collegamento che un altro utente ha messo nella cartella condivisa %1, e Quillarren non segue questi collegamenti</translation>
    </message>
    <message>
        <source>the link %1 cannot be followed</source>
        <translation>non è possibile seguire il collegamento %1</translation>
    </message>
    <message>
        <source>it is a link that leads to another link, too many times</source>
        <translation>è un collegamento che porta a un altro collegamento, troppe volte</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>a FIFO (a pipe)</source>
        <translation>è una FIFO (una pipe)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>è un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>è un dispositivo</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>nothing can be written in %1 (%2)</source>
        <translation>non è possibile scrivere nulla in %1 (%2)</translation>
    </message>
    <message>
        <source>it is %1, and Quillarren writes only plain files</source>
        <translation>%1, e Quillarren scrive solo file normali</translation>
    </message>
    <message>
        <source>it is one of Quillarren&apos;s own files (its notes store, journal, lock or backups); choose another file</source>
        <translation>è uno dei file di Quillarren stesso (il suo archivio delle note, journal, lock o backup); scegli un altro file</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The notes store %1 is empty, and there are backups of your notes. Start Quillarren: it keeps the empty file aside and offers to restore your notes from a backup.</source>
        <translation>L&apos;archivio delle note %1 è vuoto e ci sono backup delle tue note. Avvia Quillarren: metterà da parte il file vuoto e proporrà di ripristinare le note da un backup.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged, or not a file, and could not be moved aside.</source>
        <translation>L&apos;archivio delle note %1 è danneggiato o non è un file, e non è stato possibile metterlo da parte.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged. Start Quillarren: it keeps the damaged file aside and offers to restore your notes from a backup.</source>
        <translation>L&apos;archivio delle note %1 è danneggiato. Avvia Quillarren: metterà da parte il file danneggiato e proporrà di ripristinare le note da un backup.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged and could not be moved aside.</source>
        <translation>L&apos;archivio delle note %1 è danneggiato e non è stato possibile metterlo da parte.</translation>
    </message>
    <message>
        <source>The notes store %1 cannot be written (%2). Your notes are shown, but changes cannot be kept until it can be written; Quillarren keeps trying.</source>
        <translation>Impossibile scrivere nell&apos;archivio delle note %1 (%2). Le tue note sono visualizzate, ma le modifiche non possono essere conservate finché non sarà di nuovo scrivibile; Quillarren continua a riprovare.</translation>
    </message>
    <message>
        <source>The notes store %1 cannot be read: %2</source>
        <translation>Impossibile leggere l&apos;archivio delle note %1: %2</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>il file è in sola lettura</translation>
    </message>
    <message>
        <source>no room for a copy of the notes in the temporary folder</source>
        <translation>non c&apos;è spazio per una copia delle note nella cartella temporanea</translation>
    </message>
    <message>
        <source>the notes could not be copied from %1 (%2)</source>
        <translation>non è stato possibile copiare le note da %1 (%2)</translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2. Everything you type is kept and saving is retried; please free some space or fix the folder&apos;s permissions.</source>
        <translation>Impossibile salvare le tue note in %1, perché %2. Tutto ciò che scrivi viene conservato e il salvataggio viene ritentato; libera un po&apos; di spazio o correggi i permessi della cartella.</translation>
    </message>
    <message>
        <source>cannot open the file</source>
        <translation>non è possibile aprire il file</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>the file has reached the size this session may write</source>
        <translation>il file ha raggiunto la dimensione che questa sessione può scrivere</translation>
    </message>
    <message>
        <source>the file or its folder is read-only</source>
        <translation>il file o la sua cartella è in sola lettura</translation>
    </message>
    <message>
        <source>you do not have permission to write it</source>
        <translation>non hai i permessi per scriverlo</translation>
    </message>
    <message>
        <source>another program is holding it</source>
        <translation>un altro programma lo sta usando</translation>
    </message>
    <message>
        <source>the disk refused the write (%1)</source>
        <translation>il disco ha rifiutato la scrittura (%1)</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>Impossibile leggere il file della skin %1: %2</translation>
    </message>
</context>
<context>
    <name>StoreCopy</name>
    <message>
        <source>out of memory</source>
        <translation>la memoria è esaurita</translation>
    </message>
    <message>
        <source>its table &quot;%1&quot; is not as Quillarren makes it</source>
        <translation>la sua tabella «%1» non è come la crea Quillarren</translation>
    </message>
    <message>
        <source>it holds a %1 &quot;%2&quot; that Quillarren does not make</source>
        <translation>contiene un oggetto di tipo %1 («%2») che Quillarren non crea</translation>
    </message>
    <message>
        <source>it holds no notes</source>
        <translation>non contiene note</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 non è un file</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>non è possibile aprire %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged or not a notes store (%2)</source>
        <translation>%1 è danneggiato o non è un archivio di note (%2)</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren notes store: %2</source>
        <translation>%1 non è un archivio di note di Quillarren: %2</translation>
    </message>
    <message>
        <source>a fresh store could not be made at %1</source>
        <translation>non è stato possibile creare un nuovo archivio in %1</translation>
    </message>
    <message>
        <source>the notes could not be copied from %1 (%2)</source>
        <translation>non è stato possibile copiare le note da %1 (%2)</translation>
    </message>
</context>
<context>
    <name>StoredText</name>
    <message>
        <source>Reminder!</source>
        <translation>Promemoria!</translation>
    </message>
</context>
<context>
    <name>SyncLook</name>
    <message>
        <source>%1 is named for a note id that no note can have — left alone.</source>
        <translation>%1 ha il nome di un ID di nota che nessuna nota può avere — lasciato com&apos;è.</translation>
    </message>
    <message>
        <source>%1 — left alone.</source>
        <translation>%1 — lasciato com&apos;è.</translation>
    </message>
    <message>
        <source>%1 — written again from this computer&apos;s note.</source>
        <translation>%1 — riscritto dalla nota di questo computer.</translation>
    </message>
    <message>
        <source>A change from another computer could not be taken in: %1.</source>
        <translation>Impossibile recepire una modifica da un altro computer: %1.</translation>
    </message>
    <message>
        <source>A note deleted on another computer could not be deleted here: %1.</source>
        <translation>Impossibile eliminare qui una nota eliminata su un altro computer: %1.</translation>
    </message>
    <message>
        <source>A note from another computer could not be added: %1.</source>
        <translation>Impossibile aggiungere una nota da un altro computer: %1.</translation>
    </message>
    <message>
        <source>A note changed on two computers at once could not be kept twice: %1.</source>
        <translation>Impossibile conservare in doppio una nota modificata contemporaneamente su due computer: %1.</translation>
    </message>
    <message>
        <source>Notes from other computers could not be added: %1.</source>
        <translation>Impossibile aggiungere le note da altri computer: %1.</translation>
    </message>
    <message>
        <source>Quillarren cannot write here: %1. Your notes are kept on this computer; it tries again.</source>
        <translation>Quillarren non può scrivere qui: %1. Le tue note sono conservate su questo computer; riproverà.</translation>
    </message>
</context>
<context>
    <name>SyncedNotes</name>
    <message>
        <source>the note is no longer open</source>
        <translation>la nota non è più aperta</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>New Note</source>
        <translation>Nuova nota</translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation>Mostra tutte le note</translation>
    </message>
    <message>
        <source>Find Note…</source>
        <translation>Cerca nota…</translation>
    </message>
    <message>
        <source>Deleted Notes</source>
        <translation>Note eliminate</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Sync Folder…</source>
        <translation>Cartella di sincronizzazione…</translation>
    </message>
    <message>
        <source>Stop Syncing</source>
        <translation>Interrompi sincronizzazione</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Avvia all&apos;accesso</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>No deleted notes</source>
        <translation>Nessuna nota eliminata</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Esegui backup ora</translation>
    </message>
    <message>
        <source>No backups yet</source>
        <translation>Ancora nessun backup</translation>
    </message>
    <message>
        <source>Restore from %1</source>
        <translation>Ripristina il backup del %1</translation>
    </message>
    <message>
        <source>Replace your notes by those of the backup %1? The notes you have now are backed up first, so this can be undone.</source>
        <translation>Sostituire le tue note con quelle del backup %1? Prima viene eseguito un backup delle note attuali, quindi l&apos;operazione si può annullare.</translation>
    </message>
    <message>
        <source>The folder your sync program carries to your other computers</source>
        <translation>La cartella che il tuo programma di sincronizzazione porta sugli altri tuoi computer</translation>
    </message>
    <message numerus="yes">
        <source>Quillarren: %n notes</source>
        <translation>
            <numerusform>Quillarren: %n nota</numerusform>
            <numerusform>Quillarren: %n note</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quillarren is already running for this user (process %1), but it does not answer. If it is stuck, end it, then start Quillarren again.</source>
        <translation>Quillarren è già in esecuzione per questo utente (processo %1), ma non risponde. Se è bloccato, chiudilo e poi avvia di nuovo Quillarren.</translation>
    </message>
    <message>
        <source>%1

Quillarren has changed nothing. Please make the file readable again, then start Quillarren.</source>
        <translation>%1

Quillarren non ha modificato nulla. Rendi di nuovo leggibile il file, poi avvia Quillarren.</translation>
    </message>
</context>
</TS>
