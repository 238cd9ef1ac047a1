#include "gui/platform/eventwait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace EventWait {

void deliverPendingTwice()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void pause(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace EventWait
