#include "gui/sync/synclook.h"

#include "gui/notebook/program.h"
#include "base/store/notekeys.h"
#include "base/store/settingsstore.h"

#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QUuid>

#include <algorithm>

namespace {

using FolderScan::SeenFile;
using SyncRules::Action;
using SyncRules::Agreed;
using SyncRules::Here;
using SyncRules::There;

// The ids of notes kept apart, made the same on every computer from the same version.
const QUuid CopiesNamespace(QStringLiteral("{6f0c2f52-5c1e-4f0e-9d55-2b7a0e6b8c31}"));

// The id a version of a note gets when it is kept apart from the note: every computer that
// keeps the same version apart gives it the same id, so it becomes one note, not one per computer.
QString apartId(const QString &id, const QString &state)
{
    return QUuid::createUuidV5(CopiesNamespace, id + QLatin1Char('/') + state).toString(QUuid::WithoutBraces);
}

Agreed agreedOn(const SeenFile &file)
{
    return Agreed{file.state, file.note ? file.note->edition : 0};
}

// The file's version of the note under another id: the same bytes whoever writes it.
NoteFile::SyncedNote renamed(const SeenFile &file, const QString &newId)
{
    NoteFile::SyncedNote note = *file.note;
    note.id = newId;
    note.values.insert(NoteKeys::Id, newId);
    return note;
}

} // namespace

SyncLook::SyncLook(Program &program, Shared &shared, FolderScan::Snapshot &snapshot, bool takingIn)
    : m_program(program)
    , m_shared(shared)
    , m_snapshot(snapshot)
    , m_takingIn(takingIn)
    , m_notes(program, shared.cascade)
{
}

void SyncLook::run()
{
    readLocal();
    if (m_takingIn)
        takeConflictCopies();
    QStringList ids = m_local.keys();
    for (auto it = m_snapshot.notes.cbegin(); it != m_snapshot.notes.cend(); ++it) {
        if (!m_local.contains(it.key()))
            ids.append(it.key());
    }
    ids.sort();   // the same order on every computer
    for (const QString &id : std::as_const(ids))
        apply(id);
    addNewNotes();
    if (m_takingIn)
        dropOldTombstones();
    for (const QString &path : std::as_const(m_snapshot.refused))
        tell(path, tr("%1 is named for a note id that no note can have — left alone.").arg(QFileInfo(path).fileName()));
    commitAgreed();
    // What is known of notes that are no longer here goes.
    for (auto it = m_shared.known.begin(); it != m_shared.known.end();) {
        const auto local = m_local.constFind(it.key());
        it = local == m_local.cend() || local->deleted ? m_shared.known.erase(it) : std::next(it);
    }
}

QHash<QString, NoteSlots::Values> SyncLook::unknownStates(const Program &program, const Shared &shared)
{
    QHash<QString, NoteSlots::Values> notes = SyncedNotes::openNotes(program);
    for (auto it = notes.begin(); it != notes.end();) {
        const auto known = shared.known.constFind(it.key());
        it = known != shared.known.cend() && known->values == it.value() ? notes.erase(it) : std::next(it);
    }
    return notes;
}

// The open notes (what travels of them: the rest plays no part here) and the deleted ones.
void SyncLook::readLocal()
{
    const QHash<QString, NoteSlots::Values> open = SyncedNotes::openNotes(m_program);
    for (auto it = open.cbegin(); it != open.cend(); ++it)
        m_local.insert(it.key(), Local{false, it.value(), {}});
    for (const SettingsStore::TrashedNote &trashed : m_program.store.trash()) {
        if (!m_local.contains(trashed.id) && NoteSlots::isId(trashed.id))
            m_local.insert(trashed.id, Local{true, {}, trashed.values});
    }
}

QString SyncLook::localState(const QString &id)
{
    const Local &local = m_local[id];
    if (local.deleted)
        return NoteFile::fingerprint(id, {}, true);
    KnownState &known = m_shared.known[id];
    if (known.state.isEmpty() || known.values != local.values) {
        known.values = local.values;
        known.state = NoteFile::fingerprint(id, local.values, false);
    }
    return known.state;
}

Agreed SyncLook::agreed(const QString &id) const
{
    const auto pending = m_agreed.constFind(id);
    return Agreed::parse(pending != m_agreed.cend() ? *pending : m_program.store.syncedStates().value(id));
}

void SyncLook::takeConflictCopies()
{
    QStringList ids = m_snapshot.copies.keys();
    ids.sort();
    for (const QString &id : std::as_const(ids)) {
        for (const QString &path : m_snapshot.copies.value(id))
            takeCopy(id, path);
    }
}

// A conflict copy an engine made becomes a note of its own once, unless its text is in a note
// here already; it is removed only then.
void SyncLook::takeCopy(const QString &id, const QString &path)
{
    const SeenFile copy = m_snapshot.files.value(path);
    if (!copy.note) {
        tell(path + copy.problem, tr("%1 — left alone.").arg(copy.problem));
        return;
    }
    if (copy.note->deleted) {
        removeCopy(path);   // a deletion's copy holds no text
        return;
    }
    const Agreed ours = agreed(id);
    const SeenFile main = m_snapshot.files.value(m_snapshot.notes.value(id));
    const auto local = m_local.constFind(id);
    const bool open = local != m_local.cend() && !local->deleted;
    // What this computer last wrote lost its name to another version: the note here keeps its
    // window and text under the copy's id, the other version opens under the old one.
    if (open && copy.state == ours.state && main.note && main.state != ours.state
        && moveMineAside(id, apartId(id, copy.state), main, &copy)) {
        removeCopy(path);
        return;
    }
    if (addApart(id, copy))
        removeCopy(path);
}

void SyncLook::apply(const QString &id)
{
    if (m_done.contains(id))
        return;
    m_done.insert(id);
    const auto local = m_local.constFind(id);
    const QString path = m_snapshot.notes.value(id);
    const std::optional<SeenFile> there =
        path.isEmpty() ? std::nullopt : std::optional<SeenFile>(m_snapshot.files.value(path));
    SyncRules::Facts facts;
    facts.here = local == m_local.cend() ? Here::None : local->deleted ? Here::Deleted : Here::Open;
    facts.mine = facts.here == Here::None ? QString() : localState(id);
    facts.there = there ? there->kind : There::None;
    facts.theirs = there ? there->state : QString();
    facts.theirEdition = there && there->note ? there->note->edition : 0;
    facts.agreed = agreed(id);
    facts.takingIn = m_takingIn;
    execute(SyncRules::decide(facts), id, there ? &*there : nullptr);
}

void SyncLook::execute(Action action, const QString &id, const SeenFile *there)
{
    switch (action) {
    case Action::Nothing:
        return;
    case Action::LeaveAlone:
        return tell(m_snapshot.notes.value(id) + there->problem, tr("%1 — left alone.").arg(there->problem));
    case Action::Remember:
        return remember(id, agreedOn(*there));
    case Action::Forget:
        m_agreed.insert(id, QString());
        return;
    case Action::Write:
        if (writeNote(id, there) && there && there->kind == There::Damaged)
            tell(m_snapshot.notes.value(id) + there->problem,
                 tr("%1 — written again from this computer's note.").arg(there->problem));
        return;
    case Action::TakeIn:
        return takeIn(id, *there);
    case Action::TakeInDeletion:
        return takeInDeletion(id, *there);
    case Action::Restore:
        return restore(id, *there);
    case Action::MoveMineAside: {
        const QString newId = apartId(id, localState(id));
        if (moveMineAside(id, newId, *there, nullptr)) {
            m_done.remove(newId);
            apply(newId);   // its file: written, or a newer one of it taken in
        } else if (m_local.contains(newId)) {
            takeIn(id, *there);   // moved aside before: that version is a note here
        }
        return;
    }
    case Action::KeepOlderApart:
        addApart(id, *there);
        writeNote(id, there);
        return;
    }
}

void SyncLook::takeIn(const QString &id, const SeenFile &there)
{
    const auto local = m_local.find(id);
    if (local == m_local.end()) {
        addNote(there.note->values, id, agreedOn(there));
        return;
    }
    QString error;
    if (m_notes.takeIn(id, there.note->values, agreedOn(there).stored(), &error)) {
        for (const QString &suffix : NoteFile::travellingSuffixes())
            local->values.insert(suffix, there.note->values.value(suffix));
        m_agreed.remove(id);
    } else {
        tell(QStringLiteral("take in ") + id, tr("A change from another computer could not be taken in: %1.").arg(error));
    }
}

void SyncLook::takeInDeletion(const QString &id, const SeenFile &there)
{
    QString error;
    if (!m_notes.trash(id, agreedOn(there).stored(), &error))
        return tell(QStringLiteral("trash ") + id,
                    tr("A note deleted on another computer could not be deleted here: %1.").arg(error));
    m_agreed.remove(id);
    m_local[id] = Local{true, {}, {}};
}

void SyncLook::restore(const QString &id, const SeenFile &there)
{
    QString error;
    const std::optional<NoteSlots::Values> values =
        m_notes.restore(id, m_local.value(id).trashed, there.note->values, agreedOn(there).stored(), &error);
    if (!values)
        return tell(QStringLiteral("add ") + id, tr("A note from another computer could not be added: %1.").arg(error));
    m_agreed.remove(id);
    m_local[id] = Local{false, *values, {}};
}

// Changed on both sides: the folder's version keeps the id, and the other computer sees no
// change of it; the note here keeps its window and text under a new id, and goes to the folder
// as a note of its own. Either way each computer keeps what was typed on it where it was typed.
bool SyncLook::moveMineAside(const QString &id, const QString &newId, const SeenFile &theirs, const SeenFile *copy)
{
    // Its file came first in this look and waits to open as a new note: this note becomes it.
    if (m_newAgreed.contains(newId))
        dropNewNote(newId);
    if (m_local.contains(newId))
        return false;   // that version is a note here already: nothing to move
    // What the moved note agrees on: the copy it was, or (unchanged since) what the note agreed
    // on under its old id, so that a newer file of it from another computer is taken in, never
    // written over.
    Agreed moved;
    const Agreed before = agreed(id);
    const std::optional<NoteFile::SyncedNote> asCopy =
        copy ? std::optional<NoteFile::SyncedNote>(renamed(*copy, newId)) : std::nullopt;
    if (asCopy)
        moved = Agreed{NoteFile::fingerprint(*asCopy), asCopy->edition};
    else if (localState(id) == before.state)
        moved = Agreed{NoteFile::fingerprint(newId, m_local.value(id).values, false), before.edition};
    QString error;
    if (!m_notes.changeId(id, newId, {{id, QString()}, {newId, moved.stored()}}, &error)) {
        tell(QStringLiteral("move ") + id, tr("A note changed on two computers at once could not be kept twice: %1.")
                                              .arg(error));
        return false;
    }
    m_agreed.remove(id);
    m_agreed.remove(newId);
    Local mine = m_local.take(id);
    mine.values.insert(NoteKeys::Id, newId);
    m_local.insert(newId, mine);
    m_shared.known.remove(id);
    if (theirs.kind == There::Note)
        addNote(theirs.note->values, id, agreedOn(theirs));
    // Byte for byte the file every other computer writes from the same copy, unless one is there.
    if (asCopy && !m_snapshot.files.contains(pathOf(newId)))
        writeFile(*asCopy);
    return true;
}

void SyncLook::dropNewNote(const QString &id)
{
    m_newAgreed.remove(id);
    m_local.remove(id);
    m_newNotes.erase(std::remove_if(m_newNotes.begin(), m_newNotes.end(),
                                    [&id](const NoteSlots::Values &note) { return note.value(NoteKeys::Id) == id; }),
                     m_newNotes.end());
}

// A version kept as a note of its own, under the id every computer gives it, unless its text
// is in a note here; true when its text is in a note here (now or before).
bool SyncLook::addApart(const QString &id, const SeenFile &file)
{
    if (isTextHere(file.note->values.value(NoteKeys::Notes)))
        return true;
    const QString newId = apartId(id, file.state);
    if (m_local.contains(newId) || !agreed(newId).isEmpty())
        return true;   // made a note once already, here or before it was deleted here
    const NoteFile::SyncedNote apart = renamed(file, newId);
    addNote(apart.values, newId, Agreed{NoteFile::fingerprint(apart), apart.edition});
    if (!m_snapshot.files.contains(pathOf(newId)))
        writeFile(apart);
    return true;
}

void SyncLook::addNote(NoteSlots::Values values, const QString &id, const Agreed &agreed)
{
    values.insert(NoteKeys::Id, id);
    m_newNotes.append(values);
    m_newAgreed.insert(id, agreed.stored());
    m_local.insert(id, Local{false, values, {}});
    if (m_texts)
        m_texts->insert(values.value(NoteKeys::Notes));
}

void SyncLook::addNewNotes()
{
    if (m_newNotes.isEmpty())
        return;
    QString error;
    if (!m_notes.add(m_newNotes, m_newAgreed, {}, &error))
        tell(QStringLiteral("add"), tr("Notes from other computers could not be added: %1.").arg(error));
    for (auto it = m_newAgreed.cbegin(); it != m_newAgreed.cend(); ++it)
        m_agreed.remove(it.key());
    m_newNotes.clear();
    m_newAgreed.clear();
}

bool SyncLook::writeNote(const QString &id, const SeenFile *there)
{
    const Local &local = m_local[id];
    NoteFile::SyncedNote note;
    note.id = id;
    note.deleted = local.deleted;
    if (!local.deleted)
        note.values = NoteFile::travelling(local.values);
    note.changed = QDateTime::currentDateTimeUtc();
    note.computer = m_shared.computer;
    note.computerName = QSysInfo::machineHostName();
    note.edition = std::max(agreed(id).edition, there && there->note ? there->note->edition : 0) + 1;
    return writeFile(note);
}

// Never over a file that changed since it was read: the next look takes that change in first.
bool SyncLook::writeFile(const NoteFile::SyncedNote &note)
{
    const QString path = pathOf(note.id);
    const auto seen = m_snapshot.files.constFind(path);
    if (SafeRead::stampOf(path) != (seen == m_snapshot.files.cend() ? SafeRead::Stamp() : seen->stamp))
        return false;
    QString error;
    if (!FolderScan::writeNoteFile(m_snapshot.folder, note, &error)) {
        tell(QStringLiteral("write"), tr("Quillarren cannot write here: %1. Your notes are kept on this computer; "
                                         "it tries again.").arg(error));
        return false;
    }
    SeenFile written;
    written.stamp = SafeRead::stampOf(path);
    written.kind = note.deleted ? There::Deleted : There::Note;
    written.note = note;
    written.state = NoteFile::fingerprint(note);
    m_snapshot.files.insert(path, written);
    m_snapshot.notes.insert(note.id, path);
    remember(note.id, Agreed{written.state, note.edition});
    return true;
}

void SyncLook::remember(const QString &id, const Agreed &agreed)
{
    const QString stored = agreed.stored();
    if (m_program.store.syncedStates().value(id) != stored)
        m_agreed.insert(id, stored);
    else
        m_agreed.remove(id);
}

void SyncLook::removeCopy(const QString &path)
{
    // Only the copy as it was read: one that changed since is looked at again.
    if (SafeRead::stampOf(path) != m_snapshot.files.value(path).stamp || !QFile::remove(path))
        return;
    m_snapshot.files.remove(path);
}

void SyncLook::dropOldTombstones()
{
    const QStringList ids = FolderScan::oldDeletions(m_snapshot, m_shared.computer, QDateTime::currentDateTimeUtc(),
                                                     [this](const QString &id) { return agreed(id).state; });
    for (const QString &id : ids) {
        if (QFile::remove(m_snapshot.notes.value(id)))
            m_agreed.insert(id, QString());
    }
}

void SyncLook::commitAgreed()
{
    if (m_agreed.isEmpty())
        return;
    SettingsStore::Change change;
    change.synced = m_agreed;
    QString error;
    if (m_program.store.commit(change, &error))
        m_agreed.clear();
}

bool SyncLook::isTextHere(const QString &text)
{
    if (!m_texts) {
        m_texts.emplace();
        for (const Local &local : std::as_const(m_local)) {
            if (!local.deleted)
                m_texts->insert(local.values.value(NoteKeys::Notes));
        }
    }
    return m_texts->contains(text);
}

QString SyncLook::pathOf(const QString &id) const
{
    return m_snapshot.folder + QLatin1Char('/') + id + QStringLiteral(".json");
}

void SyncLook::tell(const QString &key, const QString &line)
{
    m_notices.append(Notice{key, line});
}
