#include "sync/notesync.h"

#include "app/main2.h"
#include "app/noteopener.h"
#include "app/program.h"
#include "commands/menuform.h"
#include "commands/notecommands.h"
#include "note/form1.h"
#include "platform/filesync.h"
#include "platform/formtimer.h"
#include "platform/units.h"
#include "reminder/remindercheck.h"
#include "store/notekeys.h"
#include "store/settingsstore.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTextCursor>
#include <QSysInfo>
#include <QUuid>

namespace {

const QString FolderKey = QStringLiteral("Sync Folder");
const QString ComputerKey = QStringLiteral("Sync Computer");
// A note file beyond this size is nobody's note: it is left alone.
constexpr qint64 LargestNoteFileBytes = 64LL * 1024 * 1024;
constexpr int SettleMs = 300;
constexpr qint64 TombstoneDays = 30;
// The ids of second copies, made the same on every computer from the same file.
const QUuid CopiesNamespace(QStringLiteral("{6f0c2f52-5c1e-4f0e-9d55-2b7a0e6b8c31}"));

const QRegularExpression &noteFileName()
{
    static const QRegularExpression name(QStringLiteral("^([0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12})\\.json$"));
    return name;
}

// The conflict copies the engines make of a note's file: Syncthing's
// <id>.sync-conflict-<date>-<time>-<device>.json, Nextcloud's and Dropbox's "<id> (conflicted copy …).json".
const QRegularExpression &conflictCopyName()
{
    static const QRegularExpression name(QStringLiteral(
        "^([0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12})"
        "(\\.sync-conflict-[0-9]{8}-[0-9]{6}-[A-Z0-9]+| \\([^()]*conflicted copy[^()]*\\))\\.json$"));
    return name;
}

// Written under a name the engines skip (Syncthing never carries ".syncthing.*" files), and
// renamed into place within milliseconds.
QString temporaryPath(const QString &folder, const QString &id)
{
    return folder + QStringLiteral("/.syncthing.quillarren-") + id + QStringLiteral(".json.tmp");
}

} // namespace

NoteSync::NoteSync(Program &program)
    : m_program(program)
{
    m_computer = program.store.get(ComputerKey);
    if (m_computer.isEmpty()) {
        m_computer = NoteSlots::newId();
        program.store.save(ComputerKey, m_computer);
    }
    for (QTimer *timer : {&m_typingPause, &m_typingMost, &m_settle}) {
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, &NoteSync::syncNow);
    }
    connect(&m_rescan, &QTimer::timeout, this, &NoteSync::syncNow);
    connect(&program.store, &SettingsStore::changed, this, &NoteSync::localChanged);
    // Quit has stored the notes: their files are written before the windows go.
    connect(&program, &Program::notesStoredForQuit, this, &NoteSync::writeChanges);
}

NoteSync::~NoteSync() = default;

void NoteSync::startFromStore()
{
    const QString folder = m_program.store.get(FolderKey);
    QString said;
    if (!folder.isEmpty() && !setFolder(folder, &said))
        emit told(said);
}

bool NoteSync::setFolder(const QString &folder, QString *said)
{
    delete m_watcher;
    m_watcher = nullptr;
    m_rescan.stop();
    m_seen.clear();
    m_toldAbout.clear();
    m_missing = false;
    if (folder.isEmpty()) {
        m_folder.clear();
        m_program.store.save(FolderKey, QString());
        *said = tr("Quillarren no longer syncs its notes through a folder; the notes stay as they are.");
        return true;
    }
    const QString absolute = QFileInfo(folder).absoluteFilePath();
    if (!QFileInfo(absolute).isDir()) {
        *said = tr("%1 is not a folder: syncing is left as it was.").arg(QDir::toNativeSeparators(absolute));
        return false;
    }
    m_folder = absolute;
    m_program.store.save(FolderKey, m_folder);
    m_watcher = new QFileSystemWatcher(this);
    m_watcher->addPath(m_folder);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { m_settle.start(SettleMs); });
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { m_settle.start(SettleMs); });
    // Watchers miss events on some file systems (network ones): the folder is read again anyway.
    m_rescan.start(rescanMs);
    m_settle.start(0);
    *said = tr("Quillarren syncs its notes through %1: one file per note, which the program that syncs the "
               "folder carries to your other computers.").arg(QDir::toNativeSeparators(m_folder));
    return true;
}

void NoteSync::localChanged(const QString &key)
{
    if (!isActive() || m_syncing)
        return;
    if (!key.isEmpty()) {
        if (!key.startsWith(NoteKeys::TagPrefix))
            return;
        const QStringView suffix = QStringView(key).mid(key.indexOf(QLatin1Char('.')));
        if (!NoteFile::travellingSuffixes().contains(suffix.toString()))
            return;
    }
    // After a pause in the typing, and while it goes on, at least this often.
    m_typingPause.start(typingPauseMs);
    if (!m_typingMost.isActive())
        m_typingMost.start(typingMostMs);
}

bool NoteSync::folderIsThere()
{
    const bool there = QFileInfo(m_folder).isDir();
    if (there == !m_missing)
        return there;
    m_missing = !there;
    m_seen.clear();
    if (m_missing) {
        emit told(tr("The sync folder %1 is not there (is its disk unmounted?). Syncing waits until it is back; "
                     "your notes are kept here as they are.").arg(QDir::toNativeSeparators(m_folder)));
    } else {
        m_watcher->addPath(m_folder);
        emit told(tr("The sync folder %1 is back: syncing goes on.").arg(QDir::toNativeSeparators(m_folder)));
    }
    return there;
}

QHash<QString, NoteSync::Local> NoteSync::localNotes() const
{
    QHash<QString, Local> notes;
    const SettingsStore &store = m_program.store;
    const int count = NoteSlots::storedCount(store);
    for (int slot = 1; slot <= count; ++slot) {
        const QString tag = NoteKeys::tagFor(slot);
        NoteSlots::Values values = NoteSlots::valuesOf(store, tag);
        const QString id = values.value(NoteKeys::Id);
        if (NoteSlots::isId(id))
            notes.insert(id, Local{tag, values, false, {}});
    }
    for (const SettingsStore::TrashedNote &trashed : store.trash()) {
        if (!notes.contains(trashed.id) && NoteSlots::isId(trashed.id))
            notes.insert(trashed.id, Local{QString(), {}, true, trashed.values});
    }
    return notes;
}

const NoteSync::FileSeen &NoteSync::read(const QString &path)
{
    const QFileInfo info(path);
    FileSeen &seen = m_seen[path];
    if (seen.size == info.size() && seen.modified == info.lastModified())
        return seen;
    seen = FileSeen{info.lastModified(), info.size(), std::nullopt, QString()};
    QString error;
    QFile file(path);
    if (info.size() > LargestNoteFileBytes) {
        error = tr("%1 is too large to be a note").arg(QDir::toNativeSeparators(path));
    } else if (!file.open(QIODevice::ReadOnly)) {
        error = tr("%1 cannot be read: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    } else {
        seen.note = NoteFile::readSynced(file.readAll(), QDir::toNativeSeparators(path), &error);
        // Its name begins with the id of the note it holds, a conflict copy's too.
        if (seen.note && seen.note->id != info.fileName().left(36)) {
            error = tr("%1 holds another note than its name says").arg(QDir::toNativeSeparators(path));
            seen.note.reset();
        }
    }
    if (seen.note)
        seen.state = NoteFile::fingerprint(*seen.note);
    else
        tellOnce(path + error, tr("Quillarren leaves %1 alone: %2.").arg(QDir::toNativeSeparators(path), error));
    return seen;
}

QString NoteSync::localState(const QString &id, const Local &local) const
{
    return NoteFile::fingerprint(id, local.values, local.deleted);
}

void NoteSync::remember(const QString &id, const QString &state)
{
    if (m_program.store.syncedStates().value(id) != state)
        m_agreed.insert(id, state);
}

Form1 *NoteSync::openNote(const QString &tag) const
{
    for (Form *form : m_program.forms.withTag(tag)) {
        if (auto *note = qobject_cast<Form1 *>(form))
            return note;
    }
    return nullptr;
}

void NoteSync::syncNow()
{
    look(true);
}

void NoteSync::writeChanges()
{
    look(false);
}

void NoteSync::look(bool takingIn)
{
    if (!isActive() || m_syncing)
        return;
    m_syncing = true;
    m_typingPause.stop();
    m_typingMost.stop();
    if (!folderIsThere()) {
        m_syncing = false;
        return;
    }
    // Taking in needs the windows: while Quit unloads them, while notes still open or are being
    // replaced, and once the program has ended, this computer's changes are written only.
    takingIn = takingIn && !m_program.quitting && !m_program.hasEnded() && !m_program.opener().isBusy();
    QHash<QString, Local> local = localNotes();
    QHash<QString, QString> files;
    QStringList copies;
    QDir folder(m_folder);
    for (const QString &name : folder.entryList({QStringLiteral("*.json")}, QDir::Files | QDir::Hidden)) {
        if (const QRegularExpressionMatch match = noteFileName().match(name); match.hasMatch())
            files.insert(match.captured(1), folder.filePath(name));
        else if (conflictCopyName().match(name).hasMatch())
            copies.append(folder.filePath(name));
        // Every other file is somebody else's: never read, never touched.
    }
    QSet<QString> ids(files.keyBegin(), files.keyEnd());
    for (auto it = local.cbegin(); it != local.cend(); ++it)
        ids.insert(it.key());

    for (const QString &id : ids) {
        const auto l = local.constFind(id);
        const Local *here = l == local.cend() ? nullptr : &*l;
        const FileSeen *there = files.contains(id) ? &read(files.value(id)) : nullptr;
        if (there && !there->note)
            continue;   // a file that cannot be read is left alone, and the note as it is
        const QString agreed = m_program.store.syncedStates().value(id);
        const QString mine = here ? localState(id, *here) : QString();
        const QString theirs = there ? there->state : QString();
        if (here && here->deleted && agreed.isEmpty() && !there)
            continue;   // deleted before the folder knew it
        if (mine == theirs) {
            remember(id, mine);
        } else if (!there) {
            write(id, *here);
        } else if (!here) {
            if (takingIn && !there->note->deleted)
                takeIn(id, nullptr, *there->note);
        } else if (mine == agreed) {
            if (takingIn)
                takeIn(id, here, *there->note);
        } else if (theirs == agreed || !takingIn) {
            write(id, *here);
        } else if (here->deleted) {
            takeIn(id, here, *there->note);   // changed there after it was deleted here: the change wins
        } else {
            // Changed on both sides: this computer's stays the note, the other becomes a second one.
            if (!there->note->deleted)
                addSecondCopy(*there->note, QUuid::createUuidV5(CopiesNamespace, id + QLatin1Char('/') + theirs)
                                                .toString(QUuid::WithoutBraces));
            write(id, *here);
        }
    }
    if (takingIn) {
        takeConflictCopies(copies, local);
        dropOldTombstones(files.keys());
    }
    if (!m_agreed.isEmpty()) {
        SettingsStore::Change change;
        change.synced = m_agreed;
        QString error;
        if (m_program.store.commit(change, &error))
            m_agreed.clear();
    }
    m_typingPause.stop();
    m_typingMost.stop();
    m_syncing = false;
}

bool NoteSync::write(const QString &id, const Local &local)
{
    const QString path = m_folder + QLatin1Char('/') + id + QStringLiteral(".json");
    // Never over a file that changed since it was read: the next look takes that change in first.
    if (m_seen.contains(path)) {
        const QFileInfo info(path);
        const FileSeen &seen = m_seen[path];
        if (info.exists() && (info.size() != seen.size || info.lastModified() != seen.modified))
            return false;
    } else if (QFileInfo::exists(path)) {
        return false;
    }
    NoteFile::SyncedNote note;
    note.id = id;
    note.values = local.values;
    note.deleted = local.deleted;
    note.changed = QDateTime::currentDateTimeUtc();
    note.computer = m_computer;
    note.computerName = QSysInfo::machineHostName();
    return writeFile(path, note);
}

bool NoteSync::writeFile(const QString &path, const NoteFile::SyncedNote &note)
{
    const QByteArray bytes = NoteFile::writeSynced(note);
    const QString temporary = temporaryPath(m_folder, note.id);
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate, QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        || file.write(bytes) != bytes.size() || !file.flush() || !FileSync::syncFile(temporary)
        || (file.close(), !FileSync::replaceFile(temporary, path))) {
        file.close();
        QFile::remove(temporary);
        tellOnce(QStringLiteral("write ") + m_folder,
                 tr("Quillarren cannot write in the sync folder %1: %2. Your notes are kept here; it tries again.")
                     .arg(QDir::toNativeSeparators(m_folder), file.errorString()));
        return false;
    }
    // What was just written is known: its own look would find it unchanged.
    const QFileInfo info(path);
    m_seen.insert(path, FileSeen{info.lastModified(), info.size(), note, NoteFile::fingerprint(note)});
    remember(note.id, NoteFile::fingerprint(note));
    return true;
}

void NoteSync::takeIn(const QString &id, const Local *local, const NoteFile::SyncedNote &remote)
{
    const QString state = NoteFile::fingerprint(remote);
    QString error;
    if (remote.deleted) {
        Form1 *note = local && !local->deleted ? openNote(local->tag) : nullptr;
        if (note) {
            // The program never runs without a note: the last one gives way to a new, empty one.
            if (Form1::loadedNotes(m_program.forms).size() == 1)
                m_program.menuForm().item(QStringLiteral("CreateNewNoteName"))->trigger();
            if (!m_program.commands().trashNote(note, &error))
                return tellOnce(QStringLiteral("trash ") + id, tr("A note deleted on another computer could not be "
                                                                   "deleted here: %1.").arg(error));
        }
        remember(id, state);
        return;
    }
    if (!local || local->deleted) {
        // New here, or deleted here and changed there since: it opens, where it was when it was
        // deleted here, or cascaded on the main screen.
        NoteSlots::Values values = local ? local->trashed : cascaded({});
        for (const QString &suffix : NoteFile::travellingSuffixes())
            values.remove(suffix);
        values.insert(remote.values);
        SettingsStore::Change alongside;
        if (local)
            alongside.fromTrash = {id};
        alongside.synced.insert(id, state);
        if (!m_program.commands().addNotes({values}, alongside, &error))
            tellOnce(QStringLiteral("add ") + id, tr("A note from another computer could not be added: %1.").arg(error));
        return;
    }
    // Changed there only: the open note takes the change, keeping its place and the user's cursor.
    SettingsStore::Change change;
    for (const QString &suffix : NoteFile::travellingSuffixes())
        change.values.emplace_back(local->tag + suffix, remote.values.value(suffix));
    change.synced.insert(id, state);
    if (!m_program.store.commit(change, &error))
        return;
    Form1 *note = openNote(local->tag);
    if (!note)
        return;
    const QString text = remote.values.value(NoteKeys::Notes);
    if (note->noteText() != text) {
        QTextCursor cursor = note->Text1()->textCursor();
        const int anchor = cursor.anchor(), position = cursor.position();
        note->showStoredText(text);
        const int end = int(note->Text1()->document()->characterCount()) - 1;
        cursor = note->Text1()->textCursor();
        cursor.setPosition(std::min(anchor, end));
        cursor.setPosition(std::min(position, end), QTextCursor::KeepAnchor);
        note->Text1()->setTextCursor(cursor);
    }
    note->showBuiltInLook();
    Main2::ApplyStoredLook(m_program, note);
    note->Timer1()->setInterval(1);   // its see-through level, set up again
    m_program.reminderCheck().update();
}

void NoteSync::addSecondCopy(const NoteFile::SyncedNote &remote, const QString &newId)
{
    const QString tagged = m_program.store.syncedStates().value(newId);
    if (!tagged.isEmpty() || QFileInfo::exists(m_folder + QLatin1Char('/') + newId + QStringLiteral(".json")))
        return;   // made already, here or on the computer that made it first
    NoteFile::SyncedNote copy = remote;
    copy.id = newId;
    copy.values.insert(NoteKeys::Id, newId);
    SettingsStore::Change agreed;
    agreed.synced.insert(newId, NoteFile::fingerprint(copy));
    QString error;
    if (!m_program.commands().addNotes({cascaded(copy.values)}, agreed, &error)) {
        tellOnce(QStringLiteral("add ") + newId, tr("A note changed on two computers at once could not be kept "
                                                    "twice: %1.").arg(error));
        return;
    }
    // Its file at once, so that the other computer gets its own text back at its next look.
    writeFile(m_folder + QLatin1Char('/') + newId + QStringLiteral(".json"), copy);
}

void NoteSync::takeConflictCopies(const QStringList &copies, QHash<QString, Local> &local)
{
    for (const QString &path : copies) {
        const FileSeen &seen = read(path);
        if (!seen.note)
            continue;
        const QString name = QFileInfo(path).fileName();
        const QString id = conflictCopyName().match(name).captured(1);
        const QString mainFile = m_folder + QLatin1Char('/') + id + QStringLiteral(".json");
        const auto here = local.constFind(id);
        const bool same = seen.note->deleted || (here != local.cend() && localState(id, *here) == seen.state)
            || (QFileInfo::exists(mainFile) && read(mainFile).state == seen.state);
        if (!same) {
            // One separate note, the same on every computer: its id comes from the copy's name,
            // and its file from the copy, byte for byte the same whoever writes it.
            const QString newId = QUuid::createUuidV5(CopiesNamespace, name).toString(QUuid::WithoutBraces);
            NoteFile::SyncedNote copy = *seen.note;
            copy.id = newId;
            copy.values.insert(NoteKeys::Id, newId);
            const QString newFile = m_folder + QLatin1Char('/') + newId + QStringLiteral(".json");
            if (!local.contains(newId) && m_program.store.syncedStates().value(newId).isEmpty()) {
                QString error;
                SettingsStore::Change agreed;
                agreed.synced.insert(newId, NoteFile::fingerprint(copy));
                if (!m_program.commands().addNotes({cascaded(copy.values)}, agreed, &error))
                    continue;
                local.insert(newId, Local{});
            }
            if (!QFileInfo::exists(newFile) && !writeFile(newFile, copy))
                continue;
        }
        // The copy's note lives on as a note of its own, or was the same as the note: the copy goes.
        QFile::remove(path);
        m_seen.remove(path);
    }
}

void NoteSync::dropOldTombstones(const QStringList &ids)
{
    const QDateTime limit = QDateTime::currentDateTimeUtc().addDays(-TombstoneDays);
    for (const QString &id : ids) {
        const QString path = m_folder + QLatin1Char('/') + id + QStringLiteral(".json");
        const FileSeen &seen = read(path);
        // Only a deletion this computer wrote, untouched since, and old enough for every other
        // computer to have seen it.
        if (!seen.note || !seen.note->deleted || seen.note->computer != m_computer || seen.note->changed >= limit
            || m_program.store.syncedStates().value(id) != seen.state)
            continue;
        if (QFile::remove(path)) {
            m_seen.remove(path);
            m_agreed.insert(id, QString());
        }
    }
}

void NoteSync::tellOnce(const QString &key, const QString &message)
{
    if (m_toldAbout.contains(key))
        return;
    m_toldAbout.insert(key);
    emit told(message);
}

NoteSlots::Values NoteSync::cascaded(NoteSlots::Values values)
{
    // A note new to this computer has no place here yet: cascaded on the main screen.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QPoint corner = screen ? screen->availableGeometry().topLeft() : QPoint();
    const int step = 60 + 30 * (m_cascade++ % 10);
    values.insert(NoteKeys::Left, QString::number(Units::pixelsToTwips(corner.x() + step)));
    values.insert(NoteKeys::Top, QString::number(Units::pixelsToTwips(corner.y() + step)));
    return values;
}
