#!/usr/bin/env bash
# Never locked out, never frozen: a lock file left empty or garbled by a crash, a store another
# program holds while the user types (and a kill -9 meanwhile), a damaged store kept exactly as
# it was, and (as root) a store folder that cannot be written, where typing goes on and reaches
# the store once the folder can be written again.

source "$(dirname "$0")/lib.sh"
rw_setup

lock=$(dirname "$RW_STORE")/Quillarren.lock
rw_seed "Total Forms" 1
rw_seed_note 1 1500 1500 "kept"

# A message box of the program at start-up, answered with Return.
dismiss_box() {   # what it is about
    rw_poll 10 rw_dialog_open || rw_fail "no message box about $1 at start-up"
    xdotool windowactivate --sync "$(rw_dialog_window)" key Return
}

for content in "" "garbage that is no process id"; do
    printf '%s' "$content" >"$lock"
    rw_start_app
    rw_wait_notes 1
    rw_dialog_open && rw_fail "a message box came with a lock file holding '$content'"
    rw_kill9_app
done

# Another program holds the store while the user types: nothing waits, nothing is lost.
hold_store() {   # seconds
    { echo "BEGIN IMMEDIATE;"; sleep "$1"; echo "COMMIT;"; } | sqlite3 "$RW_STORE" &
    RW_HOLDER=$!
    sleep 0.3
}
typed=$(printf 'held%.0s' $(seq 25))   # 100 characters
rw_start_app
rw_wait_notes 1
rw_wait_note_at 100 100
note=$RW_WIN
xdotool windowactivate --sync "$note" key ctrl+End
hold_store 5
xdotool type --delay 15 "$typed"
rw_stored_contains NotesForm1.Notes "$typed" && rw_fail "the hold did not hold"
wait "$RW_HOLDER"
rw_poll 5 rw_stored_is NotesForm1.Notes "kept$typed" ||
    rw_fail "after the hold the store has '$(rw_get NotesForm1.Notes)'"

# The same, but the program is killed while the store is still held.
hold_store 4
xdotool type --delay 15 "$typed"
sleep 0.5
rw_kill9_app
wait "$RW_HOLDER"
rw_start_app
rw_wait_notes 1
rw_poll 5 rw_stored_is NotesForm1.Notes "kept$typed$typed" ||
    rw_fail "after a kill -9 during the hold the store has '$(rw_get NotesForm1.Notes)'"
rw_kill9_app

# A store whose first page is intact and whose table page is zeroed is kept byte for byte.
rm -f "$RW_STORE" "$RW_STORE-wal" "$RW_STORE-shm"
for i in $(seq 60); do rw_seed_note "$i" 1500 1500 "$(printf 'n%.0s' $(seq 200))"; done
dd if=/dev/zero of="$RW_STORE" bs=4096 seek=1 count=1 conv=notrunc 2>/dev/null
sum=$(sha256sum <"$RW_STORE")
rw_start_app
dismiss_box "the damaged store"
rw_wait_notes 1
kept=$(ls "$RW_STORE".damaged-* 2>/dev/null | head -n 1)
[ -n "$kept" ] || rw_fail "the damaged store was not kept aside"
rw_expect_eq "checksum of the kept store" "$sum" "$(sha256sum <"$kept")"
rw_kill9_app

# A store folder that cannot be written still shows its notes, and says changes are not kept.
if [ "$(id -u)" = 0 ]; then
    folder=$(dirname "$RW_STORE")
    rm -rf "$folder" && mkdir -p "$folder"
    if mount -t tmpfs -o size=4m tmpfs "$folder" 2>/dev/null; then
        trap 'cd /; umount "$folder" 2>/dev/null; rw_cleanup' EXIT
        rw_seed "Total Forms" 1
        rw_seed_note 1 1500 1500 "read only"
        mount -o remount,ro "$folder" || rw_fail "could not make the store folder read-only"
        rw_start_app
        dismiss_box "the read-only store"
        rw_wait_notes 1
        shot=$RW_DIR/readonly.png
        text_shown() { rw_screenshot "$shot"; [ "$(rw_ink_pixels "$shot" 100 124 120 18)" -gt 40 ]; }
        rw_poll 5 text_shown || rw_fail "the note of the read-only store shows no text"

        # Typing goes on meanwhile, and reaches the store once the folder can be written again.
        rw_wait_note_at 100 100
        xdotool windowactivate --sync "$RW_WIN" key ctrl+End type --delay 20 ", typed meanwhile"
        rw_expect_eq "active window while the store is read-only" "$RW_WIN" "$(xdotool getactivewindow)"
        rw_stored_is NotesForm1.Notes "read only" || rw_fail "the read-only store changed"
        mount -o remount,rw "$folder" || rw_fail "could not make the store folder writable again"
        rw_poll 10 rw_stored_is NotesForm1.Notes "read only, typed meanwhile" ||
            rw_fail "once writable the store has '$(rw_get NotesForm1.Notes)'"
    fi
fi

rw_pass
