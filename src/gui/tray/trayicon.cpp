#include "gui/tray/trayicon.h"

#include "gui/platform/autostart.h"
#include "gui/notebook/notebook.h"
#include "gui/notebook/program.h"
#include "base/backup/backups.h"
#include "gui/note/notewindow.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/programicon.h"
#include "gui/platform/traypresence.h"
#include "base/store/notekeys.h"
#include "base/store/noteslots.h"
#include "base/store/settingsstore.h"
#include "gui/sync/notesync.h"
#include "gui/tray/noteslist.h"

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
    , m_presence(new TrayPresence(this))
{
    m_menu->setObjectName(QStringLiteral("TrayMenu"));
    m_menu->setAccessibleName(QStringLiteral("Quillarren"));
    m_menu->addAction(tr("New Note"), this, [this] { m_program.notebook().createNote(); });
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
    m_menu->addAction(tr("Quit"), this, [this] { m_program.notebook().quit(); });
    connect(m_menu, &QMenu::aboutToShow, this, &TrayIcon::refreshMenu);
    connect(m_presence, &TrayPresence::appeared, this, [this] {
        if (m_wanted)
            setShown(true);
    });
}

TrayIcon::~TrayIcon()
{
    delete m_list;
    delete m_icon;
    delete m_menu;
}

void TrayIcon::setShown(bool shown)
{
    m_wanted = shown;
    if (!shown) {
        if (m_icon)
            m_icon->hide();
        return;
    }
    if (!m_icon) {
        if (!m_presence->hasAppeared()) {
            m_presence->start();   // the icon is made when a tray is there
            return;
        }
        makeIcon();
    }
    updateToolTip();
    m_icon->show();
}

void TrayIcon::makeIcon()
{
    // A panel reads the whole menu when the icon registers, and may show it as it read it.
    refreshMenu();
    m_icon = new QSystemTrayIcon(programIcon(), this);
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            bringNotesForward();
    });
}

void TrayIcon::updateToolTip()
{
    const int notes = NoteWindow::loadedNotes(m_program.forms).size();
    m_icon->setToolTip(tr("Quillarren: %n notes", nullptr, notes));
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
    // Greyed rather than hidden: a panel that draws the menu may keep room for a hidden entry.
    m_stopSyncing->setEnabled(m_sync.isActive());
    if (m_icon)
        updateToolTip();
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

bool TrayIcon::fill(QMenu *menu, const QList<MenuEntry> &entries)
{
    // Entries made again are new entries to a panel that shows this menu (StatusNotifierItem),
    // which it fetches again while the menu opens: the menu is only remade when it changed.
    const QList<QAction *> actions = menu->actions();
    bool same = actions.size() == entries.size();
    for (qsizetype i = 0; same && i < entries.size(); ++i) {
        const QAction *action = actions.at(i);
        const MenuEntry &entry = entries.at(i);
        same = action->isSeparator() == entry.text.isEmpty() && action->text() == entry.text
            && action->data().toString() == entry.key && action->isEnabled() == entry.enabled;
    }
    if (same)
        return false;
    menu->clear();
    for (const MenuEntry &entry : entries) {
        QAction *action = entry.text.isEmpty() ? menu->addSeparator() : menu->addAction(entry.text);
        action->setData(entry.key);
        action->setEnabled(entry.enabled);
    }
    return true;
}

void TrayIcon::fillDeleted()
{
    QList<MenuEntry> entries;
    const QList<SettingsStore::TrashedNote> trash = m_program.store.trash();
    if (trash.isEmpty())
        entries.append({tr("No deleted notes"), QString(), false});
    for (const SettingsStore::TrashedNote &note : trash) {
        const QString title = clipped(NoteSlots::firstLine(note.values.value(NoteKeys::Notes)));
        entries.append({QStringLiteral("%1\t%2").arg(title, shortDate(note.deleted)), note.id});
    }
    if (!fill(m_deleted, entries))
        return;
    for (QAction *action : m_deleted->actions()) {
        if (!action->data().toString().isEmpty())
            connect(action, &QAction::triggered, this, [this, id = action->data().toString()] { restoreDeleted(id); });
    }
}

void TrayIcon::fillBackups()
{
    const QString backUpNow = QStringLiteral("back up now");
    QList<MenuEntry> entries{{tr("Back Up Now"), backUpNow, !m_backups.isBusy()}, {}};
    const QList<Backups::Entry> backups = m_backups.list();
    if (backups.isEmpty())
        entries.append({tr("No backups yet"), QString(), false});
    for (const Backups::Entry &backup : backups)
        entries.append({tr("Restore from %1").arg(shortDate(backup.made)), backup.path});
    if (!fill(m_backupsMenu, entries))
        return;
    for (QAction *action : m_backupsMenu->actions()) {
        const QString key = action->data().toString();
        if (key == backUpNow)
            connect(action, &QAction::triggered, this, [this] { m_backups.backUpInBackground(true); });
        else if (!key.isEmpty())
            connect(action, &QAction::triggered, this, [this, key] { restoreBackup(key); });
    }
}

void TrayIcon::restoreDeleted(const QString &id)
{
    const Notebook::Outcome outcome = m_program.notebook().restoreTrashed(id);
    if (!outcome.done)
        m_program.dialogs().messageBox(nullptr, outcome.said, QStringLiteral("Quillarren"), MessageButtons::Ok,
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
    const Notebook::Outcome outcome = m_program.notebook().restoreBackup(path);
    if (!outcome.done)
        m_program.dialogs().messageBox(nullptr, outcome.said, QStringLiteral("Quillarren"), MessageButtons::Ok,
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
