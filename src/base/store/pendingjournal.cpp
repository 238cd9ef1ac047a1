#include "base/store/pendingjournal.h"

#include "base/files/filesync.h"
#include "base/files/safewrite.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QtEndian>

#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcStore)

namespace {

// A record: its kind, the lengths of its fields, the fields in UTF-8 (and an edit's numbers),
// then a hash of all of it, so that a record cut short by a crash is recognised and ends the
// reading.
constexpr quint32 ValueMagic = 0x314e4a51;   // "QJN1": key, value, … as many pairs as its count says
constexpr quint32 EditMagic = 0x31454a51;    // "QJE1": key, removed, inserted; base, position
constexpr quint32 GenerationMagic = 0x31474a51;   // "QJG1": the generation, first in the file

quint64 fnv1a(const char *data, qsizetype size)
{
    quint64 hash = 14695981039346656037ULL;
    for (qsizetype i = 0; i < size; ++i) {
        hash ^= quint8(data[i]);
        hash *= 1099511628211ULL;
    }
    return hash;
}

void put32(QByteArray &out, quint32 value)
{
    value = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&value), sizeof value);
}

void put64(QByteArray &out, quint64 value)
{
    value = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&value), sizeof value);
}

// One record: the magic, the field lengths, the numbers, the fields, the hash.
QByteArray record(quint32 magic, const QList<QByteArray> &fields, const QList<quint64> &numbers)
{
    QByteArray out;
    put32(out, magic);
    if (magic == ValueMagic)
        put32(out, quint32(fields.size() / 2));
    for (const QByteArray &field : fields)
        put32(out, quint32(field.size()));
    for (quint64 number : numbers)
        put64(out, number);
    for (const QByteArray &field : fields)
        out.append(field);
    put64(out, fnv1a(out.constData(), out.size()));
    return out;
}

class Reader
{
public:
    explicit Reader(const QByteArray &all) : m_all(all) {}

    bool atEnd() const { return m_at >= m_all.size(); }

    /** The next record's magic and fields, or false at a torn or damaged record. */
    bool next(quint32 *magic, QList<QByteArray> *fields, QList<quint64> *numbers)
    {
        qsizetype at = m_at;
        const auto get32 = [&](quint32 *value) {
            if (m_all.size() - at < 4)
                return false;
            std::memcpy(value, m_all.constData() + at, 4);
            *value = qFromLittleEndian(*value);
            at += 4;
            return true;
        };
        const auto get64 = [&](quint64 *value) {
            if (m_all.size() - at < 8)
                return false;
            std::memcpy(value, m_all.constData() + at, 8);
            *value = qFromLittleEndian(*value);
            at += 8;
            return true;
        };
        if (!get32(magic))
            return false;
        quint32 pairs = 0;
        if (*magic == ValueMagic && (!get32(&pairs) || pairs > quint32(m_all.size())))
            return false;
        const int fieldCount = *magic == ValueMagic ? int(2 * pairs) : *magic == EditMagic ? 3 : *magic == GenerationMagic ? 0 : -1;
        const int numberCount = *magic == EditMagic ? 2 : *magic == GenerationMagic ? 1 : 0;
        if (fieldCount < 0)
            return false;
        QList<quint32> sizes(fieldCount);
        for (quint32 &size : sizes) {
            if (!get32(&size))
                return false;
        }
        numbers->resize(numberCount);
        for (quint64 &number : *numbers) {
            if (!get64(&number))
                return false;
        }
        fields->clear();
        for (quint32 size : sizes) {
            if (m_all.size() - at < qsizetype(size))
                return false;
            fields->append(m_all.mid(at, size));
            at += size;
        }
        const qsizetype hashed = at - m_at;
        quint64 hash;
        if (!get64(&hash) || hash != fnv1a(m_all.constData() + m_at, hashed))
            return false;
        m_at = at;
        return true;
    }

private:
    const QByteArray &m_all;
    qsizetype m_at = 0;
};

} // namespace

void PendingJournal::setPath(const QString &path)
{
    m_file.close();
    m_file.setFileName(path);
    m_empty = QFileInfo(path).size() == 0;
    m_hasValues = !m_empty;
}

bool PendingJournal::write(const QByteArray &bytes)
{
    if (!m_file.isOpen()) {
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered,
                         QFileDevice::ReadOwner | QFileDevice::WriteOwner))
            return false;
        FileSync::makePrivateFile(m_file.fileName());
    }
    const bool written = m_file.write(bytes) == bytes.size();
    m_empty = m_empty && !written && m_file.size() == 0;
    return written;
}

static QByteArray valuesRecord(const PendingJournal::Values &values)
{
    // One record for the whole batch: a batch is written to the store all or nothing, and a
    // record cut short by a power cut is dropped whole, never a part of a renumbering.
    QList<QByteArray> fields;
    for (const auto &[key, value] : values)
        fields << key.toUtf8() << value.toUtf8();
    return record(ValueMagic, fields, {});
}

bool PendingJournal::append(const Values &values, quint32 generation)
{
    QByteArray bytes = m_empty ? record(GenerationMagic, {}, {generation}) : QByteArray();
    bytes.append(valuesRecord(values));
    m_hasValues = true;
    return write(bytes);
}

bool PendingJournal::appendEdit(const Edit &edit, quint32 generation)
{
    QByteArray bytes = m_empty ? record(GenerationMagic, {}, {generation}) : QByteArray();
    bytes.append(record(EditMagic, {edit.key.toUtf8(), edit.removed.toUtf8(), edit.inserted.toUtf8()},
                        {quint64(edit.base), quint64(edit.position)}));
    return write(bytes);
}

quint32 PendingJournal::generation() const
{
    QFile file(m_file.fileName());
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray start = file.read(64);
    Reader reader(start);
    quint32 magic;
    QList<QByteArray> fields;
    QList<quint64> numbers;
    return reader.next(&magic, &fields, &numbers) && magic == GenerationMagic ? quint32(numbers.at(0)) : 0;
}

QList<QString> PendingJournal::replay(QHash<QString, QString> &values) const
{
    QList<QString> changed;
    QFile file(m_file.fileName());
    if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly))
        return changed;
    const QByteArray all = file.readAll();
    Reader reader(all);
    quint32 magic;
    QList<QByteArray> fields;
    QList<quint64> numbers;
    while (!reader.atEnd() && reader.next(&magic, &fields, &numbers)) {
        if (magic == GenerationMagic)
            continue;
        if (magic == ValueMagic) {
            for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
                const QString key = QString::fromUtf8(fields.at(i));
                values.insert(key, QString::fromUtf8(fields.at(i + 1)));
                if (!changed.contains(key))
                    changed.append(key);
            }
            continue;
        }
        const QString key = QString::fromUtf8(fields.at(0));
        QString &text = values[key];
        const qsizetype base = qsizetype(numbers.at(0));
        const qsizetype position = qsizetype(numbers.at(1));
        const QString removed = QString::fromUtf8(fields.at(1));
        const QString inserted = QString::fromUtf8(fields.at(2));
        const bool made = text.size() == base && position + removed.size() <= text.size()
            && QStringView(text).mid(position, removed.size()) == removed;
        if (!made) {
            qCWarning(lcStore) << "journal: a change of" << key << "does not fit its text and is skipped";
            continue;
        }
        text.replace(position, removed.size(), inserted);
        if (!changed.contains(key))
            changed.append(key);
    }
    return changed;
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
    m_empty = true;
    m_hasValues = false;
    return FileSync::syncFile(m_file.fileName());
}

bool PendingJournal::isEmpty() const
{
    return m_empty;
}

qint64 PendingJournal::size() const
{
    return m_file.isOpen() ? m_file.size() : QFileInfo(m_file.fileName()).size();
}

bool PendingJournal::compact(const Values &values)
{
    m_file.close();
    QByteArray bytes;
    if (!values.empty())
        bytes = record(GenerationMagic, {}, {generation()}) + valuesRecord(values);
    // The old journal stays until all of the new one is on the disk.
    QString error;
    if (!SafeWrite::replaceWhole(m_file.fileName(), bytes, SafeWrite::Options(), &error)) {
        qCWarning(lcStore) << "journal: could not be compacted:" << error;
        return false;
    }
    m_empty = bytes.isEmpty();
    m_hasValues = !values.empty();
    return true;
}
