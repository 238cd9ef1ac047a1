#include "gui/platform/screenplace.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace ScreenPlace {

namespace {

// The strip across a note's top that a user grabs to move it, in pixels.
constexpr int GrabStripPixels = 24;

qint64 squaredDistance(const QRect &from, const QRect &to)
{
    const qint64 dx = qMax(0, qMax(to.left() - from.right(), from.left() - to.right()));
    const qint64 dy = qMax(0, qMax(to.top() - from.bottom(), from.top() - to.bottom()));
    return dx * dx + dy * dy;
}

} // namespace

QList<Area> screens()
{
    QList<Area> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas.append({screen->geometry(), screen->availableGeometry()});
    return areas;
}

QSize largestShown(const QList<Area> &screens, const QSize &fallback)
{
    QSize largest;
    for (const Area &screen : screens)
        largest = largest.expandedTo(screen.available.size());
    return largest.isEmpty() ? fallback : largest;
}

bool isReachable(const QList<Area> &screens, const QPoint &topLeft, const QSize &size)
{
    const QRect strip(topLeft, QSize(size.width(), qMin(size.height(), GrabStripPixels)));
    for (const Area &screen : screens) {
        if (screen.geometry.intersects(strip))
            return true;
    }
    return false;
}

QPoint nearestOnScreen(const QList<Area> &screens, const QPoint &topLeft, const QSize &size)
{
    const QRect window(topLeft, size);
    const Area *nearest = nullptr;
    qint64 best = std::numeric_limits<qint64>::max();
    for (const Area &screen : screens) {
        const qint64 distance = squaredDistance(window, screen.geometry);
        if (distance < best) {
            best = distance;
            nearest = &screen;
        }
    }
    if (!nearest)
        return topLeft;
    const QRect free = nearest->available.isValid() ? nearest->available : nearest->geometry;
    return QPoint(qBound(free.left(), topLeft.x(), qMax(free.left(), free.right() - size.width() + 1)),
                  qBound(free.top(), topLeft.y(), qMax(free.top(), free.bottom() - size.height() + 1)));
}

QPoint placeToBe(const QList<Area> &screens, const QPoint &stored, const QPoint &current, const QSize &size)
{
    if (screens.isEmpty() || isReachable(screens, stored, size))
        return stored;
    if (isReachable(screens, current, size))
        return current;
    return nearestOnScreen(screens, current, size);
}

namespace {

// The room left between a new note and the one it came from, and the step of a cascade.
constexpr int GapPixels = 12;
constexpr int CascadeStepPixels = 24;

QRect freePart(const Area &screen)
{
    return screen.available.isValid() ? screen.available : screen.geometry;
}

const Area *screenOf(const QList<Area> &screens, const QRect &window)
{
    const Area *nearest = nullptr;
    qint64 best = std::numeric_limits<qint64>::max();
    for (const Area &screen : screens) {
        if (screen.geometry.contains(window.center()))
            return &screen;
        const qint64 distance = squaredDistance(window, screen.geometry);
        if (distance < best) {
            best = distance;
            nearest = &screen;
        }
    }
    return nearest;
}

bool coversAny(const QRect &place, const QList<QRect> &others)
{
    return std::any_of(others.cbegin(), others.cend(), [&](const QRect &other) { return other.intersects(place); });
}

} // namespace

QPoint besideNote(const QList<Area> &screens, const QRect &from, const QSize &size, const QList<QRect> &others)
{
    const QPoint right(from.right() + 1 + GapPixels, from.top());
    const Area *screen = screenOf(screens, from);
    if (!screen)
        return right;
    const QRect free = freePart(*screen);
    const QPoint candidates[] = {
        right,
        {from.left(), from.bottom() + 1 + GapPixels},
        {from.left() - GapPixels - size.width(), from.top()},
        {from.left(), from.top() - GapPixels - size.height()},
    };
    const QPoint *fits = nullptr;
    for (const QPoint &candidate : candidates) {
        const QRect place(candidate, size);
        if (!free.contains(place))
            continue;
        if (!coversAny(place, others))
            return candidate;
        if (!fits)
            fits = &candidate;
    }
    return fits ? *fits : nearestOnScreen({*screen}, right, size);
}

QPoint centred(const QList<Area> &screens, const QSize &size, const QList<QRect> &others)
{
    if (screens.isEmpty())
        return QPoint(0, 0);
    const QRect free = freePart(screens.constFirst());
    QPoint place = free.center() - QPoint(size.width() / 2, size.height() / 2);
    const auto taken = [&](const QPoint &at) {
        return std::any_of(others.cbegin(), others.cend(), [&](const QRect &other) { return other.topLeft() == at; });
    };
    while (taken(place)) {
        const QPoint next = place + QPoint(CascadeStepPixels, CascadeStepPixels);
        if (!free.contains(QRect(next, size)))
            break;   // the cascade stays on the screen
        place = next;
    }
    return place;
}

} // namespace ScreenPlace
