#include "tray/trayicon.h"

#include "app/autostart.h"
#include "app/noteverbs.h"
#include "app/program.h"
#include "backup/backups.h"
#include "commands/menuform.h"
#include "note/form1.h"
#include "platform/dialogs.h"
#include "platform/programicon.h"
#include "store/notekeys.h"
#include "store/noteslots.h"
#include "store/settingsstore.h"
#include "sync/notesync.h"
#include "tray/noteslist.h"

#include <QAction>
#include <QDir>
#include <QLocale>
#include <QMenu>
#include <QSystemTrayIcon>

namespace {

QString shortDate(const QDateTime &date)
{
    return QLocale().toString(date.toLocalTime(), QLocale::ShortFormat);
}

QString clipped(const QString &text)
{
    constexpr int Longest = 40;
    if (text.isEmpty())
        return QStringLiteral("(empty note)");
    return text.size() > Longest ? text.left(Longest - 1) + QChar(0x2026) : text;
}

} // namespace

TrayIcon::TrayIcon(Program &program, Backups &backups, NoteSync &sync)
    : m_program(program)
    , m_backups(backups)
    , m_sync(sync)
    , m_menu(new QMenu)
{
    m_menu->setObjectName(QStringLiteral("TrayMenu"));
    m_menu->setAccessibleName(QStringLiteral("Quillarren"));
    // The notes' own menu items, failures reported as there.
    m_menu->addAction(tr("New Note"), this,
                      [this] { m_program.menuForm().item(QStringLiteral("CreateNewNoteName"))->trigger(); });
    m_menu->addAction(tr("Show All Notes"), this, [this] { m_program.bringNotesForward(true); });
    m_menu->addAction(tr("Find Note…"), this, [this] { notesList().open(); });
    m_deleted = m_menu->addMenu(tr("Deleted Notes"));
    m_backupsMenu = m_menu->addMenu(tr("Backups"));
    m_menu->addAction(tr("Sync Folder…"), this, &TrayIcon::chooseSyncFolder);
    m_stopSyncing = m_menu->addAction(tr("Stop Syncing"), this, [this] {
        QString said;
        m_sync.setFolder(QString(), &said);
    });
    m_autostart = m_menu->addAction(tr("Start at Login"));
    m_autostart->setCheckable(true);
    connect(m_autostart, &QAction::triggered, this, &TrayIcon::switchAutostart);
    m_menu->addSeparator();
    // Exactly the notes' own Quit: everything is stored, and it waits while the store refuses.
    m_menu->addAction(tr("Quit"), this, [this] { m_program.menuForm().QuitName_Click(); });
    connect(m_menu, &QMenu::aboutToShow, this, &TrayIcon::refreshMenu);
}

TrayIcon::~TrayIcon()
{
    delete m_list;
    delete m_icon;
    delete m_menu;
}

void TrayIcon::setShown(bool shown)
{
    if (!shown) {
        if (m_icon)
            m_icon->hide();
        return;
    }
    if (!m_icon) {
        m_icon = new QSystemTrayIcon(programIcon(), this);
        m_icon->setContextMenu(m_menu);
        connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger)
                bringNotesForward();
        });
    }
    const int notes = Form1::loadedNotes(m_program.forms).size();
    m_icon->setToolTip(notes == 1 ? tr("Quillarren: 1 note") : tr("Quillarren: %1 notes").arg(notes));
    m_icon->show();
}

bool TrayIcon::isShown() const
{
    return m_icon && m_icon->isVisible();
}

void TrayIcon::refreshMenu()
{
    fillDeleted();
    fillBackups();
    m_autostart->setChecked(Autostart::isOn());
    m_stopSyncing->setVisible(m_sync.isActive());
    if (m_icon)
        setShown(m_icon->isVisible());   // the count in its tooltip
}

NotesList &TrayIcon::notesList()
{
    if (!m_list)
        m_list = new NotesList(m_program);
    return *m_list;
}

void TrayIcon::bringNotesForward()
{
    m_program.bringNotesForward(false);
}

void TrayIcon::fillDeleted()
{
    m_deleted->clear();
    const QList<SettingsStore::TrashedNote> trash = m_program.store.trash();
    if (trash.isEmpty())
        m_deleted->addAction(tr("No deleted notes"))->setEnabled(false);
    for (const SettingsStore::TrashedNote &note : trash) {
        const QString title = clipped(NoteSlots::firstLine(note.values.value(NoteKeys::Notes)));
        m_deleted->addAction(QStringLiteral("%1\t%2").arg(title, shortDate(note.deleted)), this,
                             [this, id = note.id] { restoreDeleted(id); });
    }
}

void TrayIcon::fillBackups()
{
    m_backupsMenu->clear();
    m_backupsMenu->addAction(tr("Back Up Now"), this, [this] { m_backups.backUpInBackground(true); })
        ->setEnabled(!m_backups.isBusy());
    m_backupsMenu->addSeparator();
    const QList<Backups::Entry> entries = m_backups.list();
    if (entries.isEmpty())
        m_backupsMenu->addAction(tr("No backups yet"))->setEnabled(false);
    for (const Backups::Entry &entry : entries) {
        m_backupsMenu->addAction(tr("Restore from %1").arg(shortDate(entry.made)), this,
                                 [this, path = entry.path] { restoreBackup(path); });
    }
}

void TrayIcon::restoreDeleted(const QString &id)
{
    const NoteVerbs::Reply reply = NoteVerbs(m_program).restore(id);
    if (reply.status != 0)
        m_program.dialogs().messageBox(nullptr, reply.output, QStringLiteral("Quillarren"), MessageButtons::Ok,
                                       MessageIcon::Warning);
}

void TrayIcon::restoreBackup(const QString &path)
{
    const QString question = tr("Replace your notes by those of the backup %1? The notes you have now are "
                                "backed up first, so this can be undone.")
                                 .arg(QDir::toNativeSeparators(path));
    if (m_program.dialogs().messageBox(nullptr, question, QStringLiteral("Quillarren"), MessageButtons::YesNo,
                                       MessageIcon::Warning)
        != MessageAnswer::Yes)
        return;
    const NoteVerbs::Reply reply = NoteVerbs(m_program).restoreBackup(path);
    if (reply.status != 0)
        m_program.dialogs().messageBox(nullptr, reply.output, QStringLiteral("Quillarren"), MessageButtons::Ok,
                                       MessageIcon::Warning);
}

void TrayIcon::chooseSyncFolder()
{
    const QString folder = m_program.dialogs().chooseFolder(
        nullptr, tr("The folder your sync program carries to your other computers"),
        m_sync.folder().isEmpty() ? m_program.dialogFolder.start() : m_sync.folder());
    if (folder.isEmpty())
        return;
    m_program.dialogFolder.rememberFolder(folder);
    QString said;
    const bool done = m_sync.setFolder(folder, &said);
    m_program.dialogs().messageBox(nullptr, said, QStringLiteral("Quillarren"), MessageButtons::Ok,
                                   done ? MessageIcon::Information : MessageIcon::Warning);
}

void TrayIcon::switchAutostart(bool on)
{
    QString said;
    if (!Autostart::set(on, &said)) {
        m_autostart->setChecked(!on);
        m_program.dialogs().messageBox(nullptr, said, QStringLiteral("Quillarren"), MessageButtons::Ok,
                                       MessageIcon::Warning);
    }
}
