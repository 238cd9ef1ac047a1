#pragma once

#include <QList>
#include <QtGlobal>

// Which Latin letter a key carries, for the Ctrl shortcuts under a non-Latin layout: Ctrl with
// the key that carries the N runs Ctrl+N whether Russian or Greek is active, as Qt's own
// shortcuts do.
namespace KeyboardLayout {

/** The first Latin letter ('A' … 'Z') among a key's symbols in all its layouts; 0 when none. */
int latinLetterIn(const QList<quint32> &keysyms);

/** The Latin letter on the key with this native scan code, from the desktop's keyboard map; 0
    when the platform cannot say or no layout puts a Latin letter there. */
int latinLetter(quint32 nativeScanCode);

} // namespace KeyboardLayout
