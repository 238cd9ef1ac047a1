// The notes among the program's other windows: a new note opens beside the one it came from,
// in front and with the keyboard; the dialogs and the alarm open above notes that stay on top;
// the keyboard goes back to the note once a dialog that had it goes; notices can be closed from
// the keyboard.
#include "testprogram.h"

#include "app/stayon.h"
#include "commands/notecommands.h"
#include "email/email.h"
#include "platform/qtdialogs.h"
#include "platform/units.h"
#include "store/conversions.h"
#include "reminder/form2.h"
#include "reminder/reminder.h"

#include <QColorDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

#include <functional>

namespace {

QMessageBox *notice()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QMessageBox *>(window); box && box->isVisible())
            return box;
    }
    return nullptr;
}

// Opens one of the windows beside the notes; it is the window that is returned.
QWidget *open(TestProgram &t, const QString &which)
{
    Program &program = t.program();
    if (which == QLatin1String("reminder")) {
        program.showReminder();
        return &program.reminder();
    }
    if (which == QLatin1String("e-mail")) {
        program.showEmail();
        return program.email();
    }
    if (which == QLatin1String("alarm")) {
        program.showForm2();
        program.form2()->activateWindow();
        return program.form2();
    }
    auto *chooser = new QColorDialog();   // as Qt's own dialogs come up
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    chooser->show();
    return chooser;
}

// Puts the window away as a user does from the keyboard.
void putAway(QWidget *window, const QString &which)
{
    if (which == QLatin1String("alarm"))
        QTest::keyClick(window, Qt::Key_Return);
    else if (which == QLatin1String("colour"))
        static_cast<QDialog *>(window)->reject();
    else
        QTest::keyClick(window, Qt::Key_Escape);
}

} // namespace

class TestWindows : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void newNoteBesideItsNoteInFrontWithItsPlaceStored();
    void windowsOpenAboveNotesOnTop_data();
    void windowsOpenAboveNotesOnTop();
    void keyboardGoesBackToTheNote_data();
    void keyboardGoesBackToTheNote();
    void noticeClosesFromTheKeyboard_data();
    void noticeClosesFromTheKeyboard();
};

void TestWindows::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QDialog *>(window))
            delete window;
    }
    TestProgram::settle();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

// Ctrl+N in a note in the middle of the screen: the new note stands clear of it, whole on the
// screen, in front, with the keyboard, and its place is stored before anything else happens.
void TestWindows::newNoteBesideItsNoteInFrontWithItsPlaceStored()
{
    TestProgram t;
    t.seedNotes({"first"});
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint middle = screen.center() - QPoint(Units::twipsToPixels(1995) / 2, Units::twipsToPixels(2355) / 2);
    t.seed(QStringLiteral("NotesForm1.Left"), QString::number(Units::pixelsToTwips(middle.x())));
    t.seed(QStringLiteral("NotesForm1.Top"), QString::number(Units::pixelsToTwips(middle.y())));
    t.start();
    Form1 *first = t.notes().constFirst();
    QCOMPARE(first->pos(), middle);
    first->activateWindow();
    QTRY_VERIFY(first->isActiveWindow());

    QTest::keyClick(first->Text1(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(t.notes().size(), 2);
    Form1 *made = t.notes().constLast();
    QVERIFY2(!made->geometry().intersects(first->geometry()),
             qPrintable(QStringLiteral("the new note at %1,%2 covers its note").arg(made->x()).arg(made->y())));
    QVERIFY(screen.contains(made->geometry()));
    QTRY_VERIFY(made->isActiveWindow());
    QVERIFY(made->Text1()->hasFocus());
    QCOMPARE(t.store().get(QStringLiteral("NotesForm2.Left")), QString::number(Units::pixelsToTwips(made->x())));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm2.Top")), QString::number(Units::pixelsToTwips(made->y())));
    QTest::keyClicks(made->Text1(), QStringLiteral("typed"));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm2.Notes")), QStringLiteral("typed"));

    // A crash now brings it back where it stood, not on top of the first one.
    const QPoint place = made->pos();
    t.restart();
    QCOMPARE(t.notes().constLast()->pos(), place);
    QCOMPARE(t.texts(), (QStringList{"first", "typed"}));
}

void TestWindows::windowsOpenAboveNotesOnTop_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<bool>("onTop");
    for (const char *which : {"reminder", "e-mail", "alarm", "colour"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1, notes on top").arg(which))) << which << true;
        QTest::newRow(qPrintable(QStringLiteral("%1, notes not on top").arg(which))) << which << false;
    }
}

void TestWindows::windowsOpenAboveNotesOnTop()
{
    QFETCH(QString, which);
    QFETCH(bool, onTop);
    TestProgram t;
    t.seedNotes({"a", "b"});
    t.seed(QStringLiteral("NotesForm2.AlwaysOnTop"), Conversions::fromBool(onTop));
    t.start();
    t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
    QCOMPARE(t.notes().constFirst()->isTopmost(), onTop);
    QWidget *window = open(t, which);
    QVERIFY(window->windowHandle());
    QCOMPARE(window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    // Shown again after Always On Top was switched off, it is an ordinary window again.
    if (onTop && which != QLatin1String("alarm")) {
        window->hide();
        t.program().commands().ToggleAlwaysOnTop();
        window->show();
        QVERIFY(!window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    }
}

void TestWindows::keyboardGoesBackToTheNote_data()
{
    QTest::addColumn<QString>("which");
    for (const char *which : {"reminder", "e-mail", "alarm", "colour"})
        QTest::newRow(which) << which;
}

void TestWindows::keyboardGoesBackToTheNote()
{
    QFETCH(QString, which);
    TestProgram t;
    t.seedNotes({"a", "b"});
    t.start();
    Form1 *b = t.note(QStringLiteral("NotesForm2"));
    b->activateWindow();
    QTRY_VERIFY(b->isActiveWindow());
    t.program().CurrentNoteTag = b->Tag();
    QWidget *window = open(t, which);
    QTRY_VERIFY(window->isActiveWindow());
    putAway(window, which);
    QTRY_VERIFY(b->isActiveWindow());
    QVERIFY(b->Text1()->hasFocus());
}

void TestWindows::noticeClosesFromTheKeyboard_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("key");
    QTest::newRow("good news, Escape") << int(MessageIcon::Information) << int(QMessageBox::Information) << "Escape";
    QTest::newRow("good news, Enter") << int(MessageIcon::Information) << int(QMessageBox::Information) << "Return";
    QTest::newRow("bad news, Escape") << int(MessageIcon::Warning) << int(QMessageBox::Warning) << "Escape";
}

// A notice comes up without taking the keyboard; a user who goes to it closes it with Escape or
// Enter, and typing goes on in the note.
void TestWindows::noticeClosesFromTheKeyboard()
{
    QFETCH(int, icon);
    QFETCH(int, shown);
    QFETCH(QString, key);
    TestProgram t;
    t.seedNotes({"a"});
    t.start();
    Form1 *note = t.notes().constFirst();
    note->activateWindow();
    QTRY_VERIFY(note->isActiveWindow());
    QtDialogs dialogs;
    dialogs.showNotice(QStringLiteral("Your notes are backed up."), QStringLiteral("Quillarren: backed up"),
                       MessageIcon(icon));
    QMessageBox *box = notice();
    QVERIFY(box);
    QCOMPARE(int(box->icon()), shown);
    QVERIFY(box->testAttribute(Qt::WA_ShowWithoutActivating));
    QVERIFY(!box->windowHandle()->flags().testFlag(Qt::WindowDoesNotAcceptFocus));
    QVERIFY(box->button(QMessageBox::Close)->focusPolicy() != Qt::NoFocus);

    box->activateWindow();
    QTRY_VERIFY(box->isActiveWindow());
    QTest::keyClick(QApplication::focusWidget(), key == QLatin1String("Escape") ? Qt::Key_Escape : Qt::Key_Return);
    QTRY_VERIFY(!notice());
    QTRY_VERIFY(note->isActiveWindow());
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
