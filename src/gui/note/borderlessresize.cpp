#include "gui/note/borderlessresize.h"

namespace BorderlessResize {

namespace {
constexpr int EdgeThreshold = 90;   // twips: 6 pixels at 15 twips a pixel
}

int EdgeHitCode(int x, int y)
{
    const bool left = x < EdgeThreshold;
    const bool top = y < EdgeThreshold;
    if (top)
        return left ? TopLeft : TopRight;
    return left ? BottomLeft : BottomRight;
}

bool InResizeBand(double x, double y, double width, double height)
{
    return x > 0.95 * width || y > 0.95 * height;
}

bool InCornerZone(double x, double y, double width, double height)
{
    return x > 0.95 * width && y > 0.95 * height;
}

Qt::Edges EdgesFor(int hitCode)
{
    switch (hitCode) {
    case TopLeft: return Qt::TopEdge | Qt::LeftEdge;
    case TopRight: return Qt::TopEdge | Qt::RightEdge;
    case BottomLeft: return Qt::BottomEdge | Qt::LeftEdge;
    default: return Qt::BottomEdge | Qt::RightEdge;
    }
}

QRect DraggedGeometry(const QRect &start, Qt::Edges edges, const QPoint &delta, const QSize &minimum)
{
    if (!edges)
        return start.translated(delta);
    QRect r = start;
    if (edges & Qt::LeftEdge)
        r.setLeft(qMin(start.left() + delta.x(), start.right() - minimum.width() + 1));
    if (edges & Qt::RightEdge)
        r.setRight(qMax(start.right() + delta.x(), start.left() + minimum.width() - 1));
    if (edges & Qt::TopEdge)
        r.setTop(qMin(start.top() + delta.y(), start.bottom() - minimum.height() + 1));
    if (edges & Qt::BottomEdge)
        r.setBottom(qMax(start.bottom() + delta.y(), start.top() + minimum.height() - 1));
    return r;
}

} // namespace BorderlessResize
