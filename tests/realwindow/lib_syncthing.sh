# Two Syncthing instances, "A" and "B", on 127.0.0.1 only, sharing one folder pair: the real engine
# that carries the sync folder in the tests. Source it after lib.sh:
#
#   . "$(dirname "$0")/lib.sh"
#   . "$(dirname "$0")/lib_syncthing.sh"
#   st_require                      # exits 77 (skipped) when syncthing is not installed
#   st_start_pair "$RW_DIR/a" "$RW_DIR/b"
#   st_wait_connected
#   ... write into $ST_DIR_A ...
#   st_wait_in_sync                 # scans both sides first, so a file written just now counts
#
# After st_start_pair, per side S in A and B: ST_DIR_S (the folder), ST_ID_S (device id), ST_PORT_S
# and ST_KEY_S (REST port and API key: header "X-API-Key"), ST_LISTEN_S (sync address,
# tcp://127.0.0.1:PORT), ST_HOME_S, ST_LOG_S; ST_FOLDER is the folder id both share.
# Each instance's GUI/REST and sync ports are chosen by the kernel (":0" in its config) and read
# back from its log, so runs beside each other never fight over a port. Discovery, relays, NAT,
# usage and crash reporting and upgrades are off: nothing leaves the machine.
# On failure, rw_fail prints the end of both logs and what each side thinks of the folder.

ST_FOLDER=quillarren-sync
ST_PY=/usr/bin/python3   # Debian's: the one on PATH may be another without the standard modules

st_require() {
    if ! command -v syncthing >/dev/null 2>&1; then
        echo "SKIP [$RW_NAME]: syncthing is not installed" >&2
        exit 77
    fi
    local tool
    for tool in curl jq "$ST_PY"; do
        command -v "$tool" >/dev/null 2>&1 || rw_fail "missing tool: $tool"
    done
}

# st_var NAME SIDE: the value of ST_NAME_SIDE.
st_var() {
    local v=ST_$1_$2
    printf '%s' "${!v}"
}

st_side_ok() {
    case $1 in A | B) ;; *) rw_fail "no Syncthing side '$1' (A or B)" ;; esac
}

st_peer() { if [ "$1" = A ]; then echo B; else echo A; fi; }

# st_rest SIDE METHOD PATH [CURL ARGS...]: prints the answer; false on an HTTP error or no answer.
# A scan answers only when it is done, hence the long limit.
st_rest() {
    local side=$1 method=$2 path=$3
    local key=ST_KEY_$side port=ST_PORT_$side
    shift 3
    curl -sS --fail --max-time 30 -X "$method" -H "X-API-Key: ${!key}" "$@" "http://127.0.0.1:${!port}$path"
}

# ---------------------------------------------------------------------------------------------
# Configuration

# st_configure CONFIG_A CONFIG_B DIR_A DIR_B FOLDER_ID: rewrites the two config.xml that `syncthing generate`
# made; prints "ID_A KEY_A ID_B KEY_B". The folder and the peer are copied from the generated
# <defaults> so that every setting we do not name keeps Syncthing's default (a folder written from
# scratch would get maxConflicts 0, no conflict copies at all, and no rescans). The peer's address is set through
# REST once it listens.
st_configure() {
    "$ST_PY" - "$@" <<'PYTHON'
import copy, sys
import xml.etree.ElementTree as ET

paths, dirs, folder_id = sys.argv[1:3], sys.argv[3:5], sys.argv[5]
trees = [ET.parse(path) for path in paths]
ids = [tree.getroot().find("device").get("id") for tree in trees]

for side, (tree, path, folder_path) in enumerate(zip(trees, paths, dirs)):
    root = tree.getroot()
    options = root.find("options")

    def option(key, value):
        element = options.find(key)
        if element is None:
            element = ET.SubElement(options, key)
        element.text = value

    me = root.find("device")
    me.set("name", "AB"[side])
    gui = root.find("gui")
    gui.find("address").text = "127.0.0.1:0"
    option("listenAddress", "tcp://127.0.0.1:0")
    option("globalAnnounceEnabled", "false")
    option("localAnnounceEnabled", "false")
    option("relaysEnabled", "false")
    option("natEnabled", "false")
    option("startBrowser", "false")
    option("urAccepted", "-1")      # declined: never asks
    option("urSeen", "3")
    option("crashReportingEnabled", "false")
    option("autoUpgradeIntervalH", "0")
    option("restartOnWakeup", "false")
    # A lost connection is dialled again after this long (60 s by default).
    option("reconnectionIntervalS", "5")
    # Beside a build on two cores, a niced engine makes the timings of the tests wander.
    option("setLowPriority", "false")

    defaults = root.find("defaults")
    peer = copy.deepcopy(defaults.find("device"))
    peer.set("id", ids[1 - side])
    peer.set("name", "AB"[1 - side])
    peer.find("address").text = "dynamic"
    root.insert(list(root).index(me) + 1, peer)

    folder = copy.deepcopy(defaults.find("folder"))
    folder.set("id", folder_id)
    folder.set("label", "Quillarren")
    folder.set("path", folder_path)
    folder.set("type", "sendreceive")
    folder.set("rescanIntervalS", "10")
    folder.set("fsWatcherEnabled", "true")
    folder.set("fsWatcherDelayS", "1")
    folder.set("ignorePerms", "true")
    for device in folder.findall("device"):
        folder.remove(device)
    for device_id in ids:
        device = ET.Element("device", {"id": device_id, "introducedBy": ""})
        ET.SubElement(device, "encryptionPassword").text = ""
        folder.insert(1, device)
    root.insert(0, folder)

    tree.write(path)
    print(ids[side], gui.find("apikey").text, end=" ")
print()
PYTHON
}

# ---------------------------------------------------------------------------------------------
# Starting

# Sets ST_PORT_S and ST_LISTEN_S from the instance's log once it listens on both.
st_read_ports() {
    local side=$1 log gui sync
    log=$(st_var LOG "$side")
    gui=$(sed -n 's/.*GUI and API listening on 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$log" | tail -n 1)
    sync=$(sed -n 's/.*TCP listener (127\.0\.0\.1:\([0-9]*\)) starting.*/\1/p' "$log" | tail -n 1)
    [ -n "$gui" ] && [ -n "$sync" ] || return 1
    printf -v "ST_PORT_$side" '%s' "$gui"
    printf -v "ST_LISTEN_$side" 'tcp://127.0.0.1:%s' "$sync"
}

st_running() { kill -0 "$(st_var PID "$1")" 2>/dev/null; }

st_up() {
    st_running "$1" || return 0   # settled: the caller tells a dead instance from a live one
    st_read_ports "$1" && st_rest "$1" GET /rest/system/ping >/dev/null 2>&1
}

# st_launch SIDE: starts the configured instance in the background.
st_launch() {
    local side=$1
    # --no-restart: no monitor process, so the pid we track is the engine itself. STHASHING names
    # the hash code to use: otherwise each start spends about a second measuring which is faster.
    STHASHING=minio STNODEFAULTFOLDER=1 STNOUPGRADE=1 syncthing serve \
        --home="$(st_var HOME "$side")" --no-browser --no-restart --no-upgrade --logflags=6 \
        >>"$(st_var LOG "$side")" 2>&1 &
    printf -v "ST_PID_$side" '%s' "$!"
    rw_track_pid "$!"
}

# st_wait_up SIDE: waits until the instance listens and its REST interface answers.
st_wait_up() {
    local side=$1
    rw_poll 20 st_up "$side"
    st_running "$side" || rw_fail "Syncthing $side ended at start"
    st_rest "$side" GET /rest/system/ping >/dev/null 2>&1 ||
        rw_fail "Syncthing $side did not answer on its REST port within 20 s"
}

# st_set_peer_address SIDE: tells SIDE where the other listens; it dials at once.
st_set_peer_address() {
    local peer
    peer=$(st_peer "$1")
    st_rest "$1" PATCH "/rest/config/devices/$(st_var ID "$peer")" -H 'Content-Type: application/json' \
        --data "{\"addresses\": [\"$(st_var LISTEN "$peer")\"]}" >/dev/null ||
        rw_fail "could not give Syncthing $1 the address of $peer"
}

# st_start_pair DIR_A DIR_B: generates both homes under $RW_DIR, starts A and B together and,
# once both listen, gives each the other's address, which makes them dial at once. (Addresses
# written into the configs beforehand would need fixed ports, or B started only after A listens.)
st_start_pair() {
    [ $# = 2 ] || rw_fail "st_start_pair DIR_A DIR_B"
    local side out
    ST_DIR_A=$(realpath -m "$1")
    ST_DIR_B=$(realpath -m "$2")
    for side in A B; do
        printf -v "ST_HOME_$side" '%s' "$RW_DIR/syncthing-$side"
        printf -v "ST_LOG_$side" '%s' "$RW_DIR/syncthing-$side.log"
        # The folder marker: an existing folder without it is refused as perhaps unmounted.
        mkdir -p "$(st_var DIR "$side")/.stfolder" || rw_fail "cannot make $(st_var DIR "$side")"
        syncthing generate --home="$(st_var HOME "$side")" --no-default-folder --skip-port-probing \
            >>"$(st_var LOG "$side")" 2>&1 || rw_fail "syncthing generate failed for $side"
    done
    out=$(st_configure "$ST_HOME_A/config.xml" "$ST_HOME_B/config.xml" "$ST_DIR_A" "$ST_DIR_B" "$ST_FOLDER") ||
        rw_fail "could not write the configs of Syncthing A and B"
    read -r ST_ID_A ST_KEY_A ST_ID_B ST_KEY_B <<<"$out"
    [ -n "$ST_KEY_B" ] || rw_fail "no device ids and API keys in the configs: '$out'"
    st_launch A
    st_launch B
    st_wait_up A
    st_wait_up B
    st_set_peer_address A
    st_set_peer_address B
}

# ---------------------------------------------------------------------------------------------
# Waiting

st_sees_peer() {   # side: true when SIDE has a live connection to the other
    local peer_id=ST_ID_B
    [ "$1" = A ] || peer_id=ST_ID_A
    st_rest "$1" GET /rest/system/connections 2>/dev/null |
        jq -e --arg id "${!peer_id}" '.connections[$id].connected == true' >/dev/null
}

st_connected() { st_sees_peer A && st_sees_peer B; }
st_cut_off() { ! st_sees_peer "$1"; }

st_wait_connected() {
    local limit=${1:-20}
    rw_poll "$limit" st_connected || rw_fail "Syncthing A and B did not connect within $limit s"
}

# Both sides are done: each folder idle and needing nothing; by the index each got from the other,
# the other needs nothing either, and that index is the other's latest (same sequence number);
# and both count the same files.
st_in_sync() {
    local status_a status_b of_b of_a
    status_a=$(st_rest A GET "/rest/db/status?folder=$ST_FOLDER" 2>/dev/null) &&
        status_b=$(st_rest B GET "/rest/db/status?folder=$ST_FOLDER" 2>/dev/null) &&
        of_b=$(st_rest A GET "/rest/db/completion?folder=$ST_FOLDER&device=$ST_ID_B" 2>/dev/null) &&
        of_a=$(st_rest B GET "/rest/db/completion?folder=$ST_FOLDER&device=$ST_ID_A" 2>/dev/null) || return 1
    jq -en --argjson sa "$status_a" --argjson sb "$status_b" --argjson ca "$of_b" --argjson cb "$of_a" '
        def settled($s; $c; $peer):
            $s.state == "idle" and $s.needTotalItems == 0 and $s.pullErrors == 0
            and $c.completion == 100 and $c.needItems == 0 and $c.needDeletes == 0
            and $c.sequence == $peer.sequence;
        def counts($s): [$s.globalFiles, $s.globalDirectories, $s.globalDeleted, $s.globalBytes];
        settled($sa; $ca; $sb) and settled($sb; $cb; $sa) and counts($sa) == counts($sb)' >/dev/null
}

# st_wait_in_sync [SECONDS]: both sides scan now (a file written a moment ago would otherwise wait
# for the watcher's delay and could be missed), then wait until both are idle with the same
# files and neither needs anything from the other.
st_wait_in_sync() {
    local limit=${1:-30}
    st_scan A
    st_scan B
    rw_poll "$limit" st_in_sync || rw_fail "Syncthing A and B were not in sync within $limit s"
}

# st_scan SIDE [SUBPATH]: scans the folder (or the part under SUBPATH) now; returns when done.
st_scan() {
    st_side_ok "$1"
    local query="folder=$ST_FOLDER"
    [ -z "${2:-}" ] || query="$query&sub=$(jq -rn --arg s "$2" '$s | @uri')"
    st_rest "$1" POST "/rest/db/scan?$query" >/dev/null || rw_fail "Syncthing $1 could not scan"
}

# st_pause / st_resume: SIDE stops (or starts again) talking to the other, through REST
# (POST /rest/system/pause?device=ID, /rest/system/resume?device=ID; it is kept in its config).
# While paused, SIDE turns away the other's dials, which come every 5 s; on resuming it dials.
st_pause() {
    st_side_ok "$1"
    st_rest "$1" POST "/rest/system/pause?device=$(st_var ID "$(st_peer "$1")")" >/dev/null ||
        rw_fail "Syncthing $1 could not pause the other device"
}

st_resume() {
    st_side_ok "$1"
    st_rest "$1" POST "/rest/system/resume?device=$(st_var ID "$(st_peer "$1")")" >/dev/null ||
        rw_fail "Syncthing $1 could not resume the other device"
}

# ---------------------------------------------------------------------------------------------
# On failure

st_report() {
    local side status
    for side in A B; do
        [ -n "$(st_var LOG "$side" 2>/dev/null)" ] || continue
        if [ -n "$(st_var PORT "$side")" ] && st_running "$side"; then
            status=$(st_rest "$side" GET "/rest/db/status?folder=$ST_FOLDER" --max-time 3 2>/dev/null |
                jq -c '{state, needTotalItems, pullErrors, globalFiles, localFiles, errors}' 2>/dev/null)
            rw_log "Syncthing $side folder: ${status:-no answer}"
        fi
        if [ -s "$(st_var LOG "$side")" ]; then
            rw_log "Syncthing $side log (last lines):"
            tail -n 15 "$(st_var LOG "$side")" >&2
        fi
    done
}

ST_ID_A="" ST_ID_B="" ST_PORT_A="" ST_PORT_B="" ST_KEY_A="" ST_KEY_B="" ST_PID_A="" ST_PID_B=""
ST_LOG_A="" ST_LOG_B="" ST_HOME_A="" ST_HOME_B="" ST_DIR_A="" ST_DIR_B="" ST_LISTEN_A="" ST_LISTEN_B=""
RW_FAIL_HOOKS="${RW_FAIL_HOOKS:-} st_report"
