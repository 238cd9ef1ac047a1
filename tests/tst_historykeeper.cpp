#include "testprogram.h"

#include "app/noteverbs.h"
#include "base/backup/backups.h"
#include "base/notefile/noteimport.h"
#include "base/history/notehistory.h"
#include "gui/history/historykeeper.h"
#include "gui/history/historywindow.h"
#include "gui/menu/notemenu.h"
#include "gui/notebook/notebook.h"
#include "gui/reminder/remindercheck.h"

#include <QTextBlock>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString Original = QStringLiteral("the original text");
const QString Id = QStringLiteral("0b8f5a4e-3c1d-4e7a-9f2b-1a2b3c4d5e6f");

enum class Change { KeyPaste, ShortKeyPaste, MenuPaste, KeyCut, MenuCut, SelectAllKey, SelectAllDelete,
                    FewTypedOver, TypingPause, FromSyncFolder, BackupRestored, ReminderFlash };

} // namespace

Q_DECLARE_METATYPE(Change)

// The keeper on a whole program: which changes keep the text they replace, and a restore from
// the note's menu.
class TestHistoryKeeper final : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_app;
    std::unique_ptr<HistoryKeeper> m_keeper;
    NoteWindow *m_note = nullptr;

    QStringList keptTexts() const
    {
        QStringList texts;
        for (const NoteHistory::Version &version : m_keeper->history().list(Id))
            texts.append(m_keeper->history().read(Id, version.made).value_or(QString()));
        return texts;
    }

    void change(Change what)
    {
        QPlainTextEdit *field = m_note->textField();
        switch (what) {
        case Change::KeyPaste: QGuiApplication::clipboard()->setText(QStringLiteral("pasted words")); QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier); break;
        case Change::ShortKeyPaste: QGuiApplication::clipboard()->setText(QStringLiteral("ab")); QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier); break;
        case Change::MenuPaste: QGuiApplication::clipboard()->setText(QStringLiteral("pasted words")); m_app->choose(m_note, QStringLiteral("PasteName")); break;
        case Change::KeyCut: TestProgram::select(m_note, 0, 12); QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier); break;
        case Change::MenuCut: TestProgram::select(m_note, 0, 12); m_app->choose(m_note, QStringLiteral("CutName")); break;
        case Change::SelectAllKey: QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier); QTest::keyClick(field, Qt::Key_Z); break;
        case Change::SelectAllDelete: QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier); QTest::keyClick(field, Qt::Key_Delete); break;
        case Change::FewTypedOver: TestProgram::select(m_note, 0, 3); QTest::keyClicks(field, QStringLiteral("a")); break;
        case Change::TypingPause:
            QTest::keyClicks(field, QStringLiteral("!"));
            QTRY_VERIFY_WITH_TIMEOUT(!keptTexts().isEmpty(), HistoryKeeper::PauseMs * 3);
            break;
        case Change::FromSyncFolder: m_app->program().notebook().showSyncedChange(m_note, QStringLiteral("from afar")); break;
        case Change::BackupRestored: restoreBackupOverTyping(); break;
        case Change::ReminderFlash:
            m_app->windows().reminderCheck().flashStepMs = 1;
            m_app->windows().reminderCheck().Alarm(m_note);
            break;
        }
    }

    // A backup of the original, typing after it, then the backup restored over the typing.
    void restoreBackupOverTyping()
    {
        m_app->store().flushPending();
        QString error;
        const std::optional<QString> backup = Backups(m_app->storePath()).makeNow(QDateTime::currentDateTime(), &error);
        QVERIFY2(backup, qPrintable(error));
        QTest::keyClicks(m_note->textField(), QStringLiteral(" typed since"));
        QTRY_COMPARE(m_app->store().get(NoteKeys::tagFor(1) + NoteKeys::Notes), Original + QStringLiteral(" typed since"));
        m_app->dialogs.answers.enqueue(MessageAnswer::Yes);
        QVERIFY(m_app->program().notebook().restoreBackup(*backup).done);
        QCOMPARE(m_app->texts(), QStringList{Original});
    }

private slots:
    void init()
    {
        m_app = std::make_unique<TestProgram>();
        m_app->seedNotes({Original});
        m_app->seed(NoteKeys::tagFor(1) + NoteKeys::Id, Id);
        m_keeper = std::make_unique<HistoryKeeper>(m_app->program());
        m_keeper->open();
        QVERIFY(m_keeper->history().isOpen());
        m_app->start();
        QCOMPARE(m_app->notes().size(), 1);
        m_note = m_app->notes().constFirst();
        m_keeper->attach(m_note);
        m_note->textField()->moveCursor(QTextCursor::End);
    }

    void cleanup()
    {
        m_keeper.reset();
        m_app.reset();
    }

    void keptBeforeTheChange_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("kept");   // empty: nothing kept
        QTest::newRow("Ctrl+V of more than a few characters") << Change::KeyPaste << Original;
        QTest::newRow("Ctrl+V of a few characters") << Change::ShortKeyPaste << QString();
        QTest::newRow("menu Paste") << Change::MenuPaste << Original;
        QTest::newRow("Ctrl+X") << Change::KeyCut << Original;
        QTest::newRow("menu Cut") << Change::MenuCut << Original;
        QTest::newRow("Select All, then a letter") << Change::SelectAllKey << Original;
        QTest::newRow("Select All, then Delete") << Change::SelectAllDelete << Original;
        QTest::newRow("a few characters typed over") << Change::FewTypedOver << QString();
        QTest::newRow("a pause in typing keeps the typed text") << Change::TypingPause << Original + QStringLiteral("!");
        QTest::newRow("a change from the sync folder") << Change::FromSyncFolder << Original;
        QTest::newRow("the reminder's flash") << Change::ReminderFlash << Original;
        QTest::newRow("a backup restored over typing") << Change::BackupRestored << Original + QStringLiteral(" typed since");
    }

    void keptBeforeTheChange()
    {
        QFETCH(Change, change);
        QFETCH(QString, kept);
        this->change(change);
        if (QTest::currentTestFailed())
            return;
        const QStringList texts = keptTexts();
        QCOMPARE(texts.isEmpty() ? QString() : texts.constFirst(), kept);
        if (change != Change::TypingPause && change != Change::BackupRestored && change != Change::ReminderFlash)
            QVERIFY(m_note->noteText() != Original);   // the change itself went through
    }

    // The hourly upkeep keeps the history of the open notes and of the deleted notes the trash
    // keeps (a restored note gets it back), and drops it once the trash has let the note go.
    void upkeepFollowsTheTrash()
    {
        const QString trashed = QStringLiteral("1c9e6b5f-4d2e-4f8b-8a3c-2b3c4d5e6f70");
        const QString gone = QStringLiteral("2d0f7c6a-5e3f-4a9c-9b4d-3c4d5e6f7081");
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (const QString &id : {Id, trashed, gone})
            QVERIFY(m_keeper->history().add(id, QStringLiteral("a version"), now));
        SettingsStore::Change change;
        change.toTrash.append({trashed, now, {{NoteKeys::Notes, QStringLiteral("deleted")}}});
        QString error;
        QVERIFY2(m_app->store().commit(change, &error), qPrintable(error));
        m_keeper->upkeep();
        QCOMPARE(m_keeper->history().list(Id).size(), 1);
        QCOMPARE(m_keeper->history().list(trashed).size(), 1);
        QCOMPARE(m_keeper->history().list(gone).size(), 0);
        m_app->store().dropTrashedBefore(now.addDays(1));
        m_keeper->upkeep();
        QCOMPARE(m_keeper->history().list(trashed).size(), 0);
        QCOMPARE(m_keeper->history().list(Id).size(), 1);
    }

    // --export --all carries each note's versions, and the file imports again.
    void exportCarriesTheHistory()
    {
        QVERIFY(m_keeper->history().add(Id, QStringLiteral("an earlier text"), QDateTime::currentDateTimeUtc()));
        const QString file = QFileInfo(m_app->storePath()).dir().filePath(QStringLiteral("export.json"));
        const NoteVerbs::Reply reply = NoteVerbs(m_app->program()).exportNotes(file, true);
        QVERIFY2(reply.status == 0 && reply.output.contains(QStringLiteral("with their history")), qPrintable(reply.output));
        const QJsonArray notes = QJsonDocument::fromJson(OnDisk::readFile(file)).object().value(QStringLiteral("notes")).toArray();
        QCOMPARE(notes.size(), 1);
        const QJsonArray versions = notes.at(0).toObject().value(QStringLiteral("history")).toArray();
        QCOMPARE(versions.size(), 1);
        QCOMPARE(versions.at(0).toObject().value(QStringLiteral("text")).toString(), QStringLiteral("an earlier text"));
        QString error;
        QVERIFY2(NoteImport::read(file, &error), qPrintable(error));
    }

    // "Note History…" is the menu's last item; restoring from it keeps the text it replaces, and
    // the note and the store take the version.
    void restoreFromTheMenu()
    {
        QTest::keyClick(m_note->textField(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(m_note->textField(), QStringLiteral("overwritten"));
        QCOMPARE(m_app->windows().noteMenu().popupMenu()->actions().constLast()->objectName(),
                 QStringLiteral("NoteHistoryName"));
        m_app->choose(m_note, QStringLiteral("NoteHistoryName"));
        HistoryWindow *window = m_keeper->historyWindow();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->versions()->count(), 1);
        // The chosen version beside the note now: the line that differs is marked.
        window->versions()->setCurrentRow(0);
        QCOMPARE(window->text()->toPlainText(), Original);
        QCOMPARE(window->text()->extraSelections().size(), 1);
        QCOMPARE(window->text()->extraSelections().constFirst().cursor.block().text(), Original);
        QTest::keyClick(window->versions(), Qt::Key_Return);
        QCOMPARE(m_note->noteText(), Original);
        QTRY_COMPARE(m_app->store().get(NoteKeys::tagFor(1) + NoteKeys::Notes), Original);
        QCOMPARE(keptTexts(), (QStringList{QStringLiteral("overwritten"), Original}));
        QCOMPARE(window->versions()->count(), 2);
        // The restore is undone as any: the text it replaced is the newest version.
        window->versions()->setCurrentRow(0);
        window->restoreButton()->click();
        QCOMPARE(m_note->noteText(), QStringLiteral("overwritten"));
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(TestHistoryKeeper)
#include "tst_historykeeper.moc"
