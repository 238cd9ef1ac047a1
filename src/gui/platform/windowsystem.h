#pragma once

#include <QByteArray>

#include <cstdint>

struct xcb_connection_t;

/** Under a Wayland session, prefers the X11 platform when there is an X server, since a
    note's position is part of the note and Wayland lets no program place its windows. Call it
    before the application object is made; an explicit QT_QPA_PLATFORM is left alone. */
void preferX11OnWayland();

/** Makes the X11 platform send the windows' pictures over its connection instead of through
    shared memory, which costs a round trip to the X server at every repaint (each blink of the
    caret in an idle note). Call it before the application object is made, and
    leaveChildrenAlone() after, so that the programs this one starts keep their own way. A
    QT_XCB_NO_MITSHM of the user's is left alone. */
void sendPicturesOverTheConnection();
void leaveChildrenAlone();

/** Hands the window system what the program has asked of it so far (a window to show), without
    waiting for it: it goes to work while the program goes on with other things. */
void sendToWindowSystem();

/** The X11 connection Qt draws through, or null where the program runs on another platform. */
xcb_connection_t *x11Connection();
/** The X11 atom of this name, asked of the X server once for the program's life; 0 without X11. */
uint32_t x11Atom(const QByteArray &name);
