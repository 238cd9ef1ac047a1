#include "base/history/storednotes.h"

#include "base/history/notehistory.h"
#include "base/store/notekeys.h"
#include "base/store/noteslots.h"
#include "base/store/settingsstore.h"

namespace StoredNotes {

int keepAll(NoteHistory &history, const SettingsStore &store, const QDateTime &now)
{
    int failed = 0;
    for (int number = 1; number <= NoteSlots::openCount(store); ++number) {
        const QString tag = NoteKeys::tagFor(number);
        const QString id = store.get(tag + NoteKeys::Id);
        if (NoteSlots::isId(id) && !history.add(id, store.get(tag + NoteKeys::Notes), now))
            ++failed;
    }
    return failed;
}

QSet<QString> idsWithLife(const SettingsStore &store)
{
    QSet<QString> ids;
    for (int number = 1; number <= NoteSlots::openCount(store); ++number) {
        const QString id = store.get(NoteKeys::tagFor(number) + NoteKeys::Id);
        if (NoteSlots::isId(id))
            ids.insert(id);
    }
    for (const SettingsStore::TrashedNote &note : store.trash())
        ids.insert(note.id);
    return ids;
}

} // namespace StoredNotes
