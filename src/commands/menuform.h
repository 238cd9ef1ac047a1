#pragma once

#include "platform/form.h"

#include <QHash>

class Program;
class QAction;
class QMenu;

// The window that is never shown: it owns the note popup menu, its click handlers and the
// shared "Always On Top" check mark.
class MenuForm final : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MenuForm)

public:
    explicit MenuForm(Program &program);

    QMenu *mnuPopup() const { return m_mnuPopup; }
    /** A menu item by its name (CutName, s2, AlwaysOnTopName …). */
    QAction *item(const QString &name) const { return m_items.value(name); }
    QAction *AlwaysOnTopName() const { return item(QStringLiteral("AlwaysOnTopName")); }

    /** Opens the popup menu at the pointer; returns once it has closed and its choice has run. */
    void popup(const QPoint &globalPos);

    void QuitName_Click();

private:
    void Form_Load() override;
    QAction *addItem(const QString &name, const QString &caption, const QString &keys,
                     void (MenuForm::*handler)());
    void addSeparator(const QString &name);

    void CutName_Click();
    void CopyName_Click();
    void PasteName_Click();
    void SelectAllName_Click();
    void SetReminderName_Click();
    void CreateNewNoteName_Click();
    void DeleteThisNoteName_Click();
    void FontName_Click();
    void ColorName_Click();
    void EmailName_Click();
    void SaveNoteToFileName_Click();
    void InsertDateName_Click();
    void InsertTimeName_Click();
    void DefeaultTranslucencyName_Click();
    void IncreaseTranslucencyName_Click();
    void DecreaseTranslucencyName_Click();
    void AlwaysOnTopName_Click();
    void EmailAuthorName_Click();
    void GotoWebsiteName_Click();

    Program &m_program;
    QMenu *m_mnuPopup = nullptr;
    QHash<QString, QAction *> m_items;
};
