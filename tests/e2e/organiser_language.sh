#!/usr/bin/env bash
# A language chosen in the real organiser's Lingua menu reaches the file at
# once, survives a restart and is the reminder's language too. Russian is
# chosen on a US system (code page 1252) and still reads as Cyrillic in both
# programs. Usage: organiser_language.sh TOVIK_EXE CHKTOVIK_EXE
set -euo pipefail
tovik=$1
chktovik=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/e2e_lib.sh"
exit_button=152

e2e_program_folder "$tovik" "$chktovik" "$E2E_PROBE"
cd "$E2E_PROGRAM"
mkdir organiser reminder
us() { LC_ALL=en_US.UTF-8 wine "$@"; }
us ./Tovik.exe &
window=$(e2e_wait_window '^Tovik$')
xdotool windowfocus --sync "$window"
# Today's day note, so that the reminder has something to show.
eval "$(xdotool getwindowgeometry --shell "$window")"
top=$((Y + HEIGHT - 413))
xdotool mousemove "$((X + 60))" "$((top + 300))" click 1
xdotool type --delay 20 "Dentist"
# Lingua is the second menu, Russian its seventh item.
xdotool key F10 Right Down Down Down Down Down Down Down Return
language_in_file() { echo $(($(od -An -tu1 -N1 Tovik.dat) & 15)); }
e2e_expect "language in the file while the organiser runs" 7 "$(e2e_poll 7 language_in_file)"
e2e_close Tovik.exe
e2e_wait_exit

us ./Tovik.exe &
us ./window_probe_helper.exe TTovikMain Tovik "Z:${E2E_PROGRAM//\//\\}\\organiser" \
  btnExit=$exit_button --click $exit_button >"$E2E_WORK/probe.log" 2>&1 || cat "$E2E_WORK/probe.log"
e2e_wait_exit
e2e_expect "the organiser's exit button after a restart" "&Выход" "$(cat organiser/btnExit.txt 2>/dev/null)"

us ./ChkTovik.exe &
us ./window_probe_helper.exe TChkTovikMain "Check Tovik" "Z:${E2E_PROGRAM//\//\\}\\reminder" \
  lblTomorrow=103 IPTxt1=102 --click 108 >"$E2E_WORK/probe.log" 2>&1 || cat "$E2E_WORK/probe.log"
e2e_wait_exit
e2e_expect "the reminder's tomorrow heading" "Завтра" "$(cat reminder/lblTomorrow.txt 2>/dev/null)"
e2e_expect "the reminder shows today's note" "Dentist" "$(cat reminder/IPTxt1.txt 2>/dev/null | tr -d '\r\n')"
e2e_done
