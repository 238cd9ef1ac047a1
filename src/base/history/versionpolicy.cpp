#include "base/history/versionpolicy.h"

namespace VersionPolicy {

bool keepNow(Event event, int characters, const std::optional<QDateTime> &lastKept, const QDateTime &now)
{
    switch (event) {
    case Event::TypingPaused:
        // A clock set back makes the last version look new: keep one rather than wait for it.
        return !lastKept || lastKept->secsTo(now) >= TypingIntervalSecs || lastKept->secsTo(now) < 0;
    case Event::Paste:
    case Event::Cut:
        return characters > FewCharacters;
    case Event::ReplaceAfterSelectAll:
    case Event::FromSyncFolder:
    case Event::BackupRestored:
    case Event::Imported:
    case Event::ReminderFlash:
    case Event::VersionRestored:
        return true;
    }
    return true;
}

} // namespace VersionPolicy
