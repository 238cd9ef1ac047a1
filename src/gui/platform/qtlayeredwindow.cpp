#include "gui/platform/qtlayeredwindow.h"

#include "gui/platform/windowhints.h"
#include "gui/platform/units.h"
#include "gui/platform/windowsystem.h"

#include <QWidget>
#include <QWindow>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

QWindow *windowFor(qint64 handle)
{
    if (handle == 0)
        return nullptr;
    // Qt's own map from native handles: looking through every window would cost each note's
    // see-through set-up as much as there are notes.
    QWidget *widget = QWidget::find(WId(handle));
    QWindow *window = widget ? widget->windowHandle() : nullptr;
    return window && window->handle() && qint64(window->winId()) == handle ? window : nullptr;
}

} // namespace

bool QtLayeredWindow::isSupported() const
{
    return true;   // every platform Qt runs on can make a top-level window see-through
}

qint32 QtLayeredWindow::extendedStyle(qint64 window) const
{
    return windowFor(window) ? m_styles.value(window, 0) : 0;
}

bool QtLayeredWindow::setExtendedStyle(qint64 window, qint32 style)
{
    if (!windowFor(window)) {
        m_styles.remove(window);
        return false;
    }
    m_styles.insert(window, style);
    if (!(style & ExtendedStyleLayered)) {
        if (QWindow *w = windowFor(window))
            w->setOpacity(1.0);
    }
    return true;
}

bool QtLayeredWindow::setLayeredAttributes(qint64 window, quint32 colorKey, quint8 alpha, quint32 flags)
{
    QWindow *w = windowFor(window);
    if (!w || !(m_styles.value(window, 0) & ExtendedStyleLayered))
        return false;
    if (flags & UseAlpha) {
        w->setOpacity(alpha / 255.0);
        WindowHints::keepOpacityOnceMapped(w);
        // X11 takes a new opacity only with the next request: send it now. A sync would wait for
        // the X server and handle the events that came meanwhile, inside this set-up.
        sendToWindowSystem();
    }
    if (flags & UseColorKey) {
#ifdef Q_OS_WIN
        const HWND hwnd = reinterpret_cast<HWND>(w->winId());
        SetWindowLongW(hwnd, GWL_EXSTYLE, GetWindowLongW(hwnd, GWL_EXSTYLE) | WS_EX_LAYERED);
        return SetLayeredWindowAttributes(hwnd, colorKey, alpha, LWA_COLORKEY) != 0;
#else
        Q_UNUSED(colorKey);
#endif
    }
    return true;
}

quint32 QtLayeredWindow::systemColor(int index) const
{
    return quint32(Units::fromQColor(Units::toQColor(qint32(0x80000000u | quint32(index)))));
}
