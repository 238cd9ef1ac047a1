#include "base/notefile/notefields.h"

#include "base/store/noteslots.h"

#include <QCoreApplication>
#include <QJsonValue>

#include <cmath>

namespace NoteFields {

namespace {

enum class Kind { Text, Bool, Number, Whole, Object };

struct Field
{
    const char *name;
    Kind kind;
    const Field *inner = nullptr;   // the fields of an object
    int innerCount = 0;
};

template <int N>
constexpr int countOf(const Field (&)[N])
{
    return N;
}

constexpr Field FontFields[] = {{"family", Kind::Text}, {"size", Kind::Number},     {"bold", Kind::Bool},
                                {"italic", Kind::Bool},  {"underline", Kind::Bool}, {"strikethrough", Kind::Bool}};
constexpr Field PlaceFields[] = {{"left", Kind::Whole}, {"top", Kind::Whole}};
constexpr Field SizeFields[] = {{"width", Kind::Whole}, {"height", Kind::Whole}};
constexpr Field ReminderFields[] = {{"status", Kind::Text}, {"from", Kind::Text}, {"time", Kind::Text},
                                    {"lastAlarm", Kind::Text}};
constexpr Field NoteFieldsTable[] = {
    {"id", Kind::Text},
    {"text", Kind::Text},
    {"font", Kind::Object, FontFields, countOf(FontFields)},
    {"textColor", Kind::Text},
    {"backColor", Kind::Text},
    {"textBackColor", Kind::Text},
    {"seeThrough", Kind::Whole},
    {"onTop", Kind::Bool},
    {"place", Kind::Object, PlaceFields, countOf(PlaceFields)},
    {"size", Kind::Object, SizeFields, countOf(SizeFields)},
    {"reminder", Kind::Object, ReminderFields, countOf(ReminderFields)},
    {"emailAddresses", Kind::Text},
};

// One whole sentence per kind, as a translator needs it.
QString notOfKind(const QString &name, Kind kind)
{
    switch (kind) {
    case Kind::Text:
        return QCoreApplication::translate("NoteFields", "\"%1\" is not text").arg(name);
    case Kind::Bool:
        return QCoreApplication::translate("NoteFields", "\"%1\" is not true or false").arg(name);
    case Kind::Number:
        return QCoreApplication::translate("NoteFields", "\"%1\" is not a number").arg(name);
    case Kind::Whole:
        return QCoreApplication::translate("NoteFields", "\"%1\" is not a whole number").arg(name);
    case Kind::Object:
        return QCoreApplication::translate("NoteFields", "\"%1\" is not an object").arg(name);
    }
    return QString();
}

bool isOfKind(const QJsonValue &value, Kind kind)
{
    switch (kind) {
    case Kind::Text:
        return value.isString();
    case Kind::Bool:
        return value.isBool();
    case Kind::Number:
        return value.isDouble();
    case Kind::Whole:
        return value.isDouble() && std::trunc(value.toDouble()) == value.toDouble();
    case Kind::Object:
        return value.isObject();
    }
    return false;
}

QString misfitIn(const QJsonObject &object, const Field *fields, int count, const QString &prefix)
{
    for (const Field *field = fields; field != fields + count; ++field) {
        const QJsonValue value = object.value(QLatin1String(field->name));
        if (value.isUndefined() || value.isNull())
            continue;
        const QString name = prefix + QLatin1String(field->name);
        if (!isOfKind(value, field->kind))
            return notOfKind(name, field->kind);
        if (field->kind == Kind::Object) {
            const QString inner = misfitIn(value.toObject(), field->inner, field->innerCount, name + QLatin1Char('.'));
            if (!inner.isEmpty())
                return inner;
        }
    }
    return QString();
}

} // namespace

QString misfit(const QJsonObject &note, bool deleted)
{
    const QString wrong = misfitIn(note, NoteFieldsTable, countOf(NoteFieldsTable), QString());
    if (!wrong.isEmpty() || !deleted)
        return wrong;
    const QJsonValue date = note.value(QLatin1String("deleted"));
    return date.isString() ? QString() : QCoreApplication::translate("NoteFields", "\"deleted\" is not a date");
}

QString describe(int position, const QJsonObject &note)
{
    const QJsonValue text = note.value(QLatin1String("text"));
    const QString first = text.isString() ? NoteSlots::firstLine(text.toString()).left(40) : QString();
    return first.isEmpty() ? QCoreApplication::translate("NoteFields", "note %1").arg(position)
                           : QCoreApplication::translate("NoteFields", "note %1 (\"%2\")").arg(position).arg(first);
}

int version(const QJsonObject &file)
{
    const QJsonValue value = file.value(QLatin1String("version"));
    if (!value.isDouble())
        return 0;
    const double number = value.toDouble();
    return number >= 1 && number <= 1e9 && std::trunc(number) == number ? int(number) : 0;
}

} // namespace NoteFields
