// Notes and the screens there are: a note that no screen shows comes onto the nearest one, keeps
// its stored place, and goes back there once a screen shows it again.
#include "testprogram.h"

#include "commands/notecommands.h"
#include "platform/screenplace.h"

#include <QtTest>

using ScreenPlace::Area;

namespace {

QList<Area> areas(const QList<QRect> &screens, int topPanel = 0)
{
    QList<Area> made;
    for (const QRect &screen : screens)
        made.append({screen, screen.adjusted(0, topPanel, 0, 0)});
    return made;
}

} // namespace

class TestScreens : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void placeToBe_data();
    void placeToBe();
    void noteFollowsTheScreensAndKeepsItsStoredPlace();
};

void TestScreens::cleanup()
{
    TestProgram::settle();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestScreens::placeToBe_data()
{
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<int>("topPanel");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("stored");
    QTest::addColumn<QPoint>("current");
    QTest::addColumn<QPoint>("expected");

    const QSize note(133, 157);
    const QList<QRect> one{QRect(0, 0, 1280, 1024)};
    const QList<QRect> two{QRect(0, 0, 1280, 1024), QRect(1280, 0, 1024, 768)};
    QTest::newRow("at its place") << one << 0 << note << QPoint(100, 100) << QPoint(100, 100) << QPoint(100, 100);
    QTest::newRow("partly off, its strip shows") << one << 0 << note << QPoint(1200, 100) << QPoint(1200, 100)
                                                 << QPoint(1200, 100);
    QTest::newRow("off the right edge") << one << 0 << note << QPoint(1400, 100) << QPoint(1400, 100)
                                        << QPoint(1147, 100);
    QTest::newRow("off the left edge") << one << 0 << note << QPoint(-500, 100) << QPoint(-500, 100) << QPoint(0, 100);
    QTest::newRow("strip above the top, body below it") << one << 0 << note << QPoint(100, -30) << QPoint(100, -30)
                                                        << QPoint(100, 0);
    QTest::newRow("below a top panel") << one << 30 << note << QPoint(100, -200) << QPoint(100, -200)
                                       << QPoint(100, 30);
    QTest::newRow("moved on, its place still off") << one << 0 << note << QPoint(1400, 100) << QPoint(1147, 100)
                                                   << QPoint(1147, 100);
    QTest::newRow("its screen back") << two << 0 << note << QPoint(1700, 100) << QPoint(1147, 100)
                                     << QPoint(1700, 100);
    QTest::newRow("its screen gone") << QList<QRect>{one} << 0 << note << QPoint(1700, 100) << QPoint(1700, 100)
                                     << QPoint(1147, 100);
    // Below the shorter right screen: that one is nearer than the left one beside it.
    QTest::newRow("the nearest screen, not the first") << two << 0 << note << QPoint(1500, 900) << QPoint(1500, 900)
                                                       << QPoint(1500, 611);
    QTest::newRow("a screen left of the first") << QList<QRect>{QRect(-1024, 0, 1024, 768), one.constFirst()} << 0
                                                << note << QPoint(-600, 100) << QPoint(-600, 100) << QPoint(-600, 100);
    QTest::newRow("larger than the screen") << one << 0 << QSize(2000, 1500) << QPoint(3000, 100) << QPoint(3000, 100)
                                            << QPoint(0, 0);
    QTest::newRow("no screen at all") << QList<QRect>{} << 0 << note << QPoint(5000, 5000) << QPoint(5000, 5000)
                                      << QPoint(5000, 5000);
}

void TestScreens::placeToBe()
{
    QFETCH(QList<QRect>, screens);
    QFETCH(int, topPanel);
    QFETCH(QSize, size);
    QFETCH(QPoint, stored);
    QFETCH(QPoint, current);
    QFETCH(QPoint, expected);
    QCOMPARE(ScreenPlace::placeToBe(areas(screens, topPanel), stored, current, size), expected);
}

// The whole way of one note on a screen that shrinks and grows: moved on by the program, pushed by
// a window manager as well, quit while away from its place, and started again.
void TestScreens::noteFollowsTheScreensAndKeepsItsStoredPlace()
{
    TestProgram t;
    t.seedNotes({"at the edge"});
    t.seed(QStringLiteral("NotesForm1.Left"), QStringLiteral("9000"));
    t.seed(QStringLiteral("NotesForm1.Top"), QStringLiteral("1500"));
    t.start();
    Form1 *note = t.notes().constFirst();
    QCOMPARE(note->pos(), QPoint(600, 100));
    const QString left = QStringLiteral("NotesForm1.Left");
    const QList<Area> small = areas({QRect(0, 0, 560, 480)});
    const QList<Area> large = areas({QRect(0, 0, 800, 600)});
    const QPoint movedOn(560 - note->width(), 100);

    // A move of the user's that waits to be stored when the screens change is theirs.
    note->beginMove(QPointF(650, 110));
    note->move(500, 100);
    note->screensChanging();
    QCOMPARE(t.store().get(left), QStringLiteral("7500"));
    note->followScreens(small, true);
    QCOMPARE(note->pos(), QPoint(500, 100));   // still within reach where the user put it
    note->move(600, 100);
    note->storePlaceNow();
    QCOMPARE(t.store().get(left), QStringLiteral("9000"));

    note->screensChanging();
    note->followScreens(small, false);
    QCOMPARE(note->pos(), movedOn);
    // The window manager pushes it too before the screens settle: not a move of the user's.
    note->move(movedOn + QPoint(5, 0));
    note->storePlaceNow();
    QCOMPARE(t.store().get(left), QStringLiteral("9000"));
    note->followScreens(small, true);
    QCOMPARE(note->pos(), movedOn);

    note->screensChanging();
    note->followScreens(large, true);
    QCOMPARE(note->pos(), QPoint(600, 100));

    // Quit while the note stands away from its place keeps that place, and the next start uses it.
    note->screensChanging();
    note->followScreens(small, true);
    QCOMPARE(note->pos(), movedOn);
    t.program().commands().Quit();
    QCOMPARE(t.endCount, 1);
    QCOMPARE(t.store().get(left), QStringLiteral("9000"));
    t.restart();
    QCOMPARE(t.notes().constFirst()->pos(), QPoint(600, 100));
}

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
