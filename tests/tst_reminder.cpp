// The reminder dialog, the reminder check and the alarm, with the clock and the sound answered
// by doubles.

#include "testprogram.h"
#include "base/store/conversions.h"
#include "refusingstore.h"

#include "gui/menu/notecommands.h"
#include "gui/platform/qtsound.h"
#include "gui/dialogs/alarmwindow.h"
#include "gui/reminder/playwav.h"
#include "gui/dialogs/reminderdialog.h"
#include "gui/reminder/remindercheck.h"
#include "base/notefile/notefile.h"
#include "base/reminder/reminderdate.h"

#include <QDateTimeEdit>
#include <QFile>
#include <QJsonObject>
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
    t.seed(tag + NoteKeys::ReminderDate, Conversions::generalDate(QDateTime(from, time)));
    t.seed(tag + NoteKeys::ReminderDateIso, ReminderDate::fixedForm(QDateTime(from, time)));
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
    ReminderCheck &check() { return t.windows().reminderCheck(); }

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
    void sleepsUntilTheNextDueSecond_data();
    void sleepsUntilTheNextDueSecond();
    void clockSetOrMachineAsleep_data();
    void clockSetOrMachineAsleep();
    void dateReadInEveryForm_data();
    void dateReadInEveryForm();
    void unreadableDateWaitsAndTheDialogSaysSo();
    void fixedCopyIsReadFirstAndExported();
    void systemClockWakes();
    void noReminderIsLostOrRepeated();
    void soundThatCannotPlayNeverHangs();
    void soundPluginThatCannotLoadIsSaidOnce_data();
    void soundPluginThatCannotLoadIsSaidOnce();
};

void TestReminder::cleanup()
{
    TestProgram::expectNoWindowsLeft();
}

void TestReminder::firstOpening()
{
    Started s({"a"});
    s.start();
    s.t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
    s.t.choose(s.t.notes().constFirst(), QStringLiteral("SetReminderName"));
    ReminderDialog &dialog = s.t.windows().reminderDialog();
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
    dialog.putAway();
    QVERIFY(!dialog.isVisible());
    s.t.choose(s.t.notes().constFirst(), QStringLiteral("SetReminderName"));
    QCOMPARE(&s.t.windows().reminderDialog(), &dialog);
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.Label4()->isVisible());
    QVERIFY(s.t.dialogs.errorReports().isEmpty());
}

void TestReminder::setAndDisable()
{
    Started s({"a", "b"});
    s.start();
    s.t.program().CurrentNoteTag = QStringLiteral("NotesForm2");
    s.t.windows().showReminder();
    ReminderDialog &dialog = s.t.windows().reminderDialog();
    dialog.DTPicker1()->setDateTime(at(14, 5, 9, 0));
    QVERIFY(!s.check().isRunning());

    dialog.setOrDisable();
    const QString date = Conversions::generalDate(at(14, 5, 9, 0));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Reminder [Enabled]"));
    QCOMPARE(dialog.Command1()->text(), QStringLiteral("Disable Reminder"));
    QCOMPARE(dialog.Label3()->text(), date);
    const SettingsStore &store = s.t.store();
    QCOMPARE(store.get("NotesForm2.ReminderStatus"), QStringLiteral("Enabled"));
    QCOMPARE(store.get("NotesForm2.ReminderDate"), date);
    QCOMPARE(store.get("NotesForm2.ReminderDateISO"), QStringLiteral("2026-12-08T14:05:09"));
    QCOMPARE(store.get("NotesForm2.ReminderHours"), QStringLiteral("14"));
    QCOMPARE(store.get("NotesForm2.ReminderMinutes"), QStringLiteral("5"));
    QCOMPARE(store.get("NotesForm2.ReminderSeconds"), QStringLiteral("9"));
    QVERIFY(s.check().isRunning());
    QVERIFY(!s.t.store().contains("NotesForm1.ReminderStatus"));

    dialog.setOrDisable();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Reminder [Disabled]"));
    QCOMPARE(dialog.Command1()->text(), QStringLiteral("Set Reminder"));
    QCOMPARE(dialog.Label3()->text(), QString());
    QCOMPARE(store.get("NotesForm2.ReminderStatus"), QStringLiteral("Disabled"));
    QCOMPARE(store.get("NotesForm2.ReminderDate"), date);
    QCOMPARE(store.get("NotesForm2.ReminderHours"), QStringLiteral("14"));
    QVERIFY(!s.check().isRunning());   // no note is enabled any more

    // The next activation shows the date that is still stored.
    dialog.putAway();
    s.t.windows().showReminder();
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
    s.t.windows().showReminder();
    ReminderDialog &dialog = s.t.windows().reminderDialog();
    QTRY_COMPARE(dialog.windowTitle(), QStringLiteral("Reminder [Enabled]"));

    NoteWindow *b = s.t.note(QStringLiteral("NotesForm2"));
    b->activateWindow();
    QTRY_VERIFY(b->isActiveWindow());
    QTest::keyClick(b->textField(), Qt::Key_End);   // a key in b makes it the target
    s.t.program().CurrentNoteTag = b->Tag();
    dialog.activateWindow();
    QTRY_COMPARE(dialog.windowTitle(), QStringLiteral("Reminder [Disabled]"));
    QCOMPARE(dialog.Command1()->text(), QStringLiteral("Set Reminder"));
    QCOMPARE(dialog.Label3()->text(), Conversions::generalDate(at(9, 30, 0, 0)));
    dialog.setOrDisable();
    QCOMPARE(s.t.store().get("NotesForm2.ReminderStatus"), QStringLiteral("Enabled"));
    QCOMPARE(s.t.store().get("NotesForm1.ReminderStatus"), QStringLiteral("Enabled"));
}

void TestReminder::dueNoteFlashesAndKeepsItsText()
{
    Started s({"buy milk", "other"});
    seedReminder(s.t, 1, QStringLiteral("Enabled"), QTime(10, 0, 2));
    s.start();
    NoteWindow *note = s.t.note(QStringLiteral("NotesForm1"));
    note->textField()->moveCursor(QTextCursor::End);
    s.checkAt(at(10, 0, 1));
    QVERIFY(s.t.sound.started.isEmpty());

    QString shown, stored;
    bool readOnly = false;
    whileFlashing([&] {
        shown = note->textField()->toPlainText();
        stored = s.t.store().get(QStringLiteral("NotesForm1.Notes"));
        readOnly = note->textField()->isReadOnly();
        // Keys typed now must not be lost at the end: the field takes none.
        QTest::keyClicks(note->textField(), QStringLiteral("xyz"));
    });
    s.checkAt(at(10, 0, 2));
    QCOMPARE(shown, QStringLiteral("Reminder!"));
    QCOMPARE(stored, QStringLiteral("buy milk"));
    QVERIFY(readOnly);
    QCOMPARE(note->textField()->toPlainText(), QStringLiteral("buy milk"));
    QVERIFY(!note->textField()->isReadOnly());
    QCOMPARE(s.t.store().get(QStringLiteral("NotesForm1.Notes")), QStringLiteral("buy milk"));
    QCOMPARE(s.t.sound.started, QStringList{Playwav::SoundFilePath()});
    QVERIFY(s.t.windows().alarmWindow() && s.t.windows().alarmWindow()->isVisible());
    QCOMPARE(s.t.windows().alarmWindow()->windowTitle(), QStringLiteral("Reminder Alarm"));
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
    // A date written by a desktop in another language is read all the same; one that no form
    // reads makes the reminder wait: it never goes off before its date.
    QTest::newRow("another desktop's form, date ahead")
        << on << Today << at(10, 0, 1) << at(10, 0, 2) << false << "09.12.2026 10:00:02";
    QTest::newRow("another desktop's form, date reached")
        << on << Today << at(10, 0, 1) << at(10, 0, 2) << true << "08.12.2026 10:00:02";
    QTest::newRow("date unreadable") << on << Today << at(10, 0, 1) << at(10, 0, 2) << false << "next Tuesday";
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
    if (!dateText.isEmpty()) {
        // Set before the fixed copy was kept: the desktop's form alone.
        s.t.seed(QStringLiteral("NotesForm1.ReminderDate"), dateText);
        s.t.seed(QStringLiteral("NotesForm1.ReminderDateISO"), QString());
    }
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
    for (NoteWindow *note : s.t.notes()) {
        connect(note->textField(), &QPlainTextEdit::textChanged, note, [&, note] {
            if (note->textField()->toPlainText() == QLatin1String("Reminder!"))
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
    QPointer<AlarmWindow> window = s.t.windows().alarmWindow();
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
    s.t.windows().alarmWindow()->close();
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
        QPointer<NoteWindow> doomed = s.t.note(QStringLiteral("NotesForm1"));
        s.checkAt(at(10, 0, 1));
        whileFlashing([&] {
            s.t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
            if (how == QLatin1String("delete"))
                s.t.program().notebook().deleteCurrentNote();
            else if (how == QLatin1String("close"))
                doomed->close();
            else
                s.t.program().notebook().quit();
        });
        s.checkAt(at(10, 0, 2));
        QVERIFY2(s.t.dialogs.errorReports().isEmpty(), qPrintable(how));
        const QString stored = s.t.store().get(QStringLiteral("NotesForm1.Notes"));
        if (how == QLatin1String("delete")) {
            QCOMPARE(stored, QStringLiteral("other"));   // the other note moved up into slot 1
        } else {
            QCOMPARE(stored, QStringLiteral("doomed"));
            if (how == QLatin1String("close"))
                QCOMPARE(doomed->textField()->toPlainText(), QStringLiteral("doomed"));
        }
    }
}

void TestReminder::enabledRemindersAreLiveAfterARestart()
{
    Started s({"a", "b"});
    seedReminder(s.t, 2, QStringLiteral("Enabled"), QTime(10, 0, 2));
    s.start();
    QVERIFY(s.check().isRunning());
    QVERIFY(!s.t.windows().isReminderDialogLoaded());
    // It sleeps until just after the due second begins, and then until the same second tomorrow.
    s.t.clock.set(at(10, 0, 1, 300));
    s.check().run();
    QVERIFY(s.check().isRunning());
    QCOMPARE(s.t.clock.wakeTime, at(10, 0, 2, 5));
    QVERIFY(!s.t.clock.advanceTo(at(10, 0, 2, 4)));
    QVERIFY(s.t.clock.advanceTo(at(10, 0, 2, 5)));
    QCOMPARE(s.t.sound.started.size(), 1);
    QCOMPARE(s.t.clock.wakeTime, at(10, 0, 2, 5, Today.addDays(1)));
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
        QTest::keyClicks(s.t.notes().constFirst()->textField(), QStringLiteral("x"));
        s.t.dialogs.whileMessageBox = [&] { s.checkAt(at(10, 0, 2)); };
        s.t.dialogs.answers.enqueue(MessageAnswer::Cancel);
        s.t.program().notebook().quit();
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
        s.t.windows().reminderDialog().DTPicker1()->setDateTime(at(10, 0, 0, 0));
        s.t.windows().reminderDialog().setOrDisable();
        QStringList flashed;
        connect(s.t.notes().constFirst()->textField(), &QPlainTextEdit::textChanged, [&] { flashed.append("a"); });
        connect(s.t.notes().constLast()->textField(), &QPlainTextEdit::textChanged, [&] { flashed.append("b"); });
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
        s.t.windows().reminderDialog().DTPicker1()->setDateTime(at(9, 0, 0, 0));
        s.t.windows().reminderDialog().setOrDisable();
        s.t.restart();
        s.check().startAfterStartUp();
        s.checkAt(at(10, 50, 1));
        QCOMPARE(alarms(s), 1);
        s.checkAt(at(9, 0, 0, 5, Today.addDays(1)));
        QCOMPARE(alarms(s), 2);
    }
    // The check sleeps until tonight's reminder; a note that comes in (imported, restored from
    // the deleted notes, from another computer) with a reminder due sooner wakes it sooner.
    {
        Started s({"a"});
        seedReminder(s.t, 1, QStringLiteral("Enabled"), QTime(23, 0));
        s.start();
        QCOMPARE(s.check().nextCheck(), at(23, 0, 0, 5));
        const NoteSlots::Values added{{NoteKeys::Notes, "call back"}, {NoteKeys::ReminderStatus, "Enabled"},
                                      {NoteKeys::ReminderDateIso, "2026-12-08T10:30:00"},
                                      {NoteKeys::ReminderHours, "10"}, {NoteKeys::ReminderMinutes, "30"},
                                      {NoteKeys::ReminderSeconds, "0"}};
        QString error;
        QVERIFY2(s.t.program().notebook().addNotes({added}, {}, &error), qPrintable(error));
        QCOMPARE(s.check().nextCheck(), at(10, 30, 0, 5));
    }
    // The dialog's note is deleted while it is open: it says it has no note, and storing nothing
    // it claims nothing.
    {
        Started s({"a", "b"});
        s.start();
        s.t.program().CurrentNoteTag = QStringLiteral("NotesForm2");
        s.t.windows().showReminder();
        ReminderDialog &dialog = s.t.windows().reminderDialog();
        s.t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
        s.t.program().notebook().deleteCurrentNote();
        QVERIFY(!dialog.Command1()->isEnabled());
        dialog.setOrDisable();
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

void TestReminder::sleepsUntilTheNextDueSecond_data()
{
    // Note 1's reminder as stored (the date in the desktop's form, and its fixed copy), a second
    // note's enabled time of day, and the check started at `now` (after a start-up, or by the
    // dialog): it next wakes at `wake`, or not at all.
    QTest::addColumn<QString>("status");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("dateText");
    QTest::addColumn<QString>("fixed");
    QTest::addColumn<QString>("lastAlarm");
    QTest::addColumn<QTime>("other");
    QTest::addColumn<bool>("afterStartUp");
    QTest::addColumn<QDateTime>("wake");

    const QString on = QStringLiteral("Enabled");
    const QString today = QStringLiteral("8 Dec 2026 10:00:00"), todayFixed = QStringLiteral("2026-12-08T10:00:00");
    QTest::newRow("later today") << on << QTime(10, 0, 2) << today << todayFixed << QString() << QTime() << false
                                 << at(10, 0, 2, 5);
    QTest::newRow("went off today: tomorrow") << on << QTime(9, 0) << today << todayFixed << "2026-12-08T09:00:00"
                                              << QTime() << false << at(9, 0, 0, 5, Today.addDays(1));
    QTest::newRow("set for a time already past: tomorrow")
        << on << QTime(9, 0) << today << todayFixed << QString() << QTime() << false << at(9, 0, 0, 5, Today.addDays(1));
    QTest::newRow("missed today while not running: at once")
        << on << QTime(9, 0) << today << todayFixed << QString() << QTime() << true << at(10, 0, 1, 5);
    QTest::newRow("its date ahead") << on << QTime(10, 0, 2) << "11 Dec 2026 10:00:02" << "2026-12-11T10:00:02"
                                    << QString() << QTime() << false << at(10, 0, 2, 5, Today.addDays(3));
    QTest::newRow("its date in another desktop's form") << on << QTime(12, 53) << "11.12.2026 12:53:00" << QString()
                                                        << QString() << QTime() << false
                                                        << at(12, 53, 0, 5, Today.addDays(3));
    QTest::newRow("the earlier of two notes") << on << QTime(23, 0) << today << todayFixed << QString() << QTime(10, 30)
                                              << false << at(10, 30, 0, 5);
    QTest::newRow("disabled, the other note's") << "Disabled" << QTime(10, 0, 2) << today << todayFixed << QString()
                                                << QTime(10, 30) << false << at(10, 30, 0, 5);
    QTest::newRow("date unreadable") << on << QTime(10, 0, 2) << "someday" << QString() << QString() << QTime()
                                     << false << QDateTime();
}

void TestReminder::sleepsUntilTheNextDueSecond()
{
    QFETCH(QString, status);
    QFETCH(QTime, time);
    QFETCH(QString, dateText);
    QFETCH(QString, fixed);
    QFETCH(QString, lastAlarm);
    QFETCH(QTime, other);
    QFETCH(bool, afterStartUp);
    QFETCH(QDateTime, wake);

    Started s({"a", "b"}, at(10, 0, 0, 500));
    const QList<std::pair<QString, QString>> keys = {
        {".ReminderStatus", status}, {".ReminderDate", dateText}, {".ReminderDateISO", fixed},
        {".ReminderLastAlarm", lastAlarm}, {".ReminderHours", QString::number(time.hour())},
        {".ReminderMinutes", QString::number(time.minute())}, {".ReminderSeconds", QString::number(time.second())}};
    for (const auto &[suffix, value] : keys)
        s.t.seed(QStringLiteral("NotesForm1") + suffix, value);
    if (other.isValid())
        seedReminder(s.t, 2, QStringLiteral("Enabled"), other);
    s.start();
    if (afterStartUp)
        s.check().startAfterStartUp();
    QCOMPARE(s.check().nextCheck(), wake);
    QCOMPARE(s.t.clock.wakeTime, wake);
    // Nothing comes before it.
    if (wake.isValid()) {
        QVERIFY(!s.t.clock.advanceTo(wake.addMSecs(-1)));
        QCOMPARE(s.t.sound.started.size(), 0);
    }
}

void TestReminder::clockSetOrMachineAsleep_data()
{
    // Note 1 is due at 10:00:02; the check sleeps from 10:00:00.5 (or from its alarm, when it
    // went off first). Then the machine sleeps until `to`, or the clock is set to it.
    QTest::addColumn<bool>("wentOffFirst");
    QTest::addColumn<bool>("clockSet");
    QTest::addColumn<QDateTime>("to");
    QTest::addColumn<int>("alarms");
    QTest::addColumn<QDateTime>("wake");

    const QDateTime tomorrow = at(10, 0, 2, 5, Today.addDays(1));
    QTest::newRow("asleep through its second") << false << false << at(10, 20, 0) << 1 << tomorrow;
    QTest::newRow("clock set forward past it") << false << true << at(11, 0, 0) << 1 << tomorrow;
    QTest::newRow("clock set back before it") << false << true << at(9, 0, 0) << 0 << at(10, 0, 2, 5);
    QTest::newRow("clock set back after it went off") << true << true << at(9, 0, 0) << 1 << tomorrow;
}

void TestReminder::clockSetOrMachineAsleep()
{
    QFETCH(bool, wentOffFirst);
    QFETCH(bool, clockSet);
    QFETCH(QDateTime, to);
    QFETCH(int, alarms);
    QFETCH(QDateTime, wake);

    Started s({"a"}, at(10, 0, 0, 500));
    seedReminder(s.t, 1, QStringLiteral("Enabled"), QTime(10, 0, 2));
    s.start();
    int flashed = 0;
    connect(s.t.notes().constFirst()->textField(), &QPlainTextEdit::textChanged, [&] {
        flashed += s.t.notes().constFirst()->textField()->toPlainText() == QLatin1String("Reminder!");
    });
    QCOMPARE(s.t.clock.wakeTime, at(10, 0, 2, 5));
    if (wentOffFirst)
        QVERIFY(s.t.clock.advanceTo(at(10, 0, 2, 5)));
    if (clockSet)
        s.t.clock.clockSet(to);
    else
        QVERIFY(s.t.clock.advanceTo(to));
    QCOMPARE(flashed, alarms);
    QCOMPARE(s.t.clock.wakeTime, wake);
    // And at that wake it goes off, once.
    QVERIFY(s.t.clock.advanceTo(wake));
    QCOMPARE(flashed, alarms + 1);
}

void TestReminder::dateReadInEveryForm_data()
{
    // A date as a desktop in one language wrote it, read by a desktop in another.
    QTest::addColumn<QString>("written");
    QTest::addColumn<QLocale>("reader");
    QTest::addColumn<QDateTime>("expected");

    const QDateTime when(QDate(2026, 12, 11), QTime(12, 53));
    const QLocale c = QLocale::c();
    for (const QLocale &writer : {QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::English, QLocale::UnitedKingdom), QLocale(QLocale::French, QLocale::France),
                                  QLocale(QLocale::Russian, QLocale::Russia), QLocale(QLocale::Japanese, QLocale::Japan),
                                  QLocale(QLocale::Arabic, QLocale::Egypt), QLocale::c()}) {
        const QString written = writer.toString(when, Conversions::dateFormat(writer) + QLatin1Char(' ') + Conversions::timeFormat(writer));
        const QLocale reader = writer == c ? QLocale(QLocale::German, QLocale::Germany) : c;
        QTest::newRow(qPrintable(writer.name() + QStringLiteral(" read under ") + reader.name()))
            << written << reader << when;
    }
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("German, written by another program") << "10.12.2026 12:53:00" << c
                                                        << QDateTime(QDate(2026, 12, 10), QTime(12, 53));
    QTest::newRow("a two-digit year") << "12/8/26 10:55:40 AM" << c << QDateTime(QDate(2026, 12, 8), QTime(10, 55, 40));
    QTest::newRow("a narrow blank before PM") << QStringLiteral("12/11/2026 12:53:00\u202FPM") << c << when;
    QTest::newRow("the fixed form") << "2026-12-11T12:53:00" << us << when;
    // Day and month could be either way round: the later reading, never the earlier.
    QTest::newRow("day or month first") << "01/02/2027 10:00:00" << us << QDateTime(QDate(2027, 2, 1), QTime(10, 0));
    QTest::newRow("not a date") << "next Tuesday" << c << QDateTime();
    QTest::newRow("nothing") << "" << c << QDateTime();
}

void TestReminder::dateReadInEveryForm()
{
    QFETCH(QString, written);
    QFETCH(QLocale, reader);
    QFETCH(QDateTime, expected);
    const QLocale before;
    QLocale::setDefault(reader);
    const QDateTime read = ReminderDate::readAnyForm(written);
    QLocale::setDefault(before);
    QCOMPARE(read, expected);
}

// A date no form reads: the reminder waits (see whichRemindersGoOff) and the dialog says so.
void TestReminder::unreadableDateWaitsAndTheDialogSaysSo()
{
    Started s({"a"});
    seedReminder(s.t, 1, QStringLiteral("Enabled"), QTime(10, 0, 2));
    s.t.seed(QStringLiteral("NotesForm1.ReminderDate"), QStringLiteral("Dienstag nächste Woche"));
    s.t.seed(QStringLiteral("NotesForm1.ReminderDateISO"), QString());
    s.start();
    QVERIFY(!s.check().isRunning());
    s.t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
    s.t.windows().showReminder();
    QTRY_COMPARE(s.t.windows().reminderDialog().Label3()->text(), QStringLiteral("This date cannot be read: set it again."));
    QVERIFY(s.t.windows().reminderDialog().Label3()->toolTip().contains(QStringLiteral("Dienstag nächste Woche")));
}

// The fixed copy is read first, unless it belongs to another time of day than the one stored
// beside it; an export carries the date whatever form it was written in.
void TestReminder::fixedCopyIsReadFirstAndExported()
{
    NoteSlots::Values values{{NoteKeys::ReminderStatus, "Enabled"}, {NoteKeys::ReminderDate, "08.12.2026 10:00:02"},
                             {NoteKeys::ReminderDateIso, "2026-12-11T10:00:02"}, {NoteKeys::ReminderHours, "10"},
                             {NoteKeys::ReminderMinutes, "0"}, {NoteKeys::ReminderSeconds, "2"}};
    const auto read = [&] { return ReminderDate::fromStored([&](const QString &suffix) { return values.value(suffix); }); };
    QCOMPARE(read(), QDateTime(QDate(2026, 12, 11), QTime(10, 0, 2)));
    values.insert(NoteKeys::ReminderHours, "9");
    QCOMPARE(read(), QDateTime(QDate(2026, 12, 8), QTime(10, 0, 2)));

    values.remove(NoteKeys::ReminderDateIso);
    QJsonObject reminder = NoteFile::toJson(values).value("reminder").toObject();
    QCOMPARE(reminder.value("from").toString(), QStringLiteral("2026-12-08T10:00:02"));
    const NoteSlots::Values back = NoteFile::fromJson(NoteFile::toJson(values));
    QCOMPARE(back.value(NoteKeys::ReminderDateIso), QStringLiteral("2026-12-08T10:00:02"));
    QCOMPARE(back.value(NoteKeys::ReminderDate), Conversions::generalDate(QDateTime(QDate(2026, 12, 8), QTime(10, 0, 2))));
    // One that no form reads is kept as it was written.
    values.insert(NoteKeys::ReminderDate, "someday");
    reminder = NoteFile::toJson(values).value("reminder").toObject();
    QVERIFY(!reminder.contains("from"));
    QCOMPARE(NoteFile::fromJson(NoteFile::toJson(values)).value(NoteKeys::ReminderDate), QStringLiteral("someday"));
}

// The system's clock wakes at the time asked for, from the event loop, once; a later request
// replaces an earlier one.
void TestReminder::systemClockWakes()
{
    SystemClock clock;
    QStringList woke;
    clock.wakeAt(QDateTime::currentDateTime().addSecs(-1), [&] { woke.append("past"); });
    QVERIFY(woke.isEmpty());
    QTRY_COMPARE(woke, QStringList{"past"});
    const QDateTime soon = QDateTime::currentDateTime().addMSecs(100);
    clock.wakeAt(soon.addMSecs(-50), [&] { woke.append("replaced"); });
    clock.wakeAt(soon, [&] { woke.append("soon"); });
    QTRY_COMPARE(woke, (QStringList{"past", "soon"}));
    QVERIFY(QDateTime::currentDateTime() >= soon);
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
