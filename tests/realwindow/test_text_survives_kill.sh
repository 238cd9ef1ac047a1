#!/usr/bin/env bash
# Text typed into a note is in the store while the program runs, without any Quit: a kill -9
# right afterwards loses nothing, and the next start shows the note with that text again.

source "$(dirname "$0")/lib.sh"
rw_setup

rw_seed "Total Forms" 2
rw_seed_note 1 1500 1500 ""
rw_seed_note 2 6000 1500 "keep me"

rw_start_app
rw_wait_notes 2
rw_wait_note_at 100 100
note1=$RW_WIN
rw_wait_note_at 400 100

# Give note 1 the keyboard through the window manager (its text field is its only field), and type.
xdotool windowactivate --sync "$note1" || rw_fail "could not activate note 1"
xdotool type --delay 20 "typed before the crash"
xdotool key Return
xdotool type --delay 20 "second line"
expected=$'typed before the crash\nsecond line'
rw_poll 5 rw_stored_is NotesForm1.Notes "$expected" ||
    rw_fail "typed text not stored under NotesForm1.Notes while running; stored: '$(rw_get NotesForm1.Notes)'"

rw_kill9_app
rw_expect_eq "note 1 text after kill -9" "$expected" "$(rw_get NotesForm1.Notes)"
rw_expect_eq "note 2 text after kill -9 (typing went to note 1 only)" "keep me" "$(rw_get NotesForm2.Notes)"

# The lock of the killed run must not keep the program from starting again.
rw_start_app
rw_wait_notes 2
rw_wait_note_at 100 100
shot=$RW_DIR/restart.png
second_line_shown() {
    rw_screenshot "$shot"
    # Line 2 of note 1 lies about 15 to 35 px below the strip.
    [ "$(rw_ink_pixels "$shot" 100 $((100 + 24 + 16)) 120 18)" -gt 40 ]
}
rw_poll 5 second_line_shown || rw_fail "after the restart note 1 does not show its second line"
rw_expect_eq "note 1 text after the restart" "$expected" "$(rw_get NotesForm1.Notes)"

rw_pass
