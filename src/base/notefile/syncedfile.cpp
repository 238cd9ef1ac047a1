#include "base/notefile/notefile.h"

#include "base/notefile/notefields.h"
#include "base/store/notekeys.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QJsonDocument>

#include <cmath>

// The one file of a note in the sync folder, written here and read from other computers.
namespace NoteFile {

using NoteSlots::Values;

const QStringList &travellingSuffixes()
{
    static const QStringList suffixes = [] {
        QStringList all = NoteKeys::AllSuffixes;
        for (const QString &local : {NoteKeys::Left, NoteKeys::Top, NoteKeys::Width, NoteKeys::Height,
                                     NoteKeys::AlwaysOnTop, NoteKeys::ActivehWnd, NoteKeys::TransCount,
                                     NoteKeys::ReminderLastAlarm})
            all.removeOne(local);
        return all;
    }();
    return suffixes;
}

Values travelling(const Values &values)
{
    Values kept;
    for (const QString &suffix : travellingSuffixes()) {
        const QString value = values.value(suffix);
        if (!value.isEmpty())
            kept.insert(suffix, value);
    }
    return kept;
}

QString fingerprint(const QString &id, const Values &values, bool deleted)
{
    Values note = deleted ? Values() : travelling(values);
    note.insert(NoteKeys::Id, id);
    // Through the file's own form and back, so that a note read from a file and the same note
    // stored here give the same fingerprint.
    const QJsonObject canonical{{QStringLiteral("deleted"), deleted},
                                {QStringLiteral("note"), toJson(fromJson(toJson(note)))}};
    return QString::fromLatin1(
        QCryptographicHash::hash(QJsonDocument(canonical).toJson(QJsonDocument::Compact), QCryptographicHash::Sha1)
            .toHex());
}

QString fingerprint(const SyncedNote &note)
{
    return fingerprint(note.id, note.values, note.deleted);
}

QByteArray writeSynced(const SyncedNote &note)
{
    Values values = note.deleted ? Values() : travelling(note.values);
    values.insert(NoteKeys::Id, note.id);
    QJsonObject file{
        {QStringLiteral("format"), SyncedFormatName},
        {QStringLiteral("version"), FormatVersion},
        {QStringLiteral("id"), note.id},
        {QStringLiteral("changed"), note.changed.toUTC().toString(Qt::ISODateWithMs)},
        {QStringLiteral("computer"), note.computer},
        {QStringLiteral("computerName"), note.computerName},
        {QStringLiteral("note"), toJson(values)},
    };
    if (note.edition > 0)
        file.insert(QStringLiteral("edition"), note.edition);
    if (note.deleted)
        file.insert(QStringLiteral("deleted"), true);
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

std::optional<SyncedNote> readSynced(const QByteArray &bytes, const QString &name, QString *error)
{
    const std::optional<QJsonObject> checked =
        checkedFile(bytes, name, SyncedFormatName, false, error);
    if (!checked || !checked->value(QLatin1String("note")).isObject()) {
        if (checked)
            *error = QCoreApplication::translate("NoteFile", "%1 is not a Quillarren note").arg(name);
        return std::nullopt;
    }
    const QJsonObject &file = *checked;
    const QString wrong = NoteFields::misfit(file.value(QLatin1String("note")).toObject(), false);
    if (!wrong.isEmpty()) {
        *error = QCoreApplication::translate("NoteFile", "%1 is damaged: %2").arg(name, wrong);
        return std::nullopt;
    }
    SyncedNote note;
    note.id = file.value(QLatin1String("id")).toString();
    note.deleted = file.value(QLatin1String("deleted")).toBool(false);
    note.changed = QDateTime::fromString(file.value(QLatin1String("changed")).toString(), Qt::ISODateWithMs);
    note.computer = file.value(QLatin1String("computer")).toString();
    note.computerName = file.value(QLatin1String("computerName")).toString();
    // A whole number a double holds exactly; anything else is not known.
    const double edition = file.value(QLatin1String("edition")).toDouble(0);
    if (edition >= 1 && edition <= 9007199254740992.0 && edition == std::floor(edition))
        note.edition = qint64(edition);
    note.values = fromJson(file.value(QLatin1String("note")).toObject());
    if (note.id.isEmpty() || note.values.value(NoteKeys::Id) != note.id) {
        *error = QCoreApplication::translate("NoteFile", "%1 is not a Quillarren note (it names no note, or another one)").arg(name);
        return std::nullopt;
    }
    note.values = note.deleted ? Values() : travelling(note.values);
    return note;
}

} // namespace NoteFile
