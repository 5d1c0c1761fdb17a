#!/usr/bin/env bash
# The organiser's first start in an empty program folder, under the Danish and
# the US locale: the window "Tovik" appears with the designed client size
# (below its menu bar), Tovik.dat is created with the settings of the locale,
# and closing the window ends the program. Usage: organiser_first_start.sh TOVIK_EXE CHKTOVIK_EXE
set -euo pipefail
tovik=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/e2e_lib.sh"

check_locale() {
  local locale=$1 expected_word=$2
  e2e_program_folder "$tovik"
  LC_ALL=$locale wine "$E2E_PROGRAM/Tovik.exe" &
  local window
  window=$(e2e_wait_window '^Tovik$')
  # Without a window manager the X window is the client area and the menu bar
  # above it, which Wine draws itself.
  local size width height
  size=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
  width=${size%x*}
  height=${size#*x}
  e2e_expect "client width under $locale" "345" "$width"
  e2e_expect "client height under $locale, below the menu bar" "413" \
    "$((height - 413 >= 15 && height - 413 <= 30 ? 413 : height))"
  [ -n "${TOVIK_E2E_SHOTS:-}" ] && import -window root "$TOVIK_E2E_SHOTS/organiser-$locale.png"
  e2e_close Tovik.exe
  e2e_wait_exit
  local word
  word=$(od -An -tx2 -N2 "$E2E_PROGRAM/Tovik.dat" | tr -d ' ')
  e2e_expect "settings word under $locale" "$expected_word" "$word"
  e2e_expect "file size" "28" "$(stat -c %s "$E2E_PROGRAM/Tovik.dat")"
}

check_locale da_DK.UTF-8 00e1   # Danish, Monday, first week with four days
check_locale en_US.UTF-8 0052   # English, Sunday, the week of 1 January
e2e_done
