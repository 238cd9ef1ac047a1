#!/usr/bin/env bash
# Start-up cost of the program against its floor (bench/floor.cpp: the same number of plain
# frameless windows with a text field, nothing else), under one Xvfb with openbox.
#
# For each N, both programs are launched in turn, REPS times each, interleaved: the time from the
# launch until the window manager has all N windows mapped, and the peak resident memory (VmHWM)
# at that moment. The program is seeded with N notes ("Total Forms" and .Left/.Top/.Notes each) at
# the places where the floor puts its windows. Medians are printed as a table.
#
# Usage: bench/startup.sh BUILD_DIR            (takes src/quillarren and bench/quillarren_floor)
#        bench/startup.sh QUILLARREN FLOOR
# Environment: COUNTS (default "1 100 1000"), REPS (default 3).

if [ -d "${1:-}" ]; then
    QUILLARREN=$1/src/quillarren
    FLOOR=$1/bench/quillarren_floor
else
    QUILLARREN=${1:-}
    FLOOR=${2:-}
fi
COUNTS=${COUNTS:-"1 100 1000"}
REPS=${REPS:-3}

# The real-window test helpers give us the X server, openbox and the clean-up on exit.
set -- "$QUILLARREN"
source "$(dirname "$0")/../tests/realwindow/lib.sh"
[ -x "$FLOOR" ] || rw_fail "no floor program at '$FLOOR' (build the target quillarren_floor)"
rw_setup

source "$(dirname "$0")/common.sh"

for n in $COUNTS; do
    seed_quillarren_store "$RW_DIR/seed-$n" "$n" floor
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
