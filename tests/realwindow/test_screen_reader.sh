#!/usr/bin/env bash
# What a screen reader finds, read through AT-SPI on a private accessibility bus: every note is a
# window named by its first line ("Note: ...") that follows the typing, its text field is text,
# and the dialogs' fields are named by their labels. Escape puts both dialogs away. The notes list
# and the tray menu (under icewm, which has a tray) read as what they show.

source "$(dirname "$0")/lib.sh"
PYTHON=/usr/bin/python3   # Debian's, with its pyatspi
if [ ! -x /usr/libexec/at-spi-bus-launcher ] || ! "$PYTHON" -c 'import pyatspi' 2>/dev/null; then
    echo "SKIP: at-spi2-core or python3-pyatspi not installed"
    exit 77   # reported by ctest as skipped, never as passed
fi
rw_require_tools
rw_start_x
rw_start_bus
rw_start_accessibility_bus
command -v icewm >/dev/null 2>&1 || rw_fail "icewm is not installed"
icewm >"$RW_DIR/wm.log" 2>&1 &
RW_WM_PID=$!
rw_poll 10 rw_wm_ready || rw_fail "icewm did not come up"

atspi() { "$PYTHON" "$(dirname "$0")/atspi_tree.py" "$@"; }
# expect_accessible ROLE NAME: one is in the program's tree within a few seconds.
expect_accessible() { atspi wait "$1" "$2" 10 || rw_fail "no $1 named '$2' (the tree is above)"; }

rw_seed "Total Forms" 3
rw_seed_note 1 1500 1500 $'buy milk\nand bread'
rw_seed_note 2 6000 1500 ""
rw_seed_note 3 10500 1500 $'\n  \nCall Ann about the garden party next Saturday at noon'
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
rw_start_app
rw_wait_notes 3
rw_wait_note_at 100 100

expect_accessible frame "Note: buy milk"
expect_accessible frame "Note: (empty)"
expect_accessible frame "Note: Call Ann about the garden party next…"
atspi tree >"$RW_DIR/tree.txt" || rw_fail "could not read the program's tree"
rw_expect_eq "text fields named \"Note text\"" 3 "$(grep -c '^    text|Note text$' "$RW_DIR/tree.txt")"

# Typing in the first line renames the note once the typing pauses.
xdotool mousemove 150 200 click 1 key ctrl+Home
xdotool type --delay 30 "Go "
expect_accessible frame "Note: Go buy milk"

xdotool key ctrl+r
expect_accessible "spin button" "Time for Reminder to Go Off:"
expect_accessible dialog "Reminder [Disabled]"
xdotool key Escape
rw_poll 5 eval '! rw_has_window_named "^Reminder"' || rw_fail "Escape did not put the reminder dialog away"

xdotool mousemove 150 200 click 1 key ctrl+e
expect_accessible "combo box" "Enter e-mail recepients"
xdotool key Escape
rw_poll 5 eval '! rw_has_window_named "^E-mail Note"' || rw_fail "Escape did not close the e-mail dialog"

"$RW_BIN" --find || rw_fail "--find failed"
expect_accessible frame "Find Note"
expect_accessible text "Find in your notes:"
expect_accessible "list item" "Note: Go buy milk"
xdotool key Escape

# The tray icon is the program's small embedded window; its menu reads as its items.
tray_icon() {
    local w g
    for w in $(xdotool search --onlyvisible --pid "$RW_APP_PID" 2>/dev/null); do
        xprop -id "$w" _XEMBED_INFO 2>/dev/null | grep -q '= ' || continue
        g=$(rw_geometry "$w")
        [ "$(echo "$g" | cut -d' ' -f3)" -lt 64 ] && { echo "$g"; return 0; }
    done
    return 1
}
rw_poll 10 tray_icon >/dev/null || rw_fail "no tray icon came up"
read -r ix iy iw ih <<<"$(tray_icon)"
atspi focus 6 >"$RW_DIR/focus.txt" &
listener=$!
sleep 2
xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) click 3
sleep 0.5
xdotool key Down Down Down Down
sleep 0.5
xdotool key Escape
wait "$listener"
for item in "New Note" "Find Note…" "Deleted Notes"; do
    grep -qx "menu item|$item" "$RW_DIR/focus.txt" ||
        rw_fail "walking the tray menu, a screen reader does not hear '$item': $(tr '\n' ' ' <"$RW_DIR/focus.txt")"
done

rw_pass
