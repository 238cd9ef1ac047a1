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

now_ns() { date +%s%N; }

# Windows the window manager has taken on (it maps each one as it takes it on). One round trip,
# where asking every window for its owner and map state takes seconds with 1000 windows.
managed_count() {
    xprop -root _NET_CLIENT_LIST 2>/dev/null | tr ',' '\n' | grep -c '0x'
}

# Same places as the floor's: rows of 40, 28 px apart, rows 34 px apart.
seed_store() {   # folder N
    local folder=$1 n=$2 i x y
    mkdir -p "$folder/Brimvale"
    {
        echo "BEGIN;"
        echo "CREATE TABLE settings(application TEXT, section TEXT, key TEXT, value TEXT,"
        echo "    PRIMARY KEY(application, section, key));"
        echo "INSERT INTO settings VALUES('Brimvale', 'Quillarren', 'Total Forms', '$n');"
        for ((i = 0; i < n; i++)); do
            x=$((10 + (i % 40) * 28))
            y=$((10 + (i / 40) * 34))
            echo "INSERT INTO settings VALUES('Brimvale', 'Quillarren', 'NotesForm$((i + 1)).Left', '$((x * 15))');"
            echo "INSERT INTO settings VALUES('Brimvale', 'Quillarren', 'NotesForm$((i + 1)).Top', '$((y * 15))');"
            echo "INSERT INTO settings VALUES('Brimvale', 'Quillarren', 'NotesForm$((i + 1)).Notes', 'note $((i + 1))');"
        done
        echo "COMMIT;"
    } | sqlite3 -batch "$folder/Brimvale/Quillarren.sqlite3" || rw_fail "could not seed $folder"
}

none_managed() { [ "$(managed_count)" -eq 0 ]; }

# One launch: sets MS (launch until all mapped) and KB (peak resident memory then).
measure() {   # floor|quillarren N
    local kind=$1 n=$2 t0 t1 hwm viewable config
    if [ "$kind" = quillarren ]; then
        config=$RW_DIR/run-config
        rm -rf "$config"
        cp -r "$RW_DIR/seed-$n" "$config"
        t0=$(now_ns)
        XDG_CONFIG_HOME=$config "$QUILLARREN" >>"$RW_DIR/app.log" 2>&1 &
    else
        t0=$(now_ns)
        "$FLOOR" "$n" >>"$RW_DIR/app.log" 2>&1 &
    fi
    RW_APP_PID=$!
    # Fine polling for the short starts, coarse for the long ones, where the poll's own processes
    # would take CPU from the program being measured.
    while [ "$(managed_count)" -lt "$n" ]; do
        rw_app_running || rw_fail "$kind ended before showing $n windows"
        if [ $(($(now_ns) - t0)) -lt 1000000000 ]; then sleep 0.01; else sleep 0.1; fi
    done
    t1=$(now_ns)
    hwm=$(awk '/^VmHWM:/ { print $2 }' "/proc/$RW_APP_PID/status")
    # Outside the timing: every one of them is really on screen, and they are this program's.
    viewable=$(xdotool search --maxdepth 2 --onlyvisible --pid "$RW_APP_PID" 2>/dev/null | grep -c .)
    [ "$viewable" = "$n" ] || rw_fail "$kind with N=$n: $viewable windows viewable, expected $n"
    rw_stop_pid "$RW_APP_PID"
    RW_APP_PID=""
    rw_poll 60 none_managed || rw_fail "windows of $kind stayed on screen after it ended"
    MS=$(((t1 - t0) / 1000000))
    KB=$hwm
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

for n in $COUNTS; do
    seed_store "$RW_DIR/seed-$n" "$n"
done

results=$RW_DIR/results
: >"$results"
for n in $COUNTS; do
    for rep in $(seq "$REPS"); do
        for kind in floor quillarren; do
            measure "$kind" "$n"
            [ -n "$KB" ] || rw_fail "no memory figure for $kind with N=$n"
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
