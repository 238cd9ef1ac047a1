#!/usr/bin/env bash
# Notes holding very long lines (pasted keys, certificates, logs), under Xvfb with openbox.
#
# Start-up: one note is seeded with the text, the program launched, and two times taken from the
# launch: until the note window is mapped, and until it is painted (its text area shows the
# note's yellow with text on it). Texts, all of letters and digits, so with no place to break a
# line but anywhere:
#   1M-one-line     1 MiB without a line break
#   10M-one-line    10 MiB without a line break
#   10M-80-cols     10 MiB in lines of 80 characters, for comparison
# Typing: in the 1 MiB one-line note, the text cursor is put at the end of the line, then
#   one key         one character typed, until the store holds it
#   burst           KEYS characters typed at once, until the store holds all; time per key
# Typing times include starting xdotool and polling the store (every 20 ms) from outside.
#
# Usage: bench/longlines.sh BUILD_DIR            (takes src/quillarren)
#        bench/longlines.sh QUILLARREN
# Environment: REPS (default 3), KEYS (default 20), TIMEOUT seconds per measurement (default 120),
#              CASES (default "1M-one-line 10M-one-line 10M-80-cols").

if [ -d "${1:-}" ]; then
    QUILLARREN=$1/src/quillarren
else
    QUILLARREN=${1:-}
fi
REPS=${REPS:-3}
KEYS=${KEYS:-20}
TIMEOUT=${TIMEOUT:-120}
CASES=${CASES:-"1M-one-line 10M-one-line 10M-80-cols"}

source "$(dirname "$0")/../scripts/packages.sh"
install_missing xvfb openbox xdotool x11-utils imagemagick sqlite3 || exit 1

# The real-window test helpers give us the X server, openbox, a private XDG folder and the
# clean-up on exit.
set -- "$QUILLARREN"
source "$(dirname "$0")/../tests/realwindow/lib.sh"
rw_setup

NOTE_X=300
NOTE_Y=300
STRIP=24   # the band at the top of a note, above its text

now_ns() { date +%s%N; }
ms_since() { echo $((($(now_ns) - $1) / 1000000)); }

# FILE BYTES LINE: BYTES characters of letters and digits, a line break after every LINE
# characters (0: none).
make_text() {
    local file=$1 bytes=$2 line=$3
    local pattern=ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789
    if [ "$line" = 0 ]; then
        yes "$pattern" | tr -d '\n' | head -c "$bytes" >"$file"
    else
        yes "$pattern" | tr -d '\n' | fold -w "$line" | head -c "$bytes" >"$file"
    fi
}

# A store holding one note with the text of FILE, in a folder copied fresh for each launch.
seed_case() {   # name file
    local folder=$RW_DIR/seed-$1
    mkdir -p "$folder/Brimvale"
    sqlite3 -batch "$folder/Brimvale/Quillarren.sqlite3" <<EOF || rw_fail "could not seed $1"
BEGIN;
CREATE TABLE settings(application TEXT, section TEXT, key TEXT, value TEXT,
    PRIMARY KEY(application, section, key));
INSERT INTO settings VALUES('Brimvale', 'Quillarren', 'Total Forms', '1');
INSERT INTO settings VALUES('Brimvale', 'Quillarren', 'NotesForm1.Left', '$((NOTE_X * 15))');
INSERT INTO settings VALUES('Brimvale', 'Quillarren', 'NotesForm1.Top', '$((NOTE_Y * 15))');
INSERT INTO settings VALUES('Brimvale', 'Quillarren', 'NotesForm1.Notes', CAST(readfile('$2') AS TEXT));
COMMIT;
EOF
    local stored
    stored=$(sqlite3 -batch "$folder/Brimvale/Quillarren.sqlite3" \
        "SELECT length(value) FROM settings WHERE key = 'NotesForm1.Notes';")
    [ "$stored" = "$(stat -c %s "$2")" ] || rw_fail "seeded $stored characters for $1, expected $(stat -c %s "$2")"
}

note_mapped() { [ "$(rw_note_count)" -ge 1 ]; }

# The first lines of the text area are painted: mostly the note's yellow, with dark text on it.
# (Before its first paint a window shows whatever was below it.)
note_painted() {
    local shot=$RW_DIR/shot.png yellow dark
    import -window root -crop "110x30+$((NOTE_X + 4))+$((NOTE_Y + STRIP + 2))" +repage "$shot" 2>/dev/null || return 1
    yellow=$(convert "$shot" -fx '(abs(r - 1) + abs(g - 1) + abs(b - 0.753)) < 0.1' -format '%[fx:mean]' info: 2>/dev/null)
    dark=$(convert "$shot" -fx '(r + g + b) / 3 < 0.5' -format '%[fx:mean]' info: 2>/dev/null)
    awk -v y="${yellow:-0}" -v d="${dark:-0}" 'BEGIN { exit !(y > 0.5 && d > 0.02) }'
}

# Polls fast while the wait is short, slower later, where the poll would take CPU from the program.
wait_until() {   # t0 what command...
    local t0=$1 what=$2
    shift 2
    until "$@"; do
        rw_app_running || rw_fail "the program ended while waiting until $what"
        [ "$(ms_since "$t0")" -lt $((TIMEOUT * 1000)) ] || return 1
        if [ "$(ms_since "$t0")" -lt 2000 ]; then sleep 0.02; else sleep 0.1; fi
    done
}

stored_ends_with() {   # text
    local tail
    tail=$(rw_sqlite "SELECT substr(value, -${#1}) FROM settings WHERE key = 'NotesForm1.Notes';" 2>/dev/null)
    [ "$tail" = "$1" ]
}

# One launch: sets MAPPED and PAINTED (ms, or "timeout").
start_case() {   # name
    rm -rf "$XDG_CONFIG_HOME"
    cp -r "$RW_DIR/seed-$1" "$XDG_CONFIG_HOME"
    local t0
    t0=$(now_ns)
    rw_start_app
    MAPPED=timeout
    PAINTED=timeout
    wait_until "$t0" "mapped" note_mapped || return 0
    MAPPED=$(ms_since "$t0")
    wait_until "$t0" "painted" note_painted || return 0
    PAINTED=$(ms_since "$t0")
}

stop_app() {
    rw_stop_pid "$RW_APP_PID"
    RW_APP_PID=""
}

# In the painted 1 MiB note: to the end of the line, then one key and a burst. Sets ONE_KEY (ms)
# and PER_KEY (ms per key), or "timeout".
type_at_end() {
    local t0 burst
    ONE_KEY=timeout
    PER_KEY=timeout
    xdotool mousemove $((NOTE_X + 40)) $((NOTE_Y + STRIP + 40)) click 1
    sleep 0.3
    xdotool key ctrl+End
    sleep 1
    t0=$(now_ns)
    xdotool type --delay 0 x
    wait_until "$t0" "one key is stored" stored_ends_with x || return 0
    ONE_KEY=$(ms_since "$t0")
    sleep 0.5
    burst=$(printf 'y%.0s' $(seq "$KEYS"))
    t0=$(now_ns)
    xdotool type --delay 0 "$burst"
    wait_until "$t0" "$KEYS keys are stored" stored_ends_with "x$burst" || return 0
    PER_KEY=$(awk -v ms="$(ms_since "$t0")" -v n="$KEYS" 'BEGIN { printf "%.1f", ms / n }')
}

for name in $CASES; do
    case $name in
    1M-one-line) make_text "$RW_DIR/$name.txt" 1048576 0 ;;
    10M-one-line) make_text "$RW_DIR/$name.txt" 10485760 0 ;;
    10M-80-cols) make_text "$RW_DIR/$name.txt" 10485760 80 ;;
    *) rw_fail "unknown case $name" ;;
    esac
    seed_case "$name" "$RW_DIR/$name.txt"
done

results=$RW_DIR/results
: >"$results"
for rep in $(seq "$REPS"); do
    for name in $CASES; do
        start_case "$name"
        echo "start $name $MAPPED $PAINTED" >>"$results"
        rw_log "run $rep, $name: mapped $MAPPED ms, painted $PAINTED ms"
        if [ "$name" = 1M-one-line ] && [ "$PAINTED" != timeout ]; then
            type_at_end
            echo "type $name $ONE_KEY $PER_KEY" >>"$results"
            rw_log "run $rep, typing at the end of $name: one key $ONE_KEY ms, burst $PER_KEY ms per key"
        fi
        stop_app
    done
done

# Column COL of the lines KIND NAME, sorted; a run that timed out counts as ">" the limit.
column() {   # kind name col
    awk -v k="$1" -v n="$2" -v c="$3" -v limit=$((TIMEOUT * 1000)) \
        '$1 == k && $2 == n { print ($c == "timeout" ? limit " >" : $c " ") }' "$results" |
        sort -n | awk '{ print $2 $1 }'
}
median() { column "$@" | awk '{ v[NR] = $1 } END { print NR ? v[int((NR + 1) / 2)] : "-" }'; }
range() { column "$@" | awk '{ v[NR] = $1 } END { print NR ? v[1] "-" v[NR] : "-" }'; }

echo
echo "Long lines under Xvfb + openbox, medians of $REPS runs (ms)"
printf '%-14s  %10s  %10s  %17s\n' text mapped painted "painted range"
for name in $CASES; do
    printf '%-14s  %10s  %10s  %17s\n' "$name" "$(median start "$name" 3)" "$(median start "$name" 4)" \
        "$(range start "$name" 4)"
done
if grep -q '^type ' "$results"; then
    echo
    printf '%-34s  %10s  %17s\n' "typing at the end of 1M-one-line" median range
    printf '%-34s  %10s  %17s\n' "one key, until stored (ms)" "$(median type 1M-one-line 3)" "$(range type 1M-one-line 3)"
    printf '%-34s  %10s  %17s\n' "$KEYS keys at once, per key (ms)" "$(median type 1M-one-line 4)" "$(range type 1M-one-line 4)"
fi
