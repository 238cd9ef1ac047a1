#include "base/notefile/noteimport.h"

#include "base/files/saferead.h"
#include "base/store/notekeys.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QUuid>

namespace NoteImport {

namespace {

// Names the ids derived for notes that came without one of their own.
const QUuid DerivedIds(QStringLiteral("{6b2f5a1e-4c1d-4e57-9a3b-52f0c4d7e8a9}"));

QString asWritten(bool flag, const char *name)
{
    return flag ? QString::fromLatin1(name) : QString();
}

struct Here
{
    QString text;
    bool deleted = false;
};

QString named(const QString &id, const Here &here)
{
    const QString first = NoteSlots::firstLine(here.text).left(40);
    return QCoreApplication::translate("NoteImport", "%1 (%2%3)")
        .arg(first.isEmpty() ? QStringLiteral("(empty note)") : QLatin1Char('"') + first + QLatin1Char('"'), id,
             here.deleted ? QCoreApplication::translate("NoteImport", ", in Deleted Notes") : QString());
}

} // namespace

QStringList Choices::toArgs() const
{
    QStringList args{asWritten(asNew, "as-new"), asWritten(allowMany, "allow-many")};
    args.removeAll(QString());
    return args;
}

Choices Choices::fromArgs(const QStringList &args)
{
    Choices choices;
    choices.asNew = args.contains(QLatin1String("as-new"));
    choices.allowMany = args.contains(QLatin1String("allow-many"));
    return choices;
}

std::optional<NoteFile::Contents> read(const QString &file, QString *error)
{
    const QString shown = QDir::toNativeSeparators(file);
    const SafeRead::Result read = SafeRead::readPlainFile(file, NoteFile::LargestFileBytes, SafeRead::Links::Follow);
    if (read.refused != SafeRead::Refused::None) {
        *error = QCoreApplication::translate("NoteImport", "Cannot read %1: %2").arg(shown, read.error);
        return std::nullopt;
    }
    return NoteFile::read(read.bytes, shown, error);
}

QString idHere(const QString &idInFile, int position, const QString &text)
{
    const QUuid uuid = QUuid::fromString(idInFile.trimmed());
    if (!uuid.isNull())
        return uuid.toString(QUuid::WithoutBraces);
    const QString basis = idInFile.trimmed().isEmpty() ? QStringLiteral("note %1: %2").arg(position).arg(text)
                                                       : QStringLiteral("id: ") + idInFile;
    return QUuid::createUuidV5(DerivedIds, basis).toString(QUuid::WithoutBraces);
}

Plan plan(const NoteFile::Contents &contents, const QList<NoteSlots::Values> &open,
          const QList<SettingsStore::TrashedNote> &trash, bool asNew)
{
    QHash<QString, Here> here;
    for (const NoteSlots::Values &note : open)
        here.insert(note.value(NoteKeys::Id), {note.value(NoteKeys::Notes), false});
    for (const SettingsStore::TrashedNote &note : trash)
        here.insert(note.id, {note.values.value(NoteKeys::Notes), true});

    Plan plan;
    int position = 0;
    for (NoteSlots::Values note : contents.notes) {
        const QString text = note.value(NoteKeys::Notes);
        QString id = idHere(note.value(NoteKeys::Id), ++position, text);
        if (const auto found = here.constFind(id); found != here.constEnd()) {
            if (found->text == text) {
                ++plan.alreadyHere;
                continue;
            }
            if (!asNew) {
                plan.differing.append(named(id, *found));
                continue;
            }
            // The file's version beside the one here, under an id of its own that the next
            // import finds again.
            id = QUuid::createUuidV5(DerivedIds, QStringLiteral("as new: ") + id + QLatin1Char('\n') + text)
                     .toString(QUuid::WithoutBraces);
            if (here.contains(id)) {
                ++plan.alreadyHere;
                continue;
            }
            ++plan.addedAsNew;
        }
        note.insert(NoteKeys::Id, id);
        here.insert(id, {text, false});
        plan.added.append(note);
    }
    position = 0;
    for (SettingsStore::TrashedNote note : contents.deleted) {
        note.id = idHere(note.id, ++position, note.values.value(NoteKeys::Notes));
        note.values.insert(NoteKeys::Id, note.id);
        if (here.contains(note.id))
            continue;
        here.insert(note.id, {note.values.value(NoteKeys::Notes), true});
        plan.toTrash.append(note);
    }
    return plan;
}

} // namespace NoteImport
