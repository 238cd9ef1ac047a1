#pragma once

#include "gui/platform/dialogs.h"

#include <QPointer>

class QMessageBox;

class QtDialogs final : public Dialogs
{
public:
    MessageAnswer messageBox(QWidget *parent, const QString &text, const QString &title,
                             MessageButtons buttons, MessageIcon icon) override;
    void showNotice(const QString &text, const QString &title, MessageIcon icon = MessageIcon::Warning) override;
    void closeNotice() override;
    bool chooseFont(QWidget *parent, FontChoice &choice) override;
    bool chooseColor(QWidget *parent, QColor &color) override;
    QString saveFileName(QWidget *parent, const SaveFileRequest &request) override;
    QString chooseFolder(QWidget *parent, const QString &title, const QString &start) override;
    QAction *popupMenu(QMenu *menu, const QPoint &globalPos) override;

private:
    QPointer<QMessageBox> m_notice;
};
