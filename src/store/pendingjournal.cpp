#include "store/pendingjournal.h"

#include "platform/filesync.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

namespace {

// A record: magic, key length, value length, key and value in UTF-8, then a hash of all of it,
// so that a record cut short by a crash is recognised and ends the reading.
constexpr quint32 Magic = 0x314e4a51;   // "QJN1"

quint64 fnv1a(const char *data, qsizetype size, quint64 hash = 14695981039346656037ULL)
{
    for (qsizetype i = 0; i < size; ++i) {
        hash ^= quint8(data[i]);
        hash *= 1099511628211ULL;
    }
    return hash;
}

QByteArray encode(const PendingJournal::Values &values)
{
    QByteArray out;
    for (const auto &[key, value] : values) {
        const QByteArray k = key.toUtf8();
        const QByteArray v = value.toUtf8();
        const qsizetype start = out.size();
        const quint32 header[3] = {qToLittleEndian(Magic), qToLittleEndian(quint32(k.size())),
                                   qToLittleEndian(quint32(v.size()))};
        out.append(reinterpret_cast<const char *>(header), sizeof header);
        out.append(k);
        out.append(v);
        const quint64 hash = qToLittleEndian(fnv1a(out.constData() + start, out.size() - start));
        out.append(reinterpret_cast<const char *>(&hash), sizeof hash);
    }
    return out;
}

} // namespace

void PendingJournal::setPath(const QString &path)
{
    m_file.close();
    m_file.setFileName(path);
}

bool PendingJournal::append(const Values &values)
{
    if (!m_file.isOpen()) {
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered,
                         QFileDevice::ReadOwner | QFileDevice::WriteOwner))
            return false;
        FileSync::makePrivateFile(m_file.fileName());
    }
    const QByteArray bytes = encode(values);
    return m_file.write(bytes) == bytes.size();
}

PendingJournal::Values PendingJournal::read() const
{
    Values values;
    QFile file(m_file.fileName());
    if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly))
        return values;
    const QByteArray all = file.readAll();
    qsizetype at = 0;
    constexpr qsizetype HeaderSize = 3 * sizeof(quint32);
    while (all.size() - at >= HeaderSize) {
        const auto *header = reinterpret_cast<const quint32 *>(all.constData() + at);
        if (qFromLittleEndian(header[0]) != Magic)
            break;
        const qint64 keySize = qFromLittleEndian(header[1]);
        const qint64 valueSize = qFromLittleEndian(header[2]);
        const qint64 recordSize = HeaderSize + keySize + valueSize;
        if (all.size() - at < recordSize + qint64(sizeof(quint64)))
            break;
        quint64 hash;
        memcpy(&hash, all.constData() + at + recordSize, sizeof hash);
        if (qFromLittleEndian(hash) != fnv1a(all.constData() + at, recordSize))
            break;
        const char *key = all.constData() + at + HeaderSize;
        values.emplace_back(QString::fromUtf8(key, keySize), QString::fromUtf8(key + keySize, valueSize));
        at += recordSize + sizeof(quint64);
    }
    return values;
}

bool PendingJournal::clear()
{
    m_file.close();
    if (!QFileInfo::exists(m_file.fileName()))
        return true;
    // Emptied rather than removed: a removal could come back after a power cut, an emptied and
    // synced file cannot bring old values back over newer ones.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    m_file.close();
    return FileSync::syncFile(m_file.fileName());
}

bool PendingJournal::isEmpty() const
{
    return size() == 0;
}

qint64 PendingJournal::size() const
{
    return QFileInfo(m_file.fileName()).size();
}

bool PendingJournal::compact(const Values &values)
{
    m_file.close();
    QSaveFile file(m_file.fileName());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(encode(values));
    return file.commit();
}
