#pragma once

#include <QObject>
#include <QPointer>

class Backups;
class NoteSync;
class NotesList;
class Program;
class QAction;
class QMenu;
class QSystemTrayIcon;
class TrayPresence;

// The icon in the desktop's tray (a StatusNotifierItem where the desktop has a watcher, the
// XEmbed tray otherwise): every note within reach, however many are hidden or put away. Where
// there is no tray yet, the icon comes when one does (a panel that starts after the program).
class TrayIcon final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrayIcon)

public:
    TrayIcon(Program &program, Backups &backups, NoteSync &sync);
    ~TrayIcon() override;

    /** Shows or hides the icon; where the desktop has no tray yet, it shows once one comes. */
    void setShown(bool shown);
    bool isShown() const;

    /** Its menu, as it is when it opens (the deleted notes and backups are read then). */
    QMenu *menu() const { return m_menu; }
    /** Brings the menu up to date, as opening it does. */
    void refreshMenu();

    /** The notes list, made at its first use. */
    NotesList &notesList();
    /** Left click: every open note forward. */
    void bringNotesForward();

private:
    struct MenuEntry
    {
        QString text;    // empty: a separator
        QString key;     // what choosing it acts on
        bool enabled = true;
    };
    /** Fills the submenu, unless it shows these entries already. */
    bool fill(QMenu *menu, const QList<MenuEntry> &entries);
    void makeIcon();
    void updateToolTip();
    void fillDeleted();
    void fillBackups();
    void restoreDeleted(const QString &id);
    void restoreBackup(const QString &path);
    void switchAutostart(bool on);
    void chooseSyncFolder();

    Program &m_program;
    Backups &m_backups;
    NoteSync &m_sync;
    QSystemTrayIcon *m_icon = nullptr;
    QMenu *m_menu = nullptr;
    QMenu *m_deleted = nullptr;
    QMenu *m_backupsMenu = nullptr;
    QAction *m_autostart = nullptr;
    QAction *m_stopSyncing = nullptr;
    QPointer<NotesList> m_list;
    TrayPresence *m_presence = nullptr;
    bool m_wanted = false;
};
