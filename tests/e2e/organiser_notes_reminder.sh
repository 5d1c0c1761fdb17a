#!/usr/bin/env bash
# A line that begins with "$" on a note page of the real organiser reaches
# the reminder: typed into the notes page, the organiser closed, then the
# reminder shows it under the page's heading in its notes box.
# Usage: organiser_notes_reminder.sh TOVIK_EXE CHKTOVIK_EXE
set -euo pipefail
tovik=$1
chktovik=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/e2e_lib.sh"

e2e_program_folder "$tovik" "$chktovik" "$E2E_PROBE"
cd "$E2E_PROGRAM"
LC_ALL=en_US.UTF-8 wine ./Tovik.exe &
window=$(e2e_wait_window '^Tovik$')
xdotool windowfocus --sync "$window"
# Without a window manager the X window is the menu bar and the client area
# below it; the notes tab and the note box lie at their designed places.
eval "$(xdotool getwindowgeometry --shell "$window")"
top=$((Y + HEIGHT - 413))
xdotool mousemove "$((X + 282))" "$((top + 43))" click 1
xdotool mousemove "$((X + 60))" "$((top + 160))" click 1
xdotool type --delay 20 "Shopping"
xdotool key Return
xdotool type --delay 20 '$milk'
xdotool key Return
xdotool type --delay 20 "eggs"
e2e_close Tovik.exe
e2e_wait_exit

mkdir -p out
LC_ALL=en_US.UTF-8 wine ./ChkTovik.exe &
LC_ALL=en_US.UTF-8 wine ./window_probe_helper.exe TChkTovikMain "Check Tovik" \
  "Z:${E2E_PROGRAM//\//\\}\\out" IPNot=109 --click 108 >"$E2E_WORK/probe.log" 2>&1 ||
  cat "$E2E_WORK/probe.log"
e2e_wait_exit
e2e_expect "the reminder's notes box" "$(printf -- '-----Shopping -----\r\nmilk\r\n')" \
  "$(cat out/IPNot.txt 2>/dev/null)"
e2e_done
