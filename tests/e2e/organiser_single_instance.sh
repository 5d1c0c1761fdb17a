#!/usr/bin/env bash
# Single instance across processes in one Wine prefix: a second organiser
# raises the first and ends without a window (the minimised case is in the
# organiser's Windows test);
# an organiser installed in another folder does the same; the reminder runs
# beside the organiser. Usage: organiser_single_instance.sh TOVIK_EXE CHKTOVIK_EXE
set -euo pipefail
tovik=$1
chktovik=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/e2e_lib.sh"
export LC_ALL=C.UTF-8  # Wine gives en-US under it

count_windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }

# Starts a second organiser and waits for it to end on its own.
second_start() {
  local status=0
  timeout 60 wine "$1/Tovik.exe" || status=$?
  echo "$status"
}

e2e_program_folder "$tovik" "$chktovik"
first=$E2E_PROGRAM
wine "$first/Tovik.exe" &
e2e_wait_window '^Tovik$' >/dev/null

e2e_expect "a second start from the same folder ends by itself" "0" "$(second_start "$first")"
e2e_expect "one organiser window" "1" "$(count_windows '^Tovik$')"

e2e_program_folder "$tovik"
e2e_expect "an organiser of another folder ends by itself" "0" "$(second_start "$E2E_PROGRAM")"
e2e_expect "still one organiser window" "1" "$(count_windows '^Tovik$')"
e2e_expect "the other folder kept its own data file" "28" "$(stat -c %s "$E2E_PROGRAM/Tovik.dat")"

# The reminder has something to show in the organiser's folder and stays.
e2e_close Tovik.exe
e2e_wait_exit
python3 "$here/reminder_data.py" "$first" due 2 en_US 0
wine "$first/Tovik.exe" &
e2e_wait_window '^Tovik$' >/dev/null
wine "$first/ChkTovik.exe" &
e2e_wait_window '^Check Tovik$' >/dev/null
e2e_expect "organiser and reminder side by side" "1 1" \
  "$(count_windows '^Tovik$') $(count_windows '^Check Tovik$')"

e2e_close ChkTovik.exe
e2e_close Tovik.exe
e2e_wait_exit
e2e_done
