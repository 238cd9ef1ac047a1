// The one-instance lock and the channel to the running copy: where its socket goes, requests and
// replies, and clients that must not get in the way (silent, stale, another user's).

#include "platform/singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstring>
#include <future>
#include <memory>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <poll.h>
#include <unistd.h>

using Reply = SingleInstance::Reply;
using namespace std::chrono_literals;

namespace {

// A second start is another process; here it is another thread, so that this one keeps serving.
std::future<std::optional<Reply>> askLater(const QString &folder, const QString &verb, const QStringList &args = {},
                                           int waitMs = 2000)
{
    return std::async(std::launch::async, [=] { return SingleInstance(folder).ask(verb, args, waitMs); });
}

template <typename T>
bool isReady(const std::future<T> &future)
{
    return future.wait_for(0ms) == std::future_status::ready;
}

sockaddr_un addressOf(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray encoded = QFile::encodeName(path);
    memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
    return address;
}

// A raw client that connects and, when given one, sends a request; -1 when it cannot connect.
int connectRaw(const QString &path, const QByteArray &send = {})
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_un address = addressOf(path);
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    if (!send.isEmpty() && ::write(fd, send.constData(), size_t(send.size())) != send.size()) {
        ::close(fd);
        return -1;
    }
    return fd;
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
    void secondStartIsAnswered();
    void silentHolderGivesNoAnswer();
    void socketLeftByAKillIsReplaced();
    void clientsThatSayNothingDoNotBlock();
    void otherUsersAreRefused_data();
    void otherUsersAreRefused();

private:
    QString lockFolder() const { return m_dir->filePath(QStringLiteral("config")); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_runtime;
};

void TestSingleInstance::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_runtime = m_dir->filePath(QStringLiteral("runtime"));
    QVERIFY(QDir().mkpath(m_runtime));
    QVERIFY(QFile::setPermissions(m_runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime));
    const QString temp = m_dir->filePath(QStringLiteral("tmp"));
    QVERIFY(QDir().mkpath(temp));
    qputenv("TMPDIR", QFile::encodeName(temp));
}

void TestSingleInstance::cleanup()
{
    qunsetenv("XDG_RUNTIME_DIR");
    qunsetenv("TMPDIR");
    m_dir.reset();
}

void TestSingleInstance::socketPlace_data()
{
    QTest::addColumn<QString>("runtime");   // "private", "open", "none", "long"
    QTest::addColumn<QString>("temp");      // "ours", "planted", "long"
    QTest::addColumn<QString>("expected");  // the folder the socket goes to: runtime, temp or /tmp
    QTest::newRow("private runtime folder") << "private" << "ours" << "runtime";
    QTest::newRow("runtime folder open to others") << "open" << "ours" << "temp";
    QTest::newRow("no runtime folder") << "none" << "ours" << "temp";
    // Socket addresses hold 107 bytes.
    QTest::newRow("paths too long") << "long" << "long" << "/tmp";
    QTest::newRow("temporary folder planted by another user") << "none" << "planted" << "/tmp";
}

void TestSingleInstance::socketPlace()
{
    QFETCH(QString, runtime);
    QFETCH(QString, temp);
    QFETCH(QString, expected);
    const QString deep = QStringLiteral("/") + QString(60, QLatin1Char('d')) + QStringLiteral("/")
        + QString(60, QLatin1Char('e'));
    if (runtime == QLatin1String("open"))
        QVERIFY(QFile::setPermissions(m_runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                     | QFile::ReadOther | QFile::ExeOther));
    if (runtime == QLatin1String("none"))
        qunsetenv("XDG_RUNTIME_DIR");
    if (runtime == QLatin1String("long")) {
        QVERIFY(QDir().mkpath(m_runtime + deep));
        QVERIFY(QFile::setPermissions(m_runtime + deep, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime + deep));
    }
    const QString ours = QStringLiteral("/quillarren-") + QString::number(::getuid());
    if (temp == QLatin1String("long")) {
        QVERIFY(QDir().mkpath(QDir::tempPath() + deep));
        qputenv("TMPDIR", QFile::encodeName(QDir::tempPath() + deep));
    }
    if (temp == QLatin1String("planted")) {
        if (::getuid() != 0)
            QSKIP("only root can plant a folder owned by another user");
        QVERIFY(QDir().mkpath(QDir::tempPath() + ours));
        QCOMPARE(::chown(QFile::encodeName(QDir::tempPath() + ours).constData(), 65534, 65534), 0);
    }
    const QString folder = expected == QLatin1String("runtime") ? qEnvironmentVariable("XDG_RUNTIME_DIR")
        : expected == QLatin1String("temp")                      ? QDir::tempPath() + ours
                                                                 : QStringLiteral("/tmp") + ours;

    SingleInstance running(lockFolder());
    QCOMPARE(QFileInfo(running.socketPath()).absolutePath(), folder);
    QVERIFY(QFile::encodeName(running.socketPath()).size() < qsizetype(sizeof(sockaddr_un::sun_path)));
    struct stat info{};
    QCOMPARE(::stat(QFile::encodeName(folder).constData(), &info), 0);
    QCOMPARE(info.st_uid, ::getuid());
    if (expected != QLatin1String("runtime"))
        QCOMPARE(info.st_mode & 0777, mode_t(0700));
    QCOMPARE(running.acquire(), SingleInstance::Outcome::Only);
    auto reply = askLater(lockFolder(), QStringLiteral("raise"));
    QTRY_VERIFY(isReady(reply));
    QVERIFY(reply.get().has_value());
}

void TestSingleInstance::requestsAndReplies_data()
{
    QTest::addColumn<QString>("verb");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("raised");
    QTest::newRow("raise") << "raise" << QStringList() << 0 << QString() << 1;
    QTest::newRow("a verb with arguments")
        << "echo" << QStringList{QStringLiteral("two words"), QStringLiteral("über\n\"quoted\"")} << 3
        << QStringLiteral("two words|über\n\"quoted\"") << 0;
    QTest::newRow("an unknown verb") << "restore" << QStringList{QStringLiteral("x")} << 1
                                     << QStringLiteral("This Quillarren is older and does not know \"restore\": quit "
                                                       "it, then start Quillarren again.")
                                     << 0;
    // More than a socket's buffer takes at once: the reply is written as the client reads it.
    QTest::newRow("a long reply") << "long" << QStringList() << 0 << QString(3 << 20, QLatin1Char('x')) << 0;
}

void TestSingleInstance::requestsAndReplies()
{
    QFETCH(QString, verb);
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(int, raised);
    SingleInstance running(lockFolder());
    QSignalSpy raises(&running, &SingleInstance::raiseRequested);
    running.setHandler(QStringLiteral("echo"), [](const QStringList &args) { return Reply{3, args.join(u'|')}; });
    running.setHandler(QStringLiteral("long"), [&output](const QStringList &) { return Reply{0, output}; });
    QCOMPARE(running.acquire(), SingleInstance::Outcome::Only);

    auto future = askLater(lockFolder(), verb, args, 5000);
    QTRY_VERIFY(isReady(future));
    const std::optional<Reply> reply = future.get();
    QVERIFY(reply);
    QCOMPARE(reply->status, status);
    QCOMPARE(reply->output.size(), output.size());
    QCOMPARE(reply->output, output);
    QCOMPARE(raises.count(), raised);
}

void TestSingleInstance::secondStartIsAnswered()
{
    SingleInstance running(lockFolder());
    QSignalSpy raises(&running, &SingleInstance::raiseRequested);
    QCOMPARE(running.acquire(), SingleInstance::Outcome::Only);
    QCOMPARE(running.holder(), QCoreApplication::applicationPid());
    auto second = std::async(std::launch::async, [this] { return SingleInstance(lockFolder()).acquire(); });
    QTRY_VERIFY(isReady(second));
    QCOMPARE(second.get(), SingleInstance::Outcome::OtherAnswered);
    QCOMPARE(raises.count(), 1);
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

void TestSingleInstance::socketLeftByAKillIsReplaced()
{
    SingleInstance running(lockFolder());
    // What a killed copy leaves: a socket file that nobody listens on.
    const int dead = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un address = addressOf(running.socketPath());
    QCOMPARE(::bind(dead, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    ::close(dead);
    QVERIFY(QFileInfo::exists(running.socketPath()));
    QVERIFY(!SingleInstance(lockFolder()).ask(QStringLiteral("raise"), {}, 100));

    QCOMPARE(running.acquire(), SingleInstance::Outcome::Only);
    auto reply = askLater(lockFolder(), QStringLiteral("raise"));
    QTRY_VERIFY(isReady(reply));
    QVERIFY(reply.get().has_value());
}

void TestSingleInstance::clientsThatSayNothingDoNotBlock()
{
    SingleInstance running(lockFolder());
    QCOMPARE(running.acquire(), SingleInstance::Outcome::Only);
    const int silent = connectRaw(running.socketPath());
    const int halfway = connectRaw(running.socketPath(), R"({"verb": "rai)");
    QVERIFY(silent >= 0 && halfway >= 0);
    QElapsedTimer waited;
    waited.start();
    auto reply = askLater(lockFolder(), QStringLiteral("raise"));
    QTRY_VERIFY(isReady(reply));
    QVERIFY(reply.get().has_value());
    QVERIFY2(waited.elapsed() < 1000, QByteArray::number(waited.elapsed()));
    ::close(silent);
    ::close(halfway);
}

void TestSingleInstance::otherUsersAreRefused_data()
{
    QTest::addColumn<uid_t>("uid");
    QTest::addColumn<int>("expectedExit");   // 0: answered, 1: let go without an answer
    QTest::newRow("same user") << ::getuid() << 0;
    QTest::newRow("another user") << uid_t(65534) << 1;
}

void TestSingleInstance::otherUsersAreRefused()
{
    QFETCH(uid_t, uid);
    QFETCH(int, expectedExit);
    if (uid != ::getuid() && ::getuid() != 0)
        QSKIP("only root can connect as another user");
    SingleInstance running(lockFolder());
    QSignalSpy raises(&running, &SingleInstance::raiseRequested);
    QCOMPARE(running.acquire(), SingleInstance::Outcome::Only);
    // Open the private folder and the socket, so that only the check of the peer stands between.
    for (const QString &folder : {m_dir->path(), m_runtime})
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0711) == 0);
    QVERIFY(::chmod(QFile::encodeName(running.socketPath()).constData(), 0777) == 0);

    const sockaddr_un address = addressOf(running.socketPath());
    const QByteArray request = "{\"verb\": \"raise\", \"args\": []}\n";
    const pid_t child = ::fork();
    if (child == 0) {
        // Only async-signal-safe calls from here on.
        if (uid != ::getuid() && (::setgid(uid) != 0 || ::setuid(uid) != 0))
            ::_exit(3);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0)
            ::_exit(2);
        if (::write(fd, request.constData(), size_t(request.size())) != request.size())
            ::_exit(2);
        pollfd entry{fd, POLLIN, 0};
        char byte = 0;
        ::_exit(::poll(&entry, 1, 5000) == 1 && ::read(fd, &byte, 1) == 1 ? 0 : 1);
    }
    QVERIFY(child > 0);
    int status = 0;
    bool ended = false;
    const auto reaped = [&] { return ended || (ended = ::waitpid(child, &status, WNOHANG) == child); };
    QTRY_VERIFY_WITH_TIMEOUT(reaped(), 10000);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), expectedExit);
    QCOMPARE(raises.count(), expectedExit == 0 ? 1 : 0);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
