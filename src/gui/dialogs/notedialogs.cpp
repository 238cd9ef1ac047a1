#include "gui/dialogs/notedialogs.h"

#include "gui/platform/dialogfolder.h"
#include "gui/platform/units.h"

#include <QFileInfo>

NoteDialogs::NoteDialogs(Dialogs &dialogs, DialogFolder &folder, QWidget *owner)
    : m_dialogs(dialogs)
    , m_folder(folder)
    , m_owner(owner)
{
}

bool NoteDialogs::ShowFont()
{
    FontChoice choice = Font;
    choice.color = Color;
    if (!m_dialogs.chooseFont(m_owner, choice))
        return false;
    Font = choice;
    Color = choice.color;
    return true;
}

bool NoteDialogs::ShowColor()
{
    QColor colour = Units::toQColor(Color);
    if (!m_dialogs.chooseColor(m_owner, colour))
        return false;
    Color = Units::fromQColor(colour);
    return true;
}

bool NoteDialogs::ShowSave()
{
    const QString suffix = DefaultExt.startsWith(QLatin1Char('.')) ? DefaultExt.mid(1) : DefaultExt;
    QString chosen = m_dialogs.saveFileName(
        m_owner, SaveFileRequest{FileName, suffix, Filter + QStringLiteral(" (*") + DefaultExt + QLatin1Char(')'),
                                 m_folder.start()});
    if (chosen.isEmpty())
        return false;
    m_folder.rememberFile(chosen);
    // A name typed without an extension gets the default one.
    if (!suffix.isEmpty() && QFileInfo(chosen).suffix().isEmpty())
        chosen += QLatin1Char('.') + suffix;
    FileName = chosen;
    return true;
}
