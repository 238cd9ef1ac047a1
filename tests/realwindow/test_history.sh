#!/usr/bin/env bash
# A note's history in the real program: a pause in typing keeps a version, Select All and a key
# keeps the text typed over first, "Note History…" (the menu's last item) opens on the note, Enter
# restores the newest version and keeps the text it replaced; the running copy answers --history.

source "$(dirname "$0")/lib.sh"
rw_setup

rw_seed "Total Forms" 1
rw_seed_note 1 1500 1500 "first draft"

rw_start_app
rw_wait_notes 1
rw_wait_note_at 100 100

versions() { rw_sqlite "SELECT count(*) FROM history;" 2>/dev/null; }
kept() { [ "$(rw_sqlite "SELECT count(*) FROM history WHERE text = $(rw_sql_quote "$1");" 2>/dev/null)" = 1 ]; }

xdotool mousemove 166 170 click 1
xdotool key ctrl+End
xdotool type --delay 20 " more"
rw_poll 10 kept "first draft more" || rw_fail "a pause in typing kept no version: $(versions) versions"
xdotool type --delay 20 " and more"
rw_poll 5 rw_stored_is NotesForm1.Notes "first draft more and more" || rw_fail "typing was not stored: '$(rw_get NotesForm1.Notes)'"
xdotool key ctrl+a
xdotool type --delay 20 "gone"
rw_poll 5 rw_stored_is NotesForm1.Notes "gone" || rw_fail "typing over the selection was not stored: '$(rw_get NotesForm1.Notes)'"
kept "first draft more and more" || rw_fail "the text typed over after Select All was not kept first"

# The menu's last item, after every item it had before.
rw_open_menu_at 166 170
xdotool key Up Return
rw_poll 5 rw_popup_closed || rw_fail "the popup menu stayed open"
rw_poll 10 rw_has_window_named "Note History: gone" || rw_fail "Note History… opened no window"
history_window=$(rw_window_named "Note History: gone")
xdotool windowactivate --sync "$history_window" 2>/dev/null
# The newest version has the keyboard: Enter restores it.
xdotool key Return
rw_poll 5 rw_stored_is NotesForm1.Notes "first draft more and more" ||
    rw_fail "Restore This Version did not put the version back: '$(rw_get NotesForm1.Notes)'"
rw_poll 5 kept "gone" || rw_fail "the text a restore replaced was not kept as a version"

# The running copy answers the command line: three versions, the newest the replaced text.
listed=$("$RW_BIN" --history 1) || rw_fail "--history 1 failed: $listed"
rw_expect_eq "versions listed by --history 1" 3 "$(printf '%s\n' "$listed" | grep -c .)"
rw_expect_eq "--history 1 --show 1" "gone" "$("$RW_BIN" --history 1 --show 1)"
rw_pass
