#!/usr/bin/env bash
# How often the program forces its writes onto the disk while the user types: bursts of typing
# under Xvfb with openbox, the program run under strace, fsync/fdatasync counted per burst and
# per keystroke. Every write should reach the disk within about a second, with syncs once per
# burst rather than once per keystroke.
#
# Usage: bench/durability.sh BUILD_DIR      Environment: BURSTS (default 5), KEYS (default 30).

QUILLARREN=$1/src/quillarren
BURSTS=${BURSTS:-5}
KEYS=${KEYS:-30}
set -- "$QUILLARREN"
source "$(dirname "$0")/../scripts/packages.sh"
install_missing strace
source "$(dirname "$0")/../tests/realwindow/lib.sh"
rw_setup

rw_seed "Total Forms" 1
rw_seed_note 1 1500 1500 "$(for i in $(seq 150); do printf 'a line of about seventy characters, to make a note of ten kilobytes\n'; done)"

trace=$RW_DIR/syncs.log
echo "--- start $(date +%T.%N)" >>"$RW_DIR/app.log"
strace -f -qq -y -ttt -e trace=fsync,fdatasync -o "$trace" "$RW_BIN" >>"$RW_DIR/app.log" 2>&1 &
RW_APP_PID=$!
rw_poll 15 eval '[ -n "$(xdotool search --all --onlyvisible --name "^Quillarren$" 2>/dev/null)" ]' ||
    rw_fail "the note did not show"
note=$(xdotool search --all --onlyvisible --name '^Quillarren$' | head -n 1)
xdotool windowactivate --sync "$note"
sleep 3   # start-up's own writes settle
: >"$trace.mark"
count_syncs() { grep -c -E 'fsync|fdatasync' "$trace" 2>/dev/null || echo 0; }
before=$(count_syncs)
for b in $(seq "$BURSTS"); do
    xdotool type --delay 30 "$(head -c "$KEYS" /dev/zero | tr '\0' 'k')"
    sleep 2
done
after=$(count_syncs)
rw_stored_contains NotesForm1.Notes "$(head -c "$KEYS" /dev/zero | tr '\0' 'k')" || rw_fail "the typing was not stored"
keys=$((BURSTS * KEYS))
syncs=$((after - before))
printf 'keystrokes typed: %d in %d bursts (each about %d ms, 2 s apart)\n' "$keys" "$BURSTS" $((KEYS * 30))
printf 'fsync + fdatasync calls: %d (%.2f per burst, %.3f per keystroke)\n' "$syncs" \
    "$(echo "$syncs / $BURSTS" | bc -l)" "$(echo "$syncs / $keys" | bc -l)"
main_thread=$(pgrep -P "$RW_APP_PID" | head -n 1)
on_main=$(grep -E 'fsync|fdatasync' "$trace" | tail -n +$((before + 1)) | grep -c "^$main_thread ")
printf 'of them on the window thread (the keystroke path): %d\n' "$on_main"
printf 'at start-up, before the typing: %d (%d on the window thread)\n' "$before" \
    "$(grep -E 'fsync|fdatasync' "$trace" | head -n "$before" | grep -c "^$main_thread ")"
