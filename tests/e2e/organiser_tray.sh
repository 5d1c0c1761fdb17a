#!/usr/bin/env bash
# The real organiser with "Always Minimize to Systray" on, on a Wine desktop
# that has a taskbar: minimising hides the window and its taskbar button
# behind an icon in the notification area, a press on the icon brings the
# window back, and closing the program ends it. Screenshots of both states go
# to $TOVIK_E2E_SHOTS when it is set.
# Usage: organiser_tray.sh TOVIK_EXE CHKTOVIK_EXE
set -euo pipefail
tovik=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/e2e_lib.sh"

shot() { [ -z "${TOVIK_E2E_SHOTS:-}" ] || import -window root "$TOVIK_E2E_SHOTS/$1.png"; }
shown() { xdotool search --onlyvisible --name '^Tovik$' >/dev/null 2>&1 && echo shown || echo hidden; }
# The notification area holds the only icon at the right end of the taskbar
# of a 1024x768 desktop.
tray_icon_x=1012
tray_icon_y=757

e2e_program_folder "$tovik"
cd "$E2E_PROGRAM"
us() { LC_ALL=en_US.UTF-8 wine "$@"; }
us reg add 'HKCU\Software\Brakvel\Tovik' /v MinToTray /t REG_DWORD /d 1 /f >/dev/null 2>&1
us explorer /desktop=shell,1024x768 ./Tovik.exe >/dev/null 2>&1 &
window=$(e2e_wait_window '^Tovik$')
sleep 1
xdotool windowfocus --sync "$window" key alt+space n  # Minimize, from the window menu
e2e_expect "window after minimising" hidden "$(e2e_poll hidden shown)"
shot organiser-in-tray
xdotool mousemove "$tray_icon_x" "$tray_icon_y" click 1
e2e_expect "window after a press on the icon" shown "$(e2e_poll shown shown)"
shot organiser-restored-from-tray
xdotool mousemove "$tray_icon_x" "$tray_icon_y" click 3
e2e_expect "window after a right press on the icon" hidden "$(e2e_poll hidden shown)"
xdotool mousemove "$tray_icon_x" "$tray_icon_y" click 2
e2e_expect "window after a middle press on the icon" shown "$(e2e_poll shown shown)"
xdotool windowfocus --sync "$window" key alt+F4  # the close box
# The desktop stays; the organiser's window goes with its process.
ended=running
for _ in $(seq 60); do
  xdotool search --name '^Tovik$' >/dev/null 2>&1 || { ended=ended; break; }
  sleep 0.5
done
e2e_expect "the organiser after closing" ended "$ended"
e2e_done
