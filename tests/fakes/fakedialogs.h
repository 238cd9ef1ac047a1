#pragma once

#include "gui/platform/dialogs.h"

#include <QAction>
#include <QList>
#include <QMenu>
#include <QQueue>
#include <QStringList>

#include <functional>

// Answers every dialog from queues and records what was asked, so no test ever blocks.
class FakeDialogs final : public Dialogs
{
public:
    struct Message
    {
        QString text;
        QString title;
        MessageButtons buttons;
        MessageIcon icon;
    };

    // What the next dialogs answer. An empty queue answers Ok/No, cancels, or chooses nothing.
    QQueue<MessageAnswer> answers;
    QQueue<std::function<bool(FontChoice &)>> fontAnswers;
    QQueue<std::function<bool(QColor &)>> colorAnswers;
    QQueue<QString> saveAnswers;
    QQueue<QString> folderAnswers;
    /** Item names chosen in the next popup menus; an empty name closes the menu with no choice. */
    QQueue<QString> menuChoices;

    // What was asked.
    QList<Message> messages;
    QList<Message> notices;
    bool noticeShown = false;
    QList<FontChoice> fontPresets;
    QList<QColor> colorPresets;
    QList<SaveFileRequest> saveRequests;
    QStringList folderStarts;
    QList<QPoint> menuPositions;
    /** Called while the popup menu is "open", before the choice runs. */
    std::function<void(QMenu *)> whileMenuOpen;
    /** Called while a message box is "up", before it is answered. */
    std::function<void()> whileMessageBox;

    MessageAnswer messageBox(QWidget *, const QString &text, const QString &title, MessageButtons buttons,
                             MessageIcon icon) override
    {
        messages.append({text, title, buttons, icon});
        if (whileMessageBox)
            whileMessageBox();
        if (!answers.isEmpty())
            return answers.dequeue();
        return buttons == MessageButtons::YesNo                                                  ? MessageAnswer::No
               : buttons == MessageButtons::RetryCancel || buttons == MessageButtons::CopyTextCancel ? MessageAnswer::Cancel
                                                                                                   : MessageAnswer::Ok;
    }

    void showNotice(const QString &text, const QString &title, MessageIcon icon = MessageIcon::Warning) override
    {
        notices.append({text, title, MessageButtons::Ok, icon});
        noticeShown = true;
    }

    void closeNotice() override { noticeShown = false; }

    bool chooseFont(QWidget *, FontChoice &choice) override
    {
        fontPresets.append(choice);
        return !fontAnswers.isEmpty() && fontAnswers.dequeue()(choice);
    }

    bool chooseColor(QWidget *, QColor &color) override
    {
        colorPresets.append(color);
        return !colorAnswers.isEmpty() && colorAnswers.dequeue()(color);
    }

    QString saveFileName(QWidget *, const SaveFileRequest &request) override
    {
        saveRequests.append(request);
        return saveAnswers.isEmpty() ? QString() : saveAnswers.dequeue();
    }

    QString chooseFolder(QWidget *, const QString &, const QString &start) override
    {
        folderStarts.append(start);
        return folderAnswers.isEmpty() ? QString() : folderAnswers.dequeue();
    }

    QAction *popupMenu(QMenu *menu, const QPoint &globalPos) override
    {
        menuPositions.append(globalPos);
        if (whileMenuOpen)
            whileMenuOpen(menu);
        const QString name = menuChoices.isEmpty() ? QString() : menuChoices.dequeue();
        if (name.isEmpty())
            return nullptr;
        for (QAction *action : menu->actions()) {
            if (action->objectName() == name) {
                action->trigger();
                return action;
            }
        }
        return nullptr;
    }

    /** The "Application Error" reports shown so far. */
    QStringList errorReports() const
    {
        QStringList reports;
        for (const Message &m : messages) {
            if (m.title == QLatin1String("Application Error"))
                reports.append(m.text);
        }
        return reports;
    }
};
