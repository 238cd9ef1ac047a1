#!/usr/bin/env bash
# Start-up cost of the program against its floor (bench/floor.cpp: the same number of plain
# frameless windows with a text field, nothing else), under one Xvfb with openbox.
#
# For each N, both programs are launched in turn, REPS times each, interleaved: the time from the
# launch until the window manager has all N windows mapped, and the peak resident memory (VmHWM)
# at that moment. The program is seeded with N notes ("Total Forms" and .Left/.Top/.Notes each) at
# the places where the floor puts its windows. Medians are printed as a table.
#
# Then, for a start-up of ANSWER_N notes, how the program answers meanwhile: the time to its first
# note, the longest wait of an ask through its channel (bench/ping.cpp asks every 5 ms; the window
# thread answers it, as it answers keys and signals) from the first note on, beside the longest
# wait of a program at rest just after (what the machine's own load makes an ask wait), and how
# long a SIGTERM sent a quarter of the way through the start-up takes to end it, with every note
# still stored.
#
# Usage: bench/startup.sh BUILD_DIR            (takes src/quillarren, bench/quillarren_floor and
#                                               bench/quillarren_ping)
#        bench/startup.sh QUILLARREN FLOOR PING
# Environment: COUNTS (default "1 100 1000"), REPS (default 3), ANSWER_N (default 1000; 0: none).

if [ -d "${1:-}" ]; then
    QUILLARREN=$1/src/quillarren
    FLOOR=$1/bench/quillarren_floor
    PING=$1/bench/quillarren_ping
else
    QUILLARREN=${1:-}
    FLOOR=${2:-}
    PING=${3:-}
fi
COUNTS=${COUNTS:-"1 100 1000"}
REPS=${REPS:-3}
ANSWER_N=${ANSWER_N:-1000}

# The real-window test helpers give us the X server, openbox and the clean-up on exit.
set -- "$QUILLARREN"
source "$(dirname "$0")/../tests/realwindow/lib.sh"
[ -x "$FLOOR" ] || rw_fail "no floor program at '$FLOOR' (build the target quillarren_floor)"
[ "$ANSWER_N" = 0 ] || [ -x "$PING" ] || rw_fail "no ping program at '$PING' (build the target quillarren_ping)"
rw_setup

source "$(dirname "$0")/common.sh"

for n in $COUNTS $ANSWER_N; do
    [ -d "$RW_DIR/seed-$n" ] || [ "$n" = 0 ] || seed_quillarren_store "$RW_DIR/seed-$n" "$n" floor
done

results=$RW_DIR/results
: >"$results"
for n in $COUNTS; do
    for rep in $(seq "$REPS"); do
        for kind in floor quillarren; do
            startup_measure "$kind" "$n"
            echo "$n $kind $MS $KB" >>"$results"
            rw_log "N=$n $kind run $rep: $MS ms, VmHWM $KB kB"
        done
    done
done

echo
echo "Start-up under Xvfb + openbox, launch until all N windows mapped; median of $REPS runs"
printf '%6s  %-11s  %12s  %18s  %12s  %14s\n' N program "time (ms)" "range (ms)" "VmHWM (MB)" "vs floor (MB)"
for n in $COUNTS; do
    floor_mb=""
    for kind in floor quillarren; do
        ms=$(awk -v n="$n" -v k="$kind" '$1 == n && $2 == k { print $3 }' "$results" | median)
        lo=$(awk -v n="$n" -v k="$kind" '$1 == n && $2 == k { print $3 }' "$results" | sort -n | head -n 1)
        hi=$(awk -v n="$n" -v k="$kind" '$1 == n && $2 == k { print $3 }' "$results" | sort -n | tail -n 1)
        kb=$(awk -v n="$n" -v k="$kind" '$1 == n && $2 == k { print $4 }' "$results" | median)
        mb=$(awk -v kb="$kb" 'BEGIN { printf "%.1f", kb / 1024 }')
        if [ "$kind" = floor ]; then
            floor_mb=$mb
            extra="-"
        else
            extra=$(awk -v a="$mb" -v b="$floor_mb" 'BEGIN { printf "%+.1f", a - b }')
        fi
        printf '%6s  %-11s  %12s  %18s  %12s  %14s\n' "$n" "$kind" "$ms" "$lo-$hi" "$mb" "$extra"
    done
done

[ "$ANSWER_N" = 0 ] && exit 0

# The channel's socket for a store under CONFIG: named after the store's folder.
socket_for() {   # config
    echo "$XDG_RUNTIME_DIR/quillarren-$(printf '%s' "$1/Brimvale" | sha1sum | cut -c1-16)"
}

# One start-up of ANSWER_N notes while the ping asks: sets FIRST_MS (launch until the window
# manager has the first note), ALL_MS (until it has all), WAIT_MS (the longest wait of an ask
# in between) and REST_MS (the longest wait of an ask in the two seconds at rest that follow).
answer_measure() {
    local n=$ANSWER_N config=$RW_DIR/run-config t0 t1 first="" ping_pid
    rm -rf "$config"
    cp -r "$RW_DIR/seed-$n" "$config"
    "$PING" "$(socket_for "$config")" 600 >"$RW_DIR/ping.out" &
    ping_pid=$!
    t0=$(now_ns)
    launch quillarren "$config" "$n"
    while [ "$(managed_count)" -lt "$n" ]; do
        rw_app_running || rw_fail "quillarren ended before showing $n windows"
        [ -z "$first" ] && [ "$(managed_count)" -ge 1 ] && first=$(now_ns)
        sleep 0.01
    done
    t1=$(now_ns)
    [ -n "$first" ] || first=$t1
    ALL_MS=$(((t1 - t0) / 1000000))
    # An ask sent before then may still wait for its answer: until one sent later is answered,
    # and then two seconds more, for the waits of a program at rest on this machine as it is.
    answered_after_all() { awk -v all="$ALL_MS" '$1 > all { found = 1 } END { exit !found }' "$RW_DIR/ping.out"; }
    rw_poll 600 answered_after_all || rw_fail "the program answered no ask after its start-up"
    local rest_from=$((($(now_ns) - t0) / 1000000))
    sleep 2
    kill "$ping_pid" 2>/dev/null
    wait "$ping_pid" 2>/dev/null
    stop_app
    rw_poll 60 none_managed || rw_fail "windows of quillarren stayed on screen after it ended"
    FIRST_MS=$(((first - t0) / 1000000))
    # Asks are timed from the ping's own start, a moment before the launch; those answered after
    # the first note count (before it the program is still loading, and a signal ends it at once).
    WAIT_MS=$(awk -v first="$FIRST_MS" -v all="$ALL_MS" '$1 + $2 >= first && $1 <= all && $2 > max { max = $2 }
        END { printf "%.0f", max }' "$RW_DIR/ping.out")
    [ -s "$RW_DIR/ping.out" ] || rw_fail "no ask was answered during the start-up"
    REST_MS=$(awk -v from="$rest_from" '$1 >= from && $2 > max { max = $2 } END { printf "%.0f", max }' "$RW_DIR/ping.out")
}

# One start-up of ANSWER_N notes ended by SIGTERM after DELAY_MS: sets END_MS (signal until the
# process is gone), END_STATUS and KEPT (the notes its store still holds).
term_measure() {   # delay_ms
    local n=$ANSWER_N config=$RW_DIR/run-config t0 status=0
    rm -rf "$config"
    cp -r "$RW_DIR/seed-$n" "$config"
    launch quillarren "$config" "$n"
    sleep "$(awk -v ms="$1" 'BEGIN { printf "%.3f", ms / 1000 }')"
    rw_app_running || rw_fail "quillarren ended before the SIGTERM"
    t0=$(now_ns)
    kill -TERM "$RW_APP_PID"
    while kill -0 "$RW_APP_PID" 2>/dev/null && [ "$(ps -o stat= -p "$RW_APP_PID")" != Z ]; do
        [ $(($(now_ns) - t0)) -lt 600000000000 ] || rw_fail "quillarren did not end within 600 s of SIGTERM"
        sleep 0.01
    done
    END_MS=$((($(now_ns) - t0) / 1000000))
    wait "$RW_APP_PID" || status=$?
    RW_APP_PID=""
    END_STATUS=$status
    KEPT=$(sqlite3 -batch "$config/Brimvale/Quillarren.sqlite3" \
        "SELECT COUNT(*) FROM settings WHERE key LIKE 'NotesForm%.Notes' AND value LIKE 'note %';")
    rw_poll 120 none_managed || { rw_wm_drop_gone_clients && none_managed; } ||
        rw_fail "windows of quillarren stayed on screen after it ended ($(managed_count))"
}

: >"$RW_DIR/answers"
for rep in $(seq "$REPS"); do
    answer_measure
    term_measure $((ALL_MS / 4))
    echo "$FIRST_MS $ALL_MS $WAIT_MS $END_MS $END_STATUS $KEPT $REST_MS" >>"$RW_DIR/answers"
    rw_log "N=$ANSWER_N run $rep: first note $FIRST_MS ms, all $ALL_MS ms, longest wait $WAIT_MS ms (at rest $REST_MS ms);" \
        "SIGTERM at $((ALL_MS / 4)) ms ended it in $END_MS ms (status $END_STATUS, $KEPT notes kept)"
done
column_median() { awk -v c="$1" '{ print $c }' "$RW_DIR/answers" | median; }
column_max() { awk -v c="$1" '{ print $c }' "$RW_DIR/answers" | sort -n | tail -n 1; }
echo
echo "Answering during a start-up of $ANSWER_N notes under Xvfb + openbox; median (and worst) of $REPS runs"
printf '%16s  %14s  %22s  %16s  %22s  %12s\n' "first note (ms)" "all (ms)" "longest ask wait (ms)" "at rest (ms)" \
    "SIGTERM to end (ms)" "notes kept"
printf '%16s  %14s  %22s  %16s  %22s  %12s\n' "$(column_median 1) ($(column_max 1))" "$(column_median 2) ($(column_max 2))" \
    "$(column_median 3) ($(column_max 3))" "$(column_median 7) ($(column_max 7))" "$(column_median 4) ($(column_max 4))" \
    "$(awk '{ print $6 }' "$RW_DIR/answers" | sort -n | head -n 1)"
awk '$5 != 0 { bad = 1 } END { exit bad }' "$RW_DIR/answers" || rw_log "a SIGTERM ended the program with a status other than 0"
