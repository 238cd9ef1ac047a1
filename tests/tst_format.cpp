// Font and colour, keeping notes on top, saving a note to a file, and the two links.
#include "testprogram.h"

#include "base/backup/backups.h"
#include "gui/menu/notemenu.h"
#include "gui/menu/notecommands.h"
#include "gui/dialogs/notedialogs.h"
#include "gui/dialogs/fontcolordialog.h"
#include "base/system/product.h"
#include "gui/platform/qtdialogs.h"
#include "base/files/textfile.h"
#include "gui/platform/units.h"
#include "gui/sync/notesync.h"
#include "gui/tray/trayicon.h"

#include <QAction>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QListView>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <functional>

namespace {

// The real font dialog; every other dialog is answered by the doubles.
class RealFontDialog final : public Dialogs
{
public:
    explicit RealFontDialog(FakeDialogs &fakes) : m_fakes(fakes) {}

    MessageAnswer messageBox(QWidget *parent, const QString &text, const QString &title, MessageButtons buttons,
                             MessageIcon icon) override
    {
        return m_fakes.messageBox(parent, text, title, buttons, icon);
    }
    void showNotice(const QString &text, const QString &title, MessageIcon icon = MessageIcon::Warning) override
    {
        m_fakes.showNotice(text, title, icon);
    }
    void closeNotice() override { m_fakes.closeNotice(); }
    bool chooseFont(QWidget *parent, FontChoice &choice) override { return m_real.chooseFont(parent, choice); }
    bool chooseColor(QWidget *parent, QColor &color) override { return m_fakes.chooseColor(parent, color); }
    QString saveFileName(QWidget *parent, const SaveFileRequest &request) override
    {
        return m_fakes.saveFileName(parent, request);
    }
    QString chooseFolder(QWidget *parent, const QString &title, const QString &start) override
    {
        return m_fakes.chooseFolder(parent, title, start);
    }
    QAction *popupMenu(QMenu *menu, const QPoint &globalPos) override { return m_fakes.popupMenu(menu, globalPos); }

private:
    FakeDialogs &m_fakes;
    QtDialogs m_real;
};

// Answers the next modal dialog of this kind from inside its exec(), once it is open.
template <typename T>
void answerModal(std::function<void(T *)> answer, int triesLeft = 200)
{
    QTimer::singleShot(triesLeft == 200 ? 0 : 10, [answer, triesLeft] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget()))
            answer(dialog);
        else if (triesLeft > 0)
            answerModal<T>(answer, triesLeft - 1);
    });
}

// Opens the font dialog's colour dialog and takes this colour in it.
void pickColor(FontColorDialog *dialog, const QColor &colour)
{
    answerModal<QColorDialog>([colour](QColorDialog *colors) {
        colors->setCurrentColor(colour);
        colors->accept();
    });
    dialog->findChild<QPushButton *>(QStringLiteral("colorButton"))->click();
}


// Makes a folder refuse new files, even to root where the file system allows it.
bool lockFolder(const QString &folder, bool locked)
{
    QFile::setPermissions(folder, locked ? QFile::ReadOwner | QFile::ExeOwner
                                         : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!locked) {
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
        return true;
    }
    QFile probe(folder + QStringLiteral("/probe"));
    if (!probe.open(QIODevice::WriteOnly))
        return true;
    probe.close();
    probe.remove();
    return QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder}) == 0
        && !QFile(folder + QStringLiteral("/probe")).open(QIODevice::WriteOnly);
}

} // namespace

Q_DECLARE_METATYPE(FontChoice)

class TestFormat : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void fontOnANeverFormattedNote();
    void fontSizeRoundsHalfToEven_data();
    void fontSizeRoundsHalfToEven();
    void fontDialogPresetsFromTheStoreAndKeepsItsSettings();
    void realFontDialogChangesTheTextColor();
    void realFontDialogConfirmedAtOnceGivesThePresetBack_data();
    void realFontDialogConfirmedAtOnceGivesThePresetBack();
    void realFontDialogOffersTheStylesOfTheFaceTheNoteIsDrawnIn_data();
    void realFontDialogOffersTheStylesOfTheFaceTheNoteIsDrawnIn();
    void cancelledDialogsChangeNothing();
    void colorPaintsTheFieldAndTheWindow();
    void alwaysOnTopTwice();
    void newNoteFollowsTheCheckMark();
    void saveWritesTheTextAsItIs();
    void saveOffersTheLastNameAndAddsTheExtension();
    void failedSaveLeavesTheOldFileAndReports();
    void fileDialogsOpenAtHomeOrTheLastFolder();
    void linksGoToTheShell();
};

void TestFormat::cleanup()
{
    TestProgram::expectNoWindowsLeft();
}

void TestFormat::fontOnANeverFormattedNote()
{
    TestProgram t;
    t.start();
    NoteWindow *note = t.note("NotesForm1");
    t.dialogs.fontAnswers.enqueue([](FontChoice &) { return true; });
    t.choose(note, QStringLiteral("FontName"));

    QCOMPARE(t.dialogs.fontPresets.size(), 1);
    const FontChoice preset = t.dialogs.fontPresets.constFirst();
    QCOMPARE(preset.family, QStringLiteral("Arial"));
    QCOMPARE(preset.pointSize, 9.0);
    QVERIFY(!preset.bold && !preset.italic && !preset.underline && !preset.strikeout);
    QCOMPARE(preset.color, note->textColor());
    QCOMPARE(note->noteDialogs().Flags, 259);

    const QStringList keys = {".TextColor", ".Bold", ".Italic", ".Underline", ".Strikethru", ".Font", ".Size"};
    const QStringList values = {"0", "False", "False", "False", "False", "Arial", "9"};
    for (int i = 0; i < keys.size(); ++i)
        QCOMPARE(t.store().get(QStringLiteral("NotesForm1") + keys[i], QStringLiteral("absent")), values[i]);
}

void TestFormat::fontSizeRoundsHalfToEven_data()
{
    QTest::addColumn<double>("chosen");
    QTest::addColumn<QString>("stored");
    QTest::newRow("10.5") << 10.5 << QStringLiteral("10");
    QTest::newRow("11.5") << 11.5 << QStringLiteral("12");
    QTest::newRow("13.4") << 13.4 << QStringLiteral("13");
}

void TestFormat::fontSizeRoundsHalfToEven()
{
    QFETCH(double, chosen);
    QFETCH(QString, stored);
    TestProgram t;
    t.start();
    NoteWindow *note = t.note("NotesForm1");
    t.dialogs.fontAnswers.enqueue([chosen](FontChoice &c) {
        c.pointSize = chosen;
        c.bold = true;
        c.family = QStringLiteral("Courier New");
        c.color = 255;
        return true;
    });
    t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
    t.windows().commands().ChangeFont();

    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.Size")), stored);
    QCOMPARE(note->textField()->font().pointSizeF(), stored.toDouble());
    QVERIFY(note->textField()->font().bold());
    QCOMPARE(note->textField()->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(note->textColor(), qint32(255));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.Bold")), QStringLiteral("True"));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.TextColor")), QStringLiteral("255"));
    // Only the text field changes.
    QCOMPARE(note->font().pointSizeF(), QApplication::font().pointSizeF());
}

void TestFormat::fontDialogPresetsFromTheStoreAndKeepsItsSettings()
{
    TestProgram t;
    t.seedCount(2);
    t.seed(QStringLiteral("NotesForm1.Italic"), QStringLiteral("True"));
    t.seed(QStringLiteral("NotesForm1.Size"), QStringLiteral("14"));
    t.seed(QStringLiteral("NotesForm1.Font"), QStringLiteral("Courier New"));
    t.seed(QStringLiteral("NotesForm1.Bold"), QStringLiteral("sometimes"));   // hand-edited
    t.start();
    t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
    t.windows().commands().ChangeFont();   // cancelled
    const FontChoice preset = t.dialogs.fontPresets.constLast();
    QVERIFY(preset.italic);
    QVERIFY(!preset.bold);
    QCOMPARE(preset.pointSize, 14.0);
    QCOMPARE(preset.family, QStringLiteral("Courier New"));

    // A font change on one note leaves the other note and its keys alone.
    t.dialogs.fontAnswers.enqueue([](FontChoice &c) {
        c.underline = true;
        return true;
    });
    t.windows().commands().ChangeFont();
    QVERIFY(t.note("NotesForm1")->textField()->font().underline());
    QVERIFY(!t.note("NotesForm2")->textField()->font().underline());
    QVERIFY(!t.store().contains(QStringLiteral("NotesForm2.Underline")));
    QVERIFY(t.note("NotesForm1")->noteDialogs().Font.underline);
    QVERIFY(!t.note("NotesForm2")->noteDialogs().Font.underline);

    // A face name or size stored empty presets the default, as an absent one does.
    t.seed(QStringLiteral("NotesForm2.Font"), QString());
    t.seed(QStringLiteral("NotesForm2.Size"), QString());
    t.program().CurrentNoteTag = QStringLiteral("NotesForm2");
    t.windows().commands().ChangeFont();   // cancelled
    QCOMPARE(t.dialogs.fontPresets.constLast().family, QStringLiteral("Arial"));
    QCOMPARE(t.dialogs.fontPresets.constLast().pointSize, 9.0);
}

void TestFormat::realFontDialogChangesTheTextColor()
{
    TestProgram t;
    RealFontDialog dialogs(t.dialogs);
    t.program().platform.dialogs = &dialogs;
    t.start();
    NoteWindow *note = t.note("NotesForm1");
    t.program().CurrentNoteTag = QStringLiteral("NotesForm1");

    // A colour taken and then cancelled with Escape changes nothing.
    answerModal<FontColorDialog>([](FontColorDialog *dialog) {
        pickColor(dialog, Qt::red);
        QTest::keyClick(dialog->findChild<QListView *>(), Qt::Key_Escape);
        if (dialog->isVisible())
            dialog->accept();   // fail, not hang
    });
    t.windows().commands().ChangeFont();
    QCOMPARE(note->textColor(), qint32(0));
    QVERIFY(!t.store().contains(QStringLiteral("NotesForm1.TextColor")));

    // Another family and size, and a colour shown on the button, confirmed with OK.
    const QColor chosen(10, 20, 30);
    QString family;
    QColor swatch;
    bool modalToTheNote = false;
    answerModal<FontColorDialog>([&](FontColorDialog *dialog) {
        modalToTheNote = dialog->isModal() && dialog->parentWidget() == note;
        auto *fonts = dialog->findChild<QFontDialog *>();
        const QStringList families = QFontDatabase::families();
        family = families.value(families.indexOf(fonts->currentFont().family()) == 0 ? 1 : 0);
        fonts->setCurrentFont(QFont(family, 12));
        pickColor(dialog, chosen);
        const QPushButton *button = dialog->findChild<QPushButton *>(QStringLiteral("colorButton"));
        swatch = button->icon().pixmap(button->iconSize()).toImage().pixelColor(1, 1);
        dialog->findChild<QDialogButtonBox *>(QString(), Qt::FindDirectChildrenOnly)->button(QDialogButtonBox::Ok)->click();
    });
    t.windows().commands().ChangeFont();
    QVERIFY(modalToTheNote);
    QCOMPARE(swatch, chosen);
    const qint32 stored = Units::fromQColor(chosen);
    QCOMPARE(note->textColor(), stored);
    QCOMPARE(note->textField()->palette().color(QPalette::Text), chosen);
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.TextColor")), QString::number(stored));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.Font")), family);
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.Size")), QStringLiteral("12"));
}

void TestFormat::realFontDialogConfirmedAtOnceGivesThePresetBack_data()
{
    QTest::addColumn<FontChoice>("preset");
    FontChoice plain;
    plain.family = QStringLiteral("Arial");   // missing here: the dialog shows a substitute
    QTest::newRow("never formatted") << plain;
    FontChoice effects;
    effects.family = QStringLiteral("Courier New");
    effects.pointSize = 10.5;                   // the dialog shows whole points
    effects.bold = effects.italic = effects.underline = effects.strikeout = true;
    effects.color = Units::ButtonFace;          // a system colour stays one
    QTest::newRow("effects, half size, system colour") << effects;
}

void TestFormat::realFontDialogConfirmedAtOnceGivesThePresetBack()
{
    QFETCH(FontChoice, preset);
    QWidget owner;
    QtDialogs dialogs;
    answerModal<FontColorDialog>([](FontColorDialog *dialog) {
        QTest::keyClick(dialog->findChild<QListView *>(), Qt::Key_Return);
        if (dialog->isVisible())
            dialog->reject();   // fail, not hang
    });
    FontChoice choice = preset;
    QVERIFY(dialogs.chooseFont(&owner, choice));
    QCOMPARE(choice.family, preset.family);
    QCOMPARE(choice.pointSize, preset.pointSize);
    QCOMPARE(choice.bold, preset.bold);
    QCOMPARE(choice.italic, preset.italic);
    QCOMPARE(choice.underline, preset.underline);
    QCOMPARE(choice.strikeout, preset.strikeout);
    QCOMPARE(choice.color, preset.color);
}

void TestFormat::realFontDialogOffersTheStylesOfTheFaceTheNoteIsDrawnIn_data()
{
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("chosen");
    QTest::newRow("plain made bold") << false << true;
    QTest::newRow("bold made plain") << true << false;
}

void TestFormat::realFontDialogOffersTheStylesOfTheFaceTheNoteIsDrawnIn()
{
    // A note's default face, Arial, is drawn in a stand-in where it is missing; the dialog shows
    // that face and its styles, so that the note can be made bold or plain in its own face.
    QFETCH(bool, bold);
    QFETCH(bool, chosen);
    const auto withoutFoundry = [](const QString &family) { return family.section(QStringLiteral(" ["), 0, 0); };
    const QString standIn = withoutFoundry(QFontInfo(QFont(QStringLiteral("Arial"), 9)).family());
    QWidget owner;
    QtDialogs dialogs;
    QString shown;
    QStringList styles;
    answerModal<FontColorDialog>([&](FontColorDialog *dialog) {
        auto *fonts = dialog->findChild<QFontDialog *>();
        shown = fonts->currentFont().family();
        // The chooser's lists, in the order it makes them: faces, styles, sizes.
        const QList<QListView *> lists = fonts->findChildren<QListView *>();
        if (lists.size() == 3) {
            for (int row = 0; row < lists[1]->model()->rowCount(); ++row)
                styles << lists[1]->model()->index(row, 0).data().toString();
        }
        QFont font(shown, 9);
        font.setBold(chosen);
        fonts->setCurrentFont(font);
        dialog->accept();
    });
    FontChoice choice;
    choice.family = QStringLiteral("Arial");
    choice.pointSize = 9;
    choice.bold = bold;
    QVERIFY(dialogs.chooseFont(&owner, choice));
    QCOMPARE(withoutFoundry(shown), standIn);
    QVERIFY2(styles.contains(QStringLiteral("Bold")), qPrintable(styles.join(QStringLiteral(", "))));
    QCOMPARE(choice.bold, chosen);
    QCOMPARE(choice.family, QStringLiteral("Arial"));   // the face was not changed
}

void TestFormat::cancelledDialogsChangeNothing()
{
    TestProgram t;
    t.start();
    NoteWindow *note = t.note("NotesForm1");
    const QFont before = note->textField()->font();
    t.choose(note, QStringLiteral("FontName"));
    t.choose(note, QStringLiteral("ColorName"));
    QCOMPARE(t.dialogs.fontPresets.size(), 1);
    QCOMPARE(t.dialogs.colorPresets.size(), 1);
    QCOMPARE(note->textField()->font(), before);
    QCOMPARE(note->backColor(), qint32(0x00C0FFFF));
    for (const char *suffix : {".TextColor", ".Bold", ".Font", ".Size", ".TextBackColor", ".BackColor"})
        QVERIFY(!t.store().contains(QStringLiteral("NotesForm1") + QLatin1String(suffix)));
}

void TestFormat::colorPaintsTheFieldAndTheWindow()
{
    TestProgram t;
    t.seedCount(2);
    t.start();
    NoteWindow *note = t.note("NotesForm2");
    t.dialogs.colorAnswers.enqueue([](QColor &c) {
        c = QColor(10, 20, 30);
        return true;
    });
    t.choose(note, QStringLiteral("ColorName"));

    const qint32 chosen = 10 | (20 << 8) | (30 << 16);
    QCOMPARE(note->textBackColor(), chosen);
    QCOMPARE(note->backColor(), chosen);
    QCOMPARE(note->palette().color(QPalette::Window), QColor(10, 20, 30));   // the top strip too
    QCOMPARE(note->textField()->palette().color(QPalette::Base), QColor(10, 20, 30));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm2.TextBackColor")), QString::number(chosen));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm2.BackColor")), QString::number(chosen));
    QCOMPARE(t.note("NotesForm1")->backColor(), qint32(0x00C0FFFF));

    // The next colour dialog of this note opens on the colour chosen last.
    t.choose(note, QStringLiteral("ColorName"));
    QCOMPARE(t.dialogs.colorPresets.constLast(), QColor(10, 20, 30));
}

void TestFormat::alwaysOnTopTwice()
{
    TestProgram t;
    t.seedCount(2);
    t.start();
    NoteWindow *first = t.note("NotesForm1");
    NoteWindow *second = t.note("NotesForm2");
    QAction *check = t.windows().noteMenu().alwaysOnTopCheck();
    QVERIFY(check->isChecked());   // on when the menu window loads

    t.choose(second, QStringLiteral("AlwaysOnTopName"));
    QVERIFY(!check->isChecked());
    QVERIFY(!first->isTopmost() && !second->isTopmost());
    QCOMPARE(t.store().get(QStringLiteral("NotesForm2.AlwaysOnTop")), QStringLiteral("False"));
    QVERIFY(!t.store().contains(QStringLiteral("NotesForm1.AlwaysOnTop")));

    const QPoint place = first->pos();
    t.choose(second, QStringLiteral("AlwaysOnTopName"));
    QVERIFY(check->isChecked());
    QVERIFY(first->isTopmost() && second->isTopmost());
    QVERIFY(first->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    QVERIFY(first->isVisible() && second->isVisible());
    QCOMPARE(first->pos(), place);
    QCOMPARE(t.store().get(QStringLiteral("NotesForm2.AlwaysOnTop")), QStringLiteral("True"));
}

void TestFormat::newNoteFollowsTheCheckMark()
{
    TestProgram t;
    t.start();
    t.program().CurrentNoteTag = QStringLiteral("NotesForm1");
    t.windows().commands().ToggleAlwaysOnTop();   // off
    t.program().notebook().createNote();
    QVERIFY(!t.note("NotesForm2")->isTopmost());
    t.windows().commands().ToggleAlwaysOnTop();   // on
    t.program().notebook().createNote();
    QVERIFY(t.note("NotesForm3")->isTopmost());
    QVERIFY(t.note("NotesForm2")->isTopmost());
}

void TestFormat::saveWritesTheTextAsItIs()
{
    QTemporaryDir dir;
    TestProgram t;
    t.seedCount(2);
    t.seed(QStringLiteral("NotesForm2.Notes"), QStringLiteral("one\ntwo\nthree ünïcode"));
    t.start();
    const QString empty = dir.filePath(QStringLiteral("empty.txt"));
    const QString three = dir.filePath(QStringLiteral("three.txt"));
    QFile old(three);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an older and much longer file that is replaced without a question");
    old.close();

    t.dialogs.saveAnswers.enqueue(empty);
    t.choose(t.note("NotesForm1"), QStringLiteral("SaveNoteToFileName"));
    t.dialogs.saveAnswers.enqueue(three);
    t.choose(t.note("NotesForm2"), QStringLiteral("SaveNoteToFileName"));

    QCOMPARE(QFileInfo(empty).size(), qint64(0));
    QCOMPARE(QFileInfo::exists(empty), true);
    QCOMPARE(OnDisk::readFile(three), TextFile::encode(QStringLiteral("one\ntwo\nthree ünïcode")));
#ifndef Q_OS_WIN
    QCOMPARE(OnDisk::readFile(three), QByteArray("one\ntwo\nthree \xc3\xbcn\xc3\xaf" "code"));
#endif
    const SaveFileRequest asked = t.dialogs.saveRequests.constFirst();
    QCOMPARE(asked.defaultSuffix, QStringLiteral("txt"));
    QVERIFY(asked.filter.contains(QStringLiteral("*.txt")));
    QCOMPARE(t.note("NotesForm1")->noteDialogs().Flags, 524288);
    QVERIFY(t.dialogs.errorReports().isEmpty());
}

void TestFormat::saveOffersTheLastNameAndAddsTheExtension()
{
    QTemporaryDir dir;
    TestProgram t;
    t.seed(QStringLiteral("NotesForm1.Notes"), QStringLiteral("shopping"));
    t.start();
    NoteWindow *note = t.note("NotesForm1");
    t.dialogs.saveAnswers.enqueue(dir.filePath(QStringLiteral("list")));
    t.choose(note, QStringLiteral("SaveNoteToFileName"));
    QCOMPARE(OnDisk::readFile(dir.filePath(QStringLiteral("list.txt"))), QByteArray("shopping"));

    note->textField()->setPlainText(QStringLiteral("changed"));
    t.choose(note, QStringLiteral("SaveNoteToFileName"));   // cancelled
    QCOMPARE(t.dialogs.saveRequests.constLast().fileName, dir.filePath(QStringLiteral("list.txt")));
    QCOMPARE(OnDisk::readFile(dir.filePath(QStringLiteral("list.txt"))), QByteArray("shopping"));
}

void TestFormat::failedSaveLeavesTheOldFileAndReports()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.txt"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("the old content");
    old.close();
    if (!lockFolder(dir.path(), true))
        QSKIP("this machine cannot make a folder refuse new files");

    TestProgram t;
    t.seed(QStringLiteral("NotesForm1.Notes"), QStringLiteral("new content"));
    t.start();
    t.dialogs.saveAnswers.enqueue(path);
    t.choose(t.note("NotesForm1"), QStringLiteral("SaveNoteToFileName"));
    lockFolder(dir.path(), false);

    QCOMPARE(OnDisk::readFile(path), QByteArray("the old content"));
    const QStringList reports = t.dialogs.errorReports();
    QCOMPARE(reports.size(), 1);
    QVERIFY2(reports[0].contains(QStringLiteral("in Pellamy2021/08/31.MenuForm.SaveNoteToFileName_Click at line 106")),
             qPrintable(reports[0]));
    QVERIFY(reports[0].contains(path));
    QCOMPARE(t.store().get(QStringLiteral("NotesForm1.Notes")), QStringLiteral("new content"));
}

// Wherever the program was started from, a file or folder dialog opens in the user's home, then
// in the folder last chosen in any of them while that still exists.
void TestFormat::fileDialogsOpenAtHomeOrTheLastFolder()
{
    QTemporaryDir home;
    QTemporaryDir startedIn;
    QTemporaryDir elsewhere;
    const QByteArray oldHome = qgetenv("HOME");
    const QString oldCurrent = QDir::currentPath();
    qputenv("HOME", QFile::encodeName(home.path()));
    QDir::setCurrent(startedIn.path());
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", oldHome);
        QDir::setCurrent(oldCurrent);
    });

    TestProgram t;
    t.seedNotes({"one", "two"});
    t.start();
    Backups backups(t.storePath());
    NoteSync sync(t.program());
    TrayIcon tray(t.program(), backups, sync);
    const auto saveFrom = [&t](const char *tag) {
        t.choose(t.note(QString::fromLatin1(tag)), QStringLiteral("SaveNoteToFileName"));
        return t.dialogs.saveRequests.constLast().folder;
    };
    const auto syncFolderStart = [&] {
        tray.menu()->actions().at(5)->trigger();   // "Sync Folder…"
        return t.dialogs.folderStarts.constLast();
    };

    QCOMPARE(saveFrom("NotesForm1"), home.path());
    QCOMPARE(syncFolderStart(), home.path());
    const QString chosen = elsewhere.filePath(QStringLiteral("chosen"));
    QVERIFY(QDir().mkpath(chosen));
    t.dialogs.saveAnswers.enqueue(chosen + QStringLiteral("/one.txt"));
    saveFrom("NotesForm1");
    QCOMPARE(saveFrom("NotesForm2"), chosen);   // another note's first save too
    QCOMPARE(syncFolderStart(), chosen);
    t.dialogs.folderAnswers.enqueue(elsewhere.path());
    syncFolderStart();
    QCOMPARE(saveFrom("NotesForm2"), elsewhere.path());
    QVERIFY(elsewhere.remove());
    QCOMPARE(saveFrom("NotesForm2"), home.path());

    // The real dialog opens where it is told, and at home when told nothing.
    QtDialogs real;
    QTemporaryDir given;
    for (const QString &folder : {given.path(), QString()}) {
        QString shown;
        answerModal<QFileDialog>([&shown](QFileDialog *dialog) {
            shown = dialog->directory().absolutePath();
            dialog->reject();
        });
        QCOMPARE(real.saveFileName(nullptr, SaveFileRequest{QString(), QStringLiteral("txt"),
                                                             QStringLiteral(".txt (*.txt)"), folder}),
                 QString());
        QCOMPARE(shown, folder.isEmpty() ? home.path() : folder);
    }
}

void TestFormat::linksGoToTheShell()
{
    TestProgram t;
    t.start();
    t.choose(t.note("NotesForm1"), QStringLiteral("EmailAuthorName"));
    t.choose(t.note("NotesForm1"), QStringLiteral("GotoWebsiteName"));
    t.shell.handlerInstalled = false;   // no mail program: nothing is said
    t.choose(t.note("NotesForm1"), QStringLiteral("EmailAuthorName"));
    QCOMPARE(t.shell.opened, (QStringList{QStringLiteral("mailto:") + Product::SupportEmail, Product::WebSite,
                                          QStringLiteral("mailto:") + Product::SupportEmail}));
    QVERIFY(t.dialogs.messages.isEmpty());
    QCOMPARE(t.windows().noteMenu().item(QStringLiteral("GotoWebsiteName"))->text(),
             QStringLiteral("Goto ") + Product::WebDomain);
}

QTEST_MAIN(TestFormat)
#include "tst_format.moc"
