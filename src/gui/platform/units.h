#pragma once

#include <QColor>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>

class QWidget;

// Twips, stored colours and the program folder: the old units the stored values keep.
namespace Units {

/** The system button-face colour as stored: a system-colour reference with the top bit set. */
constexpr qint32 ButtonFace = qint32(0x8000000F);

/** Twips per logical pixel of the primary screen: 15 at 96 dpi. */
double twipsPerPixel();
int twipsToPixels(double twips);
int pixelsToTwips(int pixels);
/** Twips as pixels with their fraction, and back, rounded to whole twips: a place on a scaled
    screen lies between Qt's whole pixels, and the stored twips keep it exactly. */
double twipsToExactPixels(double twips);
int exactPixelsToTwips(double pixels);
/** A place in the screen's own pixels (a scaled screen has several to one of Qt's) as Qt's
    pixels with their fraction, and back; Qt keeps each screen's corner the same in both. */
QPointF fromDevicePixels(const QPoint &device, const QPoint &screenOrigin, double ratio);
QPoint toDevicePixels(const QPointF &pixels, const QPoint &screenOrigin, double ratio);
/** A control's place given in twips (left, top, width, height), in pixels. */
QRect twipsRect(int left, int top, int width, int height);

/** A stored colour 0x00BBGGRR, or a system colour with the top bit set, as a Qt colour. */
QColor toQColor(qint32 colour);
/** A Qt colour as a stored colour 0x00BBGGRR. */
qint32 fromQColor(const QColor &colour);

/** The folder that holds the program, without a trailing separator. */
QString programFolder();

/** The top-left corner to show a window of this size at, so that it lies on a screen: the given
    corner when the window meets a screen there, else the nearest place on the nearest screen. */
QPoint placeOnScreen(const QPoint &topLeft, const QSize &size);

} // namespace Units

namespace Units {

/** Sets a widget's background to a stored colour and remembers that colour in its stored form. */
void setBackColor(QWidget *widget, qint32 colour);
/** The stored form of the widget's background colour, or the given value when none was set. */
qint32 backColor(const QWidget *widget, qint32 otherwise);

} // namespace Units
