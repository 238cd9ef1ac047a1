#!/usr/bin/env bash
# How late reminders go off: N notes with reminders a few seconds apart, under Xvfb with openbox;
# for each, the time from the start of its due second until the window manager lists the
# "Reminder Alarm" window (it lists a window once it has mapped it; the list is watched with
# xprop -spy, which reports each change as it comes), then "Stop Alarm" is pressed. Prints every
# lateness and the median, p99 and worst.
#
# Usage: bench/reminder_lateness.sh BUILD_DIR      Environment: COUNT (default 20), GAP (default 6 s)

QUILLARREN=$1/src/quillarren
COUNT=${COUNT:-20}
GAP=${GAP:-6}
set -- "$QUILLARREN"
source "$(dirname "$0")/../tests/realwindow/lib.sh"
rw_setup

first=$(($(date +%s) + 8))
pairs=("Total Forms" "$COUNT")
for ((i = 1; i <= COUNT; i++)); do
    due=$((first + (i - 1) * GAP))
    pairs+=("NotesForm$i.Left" $(((20 + (i % 8) * 150) * 15)) "NotesForm$i.Top" $(((20 + (i / 8) * 180) * 15))
            "NotesForm$i.Notes" "note $i" "NotesForm$i.ReminderStatus" Enabled
            "NotesForm$i.ReminderDate" "$(date -d "@$due" '+%Y-%m-%d')T00:00:00"
            "NotesForm$i.ReminderHours" "$(date -d "@$due" '+%-H')"
            "NotesForm$i.ReminderMinutes" "$(date -d "@$due" '+%-M')"
            "NotesForm$i.ReminderSeconds" "$(date -d "@$due" '+%-S')")
done
rw_seed "${pairs[@]}"
rw_start_app
rw_wait_notes "$COUNT" 30

alarm_window() { xdotool search --all --onlyvisible --pid "$RW_APP_PID" --name '^Reminder Alarm' 2>/dev/null | head -n 1; }
spy=$RW_DIR/clients.log
stdbuf -oL xprop -root -spy _NET_CLIENT_LIST | while read -r line; do
    echo "$(date +%s%N) $(echo "$line" | tr ',' '\n' | grep -c 0x)"
done >"$spy" &
rw_track_pid $!
# When the window manager first listed more windows than the notes after the given time.
listed_after() {   # nanoseconds
    awk -v t="$1" -v n="$COUNT" '$1 >= t && $2 > n { print $1; exit }' "$spy"
}
late_ms=()
for ((i = 1; i <= COUNT; i++)); do
    due_ns=$(((first + (i - 1) * GAP) * 1000000000))
    seen=""
    while [ -z "$seen" ]; do
        seen=$(listed_after "$due_ns")
        [ "$(date +%s%N)" -lt $((due_ns + 5000000000)) ] || rw_fail "reminder $i did not go off within 5 s"
        [ -n "$seen" ] || sleep 0.02
    done
    late_ms+=($(((seen - due_ns) / 1000000)))
    echo "reminder $i: $(((seen - due_ns) / 1000000)) ms after its second began"
    rw_poll 5 eval '[ -n "$(alarm_window)" ]' || rw_fail "no alarm window to stop"
    xdotool windowactivate --sync "$(alarm_window)" key space 2>/dev/null
    rw_poll 5 eval '[ -z "$(alarm_window)" ]' || rw_fail "Stop Alarm did not close the window"
done
printf '%s\n' "${late_ms[@]}" | sort -n | awk '{ v[NR] = $1 } END {
    p99 = v[int(NR * 0.99 + 0.999)]; if (p99 == "") p99 = v[NR]
    printf "lateness over %d reminders: median %d ms, p99 %d ms, worst %d ms\n", NR, v[int((NR + 1) / 2)], p99, v[NR] }'
