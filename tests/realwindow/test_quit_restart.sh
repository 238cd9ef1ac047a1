#!/usr/bin/env bash
# Quit from the popup menu stores every note with its current place, and the next start shows
# the same notes at the same places: the one dragged before the Quit at its new place, the
# untouched one where it was. Quitting right after a start stores the places unchanged.

source "$(dirname "$0")/lib.sh"
rw_setup

rw_seed "Total Forms" 2
rw_seed_note 1 1500 1500 "first"
rw_seed_note 2 9000 4500 $'second\nwith two lines'

rw_start_app
rw_wait_notes 2
rw_wait_note_at 100 100
moved=$RW_WIN
rw_wait_note_at 600 300

# Drag note 1 by (+200, +150) to 300,250.
rw_drag 166 112 366 262
rw_poll 3 rw_window_at "$moved" 300 250 || rw_fail "the drag left note 1 at $(rw_geometry "$moved"), not at 300,250"

quit_from_menu_at() {   # x y on a note's top strip
    rw_open_menu_at "$1" "$2"
    # Quit is followed by the checklist and history items: Up from no selection lands on the last of them.
    xdotool key Up Up Up Return
    local status=0
    rw_wait_app_exit 10 || status=$?
    [ "$status" = 0 ] || rw_fail "the program ended with status $status after Quit"
}

expect_store() {   # context left1 top1 left2 top2
    rw_expect_eq "$1: Total Forms" 2 "$(rw_get "Total Forms")"
    rw_expect_eq "$1: NotesForm1.Left" "$2" "$(rw_get NotesForm1.Left)"
    rw_expect_eq "$1: NotesForm1.Top" "$3" "$(rw_get NotesForm1.Top)"
    rw_expect_eq "$1: NotesForm2.Left" "$4" "$(rw_get NotesForm2.Left)"
    rw_expect_eq "$1: NotesForm2.Top" "$5" "$(rw_get NotesForm2.Top)"
    rw_expect_eq "$1: NotesForm1.Notes" "first" "$(rw_get NotesForm1.Notes)"
    rw_expect_eq "$1: NotesForm2.Notes" $'second\nwith two lines' "$(rw_get NotesForm2.Notes)"
}

quit_from_menu_at 666 312
expect_store "after a drag and Quit" 4500 3750 9000 4500

rw_start_app
rw_wait_notes 2
rw_wait_note_at 300 250
rw_wait_note_at 600 300

# Quit again at once, before anything has touched the windows.
quit_from_menu_at 366 262
expect_store "after a restart and an immediate Quit" 4500 3750 9000 4500

rw_pass
