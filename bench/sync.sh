#!/usr/bin/env bash
# The sync folder, measured under Xvfb with openbox:
#   1. start-up with a store of N notes, with and without a sync folder holding their N files
#      (in step with the store, as after a first sync): launch until all N windows are mapped,
#      and the CPU the program used in its first 5 s, its first look at the folder included;
#      REPS runs of each, interleaved;
#   2. a key typed on computer A until it is in computer B's store: two copies of the program,
#      each on its own store and folder, and two Syncthing instances on localhost carrying the
#      folders; KEYS keys, each typed after the last one arrived.
#
# Usage: bench/sync.sh BUILD_DIR      Environment: N (1000), REPS (5), KEYS (10)

QUILLARREN=$(cd "$1" && pwd)/src/quillarren
N=${N:-1000}
REPS=${REPS:-5}
KEYS=${KEYS:-10}
set -- "$QUILLARREN"
source "$(dirname "$0")/../tests/realwindow/lib.sh"
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/../tests/realwindow/lib_syncthing.sh"
st_require
rw_setup

ms_since() { echo $((($(now_ns) - $1) / 1000000)); }

# --- 1. start-up
FOLDER=$RW_DIR/sync-folder
seed_quillarren_store "$RW_DIR/plain" "$N" floor
cp -r "$RW_DIR/plain" "$RW_DIR/synced"
mkdir -p "$FOLDER"
XDG_CONFIG_HOME=$RW_DIR/synced "$QUILLARREN" --sync-folder "$FOLDER" >/dev/null || rw_fail "--sync-folder failed"
# A first run writes the N files and records that store and folder agree; its end is the seed.
launch quillarren "$RW_DIR/synced" "$N"
rw_poll 120 eval '[ "$(ls "$FOLDER" | grep -c json)" -ge "$N" ]' || rw_fail "the first run wrote $(ls "$FOLDER" | wc -l) files"
sleep 2
stop_app
cp -r "$FOLDER" "$RW_DIR/folder-seed"

run_once() {   # plain|synced: prints "MS CPU_MS"
    local config=$RW_DIR/run-config t0 t1 before
    rm -rf "$config" "$FOLDER"
    cp -r "$RW_DIR/$1" "$config"
    cp -r "$RW_DIR/folder-seed" "$FOLDER"
    t0=$(now_ns)
    launch quillarren "$config" "$N"
    while [ "$(managed_count)" -lt "$N" ]; do
        rw_app_running || rw_fail "the program ended before showing $N windows"
        sleep 0.05
    done
    t1=$(now_ns)
    sleep $((5 - (t1 - t0) / 1000000000 > 0 ? 5 - (t1 - t0) / 1000000000 : 0))
    read -r ticks _ _ <<<"$(sample "$RW_APP_PID")"
    stop_app
    rw_poll 60 none_managed || rw_fail "windows stayed on screen"
    echo "$(((t1 - t0) / 1000000)) $((ticks * TICK_MS))"
}
: >"$RW_DIR/plain.txt"
: >"$RW_DIR/synced.txt"
for rep in $(seq "$REPS"); do
    for kind in plain synced; do
        line=$(run_once "$kind")
        rw_log "start-up, $N notes, $kind, run $rep: $line (ms to all windows, CPU ms in the first 5 s)"
        echo "$line" >>"$RW_DIR/$kind.txt"
    done
done

# --- 2. a key from A to B
CONFIG_A=$RW_DIR/config-a
CONFIG_B=$RW_DIR/config-b
seed_quillarren_store "$CONFIG_A" 1 spread
mkdir -p "$CONFIG_B/Brimvale"
st_start_pair "$RW_DIR/folder-a" "$RW_DIR/folder-b"
XDG_CONFIG_HOME=$CONFIG_A "$QUILLARREN" --sync-folder "$ST_DIR_A" >/dev/null
XDG_CONFIG_HOME=$CONFIG_B "$QUILLARREN" --sync-folder "$ST_DIR_B" >/dev/null
st_wait_connected
XDG_CONFIG_HOME=$CONFIG_A "$QUILLARREN" >>"$RW_DIR/app-a.log" 2>&1 &
rw_track_pid $!
pid_a=$!
XDG_CONFIG_HOME=$CONFIG_B "$QUILLARREN" >>"$RW_DIR/app-b.log" 2>&1 &
rw_track_pid $!
b_has() {
    sqlite3 -batch -cmd '.timeout 2000' "$CONFIG_B/Brimvale/Quillarren.sqlite3" \
        "SELECT 1 FROM settings WHERE key GLOB 'NotesForm*.Notes' AND value LIKE '%$1%';" 2>/dev/null | grep -q 1
}
rw_poll 60 b_has "note 1" || rw_fail "A's note did not reach B"
w=$(xdotool search --all --onlyvisible --pid "$pid_a" --name '^Quillarren$' | head -n 1)
xdotool windowactivate --sync "$w"
read -r x y _ _ <<<"$(rw_geometry "$w")"
xdotool mousemove $((x + 40)) $((y + 60)) click 1
xdotool key End
: >"$RW_DIR/keys.txt"
for k in $(seq "$KEYS"); do
    letter=$(printf "\\x$(printf %x $((96 + k)))")
    t0=$(now_ns)
    xdotool type "$letter"
    expected="note 1$(printf '%s' abcdefghijklmnopqrstuvwxyz | cut -c1-"$k")"
    while ! b_has "$expected"; do
        [ $(($(now_ns) - t0)) -lt 60000000000 ] || rw_fail "key $k did not reach B"
        sleep 0.02
    done
    ms_since "$t0" >>"$RW_DIR/keys.txt"
done

p99() { sort -n | awk '{ v[NR] = $1 } END { i = int(NR * 0.99 + 0.999); if (i < 1) i = 1; print v[i] }'; }
echo
echo "The sync folder, measured under Xvfb with openbox; $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "command: bench/sync.sh BUILD_DIR   (N=$N REPS=$REPS KEYS=$KEYS); Syncthing $(syncthing --version | cut -d' ' -f2)"
echo "start-up, $N notes, median of $REPS:  to all windows (ms)   CPU in the first 5 s (ms)"
for kind in plain synced; do
    printf '  %-28s %10s %22s\n' "$([ "$kind" = plain ] && echo "without a sync folder" || echo "with a $N-note sync folder")" \
        "$(cut -d' ' -f1 "$RW_DIR/$kind.txt" | median)" "$(cut -d' ' -f2 "$RW_DIR/$kind.txt" | median)"
done
echo "a key typed on A until it is in B's store, $KEYS keys (ms): median $(median <"$RW_DIR/keys.txt"), p99 $(p99 <"$RW_DIR/keys.txt"), max $(sort -n "$RW_DIR/keys.txt" | tail -n 1)"
rw_pass >/dev/null
