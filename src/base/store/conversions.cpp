#include "base/store/conversions.h"

#include <QDateTime>
#include <QLocale>

#include <cmath>
#include <limits>

namespace Conversions {

double roundHalfEven(double value)
{
    return std::nearbyint(value);   // the default rounding mode rounds halves to even
}

double leadingNumber(const QString &text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const int start = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    int digits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    int end = i;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        int j = i + 1;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            ++j;
        const int expStart = j;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128)
            ++j;
        if (j > expStart)
            end = j;
    }
    const double value = QLocale::c().toDouble(text.mid(start, end - start));
    return std::isfinite(value) ? value : 0;
}

std::optional<double> toDouble(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

namespace {

template <typename T>
std::optional<T> toWhole(const QString &text)
{
    const auto value = toDouble(text);
    if (!value)
        return std::nullopt;
    const double rounded = roundHalfEven(*value);
    if (rounded < double(std::numeric_limits<T>::min()) || rounded > double(std::numeric_limits<T>::max()))
        return std::nullopt;
    return T(rounded);
}

} // namespace

std::optional<qint16> toInt16(const QString &text) { return toWhole<qint16>(text); }
std::optional<qint32> toInt32(const QString &text) { return toWhole<qint32>(text); }
std::optional<quint8> toByte(const QString &text) { return toWhole<quint8>(text); }

std::optional<float> toSingle(const QString &text)
{
    const auto value = toDouble(text);
    if (!value || std::fabs(*value) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return float(*value);
}

std::optional<bool> toBool(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = toDouble(trimmed))
        return *number != 0;
    return std::nullopt;
}

QString fromBool(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString fromSingle(float value)
{
    return QString::number(double(value), 'g', 7);
}

QString dateFormat(const QLocale &locale)
{
    // Never a two-digit year: a note outlives its century.
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString timeFormat(const QLocale &locale)
{
    // The long format carries the time zone; a note wants the time of day alone.
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return format.trimmed();
}

QString generalDate(const QDateTime &value)
{
    const QLocale locale;
    return locale.toString(value, dateFormat(locale) + QLatin1Char(' ') + timeFormat(locale));
}

QDateTime parseGeneralDate(const QString &text)
{
    const QLocale locale;
    QDateTime parsed = locale.toDateTime(text.trimmed(), dateFormat(locale) + QLatin1Char(' ') + timeFormat(locale));
    if (!parsed.isValid())
        parsed = QDateTime::fromString(text.trimmed(), Qt::ISODate);
    return parsed;
}

} // namespace Conversions
