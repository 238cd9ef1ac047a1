<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AccessibleNoteName</name>
    <message>
        <source>Note text</source>
        <translation>Texto da nota</translation>
    </message>
    <message>
        <source>Note: (empty)</source>
        <translation>Nota: (vazia)</translation>
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
        <translation>Alarme do lembrete</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>Parar alarme</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Quillarren was not set to start at login: there is no %1</source>
        <translation>O Quillarren não estava configurado para iniciar no login: %1 não existe</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>não é possível remover %1: %2</translation>
    </message>
    <message>
        <source>Quillarren will no longer start at login: removed %1</source>
        <translation>O Quillarren não iniciará mais no login: %1 removido</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Quillarren will start at login: wrote %1</source>
        <translation>O Quillarren iniciará no login: %1 gravado</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>Cannot restore from it: %1. Nothing was changed.</source>
        <translation>Não é possível restaurar a partir dele: %1. Nada foi alterado.</translation>
    </message>
    <message>
        <source>Backing up the notes you have now…</source>
        <translation>Fazendo backup das notas atuais…</translation>
    </message>
    <message>
        <source>The notes you have now could not be backed up first (%1), so nothing was restored.</source>
        <translation>Não foi possível fazer antes o backup das notas atuais (%1), então nada foi restaurado.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>out of memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>não é possível abrir %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>the copy failed: %1</source>
        <translation>a cópia falhou: %1</translation>
    </message>
    <message>
        <source>the backups folder %1 cannot be written</source>
        <translation>a pasta de backups %1 não permite gravação</translation>
    </message>
    <message>
        <source>cannot write in the backups folder %1: %2</source>
        <translation>não é possível gravar na pasta de backups %1: %2</translation>
    </message>
    <message>
        <source>the backup of %1 failed: %2</source>
        <translation>o backup de %1 falhou: %2</translation>
    </message>
    <message>
        <source>the disk refused it</source>
        <translation>o disco recusou a operação</translation>
    </message>
</context>
<context>
    <name>ChannelProtocol</name>
    <message>
        <source>The running Quillarren gave an answer this one cannot read.</source>
        <translation>O Quillarren em execução deu uma resposta que este não consegue ler.</translation>
    </message>
</context>
<context>
    <name>ChannelServer</name>
    <message>
        <source>no private folder for it</source>
        <translation>não há uma pasta privada para ele</translation>
    </message>
    <message>
        <source>Later starts of Quillarren cannot reach this one: cannot listen at %1: %2</source>
        <translation>Novas execuções do Quillarren não conseguirão se comunicar com esta: não é possível escutar em %1: %2</translation>
    </message>
    <message>
        <source>Waiting for the running Quillarren to finish what it is doing…</source>
        <translation>Aguardando o Quillarren em execução terminar o que está fazendo…</translation>
    </message>
    <message>
        <source>Process %1 asked Quillarren more than one command asks (%2 connections, %3 bytes not taken): it is no longer answered.</source>
        <translation>O processo %1 enviou ao Quillarren mais do que um comando envia (%2 conexões, %3 bytes não recebidos): ele não é mais atendido.</translation>
    </message>
    <message>
        <source>Quillarren could not read the request.</source>
        <translation>O Quillarren não conseguiu ler a solicitação.</translation>
    </message>
    <message>
        <source>This Quillarren is older and does not know &quot;%1&quot;: quit it, then start Quillarren again.</source>
        <translation>Este Quillarren é mais antigo e não conhece “%1”: encerre-o e inicie o Quillarren novamente.</translation>
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
        <translation>desmarcado</translation>
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
        <translation>%1 Nada foi alterado.</translation>
    </message>
    <message>
        <source>Asking the running Quillarren…</source>
        <translation>Consultando o Quillarren em execução…</translation>
    </message>
    <message>
        <source>Quillarren is running (process %1) but does not answer. Nothing was changed; if it is stuck, end it and try again.</source>
        <translation>O Quillarren está em execução (processo %1), mas não responde. Nada foi alterado; se ele travou, encerre-o e tente novamente.</translation>
    </message>
    <message>
        <source>Sticky notes for the desktop. Without options, brings back your notes, or brings the running ones forward.</source>
        <translation>Notas autoadesivas para a área de trabalho. Sem opções, traz de volta suas notas ou traz para a frente as que já estão abertas.</translation>
    </message>
    <message>
        <source>Start Quillarren at every login (on), or no longer (off).</source>
        <translation>Inicia o Quillarren a cada login (on) ou não mais (off).</translation>
    </message>
    <message>
        <source>List the deleted notes (kept 30 days).</source>
        <translation>Lista as notas excluídas (mantidas por 30 dias).</translation>
    </message>
    <message>
        <source>Bring a deleted note back.</source>
        <translation>Traz de volta uma nota excluída.</translation>
    </message>
    <message>
        <source>List the backups of your notes.</source>
        <translation>Lista os backups das suas notas.</translation>
    </message>
    <message>
        <source>Replace your notes by a backup&apos;s (they are backed up first).</source>
        <translation>Substitui suas notas pelas de um backup (antes é feito um backup delas).</translation>
    </message>
    <message>
        <source>Write the open notes to a file: JSON, or Markdown for a name ending in .md.</source>
        <translation>Grava as notas abertas em um arquivo: JSON, ou Markdown para um nome terminado em .md.</translation>
    </message>
    <message>
        <source>With --export: the deleted notes too.</source>
        <translation>Com --export: também as notas excluídas.</translation>
    </message>
    <message>
        <source>Add the notes of an exported file (those already here are skipped).</source>
        <translation>Adiciona as notas de um arquivo exportado (as que já estão aqui são ignoradas).</translation>
    </message>
    <message>
        <source>With --import: a note here whose text differs from the file&apos;s gets the file&apos;s version as a new note beside it.</source>
        <translation>Com --import: uma nota daqui cujo texto difere do arquivo recebe a versão do arquivo como uma nova nota ao lado.</translation>
    </message>
    <message numerus="yes">
        <source>With --import: import more than %n notes at once (each opens as a note).</source>
        <translation>
            <numerusform>Com --import: importa mais de %n nota de uma vez (cada uma abre como nota).</numerusform>
            <numerusform>Com --import: importa mais de %n notas de uma vez (cada uma abre como nota).</numerusform>
        </translation>
    </message>
    <message>
        <source>Open a new note, with the keyboard.</source>
        <translation>Abre uma nova nota (para uso pelo teclado).</translation>
    </message>
    <message>
        <source>Bring every note forward, those put away too.</source>
        <translation>Traz todas as notas para a frente, inclusive as guardadas.</translation>
    </message>
    <message>
        <source>Open the notes list, to find a note.</source>
        <translation>Abre a lista de notas para localizar uma nota.</translation>
    </message>
    <message>
        <source>Show the tray icon (on), or no longer (off).</source>
        <translation>Mostra o ícone na bandeja (on) ou não mais (off).</translation>
    </message>
    <message>
        <source>Sync the notes through a folder that a sync program carries (Syncthing, Nextcloud); off: no longer.</source>
        <translation>Sincroniza as notas por meio de uma pasta que um programa de sincronização leva (Syncthing, Nextcloud); off: não mais.</translation>
    </message>
    <message>
        <source>%1: Unexpected argument &apos;%2&apos;.</source>
        <translation>%1: argumento inesperado “%2”.</translation>
    </message>
    <message>
        <source>%1: --autostart takes on or off, not &apos;%2&apos;.</source>
        <translation>%1: --autostart aceita on ou off, não “%2”.</translation>
    </message>
    <message>
        <source>%1: --tray takes on or off, not &apos;%2&apos;.</source>
        <translation>%1: --tray aceita on ou off, não “%2”.</translation>
    </message>
    <message>
        <source>Quillarren is not running.</source>
        <translation>O Quillarren não está em execução.</translation>
    </message>
    <message>
        <source>%1: --show needs --history ID.</source>
        <translation>%1: --show requer --history ID.</translation>
    </message>
    <message>
        <source>With --history: print version N of the note (1 is the newest).</source>
        <translation>Com --history: mostra a versão N da nota (1 é a mais recente).</translation>
    </message>
    <message>
        <source>List a note&apos;s earlier versions (its id, or its number: 1 for the first note).</source>
        <translation>Lista as versões anteriores de uma nota (seu ID ou seu número: 1 para a primeira nota).</translation>
    </message>
</context>
<context>
    <name>DamageOffer</name>
    <message>
        <source>The notes store %1 could not be read: it is damaged, or not a file. It has been kept as %2 and a new, empty store was started.</source>
        <translation>Não foi possível ler o banco de dados de notas %1: ele está danificado ou não é um arquivo. Ele foi guardado como %2 e um novo banco de dados vazio foi iniciado.</translation>
    </message>
    <message>
        <source>Your notes file was damaged and has been kept as %1. Restore the notes from the backup of %2?</source>
        <translation>Seu arquivo de notas estava danificado e foi guardado como %1. Restaurar as notas do backup de %2?</translation>
    </message>
    <message>
        <source>The notes could not be restored from %1: %2. Quillarren starts with an empty store; the backup is still there.</source>
        <translation>Não foi possível restaurar as notas de %1: %2. O Quillarren inicia com um banco de dados vazio; o backup continua lá.</translation>
    </message>
</context>
<context>
    <name>DesktopProgram</name>
    <message>
        <source>Quillarren: sync</source>
        <translation>Quillarren: sincronização</translation>
    </message>
    <message>
        <source>Your notes could not be backed up: %1. Quillarren tries again in an hour.</source>
        <translation>Não foi possível fazer backup das suas notas: %1. O Quillarren tentará novamente em uma hora.</translation>
    </message>
    <message>
        <source>Quillarren: backup failed</source>
        <translation>Quillarren: falha no backup</translation>
    </message>
    <message>
        <source>Your notes are backed up in %1.</source>
        <translation>O backup das suas notas está em %1.</translation>
    </message>
    <message>
        <source>Quillarren: backed up</source>
        <translation>Quillarren: backup feito</translation>
    </message>
</context>
<context>
    <name>EmailDialog</name>
    <message>
        <source>E-mail Note</source>
        <translation>Enviar nota por e-mail</translation>
    </message>
    <message>
        <source>Enter e-mail recepients</source>
        <translation>Digite os destinatários do e-mail</translation>
    </message>
    <message>
        <source>Compose</source>
        <translation>Escrever</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No mail program is set up on this computer to write this e-mail.

Copy the note&apos;s text, to paste it into a message yourself?</source>
        <translation>Nenhum programa de e-mail está configurado neste computador para escrever esta mensagem.

Copiar o texto da nota para você mesmo colá-lo em uma mensagem?</translation>
    </message>
    <message>
        <source>The text could not be copied: the clipboard is busy.</source>
        <translation>Não foi possível copiar o texto: a área de transferência está ocupada.</translation>
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
em %2 na linha %3<byte value="xd"/>
<byte value="xd"/>
Envie uma captura de tela desta mensagem por e-mail para %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erro do aplicativo</translation>
    </message>
    <message>
        <source>Unexpected failure</source>
        <translation>Falha inesperada</translation>
    </message>
</context>
<context>
    <name>FolderScan</name>
    <message>
        <source>%1 holds another note than its name says</source>
        <translation>%1 contém uma nota diferente da indicada pelo nome</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Cor...</translation>
    </message>
</context>
<context>
    <name>HistoryExport</name>
    <message>
        <source>the notes&apos; history is not available, so it was left out</source>
        <translation>o histórico das notas não está disponível, por isso foi omitido</translation>
    </message>
    <message>
        <source>the notes&apos; history, more than %1 MB, was left out (--history ID --show N prints a version; a backup holds them all)</source>
        <translation>o histórico das notas, com mais de %1 MB, foi omitido (--history ID --show N mostra uma versão; um backup guarda todas)</translation>
    </message>
</context>
<context>
    <name>HistoryKeeper</name>
    <message>
        <source>Quillarren: note history</source>
        <translation>Quillarren: histórico das notas</translation>
    </message>
    <message>
        <source>The history of the notes is not available this time.</source>
        <translation>O histórico das notas não está disponível desta vez.</translation>
    </message>
</context>
<context>
    <name>HistoryVerbs</name>
    <message>
        <source>The history of the notes is not available (see the message at start-up).</source>
        <translation>O histórico das notas não está disponível (veja a mensagem na inicialização).</translation>
    </message>
    <message>
        <source>No note has the id or number &apos;%1&apos;.</source>
        <translation>Nenhuma nota tem o ID ou número “%1”.</translation>
    </message>
    <message>
        <source>Note %1 has no earlier versions.
</source>
        <translation>A nota %1 não tem versões anteriores.
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
        <translation>A nota %1 não tem a versão %2; ela tem %3 (--history %4 as lista).</translation>
    </message>
    <message>
        <source>Version %1 of note %2 could not be read.</source>
        <translation>Não foi possível ler a versão %1 da nota %2.</translation>
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
        <translation>Histórico da nota</translation>
    </message>
    <message>
        <source>Note History: %1</source>
        <translation>Histórico da nota: %1</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Versões</translation>
    </message>
    <message>
        <source>Text of the chosen version</source>
        <translation>Texto da versão escolhida</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Restaurar esta versão</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>(lines removed at the end)</source>
        <translation>(linhas removidas no final)</translation>
    </message>
    <message>
        <source>This note has no earlier versions yet.</source>
        <translation>Esta nota ainda não tem versões anteriores.</translation>
    </message>
    <message>
        <source>Same as the note now.</source>
        <translation>Igual à nota atual.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) differ from the note now (marked).</source>
        <translation>
            <numerusform>%n linha difere da nota atual (destacada).</numerusform>
            <numerusform>%n linhas diferem da nota atual (destacadas).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>The note could not be saved to %1: %2</source>
        <translation>Não foi possível salvar a nota em %1: %2</translation>
    </message>
</context>
<context>
    <name>NoteFields</name>
    <message>
        <source>&quot;%1&quot; is not text</source>
        <translation>“%1” não é texto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not true or false</source>
        <translation>“%1” não é um valor lógico (true ou false)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>“%1” não é um número</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>“%1” não é um número inteiro</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an object</source>
        <translation>“%1” não é um objeto</translation>
    </message>
    <message>
        <source>&quot;deleted&quot; is not a date</source>
        <translation>“deleted” não é uma data</translation>
    </message>
    <message>
        <source>note %1</source>
        <translation>nota %1</translation>
    </message>
    <message>
        <source>note %1 (&quot;%2&quot;)</source>
        <translation>nota %1 (“%2”)</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>%1 is not a whole Quillarren notes file: it breaks off or is damaged at byte %2 (%3)</source>
        <translation>%1 não é um arquivo de notas do Quillarren completo: ele se interrompe ou está danificado no byte %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is not a whole Quillarren note: it breaks off or is damaged at byte %2 (%3)</source>
        <translation>%1 não é uma nota do Quillarren completa: o arquivo se interrompe ou está danificado no byte %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren notes file</source>
        <translation>%1 não é um arquivo de notas do Quillarren</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren note</source>
        <translation>%1 não é uma nota do Quillarren</translation>
    </message>
    <message>
        <source>%1 has an invalid format version (%2), so it is not a Quillarren notes file that can be read</source>
        <translation>%1 tem uma versão de formato inválida (%2), portanto não é um arquivo de notas do Quillarren que possa ser lido</translation>
    </message>
    <message>
        <source>%1 has an invalid format version (%2), so it is not a Quillarren note that can be read</source>
        <translation>%1 tem uma versão de formato inválida (%2), portanto não é uma nota do Quillarren que possa ser lida</translation>
    </message>
    <message>
        <source>%1 was written by a newer Quillarren (its format version is %2; this one reads version %3 and older)</source>
        <translation>%1 foi gravado por um Quillarren mais recente (a versão do formato é %2; este lê a versão %3 e anteriores)</translation>
    </message>
    <message>
        <source>it is not a note</source>
        <translation>não é uma nota</translation>
    </message>
    <message>
        <source>%1 is damaged: in its deleted %2, %3</source>
        <translation>%1 está danificado: entre as notas excluídas, na %2, %3</translation>
    </message>
    <message>
        <source>%1 is damaged: in its %2, %3</source>
        <translation>%1 está danificado: na %2, %3</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 está danificado: %2</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren note (it names no note, or another one)</source>
        <translation>%1 não é uma nota do Quillarren (não indica nenhuma nota, ou indica outra)</translation>
    </message>
</context>
<context>
    <name>NoteHistory</name>
    <message>
        <source>The history of your notes could not be opened in %1; no versions are kept this time. Your notes are as they were.</source>
        <translation>Não foi possível abrir o histórico das suas notas em %1; desta vez nenhuma versão é guardada. Suas notas continuam como estavam.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 is damaged (%2); it is left aside and no versions are kept until it is mended. Your notes are as they were.</source>
        <translation>O histórico das suas notas em %1 está danificado (%2); ele foi deixado de lado e nenhuma versão é guardada até que seja reparado. Suas notas continuam como estavam.</translation>
    </message>
    <message>
        <source>The history of your notes could not be started in %1 (%2); no versions are kept this time. Your notes are as they were.</source>
        <translation>Não foi possível iniciar o histórico das suas notas em %1 (%2); desta vez nenhuma versão é guardada. Suas notas continuam como estavam.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 is not as Quillarren keeps it and could not be set aside (%2); no versions are kept this time. Your notes are as they were.</source>
        <translation>O histórico das suas notas em %1 não está como o Quillarren o mantém e não pôde ser deixado de lado (%2); desta vez nenhuma versão é guardada. Suas notas continuam como estavam.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 was not as Quillarren keeps it: it is kept in %2, and a new history is started. Your notes are as they were.</source>
        <translation>O histórico das suas notas em %1 não estava como o Quillarren o mantém: ele foi guardado em %2 e um novo histórico foi iniciado. Suas notas continuam como estavam.</translation>
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
        <translation>, em Notas excluídas</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Não é possível ler %1: %2</translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Set Reminder</source>
        <translation>Definir lembrete</translation>
    </message>
    <message>
        <source>Create New Note</source>
        <translation>Criar nova nota</translation>
    </message>
    <message>
        <source>Delete This Note</source>
        <translation>Excluir esta nota</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Fonte...</translation>
    </message>
    <message>
        <source>Color...</source>
        <translation>Cor...</translation>
    </message>
    <message>
        <source>Email Note</source>
        <translation>Enviar por e-mail</translation>
    </message>
    <message>
        <source>Save Note to File</source>
        <translation>Salvar em arquivo</translation>
    </message>
    <message>
        <source>Insert Date</source>
        <translation>Inserir data</translation>
    </message>
    <message>
        <source>Insert Time</source>
        <translation>Inserir hora</translation>
    </message>
    <message>
        <source>Default Translucency</source>
        <translation>Transparência padrão</translation>
    </message>
    <message>
        <source>Increase Translucency</source>
        <translation>Aumentar transparência</translation>
    </message>
    <message>
        <source>Decrease Translucency</source>
        <translation>Diminuir transparência</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Sempre no topo</translation>
    </message>
    <message>
        <source>Email Author Suggestions / Bugs</source>
        <translation>Enviar sugestões / erros ao autor</translation>
    </message>
    <message>
        <source>Goto %1</source>
        <translation>Ir para %1</translation>
    </message>
    <message>
        <source>Quit (Remove All Notes)</source>
        <translation>Sair (fechar todas as notas)</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Lista de verificação</translation>
    </message>
    <message>
        <source>Note History…</source>
        <translation>Histórico da nota…</translation>
    </message>
</context>
<context>
    <name>NoteSync</name>
    <message>
        <source>Quillarren no longer syncs its notes through a folder; the notes stay as they are.</source>
        <translation>O Quillarren não sincroniza mais as notas por meio de uma pasta; as notas ficam como estão.</translation>
    </message>
    <message>
        <source>%1 is not a folder: syncing is left as it was.</source>
        <translation>%1 não é uma pasta: a sincronização ficou como estava.</translation>
    </message>
    <message>
        <source>Quillarren syncs its notes through %1: one file per note, which the program that syncs the folder carries to your other computers.</source>
        <translation>O Quillarren sincroniza as notas por meio de %1: um arquivo por nota, que o programa que sincroniza a pasta leva para os seus outros computadores.</translation>
    </message>
    <message>
        <source>Syncing waits until it is back; your notes are kept here as they are.</source>
        <translation>A sincronização aguarda até que a pasta volte; suas notas são mantidas aqui como estão.</translation>
    </message>
    <message>
        <source>If the folder is right as it is now, choose it again (Sync Folder… in the tray menu, or quillarren --sync-folder) and syncing goes on.</source>
        <translation>Se a pasta estiver certa como está agora, escolha-a novamente (“Pasta de sincronização…” no menu da bandeja ou quillarren --sync-folder) e a sincronização continua.</translation>
    </message>
    <message>
        <source>The sync folder %1 is back: syncing goes on.</source>
        <translation>A pasta de sincronização %1 voltou: a sincronização continua.</translation>
    </message>
    <message>
        <source>The sync folder %1 is not there (is its disk unmounted?). %2</source>
        <translation>A pasta de sincronização %1 não está lá (o disco foi desmontado?). %2</translation>
    </message>
    <message>
        <source>The sync folder %1 holds none of your notes&apos; files any more (is its disk unmounted?). %2 %3</source>
        <translation>A pasta de sincronização %1 não contém mais nenhum arquivo das suas notas (o disco foi desmontado?). %2 %3</translation>
    </message>
    <message>
        <source>The sync folder %1 is on another disk than before (was its disk unmounted, or another mounted there?). %2 %3</source>
        <translation>A pasta de sincronização %1 está em um disco diferente do anterior (o disco foi desmontado ou outro foi montado ali?). %2 %3</translation>
    </message>
    <message>
        <source>In the sync folder %1:</source>
        <translation>Na pasta de sincronização %1:</translation>
    </message>
</context>
<context>
    <name>NoteVerbs</name>
    <message>
        <source>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</source>
        <translation>O Quillarren ainda está abrindo ou substituindo notas; nada foi alterado. Tente novamente daqui a pouco.</translation>
    </message>
    <message>
        <source>There are no deleted notes.</source>
        <translation>Não há notas excluídas.</translation>
    </message>
    <message>
        <source>Deleted notes, newest first (each is kept 30 days; quillarren --restore ID brings one back):</source>
        <translation>Notas excluídas, mais recentes primeiro (cada uma é mantida por 30 dias; quillarren --restore ID traz uma de volta):</translation>
    </message>
    <message>
        <source>There is no deleted note with the id %1 (quillarren --deleted lists them).</source>
        <translation>Não há nota excluída com o ID %1 (quillarren --deleted as lista).</translation>
    </message>
    <message>
        <source>The note %1 is open already.</source>
        <translation>A nota %1 já está aberta.</translation>
    </message>
    <message>
        <source>The note %1 could not be restored, because %2. Nothing was changed.</source>
        <translation>Não foi possível restaurar a nota %1 porque %2. Nada foi alterado.</translation>
    </message>
    <message>
        <source>Restored the note %1.</source>
        <translation>Nota %1 restaurada.</translation>
    </message>
    <message>
        <source>There are no backups yet in %1.</source>
        <translation>Ainda não há backups em %1.</translation>
    </message>
    <message>
        <source>Backups, newest first (quillarren --restore-backup FILE restores one):</source>
        <translation>Backups, mais recentes primeiro (quillarren --restore-backup FILE restaura um):</translation>
    </message>
    <message>
        <source>  (dated ahead of now)</source>
        <translation>  (com data no futuro)</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>Restaurando…</translation>
    </message>
    <message>
        <source>The notes could not be restored: %1. Nothing was changed.</source>
        <translation>Não foi possível restaurar as notas: %1. Nada foi alterado.</translation>
    </message>
    <message>
        <source>Restored your notes from %1. The notes you had before are kept in the backup %2.</source>
        <translation>Suas notas foram restauradas de %1. As notas que você tinha antes estão guardadas no backup %2.</translation>
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
        <translation>Não é possível gravar %1: %2. Nada foi alterado.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n notes to %1</source>
        <translation>
            <numerusform>%n nota exportada para %1</numerusform>
            <numerusform>%n notas exportadas para %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, and %n deleted notes</source>
        <translation>
            <numerusform>, e %n nota excluída</numerusform>
            <numerusform>, e %n notas excluídas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Nothing was imported.</source>
        <translation>%1. Nada foi importado.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>Nada foi importado de %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n notes that are not here yet, more than the %2 an import opens without asking: each opens as a note on your desktop at every start. To import them all, add --allow-many. Nothing was imported.</source>
        <translation>
            <numerusform>%1 contém %n nota que ainda não está aqui, mais do que as %2 que uma importação abre sem perguntar: cada uma abre como nota na sua área de trabalho a cada início. Para importar todas, adicione --allow-many. Nada foi importado.</numerusform>
            <numerusform>%1 contém %n notas que ainda não estão aqui, mais do que as %2 que uma importação abre sem perguntar: cada uma abre como nota na sua área de trabalho a cada início. Para importar todas, adicione --allow-many. Nada foi importado.</numerusform>
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
        <translation>Não foi possível importar as notas porque %1. Nada foi importado.</translation>
    </message>
    <message>
        <source>Waiting for an answer in Quillarren…</source>
        <translation>Aguardando uma resposta do Quillarren…</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n notes that are not here yet. Each opens as a note on your desktop, now and at every start. Import them all?</source>
        <translation>
            <numerusform>%1 contém %n nota que ainda não está aqui. Ela abre como nota na sua área de trabalho, agora e a cada início. Importá-la?</numerusform>
            <numerusform>%1 contém %n notas que ainda não estão aqui. Cada uma abre como nota na sua área de trabalho, agora e a cada início. Importar todas?</numerusform>
        </translation>
    </message>
    <message>
        <source>Quillarren: import</source>
        <translation>Quillarren: importação</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n notes from %1</source>
        <translation>
            <numerusform>%n nota importada de %1</numerusform>
            <numerusform>%n notas importadas de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n of them as new notes beside those here with other text)</source>
        <translation>
            <numerusform> (%n delas como nova nota ao lado da existente com outro texto)</numerusform>
            <numerusform> (%n delas como novas notas ao lado das existentes com outro texto)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n were here already</source>
        <translation>
            <numerusform>; %n já estava aqui</numerusform>
            <numerusform>; %n já estavam aqui</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n deleted notes went to Deleted Notes</source>
        <translation>
            <numerusform>; %n nota excluída foi para Notas excluídas</numerusform>
            <numerusform>; %n notas excluídas foram para Notas excluídas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n notes here have other text than in the file and were left as they are: %1.
To add the file&apos;s versions as new notes beside them: quillarren --import %2 --as-new</source>
        <translation>
            <numerusform>
%n nota aqui tem texto diferente do arquivo e foi mantida como está: %1.
Para adicionar a versão do arquivo como nova nota ao lado dela: quillarren --import %2 --as-new</numerusform>
            <numerusform>
%n notas aqui têm texto diferente do arquivo e foram mantidas como estão: %1.
Para adicionar as versões do arquivo como novas notas ao lado delas: quillarren --import %2 --as-new</numerusform>
        </translation>
    </message>
    <message>
        <source>The choice could not be stored, because %1.</source>
        <translation>Não foi possível armazenar a escolha porque %1.</translation>
    </message>
    <message>
        <source>Quillarren shows its icon in the tray.</source>
        <translation>O Quillarren mostra seu ícone na bandeja.</translation>
    </message>
    <message>
        <source>Quillarren no longer shows an icon in the tray; quillarren --tray on brings it back.</source>
        <translation>O Quillarren não mostra mais um ícone na bandeja; quillarren --tray on o traz de volta.</translation>
    </message>
    <message>
        <source>%1 is not a folder; nothing was changed.</source>
        <translation>%1 não é uma pasta; nada foi alterado.</translation>
    </message>
    <message>
        <source>Quillarren will not sync its notes through a folder.</source>
        <translation>O Quillarren não sincronizará suas notas por meio de uma pasta.</translation>
    </message>
    <message>
        <source>Quillarren will sync its notes through %1 from its next start.</source>
        <translation>O Quillarren sincronizará suas notas por meio de %1 a partir do próximo início.</translation>
    </message>
    <message>
        <source>, with their history</source>
        <translation>, com o histórico</translation>
    </message>
</context>
<context>
    <name>NoteWindow</name>
    <message>
        <source>You can expand this note by dragging the bottom and right edges</source>
        <translation>Você pode aumentar esta nota arrastando as bordas inferior e direita</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propriedade inválido</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</source>
        <translation>O Quillarren ainda está abrindo ou substituindo notas; nada foi alterado. Tente novamente daqui a pouco.</translation>
    </message>
    <message>
        <source>There is no deleted note with the id %1 (quillarren --deleted lists them).</source>
        <translation>Não há nota excluída com o ID %1 (quillarren --deleted as lista).</translation>
    </message>
    <message>
        <source>The note %1 is open already.</source>
        <translation>A nota %1 já está aberta.</translation>
    </message>
    <message>
        <source>The note %1 could not be restored, because %2. Nothing was changed.</source>
        <translation>Não foi possível restaurar a nota %1 porque %2. Nada foi alterado.</translation>
    </message>
    <message>
        <source>Restored the note %1.</source>
        <translation>Nota %1 restaurada.</translation>
    </message>
    <message>
        <source>Quillarren is quitting; nothing was changed.</source>
        <translation>O Quillarren está sendo encerrado; nada foi alterado.</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>Restaurando…</translation>
    </message>
    <message>
        <source>The notes could not be restored: %1. Nothing was changed.</source>
        <translation>Não foi possível restaurar as notas: %1. Nada foi alterado.</translation>
    </message>
    <message>
        <source>Restored your notes from %1. The notes you had before are kept in the backup %2.</source>
        <translation>Suas notas foram restauradas de %1. As notas que você tinha antes estão guardadas no backup %2.</translation>
    </message>
    <message>
        <source>Quillarren: notes restored</source>
        <translation>Quillarren: notas restauradas</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>This is the last note. Would you like to quit?</source>
        <translation>Esta é a última nota. Deseja sair?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Sair?</translation>
    </message>
    <message>
        <source>The note could not be moved to Deleted Notes, because %1. It stays open; nothing was deleted.</source>
        <translation>Não foi possível mover a nota para Notas excluídas porque %1. Ela continua aberta; nada foi excluído.</translation>
    </message>
    <message>
        <source>Quillarren is quitting</source>
        <translation>o Quillarren está sendo encerrado</translation>
    </message>
    <message>
        <source>there would be more notes than Quillarren can keep</source>
        <translation>haveria mais notas do que o Quillarren consegue manter</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1 of %n notes…</source>
        <translation>
            <numerusform>Abrindo notas: %1 de %n…</numerusform>
            <numerusform>Abrindo notas: %1 de %n…</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotesList</name>
    <message>
        <source>Find Note</source>
        <translation>Localizar nota</translation>
    </message>
    <message>
        <source>&amp;Find in your notes:</source>
        <translation>&amp;Localizar nas suas notas:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Note &amp;History…</source>
        <translation>&amp;Histórico da nota…</translation>
    </message>
</context>
<context>
    <name>NotesListModel</name>
    <message>
        <source>(empty note)</source>
        <translation>(nota vazia)</translation>
    </message>
    <message>
        <source>  (put away)</source>
        <translation>  (guardada)</translation>
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
        <translation>Quillarren: notas não salvas</translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2.

Quillarren stays open until they are saved, so that nothing you typed is lost. Free some space or fix the folder, then press Retry. Cancel keeps your notes open; saving goes on being retried.</source>
        <translation>Não foi possível salvar suas notas em %1 porque %2.

O Quillarren continua aberto até que elas sejam salvas, para que nada do que você digitou se perca. Libere espaço ou corrija a pasta e pressione “Repetir”. “Cancelar” mantém suas notas abertas; o salvamento continua sendo repetido.</translation>
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
        <translation>ele foi compilado para outra versão do Quillarren</translation>
    </message>
    <message>
        <source>Alarms will be silent: the sound plugin %1 cannot be used: %2</source>
        <translation>Os alarmes ficarão mudos: o plugin de som %1 não pode ser usado: %2</translation>
    </message>
</context>
<context>
    <name>ReminderDialog</name>
    <message>
        <source>Time for Reminder to Go Off:</source>
        <translation>Hora do lembrete:</translation>
    </message>
    <message>
        <source>Default: 10 mins from now.</source>
        <translation>Padrão: daqui a 10 minutos.</translation>
    </message>
    <message>
        <source>Date for Reminder to Go Off:</source>
        <translation>Data do lembrete:</translation>
    </message>
    <message>
        <source>Set Reminder</source>
        <translation>Definir lembrete</translation>
    </message>
    <message>
        <source>Hide This Window</source>
        <translation>Ocultar esta janela</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Lembrete</translation>
    </message>
    <message>
        <source>No note chosen: right-click a note and choose Set Reminder.</source>
        <translation>Nenhuma nota escolhida: clique com o botão direito em uma nota e escolha “Definir lembrete”.</translation>
    </message>
    <message>
        <source>This date cannot be read: set it again.</source>
        <translation>Não é possível ler esta data: defina-a novamente.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in a form this desktop does not read. The reminder waits until it is set again; it never goes off early.</source>
        <translation>“%1” está em um formato que este sistema não lê. O lembrete aguarda até ser definido novamente; ele nunca dispara antes da hora.</translation>
    </message>
    <message>
        <source>Reminder [Enabled]</source>
        <translation>Lembrete [Enabled]</translation>
    </message>
    <message>
        <source>Reminder [Disabled]</source>
        <translation>Lembrete [Disabled]</translation>
    </message>
    <message>
        <source>Disable Reminder</source>
        <translation>Desativar lembrete</translation>
    </message>
</context>
<context>
    <name>SafeRead</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>it is a link, not a plain file</source>
        <translation>é um link, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is a device, FIFO or socket, not a file</source>
        <translation>é um dispositivo, FIFO ou socket, não um arquivo</translation>
    </message>
    <message>
        <source>it is larger than %1, the most Quillarren reads</source>
        <translation>é maior que %1, o máximo que o Quillarren lê</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>the disk quota is used up</source>
        <translation>a cota de disco se esgotou</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>o disco é somente leitura</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permissão negada</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>a pasta não existe</translation>
    </message>
    <message>
        <source>it is a link that another user put in the shared folder %1, and Quillarren does not follow such links</source>
        <translation>é um link que outro usuário colocou na pasta compartilhada %1, e o Quillarren não segue esses links</translation>
    </message>
    <message>
        <source>the link %1 cannot be followed</source>
        <translation>não é possível seguir o link %1</translation>
    </message>
    <message>
        <source>it is a link that leads to another link, too many times</source>
        <translation>é um link que leva a outro link, vezes demais</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>uma pasta</translation>
    </message>
    <message>
        <source>a FIFO (a pipe)</source>
        <translation>um FIFO (um pipe)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>um socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>um dispositivo</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>algo que não é um arquivo comum</translation>
    </message>
    <message>
        <source>nothing can be written in %1 (%2)</source>
        <translation>nada pode ser gravado em %1 (%2)</translation>
    </message>
    <message>
        <source>it is %1, and Quillarren writes only plain files</source>
        <translation>é %1, e o Quillarren grava apenas arquivos comuns</translation>
    </message>
    <message>
        <source>it is one of Quillarren&apos;s own files (its notes store, journal, lock or backups); choose another file</source>
        <translation>é um dos próprios arquivos do Quillarren (seu banco de dados de notas, diário, trava ou backups); escolha outro arquivo</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The notes store %1 is empty, and there are backups of your notes. Start Quillarren: it keeps the empty file aside and offers to restore your notes from a backup.</source>
        <translation>O banco de dados de notas %1 está vazio, e há backups das suas notas. Inicie o Quillarren: ele põe o arquivo vazio de lado e oferece restaurar suas notas de um backup.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged, or not a file, and could not be moved aside.</source>
        <translation>O banco de dados de notas %1 está danificado ou não é um arquivo, e não pôde ser posto de lado.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged. Start Quillarren: it keeps the damaged file aside and offers to restore your notes from a backup.</source>
        <translation>O banco de dados de notas %1 está danificado. Inicie o Quillarren: ele põe o arquivo danificado de lado e oferece restaurar suas notas de um backup.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged and could not be moved aside.</source>
        <translation>O banco de dados de notas %1 está danificado e não pôde ser posto de lado.</translation>
    </message>
    <message>
        <source>The notes store %1 cannot be written (%2). Your notes are shown, but changes cannot be kept until it can be written; Quillarren keeps trying.</source>
        <translation>Não é possível gravar no banco de dados de notas %1 (%2). Suas notas são exibidas, mas as alterações não podem ser mantidas até que seja possível gravar nele; o Quillarren continua tentando.</translation>
    </message>
    <message>
        <source>The notes store %1 cannot be read: %2</source>
        <translation>Não é possível ler o banco de dados de notas %1: %2</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>o arquivo é somente leitura</translation>
    </message>
    <message>
        <source>no room for a copy of the notes in the temporary folder</source>
        <translation>não há espaço para uma cópia das notas na pasta temporária</translation>
    </message>
    <message>
        <source>the notes could not be copied from %1 (%2)</source>
        <translation>não foi possível copiar as notas de %1 (%2)</translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2. Everything you type is kept and saving is retried; please free some space or fix the folder&apos;s permissions.</source>
        <translation>Não foi possível salvar suas notas em %1 porque %2. Tudo o que você digita é mantido e o salvamento é repetido; libere espaço ou corrija as permissões da pasta.</translation>
    </message>
    <message>
        <source>cannot open the file</source>
        <translation>não é possível abrir o arquivo</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the file has reached the size this session may write</source>
        <translation>o arquivo atingiu o tamanho que esta sessão pode gravar</translation>
    </message>
    <message>
        <source>the file or its folder is read-only</source>
        <translation>o arquivo ou sua pasta é somente leitura</translation>
    </message>
    <message>
        <source>you do not have permission to write it</source>
        <translation>você não tem permissão para gravá-lo</translation>
    </message>
    <message>
        <source>another program is holding it</source>
        <translation>outro programa o está usando</translation>
    </message>
    <message>
        <source>the disk refused the write (%1)</source>
        <translation>o disco recusou a gravação (%1)</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>Não é possível ler o arquivo de tema %1: %2</translation>
    </message>
</context>
<context>
    <name>StoreCopy</name>
    <message>
        <source>out of memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>its table &quot;%1&quot; is not as Quillarren makes it</source>
        <translation>sua tabela “%1” não é como o Quillarren a cria</translation>
    </message>
    <message>
        <source>it holds a %1 &quot;%2&quot; that Quillarren does not make</source>
        <translation>contém um objeto %1 “%2” que o Quillarren não cria</translation>
    </message>
    <message>
        <source>it holds no notes</source>
        <translation>não contém notas</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 não é um arquivo</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 não pode ser aberto: %2</translation>
    </message>
    <message>
        <source>%1 is damaged or not a notes store (%2)</source>
        <translation>%1 está danificado ou não é um banco de dados de notas (%2)</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren notes store: %2</source>
        <translation>%1 não é um banco de dados de notas do Quillarren: %2</translation>
    </message>
    <message>
        <source>a fresh store could not be made at %1</source>
        <translation>não foi possível criar um novo banco de dados em %1</translation>
    </message>
    <message>
        <source>the notes could not be copied from %1 (%2)</source>
        <translation>não foi possível copiar as notas de %1 (%2)</translation>
    </message>
</context>
<context>
    <name>StoredText</name>
    <message>
        <source>Reminder!</source>
        <translation>Lembrete!</translation>
    </message>
</context>
<context>
    <name>SyncLook</name>
    <message>
        <source>%1 is named for a note id that no note can have — left alone.</source>
        <translation>%1 tem o nome de um ID de nota que nenhuma nota pode ter — deixado como está.</translation>
    </message>
    <message>
        <source>%1 — left alone.</source>
        <translation>%1 — deixado como está.</translation>
    </message>
    <message>
        <source>%1 — written again from this computer&apos;s note.</source>
        <translation>%1 — gravado novamente a partir da nota deste computador.</translation>
    </message>
    <message>
        <source>A change from another computer could not be taken in: %1.</source>
        <translation>Não foi possível aceitar uma alteração vinda de outro computador: %1.</translation>
    </message>
    <message>
        <source>A note deleted on another computer could not be deleted here: %1.</source>
        <translation>Uma nota excluída em outro computador não pôde ser excluída aqui: %1.</translation>
    </message>
    <message>
        <source>A note from another computer could not be added: %1.</source>
        <translation>Não foi possível adicionar uma nota vinda de outro computador: %1.</translation>
    </message>
    <message>
        <source>A note changed on two computers at once could not be kept twice: %1.</source>
        <translation>Uma nota alterada em dois computadores ao mesmo tempo não pôde ser mantida em duas versões: %1.</translation>
    </message>
    <message>
        <source>Notes from other computers could not be added: %1.</source>
        <translation>Não foi possível adicionar notas vindas de outros computadores: %1.</translation>
    </message>
    <message>
        <source>Quillarren cannot write here: %1. Your notes are kept on this computer; it tries again.</source>
        <translation>O Quillarren não consegue gravar aqui: %1. Suas notas são mantidas neste computador; ele tenta novamente.</translation>
    </message>
</context>
<context>
    <name>SyncedNotes</name>
    <message>
        <source>the note is no longer open</source>
        <translation>a nota não está mais aberta</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>New Note</source>
        <translation>Nova nota</translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation>Mostrar todas as notas</translation>
    </message>
    <message>
        <source>Find Note…</source>
        <translation>Localizar nota…</translation>
    </message>
    <message>
        <source>Deleted Notes</source>
        <translation>Notas excluídas</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Backups</translation>
    </message>
    <message>
        <source>Sync Folder…</source>
        <translation>Pasta de sincronização…</translation>
    </message>
    <message>
        <source>Stop Syncing</source>
        <translation>Parar sincronização</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Iniciar ao fazer login</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>No deleted notes</source>
        <translation>Nenhuma nota excluída</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Fazer backup agora</translation>
    </message>
    <message>
        <source>No backups yet</source>
        <translation>Nenhum backup ainda</translation>
    </message>
    <message>
        <source>Restore from %1</source>
        <translation>Restaurar backup de %1</translation>
    </message>
    <message>
        <source>Replace your notes by those of the backup %1? The notes you have now are backed up first, so this can be undone.</source>
        <translation>Substituir suas notas pelas do backup %1? Antes é feito um backup das notas atuais, então isso pode ser desfeito.</translation>
    </message>
    <message>
        <source>The folder your sync program carries to your other computers</source>
        <translation>A pasta que seu programa de sincronização leva para os seus outros computadores</translation>
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
        <translation>O Quillarren já está em execução para este usuário (processo %1), mas não responde. Se ele travou, encerre-o e inicie o Quillarren novamente.</translation>
    </message>
    <message>
        <source>%1

Quillarren has changed nothing. Please make the file readable again, then start Quillarren.</source>
        <translation>%1

O Quillarren não alterou nada. Torne o arquivo legível novamente e então inicie o Quillarren.</translation>
    </message>
</context>
</TS>
