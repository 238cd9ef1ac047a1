#pragma once

#include <QString>

class QDateTime;
class QLocale;

#include <cstdint>
#include <optional>

// Text-to-value conversions for stored settings. The strict ones give nothing for text that is
// not a number or boolean (or is out of range), so the caller can treat the value as absent.
namespace Conversions {

/** Rounds to the nearest whole number, halves to the even one (2.5 gives 2, 3.5 gives 4). */
double roundHalfEven(double value);

/** The number at the start of the text (after blanks); 0 when the text does not start with one. */
double leadingNumber(const QString &text);

std::optional<double> toDouble(const QString &text);
std::optional<qint16> toInt16(const QString &text);
std::optional<qint32> toInt32(const QString &text);
std::optional<quint8> toByte(const QString &text);
std::optional<float> toSingle(const QString &text);
/** "True"/"False" in any case; a number is true when it is not 0. */
std::optional<bool> toBool(const QString &text);

QString fromBool(bool value);
/** A single-precision number as short decimal text: 9 gives "9", 9.75 gives "9.75". */
QString fromSingle(float value);

/** The locale's short date, always with a four-digit year. */
QString dateFormat(const QLocale &locale);
/** The locale's time of day with seconds, without a time zone. */
QString timeFormat(const QLocale &locale);
/** A date and time as the system's general date shows it: the short date, a blank, the time. */
QString generalDate(const QDateTime &value);
/** Reads back what generalDate wrote (or an ISO date and time); an invalid date time when it cannot. */
QDateTime parseGeneralDate(const QString &text);

} // namespace Conversions
