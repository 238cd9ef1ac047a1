#!/usr/bin/env bash
# Ctrl+D on the last note asks whether to quit; answered No, the note stays exactly as it was.
# The text field binds Ctrl+D itself on X11 (delete the next character): the key must not reach it.

source "$(dirname "$0")/lib.sh"
rw_setup

rw_seed "Total Forms" 1
rw_seed_note 1 1500 1500 "kept whole"
rw_start_app
rw_wait_notes 1
rw_wait_note_at 100 100
note=$RW_WIN

xdotool windowactivate --sync "$note" key ctrl+Home ctrl+d
rw_poll 10 rw_dialog_open || rw_fail "Ctrl+D on the last note asked nothing"
xdotool windowactivate --sync "$(rw_dialog_window)" key Escape
rw_poll 10 eval '! rw_dialog_open' || rw_fail "the last-note question stayed after Escape"
# Typed after the answer, so the store has taken everything the key did to the note.
xdotool windowactivate --sync "$note" key ctrl+End type ".."
rw_poll 5 rw_stored_contains NotesForm1.Notes ".." || rw_fail "typing after the answer did not reach the note"
rw_expect_eq "the note after Ctrl+D and No" "kept whole.." "$(rw_get NotesForm1.Notes)"
rw_wait_notes 1

rw_pass
