#!/usr/bin/env bash
# The real organiser publishes to a Radicale server of its own on 127.0.0.1,
# set up through the "Calendar server…" dialog, and python's caldav reads
# back what the server holds: notes typed on three days and a monthly event
# with their dates, texts and recurrence; a changed day; a blanked day gone;
# a change typed while the server is down arrives once it is back; a wrong
# password shows its 401 in the dialog while typing still reaches the file.
# A stale resource of Tovik's is removed by the first publish, another
# program's item is left alone.
# Usage: organiser_caldav.sh TOVIK_EXE CHKTOVIK_EXE
set -euo pipefail
. "$(dirname "$0")/e2e_lib.sh"
dav_python=$(e2e_python_with caldav) || exit 77
command -v radicale >/dev/null || { echo "SKIPPED: radicale is not installed"; exit 77; }

e2e_radicale_start
url=$E2E_CALENDAR_URL

# What the collection holds, one line an item, sorted: a day's UID, or
# "event" for an event, then the first date, the rule and the summary.
calendar() {
  "$dav_python" - "$url" "$@" <<'PY' | sort
import sys, caldav
url = sys.argv[1]
calendar = caldav.Calendar(client=caldav.DAVClient(url, username="anna", password="secret"), url=url)
if sys.argv[2:] == ["setup"]:
    for uid, day, text in [("lunch-1@example", "20260105", "Team lunch"),
                           ("day-19990101@tovik", "19990101", "Left by a lost state")]:
        calendar.save_event("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VEVENT\r\n"
                            f"UID:{uid}\r\nDTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:{day}\r\n"
                            f"SUMMARY:{text}\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")
    sys.exit()
for event in calendar.events():
    for v in event.icalendar_instance.walk("VEVENT"):
        uid = str(v["UID"])
        rule = v["RRULE"].to_ical().decode() if "RRULE" in v else ""
        print("event" if uid.startswith("event-") else uid, v["DTSTART"].dt, rule, v["SUMMARY"], sep="|")
PY
}
calendar setup >/dev/null

# The expected items: today's note and the same day one and two years on,
# the rent on the next 15th of a month, and the other program's lunch.
read -r y0 y1 y2 rent <<<"$(python3 - <<'PY'
import datetime
t = datetime.date.today()
on = lambda years: datetime.date(t.year + years, t.month, min(t.day, 28 if t.month == 2 else 31))
rent = t.replace(day=15) if t.day <= 15 else (t.replace(day=1) + datetime.timedelta(days=32)).replace(day=15)
print(on(0), on(1), on(2), rent)
PY
)"
uid() { echo "day-${1//-/}@tovik"; }
expect_calendar() {  # the items as lines "uid|date|rule|summary"
  local want
  want=$(printf '%s\n' "$@" "lunch-1@example|2026-01-05||Team lunch" "event|$rent|FREQ=MONTHLY;BYMONTHDAY=15|Pay the rent" | sort)
  e2e_expect "$label" "$want" "$(e2e_poll "$want" calendar)"
}

e2e_program_folder "$1" "$E2E_PROBE"
cd "$E2E_PROGRAM"
e2e_start_organiser en_US.UTF-8
window=$(e2e_wait_window '^Tovik$')
eval "$(xdotool getwindowgeometry --shell "$window")"
top=$((Y + HEIGHT - 413))

e2e_set_up_calendar secret

# Three days through the year box (four tabs from the note), then the
# events page, where the arrow keys move from cell to cell.
note_on() {  # types into the note, then moves the given years on
  xdotool type --delay 20 "$1"
  [ -n "${2:-}" ] && xdotool key --delay 50 Tab Tab Tab Tab "$2"
  sleep 0.3
}
# Stores the note as leaving it does, and comes back to it.
commit() { xdotool key --delay 200 Tab shift+Tab; }
note_on "Dentist at ten" Up
note_on "Next year" Up
note_on "Year after"
xdotool mousemove "$((X + 170))" "$((top + 43))" click 1
sleep 0.5
xdotool mousemove "$((X + 25))" "$((top + 107))" click 1
xdotool type --delay 80 "13" && xdotool key Right
xdotool type --delay 80 "15" && xdotool key Right
xdotool type --delay 30 "Pay the rent"
# Back on the calendar page the note of two years on has the focus.
xdotool mousemove "$((X + 55))" "$((top + 43))" click 1
sleep 0.5
label="the three days and the event on the server, the stale one gone"
expect_calendar "$(uid "$y0")|$y0||Dentist at ten" "$(uid "$y1")|$y1||Next year" "$(uid "$y2")|$y2||Year after"

xdotool key ctrl+End && xdotool type --delay 20 ", changed"
note_on "" Down
label="a changed day"
expect_calendar "$(uid "$y0")|$y0||Dentist at ten" "$(uid "$y1")|$y1||Next year" "$(uid "$y2")|$y2||Year after, changed"

xdotool key ctrl+End shift+ctrl+Home Delete
note_on "" Down
label="a blanked day is gone"
expect_calendar "$(uid "$y0")|$y0||Dentist at ten" "$(uid "$y2")|$y2||Year after, changed"

e2e_radicale_stop
xdotool key ctrl+End && xdotool type --delay 20 ", then lunch"
commit
sleep 2
e2e_radicale_start
label="a change typed while the server was down arrives"
for _ in 1 2 3; do  # the back-off after the failure is a few seconds
  [ "$(calendar | grep -c 'then lunch')" = 1 ] && break
  sleep 5
done
expect_calendar "$(uid "$y0")|$y0||Dentist at ten, then lunch" "$(uid "$y2")|$y2||Year after, changed"

# A wrong password: the dialog says 401, and the typing still reaches the file.
e2e_open_calendar_dialog
xdotool key Tab Tab && xdotool type wrong
xdotool key Return
sleep 0.5
xdotool key ctrl+End && xdotool type --delay 20 ", again"
commit
sleep 3
e2e_open_calendar_dialog
mkdir -p out
wine ./window_probe_helper.exe '#32770' 'Calendar server' "Z:${E2E_PROGRAM//\//\\}\\out" \
  status=1007 >"$E2E_WORK/probe.log" 2>&1 || cat "$E2E_WORK/probe.log"
e2e_expect "the dialog's last result" "Not published: 401 Unauthorized" "$(cat out/status.txt 2>/dev/null)"
# The reader's own start took the keyboard; the dialog gets it back to close.
xdotool windowfocus --sync "$(e2e_wait_window '^Calendar server$')" key Escape
for _ in $(seq 20); do xdotool search --onlyvisible --name '^Calendar server$' >/dev/null || break; sleep 0.25; done
xdotool windowfocus --sync "$window"
xdotool key ctrl+End && xdotool type --delay 20 " and on"
e2e_close Tovik.exe
e2e_wait_exit
e2e_expect "the typing in the data file" "1" "$(grep -c 'Dentist at ten, then lunch, again and on' Tovik.dat || true)"
e2e_expect "the log names the failure without the password" "1" \
  "$(grep -c "^Message: ${url}.*: 401 Unauthorized" Tovik.log || true)"
e2e_expect "the password is nowhere in the log or the registry" "0" \
  "$(cat Tovik.log "$WINEPREFIX"/*.reg | grep -c 'secret\|wrong' || true)"
e2e_done
