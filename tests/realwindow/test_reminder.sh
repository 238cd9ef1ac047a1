#!/usr/bin/env bash
# A reminder stored before the start goes off without the dialog ever being opened: the note
# comes to the front and flashes, "Reminder Alarm" appears, the store keeps the note's own text
# throughout, and "Stop Alarm" closes the window. The sound plugin, and the audio libraries with
# it, are loaded by the alarm, not before. A second missed while the program was stopped
# (kill -STOP) goes off as soon as it runs again.

source "$(dirname "$0")/lib.sh"
rw_setup

seed_reminder_in() {   # seconds ahead
    local at
    at=$(date -d "+$1 seconds" '+%-H %-M %-S')
    set -- $at
    rw_seed NotesForm1.ReminderStatus Enabled NotesForm1.ReminderDate "$(date '+%Y-%m-%d')T00:00:00" \
        NotesForm1.ReminderHours "$1" NotesForm1.ReminderMinutes "$2" NotesForm1.ReminderSeconds "$3"
}

alarm_shown() { rw_has_window_named '^Reminder Alarm'; }
mapped() { grep -q "$1" "/proc/$RW_APP_PID/maps"; }

rw_seed "Total Forms" 2
rw_seed_note 1 1500 1500 "buy milk"
rw_seed_note 2 3000 2250 "the other note, on top of the first"
seed_reminder_in 4
rw_start_app
rw_wait_notes 2
rw_wait_note_at 100 100
note=$RW_WIN
! mapped libQt6Multimedia || rw_fail "the audio libraries were loaded at start-up"

# While waiting and while it flashes, the note's stored text stays its own; it turns white or black.
shot=$RW_DIR/flash.png
flashed=0
deadline=$(($(date +%s) + 12))
while [ "$(date +%s)" -lt "$deadline" ]; do
    rw_stored_is NotesForm1.Notes "buy milk" || rw_fail "the stored text became '$(rw_get NotesForm1.Notes)'"
    if alarm_shown; then
        rw_screenshot "$shot"
        # A spot of the note that note 2 covered before the note came to the front.
        colour=$(convert "$shot" -format '%[pixel:p{220,240}]' info:)
        case $colour in *white*|*black*|"srgb(255,255,255)"|"srgb(0,0,0)") flashed=1 ;; esac
        [ "$flashed" = 1 ] && break
    fi
    sleep 0.05
done
alarm_shown || rw_fail "no \"Reminder Alarm\" window within 12 s"
[ "$flashed" = 1 ] || rw_fail "the note did not flash white or black in front of note 2 (last: $colour)"
mapped /quillarren-sound.so || rw_fail "the alarm did not load the sound plugin beside the program"
grep -q "sound plugin" "$RW_DIR/app.log" && rw_fail "the sound plugin could not be used"
sleep 3.5   # the flashing ends
rw_expect_eq "stored text after the flashing" "buy milk" "$(rw_get NotesForm1.Notes)"
alarm=$(rw_window_named '^Reminder Alarm')
# The caption is the window's own; nothing appended would fit its small title bar.
rw_expect_eq "the alarm window's caption" '_NET_WM_NAME(UTF8_STRING) = "Reminder Alarm"' "$(xprop -id "$alarm" _NET_WM_NAME)"
xdotool windowactivate --sync "$alarm" key space
rw_poll 5 eval '! alarm_shown' || rw_fail "\"Stop Alarm\" did not close the alarm window"
rw_app_running || rw_fail "the program ended"
rw_kill9_app

# Stopped across the due second, continued afterwards.
seed_reminder_in 4
rw_start_app
rw_wait_notes 2
sleep 1
kill -STOP "$RW_APP_PID"
sleep 5
kill -CONT "$RW_APP_PID"
rw_poll 5 alarm_shown || rw_fail "the reminder missed while the program was stopped did not go off"
rw_expect_eq "stored text" "buy milk" "$(rw_get NotesForm1.Notes)"

rw_pass
