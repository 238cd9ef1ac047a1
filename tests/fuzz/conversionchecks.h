#pragma once

// The rules every conversion of stored text keeps, for any input: the fuzz target runs them on
// what the fuzzer makes, tst_conversions on the seed corpus and on its own table's rows. An input's
// first byte picks the locale, the next eight give a colour and a date to write and read back, and
// the rest is stored text, lines of it for the reminder's keys. Each check gives what went wrong,
// or nothing.

#include "gui/platform/units.h"
#include "base/reminder/reminderrule.h"
#include "base/store/conversions.h"
#include "base/store/notekeys.h"
#include "base/store/settingsstore.h"

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QtEndian>

#include <cmath>
#include <cstdint>

namespace ConversionChecks {

inline const char *const Locales[] = {"C",     "en_US", "en_GB", "de_DE", "fr_FR", "ru_RU", "ja_JP", "zh_CN",
                                      "ar_EG", "fa_IR", "hi_IN", "ko_KR", "tr_TR", "he_IL", "th_TH", "pt_BR"};
constexpr int LocaleCount = int(sizeof Locales / sizeof *Locales);

inline QString numbersAndBooleans(const QString &text)
{
    Conversions::leadingNumber(text);
    Conversions::toDouble(text);
    Conversions::toInt16(text);
    Conversions::toByte(text);
    Conversions::toBool(text);
    if (const auto colour = Conversions::toInt32(text))
        Units::toQColor(*colour);
    // A font size written back by Quit reads as the same size.
    if (const auto size = Conversions::toSingle(text)) {
        const auto again = Conversions::toSingle(Conversions::fromSingle(*size));
        if (!again || std::fabs(*again - *size) > std::fabs(*size) * 1e-6f)
            return QStringLiteral("the size '%1' reads back as '%2'").arg(text, Conversions::fromSingle(*size));
    }
    return {};
}

// A colour the user picked is stored and shown as itself.
inline QString colour(qint32 stored)
{
    const QColor shown = Units::toQColor(stored);
    if (stored >= 0 && Units::fromQColor(shown) != (stored & 0x00FFFFFF))
        return QStringLiteral("the colour %1 comes back as %2").arg(stored).arg(Units::fromQColor(shown));
    return {};
}

// The reminder dialog's date, written and read back, is the same day and second: a date that
// cannot be read back would let the reminder go off before it.
inline QString reminderDate(quint32 days, quint32 seconds)
{
    const QDate first(1752, 9, 14);
    const QDate day = first.addDays(days % quint32(first.daysTo(QDate(9999, 12, 31)) + 1));
    const QDateTime written(day, QTime(0, 0).addSecs(int(seconds % 86400)));
    const QString text = Conversions::generalDate(written);
    const QDateTime read = Conversions::parseGeneralDate(text);
    if (read.date() != written.date() || read.time() != written.time())
        return QStringLiteral("the date %1, stored as '%2' in %3, reads back as %4")
            .arg(written.toString(Qt::ISODate), text, QLocale().name(), read.toString(Qt::ISODate));
    return {};
}

inline QString reminderRule(SettingsStore &store, const QString &text, quint32 days, quint32 seconds)
{
    Conversions::parseGeneralDate(text);
    const QStringList fields = text.split(QLatin1Char('\n'));
    const QString keys[] = {NoteKeys::ReminderStatus, NoteKeys::ReminderDate, NoteKeys::ReminderHours,
                            NoteKeys::ReminderMinutes, NoteKeys::ReminderSeconds, NoteKeys::ReminderDateIso};
    for (int i = 0; i < 6; ++i)
        store.save(QStringLiteral("NotesForm1") + keys[i], fields.value(i));
    const QDateTime upTo(QDate(2026, 12, 8).addDays(days % 800), QTime(0, 0).addSecs(int(seconds % 86400)));
    const QDateTime after = upTo.addSecs(-qint64(seconds % 200000));
    const auto due = ReminderRule::dueSecond(store, QStringLiteral("NotesForm1"), after, upTo);
    if (ReminderRule::isDue(store, QStringLiteral("NotesForm1"), upTo, after))
        return QStringLiteral("due between %1 and an earlier %2").arg(upTo.toString(Qt::ISODate), after.toString(Qt::ISODate));
    // The check sleeps until the next due second: never past one that is due.
    const auto next = ReminderRule::nextDueSecond(store, QStringLiteral("NotesForm1"), after);
    if (due && (!next || *next > *due))
        return QStringLiteral("due at %1, but the check would sleep until %2")
            .arg(due->toString(Qt::ISODate), next ? next->toString(Qt::ISODate) : QStringLiteral("never"));
    return {};
}

/** One input, as the fuzzer gives it: every rule above, under the locale it picks. */
inline QString check(SettingsStore &store, const uint8_t *data, size_t size)
{
    if (size < 9)
        return {};
    QLocale::setDefault(QLocale(QLatin1String(Locales[data[0] % LocaleCount])));
    const qint32 stored = qFromLittleEndian<qint32>(data + 1);
    const quint32 seconds = qFromLittleEndian<quint32>(data + 5);
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 9), qsizetype(size - 9));
    QString fault = numbersAndBooleans(text);
    for (const QString &next : {colour(stored), reminderDate(quint32(stored), seconds),
                                reminderRule(store, text, quint32(stored), seconds)}) {
        if (fault.isEmpty())
            fault = next;
    }
    return fault;
}

/** The input that gives this text under the locale, with the colour and date of the bytes. */
inline QByteArray input(int locale, const QString &text, quint32 colourAndDays, quint32 seconds)
{
    QByteArray bytes(9, '\0');
    bytes[0] = char(locale);
    qToLittleEndian(colourAndDays, bytes.data() + 1);
    qToLittleEndian(seconds, bytes.data() + 5);
    return bytes + text.toUtf8();
}

} // namespace ConversionChecks
