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

} // namespace ScreenPlace
