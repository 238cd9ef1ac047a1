#!/usr/bin/env bash
# Alt+F4 closes one of three notes. Creating, deleting and quitting afterwards must not drop or
# overwrite it: it comes back at the next start with its text and place.

source "$(dirname "$0")/lib.sh"
rw_setup

rw_seed "Total Forms" 3
rw_seed_note 1 1500 1500 "note A"
rw_seed_note 2 6000 1500 "note B"
rw_seed_note 3 10500 1500 "note C"

rw_start_app
rw_wait_notes 3
rw_wait_note_at 400 100
note_b=$RW_WIN
xdotool windowactivate --sync "$note_b" key alt+F4
rw_wait_notes 2

# Items from the top: 6 Create New Note, 7 Delete This Note; Quit is the last but one.
rw_open_menu_at 166 112
rw_choose_item 6
rw_wait_notes 3
xdotool type --delay 20 "new"
rw_open_menu_at 766 112
rw_choose_item 7
rw_wait_notes 2
rw_open_menu_at 166 112
xdotool key Up Up Up Return
rw_wait_app_exit 10 || rw_fail "the program ended with status $? after Quit"

rw_start_app
rw_wait_notes 3
rw_wait_note_at 400 100
rw_expect_eq "Total Forms" 3 "$(rw_get "Total Forms")"
rw_expect_eq "stored texts" "note A|note B|new" \
    "$(rw_get NotesForm1.Notes)|$(rw_get NotesForm2.Notes)|$(rw_get NotesForm3.Notes)"

rw_pass
