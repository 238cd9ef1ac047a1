#pragma once

/** Under a Wayland session, prefers the X11 platform when there is an X server, since a
    note's position is part of the note and Wayland lets no program place its windows. Call it
    before the application object is made; an explicit QT_QPA_PLATFORM is left alone. */
void preferX11OnWayland();
