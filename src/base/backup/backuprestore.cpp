#include "base/backup/backuprestore.h"

#include "base/backup/backups.h"
#include "base/store/settingsstore.h"

#include <QCoreApplication>
#include <QDateTime>

std::optional<QString> BackupRestore::keepCurrentNotes(SettingsStore &store, const QString &file,
                                                       const std::function<void(const QString &)> &tell,
                                                       QString *failure)
{
    QString error;
    if (!Backups::check(file, &error)) {
        *failure = QCoreApplication::translate("BackupRestore", "Cannot restore from it: %1. Nothing was changed.").arg(error);
        return std::nullopt;
    }
    if (tell)
        tell(QCoreApplication::translate("BackupRestore", "Backing up the notes you have now…"));
    // Kept as one the user asked for, and beside the file about to be restored.
    const std::optional<QString> kept = store.flushPending()
        ? Backups(store.path()).makeNow(QDateTime::currentDateTime(), &error, file, true)
        : std::nullopt;
    if (!kept) {
        if (error.isEmpty())
            error = store.failureCause();
        *failure = QCoreApplication::translate("BackupRestore", "The notes you have now could not be backed up "
                                                                "first (%1), so nothing was restored.").arg(error);
    }
    return kept;
}
