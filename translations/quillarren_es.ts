<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AccessibleNoteName</name>
    <message>
        <source>Note text</source>
        <translation>Texto de la nota</translation>
    </message>
    <message>
        <source>Note: (empty)</source>
        <translation>Nota: (vacía)</translation>
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
        <translation>Alarma del recordatorio</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>Detener alarma</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Quillarren was not set to start at login: there is no %1</source>
        <translation>Quillarren no estaba configurado para abrirse al iniciar sesión: no existe %1</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>no se puede eliminar %1: %2</translation>
    </message>
    <message>
        <source>Quillarren will no longer start at login: removed %1</source>
        <translation>Quillarren ya no se abrirá al iniciar sesión: se eliminó %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Quillarren will start at login: wrote %1</source>
        <translation>Quillarren se abrirá al iniciar sesión: se escribió %1</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>Cannot restore from it: %1. Nothing was changed.</source>
        <translation>No se puede restaurar desde ella: %1. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Backing up the notes you have now…</source>
        <translation>Haciendo una copia de seguridad de las notas actuales…</translation>
    </message>
    <message>
        <source>The notes you have now could not be backed up first (%1), so nothing was restored.</source>
        <translation>No se pudo hacer antes una copia de seguridad de las notas actuales (%1), así que no se ha restaurado nada.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>out of memory</source>
        <translation>no hay memoria suficiente</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>the copy failed: %1</source>
        <translation>la copia falló: %1</translation>
    </message>
    <message>
        <source>the backups folder %1 cannot be written</source>
        <translation>no se puede escribir en la carpeta de copias de seguridad %1</translation>
    </message>
    <message>
        <source>cannot write in the backups folder %1: %2</source>
        <translation>no se puede escribir en la carpeta de copias de seguridad %1: %2</translation>
    </message>
    <message>
        <source>the backup of %1 failed: %2</source>
        <translation>la copia de seguridad de %1 falló: %2</translation>
    </message>
    <message>
        <source>the disk refused it</source>
        <translation>el disco lo rechazó</translation>
    </message>
</context>
<context>
    <name>ChannelProtocol</name>
    <message>
        <source>The running Quillarren gave an answer this one cannot read.</source>
        <translation>El Quillarren en ejecución dio una respuesta que este no puede leer.</translation>
    </message>
</context>
<context>
    <name>ChannelServer</name>
    <message>
        <source>no private folder for it</source>
        <translation>no hay una carpeta privada para ello</translation>
    </message>
    <message>
        <source>Later starts of Quillarren cannot reach this one: cannot listen at %1: %2</source>
        <translation>Los siguientes inicios de Quillarren no pueden comunicarse con este: no se puede escuchar en %1: %2</translation>
    </message>
    <message>
        <source>Waiting for the running Quillarren to finish what it is doing…</source>
        <translation>Esperando a que el Quillarren en ejecución termine lo que está haciendo…</translation>
    </message>
    <message>
        <source>Process %1 asked Quillarren more than one command asks (%2 connections, %3 bytes not taken): it is no longer answered.</source>
        <translation>El proceso %1 envió a Quillarren más de lo que envía una orden (%2 conexiones, %3 bytes no aceptados): ya no recibe respuesta.</translation>
    </message>
    <message>
        <source>Quillarren could not read the request.</source>
        <translation>Quillarren no pudo leer la solicitud.</translation>
    </message>
    <message>
        <source>This Quillarren is older and does not know &quot;%1&quot;: quit it, then start Quillarren again.</source>
        <translation>Este Quillarren es más antiguo y no conoce «%1»: ciérrelo y vuelva a iniciar Quillarren.</translation>
    </message>
</context>
<context>
    <name>ChecklistLines</name>
    <message>
        <source>checked</source>
        <translation>marcado</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>sin marcar</translation>
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
        <translation>%1 No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Asking the running Quillarren…</source>
        <translation>Consultando al Quillarren en ejecución…</translation>
    </message>
    <message>
        <source>Quillarren is running (process %1) but does not answer. Nothing was changed; if it is stuck, end it and try again.</source>
        <translation>Quillarren se está ejecutando (proceso %1), pero no responde. No se ha cambiado nada; si está bloqueado, ciérrelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Sticky notes for the desktop. Without options, brings back your notes, or brings the running ones forward.</source>
        <translation>Notas adhesivas para el escritorio. Sin opciones, recupera sus notas o trae al frente las que ya están abiertas.</translation>
    </message>
    <message>
        <source>Start Quillarren at every login (on), or no longer (off).</source>
        <translation>Abrir Quillarren en cada inicio de sesión (on), o dejar de hacerlo (off).</translation>
    </message>
    <message>
        <source>List the deleted notes (kept 30 days).</source>
        <translation>Listar las notas eliminadas (se conservan 30 días).</translation>
    </message>
    <message>
        <source>Bring a deleted note back.</source>
        <translation>Recuperar una nota eliminada.</translation>
    </message>
    <message>
        <source>List the backups of your notes.</source>
        <translation>Listar las copias de seguridad de sus notas.</translation>
    </message>
    <message>
        <source>Replace your notes by a backup&apos;s (they are backed up first).</source>
        <translation>Reemplazar sus notas por las de una copia de seguridad (antes se hace una copia de ellas).</translation>
    </message>
    <message>
        <source>Write the open notes to a file: JSON, or Markdown for a name ending in .md.</source>
        <translation>Escribir las notas abiertas en un archivo: JSON, o Markdown si el nombre termina en .md.</translation>
    </message>
    <message>
        <source>With --export: the deleted notes too.</source>
        <translation>Con --export: también las notas eliminadas.</translation>
    </message>
    <message>
        <source>Add the notes of an exported file (those already here are skipped).</source>
        <translation>Añadir las notas de un archivo exportado (se omiten las que ya están aquí).</translation>
    </message>
    <message>
        <source>With --import: a note here whose text differs from the file&apos;s gets the file&apos;s version as a new note beside it.</source>
        <translation>Con --import: una nota existente cuyo texto difiere del del archivo recibe la versión del archivo como nota nueva a su lado.</translation>
    </message>
    <message numerus="yes">
        <source>With --import: import more than %n notes at once (each opens as a note).</source>
        <translation>
            <numerusform>Con --import: importar más de %n nota a la vez (cada una se abre como nota).</numerusform>
            <numerusform>Con --import: importar más de %n notas a la vez (cada una se abre como nota).</numerusform>
        </translation>
    </message>
    <message>
        <source>Open a new note, with the keyboard.</source>
        <translation>Abrir una nota nueva, con el teclado.</translation>
    </message>
    <message>
        <source>Bring every note forward, those put away too.</source>
        <translation>Traer al frente todas las notas, también las apartadas.</translation>
    </message>
    <message>
        <source>Open the notes list, to find a note.</source>
        <translation>Abrir la lista de notas, para buscar una nota.</translation>
    </message>
    <message>
        <source>Show the tray icon (on), or no longer (off).</source>
        <translation>Mostrar el icono en el área de notificación (on), o dejar de mostrarlo (off).</translation>
    </message>
    <message>
        <source>Sync the notes through a folder that a sync program carries (Syncthing, Nextcloud); off: no longer.</source>
        <translation>Sincronizar las notas a través de una carpeta que lleva un programa de sincronización (Syncthing, Nextcloud); off: dejar de hacerlo.</translation>
    </message>
    <message>
        <source>%1: Unexpected argument &apos;%2&apos;.</source>
        <translation>%1: argumento inesperado «%2».</translation>
    </message>
    <message>
        <source>%1: --autostart takes on or off, not &apos;%2&apos;.</source>
        <translation>%1: --autostart admite on u off, no «%2».</translation>
    </message>
    <message>
        <source>%1: --tray takes on or off, not &apos;%2&apos;.</source>
        <translation>%1: --tray admite on u off, no «%2».</translation>
    </message>
    <message>
        <source>Quillarren is not running.</source>
        <translation>Quillarren no se está ejecutando.</translation>
    </message>
    <message>
        <source>%1: --show needs --history ID.</source>
        <translation>%1: --show requiere --history ID.</translation>
    </message>
    <message>
        <source>With --history: print version N of the note (1 is the newest).</source>
        <translation>Con --history: mostrar la versión N de la nota (1 es la más reciente).</translation>
    </message>
    <message>
        <source>List a note&apos;s earlier versions (its id, or its number: 1 for the first note).</source>
        <translation>Listar las versiones anteriores de una nota (su ID, o su número: 1 para la primera nota).</translation>
    </message>
</context>
<context>
    <name>DamageOffer</name>
    <message>
        <source>The notes store %1 could not be read: it is damaged, or not a file. It has been kept as %2 and a new, empty store was started.</source>
        <translation>No se pudo leer el almacén de notas %1: está dañado o no es un archivo. Se ha conservado como %2 y se ha creado un almacén nuevo y vacío.</translation>
    </message>
    <message>
        <source>Your notes file was damaged and has been kept as %1. Restore the notes from the backup of %2?</source>
        <translation>Su archivo de notas estaba dañado y se ha conservado como %1. ¿Restaurar las notas desde la copia de seguridad del %2?</translation>
    </message>
    <message>
        <source>The notes could not be restored from %1: %2. Quillarren starts with an empty store; the backup is still there.</source>
        <translation>No se pudieron restaurar las notas desde %1: %2. Quillarren se inicia con un almacén vacío; la copia de seguridad sigue ahí.</translation>
    </message>
</context>
<context>
    <name>DesktopProgram</name>
    <message>
        <source>Quillarren: sync</source>
        <translation>Quillarren: sincronización</translation>
    </message>
    <message>
        <source>Your notes could not be backed up: %1. Quillarren tries again in an hour.</source>
        <translation>No se pudo hacer una copia de seguridad de sus notas: %1. Quillarren lo intentará de nuevo dentro de una hora.</translation>
    </message>
    <message>
        <source>Quillarren: backup failed</source>
        <translation>Quillarren: falló la copia de seguridad</translation>
    </message>
    <message>
        <source>Your notes are backed up in %1.</source>
        <translation>Se ha hecho una copia de seguridad de sus notas en %1.</translation>
    </message>
    <message>
        <source>Quillarren: backed up</source>
        <translation>Quillarren: copia de seguridad hecha</translation>
    </message>
</context>
<context>
    <name>EmailDialog</name>
    <message>
        <source>E-mail Note</source>
        <translation>Enviar nota por correo</translation>
    </message>
    <message>
        <source>Enter e-mail recepients</source>
        <translation>Introduzca los destinatarios del correo</translation>
    </message>
    <message>
        <source>Compose</source>
        <translation>Redactar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No mail program is set up on this computer to write this e-mail.

Copy the note&apos;s text, to paste it into a message yourself?</source>
        <translation>No hay ningún programa de correo configurado en este equipo para escribir este mensaje.

¿Copiar el texto de la nota para pegarlo usted mismo en un mensaje?</translation>
    </message>
    <message>
        <source>The text could not be copied: the clipboard is busy.</source>
        <translation>No se pudo copiar el texto: el portapapeles está ocupado.</translation>
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
en %2 en la línea %3<byte value="xd"/>
<byte value="xd"/>
Envíe por correo una captura de pantalla de este mensaje a %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
    <message>
        <source>Unexpected failure</source>
        <translation>Fallo inesperado</translation>
    </message>
</context>
<context>
    <name>FolderScan</name>
    <message>
        <source>%1 holds another note than its name says</source>
        <translation>%1 contiene una nota distinta de la que indica su nombre</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation>Tipo de letra</translation>
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
        <translation>el historial de las notas no está disponible, así que se ha omitido</translation>
    </message>
    <message>
        <source>the notes&apos; history, more than %1 MB, was left out (--history ID --show N prints a version; a backup holds them all)</source>
        <translation>el historial de las notas, de más de %1 MB, se ha omitido (--history ID --show N muestra una versión; una copia de seguridad las contiene todas)</translation>
    </message>
</context>
<context>
    <name>HistoryKeeper</name>
    <message>
        <source>Quillarren: note history</source>
        <translation>Quillarren: historial de notas</translation>
    </message>
    <message>
        <source>The history of the notes is not available this time.</source>
        <translation>El historial de las notas no está disponible esta vez.</translation>
    </message>
</context>
<context>
    <name>HistoryVerbs</name>
    <message>
        <source>The history of the notes is not available (see the message at start-up).</source>
        <translation>El historial de las notas no está disponible (vea el mensaje al iniciar).</translation>
    </message>
    <message>
        <source>No note has the id or number &apos;%1&apos;.</source>
        <translation>Ninguna nota tiene el ID o número «%1».</translation>
    </message>
    <message>
        <source>Note %1 has no earlier versions.
</source>
        <translation>La nota %1 no tiene versiones anteriores.
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
        <translation>La nota %1 no tiene versión %2; tiene %3 (--history %4 las lista).</translation>
    </message>
    <message>
        <source>Version %1 of note %2 could not be read.</source>
        <translation>No se ha podido leer la versión %1 de la nota %2.</translation>
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
        <translation>Historial de la nota</translation>
    </message>
    <message>
        <source>Note History: %1</source>
        <translation>Historial de la nota: %1</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Versiones</translation>
    </message>
    <message>
        <source>Text of the chosen version</source>
        <translation>Texto de la versión elegida</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Restaurar esta versión</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>(lines removed at the end)</source>
        <translation>(líneas eliminadas al final)</translation>
    </message>
    <message>
        <source>This note has no earlier versions yet.</source>
        <translation>Esta nota aún no tiene versiones anteriores.</translation>
    </message>
    <message>
        <source>Same as the note now.</source>
        <translation>Igual que la nota actual.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) differ from the note now (marked).</source>
        <translation>
            <numerusform>%n línea difiere de la nota actual (resaltada).</numerusform>
            <numerusform>%n líneas difieren de la nota actual (resaltadas).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>The note could not be saved to %1: %2</source>
        <translation>No se pudo guardar la nota en %1: %2</translation>
    </message>
</context>
<context>
    <name>NoteFields</name>
    <message>
        <source>&quot;%1&quot; is not text</source>
        <translation>«%1» no es texto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not true or false</source>
        <translation>«%1» no es true ni false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>«%1» no es un número</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>«%1» no es un número entero</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an object</source>
        <translation>«%1» no es un objeto</translation>
    </message>
    <message>
        <source>&quot;deleted&quot; is not a date</source>
        <translation>«deleted» no es una fecha</translation>
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
        <translation>%1 no es un archivo de notas de Quillarren completo: se corta o está dañado en el byte %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is not a whole Quillarren note: it breaks off or is damaged at byte %2 (%3)</source>
        <translation>%1 no es una nota de Quillarren completa: se corta o está dañada en el byte %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren notes file</source>
        <translation>%1 no es un archivo de notas de Quillarren</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren note</source>
        <translation>%1 no es una nota de Quillarren</translation>
    </message>
    <message>
        <source>%1 has an invalid format version (%2), so it is not a Quillarren notes file that can be read</source>
        <translation>%1 tiene una versión de formato no válida (%2), así que no es un archivo de notas de Quillarren que se pueda leer</translation>
    </message>
    <message>
        <source>%1 has an invalid format version (%2), so it is not a Quillarren note that can be read</source>
        <translation>%1 tiene una versión de formato no válida (%2), así que no es una nota de Quillarren que se pueda leer</translation>
    </message>
    <message>
        <source>%1 was written by a newer Quillarren (its format version is %2; this one reads version %3 and older)</source>
        <translation>%1 lo escribió un Quillarren más reciente (su versión de formato es %2; este lee la versión %3 y anteriores)</translation>
    </message>
    <message>
        <source>it is not a note</source>
        <translation>el elemento no es una nota</translation>
    </message>
    <message>
        <source>%1 is damaged: in its deleted %2, %3</source>
        <translation>%1 está dañado: entre las notas eliminadas, en la %2, %3</translation>
    </message>
    <message>
        <source>%1 is damaged: in its %2, %3</source>
        <translation>%1 está dañado: en la %2, %3</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 está dañado: %2</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren note (it names no note, or another one)</source>
        <translation>%1 no es una nota de Quillarren (no indica ninguna nota, o indica otra)</translation>
    </message>
</context>
<context>
    <name>NoteHistory</name>
    <message>
        <source>The history of your notes could not be opened in %1; no versions are kept this time. Your notes are as they were.</source>
        <translation>No se ha podido abrir el historial de sus notas en %1; esta vez no se guardan versiones. Sus notas siguen como estaban.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 is damaged (%2); it is left aside and no versions are kept until it is mended. Your notes are as they were.</source>
        <translation>El historial de sus notas en %1 está dañado (%2); se deja aparte y no se guardan versiones hasta que se repare. Sus notas siguen como estaban.</translation>
    </message>
    <message>
        <source>The history of your notes could not be started in %1 (%2); no versions are kept this time. Your notes are as they were.</source>
        <translation>No se ha podido iniciar el historial de sus notas en %1 (%2); esta vez no se guardan versiones. Sus notas siguen como estaban.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 is not as Quillarren keeps it and could not be set aside (%2); no versions are kept this time. Your notes are as they were.</source>
        <translation>El historial de sus notas en %1 no es como Quillarren lo guarda y no se ha podido dejar aparte (%2); esta vez no se guardan versiones. Sus notas siguen como estaban.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 was not as Quillarren keeps it: it is kept in %2, and a new history is started. Your notes are as they were.</source>
        <translation>El historial de sus notas en %1 no era como Quillarren lo guarda: se conserva en %2 y se inicia un historial nuevo. Sus notas siguen como estaban.</translation>
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
        <translation>, en «Notas eliminadas»</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Set Reminder</source>
        <translation>Establecer recordatorio</translation>
    </message>
    <message>
        <source>Create New Note</source>
        <translation>Crear nota nueva</translation>
    </message>
    <message>
        <source>Delete This Note</source>
        <translation>Eliminar esta nota</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Tipo de letra...</translation>
    </message>
    <message>
        <source>Color...</source>
        <translation>Color...</translation>
    </message>
    <message>
        <source>Email Note</source>
        <translation>Enviar nota por correo</translation>
    </message>
    <message>
        <source>Save Note to File</source>
        <translation>Guardar nota en archivo</translation>
    </message>
    <message>
        <source>Insert Date</source>
        <translation>Insertar fecha</translation>
    </message>
    <message>
        <source>Insert Time</source>
        <translation>Insertar hora</translation>
    </message>
    <message>
        <source>Default Translucency</source>
        <translation>Transparencia predeterminada</translation>
    </message>
    <message>
        <source>Increase Translucency</source>
        <translation>Aumentar transparencia</translation>
    </message>
    <message>
        <source>Decrease Translucency</source>
        <translation>Reducir transparencia</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Siempre encima</translation>
    </message>
    <message>
        <source>Email Author Suggestions / Bugs</source>
        <translation>Enviar sugerencias / errores al autor</translation>
    </message>
    <message>
        <source>Goto %1</source>
        <translation>Ir a %1</translation>
    </message>
    <message>
        <source>Quit (Remove All Notes)</source>
        <translation>Salir (cerrar todas las notas)</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Lista de comprobación</translation>
    </message>
    <message>
        <source>Note History…</source>
        <translation>Historial de la nota…</translation>
    </message>
</context>
<context>
    <name>NoteSync</name>
    <message>
        <source>Quillarren no longer syncs its notes through a folder; the notes stay as they are.</source>
        <translation>Quillarren ya no sincroniza sus notas a través de una carpeta; las notas se quedan como están.</translation>
    </message>
    <message>
        <source>%1 is not a folder: syncing is left as it was.</source>
        <translation>%1 no es una carpeta: la sincronización se queda como estaba.</translation>
    </message>
    <message>
        <source>Quillarren syncs its notes through %1: one file per note, which the program that syncs the folder carries to your other computers.</source>
        <translation>Quillarren sincroniza sus notas a través de %1: un archivo por nota, que el programa que sincroniza la carpeta lleva a sus otros equipos.</translation>
    </message>
    <message>
        <source>Syncing waits until it is back; your notes are kept here as they are.</source>
        <translation>La sincronización espera hasta que vuelva; sus notas se conservan aquí tal como están.</translation>
    </message>
    <message>
        <source>If the folder is right as it is now, choose it again (Sync Folder… in the tray menu, or quillarren --sync-folder) and syncing goes on.</source>
        <translation>Si la carpeta está bien tal como está ahora, vuelva a elegirla («Carpeta de sincronización…» en el menú del área de notificación, o quillarren --sync-folder) y la sincronización continuará.</translation>
    </message>
    <message>
        <source>The sync folder %1 is back: syncing goes on.</source>
        <translation>La carpeta de sincronización %1 ha vuelto: la sincronización continúa.</translation>
    </message>
    <message>
        <source>The sync folder %1 is not there (is its disk unmounted?). %2</source>
        <translation>La carpeta de sincronización %1 no está (¿se ha desmontado su disco?). %2</translation>
    </message>
    <message>
        <source>The sync folder %1 holds none of your notes&apos; files any more (is its disk unmounted?). %2 %3</source>
        <translation>La carpeta de sincronización %1 ya no contiene ninguno de los archivos de sus notas (¿se ha desmontado su disco?). %2 %3</translation>
    </message>
    <message>
        <source>The sync folder %1 is on another disk than before (was its disk unmounted, or another mounted there?). %2 %3</source>
        <translation>La carpeta de sincronización %1 está en un disco distinto al de antes (¿se desmontó su disco o se montó otro en su lugar?). %2 %3</translation>
    </message>
    <message>
        <source>In the sync folder %1:</source>
        <translation>En la carpeta de sincronización %1:</translation>
    </message>
</context>
<context>
    <name>NoteVerbs</name>
    <message>
        <source>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</source>
        <translation>Quillarren aún está abriendo o reemplazando notas; no se ha cambiado nada. Inténtelo de nuevo dentro de un momento.</translation>
    </message>
    <message>
        <source>There are no deleted notes.</source>
        <translation>No hay notas eliminadas.</translation>
    </message>
    <message>
        <source>Deleted notes, newest first (each is kept 30 days; quillarren --restore ID brings one back):</source>
        <translation>Notas eliminadas, de la más reciente a la más antigua (cada una se conserva 30 días; quillarren --restore ID recupera una):</translation>
    </message>
    <message>
        <source>There is no deleted note with the id %1 (quillarren --deleted lists them).</source>
        <translation>No hay ninguna nota eliminada con el identificador %1 (quillarren --deleted las lista).</translation>
    </message>
    <message>
        <source>The note %1 is open already.</source>
        <translation>La nota %1 ya está abierta.</translation>
    </message>
    <message>
        <source>The note %1 could not be restored, because %2. Nothing was changed.</source>
        <translation>No se pudo restaurar la nota %1 porque %2. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Restored the note %1.</source>
        <translation>Se ha restaurado la nota %1.</translation>
    </message>
    <message>
        <source>There are no backups yet in %1.</source>
        <translation>Aún no hay copias de seguridad en %1.</translation>
    </message>
    <message>
        <source>Backups, newest first (quillarren --restore-backup FILE restores one):</source>
        <translation>Copias de seguridad, de la más reciente a la más antigua (quillarren --restore-backup FILE restaura una):</translation>
    </message>
    <message>
        <source>  (dated ahead of now)</source>
        <translation>  (con fecha futura)</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>Restaurando…</translation>
    </message>
    <message>
        <source>The notes could not be restored: %1. Nothing was changed.</source>
        <translation>No se pudieron restaurar las notas: %1. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Restored your notes from %1. The notes you had before are kept in the backup %2.</source>
        <translation>Sus notas se han restaurado desde %1. Las notas que tenía antes se conservan en la copia de seguridad %2.</translation>
    </message>
    <message numerus="yes">
        <source>Exporting %n notes…</source>
        <translation>
            <numerusform>Exportando %n nota…</numerusform>
            <numerusform>Exportando %n notas…</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1: %2. Nothing was changed.</source>
        <translation>No se puede escribir %1: %2. No se ha cambiado nada.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n notes to %1</source>
        <translation>
            <numerusform>Se exportó %n nota a %1</numerusform>
            <numerusform>Se exportaron %n notas a %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, and %n deleted notes</source>
        <translation>
            <numerusform>, y %n nota eliminada</numerusform>
            <numerusform>, y %n notas eliminadas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Nothing was imported.</source>
        <translation>%1. No se ha importado nada.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>No se ha importado nada de %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n notes that are not here yet, more than the %2 an import opens without asking: each opens as a note on your desktop at every start. To import them all, add --allow-many. Nothing was imported.</source>
        <translation>
            <numerusform>%1 contiene %n nota que aún no está aquí, más que las %2 que una importación abre sin preguntar: cada una se abre como nota en su escritorio en cada inicio. Para importarlas todas, añada --allow-many. No se ha importado nada.</numerusform>
            <numerusform>%1 contiene %n notas que aún no están aquí, más que las %2 que una importación abre sin preguntar: cada una se abre como nota en su escritorio en cada inicio. Para importarlas todas, añada --allow-many. No se ha importado nada.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Importing %n notes…</source>
        <translation>
            <numerusform>Importando %n nota…</numerusform>
            <numerusform>Importando %n notas…</numerusform>
        </translation>
    </message>
    <message>
        <source>The notes could not be imported, because %1. Nothing was imported.</source>
        <translation>No se pudieron importar las notas porque %1. No se ha importado nada.</translation>
    </message>
    <message>
        <source>Waiting for an answer in Quillarren…</source>
        <translation>Esperando una respuesta de Quillarren…</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n notes that are not here yet. Each opens as a note on your desktop, now and at every start. Import them all?</source>
        <translation>
            <numerusform>%1 contiene %n nota que aún no está aquí. Se abrirá como nota en su escritorio, ahora y en cada inicio. ¿Importarla?</numerusform>
            <numerusform>%1 contiene %n notas que aún no están aquí. Cada una se abrirá como nota en su escritorio, ahora y en cada inicio. ¿Importarlas todas?</numerusform>
        </translation>
    </message>
    <message>
        <source>Quillarren: import</source>
        <translation>Quillarren: importación</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n notes from %1</source>
        <translation>
            <numerusform>Se importó %n nota de %1</numerusform>
            <numerusform>Se importaron %n notas de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n of them as new notes beside those here with other text)</source>
        <translation>
            <numerusform> (%n de ellas como nota nueva junto a la existente con otro texto)</numerusform>
            <numerusform> (%n de ellas como notas nuevas junto a las existentes con otro texto)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n were here already</source>
        <translation>
            <numerusform>; %n ya estaba aquí</numerusform>
            <numerusform>; %n ya estaban aquí</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n deleted notes went to Deleted Notes</source>
        <translation>
            <numerusform>; %n nota eliminada pasó a «Notas eliminadas»</numerusform>
            <numerusform>; %n notas eliminadas pasaron a «Notas eliminadas»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n notes here have other text than in the file and were left as they are: %1.
To add the file&apos;s versions as new notes beside them: quillarren --import %2 --as-new</source>
        <translation>
            <numerusform>
%n nota existente tiene un texto distinto al del archivo y se ha dejado como estaba: %1.
Para añadir la versión del archivo como nota nueva junto a ella: quillarren --import %2 --as-new</numerusform>
            <numerusform>
%n notas existentes tienen un texto distinto al del archivo y se han dejado como estaban: %1.
Para añadir las versiones del archivo como notas nuevas junto a ellas: quillarren --import %2 --as-new</numerusform>
        </translation>
    </message>
    <message>
        <source>The choice could not be stored, because %1.</source>
        <translation>No se pudo guardar la elección porque %1.</translation>
    </message>
    <message>
        <source>Quillarren shows its icon in the tray.</source>
        <translation>Quillarren muestra su icono en el área de notificación.</translation>
    </message>
    <message>
        <source>Quillarren no longer shows an icon in the tray; quillarren --tray on brings it back.</source>
        <translation>Quillarren ya no muestra un icono en el área de notificación; quillarren --tray on lo recupera.</translation>
    </message>
    <message>
        <source>%1 is not a folder; nothing was changed.</source>
        <translation>%1 no es una carpeta; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Quillarren will not sync its notes through a folder.</source>
        <translation>Quillarren no sincronizará sus notas a través de una carpeta.</translation>
    </message>
    <message>
        <source>Quillarren will sync its notes through %1 from its next start.</source>
        <translation>Quillarren sincronizará sus notas a través de %1 a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>, with their history</source>
        <translation>, con su historial</translation>
    </message>
</context>
<context>
    <name>NoteWindow</name>
    <message>
        <source>You can expand this note by dragging the bottom and right edges</source>
        <translation>Puede ampliar esta nota arrastrando sus bordes inferior y derecho</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propiedad no válido</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</source>
        <translation>Quillarren aún está abriendo o reemplazando notas; no se ha cambiado nada. Inténtelo de nuevo dentro de un momento.</translation>
    </message>
    <message>
        <source>There is no deleted note with the id %1 (quillarren --deleted lists them).</source>
        <translation>No hay ninguna nota eliminada con el identificador %1 (quillarren --deleted las lista).</translation>
    </message>
    <message>
        <source>The note %1 is open already.</source>
        <translation>La nota %1 ya está abierta.</translation>
    </message>
    <message>
        <source>The note %1 could not be restored, because %2. Nothing was changed.</source>
        <translation>No se pudo restaurar la nota %1 porque %2. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Restored the note %1.</source>
        <translation>Se ha restaurado la nota %1.</translation>
    </message>
    <message>
        <source>Quillarren is quitting; nothing was changed.</source>
        <translation>Quillarren se está cerrando; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>Restaurando…</translation>
    </message>
    <message>
        <source>The notes could not be restored: %1. Nothing was changed.</source>
        <translation>No se pudieron restaurar las notas: %1. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Restored your notes from %1. The notes you had before are kept in the backup %2.</source>
        <translation>Sus notas se han restaurado desde %1. Las notas que tenía antes se conservan en la copia de seguridad %2.</translation>
    </message>
    <message>
        <source>Quillarren: notes restored</source>
        <translation>Quillarren: notas restauradas</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>This is the last note. Would you like to quit?</source>
        <translation>Esta es la última nota. ¿Quiere salir?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>¿Salir?</translation>
    </message>
    <message>
        <source>The note could not be moved to Deleted Notes, because %1. It stays open; nothing was deleted.</source>
        <translation>No se pudo mover la nota a «Notas eliminadas» porque %1. Sigue abierta; no se ha eliminado nada.</translation>
    </message>
    <message>
        <source>Quillarren is quitting</source>
        <translation>Quillarren se está cerrando</translation>
    </message>
    <message>
        <source>there would be more notes than Quillarren can keep</source>
        <translation>habría más notas de las que Quillarren puede conservar</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1 of %n notes…</source>
        <translation>
            <numerusform>Abriendo nota: %1 de %n…</numerusform>
            <numerusform>Abriendo notas: %1 de %n…</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotesList</name>
    <message>
        <source>Find Note</source>
        <translation>Buscar nota</translation>
    </message>
    <message>
        <source>&amp;Find in your notes:</source>
        <translation>&amp;Buscar en sus notas:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Note &amp;History…</source>
        <translation>&amp;Historial de la nota…</translation>
    </message>
</context>
<context>
    <name>NotesListModel</name>
    <message>
        <source>(empty note)</source>
        <translation>(nota vacía)</translation>
    </message>
    <message>
        <source>  (put away)</source>
        <translation>  (apartada)</translation>
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
        <translation>Quillarren: notas no guardadas</translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2.

Quillarren stays open until they are saved, so that nothing you typed is lost. Free some space or fix the folder, then press Retry. Cancel keeps your notes open; saving goes on being retried.</source>
        <translation>No se pudieron guardar sus notas en %1 porque %2.

Quillarren permanece abierto hasta que se guarden, para que no se pierda nada de lo que ha escrito. Libere espacio o corrija la carpeta y pulse «Reintentar». «Cancelar» mantiene sus notas abiertas; se sigue intentando guardar.</translation>
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
        <translation>Copiar texto</translation>
    </message>
</context>
<context>
    <name>QtSound</name>
    <message>
        <source>it was built for another version of Quillarren</source>
        <translation>se compiló para otra versión de Quillarren</translation>
    </message>
    <message>
        <source>Alarms will be silent: the sound plugin %1 cannot be used: %2</source>
        <translation>Las alarmas estarán en silencio: no se puede usar el complemento de sonido %1: %2</translation>
    </message>
</context>
<context>
    <name>ReminderDialog</name>
    <message>
        <source>Time for Reminder to Go Off:</source>
        <translation>Hora del recordatorio:</translation>
    </message>
    <message>
        <source>Default: 10 mins from now.</source>
        <translation>Predeterminado: dentro de 10 minutos.</translation>
    </message>
    <message>
        <source>Date for Reminder to Go Off:</source>
        <translation>Fecha del recordatorio:</translation>
    </message>
    <message>
        <source>Set Reminder</source>
        <translation>Establecer recordatorio</translation>
    </message>
    <message>
        <source>Hide This Window</source>
        <translation>Ocultar esta ventana</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Recordatorio</translation>
    </message>
    <message>
        <source>No note chosen: right-click a note and choose Set Reminder.</source>
        <translation>No se ha elegido ninguna nota: pulse con el botón derecho en una nota y elija «Establecer recordatorio».</translation>
    </message>
    <message>
        <source>This date cannot be read: set it again.</source>
        <translation>Esta fecha no se puede leer: establézcala de nuevo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in a form this desktop does not read. The reminder waits until it is set again; it never goes off early.</source>
        <translation>«%1» está en un formato que este sistema no sabe leer. El recordatorio espera hasta que se establezca de nuevo; nunca salta antes de tiempo.</translation>
    </message>
    <message>
        <source>Reminder [Enabled]</source>
        <translation>Recordatorio [Enabled]</translation>
    </message>
    <message>
        <source>Reminder [Disabled]</source>
        <translation>Recordatorio [Disabled]</translation>
    </message>
    <message>
        <source>Disable Reminder</source>
        <translation>Desactivar recordatorio</translation>
    </message>
</context>
<context>
    <name>SafeRead</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is a link, not a plain file</source>
        <translation>es un enlace, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a device, FIFO or socket, not a file</source>
        <translation>es un dispositivo, un FIFO o un socket, no un archivo</translation>
    </message>
    <message>
        <source>it is larger than %1, the most Quillarren reads</source>
        <translation>el archivo supera %1, lo máximo que lee Quillarren</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>the disk quota is used up</source>
        <translation>se ha agotado la cuota de disco</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>se ha denegado el permiso</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>it is a link that another user put in the shared folder %1, and Quillarren does not follow such links</source>
        <translation>es un enlace que otro usuario puso en la carpeta compartida %1, y Quillarren no sigue esos enlaces</translation>
    </message>
    <message>
        <source>the link %1 cannot be followed</source>
        <translation>no se puede seguir el enlace %1</translation>
    </message>
    <message>
        <source>it is a link that leads to another link, too many times</source>
        <translation>es un enlace que lleva a otro enlace, demasiadas veces</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>a FIFO (a pipe)</source>
        <translation>es un FIFO (una tubería)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>es un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>es un dispositivo</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>nothing can be written in %1 (%2)</source>
        <translation>no se puede escribir nada en %1 (%2)</translation>
    </message>
    <message>
        <source>it is %1, and Quillarren writes only plain files</source>
        <translation>%1, y Quillarren solo escribe archivos normales</translation>
    </message>
    <message>
        <source>it is one of Quillarren&apos;s own files (its notes store, journal, lock or backups); choose another file</source>
        <translation>es uno de los archivos propios de Quillarren (su almacén de notas, diario, bloqueo o copias de seguridad); elija otro archivo</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The notes store %1 is empty, and there are backups of your notes. Start Quillarren: it keeps the empty file aside and offers to restore your notes from a backup.</source>
        <translation>El almacén de notas %1 está vacío y hay copias de seguridad de sus notas. Inicie Quillarren: apartará el archivo vacío y le ofrecerá restaurar sus notas desde una copia de seguridad.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged, or not a file, and could not be moved aside.</source>
        <translation>El almacén de notas %1 está dañado o no es un archivo, y no se pudo apartar.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged. Start Quillarren: it keeps the damaged file aside and offers to restore your notes from a backup.</source>
        <translation>El almacén de notas %1 está dañado. Inicie Quillarren: apartará el archivo dañado y le ofrecerá restaurar sus notas desde una copia de seguridad.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged and could not be moved aside.</source>
        <translation>El almacén de notas %1 está dañado y no se pudo apartar.</translation>
    </message>
    <message>
        <source>The notes store %1 cannot be written (%2). Your notes are shown, but changes cannot be kept until it can be written; Quillarren keeps trying.</source>
        <translation>No se puede escribir en el almacén de notas %1 (%2). Sus notas se muestran, pero los cambios no se podrán conservar hasta que se pueda escribir en él; Quillarren sigue intentándolo.</translation>
    </message>
    <message>
        <source>The notes store %1 cannot be read: %2</source>
        <translation>No se puede leer el almacén de notas %1: %2</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>no room for a copy of the notes in the temporary folder</source>
        <translation>no hay espacio para una copia de las notas en la carpeta temporal</translation>
    </message>
    <message>
        <source>the notes could not be copied from %1 (%2)</source>
        <translation>no se pudieron copiar las notas desde %1 (%2)</translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2. Everything you type is kept and saving is retried; please free some space or fix the folder&apos;s permissions.</source>
        <translation>No se pudieron guardar sus notas en %1 porque %2. Todo lo que escriba se conserva y se vuelve a intentar guardar; libere espacio o corrija los permisos de la carpeta.</translation>
    </message>
    <message>
        <source>cannot open the file</source>
        <translation>no se puede abrir el archivo</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the file has reached the size this session may write</source>
        <translation>el archivo ha alcanzado el tamaño que esta sesión puede escribir</translation>
    </message>
    <message>
        <source>the file or its folder is read-only</source>
        <translation>el archivo o su carpeta son de solo lectura</translation>
    </message>
    <message>
        <source>you do not have permission to write it</source>
        <translation>no tiene permiso para escribirlo</translation>
    </message>
    <message>
        <source>another program is holding it</source>
        <translation>otro programa lo está usando</translation>
    </message>
    <message>
        <source>the disk refused the write (%1)</source>
        <translation>el disco rechazó la escritura (%1)</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>No se puede leer el archivo de tema %1: %2</translation>
    </message>
</context>
<context>
    <name>StoreCopy</name>
    <message>
        <source>out of memory</source>
        <translation>no hay memoria suficiente</translation>
    </message>
    <message>
        <source>its table &quot;%1&quot; is not as Quillarren makes it</source>
        <translation>su tabla «%1» no es como la crea Quillarren</translation>
    </message>
    <message>
        <source>it holds a %1 &quot;%2&quot; that Quillarren does not make</source>
        <translation>contiene un objeto de tipo %1 («%2») que Quillarren no crea</translation>
    </message>
    <message>
        <source>it holds no notes</source>
        <translation>no contiene ninguna nota</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 no es un archivo</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 no se puede abrir: %2</translation>
    </message>
    <message>
        <source>%1 is damaged or not a notes store (%2)</source>
        <translation>%1 está dañado o no es un almacén de notas (%2)</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren notes store: %2</source>
        <translation>%1 no es un almacén de notas de Quillarren: %2</translation>
    </message>
    <message>
        <source>a fresh store could not be made at %1</source>
        <translation>no se pudo crear un almacén nuevo en %1</translation>
    </message>
    <message>
        <source>the notes could not be copied from %1 (%2)</source>
        <translation>no se pudieron copiar las notas desde %1 (%2)</translation>
    </message>
</context>
<context>
    <name>StoredText</name>
    <message>
        <source>Reminder!</source>
        <translation>¡Recordatorio!</translation>
    </message>
</context>
<context>
    <name>SyncLook</name>
    <message>
        <source>%1 is named for a note id that no note can have — left alone.</source>
        <translation>%1 lleva el nombre de un identificador de nota que ninguna nota puede tener — se deja como está.</translation>
    </message>
    <message>
        <source>%1 — left alone.</source>
        <translation>%1 — se deja como está.</translation>
    </message>
    <message>
        <source>%1 — written again from this computer&apos;s note.</source>
        <translation>%1 — se ha reescrito a partir de la nota de este equipo.</translation>
    </message>
    <message>
        <source>A change from another computer could not be taken in: %1.</source>
        <translation>No se pudo incorporar un cambio de otro equipo: %1.</translation>
    </message>
    <message>
        <source>A note deleted on another computer could not be deleted here: %1.</source>
        <translation>No se pudo eliminar aquí una nota eliminada en otro equipo: %1.</translation>
    </message>
    <message>
        <source>A note from another computer could not be added: %1.</source>
        <translation>No se pudo añadir una nota de otro equipo: %1.</translation>
    </message>
    <message>
        <source>A note changed on two computers at once could not be kept twice: %1.</source>
        <translation>No se pudo conservar por duplicado una nota cambiada en dos equipos a la vez: %1.</translation>
    </message>
    <message>
        <source>Notes from other computers could not be added: %1.</source>
        <translation>No se pudieron añadir notas de otros equipos: %1.</translation>
    </message>
    <message>
        <source>Quillarren cannot write here: %1. Your notes are kept on this computer; it tries again.</source>
        <translation>Quillarren no puede escribir aquí: %1. Sus notas se conservan en este equipo; se volverá a intentar.</translation>
    </message>
</context>
<context>
    <name>SyncedNotes</name>
    <message>
        <source>the note is no longer open</source>
        <translation>la nota ya no está abierta</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>New Note</source>
        <translation>Nota nueva</translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation>Mostrar todas las notas</translation>
    </message>
    <message>
        <source>Find Note…</source>
        <translation>Buscar nota…</translation>
    </message>
    <message>
        <source>Deleted Notes</source>
        <translation>Notas eliminadas</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>Sync Folder…</source>
        <translation>Carpeta de sincronización…</translation>
    </message>
    <message>
        <source>Stop Syncing</source>
        <translation>Detener sincronización</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>No deleted notes</source>
        <translation>No hay notas eliminadas</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Crear copia ahora</translation>
    </message>
    <message>
        <source>No backups yet</source>
        <translation>Aún no hay copias</translation>
    </message>
    <message>
        <source>Restore from %1</source>
        <translation>Restaurar la copia del %1</translation>
    </message>
    <message>
        <source>Replace your notes by those of the backup %1? The notes you have now are backed up first, so this can be undone.</source>
        <translation>¿Reemplazar sus notas por las de la copia de seguridad %1? Antes se hace una copia de seguridad de las notas actuales, así que esto se puede deshacer.</translation>
    </message>
    <message>
        <source>The folder your sync program carries to your other computers</source>
        <translation>La carpeta que su programa de sincronización lleva a sus otros equipos</translation>
    </message>
    <message numerus="yes">
        <source>Quillarren: %n notes</source>
        <translation>
            <numerusform>Quillarren: %n nota</numerusform>
            <numerusform>Quillarren: %n notas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quillarren is already running for this user (process %1), but it does not answer. If it is stuck, end it, then start Quillarren again.</source>
        <translation>Quillarren ya se está ejecutando para este usuario (proceso %1), pero no responde. Si está bloqueado, ciérrelo y vuelva a iniciar Quillarren.</translation>
    </message>
    <message>
        <source>%1

Quillarren has changed nothing. Please make the file readable again, then start Quillarren.</source>
        <translation>%1

Quillarren no ha cambiado nada. Haga que el archivo se pueda leer de nuevo y luego inicie Quillarren.</translation>
    </message>
</context>
</TS>
