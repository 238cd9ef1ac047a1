#!/usr/bin/env bash
# Installing into a scratch prefix gives what a user meets: the quillarren command, the program
# folder with its alarm sound and the plugin that plays it, a menu entry and AppStream data the desktop's validators accept,
# the translations, the icons, answers to --version and --help where there is no display, and a login autostart
# entry that --autostart on writes and --autostart off removes.
#
#   bash test_install.sh BUILD_DIR

set -euo pipefail
BUILD=$1
ID=net.brimvale.Quillarren
WORK=$(mktemp -d "${TMPDIR:-/tmp}/quillarren-install.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL [install]: $*" >&2; exit 1; }

PREFIX=$WORK/prefix
cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" 2>&1 || fail "cmake --install: $(cat "$WORK/install.log")"

COMMAND=$PREFIX/bin/quillarren
PROGRAM=$PREFIX/lib/quillarren/quillarren
[ -x "$COMMAND" ] || fail "no quillarren command in $PREFIX/bin"
[ -x "$PROGRAM" ] || fail "no program in the program folder $PREFIX/lib/quillarren"
[ -s "$PREFIX/lib/quillarren/Reminder.wav" ] || fail "no alarm sound beside the installed program"
PLUGIN=$PREFIX/lib/quillarren/quillarren-sound.so
[ -s "$PLUGIN" ] || fail "no sound plugin beside the installed program"
# The audio and network libraries stay out of every start: only the plugin needs Qt Multimedia.
needed=$(readelf -d "$PROGRAM") || fail "readelf could not read the installed program"
for library in libQt6Multimedia libQt6Network; do
    ! grep -q "NEEDED.*$library" <<<"$needed" || fail "the program links $library"
done
readelf -d "$PLUGIN" | grep -q 'NEEDED.*libQt6Multimedia' || fail "the sound plugin does not link Qt Multimedia"

desktop-file-validate "$PREFIX/share/applications/$ID.desktop" >"$WORK/desktop.log" 2>&1 ||
    fail "desktop-file-validate: $(cat "$WORK/desktop.log")"
appstreamcli validate --no-net "$PREFIX/share/metainfo/$ID.metainfo.xml" >"$WORK/metainfo.log" 2>&1 ||
    fail "appstreamcli validate: $(cat "$WORK/metainfo.log")"

# Every language the program speaks: its translations beside the program, and the menu entry's
# and the software centre's words in it.
for language in de fr es it pt_BR pl ru ja zh_CN ar; do
    [ -s "$PREFIX/lib/quillarren/translations/quillarren_$language.qm" ] || fail "no $language translation installed"
    for key in GenericName Comment Keywords; do
        grep -q "^$key\[$language\]=." "$PREFIX/share/applications/$ID.desktop" || fail "the menu entry has no $key[$language]"
    done
    grep -q "<summary xml:lang=\"$language\">" "$PREFIX/share/metainfo/$ID.metainfo.xml" || fail "no $language summary in the AppStream data"
done

icons=$PREFIX/share/icons/hicolor
[ -s "$icons/scalable/apps/$ID.svg" ] || fail "no scalable icon"
for size in 16 32 48 64 128 256; do
    png=$icons/${size}x${size}/apps/$ID.png
    [ -s "$png" ] || fail "no ${size} px icon"
    [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || fail "the ${size} px icon is $(identify -format '%wx%h' "$png")"
done

# No display at all: a window system connection attempt would end the program with an error.
run() { timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$WORK/config" "$COMMAND" "$@"; }

run --version >"$WORK/out" 2>&1 || fail "--version failed: $(cat "$WORK/out")"
grep -Eqx 'quillarren [0-9]+\.[0-9]+(\.[0-9]+)?' "$WORK/out" || fail "--version said: $(cat "$WORK/out")"
run --help >"$WORK/out" 2>&1 || fail "--help failed: $(cat "$WORK/out")"
grep -q -- '--autostart' "$WORK/out" || fail "--help does not mention --autostart: $(cat "$WORK/out")"
status=0
run --no-such-option >"$WORK/out" 2>&1 || status=$?
[ "$status" = 1 ] || fail "an unknown option gave exit code $status: $(cat "$WORK/out")"

entry=$WORK/config/autostart/$ID.desktop
run --autostart on >"$WORK/out" 2>&1 || fail "--autostart on failed: $(cat "$WORK/out")"
[ -f "$entry" ] || fail "--autostart on wrote no $entry: $(cat "$WORK/out")"
desktop-file-validate "$entry" >"$WORK/autostart.log" 2>&1 || fail "autostart entry: $(cat "$WORK/autostart.log")"
# Through the command's link the program sees its own folder, where its alarm sound lies.
grep -qx "TryExec=$PROGRAM" "$entry" || fail "the autostart entry does not start the installed program: $(cat "$entry")"
run --autostart off >"$WORK/out" 2>&1 || fail "--autostart off failed: $(cat "$WORK/out")"
[ ! -e "$entry" ] || fail "--autostart off left $entry"
echo "PASS [install]"
