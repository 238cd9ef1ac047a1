#include "app/commandline.h"
#include "app/main2.h"
#include "app/noteverbs.h"
#include "app/program.h"
#include "backup/backups.h"
#include "note/form1.h"
#include "platform/clock.h"
#include "platform/cursorblinktimeout.h"
#include "platform/filesync.h"
#include "platform/programicon.h"
#include "platform/qtdialogs.h"
#include "platform/qtlayeredwindow.h"
#include "platform/qtshell.h"
#include "platform/qtsound.h"
#include "platform/qttranslations.h"
#include "platform/sessionend.h"
#include "reminder/remindercheck.h"
#include "platform/singleinstance.h"
#include "platform/windowsystem.h"
#include "store/settingsstore.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QWidget>

namespace {

// A place or size the user has just given a note, and everything else that waits, reaches the
// disk: the session may end the process right after.
void storeForSessionEnd(Program &program)
{
    for (Form1 *note : Form1::loadedNotes(program.forms))
        note->storePlaceNow();
    program.store.syncNow();
}

void bringNotesForward(Program &program)
{
    for (Form *note : program.forms.notes()) {
        note->show();
        note->raise();
        note->activateWindow();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> exitCode = CommandLine::handle(argc, argv))
        return *exitCode;

    preferX11OnWayland();
    FileSync::failWritesPastSizeLimit();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);   // the menu window stays loaded, hidden
    QApplication::setWindowIcon(programIcon());
    installQtTranslations(QLocale::system());   // Qt's own dialogs in the desktop's language
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILLARREN_ID));   // ties the windows to the menu entry
    CursorBlinkTimeout cursorBlink;   // an idle program does not wake to blink

    QtDialogs dialogs;
    SystemClock clock;
    QtLayeredWindow layered;
    QtShell shell;
    QtSound sound;
    const QString storePath = SettingsStore::defaultPath();

    SingleInstance instance(QFileInfo(storePath).absolutePath());
    switch (instance.acquire()) {
    case SingleInstance::Outcome::Only:
        break;
    case SingleInstance::Outcome::OtherAnswered:
        return 0;   // the running copy brings its notes forward
    case SingleInstance::Outcome::OtherSilent:
        dialogs.messageBox(nullptr,
                           QStringLiteral("Quillarren is already running for this user (process %1), but it does "
                                          "not answer. If it is stuck, end it, then start Quillarren again.")
                               .arg(instance.holder()),
                           QStringLiteral("Quillarren"), MessageButtons::Ok, MessageIcon::Warning);
        return 1;
    }

    SettingsStore store;
    const SettingsStore::OpenResult opened = store.open(storePath);
    Backups backups(storePath);
    if (!opened.movedAsideTo.isEmpty())
        backups.offerAfterDamage(store, dialogs, opened.movedAsideTo);
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
    QObject::connect(&program.forms, &FormList::lastNoteUnloaded, &app, [&program] {
        if (!program.quitting)
            program.end();
    });
    QObject::connect(&instance, &SingleInstance::raiseRequested, &app, [&program] { bringNotesForward(program); });
    // The command line's verbs on the notes, answered here while the program runs; the asking
    // command shows how far they have come.
    const auto verbs = [&program, &instance] {
        NoteVerbs verbs(program);
        verbs.progress = [&instance](const QString &text) { instance.tellProgress(text); };
        return verbs;
    };
    instance.setHandler(QStringLiteral("deleted"), [=](const QStringList &) { return verbs().listDeleted(); });
    instance.setHandler(QStringLiteral("restore"), [=](const QStringList &args) { return verbs().restore(args.value(0)); });
    instance.setHandler(QStringLiteral("backups"), [=](const QStringList &) { return verbs().listBackups(); });
    instance.setHandler(QStringLiteral("restore-backup"),
                        [=](const QStringList &args) { return verbs().restoreBackup(args.value(0)); });
    instance.setHandler(QStringLiteral("export"), [=](const QStringList &args) {
        return verbs().exportNotes(args.value(0), args.value(1) == QLatin1String("all"));
    });
    instance.setHandler(QStringLiteral("import"), [=](const QStringList &args) { return verbs().importNotes(args.value(0)); });
    // A logout or shutdown: store what waits and end at once, whatever dialog is up, so that
    // nothing is lost and nothing holds the session up.
    SessionEnd sessionEnd;
    QObject::connect(&sessionEnd, &SessionEnd::ending, &app, [&program] {
        storeForSessionEnd(program);
        SessionEnd::exitNow(0);
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app, [&program] { storeForSessionEnd(program); });

    Main2::StartUp(program);
    if (program.hasEnded() || program.forms.notes().isEmpty())
        return 0;
    // A backup soon unless one was made in the last day, then once a day; deleted notes are kept
    // for 30 days.
    QObject::connect(&backups, &Backups::hourly, &app,
                     [&store] { store.dropTrashedBefore(QDateTime::currentDateTime().addDays(-30)); });
    QObject::connect(&backups, &Backups::finished, &app, [&dialogs](const QString &, const QString &error) {
        if (!error.isEmpty())
            dialogs.showNotice(QStringLiteral("Your notes could not be backed up: %1. Quillarren tries again in an hour.")
                                   .arg(error),
                               QStringLiteral("Quillarren: backup failed"));
    });
    backups.startSchedule();
    // Reminders set before are live without the dialog being opened, and those that fell due
    // earlier today while the program was not running go off now.
    program.reminderCheck().startAfterStartUp();
    const int code = QApplication::exec();
    store.flushPending();
    return code;
}
