#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window may stand on the screens there are: the rule that keeps every note within reach.
namespace ScreenPlace {

/** One screen: all of it, and the part the desktop's panels leave free. */
struct Area
{
    QRect geometry;
    QRect available;
};

/** The screens as the window system has them now. */
QList<Area> screens();

/** The largest window any of the screens shows whole (the free part of the widest and of the
    tallest); `fallback` when there is no screen. */
QSize largestShown(const QList<Area> &screens, const QSize &fallback);

/** Whether a window of this size at this corner can be grabbed: its top strip shows on a screen. */
bool isReachable(const QList<Area> &screens, const QPoint &topLeft, const QSize &size);

/** The corner nearest to the given one at which the window lies whole within the free part of
    the screen nearest to it (at that part's top-left corner when it is larger). */
QPoint nearestOnScreen(const QList<Area> &screens, const QPoint &topLeft, const QSize &size);

/** Where a note of this size belongs: at its stored place when that can be grabbed, else where
    it is when that can, else at the nearest place on the screen nearest to where it is. With no
    screen at all it stays where it is. */
QPoint placeToBe(const QList<Area> &screens, const QPoint &stored, const QPoint &current, const QSize &size);

/** Where a new note of this size opens beside the note it came from (`from`), so as not to cover
    it: to its right, else below, left of or above it, whole within the free part of that note's
    screen and, where one such place is, clear of the other notes too. Where none fits, as near
    to its right as the screen allows. */
QPoint besideNote(const QList<Area> &screens, const QRect &from, const QSize &size, const QList<QRect> &others);

/** Where a new note opens that comes from no note: in the middle of the first screen's free
    part, a step down and right for each note that already stands exactly there. */
QPoint centred(const QList<Area> &screens, const QSize &size, const QList<QRect> &others);

} // namespace ScreenPlace
