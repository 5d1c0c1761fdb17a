#!/usr/bin/env bash
# The real organiser's calendar file (File menu, second item) is read by two
# other programs: python's icalendar parses it and gives back the texts as
# typed, and calcurse imports it and lists the day texts and the periodic
# events on the dates the reminder would show them, short months included.
# Usage: organiser_icalendar.sh TOVIK_EXE CHKTOVIK_EXE
set -euo pipefail
tovik=$1
here=$(cd "$(dirname "$0")" && pwd)

command -v calcurse >/dev/null || { echo "SKIPPED: calcurse is not installed"; exit 77; }
. "$here/e2e_lib.sh"
ical_python=$(e2e_python_with icalendar) || exit 77

e2e_program_folder "$tovik"
python3 "$here/reminder_data.py" "$E2E_PROGRAM" calendar 2 en_US 0
cd "$E2E_PROGRAM"
e2e_start_organiser en_US.UTF-8
xdotool key --delay 300 F10 Down Down Return
for _ in $(seq 40); do [ -s Tovik.ics ] && break; sleep 0.5; done
e2e_close Tovik.exe
e2e_wait_exit

e2e_expect "the texts as icalendar reads them" "$(sort <<'TXT'
Past day
Dentist, 9:00|Dentist, 9:00\nbring the card; ask about \Ærø
Long åååååååååååååååååååååååååååååååååååååååååååååååååååååååååååååååååååååååååååååååå
Choir
Pay the rent
Water the plants
Water the plants
Leap birthday
Mum's birthday
TXT
)" "$("$ical_python" - Tovik.ics <<'PY' | sort
import sys, icalendar
calendar = icalendar.Calendar.from_ical(open(sys.argv[1], "rb").read())
for event in calendar.walk("VEVENT"):
    summary, description = str(event["SUMMARY"]), str(event["DESCRIPTION"])
    print(summary if summary == description else summary + "|" + description.replace("\n", "\\n"))
PY
)"

# What calcurse lists from three days back to a year and a half ahead,
# against the dates the reminder gives: a missing day is the month's last.
first=$(date -d '-3 days' +%m/%d/%Y)
mkdir "$E2E_WORK/calcurse"
calcurse -D "$E2E_WORK/calcurse" -i Tovik.ics >/dev/null
listed=$(calcurse -D "$E2E_WORK/calcurse" -Q --from "$first" --days 550 \
  --format-event '%m\n' --format-recur-event '%m\n' | python3 -c '
import re, sys, datetime
day = None
for line in sys.stdin:
    line = line.rstrip("\n")
    if re.fullmatch(r"\d\d/\d\d/\d\d:", line):
        day = datetime.datetime.strptime(line[:-1], "%m/%d/%y").date()
    elif line:
        print(day, line)' | sort)
expected=$(python3 - <<'PY' | sort
import calendar, datetime
today = datetime.date.today()
t = lambda n: today + datetime.timedelta(days=n)
print(t(-3), "Past day")
print(today, "Dentist, 9:00")
print(t(5), "Long " + "å" * 80)
for n in range(0, 550 - 3):
    d = t(n)
    last = calendar.monthrange(d.year, d.month)[1]
    if d.weekday() == t(2).weekday(): print(d, "Choir")
    if d.day == last: print(d, "Pay the rent")
    if d.day == min(30, last): print(d, "Water the plants")
    if d.month == 2 and d.day == last: print(d, "Leap birthday")
    if d.month == t(10).month and d.day == min(t(10).day, last): print(d, "Mum's birthday")
PY
)
e2e_expect "the calendar as calcurse lists it" "$expected" "$listed"
e2e_done
