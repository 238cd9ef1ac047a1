#!/usr/bin/env bash
# Checklists in a real note under openbox: items made by typing, a box ticked by a click of the
# pointer, the tick undone by Ctrl+Z, an item ticked by Ctrl+Return, and the menu's "Checklist"
# taking the boxes off the selected lines; the store holds the boxes as characters of the text.

source "$(dirname "$0")/lib.sh"
rw_setup

rw_seed "Total Forms" 1
rw_seed_note 1 1500 1500 ""

rw_start_app
rw_wait_notes 1
rw_wait_note_at 100 100
note=$RW_WIN

open=$'\u2610'
done=$'\u2611'
xdotool windowactivate --sync "$note" || rw_fail "could not activate the note"
xdotool type --delay 20 "[] milk"
xdotool key Return
xdotool type --delay 20 "bread"
rw_poll 5 rw_stored_is NotesForm1.Notes "$open milk"$'\n'"$open bread" ||
    rw_fail "typing '[] milk', Return, 'bread' stored '$(rw_get NotesForm1.Notes)'"

# The first line lies in the 16 pixels below the 24-pixel strip; its box is the first ink from
# the left in that row.
shot=$RW_DIR/items.png
rw_screenshot "$shot"
top=$((100 + 24))
box_x=""
for x in $(seq 100 140); do
    if [ "$(rw_ink_pixels "$shot" "$x" "$top" 1 16)" -gt 2 ]; then
        box_x=$x
        break
    fi
done
[ -n "$box_x" ] || rw_fail "no box drawn at the start of the first line"
xdotool mousemove $((box_x + 3)) $((top + 8)) click 1
rw_poll 5 rw_stored_is NotesForm1.Notes "$done milk"$'\n'"$open bread" ||
    rw_fail "a click on the first box at $((box_x + 3)),$((top + 8)) stored '$(rw_get NotesForm1.Notes)'"

xdotool key ctrl+z
rw_poll 5 rw_stored_is NotesForm1.Notes "$open milk"$'\n'"$open bread" ||
    rw_fail "Ctrl+Z after the tick stored '$(rw_get NotesForm1.Notes)'"

# Undo took the caret to the box it untouched: back to "bread".
xdotool key ctrl+End ctrl+Return
rw_poll 5 rw_stored_is NotesForm1.Notes "$open milk"$'\n'"$done bread" ||
    rw_fail "Ctrl+Return on the second item stored '$(rw_get NotesForm1.Notes)'"

# "Checklist" comes just before the last item, "Note History…"; on lines that all have a box it takes them off.
xdotool key ctrl+a
rw_open_menu_at 150 150
xdotool key Up Up Return
rw_poll 5 rw_popup_closed || rw_fail "the popup menu stayed open after Return"
rw_poll 5 rw_stored_is NotesForm1.Notes "milk"$'\n'"bread" ||
    rw_fail "the menu's Checklist on both lines stored '$(rw_get NotesForm1.Notes)'"

rw_pass
