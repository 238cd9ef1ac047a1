#!/usr/bin/env bash
# Under openbox, with the notes on top (as they start): the alarm window and every dialog open
# above the notes; once each is put away from the keyboard (or the alarm stopped), typing goes on
# in the note; Enter in the reminder dialog sets the reminder; Ctrl+N opens the new note beside
# the one it came from, in front, with the keyboard, its place stored at once.

source "$(dirname "$0")/lib.sh"
rw_setup

# A note in the middle of the screen, its reminder due a few seconds after the start.
due=$(date -d '+7 seconds' '+%-H %-M %-S')
set -- $due
rw_seed "Total Forms" 1
rw_seed_note 1 8595 6495 "first"
rw_seed NotesForm1.ReminderStatus Enabled NotesForm1.ReminderDate "$(date '+%Y-%m-%d')T00:00:00" \
    NotesForm1.ReminderHours "$1" NotesForm1.ReminderMinutes "$2" NotesForm1.ReminderSeconds "$3"
rw_start_app
rw_wait_notes 1
rw_wait_note_at 573 433
first=$RW_WIN
xdotool mousemove 640 520 click 1

hex() { printf '0x%x' "$1"; }
# True when window WID is stacked above every note and asks the window manager for the top band.
above_notes() {
    local stacking w mine others=0
    stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
    mine=$(echo "$stacking" | tr ' ' '\n' | grep -n -x "$(hex "$1")" | cut -d: -f1)
    [ -n "$mine" ] || return 1
    for w in $(rw_note_windows); do
        others=$(echo "$stacking" | tr ' ' '\n' | grep -n -x "$(hex "$w")" | cut -d: -f1)
        [ -n "$others" ] && [ "$others" -lt "$mine" ] || return 1
    done
    rw_above "$1"
}
# Types into the note that should have the keyboard and waits for the store to show it.
typing_reaches() {   # context key text
    xdotool type --delay 20 "$3"
    rw_poll 5 rw_stored_contains "$2" "$3" || rw_check_failed "$1: typing did not reach $2: '$(rw_get "$2")'"
}

# The alarm: above the notes; stopped with the pointer, the keyboard is back in the note once the
# flashing is over.
rw_poll 20 rw_has_window_named '^Reminder Alarm$' || rw_fail "the reminder did not go off"
alarm=$(rw_window_named '^Reminder Alarm$')
rw_poll 3 above_notes "$alarm" || rw_check_failed "the alarm window is under the notes: $(xprop -root _NET_CLIENT_LIST_STACKING)"
set -- $(rw_geometry "$alarm")
xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)) click 1
rw_poll 5 eval '! rw_has_window_named "^Reminder Alarm$"' || rw_fail "Stop Alarm left the alarm window"
rw_poll 6 rw_stored_is NotesForm1.Notes "first" || rw_fail "the note's text did not come back after the alarm"
sleep 3.5   # the flashing takes three seconds, and the note takes no keys meanwhile
typing_reaches "after the alarm" NotesForm1.Notes "A"

# Ctrl+N: beside the note, in front, with the keyboard, its place stored before it is moved.
xdotool key ctrl+n
rw_wait_notes 2
for w in $(rw_note_windows); do [ "$w" = "$first" ] || made=$w; done
set -- $(rw_geometry "$made")
[ "$1" -ge $((573 + 133)) ] || [ $(($1 + $3)) -le 573 ] || [ "$2" -ge $((433 + 157)) ] || [ $(($2 + $4)) -le 433 ] ||
    rw_check_failed "the new note at $1,$2 covers the note it came from at 573,433"
rw_poll 3 eval '[ "$(rw_active_window)" = "$(hex "$made")" ]' || rw_check_failed "the new note did not get the keyboard"
stacking=$(xprop -root _NET_CLIENT_LIST_STACKING)
case $stacking in *"$(hex "$made")") ;; *) rw_check_failed "the new note is not in front: $stacking" ;; esac
rw_expect_eq "the new note's place, stored at once" "$(($1 * 15)),$(($2 * 15))" \
    "$(rw_get NotesForm2.Left),$(rw_get NotesForm2.Top)"
typing_reaches "in the new note" NotesForm2.Notes "B"

# Each dialog above the notes, and the keyboard back in the note after Escape (Enter first in
# the reminder dialog, which sets the reminder).
check_dialog() {   # context shortcut name-pattern [keys before Escape]
    local dialog pattern=$3
    xdotool key "$2"
    rw_poll 5 rw_has_window_named "$pattern" || { rw_check_failed "$1: $2 opened no window '$pattern'"; return; }
    dialog=$(rw_window_named "$pattern")
    rw_poll 3 above_notes "$dialog" || rw_check_failed "$1 is under the notes: $(xprop -root _NET_CLIENT_LIST_STACKING)"
    [ -z "${4:-}" ] || xdotool key "$4"
    xdotool key Escape
    rw_poll 5 eval '! rw_has_window_named "$pattern"' || { rw_check_failed "$1: Escape left it open"; xdotool windowclose "$dialog"; }
    rw_poll 3 eval '[ "$(rw_active_window)" = "$(hex "$made")" ]' ||
        rw_check_failed "$1: the keyboard went to $(rw_active_window), not back to the note"
}
check_dialog "E-mail Note" ctrl+e '^E-mail Note$'
typing_reaches "after E-mail Note" NotesForm2.Notes "C"
check_dialog "the colour dialog" ctrl+o '^Select Color$'
typing_reaches "after the colour dialog" NotesForm2.Notes "D"
check_dialog "the font dialog" ctrl+f '^Font$'
typing_reaches "after the font dialog" NotesForm2.Notes "E"
check_dialog "the reminder dialog" ctrl+r '^Reminder' Return
rw_expect_eq "Enter in the reminder dialog" Enabled "$(rw_get NotesForm2.ReminderStatus)"
typing_reaches "after the reminder dialog" NotesForm2.Notes "F"
check_dialog "the save dialog" ctrl+s '^Save'
typing_reaches "after the save dialog" NotesForm2.Notes "G"

rw_pass
