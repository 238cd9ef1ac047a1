#!/usr/bin/env bash
# The popup menu driven from the keyboard: "Delete This Note" closes the note it was opened on
# and renumbers the stored notes at once; "Create New Note" opens an empty note beside the note
# its menu was opened on, takes the keyboard, and counts in "Total Forms".

source "$(dirname "$0")/lib.sh"
rw_setup

rw_seed "Total Forms" 3
rw_seed_note 1 1500 1500 "note A"
rw_seed_note 2 6000 1500 "note B"
rw_seed_note 3 10500 1500 "note C"

rw_start_app
rw_wait_notes 3
rw_wait_note_at 100 100
note_a=$RW_WIN
rw_wait_note_at 400 100
note_b=$RW_WIN
rw_wait_note_at 700 100
note_c=$RW_WIN

# Items from the top: Cut, Copy, Paste, Select All, Set Reminder, Create New Note, Delete This Note.
# Delete note B, opening the menu on its top strip.
rw_open_menu_at 466 112
rw_choose_item 7
rw_wait_notes 2
rw_note_windows | grep -qx "$note_b" && rw_fail "note B is still on screen after Delete This Note"
rw_window_at "$note_a" 100 100 || rw_fail "note A moved or vanished when B was deleted: $(rw_geometry "$note_a")"
rw_window_at "$note_c" 700 100 || rw_fail "note C moved or vanished when B was deleted: $(rw_geometry "$note_c")"
rw_poll 3 rw_stored_is "Total Forms" 2 || rw_fail "Total Forms after the deletion: '$(rw_get "Total Forms")', expected 2"
rw_expect_eq "NotesForm1.Notes after deleting B" "note A" "$(rw_get NotesForm1.Notes)"
rw_expect_eq "NotesForm2.Notes after deleting B (C moves up)" "note C" "$(rw_get NotesForm2.Notes)"
rw_expect_eq "NotesForm2.Left after deleting B" 10500 "$(rw_get NotesForm2.Left)"

# Create a note from the menu of note A's text field: a right click there opens the note's menu,
# not the text field's own edit menu.
rw_open_menu_at 166 170
rw_choose_item 6
rw_wait_notes 3
# To the right of note A, 12 px from it, clear of it.
rw_wait_note_at $((100 + 133 + 12)) 100
note_new=$RW_WIN
if [ "$note_new" = "$note_a" ] || [ "$note_new" = "$note_c" ]; then
    rw_fail "no new window was created"
fi
rw_size_is "$note_new" 133 157 || rw_fail "the new note is $(rw_geometry "$note_new"), not 133 x 157"
rw_poll 3 rw_stored_is "Total Forms" 3 || rw_fail "Total Forms after Create New Note: '$(rw_get "Total Forms")', expected 3"
# Slot 3 held note C before the deletion moved it up; none of that may come back with the new note.
rw_expect_eq "NotesForm3.Notes of the new note" "" "$(rw_get NotesForm3.Notes)"

# The new note has the keyboard, and what is typed is stored as note 3.
xdotool type --delay 20 "fresh"
rw_poll 5 rw_stored_is NotesForm3.Notes "fresh" ||
    rw_fail "typing after Create New Note did not reach the new note: NotesForm3.Notes is '$(rw_get NotesForm3.Notes)'"
rw_expect_eq "NotesForm1.Notes after typing into the new note" "note A" "$(rw_get NotesForm1.Notes)"
rw_expect_eq "NotesForm2.Notes after typing into the new note" "note C" "$(rw_get NotesForm2.Notes)"

rw_pass
