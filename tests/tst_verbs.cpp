// Every verb of the command line says the same through the running copy's channel as it says on
// the store alone: the same table serves both, so an argument the command line sends and the
// running copy reads otherwise, or a verb the running copy does not answer, shows here.

#include "fakeclock.h"
#include "fakedialogs.h"
#include "fakeshell.h"
#include "fakesound.h"

#include "app/programlanguage.h"
#include "app/desktopprogram.h"
#include "base/backup/backups.h"
#include "base/channel/singleinstance.h"
#include "base/store/notekeys.h"
#include "base/store/settingsstore.h"
#include "gui/notebook/noteopener.h"
#include "gui/platform/qtlayeredwindow.h"

#include <QDateTime>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

struct Said
{
    int status = -1;
    QString output;
};

} // namespace

class TestVerbs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sameThroughTheChannel_data();
    void sameThroughTheChannel();

private:
    // The built program run with these arguments, as a user runs it, while the test's event
    // loop keeps answering the channel.
    void run(const QStringList &args, Said *said);
    QString file(const QString &name) const { return m_dir.path() + QLatin1Char('/') + name; }

    QTemporaryDir m_dir;
};

void TestVerbs::run(const QStringList &args, Said *said)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(QUILLARREN_PROGRAM), args);
    QVERIFY(process.waitForStarted());
    // The channel is answered from the outermost event loop only, as the program's own.
    QEventLoop loop;
    connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    QCOMPARE(process.state(), QProcess::NotRunning);
    *said = {process.exitCode(), QString::fromUtf8(process.readAll())};
}

void TestVerbs::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", m_dir.path().toUtf8());
    qputenv("XDG_RUNTIME_DIR", m_dir.path().toUtf8());
    // The running copy speaks as the program does: English, with its plural forms.
    qputenv("LANGUAGE", "en");
    ProgramLanguage::install(QLocale(QLocale::English), QStringLiteral(QUILLARREN_TRANSLATIONS));
    SettingsStore store;
    QVERIFY(store.open(SettingsStore::defaultPath()).ok);
    store.save(NoteKeys::TotalForms, QStringLiteral("2"));
    store.save(NoteKeys::tagFor(1) + NoteKeys::Notes, QStringLiteral("alpha"));
    store.save(NoteKeys::tagFor(2) + NoteKeys::Notes, QStringLiteral("bravo"));
    SettingsStore::Change trash;
    trash.toTrash = {{QStringLiteral("c0ffee"), QDateTime::currentDateTime(), {{NoteKeys::Notes, QStringLiteral("gone")}}}};
    QString error;
    QVERIFY2(store.commit(trash, &error), qPrintable(error));
    QVERIFY(store.flushPending());
    // A file holding the notes that are here, and one that is no store at all.
    Said exported;
    run({QStringLiteral("--export"), file(QStringLiteral("here.json"))}, &exported);
    QCOMPARE(exported.status, 0);
    QFile junk(file(QStringLiteral("junk.sqlite3")));
    QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("not a store") > 0);
}

void TestVerbs::sameThroughTheChannel_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    const QString out = file(QStringLiteral("out.json"));
    QTest::newRow("deleted") << QStringList{QStringLiteral("--deleted")} << 0;
    QTest::newRow("backups") << QStringList{QStringLiteral("--backups")} << 0;
    QTest::newRow("restore unknown") << QStringList{QStringLiteral("--restore"), QStringLiteral("nosuch")} << 1;
    QTest::newRow("restore-backup junk") << QStringList{QStringLiteral("--restore-backup"), file(QStringLiteral("junk.sqlite3"))} << 1;
    QTest::newRow("export") << QStringList{QStringLiteral("--export"), out} << 0;
    QTest::newRow("export all") << QStringList{QStringLiteral("--export"), out, QStringLiteral("--all")} << 0;
    QTest::newRow("import here") << QStringList{QStringLiteral("--import"), file(QStringLiteral("here.json"))} << 0;
    QTest::newRow("import as new") << QStringList{QStringLiteral("--import"), file(QStringLiteral("here.json")),
                                                  QStringLiteral("--as-new")} << 0;
    QTest::newRow("tray off") << QStringList{QStringLiteral("--tray"), QStringLiteral("off")} << 0;
    QTest::newRow("tray on") << QStringList{QStringLiteral("--tray"), QStringLiteral("on")} << 0;
}

void TestVerbs::sameThroughTheChannel()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    Said alone;
    run(args, &alone);
    QCOMPARE(alone.status, status);

    FakeDialogs dialogs;
    FakeClock clock;
    QtLayeredWindow layered;
    FakeShell shell;
    FakeSound sound;
    const QString storePath = SettingsStore::defaultPath();
    SingleInstance instance(QFileInfo(storePath).absolutePath());
    QCOMPARE(instance.acquire(), SingleInstance::Outcome::Only);
    SettingsStore store;
    QVERIFY(store.open(storePath).ok);
    Backups backups(storePath);
    {
        DesktopProgram running(store, backups, Platform{&dialogs, &clock, &layered, &shell, &sound}, instance);
        QVERIFY(running.start(QStringLiteral("raise")));
        QTRY_VERIFY(!running.program().opener().isBusy());
        Said asked;
        run(args, &asked);
        QCOMPARE(asked.status, alone.status);
        QCOMPARE(asked.output, alone.output);
        running.program().quitting = true;   // its windows going must not end the test
    }
}

QTEST_MAIN(TestVerbs)
#include "tst_verbs.moc"
