#include "gui/platform/qtdialogs.h"

#include "gui/dialogs/fontcolordialog.h"
#include "base/system/product.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    return icon == MessageIcon::Warning       ? QMessageBox::Warning
           : icon == MessageIcon::Information ? QMessageBox::Information
                                              : QMessageBox::NoIcon;
}

} // namespace

MessageAnswer QtDialogs::messageBox(QWidget *parent, const QString &text, const QString &title,
                                    MessageButtons buttons, MessageIcon icon)
{
    QMessageBox box(parent);
    box.setText(text);
    // Without a title of its own, a box carries the program's title.
    box.setWindowTitle(title.isEmpty() ? qApp->property(Product::AppTitleProperty).toString() : title);
    box.setIcon(boxIcon(icon));
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    if (buttons == MessageButtons::RetryCancel) {
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Retry);
        return box.exec() == QMessageBox::Retry ? MessageAnswer::Retry : MessageAnswer::Cancel;
    }
    if (buttons == MessageButtons::CopyTextCancel) {
        QPushButton *copy = box.addButton(QObject::tr("Copy Text"), QMessageBox::AcceptRole);
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(copy);
        box.exec();
        return box.clickedButton() == copy ? MessageAnswer::CopyText : MessageAnswer::Cancel;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

void QtDialogs::showNotice(const QString &text, const QString &title, MessageIcon icon)
{
    if (!m_notice) {
        m_notice = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Close);
        m_notice->setAttribute(Qt::WA_DeleteOnClose);
        m_notice->setModal(false);
        // Keys meant for a note must never land here (a blank would press its button): it is
        // shown without taking the keyboard. Gone to on purpose (Alt+Tab, a click), Escape or
        // Enter closes it.
        m_notice->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    m_notice->setIcon(boxIcon(icon));
    m_notice->setWindowTitle(title);
    m_notice->setText(text);
    m_notice->show();
}

void QtDialogs::closeNotice()
{
    if (m_notice)
        m_notice->close();
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
    dialog.setDirectory(request.folder.isEmpty() ? QDir::homePath() : request.folder);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtDialogs::chooseFolder(QWidget *parent, const QString &title, const QString &start)
{
    return QFileDialog::getExistingDirectory(parent, title, start.isEmpty() ? QDir::homePath() : start);
}

QAction *QtDialogs::popupMenu(QMenu *menu, const QPoint &globalPos)
{
    return menu->exec(globalPos);
}
