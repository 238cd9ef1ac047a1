#!/usr/bin/env bash
# kill -9 at any moment loses nothing that was stored. First once with nothing going on: typed
# text is stored at once and shown again after the kill. Then round after round the program is
# started, a typist types into several notes, creates notes (Ctrl+N) and deletes them (Ctrl+D, answering
# No to the last-note question), and the program is killed at a random moment, from its start-up
# to well into the typing. The program stores every change before it paints it, so what the store
# held at the kill is what the user saw.
#
# After each kill the store (read from a copy: the program itself must recover the original) must
# hold one of the states the typist's actions pass through, in order, the last action cut short
# anywhere: every note that was there, once, in its place, its text an unbroken run of what was
# typed into it, and "Total Forms" counting exactly those notes. The next start must show exactly
# those notes, and start the next round from exactly that store.
#
# Each new note is given an id "[n]" first, so that a note shown twice, lost, or carrying another
# note's text is told apart. QUILLARREN_KILL9_SEED repeats a run's choices (not its timing);
# QUILLARREN_KILL9_ROUNDS shortens it.

source "$(dirname "$0")/lib.sh"
rw_setup

seed=${QUILLARREN_KILL9_SEED:-$(date +%s)}
rounds=${QUILLARREN_KILL9_ROUNDS:-200}
rw_log "seed $seed, $rounds rounds (repeat with QUILLARREN_KILL9_SEED=$seed)"
RANDOM=$seed

# With key repeat on, a key held when its typist is killed would repeat into nothing, and a slow
# machine could make a typed key repeat.
xset r off || rw_fail "could not turn key repeat off"
# A key the typist had down stays down in the X server, and would swallow its next press.
release_keys=(Control_L End Escape bracketleft bracketright $(echo {a..z} {0..9}))

most_notes=6
letters=abcdefghijklmnopqrstuvwxyz
copy=$RW_DIR/copy

joined() { local IFS=$'\x1f'; printf '%s' "$*"; }
shown() { joined "$@" | tr '\037' '|'; }

# Reads the note texts of slots 1 … "Total Forms" into STORED, from a copy of the store's files
# (reading the store itself would recover its log before the program gets to).
read_store() {
    local dump line total=1 i
    local -A by_key=()
    rm -rf "$copy" && mkdir -p "$copy"
    for f in "$RW_STORE" "$RW_STORE-wal" "$RW_STORE-shm"; do
        [ -e "$f" ] && cp "$f" "$copy/"
    done
    dump=$(sqlite3 -batch "$copy/$(basename "$RW_STORE")" "SELECT key || '=' || value FROM settings
        WHERE application = 'Brimvale' AND section = 'Quillarren'
        AND (key = 'Total Forms' OR key GLOB 'NotesForm[0-9]*.Notes');") || rw_fail "could not read the store"
    while IFS= read -r line; do
        [ -n "$line" ] && by_key[${line%%=*}]=${line#*=}
    done <<<"$dump"
    [ -n "${by_key[Total Forms]+set}" ] && total=${by_key[Total Forms]}
    [[ $total =~ ^[0-9]+$ ]] || rw_fail "\"Total Forms\" is '$total'"
    STORED=()
    for ((i = 1; i <= total; i++)); do STORED+=("${by_key[NotesForm$i.Notes]:-}"); done
}

# Not killed yet (a killed program the test has not reaped yet counts as gone).
alive() { ! rw_app_gone; }
at_least_notes() { [ "$(rw_note_count)" -ge "$1" ]; }

# The typist: acts on the notes until it is ended, writing each action to the log before it acts.
typist() {
    local log=$1 next_id=$2
    local -a wids
    local i w n r j payload len id before after
    RANDOM=$3
    rw_poll 15 at_least_notes "${#model[@]}" || exit 0
    # Start-up shows the notes in slot order, so their windows were made in that order.
    wids=($(rw_note_windows | sort -n))
    if [ "${#wids[@]}" != "${#model[@]}" ]; then
        alive && echo "${#wids[@]} note windows for ${#model[@]} stored notes" >>"$log.bad"
        exit 0
    fi
    echo shown >>"$log.seen"
    while :; do
        n=${#wids[@]}
        r=$((RANDOM % 100))
        j=$((RANDOM % n))
        if [ "$r" -lt 60 ]; then
            len=$((1 + RANDOM % 12))
            payload=""
            for ((i = 0; i < len; i++)); do payload+=${letters:RANDOM % 26:1}; done
            echo "type $j $payload" >>"$log"
            xdotool windowactivate --sync "${wids[j]}" key ctrl+End type --delay 8 "$payload" 2>/dev/null || exit 0
        elif [ "$r" -lt 80 ] && [ "$n" -lt "$most_notes" ]; then
            id=$((next_id++))
            echo "create $id" >>"$log"
            before=$(rw_note_windows | sort)
            xdotool windowactivate --sync "${wids[j]}" key ctrl+n 2>/dev/null || exit 0
            new_window() {
                after=$(rw_note_windows | sort)
                w=$(comm -13 <(echo "$before") <(echo "$after") | head -n 1)
                [ -n "$w" ]
            }
            rw_poll 10 new_window || exit 0
            wids+=("$w")
            xdotool windowactivate --sync "$w" type --delay 8 "[$id]" 2>/dev/null || exit 0
        else
            echo "delete $j" >>"$log"
            xdotool windowactivate --sync "${wids[j]}" key ctrl+d 2>/dev/null || exit 0
            if [ "$n" = 1 ]; then
                # "This is the last note. Would you like to quit?" No.
                rw_poll 10 rw_dialog_open || exit 0
                xdotool windowactivate --sync "$(rw_dialog_window)" key Escape 2>/dev/null || exit 0
                rw_poll 10 eval '! rw_dialog_open' || exit 0
            else
                gone() { ! rw_note_windows | grep -qx "${wids[j]}"; }
                rw_poll 10 gone || exit 0
                wids=("${wids[@]:0:j}" "${wids[@]:j+1}")
            fi
        fi
    done
}

# True when STORED is one of the states the store passes through from MODEL with the logged
# actions, the last one cut short anywhere.
stored_state_reachable() {
    local log=$1 want k t action a b
    local -a current=("${model[@]}") candidate
    want=$(joined "${STORED[@]}")
    [ "$(joined "${current[@]}")" = "$want" ] && return 0
    while read -r action a b; do
        case $action in
        type)
            for ((k = 1; k <= ${#b}; k++)); do
                candidate=("${current[@]}")
                candidate[a]+=${b:0:k}
                [ "$(joined "${candidate[@]}")" = "$want" ] && return 0
            done
            current[a]+=$b
            ;;
        create)
            t="[$a]"
            for ((k = 0; k <= ${#t}; k++)); do
                candidate=("${current[@]}" "${t:0:k}")
                [ "$(joined "${candidate[@]}")" = "$want" ] && return 0
            done
            current+=("$t")
            ;;
        delete)
            # The last note is kept: the question is answered No.
            [ "${#current[@]}" = 1 ] && continue
            current=("${current[@]:0:a}" "${current[@]:a+1}")
            [ "$(joined "${current[@]}")" = "$want" ] && return 0
            ;;
        esac
    done <"$log"
    return 1
}

# A typist still at work when the test stops goes with everything else.
typist_pid=""
stop_typist() {
    [ -n "$typist_pid" ] && kill -TERM -- "-$typist_pid" 2>/dev/null && wait "$typist_pid" 2>/dev/null
    typist_pid=""
}
trap 'status=$?; stop_typist; (exit $status); rw_cleanup' EXIT

model=("[1]" "[2]" "[3]")
next_id=4
rw_seed "Total Forms" 3
rw_seed_note 1 1500 1500 ""
rw_seed_note 2 6000 1500 "[2]"
rw_seed_note 3 10500 1500 "[3]"

# First a kill with nothing going on: text typed into a note, with a line break, is in the store
# while the program runs, without any Quit; the kill loses none of it, the lock of the killed run
# keeps nothing from starting, and the next start shows the note with that text again.
rw_start_app
rw_wait_notes 3
rw_wait_note_at 100 100
# The keyboard through the window manager (the text field is the note's only field). Note 1 starts
# empty: a select-all sent with the activation could reach the program before its window has the
# keyboard, and the text would then land before the old one.
xdotool windowactivate --sync "$RW_WIN" || rw_fail "could not activate note 1"
xdotool type --delay 20 "typed before the crash"
xdotool key Return
xdotool type --delay 20 "second line"
expected=$'typed before the crash\nsecond line'
rw_poll 5 rw_stored_is NotesForm1.Notes "$expected" ||
    rw_fail "typed text not stored under NotesForm1.Notes while running; stored: '$(rw_get NotesForm1.Notes)'"
rw_kill9_app
rw_expect_eq "note 1 text after kill -9" "$expected" "$(rw_get NotesForm1.Notes)"
rw_expect_eq "note 2 text after kill -9 (typing went to note 1 only)" "[2]" "$(rw_get NotesForm2.Notes)"
rw_start_app
rw_wait_notes 3
rw_wait_note_at 100 100
shot=$RW_DIR/restart.png
second_line_shown() {
    rw_screenshot "$shot"
    # Line 2 of note 1 lies about 15 to 35 px below the strip.
    [ "$(rw_ink_pixels "$shot" 100 $((100 + 24 + 16)) 120 18)" -gt 40 ]
}
rw_poll 5 second_line_shown || rw_fail "after the restart note 1 does not show its second line"
rw_expect_eq "note 1 text after the restart" "$expected" "$(rw_get NotesForm1.Notes)"
rw_kill9_app
# The rounds start from notes "[1]" "[2]" "[3]", one line each.
rw_seed_note 1 1500 1500 "[1]"

shown_rounds=0
actions=0
started=$(date +%s)

for ((round = 1; round <= rounds; round++)); do
    log=$RW_DIR/round-$round.log
    : >"$log"
    # One kill in five falls in the start-up, the others anywhere in the first 1.8 s.
    if [ $((RANDOM % 5)) = 0 ]; then kill_after_ms=$((RANDOM % 300)); else kill_after_ms=$((RANDOM % 1800)); fi
    typist_seed=$RANDOM
    rw_start_app
    set -m   # the typist and its xdotool in a process group of their own, ended together
    typist "$log" "$next_id" "$typist_seed" &
    typist_pid=$!
    set +m
    sleep "$((kill_after_ms / 1000)).$(printf '%03d' $((kill_after_ms % 1000)))"
    if ! alive; then
        status=0
        wait "$RW_APP_PID" || status=$?
        rw_fail "round $round: the program ended by itself (status $status) before the kill"
    fi
    rw_kill9_app
    stop_typist
    xdotool keyup --delay 0 "${release_keys[@]}" 2>/dev/null
    rw_wm_drop_gone_clients

    [ -s "$log.bad" ] && rw_fail "round $round, at the start from the store the last kill left ($(shown "${model[@]}")):" \
        "$(cat "$log.bad")"
    [ -s "$log.seen" ] && shown_rounds=$((shown_rounds + 1))
    read_store
    if ! stored_state_reachable "$log"; then
        rw_log "store at the start of round $round: $(shown "${model[@]}")"
        rw_log "actions, killed after $kill_after_ms ms:"
        cat "$log" >&2
        rw_fail "round $round: after the kill the store holds the notes $(shown "${STORED[@]}")," \
            "not a state the actions pass through"
    fi
    actions=$((actions + $(grep -c . "$log")))
    id=$(sed -n 's/^create //p' "$log" | sort -n | tail -n 1)
    [ -n "$id" ] && next_id=$((id + 1))
    model=("${STORED[@]}")
    rm -f "$log" "$log.seen"
done

rw_log "$rounds kills, $actions actions, the notes were on screen before $shown_rounds of the kills," \
    "$(($(date +%s) - started)) s"
# Every window of the program, shown or not, and where its threads stand: a note that never
# shows is told apart from a window manager that is slow to show it, or a window thread held up.
describe_windows() {
    local w
    for w in $(xdotool search --all --pid "$RW_APP_PID" 2>/dev/null); do
        rw_log "window $w '$(xdotool getwindowname "$w" 2>/dev/null)'" \
            "$(xwininfo -id "$w" 2>/dev/null | sed -n 's/^ *Map State: //p') $(rw_geometry "$w")"
    done
    command -v gdb >/dev/null &&
        gdb -batch -p "$RW_APP_PID" -ex 'thread apply all bt 8' 2>/dev/null | grep '^#\|^Thread' >&2
}

# The last kill's store opens whole, and the start changes none of it.
rw_start_app
if ! rw_poll 15 rw_has_notes "${#model[@]}"; then
    describe_windows
    rw_fail "the last kill's store holds ${#model[@]} notes ($(shown "${model[@]}")), the start shows $(rw_note_count)"
fi
rw_kill9_app
read_store
rw_expect_eq "the notes after the last start" "$(shown "${model[@]}")" "$(shown "${STORED[@]}")"
rw_pass
