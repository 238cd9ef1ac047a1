#include "commands/menuform.h"

#include "app/main2.h"
#include "app/program.h"
#include "commands/notecommands.h"
#include "platform/dialogs.h"
#include "platform/errorreport.h"
#include "base/system/product.h"

#include <QAction>
#include <QMenu>
#include <QSignalBlocker>

MenuForm::MenuForm(Program &program)
    : Form(program.forms)
    , m_program(program)
{
    setObjectName(QStringLiteral("MenuForm"));
    m_mnuPopup = new QMenu(QStringLiteral("Menu1"), this);
    m_mnuPopup->setObjectName(QStringLiteral("mnuPopup"));

    addItem(QStringLiteral("CutName"), QStringLiteral("Cut"), QStringLiteral("Ctrl+X"), &MenuForm::CutName_Click);
    addItem(QStringLiteral("CopyName"), QStringLiteral("Copy"), QStringLiteral("Ctrl+C"), &MenuForm::CopyName_Click);
    addItem(QStringLiteral("PasteName"), QStringLiteral("Paste"), QStringLiteral("Ctrl+V"), &MenuForm::PasteName_Click);
    addItem(QStringLiteral("SelectAllName"), QStringLiteral("Select All"), QStringLiteral("Ctrl+A"),
            &MenuForm::SelectAllName_Click);
    addSeparator(QStringLiteral("s2"));
    addItem(QStringLiteral("SetReminderName"), QStringLiteral("Set Reminder"), QStringLiteral("Ctrl+R"),
            &MenuForm::SetReminderName_Click);
    addSeparator(QStringLiteral("s5"));
    addItem(QStringLiteral("CreateNewNoteName"), QStringLiteral("Create New Note"), QStringLiteral("Ctrl+N"),
            &MenuForm::CreateNewNoteName_Click);
    addItem(QStringLiteral("DeleteThisNoteName"), QStringLiteral("Delete This Note"), QStringLiteral("Ctrl+D"),
            &MenuForm::DeleteThisNoteName_Click);
    addSeparator(QStringLiteral("s3"));
    addItem(QStringLiteral("FontName"), QStringLiteral("Font..."), QStringLiteral("Ctrl+F"), &MenuForm::FontName_Click);
    addItem(QStringLiteral("ColorName"), QStringLiteral("Color..."), QStringLiteral("Ctrl+O"), &MenuForm::ColorName_Click);
    addSeparator(QStringLiteral("s123"));
    addItem(QStringLiteral("EmailName"), QStringLiteral("Email Note"), QStringLiteral("Ctrl+E"), &MenuForm::EmailName_Click);
    addItem(QStringLiteral("SaveNoteToFileName"), QStringLiteral("Save Note to File"), QStringLiteral("Ctrl+S"),
            &MenuForm::SaveNoteToFileName_Click);
    addSeparator(QStringLiteral("s1"));
    addItem(QStringLiteral("InsertDateName"), QStringLiteral("Insert Date"), QStringLiteral("Ctrl+F1"),
            &MenuForm::InsertDateName_Click);
    addItem(QStringLiteral("InsertTimeName"), QStringLiteral("Insert Time"), QStringLiteral("Ctrl+F2"),
            &MenuForm::InsertTimeName_Click);
    addSeparator(QStringLiteral("s4"));
    addItem(QStringLiteral("DefeaultTranslucencyName"), QStringLiteral("Default Translucency"), QString(),
            &MenuForm::DefeaultTranslucencyName_Click);
    addItem(QStringLiteral("IncreaseTranslucencyName"), QStringLiteral("Increase Translucency"), QString(),
            &MenuForm::IncreaseTranslucencyName_Click);
    addItem(QStringLiteral("DecreaseTranslucencyName"), QStringLiteral("Decrease Translucency"), QString(),
            &MenuForm::DecreaseTranslucencyName_Click);
    QAction *onTop = addItem(QStringLiteral("AlwaysOnTopName"), QStringLiteral("Always On Top"), QString(),
                             &MenuForm::AlwaysOnTopName_Click);
    onTop->setCheckable(true);
    addSeparator(QStringLiteral("s8"));
    addItem(QStringLiteral("EmailAuthorName"), QStringLiteral("Email Author Suggestions / Bugs"), QString(),
            &MenuForm::EmailAuthorName_Click);
    addItem(QStringLiteral("GotoWebsiteName"), QStringLiteral("Goto ") + Product::WebDomain, QString(),
            &MenuForm::GotoWebsiteName_Click);
    addItem(QStringLiteral("QuitName"), QStringLiteral("Quit (Remove All Notes)"), QStringLiteral("Ctrl+Q"),
            &MenuForm::QuitName_Click);
}

QAction *MenuForm::addItem(const QString &name, const QString &caption, const QString &keys,
                           void (MenuForm::*handler)())
{
    // The keys are only shown beside the caption: they are the note's own shortcuts and must
    // never fire from the menu.
    auto *action = new QAction(keys.isEmpty() ? caption : caption + QLatin1Char('\t') + keys, m_mnuPopup);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
    m_mnuPopup->addAction(action);
    m_items.insert(name, action);
    return action;
}

void MenuForm::addSeparator(const QString &name)
{
    QAction *separator = m_mnuPopup->addSeparator();
    separator->setObjectName(name);
    m_items.insert(name, separator);
}

void MenuForm::Form_Load()
{
    AlwaysOnTopName()->setChecked(true);
    ErrorReport::run(m_program.dialogs(), QStringLiteral("MenuForm"), QStringLiteral("Form_Load"), {
        {100, [this] { Main2::ApplySkinFile(m_program); }},
    });
}

void MenuForm::popup(const QPoint &globalPos)
{
    m_program.dialogs().popupMenu(m_mnuPopup, globalPos);
}

void MenuForm::CutName_Click() { m_program.commands().Cut(); }
void MenuForm::CopyName_Click() { m_program.commands().Copy(); }
void MenuForm::PasteName_Click() { m_program.commands().Paste(); }
void MenuForm::SelectAllName_Click() { m_program.commands().SelectAll(); }

void MenuForm::SetReminderName_Click()
{
    ErrorReport::run(m_program.dialogs(), QStringLiteral("MenuForm"), QStringLiteral("SetReminderName_Click"),
                     {{106, [this] { m_program.showReminder(); }}}, true);
}

void MenuForm::CreateNewNoteName_Click() { m_program.commands().CreateNewNote(); }

void MenuForm::DeleteThisNoteName_Click()
{
    ErrorReport::run(m_program.dialogs(), QStringLiteral("MenuForm"), QStringLiteral("DeleteThisNoteName_Click"),
                     {{106, [this] { m_program.commands().DeleteThisNote(); }}}, true);
}

void MenuForm::FontName_Click() { m_program.commands().ChangeFont(); }

void MenuForm::ColorName_Click() { m_program.commands().ChangeColor(); }

void MenuForm::EmailName_Click()
{
    ErrorReport::run(m_program.dialogs(), QStringLiteral("MenuForm"), QStringLiteral("EmailName_Click"),
                     {{106, [this] { m_program.showEmail(); }}}, true);
}

void MenuForm::SaveNoteToFileName_Click()
{
    ErrorReport::run(m_program.dialogs(), QStringLiteral("MenuForm"), QStringLiteral("SaveNoteToFileName_Click"),
                     {{106, [this] { m_program.commands().SaveNoteToFile(); }}}, true);
}

void MenuForm::InsertDateName_Click() { m_program.commands().InsertDate(); }
void MenuForm::InsertTimeName_Click() { m_program.commands().InsertTime(); }

void MenuForm::DefeaultTranslucencyName_Click() { m_program.commands().DefaultTranslucency(); }
void MenuForm::IncreaseTranslucencyName_Click() { m_program.commands().IncreaseTranslucency(); }
void MenuForm::DecreaseTranslucencyName_Click() { m_program.commands().DecreaseTranslucency(); }

void MenuForm::AlwaysOnTopName_Click()
{
    // The menu flips a checkable item by itself; the check mark is the command's to change.
    {
        const QSignalBlocker blocker(AlwaysOnTopName());
        AlwaysOnTopName()->setChecked(!AlwaysOnTopName()->isChecked());
    }
    m_program.commands().ToggleAlwaysOnTop();
}

void MenuForm::EmailAuthorName_Click() { m_program.commands().EmailAuthor(); }
void MenuForm::GotoWebsiteName_Click() { m_program.commands().GotoWebsite(); }

void MenuForm::QuitName_Click()
{
    m_program.commands().Quit();
}
