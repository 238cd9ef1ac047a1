// Start-up from the store: which notes open, where, and how they look.
#include "testprogram.h"
#include "gui/platform/apptitle.h"
#include "gui/platform/skin.h"
#include "gui/notebook/notebook.h"

#include "gui/menu/notecommands.h"

#include "gui/notebook/noteopener.h"
#include "gui/menu/notemenu.h"
#include "gui/platform/windowtimer.h"
#include "gui/platform/qttranslations.h"
#include "gui/platform/sessionend.h"
#include "gui/platform/units.h"
#include "gui/platform/windowsystem.h"
#include "base/store/notekeys.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTranslator>
#include <QtTest>

#include <csignal>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void emptyStoreOpensOneEmptyNote();
    void missingSlotsOpenAsEmptyNotes();
    void positionsComeFromTheStore();
    void formattingIsAppliedOnlyWhenStored();
    void multiLineTextKeepsItsBreaks();
    void storedLineBreaksAreNeverRewritten();
    void alwaysOnTopFollowsEachNoteAndTheLastDecidesTheCheck();
    void totalFormsCount_data();
    void totalFormsCount();
    void largeStoreOpensWhileTheProgramAnswers_data();
    void largeStoreOpensWhileTheProgramAnswers();
    void badStoredValuesCountAsAbsent();
    void noteOutsideEveryScreenIsBroughtBack();
    void skinFileStylesTheMenuOnlyWhenPresent();
    void appTitle_data();
    void appTitle();
    void standardColorsPaintOnlyLabelsAndFrames();
    void waylandSessionPrefersX11_data();
    void waylandSessionPrefersX11();
    void qtDialogsSpeakTheDesktopsLanguage_data();
    void qtDialogsSpeakTheDesktopsLanguage();
};

void TestStartup::cleanup()
{
    TestProgram::expectNoWindowsLeft();
}

void TestStartup::emptyStoreOpensOneEmptyNote()
{
    TestProgram t;
    t.start();

    QCOMPARE(t.notes().size(), 1);
    NoteWindow *note = t.notes().constFirst();
    QCOMPARE(note->Tag(), QStringLiteral("NotesForm1"));
    QCOMPARE(note->leftTwips(), 500);
    QCOMPARE(note->topTwips(), 500);
    QCOMPARE(note->pos(), QPoint(Units::twipsToPixels(500), Units::twipsToPixels(500)));
    QVERIFY(note->isVisible());
    QCOMPARE(note->textField()->toPlainText(), QString());
    QCOMPARE(t.program().NoteCount, qint16(1));
    // Nothing stored for stacking: the note is on top, as the menu's check mark shows.
    QVERIFY(note->isTopmost());
    QVERIFY(t.windows().noteMenu().alwaysOnTopCheck()->isChecked());
    // The load step clears the built-in text before the tag is set: no key without a number.
    for (const QString &key : t.store().keys())
        QVERIFY2(!key.startsWith(QLatin1Char('.')), qPrintable(key));
    QCOMPARE(Units::backColor(note, 0), qint32(0x00C0FFFF));
    QCOMPARE(note->textField()->font().family(), QStringLiteral("Arial"));
    QCOMPARE(note->textField()->font().pointSizeF(), 9.0);
    QCOMPARE(note->size(), QSize(Units::twipsToPixels(1995), Units::twipsToPixels(2355)));
    QCOMPARE(note->textField()->geometry(),
             QRect(0, Units::twipsToPixels(360), Units::twipsToPixels(2000), Units::twipsToPixels(2000)));
    QVERIFY(note->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(t.dialogs.errorReports().isEmpty());
}

void TestStartup::missingSlotsOpenAsEmptyNotes()
{
    TestProgram t;
    t.seedCount(3);
    t.seed(QStringLiteral("NotesForm1.Notes"), QStringLiteral("first"));
    t.seed(QStringLiteral("NotesForm1.Left"), QStringLiteral("1500"));
    t.seed(QStringLiteral("NotesForm3.Notes"), QStringLiteral("third"));
    t.start();

    const QList<NoteWindow *> notes = t.notes();
    QCOMPARE(notes.size(), 3);
    QCOMPARE(notes[0]->Tag(), QStringLiteral("NotesForm1"));
    QCOMPARE(notes[1]->Tag(), QStringLiteral("NotesForm2"));
    QCOMPARE(notes[2]->Tag(), QStringLiteral("NotesForm3"));
    QCOMPARE(notes[0]->textField()->toPlainText(), QStringLiteral("first"));
    QCOMPARE(notes[1]->textField()->toPlainText(), QString());
    QCOMPARE(notes[1]->leftTwips(), 500);
    QCOMPARE(notes[1]->topTwips(), 500);
    QCOMPARE(notes[2]->textField()->toPlainText(), QStringLiteral("third"));
    // The load step's clearing never reaches a note's own key.
    QCOMPARE(t.store().get(QStringLiteral("NotesForm3.Notes")), QStringLiteral("third"));
}

void TestStartup::positionsComeFromTheStore()
{
    TestProgram t;
    t.seedCount(2);
    t.seed(QStringLiteral("NotesForm1.Left"), QStringLiteral("4500"));
    t.seed(QStringLiteral("NotesForm1.Top"), QStringLiteral("3000"));
    t.seed(QStringLiteral("NotesForm2.Left"), QStringLiteral("1007"));   // not a whole pixel
    t.seed(QStringLiteral("NotesForm2.Top"), QStringLiteral("1500"));
    t.start();

    QCOMPARE(t.note("NotesForm1")->pos(), QPoint(300, 200));
    // A note that was not moved keeps its exact stored position, though pixels are coarser.
    QCOMPARE(t.note("NotesForm2")->leftTwips(), 1007);
    // A window manager that puts it elsewhere when it is shown does not change that.
    t.note("NotesForm2")->move(64, 64);
    QCOMPARE(t.note("NotesForm2")->leftTwips(), 1007);
    // A move by the user does.
    t.note("NotesForm2")->beginMove(QPointF(70, 70));
    t.note("NotesForm2")->move(100, 100);
    QCOMPARE(t.note("NotesForm2")->leftTwips(), 1500);
}

void TestStartup::formattingIsAppliedOnlyWhenStored()
{
    TestProgram t;
    t.seedCount(2);
    t.seed(QStringLiteral("NotesForm1.Bold"), QStringLiteral("False"));
    t.seed(QStringLiteral("NotesForm1.Italic"), QStringLiteral("True"));
    t.seed(QStringLiteral("NotesForm1.Underline"), QStringLiteral("True"));
    t.seed(QStringLiteral("NotesForm1.Strikethru"), QStringLiteral("True"));
    t.seed(QStringLiteral("NotesForm1.Font"), QStringLiteral("Courier New"));
    t.seed(QStringLiteral("NotesForm1.Size"), QStringLiteral("9.75"));
    t.seed(QStringLiteral("NotesForm1.TextColor"), QStringLiteral("255"));             // red
    t.seed(QStringLiteral("NotesForm1.TextBackColor"), QStringLiteral("16711680"));    // blue
    t.seed(QStringLiteral("NotesForm1.BackColor"), QStringLiteral("-2147483633"));     // button face
    t.seed(QStringLiteral("NotesForm1.Translucency"), QStringLiteral("50"));
    t.start();

    NoteWindow *formatted = t.note("NotesForm1");
    const QFont font = formatted->textField()->font();
    // "False" switches bold off explicitly; an absent key leaves the field's own setting alone.
    QVERIFY(font.resolveMask() & QFont::WeightResolved);
    QVERIFY(!font.bold());
    QVERIFY(font.italic());
    QVERIFY(font.underline());
    QVERIFY(font.strikeOut());
    QCOMPARE(font.family(), QStringLiteral("Courier New"));
    QCOMPARE(font.pointSizeF(), 9.75);
    QCOMPARE(formatted->textColor(), qint32(255));
    QCOMPARE(formatted->textField()->palette().color(QPalette::Text), QColor(255, 0, 0));
    QCOMPARE(formatted->textBackColor(), qint32(16711680));
    QCOMPARE(formatted->textField()->palette().color(QPalette::Base), QColor(0, 0, 255));
    // The window's colour comes from ".BackColor" alone, never from the see-through level.
    QCOMPARE(formatted->backColor(), Units::ButtonFace);
    QCOMPARE(formatted->palette().color(QPalette::Window), QGuiApplication::palette().color(QPalette::Button));

    const QFont plain = t.note("NotesForm2")->textField()->font();
    QVERIFY(!(plain.resolveMask() & QFont::WeightResolved));
    QVERIFY(!(plain.resolveMask() & QFont::StyleResolved));
    QCOMPARE(plain.family(), QStringLiteral("Arial"));
    QCOMPARE(t.note("NotesForm2")->backColor(), qint32(0x00C0FFFF));
}

void TestStartup::multiLineTextKeepsItsBreaks()
{
    TestProgram t;
    t.seed(QStringLiteral("NotesForm1.Notes"), QStringLiteral("one\ntwo\n\nfour"));
    t.start();
    QCOMPARE(t.note("NotesForm1")->textField()->toPlainText(), QStringLiteral("one\ntwo\n\nfour"));
    QCOMPARE(t.note("NotesForm1")->textField()->document()->blockCount(), 4);
}

// The field shows these breaks as its own; only the user changing a note may change its text.
void TestStartup::storedLineBreaksAreNeverRewritten()
{
    const QStringList texts{QStringLiteral("crlf\r\nbreak"), QStringLiteral("cr\rbreak"),
                            QStringLiteral("line\u2028separator"), QStringLiteral("paragraph\u2029separator")};
    TestProgram t;
    t.seedNotes(texts);
    t.start();
    for (int i = 0; i < texts.size(); ++i)
        QCOMPARE(t.store().get(NoteKeys::tagFor(i + 1) + NoteKeys::Notes), texts.at(i));
    NoteWindow *typed = t.notes().constFirst();
    TestProgram::typeAtEnd(typed, QStringLiteral("!"));
    t.program().notebook().quit();
    QCOMPARE(t.store().get(NoteKeys::tagFor(1) + NoteKeys::Notes), QStringLiteral("crlf\nbreak!"));
    for (int i = 1; i < texts.size(); ++i)
        QCOMPARE(t.store().get(NoteKeys::tagFor(i + 1) + NoteKeys::Notes), texts.at(i));
}

void TestStartup::alwaysOnTopFollowsEachNoteAndTheLastDecidesTheCheck()
{
    TestProgram t;
    t.seedCount(4);
    t.seed(QStringLiteral("NotesForm2.AlwaysOnTop"), QStringLiteral("True"));
    t.seed(QStringLiteral("NotesForm3.AlwaysOnTop"), QStringLiteral("False"));
    t.start();

    // Notes without a stored value follow the check mark as start-up leaves it: off.
    QVERIFY(!t.note("NotesForm1")->isTopmost());
    QVERIFY(t.note("NotesForm2")->isTopmost());
    QVERIFY(!t.note("NotesForm3")->isTopmost());
    QVERIFY(!t.note("NotesForm4")->isTopmost());
    QVERIFY(t.windows().isNoteMenuLoaded());
    QVERIFY(!t.windows().noteMenu().alwaysOnTopCheck()->isChecked());
    QVERIFY(t.note("NotesForm2")->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!(t.note("NotesForm3")->windowHandle()->flags() & Qt::WindowStaysOnTopHint));
}

void TestStartup::totalFormsCount_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("slotsWithKeys");
    QTest::addColumn<int>("expected");

    // Slots 1 … slotsWithKeys hold notes, and one more lies beyond a gap of one empty slot.
    QTest::newRow("absent") << QString() << 0 << 1;
    QTest::newRow("number then text") << QStringLiteral("3abc") << 3 << 3;
    QTest::newRow("half rounds to even") << QStringLiteral("2.5") << 3 << 2;
    // Never more windows than the highest slot that holds a key: not thousands of empty ones.
    QTest::newRow("32767 over a few stored") << QStringLiteral("32767") << 3 << 5;
    // Counts that cannot be meant open what the store holds, and never nothing.
    QTest::newRow("zero, two stored") << QStringLiteral("0") << 2 << 4;
    QTest::newRow("negative, none stored") << QStringLiteral("-5") << 0 << 2;
    QTest::newRow("letters, three stored") << QStringLiteral("abc") << 3 << 5;
    QTest::newRow("overflow, two stored") << QStringLiteral("99999") << 2 << 4;
}

void TestStartup::totalFormsCount()
{
    QFETCH(QString, stored);
    QFETCH(int, slotsWithKeys);
    QFETCH(int, expected);

    TestProgram t;
    if (!stored.isNull())
        t.seed(QStringLiteral("Total Forms"), stored);
    for (int i = 1; i <= slotsWithKeys; ++i)
        t.seed(NoteKeys::tagFor(i) + NoteKeys::Notes, QStringLiteral("note %1").arg(i));
    t.seed(NoteKeys::tagFor(slotsWithKeys + 2) + NoteKeys::Notes, QStringLiteral("beyond a gap"));
    t.start();

    QCOMPARE(t.notes().size(), expected);
    QCOMPARE(int(t.program().NoteCount), expected);
    for (int i = 1; i <= slotsWithKeys && i <= expected; ++i)
        QCOMPARE(t.note(NoteKeys::tagFor(i))->textField()->toPlainText(), QStringLiteral("note %1").arg(i));
}

void TestStartup::largeStoreOpensWhileTheProgramAnswers_data()
{
    QTest::addColumn<QString>("meanwhile");   // what the user does while notes still open
    QTest::newRow("nothing") << "nothing";
    // The session's end is answered while the rest opens for the new note.
    QTest::newRow("a new note as the session ends") << "new note, session ends";
    QTest::newRow("deletes the first note") << "delete";
    // The first note is the only one open yet, but not the last: no question about quitting.
    QTest::newRow("deletes the first note at once") << "delete at once";
    QTest::newRow("quits") << "quit";
}

// The first note shows at once and the others open a few at a time, with the window thread
// answering in between; whatever changes the slots meanwhile takes every note into account.
void TestStartup::largeStoreOpensWhileTheProgramAnswers()
{
    QFETCH(QString, meanwhile);
    constexpr int Count = 300;
    TestProgram t;
    QStringList seeded;
    for (int i = 1; i <= Count; ++i)
        seeded.append(QStringLiteral("note %1").arg(i));
    t.seedNotes(seeded);
    QList<int> seen;   // how many notes were open each time the window thread answered a timer
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] { seen.append(t.notes().size()); });
    probe.start(0);

    t.program().notebook().beginStartUp();
    QCOMPARE(t.notes().size(), 1);
    QVERIFY(t.notes().constFirst()->isVisible());
    QCOMPARE(t.program().NoteCount, qint16(Count));
    const auto answeredMidway = [&seen] {
        return std::any_of(seen.cbegin(), seen.cend(), [](int open) { return open > 1 && open < Count; });
    };
    if (meanwhile != QLatin1String("delete at once")) {
        while (!answeredMidway() && t.program().opener().isOpening())
            QCoreApplication::processEvents();
        QVERIFY2(answeredMidway(), "the window thread answered nothing while the notes opened");
        QVERIFY(t.program().opener().isOpening());
    }
    probe.stop();

    QStringList expected = seeded;
    SessionEnd sessionEnd;
    int openAtTheEnd = -1;
    QObject::connect(&sessionEnd, &SessionEnd::ending, [&] { openAtTheEnd = t.notes().size(); });
    if (meanwhile == QLatin1String("new note, session ends")) {
        QCOMPARE(::raise(SIGTERM), 0);
        t.program().notebook().createNote();
        expected.append(QString());
        QVERIFY2(openAtTheEnd > 0 && openAtTheEnd < Count, qPrintable(QString::number(openAtTheEnd)));
    } else if (meanwhile.startsWith(QLatin1String("delete"))) {
        t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
        t.program().notebook().deleteCurrentNote();
        QVERIFY(t.dialogs.messages.isEmpty());
        expected.removeFirst();
    } else if (meanwhile == QLatin1String("quit")) {
        t.program().notebook().quit();
        QCOMPARE(t.endCount, 1);
    }
    if (meanwhile != QLatin1String("quit")) {
        QTRY_VERIFY_WITH_TIMEOUT(!t.program().opener().isOpening(), 20000);
        QCOMPARE(t.texts(), expected);
        for (int i = 0; i < t.notes().size(); ++i)
            QCOMPARE(t.notes().at(i)->Tag(), NoteKeys::tagFor(i + 1));
    }
    // Every note is stored in its slot, none lost and none twice, whatever ends the run next.
    t.restart();
    QCOMPARE(t.texts(), expected);
}

void TestStartup::badStoredValuesCountAsAbsent()
{
    TestProgram t;
    t.seed(QStringLiteral("NotesForm1.Left"), QStringLiteral("left"));
    t.seed(QStringLiteral("NotesForm1.Top"), QStringLiteral("99999999999"));
    t.seed(QStringLiteral("NotesForm1.Bold"), QStringLiteral("maybe"));
    t.seed(QStringLiteral("NotesForm1.Size"), QStringLiteral("huge"));
    t.seed(QStringLiteral("NotesForm1.TextColor"), QStringLiteral("99999999999"));
    t.seed(QStringLiteral("NotesForm1.BackColor"), QStringLiteral("yellow"));
    t.seed(QStringLiteral("NotesForm1.AlwaysOnTop"), QStringLiteral("sometimes"));
    t.seed(QStringLiteral("NotesForm1.Notes"), QStringLiteral("still here"));
    t.start();

    QCOMPARE(t.notes().size(), 1);
    NoteWindow *note = t.notes().constFirst();
    QCOMPARE(note->leftTwips(), 500);
    QCOMPARE(note->topTwips(), 500);
    QVERIFY(!(note->textField()->font().resolveMask() & QFont::WeightResolved));
    QCOMPARE(note->textField()->font().pointSizeF(), 9.0);
    QCOMPARE(note->textColor(), qint32(0));
    QCOMPARE(note->backColor(), qint32(0x00C0FFFF));
    QVERIFY(t.windows().noteMenu().alwaysOnTopCheck()->isChecked());   // as if nothing were stored
    QCOMPARE(note->textField()->toPlainText(), QStringLiteral("still here"));
    QVERIFY(t.dialogs.errorReports().isEmpty());
    // The bad values stay as they were: nothing is rewritten behind the user's back.
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.Left")), QStringLiteral("left"));
}

void TestStartup::noteOutsideEveryScreenIsBroughtBack()
{
    TestProgram t;
    t.seedCount(2);
    t.seed(QStringLiteral("NotesForm1.Left"), QStringLiteral("900000"));
    t.seed(QStringLiteral("NotesForm1.Top"), QStringLiteral("-600000"));
    t.seed(QStringLiteral("NotesForm2.Left"), QStringLiteral("1500"));
    t.seed(QStringLiteral("NotesForm2.Top"), QStringLiteral("1500"));
    t.start();

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    NoteWindow *lost = t.note("NotesForm1");
    QVERIFY2(screen.contains(lost->geometry()), qPrintable(QStringLiteral("note at %1,%2")
                                                              .arg(lost->x()).arg(lost->y())));
    // Pushed to the nearest corner: the top-right.
    QCOMPARE(lost->geometry().right(), screen.right());
    QCOMPARE(lost->y(), screen.top());
    // Its stored keys are left for the ways that write them.
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.Left")), QStringLiteral("900000"));
    QCOMPARE(t.note("NotesForm2")->pos(), QPoint(100, 100));
}

void TestStartup::skinFileStylesTheMenuOnlyWhenPresent()
{
    const QString skin = Skin::filePath();
    QFile::remove(skin);
    {
        TestProgram t;
        t.seed(QStringLiteral("NotesForm1.AlwaysOnTop"), QStringLiteral("True"));
        t.start();
        QCOMPARE(t.windows().noteMenu().styleSheet(), QString());
        QVERIFY(!t.windows().noteMenu().property("BackColor").isValid());
    }
    TestProgram::settle();

    QDir().mkpath(QFileInfo(skin).absolutePath());
    QFile file(skin);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("QMenu { background: #203040; }");
    file.close();
    {
        TestProgram t;
        t.start();
        QVERIFY(t.windows().isNoteMenuLoaded());
        QCOMPARE(t.windows().noteMenu().styleSheet(), QStringLiteral("QMenu { background: #203040; }"));
        QCOMPARE(Units::backColor(&t.windows().noteMenu(), 0), Units::ButtonFace);
    }
    QFile::remove(skin);
}

void TestStartup::appTitle_data()
{
    QTest::addColumn<QString>("fullName");
    QTest::addColumn<QString>("expected");
    QTest::newRow("six short words lose one") << QStringLiteral("Quillarren Notes For The Busy Desk")
                                              << QStringLiteral("Quillarren Notes For The Busy");
    QTest::newRow("long name cut to 40")
        << QStringLiteral("Quillarren Sticky Notes for the Desktop by Brimvale Software")
        << QStringLiteral("Quillarren Sticky Notes for the Desktop");
    QTest::newRow("one word stays whole") << QStringLiteral("Quillarren") << QStringLiteral("Quillarren");
}

void TestStartup::appTitle()
{
    QFETCH(QString, fullName);
    QFETCH(QString, expected);
    QCOMPARE(AppTitle::shortened(fullName), expected);
    QVERIFY(AppTitle::shortened(fullName).size() <= 40);
}

void TestStartup::standardColorsPaintOnlyLabelsAndFrames()
{
    QWidget dialog;
    auto *label = new QLabel(QStringLiteral("Label1"), &dialog);
    auto *check = new QCheckBox(&dialog);
    auto *edit = new QLineEdit(&dialog);
    auto *button = new QPushButton(&dialog);
    const QPalette editPalette = edit->palette();
    const QPalette buttonPalette = button->palette();

    Skin::setStandardColors(&dialog);

    QCOMPARE(Units::backColor(&dialog, 0), Units::ButtonFace);
    QCOMPARE(Units::backColor(label, 0), Units::ButtonFace);
    QCOMPARE(Units::backColor(check, 0), Units::ButtonFace);
    QVERIFY(!edit->property("BackColor").isValid());
    QVERIFY(!button->property("BackColor").isValid());
    QCOMPARE(edit->palette().color(QPalette::Base), editPalette.color(QPalette::Base));
    QCOMPARE(button->palette().color(QPalette::Button), buttonPalette.color(QPalette::Button));
}

void TestStartup::waylandSessionPrefersX11_data()
{
    QTest::addColumn<QByteArray>("sessionType");
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("chosen");
    QTest::newRow("wayland with an X server") << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray(":0")
                                              << QByteArray("xcb;wayland");
    QTest::newRow("wayland without an X server") << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray()
                                                 << QByteArray();
    QTest::newRow("plain X11 session") << QByteArray("x11") << QByteArray() << QByteArray(":0") << QByteArray();
}

void TestStartup::waylandSessionPrefersX11()
{
    QFETCH(QByteArray, sessionType);
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, chosen);
    const QByteArray saved[] = {qgetenv("QT_QPA_PLATFORM"), qgetenv("XDG_SESSION_TYPE"), qgetenv("WAYLAND_DISPLAY"),
                                qgetenv("DISPLAY")};
    const auto set = [](const char *name, const QByteArray &value) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    };
    set("QT_QPA_PLATFORM", QByteArray());
    set("XDG_SESSION_TYPE", sessionType);
    set("WAYLAND_DISPLAY", waylandDisplay);
    set("DISPLAY", display);
    preferX11OnWayland();
    const QByteArray result = qgetenv("QT_QPA_PLATFORM");
    // A platform the user chose stays chosen.
    set("QT_QPA_PLATFORM", QByteArray("offscreen"));
    preferX11OnWayland();
    const QByteArray kept = qgetenv("QT_QPA_PLATFORM");
    set("QT_QPA_PLATFORM", saved[0]);
    set("XDG_SESSION_TYPE", saved[1]);
    set("WAYLAND_DISPLAY", saved[2]);
    set("DISPLAY", saved[3]);
    QCOMPARE(result, chosen);
    QCOMPARE(kept, QByteArray("offscreen"));
}

void TestStartup::qtDialogsSpeakTheDesktopsLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("cancel");
    QTest::addColumn<bool>("loaded");

    QTest::newRow("German") << "de_DE" << "Abbrechen" << true;
    QTest::newRow("Austrian German, by its language") << "de_AT" << "Abbrechen" << true;
    QTest::newRow("French") << "fr_FR" << "Annuler" << true;
    QTest::newRow("C") << "C" << "Cancel" << false;
    QTest::newRow("English") << "en_US" << "Cancel" << false;   // Qt's file for it is empty
}

// Qt's own buttons follow the desktop's language once its translations are installed.
void TestStartup::qtDialogsSpeakTheDesktopsLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, cancel);
    QFETCH(bool, loaded);

    const std::unique_ptr<QTranslator> translator(installQtTranslations(QLocale(locale)));
    QCOMPARE(bool(translator), loaded);
    const QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), cancel);
    // The program's own texts are not Qt's: they stay as they are.
    QCOMPARE(QCoreApplication::translate("Reminder", "Set Reminder"), QStringLiteral("Set Reminder"));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
