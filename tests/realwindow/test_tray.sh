#!/usr/bin/env bash
# The tray icon under icewm (an XEmbed tray): a left click brings the notes back over another
# window; its menu finds a note put away with Alt+F4 through the notes list, and restores a
# deleted one; --new-note and --show-notes reach the running copy; --tray off hides the icon.

if ! command -v icewm >/dev/null 2>&1; then
    echo "SKIP: icewm not installed"
    exit 77
fi
source "$(dirname "$0")/lib.sh"
rw_setup_with_wm icewm

rw_seed "Total Forms" 3
rw_seed_note 1 1500 1500 "alpha"
rw_seed_note 2 6000 1500 "bravo beans"
rw_seed_note 3 1500 6000 "charlie"
rw_start_app
rw_wait_notes 3

# The icon: the program's small embedded window.
tray_icon() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$RW_APP_PID" 2>/dev/null); do
        xprop -id "$w" _XEMBED_INFO 2>/dev/null | grep -q '= ' || continue
        rw_size_is "$w" "$(rw_geometry "$w" | cut -d' ' -f3)" "$(rw_geometry "$w" | cut -d' ' -f4)" || continue
        [ "$(rw_geometry "$w" | cut -d' ' -f3)" -lt 64 ] && { echo "$w"; return 0; }
    done
    return 1
}
rw_poll 10 tray_icon >/dev/null || rw_fail "no tray icon came up"
icon=$(tray_icon)
read -r ix iy iw ih <<<"$(rw_geometry "$icon")"
click_icon() { xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) click "$1"; }
# The tray icon's own window is override-redirect as a menu is: a menu is any other such window.
menu_open() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$RW_APP_PID" 2>/dev/null); do
        [ "$w" = "$icon" ] && continue
        xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' && return 0
    done
    return 1
}
menu_item() {   # N [KEYS...]: the Nth item of the tray menu from the top, then KEYS in its submenu
    local n=$1 keys=() i
    shift
    click_icon 3
    rw_poll 5 menu_open || rw_fail "a right click on the tray icon showed no menu"
    for i in $(seq "$n"); do keys+=(Down); done
    xdotool key "${keys[@]}" "$@" Return
    rw_poll 5 eval '! menu_open' || rw_fail "the tray menu stayed open"
}

# Covered by another window, the notes come back over it at a left click.
xmessage -geometry 700x500+50+50 "over the notes" >/dev/null 2>&1 &
rw_track_pid $!
rw_poll 10 eval '[ -n "$(xdotool search --onlyvisible --class Xmessage 2>/dev/null)" ]' || rw_fail "xmessage did not show"
other=$(xdotool search --onlyvisible --class Xmessage | tail -n 1)
xdotool windowactivate "$other"
on_top_of_other() {
    local stacking w
    stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | tr ' ' '\n' | grep '^0x')
    w=$(printf '0x%x' "$other")
    for n in $(rw_note_windows); do
        [ "$(echo "$stacking" | grep -n "^$(printf '0x%x' "$n")$" | cut -d: -f1)" -gt \
          "$(echo "$stacking" | grep -n "^$w$" | cut -d: -f1)" ] || return 1
    done
}
click_icon 1
rw_poll 5 on_top_of_other || rw_fail "a left click on the tray icon left notes under the other window"

# A note put away with the window manager's close key is found through the notes list.
rw_wait_note_at 400 100
xdotool windowactivate --sync "$RW_WIN"
xdotool key alt+F4
rw_wait_notes 2
menu_item 3   # Find Note…
rw_poll 10 rw_has_window_named '^Find Note$' || rw_fail "Find Note… opened no notes list"
xdotool type --delay 30 "BEANS"
xdotool key Return
rw_wait_notes 3 5
rw_poll 5 eval '[ "$(rw_active_window)" = "$(printf 0x%x "$(rw_find_note_at 400 100)")" ]' ||
    rw_fail "the note found did not get the keyboard (active: $(rw_active_window))"

# A deleted note comes back from the menu's Deleted Notes.
xdotool key ctrl+d
rw_wait_notes 2
menu_item 4 Right   # Deleted Notes ▸, its first
rw_wait_notes 3 5
rw_expect_eq "notes after restoring from the tray" 3 "$(rw_get 'Total Forms')"

# The desktop's keys: a new note, and every note shown again.
timeout 20 "$RW_BIN" --new-note || rw_fail "--new-note failed"
rw_wait_notes 4 5
w=$(rw_note_windows | head -n 1)
xdotool windowactivate --sync "$w"
xdotool key alt+F4
rw_wait_notes 3
timeout 20 "$RW_BIN" --show-notes || rw_fail "--show-notes failed"
rw_wait_notes 4 5

timeout 20 "$RW_BIN" --tray off >/dev/null || rw_fail "--tray off failed"
rw_poll 5 eval '! tray_icon >/dev/null' || rw_fail "the tray icon stayed after --tray off"
rw_expect_eq "stored tray choice" False "$(rw_get 'Show Tray Icon')"
rw_pass
