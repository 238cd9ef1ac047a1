#include "app/commandline.h"
#include "gui/notebook/notebook.h"
#include "gui/notebook/noteopener.h"
#include "app/noteverbs.h"
#include "gui/notebook/program.h"
#include "base/backup/backups.h"
#include "gui/menu/notemenu.h"
#include "gui/note/notewindow.h"
#include "base/system/clock.h"
#include "gui/platform/cursorblinktimeout.h"
#include "base/files/filesync.h"
#include "gui/platform/programicon.h"
#include "gui/platform/qtdialogs.h"
#include "gui/platform/qtlayeredwindow.h"
#include "gui/platform/qtshell.h"
#include "gui/platform/qtsound.h"
#include "app/programlanguage.h"
#include "gui/platform/sessionend.h"
#include "gui/reminder/remindercheck.h"
#include "base/channel/singleinstance.h"
#include "gui/platform/windowsystem.h"
#include "base/store/conversions.h"
#include "base/store/notekeys.h"
#include "base/store/settingsstore.h"
#include "gui/sync/notesync.h"
#include "gui/tray/noteslist.h"
#include "gui/tray/trayicon.h"
#include "gui/dialogs/damageoffer.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>
#include <QWidget>

namespace {

// A place or size the user has just given a note, and everything else that waits, reaches the
// disk: the session may end the process right after.
void storeForSessionEnd(Program &program, NoteSync &sync)
{
    for (NoteWindow *note : NoteWindow::loadedNotes(program.forms))
        note->storePlaceNow();
    program.store.syncNow();
    sync.writeChanges();
}

// The command line's verbs, answered here while the program runs; the asking command shows how
// far they have come.
void answerVerbs(SingleInstance &instance, Program &program, TrayIcon &tray, NoteSync &sync)
{
    const auto verbs = [&program, &instance, &tray] {
        NoteVerbs verbs(program);
        verbs.progress = [&instance](const QString &text) { instance.tellProgress(text); };
        verbs.trayIconChanged = [&tray](bool shown) { tray.setShown(shown); };
        return verbs;
    };
    const auto on = [&instance](const char *verb, SingleInstance::Handler handler) {
        instance.setHandler(QString::fromLatin1(verb), std::move(handler));
    };
    on("deleted", [=](const QStringList &) { return verbs().listDeleted(); });
    on("restore", [=](const QStringList &args) { return verbs().restore(args.value(0)); });
    on("backups", [=](const QStringList &) { return verbs().listBackups(); });
    on("restore-backup", [=](const QStringList &args) { return verbs().restoreBackup(args.value(0)); });
    on("export", [=](const QStringList &args) {
        return verbs().exportNotes(args.value(0), args.value(1) == QLatin1String("all"));
    });
    on("import", [=](const QStringList &args) {
        return verbs().importNotes(args.value(0), NoteImport::Choices::fromArgs(args.mid(1)));
    });
    on("tray", [=](const QStringList &args) { return verbs().showTrayIcon(args.value(0) == QLatin1String("on")); });
    on("new-note", [&program](const QStringList &) {
        program.notebook().createNote();
        return SingleInstance::Reply{program.quitting ? 1 : 0, QString()};
    });
    on("show-notes", [&program](const QStringList &) {
        program.bringNotesForward(true);
        return SingleInstance::Reply{};
    });
    on("sync-folder", [&sync](const QStringList &args) {
        QString said;
        const bool done = sync.setFolder(args.value(0) == QLatin1String("off") ? QString() : args.value(0), &said);
        return SingleInstance::Reply{done ? 0 : 1, said};
    });
    on("find", [&tray](const QStringList &) {
        tray.notesList().open();
        return SingleInstance::Reply{};
    });
}

// The notes come first: what a start adds beside them waits this long.
constexpr int AfterStartUpMs = 1000;

} // namespace

int main(int argc, char *argv[])
{
    QString startVerb;
    if (const std::optional<int> exitCode = CommandLine::handle(argc, argv, &startVerb))
        return *exitCode;

    preferX11OnWayland();
    sendPicturesOverTheConnection();
    FileSync::failWritesPastSizeLimit();
    QApplication app(argc, argv);
    leaveChildrenAlone();
    QApplication::setQuitOnLastWindowClosed(false);   // the menu window stays loaded, hidden
    QApplication::setWindowIcon(programIcon());
    ProgramLanguage::install(QLocale::system());   // before any window: they are made in the desktop's language
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILLARREN_ID));   // ties the windows to the menu entry
    CursorBlinkTimeout cursorBlink;   // an idle program does not wake to blink

    QtDialogs dialogs;
    SystemClock clock;
    QtLayeredWindow layered;
    QtShell shell;
    QtSound sound;
    const QString storePath = SettingsStore::defaultPath();

    SingleInstance instance(QFileInfo(storePath).absolutePath());
    switch (instance.acquire(startVerb)) {
    case SingleInstance::Outcome::Only:
        break;
    case SingleInstance::Outcome::OtherAnswered:
        return 0;   // the running copy brings its notes forward, or does what this start was for
    case SingleInstance::Outcome::OtherSilent:
        dialogs.messageBox(nullptr,
                           QStringLiteral("Quillarren is already running for this user (process %1), but it does "
                                          "not answer. If it is stuck, end it, then start Quillarren again.")
                               .arg(instance.holder()),
                           QStringLiteral("Quillarren"), MessageButtons::Ok, MessageIcon::Warning);
        return 1;
    }

    SettingsStore store;
    Backups backups(storePath);
    store.setEmptyFileIsDamaged(backups.hasAny());
    const SettingsStore::OpenResult opened = store.open(storePath);
    if (!opened.movedAsideTo.isEmpty())
        offerBackupAfterDamage(backups, store, dialogs, opened.movedAsideTo);
    if (!opened.readable) {
        // Notes that cannot be read must not be written over by an empty start.
        dialogs.messageBox(nullptr,
                           opened.error + QStringLiteral("\n\nQuillarren has changed nothing. Please make the file "
                                                         "readable again, then start Quillarren."),
                           QStringLiteral("Quillarren"), MessageButtons::Ok, MessageIcon::Warning);
        return 1;
    }
    if (!opened.ok)
        dialogs.messageBox(nullptr, opened.error, QStringLiteral("Quillarren"), MessageButtons::Ok,
                           MessageIcon::Warning);

    Program program(store, Platform{&dialogs, &clock, &layered, &shell, &sound});
    QObject::connect(&program.forms, &WindowList::lastNoteUnloaded, &app, [&program] {
        if (!program.quitting)
            program.end();
    });
    NoteSync sync(program);
    QObject::connect(&sync, &NoteSync::told, &app,
                     [&dialogs](const QString &message) { dialogs.showNotice(message, QStringLiteral("Quillarren: sync")); });
    TrayIcon tray(program, backups, sync);
    QObject::connect(&instance, &SingleInstance::raiseRequested, &app, [&program] { program.bringNotesForward(true); });
    answerVerbs(instance, program, tray, sync);
    // A logout or shutdown: store what waits and end at once, whatever dialog is up, so that
    // nothing is lost and nothing holds the session up.
    SessionEnd sessionEnd;
    QObject::connect(&sessionEnd, &SessionEnd::ending, &app, [&program, &sync] {
        storeForSessionEnd(program, sync);
        SessionEnd::exitNow(0);
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app, [&program, &sync] { storeForSessionEnd(program, sync); });

    // The first note shows at once; the others open a few at a time while the program answers.
    program.notebook().beginStartUp();
    if (program.hasEnded() || program.forms.notes().isEmpty())
        return 0;
    // Requests from other processes, one at a time, once the notes are open and between the
    // notes' own work (not while notes open, a restore replaces them, or a dialog waits).
    instance.answerWhen([&program] { return !program.opener().isBusy(); });
    // A backup soon unless one was made in the last day, then once a day; deleted notes are kept
    // for 30 days.
    QObject::connect(&backups, &Backups::hourly, &app,
                     [&store] { store.dropTrashedBefore(QDateTime::currentDateTime().addDays(-30)); });
    QObject::connect(&backups, &Backups::finished, &app, [&dialogs](const QString &path, const QString &error, bool asked) {
        if (!error.isEmpty())
            dialogs.showNotice(QStringLiteral("Your notes could not be backed up: %1. Quillarren tries again in an hour.")
                                   .arg(error),
                               QStringLiteral("Quillarren: backup failed"));
        else if (asked)   // Back Up Now: the user waits to hear
            dialogs.showNotice(QStringLiteral("Your notes are backed up in %1.").arg(QDir::toNativeSeparators(path)),
                               QStringLiteral("Quillarren: backed up"), MessageIcon::Information);
    });
    backups.startSchedule();
    // What this start was for, once every note is open; a moment later, when the window manager
    // has shown them, the tray icon (unless the user wants none) and the sync folder's first look.
    // Reminders set before are live without the dialog being opened, and those that fell due
    // earlier today while the program was not running go off now.
    const auto allOpen = [&] {
        if (startVerb != QLatin1String("raise"))
            instance.answerHere(startVerb);
        QTimer::singleShot(AfterStartUpMs, &app, [&] {
            tray.setShown(Conversions::toBool(store.get(NoteKeys::ShowTrayIcon)).value_or(true));
            sync.startFromStore();
        });
        program.reminderCheck().startAfterStartUp();
    };
    if (program.opener().isOpening())
        QObject::connect(&program.opener(), &NoteOpener::allOpen, &app, allOpen, Qt::SingleShotConnection);
    else
        QTimer::singleShot(0, &app, allOpen);
    const int code = QApplication::exec();
    sync.writeChanges();   // the last note's Yes, or its closing, ends without Quit
    store.flushPending();
    return code;
}
