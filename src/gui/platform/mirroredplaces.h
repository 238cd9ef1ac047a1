#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

/** Mirrors a window's children that sit at fixed places, as Qt's layouts mirror theirs: under a
    language written right to left, a child placed `x` from the left edge sits `x` from the right
    one. The places given while the window is built are taken as left-to-right ones; the children
    move again whenever the window's width or direction, or a child's width, changes. Owned by the
    window. */
class MirroredPlaces : public QObject
{
public:
    static void follow(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit MirroredPlaces(QWidget *window);
    void place();

    struct Child {
        QPointer<QWidget> widget;
        int left;
    };
    QWidget *m_window;
    QList<Child> m_children;
    bool m_placing = false;
};
