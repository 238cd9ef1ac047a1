#!/usr/bin/python3
"""What a screen reader finds of the running program, read through AT-SPI (Debian's pyatspi).

    atspi_tree.py tree                      one "role|name" line per accessible, indented by depth
    atspi_tree.py wait ROLE NAME [SECONDS]  waits for an accessible of that role and name; exit 1
                                            and the tree on stderr when none comes
    atspi_tree.py focus SECONDS             "role|name" of each accessible that gets the focus or is
                                            selected meanwhile (menus are not in the tree: a screen
                                            reader follows them by these events)
"""

import sys
import time

import pyatspi

APP = "quillarren"


def find_app(seconds=30):
    """The program on the desktop, polled until it has registered on the accessibility bus."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == APP:
                return app
        time.sleep(0.2)
    sys.exit("%s did not register on the accessibility bus within %g s" % (APP, seconds))


def tree(accessible, depth=0):
    """(depth, role, name) of the accessible and all below it; a window gone meanwhile ends its branch."""
    try:
        found = [(depth, accessible.getRoleName(), accessible.name or "")]
        children = list(accessible)
    except Exception:
        return []
    for child in children:
        if child is not None:
            found += tree(child, depth + 1)
    return found


def pairs(app):
    """The tree as (role, name) pairs: what checks look for."""
    return [(role, name) for _, role, name in tree(app)]


def show(app, out):
    for depth, role, name in tree(app):
        print("%s%s|%s" % ("  " * depth, role, name), file=out)


def watch_focus(seconds):
    from gi.repository import GLib

    def heard(event):
        if event.detail1 == 1:
            print("%s|%s" % (event.source.getRoleName(), event.source.name or ""), flush=True)

    pyatspi.Registry.registerEventListener(heard, "object:state-changed:focused", "object:state-changed:selected")
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()


def main(args):
    if args[:1] == ["tree"]:
        show(find_app(), sys.stdout)
        return 0
    if args[:1] == ["wait"] and len(args) in (3, 4):
        app = find_app()
        deadline = time.monotonic() + (float(args[3]) if len(args) == 4 else 15)
        while (args[1], args[2]) not in pairs(app):
            if time.monotonic() > deadline:
                show(app, sys.stderr)
                return 1
            time.sleep(0.2)
        return 0
    if args[:1] == ["focus"] and len(args) == 2:
        find_app()
        watch_focus(float(args[1]))
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
