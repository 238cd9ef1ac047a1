#!/usr/bin/env bash
# Notes are ordinary top-level windows that taskbars and pagers leave out: never utility windows,
# never transient for a hidden leader, and _NET_WM_STATE keeps SKIP_TASKBAR and SKIP_PAGER after
# start, after Always On Top and an opacity change, and after a closed note is shown again.

source "$(dirname "$0")/lib.sh"
rw_setup

rw_seed "Total Forms" 2
rw_seed_note 1 1500 1500 "note A"
rw_seed_note 2 6000 1500 "note B"

rw_start_app
rw_wait_notes 2
rw_wait_note_at 100 100
rw_wait_note_at 400 100
note_b=$RW_WIN

check_hints() {   # context
    local w state
    for w in $(rw_note_windows); do
        state=$(xprop -id "$w" _NET_WM_STATE)
        case $state in *_NET_WM_STATE_SKIP_TASKBAR*) ;; *) rw_check_failed "$1: note $w lacks SKIP_TASKBAR: $state" ;; esac
        case $state in *_NET_WM_STATE_SKIP_PAGER*) ;; *) rw_check_failed "$1: note $w lacks SKIP_PAGER: $state" ;; esac
        case $(xprop -id "$w" _NET_WM_WINDOW_TYPE) in
            *UTILITY*) rw_check_failed "$1: note $w is a utility window" ;;
        esac
        xprop -id "$w" WM_TRANSIENT_FOR | grep -q 'window id' && rw_check_failed "$1: note $w is transient"
    done
    return 0
}
check_hints "after start"

# Items from the top: 15 Increase Translucency, 17 Always On Top.
rw_open_menu_at 166 112
rw_choose_item 17
check_hints "after Always On Top was switched off"
rw_open_menu_at 166 112
rw_choose_item 17
rw_poll 3 eval 'xprop -id "$note_b" _NET_WM_STATE | grep -q ABOVE' || rw_check_failed "Always On Top did not reach note B"
check_hints "after Always On Top was switched on"
rw_open_menu_at 466 112
rw_choose_item 15
rw_poll 3 eval 'xprop -id "$note_b" _NET_WM_WINDOW_OPACITY | grep -q = ' || rw_check_failed "no opacity on note B"
check_hints "after an opacity change"

# Closed with Alt+F4, then brought back by starting the program again.
xdotool windowactivate --sync "$note_b" key alt+F4
rw_wait_notes 1
"$RW_BIN" >>"$RW_DIR/app.log" 2>&1 || rw_fail "the second start failed"
rw_wait_notes 2
check_hints "after the closed note came back"

rw_pass
