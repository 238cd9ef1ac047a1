#include "gui/sync/syncednotes.h"
#include "gui/notebook/notebook.h"

#include "gui/notebook/program.h"
#include "gui/menu/notemenu.h"
#include "gui/menu/notecommands.h"
#include "gui/note/notewindow.h"
#include "base/notefile/notefile.h"
#include "gui/platform/windowtimer.h"
#include "gui/platform/units.h"
#include "gui/reminder/remindercheck.h"
#include "base/store/notekeys.h"
#include "base/store/settingsstore.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextCursor>

#include <algorithm>

SyncedNotes::SyncedNotes(Program &program, int &cascade)
    : m_program(program)
    , m_cascade(cascade)
{
}

QHash<QString, NoteSlots::Values> SyncedNotes::openNotes(const Program &program)
{
    QHash<QString, NoteSlots::Values> notes;
    const SettingsStore &store = program.store;
    for (int slot = 1; slot <= program.NoteCount; ++slot) {
        const QString tag = NoteKeys::tagFor(slot);
        const QString id = store.get(tag + NoteKeys::Id);
        if (!NoteSlots::isId(id) || notes.contains(id))
            continue;
        NoteSlots::Values values;
        for (const QString &suffix : NoteFile::travellingSuffixes()) {
            const QString value = store.get(tag + suffix);
            if (!value.isEmpty())
                values.insert(suffix, value);
        }
        notes.insert(id, values);
    }
    return notes;
}

QString SyncedNotes::tagOf(const QString &id)
{
    if (m_stale) {
        m_tags.clear();
        for (int slot = 1; slot <= m_program.NoteCount; ++slot) {
            const QString tag = NoteKeys::tagFor(slot);
            const QString stored = m_program.store.get(tag + NoteKeys::Id);
            if (!m_tags.contains(stored))
                m_tags.insert(stored, tag);
        }
        m_stale = false;
    }
    return m_tags.value(id);
}

NoteWindow *SyncedNotes::openNote(const QString &id)
{
    const QString tag = tagOf(id);
    if (tag.isEmpty())
        return nullptr;
    for (ProgramWindow *form : m_program.forms.withTag(tag)) {
        if (auto *note = qobject_cast<NoteWindow *>(form))
            return note;
    }
    return nullptr;
}

bool SyncedNotes::takeIn(const QString &id, const NoteSlots::Values &remote, const QString &agreed, QString *error)
{
    const QString tag = tagOf(id);
    if (tag.isEmpty()) {
        *error = QCoreApplication::translate("SyncedNotes", "the note is no longer open");
        return false;
    }
    SettingsStore::Change change;
    for (const QString &suffix : NoteFile::travellingSuffixes())
        change.values.emplace_back(tag + suffix, remote.value(suffix));
    change.synced.insert(id, agreed);
    if (!m_program.store.commit(change, error))
        return false;
    m_changed = true;
    NoteWindow *note = openNote(id);
    if (!note)
        return true;
    m_program.notebook().showSyncedChange(note, remote.value(NoteKeys::Notes));
    return true;
}

bool SyncedNotes::trash(const QString &id, const QString &agreed, QString *error)
{
    NoteWindow *note = openNote(id);
    if (!note) {
        *error = QCoreApplication::translate("SyncedNotes", "the note is no longer open");
        return false;
    }
    if (NoteWindow::loadedNotes(m_program.forms).size() == 1)
        m_program.notebook().createNote();
    m_stale = true;
    m_changed = true;
    if (!m_program.notebook().trashNote(note, error))
        return false;
    SettingsStore::Change change;
    change.synced.insert(id, agreed);
    return m_program.store.commit(change, error);
}

bool SyncedNotes::add(const QList<NoteSlots::Values> &notes, const QHash<QString, QString> &agreed,
                      const QStringList &fromTrash, QString *error)
{
    QList<NoteSlots::Values> placed;
    for (const NoteSlots::Values &values : notes)
        placed.append(values.contains(NoteKeys::Left) ? values : cascaded(values));
    SettingsStore::Change alongside;
    alongside.synced = agreed;
    alongside.fromTrash = fromTrash;
    m_stale = true;
    m_changed = true;
    return m_program.notebook().addNotes(placed, alongside, error);
}

std::optional<NoteSlots::Values> SyncedNotes::restore(const QString &id, NoteSlots::Values trashed,
                                                      const NoteSlots::Values &remote, const QString &agreed,
                                                      QString *error)
{
    for (const QString &suffix : NoteFile::travellingSuffixes())
        trashed.remove(suffix);
    trashed.insert(remote);
    trashed.insert(NoteKeys::Id, id);
    if (!add({trashed}, {{id, agreed}}, {id}, error))
        return std::nullopt;
    return trashed;
}

bool SyncedNotes::changeId(const QString &id, const QString &newId, const QHash<QString, QString> &agreed,
                           QString *error)
{
    const QString tag = tagOf(id);
    if (tag.isEmpty()) {
        *error = QCoreApplication::translate("SyncedNotes", "the note is no longer open");
        return false;
    }
    SettingsStore::Change change;
    change.values.emplace_back(tag + NoteKeys::Id, newId);
    change.synced = agreed;
    if (!m_program.store.commit(change, error))
        return false;
    m_tags.remove(id);
    m_tags.insert(newId, tag);
    m_changed = true;
    return true;
}

NoteSlots::Values SyncedNotes::cascaded(NoteSlots::Values values)
{
    // A note new to this computer has no place here yet: cascaded on the main screen.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QPoint corner = screen ? screen->availableGeometry().topLeft() : QPoint();
    const int step = 60 + 30 * (m_cascade++ % 10);
    values.insert(NoteKeys::Left, QString::number(Units::pixelsToTwips(corner.x() + step)));
    values.insert(NoteKeys::Top, QString::number(Units::pixelsToTwips(corner.y() + step)));
    return values;
}
