#include "app/verbtable.h"

#include "app/historyverbs.h"
#include "gui/history/historykeeper.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace {

using Reply = SingleInstance::Reply;

QString absolute(const QString &file)
{
    return QFileInfo(file).absoluteFilePath();
}

std::optional<QStringList> trayOnOrOff(const QCommandLineParser &parser, QString *wrong)
{
    const QString value = parser.value(QStringLiteral("tray"));
    if (value == QLatin1String("on") || value == QLatin1String("off"))
        return QStringList{value};
    *wrong = QCoreApplication::translate("CommandLine", "%1: --tray takes on or off, not '%2'.")
                 .arg(QCoreApplication::applicationName(), value);
    return std::nullopt;
}

Verb tray()
{
    Verb verb{QStringLiteral("tray"), QStringLiteral("on|off"),
              QCoreApplication::translate("CommandLine", "Show the tray icon (on), or no longer (off)."), {}, true, false, {}, {}};
    verb.arguments = trayOnOrOff;
    verb.work = [](VerbTarget &target, const QStringList &args) {
        return target.notes().showTrayIcon(args.value(0) == QLatin1String("on"));
    };
    return verb;
}

Verb syncFolder()
{
    Verb verb{QStringLiteral("sync-folder"), QStringLiteral("folder|off"),
              QCoreApplication::translate("CommandLine", "Sync the notes through a folder that a sync program carries "
                                                          "(Syncthing, Nextcloud); off: no longer."),
              {}, true, false, {}, {}};
    verb.arguments = [](const QCommandLineParser &parser, QString *) {
        const QString value = parser.value(QStringLiteral("sync-folder"));
        return std::optional<QStringList>(QStringList{value == QLatin1String("off") ? value : absolute(value)});
    };
    verb.work = [](VerbTarget &target, const QStringList &args) { return target.syncFolder(args.value(0)); };
    return verb;
}

// On the running copy's history, or without one on a history opened on the store's file.
Verb history()
{
    const QCommandLineOption show(QStringLiteral("show"),
                                  QCoreApplication::translate("CommandLine", "With --history: print version N of the note (1 is the newest)."),
                                  QStringLiteral("N"));
    Verb verb{QStringLiteral("history"), QStringLiteral("id"),
              QCoreApplication::translate("CommandLine", "List a note's earlier versions (its id, or its number: 1 for the first note)."),
              {show}, false, false, {}, {}};
    verb.arguments = [](const QCommandLineParser &parser, QString *) {
        return std::optional<QStringList>(
            QStringList{parser.value(QStringLiteral("history")), parser.value(QStringLiteral("show"))});
    };
    verb.work = [](VerbTarget &target, const QStringList &args) {
        HistoryKeeper *keeper = HistoryKeeper::current();
        return HistoryVerbs::answer(target.notes().store(), keeper ? &keeper->history() : nullptr, args.value(0),
                                    args.value(1));
    };
    return verb;
}

QList<Verb> trashAndBackups()
{
    Verb deleted{QStringLiteral("deleted"), QString(), QCoreApplication::translate("CommandLine", "List the deleted notes (kept 30 days)."),
                 {}, false, false, {}, {}};
    deleted.arguments = [](const QCommandLineParser &, QString *) { return std::optional<QStringList>(QStringList()); };
    deleted.work = [](VerbTarget &target, const QStringList &) { return target.notes().listDeleted(); };

    Verb restore{QStringLiteral("restore"), QStringLiteral("id"), QCoreApplication::translate("CommandLine", "Bring a deleted note back."),
                 {}, true, false, {}, {}};
    restore.arguments = [](const QCommandLineParser &parser, QString *) {
        return std::optional<QStringList>(QStringList{parser.value(QStringLiteral("restore"))});
    };
    restore.work = [](VerbTarget &target, const QStringList &args) { return target.notes().restore(args.value(0)); };

    Verb backups{QStringLiteral("backups"), QString(), QCoreApplication::translate("CommandLine", "List the backups of your notes."),
                 {}, false, false, deleted.arguments, {}};
    backups.work = [](VerbTarget &target, const QStringList &) { return target.notes().listBackups(); };

    Verb restoreBackup{QStringLiteral("restore-backup"), QStringLiteral("file"),
                       QCoreApplication::translate("CommandLine", "Replace your notes by a backup's (they are backed up first)."), {}, true, false, {}, {}};
    restoreBackup.arguments = [](const QCommandLineParser &parser, QString *) {
        return std::optional<QStringList>(QStringList{absolute(parser.value(QStringLiteral("restore-backup")))});
    };
    restoreBackup.work = [](VerbTarget &target, const QStringList &args) {
        return target.notes().restoreBackup(args.value(0));
    };
    return {deleted, restore, backups, restoreBackup};
}

QList<Verb> exportAndImport()
{
    const QCommandLineOption all(QStringLiteral("all"), QCoreApplication::translate("CommandLine", "With --export: the deleted notes too."));
    Verb exportTo{QStringLiteral("export"), QStringLiteral("file"),
                  QCoreApplication::translate("CommandLine", "Write the open notes to a file: JSON, or Markdown for a name "
                                                             "ending in .md."),
                  {all}, false, false, {}, {}};
    exportTo.arguments = [](const QCommandLineParser &parser, QString *) {
        const bool withDeleted = parser.isSet(QStringLiteral("all"));
        return std::optional<QStringList>(QStringList{absolute(parser.value(QStringLiteral("export"))),
                                                      withDeleted ? QStringLiteral("all") : QString()});
    };
    exportTo.work = [](VerbTarget &target, const QStringList &args) {
        return target.notes().exportNotes(args.value(0), args.value(1) == QLatin1String("all"));
    };

    const QCommandLineOption asNew(QStringLiteral("as-new"),
                                   QCoreApplication::translate("CommandLine", "With --import: a note here whose text differs from the "
                                                                               "file's gets the file's version as a new note beside it."));
    const int many = NoteImport::ManyNotes;
    const QCommandLineOption allowMany(QStringLiteral("allow-many"),
                                       QCoreApplication::translate("CommandLine", "With --import: import more than %n notes "
                                                                   "at once (each opens as a note).", nullptr, many));
    Verb importFrom{QStringLiteral("import"), QStringLiteral("file"),
                    QCoreApplication::translate("CommandLine", "Add the notes of an exported file (those already here are skipped)."),
                    {asNew, allowMany}, true, false, {}, {}};
    importFrom.arguments = [](const QCommandLineParser &parser, QString *) {
        NoteImport::Choices choices;
        choices.asNew = parser.isSet(QStringLiteral("as-new"));
        choices.allowMany = parser.isSet(QStringLiteral("allow-many"));
        return std::optional<QStringList>(QStringList{absolute(parser.value(QStringLiteral("import")))} + choices.toArgs());
    };
    importFrom.work = [](VerbTarget &target, const QStringList &args) {
        return target.notes().importNotes(args.value(0), NoteImport::Choices::fromArgs(args.mid(1)));
    };
    return {exportTo, importFrom};
}

// For keys bound in the desktop's settings.
QList<Verb> startVerbs()
{
    const auto none = [](const QCommandLineParser &, QString *) { return std::optional<QStringList>(QStringList()); };
    Verb newNote{QStringLiteral("new-note"), QString(), QCoreApplication::translate("CommandLine", "Open a new note, with the keyboard."),
                 {}, true, true, none, [](VerbTarget &target, const QStringList &) { return target.newNote(); }};
    Verb showNotes{QStringLiteral("show-notes"), QString(), QCoreApplication::translate("CommandLine", "Bring every note forward, those put away too."),
                   {}, false, true, none, [](VerbTarget &target, const QStringList &) { return target.showNotes(); }};
    Verb find{QStringLiteral("find"), QString(), QCoreApplication::translate("CommandLine", "Open the notes list, to find a note."),
              {}, false, true, none, [](VerbTarget &target, const QStringList &) { return target.openNotesList(); }};
    return {newNote, showNotes, find};
}

} // namespace

const QList<Verb> &Verbs::table()
{
    static const QList<Verb> verbs = QList<Verb>{tray(), syncFolder(), history()} + trashAndBackups() + exportAndImport()
        + startVerbs();
    return verbs;
}

const Verb *Verbs::find(const QString &name)
{
    for (const Verb &verb : table()) {
        if (verb.name == name)
            return &verb;
    }
    return nullptr;
}
