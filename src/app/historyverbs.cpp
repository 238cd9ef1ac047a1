#include "app/historyverbs.h"

#include "base/history/historyexport.h"
#include "base/history/notehistory.h"
#include "gui/history/historykeeper.h"
#include "base/store/notekeys.h"
#include "base/store/noteslots.h"
#include "base/store/settingsstore.h"

#include <QCoreApplication>
#include <optional>

namespace HistoryVerbs {

namespace {

Reply failed(const QString &message)
{
    return {1, message};
}

// A note id as it is, or a note's number turned into the id stored for it.
std::optional<QString> idOf(const SettingsStore &store, const QString &note)
{
    if (NoteSlots::isId(note))
        return note;
    bool isNumber = false;
    const int number = note.toInt(&isNumber);
    if (!isNumber || number < 1 || number > NoteSlots::openCount(store))
        return std::nullopt;
    const QString id = store.get(NoteKeys::tagFor(number) + NoteKeys::Id);
    return NoteSlots::isId(id) ? std::optional<QString>(id) : std::nullopt;
}

std::optional<Reply> refusal(const NoteHistory &history, const std::optional<QString> &id, const QString &note)
{
    if (!history.isOpen())
        return failed(QCoreApplication::translate("HistoryVerbs", "The history of the notes is not available (see the message at start-up)."));
    if (!id)
        return failed(QCoreApplication::translate("HistoryVerbs", "No note has the id or number '%1'.").arg(note));
    return std::nullopt;
}

} // namespace

Reply list(const SettingsStore &store, const NoteHistory &history, const QString &note)
{
    const std::optional<QString> id = idOf(store, note);
    if (const std::optional<Reply> refused = refusal(history, id, note))
        return *refused;
    const QList<NoteHistory::Version> versions = history.list(*id);
    if (versions.isEmpty())
        return {0, QCoreApplication::translate("HistoryVerbs", "Note %1 has no earlier versions.\n").arg(*id)};
    QString out;
    for (qsizetype i = 0; i < versions.size(); ++i) {
        const NoteHistory::Version &version = versions.at(i);
        out += QStringLiteral("%1\t%2\t%3\t%4\n")
                   .arg(i + 1)
                   .arg(version.time().toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
                   .arg(QCoreApplication::translate("HistoryVerbs", "%n bytes", nullptr, int(version.bytes)))
                   .arg(version.firstChangedLine.left(80));
    }
    return {0, out};
}

Reply show(const SettingsStore &store, const NoteHistory &history, const QString &note, const QString &number)
{
    const std::optional<QString> id = idOf(store, note);
    if (const std::optional<Reply> refused = refusal(history, id, note))
        return *refused;
    bool isNumber = false;
    const int n = number.toInt(&isNumber);
    const QList<NoteHistory::Version> versions = history.list(*id);
    if (!isNumber || n < 1 || n > versions.size())
        return failed(QCoreApplication::translate("HistoryVerbs", "Note %1 has no version %2; it has %3 (--history %4 lists them).")
                          .arg(*id, number).arg(versions.size()).arg(note));
    const std::optional<QString> text = history.read(*id, versions.at(n - 1).made);
    if (!text)
        return failed(QCoreApplication::translate("HistoryVerbs", "Version %1 of note %2 could not be read.").arg(number, *id));
    return {0, *text};
}

QByteArray withHistory(const SettingsStore &store, const QByteArray &json, QString *said)
{
    if (HistoryKeeper *keeper = HistoryKeeper::current())
        return HistoryExport::addTo(json, keeper->history(), said);
    NoteHistory own;
    own.open(store.path(), store.damageBesideNotes());
    return HistoryExport::addTo(json, own, said);
}

Reply answer(const SettingsStore &store, const NoteHistory *history, const QString &note, const QString &number)
{
    NoteHistory own;
    if (!history) {
        own.open(store.path(), store.damageBesideNotes());
        history = &own;
    }
    return number.isEmpty() ? list(store, *history, note) : show(store, *history, note, number);
}

} // namespace HistoryVerbs
