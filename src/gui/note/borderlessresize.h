#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <Qt>

// Where a press in a note's text field resizes the note from, and a move or resize that follows
// the pointer by itself where the window system offers no loop of its own.
namespace BorderlessResize {

// Hit-test codes of the corners a resize starts from.
constexpr int TopLeft = 13;
constexpr int TopRight = 14;
constexpr int BottomLeft = 16;
constexpr int BottomRight = 17;

/** The corner a press at (x, y) twips in the text field resizes from. */
int EdgeHitCode(int x, int y);
/** The press lies in the outer 5 % at the right or the bottom of the text field. */
bool InResizeBand(double x, double y, double width, double height);
/** The pointer is in the bottom-right corner zone (both coordinates beyond 95 %). */
bool InCornerZone(double x, double y, double width, double height);
/** The window edges that move when resizing from the corner with this code. */
Qt::Edges EdgesFor(int hitCode);

/** The geometry after the pointer moved by delta while dragging these edges (none: a move). */
QRect DraggedGeometry(const QRect &start, Qt::Edges edges, const QPoint &delta, const QSize &minimum);

} // namespace BorderlessResize
