#include "platform/qtdialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMenu>
#include <QMessageBox>

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
    QFont font(choice.family);
    font.setPointSizeF(choice.pointSize > 0 ? choice.pointSize : 9);
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    font.setUnderline(choice.underline);
    font.setStrikeOut(choice.strikeout);
    bool ok = false;
    // Qt's font dialog has the effects but no colour: the colour comes back as it went in.
    const QFont chosen = QFontDialog::getFont(&ok, font, parent, QString());
    if (!ok)
        return false;
    choice.family = chosen.family();
    choice.pointSize = chosen.pointSizeF();
    choice.bold = chosen.bold();
    choice.italic = chosen.italic();
    choice.underline = chosen.underline();
    choice.strikeout = chosen.strikeOut();
    return true;
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
