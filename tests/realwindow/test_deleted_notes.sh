#!/usr/bin/env bash
# Deleting, then bringing back: Ctrl+D puts a note in the trash, `quillarren --deleted` lists it
# and `quillarren --restore ID` brings it back into the running copy at once, where it was; it is
# there after a restart. Then kill -9 at random moments around a Ctrl+D: every note is open or in
# the trash, never both and never neither.

source "$(dirname "$0")/lib.sh"
rw_setup

rw_seed "Total Forms" 3
rw_seed_note 1 1500 1500 "alpha"
rw_seed_note 2 6000 1500 "bravo"
rw_seed_note 3 1500 6000 "charlie"

q() { timeout 20 "$RW_BIN" "$@"; }
trash_texts() { rw_sqlite "SELECT json_extract(note, '$.\".Notes\"') FROM trash ORDER BY 1;"; }
open_texts() {
    rw_sqlite "SELECT value FROM settings WHERE key GLOB 'NotesForm*.Notes'
        AND CAST(substr(key, 10, instr(key, '.') - 10) AS INTEGER)
            <= (SELECT CAST(value AS INTEGER) FROM settings WHERE key = 'Total Forms') ORDER BY 1;"
}

rw_start_app
rw_wait_notes 3
rw_wait_note_at 400 100
xdotool mousemove 440 160 click 1
sleep 0.3
xdotool key ctrl+d
rw_wait_notes 2
rw_poll 5 eval '[ "$(trash_texts)" = bravo ]' || rw_fail "the trash holds '$(trash_texts)', not bravo"

q --deleted >"$RW_DIR/deleted.txt" 2>&1 || rw_fail "--deleted failed: $(cat "$RW_DIR/deleted.txt")"
grep -q '"bravo"' "$RW_DIR/deleted.txt" || rw_fail "--deleted does not list bravo: $(cat "$RW_DIR/deleted.txt")"
id=$(rw_sqlite "SELECT id FROM trash;")
q --restore "$id" >"$RW_DIR/restore.txt" 2>&1 || rw_fail "--restore failed: $(cat "$RW_DIR/restore.txt")"
rw_wait_notes 3 5
rw_wait_note_at 400 100 3
rw_expect_eq "trash after --restore" "" "$(trash_texts)"
status=0
q --restore "$id" >"$RW_DIR/again.txt" 2>&1 || status=$?
rw_expect_eq "exit status of restoring it twice" 1 "$status"

xdotool mousemove 140 160 click 1
sleep 0.3
xdotool key ctrl+q
rw_wait_app_exit 10
rw_start_app
rw_wait_notes 3
rw_wait_note_at 400 100
rw_expect_eq "open notes after a restart" "alpha
bravo
charlie" "$(open_texts)"
rw_stop_pid "$RW_APP_PID"
RW_APP_PID=""

# kill -9 around a delete, at a random moment from the key on.
all=$(printf '%s\n' alpha bravo charlie delta echo foxtrot golf hotel | sort)
rw_seed "Total Forms" 8
i=1
for t in delta echo foxtrot golf hotel; do
    rw_seed_note $((3 + i)) $((1500 + 1200 * i)) 3000 "$t"
    i=$((i + 1))
done
for round in $(seq 1 7); do
    rw_start_app
    count=$(rw_sqlite "SELECT value FROM settings WHERE key = 'Total Forms';")
    rw_wait_notes "$count" 20
    w=$(rw_note_windows | head -n 1)
    read -r x y _ _ <<<"$(rw_geometry "$w")"
    xdotool mousemove $((x + 40)) $((y + 60)) click 1
    sleep 0.2
    # The kill lands from before the key reaches the program to well after its delete.
    xdotool key ctrl+d &
    key_pid=$!
    sleep "$(printf '0.%03d' $((RANDOM % 25)))"
    rw_kill9_app
    wait "$key_pid"
    both=$( { open_texts; trash_texts; } | sort)
    [ "$both" = "$all" ] || rw_fail "round $round: open and deleted notes together are
$both
not
$all"
done
rw_log "$(trash_texts | grep -c .) of 7 Ctrl+D went through before their kill"
rw_pass
