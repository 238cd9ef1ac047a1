#!/usr/bin/env bash
# A note's place and size, once the user has moved or resized it, come back after a kill -9 and
# after the end of the session (SIGTERM, as a logout sends), without a Quit; the session's end
# stores a move made a moment before it, and ends with status 0 even with a dialog up, and within
# two seconds while a store of 2000 notes still opens, every note kept.

source "$(dirname "$0")/lib.sh"
rw_setup

rw_seed "Total Forms" 2
rw_seed_note 1 1500 1500 "move me"
rw_seed_note 2 7500 1500 "resize me"

rw_has_any_note() { [ "$(rw_note_count)" -ge 1 ]; }

start_and_find() {   # x1 y1 x2 y2: where notes 1 and 2 must be
    rw_start_app
    rw_wait_notes 2
    rw_wait_note_at "$1" "$2"
    note1=$RW_WIN
    rw_wait_note_at "$3" "$4"
    note2=$RW_WIN
}

start_and_find 100 100 500 100
# The strip of note 1 by (+150, +90); the corner of note 2's text field by (+60, +40).
rw_drag 166 112 316 202
rw_drag $((500 + 130)) $((100 + 154)) $((500 + 190)) $((100 + 194))
rw_poll 3 rw_size_is "$note2" 193 197 || rw_fail "the resize left note 2 at $(rw_geometry "$note2")"
rw_poll 3 rw_stored_is NotesForm2.Width $((193 * 15)) || rw_fail "the resize was not stored: $(rw_get NotesForm2.Width)"
rw_kill9_app

start_and_find 250 190 500 100
rw_size_is "$note2" 193 197 || rw_check_failed "after kill -9 note 2 is $(rw_geometry "$note2"), not 193x197"

# Moved, and the session ends before the move could settle: it is stored all the same.
rw_drag 266 202 416 302
sleep 0.1
kill -TERM "$RW_APP_PID"
status=0
rw_wait_app_exit 5 || status=$?
rw_expect_eq "exit status at SIGTERM" 0 "$status"
rw_expect_eq "place stored at SIGTERM" "6000 4350" "$(rw_get NotesForm1.Left) $(rw_get NotesForm1.Top)"

# A modal dialog (the font dialog) does not hold the end of the session up.
start_and_find 400 290 500 100
rw_size_is "$note2" 193 197 || rw_check_failed "after SIGTERM note 2 is $(rw_geometry "$note2"), not 193x197"
xdotool mousemove 450 350 click 1
sleep 0.3
xdotool key ctrl+f
rw_poll 10 rw_dialog_open || rw_fail "Ctrl+F showed no font dialog"
kill -HUP "$RW_APP_PID"
status=0
rw_wait_app_exit 5 || status=$?
rw_expect_eq "exit status at SIGHUP with a dialog up" 0 "$status"

# 2000 notes: the window manager takes many seconds to show them all.
count=2000
{
    echo "BEGIN;"
    echo "INSERT OR REPLACE INTO settings VALUES('Brimvale', 'Quillarren', 'Total Forms', '$count');"
    for ((i = 3; i <= count; i++)); do
        for pair in "Left $(((i % 40) * 420))" "Top $(((i / 40) * 510))" "Notes note $i"; do
            echo "INSERT OR REPLACE INTO settings VALUES('Brimvale', 'Quillarren', 'NotesForm$i.${pair%% *}', '${pair#* }');"
        done
    done
    echo "COMMIT;"
} | rw_sqlite || rw_fail "could not seed $count notes"
rw_start_app
rw_poll 15 rw_has_any_note || rw_fail "no note showed"
kill -TERM "$RW_APP_PID"
shown=$(rw_note_count)
status=0
rw_wait_app_exit 2 || status=$?
rw_expect_eq "exit status at SIGTERM while $shown of $count notes showed" 0 "$status"
rw_expect_eq "notes stored after SIGTERM during the start-up" "$count $count" \
    "$(rw_get "Total Forms") $(rw_sqlite "SELECT COUNT(*) FROM settings WHERE key LIKE 'NotesForm%.Notes' AND value <> '';")"
rw_expect_eq "the last note after SIGTERM during the start-up" "note $count" "$(rw_get "NotesForm$count.Notes")"

rw_pass
