#!/usr/bin/env bash
# On a scaled screen (QT_SCALE_FACTOR 2 and 1.5, Xft.dpi 192) a note moved to a pixel between the
# program's own whole pixels comes back exactly there: after a kill (its place stored once the
# move ended) and after Quit.

source "$(dirname "$0")/lib.sh"
RW_SCREEN_W=3840
RW_SCREEN_H=2160
rw_setup

# scale_round CONTEXT X Y: one note moved by the window manager to X,Y (screen pixels).
scale_round() {
    local context=$1 x=$2 y=$3 w
    rm -f "$RW_STORE" "$RW_STORE"-*
    rw_seed "Total Forms" 1
    rw_seed_note 1 1500 1500 "scaled"
    rw_start_app
    rw_wait_notes 1
    w=$(rw_note_windows)
    sleep 1.2   # past the moment after showing in which a window manager may still place it
    xdotool windowmove "$w" "$x" "$y"
    rw_poll 5 rw_window_at "$w" "$x" "$y" || rw_fail "$context: the window manager did not move the note"
    rw_poll 5 eval '[ "$(rw_get NotesForm1.Left)" != 1500 ]' || rw_fail "$context: the move was not stored"
    rw_kill9_app
    rw_start_app
    rw_wait_notes 1
    w=$(rw_note_windows)
    rw_poll 5 rw_exactly_at "$w" "$x" "$y" || rw_check_failed "$context, after a kill: the note came back at $(rw_geometry "$w")"
    xdotool mousemove $((x + 40)) $((y + 100)) click 1 key ctrl+q
    rw_wait_app_exit 10 || rw_fail "$context: the program ended with status $? after Ctrl+Q"
    rw_start_app
    rw_wait_notes 1
    w=$(rw_note_windows)
    rw_poll 5 rw_exactly_at "$w" "$x" "$y" || rw_check_failed "$context, after Quit: the note came back at $(rw_geometry "$w")"
    rw_stop_pid "$RW_APP_PID"
    RW_APP_PID=""
}
rw_exactly_at() {   # wid x y: to the pixel
    local g
    g=$(rw_geometry "$1")
    [ "${g% * *}" = "$2 $3" ]
}

QT_SCALE_FACTOR=2 scale_round "QT_SCALE_FACTOR=2" 201 303
QT_SCALE_FACTOR=1.5 scale_round "QT_SCALE_FACTOR=1.5" 200 301
echo "Xft.dpi: 192" | xrdb -merge || rw_fail "could not set Xft.dpi"
scale_round "Xft.dpi 192" 401 205

rw_pass
