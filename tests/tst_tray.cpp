// The tray icon's menu and the notes list, on a whole program with the real store: what each
// item does, and what the search finds.

#include "testprogram.h"

#include "gui/platform/autostart.h"
#include "app/noteverbs.h"
#include "base/backup/backups.h"
#include "gui/menu/notecommands.h"
#include "gui/sync/notesync.h"
#include "gui/tray/noteslist.h"
#include "gui/tray/searchfold.h"
#include "gui/tray/trayicon.h"

#include <QAction>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

QAction *itemOf(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == text || action->text().startsWith(text + QLatin1Char('\t')))
            return action;
    }
    return nullptr;
}

QStringList texts(QMenu *menu)
{
    QStringList found;
    for (QAction *action : menu->actions())
        found.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return found;
}

QStringList shownTitles(NotesList &list)
{
    QStringList titles;
    QAbstractItemModel *model = list.view()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        titles.append(model->index(row, 0).data().toString());
    return titles;
}

} // namespace

class TestTray : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void menuItemsDoWhatTheySay();
    void searchFindsNotesByTheirWholeText_data();
    void searchFindsNotesByTheirWholeText();
    void searchFoldsAsASearchWould_data();
    void searchFoldsAsASearchWould();
    void enterBringsTheNoteToTheUser();
};

void TestTray::cleanup()
{
    TestProgram::expectNoWindowsLeft();
}

void TestTray::menuItemsDoWhatTheySay()
{
    TestProgram t;
    t.clock.set(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
    t.seedNotes({"first", "second", "third"});
    t.start();
    Backups backups(t.storePath());
    NoteSync sync(t.program());
    TrayIcon tray(t.program(), backups, sync);
    QMenu *menu = tray.menu();
    tray.refreshMenu();
    QCOMPARE(texts(menu), (QStringList{"New Note", "Show All Notes", "Find Note…", "Deleted Notes", "Backups",
                                       "Sync Folder…", "Stop Syncing", "Start at Login", "-", "Quit"}));
    // A panel that draws the menu may keep room for a hidden entry: none is hidden, Stop Syncing
    // is greyed while nothing syncs. Opened again with nothing changed, no submenu is remade (a
    // panel would fetch it again as the menu opens).
    const auto entries = [menu] {
        QList<QAction *> all = menu->actions();
        for (QAction *action : menu->actions()) {
            if (action->menu())
                all += action->menu()->actions();
        }
        return all;
    };
    const QList<QAction *> first = entries();
    for (const QAction *action : first)
        QVERIFY2(action->isVisible(), qPrintable(action->text()));
    QVERIFY(!itemOf(menu, "Stop Syncing")->isEnabled());
    tray.refreshMenu();
    QCOMPARE(entries(), first);
    QTemporaryDir syncFolder;
    QString said;
    QVERIFY(sync.setFolder(syncFolder.path(), &said));
    tray.refreshMenu();
    QVERIFY(itemOf(menu, "Stop Syncing")->isEnabled());
    itemOf(menu, "Stop Syncing")->trigger();
    QVERIFY(!sync.isActive());

    // Deleted notes, newest first; choosing one brings it back.
    QCOMPARE(texts(itemOf(menu, "Deleted Notes")->menu()), QStringList{"No deleted notes"});
    t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
    t.program().notebook().deleteCurrentNote();
    t.clock.set(QDateTime(QDate(2026, 12, 9), QTime(10, 5)));
    t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
    t.program().notebook().deleteCurrentNote();
    tray.refreshMenu();
    QMenu *deleted = itemOf(menu, "Deleted Notes")->menu();
    QCOMPARE(deleted->actions().size(), 2);
    QVERIFY(deleted->actions().at(0)->text().startsWith(QLatin1String("second\t")));
    QVERIFY(deleted->actions().at(1)->text().startsWith(QLatin1String("first\t")));
    deleted->actions().at(1)->trigger();
    QCOMPARE(t.texts(), (QStringList{"third", "first"}));

    // Backups: made now, listed, and Back Up Now is there.
    QString error;
    QVERIFY(backups.makeNow(QDateTime(QDate(2026, 12, 8), QTime(9, 0)), &error));
    tray.refreshMenu();
    const QStringList backupItems = texts(itemOf(menu, "Backups")->menu());
    QCOMPARE(backupItems.size(), 3);
    QCOMPARE(backupItems.at(0), QStringLiteral("Back Up Now"));
    QVERIFY(backupItems.at(2).startsWith(QLatin1String("Restore from ")));

    // Start at Login is the autostart entry, both ways.
    QAction *login = itemOf(menu, "Start at Login");
    QVERIFY(!login->isChecked());
    login->trigger();
    QVERIFY(Autostart::isOn());
    tray.refreshMenu();
    QVERIFY(login->isChecked());
    login->trigger();
    QVERIFY(!Autostart::isOn());

    // New Note, Show All Notes (a note put away comes back), Quit (stores and ends).
    itemOf(menu, "New Note")->trigger();
    QCOMPARE(t.texts().size(), 3);
    NoteWindow *putAway = t.notes().constFirst();
    putAway->close();
    QVERIFY(putAway->isPutAway());
    tray.bringNotesForward();
    QVERIFY(putAway->isPutAway());   // a left click brings the open notes only
    itemOf(menu, "Show All Notes")->trigger();
    QVERIFY(!putAway->isPutAway() && putAway->isVisible());
    itemOf(menu, "Quit")->trigger();
    QCOMPARE(t.endCount, 1);
    QCOMPARE(t.store().get(NoteKeys::TotalForms), QStringLiteral("3"));
}

void TestTray::searchFindsNotesByTheirWholeText_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("nothing typed: all") << "" << QStringList{"Shopping", "Café Müller", "(empty note)", "Übung macht den Meister"};
    QTest::newRow("a later line") << "MILK" << QStringList{"Shopping"};
    QTest::newRow("without accents") << "cafe muller" << QStringList{"Café Müller"};
    QTest::newRow("accents typed, none in the note") << "bröad" << QStringList{"Shopping"};
    QTest::newRow("upper-case accent") << "ubung" << QStringList{"Übung macht den Meister"};
    QTest::newRow("sharp s typed as ss") << "strasse" << QStringList{"Café Müller"};
    QTest::newRow("narrowed, then widened again")
        << "m" << QStringList{"Shopping", "Café Müller", "Übung macht den Meister"};
    QTest::newRow("no match") << "zebra" << QStringList{};
}

void TestTray::searchFindsNotesByTheirWholeText()
{
    QFETCH(QString, query);
    QFETCH(QStringList, found);
    TestProgram t;
    t.seedNotes({"Shopping\n- milk\n- broad beans", "Café Müller\nTuesday\nGartenstraße 5", "",
                 "Übung macht den Meister"});
    t.start();
    Backups backups(t.storePath());
    NoteSync sync(t.program());
    TrayIcon tray(t.program(), backups, sync);
    NotesList &list = tray.notesList();
    list.open();
    // Typed key by key, and the last query again from an empty box: the same notes either way.
    for (qsizetype typed = 1; typed <= query.size(); ++typed)
        list.searchBox()->setText(query.left(typed));
    if (QTest::currentDataTag() == QLatin1String("narrowed, then widened again")) {
        list.searchBox()->setText(QStringLiteral("mi"));
        list.searchBox()->setText(QStringLiteral("milk"));
        list.searchBox()->setText(query);
    }
    QCOMPARE(shownTitles(list), found);
    list.searchBox()->clear();
    list.searchBox()->setText(query);
    QCOMPARE(shownTitles(list), found);
    list.close();
}

void TestTray::searchFoldsAsASearchWould_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("found");
    QTest::newRow("ß as ss") << "Gartenstraße 5" << "STRASSE" << true;
    QTest::newRow("ss as ß") << "Gartenstrasse 5" << "straße" << true;
    QTest::newRow("capital sharp s") << "GARTENSTRAẞE" << "strasse" << true;
    QTest::newRow("one s is not ß") << "Straße" << "strase" << false;
    QTest::newRow("fi ligature") << "ﬁnal ﬁgures" << "final" << true;
    QTest::newRow("ffi ligature") << "the oﬃce" << "OFFICE" << true;
    QTest::newRow("ae and oe") << "Encyclopædia, cœur" << "encyclopaedia, coeur" << true;
    QTest::newRow("full-width letters and digits") << "ＡＢＣ１２３" << "abc123" << true;
    QTest::newRow("half-width katakana") << "ｶﾀｶﾅ" << "カタカナ" << true;
    QTest::newRow("stroked letters") << "Ørsted in Łódź" << "orsted in lodz" << true;
    QTest::newRow("accents typed, decomposed in the note") << QString::fromUtf16(u"Cafe\u0301") << "CAFÉ" << true;
    QTest::newRow("dotted capital I") << "İstanbul" << "istanbul" << true;
    QTest::newRow("Greek final sigma and accent") << "ΟΔΌΣ" << "οδος" << true;
    QTest::newRow("outside the basic plane") << QString::fromUtf16(u"\U0001D407\U0001D41E\U0001D425\U0001D425\U0001D428 world") << "hello" << true;
}

// A search finds a note when the note and the query fold to texts one holding the other.
void TestTray::searchFoldsAsASearchWould()
{
    QFETCH(QString, text);
    QFETCH(QString, query);
    QFETCH(bool, found);
    SearchFold fold;
    QString buffer;
    // The buffer holds a longer text first: what is left of it must not count.
    fold.foldInto(QStringLiteral("a much longer text that ends in ") + query, buffer);
    fold.foldInto(text, buffer);
    QCOMPARE(buffer, fold.folded(text));
    QCOMPARE(buffer.contains(fold.folded(query)), found);
}

// Enter in the search box opens the first match: a note put away is shown again, with the
// keyboard; one off every screen comes onto the screen, its stored place kept.
void TestTray::enterBringsTheNoteToTheUser()
{
    TestProgram t;
    t.seedNotes({"alpha", "bravo"});
    t.start();
    Backups backups(t.storePath());
    NoteSync sync(t.program());
    TrayIcon tray(t.program(), backups, sync);
    NoteWindow *bravo = t.note(QStringLiteral("NotesForm2"));
    bravo->close();
    NotesList &list = tray.notesList();
    list.open();
    QVERIFY(shownTitles(list).contains(QStringLiteral("bravo  (put away)")));
    QTest::keyClicks(list.searchBox(), QStringLiteral("brav"));
    QTest::keyClick(list.searchBox(), Qt::Key_Return);
    QVERIFY(!list.isVisible());
    QVERIFY(bravo->isVisible() && !bravo->isPutAway());
    QTRY_VERIFY(bravo->isActiveWindow());
    QTRY_COMPARE(QApplication::focusWidget(), bravo->textField());

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    NoteWindow *alpha = t.note(QStringLiteral("NotesForm1"));
    alpha->move(screen.right() + 500, screen.bottom() + 500);
    const QString storedLeft = t.store().get(QStringLiteral("NotesForm1.Left"));
    list.open();
    list.searchBox()->setText(QStringLiteral("alpha"));
    list.openCurrent();
    QVERIFY(screen.contains(alpha->geometry()));
    TestProgram::settle();
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.Left")), storedLeft);
}

QTEST_MAIN(TestTray)
#include "tst_tray.moc"
