#!/usr/bin/env bash
# Both programs on a screen scaled to 150% and 200% (Wine's LogPixels): the
# organiser's and the reminder's client areas are their designed sizes times
# the scale, halves rounded up. TOVIK_E2E_SHOTS keeps a screenshot of each.
# Usage: high_dpi.sh TOVIK_EXE CHKTOVIK_EXE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export TOVIK_XVFB_SCREEN=1600x1200  # room for the reminder at 200%
. "$here/e2e_lib.sh"

e2e_program_folder "$1" "$2"
# Something due today, so that the reminder shows its window.
python3 "$here/reminder_data.py" "$E2E_PROGRAM" due 2 en_US 0
cd "$E2E_PROGRAM"

set_dpi() {
  local key
  for key in 'HKCU\Control Panel\Desktop' \
    'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
    wine reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  done
  wineserver -w
}

# Without a window manager the X window is the client area, with the menu
# bar above it that Wine draws itself.
client_size() {  # program window-title
  LC_ALL=en_US.UTF-8 wine "./$1" >/dev/null 2>&1 &
  local window
  window=$(e2e_wait_window "$2")
  xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p'
}

check_scale() {  # dpi organiser-client reminder-client
  set_dpi "$1"
  local size
  size=$(client_size Tovik.exe '^Tovik$')
  e2e_expect "organiser's client width at $1 DPI" "${2%x*}" "${size%x*}"
  local height=${size#*x} designed=${2#*x}
  e2e_expect "organiser's client height at $1 DPI, below the menu bar" "$designed" \
    "$((height > designed && height - designed <= 60 ? designed : height))"
  [ -n "${TOVIK_E2E_SHOTS:-}" ] && import -window root "$TOVIK_E2E_SHOTS/organiser-$1dpi.png"
  e2e_close Tovik.exe
  e2e_wait_exit
  e2e_expect "reminder's client area at $1 DPI" "$3" "$(client_size ChkTovik.exe '^Check Tovik$')"
  [ -n "${TOVIK_E2E_SHOTS:-}" ] && import -window root "$TOVIK_E2E_SHOTS/reminder-$1dpi.png"
  e2e_close ChkTovik.exe
  e2e_wait_exit
}

check_scale 144 518x620 951x644
check_scale 192 690x826 1268x858
e2e_done
