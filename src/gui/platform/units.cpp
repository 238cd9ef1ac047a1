#include "gui/platform/units.h"

#include "gui/platform/screenplace.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

#include <cmath>

namespace Units {

double twipsPerPixel()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

int twipsToPixels(double twips)
{
    return int(std::lround(twips / twipsPerPixel()));
}

int pixelsToTwips(int pixels)
{
    return int(std::lround(pixels * twipsPerPixel()));
}

double twipsToExactPixels(double twips)
{
    return twips / twipsPerPixel();
}

int exactPixelsToTwips(double pixels)
{
    return int(std::lround(pixels * twipsPerPixel()));
}

QPointF fromDevicePixels(const QPoint &device, const QPoint &screenOrigin, double ratio)
{
    return QPointF(screenOrigin) + QPointF(device - screenOrigin) / ratio;
}

QPoint toDevicePixels(const QPointF &pixels, const QPoint &screenOrigin, double ratio)
{
    const QPointF device = QPointF(screenOrigin) + (pixels - QPointF(screenOrigin)) * ratio;
    return QPoint(int(std::lround(device.x())), int(std::lround(device.y())));
}

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

QColor toQColor(qint32 colour)
{
    if (colour < 0) {
        // System colours by index; those the program meets map to their palette roles.
        const QPalette palette = QGuiApplication::palette();
        switch (colour & 0x7fffffff) {
        case 5: return palette.color(QPalette::Base);         // window background
        case 8: return palette.color(QPalette::Text);         // window text
        case 18: return palette.color(QPalette::ButtonText);  // button text
        default: return palette.color(QPalette::Button);      // 15: button face, and the rest
        }
    }
    return QColor(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff);
}

qint32 fromQColor(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return qint32(rgb.red()) | (qint32(rgb.green()) << 8) | (qint32(rgb.blue()) << 16);
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QPoint placeOnScreen(const QPoint &topLeft, const QSize &size)
{
    return ScreenPlace::placeToBe(ScreenPlace::screens(), topLeft, topLeft, size);
}

} // namespace Units

#include <QWidget>

namespace Units {

void setBackColor(QWidget *widget, qint32 colour)
{
    widget->setProperty("BackColor", colour);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

qint32 backColor(const QWidget *widget, qint32 otherwise)
{
    const QVariant stored = widget->property("BackColor");
    return stored.isValid() ? stored.toInt() : otherwise;
}

} // namespace Units
