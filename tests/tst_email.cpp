// The e-mail dialog: the recipients remembered per note, the subject, and the mailto: link that
// must reach the mail program exactly.

#include "testprogram.h"

#include "gui/menu/notecommands.h"
#include "gui/dialogs/emaildialog.h"
#include "gui/platform/qtdialogs.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

namespace {

QStringList entries(const QComboBox *list)
{
    QStringList found;
    for (int i = 0; i < list->count(); ++i)
        found.append(list->itemText(i));
    return found;
}

// Opens the dialog on the note in slot `slot` (as its menu would), types the address, composes.
void composeFrom(TestProgram &t, int slot, const QString &address)
{
    t.program().CurrentNoteTag = NoteKeys::tagFor(slot);
    t.windows().showEmail();
    EmailDialog *dialog = t.windows().emailDialog();
    dialog->Combo1()->setEditText(address);
    QTest::mouseClick(dialog->Command1(), Qt::LeftButton);
    TestProgram::settle();
}

QString decoded(const QString &link, const QString &item)
{
    return QUrlQuery(QUrl(link)).queryItemValue(item, QUrl::FullyDecoded);
}

} // namespace

Q_DECLARE_METATYPE(MessageAnswer)

class TestEmail : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void addressesAreRememberedPerNote();
    void linkOfANote_data();
    void linkOfANote();
    void composeActsOnTheTargetAtThatMoment();
    void openingAgainKeepsWhatWasTyped();
    void withoutAMailProgramTheTextCanBeCopied_data();
    void withoutAMailProgramTheTextCanBeCopied();
    void realBoxOffersCopyText();
};

void TestEmail::cleanup()
{
    TestProgram::expectNoWindowsLeft();
}

void TestEmail::addressesAreRememberedPerNote()
{
    TestProgram t;
    t.seedNotes({"Buy milk today", "other"});
    t.start();
    const QString key = QStringLiteral("NotesForm1.EmailAddresses");

    t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
    t.windows().showEmail();
    QCOMPARE(entries(t.windows().emailDialog()->Combo1()), QStringList{QString()});
    QCOMPARE(t.windows().emailDialog()->Combo1()->currentText(), QString());
    QCOMPARE(t.windows().emailDialog()->windowTitle(), QStringLiteral("E-mail Note"));
    t.windows().emailDialog()->cancel();   // Cancel stores and opens nothing
    TestProgram::settle();
    QVERIFY(!t.windows().emailDialog());
    QVERIFY(t.shell.opened.isEmpty());

    composeFrom(t, 1, QStringLiteral("a1@example.org"));
    QCOMPARE(t.store().get(key), QStringLiteral(",a1@example.org"));
    QVERIFY(!t.windows().emailDialog());   // Compose closes the dialog
    composeFrom(t, 1, QStringLiteral("a1@example.org"));   // known: nothing new
    composeFrom(t, 1, QStringLiteral("A1@example.org"));   // another case is another address
    composeFrom(t, 1, QStringLiteral("b@example.org,c@example.org"));
    composeFrom(t, 1, QString());                          // the empty text is always in the list
    QCOMPARE(t.store().get(key),
             QStringLiteral(",a1@example.org,A1@example.org,b@example.org,c@example.org"));
    QVERIFY(!t.store().contains(QStringLiteral("NotesForm2.EmailAddresses")));

    t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
    t.windows().showEmail();
    QCOMPARE(entries(t.windows().emailDialog()->Combo1()),
             (QStringList{"", "a1@example.org", "A1@example.org", "b@example.org", "c@example.org"}));
    QVERIFY(t.dialogs.errorReports().isEmpty());
}

void TestEmail::linkOfANote_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("subject");

    QTest::newRow("words") << "Buy milk today" << "a@example.org" << "Buy ";
    QTest::newRow("empty note") << "" << "a@example.org" << "(empty note)";
    QTest::newRow("one word") << "milk" << "a@example.org" << "milk";
    QTest::newRow("first line one word") << "Shopping\nmilk eggs" << "a@example.org" << "Shopping";
    QTest::newRow("first line ends in CR LF") << "Shopping\r\nmilk eggs" << "a@example.org" << "Shopping";
    QTest::newRow("a tab ends the word") << "Call\tAnna today" << "a@example.org" << "Call";
    QTest::newRow("blank lines first") << "\n\n  Monday call Anna" << "a@example.org" << "Monday ";
    QTest::newRow("white space only") << " \n\t " << "a@example.org" << "(empty note)";
    QTest::newRow("no address") << "Buy milk" << "" << "Buy ";
    // What a raw link would cut short or break: the mail program must get it all, exactly.
    QTest::newRow("characters that break links")
        << "Tom & Jerry #1? 2+2=4 at 100%\nsecond line\r\nthird: Grüße, Ελλάδα, 東京" << "o'neil+notes@example.org"
        << "Tom ";
}

void TestEmail::linkOfANote()
{
    QFETCH(QString, text);
    QFETCH(QString, address);
    QFETCH(QString, subject);

    TestProgram t;
    t.seedNotes({text});
    t.start();
    composeFrom(t, 1, address);
    QCOMPARE(t.shell.opened.size(), 1);
    const QString link = t.shell.opened.constFirst();
    if (address.isEmpty())
        QVERIFY(link.startsWith(QStringLiteral("mailto:?Subject=")));
    const QUrl url(link);
    QCOMPARE(url.scheme(), QStringLiteral("mailto"));
    QCOMPARE(url.path(QUrl::FullyDecoded), address);
    QCOMPARE(decoded(link, QStringLiteral("Subject")), subject);
    QString body = t.notes().constFirst()->textField()->toPlainText();
    body.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    QCOMPARE(decoded(link, QStringLiteral("Body")), body);
    QCOMPARE(QUrlQuery(url).queryItems().size(), 2);
}

// Opened from note A, then the user types in note B: Compose mails B and remembers the address
// for B. With the target deleted meanwhile, nothing is stored and nothing is opened.
void TestEmail::composeActsOnTheTargetAtThatMoment()
{
    TestProgram t;
    t.seedNotes({"note A", "note B", "note C"});
    t.start();
    t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
    t.windows().showEmail();
    NoteWindow *b = t.note(QStringLiteral("NotesForm2"));
    QTest::keyClick(b->textField(), Qt::Key_End);
    QCOMPARE(t.program().CurrentNoteTag, QStringLiteral("NotesForm2"));
    t.windows().emailDialog()->Combo1()->setEditText(QStringLiteral("b@example.org"));
    t.windows().emailDialog()->compose();
    QCOMPARE(t.shell.opened.size(), 1);
    QCOMPARE(decoded(t.shell.opened.constFirst(), QStringLiteral("Body")), QStringLiteral("note B"));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm2.EmailAddresses")), QStringLiteral(",b@example.org"));
    QVERIFY(!t.store().contains(QStringLiteral("NotesForm1.EmailAddresses")));

    t.program().CurrentNoteTag = QStringLiteral("NotesForm3");
    t.windows().showEmail();
    t.program().notebook().deleteCurrentNote();
    TestProgram::settle();
    t.windows().emailDialog()->Combo1()->setEditText(QStringLiteral("c@example.org"));
    t.windows().emailDialog()->compose();
    QCOMPARE(t.shell.opened.size(), 1);
    QVERIFY(!t.store().get(QStringLiteral("NotesForm3.EmailAddresses")).contains(QLatin1String("c@")));
    QVERIFY(!t.store().contains(QStringLiteral(".EmailAddresses")));
}

void TestEmail::openingAgainKeepsWhatWasTyped()
{
    TestProgram t;
    t.seedNotes({"a"});
    t.seed(QStringLiteral("NotesForm1.EmailAddresses"), QStringLiteral(",kept@example.org"));
    t.start();
    t.choose(t.notes().constFirst(), QStringLiteral("EmailName"));
    QPointer<EmailDialog> dialog = t.windows().emailDialog();
    QVERIFY(dialog && dialog->isVisible());
    QTRY_VERIFY(dialog->isActiveWindow());
    dialog->Combo1()->setEditText(QStringLiteral("half typed"));
    t.choose(t.notes().constFirst(), QStringLiteral("EmailName"));
    QCOMPARE(t.windows().emailDialog(), dialog.data());
    QCOMPARE(dialog->Combo1()->currentText(), QStringLiteral("half typed"));
    QCOMPARE(entries(dialog->Combo1()), (QStringList{"", "kept@example.org"}));
    QVERIFY(NoteCommands::IsInComboList(dialog->Combo1(), QString()));
    QVERIFY(!NoteCommands::IsInComboList(dialog->Combo1(), QStringLiteral("KEPT@example.org")));
}

void TestEmail::withoutAMailProgramTheTextCanBeCopied_data()
{
    QTest::addColumn<bool>("mailProgram");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("mail program: no question") << true << MessageAnswer::CopyText << "before";
    QTest::newRow("none: Copy Text") << false << MessageAnswer::CopyText << "Buy milk\ntoday";
    QTest::newRow("none: Cancel") << false << MessageAnswer::Cancel << "before";
}

// No mail program took the link: the user is told, and may take the note's text along.
void TestEmail::withoutAMailProgramTheTextCanBeCopied()
{
    QFETCH(bool, mailProgram);
    QFETCH(MessageAnswer, answer);
    QFETCH(QString, clipboard);
    TestProgram t;
    t.seedNotes({"Buy milk\ntoday"});
    t.start();
    t.shell.handlerInstalled = mailProgram;
    t.dialogs.answers.enqueue(answer);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    composeFrom(t, 1, QStringLiteral("a@example.org"));

    QCOMPARE(t.shell.opened.size(), 1);
    QCOMPARE(t.dialogs.messages.size(), mailProgram ? 0 : 1);
    if (!mailProgram) {
        const FakeDialogs::Message asked = t.dialogs.messages.constFirst();
        QCOMPARE(asked.buttons, MessageButtons::CopyTextCancel);
        QVERIFY(asked.text.contains(QLatin1String("No mail program")));
    }
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    QVERIFY(!t.windows().emailDialog());   // the dialog closes either way
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.EmailAddresses")), QStringLiteral(",a@example.org"));
}

// The real box offers "Copy Text" beside Cancel, as its default, and says it was pressed.
void TestEmail::realBoxOffersCopyText()
{
    QStringList offered;
    QTimer::singleShot(0, [&offered] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        for (QAbstractButton *button : box->buttons())
            offered.append(button->text().remove(QLatin1Char('&')));
        box->defaultButton()->click();
    });
    QtDialogs dialogs;
    QCOMPARE(dialogs.messageBox(nullptr, QStringLiteral("text"), QStringLiteral("E-mail Note"),
                                MessageButtons::CopyTextCancel, MessageIcon::Warning),
             MessageAnswer::CopyText);
    offered.sort();
    QCOMPARE(offered, (QStringList{"Cancel", "Copy Text"}));
}

QTEST_MAIN(TestEmail)
#include "tst_email.moc"
