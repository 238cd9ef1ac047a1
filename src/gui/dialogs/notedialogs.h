#pragma once

#include "gui/platform/dialogs.h"

#include <QString>

class DialogFolder;
class QWidget;

// A note's own font, colour and save dialog: what was chosen last stays as the preset of the
// next use for as long as the note's window lives.
class NoteDialogs final
{
public:
    NoteDialogs(Dialogs &dialogs, DialogFolder &folder, QWidget *owner);

    int Flags = 0;
    qint32 Color = 0;
    FontChoice Font;
    QString FileName;
    QString DefaultExt;
    QString Filter;

    /** False when the user cancelled. */
    bool ShowFont();
    bool ShowColor();
    /** False when the user cancelled; FileName then keeps its earlier value. */
    bool ShowSave();

private:
    Dialogs &m_dialogs;
    DialogFolder &m_folder;
    QWidget *m_owner;
};
