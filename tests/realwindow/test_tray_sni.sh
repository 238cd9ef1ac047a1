#!/usr/bin/env bash
# The tray icon as a StatusNotifierItem, with a panel (sni_host.py: the watcher and a host on the
# session bus) that starts after the program, as on a Wayland desktop whose panel comes up late
# and where no XEmbed tray exists: the icon registers when the panel comes, and again when the
# panel restarts. Its menu, as the panel reads it, holds no hidden entry and does not change as
# the panel opens it (a panel keeps room for what it read first), ends with "Quit", and its
# entries work.

if ! /usr/bin/python3 -c 'import gi; gi.require_version("Gio", "2.0")' 2>/dev/null; then
    echo "SKIP: Python's GLib bindings (python3-gi) not installed"
    exit 77
fi
source "$(dirname "$0")/lib.sh"
rw_setup
rw_start_bus

rw_seed "Total Forms" 2
rw_seed_note 1 1500 1500 "alpha"
rw_seed_note 2 6000 1500 "bravo"
rw_start_app
rw_wait_notes 2
# The program looks for a tray a second after its notes are up; there is none yet.
sleep 3

start_panel() {   # folder [label to click]
    mkdir -p "$1"
    /usr/bin/python3 "$(dirname "$0")/sni_host.py" "$@" >>"$RW_DIR/panel.log" 2>&1 &
    PANEL_PID=$!
    rw_track_pid "$PANEL_PID"
    rw_poll 10 test -s "$1/watching" || rw_fail "the panel did not take the watcher's name (see $RW_DIR/panel.log)"
}

start_panel "$RW_DIR/panel1" "New Note"
rw_poll 15 test -e "$RW_DIR/panel1/item-0.txt" ||
    rw_fail "the tray icon did not register with a panel that started after the program"
item=$RW_DIR/panel1/item-0.txt
grep -q '^error|' "$item" && rw_fail "reading the item failed: $(grep '^error|' "$item")"
grep -qx 'Id|quillarren' "$item" || rw_fail "the registered item is not the program's: $(head -n 3 "$item")"

section() { sed -n "/^menu|$1\$/,/^\(menu|\|end\|clicked\)/p" "$item" | grep -v '^menu|\|^end\|^clicked'; }
registered=$(section registered)
opened=$(section opened)
[ -n "$registered" ] || rw_fail "the menu read at registration is empty"
if grep -q 'visible=False' <<<"$registered$opened"; then
    rw_fail "the menu holds hidden entries, which a panel may draw as empty room: $(grep 'visible=False' <<<"$registered$opened")"
fi
[ "$registered" = "$opened" ] ||
    rw_fail "the menu changed as the panel opened it: $(diff <(echo "$registered") <(echo "$opened") | tr '\n' ' ')"
last=$(grep '|1$' <<<"$opened" | tail -n 1 | cut -d'|' -f3)
rw_expect_eq "the menu's last entry" "Quit" "$last"
grep -E '^[0-9]+\|standard\|\|' <<<"$opened" && rw_fail "an entry without a label"
grep -qx 'clicked|New Note' "$item" || rw_fail "the panel found no \"New Note\" to click"
rw_wait_notes 3 5

# The panel restarts: the icon registers with it again.
rw_stop_pid "$PANEL_PID"
start_panel "$RW_DIR/panel2"
rw_poll 15 test -e "$RW_DIR/panel2/item-0.txt" || rw_fail "the tray icon did not come back after the panel restarted"
grep -qx 'Id|quillarren' "$RW_DIR/panel2/item-0.txt" || rw_fail "the item after the restart is not the program's"
rw_pass
