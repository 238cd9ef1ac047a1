<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AccessibleNoteName</name>
    <message>
        <source>Note text</source>
        <translation>メモの本文</translation>
    </message>
    <message>
        <source>Note: (empty)</source>
        <translation>メモ: (空)</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>メモ: %1</translation>
    </message>
</context>
<context>
    <name>AlarmWindow</name>
    <message>
        <source>Reminder Alarm</source>
        <translation>リマインダーのアラーム</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>アラームを停止</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Quillarren was not set to start at login: there is no %1</source>
        <translation>Quillarren はログイン時に起動するよう設定されていませんでした: %1 はありません</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>%1 を削除できません: %2</translation>
    </message>
    <message>
        <source>Quillarren will no longer start at login: removed %1</source>
        <translation>Quillarren はログイン時に起動しなくなりました: %1 を削除しました</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Quillarren will start at login: wrote %1</source>
        <translation>Quillarren はログイン時に起動するようになりました: %1 を書き込みました</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>Cannot restore from it: %1. Nothing was changed.</source>
        <translation>このバックアップからは復元できません: %1。何も変更されていません。</translation>
    </message>
    <message>
        <source>Backing up the notes you have now…</source>
        <translation>現在のメモをバックアップしています…</translation>
    </message>
    <message>
        <source>The notes you have now could not be backed up first (%1), so nothing was restored.</source>
        <translation>現在のメモを先にバックアップできなかったため (%1)、何も復元していません。</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>the copy failed: %1</source>
        <translation>コピーに失敗しました: %1</translation>
    </message>
    <message>
        <source>the backups folder %1 cannot be written</source>
        <translation>バックアップフォルダー %1 に書き込めません</translation>
    </message>
    <message>
        <source>cannot write in the backups folder %1: %2</source>
        <translation>バックアップフォルダー %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>the backup of %1 failed: %2</source>
        <translation>%1 のバックアップに失敗しました: %2</translation>
    </message>
    <message>
        <source>the disk refused it</source>
        <translation>ディスクに拒否されました</translation>
    </message>
</context>
<context>
    <name>ChannelProtocol</name>
    <message>
        <source>The running Quillarren gave an answer this one cannot read.</source>
        <translation>実行中の Quillarren から、このバージョンでは読み取れない応答が返されました。</translation>
    </message>
</context>
<context>
    <name>ChannelServer</name>
    <message>
        <source>no private folder for it</source>
        <translation>専用のフォルダーがありません</translation>
    </message>
    <message>
        <source>Later starts of Quillarren cannot reach this one: cannot listen at %1: %2</source>
        <translation>後から起動した Quillarren はこのプロセスに接続できません: %1 で待ち受けできません: %2</translation>
    </message>
    <message>
        <source>Waiting for the running Quillarren to finish what it is doing…</source>
        <translation>実行中の Quillarren の処理が終わるのを待っています…</translation>
    </message>
    <message>
        <source>Process %1 asked Quillarren more than one command asks (%2 connections, %3 bytes not taken): it is no longer answered.</source>
        <translation>プロセス %1 から、1 つのコマンドとしては多すぎる要求がありました (接続 %2 件、未処理 %3 バイト)。このプロセスにはもう応答しません。</translation>
    </message>
    <message>
        <source>Quillarren could not read the request.</source>
        <translation>Quillarren は要求を読み取れませんでした。</translation>
    </message>
    <message>
        <source>This Quillarren is older and does not know &quot;%1&quot;: quit it, then start Quillarren again.</source>
        <translation>実行中の Quillarren は古いバージョンのため、「%1」を認識できません。終了させてから、Quillarren をもう一度起動してください。</translation>
    </message>
</context>
<context>
    <name>ChecklistLines</name>
    <message>
        <source>checked</source>
        <translation>チェック済み</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>未チェック</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 Nothing was changed.</source>
        <translation>%1 何も変更されていません。</translation>
    </message>
    <message>
        <source>Asking the running Quillarren…</source>
        <translation>実行中の Quillarren に問い合わせています…</translation>
    </message>
    <message>
        <source>Quillarren is running (process %1) but does not answer. Nothing was changed; if it is stuck, end it and try again.</source>
        <translation>Quillarren は実行中ですが (プロセス %1)、応答がありません。何も変更されていません。固まっている場合は終了させてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Sticky notes for the desktop. Without options, brings back your notes, or brings the running ones forward.</source>
        <translation>デスクトップ用の付箋です。オプションなしで起動すると、メモを表示するか、実行中のメモを前面に表示します。</translation>
    </message>
    <message>
        <source>Start Quillarren at every login (on), or no longer (off).</source>
        <translation>ログインのたびに Quillarren を起動するか (on)、起動しないか (off) を設定します。</translation>
    </message>
    <message>
        <source>List the deleted notes (kept 30 days).</source>
        <translation>削除したメモを一覧表示します (30 日間保管されます)。</translation>
    </message>
    <message>
        <source>Bring a deleted note back.</source>
        <translation>削除したメモを元に戻します。</translation>
    </message>
    <message>
        <source>List the backups of your notes.</source>
        <translation>メモのバックアップを一覧表示します。</translation>
    </message>
    <message>
        <source>Replace your notes by a backup&apos;s (they are backed up first).</source>
        <translation>メモをバックアップの内容で置き換えます (現在のメモは先にバックアップされます)。</translation>
    </message>
    <message>
        <source>Write the open notes to a file: JSON, or Markdown for a name ending in .md.</source>
        <translation>開いているメモをファイルに書き出します。形式は JSON、名前が .md で終わる場合は Markdown です。</translation>
    </message>
    <message>
        <source>With --export: the deleted notes too.</source>
        <translation>--export と併用: 削除したメモも含めます。</translation>
    </message>
    <message>
        <source>Add the notes of an exported file (those already here are skipped).</source>
        <translation>エクスポートしたファイルのメモを追加します (すでにあるメモは飛ばします)。</translation>
    </message>
    <message>
        <source>With --import: a note here whose text differs from the file&apos;s gets the file&apos;s version as a new note beside it.</source>
        <translation>--import と併用: ここにあるメモの本文がファイルのものと異なる場合、ファイル側の版を新しいメモとして隣に追加します。</translation>
    </message>
    <message numerus="yes">
        <source>With --import: import more than %n notes at once (each opens as a note).</source>
        <translation>
            <numerusform>--import と併用: %n 件を超えるメモを一度にインポートします (それぞれがメモとして開きます)。</numerusform>
        </translation>
    </message>
    <message>
        <source>Open a new note, with the keyboard.</source>
        <translation>新しいメモを開き、キーボードで入力できるようにします。</translation>
    </message>
    <message>
        <source>Bring every note forward, those put away too.</source>
        <translation>非表示のメモも含め、すべてのメモを前面に表示します。</translation>
    </message>
    <message>
        <source>Open the notes list, to find a note.</source>
        <translation>メモの一覧を開いて、メモを検索します。</translation>
    </message>
    <message>
        <source>Show the tray icon (on), or no longer (off).</source>
        <translation>トレイアイコンを表示するか (on)、表示しないか (off) を設定します。</translation>
    </message>
    <message>
        <source>Sync the notes through a folder that a sync program carries (Syncthing, Nextcloud); off: no longer.</source>
        <translation>同期プログラム (Syncthing、Nextcloud) が同期するフォルダーを通じてメモを同期します。off で同期をやめます。</translation>
    </message>
    <message>
        <source>%1: Unexpected argument &apos;%2&apos;.</source>
        <translation>%1: 予期しない引数 &apos;%2&apos; です。</translation>
    </message>
    <message>
        <source>%1: --autostart takes on or off, not &apos;%2&apos;.</source>
        <translation>%1: --autostart には on か off を指定してください (&apos;%2&apos; は指定できません)。</translation>
    </message>
    <message>
        <source>%1: --tray takes on or off, not &apos;%2&apos;.</source>
        <translation>%1: --tray には on か off を指定してください (&apos;%2&apos; は指定できません)。</translation>
    </message>
    <message>
        <source>Quillarren is not running.</source>
        <translation>Quillarren は実行されていません。</translation>
    </message>
    <message>
        <source>%1: --show needs --history ID.</source>
        <translation>%1: --show には --history ID が必要です。</translation>
    </message>
    <message>
        <source>With --history: print version N of the note (1 is the newest).</source>
        <translation>--history と共に: メモのバージョン N を出力します (1 が最新)。</translation>
    </message>
    <message>
        <source>List a note&apos;s earlier versions (its id, or its number: 1 for the first note).</source>
        <translation>メモの以前のバージョンを一覧表示します (メモの ID、または番号: 最初のメモは 1)。</translation>
    </message>
</context>
<context>
    <name>DamageOffer</name>
    <message>
        <source>The notes store %1 could not be read: it is damaged, or not a file. It has been kept as %2 and a new, empty store was started.</source>
        <translation>メモの保存ファイル %1 を読み取れませんでした。破損しているか、ファイルではありません。%2 として保管し、新しい空の保存ファイルを作成しました。</translation>
    </message>
    <message>
        <source>Your notes file was damaged and has been kept as %1. Restore the notes from the backup of %2?</source>
        <translation>メモのファイルが破損していたため、%1 として保管しました。%2 のバックアップからメモを復元しますか？</translation>
    </message>
    <message>
        <source>The notes could not be restored from %1: %2. Quillarren starts with an empty store; the backup is still there.</source>
        <translation>%1 からメモを復元できませんでした: %2。Quillarren は空の保存ファイルで起動します。バックアップはそのまま残っています。</translation>
    </message>
</context>
<context>
    <name>DesktopProgram</name>
    <message>
        <source>Quillarren: sync</source>
        <translation>Quillarren: 同期</translation>
    </message>
    <message>
        <source>Your notes could not be backed up: %1. Quillarren tries again in an hour.</source>
        <translation>メモをバックアップできませんでした: %1。Quillarren は 1 時間後にもう一度試みます。</translation>
    </message>
    <message>
        <source>Quillarren: backup failed</source>
        <translation>Quillarren: バックアップに失敗しました</translation>
    </message>
    <message>
        <source>Your notes are backed up in %1.</source>
        <translation>メモを %1 にバックアップしました。</translation>
    </message>
    <message>
        <source>Quillarren: backed up</source>
        <translation>Quillarren: バックアップしました</translation>
    </message>
</context>
<context>
    <name>EmailDialog</name>
    <message>
        <source>E-mail Note</source>
        <translation>メモをメールで送信</translation>
    </message>
    <message>
        <source>Enter e-mail recepients</source>
        <translation>宛先のメールアドレスを入力</translation>
    </message>
    <message>
        <source>Compose</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>No mail program is set up on this computer to write this e-mail.

Copy the note&apos;s text, to paste it into a message yourself?</source>
        <translation>このコンピューターには、このメールを作成するためのメールプログラムが設定されていません。

メモのテキストをコピーして、ご自分でメッセージに貼り付けますか？</translation>
    </message>
    <message>
        <source>The text could not be copied: the clipboard is busy.</source>
        <translation>テキストをコピーできませんでした。クリップボードが使用中です。</translation>
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
%2 の %3 行目<byte value="xd"/>
<byte value="xd"/>
このメッセージのスクリーンショットを %4 までメールでお送りください。</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>アプリケーションエラー</translation>
    </message>
    <message>
        <source>Unexpected failure</source>
        <translation>予期しないエラー</translation>
    </message>
</context>
<context>
    <name>FolderScan</name>
    <message>
        <source>%1 holds another note than its name says</source>
        <translation>%1 には名前と異なるメモが入っています</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>色(&amp;C)...</translation>
    </message>
</context>
<context>
    <name>HistoryExport</name>
    <message>
        <source>the notes&apos; history is not available, so it was left out</source>
        <translation>メモの履歴は利用できないため含めていません</translation>
    </message>
    <message>
        <source>the notes&apos; history, more than %1 MB, was left out (--history ID --show N prints a version; a backup holds them all)</source>
        <translation>メモの履歴は %1 MB を超えるため含めていません (--history ID --show N でバージョンを出力できます。バックアップにはすべて含まれます)</translation>
    </message>
</context>
<context>
    <name>HistoryKeeper</name>
    <message>
        <source>Quillarren: note history</source>
        <translation>Quillarren: メモの履歴</translation>
    </message>
    <message>
        <source>The history of the notes is not available this time.</source>
        <translation>今回はメモの履歴を利用できません。</translation>
    </message>
</context>
<context>
    <name>HistoryVerbs</name>
    <message>
        <source>The history of the notes is not available (see the message at start-up).</source>
        <translation>メモの履歴を利用できません (起動時のメッセージを参照してください)。</translation>
    </message>
    <message>
        <source>No note has the id or number &apos;%1&apos;.</source>
        <translation>ID または番号が「%1」のメモはありません。</translation>
    </message>
    <message>
        <source>Note %1 has no earlier versions.
</source>
        <translation>メモ %1 には以前のバージョンがありません。
</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n バイト</numerusform>
        </translation>
    </message>
    <message>
        <source>Note %1 has no version %2; it has %3 (--history %4 lists them).</source>
        <translation>メモ %1 にバージョン %2 はありません。バージョンは %3 個です (--history %4 で一覧表示)。</translation>
    </message>
    <message>
        <source>Version %1 of note %2 could not be read.</source>
        <translation>メモ %2 のバージョン %1 を読み取れませんでした。</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n バイト</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>Note History</source>
        <translation>メモの履歴</translation>
    </message>
    <message>
        <source>Note History: %1</source>
        <translation>メモの履歴: %1</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>バージョン一覧</translation>
    </message>
    <message>
        <source>Text of the chosen version</source>
        <translation>選択したバージョンのテキスト</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>このバージョンを復元</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>(lines removed at the end)</source>
        <translation>(末尾の行を削除)</translation>
    </message>
    <message>
        <source>This note has no earlier versions yet.</source>
        <translation>このメモにはまだ以前のバージョンがありません。</translation>
    </message>
    <message>
        <source>Same as the note now.</source>
        <translation>現在のメモと同じです。</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) differ from the note now (marked).</source>
        <translation>
            <numerusform>%n 行が現在のメモと異なります (強調表示)。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>The note could not be saved to %1: %2</source>
        <translation>メモを %1 に保存できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>NoteFields</name>
    <message>
        <source>&quot;%1&quot; is not text</source>
        <translation>&quot;%1&quot; がテキストではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not true or false</source>
        <translation>&quot;%1&quot; が true でも false でもありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>&quot;%1&quot; が数値ではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>&quot;%1&quot; が整数ではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an object</source>
        <translation>&quot;%1&quot; がオブジェクトではありません</translation>
    </message>
    <message>
        <source>&quot;deleted&quot; is not a date</source>
        <translation>&quot;deleted&quot; が日付ではありません</translation>
    </message>
    <message>
        <source>note %1</source>
        <translation>%1 番目のメモ</translation>
    </message>
    <message>
        <source>note %1 (&quot;%2&quot;)</source>
        <translation>%1 番目のメモ (「%2」)</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>%1 is not a whole Quillarren notes file: it breaks off or is damaged at byte %2 (%3)</source>
        <translation>%1 は完全な Quillarren のメモファイルではありません: %2 バイト目で途切れているか、破損しています (%3)</translation>
    </message>
    <message>
        <source>%1 is not a whole Quillarren note: it breaks off or is damaged at byte %2 (%3)</source>
        <translation>%1 は完全な Quillarren のメモではありません: %2 バイト目で途切れているか、破損しています (%3)</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren notes file</source>
        <translation>%1 は Quillarren のメモファイルではありません</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren note</source>
        <translation>%1 は Quillarren のメモではありません</translation>
    </message>
    <message>
        <source>%1 has an invalid format version (%2), so it is not a Quillarren notes file that can be read</source>
        <translation>%1 の形式バージョン (%2) が無効なため、読み取れる Quillarren のメモファイルではありません</translation>
    </message>
    <message>
        <source>%1 has an invalid format version (%2), so it is not a Quillarren note that can be read</source>
        <translation>%1 の形式バージョン (%2) が無効なため、読み取れる Quillarren のメモではありません</translation>
    </message>
    <message>
        <source>%1 was written by a newer Quillarren (its format version is %2; this one reads version %3 and older)</source>
        <translation>%1 は新しい Quillarren で書き込まれています (形式バージョンは %2 です。このバージョンで読み取れるのはバージョン %3 以前です)</translation>
    </message>
    <message>
        <source>it is not a note</source>
        <translation>メモではありません</translation>
    </message>
    <message>
        <source>%1 is damaged: in its deleted %2, %3</source>
        <translation>%1 は破損しています: 削除済みの%2で、%3</translation>
    </message>
    <message>
        <source>%1 is damaged: in its %2, %3</source>
        <translation>%1 は破損しています: %2で、%3</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 は破損しています: %2</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren note (it names no note, or another one)</source>
        <translation>%1 は Quillarren のメモではありません (どのメモも指していないか、別のメモを指しています)</translation>
    </message>
</context>
<context>
    <name>NoteHistory</name>
    <message>
        <source>The history of your notes could not be opened in %1; no versions are kept this time. Your notes are as they were.</source>
        <translation>%1 のメモの履歴を開けませんでした。今回はバージョンを保存しません。メモはそのままです。</translation>
    </message>
    <message>
        <source>The history of your notes in %1 is damaged (%2); it is left aside and no versions are kept until it is mended. Your notes are as they were.</source>
        <translation>%1 のメモの履歴が壊れています (%2)。別に保管し、修復されるまでバージョンを保存しません。メモはそのままです。</translation>
    </message>
    <message>
        <source>The history of your notes could not be started in %1 (%2); no versions are kept this time. Your notes are as they were.</source>
        <translation>%1 でメモの履歴を開始できませんでした (%2)。今回はバージョンを保存しません。メモはそのままです。</translation>
    </message>
    <message>
        <source>The history of your notes in %1 is not as Quillarren keeps it and could not be set aside (%2); no versions are kept this time. Your notes are as they were.</source>
        <translation>%1 のメモの履歴は Quillarren が管理する形式ではなく、別に保管することもできませんでした (%2)。今回はバージョンを保存しません。メモはそのままです。</translation>
    </message>
    <message>
        <source>The history of your notes in %1 was not as Quillarren keeps it: it is kept in %2, and a new history is started. Your notes are as they were.</source>
        <translation>%1 のメモの履歴は Quillarren が管理する形式ではありませんでした。%2 に保管し、新しい履歴を開始します。メモはそのままです。</translation>
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
        <translation>、「削除したメモ」内</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 を読み取れません: %2</translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Set Reminder</source>
        <translation>リマインダーを設定</translation>
    </message>
    <message>
        <source>Create New Note</source>
        <translation>新しいメモを作成</translation>
    </message>
    <message>
        <source>Delete This Note</source>
        <translation>このメモを削除</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>フォント...</translation>
    </message>
    <message>
        <source>Color...</source>
        <translation>色...</translation>
    </message>
    <message>
        <source>Email Note</source>
        <translation>メモをメールで送信</translation>
    </message>
    <message>
        <source>Save Note to File</source>
        <translation>メモをファイルに保存</translation>
    </message>
    <message>
        <source>Insert Date</source>
        <translation>日付を挿入</translation>
    </message>
    <message>
        <source>Insert Time</source>
        <translation>時刻を挿入</translation>
    </message>
    <message>
        <source>Default Translucency</source>
        <translation>既定の透明度</translation>
    </message>
    <message>
        <source>Increase Translucency</source>
        <translation>透明度を上げる</translation>
    </message>
    <message>
        <source>Decrease Translucency</source>
        <translation>透明度を下げる</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>常に手前に表示</translation>
    </message>
    <message>
        <source>Email Author Suggestions / Bugs</source>
        <translation>作者に提案・不具合をメールで送る</translation>
    </message>
    <message>
        <source>Goto %1</source>
        <translation>%1 を開く</translation>
    </message>
    <message>
        <source>Quit (Remove All Notes)</source>
        <translation>終了 (すべてのメモを閉じる)</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>チェックリスト</translation>
    </message>
    <message>
        <source>Note History…</source>
        <translation>メモの履歴…</translation>
    </message>
</context>
<context>
    <name>NoteSync</name>
    <message>
        <source>Quillarren no longer syncs its notes through a folder; the notes stay as they are.</source>
        <translation>Quillarren はフォルダーを使ったメモの同期を停止しました。メモはそのまま残ります。</translation>
    </message>
    <message>
        <source>%1 is not a folder: syncing is left as it was.</source>
        <translation>%1 はフォルダーではありません。同期の設定は変更されていません。</translation>
    </message>
    <message>
        <source>Quillarren syncs its notes through %1: one file per note, which the program that syncs the folder carries to your other computers.</source>
        <translation>Quillarren は %1 を通じてメモを同期します。メモ 1 件につき 1 つのファイルを置き、そのフォルダーを同期するプログラムがほかのコンピューターへ届けます。</translation>
    </message>
    <message>
        <source>Syncing waits until it is back; your notes are kept here as they are.</source>
        <translation>フォルダーが戻るまで同期は待機します。メモはこのコンピューターにそのまま保持されます。</translation>
    </message>
    <message>
        <source>If the folder is right as it is now, choose it again (Sync Folder… in the tray menu, or quillarren --sync-folder) and syncing goes on.</source>
        <translation>現在のフォルダーで問題なければ、もう一度選択してください (トレイメニューの「同期フォルダー…」または quillarren --sync-folder)。同期が再開されます。</translation>
    </message>
    <message>
        <source>The sync folder %1 is back: syncing goes on.</source>
        <translation>同期フォルダー %1 が戻りました。同期を再開します。</translation>
    </message>
    <message>
        <source>The sync folder %1 is not there (is its disk unmounted?). %2</source>
        <translation>同期フォルダー %1 が見つかりません (ディスクのマウントが解除されていませんか？)。%2</translation>
    </message>
    <message>
        <source>The sync folder %1 holds none of your notes&apos; files any more (is its disk unmounted?). %2 %3</source>
        <translation>同期フォルダー %1 にメモのファイルが 1 つもなくなりました (ディスクのマウントが解除されていませんか？)。%2 %3</translation>
    </message>
    <message>
        <source>The sync folder %1 is on another disk than before (was its disk unmounted, or another mounted there?). %2 %3</source>
        <translation>同期フォルダー %1 が以前とは別のディスク上にあります (ディスクのマウントが解除されたか、別のディスクがそこにマウントされていませんか？)。%2 %3</translation>
    </message>
    <message>
        <source>In the sync folder %1:</source>
        <translation>同期フォルダー %1 で:</translation>
    </message>
</context>
<context>
    <name>NoteVerbs</name>
    <message>
        <source>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</source>
        <translation>Quillarren はまだメモを開いているか、置き換えている途中です。何も変更されていません。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>There are no deleted notes.</source>
        <translation>削除したメモはありません。</translation>
    </message>
    <message>
        <source>Deleted notes, newest first (each is kept 30 days; quillarren --restore ID brings one back):</source>
        <translation>削除したメモ (新しい順。それぞれ 30 日間保管され、quillarren --restore ID で元に戻せます):</translation>
    </message>
    <message>
        <source>There is no deleted note with the id %1 (quillarren --deleted lists them).</source>
        <translation>ID が %1 の削除したメモはありません (quillarren --deleted で一覧を表示できます)。</translation>
    </message>
    <message>
        <source>The note %1 is open already.</source>
        <translation>メモ %1 はすでに開いています。</translation>
    </message>
    <message>
        <source>The note %1 could not be restored, because %2. Nothing was changed.</source>
        <translation>メモ %1 を復元できませんでした (%2)。何も変更されていません。</translation>
    </message>
    <message>
        <source>Restored the note %1.</source>
        <translation>メモ %1 を復元しました。</translation>
    </message>
    <message>
        <source>There are no backups yet in %1.</source>
        <translation>%1 にはまだバックアップがありません。</translation>
    </message>
    <message>
        <source>Backups, newest first (quillarren --restore-backup FILE restores one):</source>
        <translation>バックアップ (新しい順。quillarren --restore-backup FILE で復元できます):</translation>
    </message>
    <message>
        <source>  (dated ahead of now)</source>
        <translation>  (日時が未来になっています)</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>復元しています…</translation>
    </message>
    <message>
        <source>The notes could not be restored: %1. Nothing was changed.</source>
        <translation>メモを復元できませんでした: %1。何も変更されていません。</translation>
    </message>
    <message>
        <source>Restored your notes from %1. The notes you had before are kept in the backup %2.</source>
        <translation>%1 からメモを復元しました。以前のメモはバックアップ %2 に保管されています。</translation>
    </message>
    <message numerus="yes">
        <source>Exporting %n notes…</source>
        <translation>
            <numerusform>%n 件のメモをエクスポートしています…</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1: %2. Nothing was changed.</source>
        <translation>%1 に書き込めません: %2。何も変更されていません。</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n notes to %1</source>
        <translation>
            <numerusform>%n 件のメモを %1 にエクスポートしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, and %n deleted notes</source>
        <translation>
            <numerusform> (ほかに削除したメモ %n 件)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Nothing was imported.</source>
        <translation>%1。何もインポートされていません。</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>%1 からは何もインポートされていません。</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n notes that are not here yet, more than the %2 an import opens without asking: each opens as a note on your desktop at every start. To import them all, add --allow-many. Nothing was imported.</source>
        <translation>
            <numerusform>%1 には、ここにまだないメモが %n 件あり、確認なしでインポートできる %2 件を超えています。それぞれが起動のたびにデスクトップ上のメモとして開きます。すべてインポートするには --allow-many を追加してください。何もインポートされていません。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Importing %n notes…</source>
        <translation>
            <numerusform>%n 件のメモをインポートしています…</numerusform>
        </translation>
    </message>
    <message>
        <source>The notes could not be imported, because %1. Nothing was imported.</source>
        <translation>メモをインポートできませんでした (%1)。何もインポートされていません。</translation>
    </message>
    <message>
        <source>Waiting for an answer in Quillarren…</source>
        <translation>Quillarren での応答を待っています…</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n notes that are not here yet. Each opens as a note on your desktop, now and at every start. Import them all?</source>
        <translation>
            <numerusform>%1 には、ここにまだないメモが %n 件あります。それぞれが今すぐ、そして起動のたびにデスクトップ上のメモとして開きます。すべてインポートしますか？</numerusform>
        </translation>
    </message>
    <message>
        <source>Quillarren: import</source>
        <translation>Quillarren: インポート</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n notes from %1</source>
        <translation>
            <numerusform>%1 から %n 件のメモをインポートしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n of them as new notes beside those here with other text)</source>
        <translation>
            <numerusform> (うち %n 件は、本文の異なる既存のメモの隣に新しいメモとして追加)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n were here already</source>
        <translation>
            <numerusform>。%n 件はすでにありました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n deleted notes went to Deleted Notes</source>
        <translation>
            <numerusform>。削除済みのメモ %n 件は「削除したメモ」に入りました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n notes here have other text than in the file and were left as they are: %1.
To add the file&apos;s versions as new notes beside them: quillarren --import %2 --as-new</source>
        <translation>
            <numerusform>
ここにある %n 件のメモはファイルと本文が異なるため、そのままにしました: %1。
ファイル側の版を新しいメモとして隣に追加するには: quillarren --import %2 --as-new</numerusform>
        </translation>
    </message>
    <message>
        <source>The choice could not be stored, because %1.</source>
        <translation>設定を保存できませんでした (%1)。</translation>
    </message>
    <message>
        <source>Quillarren shows its icon in the tray.</source>
        <translation>Quillarren はトレイにアイコンを表示します。</translation>
    </message>
    <message>
        <source>Quillarren no longer shows an icon in the tray; quillarren --tray on brings it back.</source>
        <translation>Quillarren はトレイにアイコンを表示しなくなりました。quillarren --tray on で再び表示できます。</translation>
    </message>
    <message>
        <source>%1 is not a folder; nothing was changed.</source>
        <translation>%1 はフォルダーではありません。何も変更されていません。</translation>
    </message>
    <message>
        <source>Quillarren will not sync its notes through a folder.</source>
        <translation>Quillarren はフォルダーを使ったメモの同期を行いません。</translation>
    </message>
    <message>
        <source>Quillarren will sync its notes through %1 from its next start.</source>
        <translation>Quillarren は次回の起動から %1 を通じてメモを同期します。</translation>
    </message>
    <message>
        <source>, with their history</source>
        <translation> (履歴を含む)</translation>
    </message>
</context>
<context>
    <name>NoteWindow</name>
    <message>
        <source>You can expand this note by dragging the bottom and right edges</source>
        <translation>下端と右端をドラッグすると、このメモを大きくできます</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>無効なプロパティ値</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</source>
        <translation>Quillarren はまだメモを開いているか、置き換えている途中です。何も変更されていません。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>There is no deleted note with the id %1 (quillarren --deleted lists them).</source>
        <translation>ID が %1 の削除したメモはありません (quillarren --deleted で一覧を表示できます)。</translation>
    </message>
    <message>
        <source>The note %1 is open already.</source>
        <translation>メモ %1 はすでに開いています。</translation>
    </message>
    <message>
        <source>The note %1 could not be restored, because %2. Nothing was changed.</source>
        <translation>メモ %1 を復元できませんでした (%2)。何も変更されていません。</translation>
    </message>
    <message>
        <source>Restored the note %1.</source>
        <translation>メモ %1 を復元しました。</translation>
    </message>
    <message>
        <source>Quillarren is quitting; nothing was changed.</source>
        <translation>Quillarren は終了処理中です。何も変更されていません。</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>復元しています…</translation>
    </message>
    <message>
        <source>The notes could not be restored: %1. Nothing was changed.</source>
        <translation>メモを復元できませんでした: %1。何も変更されていません。</translation>
    </message>
    <message>
        <source>Restored your notes from %1. The notes you had before are kept in the backup %2.</source>
        <translation>%1 からメモを復元しました。以前のメモはバックアップ %2 に保管されています。</translation>
    </message>
    <message>
        <source>Quillarren: notes restored</source>
        <translation>Quillarren: メモを復元しました</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>オーバーフロー</translation>
    </message>
    <message>
        <source>This is the last note. Would you like to quit?</source>
        <translation>これが最後のメモです。終了しますか？</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>終了しますか？</translation>
    </message>
    <message>
        <source>The note could not be moved to Deleted Notes, because %1. It stays open; nothing was deleted.</source>
        <translation>メモを「削除したメモ」に移動できませんでした (%1)。メモは開いたままで、何も削除されていません。</translation>
    </message>
    <message>
        <source>Quillarren is quitting</source>
        <translation>Quillarren が終了処理中です</translation>
    </message>
    <message>
        <source>there would be more notes than Quillarren can keep</source>
        <translation>Quillarren が保持できるメモの数を超えてしまいます</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1 of %n notes…</source>
        <translation>
            <numerusform>%n 件中 %1 件のメモを開きました…</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotesList</name>
    <message>
        <source>Find Note</source>
        <translation>メモを検索</translation>
    </message>
    <message>
        <source>&amp;Find in your notes:</source>
        <translation>メモ内を検索(&amp;F):</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>メモの一覧</translation>
    </message>
    <message>
        <source>Note &amp;History…</source>
        <translation>メモの履歴(&amp;H)…</translation>
    </message>
</context>
<context>
    <name>NotesListModel</name>
    <message>
        <source>(empty note)</source>
        <translation>(空のメモ)</translation>
    </message>
    <message>
        <source>  (put away)</source>
        <translation>  (非表示)</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>メモ: %1</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Quillarren: notes not saved</source>
        <translation>Quillarren: メモが保存されていません</translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2.

Quillarren stays open until they are saved, so that nothing you typed is lost. Free some space or fix the folder, then press Retry. Cancel keeps your notes open; saving goes on being retried.</source>
        <translation>メモを %1 に保存できませんでした (%2)。

入力した内容が失われないよう、保存できるまで Quillarren は終了しません。空き容量を確保するかフォルダーを修正してから、「再試行」を押してください。「キャンセル」を押すとメモは開いたままになり、保存は引き続き再試行されます。</translation>
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
        <translation>テキストをコピー</translation>
    </message>
</context>
<context>
    <name>QtSound</name>
    <message>
        <source>it was built for another version of Quillarren</source>
        <translation>別のバージョンの Quillarren 用にビルドされています</translation>
    </message>
    <message>
        <source>Alarms will be silent: the sound plugin %1 cannot be used: %2</source>
        <translation>アラームは鳴りません: サウンドプラグイン %1 を使用できません: %2</translation>
    </message>
</context>
<context>
    <name>ReminderDialog</name>
    <message>
        <source>Time for Reminder to Go Off:</source>
        <translation>通知する時刻:</translation>
    </message>
    <message>
        <source>Default: 10 mins from now.</source>
        <translation>既定: 今から 10 分後。</translation>
    </message>
    <message>
        <source>Date for Reminder to Go Off:</source>
        <translation>通知する日時:</translation>
    </message>
    <message>
        <source>Set Reminder</source>
        <translation>リマインダーを設定</translation>
    </message>
    <message>
        <source>Hide This Window</source>
        <translation>このウィンドウを隠す</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>リマインダー</translation>
    </message>
    <message>
        <source>No note chosen: right-click a note and choose Set Reminder.</source>
        <translation>メモが選ばれていません。メモを右クリックして「リマインダーを設定」を選んでください。</translation>
    </message>
    <message>
        <source>This date cannot be read: set it again.</source>
        <translation>この日時を読み取れません。設定し直してください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in a form this desktop does not read. The reminder waits until it is set again; it never goes off early.</source>
        <translation>「%1」は、このデスクトップでは読み取れない形式です。リマインダーは設定し直されるまで待機します。予定より早く通知されることはありません。</translation>
    </message>
    <message>
        <source>Reminder [Enabled]</source>
        <translation>リマインダー [Enabled]</translation>
    </message>
    <message>
        <source>Reminder [Disabled]</source>
        <translation>リマインダー [Disabled]</translation>
    </message>
    <message>
        <source>Disable Reminder</source>
        <translation>リマインダーを無効にする</translation>
    </message>
</context>
<context>
    <name>SafeRead</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>ファイルではなくフォルダーです</translation>
    </message>
    <message>
        <source>it is a link, not a plain file</source>
        <translation>通常のファイルではなく、リンクです</translation>
    </message>
    <message>
        <source>it is a device, FIFO or socket, not a file</source>
        <translation>ファイルではなく、デバイス、FIFO、ソケットのいずれかです</translation>
    </message>
    <message>
        <source>it is larger than %1, the most Quillarren reads</source>
        <translation>Quillarren が読み込める上限の %1 を超えています</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>the disk quota is used up</source>
        <translation>ディスククォータを使い切りました</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>ディスクが読み取り専用です</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>フォルダーが存在しません</translation>
    </message>
    <message>
        <source>it is a link that another user put in the shared folder %1, and Quillarren does not follow such links</source>
        <translation>ほかのユーザーが共有フォルダー %1 に置いたリンクであり、Quillarren はそのようなリンクをたどりません</translation>
    </message>
    <message>
        <source>the link %1 cannot be followed</source>
        <translation>リンク %1 をたどれません</translation>
    </message>
    <message>
        <source>it is a link that leads to another link, too many times</source>
        <translation>リンクが別のリンクを指す段数が多すぎます</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>a FIFO (a pipe)</source>
        <translation>FIFO (パイプ)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ソケット</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>通常のファイル以外</translation>
    </message>
    <message>
        <source>nothing can be written in %1 (%2)</source>
        <translation>%1 には何も書き込めません (%2)</translation>
    </message>
    <message>
        <source>it is %1, and Quillarren writes only plain files</source>
        <translation>%1 であり、Quillarren は通常のファイルにしか書き込みません</translation>
    </message>
    <message>
        <source>it is one of Quillarren&apos;s own files (its notes store, journal, lock or backups); choose another file</source>
        <translation>Quillarren 自身のファイル (メモの保存ファイル、ジャーナル、ロック、バックアップ) です。別のファイルを選んでください</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The notes store %1 is empty, and there are backups of your notes. Start Quillarren: it keeps the empty file aside and offers to restore your notes from a backup.</source>
        <translation>メモの保存ファイル %1 は空ですが、メモのバックアップがあります。Quillarren を起動してください。空のファイルを別に保管し、バックアップからメモを復元するか尋ねます。</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged, or not a file, and could not be moved aside.</source>
        <translation>メモの保存ファイル %1 は破損しているかファイルではなく、別の場所に退避できませんでした。</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged. Start Quillarren: it keeps the damaged file aside and offers to restore your notes from a backup.</source>
        <translation>メモの保存ファイル %1 は破損しています。Quillarren を起動してください。破損したファイルを別に保管し、バックアップからメモを復元するか尋ねます。</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged and could not be moved aside.</source>
        <translation>メモの保存ファイル %1 は破損しており、別の場所に退避できませんでした。</translation>
    </message>
    <message>
        <source>The notes store %1 cannot be written (%2). Your notes are shown, but changes cannot be kept until it can be written; Quillarren keeps trying.</source>
        <translation>メモの保存ファイル %1 に書き込めません (%2)。メモは表示されていますが、書き込めるようになるまで変更は保存されません。Quillarren は再試行を続けます。</translation>
    </message>
    <message>
        <source>The notes store %1 cannot be read: %2</source>
        <translation>メモの保存ファイル %1 を読み取れません: %2</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>ファイルが読み取り専用です</translation>
    </message>
    <message>
        <source>no room for a copy of the notes in the temporary folder</source>
        <translation>一時フォルダーにメモのコピーを置く空き容量がありません</translation>
    </message>
    <message>
        <source>the notes could not be copied from %1 (%2)</source>
        <translation>%1 からメモをコピーできませんでした (%2)</translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2. Everything you type is kept and saving is retried; please free some space or fix the folder&apos;s permissions.</source>
        <translation>メモを %1 に保存できませんでした (%2)。入力した内容はすべて保持され、保存は再試行されます。空き容量を確保するか、フォルダーのアクセス権を修正してください。</translation>
    </message>
    <message>
        <source>cannot open the file</source>
        <translation>ファイルを開けません</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>the file has reached the size this session may write</source>
        <translation>このセッションで書き込めるファイルサイズの上限に達しました</translation>
    </message>
    <message>
        <source>the file or its folder is read-only</source>
        <translation>ファイルまたはそのフォルダーが読み取り専用です</translation>
    </message>
    <message>
        <source>you do not have permission to write it</source>
        <translation>書き込む権限がありません</translation>
    </message>
    <message>
        <source>another program is holding it</source>
        <translation>ほかのプログラムが使用中です</translation>
    </message>
    <message>
        <source>the disk refused the write (%1)</source>
        <translation>ディスクが書き込みを拒否しました (%1)</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>スキンファイル %1 を読み取れません: %2</translation>
    </message>
</context>
<context>
    <name>StoreCopy</name>
    <message>
        <source>out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>its table &quot;%1&quot; is not as Quillarren makes it</source>
        <translation>テーブル &quot;%1&quot; が Quillarren の作成する形と異なります</translation>
    </message>
    <message>
        <source>it holds a %1 &quot;%2&quot; that Quillarren does not make</source>
        <translation>Quillarren が作成しない %1 &quot;%2&quot; が含まれています</translation>
    </message>
    <message>
        <source>it holds no notes</source>
        <translation>メモが 1 件も含まれていません</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 はファイルではありません</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>%1 is damaged or not a notes store (%2)</source>
        <translation>%1 は破損しているか、メモの保存ファイルではありません (%2)</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren notes store: %2</source>
        <translation>%1 は Quillarren のメモの保存ファイルではありません: %2</translation>
    </message>
    <message>
        <source>a fresh store could not be made at %1</source>
        <translation>%1 に新しい保存ファイルを作成できませんでした</translation>
    </message>
    <message>
        <source>the notes could not be copied from %1 (%2)</source>
        <translation>%1 からメモをコピーできませんでした (%2)</translation>
    </message>
</context>
<context>
    <name>StoredText</name>
    <message>
        <source>Reminder!</source>
        <translation>リマインダー！</translation>
    </message>
</context>
<context>
    <name>SyncLook</name>
    <message>
        <source>%1 is named for a note id that no note can have — left alone.</source>
        <translation>%1 は、どのメモにもありえない ID の名前になっています — そのままにしました。</translation>
    </message>
    <message>
        <source>%1 — left alone.</source>
        <translation>%1 — そのままにしました。</translation>
    </message>
    <message>
        <source>%1 — written again from this computer&apos;s note.</source>
        <translation>%1 — このコンピューターのメモから書き直しました。</translation>
    </message>
    <message>
        <source>A change from another computer could not be taken in: %1.</source>
        <translation>ほかのコンピューターでの変更を取り込めませんでした: %1。</translation>
    </message>
    <message>
        <source>A note deleted on another computer could not be deleted here: %1.</source>
        <translation>ほかのコンピューターで削除されたメモを、ここで削除できませんでした: %1。</translation>
    </message>
    <message>
        <source>A note from another computer could not be added: %1.</source>
        <translation>ほかのコンピューターから届いたメモを追加できませんでした: %1。</translation>
    </message>
    <message>
        <source>A note changed on two computers at once could not be kept twice: %1.</source>
        <translation>2 台のコンピューターで同時に変更されたメモを、両方の版として残せませんでした: %1。</translation>
    </message>
    <message>
        <source>Notes from other computers could not be added: %1.</source>
        <translation>ほかのコンピューターから届いた複数のメモを追加できませんでした: %1。</translation>
    </message>
    <message>
        <source>Quillarren cannot write here: %1. Your notes are kept on this computer; it tries again.</source>
        <translation>Quillarren はここに書き込めません: %1。メモはこのコンピューターに保持され、書き込みは再試行されます。</translation>
    </message>
</context>
<context>
    <name>SyncedNotes</name>
    <message>
        <source>the note is no longer open</source>
        <translation>メモがもう開かれていません</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>New Note</source>
        <translation>新しいメモ</translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation>すべてのメモを表示</translation>
    </message>
    <message>
        <source>Find Note…</source>
        <translation>メモを検索…</translation>
    </message>
    <message>
        <source>Deleted Notes</source>
        <translation>削除したメモ</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>バックアップ</translation>
    </message>
    <message>
        <source>Sync Folder…</source>
        <translation>同期フォルダー…</translation>
    </message>
    <message>
        <source>Stop Syncing</source>
        <translation>同期を停止</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>No deleted notes</source>
        <translation>削除したメモはありません</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>今すぐバックアップ</translation>
    </message>
    <message>
        <source>No backups yet</source>
        <translation>バックアップはまだありません</translation>
    </message>
    <message>
        <source>Restore from %1</source>
        <translation>%1 から復元</translation>
    </message>
    <message>
        <source>Replace your notes by those of the backup %1? The notes you have now are backed up first, so this can be undone.</source>
        <translation>現在のメモをバックアップ %1 のメモで置き換えますか？現在のメモは先にバックアップされるので、元に戻せます。</translation>
    </message>
    <message>
        <source>The folder your sync program carries to your other computers</source>
        <translation>同期プログラムがほかのコンピューターと同期するフォルダー</translation>
    </message>
    <message numerus="yes">
        <source>Quillarren: %n notes</source>
        <translation>
            <numerusform>Quillarren: メモ %n 件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quillarren is already running for this user (process %1), but it does not answer. If it is stuck, end it, then start Quillarren again.</source>
        <translation>このユーザーの Quillarren はすでに実行中ですが (プロセス %1)、応答がありません。固まっている場合は終了させてから、Quillarren をもう一度起動してください。</translation>
    </message>
    <message>
        <source>%1

Quillarren has changed nothing. Please make the file readable again, then start Quillarren.</source>
        <translation>%1

Quillarren は何も変更していません。ファイルを読み取れる状態に戻してから、Quillarren を起動してください。</translation>
    </message>
</context>
</TS>
