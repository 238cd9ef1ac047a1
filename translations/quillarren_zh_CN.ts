<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AccessibleNoteName</name>
    <message>
        <source>Note text</source>
        <translation>便笺文本</translation>
    </message>
    <message>
        <source>Note: (empty)</source>
        <translation>便笺：（空）</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>便笺：%1</translation>
    </message>
</context>
<context>
    <name>AlarmWindow</name>
    <message>
        <source>Reminder Alarm</source>
        <translation>提醒闹钟</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>停止闹钟</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Quillarren was not set to start at login: there is no %1</source>
        <translation>Quillarren 未设置为登录时启动：不存在 %1</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>无法删除 %1：%2</translation>
    </message>
    <message>
        <source>Quillarren will no longer start at login: removed %1</source>
        <translation>Quillarren 将不再在登录时启动：已删除 %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Quillarren will start at login: wrote %1</source>
        <translation>Quillarren 将在登录时启动：已写入 %1</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>Cannot restore from it: %1. Nothing was changed.</source>
        <translation>无法从该备份恢复：%1。未做任何更改。</translation>
    </message>
    <message>
        <source>Backing up the notes you have now…</source>
        <translation>正在备份现有便笺…</translation>
    </message>
    <message>
        <source>The notes you have now could not be backed up first (%1), so nothing was restored.</source>
        <translation>无法先备份现有便笺（%1），因此未恢复任何内容。</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>the copy failed: %1</source>
        <translation>复制失败：%1</translation>
    </message>
    <message>
        <source>the backups folder %1 cannot be written</source>
        <translation>无法写入备份文件夹 %1</translation>
    </message>
    <message>
        <source>cannot write in the backups folder %1: %2</source>
        <translation>无法在备份文件夹 %1 中写入：%2</translation>
    </message>
    <message>
        <source>the backup of %1 failed: %2</source>
        <translation>备份 %1 失败：%2</translation>
    </message>
    <message>
        <source>the disk refused it</source>
        <translation>磁盘拒绝了该操作</translation>
    </message>
</context>
<context>
    <name>ChannelProtocol</name>
    <message>
        <source>The running Quillarren gave an answer this one cannot read.</source>
        <translation>运行中的 Quillarren 返回了本程序无法读取的应答。</translation>
    </message>
</context>
<context>
    <name>ChannelServer</name>
    <message>
        <source>no private folder for it</source>
        <translation>没有供其使用的私有文件夹</translation>
    </message>
    <message>
        <source>Later starts of Quillarren cannot reach this one: cannot listen at %1: %2</source>
        <translation>之后启动的 Quillarren 将无法连接到此实例：无法在 %1 上监听：%2</translation>
    </message>
    <message>
        <source>Waiting for the running Quillarren to finish what it is doing…</source>
        <translation>正在等待运行中的 Quillarren 完成当前操作…</translation>
    </message>
    <message>
        <source>Process %1 asked Quillarren more than one command asks (%2 connections, %3 bytes not taken): it is no longer answered.</source>
        <translation>进程 %1 向 Quillarren 发出的请求超出了单条命令的范围（%2 个连接，%3 字节未接收）：将不再应答该进程。</translation>
    </message>
    <message>
        <source>Quillarren could not read the request.</source>
        <translation>Quillarren 无法读取该请求。</translation>
    </message>
    <message>
        <source>This Quillarren is older and does not know &quot;%1&quot;: quit it, then start Quillarren again.</source>
        <translation>正在运行的 Quillarren 版本较旧，无法识别“%1”：请退出它，然后重新启动 Quillarren。</translation>
    </message>
</context>
<context>
    <name>ChecklistLines</name>
    <message>
        <source>checked</source>
        <translation>已勾选</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>未勾选</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 Nothing was changed.</source>
        <translation>%1 未做任何更改。</translation>
    </message>
    <message>
        <source>Asking the running Quillarren…</source>
        <translation>正在询问运行中的 Quillarren…</translation>
    </message>
    <message>
        <source>Quillarren is running (process %1) but does not answer. Nothing was changed; if it is stuck, end it and try again.</source>
        <translation>Quillarren 正在运行（进程 %1），但没有响应。未做任何更改；如果它已卡住，请结束该进程后重试。</translation>
    </message>
    <message>
        <source>Sticky notes for the desktop. Without options, brings back your notes, or brings the running ones forward.</source>
        <translation>桌面便笺。不带选项时，显示您的便笺，或将正在运行的便笺置于前端。</translation>
    </message>
    <message>
        <source>Start Quillarren at every login (on), or no longer (off).</source>
        <translation>每次登录时启动 Quillarren（on），或不再启动（off）。</translation>
    </message>
    <message>
        <source>List the deleted notes (kept 30 days).</source>
        <translation>列出已删除的便笺（保留 30 天）。</translation>
    </message>
    <message>
        <source>Bring a deleted note back.</source>
        <translation>恢复一张已删除的便笺。</translation>
    </message>
    <message>
        <source>List the backups of your notes.</source>
        <translation>列出便笺的备份。</translation>
    </message>
    <message>
        <source>Replace your notes by a backup&apos;s (they are backed up first).</source>
        <translation>用备份中的便笺替换现有便笺（现有便笺会先被备份）。</translation>
    </message>
    <message>
        <source>Write the open notes to a file: JSON, or Markdown for a name ending in .md.</source>
        <translation>将打开的便笺写入文件：JSON 格式；若文件名以 .md 结尾，则为 Markdown 格式。</translation>
    </message>
    <message>
        <source>With --export: the deleted notes too.</source>
        <translation>与 --export 一起使用：同时包括已删除的便笺。</translation>
    </message>
    <message>
        <source>Add the notes of an exported file (those already here are skipped).</source>
        <translation>添加导出文件中的便笺（跳过已存在的便笺）。</translation>
    </message>
    <message>
        <source>With --import: a note here whose text differs from the file&apos;s gets the file&apos;s version as a new note beside it.</source>
        <translation>与 --import 一起使用：若现有便笺的文本与文件中的不同，则将文件中的版本作为新便笺添加在其旁边。</translation>
    </message>
    <message numerus="yes">
        <source>With --import: import more than %n notes at once (each opens as a note).</source>
        <translation>
            <numerusform>与 --import 一起使用：一次导入超过 %n 张便笺（每张都会作为便笺打开）。</numerusform>
        </translation>
    </message>
    <message>
        <source>Open a new note, with the keyboard.</source>
        <translation>打开一张新便笺，可直接用键盘输入。</translation>
    </message>
    <message>
        <source>Bring every note forward, those put away too.</source>
        <translation>将所有便笺置于前端，包括已收起的便笺。</translation>
    </message>
    <message>
        <source>Open the notes list, to find a note.</source>
        <translation>打开便笺列表以查找便笺。</translation>
    </message>
    <message>
        <source>Show the tray icon (on), or no longer (off).</source>
        <translation>显示托盘图标（on），或不再显示（off）。</translation>
    </message>
    <message>
        <source>Sync the notes through a folder that a sync program carries (Syncthing, Nextcloud); off: no longer.</source>
        <translation>通过由同步程序（Syncthing、Nextcloud）同步的文件夹来同步便笺；off：不再同步。</translation>
    </message>
    <message>
        <source>%1: Unexpected argument &apos;%2&apos;.</source>
        <translation>%1：意外的参数“%2”。</translation>
    </message>
    <message>
        <source>%1: --autostart takes on or off, not &apos;%2&apos;.</source>
        <translation>%1：--autostart 只接受 on 或 off，而不是“%2”。</translation>
    </message>
    <message>
        <source>%1: --tray takes on or off, not &apos;%2&apos;.</source>
        <translation>%1：--tray 只接受 on 或 off，而不是“%2”。</translation>
    </message>
    <message>
        <source>Quillarren is not running.</source>
        <translation>Quillarren 未在运行。</translation>
    </message>
    <message>
        <source>%1: --show needs --history ID.</source>
        <translation>%1：--show 需要与 --history ID 一起使用。</translation>
    </message>
    <message>
        <source>With --history: print version N of the note (1 is the newest).</source>
        <translation>与 --history 一起使用：输出便笺的第 N 个版本（1 为最新）。</translation>
    </message>
    <message>
        <source>List a note&apos;s earlier versions (its id, or its number: 1 for the first note).</source>
        <translation>列出便笺的较早版本（便笺的 ID 或编号：1 表示第一张便笺）。</translation>
    </message>
</context>
<context>
    <name>DamageOffer</name>
    <message>
        <source>The notes store %1 could not be read: it is damaged, or not a file. It has been kept as %2 and a new, empty store was started.</source>
        <translation>无法读取便笺存储文件 %1：它已损坏，或者不是文件。原文件已保留为 %2，并已新建一个空的存储文件。</translation>
    </message>
    <message>
        <source>Your notes file was damaged and has been kept as %1. Restore the notes from the backup of %2?</source>
        <translation>您的便笺文件已损坏，已保留为 %1。要从 %2 的备份中恢复便笺吗？</translation>
    </message>
    <message>
        <source>The notes could not be restored from %1: %2. Quillarren starts with an empty store; the backup is still there.</source>
        <translation>无法从 %1 恢复便笺：%2。Quillarren 将以空的存储文件启动；备份仍然保留。</translation>
    </message>
</context>
<context>
    <name>DesktopProgram</name>
    <message>
        <source>Quillarren: sync</source>
        <translation>Quillarren：同步</translation>
    </message>
    <message>
        <source>Your notes could not be backed up: %1. Quillarren tries again in an hour.</source>
        <translation>无法备份您的便笺：%1。Quillarren 将在一小时后重试。</translation>
    </message>
    <message>
        <source>Quillarren: backup failed</source>
        <translation>Quillarren：备份失败</translation>
    </message>
    <message>
        <source>Your notes are backed up in %1.</source>
        <translation>您的便笺已备份到 %1。</translation>
    </message>
    <message>
        <source>Quillarren: backed up</source>
        <translation>Quillarren：已备份</translation>
    </message>
</context>
<context>
    <name>EmailDialog</name>
    <message>
        <source>E-mail Note</source>
        <translation>通过电子邮件发送便笺</translation>
    </message>
    <message>
        <source>Enter e-mail recepients</source>
        <translation>输入电子邮件收件人</translation>
    </message>
    <message>
        <source>Compose</source>
        <translation>撰写</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>No mail program is set up on this computer to write this e-mail.

Copy the note&apos;s text, to paste it into a message yourself?</source>
        <translation>此计算机上没有设置可用于撰写此邮件的邮件程序。

要复制便笺的文本，以便您自行粘贴到邮件中吗？</translation>
    </message>
    <message>
        <source>The text could not be copied: the clipboard is busy.</source>
        <translation>无法复制文本：剪贴板正忙。</translation>
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
位于 %2 第 %3 行<byte value="xd"/>
<byte value="xd"/>
请将此消息的截图通过电子邮件发送至 %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>应用程序错误</translation>
    </message>
    <message>
        <source>Unexpected failure</source>
        <translation>意外错误</translation>
    </message>
</context>
<context>
    <name>FolderScan</name>
    <message>
        <source>%1 holds another note than its name says</source>
        <translation>%1 中的便笺与其文件名不符</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>颜色(&amp;C)...</translation>
    </message>
</context>
<context>
    <name>HistoryExport</name>
    <message>
        <source>the notes&apos; history is not available, so it was left out</source>
        <translation>便笺的历史记录不可用，因此未包含</translation>
    </message>
    <message>
        <source>the notes&apos; history, more than %1 MB, was left out (--history ID --show N prints a version; a backup holds them all)</source>
        <translation>便笺的历史记录超过 %1 MB，未包含（--history ID --show N 可输出某个版本；备份中包含全部版本）</translation>
    </message>
</context>
<context>
    <name>HistoryKeeper</name>
    <message>
        <source>Quillarren: note history</source>
        <translation>Quillarren：便笺历史记录</translation>
    </message>
    <message>
        <source>The history of the notes is not available this time.</source>
        <translation>本次无法使用便笺的历史记录。</translation>
    </message>
</context>
<context>
    <name>HistoryVerbs</name>
    <message>
        <source>The history of the notes is not available (see the message at start-up).</source>
        <translation>便笺的历史记录不可用（请参阅启动时的消息）。</translation>
    </message>
    <message>
        <source>No note has the id or number &apos;%1&apos;.</source>
        <translation>没有 ID 或编号为“%1”的便笺。</translation>
    </message>
    <message>
        <source>Note %1 has no earlier versions.
</source>
        <translation>便笺 %1 没有较早的版本。
</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n 字节</numerusform>
        </translation>
    </message>
    <message>
        <source>Note %1 has no version %2; it has %3 (--history %4 lists them).</source>
        <translation>便笺 %1 没有版本 %2；它有 %3 个版本（--history %4 可列出）。</translation>
    </message>
    <message>
        <source>Version %1 of note %2 could not be read.</source>
        <translation>无法读取便笺 %2 的版本 %1。</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n 字节</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>Note History</source>
        <translation>便笺历史记录</translation>
    </message>
    <message>
        <source>Note History: %1</source>
        <translation>便笺历史记录：%1</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>版本列表</translation>
    </message>
    <message>
        <source>Text of the chosen version</source>
        <translation>所选版本的文本</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>恢复此版本</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>(lines removed at the end)</source>
        <translation>（删除了末尾的行）</translation>
    </message>
    <message>
        <source>This note has no earlier versions yet.</source>
        <translation>此便笺还没有较早的版本。</translation>
    </message>
    <message>
        <source>Same as the note now.</source>
        <translation>与当前便笺相同。</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) differ from the note now (marked).</source>
        <translation>
            <numerusform>有 %n 行与当前便笺不同（已标出）。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>The note could not be saved to %1: %2</source>
        <translation>无法将便笺保存到 %1：%2</translation>
    </message>
</context>
<context>
    <name>NoteFields</name>
    <message>
        <source>&quot;%1&quot; is not text</source>
        <translation>&quot;%1&quot; 不是文本</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not true or false</source>
        <translation>&quot;%1&quot; 不是 true 或 false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>&quot;%1&quot; 不是数字</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>&quot;%1&quot; 不是整数</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an object</source>
        <translation>&quot;%1&quot; 不是对象</translation>
    </message>
    <message>
        <source>&quot;deleted&quot; is not a date</source>
        <translation>&quot;deleted&quot; 不是日期</translation>
    </message>
    <message>
        <source>note %1</source>
        <translation>第 %1 张便笺</translation>
    </message>
    <message>
        <source>note %1 (&quot;%2&quot;)</source>
        <translation>第 %1 张便笺（“%2”）</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>%1 is not a whole Quillarren notes file: it breaks off or is damaged at byte %2 (%3)</source>
        <translation>%1 不是完整的 Quillarren 便笺文件：它在第 %2 字节处中断或损坏（%3）</translation>
    </message>
    <message>
        <source>%1 is not a whole Quillarren note: it breaks off or is damaged at byte %2 (%3)</source>
        <translation>%1 不是完整的 Quillarren 便笺：它在第 %2 字节处中断或损坏（%3）</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren notes file</source>
        <translation>%1 不是 Quillarren 便笺文件</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren note</source>
        <translation>%1 不是 Quillarren 便笺</translation>
    </message>
    <message>
        <source>%1 has an invalid format version (%2), so it is not a Quillarren notes file that can be read</source>
        <translation>%1 的格式版本（%2）无效，因此不是可读取的 Quillarren 便笺文件</translation>
    </message>
    <message>
        <source>%1 has an invalid format version (%2), so it is not a Quillarren note that can be read</source>
        <translation>%1 的格式版本（%2）无效，因此不是可读取的 Quillarren 便笺</translation>
    </message>
    <message>
        <source>%1 was written by a newer Quillarren (its format version is %2; this one reads version %3 and older)</source>
        <translation>%1 由较新版本的 Quillarren 写入（其格式版本为 %2；此版本只能读取 %3 及更早的版本）</translation>
    </message>
    <message>
        <source>it is not a note</source>
        <translation>它不是便笺</translation>
    </message>
    <message>
        <source>%1 is damaged: in its deleted %2, %3</source>
        <translation>%1 已损坏：在其已删除的%2中，%3</translation>
    </message>
    <message>
        <source>%1 is damaged: in its %2, %3</source>
        <translation>%1 已损坏：在其%2中，%3</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 已损坏：%2</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren note (it names no note, or another one)</source>
        <translation>%1 不是 Quillarren 便笺（它未指明便笺，或指向了另一张便笺）</translation>
    </message>
</context>
<context>
    <name>NoteHistory</name>
    <message>
        <source>The history of your notes could not be opened in %1; no versions are kept this time. Your notes are as they were.</source>
        <translation>无法打开 %1 中的便笺历史记录；本次不保存任何版本。您的便笺保持原样。</translation>
    </message>
    <message>
        <source>The history of your notes in %1 is damaged (%2); it is left aside and no versions are kept until it is mended. Your notes are as they were.</source>
        <translation>%1 中的便笺历史记录已损坏（%2）；已将其搁置，在修复之前不保存任何版本。您的便笺保持原样。</translation>
    </message>
    <message>
        <source>The history of your notes could not be started in %1 (%2); no versions are kept this time. Your notes are as they were.</source>
        <translation>无法在 %1 中启动便笺历史记录（%2）；本次不保存任何版本。您的便笺保持原样。</translation>
    </message>
    <message>
        <source>The history of your notes in %1 is not as Quillarren keeps it and could not be set aside (%2); no versions are kept this time. Your notes are as they were.</source>
        <translation>%1 中的便笺历史记录不是 Quillarren 所用的格式，且无法将其搁置（%2）；本次不保存任何版本。您的便笺保持原样。</translation>
    </message>
    <message>
        <source>The history of your notes in %1 was not as Quillarren keeps it: it is kept in %2, and a new history is started. Your notes are as they were.</source>
        <translation>%1 中的便笺历史记录不是 Quillarren 所用的格式：已将其保存在 %2 中，并开始新的历史记录。您的便笺保持原样。</translation>
    </message>
</context>
<context>
    <name>NoteImport</name>
    <message>
        <source>%1 (%2%3)</source>
        <translation>%1（%2%3）</translation>
    </message>
    <message>
        <source>, in Deleted Notes</source>
        <translation>，位于“已删除的便笺”</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Set Reminder</source>
        <translation>设置提醒</translation>
    </message>
    <message>
        <source>Create New Note</source>
        <translation>新建便笺</translation>
    </message>
    <message>
        <source>Delete This Note</source>
        <translation>删除此便笺</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>字体...</translation>
    </message>
    <message>
        <source>Color...</source>
        <translation>颜色...</translation>
    </message>
    <message>
        <source>Email Note</source>
        <translation>通过电子邮件发送便笺</translation>
    </message>
    <message>
        <source>Save Note to File</source>
        <translation>将便笺保存为文件</translation>
    </message>
    <message>
        <source>Insert Date</source>
        <translation>插入日期</translation>
    </message>
    <message>
        <source>Insert Time</source>
        <translation>插入时间</translation>
    </message>
    <message>
        <source>Default Translucency</source>
        <translation>默认透明度</translation>
    </message>
    <message>
        <source>Increase Translucency</source>
        <translation>增加透明度</translation>
    </message>
    <message>
        <source>Decrease Translucency</source>
        <translation>降低透明度</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>总在最前</translation>
    </message>
    <message>
        <source>Email Author Suggestions / Bugs</source>
        <translation>向作者发送建议/错误报告</translation>
    </message>
    <message>
        <source>Goto %1</source>
        <translation>访问 %1</translation>
    </message>
    <message>
        <source>Quit (Remove All Notes)</source>
        <translation>退出（关闭所有便笺）</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>核对清单</translation>
    </message>
    <message>
        <source>Note History…</source>
        <translation>便笺历史记录…</translation>
    </message>
</context>
<context>
    <name>NoteSync</name>
    <message>
        <source>Quillarren no longer syncs its notes through a folder; the notes stay as they are.</source>
        <translation>Quillarren 已不再通过文件夹同步便笺；便笺保持原样。</translation>
    </message>
    <message>
        <source>%1 is not a folder: syncing is left as it was.</source>
        <translation>%1 不是文件夹：同步设置保持不变。</translation>
    </message>
    <message>
        <source>Quillarren syncs its notes through %1: one file per note, which the program that syncs the folder carries to your other computers.</source>
        <translation>Quillarren 通过 %1 同步便笺：每张便笺一个文件，由同步该文件夹的程序传送到您的其他计算机。</translation>
    </message>
    <message>
        <source>Syncing waits until it is back; your notes are kept here as they are.</source>
        <translation>同步将暂停，直到文件夹恢复；您的便笺会原样保留在本机。</translation>
    </message>
    <message>
        <source>If the folder is right as it is now, choose it again (Sync Folder… in the tray menu, or quillarren --sync-folder) and syncing goes on.</source>
        <translation>如果该文件夹现在的状态是正确的，请重新选择它（托盘菜单中的“同步文件夹…”，或 quillarren --sync-folder），同步即可继续。</translation>
    </message>
    <message>
        <source>The sync folder %1 is back: syncing goes on.</source>
        <translation>同步文件夹 %1 已恢复：同步继续进行。</translation>
    </message>
    <message>
        <source>The sync folder %1 is not there (is its disk unmounted?). %2</source>
        <translation>同步文件夹 %1 不存在（其所在磁盘是否已卸载？）。%2</translation>
    </message>
    <message>
        <source>The sync folder %1 holds none of your notes&apos; files any more (is its disk unmounted?). %2 %3</source>
        <translation>同步文件夹 %1 中已没有任何便笺文件（其所在磁盘是否已卸载？）。%2 %3</translation>
    </message>
    <message>
        <source>The sync folder %1 is on another disk than before (was its disk unmounted, or another mounted there?). %2 %3</source>
        <translation>同步文件夹 %1 所在的磁盘与之前不同（其磁盘是否已卸载，或有其他磁盘挂载到了该位置？）。%2 %3</translation>
    </message>
    <message>
        <source>In the sync folder %1:</source>
        <translation>在同步文件夹 %1 中：</translation>
    </message>
</context>
<context>
    <name>NoteVerbs</name>
    <message>
        <source>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</source>
        <translation>Quillarren 仍在打开或替换便笺；未做任何更改。请稍后重试。</translation>
    </message>
    <message>
        <source>There are no deleted notes.</source>
        <translation>没有已删除的便笺。</translation>
    </message>
    <message>
        <source>Deleted notes, newest first (each is kept 30 days; quillarren --restore ID brings one back):</source>
        <translation>已删除的便笺，最新的在前（每张保留 30 天；用 quillarren --restore ID 可恢复一张）：</translation>
    </message>
    <message>
        <source>There is no deleted note with the id %1 (quillarren --deleted lists them).</source>
        <translation>没有 ID 为 %1 的已删除便笺（quillarren --deleted 可列出它们）。</translation>
    </message>
    <message>
        <source>The note %1 is open already.</source>
        <translation>便笺 %1 已经打开。</translation>
    </message>
    <message>
        <source>The note %1 could not be restored, because %2. Nothing was changed.</source>
        <translation>无法恢复便笺 %1，因为%2。未做任何更改。</translation>
    </message>
    <message>
        <source>Restored the note %1.</source>
        <translation>已恢复便笺 %1。</translation>
    </message>
    <message>
        <source>There are no backups yet in %1.</source>
        <translation>%1 中尚无备份。</translation>
    </message>
    <message>
        <source>Backups, newest first (quillarren --restore-backup FILE restores one):</source>
        <translation>备份，最新的在前（用 quillarren --restore-backup FILE 可恢复其中一个）：</translation>
    </message>
    <message>
        <source>  (dated ahead of now)</source>
        <translation>  （日期晚于当前时间）</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>正在恢复…</translation>
    </message>
    <message>
        <source>The notes could not be restored: %1. Nothing was changed.</source>
        <translation>无法恢复便笺：%1。未做任何更改。</translation>
    </message>
    <message>
        <source>Restored your notes from %1. The notes you had before are kept in the backup %2.</source>
        <translation>已从 %1 恢复您的便笺。之前的便笺保存在备份 %2 中。</translation>
    </message>
    <message numerus="yes">
        <source>Exporting %n notes…</source>
        <translation>
            <numerusform>正在导出 %n 张便笺…</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1: %2. Nothing was changed.</source>
        <translation>无法写入 %1：%2。未做任何更改。</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n notes to %1</source>
        <translation>
            <numerusform>已将 %n 张便笺导出到 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, and %n deleted notes</source>
        <translation>
            <numerusform>，另有 %n 张已删除的便笺</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Nothing was imported.</source>
        <translation>%1。未导入任何内容。</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>未从 %1 导入任何内容。</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n notes that are not here yet, more than the %2 an import opens without asking: each opens as a note on your desktop at every start. To import them all, add --allow-many. Nothing was imported.</source>
        <translation>
            <numerusform>%1 中有 %n 张本机尚无的便笺，超过了无需询问即可导入的 %2 张：每张都会在每次启动时作为便笺显示在您的桌面上。要全部导入，请添加 --allow-many。未导入任何内容。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Importing %n notes…</source>
        <translation>
            <numerusform>正在导入 %n 张便笺…</numerusform>
        </translation>
    </message>
    <message>
        <source>The notes could not be imported, because %1. Nothing was imported.</source>
        <translation>无法导入便笺，因为%1。未导入任何内容。</translation>
    </message>
    <message>
        <source>Waiting for an answer in Quillarren…</source>
        <translation>正在等待 Quillarren 中的回答…</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n notes that are not here yet. Each opens as a note on your desktop, now and at every start. Import them all?</source>
        <translation>
            <numerusform>%1 中有 %n 张本机尚无的便笺。每张都会作为便笺显示在您的桌面上，现在以及每次启动时都是如此。要全部导入吗？</numerusform>
        </translation>
    </message>
    <message>
        <source>Quillarren: import</source>
        <translation>Quillarren：导入</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n notes from %1</source>
        <translation>
            <numerusform>已从 %1 导入 %n 张便笺</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n of them as new notes beside those here with other text)</source>
        <translation>
            <numerusform>（其中 %n 张作为新便笺，添加在文本不同的现有便笺旁边）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n were here already</source>
        <translation>
            <numerusform>；%n 张已存在</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n deleted notes went to Deleted Notes</source>
        <translation>
            <numerusform>；%n 张已删除的便笺已放入“已删除的便笺”</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n notes here have other text than in the file and were left as they are: %1.
To add the file&apos;s versions as new notes beside them: quillarren --import %2 --as-new</source>
        <translation>
            <numerusform>
本机有 %n 张便笺的文本与文件中的不同，已保持原样：%1。
要将文件中的版本作为新便笺添加在其旁边，请运行：quillarren --import %2 --as-new</numerusform>
        </translation>
    </message>
    <message>
        <source>The choice could not be stored, because %1.</source>
        <translation>无法保存该选择，因为%1。</translation>
    </message>
    <message>
        <source>Quillarren shows its icon in the tray.</source>
        <translation>Quillarren 会在托盘中显示图标。</translation>
    </message>
    <message>
        <source>Quillarren no longer shows an icon in the tray; quillarren --tray on brings it back.</source>
        <translation>Quillarren 不再在托盘中显示图标；运行 quillarren --tray on 可恢复显示。</translation>
    </message>
    <message>
        <source>%1 is not a folder; nothing was changed.</source>
        <translation>%1 不是文件夹；未做任何更改。</translation>
    </message>
    <message>
        <source>Quillarren will not sync its notes through a folder.</source>
        <translation>Quillarren 将不通过文件夹同步便笺。</translation>
    </message>
    <message>
        <source>Quillarren will sync its notes through %1 from its next start.</source>
        <translation>从下次启动起，Quillarren 将通过 %1 同步便笺。</translation>
    </message>
    <message>
        <source>, with their history</source>
        <translation>，并包括其历史记录</translation>
    </message>
</context>
<context>
    <name>NoteWindow</name>
    <message>
        <source>You can expand this note by dragging the bottom and right edges</source>
        <translation>拖动下边缘和右边缘可以扩大此便笺</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>无效的属性值</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</source>
        <translation>Quillarren 仍在打开或替换便笺；未做任何更改。请稍后重试。</translation>
    </message>
    <message>
        <source>There is no deleted note with the id %1 (quillarren --deleted lists them).</source>
        <translation>没有 ID 为 %1 的已删除便笺（quillarren --deleted 可列出它们）。</translation>
    </message>
    <message>
        <source>The note %1 is open already.</source>
        <translation>便笺 %1 已经打开。</translation>
    </message>
    <message>
        <source>The note %1 could not be restored, because %2. Nothing was changed.</source>
        <translation>无法恢复便笺 %1，因为%2。未做任何更改。</translation>
    </message>
    <message>
        <source>Restored the note %1.</source>
        <translation>已恢复便笺 %1。</translation>
    </message>
    <message>
        <source>Quillarren is quitting; nothing was changed.</source>
        <translation>Quillarren 正在退出；未做任何更改。</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>正在恢复…</translation>
    </message>
    <message>
        <source>The notes could not be restored: %1. Nothing was changed.</source>
        <translation>无法恢复便笺：%1。未做任何更改。</translation>
    </message>
    <message>
        <source>Restored your notes from %1. The notes you had before are kept in the backup %2.</source>
        <translation>已从 %1 恢复您的便笺。之前的便笺保存在备份 %2 中。</translation>
    </message>
    <message>
        <source>Quillarren: notes restored</source>
        <translation>Quillarren：便笺已恢复</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>This is the last note. Would you like to quit?</source>
        <translation>这是最后一张便笺。要退出吗？</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>要退出吗？</translation>
    </message>
    <message>
        <source>The note could not be moved to Deleted Notes, because %1. It stays open; nothing was deleted.</source>
        <translation>无法将便笺移到“已删除的便笺”，因为%1。便笺仍保持打开，没有删除任何内容。</translation>
    </message>
    <message>
        <source>Quillarren is quitting</source>
        <translation>Quillarren 正在退出</translation>
    </message>
    <message>
        <source>there would be more notes than Quillarren can keep</source>
        <translation>便笺数量将超出 Quillarren 能保存的上限</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1 of %n notes…</source>
        <translation>
            <numerusform>已打开 %1/%n 张便笺…</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotesList</name>
    <message>
        <source>Find Note</source>
        <translation>查找便笺</translation>
    </message>
    <message>
        <source>&amp;Find in your notes:</source>
        <translation>在便笺中查找(&amp;F)：</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>便笺列表</translation>
    </message>
    <message>
        <source>Note &amp;History…</source>
        <translation>便笺历史记录(&amp;H)…</translation>
    </message>
</context>
<context>
    <name>NotesListModel</name>
    <message>
        <source>(empty note)</source>
        <translation>（空便笺）</translation>
    </message>
    <message>
        <source>  (put away)</source>
        <translation>  （已收起）</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>便笺：%1</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Quillarren: notes not saved</source>
        <translation>Quillarren：便笺未保存</translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2.

Quillarren stays open until they are saved, so that nothing you typed is lost. Free some space or fix the folder, then press Retry. Cancel keeps your notes open; saving goes on being retried.</source>
        <translation>无法将便笺保存到 %1，因为%2。

在保存成功之前，Quillarren 会保持运行，以免丢失您输入的任何内容。请释放一些空间或修正文件夹，然后按“重试”。按“取消”会让便笺保持打开，并继续重试保存。</translation>
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
        <translation>复制文本</translation>
    </message>
</context>
<context>
    <name>QtSound</name>
    <message>
        <source>it was built for another version of Quillarren</source>
        <translation>它是为其他版本的 Quillarren 构建的</translation>
    </message>
    <message>
        <source>Alarms will be silent: the sound plugin %1 cannot be used: %2</source>
        <translation>闹钟将不会发声：无法使用声音插件 %1：%2</translation>
    </message>
</context>
<context>
    <name>ReminderDialog</name>
    <message>
        <source>Time for Reminder to Go Off:</source>
        <translation>提醒时间：</translation>
    </message>
    <message>
        <source>Default: 10 mins from now.</source>
        <translation>默认：从现在起 10 分钟后。</translation>
    </message>
    <message>
        <source>Date for Reminder to Go Off:</source>
        <translation>提醒日期：</translation>
    </message>
    <message>
        <source>Set Reminder</source>
        <translation>设置提醒</translation>
    </message>
    <message>
        <source>Hide This Window</source>
        <translation>隐藏此窗口</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>提醒</translation>
    </message>
    <message>
        <source>No note chosen: right-click a note and choose Set Reminder.</source>
        <translation>未选择便笺：请右键单击一张便笺，然后选择“设置提醒”。</translation>
    </message>
    <message>
        <source>This date cannot be read: set it again.</source>
        <translation>无法读取此日期：请重新设置。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in a form this desktop does not read. The reminder waits until it is set again; it never goes off early.</source>
        <translation>“%1”的格式无法被此桌面识别。提醒将一直等待，直到重新设置为止；它绝不会提前响起。</translation>
    </message>
    <message>
        <source>Reminder [Enabled]</source>
        <translation>提醒 [Enabled]</translation>
    </message>
    <message>
        <source>Reminder [Disabled]</source>
        <translation>提醒 [Disabled]</translation>
    </message>
    <message>
        <source>Disable Reminder</source>
        <translation>禁用提醒</translation>
    </message>
</context>
<context>
    <name>SafeRead</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>它是文件夹，而不是文件</translation>
    </message>
    <message>
        <source>it is a link, not a plain file</source>
        <translation>它是链接，而不是普通文件</translation>
    </message>
    <message>
        <source>it is a device, FIFO or socket, not a file</source>
        <translation>它是设备、FIFO 或套接字，而不是文件</translation>
    </message>
    <message>
        <source>it is larger than %1, the most Quillarren reads</source>
        <translation>它超过了 %1，即 Quillarren 可读取的上限</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>the disk quota is used up</source>
        <translation>磁盘配额已用完</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>磁盘为只读</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>权限被拒绝</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>文件夹不存在</translation>
    </message>
    <message>
        <source>it is a link that another user put in the shared folder %1, and Quillarren does not follow such links</source>
        <translation>它是其他用户放在共享文件夹 %1 中的链接，而 Quillarren 不会跟随此类链接</translation>
    </message>
    <message>
        <source>the link %1 cannot be followed</source>
        <translation>无法跟随链接 %1</translation>
    </message>
    <message>
        <source>it is a link that leads to another link, too many times</source>
        <translation>它是一个指向其他链接的链接，且链接层数过多</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>a FIFO (a pipe)</source>
        <translation>FIFO（管道）</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>套接字</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>非普通文件</translation>
    </message>
    <message>
        <source>nothing can be written in %1 (%2)</source>
        <translation>无法在 %1 中写入任何内容（%2）</translation>
    </message>
    <message>
        <source>it is %1, and Quillarren writes only plain files</source>
        <translation>它是%1，而 Quillarren 只写入普通文件</translation>
    </message>
    <message>
        <source>it is one of Quillarren&apos;s own files (its notes store, journal, lock or backups); choose another file</source>
        <translation>它是 Quillarren 自身的文件之一（便笺存储文件、日志、锁文件或备份）；请选择其他文件</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The notes store %1 is empty, and there are backups of your notes. Start Quillarren: it keeps the empty file aside and offers to restore your notes from a backup.</source>
        <translation>便笺存储文件 %1 是空的，但存在您便笺的备份。请启动 Quillarren：它会将空文件另行保留，并询问是否从备份中恢复您的便笺。</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged, or not a file, and could not be moved aside.</source>
        <translation>便笺存储文件 %1 已损坏或不是文件，且无法将其移到一旁。</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged. Start Quillarren: it keeps the damaged file aside and offers to restore your notes from a backup.</source>
        <translation>便笺存储文件 %1 已损坏。请启动 Quillarren：它会将损坏的文件另行保留，并询问是否从备份中恢复您的便笺。</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged and could not be moved aside.</source>
        <translation>便笺存储文件 %1 已损坏，且无法将其移到一旁。</translation>
    </message>
    <message>
        <source>The notes store %1 cannot be written (%2). Your notes are shown, but changes cannot be kept until it can be written; Quillarren keeps trying.</source>
        <translation>无法写入便笺存储文件 %1（%2）。您的便笺仍会显示，但在恢复写入之前无法保存更改；Quillarren 会持续重试。</translation>
    </message>
    <message>
        <source>The notes store %1 cannot be read: %2</source>
        <translation>无法读取便笺存储文件 %1：%2</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>文件为只读</translation>
    </message>
    <message>
        <source>no room for a copy of the notes in the temporary folder</source>
        <translation>临时文件夹中没有足够空间存放便笺的副本</translation>
    </message>
    <message>
        <source>the notes could not be copied from %1 (%2)</source>
        <translation>无法从 %1 复制便笺（%2）</translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2. Everything you type is kept and saving is retried; please free some space or fix the folder&apos;s permissions.</source>
        <translation>无法将便笺保存到 %1，因为%2。您输入的所有内容都会保留，并会重试保存；请释放一些空间或修正文件夹的权限。</translation>
    </message>
    <message>
        <source>cannot open the file</source>
        <translation>无法打开文件</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>the file has reached the size this session may write</source>
        <translation>文件已达到本会话可写入的大小上限</translation>
    </message>
    <message>
        <source>the file or its folder is read-only</source>
        <translation>文件或其所在文件夹为只读</translation>
    </message>
    <message>
        <source>you do not have permission to write it</source>
        <translation>您没有写入权限</translation>
    </message>
    <message>
        <source>another program is holding it</source>
        <translation>另一个程序正在占用它</translation>
    </message>
    <message>
        <source>the disk refused the write (%1)</source>
        <translation>磁盘拒绝了写入（%1）</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>无法读取皮肤文件 %1：%2</translation>
    </message>
</context>
<context>
    <name>StoreCopy</name>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>its table &quot;%1&quot; is not as Quillarren makes it</source>
        <translation>其表 &quot;%1&quot; 与 Quillarren 创建的不一致</translation>
    </message>
    <message>
        <source>it holds a %1 &quot;%2&quot; that Quillarren does not make</source>
        <translation>其中含有 Quillarren 不会创建的 %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>it holds no notes</source>
        <translation>其中没有便笺</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 不是文件</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>%1 is damaged or not a notes store (%2)</source>
        <translation>%1 已损坏，或不是便笺存储文件（%2）</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren notes store: %2</source>
        <translation>%1 不是 Quillarren 便笺存储文件：%2</translation>
    </message>
    <message>
        <source>a fresh store could not be made at %1</source>
        <translation>无法在 %1 新建存储文件</translation>
    </message>
    <message>
        <source>the notes could not be copied from %1 (%2)</source>
        <translation>无法从 %1 复制便笺（%2）</translation>
    </message>
</context>
<context>
    <name>StoredText</name>
    <message>
        <source>Reminder!</source>
        <translation>提醒！</translation>
    </message>
</context>
<context>
    <name>SyncLook</name>
    <message>
        <source>%1 is named for a note id that no note can have — left alone.</source>
        <translation>%1 的名称对应一个任何便笺都不可能有的 ID — 已保持原样。</translation>
    </message>
    <message>
        <source>%1 — left alone.</source>
        <translation>%1 — 已保持原样。</translation>
    </message>
    <message>
        <source>%1 — written again from this computer&apos;s note.</source>
        <translation>%1 — 已根据本机的便笺重新写入。</translation>
    </message>
    <message>
        <source>A change from another computer could not be taken in: %1.</source>
        <translation>无法接收来自其他计算机的更改：%1。</translation>
    </message>
    <message>
        <source>A note deleted on another computer could not be deleted here: %1.</source>
        <translation>在其他计算机上删除的便笺无法在本机删除：%1。</translation>
    </message>
    <message>
        <source>A note from another computer could not be added: %1.</source>
        <translation>无法添加来自其他计算机的一张便笺：%1。</translation>
    </message>
    <message>
        <source>A note changed on two computers at once could not be kept twice: %1.</source>
        <translation>一张便笺同时在两台计算机上被更改，但无法将两个版本都保留：%1。</translation>
    </message>
    <message>
        <source>Notes from other computers could not be added: %1.</source>
        <translation>无法添加来自其他计算机的便笺：%1。</translation>
    </message>
    <message>
        <source>Quillarren cannot write here: %1. Your notes are kept on this computer; it tries again.</source>
        <translation>Quillarren 无法在此写入：%1。您的便笺仍保留在本机；Quillarren 会再次尝试。</translation>
    </message>
</context>
<context>
    <name>SyncedNotes</name>
    <message>
        <source>the note is no longer open</source>
        <translation>该便笺已不再打开</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>New Note</source>
        <translation>新建便笺</translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation>显示所有便笺</translation>
    </message>
    <message>
        <source>Find Note…</source>
        <translation>查找便笺…</translation>
    </message>
    <message>
        <source>Deleted Notes</source>
        <translation>已删除的便笺</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Sync Folder…</source>
        <translation>同步文件夹…</translation>
    </message>
    <message>
        <source>Stop Syncing</source>
        <translation>停止同步</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>No deleted notes</source>
        <translation>没有已删除的便笺</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>立即备份</translation>
    </message>
    <message>
        <source>No backups yet</source>
        <translation>尚无备份</translation>
    </message>
    <message>
        <source>Restore from %1</source>
        <translation>从 %1 恢复</translation>
    </message>
    <message>
        <source>Replace your notes by those of the backup %1? The notes you have now are backed up first, so this can be undone.</source>
        <translation>要用备份 %1 中的便笺替换您现有的便笺吗？现有便笺会先被备份，因此此操作可以撤销。</translation>
    </message>
    <message>
        <source>The folder your sync program carries to your other computers</source>
        <translation>由同步程序同步到您其他计算机的文件夹</translation>
    </message>
    <message numerus="yes">
        <source>Quillarren: %n notes</source>
        <translation>
            <numerusform>Quillarren：%n 张便笺</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quillarren is already running for this user (process %1), but it does not answer. If it is stuck, end it, then start Quillarren again.</source>
        <translation>Quillarren 已在为此用户运行（进程 %1），但没有响应。如果它已卡住，请结束该进程，然后重新启动 Quillarren。</translation>
    </message>
    <message>
        <source>%1

Quillarren has changed nothing. Please make the file readable again, then start Quillarren.</source>
        <translation>%1

Quillarren 未做任何更改。请先让该文件恢复可读，然后再启动 Quillarren。</translation>
    </message>
</context>
</TS>
