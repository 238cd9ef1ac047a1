#include "gui/dialogs/damageoffer.h"

#include "base/backup/backups.h"
#include "base/store/settingsstore.h"
#include "gui/platform/dialogs.h"

#include <QCoreApplication>
#include <QLocale>

void offerBackupAfterDamage(const Backups &backups, SettingsStore &store, Dialogs &dialogs, const QString &keptAs)
{
    const std::optional<Backups::Entry> backup = backups.newestGood();
    if (!backup) {
        dialogs.messageBox(nullptr,
                           QCoreApplication::translate("DamageOffer", "The notes store %1 could not be read: it is damaged, or not a file. It has "
                                          "been kept as %2 and a new, empty store was started.")
                               .arg(store.path(), keptAs),
                           QStringLiteral("Quillarren"), MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    const QString text = QCoreApplication::translate("DamageOffer", "Your notes file was damaged and has been kept as %1. Restore the notes from the "
                                        "backup of %2?")
                             .arg(keptAs, QLocale().toString(backup->made, QLocale::LongFormat));
    if (dialogs.messageBox(nullptr, text, QStringLiteral("Quillarren"), MessageButtons::YesNo, MessageIcon::Warning)
        != MessageAnswer::Yes)
        return;
    QString error;
    if (!store.replaceWith(backup->path, &error))
        dialogs.messageBox(nullptr,
                           QCoreApplication::translate("DamageOffer", "The notes could not be restored from %1: %2. Quillarren starts with an "
                                          "empty store; the backup is still there.").arg(backup->path, error),
                           QStringLiteral("Quillarren"), MessageButtons::Ok, MessageIcon::Warning);
}
