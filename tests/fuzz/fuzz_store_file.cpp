// Start-up from any file at the store's place: the file is the input, up to a line "--wal--",
// and what follows that line is the store's write-ahead log beside it. A store that cannot be read
// is kept aside unchanged or refused, never taken for an empty one; one that can is shown.

#include "startupfuzz.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        StartUpFuzz::fail("cannot write the input to a temporary file");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    StartUpFuzz::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Brimvale"));
    const QString path = dir.filePath(QStringLiteral("Brimvale/Quillarren.sqlite3"));
    static const QByteArray walMark = QByteArrayLiteral("\n--wal--\n");
    const qsizetype mark = input.indexOf(walMark);
    write(path, mark < 0 ? input : input.left(mark));
    if (mark >= 0)
        write(path + QStringLiteral("-wal"), input.mid(mark + walMark.size()));
    const SettingsStore::OpenResult opened = StartUpFuzz::run(path);
    // A store that could not be read is kept as it was. (With a log beside it, closing the file
    // may first write the log's transactions into it.)
    if (!opened.movedAsideTo.isEmpty() && mark < 0) {
        QFile kept(opened.movedAsideTo);
        if (!kept.open(QIODevice::ReadOnly) || kept.readAll() != input)
            StartUpFuzz::fail("the damaged store was not kept as it was");
    }
    return 0;
}
