# Shared helpers for the real-window tests: a private X server with openbox, a private store,
# the program itself, and ways to look at its windows. Source it from a test script that is run
# as `bash test_something.sh /path/to/quillarren`.
#
# Everything started here is ended by the EXIT trap, by process id. On failure the working folder
# (store, program log, screenshot) is kept and its path printed.

set -u
set -o pipefail

RW_BIN=${1:-}
RW_NAME=$(basename "${0%.sh}")
RW_DIR=$(mktemp -d "${TMPDIR:-/tmp}/quillarren-${RW_NAME}.XXXXXX")
RW_APP_PID=""
RW_XVFB_PID=""
RW_WM_PID=""
RW_BUS_PID=""
RW_OTHER_PIDS=""
# Functions rw_fail calls to tell more, as a helper library adds them (e.g. an engine's log).
RW_FAIL_HOOKS=""
RW_SCREEN_W=1280
RW_SCREEN_H=1024

# The program keeps its store under the XDG config folder; this one is ours alone.
export XDG_CONFIG_HOME=$RW_DIR/config
export XDG_CACHE_HOME=$RW_DIR/cache
export XDG_DATA_HOME=$RW_DIR/data
export XDG_RUNTIME_DIR=$RW_DIR/runtime
# The program's one-instance socket goes to the runtime folder, or when that is not usable to the
# temporary folder; a killed run leaves it here.
export TMPDIR=$RW_DIR/t
export QT_QPA_PLATFORM=xcb
export LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY SESSION_MANAGER
mkdir -p "$XDG_CONFIG_HOME/Brimvale" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR" "$TMPDIR"
chmod 700 "$XDG_RUNTIME_DIR"
RW_STORE=$XDG_CONFIG_HOME/Brimvale/Quillarren.sqlite3

rw_log() { printf '[%s] %s\n' "$RW_NAME" "$*" >&2; }

# Ends one process we started: politely, then firmly.
rw_stop_pid() {
    local pid=$1 i
    [ -n "$pid" ] || return 0
    kill -0 "$pid" 2>/dev/null || return 0
    kill -TERM "$pid" 2>/dev/null
    for i in $(seq 30); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return 0
}

rw_cleanup() {
    local status=$?
    local pid
    rw_stop_pid "$RW_APP_PID"
    for pid in $RW_OTHER_PIDS; do rw_stop_pid "$pid"; done
    rw_stop_pid "$RW_WM_PID"
    rw_stop_pid "$RW_XVFB_PID"
    rw_stop_pid "$RW_BUS_PID"
    # 77: skipped, nothing to look at.
    if [ "$status" = 0 ] || [ "$status" = 77 ]; then
        rm -rf "$RW_DIR"
    else
        rw_log "kept for inspection: $RW_DIR"
    fi
}
trap rw_cleanup EXIT
trap 'exit 130' INT TERM

# Helpers that can fail are never run inside $(...): the exit would end only that subshell.
rw_fail() {
    echo "FAIL [$RW_NAME]: $*" >&2
    if [ -n "${DISPLAY:-}" ] && [ -n "$RW_XVFB_PID" ]; then
        import -window root "$RW_DIR/failure.png" 2>/dev/null && rw_log "screen at failure: $RW_DIR/failure.png"
        local w
        for w in $(rw_note_windows); do
            rw_log "note window $w at $(rw_geometry "$w")"
        done
        # Where the window manager stands: one that stops taking windows on (a note never mapped,
        # a frame kept for a window gone) is told apart from a program that never shows them.
        rw_log "window manager's clients whose windows are gone:$(rw_gone_clients)"
        [ -n "$RW_WM_PID" ] && command -v gdb >/dev/null &&
            gdb -batch -p "$RW_WM_PID" -ex 'bt 12' 2>/dev/null | grep '^#' >&2
    fi
    if [ -s "$RW_DIR/app.log" ]; then
        rw_log "program output (last lines):"
        tail -n 20 "$RW_DIR/app.log" >&2
    fi
    local hook
    for hook in $RW_FAIL_HOOKS; do "$hook"; done
    exit 1
}

# A failed check after which the test can still go on: reported now, fails the test at rw_pass.
RW_SOFT_FAILURES=0
rw_check_failed() {
    RW_SOFT_FAILURES=$((RW_SOFT_FAILURES + 1))
    echo "FAIL [$RW_NAME]: $*" >&2
    [ -n "${DISPLAY:-}" ] && import -window root "$RW_DIR/failure-$RW_SOFT_FAILURES.png" 2>/dev/null &&
        rw_log "screen at failure: $RW_DIR/failure-$RW_SOFT_FAILURES.png"
    return 0
}

rw_pass() {
    [ "$RW_SOFT_FAILURES" = 0 ] || rw_fail "$RW_SOFT_FAILURES check(s) failed, see above"
    echo "PASS [$RW_NAME]"
    exit 0
}

# rw_poll SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds; false on timeout.
rw_poll() {
    local limit=$1
    shift
    local deadline=$(($(date +%s%N) + limit * 1000000000))
    while :; do
        "$@" && return 0
        [ "$(date +%s%N)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

rw_expect_eq() {   # what expected actual
    [ "$2" = "$3" ] || rw_fail "$1: expected '$2', got '$3'"
}

rw_require_tools() {
    local tool missing=""
    for tool in Xvfb openbox xdotool xwininfo xprop xdpyinfo import convert sqlite3; do
        command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
    done
    [ -z "$missing" ] || rw_fail "missing tools:$missing"
    [ -x "$RW_BIN" ] || rw_fail "no program at '$RW_BIN' (pass the built quillarren as the first argument)"
}

# ---------------------------------------------------------------------------------------------
# X server and window manager

rw_display_ready() { xdpyinfo -display "$1" >/dev/null 2>&1; }

# Starts Xvfb on the first free display from :90 to :120 and exports DISPLAY.
rw_start_x() {
    local n
    for n in $(seq 90 120); do
        [ -e "/tmp/.X$n-lock" ] && continue
        [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 "${RW_SCREEN_W}x${RW_SCREEN_H}x24" -nolisten tcp -noreset \
            >"$RW_DIR/xvfb.log" 2>&1 &
        RW_XVFB_PID=$!
        # Another run may have taken the number between our look and the start: then try the next.
        rw_poll 10 rw_x_settled ":$n"
        if kill -0 "$RW_XVFB_PID" 2>/dev/null && rw_display_ready ":$n"; then
            export DISPLAY=":$n"
            return 0
        fi
        rw_stop_pid "$RW_XVFB_PID"
        RW_XVFB_PID=""
    done
    rw_fail "could not start Xvfb on any display from :90 to :120"
}

# Xorg with its dummy driver in place of Xvfb, for tests that change the screens with xrandr:
# Xvfb here keeps its one mode and ignores xrandr's changes of size, monitors and outputs. The
# dummy driver has outputs DUMMY0 (on at 1280x1024) to DUMMY15 (off). Call it before sourcing
# anything that needs the tools: a machine without Xorg skips the test (77).
RW_XORG=/usr/lib/xorg/Xorg
rw_have_xorg_dummy() {
    [ -x "$RW_XORG" ] && [ -e /usr/lib/xorg/modules/drivers/dummy_drv.so ] && command -v xrandr >/dev/null 2>&1
}

rw_start_x_randr() {
    local n
    cat >"$RW_DIR/xorg.conf" <<'CONF'
Section "ServerFlags"
    Option "AutoAddDevices" "false"
    Option "AutoEnableDevices" "false"
EndSection
Section "Device"
    Identifier "card"
    Driver "dummy"
    VideoRam 65536
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0 - 1000.0
    VertRefresh 5.0 - 200.0
EndSection
Section "Screen"
    Identifier "screen"
    Device "card"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Modes "1280x1024"
        Virtual 2560 1024
    EndSubSection
EndSection
CONF
    for n in $(seq 90 120); do
        [ -e "/tmp/.X$n-lock" ] && continue
        [ -e "/tmp/.X11-unix/X$n" ] && continue
        "$RW_XORG" ":$n" -config "$RW_DIR/xorg.conf" -configdir "$RW_DIR/xorg.conf.d" \
            -logfile "$RW_DIR/xorg.log" -nolisten tcp -noreset -novtswitch -sharevts \
            >"$RW_DIR/xorg.out" 2>&1 &
        RW_XVFB_PID=$!
        rw_poll 15 rw_x_settled ":$n"
        if kill -0 "$RW_XVFB_PID" 2>/dev/null && rw_display_ready ":$n"; then
            export DISPLAY=":$n"
            return 0
        fi
        rw_stop_pid "$RW_XVFB_PID"
        RW_XVFB_PID=""
    done
    rw_fail "could not start Xorg with the dummy driver on any display from :90 to :120 (see $RW_DIR/xorg.log)"
}

# The server either answers or has given up.
rw_x_settled() {
    ! kill -0 "$RW_XVFB_PID" 2>/dev/null || rw_display_ready "$1"
}

rw_wm_ready() {
    local check
    check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) || return 1
    case $check in *"window id"*) return 0 ;; esac
    return 1
}

rw_start_wm() {
    openbox --sm-disable >"$RW_DIR/openbox.log" 2>&1 &
    RW_WM_PID=$!
    rw_poll 10 rw_wm_ready || rw_fail "openbox did not come up"
}

# rw_track_pid PID: another program the test started, ended with everything else.
rw_track_pid() { RW_OTHER_PIDS="$RW_OTHER_PIDS $1"; }

# A private session bus, as desktop window managers want one.
rw_start_bus() {
    command -v dbus-daemon >/dev/null 2>&1 || rw_fail "dbus-daemon is not installed"
    dbus-daemon --session --nofork --print-address=3 3>"$RW_DIR/bus.address" >"$RW_DIR/bus.log" 2>&1 &
    RW_BUS_PID=$!
    rw_poll 10 test -s "$RW_DIR/bus.address" || rw_fail "the session bus did not start"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$RW_DIR/bus.address")
    export DBUS_SESSION_BUS_ADDRESS
}

# The accessibility bus on the session bus (start that first), as a desktop starts it for screen
# readers; programs started afterwards with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 register on it.
rw_start_accessibility_bus() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$RW_DIR/atspi.log" 2>&1 &
    rw_track_pid $!
}

# openbox now and then keeps a client for a window that is gone, when a program ends while openbox
# takes its windows on. A window of the next start that gets the same id (the X server hands the
# freed ids out again) is then never mapped: openbox believes it has it already. The X server
# knowing no such window tells such a client; restarting openbox drops it.
rw_gone_clients() {
    local w gone=""
    for w in $(xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -o '0x[0-9a-f]*'); do
        xwininfo -id "$w" >/dev/null 2>&1 || gone="$gone $w"
    done
    printf '%s' "$gone"
}
rw_wm_drop_gone_clients() {
    [ -n "$(rw_gone_clients)" ] || return 0
    sleep 1   # a window destroyed a moment ago may still be listed while openbox catches up
    local gone
    gone=$(rw_gone_clients)
    [ -n "$gone" ] || return 0
    rw_log "openbox keeps clients whose windows are gone:$gone; restarting it"
    openbox --restart
    rw_poll 10 rw_no_gone_clients || rw_fail "openbox still lists windows that are gone"
}
rw_no_gone_clients() { [ -z "$(rw_gone_clients)" ]; }

# rw_setup_with_wm COMMAND...: Xvfb, a session bus and another window manager instead of openbox.
rw_setup_with_wm() {
    rw_require_tools
    rw_start_x
    rw_start_bus
    "$@" >"$RW_DIR/wm.log" 2>&1 &
    RW_WM_PID=$!
    rw_poll 30 rw_wm_ready || rw_fail "$1 did not come up (see $RW_DIR/wm.log)"
}

# Prints the window the window manager calls active (0x0 when none).
rw_active_window() {
    xprop -root _NET_ACTIVE_WINDOW 2>/dev/null | sed -n 's/.*# \(0x[0-9a-f]*\).*/\1/p'
}

# Xvfb, openbox and the tools: what every test starts with.
rw_setup() {
    rw_require_tools
    rw_start_x
    rw_start_wm
}

# ---------------------------------------------------------------------------------------------
# The store

rw_sql_quote() {
    local s=${1//\'/\'\'}
    printf "'%s'" "$s"
}

rw_sqlite() {
    sqlite3 -batch -cmd '.timeout 5000' "$RW_STORE" "$@"
}

# rw_seed KEY VALUE [KEY VALUE ...]: creates the table if needed and stores the pairs.
rw_seed() {
    local sql="BEGIN;
CREATE TABLE IF NOT EXISTS settings(application TEXT, section TEXT, key TEXT, value TEXT,
    PRIMARY KEY(application, section, key));"
    while [ $# -ge 2 ]; do
        sql="$sql
INSERT OR REPLACE INTO settings VALUES('Brimvale', 'Quillarren', $(rw_sql_quote "$1"), $(rw_sql_quote "$2"));"
        shift 2
    done
    sql="$sql
COMMIT;"
    printf '%s\n' "$sql" | rw_sqlite || rw_fail "could not seed the store $RW_STORE"
}

# rw_seed_note INDEX LEFT_TWIPS TOP_TWIPS TEXT
rw_seed_note() {
    rw_seed "NotesForm$1.Left" "$2" "NotesForm$1.Top" "$3" "NotesForm$1.Notes" "$4"
}

# Prints the stored value exactly (trailing line breaks included); prints nothing when absent.
rw_get() {
    local out
    out=$(rw_sqlite "SELECT value || '#' FROM settings WHERE application = 'Brimvale'
        AND section = 'Quillarren' AND key = $(rw_sql_quote "$1");") || rw_fail "could not read '$1' from the store"
    out=${out%#}
    printf '%s' "$out"
}

rw_stored_is() {   # key expected
    [ "$(rw_get "$1")" = "$2" ]
}

# ---------------------------------------------------------------------------------------------
# The program

rw_start_app() {
    [ -z "$RW_APP_PID" ] || ! kill -0 "$RW_APP_PID" 2>/dev/null || rw_fail "the program is already running"
    echo "--- start $(date +%T.%N)" >>"$RW_DIR/app.log"
    "$RW_BIN" >>"$RW_DIR/app.log" 2>&1 &
    RW_APP_PID=$!
}

rw_app_running() { [ -n "$RW_APP_PID" ] && kill -0 "$RW_APP_PID" 2>/dev/null; }

rw_app_gone() {
    if rw_app_running; then
        # A zombie counts as gone: the program has ended, only our wait is missing.
        case $(ps -o stat= -p "$RW_APP_PID" 2>/dev/null) in Z*) ;; *) return 1 ;; esac
    fi
    return 0
}

# Waits (bounded) for the program to end by itself; returns its exit status.
rw_wait_app_exit() {
    local limit=${1:-10}
    rw_poll "$limit" rw_app_gone || rw_fail "the program did not end within $limit s"
    local status=0
    wait "$RW_APP_PID" 2>/dev/null || status=$?
    RW_APP_PID=""
    return "$status"
}

rw_kill9_app() {
    kill -KILL "$RW_APP_PID" 2>/dev/null
    wait "$RW_APP_PID" 2>/dev/null
    RW_APP_PID=""
}

# The mapped note windows of the program: its windows named "Quillarren" (the popup menu and
# message boxes carry other names).
rw_note_windows() {
    rw_app_running || return 0
    xdotool search --all --onlyvisible --pid "$RW_APP_PID" --name '^Quillarren$' 2>/dev/null || true
}

rw_note_count() { rw_note_windows | grep -c . ; }

rw_has_notes() { [ "$(rw_note_count)" = "$1" ]; }

# Waits (bounded) until exactly N note windows are mapped.
rw_wait_notes() {
    local n=$1 limit=${2:-15}
    rw_poll "$limit" rw_has_notes "$n" && return 0
    rw_app_running || rw_fail "the program ended while $n note windows were expected"
    rw_fail "expected $n note windows within $limit s, found $(rw_note_count)"
}

# Prints "X Y WIDTH HEIGHT" of a window, X and Y absolute on the screen.
rw_geometry() {
    xwininfo -id "$1" 2>/dev/null | awk '
        /Absolute upper-left X:/ { x = $NF }
        /Absolute upper-left Y:/ { y = $NF }
        /^ *Width:/ { w = $NF }
        /^ *Height:/ { h = $NF }
        END { if (x != "") print x, y, w, h }'
}

rw_near() {   # a b tolerance
    local d=$(($1 - $2))
    [ "${d#-}" -le "$3" ]
}

# True when window WID has its upper-left corner at X,Y within 1 px.
rw_window_at() {
    local g
    g=$(rw_geometry "$1")
    [ -n "$g" ] || return 1
    set -- "$2" "$3" $g
    rw_near "$1" "$3" 1 && rw_near "$2" "$4" 1
}

# Prints the id of the mapped note window whose upper-left corner is at X,Y (±1 px).
rw_find_note_at() {
    local w
    for w in $(rw_note_windows); do
        if rw_window_at "$w" "$1" "$2"; then
            echo "$w"
            return 0
        fi
    done
    return 1
}

rw_note_at() { rw_find_note_at "$1" "$2" >/dev/null; }

# Waits (bounded) until a note window sits at X,Y; sets RW_WIN to its id.
rw_wait_note_at() {
    local x=$1 y=$2 limit=${3:-10}
    rw_poll "$limit" rw_note_at "$x" "$y" || rw_fail "no note window at $x,$y within $limit s"
    RW_WIN=$(rw_find_note_at "$x" "$y")
}

rw_size_is() {   # wid width height
    local g
    g=$(rw_geometry "$1")
    set -- "$2" "$3" $g
    [ "${5:-}" = "$1" ] && [ "${6:-}" = "$2" ]
}

# The popup menu is an override-redirect window of the program; so is its icon embedded in an
# XEmbed tray (icewm's), which is no menu: Qt marks that one's _XEMBED_INFO as CARDINAL.
rw_popup_open() {
    local w
    rw_app_running || return 1
    for w in $(xdotool search --onlyvisible --pid "$RW_APP_PID" 2>/dev/null); do
        xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' || continue
        xprop -id "$w" _XEMBED_INFO 2>/dev/null | grep -q '(CARDINAL)' || return 0
    done
    return 1
}

rw_popup_closed() { ! rw_popup_open; }

# Chooses the Nth item of the open popup menu from the top (separators do not count) with the
# keyboard, and waits for the menu to close.
rw_choose_item() {
    local keys=() i
    for i in $(seq "$1"); do keys+=(Down); done
    xdotool key "${keys[@]}" Return
    rw_poll 5 rw_popup_closed || rw_fail "the popup menu stayed open after Return"
}

# Right-clicks at X,Y and waits for the popup menu.
rw_open_menu_at() {
    xdotool mousemove "$1" "$2" click 3
    rw_poll 5 rw_popup_open || rw_fail "right click at $1,$2 showed no popup menu"
}

# rw_drag X1 Y1 X2 Y2: left-button drag in small steps, as a hand would.
rw_drag() {
    local x1=$1 y1=$2 x2=$3 y2=$4 steps=12 i
    xdotool mousemove "$x1" "$y1"
    sleep 0.1
    xdotool mousedown 1
    # The press hands the drag to the window manager; give it the press before the first move.
    sleep 0.2
    for i in $(seq 1 "$steps"); do
        xdotool mousemove $((x1 + (x2 - x1) * i / steps)) $((y1 + (y2 - y1) * i / steps))
        sleep 0.03
    done
    sleep 0.1
    xdotool mouseup 1
}

# ---------------------------------------------------------------------------------------------
# Looking at the screen

rw_screenshot() {   # file
    import -window root "$1" 2>/dev/null || rw_fail "could not take a screenshot"
}

# Number of pixels in the region W x H at X,Y of a screenshot that are not the note's yellow
# (255, 255, 192): text, caret, scroll bar. An empty stretch of note counts 0; -1 means the
# screenshot could not be read.
rw_ink_pixels() {   # file x y w h
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage \
        -fx '(abs(r - 1) + abs(g - 1) + abs(b - 0.753)) > 0.25' \
        -format '%[fx:round(mean * w * h)]' info: 2>/dev/null || echo -1
}

rw_stored_contains() {   # key text
    case $(rw_get "$1") in *"$2"*) return 0 ;; esac
    return 1
}

# The program's visible windows whose name matches the pattern (message boxes, dialogs).
rw_window_named() {
    rw_app_running || return 1
    xdotool search --all --onlyvisible --pid "$RW_APP_PID" --name "$1" 2>/dev/null | head -n 1
}

rw_has_window_named() { [ -n "$(rw_window_named "$1")" ]; }

# The program's visible dialog window (a message box), if any.
rw_dialog_window() {
    local w
    rw_app_running || return 1
    for w in $(xdotool search --all --onlyvisible --pid "$RW_APP_PID" --name '' 2>/dev/null); do
        case $(xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null) in
            *_NET_WM_WINDOW_TYPE_DIALOG*) echo "$w"; return 0 ;;
        esac
    done
    return 1
}

rw_dialog_open() { rw_dialog_window >/dev/null; }

# The opacity property as a level 0-255 (absent: opaque).
rw_level_of() {
    local raw
    raw=$(xprop -id "$1" _NET_WM_WINDOW_OPACITY 2>/dev/null | sed -n 's/.*= *\([0-9]*\).*/\1/p')
    [ -n "$raw" ] || { echo 255; return; }
    echo $(((raw * 255 + 2147483647) / 4294967295))
}
rw_level_is() { [ "$(rw_level_of "$1")" = "$2" ]; }
rw_above() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_ABOVE; }
rw_not_above() { ! rw_above "$1"; }
