#include "base/sync/folderscan.h"

#include "base/files/filesync.h"
#include "base/store/noteslots.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace FolderScan {

namespace {

using SyncRules::There;

constexpr qint64 DeletionKeptDays = 30;
// A note file beyond this size is nobody's note: it is left alone, unread.
constexpr qint64 LargestNoteFileBytes = 64LL * 1024 * 1024;

const QString IdPattern = QStringLiteral("([0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12})");

const QRegularExpression &noteFileName()
{
    static const QRegularExpression name(QLatin1Char('^') + IdPattern + QStringLiteral("\\.json$"));
    return name;
}

const QRegularExpression &conflictCopyName()
{
    static const QRegularExpression name(QLatin1Char('^') + IdPattern
                                         + QStringLiteral("(?:\\.sync-conflict-[0-9]{8}-[0-9]{6}-[A-Z0-9]+"
                                                          "| \\([^()]*conflicted copy[^()]*\\))+\\.json$"));
    return name;
}

// A file of ours by name that readSynced refused: damaged (this computer's version may mend it)
// or not to be touched (a newer format, somebody else's file, another note inside).
There kindOfRefused(const QByteArray &bytes)
{
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parse);
    if (document.isNull() || !document.isObject())
        return There::Damaged;
    const QJsonObject file = document.object();
    if (file.value(QLatin1String("format")).toString() != NoteFile::SyncedFormatName)
        return There::Unusable;
    const QJsonValue version = file.value(QLatin1String("version"));
    if (version.toInt(0) != NoteFile::FormatVersion)
        return There::Unusable;
    return There::Damaged;
}

} // namespace

QString noteIdOf(const QString &fileName)
{
    const QRegularExpressionMatch match = noteFileName().match(fileName);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString copyIdOf(const QString &fileName)
{
    const QRegularExpressionMatch match = conflictCopyName().match(fileName);
    return match.hasMatch() ? match.captured(1) : QString();
}

SeenFile readFile(const QString &path, const QString &name)
{
    SeenFile seen;
    const SafeRead::Result read = SafeRead::readPlainFile(path, LargestNoteFileBytes);
    seen.stamp = read.stamp;
    if (read.refused != SafeRead::Refused::None) {
        seen.kind = read.refused == SafeRead::Refused::Missing ? There::None : There::Unusable;
        seen.problem = QStringLiteral("%1: %2").arg(name, read.error);
        return seen;
    }
    QString error;
    seen.note = NoteFile::readSynced(read.bytes, name, &error);
    if (!seen.note) {
        seen.kind = kindOfRefused(read.bytes);
        seen.problem = error;
        return seen;
    }
    // Its name begins with the id of the note it holds, a conflict copy's too.
    if (seen.note->id != name.left(36)) {
        seen.note.reset();
        seen.kind = There::Unusable;
        seen.problem = QCoreApplication::translate("FolderScan", "%1 holds another note than its name says").arg(name);
        return seen;
    }
    seen.kind = seen.note->deleted ? There::Deleted : There::Note;
    seen.state = NoteFile::fingerprint(*seen.note);
    return seen;
}

// Syncthing never carries ".syncthing.*" files: the file reaches the other computers whole, once
// it has its name.
bool writeNoteFile(const QString &folder, const NoteFile::SyncedNote &note, QString *error)
{
    const QByteArray bytes = NoteFile::writeSynced(note);
    const QString temporary = folder + QStringLiteral("/.syncthing.quillarren-") + note.id + QStringLiteral(".json.tmp");
    QFile::remove(temporary);   // a link left there is removed, never written through
    QFile file(temporary);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        && file.write(bytes) == bytes.size() && file.flush() && FileSync::syncFile(temporary)
        && (file.close(), FileSync::replaceFile(temporary, folder + QLatin1Char('/') + note.id + QStringLiteral(".json"))))
        return true;
    *error = file.errorString();
    file.close();
    QFile::remove(temporary);
    return false;
}

QStringList oldDeletions(const Snapshot &snapshot, const QString &computer, const QDateTime &now,
                         const std::function<QString(const QString &)> &agreedState)
{
    QStringList ids;
    const QDateTime limit = now.addDays(-DeletionKeptDays);
    for (auto it = snapshot.notes.cbegin(); it != snapshot.notes.cend(); ++it) {
        const SeenFile seen = snapshot.files.value(it.value());
        if (seen.note && seen.note->deleted && seen.note->computer == computer && seen.note->changed < limit
            && agreedState(it.key()) == seen.state && SafeRead::stampOf(it.value()) == seen.stamp)
            ids.append(it.key());
    }
    return ids;
}

Snapshot scan(const QString &folder, const QHash<QString, SeenFile> &before)
{
    Snapshot snapshot;
    snapshot.folder = folder;
    const std::optional<quint64> device = SafeRead::folderDevice(folder);
    if (!device)
        return snapshot;
    snapshot.there = true;
    snapshot.device = *device;
    // Names only: what each one is, lstat says below; every other file is somebody else's,
    // never read, never touched.
    QDirIterator entries(folder, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QString name = entries.fileName();
        if (!name.endsWith(QLatin1String(".json")))
            continue;
        QString id = noteIdOf(name);
        const bool copy = id.isEmpty();
        if (copy)
            id = copyIdOf(name);
        if (id.isEmpty())
            continue;
        const QString path = folder + QLatin1Char('/') + name;
        if (!NoteSlots::isId(id)) {
            snapshot.refused.append(path);
            continue;
        }
        const SafeRead::Stamp stamp = SafeRead::stampOf(path);
        const auto known = before.constFind(path);
        SeenFile seen = known != before.cend() && known->stamp == stamp && stamp.exists ? *known : readFile(path, name);
        if (seen.kind == There::None)
            continue;   // gone since it was listed
        snapshot.files.insert(path, seen);
        if (copy)
            snapshot.copies[id].append(path);
        else
            snapshot.notes.insert(id, path);
    }
    for (QStringList &copies : snapshot.copies)
        copies.sort();   // the same order on every computer
    return snapshot;
}

} // namespace FolderScan
