#include "gui/platform/keyboardlayout.h"

#include <QGuiApplication>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#define QUILLARREN_X11 1
#include <xcb/xcb.h>
#include <cstdlib>
#endif

namespace KeyboardLayout {

int latinLetterIn(const QList<quint32> &keysyms)
{
    // X keysyms of the Latin letters are their ASCII codes.
    for (quint32 keysym : keysyms) {
        if (keysym >= 'a' && keysym <= 'z')
            return int(keysym - 'a' + 'A');
        if (keysym >= 'A' && keysym <= 'Z')
            return int(keysym);
    }
    return 0;
}

int latinLetter(quint32 nativeScanCode)
{
#ifdef QUILLARREN_X11
    if (QGuiApplication::platformName() != QLatin1String("xcb") || nativeScanCode < 8 || nativeScanCode > 255)
        return 0;
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return 0;
    // The key's symbols in every group of the map, group by group.
    xcb_get_keyboard_mapping_reply_t *reply = xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, xcb_keycode_t(nativeScanCode), 1), nullptr);
    if (!reply)
        return 0;
    const xcb_keysym_t *syms = xcb_get_keyboard_mapping_keysyms(reply);
    const QList<quint32> keysyms(syms, syms + xcb_get_keyboard_mapping_keysyms_length(reply));
    free(reply);
    return latinLetterIn(keysyms);
#else
    Q_UNUSED(nativeScanCode);
    return 0;
#endif
}

} // namespace KeyboardLayout
