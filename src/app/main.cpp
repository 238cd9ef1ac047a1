#include "app/commandline.h"
#include "app/desktopprogram.h"
#include "base/backup/backups.h"
#include "base/channel/singleinstance.h"
#include "base/files/filesync.h"
#include "base/store/settingsstore.h"
#include "base/system/clock.h"
#include "gui/dialogs/damageoffer.h"
#include "gui/platform/cursorblinktimeout.h"
#include "gui/platform/programicon.h"
#include "gui/platform/qtdialogs.h"
#include "gui/platform/qtlayeredwindow.h"
#include "gui/platform/qtshell.h"
#include "gui/platform/qtsound.h"
#include "app/programlanguage.h"
#include "gui/platform/windowsystem.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace {

// Another copy runs: it brings its notes forward or does what this start was for; a copy that
// does not answer is told about. Nothing when this copy is the only one and goes on.
std::optional<int> leaveToOtherCopy(SingleInstance &instance, const QString &startVerb, Dialogs &dialogs)
{
    switch (instance.acquire(startVerb)) {
    case SingleInstance::Outcome::Only:
        return std::nullopt;
    case SingleInstance::Outcome::OtherAnswered:
        return 0;
    case SingleInstance::Outcome::OtherSilent:
        break;
    }
    dialogs.messageBox(nullptr,
                       QCoreApplication::translate("main", "Quillarren is already running for this user (process %1), but it does "
                                                 "not answer. If it is stuck, end it, then start Quillarren again.")
                           .arg(instance.holder()),
                       QStringLiteral("Quillarren"), MessageButtons::Ok, MessageIcon::Warning);
    return 1;
}

// Opens the store, offering the newest good backup after damage. False when its notes cannot be
// read: they must not be written over by an empty start.
bool openStore(SettingsStore &store, Backups &backups, const QString &storePath, Dialogs &dialogs)
{
    store.setEmptyFileIsDamaged(backups.hasAny());
    const SettingsStore::OpenResult opened = store.open(storePath);
    if (!opened.movedAsideTo.isEmpty())
        offerBackupAfterDamage(backups, store, dialogs, opened.movedAsideTo);
    if (!opened.readable) {
        dialogs.messageBox(nullptr,
                           QCoreApplication::translate("main", "%1\n\nQuillarren has changed nothing. Please make the file "
                                                         "readable again, then start Quillarren.")
                               .arg(opened.error),
                           QStringLiteral("Quillarren"), MessageButtons::Ok, MessageIcon::Warning);
        return false;
    }
    if (!opened.ok)
        dialogs.messageBox(nullptr, opened.error, QStringLiteral("Quillarren"), MessageButtons::Ok,
                           MessageIcon::Warning);
    return true;
}

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
    if (const std::optional<int> exitCode = leaveToOtherCopy(instance, startVerb, dialogs))
        return *exitCode;

    SettingsStore store;
    Backups backups(storePath);
    if (!openStore(store, backups, storePath, dialogs))
        return 1;

    DesktopProgram desktop(store, backups, Platform{&dialogs, &clock, &layered, &shell, &sound}, instance);
    if (!desktop.start(startVerb))
        return 0;
    const int code = QApplication::exec();
    desktop.finish();
    return code;
}
