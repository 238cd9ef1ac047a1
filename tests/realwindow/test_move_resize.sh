#!/usr/bin/env bash
# Moving and resizing a borderless note with the mouse: the top strip moves it, the band along
# the right and bottom of the text field resizes it and the text field follows, and a drag inside
# the text neither moves nor resizes it.

source "$(dirname "$0")/lib.sh"
rw_setup

# Note 2 holds more text than it shows, so its text field has a vertical scroll bar.
long_text="one two three four five six seven eight nine ten eleven twelve"
for i in $(seq 2 24); do long_text+=$'\n'"line $i"; done
rw_seed "Total Forms" 3
rw_seed_note 1 1500 1500 "drag me by the strip"
rw_seed_note 2 9000 3000 "$long_text"
rw_seed_note 3 4500 7500 "short"

rw_start_app
rw_wait_notes 3
rw_wait_note_at 100 100
note1=$RW_WIN
rw_wait_note_at 600 200
note2=$RW_WIN
rw_wait_note_at 300 500
note3=$RW_WIN

geometry_is() {   # wid "x y w h"
    [ "$(rw_geometry "$1")" = "$2" ]
}

# Move: drag the strip of note 1 by (+150, +90).
rw_drag 166 112 316 202
rw_poll 3 geometry_is "$note1" "250 190 133 157" ||
    rw_fail "dragging the top strip by +150,+90 from 100,100 left note 1 at $(rw_geometry "$note1"), not 250 190 133 157"
geometry_is "$note2" "600 200 133 157" || rw_fail "moving note 1 changed note 2: $(rw_geometry "$note2")"

# Resize from the corner: 3 px inside the bottom-right corner of note 3's text field, by (+60, +40).
rw_drag $((300 + 130)) $((500 + 154)) $((300 + 190)) $((500 + 194))
rw_poll 3 geometry_is "$note3" "300 500 193 197" ||
    rw_fail "dragging the bottom-right corner of the text field by +60,+40 left note 3 at" \
        "$(rw_geometry "$note3"), not 300 500 193 197"

# Resize from the bottom band of note 2, left of its scroll bar, by (+60, +40): the window grows
# at its right and bottom edges.
rw_drag $((600 + 100)) $((200 + 154)) $((600 + 160)) $((200 + 194))
rw_poll 3 geometry_is "$note2" "600 200 193 197" ||
    rw_fail "dragging the bottom band by +60,+40 left note 2 at $(rw_geometry "$note2"), not 600 200 193 197"

# The text field must fill the grown window: its wrapped text and scroll bar reach into the new
# columns on the right, and its lines into the new rows at the bottom. A text field left at the
# old size leaves both stretches bare note colour.
shot=$RW_DIR/resized.png
text_field_follows() {
    rw_screenshot "$shot"
    right=$(rw_ink_pixels "$shot" $((600 + 140)) $((200 + 30)) 50 160)
    bottom=$(rw_ink_pixels "$shot" $((600 + 4)) $((200 + 160)) 125 34)
    [ "$right" -gt 40 ] && [ "$bottom" -gt 40 ]
}
right=0 bottom=0
rw_poll 3 text_field_follows ||
    rw_fail "the text field did not follow the resize: ink in the new columns $right, in the new rows $bottom"
geometry_is "$note1" "250 190 133 157" || rw_fail "resizing note 2 changed note 1: $(rw_geometry "$note1")"

# The right band of note 2 lies under its scroll bar; it must resize all the same, by (+40, +20).
rw_drag $((600 + 190)) $((200 + 110)) $((600 + 230)) $((200 + 130))
rw_poll 3 geometry_is "$note2" "600 200 233 217" ||
    rw_check_failed "dragging the right band (over the text field's scroll bar) by +40,+20 left note 2 at" \
        "$(rw_geometry "$note2"), not 600 200 233 217"

# A left drag in the middle of the text selects text: the note stays where it is.
before=$(rw_geometry "$note3")
rw_drag $((300 + 20)) $((500 + 40)) $((300 + 80)) $((500 + 70))
sleep 0.3
geometry_is "$note3" "$before" ||
    rw_check_failed "a left drag inside the text of note 3 moved or resized the note from $before" \
        "to $(rw_geometry "$note3")"

rw_pass
