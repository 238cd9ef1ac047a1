#include "base/store/noteslots.h"

#include "base/store/conversions.h"
#include "base/store/notekeys.h"
#include "base/store/settingsstore.h"

#include <QList>
#include <QSet>
#include <QUuid>

#include <algorithm>
#include <limits>

namespace NoteSlots {

namespace {

// The highest note slot that holds any key in the store.
int highestStoredSlot(const SettingsStore &store)
{
    int highest = 0;
    const QString prefix = NoteKeys::TagPrefix;
    for (const QString &key : store.keys()) {
        if (!key.startsWith(prefix))
            continue;
        const int dot = key.indexOf(QLatin1Char('.'), prefix.size());
        bool ok = false;
        const int index = QStringView(key).mid(prefix.size(), dot - prefix.size()).toInt(&ok);
        if (ok && index > highest)
            highest = index;
    }
    return std::min<int>(highest, std::numeric_limits<qint16>::max());
}

} // namespace

int openCount(const SettingsStore &store)
{
    const double stored = Conversions::roundHalfEven(
        Conversions::leadingNumber(store.get(NoteKeys::TotalForms, NoteKeys::DefaultTotalForms)));
    // Never more windows than the store has notes for (a count of thousands over a few notes
    // would bury the desktop), and at least one, so the user is never left without a note. A
    // count that is 0, negative or too large cannot be what was meant: open the stored notes.
    const int highest = highestStoredSlot(store);
    if (stored >= 1 && stored <= std::numeric_limits<qint16>::max())
        return std::max(1, std::min(int(stored), highest));
    return std::max(1, highest);
}

int storedCount(const SettingsStore &store)
{
    return highestStoredSlot(store) == 0 ? 0 : openCount(store);
}

Values valuesOf(const SettingsStore &store, const QString &tag)
{
    Values values;
    for (const QString &suffix : NoteKeys::AllSuffixes) {
        if (store.contains(tag + suffix))
            values.insert(suffix, store.get(tag + suffix));
    }
    return values;
}

void writeInto(const SettingsStore &store, const Values &values, const QString &tag, Writes &writes)
{
    for (const QString &suffix : NoteKeys::AllSuffixes) {
        const auto it = values.constFind(suffix);
        if (it != values.constEnd())
            writes.emplace_back(tag + suffix, *it);
        else if (store.contains(tag + suffix))
            writes.emplace_back(tag + suffix, QString());
    }
}

void appendNotes(const SettingsStore &store, const QList<Values> &notes, int count, Writes &writes)
{
    for (int i = 0; i < notes.size(); ++i) {
        Values values = notes.at(i);
        values.remove(NoteKeys::ActivehWnd);   // names a window of another run
        if (!isId(values.value(NoteKeys::Id)))
            values.insert(NoteKeys::Id, newId());
        writeInto(store, values, NoteKeys::tagFor(count + 1 + i), writes);
    }
    writes.emplace_back(NoteKeys::TotalForms, QString::number(count + notes.size()));
}

bool isId(const QString &text)
{
    // A UUID in its plain form: files and other computers name the note by it.
    const QUuid id = QUuid::fromString(text);
    return !id.isNull() && text == id.toString(QUuid::WithoutBraces);
}

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

Writes missingIds(const SettingsStore &store, int count)
{
    Writes writes;
    QSet<QString> seen;
    for (int slot = 1; slot <= count; ++slot) {
        const QString key = NoteKeys::tagFor(slot) + NoteKeys::Id;
        QString id = store.get(key).trimmed();
        if (!isId(id) || seen.contains(id)) {
            id = newId();
            writes.emplace_back(key, id);
        }
        seen.insert(id);
    }
    return writes;
}

QString firstLine(const QString &text)
{
    for (const QStringView line : QStringView(text).tokenize(QLatin1Char('\n'))) {
        const QStringView trimmed = line.trimmed();
        if (!trimmed.isEmpty())
            return trimmed.toString();
    }
    return QString();
}

} // namespace NoteSlots
