#include "gui/platform/mirroredplaces.h"

#include <QEvent>
#include <QWidget>

void MirroredPlaces::follow(QWidget *window)
{
    new MirroredPlaces(window);
}

MirroredPlaces::MirroredPlaces(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    for (QWidget *child : window->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        m_children.append({child, child->x()});
        child->installEventFilter(this);
    }
    window->installEventFilter(this);
    place();
}

bool MirroredPlaces::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::LayoutDirectionChange:
    case QEvent::Show:
        if (!m_placing)
            place();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void MirroredPlaces::place()
{
    m_placing = true;   // a child's move sends no resize, but a child that resizes itself may
    const bool mirrored = m_window->layoutDirection() == Qt::RightToLeft;
    for (const Child &child : std::as_const(m_children)) {
        if (!child.widget)
            continue;
        const int x = mirrored ? m_window->width() - child.left - child.widget->width() : child.left;
        child.widget->move(x, child.widget->y());
    }
    m_placing = false;
}
