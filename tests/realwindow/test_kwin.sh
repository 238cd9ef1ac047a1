#!/usr/bin/env bash
# Under KDE's window manager every note stays shown: all three open, and none is hidden while
# another program is active or after it is closed (kwin hides utility windows of an inactive
# program, so a note must not be one).

if ! command -v kwin_x11 >/dev/null 2>&1; then
    echo "SKIP: kwin_x11 not installed"
    exit 77   # reported by ctest as skipped, never as passed
fi

source "$(dirname "$0")/lib.sh"
rw_setup_with_wm kwin_x11 --replace

rw_seed "Total Forms" 3
rw_seed_note 1 1500 1500 "note A"
rw_seed_note 2 6000 1500 "note B"
rw_seed_note 3 1500 6000 "note C"

rw_start_app
rw_wait_notes 3 30
rw_wait_note_at 100 100
rw_wait_note_at 400 100
rw_wait_note_at 100 400

check_shown() {   # context
    local w
    rw_has_notes 3 || rw_check_failed "$1: $(rw_note_count) of 3 notes mapped"
    for w in $(rw_note_windows); do
        xprop -id "$w" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN && rw_check_failed "$1: note $w is hidden"
    done
    return 0
}
check_shown "after start"

xmessage -geometry +700+500 "another program" >/dev/null 2>&1 &
other_pid=$!
rw_track_pid "$other_pid"
other_window() { xdotool search --onlyvisible --class Xmessage 2>/dev/null | tail -n 1; }
rw_poll 10 eval '[ -n "$(other_window)" ]' || rw_fail "xmessage did not show"
other=$(other_window)
read -r ox oy ow oh <<<"$(rw_geometry "$other")"
xdotool mousemove $((ox + ow / 2)) $((oy + oh / 2)) click 1
other_active() { [ "$(rw_active_window)" = "$(printf '0x%x' "$other")" ]; }
rw_poll 10 other_active || rw_fail "xmessage did not become active (active: $(rw_active_window))"
check_shown "while another program is active"

rw_stop_pid "$other_pid"
rw_poll 10 eval '! other_active' || rw_fail "xmessage stayed active after it ended"
check_shown "after the other program closed"

rw_pass
