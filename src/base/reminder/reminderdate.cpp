#include "base/reminder/reminderdate.h"

#include "base/store/conversions.h"
#include "base/store/notekeys.h"

#include <QHash>
#include <QLocale>
#include <QMutex>
#include <QSet>

#include <vector>

namespace ReminderDate {

namespace {

// One way a desktop writes a date and time: a pattern read with the names and digits of a locale.
struct Form
{
    QLocale locale;
    QString pattern;
    bool twoDigitYear = false;
};

QString plainBlanks(QString text)
{
    // Newer locale data puts narrow or no-break blanks before "PM"; a hand or another system a
    // plain one.
    text.replace(QChar(0x202F), QLatin1Char(' '));
    text.replace(QChar(0x00A0), QLatin1Char(' '));
    return text;
}

// Every form of every locale Qt knows, each once: about three hundred.
const std::vector<Form> &allForms()
{
    static const std::vector<Form> forms = [] {
        std::vector<Form> made;
        QSet<QString> seen;
        const QList<QLocale> locales =
            QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        for (const QLocale &locale : locales) {
            const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
            const QStringList dates{shortDate, Conversions::dateFormat(locale)};
            const QStringList times{Conversions::timeFormat(locale), locale.timeFormat(QLocale::ShortFormat)};
            // What reads the names and digits differently makes a form different.
            const QString names = locale.amText() + locale.pmText() + locale.zeroDigit()
                + locale.monthName(1, QLocale::ShortFormat) + locale.monthName(5, QLocale::ShortFormat)
                + locale.monthName(1) + locale.monthName(5);
            for (const QString &date : dates) {
                for (const QString &time : times) {
                    const QString pattern = plainBlanks(date + QLatin1Char(' ') + time);
                    if (seen.contains(pattern + names))
                        continue;
                    seen.insert(pattern + names);
                    made.push_back({locale, pattern, !pattern.contains(QLatin1String("yyyy"))});
                }
            }
        }
        return made;
    }();
    return forms;
}

QDateTime readAllForms(const QString &text)
{
    QDateTime latest;
    for (const Form &form : allForms()) {
        QDateTime read = form.locale.toDateTime(text, form.pattern);
        if (!read.isValid())
            continue;
        // A two-digit year is read as 19xx; no reminder was set last century.
        if (form.twoDigitYear && read.date().year() < 2000)
            read = read.addYears(100);
        if (!latest.isValid() || read > latest)
            latest = read;
    }
    return latest;
}

} // namespace

QString fixedForm(const QDateTime &value)
{
    return value.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

QDateTime readAnyForm(const QString &stored)
{
    const QString text = plainBlanks(stored.trimmed());
    // Every form has at least four runs of digits (day, year, hour, minute): a text with fewer
    // is none of them, and costs no search.
    int runs = 0;
    for (int i = 0; i < text.size(); ++i)
        runs += text.at(i).isDigit() && (i == 0 || !text.at(i - 1).isDigit());
    if (runs < 4)
        return QDateTime();
    const QDateTime iso = QDateTime::fromString(text, Qt::ISODate);
    if (iso.isValid())
        return iso;
    // Reading every form takes some tens of milliseconds; a note's date is read at every check.
    static QMutex guard;
    static QHash<QString, QDateTime> known;
    const QMutexLocker lock(&guard);
    const auto found = known.constFind(text);
    if (found != known.constEnd())
        return *found;
    const QDateTime read = readAllForms(text);
    if (known.size() > 1000)
        known.clear();
    known.insert(text, read);
    return read;
}

QDateTime fromStored(const std::function<QString(const QString &suffix)> &value)
{
    const QDateTime fixed = QDateTime::fromString(value(NoteKeys::ReminderDateIso), Qt::ISODate);
    if (fixed.isValid()) {
        // Written with the time of day beside it; a copy left from an earlier setting (an older
        // version wrote the date alone) belongs to another time and is not the date.
        const auto hours = Conversions::toInt32(value(NoteKeys::ReminderHours));
        const auto minutes = Conversions::toInt32(value(NoteKeys::ReminderMinutes));
        const auto seconds = Conversions::toInt32(value(NoteKeys::ReminderSeconds));
        const QTime time = fixed.time();
        if (!hours || !minutes || !seconds
            || (*hours == time.hour() && *minutes == time.minute() && *seconds == time.second()))
            return fixed;
    }
    return readAnyForm(value(NoteKeys::ReminderDate));
}

} // namespace ReminderDate
