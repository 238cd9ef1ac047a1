#!/usr/bin/env bash
# Start-up from a filled store: every stored note comes back as its own window, at its stored
# place (twips / 15 px), at the note size, showing its stored text with its line breaks.

source "$(dirname "$0")/lib.sh"
rw_setup

rw_seed "Total Forms" 3
rw_seed_note 1 1500 1500 "Hello from note one"
rw_seed_note 2 4500 3000 $'alpha\nbeta\ngamma\ndelta\nepsilon'
rw_seed_note 3 9000 6000 "the third note"

chmod 755 "$(dirname "$RW_STORE")"
chmod 644 "$RW_STORE"
rw_start_app
rw_wait_notes 3

declare -A note_x=([1]=100 [2]=300 [3]=600) note_y=([1]=100 [2]=200 [3]=400)
for i in 1 2 3; do
    rw_wait_note_at "${note_x[$i]}" "${note_y[$i]}"
    rw_size_is "$RW_WIN" 133 157 || rw_fail "note $i is $(rw_geometry "$RW_WIN"), not 133 x 157"
done

# The text: ink on the first line of every note; only the five-line note has ink further down.
# Below the 24 px strip, line 1 lies within the first 20 px; lines 4 and 5 lie 50 to 110 px down.
shot=$RW_DIR/startup.png
texts_shown() {
    rw_screenshot "$shot"
    local i
    for i in 1 2 3; do
        first[$i]=$(rw_ink_pixels "$shot" "${note_x[$i]}" $((note_y[$i] + 24)) 133 20)
        lower[$i]=$(rw_ink_pixels "$shot" "${note_x[$i]}" $((note_y[$i] + 24 + 50)) 120 60)
    done
    # A caret alone is one pixel wide: real text on a line gives far more than 40 pixels.
    [ "${first[1]}" -gt 40 ] && [ "${first[2]}" -gt 40 ] && [ "${first[3]}" -gt 40 ] &&
        [ "${lower[2]}" -gt 40 ] && [ "${lower[1]}" -eq 0 ] && [ "${lower[3]}" -eq 0 ]
}
declare -A first lower
rw_poll 5 texts_shown ||
    rw_fail "stored texts not shown as expected: ink on line 1 = ${first[1]}/${first[2]}/${first[3]}," \
        "ink on lines 4-5 = ${lower[1]}/${lower[2]}/${lower[3]} (notes 1/2/3; only note 2 has five lines)"

# Start-up reads the notes; it must not write over them.
rw_expect_eq "stored text of note 2 after start-up" $'alpha\nbeta\ngamma\ndelta\nepsilon' "$(rw_get NotesForm2.Notes)"
rw_expect_eq "Total Forms after start-up" 3 "$(rw_get "Total Forms")"

# Other users of the machine cannot read the notes: the store was seeded with loose modes.
rw_expect_eq "mode of the store folder" 700 "$(stat -c %a "$(dirname "$RW_STORE")")"
for file in "$RW_STORE" "$RW_STORE-wal" "$(dirname "$RW_STORE")/Quillarren.lock"; do
    rw_expect_eq "mode of $(basename "$file")" 600 "$(stat -c %a "$file")"
done

rw_pass
