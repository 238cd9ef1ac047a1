#pragma once

#include "gui/platform/programwindow.h"

#include <QHash>

class MenuAndDialogs;
class Program;
class QAction;
class QMenu;

// The window that is never shown: it owns the note popup menu, its click handlers and the
// check mark that shows whether the notes stay on top.
class NoteMenu final : public ProgramWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NoteMenu)

public:
    NoteMenu(Program &program, MenuAndDialogs &windows);

    QMenu *popupMenu() const { return m_popupMenu; }
    /** A menu item by its name (CutName, s2, AlwaysOnTopName …). */
    QAction *item(const QString &name) const { return m_items.value(name); }
    QAction *alwaysOnTopCheck() const { return item(QStringLiteral("AlwaysOnTopName")); }

    /** Opens the popup menu at the pointer; returns once it has closed and its choice has run. */
    void popup(const QPoint &globalPos);

    void onQuit();

private:
    void onLoad() override;
    QAction *addItem(const QString &name, const QString &caption, const QString &keys,
                     void (NoteMenu::*handler)());
    void addSeparator(const QString &name);

    void onCut();
    void onCopy();
    void onPaste();
    void onSelectAll();
    void onSetReminder();
    void onCreateNewNote();
    void onDeleteThisNote();
    void onFont();
    void onColor();
    void onEmail();
    void onSaveNoteToFile();
    void onInsertDate();
    void onInsertTime();
    void onDefaultTranslucency();
    void onIncreaseTranslucency();
    void onDecreaseTranslucency();
    void onAlwaysOnTop();
    void onEmailAuthor();
    void onGotoWebsite();
    void onChecklist();
    void onNoteHistory();

    Program &m_program;
    MenuAndDialogs &m_windows;
    QMenu *m_popupMenu = nullptr;
    QHash<QString, QAction *> m_items;
};
