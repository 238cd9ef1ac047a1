#include "gui/platform/qtshell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool QtShell::open(const QString &target)
{
    const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl(target);
    return QDesktopServices::openUrl(url);
}
