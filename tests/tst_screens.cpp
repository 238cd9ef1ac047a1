// Notes and the screens there are: a note that no screen shows comes onto the nearest one, keeps
// its stored place, and goes back there once a screen shows it again.
#include "testprogram.h"

#include "gui/menu/notecommands.h"
#include "gui/platform/screenplace.h"
#include "gui/platform/units.h"

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
    void newNotePlace_data();
    void newNotePlace();
    void placeOnAScaledScreenRoundTrips_data();
    void placeOnAScaledScreenRoundTrips();
};

void TestScreens::cleanup()
{
    TestProgram::expectNoWindowsLeft();
}

void TestScreens::placeToBe_data()
{
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<int>("topPanel");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("stored");
    QTest::addColumn<QPoint>("current");
    QTest::addColumn<QPoint>("expected");

    const QRect left(0, 0, 1280, 1024), right(1280, 0, 1024, 768), further(-1024, 0, 1024, 768);
    const QSize note(133, 157), huge(2000, 1500);
    const struct { const char *row; QList<QRect> screens; int panel; QSize size; QPoint stored, current, expected; } table[] = {
        {"at its place", {left}, 0, note, {100, 100}, {100, 100}, {100, 100}},
        {"partly off, its strip shows", {left}, 0, note, {1200, 100}, {1200, 100}, {1200, 100}},
        {"off the right edge", {left}, 0, note, {1400, 100}, {1400, 100}, {1147, 100}},
        {"off the left edge", {left}, 0, note, {-500, 100}, {-500, 100}, {0, 100}},
        {"strip above the top, body below it", {left}, 0, note, {100, -30}, {100, -30}, {100, 0}},
        {"below a top panel", {left}, 30, note, {100, -200}, {100, -200}, {100, 30}},
        {"moved on, its place still off", {left}, 0, note, {1400, 100}, {1147, 100}, {1147, 100}},
        {"its screen back", {left, right}, 0, note, {1700, 100}, {1147, 100}, {1700, 100}},
        {"its screen gone", {left}, 0, note, {1700, 100}, {1700, 100}, {1147, 100}},
        // Below the shorter right screen: that one is nearer than the left one beside it.
        {"the nearest screen, not the first", {left, right}, 0, note, {1500, 900}, {1500, 900}, {1500, 611}},
        {"a screen left of the first", {further, left}, 0, note, {-600, 100}, {-600, 100}, {-600, 100}},
        {"larger than the screen", {left}, 0, huge, {3000, 100}, {3000, 100}, {0, 0}},
        {"no screen at all", {}, 0, note, {5000, 5000}, {5000, 5000}, {5000, 5000}},
    };
    for (const auto &r : table)
        QTest::newRow(r.row) << r.screens << r.panel << r.size << r.stored << r.current << r.expected;
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

// One note on a screen that shrinks and grows: moved on by the program, pushed by a window
// manager as well, and quit while away from its place.
void TestScreens::noteFollowsTheScreensAndKeepsItsStoredPlace()
{
    TestProgram t;
    t.seedNotes({"at the edge"});
    t.seed(QStringLiteral("NotesForm1.Left"), QStringLiteral("9000"));
    t.seed(QStringLiteral("NotesForm1.Top"), QStringLiteral("1500"));
    t.start();
    NoteWindow *note = t.notes().constFirst();
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
    t.program().notebook().quit();
    QCOMPARE(t.endCount, 1);
    QCOMPARE(t.store().get(left), QStringLiteral("9000"));
}

void TestScreens::newNotePlace_data()
{
    // A new note of 133 x 157 beside the note it came from (none: from the tray), among others.
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QRect>("from");
    QTest::addColumn<QList<QRect>>("others");
    QTest::addColumn<QPoint>("expected");

    const QRect left(0, 0, 1280, 1024), right(1280, 0, 1024, 768);
    const QSize note(133, 157);
    const QRect middle(QPoint(573, 433), note);
    const QRect none;
    const struct { const char *row; QList<QRect> screens; QRect from; QList<QRect> others; QPoint expected; } table[] = {
        {"to its right", {left}, middle, {middle}, {718, 433}},
        {"below it, at the right edge", {left}, QRect(QPoint(1140, 100), note), {}, {1140, 269}},
        {"left of it, in the bottom right corner", {left}, QRect(QPoint(1140, 860), note), {}, {995, 860}},
        {"clear of another note on its right", {left}, middle, {middle, QRect(QPoint(718, 433), note)}, {573, 602}},
        {"every side taken: its right", {left}, middle,
         {middle, QRect(QPoint(718, 433), note), QRect(QPoint(573, 602), note), QRect(QPoint(428, 433), note),
          QRect(QPoint(573, 264), note)},
         {718, 433}},
        {"on its own screen", {left, right}, QRect(QPoint(1300, 100), note), {}, {1445, 100}},
        {"a screen too small for any side", {QRect(0, 0, 300, 200)}, QRect(QPoint(80, 20), note), {}, {167, 20}},
        {"from no note: the middle", {left}, none, {}, {573, 433}},
        {"from no note, the middle taken: a step on", {left}, none, {middle}, {597, 457}},
    };
    for (const auto &r : table)
        QTest::newRow(r.row) << r.screens << r.from << r.others << r.expected;
}

void TestScreens::newNotePlace()
{
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, from);
    QFETCH(QList<QRect>, others);
    QFETCH(QPoint, expected);
    const QSize size(133, 157);
    const QPoint place = from.isValid() ? ScreenPlace::besideNote(areas(screens), from, size, others)
                                        : ScreenPlace::centred(areas(screens), size, others);
    QCOMPARE(place, expected);
    // Never off the screens, and never on the note it came from where there is room beside it.
    if (from.isValid() && from.width() * 3 < screens.constFirst().width())
        QVERIFY(!QRect(place, size).intersects(from));
}

void TestScreens::placeOnAScaledScreenRoundTrips_data()
{
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QPoint>("origin");
    QTest::newRow("unscaled") << 1.0 << QPoint(0, 0);
    QTest::newRow("125 %") << 1.25 << QPoint(0, 0);
    QTest::newRow("150 %") << 1.5 << QPoint(0, 0);
    QTest::newRow("200 %") << 2.0 << QPoint(0, 0);
    QTest::newRow("200 %, a second screen on the right") << 2.0 << QPoint(3840, 0);
    QTest::newRow("150 %, a screen left of the first") << 1.5 << QPoint(-1920, 0);
    QTest::newRow("300 %") << 3.0 << QPoint(0, 0);
}

// Every pixel of the screen's own, stored in twips and read back, is that pixel again.
void TestScreens::placeOnAScaledScreenRoundTrips()
{
    QFETCH(double, ratio);
    QFETCH(QPoint, origin);
    QCOMPARE(Units::twipsPerPixel(), 15.0);
    for (int offset = -40; offset <= 400; ++offset) {
        const QPoint device = origin + QPoint(offset, 7 * offset);
        const QPointF exact = Units::fromDevicePixels(device, origin, ratio);
        const QPoint twips(Units::exactPixelsToTwips(exact.x()), Units::exactPixelsToTwips(exact.y()));
        const QPointF back(Units::twipsToExactPixels(twips.x()), Units::twipsToExactPixels(twips.y()));
        QCOMPARE(Units::toDevicePixels(back, origin, ratio), device);
    }
}

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
