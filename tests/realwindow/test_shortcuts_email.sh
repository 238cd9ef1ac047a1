#!/usr/bin/env bash
# The Ctrl shortcuts from the keyboard, and e-mail through the desktop's handler: Ctrl+N opens one
# note, Ctrl+D deletes the note it was typed in, Ctrl+E opens "E-mail Note" and Compose hands the
# handler (a stand-in xdg-open that records what it gets) a link that decodes to exactly the
# note, and Ctrl+Q stores every note and ends; the next start shows the same notes.

source "$(dirname "$0")/lib.sh"
rw_setup

# The stand-in handler, first on the program's PATH.
mkdir -p "$RW_DIR/bin"
cat >"$RW_DIR/bin/xdg-open" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$1" >>"$RW_DIR/opened.txt"
SCRIPT
chmod +x "$RW_DIR/bin/xdg-open"
export PATH=$RW_DIR/bin:$PATH

text=$'Tom & Jerry #1? 2+2=4 at 100%\nGrüße aus Köln'
rw_seed "Total Forms" 2
rw_seed_note 1 1500 1500 "$text"
rw_seed_note 2 6000 1500 "second"
rw_start_app
rw_wait_notes 2
rw_wait_note_at 100 100
xdotool mousemove 150 200 click 1

xdotool key ctrl+n
rw_wait_notes 3
xdotool type --delay 20 "brand new"
rw_poll 5 rw_stored_is NotesForm3.Notes "brand new" || rw_fail "typing after Ctrl+N did not reach the new note"
xdotool key ctrl+d
rw_wait_notes 2
rw_poll 3 rw_stored_is "Total Forms" 2 || rw_fail "Ctrl+D did not delete the note it was typed in"

xdotool mousemove 150 200 click 1 key ctrl+e
rw_poll 5 rw_has_window_named '^E-mail Note' || rw_fail "Ctrl+E did not open \"E-mail Note\""
xdotool windowactivate --sync "$(rw_window_named '^E-mail Note')"
xdotool type --delay 20 "me+notes@example.org"
xdotool key Tab space
rw_poll 5 eval '[ -s "$RW_DIR/opened.txt" ]' || rw_fail "Compose handed nothing to the desktop's handler"
rw_poll 3 eval '! rw_has_window_named "^E-mail Note"' || rw_fail "the e-mail dialog stayed after Compose"
got=$(python3 - "$(head -n 1 "$RW_DIR/opened.txt")" <<'PY'
import sys, urllib.parse
url = urllib.parse.urlsplit(sys.argv[1])
query = dict(urllib.parse.parse_qsl(url.query, keep_blank_values=True))
print(url.scheme, urllib.parse.unquote(url.path), query["Subject"], sep="|", end="|")
sys.stdout.write(query["Body"])
PY
)
rw_expect_eq "the link the mail program gets" "mailto|me+notes@example.org|Tom |${text//$'\n'/$'\r\n'}" "$got"
rw_expect_eq "remembered address" ",me+notes@example.org" "$(rw_get NotesForm1.EmailAddresses)"

xdotool mousemove 450 200 click 1 key ctrl+q
rw_wait_app_exit 10 || rw_fail "the program ended with status $? after Ctrl+Q"
rw_start_app
rw_wait_notes 2
rw_expect_eq "stored texts after Ctrl+Q" "$text|second" "$(rw_get NotesForm1.Notes)|$(rw_get NotesForm2.Notes)"

rw_pass
