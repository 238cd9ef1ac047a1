#!/usr/bin/env bash
# The README's screenshot: five notes of different colours, fonts and see-through levels on a
# plain desktop, one with its popup menu open, under Xvfb with xfwm4's compositor (without a
# compositor every note looks opaque). Run it again after a change of looks:
#
#   docs/make-screenshot.sh BUILD_DIR [OUT.png]     (OUT defaults to docs/screenshot.png)
#
# The notes come from a store seeded here, so the picture comes out the same wherever the same
# fonts are installed (DejaVu and the URW fonts; the script installs what is missing).

BUILD=${1:-}
[ -d "$BUILD" ] || { echo "usage: $0 BUILD_DIR [OUT.png]" >&2; exit 2; }
BUILD=$(cd "$BUILD" && pwd)
HERE=$(cd "$(dirname "$0")" && pwd)
OUT=${2:-$HERE/screenshot.png}
case $OUT in /*) ;; *) OUT=$PWD/$OUT ;; esac
MAX_BYTES=$((300 * 1024))

source "$HERE/../scripts/packages.sh"
install_missing "${QUILLARREN_SCREENSHOT_PACKAGES[@]}" || exit 1

set -- "$BUILD/src/quillarren"
source "$HERE/../tests/realwindow/lib.sh"
# Just large enough for the notes and the open menu, so that nothing needs cropping.
RW_SCREEN_W=840
RW_SCREEN_H=640
rw_setup_with_wm xfwm4 --compositor=on

# A dusk gradient with a few soft light spots, so that a see-through note shows what is behind
# it. hsetroot sets the root pixmap property a compositor paints the desktop from.
convert -size "${RW_SCREEN_W}x${RW_SCREEN_H}" -define gradient:angle=135 gradient:'#25476a-#7b5b8c' \
    \( -size "${RW_SCREEN_W}x${RW_SCREEN_H}" xc:none -fill '#ffffff30' \
       -draw 'circle 640,130 760,130' -draw 'circle 150,560 230,560' -draw 'circle 300,330 340,330' \
       -blur 0x18 \) -composite "$RW_DIR/wallpaper.png" || rw_fail "could not draw the wallpaper"
hsetroot -cover "$RW_DIR/wallpaper.png" >/dev/null 2>&1 || rw_fail "hsetroot could not set the wallpaper"

# Stored colours are 0x00BBGGRR in decimal, positions twips (15 to a pixel).
bgr() { printf '%d' $((0x$3$2$1)); }   # RR GG BB
note() {   # index x y level colour text
    rw_seed "NotesForm$1.Left" $(($2 * 15)) "NotesForm$1.Top" $(($3 * 15)) \
        "NotesForm$1.Translucency" "$4" "NotesForm$1.BackColor" "$5" "NotesForm$1.TextBackColor" "$5" \
        "NotesForm$1.Notes" "$6"
}
rw_seed "Total Forms" 5
note 1 40 50 235 "$(bgr ff ff c0)" $'Shopping\n- oat milk\n- 6 eggs\n- basil\n- coffee beans\n- bin bags\n- birthday card'
rw_seed NotesForm1.Font "DejaVu Sans" NotesForm1.Size 10
note 2 225 40 200 "$(bgr ff d4 e0)" $'Plumber (Marek)\n0161 496 0734\nafter 8 am,\nnot Fridays'
rw_seed NotesForm2.Font "DejaVu Sans Mono" NotesForm2.Size 10 NotesForm2.Bold True \
    NotesForm2.TextColor "$(bgr 80 10 30)"
note 3 50 300 170 "$(bgr c8 e6 ff)" $'Call Mum\nSunday 6 pm\n\nher birthday\non the 14th!'
rw_seed NotesForm3.Font "Z003" NotesForm3.Size 15 NotesForm3.Italic True NotesForm3.TextColor "$(bgr 14 28 64)"
note 4 165 250 145 "$(bgr cc f0 c8)" $'Weekend:\nhike to Kinder Scout,\ntrain at 8:12\n\nbring a map, a flask\nand plasters'
rw_seed NotesForm4.Font "DejaVu Serif" NotesForm4.Size 9 NotesForm4.Italic True
note 5 400 40 210 "$(bgr ff d6 99)" $'Dentist\nThursday 9:40\n\nbring the form!'
rw_seed NotesForm5.Font "URW Gothic" NotesForm5.Size 11

rw_start_app
rw_wait_notes 5 30
# Two notes resized, as a user does, so that not all are the same.
rw_wait_note_at 40 50 10
xdotool windowsize "$RW_WIN" 150 190
rw_wait_note_at 165 250 10
xdotool windowsize "$RW_WIN" 170 160
rw_poll 5 rw_size_is "$RW_WIN" 170 160 || rw_fail "the green note was not resized"
sleep 1
# The orange note's menu, opened by a right click on its text.
rw_open_menu_at 505 172
# The compositor paints the menu a moment after it is mapped.
sleep 1.5
rw_screenshot "$RW_DIR/screen.png"

convert "$RW_DIR/screen.png" -strip -define png:compression-level=9 "$RW_DIR/out.png" ||
    rw_fail "could not write the PNG"
# Fewer colours only if a change of looks ever makes the picture too big for the README.
if [ "$(stat -c %s "$RW_DIR/out.png")" -gt "$MAX_BYTES" ]; then
    convert "$RW_DIR/screen.png" -strip -colors 256 -define png:compression-level=9 "$RW_DIR/out.png" ||
        rw_fail "could not write the PNG"
fi
cp "$RW_DIR/out.png" "$OUT" || rw_fail "could not write $OUT"
rw_log "wrote $OUT ($(stat -c %s "$OUT") bytes)"
rw_pass
