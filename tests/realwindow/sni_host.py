#!/usr/bin/python3
"""A panel's tray as the StatusNotifierItem protocol sees it: the watcher and a host, on the session
bus, through Debian's GLib bindings.  sni_host.py OUT_FOLDER [CLICK_LABEL]

Runs until ended. Each item that registers is read as a host reads it, into OUT_FOLDER/item-N.txt:
its properties, then its menu as read at registration ("menu|registered", what a host may keep
and draw) and after AboutToShow ("menu|opened", as the user opens it), one line per entry
"ID|TYPE|LABEL|visible=B|enabled=B|DEPTH", then "end". With CLICK_LABEL, that entry is clicked.
"""

import os
import sys

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

WATCHER_XML = """<node><interface name="org.kde.StatusNotifierWatcher">
  <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
  <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
  <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
  <property name="ProtocolVersion" type="i" access="read"/>
  <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
  <signal name="StatusNotifierHostRegistered"/>
</interface></node>"""
WATCHER = "org.kde.StatusNotifierWatcher"
ITEM = "org.kde.StatusNotifierItem"
MENU = "com.canonical.dbusmenu"

out_folder = sys.argv[1]
click_label = sys.argv[2] if len(sys.argv) > 2 else None
bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
items = []


def call(service, path, interface, method, args, reply_type):
    return bus.call_sync(service, path, interface, method, args, GLib.VariantType(reply_type),
                         Gio.DBusCallFlags.NONE, 5000, None).unpack()


def menu_lines(node, depth, lines):
    item_id, props, children = node
    if depth > 0:
        lines.append("%d|%s|%s|visible=%s|enabled=%s|%d" % (
            item_id, props.get("type", "standard"), props.get("label", ""),
            props.get("visible", True), props.get("enabled", True), depth))
    for child in children:
        menu_lines(child, depth + 1, lines)


def find_label(node, label):
    item_id, props, children = node
    if props.get("label", "").replace("_", "") == label and props.get("visible", True):
        return item_id
    for child in children:
        found = find_label(child, label)
        if found is not None:
            return found
    return None


def read_item(number, service, path):
    try:
        props = call(service, path, "org.freedesktop.DBus.Properties", "GetAll", GLib.Variant("(s)", (ITEM,)),
                     "(a{sv})")[0]
        lines = ["service|%s" % service]
        for name in ("Id", "Title", "Status", "Category", "ItemIsMenu"):
            lines.append("%s|%s" % (name, props.get(name)))
        menu = props.get("Menu")
        if menu:
            for moment in ("registered", "opened"):
                if moment == "opened":
                    call(service, menu, MENU, "AboutToShow", GLib.Variant("(i)", (0,)), "(b)")
                layout = call(service, menu, MENU, "GetLayout", GLib.Variant("(iias)", (0, -1, [])),
                              "(u(ia{sv}av))")[1]
                lines.append("menu|%s" % moment)
                menu_lines(layout, 0, lines)
            if click_label:
                target = find_label(layout, click_label)
                if target is not None:
                    bus.call_sync(service, menu, MENU, "Event",
                                  GLib.Variant("(isvu)", (target, "clicked", GLib.Variant("s", ""), 0)),
                                  None, Gio.DBusCallFlags.NONE, 5000, None)
                    lines.append("clicked|%s" % click_label)
    except GLib.Error as error:
        lines = ["error|%s" % error.message]
    lines.append("end")
    tmp = os.path.join(out_folder, ".item-%d.txt" % number)
    with open(tmp, "w") as f:
        f.write("\n".join(lines) + "\n")
    os.rename(tmp, os.path.join(out_folder, "item-%d.txt" % number))
    return False


def method_call(connection, sender, path, interface, method, params, invocation):
    if method == "RegisterStatusNotifierItem":
        service = params.unpack()[0]
        item_path = "/StatusNotifierItem"
        if service.startswith("/"):
            service, item_path = sender, service
        items.append(service + item_path)
        invocation.return_value(None)
        connection.emit_signal(None, "/StatusNotifierWatcher", WATCHER, "StatusNotifierItemRegistered",
                               GLib.Variant("(s)", (service + item_path,)))
        GLib.timeout_add(200, read_item, len(items) - 1, service, item_path)
    else:
        invocation.return_value(None)


def get_property(connection, sender, path, interface, name):
    if name == "RegisteredStatusNotifierItems":
        return GLib.Variant("as", items)
    if name == "IsStatusNotifierHostRegistered":
        return GLib.Variant("b", True)
    return GLib.Variant("i", 0)


def acquired(connection, name):
    connection.emit_signal(None, "/StatusNotifierWatcher", WATCHER, "StatusNotifierHostRegistered", None)
    with open(os.path.join(out_folder, "watching"), "w") as f:
        f.write("%d\n" % os.getpid())


def lost(connection, name):
    sys.exit("could not own %s" % name)


node = Gio.DBusNodeInfo.new_for_xml(WATCHER_XML)
bus.register_object("/StatusNotifierWatcher", node.interfaces[0], method_call, get_property, None)
Gio.bus_own_name_on_connection(bus, WATCHER, Gio.BusNameOwnerFlags.NONE, acquired, lost)
GLib.MainLoop().run()
