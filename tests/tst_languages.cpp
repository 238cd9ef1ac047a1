// The program under each language it speaks: the right files load (Qt's and its own), the menu
// names the keys as the desktop does, the windows mirror under Arabic while a note's text keeps
// its own direction, a store made under one language is read right under another, and a walk
// through the windows finds neither English left where a translation exists nor a cut-off text.

#include "languagewalk.h"
#include "base/store/conversions.h"
#include "testprogram.h"

#include "gui/menu/notemenu.h"
#include "gui/history/historykeeper.h"
#include "gui/history/historywindow.h"
#include "gui/dialogs/emaildialog.h"
#include "gui/dialogs/alarmwindow.h"
#include "gui/dialogs/reminderdialog.h"
#include "base/store/notekeys.h"
#include "gui/sync/notesync.h"
#include "base/backup/backups.h"
#include "gui/tray/noteslist.h"
#include "gui/tray/trayicon.h"

#include <QAction>
#include <QDateTimeEdit>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

using namespace LanguageWalk;

namespace {

const QStringList Languages{"en", "de", "fr", "es", "it", "pt_BR", "pl", "ru", "ja", "zh_CN", "ar"};

void addLanguageRows()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : Languages)
        QTest::newRow(qPrintable(language)) << language;
}

QString menuKeys(NoteMenu &menu, const QString &item)
{
    return menu.item(item)->text().section(QLatin1Char('\t'), 1);
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void loads_data() { addLanguageRows(); }
    void loads();
    void menuKeysAsTheDesktopNamesThem_data() { addLanguageRows(); }
    void menuKeysAsTheDesktopNamesThem();
    void windowsMirrorNotesKeepTheirDirection_data() { addLanguageRows(); }
    void windowsMirrorNotesKeepTheirDirection();
    void storeReadUnderAnotherLanguage_data();
    void storeReadUnderAnotherLanguage();
    void walk_data() { addLanguageRows(); }
    void walk();
};

void TestLanguages::cleanup()
{
    TestProgram::settle();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

// Each language finds its file by the locale's name (pt_BR and zh_CN by country, the others by
// language), Qt's own buttons come in it, and only Arabic lays the windows out right to left.
// English needs no file of its own but still gets its plural forms.
void TestLanguages::loads()
{
    QFETCH(QString, language);
    const Scope scope(language);
    QCOMPARE(scope.loadedFile, language == "en" ? QString() : QStringLiteral("quillarren_%1.qm").arg(language));
    QCOMPARE(QApplication::layoutDirection(), language == "ar" ? Qt::RightToLeft : Qt::LeftToRight);
    const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    QVERIFY2((cancel == "Cancel") == (language == "en"), qPrintable(cancel));
    QVERIFY(QFile::exists(QStringLiteral(QUILLARREN_TRANSLATIONS "/quillarren_en.qm")));
}

void TestLanguages::menuKeysAsTheDesktopNamesThem()
{
    QFETCH(QString, language);
    const Scope scope(language);
    TestProgram t;
    NoteMenu &menu = t.windows().noteMenu();
    const QString ctrl = QCoreApplication::translate("QShortcut", "Ctrl");
    QCOMPARE(menuKeys(menu, "CutName"), ctrl + "+X");
    QCOMPARE(menuKeys(menu, "InsertDateName"), ctrl + "+F1");
    QCOMPARE(menuKeys(menu, "AlwaysOnTopName"), QString());
    if (language == "de")
        QCOMPARE(menuKeys(menu, "DeleteThisNoteName"), QStringLiteral("Strg+D"));
}

// Dialogs whose parts sit at fixed places mirror as laid-out ones do; the note menu mirrors; a
// note's text runs in the direction of its own script whatever the desktop's language.
void TestLanguages::windowsMirrorNotesKeepTheirDirection()
{
    QFETCH(QString, language);
    const Scope scope(language);
    const bool rtl = language == "ar";
    TestProgram t;
    t.seedNotes({"Shopping list", QStringLiteral("قائمة التسوق")});
    t.start();
    t.windows().showReminder();
    ReminderDialog &reminder = t.windows().reminderDialog();
    QCOMPARE(reminder.Command1()->x() > reminder.Command2()->x(), rtl);
    QCOMPARE(reminder.Command1()->geometry().center().x() < reminder.width() / 2, !rtl);
    QCOMPARE(t.windows().noteMenu().findChild<QMenu *>()->layoutDirection(), rtl ? Qt::RightToLeft : Qt::LeftToRight);
    t.windows().showEmail();
    QVERIFY(t.windows().emailDialog());
    QCOMPARE(t.windows().emailDialog()->Command1()->x() > t.windows().emailDialog()->Command2()->x(), rtl);
    reminder.putAway();
    t.windows().emailDialog()->cancel();

    const QList<NoteWindow *> notes = t.notes();
    QCOMPARE(notes.size(), 2);
    QCOMPARE(notes.at(0)->textField()->document()->begin().textDirection(), Qt::LeftToRight);
    QCOMPARE(notes.at(1)->textField()->document()->begin().textDirection(), Qt::RightToLeft);
}

void TestLanguages::storeReadUnderAnotherLanguage_data()
{
    QTest::addColumn<QString>("madeUnder");
    QTest::addColumn<QString>("readUnder");
    QTest::newRow("de, then en") << "de" << "en";
    QTest::newRow("de, then ja") << "de" << "ja";
    QTest::newRow("ar, then de") << "ar" << "de";
}

// A reminder set under one language is stored in words no language changes ("Enabled"), and
// under the other it is still on, at the same moment, in a date that language reads.
void TestLanguages::storeReadUnderAnotherLanguage()
{
    QFETCH(QString, madeUnder);
    QFETCH(QString, readUnder);
    const QDateTime when(QDate(2026, 12, 10), QTime(12, 53, 0));
    TestProgram t;
    {
        const Scope scope(madeUnder);
        t.seedNotes({"Dentist"});
        t.start();
        t.program().CurrentNoteTag = NoteKeys::tagFor(1);
        t.windows().showReminder();
        t.windows().reminderDialog().DTPicker1()->setDateTime(when);
        t.windows().reminderDialog().setOrDisable();
        t.windows().reminderDialog().putAway();
    }
    const QString tag = NoteKeys::tagFor(1);
    QCOMPARE(t.store().get(tag + NoteKeys::ReminderStatus), QStringLiteral("Enabled"));
    const Scope scope(readUnder);
    t.restart();
    t.program().CurrentNoteTag = tag;
    t.windows().showReminder();
    ReminderDialog &reminder = t.windows().reminderDialog();
    QTRY_VERIFY(reminder.isActiveWindow());   // it shows the note's reminder as it comes forward
    QCOMPARE(reminder.Command1()->text(), QCoreApplication::translate("ReminderDialog", "Disable Reminder"));
    QCOMPARE(Conversions::parseGeneralDate(reminder.Label3()->text()), when);
    // The picker writes a date in the order the label beside it reads.
    QCOMPARE(QLocale().toString(when, reminder.DTPicker1()->displayFormat()), reminder.Label3()->text());
    QVERIFY(reminder.Label3()->toolTip().isEmpty());   // no "cannot be read"
    // The button acts on what it offers, whatever its caption says in this language.
    reminder.setOrDisable();
    QCOMPARE(t.store().get(tag + NoteKeys::ReminderStatus), QStringLiteral("Disabled"));
    reminder.putAway();
}

// Everything a user meets, under each language: the note menu, the reminder, e-mail, alarm and
// note history windows, the tray menu, the notes list and the command line's help and errors.
void TestLanguages::walk()
{
    QFETCH(QString, language);
    const Scope scope(language);
    // English is the program's own: its table holds only plural forms.
    const QHash<QString, QString> translations = language == "en" ? QHash<QString, QString>() : table(language);
    TestProgram t;
    t.seedNotes({"first", "second"});
    HistoryKeeper keeper(t.program());
    keeper.open();
    t.start();
    keeper.showHistory(t.notes().constFirst());
    QVERIFY(keeper.historyWindow());
    QList<Shown> shown = menuTexts(t.windows().noteMenu().findChild<QMenu *>());
    t.windows().showReminder();
    t.windows().showEmail();
    t.windows().showAlarmWindow();
    Backups backups(t.storePath());
    NoteSync sync(t.program());
    TrayIcon tray(t.program(), backups, sync);
    tray.refreshMenu();
    shown += menuTexts(tray.menu());
    tray.notesList().open();
    QList<Shown> inWindows;
    for (QWidget *window : {static_cast<QWidget *>(&t.windows().reminderDialog()), static_cast<QWidget *>(t.windows().emailDialog()),
                            static_cast<QWidget *>(t.windows().alarmWindow()), static_cast<QWidget *>(&tray.notesList()),
                            static_cast<QWidget *>(keeper.historyWindow())})
        inWindows += shownTexts(window);
    shown += inWindows;

    QStringList left = englishLeft(shown, translations);
    QTemporaryDir home;
    for (const QStringList &arguments : {QStringList{"--help"}, QStringList{"--tray", "maybe"}, QStringList{"--show", "2"},
                                         QStringList{"--history", "1"}}) {
        QProcess command;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LANGUAGE", language);
        environment.insert("LC_ALL", localeFor(language).name() + ".UTF-8");
        environment.insert("XDG_CONFIG_HOME", home.path());
        command.setProcessEnvironment(environment);
        command.start(QStringLiteral(QUILLARREN_PROGRAM), arguments);
        QVERIFY(command.waitForFinished(20000));
        const QString said = QString::fromUtf8(command.readAllStandardOutput() + command.readAllStandardError());
        QVERIFY2(language == "en" || !said.contains("Options:"), qPrintable(said));   // Qt's own words too
        for (const QString &sentence : englishLeftIn(said, translations))
            left.append("quillarren " + arguments.join(' ') + ": \"" + sentence + '"');
    }
    QVERIFY2(left.isEmpty(), qPrintable(left.join('\n')));
    const QStringList cut = cutOff(inWindows);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    t.windows().alarmWindow()->stopAlarm();
    t.windows().reminderDialog().putAway();
    t.windows().emailDialog()->cancel();
    tray.notesList().close();
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
