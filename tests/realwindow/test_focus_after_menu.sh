#!/usr/bin/env bash
# After a command chosen from the popup menu of a note's text, typing goes on in that note:
# the text field was disabled while the menu was open, and must have the keyboard again. The
# Menu key and Shift+F10 open the same menu from the keyboard, with the same ending.

source "$(dirname "$0")/lib.sh"
rw_setup

rw_seed "Total Forms" 1
rw_seed_note 1 1500 1500 "x"

rw_start_app
rw_wait_notes 1
rw_wait_note_at 100 100
note=$RW_WIN
xdotool windowactivate --sync "$note" || rw_fail "could not activate the note"

# Items from the top: 3 Paste, 8 Font..., 12 Insert Date.
rw_open_menu_at 166 170
rw_choose_item 12
xdotool type --delay 30 "abc"
rw_poll 5 rw_stored_contains NotesForm1.Notes "abc" ||
    rw_fail "typing after Insert Date did not reach the note: '$(rw_get NotesForm1.Notes)'"

rw_open_menu_at 166 170
rw_choose_item 3
xdotool type --delay 30 "def"
rw_poll 5 rw_stored_contains NotesForm1.Notes "def" ||
    rw_fail "typing after Paste did not reach the note: '$(rw_get NotesForm1.Notes)'"

rw_open_menu_at 166 170
rw_choose_item 8
rw_poll 5 rw_has_window_named '^Font$' || rw_fail "the font dialog did not open"
xdotool key Escape
rw_poll 5 eval '! rw_has_window_named "^Font$"' || rw_fail "Escape did not cancel the font dialog"
xdotool type --delay 30 "ghi"
rw_poll 5 rw_stored_contains NotesForm1.Notes "ghi" ||
    rw_fail "typing after a cancelled font dialog did not reach the note: '$(rw_get NotesForm1.Notes)'"

xdotool key Menu
rw_poll 5 rw_popup_open || rw_fail "the Menu key showed no popup menu"
rw_choose_item 12
xdotool type --delay 30 "jkl"
rw_poll 5 rw_stored_contains NotesForm1.Notes "jkl" ||
    rw_fail "typing after Insert Date from the Menu key did not reach the note: '$(rw_get NotesForm1.Notes)'"

xdotool key shift+F10
rw_poll 5 rw_popup_open || rw_fail "Shift+F10 showed no popup menu"
xdotool key Escape
rw_poll 5 rw_popup_closed || rw_fail "Escape did not close the menu opened by Shift+F10"
xdotool type --delay 30 "mno"
rw_poll 5 rw_stored_contains NotesForm1.Notes "mno" ||
    rw_fail "typing after the menu of Shift+F10 did not reach the note: '$(rw_get NotesForm1.Notes)'"

rw_pass
