#include "base/files/saferead.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using SafeRead::Links;
using SafeRead::Refused;

// The one reader of files others may have put somewhere (a sync folder, an import): what it
// gives and what it refuses, by what the name is and whether links are followed.
class TestSafeRead : public QObject
{
    Q_OBJECT

private slots:
    void readsOnlyWhatItShould_data();
    void readsOnlyWhatItShould();
};

void TestSafeRead::readsOnlyWhatItShould_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("links");
    QTest::addColumn<int>("refused");
    QTest::addColumn<QString>("said");
    const int refuse = int(Links::Refuse);
    const int follow = int(Links::Follow);
    QTest::newRow("a plain file") << "plain" << refuse << int(Refused::None) << "";
    QTest::newRow("a file at the bound") << "bound" << refuse << int(Refused::None) << "";
    QTest::newRow("a byte over the bound") << "over" << follow << int(Refused::TooLarge) << "larger than 1 KiB";
    QTest::newRow("nothing there") << "missing" << follow << int(Refused::Missing) << "";
    QTest::newRow("a link in a shared folder") << "link" << refuse << int(Refused::NotPlain) << "is a link, not a plain file";
    QTest::newRow("a link the user named") << "link" << follow << int(Refused::None) << "";
    QTest::newRow("a link to a FIFO, followed") << "linkedfifo" << follow << int(Refused::NotPlain)
                                                << "is a device, FIFO or socket, not a file";
    QTest::newRow("a FIFO nobody writes") << "fifo" << refuse << int(Refused::NotPlain)
                                          << "is a device, FIFO or socket, not a file";
    QTest::newRow("a folder") << "folder" << follow << int(Refused::NotPlain) << "is a folder, not a file";
    QTest::newRow("a device without end") << "/dev/zero" << follow << int(Refused::NotPlain)
                                          << "is a device, FIFO or socket, not a file";
}

void TestSafeRead::readsOnlyWhatItShould()
{
    QFETCH(QString, what);
    QFETCH(int, links);
    QFETCH(int, refused);
    QFETCH(QString, said);
    constexpr qint64 Bound = 1024;
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("plain"));
    const QByteArray content = what == QLatin1String("bound") ? QByteArray(Bound, 'b')
                             : what == QLatin1String("over")  ? QByteArray(Bound + 1, 'o')
                                                              : QByteArray("the note");
    QFile file(plain);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.close();
    QString path = dir.filePath(what);
    if (what == QLatin1String("plain") || what == QLatin1String("bound") || what == QLatin1String("over"))
        path = plain;
    else if (what == QLatin1String("link"))
        QVERIFY(QFile::link(plain, path));
    else if (what == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (what == QLatin1String("linkedfifo"))
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo"))).constData(), 0600) == 0
                && QFile::link(dir.filePath(QStringLiteral("fifo")), path));
    else if (what == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(path));
    else if (what.startsWith(QLatin1Char('/')))
        path = what;

    const SafeRead::Result read = SafeRead::readPlainFile(path, Bound, Links(links));
    QCOMPARE(int(read.refused), refused);
    if (read.refused == Refused::None) {
        QCOMPARE(read.bytes, content);
        QVERIFY(read.stamp.exists && read.stamp.regular);
        QVERIFY(read.error.isEmpty());
    } else {
        QVERIFY(read.bytes.isEmpty());
        QVERIFY2(read.error.contains(said), qPrintable(read.error));
    }
}

QTEST_GUILESS_MAIN(TestSafeRead)
#include "tst_saferead.moc"
