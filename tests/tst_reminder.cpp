// The reminder dialog, the reminder check and the alarm, with the clock and the sound answered
// by doubles.

#include "testprogram.h"
#include "refusingstore.h"

#include "commands/notecommands.h"
#include "platform/qtsound.h"
#include "reminder/form2.h"
#include "reminder/playwav.h"
#include "reminder/reminder.h"
#include "reminder/remindercheck.h"

#include <QDateTimeEdit>
#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

const QDate Today(2026, 12, 8);

QDateTime at(int hour, int minute, int second, int msec = 5, QDate day = Today)
{
    return QDateTime(day, QTime(hour, minute, second, msec));
}

// A reminder as the dialog stores it, for the note in slot `slot`.
void seedReminder(TestProgram &t, int slot, const QString &status, QTime time, QDate from = Today)
{
    const QString tag = NoteKeys::tagFor(slot);
    t.seed(tag + NoteKeys::ReminderStatus, status);
    t.seed(tag + NoteKeys::ReminderDate, Main2::GeneralDate(QDateTime(from, time)));
    t.seed(tag + NoteKeys::ReminderHours, QString::number(time.hour()));
    t.seed(tag + NoteKeys::ReminderMinutes, QString::number(time.minute()));
    t.seed(tag + NoteKeys::ReminderSeconds, QString::number(time.second()));
}

// Runs `during` once, a moment into the alarm's flashing.
void whileFlashing(std::function<void()> during)
{
    QTimer::singleShot(15, during);
}

struct Started
{
    TestProgram t;
    ReminderCheck &check() { return t.program().reminderCheck(); }

    explicit Started(const QStringList &texts, QDateTime now = at(10, 0, 0, 500))
    {
        t.clock.set(now);
        t.seedNotes(texts);
    }
    void start()
    {
        t.start();
        check().flashStepMs = 2;
        check().update();
    }
    /** One check, with the clock at `now`. */
    void checkAt(const QDateTime &now)
    {
        t.clock.set(now);
        check().run();
    }
};

} // namespace

class TestReminder : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    // The dialog
    void firstOpening();
    void setAndDisable();
    void activationFollowsTheTargetNote();

    // The check and the alarm
    void dueNoteFlashesAndKeepsItsText();
    void whichRemindersGoOff_data();
    void whichRemindersGoOff();
    void twoNotesInOneSecondBothGoOff();
    void secondAlarmKeepsTheSoundAndStopAlarmEndsIt();
    void closingTheAlarmWindowStopsTheSound();
    void noteDeletedWhileItFlashes();
    void enabledRemindersAreLiveAfterARestart();
    void noReminderIsLostOrRepeated();
    void soundThatCannotPlayNeverHangs();
    void soundPluginThatCannotLoadIsSaidOnce_data();
    void soundPluginThatCannotLoadIsSaidOnce();
};

void TestReminder::cleanup()
{
    TestProgram::settle();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestReminder::firstOpening()
{
    Started s({"a"});
    s.start();
    s.t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
    s.t.choose(s.t.notes().constFirst(), QStringLiteral("SetReminderName"));
    Reminder &dialog = s.t.program().reminder();
    QTRY_VERIFY(dialog.isActiveWindow());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Reminder [Disabled]"));
    QCOMPARE(dialog.Command1()->text(), QStringLiteral("Set Reminder"));
    QCOMPARE(dialog.Label3()->text(), QString());
    // Ten minutes ahead, as the label beside the picker says; the label goes at the first change.
    QCOMPARE(dialog.DTPicker1()->dateTime(), at(10, 10, 0, 500));
    QVERIFY(dialog.Label4()->isVisible());
    dialog.DTPicker1()->setCurrentSection(QDateTimeEdit::MinuteSection);
    dialog.DTPicker1()->stepBy(1);   // as the up arrow on the minutes does
    QVERIFY(!dialog.Label4()->isVisible());
    // Opening again only shows it: nothing is loaded again.
    dialog.Command2_Click();
    QVERIFY(!dialog.isVisible());
    s.t.choose(s.t.notes().constFirst(), QStringLiteral("SetReminderName"));
    QCOMPARE(&s.t.program().reminder(), &dialog);
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.Label4()->isVisible());
    QVERIFY(s.t.dialogs.errorReports().isEmpty());
}

void TestReminder::setAndDisable()
{
    Started s({"a", "b"});
    s.start();
    s.t.program().CurrentNoteTag = QStringLiteral("NotesForm2");
    s.t.program().showReminder();
    Reminder &dialog = s.t.program().reminder();
    dialog.DTPicker1()->setDateTime(at(14, 5, 9, 0));
    QVERIFY(!s.check().isRunning());

    dialog.Command1_Click();
    const QString date = Main2::GeneralDate(at(14, 5, 9, 0));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Reminder [Enabled]"));
    QCOMPARE(dialog.Command1()->text(), QStringLiteral("Disable Reminder"));
    QCOMPARE(dialog.Label3()->text(), date);
    const SettingsStore &store = s.t.store();
    QCOMPARE(store.get("NotesForm2.ReminderStatus"), QStringLiteral("Enabled"));
    QCOMPARE(store.get("NotesForm2.ReminderDate"), date);
    QCOMPARE(store.get("NotesForm2.ReminderHours"), QStringLiteral("14"));
    QCOMPARE(store.get("NotesForm2.ReminderMinutes"), QStringLiteral("5"));
    QCOMPARE(store.get("NotesForm2.ReminderSeconds"), QStringLiteral("9"));
    QVERIFY(s.check().isRunning());
    QVERIFY(!s.t.store().contains("NotesForm1.ReminderStatus"));

    dialog.Command1_Click();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Reminder [Disabled]"));
    QCOMPARE(dialog.Command1()->text(), QStringLiteral("Set Reminder"));
    QCOMPARE(dialog.Label3()->text(), QString());
    QCOMPARE(store.get("NotesForm2.ReminderStatus"), QStringLiteral("Disabled"));
    QCOMPARE(store.get("NotesForm2.ReminderDate"), date);
    QCOMPARE(store.get("NotesForm2.ReminderHours"), QStringLiteral("14"));
    QVERIFY(!s.check().isRunning());   // no note is enabled any more

    // The next activation shows the date that is still stored.
    dialog.Command2_Click();
    s.t.program().showReminder();
    QTRY_COMPARE(dialog.Label3()->text(), date);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Reminder [Disabled]"));
}

// Between the opening and the press the user worked in another note: the dialog shows that note
// when it is active again, and the press acts on it.
void TestReminder::activationFollowsTheTargetNote()
{
    Started s({"a", "b"});
    seedReminder(s.t, 1, QStringLiteral("Enabled"), QTime(9, 0));
    seedReminder(s.t, 2, QStringLiteral("enabled"), QTime(9, 30));   // another case: not enabled
    s.start();
    s.t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
    s.t.program().showReminder();
    Reminder &dialog = s.t.program().reminder();
    QTRY_COMPARE(dialog.windowTitle(), QStringLiteral("Reminder [Enabled]"));

    Form1 *b = s.t.note(QStringLiteral("NotesForm2"));
    b->activateWindow();
    QTRY_VERIFY(b->isActiveWindow());
    QTest::keyClick(b->Text1(), Qt::Key_End);   // a key in b makes it the target
    s.t.program().CurrentNoteTag = b->Tag();
    dialog.activateWindow();
    QTRY_COMPARE(dialog.windowTitle(), QStringLiteral("Reminder [Disabled]"));
    QCOMPARE(dialog.Command1()->text(), QStringLiteral("Set Reminder"));
    QCOMPARE(dialog.Label3()->text(), Main2::GeneralDate(at(9, 30, 0, 0)));
    dialog.Command1_Click();
    QCOMPARE(s.t.store().get("NotesForm2.ReminderStatus"), QStringLiteral("Enabled"));
    QCOMPARE(s.t.store().get("NotesForm1.ReminderStatus"), QStringLiteral("Enabled"));
}

void TestReminder::dueNoteFlashesAndKeepsItsText()
{
    Started s({"buy milk", "other"});
    seedReminder(s.t, 1, QStringLiteral("Enabled"), QTime(10, 0, 2));
    s.start();
    Form1 *note = s.t.note(QStringLiteral("NotesForm1"));
    note->Text1()->moveCursor(QTextCursor::End);
    s.checkAt(at(10, 0, 1));
    QVERIFY(s.t.sound.started.isEmpty());

    QString shown, stored;
    bool readOnly = false;
    whileFlashing([&] {
        shown = note->Text1()->toPlainText();
        stored = s.t.store().get(QStringLiteral("NotesForm1.Notes"));
        readOnly = note->Text1()->isReadOnly();
        // Keys typed now must not be lost at the end: the field takes none.
        QTest::keyClicks(note->Text1(), QStringLiteral("xyz"));
    });
    s.checkAt(at(10, 0, 2));
    QCOMPARE(shown, QStringLiteral("Reminder!"));
    QCOMPARE(stored, QStringLiteral("buy milk"));
    QVERIFY(readOnly);
    QCOMPARE(note->Text1()->toPlainText(), QStringLiteral("buy milk"));
    QVERIFY(!note->Text1()->isReadOnly());
    QCOMPARE(s.t.store().get(QStringLiteral("NotesForm1.Notes")), QStringLiteral("buy milk"));
    QCOMPARE(s.t.sound.started, QStringList{Playwav::SoundFilePath()});
    QVERIFY(s.t.program().form2() && s.t.program().form2()->isVisible());
    QCOMPARE(s.t.program().form2()->windowTitle(), QStringLiteral("Reminder Alarm"));
    // It ends in the window's own colour, the text field included.
    QCOMPARE(note->textBackColor(), note->backColor());
    QVERIFY(s.t.dialogs.errorReports().isEmpty());
}

void TestReminder::whichRemindersGoOff_data()
{
    // The reminder of note 1 is due at 10:00:02; the check last ran at `last` and runs at `now`.
    QTest::addColumn<QString>("status");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDateTime>("last");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<bool>("goesOff");
    QTest::addColumn<QString>("dateText");   // as stored, when not the date `from` in the dialog's form

    const QString on = QStringLiteral("Enabled");
    QTest::newRow("in its second") << on << Today << at(10, 0, 1) << at(10, 0, 2) << true << QString();
    QTest::newRow("not yet") << on << Today << at(10, 0, 0) << at(10, 0, 1) << false << QString();
    QTest::newRow("missed while stopped") << on << Today << at(9, 59, 0) << at(10, 0, 40) << true << QString();
    QTest::newRow("missed asleep, due earlier today") << on << Today.addDays(-1) << at(22, 0, 0, 5, Today.addDays(-1))
                                                     << at(10, 30, 0) << true << QString();
    QTest::newRow("missed yesterday: not today") << on << Today.addDays(-1) << at(11, 0, 0, 5, Today.addDays(-1))
                                                 << at(9, 0, 0) << false << QString();
    QTest::newRow("disabled") << QStringLiteral("Disabled") << Today << at(10, 0, 1) << at(10, 0, 2) << false << QString();
    QTest::newRow("other case") << QStringLiteral("enabled") << Today << at(10, 0, 1) << at(10, 0, 2) << false << QString();
    QTest::newRow("date still ahead") << on << Today.addDays(1) << at(10, 0, 1) << at(10, 0, 2) << false << QString();
    QTest::newRow("date passed") << on << Today.addDays(-30) << at(10, 0, 1) << at(10, 0, 2) << true << QString();
    // A date that cannot be read back counts as reached: the reminder is not lost for it.
    QTest::newRow("date unreadable") << on << Today << at(10, 0, 1) << at(10, 0, 2) << true << "next Tuesday";
}

void TestReminder::whichRemindersGoOff()
{
    QFETCH(QString, status);
    QFETCH(QDate, from);
    QFETCH(QDateTime, last);
    QFETCH(QDateTime, now);
    QFETCH(bool, goesOff);
    QFETCH(QString, dateText);

    Started s({"a"}, last);
    seedReminder(s.t, 1, status, QTime(10, 0, 2), from);
    if (!dateText.isEmpty())
        s.t.seed(QStringLiteral("NotesForm1.ReminderDate"), dateText);
    seedReminder(s.t, 2, QStringLiteral("Enabled"), QTime(23, 0, 0));   // keeps the check running
    s.t.seedCount(2);
    s.start();
    s.t.clock.set(last);
    s.check().run();   // the check that ran last
    s.checkAt(now);
    QCOMPARE(!s.t.sound.started.isEmpty(), goesOff);
}

// The first alarm flashes for a few seconds; the second note's second has passed meanwhile, and
// it still goes off.
void TestReminder::twoNotesInOneSecondBothGoOff()
{
    Started s({"first", "second"});
    seedReminder(s.t, 1, QStringLiteral("Enabled"), QTime(10, 0, 2));
    seedReminder(s.t, 2, QStringLiteral("Enabled"), QTime(10, 0, 2));
    s.start();
    QStringList flashed;
    for (Form1 *note : s.t.notes()) {
        connect(note->Text1(), &QPlainTextEdit::textChanged, note, [&, note] {
            if (note->Text1()->toPlainText() == QLatin1String("Reminder!"))
                flashed.append(note->Tag());
        });
    }
    s.checkAt(at(10, 0, 1));
    s.checkAt(at(10, 0, 2));
    QCOMPARE(flashed, (QStringList{"NotesForm1", "NotesForm2"}));
    QCOMPARE(s.t.texts(), (QStringList{"first", "second"}));
    QCOMPARE(s.t.sound.started.size(), 1);
}

void TestReminder::secondAlarmKeepsTheSoundAndStopAlarmEndsIt()
{
    Started s({"a"});
    seedReminder(s.t, 1, QStringLiteral("Enabled"), QTime(10, 0, 2));
    s.start();
    s.checkAt(at(10, 0, 1));
    s.checkAt(at(10, 0, 2));
    QCOMPARE(s.t.sound.started.size(), 1);

    // The next day, while the window is still open: shown again, the sound not restarted.
    s.checkAt(at(10, 0, 1, 5, Today.addDays(1)));
    QPointer<Form2> window = s.t.program().form2();
    bool stoppedMidway = false;
    whileFlashing([&] {
        QTest::mouseClick(window->Command1(), Qt::LeftButton);
        stoppedMidway = !s.t.sound.playing;
    });
    s.checkAt(at(10, 0, 2, 5, Today.addDays(1)));
    QCOMPARE(s.t.sound.started.size(), 1);
    QVERIFY(stoppedMidway);
    TestProgram::settle();
    QVERIFY(!window);
    // The flashing ran to its end all the same.
    QCOMPARE(s.t.texts(), QStringList{"a"});
}

void TestReminder::closingTheAlarmWindowStopsTheSound()
{
    Started s({"a"});
    seedReminder(s.t, 1, QStringLiteral("Enabled"), QTime(10, 0, 2));
    s.start();
    s.checkAt(at(10, 0, 1));
    s.checkAt(at(10, 0, 2));
    QVERIFY(s.t.sound.playing);
    s.t.program().form2()->close();
    QVERIFY(!s.t.sound.playing);
}

// Deleted, closed by the window manager, or Quit while it flashes: the flashing stops quietly and
// nothing is stored for a note that is gone.
void TestReminder::noteDeletedWhileItFlashes()
{
    for (const QString &how : {QStringLiteral("delete"), QStringLiteral("close"), QStringLiteral("quit")}) {
        Started s({"doomed", "other"});
        seedReminder(s.t, 1, QStringLiteral("Enabled"), QTime(10, 0, 2));
        s.start();
        QPointer<Form1> doomed = s.t.note(QStringLiteral("NotesForm1"));
        s.checkAt(at(10, 0, 1));
        whileFlashing([&] {
            s.t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
            if (how == QLatin1String("delete"))
                s.t.program().commands().DeleteThisNote();
            else if (how == QLatin1String("close"))
                doomed->close();
            else
                s.t.program().commands().Quit();
        });
        s.checkAt(at(10, 0, 2));
        QVERIFY2(s.t.dialogs.errorReports().isEmpty(), qPrintable(how));
        const QString stored = s.t.store().get(QStringLiteral("NotesForm1.Notes"));
        if (how == QLatin1String("delete")) {
            QCOMPARE(stored, QStringLiteral("other"));   // the other note moved up into slot 1
        } else {
            QCOMPARE(stored, QStringLiteral("doomed"));
            if (how == QLatin1String("close"))
                QCOMPARE(doomed->Text1()->toPlainText(), QStringLiteral("doomed"));
        }
    }
}

void TestReminder::enabledRemindersAreLiveAfterARestart()
{
    Started s({"a", "b"});
    seedReminder(s.t, 2, QStringLiteral("Enabled"), QTime(10, 0, 2));
    s.start();
    QVERIFY(s.check().isRunning());
    QVERIFY(!s.t.program().isReminderLoaded());
    // Just after the second begins, not every millisecond.
    s.t.clock.set(at(10, 0, 1, 300));
    s.check().run();
    QVERIFY(s.check().isRunning());
    QCOMPARE(s.check().nextCheckInMs(), 705);
}

// Whatever happens around a due second (a Quit cancelled while it waits for the store, a reminder
// set in the second under way, the program not running, a restart after the alarm), each due
// second goes off exactly once; and a dialog whose note was deleted claims no reminder.
void TestReminder::noReminderIsLostOrRepeated()
{
    const auto alarms = [](Started &s) { return s.t.sound.started.size(); };

    // A Quit that waits for a refusing store, cancelled: the second due while its box was up
    // goes off afterwards, and the check runs on.
    {
        Started s({"a"});
        seedReminder(s.t, 1, QStringLiteral("Enabled"), QTime(10, 0, 2));
        s.start();
        s.checkAt(at(10, 0, 1));
        RefusingStore refusing(s.t.storePath());
        QTest::keyClicks(s.t.notes().constFirst()->Text1(), QStringLiteral("x"));
        s.t.dialogs.whileMessageBox = [&] { s.checkAt(at(10, 0, 2)); };
        s.t.dialogs.answers.enqueue(MessageAnswer::Cancel);
        s.t.program().commands().Quit();
        s.t.dialogs.whileMessageBox = nullptr;
        QCOMPARE(alarms(s), 0);
        QVERIFY(s.check().isRunning());
        refusing.release();
        s.checkAt(at(10, 0, 3));
        QCOMPARE(alarms(s), 1);
    }
    // Set for the second under way, after the check already looked at it: it goes off, and the
    // other note that went off in that second does not go off again.
    {
        Started s({"a", "b"});
        seedReminder(s.t, 2, QStringLiteral("Enabled"), QTime(10, 0, 0));
        s.start();
        s.checkAt(at(9, 59, 59));
        s.checkAt(at(10, 0, 0));
        QCOMPARE(alarms(s), 1);
        s.t.clock.set(at(10, 0, 0, 700));
        s.t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
        s.t.program().reminder().DTPicker1()->setDateTime(at(10, 0, 0, 0));
        s.t.program().reminder().Command1_Click();
        QStringList flashed;
        connect(s.t.notes().constFirst()->Text1(), &QPlainTextEdit::textChanged, [&] { flashed.append("a"); });
        connect(s.t.notes().constLast()->Text1(), &QPlainTextEdit::textChanged, [&] { flashed.append("b"); });
        s.checkAt(at(10, 0, 1));
        QCOMPARE(flashed, (QStringList{"a", "a"}));   // "Reminder!", then its own text
    }
    // Due at 9:00 while the program was not running: it goes off at the 10:30 start, once; a
    // restart at 10:45 brings it no second time; one set at 10:50 for 9:00 waits for tomorrow.
    {
        Started s({"a", "b"}, at(10, 30, 0));
        seedReminder(s.t, 1, QStringLiteral("Enabled"), QTime(9, 0));
        s.start();
        s.check().startAfterStartUp();
        s.checkAt(at(10, 30, 1));
        QCOMPARE(alarms(s), 1);
        s.t.clock.set(at(10, 45, 0));
        s.t.restart();
        s.check().flashStepMs = 2;
        s.check().startAfterStartUp();
        s.checkAt(at(10, 45, 1));
        QCOMPARE(alarms(s), 1);
        s.t.clock.set(at(10, 50, 0));
        s.t.program().CurrentNoteTag = QStringLiteral("NotesForm2");
        s.t.program().reminder().DTPicker1()->setDateTime(at(9, 0, 0, 0));
        s.t.program().reminder().Command1_Click();
        s.t.restart();
        s.check().startAfterStartUp();
        s.checkAt(at(10, 50, 1));
        QCOMPARE(alarms(s), 1);
        s.checkAt(at(9, 0, 0, 5, Today.addDays(1)));
        QCOMPARE(alarms(s), 2);
    }
    // The dialog's note is deleted while it is open: it says it has no note, and storing nothing
    // it claims nothing.
    {
        Started s({"a", "b"});
        s.start();
        s.t.program().CurrentNoteTag = QStringLiteral("NotesForm2");
        s.t.program().showReminder();
        Reminder &dialog = s.t.program().reminder();
        s.t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
        s.t.program().commands().DeleteThisNote();
        QVERIFY(!dialog.Command1()->isEnabled());
        dialog.Command1_Click();
        QVERIFY(!dialog.windowTitle().contains(QLatin1String("Enabled")));
        QVERIFY(!s.t.store().get(QStringLiteral("NotesForm1.ReminderStatus")).contains(QLatin1String("Enabled")));
        QVERIFY(!s.check().isRunning());
        // A note chosen again gives the dialog its work back.
        s.t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
        dialog.showTargetNote();
        QVERIFY(dialog.Command1()->isEnabled());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Reminder [Disabled]"));
    }
}

// The real sound service: a missing file is refused, a broken one neither hangs nor fails the
// alarm, and stopping always works (with or without an audio device).
void TestReminder::soundThatCannotPlayNeverHangs()
{
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("Reminder.wav"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("RIFF this is not a wave file at all");
    file.close();
    QtSound sound(QStringLiteral(QUILLARREN_SOUND_PLUGIN));
    QTest::failOnWarning(QRegularExpression(QStringLiteral("sound plugin")));   // the built one loads
    QVERIFY(sound.stop());   // nothing loaded yet
    QVERIFY(!sound.playLooping(dir.filePath(QStringLiteral("missing.wav"))));
    sound.playLooping(broken);
    QVERIFY(sound.stop());
    QVERIFY(sound.stop());
}

// Without a usable plugin the alarm is silent: every request is answered at once, and the
// reason is said once, not at every alarm.
void TestReminder::soundPluginThatCannotLoadIsSaidOnce_data()
{
    QTest::addColumn<QString>("plugin");
    QTest::newRow("missing") << QStringLiteral("/nonexistent/quillarren-sound.so");
    QTest::newRow("a library without the factory")
        << QLibraryInfo::path(QLibraryInfo::LibrariesPath) + QStringLiteral("/libQt6Core.so.6");
}

void TestReminder::soundPluginThatCannotLoadIsSaidOnce()
{
    QFETCH(QString, plugin);
    QtSound silent(plugin);
    // Any file: the plugin is loaded once the sound file is known to be there.
    const QString sound = QCoreApplication::applicationFilePath();
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^Alarms will be silent: the sound plugin")));
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    QVERIFY(!silent.playLooping(sound));
    QVERIFY(silent.stop());
    QVERIFY(!silent.playLooping(sound));
}

QTEST_MAIN(TestReminder)
#include "tst_reminder.moc"
