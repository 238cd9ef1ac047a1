#include "gui/platform/growtofit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

#include <algorithm>

namespace {

// The width a label or button needs for its text now and for every caption it may show.
int neededWidth(QWidget *child, const QStringList &captions)
{
    int width = child->sizeHint().width();
    auto *button = qobject_cast<QAbstractButton *>(child);
    auto *label = qobject_cast<QLabel *>(child);
    if (captions.isEmpty() || (!button && !label))
        return width;
    const QString shown = button ? button->text() : label->text();
    for (const QString &caption : captions) {
        button ? button->setText(caption) : label->setText(caption);
        width = std::max(width, child->sizeHint().width());
    }
    button ? button->setText(shown) : label->setText(shown);
    return width;
}

bool sharesLine(const QWidget *a, const QWidget *b)
{
    return a->y() < b->geometry().bottom() && b->y() < a->geometry().bottom();
}

int rightmost(const QList<QWidget *> &children)
{
    int right = 0;
    for (const QWidget *child : children)
        right = std::max(right, child->geometry().right() + 1);
    return right;
}

} // namespace

namespace GrowToFit {

void apply(QWidget *window, const QHash<QWidget *, QStringList> &captions)
{
    QList<QWidget *> children = window->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    children.erase(std::remove_if(children.begin(), children.end(), [](QWidget *w) { return w->isWindow(); }),
                   children.end());
    const int margin = window->width() - rightmost(children);
    // From the left: a child moved along by one to its left is measured where it then stands.
    std::sort(children.begin(), children.end(), [](QWidget *a, QWidget *b) { return a->x() < b->x(); });
    for (QWidget *child : children) {
        const bool fits = qobject_cast<QAbstractButton *>(child)
            || (qobject_cast<QLabel *>(child) && !static_cast<QLabel *>(child)->wordWrap());
        if (!fits)
            continue;
        const int wider = neededWidth(child, captions.value(child)) - child->width();
        if (wider <= 0)
            continue;
        const int oldRight = child->geometry().right();
        child->resize(child->width() + wider, std::max(child->height(), child->sizeHint().height()));
        for (QWidget *other : children) {
            if (other != child && other->x() > oldRight && sharesLine(child, other))
                other->move(other->x() + wider, other->y());
        }
    }
    const int width = std::max(window->width(), rightmost(children) + std::max(margin, 0));
    if (width == window->width())
        return;
    if (window->minimumSize() == window->maximumSize())
        window->setFixedWidth(width);
    else
        window->resize(width, window->height());
}

} // namespace GrowToFit
