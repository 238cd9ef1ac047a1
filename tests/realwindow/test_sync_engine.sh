#!/usr/bin/env bash
# Two computers: two Quillarren copies, each with its own store, syncing through two folders that
# two real Syncthing instances on localhost carry between them. Typing on A reaches B's note; a
# delete on B puts A's copy in the trash; edits on both sides while they are cut off keep both
# texts, each in the window it was typed in; a conflict the engine resolves against A's latest
# text keeps that text in A's window; edits that take turns make no copies; kill -9 of A while it
# writes never leaves a partial file on B.

source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_syncthing.sh"
st_require
rw_setup

CONFIG_A=$RW_DIR/config-a
CONFIG_B=$RW_DIR/config-b
mkdir -p "$CONFIG_A/Brimvale" "$CONFIG_B/Brimvale"
st_start_pair "$RW_DIR/folder-a" "$RW_DIR/folder-b"

# The two stores; rw_seed and rw_get work on the store RW_STORE names.
on() { RW_STORE=$1/Brimvale/Quillarren.sqlite3; }
on "$CONFIG_A"
rw_seed "Total Forms" 1
rw_seed_note 1 1500 4500 "alpha"
on "$CONFIG_B"
rw_seed "Total Forms" 1
rw_seed_note 1 12000 4500 "bravo"

QUILL_A=""
QUILL_B=""
start() {   # side: starts that side's copy on its own store
    local config=$CONFIG_A var=QUILL_A
    [ "$1" = B ] && config=$CONFIG_B var=QUILL_B
    XDG_CONFIG_HOME=$config "$RW_BIN" >>"$RW_DIR/app-$1.log" 2>&1 &
    printf -v "$var" '%s' $!
    rw_track_pid $!
}
XDG_CONFIG_HOME=$CONFIG_A "$RW_BIN" --sync-folder "$ST_DIR_A" >/dev/null || rw_fail "--sync-folder on A failed"
XDG_CONFIG_HOME=$CONFIG_B "$RW_BIN" --sync-folder "$ST_DIR_B" >/dev/null || rw_fail "--sync-folder on B failed"
st_wait_connected
start A
start B

# What a side's store holds: its open notes' texts, and its deleted ones.
texts() {   # side
    on "$([ "$1" = A ] && echo "$CONFIG_A" || echo "$CONFIG_B")"
    rw_sqlite "SELECT value FROM settings WHERE key GLOB 'NotesForm*.Notes'
        AND CAST(substr(key, 10, instr(key, '.') - 10) AS INTEGER)
            <= (SELECT CAST(value AS INTEGER) FROM settings WHERE key = 'Total Forms') ORDER BY 1;"
}
deleted() {
    on "$([ "$1" = A ] && echo "$CONFIG_A" || echo "$CONFIG_B")"
    rw_sqlite "SELECT json_extract(note, '$.\".Notes\"') FROM trash ORDER BY 1;"
}
holds() { [ "$(texts "$1")" = "$2" ]; }
# A side's open note at a place (its stored left edge, which stays while it is typed in): its text.
text_at() {   # side left
    on "$([ "$1" = A ] && echo "$CONFIG_A" || echo "$CONFIG_B")"
    rw_sqlite "SELECT n.value FROM settings l JOIN settings n ON n.key = replace(l.key, '.Left', '.Notes')
        WHERE l.key GLOB 'NotesForm*.Left' AND l.value = $(rw_sql_quote "$2")
        AND CAST(substr(l.key, 10, instr(l.key, '.') - 10) AS INTEGER)
            <= (SELECT CAST(value AS INTEGER) FROM settings WHERE key = 'Total Forms');"
}
of_note() {   # side text suffix: a value of the open note that holds the text
    on "$([ "$1" = A ] && echo "$CONFIG_A" || echo "$CONFIG_B")"
    rw_sqlite "SELECT v.value FROM settings n JOIN settings v ON v.key = replace(n.key, '.Notes', '$3')
        WHERE n.key GLOB 'NotesForm*.Notes' AND n.value = $(rw_sql_quote "$2")
        AND CAST(substr(n.key, 10, instr(n.key, '.') - 10) AS INTEGER)
            <= (SELECT CAST(value AS INTEGER) FROM settings WHERE key = 'Total Forms');"
}
window_of() {   # side pid text: the window of the side's note that holds the text
    local left top w
    left=$(of_note "$1" "$3" .Left)
    top=$(of_note "$1" "$3" .Top)
    [ -n "$left" ] && [ -n "$top" ] || return 1
    for w in $(notes_of "$2"); do
        rw_window_at "$w" $((left / 15)) $((top / 15)) && echo "$w" && return 0
    done
    return 1
}
id_at() {   # side left
    on "$([ "$1" = A ] && echo "$CONFIG_A" || echo "$CONFIG_B")"
    rw_sqlite "SELECT i.value FROM settings l JOIN settings i ON i.key = replace(l.key, '.Left', '.Id')
        WHERE l.key GLOB 'NotesForm*.Left' AND l.value = $(rw_sql_quote "$2")
        AND CAST(substr(l.key, 10, instr(l.key, '.') - 10) AS INTEGER)
            <= (SELECT CAST(value AS INTEGER) FROM settings WHERE key = 'Total Forms');"
}
no_copies() { ! ls "$ST_DIR_A" "$ST_DIR_B" | grep -q sync-conflict; }
notes_of() { xdotool search --all --onlyvisible --pid "$1" --name '^Quillarren$' 2>/dev/null; }
windows_of() { notes_of "$1" | grep -c .; }
# Types into a note window of one copy: the window is made active, its text has the keyboard.
type_into() {   # window text
    xdotool windowactivate --sync "$1" 2>/dev/null
    read -r x y _ _ <<<"$(rw_geometry "$1")"
    xdotool mousemove $((x + 40)) $((y + 60)) click 1
    sleep 0.3
    xdotool key End
    xdotool type --delay 30 "$2"
}

rw_poll 30 holds A "alpha
bravo" || rw_fail "A holds '$(texts A)', not both notes"
rw_poll 30 holds B "alpha
bravo" || rw_fail "B holds '$(texts B)', not both notes"
rw_poll 10 eval '[ "$(windows_of "$QUILL_B")" = 2 ]' || rw_fail "B shows $(windows_of "$QUILL_B") notes, not 2"

# Typing on A reaches B's open note.
alpha_a=$(notes_of "$QUILL_A" | while read -r w; do rw_window_at "$w" 100 300 && echo "$w"; done)
[ -n "$alpha_a" ] || rw_fail "A's own note is not at 100,300"
type_into "$alpha_a" " one"
t0=$(date +%s%N)
rw_poll 30 holds B "alpha one
bravo" || rw_fail "typing on A did not reach B: B holds '$(texts B)'"
rw_log "a pause in the typing on A to B's store: $((($(date +%s%N) - t0) / 1000000)) ms"

# A delete on B puts A's copy in the trash.
bravo_b=$(notes_of "$QUILL_B" | while read -r w; do rw_window_at "$w" 800 300 && echo "$w"; done)
[ -n "$bravo_b" ] || rw_fail "B's own note is not at 800,300"
type_into "$bravo_b" ""
xdotool key ctrl+d
rw_poll 30 eval '[ "$(deleted A)" = bravo ]' || rw_fail "a delete on B left A's trash '$(deleted A)'"
rw_expect_eq "A's open notes after the delete on B" "alpha one" "$(texts A)"

# Cut off from each other, both change the same note: both texts end up on both sides, and each
# side's window keeps what was typed in it.
left_b=$(of_note B "alpha one" .Left)
[ -n "$left_b" ] || rw_fail "B has no note 'alpha one'"
st_pause A
type_into "$alpha_a" " by a"
type_into "$(notes_of "$QUILL_B" | head -n 1)" " by b"
sleep 3   # both have written their files
st_resume A
st_wait_in_sync 30
both="alpha one by a
alpha one by b"
rw_poll 30 holds A "$both" || rw_fail "after edits on both sides A holds '$(texts A)'"
rw_poll 30 holds B "$both" || rw_fail "after edits on both sides B holds '$(texts B)'"
rw_expect_eq "A's note after edits on both sides" "alpha one by a" "$(text_at A 1500)"
rw_expect_eq "B's note after edits on both sides" "alpha one by b" "$(text_at B "$left_b")"
# Syncthing's conflict copy of the note became that second note, and went.
rw_poll 10 no_copies || rw_fail "a conflict copy stayed: $(ls "$ST_DIR_A" "$ST_DIR_B")"

# The engine resolves a conflict against A's latest text: it goes to a conflict copy, another
# version takes the note's name. A's window keeps its text; every text is in a note on both.
type_into "$alpha_a" " MINE-A"
sleep 4   # written, and carried to B
id=$(id_at A 1500)
[ -f "$ST_DIR_A/$id.json" ] || rw_fail "A's note has no file: $(ls "$ST_DIR_A")"
sed 's/alpha one by a MINE-A/alpha one by a OTHER/' "$ST_DIR_A/$id.json" >"$ST_DIR_A/.other.tmp"
mv "$ST_DIR_A/$id.json" "$ST_DIR_A/$id.sync-conflict-20261210-143000-AAAAAAA.json"
mv "$ST_DIR_A/.other.tmp" "$ST_DIR_A/$id.json"
all="alpha one by a MINE-A
alpha one by a OTHER
alpha one by b"
rw_poll 30 holds A "$all" || rw_fail "after the engine's conflict A holds '$(texts A)'"
rw_poll 30 holds B "$all" || rw_fail "after the engine's conflict B holds '$(texts B)'"
rw_expect_eq "A's note after the engine's conflict" "alpha one by a MINE-A" "$(text_at A 1500)"
rw_poll 10 no_copies || rw_fail "a conflict copy stayed: $(ls "$ST_DIR_A" "$ST_DIR_B")"

# Edits that take turns, each after the other arrived, are no conflicts: no note more.
window_b=$(window_of B "$QUILL_B" "alpha one by a MINE-A") || rw_fail "B shows no window for 'alpha one by a MINE-A'"
text="alpha one by a MINE-A"
for turn in 1 2 3; do
    type_into "$alpha_a" " a$turn"
    text="$text a$turn"
    rw_poll 30 eval '[ -n "$(of_note B "$text" .Left)" ]' || rw_fail "turn $turn: A's edit did not reach B: '$(texts B)'"
    type_into "$window_b" " b$turn"
    text="$text b$turn"
    rw_poll 30 eval '[ "$(text_at A 1500)" = "$text" ]' || rw_fail "turn $turn: B's edit did not reach A: '$(texts A)'"
done
rw_expect_eq "notes on A after edits that took turns" 3 "$(texts A | wc -l)"
rw_poll 10 eval '[ "$(texts B | wc -l)" = 3 ]' || rw_fail "B holds '$(texts B)' after edits that took turns"

# kill -9 of A in the middle of its writes: B never gets a partial file, nor a temporary one.
for round in 1 2 3 4; do
    type_into "$(notes_of "$QUILL_A" | head -n 1)" " $round$round$round"
    sleep "2.$((RANDOM % 10))"
    kill -KILL "$QUILL_A"
    wait "$QUILL_A" 2>/dev/null
    st_wait_in_sync 30
    for f in "$ST_DIR_B"/*.json; do
        "$ST_PY" -c 'import json, sys; json.load(open(sys.argv[1]))' "$f" 2>/dev/null ||
            rw_fail "round $round: $f on B is not a whole file"
    done
    ls -a "$ST_DIR_B" | grep -q 'quillarren' && rw_fail "round $round: a temporary file reached B: $(ls -a "$ST_DIR_B")"
    start A
    rw_poll 20 eval '[ "$(windows_of "$QUILL_A")" -ge 1 ]' || rw_fail "A did not come back after the kill"
done
rw_pass
