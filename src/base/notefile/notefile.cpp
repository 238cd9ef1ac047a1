#include "base/notefile/notefile.h"

#include "base/checklist/checklistlines.h"
#include "base/notefile/notefields.h"
#include "base/store/conversions.h"
#include "base/store/notekeys.h"
#include "base/reminder/reminderdate.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTime>

#include <algorithm>
#include <cmath>
#include <functional>

namespace NoteFile {

namespace {

using NoteSlots::Values;

QString colourText(const QString &stored)
{
    const auto value = Conversions::toInt32(stored);
    if (!value)
        return QString();
    const auto bits = quint32(*value);
    if (bits & 0x80000000u)
        return QStringLiteral("system:%1").arg(bits & 0x00ffffffu);
    return QStringLiteral("#%1%2%3")
        .arg(bits & 0xff, 2, 16, QLatin1Char('0'))
        .arg((bits >> 8) & 0xff, 2, 16, QLatin1Char('0'))
        .arg((bits >> 16) & 0xff, 2, 16, QLatin1Char('0'));
}

QString storedColour(const QString &text)
{
    if (text.startsWith(QLatin1String("system:"))) {
        bool ok = false;
        const uint index = text.mid(7).toUInt(&ok);
        return ok && index <= 0x00ffffffu ? QString::number(qint32(0x80000000u | index)) : QString();
    }
    if (text.size() != 7 || !text.startsWith(QLatin1Char('#')))
        return QString();
    bool ok = false;
    const uint rgb = text.mid(1).toUInt(&ok, 16);
    if (!ok)
        return QString();
    const quint32 bgr = ((rgb >> 16) & 0xff) | (rgb & 0xff00) | ((rgb & 0xff) << 16);
    return QString::number(qint32(bgr));
}

// A stored value converted for the file, when it converts; left out otherwise.
template <typename Convert>
void put(QJsonObject &object, const QString &field, const Values &values, const QString &suffix, Convert convert)
{
    const auto it = values.constFind(suffix);
    if (it == values.constEnd())
        return;
    const QJsonValue converted = convert(*it);
    if (!converted.isUndefined())
        object.insert(field, converted);
}

QJsonValue text(const QString &stored)
{
    return stored;
}

QJsonValue boolean(const QString &stored)
{
    const auto value = Conversions::toBool(stored);
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Undefined);
}

QJsonValue whole(const QString &stored)
{
    const auto value = Conversions::toInt32(stored);
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Undefined);
}

QJsonValue number(const QString &stored)
{
    const auto value = Conversions::toDouble(stored);
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Undefined);
}

QJsonValue colour(const QString &stored)
{
    const QString converted = colourText(stored);
    return converted.isEmpty() ? QJsonValue(QJsonValue::Undefined) : QJsonValue(converted);
}


void insertIfAny(QJsonObject &into, const QString &field, const QJsonObject &object)
{
    if (!object.isEmpty())
        into.insert(field, object);
}

// The other way: a field of the expected kind becomes its stored text.
void take(Values &values, const QString &suffix, const QJsonValue &field, const std::function<QString(const QJsonValue &)> &convert)
{
    if (field.isUndefined() || field.isNull())
        return;
    const QString stored = convert(field);
    if (!stored.isNull())
        values.insert(suffix, stored);
}

QString fromText(const QJsonValue &v) { return v.isString() ? v.toString() : QString(); }
QString fromBool(const QJsonValue &v) { return v.isBool() ? Conversions::fromBool(v.toBool()) : QString(); }
// A whole number, brought within the bounds (a place off every screen, a note larger than any):
// the range is checked on the double itself, as converting one out of range is undefined.
std::function<QString(const QJsonValue &)> wholeWithin(double lowest, double highest)
{
    return [lowest, highest](const QJsonValue &v) {
        const double number = v.toDouble();
        if (!v.isDouble() || std::trunc(number) != number)
            return QString();
        return QString::number(qint64(std::clamp(number, lowest, highest)));
    };
}
QString fromNumber(const QJsonValue &v) { return v.isDouble() ? Conversions::fromSingle(float(v.toDouble())) : QString(); }
QString fromColour(const QJsonValue &v) { return v.isString() ? storedColour(v.toString()) : QString(); }

// A value as the file has it ("1" in quotes when it is text), for messages.
QString asWritten(const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

} // namespace

std::optional<QJsonObject> checkedFile(const QByteArray &bytes, const QString &name, const QString &format,
                                       bool notesFile, QString *error)
{
    // Each sentence whole, as a translator needs it.
    const auto says = [notesFile](const char *ofFile, const char *ofNote) {
        return QCoreApplication::translate("NoteFile", notesFile ? ofFile : ofNote);
    };
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parse);
    if (document.isNull() || !document.isObject()) {
        // A file of ours that was cut short still starts as one: say which it is.
        *error = bytes.trimmed().startsWith('{') && bytes.contains(format.toUtf8())
            ? says(QT_TRANSLATE_NOOP("NoteFile", "%1 is not a whole Quillarren notes file: it breaks off or is damaged at byte %2 (%3)"),
                   QT_TRANSLATE_NOOP("NoteFile", "%1 is not a whole Quillarren note: it breaks off or is damaged at byte %2 (%3)"))
                  .arg(name, QString::number(parse.offset), parse.errorString())
            : says(QT_TRANSLATE_NOOP("NoteFile", "%1 is not a Quillarren notes file"),
                   QT_TRANSLATE_NOOP("NoteFile", "%1 is not a Quillarren note")).arg(name);
        return std::nullopt;
    }
    const QJsonObject file = document.object();
    if (file.value(QLatin1String("format")).toString() != format) {
        *error = says(QT_TRANSLATE_NOOP("NoteFile", "%1 is not a Quillarren notes file"),
                      QT_TRANSLATE_NOOP("NoteFile", "%1 is not a Quillarren note")).arg(name);
        return std::nullopt;
    }
    const int version = NoteFields::version(file);
    if (version == 0) {
        *error = says(QT_TRANSLATE_NOOP("NoteFile", "%1 has an invalid format version (%2), so it is not a Quillarren notes file that can be read"),
                      QT_TRANSLATE_NOOP("NoteFile", "%1 has an invalid format version (%2), so it is not a Quillarren note that can be read"))
                     .arg(name, asWritten(file.value(QLatin1String("version"))));
        return std::nullopt;
    }
    if (version > FormatVersion) {
        *error = QCoreApplication::translate("NoteFile", "%1 was written by a newer Quillarren (its format version is %2; this one reads "
                                "version %3 and older)")
                     .arg(name, file.value(QLatin1String("version")).toVariant().toString())
                     .arg(FormatVersion);
        return std::nullopt;
    }
    return file;
}

QJsonObject toJson(const Values &values)
{
    QJsonObject note;
    put(note, QStringLiteral("id"), values, NoteKeys::Id, text);
    put(note, QStringLiteral("text"), values, NoteKeys::Notes, text);
    QJsonObject font;
    put(font, QStringLiteral("family"), values, NoteKeys::Font, text);
    put(font, QStringLiteral("size"), values, NoteKeys::Size, number);
    put(font, QStringLiteral("bold"), values, NoteKeys::Bold, boolean);
    put(font, QStringLiteral("italic"), values, NoteKeys::Italic, boolean);
    put(font, QStringLiteral("underline"), values, NoteKeys::Underline, boolean);
    put(font, QStringLiteral("strikethrough"), values, NoteKeys::Strikethru, boolean);
    insertIfAny(note, QStringLiteral("font"), font);
    put(note, QStringLiteral("textColor"), values, NoteKeys::TextColor, colour);
    put(note, QStringLiteral("backColor"), values, NoteKeys::BackColor, colour);
    put(note, QStringLiteral("textBackColor"), values, NoteKeys::TextBackColor, colour);
    put(note, QStringLiteral("seeThrough"), values, NoteKeys::Translucency, whole);
    put(note, QStringLiteral("onTop"), values, NoteKeys::AlwaysOnTop, boolean);
    QJsonObject place;
    put(place, QStringLiteral("left"), values, NoteKeys::Left, whole);
    put(place, QStringLiteral("top"), values, NoteKeys::Top, whole);
    insertIfAny(note, QStringLiteral("place"), place);
    QJsonObject size;
    put(size, QStringLiteral("width"), values, NoteKeys::Width, whole);
    put(size, QStringLiteral("height"), values, NoteKeys::Height, whole);
    insertIfAny(note, QStringLiteral("size"), size);
    QJsonObject reminder;
    put(reminder, QStringLiteral("status"), values, NoteKeys::ReminderStatus, text);
    // Whatever the locale that wrote the date; one no form reads is kept as it was written.
    const QDateTime from = ReminderDate::fromStored([&](const QString &suffix) { return values.value(suffix); });
    if (from.isValid())
        reminder.insert(QStringLiteral("from"), ReminderDate::fixedForm(from));
    else
        put(reminder, QStringLiteral("fromText"), values, NoteKeys::ReminderDate, text);
    const auto h = Conversions::toInt32(values.value(NoteKeys::ReminderHours));
    const auto m = Conversions::toInt32(values.value(NoteKeys::ReminderMinutes));
    const auto s = Conversions::toInt32(values.value(NoteKeys::ReminderSeconds));
    if (h && m && s && QTime(*h, *m, *s).isValid())
        reminder.insert(QStringLiteral("time"), QTime(*h, *m, *s).toString(Qt::ISODate));
    put(reminder, QStringLiteral("lastAlarm"), values, NoteKeys::ReminderLastAlarm, text);
    insertIfAny(note, QStringLiteral("reminder"), reminder);
    put(note, QStringLiteral("emailAddresses"), values, NoteKeys::EmailAddresses, text);
    return note;
}

Values fromJson(const QJsonObject &note)
{
    Values values;
    take(values, NoteKeys::Id, note.value(QLatin1String("id")), fromText);
    take(values, NoteKeys::Notes, note.value(QLatin1String("text")), fromText);
    const QJsonObject font = note.value(QLatin1String("font")).toObject();
    take(values, NoteKeys::Font, font.value(QLatin1String("family")), fromText);
    take(values, NoteKeys::Size, font.value(QLatin1String("size")), fromNumber);
    take(values, NoteKeys::Bold, font.value(QLatin1String("bold")), fromBool);
    take(values, NoteKeys::Italic, font.value(QLatin1String("italic")), fromBool);
    take(values, NoteKeys::Underline, font.value(QLatin1String("underline")), fromBool);
    take(values, NoteKeys::Strikethru, font.value(QLatin1String("strikethrough")), fromBool);
    take(values, NoteKeys::TextColor, note.value(QLatin1String("textColor")), fromColour);
    take(values, NoteKeys::BackColor, note.value(QLatin1String("backColor")), fromColour);
    take(values, NoteKeys::TextBackColor, note.value(QLatin1String("textBackColor")), fromColour);
    take(values, NoteKeys::Translucency, note.value(QLatin1String("seeThrough")), wholeWithin(0, 255));
    take(values, NoteKeys::AlwaysOnTop, note.value(QLatin1String("onTop")), fromBool);
    const QJsonObject place = note.value(QLatin1String("place")).toObject();
    const auto onScreen = wholeWithin(-NoteFields::LargestPlaceTwips, NoteFields::LargestPlaceTwips);
    take(values, NoteKeys::Left, place.value(QLatin1String("left")), onScreen);
    take(values, NoteKeys::Top, place.value(QLatin1String("top")), onScreen);
    const QJsonObject size = note.value(QLatin1String("size")).toObject();
    const auto drawable = wholeWithin(0, NoteFields::LargestSideTwips);
    take(values, NoteKeys::Width, size.value(QLatin1String("width")), drawable);
    take(values, NoteKeys::Height, size.value(QLatin1String("height")), drawable);
    const QJsonObject reminder = note.value(QLatin1String("reminder")).toObject();
    take(values, NoteKeys::ReminderStatus, reminder.value(QLatin1String("status")), fromText);
    const QDateTime from = QDateTime::fromString(reminder.value(QLatin1String("from")).toString(), Qt::ISODate);
    if (from.isValid()) {
        // Stored as the reminder dialog stores it: in this computer's own form, and the fixed one.
        values.insert(NoteKeys::ReminderDate, Conversions::generalDate(from));
        values.insert(NoteKeys::ReminderDateIso, ReminderDate::fixedForm(from));
    } else {
        take(values, NoteKeys::ReminderDate, reminder.value(QLatin1String("fromText")), fromText);
    }
    const QTime time = QTime::fromString(reminder.value(QLatin1String("time")).toString(), Qt::ISODate);
    if (time.isValid()) {
        values.insert(NoteKeys::ReminderHours, QString::number(time.hour()));
        values.insert(NoteKeys::ReminderMinutes, QString::number(time.minute()));
        values.insert(NoteKeys::ReminderSeconds, QString::number(time.second()));
    }
    take(values, NoteKeys::ReminderLastAlarm, reminder.value(QLatin1String("lastAlarm")), fromText);
    take(values, NoteKeys::EmailAddresses, note.value(QLatin1String("emailAddresses")), fromText);
    return values;
}

QByteArray write(const QList<Values> &notes, const QList<SettingsStore::TrashedNote> &deleted)
{
    QJsonArray open;
    for (const Values &values : notes)
        open.append(toJson(values));
    QJsonObject file{
        {QStringLiteral("format"), FormatName},
        {QStringLiteral("version"), FormatVersion},
        {QStringLiteral("exported"), QDateTime::currentDateTime().toString(Qt::ISODate)},
        {QStringLiteral("notes"), open},
    };
    if (!deleted.isEmpty()) {
        QJsonArray trash;
        for (const SettingsStore::TrashedNote &note : deleted) {
            Values values = note.values;
            values.insert(NoteKeys::Id, note.id);
            QJsonObject object = toJson(values);
            object.insert(QStringLiteral("deleted"), note.deleted.toString(Qt::ISODate));
            trash.append(object);
        }
        file.insert(QStringLiteral("deletedNotes"), trash);
    }
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

std::optional<Contents> read(const QByteArray &bytes, const QString &name, QString *error)
{
    const std::optional<QJsonObject> checked =
        checkedFile(bytes, name, FormatName, true, error);
    if (!checked)
        return std::nullopt;
    const QJsonObject &file = *checked;
    const QJsonValue open = file.value(QLatin1String("notes"));
    const QJsonValue deleted = file.value(QLatin1String("deletedNotes"));
    if (!open.isArray() || !(deleted.isUndefined() || deleted.isNull() || deleted.isArray())) {
        *error = QCoreApplication::translate("NoteFile", "%1 is not a Quillarren notes file").arg(name);
        return std::nullopt;
    }
    // A field of the wrong kind refuses the whole file: a note taken without it would be another.
    const auto misfit = [&](const QJsonValue &note, int position, bool isDeleted) {
        const QString wrong = note.isObject() ? NoteFields::misfit(note.toObject(), isDeleted)
                                              : QCoreApplication::translate("NoteFile", "it is not a note");
        if (!wrong.isEmpty())
            *error = (isDeleted ? QCoreApplication::translate("NoteFile", "%1 is damaged: in its deleted %2, %3")
                                : QCoreApplication::translate("NoteFile", "%1 is damaged: in its %2, %3"))
                         .arg(name, NoteFields::describe(position, note.toObject()), wrong);
        return !wrong.isEmpty();
    };
    Contents contents;
    int position = 0;
    for (const QJsonValue &note : open.toArray()) {
        if (misfit(note, ++position, false))
            return std::nullopt;
        contents.notes.append(fromJson(note.toObject()));
    }
    position = 0;
    for (const QJsonValue &note : deleted.toArray()) {
        if (misfit(note, ++position, true))
            return std::nullopt;
        SettingsStore::TrashedNote trashed;
        trashed.values = fromJson(note.toObject());
        trashed.id = trashed.values.value(NoteKeys::Id);
        trashed.deleted = QDateTime::fromString(note.toObject().value(QLatin1String("deleted")).toString(), Qt::ISODate);
        if (!trashed.id.isEmpty() && trashed.deleted.isValid())
            contents.deleted.append(trashed);
    }
    return contents;
}

QByteArray markdown(const QList<Values> &notes)
{
    QString text;
    for (const Values &values : notes) {
        const QString body = values.value(NoteKeys::Notes);
        const QString heading = ChecklistLines::withoutBox(NoteSlots::firstLine(body)).trimmed();
        text += QStringLiteral("# ") + (heading.isEmpty() ? QStringLiteral("(empty note)") : heading)
            + QStringLiteral("\n\n") + ChecklistLines::markdown(body.trimmed()) + QStringLiteral("\n\n");
    }
    return text.toUtf8();
}

} // namespace NoteFile
