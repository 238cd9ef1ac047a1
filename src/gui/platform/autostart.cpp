#include "gui/platform/autostart.h"

#include "base/files/safewrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace Autostart {

namespace {

const QString DesktopId = QStringLiteral(QUILLARREN_ID);

// A program path as a desktop entry's Exec value: quoted when it holds a character the Exec
// syntax reserves, then escaped once more as the entry's string value.
QString execValue(const QString &program)
{
    static const QString reserved = QStringLiteral(" \t\"'\\><~|&;$*?#()`");
    QString value = program;
    if (std::any_of(value.cbegin(), value.cend(), [](QChar c) { return reserved.contains(c); })) {
        QString quoted;
        for (QChar c : value) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        value = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    value.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
}

} // namespace

QString entryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart/")
        + DesktopId + QStringLiteral(".desktop");
}

bool isOn()
{
    return QFileInfo::exists(entryPath());
}

bool set(bool on, QString *said)
{
    const QString path = entryPath();
    if (!on) {
        QFile file(path);
        if (!file.exists()) {
            *said = QCoreApplication::translate("Autostart", "Quillarren was not set to start at login: there is no %1").arg(path);
            return true;
        }
        if (!file.remove()) {
            *said = QCoreApplication::translate("Autostart", "cannot remove %1: %2").arg(path, file.errorString());
            return false;
        }
        *said = QCoreApplication::translate("Autostart", "Quillarren will no longer start at login: removed %1").arg(path);
        return true;
    }
    // The program's own file, so that the entry starts this copy; TryExec lets the desktop skip
    // the entry quietly once that copy is gone.
    const QString program = QCoreApplication::applicationFilePath();
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Quillarren\n"
                                         "Comment=Bring back your sticky notes at login\n"
                                         "Exec=%1\n"
                                         "TryExec=%2\n"
                                         "Icon=%3\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(execValue(program), QString(program).replace(QLatin1Char('\\'), QStringLiteral("\\\\")),
                                   DesktopId);
    QDir().mkpath(QFileInfo(path).absolutePath());   // when it cannot be made, opening the file says why
    // Whole or not at all, checked here: QSaveFile reports success after a full disk.
    QString error;
    SafeWrite::Options options;
    options.ownerOnly = false;
    if (!SafeWrite::replaceWhole(path, entry.toUtf8(), options, &error)) {
        *said = QCoreApplication::translate("Autostart", "cannot write %1: %2").arg(path, error);
        return false;
    }
    *said = QCoreApplication::translate("Autostart", "Quillarren will start at login: wrote %1").arg(path);
    return true;
}

} // namespace Autostart
