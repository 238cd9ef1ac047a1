#!/usr/bin/python3
"""What a screen reader finds of a running program, read through AT-SPI.

    atspi_tree.py tree [APP]                       the program's tree: one "role|name" line per
                                                   accessible, indented by depth
    atspi_tree.py wait ROLE NAME [SECONDS] [APP]   waits until an accessible of that role and name
                                                   is in the tree; exit 1 (and the tree) if not

APP is the application's name on the desktop, "quillarren" unless given. Both wait for the
program to register on the accessibility bus first. Run with Debian's python3 (/usr/bin/python3),
whose pyatspi talks to the bus of DBUS_SESSION_BUS_ADDRESS.
"""

import sys
import time

import pyatspi

DEFAULT_APP = "quillarren"
# A window whose children cannot be read (it went away meanwhile) ends its branch, not the walk.
READ_ERRORS = (Exception,)


def find_app(name, seconds):
    """The application of that name on the desktop, polled until it registers; None if it never does."""
    deadline = time.monotonic() + seconds
    while True:
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            try:
                app = desktop.getChildAtIndex(index)
                if app is not None and app.name == name:
                    return app
            except READ_ERRORS:
                continue
        if time.monotonic() >= deadline:
            return None
        time.sleep(0.2)


def tree(accessible, depth=0):
    """(depth, role, name) of the accessible and of everything below it, depth first."""
    try:
        found = [(depth, accessible.getRoleName(), accessible.name or "")]
        children = [accessible.getChildAtIndex(i) for i in range(accessible.childCount)]
    except READ_ERRORS:
        return []
    for child in children:
        if child is not None:
            found.extend(tree(child, depth + 1))
    return found


def pairs(app):
    """The tree as (role, name) pairs: what the checks compare."""
    return [(role, name) for _, role, name in tree(app)]


def print_tree(app):
    for depth, role, name in tree(app):
        print("%s%s|%s" % ("  " * depth, role, name))


def main(argv):
    if len(argv) >= 2 and argv[1] == "tree":
        app = find_app(argv[2] if len(argv) > 2 else DEFAULT_APP, 30)
        if app is None:
            print("the program did not register on the accessibility bus", file=sys.stderr)
            return 1
        print_tree(app)
        return 0
    if len(argv) >= 4 and argv[1] == "wait":
        role, name = argv[2], argv[3]
        seconds = float(argv[4]) if len(argv) > 4 else 15
        app = find_app(argv[5] if len(argv) > 5 else DEFAULT_APP, 30)
        if app is None:
            print("the program did not register on the accessibility bus", file=sys.stderr)
            return 1
        deadline = time.monotonic() + seconds
        while (role, name) not in pairs(app):
            if time.monotonic() >= deadline:
                print("no %s named '%s' within %g s; the tree:" % (role, name, seconds), file=sys.stderr)
                print_tree(app)
                return 1
            time.sleep(0.2)
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
