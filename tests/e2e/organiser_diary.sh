#!/usr/bin/env bash
# A diary note typed into the real organiser reaches the data file under the
# day it was typed on: a note for today, the month box moved a month with
# the keyboard, a second note, then the window is closed and Tovik.dat holds
# both, each under its own day. Usage: organiser_diary.sh TOVIK_EXE CHKTOVIK_EXE
set -euo pipefail
tovik=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/e2e_lib.sh"

e2e_program_folder "$tovik"
cd "$E2E_PROGRAM"
LC_ALL=en_US.UTF-8 wine ./Tovik.exe &
window=$(e2e_wait_window '^Tovik$')
xdotool windowfocus --sync "$window"
# The day's note has the focus after the start.
xdotool type --delay 20 "Dentist at ten"
# Tab to the month box (the note is stored as it loses the focus), one month
# on with the arrow key (back in December, where the box stops), and the
# focus is back in the note of the new day.
arrow=Up
[ "$(date +%m)" = 12 ] && arrow=Down
xdotool key --delay 50 Tab Tab Tab Tab Tab $arrow
xdotool type --delay 20 "Next month"
xdotool key --delay 50 Tab
e2e_close Tovik.exe
e2e_wait_exit

# The days as the page computes them: the month box cuts the day to the new
# month, February to 28.
expected=$(python3 - <<'PY'
import datetime
today = datetime.date.today()
year, month = today.year, (11 if today.month == 12 else today.month + 1)
limit = {2: 28, 4: 30, 6: 30, 9: 30, 11: 30}.get(month, 31)
later = datetime.date(year, month, min(today.day, limit))
number = lambda d: (d - datetime.date(1899, 12, 30)).days
print(f"{number(today)} Dentist at ten|{number(later)} Next month")
PY
)
stored=$(python3 "$here/tovik_dat.py" "$E2E_PROGRAM/Tovik.dat" notes)
e2e_expect "the notes in Tovik.dat" "$expected" "$stored"
e2e_done
