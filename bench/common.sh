# Helpers shared by the benchmarks that run the program, its floor (bench/floor.cpp) and xpad
# under Xvfb with openbox. Source it after tests/realwindow/lib.sh (which starts the X server and
# ends everything at exit), with QUILLARREN set to the program and, for the floor, FLOOR.
#
#   seed_quillarren_store FOLDER N LAYOUT [TEXT_FILE]   a store of N notes under FOLDER/Brimvale
#   seed_xpad_folder FOLDER N LAYOUT [TEXT_FILE]        the same notes as xpad's files in FOLDER
#   launch KIND CONFIG N                                starts floor|quillarren|xpad, sets RW_APP_PID
#   startup_measure KIND N                              one start-up: sets MS and KB
#   idle_measure KIND NOTES CONFIG                      one idle stretch: sets IDLE_LINE
#   sample PID                                          "CPU_TICKS RUN_NS SWITCHES" of a process
#   median, managed_count, now_ns

now_ns() { date +%s%N; }

median() { sort -n | awk '{ v[NR] = $1 } END { print NR ? v[int((NR + 1) / 2)] : "-" }'; }

# The size of a new note; xpad's files want one.
NOTE_W=133
NOTE_H=157

# Where note I (from 0) goes in a layout:
#   floor   the floor program's places: rows of 40, 28 px apart, rows 34 px apart
#   spread  rows of 5, 250 px apart, rows 240 px apart: each note's text can be clicked
place_x() {   # layout i
    case $1 in
    floor) echo $((10 + ($2 % 40) * 28)) ;;
    spread) echo $((20 + ($2 % 5) * 250)) ;;
    esac
}
place_y() {
    case $1 in
    floor) echo $((10 + ($2 / 40) * 34)) ;;
    spread) echo $((20 + ($2 / 5) * 240)) ;;
    esac
}

# N notes, "note I" each, at the layout's places; note 1 holds TEXT_FILE's text when given.
seed_quillarren_store() {   # folder n layout [text_file]
    local folder=$1 n=$2 layout=$3 text_file=${4:-} i text
    mkdir -p "$folder/Brimvale"
    {
        echo "BEGIN;"
        echo "CREATE TABLE IF NOT EXISTS settings(application TEXT, section TEXT, key TEXT, value TEXT,"
        echo "    PRIMARY KEY(application, section, key));"
        echo "INSERT OR REPLACE INTO settings VALUES('Brimvale', 'Quillarren', 'Total Forms', '$n');"
        for ((i = 0; i < n; i++)); do
            text="'note $((i + 1))'"
            [ "$i" = 0 ] && [ -n "$text_file" ] && text="CAST(readfile('$text_file') AS TEXT)"
            echo "INSERT OR REPLACE INTO settings VALUES('Brimvale', 'Quillarren', 'NotesForm$((i + 1)).Left', '$(($(place_x "$layout" $i) * 15))');"
            echo "INSERT OR REPLACE INTO settings VALUES('Brimvale', 'Quillarren', 'NotesForm$((i + 1)).Top', '$(($(place_y "$layout" $i) * 15))');"
            echo "INSERT OR REPLACE INTO settings VALUES('Brimvale', 'Quillarren', 'NotesForm$((i + 1)).Notes', $text);"
            # Ids as every store has them after its first start (which gives them once).
            echo "INSERT OR REPLACE INTO settings VALUES('Brimvale', 'Quillarren', 'NotesForm$((i + 1)).Id', '$(printf '%08x-0000-4000-8000-%012x' $((i + 1)) $((i + 1)))');"
        done
        echo "COMMIT;"
    } | sqlite3 -batch "$folder/Brimvale/Quillarren.sqlite3" || rw_fail "could not seed $folder"
}

# xpad keeps one "info-XXXXXX" file per pad (its place, size and look) naming a "content-XXXXXX"
# file with its text, both in $XDG_CONFIG_HOME/xpad.
seed_xpad_folder() {   # folder n layout [text_file]
    local folder=$1 n=$2 layout=$3 text_file=${4:-} i id
    rm -rf "$folder"
    mkdir -p "$folder"
    for ((i = 0; i < n; i++)); do
        id=$(printf '%06d' $((i + 1)))
        if [ "$i" = 0 ] && [ -n "$text_file" ]; then
            cp "$text_file" "$folder/content-$id"
        else
            printf 'note %d\n' $((i + 1)) >"$folder/content-$id"
        fi
        cat >"$folder/info-$id" <<EOF
width $NOTE_W
height $NOTE_H
x $(place_x "$layout" $i)
y $(place_y "$layout" $i)
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

# Starts one program on its own XDG config folder CONFIG (the floor has none and opens N windows).
launch() {   # floor|quillarren|xpad config n
    echo "--- $1 start $(date +%T.%N)" >>"$RW_DIR/app.log"
    case $1 in
    quillarren) XDG_CONFIG_HOME=$2 "$QUILLARREN" >>"$RW_DIR/app.log" 2>&1 & ;;
    xpad) XDG_CONFIG_HOME=$2 xpad >>"$RW_DIR/app.log" 2>&1 & ;;
    floor) "$FLOOR" "$3" >>"$RW_DIR/app.log" 2>&1 & ;;
    *) rw_fail "unknown program $1" ;;
    esac
    RW_APP_PID=$!
}

stop_app() {
    rw_stop_pid "$RW_APP_PID"
    RW_APP_PID=""
}

# Windows the window manager has taken on (it maps each one as it takes it on). One round trip,
# where asking every window for its owner and map state takes seconds with 1000 windows.
managed_count() {
    xprop -root _NET_CLIENT_LIST 2>/dev/null | tr ',' '\n' | grep -c '0x'
}

none_managed() { [ "$(managed_count)" -eq 0 ]; }

# One start-up from the seeds $RW_DIR/seed-N (the program's store) or $RW_DIR/xpad-seed-N (xpad's
# folder), copied fresh: sets MS (launch until the window manager has all N windows), KB (peak
# resident memory, VmHWM, then) and ANON_KB (of the resident memory then, the program's private
# part: without the pages of shared libraries and of the images it shares with the X server).
startup_measure() {   # floor|quillarren|xpad n
    local kind=$1 n=$2 t0 t1 hwm viewable config=$RW_DIR/run-config
    rm -rf "$config"
    case $kind in
    quillarren) cp -r "$RW_DIR/seed-$n" "$config" ;;
    xpad) mkdir -p "$config" && cp -r "$RW_DIR/xpad-seed-$n" "$config/xpad" ;;
    esac
    t0=$(now_ns)
    launch "$kind" "$config" "$n"
    # Fine polling for the short starts, coarse for the long ones, where the poll's own processes
    # would take CPU from the program being measured.
    while [ "$(managed_count)" -lt "$n" ]; do
        rw_app_running || rw_fail "$kind ended before showing $n windows"
        if [ $(($(now_ns) - t0)) -lt 1000000000 ]; then sleep 0.01; else sleep 0.1; fi
    done
    t1=$(now_ns)
    hwm=$(awk '/^VmHWM:/ { print $2 }' "/proc/$RW_APP_PID/status")
    ANON_KB=$(awk '/^RssAnon:/ { print $2 }' "/proc/$RW_APP_PID/status")
    # Outside the timing: every one of them is really on screen, and they are this program's.
    # xpad sometimes names its process on its windows a moment after they are mapped.
    viewable_now() {
        viewable=$(xdotool search --maxdepth 2 --onlyvisible --pid "$RW_APP_PID" 2>/dev/null | grep -c .)
        [ "$viewable" = "$n" ]
    }
    rw_poll 10 viewable_now || rw_fail "$kind with N=$n: $viewable windows viewable, expected $n"
    stop_app
    rw_poll 60 none_managed || rw_fail "windows of $kind stayed on screen after it ended"
    MS=$(((t1 - t0) / 1000000))
    KB=$hwm
    [ -n "$KB" ] || rw_fail "no memory figure for $kind with N=$n"
}

# Sums over the whole process: "CPU_TICKS RUN_NS SWITCHES" (utime + stime in clock ticks, the
# time its threads were on a CPU, voluntary + involuntary context switches of its threads).
sample() {   # pid
    local pid=$1
    awk '{ printf "%d ", $14 + $15 }' "/proc/$pid/stat"
    cat /proc/"$pid"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%.0f ", s }'
    cat /proc/"$pid"/task/*/status 2>/dev/null | awk '/^(non)?voluntary_ctxt_switches:/ { s += $2 } END { print s }'
}

TICK_MS=$((1000 / $(getconf CLK_TCK)))

notes_shown() {   # count
    [ "$(xdotool search --onlyvisible --pid "$RW_APP_PID" --name '^(Quillarren|note [0-9]+)$' 2>/dev/null |
        grep -c .)" -ge "$1" ]
}

note_active() {
    local active
    active=$(xdotool getactivewindow 2>/dev/null) || return 1
    xdotool search --onlyvisible --pid "$RW_APP_PID" 2>/dev/null | grep -qx "$active"
}

# Clicks the text of the first note of the spread layout, below the strip a note is moved by,
# and waits until that note is the active window.
click_first_note() {
    xdotool mousemove $(($(place_x spread 0) + 60)) $(($(place_y spread 0) + 80)) click 1
    rw_poll 5 note_active || rw_fail "the click did not make a note the active window"
}

# One idle stretch of a program whose NOTES notes (spread layout) are seeded under CONFIG: start,
# click the first note's text as a user leaves it after typing, settle SETTLE_SECONDS, leave it
# alone for IDLE_SECONDS, stop. Sets IDLE_LINE to "CPU_MS RUN_US SWITCHES" over that stretch.
idle_measure() {   # quillarren|xpad notes config
    local kind=$1 notes=$2 before after
    launch "$kind" "$3" "$notes"
    rw_poll 30 notes_shown "$notes" || rw_fail "$kind did not show $notes notes"
    click_first_note
    sleep "$SETTLE_SECONDS"
    rw_app_running || rw_fail "$kind ended"
    before=($(sample "$RW_APP_PID"))
    sleep "$IDLE_SECONDS"
    after=($(sample "$RW_APP_PID"))
    rw_app_running || rw_fail "$kind ended while idle"
    IDLE_LINE="$(((after[0] - before[0]) * TICK_MS)) $(((after[1] - before[1]) / 1000)) $((after[2] - before[2]))"
    stop_app
}
