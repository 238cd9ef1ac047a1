#pragma once

#include <QPointF>

#include <optional>

class QWidget;
class QWindow;

// What a note window is to the desktop: an ordinary top-level window without a frame that
// taskbars and pagers leave out. Window managers hide, misplace or never activate utility
// windows of an inactive program, so a note must not be one.
namespace WindowHints {

/** Sets the window's type and flags; call it once, before the window is first shown. */
void setUp(QWidget *window);

/** Tells the window manager that the window stays out of taskbars and pagers, and whether it
    stays above other windows. Call it whenever the stacking changes. False
    where the platform has no such state, and the stacking is left to the caller. */
bool setStates(QWidget *window, bool above);

/** setStates() for a window whose show event is being handled: it is not mapped yet. */
bool setStatesBeforeShowing(QWidget *window, bool above);

/** setStates() does the work on this platform: stacking then never goes through Qt's flag,
    which would put the above band on the window before it is mapped (icewm keeps such a state
    for good). */
bool handlesStates();

/** Tells the window manager the window's see-through level again a moment after it was set or
    the window was shown: GNOME's mutter as a Wayland compositor drops a level an X window gets
    before the compositor shows it, and would show the note opaque. Nothing happens where there
    is nothing to do. */
void keepOpacityOnceMapped(QWindow *window);

/** Where the window stands, in Qt's pixels with their fraction, as the window system has it: Qt
    rounds a place on a scaled screen to its own whole pixels, and does not hear of every move a
    window manager makes (icewm, when the screens change). Nothing where the system cannot tell. */
std::optional<QPointF> exactPosition(const QWidget *window);

/** Asks for the window at this place exactly, also where Qt would round it or believes it stands
    there already. False where the window system has no such request. */
bool placeExactly(const QWidget *window, const QPointF &topLeft);

} // namespace WindowHints
