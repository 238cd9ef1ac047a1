#include "base/history/historyexport.h"

#include "base/history/notehistory.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace HistoryExport {

namespace {

// Adds each note's versions to the array's note objects; false once the bytes run out.
bool addVersions(QJsonArray &notes, const NoteHistory &history, qint64 &budget)
{
    for (qsizetype i = 0; i < notes.size(); ++i) {
        QJsonObject note = notes.at(i).toObject();
        const QString id = note.value(QStringLiteral("id")).toString();
        QJsonArray versions;
        for (const NoteHistory::Version &version : history.list(id)) {
            budget -= version.bytes;
            if (budget < 0)
                return false;
            const std::optional<QString> text = history.read(id, version.made);
            if (text)
                versions.append(QJsonObject{
                    {QStringLiteral("made"), version.time().toUTC().toString(Qt::ISODateWithMs)},
                    {QStringLiteral("text"), *text}});
        }
        if (!versions.isEmpty())
            note.insert(QStringLiteral("history"), versions);
        notes.replace(i, note);
    }
    return true;
}

} // namespace

QByteArray addTo(const QByteArray &json, const NoteHistory &history, QString *said)
{
    if (!history.isOpen()) {
        *said = QCoreApplication::translate("HistoryExport", "the notes' history is not available, so it was left out");
        return json;
    }
    QJsonObject file = QJsonDocument::fromJson(json).object();
    qint64 budget = MaxBytes;
    for (const QString &key : {QStringLiteral("notes"), QStringLiteral("deletedNotes")}) {
        QJsonArray notes = file.value(key).toArray();
        if (!addVersions(notes, history, budget)) {
            *said = QCoreApplication::translate("HistoryExport", "the notes' history, more than %1 MB, was left out (--history ID --show N "
                                   "prints a version; a backup holds them all)").arg(MaxBytes >> 20);
            return json;
        }
        if (file.contains(key))
            file.insert(key, notes);
    }
    said->clear();
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

} // namespace HistoryExport
