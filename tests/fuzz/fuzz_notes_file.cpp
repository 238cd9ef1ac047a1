// The notes files that other programs and computers write: an exported file (what --import
// reads) and a note's file in the sync folder. Whatever is read is written and read again: the
// notes, their dates and their sync fingerprints must come back as they were first read.

#include "base/notefile/notefile.h"
#include "base/store/notekeys.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const QString &what)
{
    std::fprintf(stderr, "notes file fault: %s\n", qPrintable(what));
    std::abort();
}

void checkExported(const QByteArray &input)
{
    QString error;
    const std::optional<NoteFile::Contents> first = NoteFile::read(input, QStringLiteral("input"), &error);
    if (!first)
        return;
    const QByteArray written = NoteFile::write(first->notes, first->deleted);
    const std::optional<NoteFile::Contents> again = NoteFile::read(written, QStringLiteral("written"), &error);
    if (!again)
        fail(QStringLiteral("a file written from what was read cannot be read: ") + error);
    if (again->notes != first->notes)
        fail(QStringLiteral("the notes changed on their way through a file"));
    for (int i = 0; i < first->notes.size(); ++i) {
        const QString id = first->notes.at(i).value(NoteKeys::Id);
        if (NoteFile::fingerprint(id, first->notes.at(i), false) != NoteFile::fingerprint(id, again->notes.at(i), false))
            fail(QStringLiteral("a note's fingerprint changed on its way through a file"));
    }
    // A deleted note whose date the file cannot carry back is not written: count those that can.
    if (again->deleted.size() > first->deleted.size())
        fail(QStringLiteral("deleted notes were added on their way through a file"));
    for (int i = 0; i < again->deleted.size(); ++i) {
        const SettingsStore::TrashedNote &was = first->deleted.at(i);
        const SettingsStore::TrashedNote &is = again->deleted.at(i);
        if (was.id != is.id || was.values != is.values || was.deleted != is.deleted)
            fail(QStringLiteral("a deleted note changed on its way through a file"));
    }
}

void checkSynced(const QByteArray &input)
{
    QString error;
    const std::optional<NoteFile::SyncedNote> first = NoteFile::readSynced(input, QStringLiteral("input"), &error);
    if (!first)
        return;
    const std::optional<NoteFile::SyncedNote> again =
        NoteFile::readSynced(NoteFile::writeSynced(*first), QStringLiteral("written"), &error);
    if (!again)
        fail(QStringLiteral("a note's file written from what was read cannot be read: ") + error);
    if (again->id != first->id || again->values != first->values || again->deleted != first->deleted)
        fail(QStringLiteral("a synced note changed on its way through its file"));
    if (NoteFile::fingerprint(*again) != NoteFile::fingerprint(*first))
        fail(QStringLiteral("a synced note's fingerprint changed on its way through its file"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    checkExported(input);
    checkSynced(input);
    return 0;
}
