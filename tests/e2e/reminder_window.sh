#!/usr/bin/env bash
# End to end: ChkTovik.exe under Wine on a data file dated from today. Reads
# back the texts of its boxes and labels in English and Danish, checks that a
# second reminder ends while the organiser runs beside it, and that nothing
# due or no data file ends the program without a window.
# Usage: reminder_window.sh TOVIK_EXE CHKTOVIK_EXE
here=$(cd "$(dirname "$0")" && pwd)
tovik=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
chktovik=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
. "$here/e2e_lib.sh"
[ -f "$E2E_PROBE" ] || { echo "missing $E2E_PROBE"; exit 1; }

e2e_program_folder "$tovik" "$chktovik" "$E2E_PROBE"
program=$E2E_PROGRAM
cd "$program"

fail() { echo "FAILED: $*"; E2E_FAILURES=$((E2E_FAILURES + 1)); }

# Reads the shown reminder's controls into out/<control>.txt and out/facts.txt,
# then presses its Exit button.
read_reminder() {  # locale
  LC_ALL=$1.UTF-8 wine ./window_probe_helper.exe TChkTovikMain "Check Tovik" \
    "Z:${program//\//\\}\\out" lblAppointmentsAndEvents=101 IPTxt1=102 lblTomorrow=103 \
    IPTxt2=104 lblWeekAfter=105 IPTxt3=106 lblTodosAndNotes=107 btnExit=108 IPNot=109 \
    --click 108 >"$E2E_WORK/probe.log" 2>&1
}

# A window of that title belonging to that process (other tests may share the display).
window_exists() { xdotool search --all --pid "$2" --name "^$1\$" >/dev/null 2>&1; }

set_look_ahead() {  # 0 or 1
  wine reg add 'HKCU\Software\Brakvel\Tovik' /v ExtendedLookAhead /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}

# Runs the reminder on the file it was given and compares what it shows.
check_shown() {  # name locale language look-ahead
  local name=$1 locale=$2 language=$3 days=$4
  rm -rf "$program/expected" "$program/out"
  mkdir -p "$program/out"
  python3 "$here/reminder_data.py" "$program" due "$language" "$locale" "$days"
  set_look_ahead "$([ "$days" = 28 ] && echo 1 || echo 0)"
  LC_ALL=$locale.UTF-8 wine ./ChkTovik.exe &
  local reminder=$!
  # A second reminder of the same executable brings the first forward and ends.
  for _ in $(seq 120); do window_exists "Check Tovik" $reminder && break; sleep 0.5; done
  if ! LC_ALL=$locale.UTF-8 timeout 60 wine ./ChkTovik.exe; then fail "$name: second reminder"; fi
  read_reminder "$locale" || { cat "$E2E_WORK/probe.log"; fail "$name: probe"; }
  if ! timeout 30 tail --pid=$reminder -f /dev/null; then fail "$name: Exit did not end the reminder"; kill $reminder; fi
  for expected in "$program"/expected/*.txt; do
    local control
    control=$(basename "$expected" .txt)
    if ! cmp -s "$expected" "$program/out/$control.txt"; then
      fail "$name: $control"
      diff <(cat -A "$expected") <(cat -A "$program/out/$control.txt" 2>/dev/null) || true
    fi
  done
  grep -qx "client 634x429" "$program/out/facts.txt" || fail "$name: client size"
  grep -qx "focus btnExit" "$program/out/facts.txt" || fail "$name: focus"
  echo "$name: checked"
}

# A file cut short inside its fourth note page: the window shows what came
# before the cut, and the damage goes to CheckTovik.log beside the data file.
check_damaged() {
  rm -rf "$program/expected" "$program/out" "$program/CheckTovik.log"
  mkdir -p "$program/out"
  python3 "$here/reminder_data.py" "$program" due 2 en_US 7
  set_look_ahead 0
  truncate -s -20 "$program/Tovik.dat"
  LC_ALL=en_US.UTF-8 wine ./ChkTovik.exe &
  local reminder=$!
  read_reminder en_US || { cat "$E2E_WORK/probe.log"; fail "damaged: probe"; }
  timeout 30 tail --pid=$reminder -f /dev/null || { fail "damaged: Exit did not end the reminder"; kill $reminder; }
  for control in IPTxt1 IPTxt3 IPNot; do
    cmp -s "$program/expected/$control.txt" "$program/out/$control.txt" || fail "damaged: $control"
  done
  grep -q "Message: The data file ends inside note record 4 of 8" "$program/CheckTovik.log" 2>/dev/null ||
    fail "damaged: no record in CheckTovik.log"
  echo "damaged: checked"
}

# Runs the reminder where it must end by itself, without ever showing a window.
check_ends_silently() {  # name
  local name=$1
  LC_ALL=en_US.UTF-8 wine ./ChkTovik.exe &
  local reminder=$! seen=0
  for _ in $(seq 150); do
    window_exists "Check Tovik" $reminder && seen=1
    kill -0 $reminder 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 $reminder 2>/dev/null; then fail "$name: still running"; kill $reminder; fi
  wait $reminder || fail "$name: exit code $?"
  [ $seen = 0 ] || fail "$name: a window was shown"
  echo "$name: checked"
}

# The organiser runs beside the first reminder, on the same data file.
python3 "$here/reminder_data.py" "$program" due 2 en_US 7
LC_ALL=en_US.UTF-8 wine ./Tovik.exe &
organiser=$!
for _ in $(seq 60); do window_exists Tovik $organiser && break; sleep 0.5; done
window_exists Tovik $organiser || fail "the organiser did not start"
check_shown english en_US 2 7
window_exists Tovik $organiser || fail "the organiser ended with the reminder"
wineserver -k 2>/dev/null || true

check_shown danish da_DK 1 28

check_damaged

set_look_ahead 0
python3 "$here/reminder_data.py" "$program" nothing 2 en_US 7
check_ends_silently "nothing due"
rm -f "$program/Tovik.dat"
check_ends_silently "no data file"

e2e_done
echo "reminder end to end: all passed"
