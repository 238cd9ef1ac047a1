#!/usr/bin/env bash
# See-through levels reach the X server as _NET_WM_WINDOW_OPACITY, at start-up and after
# "Increase Translucency"; "Always On Top" puts every note into and out of the above band while
# they stay mapped in place; a second start of the program opens no second set of notes.

source "$(dirname "$0")/lib.sh"
rw_setup

rw_seed "Total Forms" 2
rw_seed_note 1 1500 1500 "glass"
rw_seed "NotesForm1.Translucency" 150
rw_seed_note 2 6000 1500 "plain"

rw_start_app
rw_wait_notes 2
rw_wait_note_at 100 100
note_1=$RW_WIN
rw_wait_note_at 400 100
note_2=$RW_WIN

rw_poll 5 rw_level_is "$note_1" 150 || rw_fail "note 1 shows at level $(rw_level_of "$note_1"), stored 150"
rw_poll 5 rw_level_is "$note_2" 200 || rw_fail "note 2 shows at level $(rw_level_of "$note_2"), default 200"

# Items from the top, counting Down presses: 15 Increase Translucency, 17 Always On Top.
rw_open_menu_at 466 112
rw_choose_item 15
rw_poll 5 rw_level_is "$note_2" 180 || rw_fail "after Increase Translucency note 2 shows $(rw_level_of "$note_2"), not 180"
rw_expect_eq "NotesForm2.Translucency" 180 "$(rw_get NotesForm2.Translucency)"
rw_level_is "$note_1" 150 || rw_check_failed "note 1 changed to $(rw_level_of "$note_1") when note 2 was changed"

# The shared check mark starts on while no note is stacked: the first choice turns it off.
rw_open_menu_at 166 112
rw_choose_item 17
rw_poll 3 rw_stored_is NotesForm1.AlwaysOnTop False || rw_fail "NotesForm1.AlwaysOnTop: '$(rw_get NotesForm1.AlwaysOnTop)'"
rw_not_above "$note_1" && rw_not_above "$note_2" || rw_check_failed "a note is above after Always On Top was turned off"

rw_open_menu_at 166 112
rw_choose_item 17
rw_poll 3 rw_stored_is NotesForm1.AlwaysOnTop True || rw_fail "NotesForm1.AlwaysOnTop: '$(rw_get NotesForm1.AlwaysOnTop)'"
rw_poll 3 rw_above "$note_1" || rw_check_failed "note 1 is not in the above band"
rw_poll 3 rw_above "$note_2" || rw_check_failed "note 2 is not in the above band"
rw_has_notes 2 || rw_check_failed "$(rw_note_count) note windows mapped after Always On Top, expected 2"
rw_window_at "$note_1" 100 100 || rw_check_failed "note 1 moved when it changed band: $(rw_geometry "$note_1")"
rw_window_at "$note_2" 400 100 || rw_check_failed "note 2 moved when it changed band: $(rw_geometry "$note_2")"
rw_expect_eq "NotesForm2.AlwaysOnTop (only the target's key is written)" "" "$(rw_get NotesForm2.AlwaysOnTop)"

# A second start hands over to the running program and ends; no note opens twice.
timeout 10 "$RW_BIN" >>"$RW_DIR/second.log" 2>&1
status=$?
rw_expect_eq "exit status of a second start" 0 "$status"
sleep 0.5
rw_has_notes 2 || rw_check_failed "$(rw_note_count) note windows after a second start, expected 2"
rw_app_running || rw_check_failed "the first program ended when a second one started"

rw_pass
