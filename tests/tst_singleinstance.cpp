// The one-instance lock and the channel to the running copy: where its socket goes, requests and
// replies, and what must not keep the running copy from answering.

#include "platform/singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstring>
#include <future>
#include <memory>

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
    QTest::addColumn<QString>("expected");   // the socket's folder: runtime, temp or /tmp
    QTest::newRow("private runtime folder") << "private" << "runtime";
    QTest::newRow("runtime folder open to others") << "open" << "temp";
    QTest::newRow("no runtime folder") << "none" << "temp";
    QTest::newRow("paths too long for a socket") << "long" << "/tmp";
}

void TestSingleInstance::socketPlace()
{
    QFETCH(QString, runtime);
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
    const QString folder = expected == QLatin1String("runtime") ? m_runtime
        : expected == QLatin1String("temp")                      ? QDir::tempPath() + ours
                                                                 : QStringLiteral("/tmp") + ours;

    SingleInstance running(lockFolder());
    QCOMPARE(QFileInfo(running.socketPath()).absolutePath(), folder);
    QCOMPARE(running.acquire(), SingleInstance::Outcome::Only);
    QVERIFY(QFileInfo::exists(running.socketPath()));
    struct stat info{};
    QCOMPARE(::stat(QFile::encodeName(folder).constData(), &info), 0);
    QVERIFY(info.st_uid == ::getuid() && (info.st_mode & 077) == 0);
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
    // More than a socket's buffer takes at once: the reply is written as the client reads it.
    QTest::newRow("a long reply") << "long" << QStringList() << 0 << QString(3 << 20, u'x') << QStringList();
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

    // A second start is another process; here another thread, so that this one keeps serving.
    QStringList heard;
    auto asked = std::async(std::launch::async, [&] {
        return SingleInstance(lockFolder()).ask(verb, args, 1000, [&heard](const QString &text) { heard.append(text); });
    });
    QTRY_VERIFY(isReady(asked));
    QCOMPARE(heard, told);
    const std::optional<Reply> reply = asked.get();
    QVERIFY(reply);
    QCOMPARE(reply->status, status);
    QCOMPARE(reply->output.size(), output.size());
    QCOMPARE(reply->output, output);
    QCOMPARE(raises.count(), verb == QLatin1String("raise") ? 1 : 0);
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
    const int silent = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const int halfway = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (obstacle == QLatin1String("silent clients")) {
        QVERIFY(::connect(silent, at, sizeof address) == 0 && ::connect(halfway, at, sizeof address) == 0);
        QCOMPARE(::write(halfway, "{\"verb\": \"rai", 13), ssize_t(13));
    }

    QElapsedTimer waited;
    waited.start();
    auto second = std::async(std::launch::async, [this] { return SingleInstance(lockFolder()).acquire(); });
    QTRY_VERIFY(isReady(second));
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
