#include "app/commandline.h"

#include "gui/platform/autostart.h"
#include "app/noteverbs.h"
#include "app/programlanguage.h"
#include "base/backup/backups.h"
#include "base/channel/singleinstance.h"
#include "base/store/settingsstore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <functional>

#include <unistd.h>

namespace {

void say(FILE *stream, const QString &text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stream);
}

int switchAutostart(bool on)
{
    QString said;
    const bool done = Autostart::set(on, &said);
    say(done ? stdout : stderr, done ? said : QCoreApplication::applicationName() + QStringLiteral(": ") + said);
    return done ? 0 : 1;
}

// A copy that is starting takes the lock before it listens: give it this long to answer.
constexpr int AnswerWaitMs = 5000;

// Progress of a long verb on a terminal: one line, written over; nothing when the output is not
// a terminal (a script reads only the verb's result).
void showProgress(const QString &text)
{
    static const bool terminal = ::isatty(STDOUT_FILENO) == 1;
    if (!terminal)
        return;
    std::fputs(qPrintable(QStringLiteral("\r\033[K") + text), stdout);
    std::fflush(stdout);
}

int finish(const SingleInstance::Reply &reply)
{
    showProgress(QString());   // the progress line gives way to the result
    say(reply.status == 0 ? stdout : stderr, reply.output);
    return reply.status;
}

using Offline = std::function<SingleInstance::Reply(NoteVerbs &)>;

// Works on the store itself, holding the lock so that no copy starts meanwhile.
SingleInstance::Reply onStore(const Offline &verb, bool writes)
{
    SettingsStore store;
    store.setEmptyFileIsDamaged(Backups(SettingsStore::defaultPath()).hasAny());
    const SettingsStore::OpenResult opened = store.open(SettingsStore::defaultPath(), SettingsStore::Damaged::Refuse);
    if (!opened.readable || (writes && !opened.ok))
        return {1, QCoreApplication::translate("CommandLine", "%1 Nothing was changed.").arg(opened.error)};
    // The notes are named by their ids in what the verbs write: a store never started yet gains them.
    if (opened.ok) {
        const NoteSlots::Writes ids = NoteSlots::missingIds(store, NoteSlots::storedCount(store));
        if (!ids.empty())
            store.saveMany(ids);
    }
    NoteVerbs verbs(store);
    verbs.progress = showProgress;
    return verb(verbs);
}

// A verb on the notes: the running copy answers it through the one-instance channel, or, when
// none runs, it is done on the store here.
int onNotes(const QString &name, const QStringList &args, bool writes, const Offline &verb)
{
    SingleInstance instance(QFileInfo(SettingsStore::defaultPath()).absolutePath());
    bool lockable = true;
    if (instance.tryLock(&lockable))
        return finish(onStore(verb, writes));
    showProgress(QCoreApplication::translate("CommandLine", "Asking the running Quillarren…"));
    if (const std::optional<SingleInstance::Reply> reply =
            instance.ask(name, args, lockable ? AnswerWaitMs : 1000, showProgress))
        return finish(*reply);
    if (!lockable)
        return finish(onStore(verb, writes));   // nothing to lock with, and no copy answers
    return finish({1, QCoreApplication::translate("CommandLine", "Quillarren is running (process %1) but does not answer. Nothing was changed; "
                                     "if it is stuck, end it and try again.").arg(instance.holder())});
}

QString absolute(const QString &file)
{
    return QFileInfo(file).absoluteFilePath();
}

} // namespace

std::optional<int> CommandLine::handle(int &argc, char **argv, QString *startVerb)
{
    *startVerb = QStringLiteral("raise");
    // A core application only: --help and --version must answer where there is no display.
    QCoreApplication app(argc, argv);
    ProgramLanguage::install(QLocale::system());
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLARREN_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("CommandLine", "Sticky notes for the desktop. Without options, brings "
                                                    "back your notes, or brings the running ones forward."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption autostart(QStringLiteral("autostart"),
                                       QCoreApplication::translate("CommandLine", "Start Quillarren at every login (on), or no longer (off)."),
                                       QStringLiteral("on|off"));
    parser.addOption(autostart);
    const QCommandLineOption deleted(QStringLiteral("deleted"), QCoreApplication::translate("CommandLine", "List the deleted notes (kept 30 days)."));
    const QCommandLineOption restore(QStringLiteral("restore"), QCoreApplication::translate("CommandLine", "Bring a deleted note back."),
                                     QStringLiteral("id"));
    const QCommandLineOption backups(QStringLiteral("backups"), QCoreApplication::translate("CommandLine", "List the backups of your notes."));
    const QCommandLineOption restoreBackup(QStringLiteral("restore-backup"),
                                           QCoreApplication::translate("CommandLine", "Replace your notes by a backup's (they are backed up first)."),
                                           QStringLiteral("file"));
    const QCommandLineOption exportTo(QStringLiteral("export"),
                                      QCoreApplication::translate("CommandLine", "Write the open notes to a file: JSON, or Markdown for a name "
                                                     "ending in .md."),
                                      QStringLiteral("file"));
    const QCommandLineOption all(QStringLiteral("all"), QCoreApplication::translate("CommandLine", "With --export: the deleted notes too."));
    const QCommandLineOption importFrom(QStringLiteral("import"),
                                        QCoreApplication::translate("CommandLine", "Add the notes of an exported file (those already here are skipped)."),
                                        QStringLiteral("file"));
    const QCommandLineOption asNew(QStringLiteral("as-new"),
                                   QCoreApplication::translate("CommandLine", "With --import: a note here whose text differs from the file's gets "
                                                  "the file's version as a new note beside it."));
    const int many = NoteImport::ManyNotes;
    const QCommandLineOption allowMany(QStringLiteral("allow-many"),
                                       QCoreApplication::translate("CommandLine", "With --import: import more than %n notes "
                                                                   "at once (each opens as a note).", nullptr, many));
    parser.addOptions({deleted, restore, backups, restoreBackup, exportTo, all, importFrom, asNew, allowMany});
    // For keys bound in the desktop's settings: done by the running copy, or after starting.
    const QCommandLineOption newNote(QStringLiteral("new-note"), QCoreApplication::translate("CommandLine", "Open a new note, with the keyboard."));
    const QCommandLineOption showNotes(QStringLiteral("show-notes"),
                                       QCoreApplication::translate("CommandLine", "Bring every note forward, those put away too."));
    const QCommandLineOption find(QStringLiteral("find"), QCoreApplication::translate("CommandLine", "Open the notes list, to find a note."));
    const QCommandLineOption tray(QStringLiteral("tray"), QCoreApplication::translate("CommandLine", "Show the tray icon (on), or no longer (off)."),
                                  QStringLiteral("on|off"));
    const QCommandLineOption syncFolder(QStringLiteral("sync-folder"),
                                        QCoreApplication::translate("CommandLine", "Sync the notes through a folder that a sync program carries "
                                                       "(Syncthing, Nextcloud); off: no longer."),
                                        QStringLiteral("folder|off"));
    parser.addOptions({newNote, showNotes, find, tray, syncFolder});
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
        say(stderr, QCoreApplication::translate("CommandLine", "%1: Unexpected argument '%2'.")
                        .arg(QCoreApplication::applicationName(), parser.positionalArguments().constFirst()));
        return 1;
    }
    if (parser.isSet(autostart)) {
        const QString value = parser.value(autostart);
        if (value == QLatin1String("on"))
            return switchAutostart(true);
        if (value == QLatin1String("off"))
            return switchAutostart(false);
        say(stderr, QCoreApplication::translate("CommandLine", "%1: --autostart takes on or off, not '%2'.")
                        .arg(QCoreApplication::applicationName(), value));
        return 1;
    }
    for (const QCommandLineOption *verb : {&newNote, &showNotes, &find}) {
        if (parser.isSet(*verb))
            *startVerb = verb->names().constFirst();
    }
    if (parser.isSet(tray)) {
        const QString value = parser.value(tray);
        if (value != QLatin1String("on") && value != QLatin1String("off")) {
            say(stderr, QCoreApplication::translate("CommandLine", "%1: --tray takes on or off, not '%2'.").arg(QCoreApplication::applicationName(), value));
            return 1;
        }
        return onNotes(QStringLiteral("tray"), {value}, true, [value](NoteVerbs &v) { return v.showTrayIcon(value == QLatin1String("on")); });
    }
    if (parser.isSet(syncFolder)) {
        const QString value = parser.value(syncFolder);
        const QString folder = value == QLatin1String("off") ? value : absolute(value);
        return onNotes(QStringLiteral("sync-folder"), {folder}, true,
                       [folder](NoteVerbs &v) { return v.chooseSyncFolder(folder); });
    }
    if (parser.isSet(deleted))
        return onNotes(QStringLiteral("deleted"), {}, false, [](NoteVerbs &v) { return v.listDeleted(); });
    if (parser.isSet(restore)) {
        const QString id = parser.value(restore);
        return onNotes(QStringLiteral("restore"), {id}, true, [id](NoteVerbs &v) { return v.restore(id); });
    }
    if (parser.isSet(backups))
        return onNotes(QStringLiteral("backups"), {}, false, [](NoteVerbs &v) { return v.listBackups(); });
    if (parser.isSet(restoreBackup)) {
        const QString file = absolute(parser.value(restoreBackup));
        return onNotes(QStringLiteral("restore-backup"), {file}, true, [file](NoteVerbs &v) { return v.restoreBackup(file); });
    }
    if (parser.isSet(exportTo)) {
        const QString file = absolute(parser.value(exportTo));
        const bool withDeleted = parser.isSet(all);
        return onNotes(QStringLiteral("export"), {file, withDeleted ? QStringLiteral("all") : QString()}, false,
                       [=](NoteVerbs &v) { return v.exportNotes(file, withDeleted); });
    }
    if (parser.isSet(importFrom)) {
        const QString file = absolute(parser.value(importFrom));
        NoteImport::Choices choices;
        choices.asNew = parser.isSet(asNew);
        choices.allowMany = parser.isSet(allowMany);
        return onNotes(QStringLiteral("import"), QStringList{file} + choices.toArgs(), true,
                       [file, choices](NoteVerbs &v) { return v.importNotes(file, choices); });
    }
    return std::nullopt;
}
