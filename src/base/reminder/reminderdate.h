#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

// A reminder's date as stored: the desktop's own form in ".ReminderDate", which only the locale
// that wrote it reads back, and a copy in one fixed form that every locale reads.
namespace ReminderDate {

/** The fixed form of the copy: yyyy-MM-ddTHH:mm:ss, the same under every locale. */
QString fixedForm(const QDateTime &value);

/** A date and time as any desktop may have written it: in the fixed form, or the general date
    (short date, a blank, the time) of any locale. Of several readings the latest, so that a
    reminder read in the wrong form never goes off early; invalid when none reads it. */
QDateTime readAnyForm(const QString &text);

/** The reminder's date from a note's stored values (`value` gives the value of a key suffix):
    the fixed copy when it belongs to the stored time of day, else the desktop's text in any
    form. Invalid when there is none or it cannot be read. */
QDateTime fromStored(const std::function<QString(const QString &suffix)> &value);

} // namespace ReminderDate
