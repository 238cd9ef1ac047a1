// The one-instance lock and the channel to the running copy: where its socket goes, requests and
// replies, the turn each request waits for, what one asker may hold, and what must not keep the
// running copy from answering.

#include "base/channel/singleinstance.h"

#include "serve.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <future>
#include <memory>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using Reply = SingleInstance::Reply;

namespace {

template <typename T>
bool isReady(const std::future<T> &future)
{
    return future.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

sockaddr_un addressOf(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray encoded = QFile::encodeName(path);
    memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
    return address;
}

bool setMode(const QString &path, mode_t mode)
{
    return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

// A client at the socket's level: connected, its request sent, nothing read unless asked.
int connectRaw(const QString &socketPath, const QByteArray &request = {})
{
    const sockaddr_un address = addressOf(socketPath);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0 || ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0)
        return -1;
    if (!request.isEmpty() && ::write(fd, request.constData(), size_t(request.size())) != request.size())
        return -1;
    ::fcntl(fd, F_SETFL, O_NONBLOCK);
    return fd;
}

// The running copy has let this client go: it shut its end, whatever the client has not read.
bool isShut(int fd)
{
    pollfd entry{fd, POLLRDHUP, 0};
    return ::poll(&entry, 1, 0) == 1 && (entry.revents & (POLLRDHUP | POLLHUP | POLLERR));
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void socketPlace_data();
    void socketPlace();
    void requestsAndReplies_data();
    void requestsAndReplies();
    void requestsTakeTheirTurn_data();
    void requestsTakeTheirTurn();
    void oneAskerHoldsLittle_data();
    void oneAskerHoldsLittle();
    void obstaclesDoNotStopTheAnswer_data();
    void obstaclesDoNotStopTheAnswer();
    void silentHolderGivesNoAnswer();

private:
    QString lockFolder() const { return m_dir->filePath(QStringLiteral("config")); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_runtime;
};

void TestSingleInstance::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_runtime = m_dir->filePath(QStringLiteral("runtime"));
    QVERIFY(QDir().mkpath(m_runtime) && setMode(m_runtime, 0700));
    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("tmp"))));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime));
    qputenv("TMPDIR", QFile::encodeName(m_dir->filePath(QStringLiteral("tmp"))));
}

void TestSingleInstance::cleanup()
{
    qunsetenv("XDG_RUNTIME_DIR");
    qunsetenv("TMPDIR");
    m_dir.reset();
}

void TestSingleInstance::socketPlace_data()
{
    QTest::addColumn<QString>("runtime");    // what XDG_RUNTIME_DIR is: private, open, none, long
    QTest::addColumn<QString>("planted");    // what is found at the temporary folder's place
    QTest::addColumn<QString>("expected");   // the socket's folder: runtime, temp, temp.2 or /tmp
    QTest::newRow("private runtime folder") << "private" << "nothing" << "runtime";
    QTest::newRow("runtime folder open to others") << "open" << "nothing" << "temp";
    QTest::newRow("no runtime folder") << "none" << "nothing" << "temp";
    QTest::newRow("paths too long for a socket") << "long" << "nothing" << "/tmp";
    // Another user (or a program of theirs) was first: the channel goes to a folder of ours.
    QTest::newRow("another user's folder") << "none" << "another user's" << "temp.2";
    QTest::newRow("a link to a folder of ours") << "none" << "a link" << "temp.2";
    QTest::newRow("a plain file") << "none" << "a file" << "temp.2";
    // The running copy chose the next folder while the first was taken: later starts find it.
    QTest::newRow("the choice of an earlier start") << "none" << "earlier choice" << "temp.2";
}

void TestSingleInstance::socketPlace()
{
    QFETCH(QString, runtime);
    QFETCH(QString, planted);
    QFETCH(QString, expected);
    if (runtime == QLatin1String("open"))
        QVERIFY(setMode(m_runtime, 0755));
    if (runtime == QLatin1String("none"))
        qunsetenv("XDG_RUNTIME_DIR");
    if (runtime == QLatin1String("long")) {
        const QString deep = QStringLiteral("/%1/%2").arg(QString(60, u'd'), QString(60, u'e'));
        QVERIFY(QDir().mkpath(m_runtime + deep) && setMode(m_runtime + deep, 0700));
        QVERIFY(QDir().mkpath(QDir::tempPath() + deep));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime + deep));
        qputenv("TMPDIR", QFile::encodeName(QDir::tempPath() + deep));
    }
    const QString ours = QStringLiteral("/quillarren-") + QString::number(::getuid());
    const QString first = QDir::tempPath() + ours;
    const QByteArray place = QFile::encodeName(first);
    const QString elsewhere = m_dir->filePath(QStringLiteral("elsewhere"));
    QVERIFY(QDir().mkpath(elsewhere) && setMode(elsewhere, 0700));
    if (planted == QLatin1String("another user's")) {
        if (::getuid() != 0)
            QSKIP("only root can make a folder that belongs to another user");
        QVERIFY(QDir().mkpath(first) && setMode(first, 0700) && ::chown(place.constData(), 65534, 65534) == 0);
    }
    if (planted == QLatin1String("a link"))
        QCOMPARE(::symlink(QFile::encodeName(elsewhere).constData(), place.constData()), 0);
    if (planted == QLatin1String("a file")) {
        QFile file(first);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("in the way") == 10);
    }
    if (planted == QLatin1String("earlier choice"))
        QVERIFY(QDir().mkpath(first + QStringLiteral(".2")) && setMode(first + QStringLiteral(".2"), 0700));
    const QString folder = expected == QLatin1String("runtime") ? m_runtime
        : expected == QLatin1String("temp")                      ? first
        : expected == QLatin1String("temp.2")                    ? first + QStringLiteral(".2")
                                                                 : QStringLiteral("/tmp") + ours;

    SingleInstance running(lockFolder());
    QCOMPARE(QFileInfo(running.socketPath()).absolutePath(), folder);
    QCOMPARE(running.acquire(), SingleInstance::Outcome::Only);
    QVERIFY(QFileInfo::exists(running.socketPath()));
    struct stat info{};
    QCOMPARE(::lstat(QFile::encodeName(folder).constData(), &info), 0);
    QVERIFY(S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 0777) == 0700);
    // Every later start looks in the same place, and is answered there.
    running.answerWhen([] { return true; });
    auto second = std::async(std::launch::async, [this] {
        SingleInstance later(lockFolder());
        return std::make_pair(later.socketPath(), later.acquire());
    });
    QVERIFY(serveUntil([&] { return isReady(second); }));
    const auto [path, outcome] = second.get();
    QCOMPARE(path, running.socketPath());
    QCOMPARE(outcome, SingleInstance::Outcome::OtherAnswered);
}

void TestSingleInstance::requestsAndReplies_data()
{
    QTest::addColumn<QString>("verb");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QStringList>("told");   // the progress the asker is told on the way
    QTest::newRow("raise") << "raise" << QStringList() << 0 << QString() << QStringList();
    QTest::newRow("a verb with arguments") << "echo" << QStringList{"two words", "über\n\"quoted\""} << 3
                                           << "two words|über\n\"quoted\"" << QStringList();
    QTest::newRow("an unknown verb")
        << "restore" << QStringList{"x"} << 1
        << "This Quillarren is older and does not know \"restore\": quit it, then start Quillarren again."
        << QStringList();
    // More than a socket's buffer takes at once, and more than a flood may hold: the reply is
    // written as the client reads it.
    QTest::newRow("a long reply") << "long" << QStringList() << 0 << QString(12 << 20, u'x') << QStringList();
    // Longer than the asker waits for an answer (an import of many notes): it is told how far the
    // work has come, and waits for its end.
    QTest::newRow("a long job") << "slow" << QStringList() << 0 << "done" << QStringList{"1 of 3", "2 of 3", "3 of 3"};
}

void TestSingleInstance::requestsAndReplies()
{
    QFETCH(QString, verb);
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(QStringList, told);
    SingleInstance running(lockFolder());
    QSignalSpy raises(&running, &SingleInstance::raiseRequested);
    running.setHandler(QStringLiteral("echo"), [](const QStringList &args) { return Reply{3, args.join(u'|')}; });
    running.setHandler(QStringLiteral("long"), [&output](const QStringList &) { return Reply{0, output}; });
    running.setHandler(QStringLiteral("slow"), [&running](const QStringList &) {
        for (int step = 1; step <= 3; ++step) {
            QThread::msleep(400);
            running.tellProgress(QStringLiteral("%1 of 3").arg(step));
        }
        return Reply{0, QStringLiteral("done")};
    });
    QCOMPARE(running.acquire(), SingleInstance::Outcome::Only);
    running.answerWhen([] { return true; });

    // A second start is another process; here another thread, so that this one keeps serving.
    QStringList heard;
    auto asked = std::async(std::launch::async, [&] {
        return SingleInstance(lockFolder()).ask(verb, args, 1000, [&heard](const QString &text) { heard.append(text); });
    });
    QVERIFY(serveUntil([&] { return isReady(asked); }));
    QCOMPARE(heard, told);
    const std::optional<Reply> reply = asked.get();
    QVERIFY(reply);
    QCOMPARE(reply->status, status);
    QCOMPARE(reply->output.size(), output.size());
    QCOMPARE(reply->output, output);
    QCOMPARE(raises.count(), verb == QLatin1String("raise") ? 1 : 0);
}

void TestSingleInstance::requestsTakeTheirTurn_data()
{
    QTest::addColumn<QString>("meanwhile");   // what the running copy is in the middle of
    QTest::addColumn<QStringList>("happened");
    // An earlier request whose work waits in an event loop (an import opening its notes, a restore
    // unloading its windows) is not interrupted by the next one.
    QTest::newRow("a request that waits") << "request" << QStringList{"wait begins", "wait ends", "note"};
    // Nor is a dialog (or the popup menu, or the alarm's pause) that waits for the user.
    QTest::newRow("a dialog") << "dialog" << QStringList{"dialog opens", "dialog closes", "note"};
    // Nor are notes that still open.
    QTest::newRow("the program busy") << "busy" << QStringList{"busy ends", "note"};
    // An asker that has given up while it waited is not answered at all; one that has only
    // closed its sending side waits for its answer.
    QTest::newRow("an asker that gave up") << "gave up" << QStringList{"busy ends"};
    QTest::newRow("an asker that stopped sending") << "stopped sending" << QStringList{"busy ends", "note"};
}

void TestSingleInstance::requestsTakeTheirTurn()
{
    QFETCH(QString, meanwhile);
    QFETCH(QStringList, happened);
    SingleInstance running(lockFolder());
    QStringList log;
    bool busy = meanwhile != QLatin1String("request") && meanwhile != QLatin1String("dialog");
    std::function<void()> whileWaiting;
    running.setHandler(QStringLiteral("wait"), [&log, &whileWaiting](const QStringList &) {
        log.append(QStringLiteral("wait begins"));
        if (whileWaiting)
            whileWaiting();
        QEventLoop wait;
        QTimer::singleShot(300, &wait, &QEventLoop::quit);
        wait.exec();
        log.append(QStringLiteral("wait ends"));
        return Reply{};
    });
    running.setHandler(QStringLiteral("note"), [&log](const QStringList &) {
        log.append(QStringLiteral("note"));
        return Reply{0, QStringLiteral("noted")};
    });
    QCOMPARE(running.acquire(), SingleInstance::Outcome::Only);
    running.answerWhen([&busy] { return !busy; });
    std::atomic<bool> toldToWait = false;
    const auto ask = [this, &toldToWait](const QString &verb) {
        return std::async(std::launch::async, [this, verb, &toldToWait] {
            return SingleInstance(lockFolder()).ask(verb, {}, 1000, [&toldToWait](const QString &text) {
                if (text == QStringLiteral("Waiting for the running Quillarren to finish what it is doing…"))
                    toldToWait = true;
            });
        });
    };

    std::future<std::optional<Reply>> first;
    std::future<std::optional<Reply>> note;
    if (meanwhile == QLatin1String("request")) {
        whileWaiting = [&] { note = ask(QStringLiteral("note")); };
        first = ask(QStringLiteral("wait"));
        QVERIFY(serveUntil([&log] { return log.contains(QStringLiteral("wait ends")); }));
    } else if (meanwhile == QLatin1String("dialog")) {
        QTimer::singleShot(0, [&] {
            log.append(QStringLiteral("dialog opens"));
            QEventLoop dialog;
            note = ask(QStringLiteral("note"));
            QTimer::singleShot(400, &dialog, &QEventLoop::quit);
            dialog.exec();
            log.append(QStringLiteral("dialog closes"));
        });
        QVERIFY(serveUntil([&log] { return log.contains(QStringLiteral("dialog closes")); }));
    } else if (meanwhile == QLatin1String("busy")) {
        note = ask(QStringLiteral("note"));
        QVERIFY(serveUntil([&toldToWait] { return bool(toldToWait); }));
        serveFor(100);
        log.append(QStringLiteral("busy ends"));
        busy = false;
    } else {
        const int fd = connectRaw(running.socketPath(), "{\"verb\": \"note\"}\n");
        QVERIFY(fd >= 0);
        char taken[64];
        QVERIFY(serveUntil([&] { return ::read(fd, taken, sizeof taken) > 0; }));   // told it has come
        if (meanwhile == QLatin1String("gave up"))
            ::close(fd);
        else
            ::shutdown(fd, SHUT_WR);
        serveFor(100);
        log.append(QStringLiteral("busy ends"));
        busy = false;
        QByteArray answer;
        serveUntil([&] {
            for (ssize_t n; meanwhile != QLatin1String("gave up") && (n = ::read(fd, taken, sizeof taken)) > 0;)
                answer.append(taken, n);
            return answer.contains("noted");
        }, 500);
        if (meanwhile != QLatin1String("gave up"))
            ::close(fd);
    }
    if (note.valid()) {
        QVERIFY(serveUntil([&] { return isReady(note) && (!first.valid() || isReady(first)); }));
        const std::optional<Reply> reply = note.get();
        QVERIFY(reply);
        QCOMPARE(reply->output, QStringLiteral("noted"));
    }
    QCOMPARE(log, happened);
}

void TestSingleInstance::oneAskerHoldsLittle_data()
{
    QTest::addColumn<int>("connections");   // the asker's, each asking for a reply of replyMiB
    QTest::addColumn<int>("replyMiB");
    // A program that opens more connections than a command does, or asks and does not read, would
    // have the running copy hold reply after reply.
    QTest::newRow("more connections than a command makes") << 5 << 2;
    QTest::newRow("replies not taken") << 3 << 5;
}

void TestSingleInstance::oneAskerHoldsLittle()
{
    QFETCH(int, connections);
    QFETCH(int, replyMiB);
    SingleInstance running(lockFolder());
    const QString reply(replyMiB << 20, u'x');
    running.setHandler(QStringLiteral("long"), [&reply](const QStringList &) { return Reply{0, reply}; });
    QCOMPARE(running.acquire(), SingleInstance::Outcome::Only);
    running.answerWhen([] { return true; });

    QList<int> fds;
    for (int i = 0; i < connections; ++i) {
        fds.append(connectRaw(running.socketPath(), "{\"verb\": \"long\"}\n"));
        QVERIFY(fds.constLast() >= 0);
    }
    // Nothing is read: the running copy must let all of them go by itself.
    QVERIFY2(serveUntil([&fds] { return std::all_of(fds.cbegin(), fds.cend(), isShut); }, 3000),
             "the running copy still holds what the asker does not take");
    for (int fd : std::as_const(fds))
        ::close(fd);
    // Others, and the same asker once it behaves, are answered as before.
    auto asked = std::async(std::launch::async, [this] { return SingleInstance(lockFolder()).ask(QStringLiteral("raise"), {}, 1000); });
    QVERIFY(serveUntil([&] { return isReady(asked); }));
    QVERIFY(asked.get());
}

void TestSingleInstance::obstaclesDoNotStopTheAnswer_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("none") << "none";
    QTest::newRow("socket left by a kill") << "stale socket";
    QTest::newRow("clients that say nothing") << "silent clients";
}

// A second start is answered at once, and the notes come forward.
void TestSingleInstance::obstaclesDoNotStopTheAnswer()
{
    QFETCH(QString, obstacle);
    SingleInstance running(lockFolder());
    QSignalSpy raises(&running, &SingleInstance::raiseRequested);
    const sockaddr_un address = addressOf(running.socketPath());
    const auto *at = reinterpret_cast<const sockaddr *>(&address);
    if (obstacle == QLatin1String("stale socket")) {
        const int dead = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QCOMPARE(::bind(dead, at, sizeof address), 0);
        ::close(dead);
        QVERIFY(!SingleInstance(lockFolder()).ask(QStringLiteral("raise"), {}, 100));
    }
    QCOMPARE(running.acquire(), SingleInstance::Outcome::Only);
    running.answerWhen([] { return true; });
    const int silent = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const int halfway = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (obstacle == QLatin1String("silent clients")) {
        QVERIFY(::connect(silent, at, sizeof address) == 0 && ::connect(halfway, at, sizeof address) == 0);
        QCOMPARE(::write(halfway, "{\"verb\": \"rai", 13), ssize_t(13));
    }

    QElapsedTimer waited;
    waited.start();
    auto second = std::async(std::launch::async, [this] { return SingleInstance(lockFolder()).acquire(); });
    QVERIFY(serveUntil([&] { return isReady(second); }));
    QCOMPARE(second.get(), SingleInstance::Outcome::OtherAnswered);
    QVERIFY2(waited.elapsed() < 1000, QByteArray::number(waited.elapsed()));
    QCOMPARE(raises.count(), 1);
    ::close(silent);
    ::close(halfway);
}

// Lock held, nobody listening: a copy that is stuck, or a command-line verb at work on the store.
void TestSingleInstance::silentHolderGivesNoAnswer()
{
    SingleInstance working(lockFolder());
    QVERIFY(working.tryLock());
    SingleInstance second(lockFolder());
    QVERIFY(!second.tryLock());
    QCOMPARE(second.holder(), QCoreApplication::applicationPid());
    QElapsedTimer waited;
    waited.start();
    QVERIFY(!second.ask(QStringLiteral("raise"), {}, 300));
    QVERIFY2(waited.elapsed() >= 300 && waited.elapsed() < 1000, QByteArray::number(waited.elapsed()));
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
