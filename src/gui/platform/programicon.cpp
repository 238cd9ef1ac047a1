#include "gui/platform/programicon.h"

#include <QPainter>
#include <QPixmap>

QIcon programIcon()
{
    static const QIcon icon = [] {
        QIcon made;
        for (int size : {16, 32, 64}) {
            QPixmap pixmap(size, size);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(QColor(0x9a, 0x86, 0x2c), size / 16.0));
            painter.setBrush(QColor(0xff, 0xff, 0xc0));
            painter.drawRect(QRectF(size * 0.1, size * 0.1, size * 0.8, size * 0.8));
            painter.fillRect(QRectF(size * 0.1, size * 0.1, size * 0.8, size * 0.15), QColor(0xf0, 0xe0, 0x70));
            painter.setPen(QPen(QColor(0x60, 0x60, 0x60), size / 20.0));
            for (double y : {0.45, 0.6, 0.75})
                painter.drawLine(QPointF(size * 0.22, size * y), QPointF(size * 0.78, size * y));
            made.addPixmap(pixmap);
        }
        return made;
    }();
    return icon;
}
