#pragma once

/** Under a Wayland session, prefers the X11 platform when there is an X server, since a
    note's position is part of the note and Wayland lets no program place its windows. Call it
    before the application object is made; an explicit QT_QPA_PLATFORM is left alone. */
void preferX11OnWayland();

/** Hands the window system what the program has asked of it so far (a window to show), without
    waiting for it: it goes to work while the program goes on with other things. */
void sendToWindowSystem();
