#include "platform/qtdialogs.h"

#include "platform/fontcolordialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>

MessageAnswer QtDialogs::messageBox(QWidget *parent, const QString &text, const QString &title,
                                    MessageButtons buttons, MessageIcon icon)
{
    QMessageBox box(parent);
    box.setText(text);
    box.setWindowTitle(title);
    box.setIcon(icon == MessageIcon::Warning       ? QMessageBox::Warning
                : icon == MessageIcon::Information ? QMessageBox::Information
                                                   : QMessageBox::NoIcon);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

void QtDialogs::notify(const QString &text, const QString &title)
{
    auto *box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

bool QtDialogs::chooseFont(QWidget *parent, FontChoice &choice)
{
    // Held by a guard: the note may be unloaded (a logout) while the dialog is open, and the
    // dialog goes with it.
    QPointer<FontColorDialog> dialog = new FontColorDialog(choice, parent);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (!dialog)
        return false;
    if (accepted)
        choice = dialog->choice();
    delete dialog;
    return accepted;
}

bool QtDialogs::chooseColor(QWidget *parent, QColor &color)
{
    const QColor chosen = QColorDialog::getColor(color, parent);
    if (!chosen.isValid())
        return false;
    color = chosen;
    return true;
}

QString QtDialogs::saveFileName(QWidget *parent, const SaveFileRequest &request)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setNameFilter(request.filter);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QAction *QtDialogs::popupMenu(QMenu *menu, const QPoint &globalPos)
{
    return menu->exec(globalPos);
}
