#!/usr/bin/env bash
# The store's disk fills up while the user types: typing goes on and keeps the keyboard (the
# notice never takes it), Quit refuses to end with anything unwritten and Cancel keeps the notes
# open, and once space comes back everything typed is stored and comes back at the next start.
# As root the store lives on a tiny tmpfs that is filled; otherwise a file-size limit is put on
# the running program.

source "$(dirname "$0")/lib.sh"
rw_setup

folder=$XDG_CONFIG_HOME/Brimvale
use_tmpfs=0
if [ "$(id -u)" = 0 ] && mount -t tmpfs -o size=1m tmpfs "$folder" 2>/dev/null; then
    use_tmpfs=1
    unmount_store() { cd / && umount "$folder" 2>/dev/null; }
    trap 'unmount_store; rw_cleanup' EXIT
fi

# A long note: every keystroke writes it whole, more than the store's log has room for once full.
long=$(for i in $(seq 2000); do printf 'line %04d of a long note that fills the disk quickly\n' "$i"; done)
rw_seed "Total Forms" 1
rw_seed_note 1 1500 1500 "$long"

rw_start_app
rw_wait_notes 1
rw_wait_note_at 100 100
note=$RW_WIN
xdotool windowactivate --sync "$note" || rw_fail "could not activate the note"
xdotool key ctrl+Home
sleep 1.5   # the start-up writes reach the disk

if [ "$use_tmpfs" = 1 ]; then
    dd if=/dev/zero of="$folder/filler" bs=4k 2>/dev/null
    give_space_back() { rm -f "$folder/filler"; }
else
    prlimit --pid "$RW_APP_PID" --fsize=1 || rw_fail "could not limit the program's file size"
    give_space_back() { prlimit --pid "$RW_APP_PID" --fsize=unlimited; }
fi

typed="typed while the disk is full "
xdotool type --delay 40 "$typed"
rw_poll 5 rw_has_window_named 'notes not saved' || rw_fail "no notice that the notes are not being saved"
# Everything typed went to the note, not into the notice.
rw_expect_eq "active window while the notice shows" "$note" "$(xdotool getactivewindow)"
xdotool type --delay 40 "and more"
rw_stored_contains NotesForm1.Notes "and more" && rw_fail "the store took a write although its disk is full"

# Quit (the last item before the history): the program stays, and says why.
rw_open_menu_at 166 112
xdotool key Up Up Up Return
rw_poll 5 rw_has_window_named 'notes not saved' || rw_fail "Quit showed no box about the unsaved notes"
box=$(rw_window_named 'notes not saved')
sleep 0.5
xdotool windowactivate --sync "$box" key Escape
sleep 1
rw_app_running || rw_fail "Quit ended the program while the store could not be written"
rw_wait_notes 1

give_space_back
expected="${typed}and more$long"
rw_poll 10 rw_stored_is NotesForm1.Notes "$expected" ||
    rw_fail "after space came back the store holds '$(rw_get NotesForm1.Notes | head -c 80)…'"
rw_poll 5 eval '! rw_has_window_named "notes not saved"' || rw_fail "the notice stayed after the store was written"

rw_open_menu_at 166 112
xdotool key Up Up Up Return
rw_wait_app_exit 10 || rw_fail "the program ended with status $? after Quit"
rw_start_app
rw_wait_notes 1
rw_expect_eq "the note's text at the next start" "$expected" "$(rw_get NotesForm1.Notes)"

rw_pass
