<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AccessibleNoteName</name>
    <message>
        <source>Note text</source>
        <translation>Текст заметки</translation>
    </message>
    <message>
        <source>Note: (empty)</source>
        <translation>Заметка: (пустая)</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Заметка: %1</translation>
    </message>
</context>
<context>
    <name>AlarmWindow</name>
    <message>
        <source>Reminder Alarm</source>
        <translation>Сигнал напоминания</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>Остановить сигнал</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Quillarren was not set to start at login: there is no %1</source>
        <translation>Quillarren не был настроен на запуск при входе в систему: файл %1 отсутствует</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>не удаётся удалить %1: %2</translation>
    </message>
    <message>
        <source>Quillarren will no longer start at login: removed %1</source>
        <translation>Quillarren больше не будет запускаться при входе в систему: удалён %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>Quillarren will start at login: wrote %1</source>
        <translation>Quillarren будет запускаться при входе в систему: записан %1</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>Cannot restore from it: %1. Nothing was changed.</source>
        <translation>Из этой копии восстановить нельзя: %1. Ничего не изменено.</translation>
    </message>
    <message>
        <source>Backing up the notes you have now…</source>
        <translation>Создание резервной копии текущих заметок…</translation>
    </message>
    <message>
        <source>The notes you have now could not be backed up first (%1), so nothing was restored.</source>
        <translation>Не удалось предварительно создать резервную копию текущих заметок (%1), поэтому ничего не восстановлено.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>out of memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>не удаётся открыть %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>the copy failed: %1</source>
        <translation>сбой копирования: %1</translation>
    </message>
    <message>
        <source>the backups folder %1 cannot be written</source>
        <translation>папка резервных копий %1 недоступна для записи</translation>
    </message>
    <message>
        <source>cannot write in the backups folder %1: %2</source>
        <translation>не удаётся записать в папку резервных копий %1: %2</translation>
    </message>
    <message>
        <source>the backup of %1 failed: %2</source>
        <translation>не удалось создать резервную копию %1: %2</translation>
    </message>
    <message>
        <source>the disk refused it</source>
        <translation>диск отклонил операцию</translation>
    </message>
</context>
<context>
    <name>ChannelProtocol</name>
    <message>
        <source>The running Quillarren gave an answer this one cannot read.</source>
        <translation>Запущенный Quillarren прислал ответ, который эта версия не может прочитать.</translation>
    </message>
</context>
<context>
    <name>ChannelServer</name>
    <message>
        <source>no private folder for it</source>
        <translation>для него нет личной папки</translation>
    </message>
    <message>
        <source>Later starts of Quillarren cannot reach this one: cannot listen at %1: %2</source>
        <translation>Последующие запуски Quillarren не смогут связаться с этим экземпляром: не удаётся прослушивать %1: %2</translation>
    </message>
    <message>
        <source>Waiting for the running Quillarren to finish what it is doing…</source>
        <translation>Ожидание, пока запущенный Quillarren завершит текущую работу…</translation>
    </message>
    <message>
        <source>Process %1 asked Quillarren more than one command asks (%2 connections, %3 bytes not taken): it is no longer answered.</source>
        <translation>Процесс %1 отправил Quillarren больше, чем нужно для одной команды (соединений: %2, непринятых байтов: %3): ему больше не отвечают.</translation>
    </message>
    <message>
        <source>Quillarren could not read the request.</source>
        <translation>Quillarren не смог прочитать запрос.</translation>
    </message>
    <message>
        <source>This Quillarren is older and does not know &quot;%1&quot;: quit it, then start Quillarren again.</source>
        <translation>Этот Quillarren более старой версии и не знает «%1»: закройте его, затем снова запустите Quillarren.</translation>
    </message>
</context>
<context>
    <name>ChecklistLines</name>
    <message>
        <source>checked</source>
        <translation>отмечено</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>не отмечено</translation>
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
        <translation>%1 Ничего не изменено.</translation>
    </message>
    <message>
        <source>Asking the running Quillarren…</source>
        <translation>Запрос к запущенному Quillarren…</translation>
    </message>
    <message>
        <source>Quillarren is running (process %1) but does not answer. Nothing was changed; if it is stuck, end it and try again.</source>
        <translation>Quillarren запущен (процесс %1), но не отвечает. Ничего не изменено; если он завис, завершите его и повторите попытку.</translation>
    </message>
    <message>
        <source>Sticky notes for the desktop. Without options, brings back your notes, or brings the running ones forward.</source>
        <translation>Заметки-стикеры для рабочего стола. Без параметров возвращает ваши заметки или выводит уже открытые на передний план.</translation>
    </message>
    <message>
        <source>Start Quillarren at every login (on), or no longer (off).</source>
        <translation>Запускать Quillarren при каждом входе в систему (on) или больше не запускать (off).</translation>
    </message>
    <message>
        <source>List the deleted notes (kept 30 days).</source>
        <translation>Показать удалённые заметки (хранятся 30 дней).</translation>
    </message>
    <message>
        <source>Bring a deleted note back.</source>
        <translation>Вернуть удалённую заметку.</translation>
    </message>
    <message>
        <source>List the backups of your notes.</source>
        <translation>Показать резервные копии заметок.</translation>
    </message>
    <message>
        <source>Replace your notes by a backup&apos;s (they are backed up first).</source>
        <translation>Заменить заметки заметками из резервной копии (перед этим создаётся резервная копия текущих).</translation>
    </message>
    <message>
        <source>Write the open notes to a file: JSON, or Markdown for a name ending in .md.</source>
        <translation>Записать открытые заметки в файл: JSON или Markdown, если имя оканчивается на .md.</translation>
    </message>
    <message>
        <source>With --export: the deleted notes too.</source>
        <translation>С --export: также удалённые заметки.</translation>
    </message>
    <message>
        <source>Add the notes of an exported file (those already here are skipped).</source>
        <translation>Добавить заметки из экспортированного файла (уже имеющиеся пропускаются).</translation>
    </message>
    <message>
        <source>With --import: a note here whose text differs from the file&apos;s gets the file&apos;s version as a new note beside it.</source>
        <translation>С --import: если текст имеющейся заметки отличается от текста в файле, версия из файла добавляется рядом как новая заметка.</translation>
    </message>
    <message numerus="yes">
        <source>With --import: import more than %n notes at once (each opens as a note).</source>
        <translation>
            <numerusform>С --import: импортировать более %n заметки за раз (каждая открывается как заметка).</numerusform>
            <numerusform>С --import: импортировать более %n заметок за раз (каждая открывается как заметка).</numerusform>
            <numerusform>С --import: импортировать более %n заметок за раз (каждая открывается как заметка).</numerusform>
        </translation>
    </message>
    <message>
        <source>Open a new note, with the keyboard.</source>
        <translation>Открыть новую заметку (для вызова с клавиатуры).</translation>
    </message>
    <message>
        <source>Bring every note forward, those put away too.</source>
        <translation>Вывести на передний план все заметки, в том числе скрытые.</translation>
    </message>
    <message>
        <source>Open the notes list, to find a note.</source>
        <translation>Открыть список заметок для поиска заметки.</translation>
    </message>
    <message>
        <source>Show the tray icon (on), or no longer (off).</source>
        <translation>Показывать значок в системном лотке (on) или больше не показывать (off).</translation>
    </message>
    <message>
        <source>Sync the notes through a folder that a sync program carries (Syncthing, Nextcloud); off: no longer.</source>
        <translation>Синхронизировать заметки через папку, которую переносит программа синхронизации (Syncthing, Nextcloud); off — больше не синхронизировать.</translation>
    </message>
    <message>
        <source>%1: Unexpected argument &apos;%2&apos;.</source>
        <translation>%1: непредвиденный аргумент «%2».</translation>
    </message>
    <message>
        <source>%1: --autostart takes on or off, not &apos;%2&apos;.</source>
        <translation>%1: --autostart принимает on или off, а не «%2».</translation>
    </message>
    <message>
        <source>%1: --tray takes on or off, not &apos;%2&apos;.</source>
        <translation>%1: --tray принимает on или off, а не «%2».</translation>
    </message>
    <message>
        <source>Quillarren is not running.</source>
        <translation>Quillarren не запущен.</translation>
    </message>
    <message>
        <source>%1: --show needs --history ID.</source>
        <translation>%1: для --show нужен --history ID.</translation>
    </message>
    <message>
        <source>With --history: print version N of the note (1 is the newest).</source>
        <translation>С --history: вывести версию N заметки (1 — самая новая).</translation>
    </message>
    <message>
        <source>List a note&apos;s earlier versions (its id, or its number: 1 for the first note).</source>
        <translation>Показать прежние версии заметки (её ID или номер: 1 — первая заметка).</translation>
    </message>
</context>
<context>
    <name>DamageOffer</name>
    <message>
        <source>The notes store %1 could not be read: it is damaged, or not a file. It has been kept as %2 and a new, empty store was started.</source>
        <translation>Не удалось прочитать хранилище заметок %1: оно повреждено или не является файлом. Оно сохранено как %2, и создано новое, пустое хранилище.</translation>
    </message>
    <message>
        <source>Your notes file was damaged and has been kept as %1. Restore the notes from the backup of %2?</source>
        <translation>Файл заметок был повреждён и сохранён как %1. Восстановить заметки из резервной копии от %2?</translation>
    </message>
    <message>
        <source>The notes could not be restored from %1: %2. Quillarren starts with an empty store; the backup is still there.</source>
        <translation>Не удалось восстановить заметки из %1: %2. Quillarren запускается с пустым хранилищем; резервная копия по-прежнему на месте.</translation>
    </message>
</context>
<context>
    <name>DesktopProgram</name>
    <message>
        <source>Quillarren: sync</source>
        <translation>Quillarren: синхронизация</translation>
    </message>
    <message>
        <source>Your notes could not be backed up: %1. Quillarren tries again in an hour.</source>
        <translation>Не удалось создать резервную копию заметок: %1. Quillarren повторит попытку через час.</translation>
    </message>
    <message>
        <source>Quillarren: backup failed</source>
        <translation>Quillarren: сбой резервного копирования</translation>
    </message>
    <message>
        <source>Your notes are backed up in %1.</source>
        <translation>Резервная копия заметок сохранена в %1.</translation>
    </message>
    <message>
        <source>Quillarren: backed up</source>
        <translation>Quillarren: резервная копия создана</translation>
    </message>
</context>
<context>
    <name>EmailDialog</name>
    <message>
        <source>E-mail Note</source>
        <translation>Отправка заметки по почте</translation>
    </message>
    <message>
        <source>Enter e-mail recepients</source>
        <translation>Введите адреса получателей</translation>
    </message>
    <message>
        <source>Compose</source>
        <translation>Написать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>No mail program is set up on this computer to write this e-mail.

Copy the note&apos;s text, to paste it into a message yourself?</source>
        <translation>На этом компьютере не настроена почтовая программа, которой можно написать это письмо.

Скопировать текст заметки, чтобы самостоятельно вставить его в письмо?</translation>
    </message>
    <message>
        <source>The text could not be copied: the clipboard is busy.</source>
        <translation>Не удалось скопировать текст: буфер обмена занят.</translation>
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
в %2, строка %3<byte value="xd"/>
<byte value="xd"/>
Пожалуйста, отправьте снимок экрана с этим сообщением по адресу %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Ошибка приложения</translation>
    </message>
    <message>
        <source>Unexpected failure</source>
        <translation>Непредвиденный сбой</translation>
    </message>
</context>
<context>
    <name>FolderScan</name>
    <message>
        <source>%1 holds another note than its name says</source>
        <translation>%1 содержит не ту заметку, что указана в его имени</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Цвет...</translation>
    </message>
</context>
<context>
    <name>HistoryExport</name>
    <message>
        <source>the notes&apos; history is not available, so it was left out</source>
        <translation>история заметок недоступна, поэтому она не включена</translation>
    </message>
    <message>
        <source>the notes&apos; history, more than %1 MB, was left out (--history ID --show N prints a version; a backup holds them all)</source>
        <translation>история заметок, больше %1 МБ, не включена (--history ID --show N выводит версию; резервная копия содержит все)</translation>
    </message>
</context>
<context>
    <name>HistoryKeeper</name>
    <message>
        <source>Quillarren: note history</source>
        <translation>Quillarren: история заметок</translation>
    </message>
    <message>
        <source>The history of the notes is not available this time.</source>
        <translation>История заметок в этот раз недоступна.</translation>
    </message>
</context>
<context>
    <name>HistoryVerbs</name>
    <message>
        <source>The history of the notes is not available (see the message at start-up).</source>
        <translation>История заметок недоступна (см. сообщение при запуске).</translation>
    </message>
    <message>
        <source>No note has the id or number &apos;%1&apos;.</source>
        <translation>Нет заметки с ID или номером «%1».</translation>
    </message>
    <message>
        <source>Note %1 has no earlier versions.
</source>
        <translation>У заметки %1 нет прежних версий.
</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n байт</numerusform>
            <numerusform>%n байта</numerusform>
            <numerusform>%n байт</numerusform>
        </translation>
    </message>
    <message>
        <source>Note %1 has no version %2; it has %3 (--history %4 lists them).</source>
        <translation>У заметки %1 нет версии %2; всего версий: %3 (--history %4 выводит их список).</translation>
    </message>
    <message>
        <source>Version %1 of note %2 could not be read.</source>
        <translation>Не удалось прочитать версию %1 заметки %2.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n байт</numerusform>
            <numerusform>%n байта</numerusform>
            <numerusform>%n байт</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 КБ</translation>
    </message>
    <message>
        <source>Note History</source>
        <translation>История заметки</translation>
    </message>
    <message>
        <source>Note History: %1</source>
        <translation>История заметки: %1</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Версии</translation>
    </message>
    <message>
        <source>Text of the chosen version</source>
        <translation>Текст выбранной версии</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Восстановить эту версию</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>(lines removed at the end)</source>
        <translation>(удалены строки в конце)</translation>
    </message>
    <message>
        <source>This note has no earlier versions yet.</source>
        <translation>У этой заметки пока нет прежних версий.</translation>
    </message>
    <message>
        <source>Same as the note now.</source>
        <translation>Совпадает с текущей заметкой.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) differ from the note now (marked).</source>
        <translation>
            <numerusform>%n строка отличается от текущей заметки (выделена).</numerusform>
            <numerusform>%n строки отличаются от текущей заметки (выделены).</numerusform>
            <numerusform>%n строк отличаются от текущей заметки (выделены).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>The note could not be saved to %1: %2</source>
        <translation>Не удалось сохранить заметку в %1: %2</translation>
    </message>
</context>
<context>
    <name>NoteFields</name>
    <message>
        <source>&quot;%1&quot; is not text</source>
        <translation>«%1» не является текстом</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not true or false</source>
        <translation>«%1» не является логическим значением (true или false)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>«%1» не является числом</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>«%1» не является целым числом</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an object</source>
        <translation>«%1» не является объектом</translation>
    </message>
    <message>
        <source>&quot;deleted&quot; is not a date</source>
        <translation>«deleted» не является датой</translation>
    </message>
    <message>
        <source>note %1</source>
        <translation>заметка %1</translation>
    </message>
    <message>
        <source>note %1 (&quot;%2&quot;)</source>
        <translation>заметка %1 («%2»)</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>%1 is not a whole Quillarren notes file: it breaks off or is damaged at byte %2 (%3)</source>
        <translation>%1 не является целым файлом заметок Quillarren: файл обрывается или повреждён на байте %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is not a whole Quillarren note: it breaks off or is damaged at byte %2 (%3)</source>
        <translation>%1 не является целой заметкой Quillarren: файл обрывается или повреждён на байте %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren notes file</source>
        <translation>%1 не является файлом заметок Quillarren</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren note</source>
        <translation>%1 не является заметкой Quillarren</translation>
    </message>
    <message>
        <source>%1 has an invalid format version (%2), so it is not a Quillarren notes file that can be read</source>
        <translation>%1 имеет недопустимую версию формата (%2), поэтому его нельзя прочитать как файл заметок Quillarren</translation>
    </message>
    <message>
        <source>%1 has an invalid format version (%2), so it is not a Quillarren note that can be read</source>
        <translation>%1 имеет недопустимую версию формата (%2), поэтому его нельзя прочитать как заметку Quillarren</translation>
    </message>
    <message>
        <source>%1 was written by a newer Quillarren (its format version is %2; this one reads version %3 and older)</source>
        <translation>%1 записан более новой версией Quillarren (версия формата %2; эта версия читает формат версии %3 и более ранних)</translation>
    </message>
    <message>
        <source>it is not a note</source>
        <translation>это не заметка</translation>
    </message>
    <message>
        <source>%1 is damaged: in its deleted %2, %3</source>
        <translation>%1 повреждён: удалённая %2 — %3</translation>
    </message>
    <message>
        <source>%1 is damaged: in its %2, %3</source>
        <translation>%1 повреждён: %2 — %3</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 повреждён: %2</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren note (it names no note, or another one)</source>
        <translation>%1 не является заметкой Quillarren (в нём не указана заметка или указана другая)</translation>
    </message>
</context>
<context>
    <name>NoteHistory</name>
    <message>
        <source>The history of your notes could not be opened in %1; no versions are kept this time. Your notes are as they were.</source>
        <translation>Не удалось открыть историю заметок в %1; в этот раз версии не сохраняются. Ваши заметки не изменились.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 is damaged (%2); it is left aside and no versions are kept until it is mended. Your notes are as they were.</source>
        <translation>История заметок в %1 повреждена (%2); она отложена в сторону, и версии не сохраняются, пока она не будет исправлена. Ваши заметки не изменились.</translation>
    </message>
    <message>
        <source>The history of your notes could not be started in %1 (%2); no versions are kept this time. Your notes are as they were.</source>
        <translation>Не удалось начать историю заметок в %1 (%2); в этот раз версии не сохраняются. Ваши заметки не изменились.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 is not as Quillarren keeps it and could not be set aside (%2); no versions are kept this time. Your notes are as they were.</source>
        <translation>История заметок в %1 имеет не тот вид, в котором её ведёт Quillarren, и её не удалось отложить в сторону (%2); в этот раз версии не сохраняются. Ваши заметки не изменились.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 was not as Quillarren keeps it: it is kept in %2, and a new history is started. Your notes are as they were.</source>
        <translation>История заметок в %1 имела не тот вид, в котором её ведёт Quillarren: она сохранена в %2, и начата новая история. Ваши заметки не изменились.</translation>
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
        <translation>, в «Удалённых заметках»</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Не удаётся прочитать %1: %2</translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <source>Set Reminder</source>
        <translation>Установить напоминание</translation>
    </message>
    <message>
        <source>Create New Note</source>
        <translation>Создать заметку</translation>
    </message>
    <message>
        <source>Delete This Note</source>
        <translation>Удалить эту заметку</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Шрифт...</translation>
    </message>
    <message>
        <source>Color...</source>
        <translation>Цвет...</translation>
    </message>
    <message>
        <source>Email Note</source>
        <translation>Отправить по почте</translation>
    </message>
    <message>
        <source>Save Note to File</source>
        <translation>Сохранить в файл</translation>
    </message>
    <message>
        <source>Insert Date</source>
        <translation>Вставить дату</translation>
    </message>
    <message>
        <source>Insert Time</source>
        <translation>Вставить время</translation>
    </message>
    <message>
        <source>Default Translucency</source>
        <translation>Прозрачность по умолчанию</translation>
    </message>
    <message>
        <source>Increase Translucency</source>
        <translation>Увеличить прозрачность</translation>
    </message>
    <message>
        <source>Decrease Translucency</source>
        <translation>Уменьшить прозрачность</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Поверх всех окон</translation>
    </message>
    <message>
        <source>Email Author Suggestions / Bugs</source>
        <translation>Написать автору: предложения / ошибки</translation>
    </message>
    <message>
        <source>Goto %1</source>
        <translation>Перейти на %1</translation>
    </message>
    <message>
        <source>Quit (Remove All Notes)</source>
        <translation>Выход (закрыть все заметки)</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Чек-лист</translation>
    </message>
    <message>
        <source>Note History…</source>
        <translation>История заметки…</translation>
    </message>
</context>
<context>
    <name>NoteSync</name>
    <message>
        <source>Quillarren no longer syncs its notes through a folder; the notes stay as they are.</source>
        <translation>Quillarren больше не синхронизирует заметки через папку; заметки остаются как есть.</translation>
    </message>
    <message>
        <source>%1 is not a folder: syncing is left as it was.</source>
        <translation>%1 не является папкой: синхронизация осталась без изменений.</translation>
    </message>
    <message>
        <source>Quillarren syncs its notes through %1: one file per note, which the program that syncs the folder carries to your other computers.</source>
        <translation>Quillarren синхронизирует заметки через %1: по одному файлу на заметку; программа синхронизации этой папки переносит их на другие ваши компьютеры.</translation>
    </message>
    <message>
        <source>Syncing waits until it is back; your notes are kept here as they are.</source>
        <translation>Синхронизация подождёт, пока папка не вернётся; заметки хранятся здесь без изменений.</translation>
    </message>
    <message>
        <source>If the folder is right as it is now, choose it again (Sync Folder… in the tray menu, or quillarren --sync-folder) and syncing goes on.</source>
        <translation>Если папка сейчас верна, выберите её снова («Папка синхронизации…» в меню значка в системном лотке или quillarren --sync-folder), и синхронизация продолжится.</translation>
    </message>
    <message>
        <source>The sync folder %1 is back: syncing goes on.</source>
        <translation>Папка синхронизации %1 снова доступна: синхронизация продолжается.</translation>
    </message>
    <message>
        <source>The sync folder %1 is not there (is its disk unmounted?). %2</source>
        <translation>Папка синхронизации %1 отсутствует (диск отмонтирован?). %2</translation>
    </message>
    <message>
        <source>The sync folder %1 holds none of your notes&apos; files any more (is its disk unmounted?). %2 %3</source>
        <translation>В папке синхронизации %1 больше нет ни одного файла ваших заметок (диск отмонтирован?). %2 %3</translation>
    </message>
    <message>
        <source>The sync folder %1 is on another disk than before (was its disk unmounted, or another mounted there?). %2 %3</source>
        <translation>Папка синхронизации %1 теперь находится на другом диске (диск был отмонтирован или вместо него смонтирован другой?). %2 %3</translation>
    </message>
    <message>
        <source>In the sync folder %1:</source>
        <translation>В папке синхронизации %1:</translation>
    </message>
</context>
<context>
    <name>NoteVerbs</name>
    <message>
        <source>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</source>
        <translation>Quillarren ещё открывает или заменяет заметки; ничего не изменено. Повторите попытку чуть позже.</translation>
    </message>
    <message>
        <source>There are no deleted notes.</source>
        <translation>Удалённых заметок нет.</translation>
    </message>
    <message>
        <source>Deleted notes, newest first (each is kept 30 days; quillarren --restore ID brings one back):</source>
        <translation>Удалённые заметки, сначала новые (каждая хранится 30 дней; вернуть заметку: quillarren --restore ID):</translation>
    </message>
    <message>
        <source>There is no deleted note with the id %1 (quillarren --deleted lists them).</source>
        <translation>Нет удалённой заметки с идентификатором %1 (список выводит quillarren --deleted).</translation>
    </message>
    <message>
        <source>The note %1 is open already.</source>
        <translation>Заметка %1 уже открыта.</translation>
    </message>
    <message>
        <source>The note %1 could not be restored, because %2. Nothing was changed.</source>
        <translation>Не удалось восстановить заметку %1, так как %2. Ничего не изменено.</translation>
    </message>
    <message>
        <source>Restored the note %1.</source>
        <translation>Заметка %1 восстановлена.</translation>
    </message>
    <message>
        <source>There are no backups yet in %1.</source>
        <translation>В %1 пока нет резервных копий.</translation>
    </message>
    <message>
        <source>Backups, newest first (quillarren --restore-backup FILE restores one):</source>
        <translation>Резервные копии, сначала новые (восстановить копию: quillarren --restore-backup FILE):</translation>
    </message>
    <message>
        <source>  (dated ahead of now)</source>
        <translation>  (дата в будущем)</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>Восстановление…</translation>
    </message>
    <message>
        <source>The notes could not be restored: %1. Nothing was changed.</source>
        <translation>Не удалось восстановить заметки: %1. Ничего не изменено.</translation>
    </message>
    <message>
        <source>Restored your notes from %1. The notes you had before are kept in the backup %2.</source>
        <translation>Заметки восстановлены из %1. Прежние заметки сохранены в резервной копии %2.</translation>
    </message>
    <message numerus="yes">
        <source>Exporting %n notes…</source>
        <translation>
            <numerusform>Экспорт %n заметки…</numerusform>
            <numerusform>Экспорт %n заметок…</numerusform>
            <numerusform>Экспорт %n заметок…</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1: %2. Nothing was changed.</source>
        <translation>Не удаётся записать %1: %2. Ничего не изменено.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n notes to %1</source>
        <translation>
            <numerusform>Экспортирована %n заметка в %1</numerusform>
            <numerusform>Экспортировано %n заметки в %1</numerusform>
            <numerusform>Экспортировано %n заметок в %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, and %n deleted notes</source>
        <translation>
            <numerusform>, а также %n удалённая заметка</numerusform>
            <numerusform>, а также %n удалённые заметки</numerusform>
            <numerusform>, а также %n удалённых заметок</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Nothing was imported.</source>
        <translation>%1. Ничего не импортировано.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>Из %1 ничего не импортировано.</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n notes that are not here yet, more than the %2 an import opens without asking: each opens as a note on your desktop at every start. To import them all, add --allow-many. Nothing was imported.</source>
        <translation>
            <numerusform>%1 содержит %n заметку, которой здесь ещё нет, — больше, чем импорт открывает без подтверждения (%2): каждая открывается как заметка на рабочем столе при каждом запуске. Чтобы импортировать их все, добавьте --allow-many. Ничего не импортировано.</numerusform>
            <numerusform>%1 содержит %n заметки, которых здесь ещё нет, — больше, чем импорт открывает без подтверждения (%2): каждая открывается как заметка на рабочем столе при каждом запуске. Чтобы импортировать их все, добавьте --allow-many. Ничего не импортировано.</numerusform>
            <numerusform>%1 содержит %n заметок, которых здесь ещё нет, — больше, чем импорт открывает без подтверждения (%2): каждая открывается как заметка на рабочем столе при каждом запуске. Чтобы импортировать их все, добавьте --allow-many. Ничего не импортировано.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Importing %n notes…</source>
        <translation>
            <numerusform>Импорт %n заметки…</numerusform>
            <numerusform>Импорт %n заметок…</numerusform>
            <numerusform>Импорт %n заметок…</numerusform>
        </translation>
    </message>
    <message>
        <source>The notes could not be imported, because %1. Nothing was imported.</source>
        <translation>Не удалось импортировать заметки, так как %1. Ничего не импортировано.</translation>
    </message>
    <message>
        <source>Waiting for an answer in Quillarren…</source>
        <translation>Ожидание ответа от Quillarren…</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n notes that are not here yet. Each opens as a note on your desktop, now and at every start. Import them all?</source>
        <translation>
            <numerusform>%1 содержит %n заметку, которой здесь ещё нет. Импортированные заметки открываются на рабочем столе — сейчас и при каждом запуске. Импортировать?</numerusform>
            <numerusform>%1 содержит %n заметки, которых здесь ещё нет. Каждая откроется как заметка на рабочем столе — сейчас и при каждом запуске. Импортировать их все?</numerusform>
            <numerusform>%1 содержит %n заметок, которых здесь ещё нет. Каждая откроется как заметка на рабочем столе — сейчас и при каждом запуске. Импортировать их все?</numerusform>
        </translation>
    </message>
    <message>
        <source>Quillarren: import</source>
        <translation>Quillarren: импорт</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n notes from %1</source>
        <translation>
            <numerusform>Импортирована %n заметка из %1</numerusform>
            <numerusform>Импортировано %n заметки из %1</numerusform>
            <numerusform>Импортировано %n заметок из %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n of them as new notes beside those here with other text)</source>
        <translation>
            <numerusform> (из них %n — как новая заметка рядом с имеющейся, у которой другой текст)</numerusform>
            <numerusform> (из них %n — как новые заметки рядом с имеющимися, у которых другой текст)</numerusform>
            <numerusform> (из них %n — как новые заметки рядом с имеющимися, у которых другой текст)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n were here already</source>
        <translation>
            <numerusform>; уже были здесь: %n</numerusform>
            <numerusform>; уже были здесь: %n</numerusform>
            <numerusform>; уже были здесь: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n deleted notes went to Deleted Notes</source>
        <translation>
            <numerusform>; %n удалённая заметка помещена в «Удалённые заметки»</numerusform>
            <numerusform>; %n удалённые заметки помещены в «Удалённые заметки»</numerusform>
            <numerusform>; %n удалённых заметок помещено в «Удалённые заметки»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n notes here have other text than in the file and were left as they are: %1.
To add the file&apos;s versions as new notes beside them: quillarren --import %2 --as-new</source>
        <translation>
            <numerusform>
%n заметка здесь отличается по тексту от файла и оставлена как есть: %1.
Чтобы добавить версии из файла как новые заметки рядом с имеющимися: quillarren --import %2 --as-new</numerusform>
            <numerusform>
%n заметки здесь отличаются по тексту от файла и оставлены как есть: %1.
Чтобы добавить версии из файла как новые заметки рядом с имеющимися: quillarren --import %2 --as-new</numerusform>
            <numerusform>
%n заметок здесь отличаются по тексту от файла и оставлены как есть: %1.
Чтобы добавить версии из файла как новые заметки рядом с имеющимися: quillarren --import %2 --as-new</numerusform>
        </translation>
    </message>
    <message>
        <source>The choice could not be stored, because %1.</source>
        <translation>Не удалось сохранить выбор, так как %1.</translation>
    </message>
    <message>
        <source>Quillarren shows its icon in the tray.</source>
        <translation>Quillarren показывает свой значок в системном лотке.</translation>
    </message>
    <message>
        <source>Quillarren no longer shows an icon in the tray; quillarren --tray on brings it back.</source>
        <translation>Quillarren больше не показывает значок в системном лотке; вернуть его: quillarren --tray on.</translation>
    </message>
    <message>
        <source>%1 is not a folder; nothing was changed.</source>
        <translation>%1 не является папкой; ничего не изменено.</translation>
    </message>
    <message>
        <source>Quillarren will not sync its notes through a folder.</source>
        <translation>Quillarren не будет синхронизировать заметки через папку.</translation>
    </message>
    <message>
        <source>Quillarren will sync its notes through %1 from its next start.</source>
        <translation>Quillarren будет синхронизировать заметки через %1 начиная со следующего запуска.</translation>
    </message>
    <message>
        <source>, with their history</source>
        <translation>, вместе с их историей</translation>
    </message>
</context>
<context>
    <name>NoteWindow</name>
    <message>
        <source>You can expand this note by dragging the bottom and right edges</source>
        <translation>Эту заметку можно увеличить, потянув за нижний или правый край</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Недопустимое значение свойства</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</source>
        <translation>Quillarren ещё открывает или заменяет заметки; ничего не изменено. Повторите попытку чуть позже.</translation>
    </message>
    <message>
        <source>There is no deleted note with the id %1 (quillarren --deleted lists them).</source>
        <translation>Нет удалённой заметки с идентификатором %1 (список выводит quillarren --deleted).</translation>
    </message>
    <message>
        <source>The note %1 is open already.</source>
        <translation>Заметка %1 уже открыта.</translation>
    </message>
    <message>
        <source>The note %1 could not be restored, because %2. Nothing was changed.</source>
        <translation>Не удалось восстановить заметку %1, так как %2. Ничего не изменено.</translation>
    </message>
    <message>
        <source>Restored the note %1.</source>
        <translation>Заметка %1 восстановлена.</translation>
    </message>
    <message>
        <source>Quillarren is quitting; nothing was changed.</source>
        <translation>Quillarren завершает работу; ничего не изменено.</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>Восстановление…</translation>
    </message>
    <message>
        <source>The notes could not be restored: %1. Nothing was changed.</source>
        <translation>Не удалось восстановить заметки: %1. Ничего не изменено.</translation>
    </message>
    <message>
        <source>Restored your notes from %1. The notes you had before are kept in the backup %2.</source>
        <translation>Заметки восстановлены из %1. Прежние заметки сохранены в резервной копии %2.</translation>
    </message>
    <message>
        <source>Quillarren: notes restored</source>
        <translation>Quillarren: заметки восстановлены</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>This is the last note. Would you like to quit?</source>
        <translation>Это последняя заметка. Выйти из программы?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Выйти?</translation>
    </message>
    <message>
        <source>The note could not be moved to Deleted Notes, because %1. It stays open; nothing was deleted.</source>
        <translation>Не удалось переместить заметку в «Удалённые заметки», так как %1. Заметка остаётся открытой; ничего не удалено.</translation>
    </message>
    <message>
        <source>Quillarren is quitting</source>
        <translation>Quillarren завершает работу</translation>
    </message>
    <message>
        <source>there would be more notes than Quillarren can keep</source>
        <translation>заметок стало бы больше, чем может хранить Quillarren</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1 of %n notes…</source>
        <translation>
            <numerusform>Открыто %1 из %n заметки…</numerusform>
            <numerusform>Открыто %1 из %n заметок…</numerusform>
            <numerusform>Открыто %1 из %n заметок…</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotesList</name>
    <message>
        <source>Find Note</source>
        <translation>Поиск заметки</translation>
    </message>
    <message>
        <source>&amp;Find in your notes:</source>
        <translation>&amp;Найти в заметках:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>Note &amp;History…</source>
        <translation>&amp;История заметки…</translation>
    </message>
</context>
<context>
    <name>NotesListModel</name>
    <message>
        <source>(empty note)</source>
        <translation>(пустая заметка)</translation>
    </message>
    <message>
        <source>  (put away)</source>
        <translation>  (скрыта)</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Заметка: %1</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Quillarren: notes not saved</source>
        <translation>Quillarren: заметки не сохранены</translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2.

Quillarren stays open until they are saved, so that nothing you typed is lost. Free some space or fix the folder, then press Retry. Cancel keeps your notes open; saving goes on being retried.</source>
        <translation>Не удалось сохранить заметки в %1, так как %2.

Quillarren останется открытым, пока они не будут сохранены, чтобы ничего из введённого не потерялось. Освободите место на диске или исправьте папку, затем нажмите «Повторить». «Отмена» оставляет заметки открытыми; попытки сохранения продолжаются.</translation>
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
        <translation>Копировать текст</translation>
    </message>
</context>
<context>
    <name>QtSound</name>
    <message>
        <source>it was built for another version of Quillarren</source>
        <translation>он собран для другой версии Quillarren</translation>
    </message>
    <message>
        <source>Alarms will be silent: the sound plugin %1 cannot be used: %2</source>
        <translation>Сигналы будут беззвучными: не удаётся использовать звуковой модуль %1: %2</translation>
    </message>
</context>
<context>
    <name>ReminderDialog</name>
    <message>
        <source>Time for Reminder to Go Off:</source>
        <translation>Время напоминания:</translation>
    </message>
    <message>
        <source>Default: 10 mins from now.</source>
        <translation>По умолчанию: через 10 минут.</translation>
    </message>
    <message>
        <source>Date for Reminder to Go Off:</source>
        <translation>Дата напоминания:</translation>
    </message>
    <message>
        <source>Set Reminder</source>
        <translation>Установить напоминание</translation>
    </message>
    <message>
        <source>Hide This Window</source>
        <translation>Скрыть это окно</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Напоминание</translation>
    </message>
    <message>
        <source>No note chosen: right-click a note and choose Set Reminder.</source>
        <translation>Заметка не выбрана: щёлкните заметку правой кнопкой мыши и выберите «Установить напоминание».</translation>
    </message>
    <message>
        <source>This date cannot be read: set it again.</source>
        <translation>Не удаётся прочитать эту дату: установите её заново.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in a form this desktop does not read. The reminder waits until it is set again; it never goes off early.</source>
        <translation>Значение «%1» записано в формате, который не распознаётся в этой системе. Напоминание ждёт, пока его не установят заново; раньше срока оно не срабатывает никогда.</translation>
    </message>
    <message>
        <source>Reminder [Enabled]</source>
        <translation>Напоминание [Enabled]</translation>
    </message>
    <message>
        <source>Reminder [Disabled]</source>
        <translation>Напоминание [Disabled]</translation>
    </message>
    <message>
        <source>Disable Reminder</source>
        <translation>Отключить напоминание</translation>
    </message>
</context>
<context>
    <name>SafeRead</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>это папка, а не файл</translation>
    </message>
    <message>
        <source>it is a link, not a plain file</source>
        <translation>это ссылка, а не обычный файл</translation>
    </message>
    <message>
        <source>it is a device, FIFO or socket, not a file</source>
        <translation>это устройство, FIFO или сокет, а не файл</translation>
    </message>
    <message>
        <source>it is larger than %1, the most Quillarren reads</source>
        <translation>он больше %1 — это предел для чтения в Quillarren</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>the disk quota is used up</source>
        <translation>дисковая квота исчерпана</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>диск доступен только для чтения</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>доступ запрещён</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>папка не существует</translation>
    </message>
    <message>
        <source>it is a link that another user put in the shared folder %1, and Quillarren does not follow such links</source>
        <translation>это ссылка, которую другой пользователь поместил в общую папку %1, а Quillarren не переходит по таким ссылкам</translation>
    </message>
    <message>
        <source>the link %1 cannot be followed</source>
        <translation>не удаётся перейти по ссылке %1</translation>
    </message>
    <message>
        <source>it is a link that leads to another link, too many times</source>
        <translation>это ссылка, ведущая на другую ссылку, и так слишком много раз</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>папка</translation>
    </message>
    <message>
        <source>a FIFO (a pipe)</source>
        <translation>FIFO (канал)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>сокет</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>устройство</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>не обычный файл</translation>
    </message>
    <message>
        <source>nothing can be written in %1 (%2)</source>
        <translation>в %1 ничего нельзя записать (%2)</translation>
    </message>
    <message>
        <source>it is %1, and Quillarren writes only plain files</source>
        <translation>это %1, а Quillarren записывает только обычные файлы</translation>
    </message>
    <message>
        <source>it is one of Quillarren&apos;s own files (its notes store, journal, lock or backups); choose another file</source>
        <translation>это один из собственных файлов Quillarren (хранилище заметок, журнал, блокировка или резервные копии); выберите другой файл</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The notes store %1 is empty, and there are backups of your notes. Start Quillarren: it keeps the empty file aside and offers to restore your notes from a backup.</source>
        <translation>Хранилище заметок %1 пусто, но есть резервные копии ваших заметок. Запустите Quillarren: он отложит пустой файл в сторону и предложит восстановить заметки из резервной копии.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged, or not a file, and could not be moved aside.</source>
        <translation>Хранилище заметок %1 повреждено или не является файлом, и его не удалось отложить в сторону.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged. Start Quillarren: it keeps the damaged file aside and offers to restore your notes from a backup.</source>
        <translation>Хранилище заметок %1 повреждено. Запустите Quillarren: он отложит повреждённый файл в сторону и предложит восстановить заметки из резервной копии.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged and could not be moved aside.</source>
        <translation>Хранилище заметок %1 повреждено, и его не удалось отложить в сторону.</translation>
    </message>
    <message>
        <source>The notes store %1 cannot be written (%2). Your notes are shown, but changes cannot be kept until it can be written; Quillarren keeps trying.</source>
        <translation>Хранилище заметок %1 недоступно для записи (%2). Заметки показаны, но изменения не сохранятся, пока запись невозможна; Quillarren продолжает попытки.</translation>
    </message>
    <message>
        <source>The notes store %1 cannot be read: %2</source>
        <translation>Не удаётся прочитать хранилище заметок %1: %2</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>файл доступен только для чтения</translation>
    </message>
    <message>
        <source>no room for a copy of the notes in the temporary folder</source>
        <translation>во временной папке нет места для копии заметок</translation>
    </message>
    <message>
        <source>the notes could not be copied from %1 (%2)</source>
        <translation>не удалось скопировать заметки из %1 (%2)</translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2. Everything you type is kept and saving is retried; please free some space or fix the folder&apos;s permissions.</source>
        <translation>Не удалось сохранить заметки в %1, так как %2. Всё, что вы вводите, сохраняется в памяти, а сохранение повторяется; освободите место на диске или исправьте права доступа к папке.</translation>
    </message>
    <message>
        <source>cannot open the file</source>
        <translation>не удаётся открыть файл</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>the file has reached the size this session may write</source>
        <translation>файл достиг размера, который разрешено записать в этом сеансе</translation>
    </message>
    <message>
        <source>the file or its folder is read-only</source>
        <translation>файл или его папка доступны только для чтения</translation>
    </message>
    <message>
        <source>you do not have permission to write it</source>
        <translation>у вас нет прав на запись в него</translation>
    </message>
    <message>
        <source>another program is holding it</source>
        <translation>его занимает другая программа</translation>
    </message>
    <message>
        <source>the disk refused the write (%1)</source>
        <translation>диск отказал в записи (%1)</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>Не удаётся прочитать файл оформления %1: %2</translation>
    </message>
</context>
<context>
    <name>StoreCopy</name>
    <message>
        <source>out of memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>its table &quot;%1&quot; is not as Quillarren makes it</source>
        <translation>его таблица «%1» не такая, какую создаёт Quillarren</translation>
    </message>
    <message>
        <source>it holds a %1 &quot;%2&quot; that Quillarren does not make</source>
        <translation>в нём есть объект %1 «%2», которого Quillarren не создаёт</translation>
    </message>
    <message>
        <source>it holds no notes</source>
        <translation>в нём нет заметок</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 не является файлом</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 не удаётся открыть: %2</translation>
    </message>
    <message>
        <source>%1 is damaged or not a notes store (%2)</source>
        <translation>%1 повреждён или не является хранилищем заметок (%2)</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren notes store: %2</source>
        <translation>%1 не является хранилищем заметок Quillarren: %2</translation>
    </message>
    <message>
        <source>a fresh store could not be made at %1</source>
        <translation>не удалось создать новое хранилище в %1</translation>
    </message>
    <message>
        <source>the notes could not be copied from %1 (%2)</source>
        <translation>не удалось скопировать заметки из %1 (%2)</translation>
    </message>
</context>
<context>
    <name>StoredText</name>
    <message>
        <source>Reminder!</source>
        <translation>Напоминание!</translation>
    </message>
</context>
<context>
    <name>SyncLook</name>
    <message>
        <source>%1 is named for a note id that no note can have — left alone.</source>
        <translation>Имя файла %1 соответствует идентификатору, которого не может быть ни у одной заметки, — файл оставлен как есть.</translation>
    </message>
    <message>
        <source>%1 — left alone.</source>
        <translation>%1 — файл оставлен как есть.</translation>
    </message>
    <message>
        <source>%1 — written again from this computer&apos;s note.</source>
        <translation>%1 — файл перезаписан по заметке с этого компьютера.</translation>
    </message>
    <message>
        <source>A change from another computer could not be taken in: %1.</source>
        <translation>Не удалось принять изменение с другого компьютера: %1.</translation>
    </message>
    <message>
        <source>A note deleted on another computer could not be deleted here: %1.</source>
        <translation>Заметку, удалённую на другом компьютере, не удалось удалить здесь: %1.</translation>
    </message>
    <message>
        <source>A note from another computer could not be added: %1.</source>
        <translation>Не удалось добавить заметку с другого компьютера: %1.</translation>
    </message>
    <message>
        <source>A note changed on two computers at once could not be kept twice: %1.</source>
        <translation>Заметку, изменённую одновременно на двух компьютерах, не удалось сохранить в двух вариантах: %1.</translation>
    </message>
    <message>
        <source>Notes from other computers could not be added: %1.</source>
        <translation>Не удалось добавить заметки с других компьютеров: %1.</translation>
    </message>
    <message>
        <source>Quillarren cannot write here: %1. Your notes are kept on this computer; it tries again.</source>
        <translation>Quillarren не может выполнить запись сюда: %1. Заметки сохраняются на этом компьютере; попытки продолжаются.</translation>
    </message>
</context>
<context>
    <name>SyncedNotes</name>
    <message>
        <source>the note is no longer open</source>
        <translation>заметка больше не открыта</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>New Note</source>
        <translation>Новая заметка</translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation>Показать все заметки</translation>
    </message>
    <message>
        <source>Find Note…</source>
        <translation>Найти заметку…</translation>
    </message>
    <message>
        <source>Deleted Notes</source>
        <translation>Удалённые заметки</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Резервные копии</translation>
    </message>
    <message>
        <source>Sync Folder…</source>
        <translation>Папка синхронизации…</translation>
    </message>
    <message>
        <source>Stop Syncing</source>
        <translation>Остановить синхронизацию</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>No deleted notes</source>
        <translation>Нет удалённых заметок</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Создать резервную копию</translation>
    </message>
    <message>
        <source>No backups yet</source>
        <translation>Резервных копий пока нет</translation>
    </message>
    <message>
        <source>Restore from %1</source>
        <translation>Восстановить копию от %1</translation>
    </message>
    <message>
        <source>Replace your notes by those of the backup %1? The notes you have now are backed up first, so this can be undone.</source>
        <translation>Заменить ваши заметки заметками из резервной копии %1? Сначала будет создана резервная копия текущих заметок, так что это действие можно отменить.</translation>
    </message>
    <message>
        <source>The folder your sync program carries to your other computers</source>
        <translation>Папка, которую программа синхронизации переносит на другие ваши компьютеры</translation>
    </message>
    <message numerus="yes">
        <source>Quillarren: %n notes</source>
        <translation>
            <numerusform>Quillarren: %n заметка</numerusform>
            <numerusform>Quillarren: %n заметки</numerusform>
            <numerusform>Quillarren: %n заметок</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quillarren is already running for this user (process %1), but it does not answer. If it is stuck, end it, then start Quillarren again.</source>
        <translation>Quillarren уже запущен для этого пользователя (процесс %1), но не отвечает. Если он завис, завершите его и снова запустите Quillarren.</translation>
    </message>
    <message>
        <source>%1

Quillarren has changed nothing. Please make the file readable again, then start Quillarren.</source>
        <translation>%1

Quillarren ничего не изменил. Сделайте файл снова доступным для чтения, затем запустите Quillarren.</translation>
    </message>
</context>
</TS>
