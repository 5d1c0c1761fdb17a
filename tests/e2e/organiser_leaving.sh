#!/usr/bin/env bash
# A note typed into the real organiser and never left reaches the data file
# all the same when the session ends, and when the user switches to another
# program and the organiser is then killed; a second start of the organiser
# writes nothing, so the first one asks nothing and keeps no other version.
# Usage: organiser_leaving.sh TOVIK_EXE CHKTOVIK_EXE
set -euo pipefail
tovik=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/e2e_lib.sh"

today=$(python3 -c 'import datetime; print((datetime.date.today() - datetime.date(1899, 12, 30)).days)')

# The session ends with the note still in its box.
e2e_program_folder "$tovik"
cd "$E2E_PROGRAM"
e2e_start_organiser en_US.UTF-8
xdotool type --delay 20 "Typed before log-off"
sleep 1  # the keys reach the box
wineboot --end-session >/dev/null 2>&1 || true
e2e_wait_exit || wineserver -k
e2e_expect "the note after the end of the session" "$today Typed before log-off" \
  "$(python3 "$here/tovik_dat.py" Tovik.dat notes)"

# Another program takes the focus, then the organiser dies.
e2e_program_folder "$tovik"
cd "$E2E_PROGRAM"
e2e_start_organiser en_US.UTF-8
xdotool type --delay 20 "Typed before switching"
sleep 1
wine notepad &
xdotool windowfocus --sync "$(e2e_wait_window 'Notepad')"
notes=$(e2e_poll "$today Typed before switching" python3 "$here/tovik_dat.py" Tovik.dat notes)
wine taskkill /f /im Tovik.exe >/dev/null 2>&1 || true  # ended at once, as a crash would
e2e_expect "the note after switching away and a crash" "$today Typed before switching" "$notes"
wineserver -k
e2e_wait_exit || true

# A second start only brings the first organiser forward.
e2e_program_folder "$tovik"
cd "$E2E_PROGRAM"
e2e_start_organiser en_US.UTF-8
before=$(md5sum <Tovik.dat)
LC_ALL=en_US.UTF-8 wine ./Tovik.exe &
second=$!
wait "$second" || true
e2e_expect "the data file after a second start" "$before" "$(md5sum <Tovik.dat)"
xdotool windowfocus --sync "$(e2e_wait_window '^Tovik$')"
xdotool type --delay 20 "Typed after a second start"
xdotool key --delay 50 Tab
sleep 1
e2e_expect "windows named Tovik (no question)" "1" "$(xdotool search --onlyvisible --name '^Tovik$' | wc -l)"
e2e_close Tovik.exe
e2e_wait_exit
e2e_expect "the note after a second start" "$today Typed after a second start" \
  "$(python3 "$here/tovik_dat.py" Tovik.dat notes)"
e2e_expect "copies of another version" "0" "$(find . -name 'Tovik-changed-*' | wc -l)"
e2e_done
