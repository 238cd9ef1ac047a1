#include "gui/sync/notesync.h"

#include "gui/notebook/noteopener.h"
#include "gui/notebook/program.h"
#include "base/notefile/notefile.h"
#include "base/store/notekeys.h"
#include "base/store/noteslots.h"
#include "base/store/settingsstore.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QThread>

namespace {

const QString ComputerKey = QStringLiteral("Sync Computer");
// The folder the last look went through: one chosen since (while the program was closed) may
// well be empty, unlike one that lost its notes' files.
const QString LookedKey = QStringLiteral("Sync Folder Looked At");
constexpr int SettleMs = 100;

} // namespace

NoteSync::NoteSync(Program &program)
    : m_program(program)
{
    m_shared.computer = program.store.get(ComputerKey);
    if (m_shared.computer.isEmpty()) {
        m_shared.computer = NoteSlots::newId();
        program.store.save(ComputerKey, m_shared.computer);
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

NoteSync::~NoteSync()
{
    // The read is bounded (plain files only, never waiting on a pipe): it ends soon.
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
}

void NoteSync::startFromStore()
{
    const QString folder = m_program.store.get(NoteKeys::SyncFolder);
    QString said;
    if (!folder.isEmpty() && !useFolder(folder, m_program.store.get(LookedKey) != folder, &said))
        emit told(said);
}

bool NoteSync::setFolder(const QString &folder, QString *said)
{
    return useFolder(folder, true, said);
}

bool NoteSync::useFolder(const QString &folder, bool chosenNow, QString *said)
{
    delete m_watcher;
    m_watcher = nullptr;
    m_rescan.stop();
    ++m_generation;
    m_files.clear();
    m_toldAbout.clear();
    m_pause = Pause::None;
    m_device.reset();
    m_chosenNow = chosenNow;
    if (folder.isEmpty()) {
        m_folder.clear();
        m_program.store.save(NoteKeys::SyncFolder, QString());
        *said = tr("Quillarren no longer syncs its notes through a folder; the notes stay as they are.");
        return true;
    }
    const QString absolute = QFileInfo(folder).absoluteFilePath();
    if (!QFileInfo(absolute).isDir()) {
        *said = tr("%1 is not a folder: syncing is left as it was.").arg(QDir::toNativeSeparators(absolute));
        return false;
    }
    m_folder = absolute;
    m_program.store.save(NoteKeys::SyncFolder, m_folder);
    m_watcher = new QFileSystemWatcher(this);
    m_watcher->addPath(m_folder);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { m_settle.start(SettleMs); });
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
    m_notesChanged = true;
    // After a pause in the typing, and while it goes on, at least this often.
    m_typingPause.start(typingPauseMs);
    if (!m_typingMost.isActive())
        m_typingMost.start(typingMostMs);
}

void NoteSync::syncNow()
{
    if (isActive())
        startScan();
}

void NoteSync::startScan()
{
    if (m_worker) {
        m_lookAgain = true;
        return;
    }
    auto result = std::make_shared<Scanned>();
    const QString folder = m_folder;
    const QHash<QString, FolderScan::SeenFile> before = m_files;
    const int generation = m_generation;
    // The fingerprints of notes changed here are worked out there too: megabytes cost seconds.
    QHash<QString, NoteSlots::Values> changed;
    if (m_notesChanged)
        changed = SyncLook::unknownStates(m_program, m_shared);
    m_notesChanged = false;
    m_worker = QThread::create([result, folder, before, changed] {
        result->snapshot = FolderScan::scan(folder, before);
        for (auto it = changed.cbegin(); it != changed.cend(); ++it)
            result->known.insert(it.key(), {it.value(), NoteFile::fingerprint(it.key(), it.value(), false)});
    });
    QThread *worker = m_worker;
    connect(worker, &QThread::finished, this, [this, worker, result, generation] { scanned(worker, result, generation); });
    worker->start(QThread::LowPriority);
}

void NoteSync::scanned(QThread *worker, const std::shared_ptr<Scanned> &result, int generation)
{
    worker->wait();
    worker->deleteLater();
    if (m_worker == worker)
        m_worker = nullptr;
    m_shared.known.insert(result->known);   // a fingerprint holds for its values whenever it was made
    if (generation == m_generation && isActive())
        apply(result->snapshot, true);
    if (m_lookAgain && isActive()) {
        m_lookAgain = false;
        startScan();
    }
}

void NoteSync::writeChanges()
{
    if (!isActive())
        return;
    // Now, on this thread: the program ends right after. A read under way is not waited for.
    ++m_generation;
    FolderScan::Snapshot snapshot = FolderScan::scan(m_folder, m_files);
    apply(snapshot, false);
}

void NoteSync::apply(FolderScan::Snapshot &snapshot, bool takingIn)
{
    if (m_syncing) {
        m_lookAgain = true;   // reached from inside a look (a dialog's event loop): after it
        return;
    }
    if (goesOn(snapshot)) {
        // Taking in needs the windows: while Quit unloads them, while notes still open or are
        // being replaced, and once the program has ended, this computer's changes are written only.
        takingIn = takingIn && !m_program.quitting && !m_program.hasEnded() && !m_program.opener().isBusy();
        m_syncing = true;
        SyncLook look(m_program, m_shared, snapshot, takingIn);
        look.run();
        m_syncing = false;
        m_notesChanged = m_notesChanged || look.changedNotes();
        m_files = snapshot.files;
        m_device = snapshot.device;
        m_chosenNow = false;
        if (m_program.store.get(LookedKey) != m_folder)
            m_program.store.save(LookedKey, m_folder);
        m_typingPause.stop();
        m_typingMost.stop();
        tellNotices(look.notices());
    }
    emit looked();
}

NoteSync::Pause NoteSync::pauseFor(const FolderScan::Snapshot &snapshot) const
{
    if (!snapshot.there)
        return Pause::Missing;
    if (m_device && *m_device != snapshot.device)
        return Pause::OtherDevice;
    if (m_chosenNow || !snapshot.notes.isEmpty())
        return Pause::None;
    // No note file at all, though notes open here were in it: an empty mount point, a folder
    // emptied by mistake. Writing into it would spread nothing but trouble.
    const QHash<QString, QString> &agreed = m_program.store.syncedStates();
    const int count = NoteSlots::storedCount(m_program.store);
    for (int slot = 1; slot <= count; ++slot) {
        if (agreed.contains(m_program.store.get(NoteKeys::tagFor(slot) + NoteKeys::Id)))
            return Pause::Empty;
    }
    return Pause::None;
}

// Syncing pauses while the folder is not there, is on another disk than it was, or has lost
// every note's file: one notice when it pauses, one when it goes on.
bool NoteSync::goesOn(const FolderScan::Snapshot &snapshot)
{
    const Pause pause = pauseFor(snapshot);
    if (pause == m_pause)
        return pause == Pause::None;
    m_pause = pause;
    const QString folder = QDir::toNativeSeparators(m_folder);
    const QString kept = tr("Syncing waits until it is back; your notes are kept here as they are.");
    const QString chooseAgain = tr("If the folder is right as it is now, choose it again (Sync Folder… in the tray "
                                   "menu, or quillarren --sync-folder) and syncing goes on.");
    switch (pause) {
    case Pause::None:
        if (m_watcher)
            m_watcher->addPath(m_folder);
        emit told(tr("The sync folder %1 is back: syncing goes on.").arg(folder));
        return true;
    case Pause::Missing:
        emit told(tr("The sync folder %1 is not there (is its disk unmounted?). %2").arg(folder, kept));
        break;
    case Pause::Empty:
        emit told(tr("The sync folder %1 holds none of your notes' files any more (is its disk unmounted?). %2 %3")
                      .arg(folder, kept, chooseAgain));
        break;
    case Pause::OtherDevice:
        emit told(tr("The sync folder %1 is on another disk than before (was its disk unmounted, or another "
                     "mounted there?). %2 %3").arg(folder, kept, chooseAgain));
        break;
    }
    return false;
}

// One notice for everything a look found, each file named once in a run.
void NoteSync::tellNotices(const QList<SyncLook::Notice> &notices)
{
    QStringList lines;
    for (const SyncLook::Notice &notice : notices) {
        if (m_toldAbout.contains(notice.key))
            continue;
        m_toldAbout.insert(notice.key);
        lines.append(QStringLiteral("• ") + notice.line);
    }
    if (!lines.isEmpty())
        emit told(tr("In the sync folder %1:").arg(QDir::toNativeSeparators(m_folder)) + QLatin1Char('\n')
                  + lines.join(QLatin1Char('\n')));
}
