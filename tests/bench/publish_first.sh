#!/usr/bin/env bash
# The first publish of ten years of day notes (3,650) and 300 events to a
# Radicale server on this machine, set up through the dialog: its time, and
# how long the organiser's message loop was blocked meanwhile (answers to
# WM_NULL every 2 ms) beside an idle minimal window's under the same load
# (the floor); then a change of one day and the requests it made.
# Usage: publish_first.sh [PROBE_SECONDS]   (after scripts/build.sh win)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-120}
set -- "$root/build/win/Tovik.exe" "$root/build/win/ChkTovik.exe"
. "$root/tests/e2e/e2e_lib.sh"

e2e_radicale_start
e2e_program_folder "$1" "$root/build/win/tests/win/message_loop_probe.exe" \
  "$root/build/win/tests/win/minimal_window.exe"
python3 "$root/tests/e2e/reminder_data.py" "$E2E_PROGRAM" diary 2 en_US 0
cd "$E2E_PROGRAM"
wine ./minimal_window.exe &
e2e_wait_window '^Minimal$' >/dev/null
e2e_start_organiser en_US.UTF-8
served=$E2E_WORK/radicale/collections/collection-root/anna/diary
requests() { grep -c 'request for' "$E2E_WORK/radicale/log" || true; }

e2e_set_up_calendar secret
start=$(date +%s.%N)
wine ./message_loop_probe.exe TTovikMain Tovik "$seconds" >probe.txt 2>&1 &
probe=$!
wine ./message_loop_probe.exe MinimalWindow Minimal "$seconds" >floor.txt 2>&1 &
floor=$!
# Done when the state file lists what the server holds, and both stay put.
last=
while sleep 1; do
  now="$(ls "$served" | wc -l) $(($(wc -l <Tovik-calendar.txt 2>/dev/null || echo 0) - 2))"
  [ "$now" == "$last" ] && [ "${now% *}" == "${now#* }" ] && [ "${now% *}" -gt 3000 ] && break
  last=$now
done
end=$(stat -c %.9Y Tovik-calendar.txt)
wait "$probe" "$floor"
echo "first publish: ${now% *} items, $(requests) requests, $(python3 -c "print(f'{$end - $start:.1f}')") s"
echo "message loop during its first ${seconds} s: $(cat probe.txt)"
echo "an idle minimal window meanwhile: $(cat floor.txt)"

before=$(requests)
xdotool type --delay 20 " changed"
xdotool key --delay 200 Tab shift+Tab
sleep 4
echo "one changed day: $(($(requests) - before)) request(s)"
e2e_close Tovik.exe
e2e_close minimal_window.exe
e2e_wait_exit
