#pragma once

#include "gui/platform/dialogs.h"

#include <QDialog>
#include <QFont>

class QFontDialog;
class QPushButton;

// The font dialog of a note: Qt's own font chooser, which has the effects but no colour, with a
// text colour button beside OK and Cancel.
class FontColorDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FontColorDialog)

public:
    FontColorDialog(const FontChoice &preset, QWidget *parent);

    /** What the dialog shows now; a choice the user left alone comes back as it was preset. */
    FontChoice choice() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void chooseColor();
    void showColor();

    FontChoice m_preset;
    QFont m_shown;
    qint32 m_color = 0;
    QFontDialog *m_fonts = nullptr;
    QPushButton *m_colorButton = nullptr;
};
