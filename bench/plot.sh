#!/usr/bin/env bash
# Plots of the figures bench/compare.sh collects, as SVG files drawn by gnuplot:
#
#   bench-startup.svg    start-up time against the number of notes: the program, its floor, xpad
#                        (medians, bars from the fastest to the slowest run; both axes logarithmic,
#                        since 1 to 1000 notes take from tens of milliseconds to tens of seconds)
#   bench-memory.svg     peak memory (VmHWM) and its private part (RssAnon) against the number of
#                        notes (logarithmic, as above)
#   bench-keystroke.svg  CPU per keystroke against the note's size: the program and xpad under
#                        Xvfb, each alone and with the X server's part, and bench_keystroke's window
#                        thread
#
# Usage: bench/plot.sh RESULTS_DIR OUT_DIR
#   RESULTS_DIR holds compare.sh's "results" (its lines "start N KIND MS KB ANON_KB" and
#   "cpu KIND KB PROCESS_US X_US"), and when there, "bench_keystroke.txt" (bench_keystroke's
#   output) and "table.txt" (compare.sh's table, whose header names the machine).
# Needs gnuplot (Debian: gnuplot-nox).

set -u
RESULTS_DIR=${1:-}
OUT_DIR=${2:-}
[ -f "$RESULTS_DIR/results" ] && [ -n "$OUT_DIR" ] || {
    echo "usage: $0 RESULTS_DIR OUT_DIR   (RESULTS_DIR/results: bench/compare.sh's figures)" >&2
    exit 2
}
command -v gnuplot >/dev/null 2>&1 || { echo "$0: gnuplot is missing (Debian package gnuplot-nox)" >&2; exit 1; }
mkdir -p "$OUT_DIR" || exit 1
results=$RESULTS_DIR/results

# The figures as rows "KIND X VALUE" (X: the number of notes or the note's size).
startup_rows() { awk '$1 == "start" { print $3, $2, $4 }' "$results"; }
peak_rows() { awk '$1 == "start" { print $3, $2, $5 }' "$results"; }
private_rows() { awk '$1 == "start" { print $3, $2, $6 }' "$results"; }
process_rows() { awk '$1 == "cpu" { print $2, $3, $4 }' "$results"; }
with_x_rows() { awk '$1 == "cpu" { print $2, $3, ($4 == "-" || $5 == "-") ? "-" : $4 + $5 }' "$results"; }

# A data block for gnuplot from such rows: "X MEDIAN MIN MAX" per X for one kind, the values
# times SCALE; a value that is "-" or empty (a figure compare.sh could not take) is left out.
points() {   # rows-function kind scale
    "$1" | awk -v kind="$2" -v scale="$3" '
        function stats(list,    v, n, i, j, t) {
            n = split(list, v, " ")
            for (i = 2; i <= n; i++)   # insertion sort: a handful of runs per point
                for (j = i; j > 1 && v[j - 1] + 0 > v[j] + 0; j--) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
            return v[int((n + 1) / 2)] " " v[1] " " v[n]
        }
        $1 == kind && $3 != "" && $3 != "-" {
            if (!($2 in list)) xs[++count] = $2
            list[$2] = list[$2] " " ($3 * scale)
        }
        END { for (i = 1; i <= count; i++) print xs[i], stats(list[xs[i]]) }' | sort -g
}

# One block and one plot clause per series that has points: a missing program leaves no gap.
BLOCKS=""
CLAUSES=""
add() {   # name data clause
    [ -n "$2" ] || return 0
    BLOCKS="$BLOCKS\$$1 << EOD
$2
EOD
"
    CLAUSES="${CLAUSES:+$CLAUSES, }\$$1 $3"
}

draw() {   # file script
    if [ -z "$CLAUSES" ]; then
        echo "$0: no figures for $1 in $results" >&2
        return 1
    fi
    printf '%s\n%s\nplot %s\n' "$BLOCKS" "$2" "$CLAUSES" | gnuplot >"$OUT_DIR/$1" || {
        echo "$0: gnuplot could not draw $1" >&2
        return 1
    }
    BLOCKS=""
    CLAUSES=""
}

# Where and when, from the table's header: the first part of its machine line and the date.
about=""
if [ -f "$RESULTS_DIR/table.txt" ]; then
    machine=$(sed -n 's/^machine: \([^;]*\);.*/\1/p' "$RESULTS_DIR/table.txt" | head -n 1)
    when=$(sed -n 's/.*; \([0-9-]* [0-9:]* UTC\)$/\1/p' "$RESULTS_DIR/table.txt" | head -n 1)
    about="bench/compare.sh${when:+, $when}${machine:+; $machine}"
fi
about=${about//\'/}

COMMON="set terminal svg size 720,450 fixed noenhanced font 'DejaVu Sans,12' background rgb 'white'
set border 3 lc rgb '#555555'
set tics nomirror
set grid lc rgb '#dddddd' lw 1
set key top left reverse Left noautotitle samplen 2 spacing 1.2
set bmargin 5
set label 1 '$about' at screen 0.01, 0.025 font ',9' textcolor rgb '#777777'"

PROGRAM_COLOUR='#1f6fc5'
FLOOR_COLOUR='#8c8c8c'
XPAD_COLOUR='#d9621c'
STATUS=0

# Start-up time.
add quillarren "$(points startup_rows quillarren 1)" \
    "using 1:2:3:4 with yerrorlines lw 2 pt 7 ps 0.8 lc rgb '$PROGRAM_COLOUR' title 'Quillarren'"
add floor "$(points startup_rows floor 1)" \
    "using 1:2:3:4 with yerrorlines lw 2 pt 5 ps 0.7 dt 2 lc rgb '$FLOOR_COLOUR' title 'floor (plain Qt windows)'"
add xpad "$(points startup_rows xpad 1)" \
    "using 1:2:3:4 with yerrorlines lw 2 pt 9 ps 0.9 lc rgb '$XPAD_COLOUR' title 'xpad'"
draw bench-startup.svg "$COMMON
set title 'Start-up: from launch until every note is on screen'
set xlabel 'notes'
set ylabel 'ms (median; bar: fastest to slowest run)'
set logscale xy
set xrange [0.7:1400]
set format y '%g'" || STATUS=1

# Peak memory and its private part.
add quillarren "$(points peak_rows quillarren 0.0009765625)" \
    "using 1:2 with linespoints lw 2 pt 7 ps 0.8 lc rgb '$PROGRAM_COLOUR' title 'Quillarren, peak (VmHWM)'"
add floor "$(points peak_rows floor 0.0009765625)" \
    "using 1:2 with linespoints lw 2 pt 5 ps 0.7 lc rgb '$FLOOR_COLOUR' title 'floor, peak'"
add xpad "$(points peak_rows xpad 0.0009765625)" \
    "using 1:2 with linespoints lw 2 pt 9 ps 0.9 lc rgb '$XPAD_COLOUR' title 'xpad, peak'"
add quillarren_private "$(points private_rows quillarren 0.0009765625)" \
    "using 1:2 with linespoints lw 1.5 dt 3 pt 6 ps 0.8 lc rgb '$PROGRAM_COLOUR' title 'Quillarren, private (RssAnon)'"
add floor_private "$(points private_rows floor 0.0009765625)" \
    "using 1:2 with linespoints lw 1.5 dt 3 pt 4 ps 0.7 lc rgb '$FLOOR_COLOUR' title 'floor, private'"
add xpad_private "$(points private_rows xpad 0.0009765625)" \
    "using 1:2 with linespoints lw 1.5 dt 3 pt 8 ps 0.9 lc rgb '$XPAD_COLOUR' title 'xpad, private'"
draw bench-memory.svg "$COMMON
set title 'Memory once every note is on screen (medians)'
set key top left maxrows 3 width -2
set yrange [1:3000]
set xlabel 'notes'
set ylabel 'MB'
set logscale xy
set xrange [0.7:1400]
set format y '%g'" || STATUS=1

# CPU per keystroke. bench_keystroke prints "SIZE KB MEDIAN P99 MAX" rows.
window_thread=""
[ -f "$RESULTS_DIR/bench_keystroke.txt" ] &&
    window_thread=$(awk '$2 == "KB" && $1 ~ /^[0-9]+$/ { print $1, $3 }' "$RESULTS_DIR/bench_keystroke.txt" | sort -g)
add quillarren_x "$(points with_x_rows quillarren 0.001)" \
    "using 1:2 with linespoints lw 2 pt 7 ps 0.8 lc rgb '$PROGRAM_COLOUR' title 'Quillarren + X server'"
add quillarren "$(points process_rows quillarren 0.001)" \
    "using 1:2 with linespoints lw 1.5 dt 2 pt 6 ps 0.8 lc rgb '$PROGRAM_COLOUR' title 'Quillarren (its process)'"
add xpad_x "$(points with_x_rows xpad 0.001)" \
    "using 1:2 with linespoints lw 2 pt 9 ps 0.9 lc rgb '$XPAD_COLOUR' title 'xpad + X server'"
add xpad "$(points process_rows xpad 0.001)" \
    "using 1:2 with linespoints lw 1.5 dt 2 pt 8 ps 0.9 lc rgb '$XPAD_COLOUR' title 'xpad (its process)'"
add window_thread "$window_thread" \
    "using 1:2 with linespoints lw 1.5 dt 3 pt 4 ps 0.7 lc rgb '#2e8b57' title 'Quillarren window thread (bench_keystroke, offscreen)'"
draw bench-keystroke.svg "$COMMON
set title 'CPU per keystroke typed at the end of a note (medians)'
set xlabel 'note size (KB)'
set ylabel 'CPU per key (ms)'
set logscale x
set xrange [0.7:1500]
set yrange [0:*]
set offsets 0, 0, graph 0.35, 0   # room above the lines for the key
set xtics ('1' 1, '10' 10, '100' 100, '1 MB' 1024)" || STATUS=1

[ "$STATUS" = 0 ] && echo "plots: $OUT_DIR/bench-startup.svg, bench-memory.svg, bench-keystroke.svg"
exit "$STATUS"
