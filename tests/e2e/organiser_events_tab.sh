#!/usr/bin/env bash
# Tab in the real organiser's events grid moves from cell to cell: an event
# typed as month, Tab, day, Tab, text, Tab goes on in the next row, where a
# one-digit month is moved past and then retyped after two Shift+Tabs; Tab
# from the grid's last cell leaves it for the search box. Tovik.dat holds both
# events. Usage: organiser_events_tab.sh TOVIK_EXE CHKTOVIK_EXE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/e2e_lib.sh"

e2e_start_probed_organiser "$1" en_US.UTF-8
# Without a window manager the X window is the menu bar and the client area
# below it; the events tab and the grid's first cell lie at their designed places.
eval "$(xdotool getwindowgeometry --shell "$(e2e_wait_window '^Tovik$')")"
top=$((Y + HEIGHT - 413))
xdotool mousemove "$((X + 170))" "$((top + 43))" click 1
xdotool mousemove "$((X + 25))" "$((top + 106))" click 1
for keys in 05 Tab 17 Tab "Constitution Day" Tab 1 Tab 2 Tab Dentist shift+Tab shift+Tab 12; do
  case $keys in *Tab) xdotool key --delay 50 "$keys" ;; *) xdotool type --delay 40 "$keys" ;; esac
done
# Down to the last row, over to its text, and on: the grid is left.
xdotool key --delay 20 --repeat 25 Next
xdotool key --delay 50 Right Right Tab
e2e_probe_organiser edtEventsSearch=1100
e2e_expect "the focus after Tab from the last cell" "focus edtEventsSearch" \
  "$(grep focus out/facts.txt 2>/dev/null)"
e2e_close Tovik.exe
e2e_wait_exit

stored=$(python3 "$here/tovik_dat.py" "$E2E_PROGRAM/Tovik.dat" events)
e2e_expect "the events in Tovik.dat" "5/17 Constitution Day|12/2 Dentist" "$stored"
e2e_done
