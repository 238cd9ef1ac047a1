#include "app/commandline.h"

#include "gui/platform/autostart.h"
#include "app/noteverbs.h"
#include "app/programlanguage.h"
#include "app/verbtable.h"
#include "base/backup/backups.h"
#include "base/channel/singleinstance.h"
#include "base/store/settingsstore.h"
#include "app/historyverbs.h"

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

// The verbs on the store itself, while no copy runs.
class StoreTarget final : public VerbTarget
{
public:
    explicit StoreTarget(SettingsStore &store)
        : m_store(store)
    {
    }
    NoteVerbs notes() override
    {
        NoteVerbs verbs(m_store);
        verbs.progress = showProgress;
        return verbs;
    }
    Reply syncFolder(const QString &folderOrOff) override { return notes().chooseSyncFolder(folderOrOff); }
    // A start asking for these opens the notes and does them itself; they never reach the store alone.
    Reply newNote() override { return notRunning(); }
    Reply showNotes() override { return notRunning(); }
    Reply openNotesList() override { return notRunning(); }

private:
    static Reply notRunning() { return {1, QCoreApplication::translate("CommandLine", "Quillarren is not running.")}; }
    SettingsStore &m_store;
};

// Works on the store itself, holding the lock so that no copy starts meanwhile.
SingleInstance::Reply onStore(const Verb &verb, const QStringList &args)
{
    SettingsStore store;
    store.setEmptyFileIsDamaged(Backups(SettingsStore::defaultPath()).hasAny());
    const SettingsStore::OpenResult opened = store.open(SettingsStore::defaultPath(), SettingsStore::Damaged::Refuse);
    if (!opened.readable || (verb.writes && !opened.ok))
        return {1, QCoreApplication::translate("CommandLine", "%1 Nothing was changed.").arg(opened.error)};
    // The notes are named by their ids in what the verbs write: a store never started yet gains them.
    if (opened.ok) {
        const NoteSlots::Writes ids = NoteSlots::missingIds(store, NoteSlots::storedCount(store));
        if (!ids.empty())
            store.saveMany(ids);
    }
    StoreTarget target(store);
    return verb.work(target, args);
}

// A verb on the notes: the running copy answers it through the one-instance channel, or, when
// none runs, it is done on the store here.
int onNotes(const Verb &verb, const QStringList &args)
{
    SingleInstance instance(QFileInfo(SettingsStore::defaultPath()).absolutePath());
    bool lockable = true;
    if (instance.tryLock(&lockable))
        return finish(onStore(verb, args));
    showProgress(QCoreApplication::translate("CommandLine", "Asking the running Quillarren…"));
    if (const std::optional<SingleInstance::Reply> reply =
            instance.ask(verb.name, args, lockable ? AnswerWaitMs : 1000, showProgress))
        return finish(*reply);
    if (!lockable)
        return finish(onStore(verb, args));   // nothing to lock with, and no copy answers
    return finish({1, QCoreApplication::translate("CommandLine", "Quillarren is running (process %1) but does not answer. Nothing was changed; "
                                     "if it is stuck, end it and try again.").arg(instance.holder())});
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
    for (const Verb &verb : Verbs::table()) {
        parser.addOption(QCommandLineOption(verb.name, verb.help, verb.valueName));
        parser.addOptions(verb.with);
    }
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
    if (parser.isSet(QStringLiteral("show")) && !parser.isSet(QStringLiteral("history"))) {
        say(stderr, QCoreApplication::translate("CommandLine", "%1: --show needs --history ID.").arg(QCoreApplication::applicationName()));
        return 1;
    }
    for (const Verb &verb : Verbs::table()) {
        if (!parser.isSet(verb.name))
            continue;
        if (verb.needsRunningCopy) {
            *startVerb = verb.name;   // the last of these given is done
            continue;
        }
        QString wrong;
        const std::optional<QStringList> args = verb.arguments(parser, &wrong);
        if (!args) {
            say(stderr, wrong);
            return 1;
        }
        return onNotes(verb, *args);
    }
    return std::nullopt;
}
