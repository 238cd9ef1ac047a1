<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AccessibleNoteName</name>
    <message>
        <source>Note text</source>
        <translation>Texte de la note</translation>
    </message>
    <message>
        <source>Note: (empty)</source>
        <translation>Note&#xa0;: (vide)</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Note&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>AlarmWindow</name>
    <message>
        <source>Reminder Alarm</source>
        <translation>Alarme de rappel</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>Arrêter l&apos;alarme</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Quillarren was not set to start at login: there is no %1</source>
        <translation>Quillarren n&apos;était pas configuré pour se lancer à la connexion&#xa0;: %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>impossible de supprimer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Quillarren will no longer start at login: removed %1</source>
        <translation>Quillarren ne se lancera plus à la connexion&#xa0;: %1 supprimé</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Quillarren will start at login: wrote %1</source>
        <translation>Quillarren se lancera à la connexion&#xa0;: %1 écrit</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>Cannot restore from it: %1. Nothing was changed.</source>
        <translation>Impossible de restaurer à partir de celle-ci&#xa0;: %1. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Backing up the notes you have now…</source>
        <translation>Sauvegarde de vos notes actuelles…</translation>
    </message>
    <message>
        <source>The notes you have now could not be backed up first (%1), so nothing was restored.</source>
        <translation>Vos notes actuelles n&apos;ont pas pu être sauvegardées au préalable (%1), donc rien n&apos;a été restauré.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>out of memory</source>
        <translation>la mémoire est insuffisante</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 ne peut pas être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the copy failed: %1</source>
        <translation>la copie a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>the backups folder %1 cannot be written</source>
        <translation>le dossier des sauvegardes %1 n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>cannot write in the backups folder %1: %2</source>
        <translation>l&apos;écriture dans le dossier des sauvegardes %1 est impossible&#xa0;: %2</translation>
    </message>
    <message>
        <source>the backup of %1 failed: %2</source>
        <translation>la sauvegarde de %1 a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <source>the disk refused it</source>
        <translation>le disque l&apos;a refusé</translation>
    </message>
</context>
<context>
    <name>ChannelProtocol</name>
    <message>
        <source>The running Quillarren gave an answer this one cannot read.</source>
        <translation>Le Quillarren en cours d&apos;exécution a donné une réponse que celui-ci ne sait pas lire.</translation>
    </message>
</context>
<context>
    <name>ChannelServer</name>
    <message>
        <source>no private folder for it</source>
        <translation>il n&apos;y a pas de dossier privé pour cela</translation>
    </message>
    <message>
        <source>Later starts of Quillarren cannot reach this one: cannot listen at %1: %2</source>
        <translation>Les lancements ultérieurs de Quillarren ne peuvent pas joindre celui-ci&#xa0;: impossible d&apos;écouter sur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Waiting for the running Quillarren to finish what it is doing…</source>
        <translation>En attente que le Quillarren en cours d&apos;exécution termine sa tâche…</translation>
    </message>
    <message>
        <source>Process %1 asked Quillarren more than one command asks (%2 connections, %3 bytes not taken): it is no longer answered.</source>
        <translation>Le processus %1 a envoyé à Quillarren plus qu&apos;une commande n&apos;envoie (%2 connexions, %3 octets non acceptés)&#xa0;: il ne reçoit plus de réponse.</translation>
    </message>
    <message>
        <source>Quillarren could not read the request.</source>
        <translation>Quillarren n&apos;a pas pu lire la requête.</translation>
    </message>
    <message>
        <source>This Quillarren is older and does not know &quot;%1&quot;: quit it, then start Quillarren again.</source>
        <translation>Ce Quillarren est plus ancien et ne connaît pas «&#xa0;%1&#xa0;»&#xa0;: quittez-le, puis relancez Quillarren.</translation>
    </message>
</context>
<context>
    <name>ChecklistLines</name>
    <message>
        <source>checked</source>
        <translation>coché</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>non coché</translation>
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
        <translation>%1 Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Asking the running Quillarren…</source>
        <translation>Interrogation du Quillarren en cours d&apos;exécution…</translation>
    </message>
    <message>
        <source>Quillarren is running (process %1) but does not answer. Nothing was changed; if it is stuck, end it and try again.</source>
        <translation>Quillarren est en cours d&apos;exécution (processus %1), mais ne répond pas. Rien n&apos;a été modifié&#xa0;; s&apos;il est bloqué, arrêtez-le et réessayez.</translation>
    </message>
    <message>
        <source>Sticky notes for the desktop. Without options, brings back your notes, or brings the running ones forward.</source>
        <translation>Notes autocollantes pour le bureau. Sans option, ramène vos notes, ou met au premier plan celles déjà ouvertes.</translation>
    </message>
    <message>
        <source>Start Quillarren at every login (on), or no longer (off).</source>
        <translation>Lancer Quillarren à chaque connexion (on), ou ne plus le faire (off).</translation>
    </message>
    <message>
        <source>List the deleted notes (kept 30 days).</source>
        <translation>Lister les notes supprimées (conservées 30 jours).</translation>
    </message>
    <message>
        <source>Bring a deleted note back.</source>
        <translation>Restaurer une note supprimée.</translation>
    </message>
    <message>
        <source>List the backups of your notes.</source>
        <translation>Lister les sauvegardes de vos notes.</translation>
    </message>
    <message>
        <source>Replace your notes by a backup&apos;s (they are backed up first).</source>
        <translation>Remplacer vos notes par celles d&apos;une sauvegarde (elles sont d&apos;abord sauvegardées).</translation>
    </message>
    <message>
        <source>Write the open notes to a file: JSON, or Markdown for a name ending in .md.</source>
        <translation>Écrire les notes ouvertes dans un fichier&#xa0;: JSON, ou Markdown pour un nom se terminant par .md.</translation>
    </message>
    <message>
        <source>With --export: the deleted notes too.</source>
        <translation>Avec --export&#xa0;: les notes supprimées aussi.</translation>
    </message>
    <message>
        <source>Add the notes of an exported file (those already here are skipped).</source>
        <translation>Ajouter les notes d&apos;un fichier exporté (celles déjà présentes sont ignorées).</translation>
    </message>
    <message>
        <source>With --import: a note here whose text differs from the file&apos;s gets the file&apos;s version as a new note beside it.</source>
        <translation>Avec --import&#xa0;: une note existante dont le texte diffère de celui du fichier reçoit la version du fichier comme nouvelle note à côté d&apos;elle.</translation>
    </message>
    <message numerus="yes">
        <source>With --import: import more than %n notes at once (each opens as a note).</source>
        <translation>
            <numerusform>Avec --import&#xa0;: importer plus de %n note à la fois (chacune s&apos;ouvre comme une note).</numerusform>
            <numerusform>Avec --import&#xa0;: importer plus de %n notes à la fois (chacune s&apos;ouvre comme une note).</numerusform>
        </translation>
    </message>
    <message>
        <source>Open a new note, with the keyboard.</source>
        <translation>Ouvrir une nouvelle note, au clavier.</translation>
    </message>
    <message>
        <source>Bring every note forward, those put away too.</source>
        <translation>Mettre toutes les notes au premier plan, y compris celles qui sont rangées.</translation>
    </message>
    <message>
        <source>Open the notes list, to find a note.</source>
        <translation>Ouvrir la liste des notes, pour trouver une note.</translation>
    </message>
    <message>
        <source>Show the tray icon (on), or no longer (off).</source>
        <translation>Afficher l&apos;icône dans la zone de notification (on), ou ne plus l&apos;afficher (off).</translation>
    </message>
    <message>
        <source>Sync the notes through a folder that a sync program carries (Syncthing, Nextcloud); off: no longer.</source>
        <translation>Synchroniser les notes par un dossier qu&apos;un logiciel de synchronisation copie (Syncthing, Nextcloud)&#xa0;; off&#xa0;: ne plus le faire.</translation>
    </message>
    <message>
        <source>%1: Unexpected argument &apos;%2&apos;.</source>
        <translation>%1&#xa0;: argument inattendu «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>%1: --autostart takes on or off, not &apos;%2&apos;.</source>
        <translation>%1&#xa0;: --autostart accepte on ou off, pas «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>%1: --tray takes on or off, not &apos;%2&apos;.</source>
        <translation>%1&#xa0;: --tray accepte on ou off, pas «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Quillarren is not running.</source>
        <translation>Quillarren n&apos;est pas en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>%1: --show needs --history ID.</source>
        <translation>%1 : --show nécessite --history ID.</translation>
    </message>
    <message>
        <source>With --history: print version N of the note (1 is the newest).</source>
        <translation>Avec --history : afficher la version N de la note (1 est la plus récente).</translation>
    </message>
    <message>
        <source>List a note&apos;s earlier versions (its id, or its number: 1 for the first note).</source>
        <translation>Lister les versions antérieures d&apos;une note (son ID, ou son numéro : 1 pour la première note).</translation>
    </message>
</context>
<context>
    <name>DamageOffer</name>
    <message>
        <source>The notes store %1 could not be read: it is damaged, or not a file. It has been kept as %2 and a new, empty store was started.</source>
        <translation>La base de notes %1 n&apos;a pas pu être lue&#xa0;: elle est endommagée, ou ce n&apos;est pas un fichier. Elle a été conservée sous le nom %2 et une nouvelle base vide a été créée.</translation>
    </message>
    <message>
        <source>Your notes file was damaged and has been kept as %1. Restore the notes from the backup of %2?</source>
        <translation>Votre fichier de notes était endommagé et a été conservé sous le nom %1. Restaurer les notes depuis la sauvegarde du %2&#xa0;?</translation>
    </message>
    <message>
        <source>The notes could not be restored from %1: %2. Quillarren starts with an empty store; the backup is still there.</source>
        <translation>Les notes n&apos;ont pas pu être restaurées depuis %1&#xa0;: %2. Quillarren démarre avec une base vide&#xa0;; la sauvegarde est toujours là.</translation>
    </message>
</context>
<context>
    <name>DesktopProgram</name>
    <message>
        <source>Quillarren: sync</source>
        <translation>Quillarren&#xa0;: synchronisation</translation>
    </message>
    <message>
        <source>Your notes could not be backed up: %1. Quillarren tries again in an hour.</source>
        <translation>Vos notes n&apos;ont pas pu être sauvegardées&#xa0;: %1. Quillarren réessaiera dans une heure.</translation>
    </message>
    <message>
        <source>Quillarren: backup failed</source>
        <translation>Quillarren&#xa0;: échec de la sauvegarde</translation>
    </message>
    <message>
        <source>Your notes are backed up in %1.</source>
        <translation>Vos notes sont sauvegardées dans %1.</translation>
    </message>
    <message>
        <source>Quillarren: backed up</source>
        <translation>Quillarren&#xa0;: sauvegarde effectuée</translation>
    </message>
</context>
<context>
    <name>EmailDialog</name>
    <message>
        <source>E-mail Note</source>
        <translation>Envoyer la note par courriel</translation>
    </message>
    <message>
        <source>Enter e-mail recepients</source>
        <translation>Saisissez les destinataires du courriel</translation>
    </message>
    <message>
        <source>Compose</source>
        <translation>Rédiger</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No mail program is set up on this computer to write this e-mail.

Copy the note&apos;s text, to paste it into a message yourself?</source>
        <translation>Aucun logiciel de messagerie n&apos;est configuré sur cet ordinateur pour écrire ce courriel.

Copier le texte de la note pour le coller vous-même dans un message&#xa0;?</translation>
    </message>
    <message>
        <source>The text could not be copied: the clipboard is busy.</source>
        <translation>Impossible de copier le texte&#xa0;: le presse-papiers est occupé.</translation>
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
dans %2 à la ligne %3<byte value="xd"/>
<byte value="xd"/>
Veuillez envoyer une capture d&apos;écran de ce message par courriel à %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l&apos;application</translation>
    </message>
    <message>
        <source>Unexpected failure</source>
        <translation>Échec inattendu</translation>
    </message>
</context>
<context>
    <name>FolderScan</name>
    <message>
        <source>%1 holds another note than its name says</source>
        <translation>%1 contient une autre note que celle qu&apos;indique son nom</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Couleur...</translation>
    </message>
</context>
<context>
    <name>HistoryExport</name>
    <message>
        <source>the notes&apos; history is not available, so it was left out</source>
        <translation>l&apos;historique des notes n&apos;est pas disponible, il a donc été omis</translation>
    </message>
    <message>
        <source>the notes&apos; history, more than %1 MB, was left out (--history ID --show N prints a version; a backup holds them all)</source>
        <translation>l&apos;historique des notes, plus de %1 Mo, a été omis (--history ID --show N affiche une version ; une sauvegarde les contient toutes)</translation>
    </message>
</context>
<context>
    <name>HistoryKeeper</name>
    <message>
        <source>Quillarren: note history</source>
        <translation>Quillarren : historique des notes</translation>
    </message>
    <message>
        <source>The history of the notes is not available this time.</source>
        <translation>L&apos;historique des notes n&apos;est pas disponible cette fois-ci.</translation>
    </message>
</context>
<context>
    <name>HistoryVerbs</name>
    <message>
        <source>The history of the notes is not available (see the message at start-up).</source>
        <translation>L&apos;historique des notes n&apos;est pas disponible (voir le message au démarrage).</translation>
    </message>
    <message>
        <source>No note has the id or number &apos;%1&apos;.</source>
        <translation>Aucune note n&apos;a l&apos;ID ou le numéro « %1 ».</translation>
    </message>
    <message>
        <source>Note %1 has no earlier versions.
</source>
        <translation>La note %1 n&apos;a pas de versions antérieures.
</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
    <message>
        <source>Note %1 has no version %2; it has %3 (--history %4 lists them).</source>
        <translation>La note %1 n&apos;a pas de version %2 ; elle en a %3 (--history %4 les liste).</translation>
    </message>
    <message>
        <source>Version %1 of note %2 could not be read.</source>
        <translation>La version %1 de la note %2 n&apos;a pas pu être lue.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>Note History</source>
        <translation>Historique de la note</translation>
    </message>
    <message>
        <source>Note History: %1</source>
        <translation>Historique de la note : %1</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Versions</translation>
    </message>
    <message>
        <source>Text of the chosen version</source>
        <translation>Texte de la version choisie</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Restaurer cette version</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>(lines removed at the end)</source>
        <translation>(lignes supprimées à la fin)</translation>
    </message>
    <message>
        <source>This note has no earlier versions yet.</source>
        <translation>Cette note n&apos;a pas encore de versions antérieures.</translation>
    </message>
    <message>
        <source>Same as the note now.</source>
        <translation>Identique à la note actuelle.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) differ from the note now (marked).</source>
        <translation>
            <numerusform>%n ligne diffère de la note actuelle (en surbrillance).</numerusform>
            <numerusform>%n lignes diffèrent de la note actuelle (en surbrillance).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>The note could not be saved to %1: %2</source>
        <translation>La note n&apos;a pas pu être enregistrée dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>NoteFields</name>
    <message>
        <source>&quot;%1&quot; is not text</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas du texte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not true or false</source>
        <translation>«&#xa0;%1&#xa0;» ne vaut ni true ni false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an object</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un objet</translation>
    </message>
    <message>
        <source>&quot;deleted&quot; is not a date</source>
        <translation>«&#xa0;deleted&#xa0;» n&apos;est pas une date</translation>
    </message>
    <message>
        <source>note %1</source>
        <translation>note %1</translation>
    </message>
    <message>
        <source>note %1 (&quot;%2&quot;)</source>
        <translation>note %1 («&#xa0;%2&#xa0;»)</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>%1 is not a whole Quillarren notes file: it breaks off or is damaged at byte %2 (%3)</source>
        <translation>%1 n&apos;est pas un fichier de notes Quillarren complet&#xa0;: il s&apos;interrompt ou est endommagé à l&apos;octet %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is not a whole Quillarren note: it breaks off or is damaged at byte %2 (%3)</source>
        <translation>%1 n&apos;est pas une note Quillarren complète&#xa0;: elle s&apos;interrompt ou est endommagée à l&apos;octet %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren notes file</source>
        <translation>%1 n&apos;est pas un fichier de notes Quillarren</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren note</source>
        <translation>%1 n&apos;est pas une note Quillarren</translation>
    </message>
    <message>
        <source>%1 has an invalid format version (%2), so it is not a Quillarren notes file that can be read</source>
        <translation>%1 a une version de format non valide (%2)&#xa0;: ce n&apos;est donc pas un fichier de notes Quillarren lisible</translation>
    </message>
    <message>
        <source>%1 has an invalid format version (%2), so it is not a Quillarren note that can be read</source>
        <translation>%1 a une version de format non valide (%2)&#xa0;: ce n&apos;est donc pas une note Quillarren lisible</translation>
    </message>
    <message>
        <source>%1 was written by a newer Quillarren (its format version is %2; this one reads version %3 and older)</source>
        <translation>%1 a été écrit par un Quillarren plus récent (sa version de format est %2&#xa0;; celui-ci lit la version %3 et les précédentes)</translation>
    </message>
    <message>
        <source>it is not a note</source>
        <translation>l&apos;élément n&apos;est pas une note</translation>
    </message>
    <message>
        <source>%1 is damaged: in its deleted %2, %3</source>
        <translation>%1 est endommagé&#xa0;: parmi les notes supprimées, dans la %2, %3</translation>
    </message>
    <message>
        <source>%1 is damaged: in its %2, %3</source>
        <translation>%1 est endommagé&#xa0;: dans la %2, %3</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 est endommagé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren note (it names no note, or another one)</source>
        <translation>%1 n&apos;est pas une note Quillarren (il ne désigne aucune note, ou une autre)</translation>
    </message>
</context>
<context>
    <name>NoteHistory</name>
    <message>
        <source>The history of your notes could not be opened in %1; no versions are kept this time. Your notes are as they were.</source>
        <translation>L&apos;historique de vos notes n&apos;a pas pu être ouvert dans %1 ; aucune version n&apos;est conservée cette fois-ci. Vos notes sont restées telles quelles.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 is damaged (%2); it is left aside and no versions are kept until it is mended. Your notes are as they were.</source>
        <translation>L&apos;historique de vos notes dans %1 est endommagé (%2) ; il est mis de côté et aucune version n&apos;est conservée tant qu&apos;il n&apos;est pas réparé. Vos notes sont restées telles quelles.</translation>
    </message>
    <message>
        <source>The history of your notes could not be started in %1 (%2); no versions are kept this time. Your notes are as they were.</source>
        <translation>L&apos;historique de vos notes n&apos;a pas pu être démarré dans %1 (%2) ; aucune version n&apos;est conservée cette fois-ci. Vos notes sont restées telles quelles.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 is not as Quillarren keeps it and could not be set aside (%2); no versions are kept this time. Your notes are as they were.</source>
        <translation>L&apos;historique de vos notes dans %1 n&apos;est pas tel que Quillarren le tient et n&apos;a pas pu être mis de côté (%2) ; aucune version n&apos;est conservée cette fois-ci. Vos notes sont restées telles quelles.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 was not as Quillarren keeps it: it is kept in %2, and a new history is started. Your notes are as they were.</source>
        <translation>L&apos;historique de vos notes dans %1 n&apos;était pas tel que Quillarren le tient : il est conservé dans %2 et un nouvel historique est commencé. Vos notes sont restées telles quelles.</translation>
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
        <translation>, dans «&#xa0;Notes supprimées&#xa0;»</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Set Reminder</source>
        <translation>Définir un rappel</translation>
    </message>
    <message>
        <source>Create New Note</source>
        <translation>Créer une nouvelle note</translation>
    </message>
    <message>
        <source>Delete This Note</source>
        <translation>Supprimer cette note</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Police...</translation>
    </message>
    <message>
        <source>Color...</source>
        <translation>Couleur...</translation>
    </message>
    <message>
        <source>Email Note</source>
        <translation>Envoyer la note par courriel</translation>
    </message>
    <message>
        <source>Save Note to File</source>
        <translation>Enregistrer la note dans un fichier</translation>
    </message>
    <message>
        <source>Insert Date</source>
        <translation>Insérer la date</translation>
    </message>
    <message>
        <source>Insert Time</source>
        <translation>Insérer l&apos;heure</translation>
    </message>
    <message>
        <source>Default Translucency</source>
        <translation>Transparence par défaut</translation>
    </message>
    <message>
        <source>Increase Translucency</source>
        <translation>Augmenter la transparence</translation>
    </message>
    <message>
        <source>Decrease Translucency</source>
        <translation>Diminuer la transparence</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Email Author Suggestions / Bugs</source>
        <translation>Envoyer suggestions / bogues à l&apos;auteur</translation>
    </message>
    <message>
        <source>Goto %1</source>
        <translation>Aller sur %1</translation>
    </message>
    <message>
        <source>Quit (Remove All Notes)</source>
        <translation>Quitter (fermer toutes les notes)</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Liste de contrôle</translation>
    </message>
    <message>
        <source>Note History…</source>
        <translation>Historique de la note…</translation>
    </message>
</context>
<context>
    <name>NoteSync</name>
    <message>
        <source>Quillarren no longer syncs its notes through a folder; the notes stay as they are.</source>
        <translation>Quillarren ne synchronise plus ses notes par un dossier&#xa0;; les notes restent telles quelles.</translation>
    </message>
    <message>
        <source>%1 is not a folder: syncing is left as it was.</source>
        <translation>%1 n&apos;est pas un dossier&#xa0;: la synchronisation reste inchangée.</translation>
    </message>
    <message>
        <source>Quillarren syncs its notes through %1: one file per note, which the program that syncs the folder carries to your other computers.</source>
        <translation>Quillarren synchronise ses notes par %1&#xa0;: un fichier par note, que le logiciel qui synchronise le dossier copie vers vos autres ordinateurs.</translation>
    </message>
    <message>
        <source>Syncing waits until it is back; your notes are kept here as they are.</source>
        <translation>La synchronisation attend son retour&#xa0;; vos notes restent ici telles quelles.</translation>
    </message>
    <message>
        <source>If the folder is right as it is now, choose it again (Sync Folder… in the tray menu, or quillarren --sync-folder) and syncing goes on.</source>
        <translation>Si le dossier est correct tel qu&apos;il est maintenant, choisissez-le à nouveau («&#xa0;Dossier de synchronisation…&#xa0;» dans le menu de la zone de notification, ou quillarren --sync-folder) et la synchronisation reprend.</translation>
    </message>
    <message>
        <source>The sync folder %1 is back: syncing goes on.</source>
        <translation>Le dossier de synchronisation %1 est de retour&#xa0;: la synchronisation reprend.</translation>
    </message>
    <message>
        <source>The sync folder %1 is not there (is its disk unmounted?). %2</source>
        <translation>Le dossier de synchronisation %1 est introuvable (son disque est-il démonté&#xa0;?). %2</translation>
    </message>
    <message>
        <source>The sync folder %1 holds none of your notes&apos; files any more (is its disk unmounted?). %2 %3</source>
        <translation>Le dossier de synchronisation %1 ne contient plus aucun fichier de vos notes (son disque est-il démonté&#xa0;?). %2 %3</translation>
    </message>
    <message>
        <source>The sync folder %1 is on another disk than before (was its disk unmounted, or another mounted there?). %2 %3</source>
        <translation>Le dossier de synchronisation %1 se trouve sur un autre disque qu&apos;auparavant (son disque a-t-il été démonté, ou un autre monté à sa place&#xa0;?). %2 %3</translation>
    </message>
    <message>
        <source>In the sync folder %1:</source>
        <translation>Dans le dossier de synchronisation %1&#xa0;:</translation>
    </message>
</context>
<context>
    <name>NoteVerbs</name>
    <message>
        <source>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</source>
        <translation>Quillarren est encore en train d&apos;ouvrir ou de remplacer des notes&#xa0;; rien n&apos;a été modifié. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>There are no deleted notes.</source>
        <translation>Il n&apos;y a aucune note supprimée.</translation>
    </message>
    <message>
        <source>Deleted notes, newest first (each is kept 30 days; quillarren --restore ID brings one back):</source>
        <translation>Notes supprimées, de la plus récente à la plus ancienne (chacune est conservée 30 jours&#xa0;; quillarren --restore ID en restaure une)&#xa0;:</translation>
    </message>
    <message>
        <source>There is no deleted note with the id %1 (quillarren --deleted lists them).</source>
        <translation>Il n&apos;y a pas de note supprimée avec l&apos;identifiant %1 (quillarren --deleted les liste).</translation>
    </message>
    <message>
        <source>The note %1 is open already.</source>
        <translation>La note %1 est déjà ouverte.</translation>
    </message>
    <message>
        <source>The note %1 could not be restored, because %2. Nothing was changed.</source>
        <translation>La note %1 n&apos;a pas pu être restaurée, car %2. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Restored the note %1.</source>
        <translation>Note %1 restaurée.</translation>
    </message>
    <message>
        <source>There are no backups yet in %1.</source>
        <translation>Il n&apos;y a pas encore de sauvegarde dans %1.</translation>
    </message>
    <message>
        <source>Backups, newest first (quillarren --restore-backup FILE restores one):</source>
        <translation>Sauvegardes, de la plus récente à la plus ancienne (quillarren --restore-backup FILE en restaure une)&#xa0;:</translation>
    </message>
    <message>
        <source>  (dated ahead of now)</source>
        <translation>  (datée dans le futur)</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>Restauration…</translation>
    </message>
    <message>
        <source>The notes could not be restored: %1. Nothing was changed.</source>
        <translation>Les notes n&apos;ont pas pu être restaurées&#xa0;: %1. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Restored your notes from %1. The notes you had before are kept in the backup %2.</source>
        <translation>Vos notes ont été restaurées depuis %1. Les notes que vous aviez auparavant sont conservées dans la sauvegarde %2.</translation>
    </message>
    <message numerus="yes">
        <source>Exporting %n notes…</source>
        <translation>
            <numerusform>Exportation de %n note…</numerusform>
            <numerusform>Exportation de %n notes…</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1: %2. Nothing was changed.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2. Rien n&apos;a été modifié.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n notes to %1</source>
        <translation>
            <numerusform>%n note exportée vers %1</numerusform>
            <numerusform>%n notes exportées vers %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, and %n deleted notes</source>
        <translation>
            <numerusform>, ainsi que %n note supprimée</numerusform>
            <numerusform>, ainsi que %n notes supprimées</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Nothing was imported.</source>
        <translation>%1. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>Rien n&apos;a été importé depuis %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n notes that are not here yet, more than the %2 an import opens without asking: each opens as a note on your desktop at every start. To import them all, add --allow-many. Nothing was imported.</source>
        <translation>
            <numerusform>%1 contient %n note qui n&apos;est pas encore ici, plus que les %2 qu&apos;une importation ouvre sans demander&#xa0;: chacune s&apos;ouvre comme une note sur votre bureau à chaque démarrage. Pour toutes les importer, ajoutez --allow-many. Rien n&apos;a été importé.</numerusform>
            <numerusform>%1 contient %n notes qui ne sont pas encore ici, plus que les %2 qu&apos;une importation ouvre sans demander&#xa0;: chacune s&apos;ouvre comme une note sur votre bureau à chaque démarrage. Pour toutes les importer, ajoutez --allow-many. Rien n&apos;a été importé.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Importing %n notes…</source>
        <translation>
            <numerusform>Importation de %n note…</numerusform>
            <numerusform>Importation de %n notes…</numerusform>
        </translation>
    </message>
    <message>
        <source>The notes could not be imported, because %1. Nothing was imported.</source>
        <translation>Les notes n&apos;ont pas pu être importées, car %1. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Waiting for an answer in Quillarren…</source>
        <translation>En attente d&apos;une réponse de Quillarren…</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n notes that are not here yet. Each opens as a note on your desktop, now and at every start. Import them all?</source>
        <translation>
            <numerusform>%1 contient %n note qui n&apos;est pas encore ici. Elle s&apos;ouvre comme une note sur votre bureau, maintenant et à chaque démarrage. L&apos;importer&#xa0;?</numerusform>
            <numerusform>%1 contient %n notes qui ne sont pas encore ici. Chacune s&apos;ouvre comme une note sur votre bureau, maintenant et à chaque démarrage. Les importer toutes&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Quillarren: import</source>
        <translation>Quillarren&#xa0;: importation</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n notes from %1</source>
        <translation>
            <numerusform>%n note importée depuis %1</numerusform>
            <numerusform>%n notes importées depuis %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n of them as new notes beside those here with other text)</source>
        <translation>
            <numerusform> (dont %n ajoutée comme nouvelle note à côté de la note existante au texte différent)</numerusform>
            <numerusform> (dont %n ajoutées comme nouvelles notes à côté des notes existantes au texte différent)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n were here already</source>
        <translation>
            <numerusform>&#xa0;; %n était déjà présente</numerusform>
            <numerusform>&#xa0;; %n étaient déjà présentes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n deleted notes went to Deleted Notes</source>
        <translation>
            <numerusform>&#xa0;; %n note supprimée a été placée dans «&#xa0;Notes supprimées&#xa0;»</numerusform>
            <numerusform>&#xa0;; %n notes supprimées ont été placées dans «&#xa0;Notes supprimées&#xa0;»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n notes here have other text than in the file and were left as they are: %1.
To add the file&apos;s versions as new notes beside them: quillarren --import %2 --as-new</source>
        <translation>
            <numerusform>
%n note existante a un autre texte que dans le fichier et a été laissée telle quelle&#xa0;: %1.
Pour ajouter la version du fichier comme nouvelle note à côté d&apos;elle&#xa0;: quillarren --import %2 --as-new</numerusform>
            <numerusform>
%n notes existantes ont un autre texte que dans le fichier et ont été laissées telles quelles&#xa0;: %1.
Pour ajouter les versions du fichier comme nouvelles notes à côté d&apos;elles&#xa0;: quillarren --import %2 --as-new</numerusform>
        </translation>
    </message>
    <message>
        <source>The choice could not be stored, because %1.</source>
        <translation>Le choix n&apos;a pas pu être enregistré, car %1.</translation>
    </message>
    <message>
        <source>Quillarren shows its icon in the tray.</source>
        <translation>Quillarren affiche son icône dans la zone de notification.</translation>
    </message>
    <message>
        <source>Quillarren no longer shows an icon in the tray; quillarren --tray on brings it back.</source>
        <translation>Quillarren n&apos;affiche plus d&apos;icône dans la zone de notification&#xa0;; quillarren --tray on la rétablit.</translation>
    </message>
    <message>
        <source>%1 is not a folder; nothing was changed.</source>
        <translation>%1 n&apos;est pas un dossier&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Quillarren will not sync its notes through a folder.</source>
        <translation>Quillarren ne synchronisera pas ses notes par un dossier.</translation>
    </message>
    <message>
        <source>Quillarren will sync its notes through %1 from its next start.</source>
        <translation>Quillarren synchronisera ses notes par %1 à partir de son prochain démarrage.</translation>
    </message>
    <message>
        <source>, with their history</source>
        <translation>, avec leur historique</translation>
    </message>
</context>
<context>
    <name>NoteWindow</name>
    <message>
        <source>You can expand this note by dragging the bottom and right edges</source>
        <translation>Vous pouvez agrandir cette note en faisant glisser ses bords inférieur et droit</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</source>
        <translation>Quillarren est encore en train d&apos;ouvrir ou de remplacer des notes&#xa0;; rien n&apos;a été modifié. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>There is no deleted note with the id %1 (quillarren --deleted lists them).</source>
        <translation>Il n&apos;y a pas de note supprimée avec l&apos;identifiant %1 (quillarren --deleted les liste).</translation>
    </message>
    <message>
        <source>The note %1 is open already.</source>
        <translation>La note %1 est déjà ouverte.</translation>
    </message>
    <message>
        <source>The note %1 could not be restored, because %2. Nothing was changed.</source>
        <translation>La note %1 n&apos;a pas pu être restaurée, car %2. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Restored the note %1.</source>
        <translation>Note %1 restaurée.</translation>
    </message>
    <message>
        <source>Quillarren is quitting; nothing was changed.</source>
        <translation>Quillarren est en train de quitter&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>Restauration…</translation>
    </message>
    <message>
        <source>The notes could not be restored: %1. Nothing was changed.</source>
        <translation>Les notes n&apos;ont pas pu être restaurées&#xa0;: %1. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Restored your notes from %1. The notes you had before are kept in the backup %2.</source>
        <translation>Vos notes ont été restaurées depuis %1. Les notes que vous aviez auparavant sont conservées dans la sauvegarde %2.</translation>
    </message>
    <message>
        <source>Quillarren: notes restored</source>
        <translation>Quillarren&#xa0;: notes restaurées</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>This is the last note. Would you like to quit?</source>
        <translation>C&apos;est la dernière note. Voulez-vous quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Quitter&#xa0;?</translation>
    </message>
    <message>
        <source>The note could not be moved to Deleted Notes, because %1. It stays open; nothing was deleted.</source>
        <translation>La note n&apos;a pas pu être déplacée vers «&#xa0;Notes supprimées&#xa0;», car %1. Elle reste ouverte&#xa0;; rien n&apos;a été supprimé.</translation>
    </message>
    <message>
        <source>Quillarren is quitting</source>
        <translation>Quillarren est en train de quitter</translation>
    </message>
    <message>
        <source>there would be more notes than Quillarren can keep</source>
        <translation>il y aurait plus de notes que Quillarren ne peut en conserver</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1 of %n notes…</source>
        <translation>
            <numerusform>Ouverture de la note&#xa0;: %1 sur %n…</numerusform>
            <numerusform>Ouverture des notes&#xa0;: %1 sur %n…</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotesList</name>
    <message>
        <source>Find Note</source>
        <translation>Rechercher une note</translation>
    </message>
    <message>
        <source>&amp;Find in your notes:</source>
        <translation>&amp;Rechercher dans vos notes&#xa0;:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Note &amp;History…</source>
        <translation>&amp;Historique de la note…</translation>
    </message>
</context>
<context>
    <name>NotesListModel</name>
    <message>
        <source>(empty note)</source>
        <translation>(note vide)</translation>
    </message>
    <message>
        <source>  (put away)</source>
        <translation>  (rangée)</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Note&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Quillarren: notes not saved</source>
        <translation>Quillarren&#xa0;: notes non enregistrées</translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2.

Quillarren stays open until they are saved, so that nothing you typed is lost. Free some space or fix the folder, then press Retry. Cancel keeps your notes open; saving goes on being retried.</source>
        <translation>Vos notes n&apos;ont pas pu être enregistrées dans %1, car %2.

Quillarren reste ouvert jusqu&apos;à ce qu&apos;elles soient enregistrées, afin que rien de ce que vous avez saisi ne soit perdu. Libérez de l&apos;espace ou corrigez le dossier, puis cliquez sur «&#xa0;Réessayer&#xa0;». «&#xa0;Annuler&#xa0;» garde vos notes ouvertes&#xa0;; l&apos;enregistrement continue d&apos;être retenté.</translation>
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
        <translation>Copier le texte</translation>
    </message>
</context>
<context>
    <name>QtSound</name>
    <message>
        <source>it was built for another version of Quillarren</source>
        <translation>il a été compilé pour une autre version de Quillarren</translation>
    </message>
    <message>
        <source>Alarms will be silent: the sound plugin %1 cannot be used: %2</source>
        <translation>Les alarmes seront muettes&#xa0;: le greffon sonore %1 ne peut pas être utilisé&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ReminderDialog</name>
    <message>
        <source>Time for Reminder to Go Off:</source>
        <translation>Heure du rappel&#xa0;:</translation>
    </message>
    <message>
        <source>Default: 10 mins from now.</source>
        <translation>Par défaut&#xa0;: dans 10 minutes.</translation>
    </message>
    <message>
        <source>Date for Reminder to Go Off:</source>
        <translation>Date du rappel&#xa0;:</translation>
    </message>
    <message>
        <source>Set Reminder</source>
        <translation>Définir un rappel</translation>
    </message>
    <message>
        <source>Hide This Window</source>
        <translation>Masquer cette fenêtre</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>No note chosen: right-click a note and choose Set Reminder.</source>
        <translation>Aucune note choisie&#xa0;: faites un clic droit sur une note et choisissez «&#xa0;Définir un rappel&#xa0;».</translation>
    </message>
    <message>
        <source>This date cannot be read: set it again.</source>
        <translation>Cette date est illisible&#xa0;: définissez-la à nouveau.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in a form this desktop does not read. The reminder waits until it is set again; it never goes off early.</source>
        <translation>«&#xa0;%1&#xa0;» est dans une forme que ce système ne sait pas lire. Le rappel attend d&apos;être défini à nouveau&#xa0;; il ne se déclenche jamais en avance.</translation>
    </message>
    <message>
        <source>Reminder [Enabled]</source>
        <translation>Rappel [Enabled]</translation>
    </message>
    <message>
        <source>Reminder [Disabled]</source>
        <translation>Rappel [Disabled]</translation>
    </message>
    <message>
        <source>Disable Reminder</source>
        <translation>Désactiver le rappel</translation>
    </message>
</context>
<context>
    <name>SafeRead</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is a link, not a plain file</source>
        <translation>c&apos;est un lien, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a device, FIFO or socket, not a file</source>
        <translation>c&apos;est un périphérique, un FIFO ou un socket, pas un fichier</translation>
    </message>
    <message>
        <source>it is larger than %1, the most Quillarren reads</source>
        <translation>le fichier dépasse %1, le maximum que Quillarren lit</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>the disk quota is used up</source>
        <translation>le quota de disque est épuisé</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>l&apos;accès est refusé</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is a link that another user put in the shared folder %1, and Quillarren does not follow such links</source>
        <translation>c&apos;est un lien qu&apos;un autre utilisateur a placé dans le dossier partagé %1, et Quillarren ne suit pas de tels liens</translation>
    </message>
    <message>
        <source>the link %1 cannot be followed</source>
        <translation>le lien %1 ne peut pas être suivi</translation>
    </message>
    <message>
        <source>it is a link that leads to another link, too many times</source>
        <translation>c&apos;est un lien qui mène à un autre lien, trop de fois</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>a FIFO (a pipe)</source>
        <translation>c&apos;est un FIFO (un tube)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>c&apos;est un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>c&apos;est un périphérique</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>nothing can be written in %1 (%2)</source>
        <translation>rien ne peut être écrit dans %1 (%2)</translation>
    </message>
    <message>
        <source>it is %1, and Quillarren writes only plain files</source>
        <translation>%1, et Quillarren n&apos;écrit que des fichiers ordinaires</translation>
    </message>
    <message>
        <source>it is one of Quillarren&apos;s own files (its notes store, journal, lock or backups); choose another file</source>
        <translation>c&apos;est l&apos;un des fichiers propres à Quillarren (sa base de notes, son journal, son verrou ou ses sauvegardes)&#xa0;; choisissez un autre fichier</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The notes store %1 is empty, and there are backups of your notes. Start Quillarren: it keeps the empty file aside and offers to restore your notes from a backup.</source>
        <translation>La base de notes %1 est vide, et il existe des sauvegardes de vos notes. Lancez Quillarren&#xa0;: il met le fichier vide de côté et propose de restaurer vos notes depuis une sauvegarde.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged, or not a file, and could not be moved aside.</source>
        <translation>La base de notes %1 est endommagée, ou ce n&apos;est pas un fichier, et elle n&apos;a pas pu être mise de côté.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged. Start Quillarren: it keeps the damaged file aside and offers to restore your notes from a backup.</source>
        <translation>La base de notes %1 est endommagée. Lancez Quillarren&#xa0;: il met le fichier endommagé de côté et propose de restaurer vos notes depuis une sauvegarde.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged and could not be moved aside.</source>
        <translation>La base de notes %1 est endommagée et n&apos;a pas pu être mise de côté.</translation>
    </message>
    <message>
        <source>The notes store %1 cannot be written (%2). Your notes are shown, but changes cannot be kept until it can be written; Quillarren keeps trying.</source>
        <translation>Impossible d&apos;écrire dans la base de notes %1 (%2). Vos notes sont affichées, mais les modifications ne pourront être conservées que lorsqu&apos;elle sera de nouveau accessible en écriture&#xa0;; Quillarren continue d&apos;essayer.</translation>
    </message>
    <message>
        <source>The notes store %1 cannot be read: %2</source>
        <translation>La base de notes %1 ne peut pas être lue&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>no room for a copy of the notes in the temporary folder</source>
        <translation>il n&apos;y a pas de place pour une copie des notes dans le dossier temporaire</translation>
    </message>
    <message>
        <source>the notes could not be copied from %1 (%2)</source>
        <translation>les notes n&apos;ont pas pu être copiées depuis %1 (%2)</translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2. Everything you type is kept and saving is retried; please free some space or fix the folder&apos;s permissions.</source>
        <translation>Vos notes n&apos;ont pas pu être enregistrées dans %1, car %2. Tout ce que vous saisissez est conservé et l&apos;enregistrement est retenté&#xa0;; veuillez libérer de l&apos;espace ou corriger les droits d&apos;accès du dossier.</translation>
    </message>
    <message>
        <source>cannot open the file</source>
        <translation>le fichier ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the file has reached the size this session may write</source>
        <translation>le fichier a atteint la taille que cette session peut écrire</translation>
    </message>
    <message>
        <source>the file or its folder is read-only</source>
        <translation>le fichier ou son dossier est en lecture seule</translation>
    </message>
    <message>
        <source>you do not have permission to write it</source>
        <translation>vous n&apos;avez pas la permission d&apos;y écrire</translation>
    </message>
    <message>
        <source>another program is holding it</source>
        <translation>un autre programme le bloque</translation>
    </message>
    <message>
        <source>the disk refused the write (%1)</source>
        <translation>le disque a refusé l&apos;écriture (%1)</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>Le fichier d&apos;habillage %1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>StoreCopy</name>
    <message>
        <source>out of memory</source>
        <translation>la mémoire est insuffisante</translation>
    </message>
    <message>
        <source>its table &quot;%1&quot; is not as Quillarren makes it</source>
        <translation>sa table «&#xa0;%1&#xa0;» n&apos;est pas telle que Quillarren la crée</translation>
    </message>
    <message>
        <source>it holds a %1 &quot;%2&quot; that Quillarren does not make</source>
        <translation>il contient un objet de type %1 («&#xa0;%2&#xa0;») que Quillarren ne crée pas</translation>
    </message>
    <message>
        <source>it holds no notes</source>
        <translation>il ne contient aucune note</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 ne peut pas être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is damaged or not a notes store (%2)</source>
        <translation>%1 est endommagé ou n&apos;est pas une base de notes (%2)</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren notes store: %2</source>
        <translation>%1 n&apos;est pas une base de notes Quillarren&#xa0;: %2</translation>
    </message>
    <message>
        <source>a fresh store could not be made at %1</source>
        <translation>une nouvelle base n&apos;a pas pu être créée à l&apos;emplacement %1</translation>
    </message>
    <message>
        <source>the notes could not be copied from %1 (%2)</source>
        <translation>les notes n&apos;ont pas pu être copiées depuis %1 (%2)</translation>
    </message>
</context>
<context>
    <name>StoredText</name>
    <message>
        <source>Reminder!</source>
        <translation>Rappel&#xa0;!</translation>
    </message>
</context>
<context>
    <name>SyncLook</name>
    <message>
        <source>%1 is named for a note id that no note can have — left alone.</source>
        <translation>%1 porte le nom d&apos;un identifiant de note qu&apos;aucune note ne peut avoir — laissé tel quel.</translation>
    </message>
    <message>
        <source>%1 — left alone.</source>
        <translation>%1 — laissé tel quel.</translation>
    </message>
    <message>
        <source>%1 — written again from this computer&apos;s note.</source>
        <translation>%1 — réécrit à partir de la note de cet ordinateur.</translation>
    </message>
    <message>
        <source>A change from another computer could not be taken in: %1.</source>
        <translation>Une modification venant d&apos;un autre ordinateur n&apos;a pas pu être prise en compte&#xa0;: %1.</translation>
    </message>
    <message>
        <source>A note deleted on another computer could not be deleted here: %1.</source>
        <translation>Une note supprimée sur un autre ordinateur n&apos;a pas pu être supprimée ici&#xa0;: %1.</translation>
    </message>
    <message>
        <source>A note from another computer could not be added: %1.</source>
        <translation>Une note venant d&apos;un autre ordinateur n&apos;a pas pu être ajoutée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>A note changed on two computers at once could not be kept twice: %1.</source>
        <translation>Une note modifiée simultanément sur deux ordinateurs n&apos;a pas pu être conservée en double&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Notes from other computers could not be added: %1.</source>
        <translation>Les notes venant d&apos;autres ordinateurs n&apos;ont pas pu être ajoutées&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Quillarren cannot write here: %1. Your notes are kept on this computer; it tries again.</source>
        <translation>Quillarren ne peut pas écrire ici&#xa0;: %1. Vos notes sont conservées sur cet ordinateur&#xa0;; il réessaie.</translation>
    </message>
</context>
<context>
    <name>SyncedNotes</name>
    <message>
        <source>the note is no longer open</source>
        <translation>la note n&apos;est plus ouverte</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>New Note</source>
        <translation>Nouvelle note</translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation>Afficher toutes les notes</translation>
    </message>
    <message>
        <source>Find Note…</source>
        <translation>Rechercher une note…</translation>
    </message>
    <message>
        <source>Deleted Notes</source>
        <translation>Notes supprimées</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>Sync Folder…</source>
        <translation>Dossier de synchronisation…</translation>
    </message>
    <message>
        <source>Stop Syncing</source>
        <translation>Arrêter la synchronisation</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Lancer à la connexion</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>No deleted notes</source>
        <translation>Aucune note supprimée</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Sauvegarder maintenant</translation>
    </message>
    <message>
        <source>No backups yet</source>
        <translation>Aucune sauvegarde pour l&apos;instant</translation>
    </message>
    <message>
        <source>Restore from %1</source>
        <translation>Restaurer la sauvegarde du %1</translation>
    </message>
    <message>
        <source>Replace your notes by those of the backup %1? The notes you have now are backed up first, so this can be undone.</source>
        <translation>Remplacer vos notes par celles de la sauvegarde %1&#xa0;? Vos notes actuelles sont d&apos;abord sauvegardées&#xa0;: cette opération peut donc être annulée.</translation>
    </message>
    <message>
        <source>The folder your sync program carries to your other computers</source>
        <translation>Le dossier que votre logiciel de synchronisation copie vers vos autres ordinateurs</translation>
    </message>
    <message numerus="yes">
        <source>Quillarren: %n notes</source>
        <translation>
            <numerusform>Quillarren&#xa0;: %n note</numerusform>
            <numerusform>Quillarren&#xa0;: %n notes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quillarren is already running for this user (process %1), but it does not answer. If it is stuck, end it, then start Quillarren again.</source>
        <translation>Quillarren est déjà en cours d&apos;exécution pour cet utilisateur (processus %1), mais il ne répond pas. S&apos;il est bloqué, arrêtez-le, puis relancez Quillarren.</translation>
    </message>
    <message>
        <source>%1

Quillarren has changed nothing. Please make the file readable again, then start Quillarren.</source>
        <translation>%1

Quillarren n&apos;a rien modifié. Veuillez rendre le fichier à nouveau lisible, puis lancez Quillarren.</translation>
    </message>
</context>
</TS>
