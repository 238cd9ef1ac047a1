#!/usr/bin/env bash
# The program beside its floor (bench/floor.cpp: plain frameless windows with a text field) and
# beside xpad (Debian's sticky-notes program), in one run under one Xvfb with openbox, with one
# table of all figures at the end:
#
#   1. start-up     N = 1, 10, 100, 300, 1000 notes: the time from the launch until the window
#                   manager has all N windows mapped, the peak resident memory (VmHWM) then, and
#                   the private part of the memory then (RssAnon: what no other program shares);
#                   the programs' runs interleaved, REPS runs each, medians (as bench/startup.sh)
#   2. idle         NOTES notes, one clicked, left alone IDLE_SECONDS: CPU, run time and wake-ups
#                   of the process, ROUNDS rounds, medians (as bench/idle.sh)
#   3. key to disk  a 10 KB note, keys typed one by one at its end (xdotool, one process reading
#                   its commands from a pipe, so that no start of a process is timed): from just
#                   before the key is handed to xdotool until inotify reports the write after
#                   which the typed character is in the program's file (the program: its store,
#                   read with sqlite3; xpad: the note's content file). Each key is waited for,
#                   then the next comes after a random pause: LAT_GAP plus up to LAT_JITTER for
#                   the program, plus up to XPAD_SAVE_PERIOD for xpad, which writes its changes
#                   every 4 s: so its keys fall at random moments of that period, as a user's do.
#                   The harness's own part is measured too: from a write of this script's own to
#                   its inotify report; and the way every program's keys take: from the line
#                   handed to xdotool until a plain X client (xev) has the key press.
#                   Beside it, bench_store's "save 10KB": the store's save alone, in process.
#   4. keystroke    notes of 1 KB, 10 KB, 100 KB and 1 MB (lines of about 70 characters, as
#      CPU          bench_keystroke's): bench_keystroke's CPU of the window thread per key
#                   (offscreen); and, under Xvfb, for the program and xpad alike, CPU_KEYS keys
#                   typed at the end (xdotool type, CPU_DELAY ms apart): the run time of all the
#                   process's threads (/proc/PID/task/*/schedstat) from before the first key until
#                   the last key is on disk and the process has gone quiet again, less its idle
#                   run time over as long, per key; the same for the X server, which draws what
#                   xpad asks it to (GTK draws through the X server, Qt sends finished pictures).
#
# Besides the table, bench/plot.sh draws start-up time, memory and keystroke CPU as SVG plots into
# PLOTS_DIR, with the figures they were drawn from in PLOTS_DIR/compare-run (plot.sh draws them
# again from there).
#
# Usage: bench/compare.sh BUILD_DIR
#   takes BUILD_DIR/src/quillarren, bench/quillarren_floor, bench/bench_keystroke, bench/bench_store
#   (a build with the benchmarks: -DQUILLARREN_BUILD_TESTS=ON, the default)
# Environment: PLOTS_DIR (BUILD_DIR/bench-plots; docs for the README's), COUNTS ("1 10 100 300 1000"),
#   REPS (5), NOTES (20), IDLE_SECONDS (20), SETTLE_SECONDS (2), ROUNDS (3), LAT_KEYS (100),
#   XPAD_LAT_KEYS (20), LAT_GAP (0.2 s), LAT_JITTER (0.1 s), XPAD_SAVE_PERIOD (4 s),
#   NEXT_KEY_MS (30: the key after next comes this soon when typing fast, as bench/durability.sh
#   types), CPU_KEYS (40), CPU_DELAY (50 ms), CPU_REPS (3), SIZES_KB ("1 10 100 1024"),
#   BENCH_KEYS (200, bench_keystroke's keys per size), STORE_SAVES (5000, bench_store's saves).

BUILD=${1:-}
[ -d "$BUILD" ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
BUILD=$(cd "$BUILD" && pwd)
QUILLARREN=$BUILD/src/quillarren
FLOOR=$BUILD/bench/quillarren_floor
BENCH_KEYSTROKE=$BUILD/bench/bench_keystroke
BENCH_STORE=$BUILD/bench/bench_store
COUNTS=${COUNTS:-"1 10 100 300 1000"}
REPS=${REPS:-5}
NOTES=${NOTES:-20}
IDLE_SECONDS=${IDLE_SECONDS:-20}
SETTLE_SECONDS=${SETTLE_SECONDS:-2}
ROUNDS=${ROUNDS:-3}
LAT_KEYS=${LAT_KEYS:-100}
XPAD_LAT_KEYS=${XPAD_LAT_KEYS:-20}
LAT_GAP=${LAT_GAP:-0.2}
LAT_JITTER=${LAT_JITTER:-0.1}
XPAD_SAVE_PERIOD=${XPAD_SAVE_PERIOD:-4}
NEXT_KEY_MS=${NEXT_KEY_MS:-30}
CPU_KEYS=${CPU_KEYS:-40}
CPU_DELAY=${CPU_DELAY:-50}
CPU_REPS=${CPU_REPS:-3}
SIZES_KB=${SIZES_KB:-"1 10 100 1024"}
BENCH_KEYS=${BENCH_KEYS:-200}
STORE_SAVES=${STORE_SAVES:-5000}
PLOTS_DIR=${PLOTS_DIR:-$BUILD/bench-plots}
COMMAND_LINE="bench/compare.sh $*"

source "$(dirname "$0")/../scripts/packages.sh"
install_missing xvfb openbox xdotool x11-utils imagemagick sqlite3 xpad inotify-tools "${QUILLARREN_PLOT_PACKAGES[@]}" || exit 1

# The real-window test helpers give us the X server, openbox, a private XDG folder and the
# clean-up on exit.
set -- "$QUILLARREN"
source "$(dirname "$0")/../tests/realwindow/lib.sh"
for program in "$FLOOR" "$BENCH_KEYSTROKE" "$BENCH_STORE"; do
    [ -x "$program" ] || rw_fail "no $program (configure the build with -DQUILLARREN_BUILD_TESTS=ON and build it)"
done
source "$(dirname "$0")/common.sh"

LOAD_AT_START=$(cut -d' ' -f1-3 /proc/loadavg)
rw_setup
results=$RW_DIR/results
: >"$results"

# ---------------------------------------------------------------------------------------------
# 1. Start-up

for n in $COUNTS; do
    seed_quillarren_store "$RW_DIR/seed-$n" "$n" floor
    seed_xpad_folder "$RW_DIR/xpad-seed-$n" "$n" floor
done
KINDS=(floor quillarren xpad)
for n in $COUNTS; do
    for rep in $(seq "$REPS"); do
        # Each run starts with another program, so that none always follows the same one.
        for k in 0 1 2; do
            kind=${KINDS[$(((rep + k) % 3))]}
            startup_measure "$kind" "$n"
            echo "start $n $kind $MS $KB $ANON_KB" >>"$results"
            rw_log "start-up, N=$n, $kind, run $rep: $MS ms, VmHWM $KB kB, RssAnon $ANON_KB kB"
        done
    done
done

# ---------------------------------------------------------------------------------------------
# 2. Idle

seed_quillarren_store "$RW_DIR/idle-seed" "$NOTES" spread
for round in $(seq "$ROUNDS"); do
    for kind in quillarren xpad; do
        config=$RW_DIR/run-config
        rm -rf "$config"
        if [ "$kind" = quillarren ]; then
            cp -r "$RW_DIR/idle-seed" "$config"
        else
            seed_xpad_folder "$config/xpad" "$NOTES" spread
        fi
        idle_measure "$kind" "$NOTES" "$config"
        echo "idle $kind $IDLE_LINE" >>"$results"
        rw_log "idle, $kind, round $round: CPU ms, run time us, wake-ups: $IDLE_LINE"
    done
done

# ---------------------------------------------------------------------------------------------
# Notes with long texts, for 3 and 4

# FILE BYTES: lines of about 70 characters, as bench_keystroke makes them; no line break at the end.
make_note_text() {
    awk -v n="$2" 'BEGIN {
        for (i = 0; len < n; i++) {
            s = "line " i " of a long note that someone pasted here, for the record\n"
            printf "%s", s
            len += length(s)
        } }' | head -c "$2" >"$1"
}

# A fresh config folder under RW_DIR/run-config with one note holding FILE's text, the program
# started on it, its text clicked and the text cursor put at its end. Sets WATCHED (the folder
# the program writes to) and BASE_LEN.
open_long_note() {   # quillarren|xpad file
    local kind=$1 file=$2 config=$RW_DIR/run-config
    rm -rf "$config"
    if [ "$kind" = quillarren ]; then
        seed_quillarren_store "$config" 1 spread "$file"
        WATCHED=$config/Brimvale
    else
        seed_xpad_folder "$config/xpad" 1 spread "$file"
        WATCHED=$config/xpad
    fi
    BASE_LEN=$(stat -c %s "$file")
    launch "$kind" "$config" 1
    rw_poll 60 eval '[ "$(xdotool search --onlyvisible --pid "$RW_APP_PID" 2>/dev/null | grep -c .)" -ge 1 ]' ||
        rw_fail "$kind did not show its note"
    click_first_note
    xdotool key ctrl+End
}

# True when the program's file holds the note's text with COUNT x typed at its end.
on_disk() {   # quillarren|xpad count
    local want=$((BASE_LEN + $2)) text
    if [ "$1" = quillarren ]; then
        [ "$(sqlite3 -batch -cmd '.timeout 100' "$WATCHED/Quillarren.sqlite3" \
            "SELECT length(value) || ':' || (substr(value, -$2) = '$(printf "%$2s" '' | tr ' ' x)')
             FROM settings WHERE key = 'NotesForm1.Notes';" 2>/dev/null)" = "$want:1" ]
    else
        IFS= read -r -d '' text <"$WATCHED/content-000001"
        [ "${#text}" = "$want" ] && [ "${text: -$2}" = "$(printf "%$2s" '' | tr ' ' x)" ]
    fi
}

# The run time of a process in nanoseconds.
run_ns() { sample "$1" | cut -d' ' -f2; }

# Waits (up to a minute) until the program has used less than 5 ms of CPU in half a second.
quiet() {
    local i a b
    for i in $(seq 120); do
        a=$(run_ns "$RW_APP_PID")
        sleep 0.5
        b=$(run_ns "$RW_APP_PID")
        [ $((b - a)) -lt 5000000 ] && return 0
    done
    rw_log "$kind never went quiet"
}

# ---------------------------------------------------------------------------------------------
# 3. Keystroke to disk

# inotify events of a folder, each stamped with the time it reached this script, on fd WATCH_FD.
start_watch() {   # folder
    rm -f "$RW_DIR/inotify.fifo" "$RW_DIR/events.fifo"
    mkfifo "$RW_DIR/inotify.fifo" "$RW_DIR/events.fifo"
    inotifywait -m -q -e modify -e close_write -e moved_to --format '%e %f' "$1" >"$RW_DIR/inotify.fifo" 2>/dev/null &
    WATCH_PIDS=$!
    rw_track_pid "$WATCH_PIDS"
    (while read -r ev f; do echo "$EPOCHREALTIME $ev $f"; done <"$RW_DIR/inotify.fifo" >"$RW_DIR/events.fifo") &
    WATCH_PIDS="$WATCH_PIDS $!"
    rw_track_pid "$!"
    exec {WATCH_FD}<"$RW_DIR/events.fifo"
    # Ready once a write of our own is reported.
    local i
    for i in $(seq 50); do
        echo x >>"$1/.probe"
        read -r -t 0.2 -u "$WATCH_FD" _ _ f && [ "$f" = .probe ] && { drain; return 0; }
    done
    rw_fail "inotifywait did not report writes in $1"
}

drain() { while read -r -t 0.02 -u "$WATCH_FD" _; do :; done; }

stop_watch() {
    local pid
    for pid in $WATCH_PIDS; do rw_stop_pid "$pid"; done
    exec {WATCH_FD}<&-
}

# The harness's own part: from a write of this script's until its report. Appends microseconds.
watch_delay() {   # folder count
    local i mark ts f
    for i in $(seq "$2"); do
        drain
        mark=$EPOCHREALTIME
        echo x >>"$1/.probe"
        while read -r -t 5 -u "$WATCH_FD" ts _ f; do
            [ "$f" = .probe ] && break
        done
        echo "watch $(us_between "$mark" "$ts")" >>"$results"
        sleep 0.02
    done
}

us_between() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%d", (b - a) * 1e6 }'; }

# One xdotool for all the keys, reading them from fd XD: a key is timed from the line handed to it.
start_typist() {
    rm -f "$RW_DIR/xdotool.fifo"
    mkfifo "$RW_DIR/xdotool.fifo"
    xdotool - <"$RW_DIR/xdotool.fifo" >>"$RW_DIR/app.log" 2>&1 &
    TYPIST_PID=$!
    rw_track_pid "$TYPIST_PID"
    exec {XD}>"$RW_DIR/xdotool.fifo"
}

stop_typist() {
    exec {XD}>&-
    rw_stop_pid "$TYPIST_PID"
}

pause_between_keys() {   # jitter
    sleep "$(awk -v g="$LAT_GAP" -v j="$1" -v r="$RANDOM" 'BEGIN { printf "%.3f", g + j * r / 32768 }')"
}

# The path every program's keys take: from the line handed to xdotool until a plain X client
# (xev) has the key press, stamped as the inotify reports are. Appends microseconds.
key_to_client() {   # keys
    local i mark ts lat
    rm -f "$RW_DIR/xev.fifo"
    mkfifo "$RW_DIR/xev.fifo"
    stdbuf -oL xev -event keyboard -geometry 300x200+700+400 2>/dev/null |
        while read -r line; do
            case $line in "KeyPress event"*) echo "$EPOCHREALTIME" ;; esac
        done >"$RW_DIR/xev.fifo" &
    local stamper=$!
    rw_track_pid "$stamper"
    exec {XEV}<"$RW_DIR/xev.fifo"
    local window=""
    rw_poll 10 eval 'window=$(xdotool search --onlyvisible --name "^Event Tester$" 2>/dev/null | head -n 1); [ -n "$window" ]' ||
        rw_fail "xev did not show its window"
    xdotool mousemove 850 500 click 1
    rw_poll 5 eval '[ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ]' || rw_fail "xev's window did not take the keyboard"
    start_typist
    for i in $(seq "$1"); do
        while read -r -t 0.02 -u "$XEV" _; do :; done
        mark=$EPOCHREALTIME
        echo "key x" >&"$XD"
        read -r -t 20 -u "$XEV" ts || rw_fail "key $i did not reach xev within 20 s"
        echo "client $(us_between "$mark" "$ts")" >>"$results"
        pause_between_keys "$LAT_JITTER"
    done
    stop_typist
    pkill -x xev
    exec {XEV}<&-
    rw_stop_pid "$stamper"
    rw_log "key to a plain X client: $1 keys, median $(awk '$1 == "client" { print $2 }' "$results" | median) us"
}

key_to_disk() {   # quillarren|xpad keys jitter
    local kind=$1 keys=$2 jitter=$3 prefix i mark ts ev f lat
    make_note_text "$RW_DIR/note-10k.txt" 10240
    open_long_note "$kind" "$RW_DIR/note-10k.txt"
    [ "$kind" = quillarren ] && prefix=Quillarren.sqlite3 || prefix=content-000001
    quiet
    start_watch "$WATCHED"
    start_typist
    for i in $(seq "$keys"); do
        drain
        mark=$EPOCHREALTIME
        echo "key x" >&"$XD"
        lat=""
        while read -r -t 20 -u "$WATCH_FD" ts ev f; do
            case $f in "$prefix"*) ;; *) continue ;; esac
            if on_disk "$kind" "$i"; then
                lat=$(us_between "$mark" "$ts")
                break
            fi
        done
        [ -n "$lat" ] || rw_fail "key $i typed into $kind did not reach its file within 20 s"
        echo "disk $kind $lat" >>"$results"
        pause_between_keys "$jitter"
    done
    stop_typist
    stop_app
    watch_delay "$WATCHED" 20
    stop_watch
    rw_log "key to disk, $kind: $keys keys, median $(awk -v k="$kind" '$1 == "disk" && $2 == k { print $3 }' "$results" | median) us"
}

key_to_client "$LAT_KEYS"
key_to_disk quillarren "$LAT_KEYS" "$LAT_JITTER"
key_to_disk xpad "$XPAD_LAT_KEYS" "$XPAD_SAVE_PERIOD"

# ---------------------------------------------------------------------------------------------
# 4. Keystroke CPU

# One program, one note size: sets APP_US and X_US, the run time per key of the program and of
# the X server beyond their idle run time.
type_cost() {   # quillarren|xpad kb
    local kind=$1 kb=$2 file=$RW_DIR/note-$2k.txt keys t0 t1 app0 app1 x0 x1 ia0 ia1 ix0 ix1 idle_ns
    [ -f "$file" ] || make_note_text "$file" $((kb * 1024))
    open_long_note "$kind" "$file"
    # A first key, not counted: what the first change of a note costs once (xpad writes the
    # note's place too) stays out of the idle time and the typing.
    xdotool key x
    rw_poll 60 on_disk "$kind" 1 || rw_fail "the first key typed into $kind ($kb KB) did not reach its file"
    quiet
    # Idle first, over 2 s.
    ia0=$(run_ns "$RW_APP_PID"); ix0=$(run_ns "$RW_XVFB_PID"); t0=$(now_ns)
    sleep 2
    ia1=$(run_ns "$RW_APP_PID"); ix1=$(run_ns "$RW_XVFB_PID"); t1=$(now_ns)
    idle_ns=$((t1 - t0))
    keys=$(printf "%${CPU_KEYS}s" '' | tr ' ' x)
    app0=$(run_ns "$RW_APP_PID"); x0=$(run_ns "$RW_XVFB_PID"); t0=$(now_ns)
    xdotool type --delay "$CPU_DELAY" "$keys"
    rw_poll 60 on_disk "$kind" $((CPU_KEYS + 1)) || rw_fail "the keys typed into $kind ($kb KB) did not reach its file"
    quiet
    app1=$(run_ns "$RW_APP_PID"); x1=$(run_ns "$RW_XVFB_PID"); t1=$(now_ns)
    APP_US=$(awk -v d=$((app1 - app0)) -v i=$((ia1 - ia0)) -v t=$((t1 - t0)) -v it="$idle_ns" -v k="$CPU_KEYS" \
        'BEGIN { printf "%d", (d - i * t / it) / k / 1000 }')
    [ -n "$x1" ] && [ "$x1" != "$x0" ] ||
        rw_fail "no run time of the X server (pid $RW_XVFB_PID) while typing: '$x0' to '$x1'"
    X_US=$(awk -v d=$((x1 - x0)) -v i=$((ix1 - ix0)) -v t=$((t1 - t0)) -v it="$idle_ns" -v k="$CPU_KEYS" \
        'BEGIN { printf "%d", (d - i * t / it) / k / 1000 }')
    stop_app
}

for rep in $(seq "$CPU_REPS"); do
    for kb in $SIZES_KB; do
        for kind in quillarren xpad; do
            type_cost "$kind" "$kb"
            echo "cpu $kind $kb $APP_US $X_US" >>"$results"
            rw_log "keystroke CPU, $kind, $kb KB, run $rep: program $APP_US us, X server $X_US us per key"
        done
    done
done

rw_log "bench_keystroke $BENCH_KEYS"
"$BENCH_KEYSTROKE" "$BENCH_KEYS" >"$RW_DIR/bench_keystroke.txt" 2>>"$RW_DIR/app.log" ||
    rw_fail "bench_keystroke failed: $(cat "$RW_DIR/bench_keystroke.txt")"
rw_log "bench_store $STORE_SAVES"
"$BENCH_STORE" "$STORE_SAVES" >"$RW_DIR/bench_store.txt" 2>>"$RW_DIR/app.log" ||
    rw_fail "bench_store failed: $(cat "$RW_DIR/bench_store.txt")"
LOAD_AT_END=$(cut -d' ' -f1-3 /proc/loadavg)

# ---------------------------------------------------------------------------------------------
# The table

# Values of the results lines starting with the given words, column COL.
values() {   # col words...
    local col=$1
    shift
    awk -v col="$col" -v words="$*" '{
        n = split(words, w, " ")
        for (i = 1; i <= n; i++) if ($i != w[i]) next
        print $col }' "$results"
}
med() { values "$@" | median; }
# Nearest rank: the smallest value with at least the fraction of all at or below it.
pct() {   # fraction col words...
    local f=$1
    shift
    values "$@" | sort -n | awk -v f="$f" '{ v[NR] = $1 } END {
        if (!NR) { print "-"; exit }
        r = int(f * NR); if (r < f * NR) r++; if (r < 1) r = 1; print v[r] }'
}
range() { values "$@" | sort -n | awk '{ v[NR] = $1 } END { print NR ? v[1] "-" v[NR] : "-" }'; }
ms() { awk -v us="$1" 'BEGIN { if (us == "-") print "-"; else printf "%.3f", us / 1000 }'; }
mb() { awk -v kb="$1" 'BEGIN { printf "%.1f", kb / 1024 }'; }

cpu_model=$(awk -F': ' '/^model name/ { m = $2 } /^cpu family/ { f = $2 } /^model\t/ { n = $2 }
    /^flags/ && / hypervisor/ { v = ", a virtual machine" } END { printf "%s (family %s, model %s%s)", m, f, n, v }' /proc/cpuinfo)
qt_version=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo "?")
xpad_version=$(dpkg-query -W -f='${Version}' xpad 2>/dev/null || echo "?")
xpad_says=$(xpad --version 2>/dev/null | head -n 1)

{
echo
echo "Quillarren beside its floor and xpad, one run under Xvfb ${RW_SCREEN_W}x${RW_SCREEN_H} with openbox"
echo "command: $COMMAND_LINE   (COUNTS=\"$COUNTS\" REPS=$REPS NOTES=$NOTES IDLE_SECONDS=$IDLE_SECONDS ROUNDS=$ROUNDS"
echo "         LAT_KEYS=$LAT_KEYS XPAD_LAT_KEYS=$XPAD_LAT_KEYS CPU_KEYS=$CPU_KEYS CPU_DELAY=$CPU_DELAY CPU_REPS=$CPU_REPS BENCH_KEYS=$BENCH_KEYS STORE_SAVES=$STORE_SAVES)"
echo "machine: $cpu_model, $(nproc) cores, $(free -g | awk '/^Mem:/ { print $2 }') GB; Debian $(cat /etc/debian_version)," \
    "kernel $(uname -r); Qt $qt_version; xpad $xpad_version ($xpad_says)"
echo "load average (1, 5, 15 min): $LOAD_AT_START at the start, $LOAD_AT_END at the end; $(date -u '+%Y-%m-%d %H:%M UTC')"
echo
echo "1. Start-up: launch until all N windows mapped; peak memory (VmHWM) then, and of the memory then"
echo "   the private part (RssAnon: no shared libraries, no images shared with the X server)."
echo "   Medians of $REPS runs."
printf '%6s  %-11s  %10s  %15s  %11s  %13s\n' N program "time (ms)" "range (ms)" "VmHWM (MB)" "private (MB)"
for n in $COUNTS; do
    for kind in floor quillarren xpad; do
        printf '%6s  %-11s  %10s  %15s  %11s  %13s\n' "$n" "$kind" "$(med 4 start "$n" "$kind")" \
            "$(range 4 start "$n" "$kind")" "$(mb "$(med 5 start "$n" "$kind")")" "$(mb "$(med 6 start "$n" "$kind")")"
    done
done
echo
echo "2. Idle: $NOTES notes, one clicked, over $IDLE_SECONDS s after $SETTLE_SECONDS s. Medians of $ROUNDS rounds."
printf '%-11s  %8s  %14s  %10s  %9s\n' program "CPU (ms)" "run time (ms)" "% of core" wake-ups
for kind in quillarren xpad; do
    run_us=$(med 4 idle "$kind")
    printf '%-11s  %8s  %14s  %10s  %9s\n' "$kind" "$(med 3 idle "$kind")" "$(ms "$run_us")" \
        "$(awk -v us="$run_us" -v s="$IDLE_SECONDS" 'BEGIN { printf "%.3f", us / 1e4 / s }')" "$(med 5 idle "$kind")"
done
echo
echo "3. Key to disk, 10 KB note, keys one by one ($LAT_KEYS for the program, $XPAD_LAT_KEYS for xpad):"
echo "   until the character is in the file (ms)."
printf '%-34s  %8s  %8s  %8s\n' "" median p99 max
for kind in quillarren xpad; do
    printf '%-34s  %8s  %8s  %8s\n' "$kind" "$(ms "$(med 3 disk "$kind")")" "$(ms "$(pct 0.99 3 disk "$kind")")" \
        "$(ms "$(values 3 disk "$kind" | sort -n | tail -n 1)")"
done
printf '%-34s  %8s  %8s  %8s\n' "a plain X client (xev) has the key" "$(ms "$(med 2 client)")" "$(ms "$(pct 0.99 2 client)")" \
    "$(ms "$(values 2 client | sort -n | tail -n 1)")"
printf '%-34s  %8s  %8s  %8s\n' "harness: own write to its report" "$(ms "$(med 2 watch)")" "$(ms "$(pct 0.99 2 watch)")" \
    "$(ms "$(values 2 watch | sort -n | tail -n 1)")"
save=$(grep '^save 10KB:' "$RW_DIR/bench_store.txt")
save_median=$(echo "$save" | sed -n 's/.*median \([0-9.]*\) ms.*/\1/p')
save_p99=$(echo "$save" | sed -n 's/.*p99 \([0-9.]*\) ms.*/\1/p')
save_max=$(echo "$save" | sed -n 's/.*max \([0-9.]*\) ms.*/\1/p')
printf '%-34s  %8s  %8s  %8s\n' "bench_store save 10KB, in process" "$save_median" "$save_p99" "$save_max"
echo
echo "4. CPU per keystroke at the end of a note (ms per key)."
echo "   bench_keystroke: window thread, offscreen, $BENCH_KEYS keys (median, p99)."
echo "   Under Xvfb: the whole process, and the X server, $CPU_KEYS keys $CPU_DELAY ms apart until on disk and"
echo "   quiet, less idle; medians of $CPU_REPS runs."
printf '%8s  %17s  %17s  %17s\n' note "bench_keystroke" "quillarren + X" "xpad + X"
for kb in $SIZES_KB; do
    bk=$(awk -v kb="$kb" '$2 == "KB" && $1 == kb { printf "%.3f / %.3f", $3, $4 }' "$RW_DIR/bench_keystroke.txt")
    q="$(ms "$(med 4 cpu quillarren "$kb")") + $(ms "$(med 5 cpu quillarren "$kb")")"
    x="$(ms "$(med 4 cpu xpad "$kb")") + $(ms "$(med 5 cpu xpad "$kb")")"
    printf '%5s KB  %17s  %17s  %17s\n' "$kb" "${bk:--}" "$q" "$x"
done
echo
echo "Goals"
q100=$(med 4 start 100 quillarren); f100=$(med 4 start 100 floor); x100=$(med 4 start 100 xpad)
qm100=$(med 5 start 100 quillarren); xm100=$(med 5 start 100 xpad)
qa100=$(med 6 start 100 quillarren); xa100=$(med 6 start 100 xpad)
if [ "$q100" != - ] && [ "$x100" != - ]; then
    awk -v q="$q100" -v f="$f100" -v x="$x100" -v qm="$qm100" -v xm="$xm100" -v qa="$qa100" -v xa="$xa100" 'BEGIN {
        printf "  start-up, 100 notes, at most the floor'"'"'s:    %d ms vs %d ms: %s (%+d ms)\n", q, f, q <= f ? "met" : "missed", q - f
        printf "  start-up, 100 notes, 1.5x faster than xpad: %d ms vs %d ms, %.2fx: %s\n", q, x, x / q, (x / q >= 1.5) ? "met" : "missed"
        printf "  memory, 100 notes, at most 1/3 of xpad'"'"'s:   %.1f MB vs %.1f MB, %.2f of it: %s\n", qm / 1024, xm / 1024, qm / xm, (qm * 3 <= xm) ? "met" : "missed"
        printf "%45s(private memory %.1f MB vs %.1f MB, %.2f of it)\n", "", qa / 1024, xa / 1024, qa / xa
    }'
fi
awk -v q="$(med 4 idle quillarren)" -v x="$(med 4 idle xpad)" -v qw="$(med 5 idle quillarren)" -v xw="$(med 5 idle xpad)" 'BEGIN {
    printf "  idle CPU at most xpad'"'"'s:                 %.1f ms vs %.1f ms run time (%d vs %d wake-ups): %s\n", q / 1000, x / 1000, qw, xw, q <= x ? "met" : "missed" }'
awk -v p="$(pct 0.99 3 disk quillarren)" -v m="$(values 3 disk quillarren | sort -n | tail -n 1)" -v next_ms="$NEXT_KEY_MS" \
    -v s="$save_p99" -v c="$(pct 0.99 2 client)" 'BEGIN {
    printf "  key on disk before the next (%d ms later):  slowest of all %.3f ms: %s\n", next_ms, m / 1000, m / 1000 < next_ms ? "met" : "missed"
    printf "  10 KB key on disk, p99 below 1 ms:         in process (save) %.3f ms: %s; end to end %.3f ms: %s\n", s, s < 1 ? "met" : "missed", p / 1000, p / 1000 < 1 ? "met" : "missed"
    printf "%45s(of which the key'"'"'s way to any X client, p99 %.3f ms)\n", "", c / 1000 }'
awk -v b="$(awk '$2 == "KB" && $1 == 1024 { print $3 }' "$RW_DIR/bench_keystroke.txt")" \
    -v w="$(med 4 cpu quillarren 1024)" -v x="$(med 5 cpu quillarren 1024)" 'BEGIN {
    if (b == "") exit
    printf "  1 MB note, a key below 4 ms of CPU:        window thread %.3f ms: %s", b, b < 4 ? "met" : "missed"
    if (w != "-") printf "; whole process under Xvfb %.3f ms (+ X server %.3f ms): %s", w / 1000, x / 1000, w / 1000 < 4 ? "met" : "missed"
    printf "\n" }'
} | tee "$RW_DIR/table.txt"

# ---------------------------------------------------------------------------------------------
# The plots, from a copy of the figures kept beside them

mkdir -p "$PLOTS_DIR/compare-run" || rw_fail "could not make $PLOTS_DIR/compare-run"
cp "$results" "$RW_DIR/bench_keystroke.txt" "$RW_DIR/table.txt" "$PLOTS_DIR/compare-run/" ||
    rw_fail "could not keep the figures in $PLOTS_DIR/compare-run"
bash "$(dirname "$0")/plot.sh" "$PLOTS_DIR/compare-run" "$PLOTS_DIR" || rw_fail "bench/plot.sh could not draw the plots"
