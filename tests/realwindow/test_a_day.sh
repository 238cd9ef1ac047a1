#!/usr/bin/env bash
# A user's day with the notes, through the real windows and dialogs only: the first start on an
# empty store, typing, moving and resizing, a second note with its own font, text colour and
# colour chosen in the real dialogs, see-through levels, Always On Top, saving to a file and
# saving it again over itself, e-mail, a reminder that goes off and is stopped, every Ctrl
# shortcut the menu shows and the menu's own editing items, deleting notes, Ctrl+Q and a restart
# at lunch (on a store whose modes were loosened), Quit from the menu in the evening, the next
# morning's start and a Quit at once. After each step the store, the X properties and the screen
# are looked at.

source "$(dirname "$0")/lib.sh"
rw_setup

# Letters the keyboard lacks are typed by xdotool through a key it remaps for a moment, and the
# program may read that key before it has the new mapping: the letter is lost. A German second
# group holds the ü and ß of the notes, so xdotool only switches the group, which each key event
# carries.
setxkbmap -layout us,de || rw_fail "could not add a German group to the keyboard (setxkbmap)"

# The font dialog is asked for a bold face, which the fonts of this machine must offer.
fc-list -q 'DejaVu Sans:style=Bold' || rw_fail "the font DejaVu Sans Bold is not installed (fonts-dejavu-core)"

# The desktop's handler for links is a stand-in that records what it is given.
mkdir -p "$RW_DIR/bin" "$RW_DIR/files"
cat >"$RW_DIR/bin/xdg-open" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$1" >>"$RW_DIR/opened.txt"
SCRIPT
chmod +x "$RW_DIR/bin/xdg-open"
export PATH=$RW_DIR/bin:$PATH
OPENED=$RW_DIR/opened.txt
SHOT=$RW_DIR/screen.png

# ---------------------------------------------------------------------------------------------
# Looking at things

geometry_is() { [ "$(rw_geometry "$1")" = "$2" ]; }

# "R,G,B" of one pixel of the screenshot.
pixel_at() {   # x y
    convert "$SHOT" -format "%[fx:round(255*p{$1,$2}.r)],%[fx:round(255*p{$1,$2}.g)],%[fx:round(255*p{$1,$2}.b)]" \
        info: 2>/dev/null
}

# Number of pixels of the colour R,G,B (within a hair) in a region of the screenshot.
colour_pixels() {   # x y w h r g b
    convert "$SHOT" -crop "${3}x${4}+${1}+${2}" +repage \
        -fx "(abs(r * 255 - $5) + abs(g * 255 - $6) + abs(b * 255 - $7)) < 6" \
        -format '%[fx:round(mean * w * h)]' info: 2>/dev/null || echo -1
}

pixel_is() {   # x y "R,G,B": on a fresh screenshot
    rw_screenshot "$SHOT"
    [ "$(pixel_at "$1" "$2")" = "$3" ]
}

window_gone() { ! rw_has_window_named "$1"; }

# Waits for one of the program's windows by name and makes sure it has the keyboard.
wait_window() {   # pattern what
    rw_poll 10 rw_has_window_named "$1" || rw_fail "$2 did not open"
    xdotool windowactivate --sync "$(rw_window_named "$1")" 2>/dev/null
    sleep 0.2
}

wait_window_gone() {   # pattern what
    rw_poll 10 window_gone "$1" || rw_fail "$2 stayed open"
}

# Types text with its line breaks as Return presses.
type_text() {
    local first=1 line
    while IFS= read -r line || [ -n "$line" ]; do
        [ "$first" = 1 ] || xdotool key Return
        first=0
        [ -z "$line" ] || xdotool type --delay 25 "$line"
    done <<<"$1"
}

opened_lines() { [ -s "$OPENED" ] && wc -l <"$OPENED" || echo 0; }
has_opened() { [ "$(opened_lines)" -ge "$1" ]; }

# Line N of what the handler got, taken apart: scheme|address|Subject|Body (the body last, exact).
decode_link() {   # n
    python3 - "$(sed -n "${1}p" "$OPENED")" <<'PY'
import sys, urllib.parse
url = urllib.parse.urlsplit(sys.argv[1])
query = dict(urllib.parse.parse_qsl(url.query, keep_blank_values=True))
print(url.scheme, urllib.parse.unquote(url.path), query.get("Subject"), sep="|", end="|")
sys.stdout.write(query.get("Body", ""))
PY
}

# Menu items, counted from the top without separators.
CUT=1 COPY=2 PASTE=3 SELECT_ALL=4 SET_REMINDER=5 CREATE=6 DELETE=7 FONT=8 COLOR=9 EMAIL=10 SAVE=11
INSERT_DATE=12 INSERT_TIME=13 DEFAULT_SEE=14 MORE_SEE=15 LESS_SEE=16 ON_TOP=17 EMAIL_AUTHOR=18
WEBSITE=19 QUIT=20

menu() {   # x y item: the note's menu, opened at x,y, and one item chosen with the keyboard
    rw_open_menu_at "$1" "$2"
    rw_choose_item "$3"
}

# Places: a note's top strip and a spot in its text, from the upper-left corner.
strip() { echo $(($1 + 66)) $(($2 + 12)); }
inside() { echo $(($1 + 66)) $(($2 + 90)); }

# In the colour dialog that has the keyboard: the colour typed as HTML, then OK.
pick_colour() {   # #rrggbb what
    wait_window '^Select Color' "the colour dialog ($2)"
    xdotool key alt+h ctrl+a
    xdotool type --delay 25 "$1"
    xdotool key Return
    wait_window_gone '^Select Color' "the colour dialog ($2)"
}

# Colours as the store keeps them: 0x00BBGGRR in decimal.
stored_colour() { echo $((0x${1:5:2} << 16 | 0x${1:3:2} << 8 | 0x${1:1:2})); }

# ---------------------------------------------------------------------------------------------
# Morning: the first start, on an empty store, opens one empty note at 500 twips.

rw_start_app
rw_wait_notes 1
rw_wait_note_at 33 33
note1=$RW_WIN
geometry_is "$note1" "33 33 133 157" || rw_fail "the first note is at $(rw_geometry "$note1"), not 33 33 133 157"
rw_expect_eq "text of the first note" "" "$(rw_get NotesForm1.Notes)"

text1=$'Shopping list:\nmilk & eggs\nGrüße #7'
xdotool mousemove $(inside 33 33) click 1
type_text "$text1"
rw_poll 5 rw_stored_is NotesForm1.Notes "$text1" ||
    rw_fail "the typed text is stored as '$(rw_get NotesForm1.Notes)'"

# Moved by its top strip, then made larger from the bottom-right corner of its text.
rw_drag $(strip 33 33) $(strip 233 133)
rw_poll 3 rw_window_at "$note1" 233 133 ||
    rw_fail "dragging the top strip to 233,133 left the note at $(rw_geometry "$note1")"
rw_drag $((233 + 130)) $((133 + 154)) $((233 + 190)) $((133 + 194))
rw_poll 3 geometry_is "$note1" "233 133 193 197" ||
    rw_fail "dragging the bottom-right corner by +60,+40 left the note at $(rw_geometry "$note1")"

# A second note from the menu: it opens beside the first (to its right) and takes the keyboard.
menu $(strip 233 133) $CREATE
rw_wait_notes 2
rw_wait_note_at 438 133
note2=$RW_WIN
[ "$note2" != "$note1" ] || rw_fail "Create New Note opened no new window"
rw_poll 3 rw_stored_is "Total Forms" 2 || rw_fail "Total Forms after Create New Note: '$(rw_get "Total Forms")'"
text2="Call Anna at 5 (tel. 555-0199)"
type_text "$text2"
rw_poll 5 rw_stored_is NotesForm2.Notes "$text2" || rw_fail "the new note stored '$(rw_get NotesForm2.Notes)'"
rw_expect_eq "first note's text after typing in the second" "$text1" "$(rw_get NotesForm1.Notes)"
rw_drag $(strip 438 133) $(strip 800 150)
rw_poll 3 rw_window_at "$note2" 800 150 || rw_fail "the second note did not move to 800,150: $(rw_geometry "$note2")"

# ---------------------------------------------------------------------------------------------
# The second note gets its own look: DejaVu Sans Bold 14 in dark blue, on pink.

ink=#1a2b8c
paper=#ffd0e0
menu $(strip 800 150) $FONT
wait_window '^Font$' "the font dialog"
# The face name has the keyboard; Alt+Y and Alt+S reach the style and the size. Typing in the
# style list finds the next style after the current one that starts so; from the last one that
# is the first in the list ("Bold", where "Bold Italic" may follow the current "Regular").
xdotool type --delay 25 "DejaVu Sans"
xdotool key alt+y End
xdotool type --delay 25 "Bold"
xdotool key alt+s ctrl+a
xdotool type --delay 25 "14"
xdotool key alt+c
pick_colour "$ink" "text colour"
rw_has_window_named '^Font$' || rw_fail "the font dialog closed with the colour dialog"
xdotool key Return
wait_window_gone '^Font$' "the font dialog"
rw_poll 3 rw_stored_is NotesForm2.Size 14 || rw_fail "NotesForm2.Size after the font dialog: '$(rw_get NotesForm2.Size)'"
rw_expect_eq "NotesForm2.Font" "DejaVu Sans" "$(rw_get NotesForm2.Font)"
rw_expect_eq "NotesForm2 bold, italic, underline, strikethrough" "True False False False" \
    "$(rw_get NotesForm2.Bold) $(rw_get NotesForm2.Italic) $(rw_get NotesForm2.Underline) $(rw_get NotesForm2.Strikethru)"
rw_expect_eq "NotesForm2.TextColor" "$(stored_colour $ink)" "$(rw_get NotesForm2.TextColor)"
rw_expect_eq "NotesForm1.Font (the other note)" "" "$(rw_get NotesForm1.Font)"

menu $(strip 800 150) $COLOR
pick_colour "$paper" "note colour"
rw_poll 3 rw_stored_is NotesForm2.BackColor "$(stored_colour $paper)" ||
    rw_fail "NotesForm2.BackColor after the colour dialog: '$(rw_get NotesForm2.BackColor)'"
rw_expect_eq "NotesForm2.TextBackColor" "$(stored_colour $paper)" "$(rw_get NotesForm2.TextBackColor)"

# The keyboard is back in the note, where it was before the menu.
xdotool type --delay 25 "!"
text2+="!"
rw_poll 5 rw_stored_is NotesForm2.Notes "$text2" ||
    rw_fail "typing after the dialogs stored '$(rw_get NotesForm2.Notes)' as the second note"

# What the user sees: the strip and the text's background pink, the text in the chosen ink (bold
# 14-point text has hundreds of such pixels), the first note still yellow with black text.
rw_poll 3 pixel_is 866 155 255,208,224 || rw_fail "the second note's strip shows $(pixel_at 866 155), not pink"
[ "$(pixel_at 866 300)" = 255,208,224 ] || rw_check_failed "the second note's text field shows $(pixel_at 866 300), not pink"
n=$(colour_pixels 800 174 133 133 26 43 140)
[ "$n" -gt 150 ] || rw_check_failed "the second note shows $n pixels of its text colour"
ink_seen=$n
[ "$(pixel_at 299 140)" = 255,255,192 ] || rw_check_failed "the first note's strip shows $(pixel_at 299 140)"
n=$(colour_pixels 233 157 193 173 26 43 140)
[ "$n" = 0 ] || rw_check_failed "the first note shows $n pixels of the second note's text colour"

# The shopping list is made bold in its own face: the font dialog offers Bold for the face the
# note is drawn in, though the note names a face (Arial) this machine may only have a stand-in for.
plain_ink=$(colour_pixels 233 157 193 173 0 0 0)
menu $(strip 233 133) $FONT
wait_window '^Font$' "the font dialog (first note)"
xdotool key alt+y End
xdotool type --delay 25 "Bold"
xdotool key Return
wait_window_gone '^Font$' "the font dialog (first note)"
rw_poll 3 rw_stored_is NotesForm1.Bold True || rw_fail "NotesForm1.Bold after choosing Bold: '$(rw_get NotesForm1.Bold)'"
rw_expect_eq "the first note's face, size, italic and colour" "Arial 9 False 0" \
    "$(rw_get NotesForm1.Font) $(rw_get NotesForm1.Size) $(rw_get NotesForm1.Italic) $(rw_get NotesForm1.TextColor)"
rw_screenshot "$SHOT"
bold_ink=$(colour_pixels 233 157 193 173 0 0 0)
# Bold strokes are solid black where plain ones are mostly grey edges (about 230 pixels to 26).
[ "$bold_ink" -gt $((2 * plain_ink)) ] ||
    rw_check_failed "the first note does not look bold: $bold_ink black pixels, $plain_ink before"

# ---------------------------------------------------------------------------------------------
# See-through levels of the second note; the first one keeps the default 200.

see_through() {   # item expected-level
    menu $(strip 800 150) "$1"
    rw_poll 3 rw_stored_is NotesForm2.Translucency "$2" ||
        rw_fail "NotesForm2.Translucency after item $1: '$(rw_get NotesForm2.Translucency)', not $2"
    rw_poll 5 rw_level_is "$note2" "$2" || rw_fail "after item $1 the second note shows level $(rw_level_of "$note2"), not $2"
}
rw_poll 5 rw_level_is "$note1" 200 || rw_fail "the first note shows level $(rw_level_of "$note1"), not 200"
see_through $MORE_SEE 180
see_through $MORE_SEE 160
see_through $LESS_SEE 180
see_through $DEFAULT_SEE 200
see_through $LESS_SEE 220
rw_level_is "$note1" 200 || rw_check_failed "the first note changed to level $(rw_level_of "$note1")"
rw_expect_eq "NotesForm1.Translucency" "" "$(rw_get NotesForm1.Translucency)"

# ---------------------------------------------------------------------------------------------
# Always On Top: the check mark starts on, so off, on and off again; every note follows, in place.

# Both notes in the above band (True) or out of it (False); WHEN says at which step.
both_on_top_are() {   # True|False when
    local check=rw_not_above
    [ "$1" = True ] && check=rw_above
    rw_poll 3 $check "$note1" || rw_check_failed "Always On Top $1: the first note's state$2 is $(xprop -id "$note1" _NET_WM_STATE)"
    rw_poll 3 $check "$note2" || rw_check_failed "Always On Top $1: the second note's state$2 is $(xprop -id "$note2" _NET_WM_STATE)"
}

on_top() {   # expected True/False
    menu $(strip 233 133) $ON_TOP
    rw_poll 3 rw_stored_is NotesForm1.AlwaysOnTop "$1" || rw_fail "NotesForm1.AlwaysOnTop: '$(rw_get NotesForm1.AlwaysOnTop)', not $1"
    both_on_top_are "$1" ""
    rw_has_notes 2 || rw_check_failed "$(rw_note_count) notes mapped after Always On Top $1"
    rw_window_at "$note1" 233 133 || rw_check_failed "the first note moved to $(rw_geometry "$note1")"
    rw_window_at "$note2" 800 150 || rw_check_failed "the second note moved to $(rw_geometry "$note2")"
}
on_top False
on_top True
on_top False
rw_expect_eq "NotesForm2.AlwaysOnTop (only the target's key)" "" "$(rw_get NotesForm2.AlwaysOnTop)"

# ---------------------------------------------------------------------------------------------
# The shopping list goes to a file, typed without its extension, and by e-mail.

menu $(strip 233 133) $SAVE
wait_window '^Save As' "the save dialog"
xdotool type --delay 25 "$RW_DIR/files/shopping"
xdotool key Return
wait_window_gone '^Save As' "the save dialog"
rw_poll 5 test -e "$RW_DIR/files/shopping.txt" || rw_fail "no file shopping.txt after Save"
printf '%s' "$text1" | cmp -s - "$RW_DIR/files/shopping.txt" ||
    rw_fail "the saved file holds '$(od -c "$RW_DIR/files/shopping.txt" | head -5)', not the note's text"

# Bread joins the list, and Ctrl+S saves it again: the dialog offers the same file, and replacing
# it is confirmed.
xdotool mousemove $(inside 233 133) click 1
xdotool key ctrl+End Return
xdotool type --delay 25 "bread"
text1+=$'\nbread'
rw_poll 5 rw_stored_is NotesForm1.Notes "$text1" || rw_fail "the list is stored as '$(rw_get NotesForm1.Notes)'"
xdotool key ctrl+s
wait_window '^Save As' "the save dialog (Ctrl+S)"
xdotool key Return
# The question carries the dialog's title.
asked_to_replace() {
    [ "$(xdotool search --all --onlyvisible --pid "$RW_APP_PID" --name '^Save As' 2>/dev/null | grep -c .)" -ge 2 ]
}
rw_poll 5 asked_to_replace || rw_fail "the save dialog did not ask before replacing shopping.txt"
xdotool key alt+y
wait_window_gone '^Save As' "the save dialog (Ctrl+S)"
rw_poll 5 eval "printf '%s' \"\$text1\" | cmp -s - '$RW_DIR/files/shopping.txt'" ||
    rw_fail "after Ctrl+S the file holds '$(cat "$RW_DIR/files/shopping.txt")', not the note's text"

menu $(strip 233 133) $EMAIL
wait_window '^E-mail Note' "the e-mail dialog"
xdotool type --delay 25 "anna+list@example.org"
xdotool key Tab space
rw_poll 5 has_opened 1 || rw_fail "Compose handed nothing to the desktop's handler"
wait_window_gone '^E-mail Note' "the e-mail dialog after Compose"
rw_expect_eq "the e-mail link" "mailto|anna+list@example.org|Shopping |${text1//$'\n'/$'\r\n'}" "$(decode_link 1)"
rw_expect_eq "NotesForm1.EmailAddresses" ",anna+list@example.org" "$(rw_get NotesForm1.EmailAddresses)"

# The two links of the menu go to the same handler.
menu $(strip 233 133) $EMAIL_AUTHOR
rw_poll 5 has_opened 2 || rw_fail "Email Author Suggestions / Bugs opened nothing"
case $(sed -n 2p "$OPENED") in mailto:?*@?*.?*) ;; *) rw_check_failed "the author link is '$(sed -n 2p "$OPENED")'" ;; esac
menu $(strip 233 133) $WEBSITE
rw_poll 5 has_opened 3 || rw_fail "the web-site item opened nothing"
case $(sed -n 3p "$OPENED") in https://?*.?*) ;; *) rw_check_failed "the web-site link is '$(sed -n 3p "$OPENED")'" ;; esac

# ---------------------------------------------------------------------------------------------
# A reminder on the second note, a few seconds ahead, set in the real dialog.

alarm_shown() { rw_has_window_named '^Reminder Alarm'; }
menu $(strip 800 150) $SET_REMINDER
wait_window '^Reminder \[' "the reminder dialog"
dialog=$(rw_window_named '^Reminder \[')
rw_expect_eq "reminder dialog title" "Reminder [Disabled]" \
    "$(xprop -id "$dialog" WM_NAME | sed -n 's/.*= "\(.*\)"$/\1/p')"
# The picker writes the date in the locale's order (C: "10 Dec 2026 09:41:05", typed as
# "10Dec2026094105") and has the keyboard on its first field; it takes the whole value typed through, and Tab from
# its last field goes on to "Set Reminder". Should the machine be so slow that the second has
# already passed when it is stored, "Disable Reminder" and again with more time.
due=0
for ahead in 6 15 40; do
    due=$(($(date +%s) + ahead))
    picker=$(LC_ALL=C date -d "@$due" '+%d%b%Y%H%M%S')
    xdotool type --delay 25 "$picker"
    xdotool key Tab space
    rw_poll 5 rw_stored_is NotesForm2.ReminderSeconds "$(date -d "@$due" '+%-S')" ||
        rw_fail "Set Reminder stored the second '$(rw_get NotesForm2.ReminderSeconds)', not $(date -d "@$due" '+%-S')"
    [ "$(date +%s)" -lt "$due" ] && break
    rw_log "the reminder was stored too late for its second; again, $ahead s ahead was not enough"
    xdotool key space Tab Tab
done
rw_expect_eq "stored reminder" "Enabled $(date -d "@$due" '+%-H %-M %-S')" \
    "$(rw_get NotesForm2.ReminderStatus) $(rw_get NotesForm2.ReminderHours) $(rw_get NotesForm2.ReminderMinutes) $(rw_get NotesForm2.ReminderSeconds)"
rw_stored_contains NotesForm2.ReminderDate "$(date -d "@$due" '+%Y')" ||
    rw_check_failed "NotesForm2.ReminderDate is '$(rw_get NotesForm2.ReminderDate)'"
rw_poll 3 eval "xprop -id $dialog WM_NAME | grep -q 'Reminder \[Enabled\]'" ||
    rw_check_failed "the reminder dialog's title is $(xprop -id "$dialog" WM_NAME)"
# "Hide This Window" puts it away; the reminder stays set.
xdotool key Tab space
rw_poll 5 eval '! rw_has_window_named "^Reminder \["' || rw_fail "Hide This Window left the reminder dialog shown"

# Until it goes off, while the note flashes white and black and until it shows its own colour
# again, the store keeps the note's own text.
flashed=0 restored=0
deadline=$((due + 20))
while [ "$(date +%s)" -lt "$deadline" ]; do
    rw_stored_is NotesForm2.Notes "$text2" || rw_fail "the stored text became '$(rw_get NotesForm2.Notes)'"
    if alarm_shown; then
        rw_screenshot "$SHOT"
        case $(pixel_at 866 155) in
            255,255,255 | 0,0,0) flashed=1 restored=0 ;;
            255,208,224) [ "$flashed" = 1 ] && restored=$((restored + 1)) ;;
        esac
        # Its own colour is one step of three in the flashing: seen a few times running, it is over.
        [ "$restored" -ge 8 ] && break
    fi
    sleep 0.05
done
alarm_shown || rw_fail "no \"Reminder Alarm\" window by 20 s after the reminder's time"
[ "$flashed" = 1 ] || rw_fail "the note did not flash white or black (last: $(pixel_at 866 155))"
rw_poll 10 pixel_is 866 155 255,208,224 || rw_fail "after the flashing the note shows $(pixel_at 866 155), not pink"
rw_expect_eq "stored text after the flashing" "$text2" "$(rw_get NotesForm2.Notes)"
alarm_shown || rw_fail "the alarm window went away by itself"
xdotool windowactivate --sync "$(rw_window_named '^Reminder Alarm')" key space
rw_poll 5 eval '! alarm_shown' || rw_fail "\"Stop Alarm\" did not close the alarm window"
rw_expect_eq "stored text after the alarm" "$text2" "$(rw_get NotesForm2.Notes)"

# ---------------------------------------------------------------------------------------------
# Every shortcut the menu shows, typed in a scratch note made with Ctrl+N.

xdotool mousemove $(inside 233 133) click 1
xdotool key ctrl+n
rw_wait_notes 3
rw_wait_note_at 438 133
note3=$RW_WIN
rw_poll 3 rw_stored_is "Total Forms" 3 || rw_fail "Total Forms after Ctrl+N: '$(rw_get "Total Forms")'"
# A new note follows the check mark of Always On Top, off now, and opens at the default level.
rw_not_above "$note3" || rw_check_failed "the note made with Ctrl+N is above the others while Always On Top is off"
rw_poll 5 rw_level_is "$note3" 200 || rw_check_failed "the note made with Ctrl+N shows level $(rw_level_of "$note3"), not 200"
type_text "abc"
rw_poll 5 rw_stored_is NotesForm3.Notes abc || rw_fail "typing after Ctrl+N stored '$(rw_get NotesForm3.Notes)' as note 3"

xdotool key ctrl+a ctrl+x
rw_poll 3 rw_stored_is NotesForm3.Notes "" || rw_fail "Ctrl+A, Ctrl+X left '$(rw_get NotesForm3.Notes)'"
xdotool key ctrl+v
rw_poll 3 rw_stored_is NotesForm3.Notes abc || rw_fail "Ctrl+V after the cut gave '$(rw_get NotesForm3.Notes)'"
xdotool key ctrl+a ctrl+c End ctrl+v
rw_poll 3 rw_stored_is NotesForm3.Notes abcabc || rw_fail "Ctrl+A, Ctrl+C, End, Ctrl+V gave '$(rw_get NotesForm3.Notes)'"

# The same with the menu's items.
menu $(strip 438 133) $SELECT_ALL
menu $(strip 438 133) $CUT
rw_poll 3 rw_stored_is NotesForm3.Notes "" || rw_fail "Select All, Cut left '$(rw_get NotesForm3.Notes)'"
menu $(strip 438 133) $PASTE
rw_poll 3 rw_stored_is NotesForm3.Notes abcabc || rw_fail "Paste after the cut gave '$(rw_get NotesForm3.Notes)'"
menu $(strip 438 133) $SELECT_ALL
menu $(strip 438 133) $COPY
xdotool key End
menu $(strip 438 133) $PASTE
anchor=abcabcabcabc
rw_poll 3 rw_stored_is NotesForm3.Notes $anchor || rw_fail "Select All, Copy, End, Paste gave '$(rw_get NotesForm3.Notes)'"

# The date and time are those of the moment of the key; each goes in at the caret, which stays
# right after it.
# Dates as this locale writes them: "9 Dec 2026", "00:14:37".
stamps_between() {   # from to format: every distinct stamp of the seconds in between
    local s
    for s in $(seq "$1" "$2"); do date -d "@$s" "$3"; done | sort -u
}
one_of() {   # value candidates...
    local v=$1 c
    shift
    for c in "$@"; do [ "$v" = "$c" ] && return 0; done
    return 1
}
from=$(date +%s)
xdotool key ctrl+F1
rw_poll 3 eval '[ "$(rw_get NotesForm3.Notes)" != $anchor ]' || rw_fail "Ctrl+F1 inserted nothing"
xdotool key ctrl+F2
rw_poll 3 eval 'case $(rw_get NotesForm3.Notes) in $anchor*:*) true ;; *) false ;; esac' ||
    rw_fail "Ctrl+F2 inserted no time after the date: '$(rw_get NotesForm3.Notes)'"
to=$(date +%s)
stamped=$(rw_get NotesForm3.Notes)
stamped=${stamped#$anchor}
shortcut_time=${stamped: -8}
shortcut_date=${stamped%$shortcut_time}
mapfile -t dates < <(stamps_between "$from" "$to" '+%-d %b %Y')
mapfile -t times < <(stamps_between "$from" "$to" '+%H:%M:%S')
one_of "$shortcut_date" "${dates[@]}" || rw_check_failed "Ctrl+F1 inserted '$shortcut_date', not today's date (${dates[*]})"
one_of "$shortcut_time" "${times[@]}" || rw_check_failed "Ctrl+F2 inserted '$shortcut_time', not the time (${times[*]})"

# The menu's Insert Date and Insert Time write the same forms.
xdotool key ctrl+a ctrl+x
rw_poll 3 rw_stored_is NotesForm3.Notes "" || rw_fail "Ctrl+A, Ctrl+X left '$(rw_get NotesForm3.Notes)'"
from=$(date +%s)
menu $(strip 438 133) $INSERT_DATE
rw_poll 3 eval '[ -n "$(rw_get NotesForm3.Notes)" ]' || rw_fail "Insert Date inserted nothing"
menu $(strip 438 133) $INSERT_TIME
rw_poll 3 eval 'case $(rw_get NotesForm3.Notes) in *:*) true ;; *) false ;; esac' || rw_fail "Insert Time inserted nothing"
to=$(date +%s)
stamped=$(rw_get NotesForm3.Notes)
mapfile -t dates < <(stamps_between "$from" "$to" '+%-d %b %Y')
mapfile -t times < <(stamps_between "$from" "$to" '+%H:%M:%S')
menu_ok=0
for d in "${dates[@]}"; do
    for t in "${times[@]}"; do [ "$stamped" = "$d$t" ] && menu_ok=1; done
done
[ "$menu_ok" = 1 ] || rw_check_failed "Insert Date then Insert Time gave '$stamped', not a date then a time of now"
scratch=$stamped

# Ctrl+F opens the font dialog; cancelled, it changes nothing.
xdotool mousemove $(inside 438 133) click 1
xdotool key ctrl+f
wait_window '^Font$' "the font dialog (Ctrl+F)"
xdotool key Escape
wait_window_gone '^Font$' "the font dialog (Ctrl+F) after Escape"
rw_expect_eq "NotesForm3.Font after a cancelled font dialog" "" "$(rw_get NotesForm3.Font)"

# Ctrl+O: the colour dialog, and a pale green note.
xdotool mousemove $(inside 438 133) click 1
xdotool key ctrl+o
pick_colour "#d0ffd0" "Ctrl+O"
rw_poll 3 rw_stored_is NotesForm3.BackColor "$(stored_colour "#d0ffd0")" ||
    rw_fail "NotesForm3.BackColor after Ctrl+O: '$(rw_get NotesForm3.BackColor)'"
rw_poll 3 pixel_is 504 145 208,255,208 || rw_check_failed "after Ctrl+O the note's strip shows $(pixel_at 504 145)"

# Ctrl+E: e-mail of this note, to another address.
xdotool mousemove $(inside 438 133) click 1
xdotool key ctrl+e
wait_window '^E-mail Note' "the e-mail dialog (Ctrl+E)"
xdotool type --delay 25 "me@example.org"
xdotool key Tab space
rw_poll 5 has_opened 4 || rw_fail "Compose after Ctrl+E handed nothing to the handler"
wait_window_gone '^E-mail Note' "the e-mail dialog (Ctrl+E) after Compose"
rw_expect_eq "the e-mail link from Ctrl+E" "mailto|me@example.org|${scratch%% *} |$scratch" "$(decode_link 4)"

# Ctrl+S: the save dialog, and the scratch note in a file.
xdotool mousemove $(inside 438 133) click 1
xdotool key ctrl+s
wait_window '^Save As' "the save dialog (Ctrl+S)"
xdotool type --delay 25 "$RW_DIR/files/scratch.txt"
xdotool key Return
wait_window_gone '^Save As' "the save dialog (Ctrl+S)"
rw_poll 5 test -e "$RW_DIR/files/scratch.txt" || rw_fail "no file scratch.txt after Ctrl+S"
printf '%s' "$scratch" | cmp -s - "$RW_DIR/files/scratch.txt" ||
    rw_fail "the file saved with Ctrl+S holds '$(cat "$RW_DIR/files/scratch.txt")', not '$scratch'"

# Ctrl+R: the reminder dialog, now for this note, which has none; hidden again.
xdotool mousemove $(inside 438 133) click 1
xdotool key ctrl+r
wait_window '^Reminder \[' "the reminder dialog (Ctrl+R)"
dialog=$(rw_window_named '^Reminder \[')
rw_expect_eq "reminder dialog title for the scratch note" "Reminder [Disabled]" \
    "$(xprop -id "$dialog" WM_NAME | sed -n 's/.*= "\(.*\)"$/\1/p')"
# The keyboard is back on "Hide This Window", where it was when the dialog was put away.
xdotool key space
rw_poll 5 eval '! rw_has_window_named "^Reminder \["' || rw_fail "the reminder dialog (Ctrl+R) did not hide"
rw_expect_eq "NotesForm3.ReminderStatus" "" "$(rw_get NotesForm3.ReminderStatus)"

# Ctrl+D deletes the note it is typed in.
xdotool mousemove $(inside 438 133) click 1
xdotool key ctrl+d
rw_wait_notes 2
rw_note_windows | grep -qx "$note3" && rw_fail "the scratch note is still shown after Ctrl+D"
rw_poll 3 rw_stored_is "Total Forms" 2 || rw_fail "Total Forms after Ctrl+D: '$(rw_get "Total Forms")'"

# ---------------------------------------------------------------------------------------------
# Lunch: Ctrl+Q ends the program; the next start shows the notes as they were left.

day_is_back() {   # on-top True/False
    rw_wait_notes 2
    rw_wait_note_at 233 133
    note1=$RW_WIN
    rw_wait_note_at 800 150
    note2=$RW_WIN
    rw_expect_eq "Total Forms" 2 "$(rw_get "Total Forms")"
    rw_expect_eq "texts" "$text1|$text2" "$(rw_get NotesForm1.Notes)|$(rw_get NotesForm2.Notes)"
    rw_expect_eq "places, twips" "3495 1995 12000 2250" \
        "$(rw_get NotesForm1.Left) $(rw_get NotesForm1.Top) $(rw_get NotesForm2.Left) $(rw_get NotesForm2.Top)"
    rw_expect_eq "the second note's font" "DejaVu Sans 14 True $(stored_colour $ink) $(stored_colour $paper)" \
        "$(rw_get NotesForm2.Font) $(rw_get NotesForm2.Size) $(rw_get NotesForm2.Bold) $(rw_get NotesForm2.TextColor) $(rw_get NotesForm2.BackColor)"
    rw_expect_eq "always on top, stored for both" "$1 $1" "$(rw_get NotesForm1.AlwaysOnTop) $(rw_get NotesForm2.AlwaysOnTop)"
    rw_poll 5 rw_level_is "$note1" 200 || rw_check_failed "the first note shows level $(rw_level_of "$note1"), not 200"
    rw_poll 5 rw_level_is "$note2" 220 || rw_check_failed "the second note shows level $(rw_level_of "$note2"), not 220"
    rw_expect_eq "NotesForm2.Translucency" 220 "$(rw_get NotesForm2.Translucency)"
    both_on_top_are "$1" " after the start"
    rw_poll 3 pixel_is 866 155 255,208,224 || rw_check_failed "the second note's strip shows $(pixel_at 866 155), not pink"
    local n
    n=$(colour_pixels 800 174 133 133 26 43 140)
    # The same text in the same face, size and colour: the same pixels, give or take the caret.
    rw_near "$n" "$ink_seen" 40 ||
        rw_check_failed "the second note shows $n pixels of its text colour after the start, $ink_seen before"
    [ "$(pixel_at 299 140)" = 255,255,192 ] || rw_check_failed "the first note's strip shows $(pixel_at 299 140)"
    rw_size_is "$note2" 133 157 || rw_check_failed "the second note is $(rw_geometry "$note2") after the start, not 133 x 157"
    # The shopping list's line breaks: ink on its third line, none below it.
    n=$(rw_ink_pixels "$SHOT" 233 $((133 + 24 + 33)) 180 14)
    [ "$n" -gt 40 ] || rw_check_failed "the first note shows $n pixels of ink on its third line after the start"
    n=$(rw_ink_pixels "$SHOT" 233 $((133 + 24 + 60)) 180 60)
    [ "$n" = 0 ] || rw_check_failed "the first note shows $n pixels of ink below its three lines after the start"
    rw_expect_eq "the second note's reminder" "Enabled" "$(rw_get NotesForm2.ReminderStatus)"
    rw_expect_eq "the first note's face and bold" "Arial True" "$(rw_get NotesForm1.Font) $(rw_get NotesForm1.Bold)"
    rw_expect_eq "the first note's addresses" ",anna+list@example.org" "$(rw_get NotesForm1.EmailAddresses)"
    # The reminder went off this morning; a start later the same day does not raise it again.
    alarm_shown && rw_check_failed "the reminder that went off this morning went off again at the start"
    return 0
}

xdotool mousemove $(inside 233 133) click 1
xdotool key ctrl+q
status=0
rw_wait_app_exit 10 || status=$?
rw_expect_eq "exit status after Ctrl+Q" 0 "$status"
# Other users of the machine cannot read the notes, even where the store's modes were loosened.
chmod 755 "$(dirname "$RW_STORE")"
chmod 644 "$RW_STORE"
rw_start_app
day_is_back False
rw_expect_eq "mode of the store folder" 700 "$(stat -c %a "$(dirname "$RW_STORE")")"
for file in "$RW_STORE" "$RW_STORE-wal" "$(dirname "$RW_STORE")/Quillarren.lock"; do
    rw_expect_eq "mode of $(basename "$file")" 600 "$(stat -c %a "$file")"
done

# ---------------------------------------------------------------------------------------------
# Afternoon: the notes back on top, a note made and deleted from the menu, Quit from the menu.

on_top True
menu $(strip 233 133) $CREATE
rw_wait_notes 3
rw_wait_note_at 438 133
note3=$RW_WIN
rw_poll 3 rw_above "$note3" || rw_check_failed "a note made while Always On Top is on is not above: $(xprop -id "$note3" _NET_WM_STATE)"
type_text "gone soon"
rw_poll 5 rw_stored_is NotesForm3.Notes "gone soon" || rw_fail "the afternoon note stored '$(rw_get NotesForm3.Notes)'"
menu $(strip 438 133) $DELETE
rw_wait_notes 2
rw_note_windows | grep -qx "$note3" && rw_fail "the afternoon note is still shown after Delete This Note"
rw_poll 3 rw_stored_is "Total Forms" 2 || rw_fail "Total Forms after Delete This Note: '$(rw_get "Total Forms")'"
rw_window_at "$note1" 233 133 && rw_window_at "$note2" 800 150 ||
    rw_check_failed "deleting a note moved the others: $(rw_geometry "$note1") / $(rw_geometry "$note2")"

# The font dialog opens on the second note's font and colour as they came back: confirmed at once,
# it changes nothing. The colour dialog, cancelled, changes nothing either.
menu $(strip 800 150) $FONT
wait_window '^Font$' "the font dialog (afternoon)"
xdotool key Return
wait_window_gone '^Font$' "the font dialog (afternoon)"
menu $(strip 800 150) $COLOR
wait_window '^Select Color' "the colour dialog (afternoon)"
xdotool key Escape
wait_window_gone '^Select Color' "the colour dialog (afternoon)"
rw_expect_eq "the second note's font after confirming the font dialog unchanged" \
    "DejaVu Sans 14 True False False False $(stored_colour $ink) $(stored_colour $paper) $(stored_colour $paper)" \
    "$(rw_get NotesForm2.Font) $(rw_get NotesForm2.Size) $(rw_get NotesForm2.Bold) $(rw_get NotesForm2.Italic) $(rw_get NotesForm2.Underline) $(rw_get NotesForm2.Strikethru) $(rw_get NotesForm2.TextColor) $(rw_get NotesForm2.TextBackColor) $(rw_get NotesForm2.BackColor)"
rw_screenshot "$SHOT"
n=$(colour_pixels 800 174 133 133 26 43 140)
rw_near "$n" "$ink_seen" 40 || rw_check_failed "after the unchanged font dialog the second note shows $n pixels of its ink, $ink_seen before"
[ "$(pixel_at 866 155)" = 255,208,224 ] || rw_check_failed "after the cancelled colour dialog the second note's strip shows $(pixel_at 866 155)"

# The shopping list goes out again, to the address the e-mail dialog remembers: the entry below
# the empty one.
menu $(strip 233 133) $EMAIL
wait_window '^E-mail Note' "the e-mail dialog (afternoon)"
xdotool key Down Tab space
rw_poll 5 has_opened 5 || rw_fail "Compose to the remembered address handed nothing to the handler"
wait_window_gone '^E-mail Note' "the e-mail dialog (afternoon) after Compose"
rw_expect_eq "the link to the remembered address" "mailto|anna+list@example.org|Shopping |${text1//$'\n'/$'\r\n'}" \
    "$(decode_link 5)"
rw_expect_eq "NotesForm1.EmailAddresses (nothing new)" ",anna+list@example.org" "$(rw_get NotesForm1.EmailAddresses)"

menu $(strip 800 150) $QUIT
status=0
rw_wait_app_exit 10 || status=$?
rw_expect_eq "exit status after Quit" 0 "$status"

# The next morning, and a Quit at once, before anything has touched the windows: it stores the
# places and texts as they came.
rw_start_app
day_is_back True
menu $(strip 233 133) $QUIT
status=0
rw_wait_app_exit 10 || status=$?
rw_expect_eq "exit status after a Quit right after the start" 0 "$status"
rw_expect_eq "Total Forms after a Quit right after the start" 2 "$(rw_get "Total Forms")"
rw_expect_eq "texts after a Quit right after the start" "$text1|$text2" "$(rw_get NotesForm1.Notes)|$(rw_get NotesForm2.Notes)"
rw_expect_eq "places after a Quit right after the start" "3495 1995 12000 2250" \
    "$(rw_get NotesForm1.Left) $(rw_get NotesForm1.Top) $(rw_get NotesForm2.Left) $(rw_get NotesForm2.Top)"

rw_pass
