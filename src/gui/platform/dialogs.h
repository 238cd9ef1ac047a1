#pragma once

#include <QColor>
#include <QPoint>
#include <QString>

class QAction;
class QMenu;
class QWidget;

enum class MessageButtons { Ok, YesNo, RetryCancel, CopyTextCancel };
enum class MessageIcon { None, Warning, Information };
enum class MessageAnswer { Ok, Yes, No, Retry, Cancel, CopyText };

/** What the font dialog is preset with and gives back. */
struct FontChoice
{
    QString family;
    double pointSize = 9;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    qint32 color = 0;            // the text colour in its stored form
};

/** What the save dialog is asked for. */
struct SaveFileRequest
{
    QString fileName;            // offered again from the last save of the same note
    QString defaultSuffix;       // added to a name typed without one
    QString filter;
    QString folder;              // where the dialog opens when no file name is offered
};

/** Message boxes, the common dialogs and the popup menu: everything that waits for the user. */
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    /** Shows a modal message box and returns the button pressed. */
    virtual MessageAnswer messageBox(QWidget *parent, const QString &text, const QString &title,
                                     MessageButtons buttons, MessageIcon icon) = 0;
    /** Shows a notice without waiting for it and without taking the keyboard from the window
        being typed in: news the user must see but need not answer while typing goes on. It
        stays up until closeNotice() or the user closes it (also from the keyboard, once they
        went to it); a second call updates its text. Good news carries the information icon. */
    virtual void showNotice(const QString &text, const QString &title, MessageIcon icon = MessageIcon::Warning) = 0;
    virtual void closeNotice() = 0;
    /** Shows the font dialog preset with the choice; false when cancelled. */
    virtual bool chooseFont(QWidget *parent, FontChoice &choice) = 0;
    /** Shows the colour dialog preset with the colour; false when cancelled. */
    virtual bool chooseColor(QWidget *parent, QColor &color) = 0;
    /** Shows the save dialog; the chosen path, or the empty text when cancelled. */
    virtual QString saveFileName(QWidget *parent, const SaveFileRequest &request) = 0;
    /** Shows a dialog that chooses a folder, starting at `start`; the folder, or the empty
        text when cancelled. */
    virtual QString chooseFolder(QWidget *parent, const QString &title, const QString &start) = 0;
    /** Shows the menu at the global position and returns once it has closed and the chosen
        item (if any) has run; returns that item. */
    virtual QAction *popupMenu(QMenu *menu, const QPoint &globalPos) = 0;
};
