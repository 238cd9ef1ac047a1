// See-through notes: the controller's state machine, the set-up on the timer's tick, and the
// three commands that change a note's stored level.
#include "testprogram.h"

#include "gui/menu/notecommands.h"
#include "gui/note/translucency.h"
#include "gui/platform/windowtimer.h"
#include "gui/platform/layeredwindow.h"
#include "base/store/notekeys.h"

#include <QHash>
#include <QWindow>
#include <QtTest>

namespace {

// Layered windows that exist only as numbers, with calls that can be made to fail.
class FakeLayered final : public LayeredWindow
{
public:
    struct Call
    {
        qint64 window;
        quint32 colorKey;
        quint8 alpha;
        quint32 flags;
    };

    bool supported = true;
    bool failAttributes = false;
    QHash<qint64, qint32> styles;
    QList<Call> calls;

    bool isSupported() const override { return supported; }
    qint32 extendedStyle(qint64 window) const override { return styles.value(window, 0); }
    bool setExtendedStyle(qint64 window, qint32 style) override
    {
        styles.insert(window, style);
        return true;
    }
    bool setLayeredAttributes(qint64 window, quint32 colorKey, quint8 alpha, quint32 flags) override
    {
        calls.append({window, colorKey, alpha, flags});
        return !failAttributes && (styles.value(window) & ExtendedStyleLayered);
    }
    quint32 systemColor(int index) const override { return 0x00ABCDEFu + quint32(index); }
};

int shownLevel(NoteWindow *note)
{
    return qRound(note->windowHandle()->opacity() * 255);
}


// What the note's first set-up left as its next counter: the first activation may come after it
// and arm one more set-up, so the store's counter may already be further on.
struct CounterAfterFirstTick
{
    QString value;
    CounterAfterFirstTick(SettingsStore &store, NoteWindow *note)
    {
        QObject::connect(note->seeThroughTimer(), &WindowTimer::ticked, note, [this, &store, note] {
            if (value.isNull())
                value = store.get(note->Tag() + QStringLiteral(".TransCount"));
        });
    }
};

} // namespace

class TestTranslucency : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void controllerWrites();
    void controllerDoesNothingWithoutLayeredWindows();
    void failedAttributesKeepThePreviousValue();
    void releaseMakesTheWindowOpaque();

    void firstTickShowsTheStoredLevel();
    void storedValuesThatDoNotFit_data();
    void storedValuesThatDoNotFit();
    void notesWithEqualCountersBothStaySeeThrough();

    void commands_data();
    void commands();
    void defaultShowsAfterOneTick();
    void commandForAClosedNoteStillStoresTheLevel();
};

void TestTranslucency::cleanup()
{
    TestProgram::expectNoWindowsLeft();
}

void TestTranslucency::controllerWrites()
{
    FakeLayered layered;
    Translucency controller(layered);
    QVERIFY(controller.Supported());
    QCOMPARE(controller.Mode(), 2);
    QCOMPARE(controller.Alpha(), quint8(255));
    QCOMPARE(controller.ColorKey(), qint32(0x8000000F));

    // Binding makes the window layered and fully opaque; the mode waits for the next write.
    controller.sethWnd(42);
    QVERIFY(layered.styles.value(42) & LayeredWindow::ExtendedStyleLayered);
    QCOMPARE(layered.calls.last().alpha, quint8(255));
    QCOMPARE(layered.calls.last().flags, LayeredWindow::UseAlpha);

    controller.setAlpha(120);
    QCOMPARE(controller.Alpha(), quint8(120));
    QCOMPARE(layered.calls.last().alpha, quint8(120));

    // A system colour is keyed out by its plain colour but reads back in its stored form.
    controller.setColorKey(qint32(0x8000000F));
    QCOMPARE(controller.Mode(), 1);
    QCOMPARE(controller.ColorKey(), qint32(0x8000000F));
    QCOMPARE(layered.calls.last().colorKey, 0x00ABCDEFu + 15);
    QCOMPARE(layered.calls.last().flags, LayeredWindow::UseColorKey);

    // An alpha write in colour-key mode switches back to alpha mode with the new value.
    controller.setAlpha(90);
    QCOMPARE(controller.Mode(), 2);
    QCOMPARE(controller.Alpha(), quint8(90));
    QCOMPARE(layered.calls.last().alpha, quint8(90));
    QCOMPARE(layered.calls.last().flags, LayeredWindow::UseAlpha);

    controller.setMode(7);   // not a mode: ignored
    QCOMPARE(controller.Mode(), 2);
    controller.setMode(0);
    QCOMPARE(controller.Mode(), 0);
    QVERIFY(!(layered.styles.value(42) & LayeredWindow::ExtendedStyleLayered));

    // Moving to another window leaves the first an ordinary window.
    controller.setMode(2);
    controller.sethWnd(43);
    QVERIFY(!(layered.styles.value(42) & LayeredWindow::ExtendedStyleLayered));
    QVERIFY(layered.styles.value(43) & LayeredWindow::ExtendedStyleLayered);
    QCOMPARE(controller.hWnd(), qint64(43));
}

void TestTranslucency::controllerDoesNothingWithoutLayeredWindows()
{
    FakeLayered layered;
    layered.supported = false;
    Translucency controller(layered);
    controller.sethWnd(42);
    controller.setAlpha(10);
    controller.setColorKey(255);
    QCOMPARE(controller.hWnd(), qint64(0));
    QCOMPARE(controller.Alpha(), quint8(255));
    QVERIFY(layered.calls.isEmpty());
}

void TestTranslucency::failedAttributesKeepThePreviousValue()
{
    FakeLayered layered;
    Translucency controller(layered);
    controller.sethWnd(42);
    controller.setAlpha(150);
    layered.failAttributes = true;
    controller.setAlpha(60);
    QCOMPARE(controller.Alpha(), quint8(150));
    layered.failAttributes = false;
    controller.setColorKey(255);
    layered.failAttributes = true;
    controller.setColorKey(0xff00);
    QCOMPARE(controller.ColorKey(), qint32(255));
}

void TestTranslucency::releaseMakesTheWindowOpaque()
{
    FakeLayered layered;
    {
        Translucency controller(layered);
        controller.sethWnd(42);
        controller.setAlpha(100);
    }
    QCOMPARE(layered.calls.last().alpha, quint8(255));
    QVERIFY(!(layered.styles.value(42) & LayeredWindow::ExtendedStyleLayered));
}

void TestTranslucency::firstTickShowsTheStoredLevel()
{
    TestProgram t;
    t.seedCount(2);
    t.seed(QStringLiteral("NotesForm2.Translucency"), QStringLiteral("120"));
    t.seed(QStringLiteral("NotesForm2.TransCount"), QStringLiteral("7"));
    t.start();
    NoteWindow *plain = t.note("NotesForm1");
    NoteWindow *stored = t.note("NotesForm2");
    QCOMPARE(plain->seeThroughTimer()->interval(), 1);
    // What the first tick left; the first activation may come after it and arm one more set-up.
    const CounterAfterFirstTick plainCounter(t.store(), plain);
    const CounterAfterFirstTick storedCounter(t.store(), stored);
    TestProgram::settleSeeThrough(plain);
    TestProgram::settleSeeThrough(stored);

    QCOMPARE(shownLevel(plain), 200);
    QCOMPARE(plainCounter.value, QStringLiteral("2"));
    QCOMPARE(plain->translucency()->Mode(), 2);
    QCOMPARE(shownLevel(stored), 120);
    QCOMPARE(storedCounter.value, QStringLiteral("8"));
    // The see-through level never changes the window's colour.
    QCOMPARE(stored->backColor(), qint32(0x00C0FFFF));
}

void TestTranslucency::storedValuesThatDoNotFit_data()
{
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("counter");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("nextCounter");

    QTest::newRow("counter wraps at the top") << QStringLiteral("90") << QStringLiteral("32767") << 90 << QStringLiteral("1");
    QTest::newRow("counter below one") << QStringLiteral("90") << QStringLiteral("0") << 90 << QStringLiteral("2");
    QTest::newRow("counter not a number") << QStringLiteral("90") << QStringLiteral("lots") << 90 << QStringLiteral("2");
    QTest::newRow("counter too large") << QStringLiteral("90") << QStringLiteral("99999") << 90 << QStringLiteral("2");
    QTest::newRow("level above a byte") << QStringLiteral("300") << QStringLiteral("3") << 200 << QStringLiteral("4");
    QTest::newRow("level with a fraction") << QStringLiteral("12.5") << QStringLiteral("3") << 200 << QStringLiteral("4");
    QTest::newRow("level negative") << QStringLiteral("-1") << QStringLiteral("3") << 200 << QStringLiteral("4");
    QTest::newRow("level not a number") << QStringLiteral("clear") << QStringLiteral("3") << 200 << QStringLiteral("4");
    // Below the commands' own lower bound a note could not be seen, nor found without a taskbar entry.
    QTest::newRow("level zero") << QStringLiteral("0") << QStringLiteral("3") << 80 << QStringLiteral("4");
    QTest::newRow("level under five per cent") << QStringLiteral("12") << QStringLiteral("3") << 80 << QStringLiteral("4");
    QTest::newRow("fully opaque is fine") << QStringLiteral("255") << QStringLiteral("3") << 255 << QStringLiteral("4");
}

void TestTranslucency::storedValuesThatDoNotFit()
{
    QFETCH(QString, level);
    QFETCH(QString, counter);
    QFETCH(int, shown);
    QFETCH(QString, nextCounter);

    TestProgram t;
    t.seed(QStringLiteral("NotesForm1.Translucency"), level);
    t.seed(QStringLiteral("NotesForm1.TransCount"), counter);
    t.start();
    const CounterAfterFirstTick afterFirstTick(t.store(), t.note("NotesForm1"));
    TestProgram::settleSeeThrough(t.note("NotesForm1"));
    QCOMPARE(shownLevel(t.note("NotesForm1")), shown);
    QCOMPARE(afterFirstTick.value, nextCounter);
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.Translucency")), level);
    QVERIFY(t.dialogs.errorReports().isEmpty());
}

void TestTranslucency::notesWithEqualCountersBothStaySeeThrough()
{
    TestProgram t;
    t.seedCount(2);
    t.seed(QStringLiteral("NotesForm1.Translucency"), QStringLiteral("150"));
    t.seed(QStringLiteral("NotesForm2.Translucency"), QStringLiteral("160"));
    t.start();
    TestProgram::settleSeeThrough(t.note("NotesForm1"));
    TestProgram::settleSeeThrough(t.note("NotesForm2"));
    // Both counters were 1, so both used slot 1; the second set-up must not release the first.
    QCOMPARE(shownLevel(t.note("NotesForm1")), 150);
    QCOMPARE(shownLevel(t.note("NotesForm2")), 160);

    t.program().CurrentNoteTag = QStringLiteral("NotesForm2");
    t.windows().commands().IncreaseTranslucency();
    TestProgram::settleSeeThrough(t.note("NotesForm2"));
    QCOMPARE(shownLevel(t.note("NotesForm1")), 150);
    QCOMPARE(shownLevel(t.note("NotesForm2")), 140);
}

void TestTranslucency::commands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");

    QTest::newRow("increase from 90") << "increase" << "90" << "80";
    QTest::newRow("increase from 100") << "increase" << "100" << "80";
    QTest::newRow("increase from 110") << "increase" << "110" << "90";
    QTest::newRow("increase from nothing") << "increase" << QString() << "180";
    QTest::newRow("decrease from 230") << "decrease" << "230" << "250";
    QTest::newRow("decrease from 240") << "decrease" << "240" << "254";
    QTest::newRow("decrease from 254") << "decrease" << "254" << "254";
    QTest::newRow("decrease from nothing") << "decrease" << QString() << "220";
    QTest::newRow("default from 80") << "default" << "80" << "200";
}

void TestTranslucency::commands()
{
    QFETCH(QString, command);
    QFETCH(QString, stored);
    QFETCH(QString, expected);

    TestProgram t;
    if (!stored.isNull())
        t.seed(QStringLiteral("NotesForm1.Translucency"), stored);
    t.start();
    NoteWindow *note = t.note("NotesForm1");
    TestProgram::settleSeeThrough(note);

    // Chosen from the menu on this note, as a user would.
    const QString item = command == QLatin1String("increase")   ? QStringLiteral("IncreaseTranslucencyName")
                         : command == QLatin1String("decrease") ? QStringLiteral("DecreaseTranslucencyName")
                                                                 : QStringLiteral("DefeaultTranslucencyName");
    t.dialogs.menuChoices.enqueue(item);
    QTest::mousePress(note, Qt::RightButton, {}, QPoint(20, 5));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.Translucency")), expected);
    QCOMPARE(note->seeThroughTimer()->interval(), 1);
    TestProgram::settleSeeThrough(note);
    QCOMPARE(shownLevel(note), expected.toInt());
}

void TestTranslucency::defaultShowsAfterOneTick()
{
    TestProgram t;
    t.seed(QStringLiteral("NotesForm1.Translucency"), QStringLiteral("100"));
    t.start();
    NoteWindow *note = t.note("NotesForm1");
    QTRY_VERIFY(!note->firstActivationPending());   // its set-ups from showing are all armed
    TestProgram::settleSeeThrough(note);
    QCOMPARE(shownLevel(note), 100);
    const int before = t.store().get(QStringLiteral("NotesForm1.TransCount")).toInt();
    t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
    t.windows().commands().DefaultTranslucency();
    t.windows().commands().DefaultTranslucency();   // armed twice: still one set-up
    TestProgram::settleSeeThrough(note);
    QCOMPARE(shownLevel(note), 200);
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.TransCount")).toInt(), before + 1);
}

void TestTranslucency::commandForAClosedNoteStillStoresTheLevel()
{
    TestProgram t;
    t.start();
    NoteWindow *note = t.note("NotesForm1");
    TestProgram::settleSeeThrough(note);
    t.program().CurrentNoteTag = QStringLiteral("NotesForm9");
    t.windows().commands().IncreaseTranslucency();
    QCOMPARE(t.store().get(QStringLiteral("NotesForm9.Translucency")), QStringLiteral("180"));
    QCOMPARE(note->seeThroughTimer()->interval(), 0);
    QCOMPARE(shownLevel(note), 200);
}

QTEST_MAIN(TestTranslucency)
#include "tst_translucency.moc"
