<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>AccessibleNoteName</name>
    <message>
        <source>Note text</source>
        <translation>نص الملاحظة</translation>
    </message>
    <message>
        <source>Note: (empty)</source>
        <translation>ملاحظة: (فارغة)</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>ملاحظة: %1</translation>
    </message>
</context>
<context>
    <name>AlarmWindow</name>
    <message>
        <source>Reminder Alarm</source>
        <translation>منبّه التذكير</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>أوقف المنبّه</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Quillarren was not set to start at login: there is no %1</source>
        <translation>لم يكن Quillarren مضبوطًا ليبدأ عند الولوج: لا يوجد %1</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>تتعذّر إزالة %1: %2</translation>
    </message>
    <message>
        <source>Quillarren will no longer start at login: removed %1</source>
        <translation>لن يبدأ Quillarren عند الولوج بعد الآن: أُزيل %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>تتعذّر كتابة %1: %2</translation>
    </message>
    <message>
        <source>Quillarren will start at login: wrote %1</source>
        <translation>سيبدأ Quillarren عند الولوج: كُتب %1</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>Cannot restore from it: %1. Nothing was changed.</source>
        <translation>تتعذّر الاستعادة منها: %1. لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>Backing up the notes you have now…</source>
        <translation>يجري نسخ ملاحظاتك الحالية احتياطيًا…</translation>
    </message>
    <message>
        <source>The notes you have now could not be backed up first (%1), so nothing was restored.</source>
        <translation>تعذّر نسخ ملاحظاتك الحالية احتياطيًا أولًا (%1)، لذا لم يُستعَد شيء.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>out of memory</source>
        <translation>نفدت الذاكرة</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>يتعذّر فتح %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>تتعذّر كتابة %1: %2</translation>
    </message>
    <message>
        <source>the copy failed: %1</source>
        <translation>فشل النسخ: %1</translation>
    </message>
    <message>
        <source>the backups folder %1 cannot be written</source>
        <translation>تتعذّر الكتابة في مجلد النسخ الاحتياطية %1</translation>
    </message>
    <message>
        <source>cannot write in the backups folder %1: %2</source>
        <translation>تتعذّر الكتابة في مجلد النسخ الاحتياطية %1: %2</translation>
    </message>
    <message>
        <source>the backup of %1 failed: %2</source>
        <translation>فشل النسخ الاحتياطي لـ %1: %2</translation>
    </message>
    <message>
        <source>the disk refused it</source>
        <translation>رفضه القرص</translation>
    </message>
</context>
<context>
    <name>ChannelProtocol</name>
    <message>
        <source>The running Quillarren gave an answer this one cannot read.</source>
        <translation>أعاد Quillarren العامل ردًّا لا تستطيع هذه النسخة قراءته.</translation>
    </message>
</context>
<context>
    <name>ChannelServer</name>
    <message>
        <source>no private folder for it</source>
        <translation>لا يوجد مجلد خاص به</translation>
    </message>
    <message>
        <source>Later starts of Quillarren cannot reach this one: cannot listen at %1: %2</source>
        <translation>لن تتمكن مرات تشغيل Quillarren اللاحقة من الوصول إلى هذه النسخة: يتعذّر الاستماع على %1: %2</translation>
    </message>
    <message>
        <source>Waiting for the running Quillarren to finish what it is doing…</source>
        <translation>في انتظار أن ينهي Quillarren العامل ما يقوم به…</translation>
    </message>
    <message>
        <source>Process %1 asked Quillarren more than one command asks (%2 connections, %3 bytes not taken): it is no longer answered.</source>
        <translation>طلبت العملية %1 من Quillarren أكثر مما يطلبه أمر واحد (الاتصالات: %2، البايتات غير المستقبلة: %3): لن يُرَدّ عليها بعد الآن.</translation>
    </message>
    <message>
        <source>Quillarren could not read the request.</source>
        <translation>تعذّر على Quillarren قراءة الطلب.</translation>
    </message>
    <message>
        <source>This Quillarren is older and does not know &quot;%1&quot;: quit it, then start Quillarren again.</source>
        <translation>Quillarren العامل أقدم ولا يعرف «%1»: أنهِه، ثم شغّل Quillarren مجددًا.</translation>
    </message>
</context>
<context>
    <name>ChecklistLines</name>
    <message>
        <source>checked</source>
        <translation>محدَّد</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>غير محدَّد</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 Nothing was changed.</source>
        <translation>%1 لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>Asking the running Quillarren…</source>
        <translation>يجري سؤال Quillarren العامل…</translation>
    </message>
    <message>
        <source>Quillarren is running (process %1) but does not answer. Nothing was changed; if it is stuck, end it and try again.</source>
        <translation>Quillarren يعمل (العملية %1) لكنه لا يستجيب. لم يُغيَّر شيء؛ إن كان عالقًا فأنهِه وحاول مجددًا.</translation>
    </message>
    <message>
        <source>Sticky notes for the desktop. Without options, brings back your notes, or brings the running ones forward.</source>
        <translation>ملاحظات لاصقة لسطح المكتب. دون خيارات: يعيد ملاحظاتك، أو يُظهر الملاحظات المفتوحة في المقدمة.</translation>
    </message>
    <message>
        <source>Start Quillarren at every login (on), or no longer (off).</source>
        <translation>شغّل Quillarren عند كل ولوج (on)، أو لا تشغّله بعد الآن (off).</translation>
    </message>
    <message>
        <source>List the deleted notes (kept 30 days).</source>
        <translation>اسرد الملاحظات المحذوفة (تُحفظ 30 يومًا).</translation>
    </message>
    <message>
        <source>Bring a deleted note back.</source>
        <translation>استعِد ملاحظة محذوفة.</translation>
    </message>
    <message>
        <source>List the backups of your notes.</source>
        <translation>اسرد النسخ الاحتياطية من ملاحظاتك.</translation>
    </message>
    <message>
        <source>Replace your notes by a backup&apos;s (they are backed up first).</source>
        <translation>استبدل ملاحظاتك بملاحظات نسخة احتياطية (تُنسخ ملاحظاتك احتياطيًا أولًا).</translation>
    </message>
    <message>
        <source>Write the open notes to a file: JSON, or Markdown for a name ending in .md.</source>
        <translation>اكتب الملاحظات المفتوحة في ملف: بصيغة JSON، أو Markdown إن انتهى الاسم بـ .md.</translation>
    </message>
    <message>
        <source>With --export: the deleted notes too.</source>
        <translation>مع --export: والملاحظات المحذوفة أيضًا.</translation>
    </message>
    <message>
        <source>Add the notes of an exported file (those already here are skipped).</source>
        <translation>أضف ملاحظات ملف مُصدَّر (تُتخطّى الملاحظات الموجودة هنا).</translation>
    </message>
    <message>
        <source>With --import: a note here whose text differs from the file&apos;s gets the file&apos;s version as a new note beside it.</source>
        <translation>مع --import: إن اختلف نص ملاحظة هنا عن نصها في الملف، تُضاف نسخة الملف ملاحظةً جديدة بجانبها.</translation>
    </message>
    <message numerus="yes">
        <source>With --import: import more than %n notes at once (each opens as a note).</source>
        <translation>
            <numerusform>مع --import: استورد أكثر من %n ملاحظة دفعة واحدة (تُفتح كل منها ملاحظةً).</numerusform>
            <numerusform>مع --import: استورد أكثر من %n ملاحظة دفعة واحدة (تُفتح كل منها ملاحظةً).</numerusform>
            <numerusform>مع --import: استورد أكثر من %n ملاحظتين دفعة واحدة (تُفتح كل منها ملاحظةً).</numerusform>
            <numerusform>مع --import: استورد أكثر من %n ملاحظات دفعة واحدة (تُفتح كل منها ملاحظةً).</numerusform>
            <numerusform>مع --import: استورد أكثر من %n ملاحظة دفعة واحدة (تُفتح كل منها ملاحظةً).</numerusform>
            <numerusform>مع --import: استورد أكثر من %n ملاحظة دفعة واحدة (تُفتح كل منها ملاحظةً).</numerusform>
        </translation>
    </message>
    <message>
        <source>Open a new note, with the keyboard.</source>
        <translation>افتح ملاحظة جديدة، للكتابة بلوحة المفاتيح.</translation>
    </message>
    <message>
        <source>Bring every note forward, those put away too.</source>
        <translation>أظهر كل الملاحظات في المقدمة، بما فيها المخفية.</translation>
    </message>
    <message>
        <source>Open the notes list, to find a note.</source>
        <translation>افتح قائمة الملاحظات للعثور على ملاحظة.</translation>
    </message>
    <message>
        <source>Show the tray icon (on), or no longer (off).</source>
        <translation>أظهر أيقونة صينية النظام (on)، أو لا تُظهرها بعد الآن (off).</translation>
    </message>
    <message>
        <source>Sync the notes through a folder that a sync program carries (Syncthing, Nextcloud); off: no longer.</source>
        <translation>زامن الملاحظات عبر مجلد ينقله برنامج مزامنة (Syncthing، Nextcloud)؛ off: أوقف المزامنة.</translation>
    </message>
    <message>
        <source>%1: Unexpected argument &apos;%2&apos;.</source>
        <translation>%1: معامل غير متوقع &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>%1: --autostart takes on or off, not &apos;%2&apos;.</source>
        <translation>%1: يقبل --autostart القيمة on أو off، وليس &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>%1: --tray takes on or off, not &apos;%2&apos;.</source>
        <translation>%1: يقبل --tray القيمة on أو off، وليس &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>Quillarren is not running.</source>
        <translation>Quillarren لا يعمل.</translation>
    </message>
    <message>
        <source>%1: --show needs --history ID.</source>
        <translation>%1: يتطلب --show الخيار --history ID.</translation>
    </message>
    <message>
        <source>With --history: print version N of the note (1 is the newest).</source>
        <translation>مع --history: اطبع الإصدار N من الملاحظة (1 هو الأحدث).</translation>
    </message>
    <message>
        <source>List a note&apos;s earlier versions (its id, or its number: 1 for the first note).</source>
        <translation>اعرض الإصدارات السابقة لملاحظة (معرّفها، أو رقمها: 1 للملاحظة الأولى).</translation>
    </message>
</context>
<context>
    <name>DamageOffer</name>
    <message>
        <source>The notes store %1 could not be read: it is damaged, or not a file. It has been kept as %2 and a new, empty store was started.</source>
        <translation>تعذّرت قراءة مخزن الملاحظات %1: إنه تالف أو ليس ملفًا. احتُفظ به باسم %2 وبُدئ مخزن جديد فارغ.</translation>
    </message>
    <message>
        <source>Your notes file was damaged and has been kept as %1. Restore the notes from the backup of %2?</source>
        <translation>كان ملف ملاحظاتك تالفًا فاحتُفظ به باسم %1. أتريد استعادة الملاحظات من النسخة الاحتياطية المؤرخة %2؟</translation>
    </message>
    <message>
        <source>The notes could not be restored from %1: %2. Quillarren starts with an empty store; the backup is still there.</source>
        <translation>تعذّرت استعادة الملاحظات من %1: %2. سيبدأ Quillarren بمخزن فارغ، والنسخة الاحتياطية ما زالت موجودة.</translation>
    </message>
</context>
<context>
    <name>DesktopProgram</name>
    <message>
        <source>Quillarren: sync</source>
        <translation>Quillarren: المزامنة</translation>
    </message>
    <message>
        <source>Your notes could not be backed up: %1. Quillarren tries again in an hour.</source>
        <translation>تعذّر النسخ الاحتياطي لملاحظاتك: %1. سيحاول Quillarren مجددًا بعد ساعة.</translation>
    </message>
    <message>
        <source>Quillarren: backup failed</source>
        <translation>Quillarren: فشل النسخ الاحتياطي</translation>
    </message>
    <message>
        <source>Your notes are backed up in %1.</source>
        <translation>نُسخت ملاحظاتك احتياطيًا في %1.</translation>
    </message>
    <message>
        <source>Quillarren: backed up</source>
        <translation>Quillarren: اكتمل النسخ الاحتياطي</translation>
    </message>
</context>
<context>
    <name>EmailDialog</name>
    <message>
        <source>E-mail Note</source>
        <translation>إرسال الملاحظة بالبريد الإلكتروني</translation>
    </message>
    <message>
        <source>Enter e-mail recepients</source>
        <translation>أدخل عناوين المستلمين</translation>
    </message>
    <message>
        <source>Compose</source>
        <translation>اكتب</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ألغِ</translation>
    </message>
    <message>
        <source>No mail program is set up on this computer to write this e-mail.

Copy the note&apos;s text, to paste it into a message yourself?</source>
        <translation>لا يوجد على هذا الحاسوب برنامج بريد مُعَدّ لكتابة هذه الرسالة.

أتريد نسخ نص الملاحظة لتلصقه في رسالة بنفسك؟</translation>
    </message>
    <message>
        <source>The text could not be copied: the clipboard is busy.</source>
        <translation>تعذّر نسخ النص: الحافظة مشغولة.</translation>
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
في %2 عند السطر %3<byte value="xd"/>
<byte value="xd"/>
يُرجى إرسال لقطة شاشة لهذه الرسالة بالبريد الإلكتروني إلى %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>خطأ في التطبيق</translation>
    </message>
    <message>
        <source>Unexpected failure</source>
        <translation>عطل غير متوقع</translation>
    </message>
</context>
<context>
    <name>FolderScan</name>
    <message>
        <source>%1 holds another note than its name says</source>
        <translation>%1 يحوي ملاحظة غير التي يدل عليها اسمه</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation>الخط</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>ال&amp;لون...</translation>
    </message>
</context>
<context>
    <name>HistoryExport</name>
    <message>
        <source>the notes&apos; history is not available, so it was left out</source>
        <translation>سجل الملاحظات غير متاح، لذا تُرك</translation>
    </message>
    <message>
        <source>the notes&apos; history, more than %1 MB, was left out (--history ID --show N prints a version; a backup holds them all)</source>
        <translation>تُرك سجل الملاحظات لأنه يتجاوز %1 ميغابايت (يطبع --history ID --show N إصدارًا؛ والنسخة الاحتياطية تحويها كلها)</translation>
    </message>
</context>
<context>
    <name>HistoryKeeper</name>
    <message>
        <source>Quillarren: note history</source>
        <translation>Quillarren: سجل الملاحظات</translation>
    </message>
    <message>
        <source>The history of the notes is not available this time.</source>
        <translation>سجل الملاحظات غير متاح هذه المرة.</translation>
    </message>
</context>
<context>
    <name>HistoryVerbs</name>
    <message>
        <source>The history of the notes is not available (see the message at start-up).</source>
        <translation>سجل الملاحظات غير متاح (انظر الرسالة عند البدء).</translation>
    </message>
    <message>
        <source>No note has the id or number &apos;%1&apos;.</source>
        <translation>لا توجد ملاحظة بالمعرّف أو الرقم «%1».</translation>
    </message>
    <message>
        <source>Note %1 has no earlier versions.
</source>
        <translation>ليست للملاحظة %1 إصدارات سابقة.
</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n بايت</numerusform>
            <numerusform>%n بايت</numerusform>
            <numerusform>%n بايت</numerusform>
            <numerusform>%n بايتات</numerusform>
            <numerusform>%n بايتًا</numerusform>
            <numerusform>%n بايت</numerusform>
        </translation>
    </message>
    <message>
        <source>Note %1 has no version %2; it has %3 (--history %4 lists them).</source>
        <translation>ليس للملاحظة %1 إصدار %2؛ عدد إصداراتها %3 (يسردها --history %4).</translation>
    </message>
    <message>
        <source>Version %1 of note %2 could not be read.</source>
        <translation>تعذّرت قراءة الإصدار %1 من الملاحظة %2.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n بايت</numerusform>
            <numerusform>%n بايت</numerusform>
            <numerusform>%n بايت</numerusform>
            <numerusform>%n بايتات</numerusform>
            <numerusform>%n بايتًا</numerusform>
            <numerusform>%n بايت</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 كيلوبايت</translation>
    </message>
    <message>
        <source>Note History</source>
        <translation>سجل الملاحظة</translation>
    </message>
    <message>
        <source>Note History: %1</source>
        <translation>سجل الملاحظة: %1</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>الإصدارات</translation>
    </message>
    <message>
        <source>Text of the chosen version</source>
        <translation>نص الإصدار المختار</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>استعادة هذا الإصدار</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>(lines removed at the end)</source>
        <translation>(حُذفت أسطر في النهاية)</translation>
    </message>
    <message>
        <source>This note has no earlier versions yet.</source>
        <translation>لا توجد لهذه الملاحظة إصدارات سابقة بعد.</translation>
    </message>
    <message>
        <source>Same as the note now.</source>
        <translation>مطابق للملاحظة الحالية.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) differ from the note now (marked).</source>
        <translation>
            <numerusform>%n سطر يختلف عن الملاحظة الحالية (مميَّز).</numerusform>
            <numerusform>%n سطر يختلف عن الملاحظة الحالية (مميَّز).</numerusform>
            <numerusform>%n سطران يختلفان عن الملاحظة الحالية (مميَّزان).</numerusform>
            <numerusform>%n أسطر تختلف عن الملاحظة الحالية (مميَّزة).</numerusform>
            <numerusform>%n سطرًا تختلف عن الملاحظة الحالية (مميَّزة).</numerusform>
            <numerusform>%n سطر تختلف عن الملاحظة الحالية (مميَّزة).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>The note could not be saved to %1: %2</source>
        <translation>تعذّر حفظ الملاحظة في %1: %2</translation>
    </message>
</context>
<context>
    <name>NoteFields</name>
    <message>
        <source>&quot;%1&quot; is not text</source>
        <translation>«%1» ليس نصًّا</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not true or false</source>
        <translation>«%1» ليس true ولا false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>«%1» ليس رقمًا</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>«%1» ليس عددًا صحيحًا</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an object</source>
        <translation>«%1» ليس كائنًا</translation>
    </message>
    <message>
        <source>&quot;deleted&quot; is not a date</source>
        <translation>«deleted» ليس تاريخًا</translation>
    </message>
    <message>
        <source>note %1</source>
        <translation>الملاحظة %1</translation>
    </message>
    <message>
        <source>note %1 (&quot;%2&quot;)</source>
        <translation>الملاحظة %1 («%2»)</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>%1 is not a whole Quillarren notes file: it breaks off or is damaged at byte %2 (%3)</source>
        <translation>%1 ليس ملف ملاحظات Quillarren كاملًا: ينقطع أو يتلف عند البايت %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is not a whole Quillarren note: it breaks off or is damaged at byte %2 (%3)</source>
        <translation>%1 ليس ملاحظة Quillarren كاملة: ينقطع أو يتلف عند البايت %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren notes file</source>
        <translation>%1 ليس ملف ملاحظات Quillarren</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren note</source>
        <translation>%1 ليس ملاحظة Quillarren</translation>
    </message>
    <message>
        <source>%1 has an invalid format version (%2), so it is not a Quillarren notes file that can be read</source>
        <translation>لـ %1 إصدار تنسيق غير صالح (%2)، لذا فهو ليس ملف ملاحظات Quillarren يمكن قراءته</translation>
    </message>
    <message>
        <source>%1 has an invalid format version (%2), so it is not a Quillarren note that can be read</source>
        <translation>لـ %1 إصدار تنسيق غير صالح (%2)، لذا فهو ليس ملاحظة Quillarren يمكن قراءتها</translation>
    </message>
    <message>
        <source>%1 was written by a newer Quillarren (its format version is %2; this one reads version %3 and older)</source>
        <translation>كُتب %1 بإصدار أحدث من Quillarren (إصدار تنسيقه %2، وهذا الإصدار يقرأ الإصدار %3 وما قبله)</translation>
    </message>
    <message>
        <source>it is not a note</source>
        <translation>ليس ملاحظة</translation>
    </message>
    <message>
        <source>%1 is damaged: in its deleted %2, %3</source>
        <translation>%1 تالف: في %2 المحذوفة منه، %3</translation>
    </message>
    <message>
        <source>%1 is damaged: in its %2, %3</source>
        <translation>%1 تالف: في %2 منه، %3</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 تالف: %2</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren note (it names no note, or another one)</source>
        <translation>%1 ليس ملاحظة Quillarren (لا يسمّي أي ملاحظة، أو يسمّي ملاحظة أخرى)</translation>
    </message>
</context>
<context>
    <name>NoteHistory</name>
    <message>
        <source>The history of your notes could not be opened in %1; no versions are kept this time. Your notes are as they were.</source>
        <translation>تعذّر فتح سجل ملاحظاتك في %1؛ لن تُحفظ أي إصدارات هذه المرة. ملاحظاتك كما كانت.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 is damaged (%2); it is left aside and no versions are kept until it is mended. Your notes are as they were.</source>
        <translation>سجل ملاحظاتك في %1 تالف (%2)؛ وُضع جانبًا ولن تُحفظ أي إصدارات حتى يُصلَح. ملاحظاتك كما كانت.</translation>
    </message>
    <message>
        <source>The history of your notes could not be started in %1 (%2); no versions are kept this time. Your notes are as they were.</source>
        <translation>تعذّر بدء سجل ملاحظاتك في %1 (%2)؛ لن تُحفظ أي إصدارات هذه المرة. ملاحظاتك كما كانت.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 is not as Quillarren keeps it and could not be set aside (%2); no versions are kept this time. Your notes are as they were.</source>
        <translation>سجل ملاحظاتك في %1 ليس بالشكل الذي يحفظه به Quillarren وتعذّر وضعه جانبًا (%2)؛ لن تُحفظ أي إصدارات هذه المرة. ملاحظاتك كما كانت.</translation>
    </message>
    <message>
        <source>The history of your notes in %1 was not as Quillarren keeps it: it is kept in %2, and a new history is started. Your notes are as they were.</source>
        <translation>سجل ملاحظاتك في %1 لم يكن بالشكل الذي يحفظه به Quillarren: حُفظ في %2 وبدأ سجل جديد. ملاحظاتك كما كانت.</translation>
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
        <translation>، في «الملاحظات المحذوفة»</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>تتعذّر قراءة %1: %2</translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>انسخ</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>ألصق</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>حدّد الكل</translation>
    </message>
    <message>
        <source>Set Reminder</source>
        <translation>اضبط تذكيرًا</translation>
    </message>
    <message>
        <source>Create New Note</source>
        <translation>أنشئ ملاحظة جديدة</translation>
    </message>
    <message>
        <source>Delete This Note</source>
        <translation>احذف هذه الملاحظة</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>الخط...</translation>
    </message>
    <message>
        <source>Color...</source>
        <translation>اللون...</translation>
    </message>
    <message>
        <source>Email Note</source>
        <translation>أرسل الملاحظة بالبريد</translation>
    </message>
    <message>
        <source>Save Note to File</source>
        <translation>احفظ الملاحظة في ملف</translation>
    </message>
    <message>
        <source>Insert Date</source>
        <translation>أدرج التاريخ</translation>
    </message>
    <message>
        <source>Insert Time</source>
        <translation>أدرج الوقت</translation>
    </message>
    <message>
        <source>Default Translucency</source>
        <translation>الشفافية المبدئية</translation>
    </message>
    <message>
        <source>Increase Translucency</source>
        <translation>زِد الشفافية</translation>
    </message>
    <message>
        <source>Decrease Translucency</source>
        <translation>قلّل الشفافية</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>دائمًا في المقدمة</translation>
    </message>
    <message>
        <source>Email Author Suggestions / Bugs</source>
        <translation>راسل المؤلف باقتراحات / علل</translation>
    </message>
    <message>
        <source>Goto %1</source>
        <translation>زُر %1</translation>
    </message>
    <message>
        <source>Quit (Remove All Notes)</source>
        <translation>أنهِ (أغلق كل الملاحظات)</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>قائمة تحقق</translation>
    </message>
    <message>
        <source>Note History…</source>
        <translation>سجل الملاحظة…</translation>
    </message>
</context>
<context>
    <name>NoteSync</name>
    <message>
        <source>Quillarren no longer syncs its notes through a folder; the notes stay as they are.</source>
        <translation>لم يعد Quillarren يزامن ملاحظاته عبر مجلد؛ وتبقى الملاحظات كما هي.</translation>
    </message>
    <message>
        <source>%1 is not a folder: syncing is left as it was.</source>
        <translation>%1 ليس مجلدًا: تُركت المزامنة على حالها.</translation>
    </message>
    <message>
        <source>Quillarren syncs its notes through %1: one file per note, which the program that syncs the folder carries to your other computers.</source>
        <translation>يزامن Quillarren ملاحظاته عبر %1: ملف لكل ملاحظة، ينقله البرنامج الذي يزامن المجلد إلى حواسيبك الأخرى.</translation>
    </message>
    <message>
        <source>Syncing waits until it is back; your notes are kept here as they are.</source>
        <translation>ستنتظر المزامنة حتى يعود المجلد؛ وتبقى ملاحظاتك هنا كما هي.</translation>
    </message>
    <message>
        <source>If the folder is right as it is now, choose it again (Sync Folder… in the tray menu, or quillarren --sync-folder) and syncing goes on.</source>
        <translation>إن كان المجلد صحيحًا على حاله الآن فاختره مجددًا («مجلد المزامنة…» في قائمة صينية النظام، أو quillarren --sync-folder) لتستمر المزامنة.</translation>
    </message>
    <message>
        <source>The sync folder %1 is back: syncing goes on.</source>
        <translation>عاد مجلد المزامنة %1: تستمر المزامنة.</translation>
    </message>
    <message>
        <source>The sync folder %1 is not there (is its disk unmounted?). %2</source>
        <translation>مجلد المزامنة %1 غير موجود (هل فُكّ تركيب قرصه؟). %2</translation>
    </message>
    <message>
        <source>The sync folder %1 holds none of your notes&apos; files any more (is its disk unmounted?). %2 %3</source>
        <translation>لم يعد مجلد المزامنة %1 يحوي أيًّا من ملفات ملاحظاتك (هل فُكّ تركيب قرصه؟). %2 %3</translation>
    </message>
    <message>
        <source>The sync folder %1 is on another disk than before (was its disk unmounted, or another mounted there?). %2 %3</source>
        <translation>مجلد المزامنة %1 على قرص غير الذي كان عليه من قبل (هل فُكّ تركيب قرصه، أو رُكّب قرص آخر مكانه؟). %2 %3</translation>
    </message>
    <message>
        <source>In the sync folder %1:</source>
        <translation>في مجلد المزامنة %1:</translation>
    </message>
</context>
<context>
    <name>NoteVerbs</name>
    <message>
        <source>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</source>
        <translation>ما زال Quillarren يفتح الملاحظات أو يستبدلها؛ لم يُغيَّر شيء. حاول مجددًا بعد قليل.</translation>
    </message>
    <message>
        <source>There are no deleted notes.</source>
        <translation>لا توجد ملاحظات محذوفة.</translation>
    </message>
    <message>
        <source>Deleted notes, newest first (each is kept 30 days; quillarren --restore ID brings one back):</source>
        <translation>الملاحظات المحذوفة، الأحدث أولًا (تُحفظ كل منها 30 يومًا؛ والأمر quillarren --restore ID يعيد إحداها):</translation>
    </message>
    <message>
        <source>There is no deleted note with the id %1 (quillarren --deleted lists them).</source>
        <translation>لا توجد ملاحظة محذوفة بالمعرّف %1 (يسردها الأمر quillarren --deleted).</translation>
    </message>
    <message>
        <source>The note %1 is open already.</source>
        <translation>الملاحظة %1 مفتوحة بالفعل.</translation>
    </message>
    <message>
        <source>The note %1 could not be restored, because %2. Nothing was changed.</source>
        <translation>تعذّرت استعادة الملاحظة %1: %2. لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>Restored the note %1.</source>
        <translation>استُعيدت الملاحظة %1.</translation>
    </message>
    <message>
        <source>There are no backups yet in %1.</source>
        <translation>لا توجد نسخ احتياطية في %1 بعد.</translation>
    </message>
    <message>
        <source>Backups, newest first (quillarren --restore-backup FILE restores one):</source>
        <translation>النسخ الاحتياطية، الأحدث أولًا (الأمر quillarren --restore-backup FILE يستعيد إحداها):</translation>
    </message>
    <message>
        <source>  (dated ahead of now)</source>
        <translation>  (مؤرخة بتاريخ لاحق للآن)</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>تجري الاستعادة…</translation>
    </message>
    <message>
        <source>The notes could not be restored: %1. Nothing was changed.</source>
        <translation>تعذّرت استعادة الملاحظات: %1. لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>Restored your notes from %1. The notes you had before are kept in the backup %2.</source>
        <translation>استُعيدت ملاحظاتك من %1. الملاحظات التي كانت لديك من قبل محفوظة في النسخة الاحتياطية %2.</translation>
    </message>
    <message numerus="yes">
        <source>Exporting %n notes…</source>
        <translation>
            <numerusform>يجري تصدير %n ملاحظة…</numerusform>
            <numerusform>يجري تصدير %n ملاحظة…</numerusform>
            <numerusform>يجري تصدير %n ملاحظتين…</numerusform>
            <numerusform>يجري تصدير %n ملاحظات…</numerusform>
            <numerusform>يجري تصدير %n ملاحظة…</numerusform>
            <numerusform>يجري تصدير %n ملاحظة…</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1: %2. Nothing was changed.</source>
        <translation>تتعذّر كتابة %1: %2. لم يُغيَّر شيء.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n notes to %1</source>
        <translation>
            <numerusform>صُدِّرت %n ملاحظة إلى %1</numerusform>
            <numerusform>صُدِّرت %n ملاحظة إلى %1</numerusform>
            <numerusform>صُدِّرت %n ملاحظتان إلى %1</numerusform>
            <numerusform>صُدِّرت %n ملاحظات إلى %1</numerusform>
            <numerusform>صُدِّرت %n ملاحظة إلى %1</numerusform>
            <numerusform>صُدِّرت %n ملاحظة إلى %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, and %n deleted notes</source>
        <translation>
            <numerusform>، و%n ملاحظة محذوفة</numerusform>
            <numerusform>، و%n ملاحظة محذوفة</numerusform>
            <numerusform>، و%n ملاحظتان محذوفتان</numerusform>
            <numerusform>، و%n ملاحظات محذوفة</numerusform>
            <numerusform>، و%n ملاحظة محذوفة</numerusform>
            <numerusform>، و%n ملاحظة محذوفة</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Nothing was imported.</source>
        <translation>%1. لم يُستورد شيء.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>لم يُستورد شيء من %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n notes that are not here yet, more than the %2 an import opens without asking: each opens as a note on your desktop at every start. To import them all, add --allow-many. Nothing was imported.</source>
        <translation>
            <numerusform>في %1 ملاحظات ليست هنا بعد، عددها %n، وهذا أكثر من %2 يفتحها الاستيراد دون سؤال: تُفتح كل منها ملاحظةً على سطح مكتبك عند كل بدء. لاستيرادها كلها أضف --allow-many. لم يُستورد شيء.</numerusform>
            <numerusform>في %1 ملاحظات ليست هنا بعد، عددها %n، وهذا أكثر من %2 يفتحها الاستيراد دون سؤال: تُفتح كل منها ملاحظةً على سطح مكتبك عند كل بدء. لاستيرادها كلها أضف --allow-many. لم يُستورد شيء.</numerusform>
            <numerusform>في %1 ملاحظات ليست هنا بعد، عددها %n، وهذا أكثر من %2 يفتحها الاستيراد دون سؤال: تُفتح كل منها ملاحظةً على سطح مكتبك عند كل بدء. لاستيرادها كلها أضف --allow-many. لم يُستورد شيء.</numerusform>
            <numerusform>في %1 ملاحظات ليست هنا بعد، عددها %n، وهذا أكثر من %2 يفتحها الاستيراد دون سؤال: تُفتح كل منها ملاحظةً على سطح مكتبك عند كل بدء. لاستيرادها كلها أضف --allow-many. لم يُستورد شيء.</numerusform>
            <numerusform>في %1 ملاحظات ليست هنا بعد، عددها %n، وهذا أكثر من %2 يفتحها الاستيراد دون سؤال: تُفتح كل منها ملاحظةً على سطح مكتبك عند كل بدء. لاستيرادها كلها أضف --allow-many. لم يُستورد شيء.</numerusform>
            <numerusform>في %1 ملاحظات ليست هنا بعد، عددها %n، وهذا أكثر من %2 يفتحها الاستيراد دون سؤال: تُفتح كل منها ملاحظةً على سطح مكتبك عند كل بدء. لاستيرادها كلها أضف --allow-many. لم يُستورد شيء.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Importing %n notes…</source>
        <translation>
            <numerusform>يجري استيراد %n ملاحظة…</numerusform>
            <numerusform>يجري استيراد %n ملاحظة…</numerusform>
            <numerusform>يجري استيراد %n ملاحظتين…</numerusform>
            <numerusform>يجري استيراد %n ملاحظات…</numerusform>
            <numerusform>يجري استيراد %n ملاحظة…</numerusform>
            <numerusform>يجري استيراد %n ملاحظة…</numerusform>
        </translation>
    </message>
    <message>
        <source>The notes could not be imported, because %1. Nothing was imported.</source>
        <translation>تعذّر استيراد الملاحظات: %1. لم يُستورد شيء.</translation>
    </message>
    <message>
        <source>Waiting for an answer in Quillarren…</source>
        <translation>في انتظار ردّ في Quillarren…</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n notes that are not here yet. Each opens as a note on your desktop, now and at every start. Import them all?</source>
        <translation>
            <numerusform>في %1 ملاحظات ليست هنا بعد، عددها %n. تُفتح كل منها ملاحظةً على سطح مكتبك، الآن وعند كل بدء. أتريد استيرادها كلها؟</numerusform>
            <numerusform>في %1 ملاحظة واحدة ليست هنا بعد (%n). ستُفتح ملاحظةً على سطح مكتبك، الآن وعند كل بدء. أتريد استيرادها؟</numerusform>
            <numerusform>في %1 ملاحظتان ليستا هنا بعد (%n). تُفتح كل منهما ملاحظةً على سطح مكتبك، الآن وعند كل بدء. أتريد استيرادهما؟</numerusform>
            <numerusform>في %1 ملاحظات ليست هنا بعد، عددها %n. تُفتح كل منها ملاحظةً على سطح مكتبك، الآن وعند كل بدء. أتريد استيرادها كلها؟</numerusform>
            <numerusform>في %1 ملاحظات ليست هنا بعد، عددها %n. تُفتح كل منها ملاحظةً على سطح مكتبك، الآن وعند كل بدء. أتريد استيرادها كلها؟</numerusform>
            <numerusform>في %1 ملاحظات ليست هنا بعد، عددها %n. تُفتح كل منها ملاحظةً على سطح مكتبك، الآن وعند كل بدء. أتريد استيرادها كلها؟</numerusform>
        </translation>
    </message>
    <message>
        <source>Quillarren: import</source>
        <translation>Quillarren: الاستيراد</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n notes from %1</source>
        <translation>
            <numerusform>استُوردت %n ملاحظة من %1</numerusform>
            <numerusform>استُوردت %n ملاحظة من %1</numerusform>
            <numerusform>استُوردت %n ملاحظتان من %1</numerusform>
            <numerusform>استُوردت %n ملاحظات من %1</numerusform>
            <numerusform>استُوردت %n ملاحظة من %1</numerusform>
            <numerusform>استُوردت %n ملاحظة من %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n of them as new notes beside those here with other text)</source>
        <translation>
            <numerusform> (%n منها كملاحظات جديدة بجانب الموجودة هنا بنص مختلف)</numerusform>
            <numerusform> (%n منها كملاحظة جديدة بجانب الموجودة هنا بنص مختلف)</numerusform>
            <numerusform> (%n منها كملاحظتين جديدتين بجانب الموجودة هنا بنص مختلف)</numerusform>
            <numerusform> (%n منها كملاحظات جديدة بجانب الموجودة هنا بنص مختلف)</numerusform>
            <numerusform> (%n منها كملاحظات جديدة بجانب الموجودة هنا بنص مختلف)</numerusform>
            <numerusform> (%n منها كملاحظات جديدة بجانب الموجودة هنا بنص مختلف)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n were here already</source>
        <translation>
            <numerusform>؛ %n منها كانت هنا من قبل</numerusform>
            <numerusform>؛ %n منها كانت هنا من قبل</numerusform>
            <numerusform>؛ %n منها كانتا هنا من قبل</numerusform>
            <numerusform>؛ %n منها كانت هنا من قبل</numerusform>
            <numerusform>؛ %n منها كانت هنا من قبل</numerusform>
            <numerusform>؛ %n منها كانت هنا من قبل</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n deleted notes went to Deleted Notes</source>
        <translation>
            <numerusform>؛ ونُقلت %n ملاحظة محذوفة إلى «الملاحظات المحذوفة»</numerusform>
            <numerusform>؛ ونُقلت %n ملاحظة محذوفة إلى «الملاحظات المحذوفة»</numerusform>
            <numerusform>؛ ونُقلت %n ملاحظتان محذوفتان إلى «الملاحظات المحذوفة»</numerusform>
            <numerusform>؛ ونُقلت %n ملاحظات محذوفة إلى «الملاحظات المحذوفة»</numerusform>
            <numerusform>؛ ونُقلت %n ملاحظة محذوفة إلى «الملاحظات المحذوفة»</numerusform>
            <numerusform>؛ ونُقلت %n ملاحظة محذوفة إلى «الملاحظات المحذوفة»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n notes here have other text than in the file and were left as they are: %1.
To add the file&apos;s versions as new notes beside them: quillarren --import %2 --as-new</source>
        <translation>
            <numerusform>
تختلف نصوص %n ملاحظة هنا عمّا في الملف فتُركت كما هي: %1.
لإضافة نسخ الملف ملاحظاتٍ جديدة بجانبها: quillarren --import %2 --as-new</numerusform>
            <numerusform>
يختلف نص %n ملاحظة هنا عمّا في الملف فتُركت كما هي: %1.
لإضافة نسخة الملف ملاحظةً جديدة بجانبها: quillarren --import %2 --as-new</numerusform>
            <numerusform>
يختلف نصّا %n ملاحظتين هنا عمّا في الملف فتُركتا كما هما: %1.
لإضافة نسختي الملف ملاحظتين جديدتين بجانبهما: quillarren --import %2 --as-new</numerusform>
            <numerusform>
تختلف نصوص %n ملاحظات هنا عمّا في الملف فتُركت كما هي: %1.
لإضافة نسخ الملف ملاحظاتٍ جديدة بجانبها: quillarren --import %2 --as-new</numerusform>
            <numerusform>
تختلف نصوص %n ملاحظة هنا عمّا في الملف فتُركت كما هي: %1.
لإضافة نسخ الملف ملاحظاتٍ جديدة بجانبها: quillarren --import %2 --as-new</numerusform>
            <numerusform>
تختلف نصوص %n ملاحظة هنا عمّا في الملف فتُركت كما هي: %1.
لإضافة نسخ الملف ملاحظاتٍ جديدة بجانبها: quillarren --import %2 --as-new</numerusform>
        </translation>
    </message>
    <message>
        <source>The choice could not be stored, because %1.</source>
        <translation>تعذّر حفظ الاختيار: %1.</translation>
    </message>
    <message>
        <source>Quillarren shows its icon in the tray.</source>
        <translation>يُظهر Quillarren أيقونته في صينية النظام.</translation>
    </message>
    <message>
        <source>Quillarren no longer shows an icon in the tray; quillarren --tray on brings it back.</source>
        <translation>لم يعد Quillarren يُظهر أيقونة في صينية النظام؛ يعيدها الأمر quillarren --tray on.</translation>
    </message>
    <message>
        <source>%1 is not a folder; nothing was changed.</source>
        <translation>%1 ليس مجلدًا؛ لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>Quillarren will not sync its notes through a folder.</source>
        <translation>لن يزامن Quillarren ملاحظاته عبر مجلد.</translation>
    </message>
    <message>
        <source>Quillarren will sync its notes through %1 from its next start.</source>
        <translation>سيزامن Quillarren ملاحظاته عبر %1 بدءًا من تشغيله التالي.</translation>
    </message>
    <message>
        <source>, with their history</source>
        <translation>، مع سجلها</translation>
    </message>
</context>
<context>
    <name>NoteWindow</name>
    <message>
        <source>You can expand this note by dragging the bottom and right edges</source>
        <translation>يمكنك توسيع هذه الملاحظة بسحب حافتها السفلى وحافتها الجانبية</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>قيمة خاصية غير صالحة</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Quillarren is still opening or replacing notes; nothing was changed. Try again in a moment.</source>
        <translation>ما زال Quillarren يفتح الملاحظات أو يستبدلها؛ لم يُغيَّر شيء. حاول مجددًا بعد قليل.</translation>
    </message>
    <message>
        <source>There is no deleted note with the id %1 (quillarren --deleted lists them).</source>
        <translation>لا توجد ملاحظة محذوفة بالمعرّف %1 (يسردها الأمر quillarren --deleted).</translation>
    </message>
    <message>
        <source>The note %1 is open already.</source>
        <translation>الملاحظة %1 مفتوحة بالفعل.</translation>
    </message>
    <message>
        <source>The note %1 could not be restored, because %2. Nothing was changed.</source>
        <translation>تعذّرت استعادة الملاحظة %1: %2. لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>Restored the note %1.</source>
        <translation>استُعيدت الملاحظة %1.</translation>
    </message>
    <message>
        <source>Quillarren is quitting; nothing was changed.</source>
        <translation>Quillarren قيد الإنهاء؛ لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>تجري الاستعادة…</translation>
    </message>
    <message>
        <source>The notes could not be restored: %1. Nothing was changed.</source>
        <translation>تعذّرت استعادة الملاحظات: %1. لم يُغيَّر شيء.</translation>
    </message>
    <message>
        <source>Restored your notes from %1. The notes you had before are kept in the backup %2.</source>
        <translation>استُعيدت ملاحظاتك من %1. الملاحظات التي كانت لديك من قبل محفوظة في النسخة الاحتياطية %2.</translation>
    </message>
    <message>
        <source>Quillarren: notes restored</source>
        <translation>Quillarren: استُعيدت الملاحظات</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>تجاوز السعة</translation>
    </message>
    <message>
        <source>This is the last note. Would you like to quit?</source>
        <translation>هذه آخر ملاحظة. أتريد إنهاء البرنامج؟</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>أتريد الإنهاء؟</translation>
    </message>
    <message>
        <source>The note could not be moved to Deleted Notes, because %1. It stays open; nothing was deleted.</source>
        <translation>تعذّر نقل الملاحظة إلى «الملاحظات المحذوفة»: %1. ستبقى مفتوحة، ولم يُحذف شيء.</translation>
    </message>
    <message>
        <source>Quillarren is quitting</source>
        <translation>Quillarren قيد الإنهاء</translation>
    </message>
    <message>
        <source>there would be more notes than Quillarren can keep</source>
        <translation>سيتجاوز عدد الملاحظات ما يستطيع Quillarren الاحتفاظ به</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1 of %n notes…</source>
        <translation>
            <numerusform>فُتحت %1 من أصل %n ملاحظة…</numerusform>
            <numerusform>فُتحت %1 من أصل %n ملاحظة…</numerusform>
            <numerusform>فُتحت %1 من أصل %n ملاحظتين…</numerusform>
            <numerusform>فُتحت %1 من أصل %n ملاحظات…</numerusform>
            <numerusform>فُتحت %1 من أصل %n ملاحظة…</numerusform>
            <numerusform>فُتحت %1 من أصل %n ملاحظة…</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotesList</name>
    <message>
        <source>Find Note</source>
        <translation>البحث عن ملاحظة</translation>
    </message>
    <message>
        <source>&amp;Find in your notes:</source>
        <translation>ا&amp;بحث في ملاحظاتك:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>الملاحظات</translation>
    </message>
    <message>
        <source>Note &amp;History…</source>
        <translation>&amp;سجل الملاحظة…</translation>
    </message>
</context>
<context>
    <name>NotesListModel</name>
    <message>
        <source>(empty note)</source>
        <translation>(ملاحظة فارغة)</translation>
    </message>
    <message>
        <source>  (put away)</source>
        <translation>  (مخفية)</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>ملاحظة: %1</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Quillarren: notes not saved</source>
        <translation>Quillarren: لم تُحفظ الملاحظات</translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2.

Quillarren stays open until they are saved, so that nothing you typed is lost. Free some space or fix the folder, then press Retry. Cancel keeps your notes open; saving goes on being retried.</source>
        <translation>تعذّر حفظ ملاحظاتك في %1: %2.

سيبقى Quillarren مفتوحًا حتى تُحفظ، كي لا يضيع شيء مما كتبته. حرّر بعض المساحة أو أصلح المجلد، ثم اضغط «حاول مجدّدًا». أما «ألغِ» فيُبقي ملاحظاتك مفتوحة، وتستمر محاولات الحفظ.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Copy Text</source>
        <translation>انسخ النص</translation>
    </message>
</context>
<context>
    <name>QtSound</name>
    <message>
        <source>it was built for another version of Quillarren</source>
        <translation>بُني لإصدار آخر من Quillarren</translation>
    </message>
    <message>
        <source>Alarms will be silent: the sound plugin %1 cannot be used: %2</source>
        <translation>ستكون المنبّهات صامتة: يتعذّر استخدام ملحق الصوت %1: %2</translation>
    </message>
</context>
<context>
    <name>ReminderDialog</name>
    <message>
        <source>Time for Reminder to Go Off:</source>
        <translation>موعد انطلاق التذكير:</translation>
    </message>
    <message>
        <source>Default: 10 mins from now.</source>
        <translation>المبدئي: بعد 10 دقائق من الآن.</translation>
    </message>
    <message>
        <source>Date for Reminder to Go Off:</source>
        <translation>تاريخ انطلاق التذكير:</translation>
    </message>
    <message>
        <source>Set Reminder</source>
        <translation>اضبط تذكيرًا</translation>
    </message>
    <message>
        <source>Hide This Window</source>
        <translation>أخفِ هذه النافذة</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>تذكير</translation>
    </message>
    <message>
        <source>No note chosen: right-click a note and choose Set Reminder.</source>
        <translation>لم تُختر أي ملاحظة: انقر بالزر الأيمن على ملاحظة واختر «اضبط تذكيرًا».</translation>
    </message>
    <message>
        <source>This date cannot be read: set it again.</source>
        <translation>تتعذّر قراءة هذا التاريخ: اضبطه مجددًا.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in a form this desktop does not read. The reminder waits until it is set again; it never goes off early.</source>
        <translation>«%1» بصيغة لا يقرؤها سطح المكتب هذا. سينتظر التذكير حتى يُضبط مجددًا، ولن ينطلق قبل موعده أبدًا.</translation>
    </message>
    <message>
        <source>Reminder [Enabled]</source>
        <translation>تذكير [Enabled]</translation>
    </message>
    <message>
        <source>Reminder [Disabled]</source>
        <translation>تذكير [Disabled]</translation>
    </message>
    <message>
        <source>Disable Reminder</source>
        <translation>عطّل التذكير</translation>
    </message>
</context>
<context>
    <name>SafeRead</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>إنه مجلد، وليس ملفًا</translation>
    </message>
    <message>
        <source>it is a link, not a plain file</source>
        <translation>إنه رابط، وليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>it is a device, FIFO or socket, not a file</source>
        <translation>إنه جهاز أو FIFO أو مقبس، وليس ملفًا</translation>
    </message>
    <message>
        <source>it is larger than %1, the most Quillarren reads</source>
        <translation>حجمه أكبر من %1، وهو أقصى ما يقرؤه Quillarren</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>the disk quota is used up</source>
        <translation>استُنفدت حصة القرص</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>القرص للقراءة فقط</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>الإذن مرفوض</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>المجلد غير موجود</translation>
    </message>
    <message>
        <source>it is a link that another user put in the shared folder %1, and Quillarren does not follow such links</source>
        <translation>إنه رابط وضعه مستخدم آخر في المجلد المشترك %1، ولا يتبع Quillarren مثل هذه الروابط</translation>
    </message>
    <message>
        <source>the link %1 cannot be followed</source>
        <translation>يتعذّر تتبّع الرابط %1</translation>
    </message>
    <message>
        <source>it is a link that leads to another link, too many times</source>
        <translation>إنه رابط يقود إلى رابط آخر، مرات كثيرة جدًا</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>مجلد</translation>
    </message>
    <message>
        <source>a FIFO (a pipe)</source>
        <translation>FIFO (أنبوب)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>مقبس</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>جهاز</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>nothing can be written in %1 (%2)</source>
        <translation>لا يمكن كتابة أي شيء في %1 (%2)</translation>
    </message>
    <message>
        <source>it is %1, and Quillarren writes only plain files</source>
        <translation>إنه %1، ولا يكتب Quillarren إلا في الملفات العادية</translation>
    </message>
    <message>
        <source>it is one of Quillarren&apos;s own files (its notes store, journal, lock or backups); choose another file</source>
        <translation>إنه أحد ملفات Quillarren الخاصة (مخزن ملاحظاته أو سجلّه أو قفله أو نسخه الاحتياطية)؛ اختر ملفًا آخر</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>القرص ممتلئ</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The notes store %1 is empty, and there are backups of your notes. Start Quillarren: it keeps the empty file aside and offers to restore your notes from a backup.</source>
        <translation>مخزن الملاحظات %1 فارغ، وتوجد نسخ احتياطية من ملاحظاتك. شغّل Quillarren: سيضع الملف الفارغ جانبًا ويعرض عليك استعادة ملاحظاتك من نسخة احتياطية.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged, or not a file, and could not be moved aside.</source>
        <translation>مخزن الملاحظات %1 تالف أو ليس ملفًا، وتعذّر نقله جانبًا.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged. Start Quillarren: it keeps the damaged file aside and offers to restore your notes from a backup.</source>
        <translation>مخزن الملاحظات %1 تالف. شغّل Quillarren: سيضع الملف التالف جانبًا ويعرض عليك استعادة ملاحظاتك من نسخة احتياطية.</translation>
    </message>
    <message>
        <source>The notes store %1 is damaged and could not be moved aside.</source>
        <translation>مخزن الملاحظات %1 تالف، وتعذّر نقله جانبًا.</translation>
    </message>
    <message>
        <source>The notes store %1 cannot be written (%2). Your notes are shown, but changes cannot be kept until it can be written; Quillarren keeps trying.</source>
        <translation>تتعذّر الكتابة في مخزن الملاحظات %1 (%2). ملاحظاتك معروضة، لكن لا يمكن حفظ التغييرات حتى تصبح الكتابة فيه ممكنة؛ وسيواصل Quillarren المحاولة.</translation>
    </message>
    <message>
        <source>The notes store %1 cannot be read: %2</source>
        <translation>تتعذّر قراءة مخزن الملاحظات %1: %2</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>الملف للقراءة فقط</translation>
    </message>
    <message>
        <source>no room for a copy of the notes in the temporary folder</source>
        <translation>لا توجد مساحة لنسخة من الملاحظات في المجلد المؤقت</translation>
    </message>
    <message>
        <source>the notes could not be copied from %1 (%2)</source>
        <translation>تعذّر نسخ الملاحظات من %1 (%2)</translation>
    </message>
    <message>
        <source>Your notes could not be saved to %1 because %2. Everything you type is kept and saving is retried; please free some space or fix the folder&apos;s permissions.</source>
        <translation>تعذّر حفظ ملاحظاتك في %1: %2. كل ما تكتبه محفوظ وستُعاد محاولة الحفظ؛ يُرجى تحرير بعض المساحة أو إصلاح أذونات المجلد.</translation>
    </message>
    <message>
        <source>cannot open the file</source>
        <translation>يتعذّر فتح الملف</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>القرص ممتلئ</translation>
    </message>
    <message>
        <source>the file has reached the size this session may write</source>
        <translation>بلغ الملف أقصى حجم يُسمح لهذه الجلسة بكتابته</translation>
    </message>
    <message>
        <source>the file or its folder is read-only</source>
        <translation>الملف أو مجلده للقراءة فقط</translation>
    </message>
    <message>
        <source>you do not have permission to write it</source>
        <translation>ليس لديك إذن بالكتابة فيه</translation>
    </message>
    <message>
        <source>another program is holding it</source>
        <translation>يستخدمه برنامج آخر</translation>
    </message>
    <message>
        <source>the disk refused the write (%1)</source>
        <translation>رفض القرص الكتابة (%1)</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>تتعذّر قراءة ملف المظهر %1: %2</translation>
    </message>
</context>
<context>
    <name>StoreCopy</name>
    <message>
        <source>out of memory</source>
        <translation>نفدت الذاكرة</translation>
    </message>
    <message>
        <source>its table &quot;%1&quot; is not as Quillarren makes it</source>
        <translation>جدوله «%1» ليس كما ينشئه Quillarren</translation>
    </message>
    <message>
        <source>it holds a %1 &quot;%2&quot; that Quillarren does not make</source>
        <translation>يحوي %1 «%2» لا ينشئه Quillarren</translation>
    </message>
    <message>
        <source>it holds no notes</source>
        <translation>لا يحوي أي ملاحظات</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 ليس ملفًا</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>يتعذّر فتح %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged or not a notes store (%2)</source>
        <translation>%1 تالف أو ليس مخزن ملاحظات (%2)</translation>
    </message>
    <message>
        <source>%1 is not a Quillarren notes store: %2</source>
        <translation>%1 ليس مخزن ملاحظات Quillarren: %2</translation>
    </message>
    <message>
        <source>a fresh store could not be made at %1</source>
        <translation>تعذّر إنشاء مخزن جديد في %1</translation>
    </message>
    <message>
        <source>the notes could not be copied from %1 (%2)</source>
        <translation>تعذّر نسخ الملاحظات من %1 (%2)</translation>
    </message>
</context>
<context>
    <name>StoredText</name>
    <message>
        <source>Reminder!</source>
        <translation>تذكير!</translation>
    </message>
</context>
<context>
    <name>SyncLook</name>
    <message>
        <source>%1 is named for a note id that no note can have — left alone.</source>
        <translation>%1 مسمّى بمعرّف لا يمكن أن يكون لأي ملاحظة — تُرك كما هو.</translation>
    </message>
    <message>
        <source>%1 — left alone.</source>
        <translation>%1 — تُرك كما هو.</translation>
    </message>
    <message>
        <source>%1 — written again from this computer&apos;s note.</source>
        <translation>%1 — أُعيدت كتابته من ملاحظة هذا الحاسوب.</translation>
    </message>
    <message>
        <source>A change from another computer could not be taken in: %1.</source>
        <translation>تعذّر تلقي تغيير من حاسوب آخر: %1.</translation>
    </message>
    <message>
        <source>A note deleted on another computer could not be deleted here: %1.</source>
        <translation>تعذّر هنا حذف ملاحظة حُذفت على حاسوب آخر: %1.</translation>
    </message>
    <message>
        <source>A note from another computer could not be added: %1.</source>
        <translation>تعذّرت إضافة ملاحظة من حاسوب آخر: %1.</translation>
    </message>
    <message>
        <source>A note changed on two computers at once could not be kept twice: %1.</source>
        <translation>تعذّر الاحتفاظ بنسختين من ملاحظة تغيّرت على حاسوبين في آن واحد: %1.</translation>
    </message>
    <message>
        <source>Notes from other computers could not be added: %1.</source>
        <translation>تعذّرت إضافة ملاحظات من حواسيب أخرى: %1.</translation>
    </message>
    <message>
        <source>Quillarren cannot write here: %1. Your notes are kept on this computer; it tries again.</source>
        <translation>لا يستطيع Quillarren الكتابة هنا: %1. ملاحظاتك محفوظة على هذا الحاسوب، وسيعيد المحاولة.</translation>
    </message>
</context>
<context>
    <name>SyncedNotes</name>
    <message>
        <source>the note is no longer open</source>
        <translation>لم تعد الملاحظة مفتوحة</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>New Note</source>
        <translation>ملاحظة جديدة</translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation>أظهر كل الملاحظات</translation>
    </message>
    <message>
        <source>Find Note…</source>
        <translation>ابحث عن ملاحظة…</translation>
    </message>
    <message>
        <source>Deleted Notes</source>
        <translation>الملاحظات المحذوفة</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>النسخ الاحتياطية</translation>
    </message>
    <message>
        <source>Sync Folder…</source>
        <translation>مجلد المزامنة…</translation>
    </message>
    <message>
        <source>Stop Syncing</source>
        <translation>أوقف المزامنة</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>التشغيل عند الولوج</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>أنهِ</translation>
    </message>
    <message>
        <source>No deleted notes</source>
        <translation>لا ملاحظات محذوفة</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>انسخ احتياطيًا الآن</translation>
    </message>
    <message>
        <source>No backups yet</source>
        <translation>لا نسخ احتياطية بعد</translation>
    </message>
    <message>
        <source>Restore from %1</source>
        <translation>استعِد من %1</translation>
    </message>
    <message>
        <source>Replace your notes by those of the backup %1? The notes you have now are backed up first, so this can be undone.</source>
        <translation>أتريد استبدال ملاحظاتك بملاحظات النسخة الاحتياطية %1؟ ستُنسخ ملاحظاتك الحالية احتياطيًا أولًا، لذا يمكن التراجع عن ذلك.</translation>
    </message>
    <message>
        <source>The folder your sync program carries to your other computers</source>
        <translation>المجلد الذي ينقله برنامج المزامنة إلى حواسيبك الأخرى</translation>
    </message>
    <message numerus="yes">
        <source>Quillarren: %n notes</source>
        <translation>
            <numerusform>Quillarren: %n ملاحظة</numerusform>
            <numerusform>Quillarren: %n ملاحظة</numerusform>
            <numerusform>Quillarren: %n ملاحظتان</numerusform>
            <numerusform>Quillarren: %n ملاحظات</numerusform>
            <numerusform>Quillarren: %n ملاحظة</numerusform>
            <numerusform>Quillarren: %n ملاحظة</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quillarren is already running for this user (process %1), but it does not answer. If it is stuck, end it, then start Quillarren again.</source>
        <translation>يعمل Quillarren بالفعل لهذا المستخدم (العملية %1)، لكنه لا يستجيب. إن كان عالقًا فأنهِه، ثم شغّل Quillarren مجددًا.</translation>
    </message>
    <message>
        <source>%1

Quillarren has changed nothing. Please make the file readable again, then start Quillarren.</source>
        <translation>%1

لم يغيّر Quillarren شيئًا. يُرجى جعل الملف قابلًا للقراءة مجددًا، ثم شغّل Quillarren.</translation>
    </message>
</context>
</TS>
