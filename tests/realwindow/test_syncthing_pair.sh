#!/bin/bash
# The Syncthing pair the sync tests stand on: it comes up, carries a change each way through the
# watcher alone, and a conflict leaves Syncthing's conflict copy on both sides. Prints how long each
# took, to plan the sync tests by. Needs no display and not the program.

. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/lib_syncthing.sh"

st_require

ms_since() { echo $((($(date +%s%N) - $1) / 1000000)); }

has_text() { [ -f "$1" ] && [ "$(cat "$1")" = "$2" ]; }

t0=$(date +%s%N)
st_start_pair "$RW_DIR/folder-a" "$RW_DIR/folder-b"
st_wait_connected
rw_log "pair up and connected in $(ms_since "$t0") ms"

# No scans asked for here: what carries a file across is the watcher, as it will be for notes.
printf 'from A\n' >"$ST_DIR_A/note.json.part"
mv "$ST_DIR_A/note.json.part" "$ST_DIR_A/note.json"
t0=$(date +%s%N)
rw_poll 15 has_text "$ST_DIR_B/note.json" 'from A' || rw_fail "a file written on A did not reach B"
rw_log "A to B in $(ms_since "$t0") ms"
st_wait_in_sync

printf 'changed on B\n' >"$ST_DIR_B/note.json"
t0=$(date +%s%N)
rw_poll 15 has_text "$ST_DIR_A/note.json" 'changed on B' || rw_fail "a change on B did not reach A"
rw_log "B to A in $(ms_since "$t0") ms"

# st_wait_in_sync must take in a file written just before it, before the watcher would.
printf 'late\n' >"$ST_DIR_A/late.json"
st_wait_in_sync
has_text "$ST_DIR_B/late.json" late || rw_fail "st_wait_in_sync returned before a file written just before it was on B"

t0=$(date +%s%N)
st_make_conflict note.json 'text of A' 'text of B'
rw_log "conflict round in $(ms_since "$t0") ms"
for side in A B; do
    dir=$(st_var DIR "$side")
    copies=$(st_conflict_copies "$side" note.json)
    rw_expect_eq "conflict copies on $side" 1 "$(grep -c . <<<"$copies")"
    # <name>.sync-conflict-<date>-<time>-<device>.<ext>: the device is the one whose version won (B)
    [[ $(basename "$copies") =~ ^note\.sync-conflict-[0-9]{8}-[0-9]{6}-${ST_ID_B:0:7}\.json$ ]] ||
        rw_fail "conflict copy on $side is named '$(basename "$copies")'"
    rw_expect_eq "conflict copy on $side" 'text of A' "$(cat "$copies")"
    rw_expect_eq "note.json on $side" 'text of B' "$(cat "$dir/note.json")"
done
rw_log "conflict copy: $(basename "$ST_CONFLICT_A")"

rw_pass
