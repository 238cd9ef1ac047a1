#include "gui/platform/dialogfolder.h"

#include <QDir>
#include <QFileInfo>

QString DialogFolder::start() const
{
    if (!m_last.isEmpty() && QFileInfo(m_last).isDir())
        return m_last;
    return QDir::homePath();
}

void DialogFolder::rememberFile(const QString &file)
{
    if (!file.isEmpty())
        m_last = QFileInfo(file).absolutePath();
}

void DialogFolder::rememberFolder(const QString &folder)
{
    if (!folder.isEmpty())
        m_last = QFileInfo(folder).absoluteFilePath();
}
