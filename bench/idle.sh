#!/usr/bin/env bash
# Idle cost of the program beside xpad (Debian's sticky-notes program), in one run under one
# Xvfb with openbox.
#
# Each program is started in turn with the same N notes at the same places; one note's text is
# clicked, as a user leaves it after typing, and after a short settling time the program is left
# alone for a measured stretch. Over that stretch the script reads:
#   CPU        utime + stime of the process (/proc/PID/stat; clock ticks, 10 ms steps)
#   run time   the time its threads were on a CPU (/proc/PID/task/*/schedstat; nanoseconds)
#   wake-ups   voluntary + involuntary context switches, summed over all its threads
# and prints both programs, round by round, as a table.
#
# Usage: bench/idle.sh BUILD_DIR            (takes src/quillarren)
#        bench/idle.sh QUILLARREN
# Environment: NOTES (default 20), IDLE_SECONDS (default 20), SETTLE_SECONDS (default 2),
#              ROUNDS (default 1), REMINDER=1 (note 1 has an enabled reminder, due tomorrow, so
#              that the reminder check runs all the time).

if [ -d "${1:-}" ]; then
    QUILLARREN=$1/src/quillarren
else
    QUILLARREN=${1:-}
fi
NOTES=${NOTES:-20}
IDLE_SECONDS=${IDLE_SECONDS:-20}
SETTLE_SECONDS=${SETTLE_SECONDS:-2}
ROUNDS=${ROUNDS:-1}

source "$(dirname "$0")/../scripts/packages.sh"
install_missing xvfb openbox xdotool x11-utils imagemagick sqlite3 xpad || exit 1

# The real-window test helpers give us the X server, openbox, a private XDG folder and the
# clean-up on exit.
set -- "$QUILLARREN"
source "$(dirname "$0")/../tests/realwindow/lib.sh"
rw_setup

# Both programs' notes: rows of 5, 250 px apart, rows 240 px apart; the size of a new note.
NOTE_W=133
NOTE_H=157
note_x() { echo $((20 + ($1 % 5) * 250)); }
note_y() { echo $((20 + ($1 / 5) * 240)); }

seed_quillarren() {
    local pairs=("Total Forms" "$NOTES") i
    for ((i = 0; i < NOTES; i++)); do
        pairs+=("NotesForm$((i + 1)).Left" "$(($(note_x $i) * 15))"
                "NotesForm$((i + 1)).Top" "$(($(note_y $i) * 15))"
                "NotesForm$((i + 1)).Notes" "note $((i + 1))")
    done
    if [ "${REMINDER:-0}" = 1 ]; then
        pairs+=(NotesForm1.ReminderStatus Enabled NotesForm1.ReminderDate "$(date -d tomorrow '+%Y-%m-%d')T00:00:00"
                NotesForm1.ReminderHours 23 NotesForm1.ReminderMinutes 59 NotesForm1.ReminderSeconds 59)
    fi
    rw_seed "${pairs[@]}"
}

# xpad keeps one "info-XXXXXX" file per pad (its place, size and look) naming a "content-XXXXXX"
# file with its text, both in $XDG_CONFIG_HOME/xpad.
seed_xpad() {
    local folder=$XDG_CONFIG_HOME/xpad i id
    rm -rf "$folder"
    mkdir -p "$folder"
    for ((i = 0; i < NOTES; i++)); do
        id=$(printf '%06d' $((i + 1)))
        printf 'note %d\n' $((i + 1)) >"$folder/content-$id"
        cat >"$folder/info-$id" <<EOF
width $NOTE_W
height $NOTE_H
x $(note_x $i)
y $(note_y $i)
follow_font 1
follow_color 1
sticky 0
hidden 0
back rgb(255,255,192)
text rgb(0,0,0)
fontname Sans 9
content content-$id
EOF
    done
}

windows_shown() {   # count
    [ "$(xdotool search --onlyvisible --pid "$RW_APP_PID" --name '^(Quillarren|note [0-9]+)$' 2>/dev/null |
        grep -c .)" -ge "$1" ]
}

note_active() {
    local active
    active=$(xdotool getactivewindow 2>/dev/null) || return 1
    xdotool search --onlyvisible --pid "$RW_APP_PID" 2>/dev/null | grep -qx "$active"
}

# Sums over the whole process: "CPU_TICKS RUN_NS SWITCHES".
sample() {
    local pid=$1
    awk '{ printf "%d ", $14 + $15 }' "/proc/$pid/stat"
    cat /proc/"$pid"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d ", s }'
    cat /proc/"$pid"/task/*/status 2>/dev/null | awk '/^(non)?voluntary_ctxt_switches:/ { s += $2 } END { print s }'
}

TICK_MS=$((1000 / $(getconf CLK_TCK)))
results=$RW_DIR/results
: >"$results"

# One program: start, click the first note's text, settle, measure, stop.
measure() {   # quillarren|xpad round
    local kind=$1 round=$2 before after
    if [ "$kind" = quillarren ]; then
        rw_start_app
    else
        seed_xpad
        xpad >>"$RW_DIR/app.log" 2>&1 &
        RW_APP_PID=$!
    fi
    rw_poll 30 windows_shown "$NOTES" || rw_fail "$kind did not show $NOTES notes"
    # Below the strip a note is moved by, in the text.
    xdotool mousemove $(($(note_x 0) + 60)) $(($(note_y 0) + 80)) click 1
    rw_poll 5 note_active || rw_fail "the click did not make a note of $kind the active window"
    sleep "$SETTLE_SECONDS"
    rw_app_running || rw_fail "$kind ended"
    before=($(sample "$RW_APP_PID"))
    sleep "$IDLE_SECONDS"
    after=($(sample "$RW_APP_PID"))
    rw_app_running || rw_fail "$kind ended while idle"
    echo "$round $kind $(((after[0] - before[0]) * TICK_MS)) $(((after[1] - before[1]) / 1000)) $((after[2] - before[2]))" \
        >>"$results"
    rw_log "round $round, $kind: $(tail -n 1 "$results" | cut -d' ' -f3-)"
    rw_stop_pid "$RW_APP_PID"
    RW_APP_PID=""
}

seed_quillarren
for round in $(seq "$ROUNDS"); do
    measure quillarren "$round"
    measure xpad "$round"
done

echo
echo "Idle cost with $NOTES notes, one clicked, over $IDLE_SECONDS s after $SETTLE_SECONDS s (Xvfb + openbox)"
printf '%5s  %-10s  %8s  %12s  %10s  %12s\n' round program "CPU (ms)" "run time (ms)" "% of core" wake-ups
while read -r round kind cpu_ms run_us switches; do
    printf '%5s  %-10s  %8s  %12.1f  %10.3f  %12s\n' "$round" "$kind" "$cpu_ms" \
        "$(awk -v us="$run_us" 'BEGIN { print us / 1000 }')" \
        "$(awk -v us="$run_us" -v s="$IDLE_SECONDS" 'BEGIN { print us / 1e4 / s }')" "$switches"
done <"$results"
