#include "gui/menu/notemenu.h"
#include "gui/menu/menuanddialogs.h"
#include "gui/notebook/notebook.h"
#include "gui/platform/skin.h"

#include "gui/notebook/program.h"
#include "gui/menu/notecommands.h"
#include "gui/checklist/checklist.h"
#include "gui/note/notewindow.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/errorreport.h"
#include "base/system/product.h"
#include "gui/history/historykeeper.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QSignalBlocker>

NoteMenu::NoteMenu(Program &program, MenuAndDialogs &windows)
    : ProgramWindow(program.forms)
    , m_program(program)
    , m_windows(windows)
{
    setObjectName(QStringLiteral("MenuForm"));
    m_popupMenu = new QMenu(QStringLiteral("Menu1"), this);
    m_popupMenu->setObjectName(QStringLiteral("mnuPopup"));

    addItem(QStringLiteral("CutName"), tr("Cut"), QStringLiteral("Ctrl+X"), &NoteMenu::onCut);
    addItem(QStringLiteral("CopyName"), tr("Copy"), QStringLiteral("Ctrl+C"), &NoteMenu::onCopy);
    addItem(QStringLiteral("PasteName"), tr("Paste"), QStringLiteral("Ctrl+V"), &NoteMenu::onPaste);
    addItem(QStringLiteral("SelectAllName"), tr("Select All"), QStringLiteral("Ctrl+A"),
            &NoteMenu::onSelectAll);
    addSeparator(QStringLiteral("s2"));
    addItem(QStringLiteral("SetReminderName"), tr("Set Reminder"), QStringLiteral("Ctrl+R"),
            &NoteMenu::onSetReminder);
    addSeparator(QStringLiteral("s5"));
    addItem(QStringLiteral("CreateNewNoteName"), tr("Create New Note"), QStringLiteral("Ctrl+N"),
            &NoteMenu::onCreateNewNote);
    addItem(QStringLiteral("DeleteThisNoteName"), tr("Delete This Note"), QStringLiteral("Ctrl+D"),
            &NoteMenu::onDeleteThisNote);
    addSeparator(QStringLiteral("s3"));
    addItem(QStringLiteral("FontName"), tr("Font..."), QStringLiteral("Ctrl+F"), &NoteMenu::onFont);
    addItem(QStringLiteral("ColorName"), tr("Color..."), QStringLiteral("Ctrl+O"), &NoteMenu::onColor);
    addSeparator(QStringLiteral("s123"));
    addItem(QStringLiteral("EmailName"), tr("Email Note"), QStringLiteral("Ctrl+E"), &NoteMenu::onEmail);
    addItem(QStringLiteral("SaveNoteToFileName"), tr("Save Note to File"), QStringLiteral("Ctrl+S"),
            &NoteMenu::onSaveNoteToFile);
    addSeparator(QStringLiteral("s1"));
    addItem(QStringLiteral("InsertDateName"), tr("Insert Date"), QStringLiteral("Ctrl+F1"),
            &NoteMenu::onInsertDate);
    addItem(QStringLiteral("InsertTimeName"), tr("Insert Time"), QStringLiteral("Ctrl+F2"),
            &NoteMenu::onInsertTime);
    addSeparator(QStringLiteral("s4"));
    addItem(QStringLiteral("DefeaultTranslucencyName"), tr("Default Translucency"), QString(),
            &NoteMenu::onDefaultTranslucency);
    addItem(QStringLiteral("IncreaseTranslucencyName"), tr("Increase Translucency"), QString(),
            &NoteMenu::onIncreaseTranslucency);
    addItem(QStringLiteral("DecreaseTranslucencyName"), tr("Decrease Translucency"), QString(),
            &NoteMenu::onDecreaseTranslucency);
    QAction *onTop = addItem(QStringLiteral("AlwaysOnTopName"), tr("Always On Top"), QString(),
                             &NoteMenu::onAlwaysOnTop);
    onTop->setCheckable(true);
    addSeparator(QStringLiteral("s8"));
    addItem(QStringLiteral("EmailAuthorName"), tr("Email Author Suggestions / Bugs"), QString(),
            &NoteMenu::onEmailAuthor);
    addItem(QStringLiteral("GotoWebsiteName"), tr("Goto %1").arg(Product::WebDomain), QString(),
            &NoteMenu::onGotoWebsite);
    addItem(QStringLiteral("QuitName"), tr("Quit (Remove All Notes)"), QStringLiteral("Ctrl+Q"),
            &NoteMenu::onQuit);
    // Below the long-standing items, so that none of them moves.
    addSeparator(QStringLiteral("sChecklist"));
    addItem(QStringLiteral("ChecklistName"), tr("Checklist"), QString(), &NoteMenu::onChecklist);
    addItem(QStringLiteral("NoteHistoryName"), tr("Note History…"), QString(), &NoteMenu::onNoteHistory);
}

QAction *NoteMenu::addItem(const QString &name, const QString &caption, const QString &keys,
                           void (NoteMenu::*handler)())
{
    // The keys are only shown beside the caption: they are the note's own shortcuts and must
    // never fire from the menu.
    // Shown as the desktop names the keys ("Strg+D" in German).
    const QString shown = QKeySequence(keys, QKeySequence::PortableText).toString(QKeySequence::NativeText);
    auto *action = new QAction(keys.isEmpty() ? caption : caption + QLatin1Char('\t') + shown, m_popupMenu);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
    m_popupMenu->addAction(action);
    m_items.insert(name, action);
    return action;
}

void NoteMenu::addSeparator(const QString &name)
{
    QAction *separator = m_popupMenu->addSeparator();
    separator->setObjectName(name);
    m_items.insert(name, separator);
}

void NoteMenu::onLoad()
{
    // The check mark only shows the state; the command changes it.
    alwaysOnTopCheck()->setChecked(m_program.alwaysOnTop());
    connect(&m_program, &Program::alwaysOnTopChanged, alwaysOnTopCheck(), &QAction::setChecked);
    ErrorReport::run(m_program.dialogs(), QStringLiteral("MenuForm"), QStringLiteral("Form_Load"), {
        {100, [this] { Skin::applyTo(*this); }},
    });
}

void NoteMenu::popup(const QPoint &globalPos)
{
    m_program.dialogs().popupMenu(m_popupMenu, globalPos);
}

void NoteMenu::onNoteHistory()
{
    if (HistoryKeeper *keeper = HistoryKeeper::current(); keeper && !m_windows.commands().targets().isEmpty())
        keeper->showHistory(m_windows.commands().targets().first());
}

void NoteMenu::onCut() { m_windows.commands().Cut(); }
void NoteMenu::onCopy() { m_windows.commands().Copy(); }
void NoteMenu::onPaste() { m_windows.commands().Paste(); }
void NoteMenu::onSelectAll() { m_windows.commands().SelectAll(); }

void NoteMenu::onSetReminder()
{
    ErrorReport::run(m_program.dialogs(), QStringLiteral("MenuForm"), QStringLiteral("SetReminderName_Click"),
                     {{106, [this] { m_windows.showReminder(); }}}, true);
}

void NoteMenu::onCreateNewNote() { m_program.notebook().createNote(); }

void NoteMenu::onDeleteThisNote()
{
    ErrorReport::run(m_program.dialogs(), QStringLiteral("MenuForm"), QStringLiteral("DeleteThisNoteName_Click"),
                     {{106, [this] { m_program.notebook().deleteCurrentNote(); }}}, true);
}

void NoteMenu::onFont() { m_windows.commands().ChangeFont(); }

void NoteMenu::onColor() { m_windows.commands().ChangeColor(); }

void NoteMenu::onEmail()
{
    ErrorReport::run(m_program.dialogs(), QStringLiteral("MenuForm"), QStringLiteral("EmailName_Click"),
                     {{106, [this] { m_windows.showEmail(); }}}, true);
}

void NoteMenu::onSaveNoteToFile()
{
    ErrorReport::run(m_program.dialogs(), QStringLiteral("MenuForm"), QStringLiteral("SaveNoteToFileName_Click"),
                     {{106, [this] { m_windows.commands().SaveNoteToFile(); }}}, true);
}

void NoteMenu::onInsertDate() { m_windows.commands().InsertDate(); }
void NoteMenu::onInsertTime() { m_windows.commands().InsertTime(); }

void NoteMenu::onDefaultTranslucency() { m_windows.commands().DefaultTranslucency(); }
void NoteMenu::onIncreaseTranslucency() { m_windows.commands().IncreaseTranslucency(); }
void NoteMenu::onDecreaseTranslucency() { m_windows.commands().DecreaseTranslucency(); }

void NoteMenu::onChecklist()
{
    for (NoteWindow *note : m_windows.commands().targets()) {
        if (Checklist *checklist = Checklist::of(note->textField()))
            checklist->toggleLines();
    }
}

void NoteMenu::onAlwaysOnTop()
{
    // The menu flips a checkable item by itself; the check mark is the command's to change.
    {
        const QSignalBlocker blocker(alwaysOnTopCheck());
        alwaysOnTopCheck()->setChecked(!alwaysOnTopCheck()->isChecked());
    }
    m_windows.commands().ToggleAlwaysOnTop();
}

void NoteMenu::onEmailAuthor() { m_windows.commands().EmailAuthor(); }
void NoteMenu::onGotoWebsite() { m_windows.commands().GotoWebsite(); }

void NoteMenu::onQuit()
{
    m_program.notebook().quit();
}
