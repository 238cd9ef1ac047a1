#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

namespace {

const QString DesktopId = QStringLiteral(QUILLARREN_ID);

void say(FILE *stream, const QString &text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stream);
}

QString autostartPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart/")
        + DesktopId + QStringLiteral(".desktop");
}

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

int autostartOn()
{
    const QString path = autostartPath();
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(entry.toUtf8()) < 0 || !file.commit()) {
        say(stderr, QStringLiteral("%1: cannot write %2: %3")
                        .arg(QCoreApplication::applicationName(), path, file.errorString()));
        return 1;
    }
    say(stdout, QStringLiteral("Quillarren will start at login: wrote %1").arg(path));
    return 0;
}

int autostartOff()
{
    const QString path = autostartPath();
    QFile file(path);
    if (!file.exists()) {
        say(stdout, QStringLiteral("Quillarren was not set to start at login: there is no %1").arg(path));
        return 0;
    }
    if (!file.remove()) {
        say(stderr, QStringLiteral("%1: cannot remove %2: %3")
                        .arg(QCoreApplication::applicationName(), path, file.errorString()));
        return 1;
    }
    say(stdout, QStringLiteral("Quillarren will no longer start at login: removed %1").arg(path));
    return 0;
}

} // namespace

std::optional<int> CommandLine::handle(int &argc, char **argv)
{
    // A core application only: --help and --version must answer where there is no display.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLARREN_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Sticky notes for the desktop. Without options, brings "
                                                    "back your notes, or brings the running ones forward."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption autostart(QStringLiteral("autostart"),
                                       QStringLiteral("Start Quillarren at every login (on), or no longer (off)."),
                                       QStringLiteral("on|off"));
    parser.addOption(autostart);
    // Qt's own options, which the window system part reads later; a session manager restores
    // the program with -session.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char *name : {"platform", "display", "session", "style", "stylesheet"}) {
        QCommandLineOption qtOption(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    parser.process(app);   // answers --help, --version and unknown options, and exits

    if (!parser.positionalArguments().isEmpty()) {
        say(stderr, QStringLiteral("%1: Unexpected argument '%2'.")
                        .arg(QCoreApplication::applicationName(), parser.positionalArguments().constFirst()));
        return 1;
    }
    if (parser.isSet(autostart)) {
        const QString value = parser.value(autostart);
        if (value == QLatin1String("on"))
            return autostartOn();
        if (value == QLatin1String("off"))
            return autostartOff();
        say(stderr, QStringLiteral("%1: --autostart takes on or off, not '%2'.")
                        .arg(QCoreApplication::applicationName(), value));
        return 1;
    }
    return std::nullopt;
}
