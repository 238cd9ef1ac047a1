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

source "$(dirname "$0")/common.sh"

# Both programs' notes at the places of the spread layout: rows of 5, 250 px apart.
seed_quillarren_store "$XDG_CONFIG_HOME" "$NOTES" spread
if [ "${REMINDER:-0}" = 1 ]; then
    rw_seed NotesForm1.ReminderStatus Enabled NotesForm1.ReminderDate "$(date -d tomorrow '+%Y-%m-%d')T00:00:00" \
        NotesForm1.ReminderHours 23 NotesForm1.ReminderMinutes 59 NotesForm1.ReminderSeconds 59
fi

results=$RW_DIR/results
: >"$results"

# One program: start, click the first note's text, settle, measure, stop.
measure() {   # quillarren|xpad round
    local kind=$1 round=$2
    [ "$kind" = xpad ] && seed_xpad_folder "$XDG_CONFIG_HOME/xpad" "$NOTES" spread
    idle_measure "$kind" "$NOTES" "$XDG_CONFIG_HOME"
    echo "$round $kind $IDLE_LINE" >>"$results"
    rw_log "round $round, $kind: $IDLE_LINE"
}

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
