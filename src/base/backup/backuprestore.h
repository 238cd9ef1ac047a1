#pragma once

#include <QString>

#include <functional>
#include <optional>

class SettingsStore;

namespace BackupRestore {

// The first half of restoring a backup, the same wherever it is asked: the file must be a whole
// store of ours, and the notes as they are now are kept first in a backup the rotation never
// removes, so that restoring can be undone. Returns that backup's path, or nothing with the
// message to show in `failure` (nothing was changed then). `tell` hears how far it has come.
std::optional<QString> keepCurrentNotes(SettingsStore &store, const QString &file,
                                        const std::function<void(const QString &)> &tell, QString *failure);

} // namespace BackupRestore
