#pragma once

#include "app/noteverbs.h"
#include "base/channel/singleinstance.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QCommandLineParser;

// What a verb works on: the store alone while no copy runs, or the running program.
class VerbTarget
{
public:
    using Reply = SingleInstance::Reply;

    virtual ~VerbTarget() = default;
    /** The verbs on the notes, reporting progress to whoever asked. */
    virtual NoteVerbs notes() = 0;
    /** The folder to sync through ("off": none). */
    virtual Reply syncFolder(const QString &folderOrOff) = 0;
    // Only the running program does these; a start that asks for one does it once its notes are open.
    virtual Reply newNote() = 0;
    virtual Reply showNotes() = 0;
    virtual Reply openNotesList() = 0;
};

// One verb of the command line, which is also the request the running copy answers over the
// channel under the same name with the same arguments.
struct Verb
{
    using Reply = SingleInstance::Reply;

    QString name;                     // the option, and the request's name on the channel
    QString valueName;                // the option's value, empty for a switch
    QString help;
    QList<QCommandLineOption> with;   // switches that only go with this verb
    bool writes = false;              // changes the notes: refused on a store that is not whole
    bool needsRunningCopy = false;    // done by the running copy, or by this start once its notes are open
    /** The request's arguments from the command line, or nothing with what was wrong. */
    std::function<std::optional<QStringList>(const QCommandLineParser &, QString *wrong)> arguments;
    std::function<Reply(VerbTarget &, const QStringList &args)> work;
};

namespace Verbs {

/** Every verb, in the order the command line looks for them: the first one given is done. */
const QList<Verb> &table();
const Verb *find(const QString &name);

} // namespace Verbs
