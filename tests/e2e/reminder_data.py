#!/usr/bin/env python3
"""Writes a Tovik.dat for the reminder's end-to-end run, dated from the real
date of the run, and the texts the reminder must show for it.

Usage: reminder_data.py FOLDER {due|nothing|calendar|diary} LANGUAGE LOCALE LOOKAHEAD
Writes FOLDER/Tovik.dat and, for "due", FOLDER/expected/<control>.txt (UTF-8).
"""
import datetime
import os
import struct
import sys

EPOCH = datetime.date(1899, 12, 30)
CRLF = "\r\n"

# The Wine locales the test runs under: weekday names and the short date.
LOCALES = {
    "en_US": (["Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"],
              lambda d: f"{d.month}/{d.day}/{d.year}"),
    "da_DK": (["mandag", "tirsdag", "onsdag", "torsdag", "fredag", "lørdag", "søndag"],
              lambda d: f"{d.day}.{d.month}.{d.year}"),
}

CAPTIONS = {
    2: ('Appointments etc., ', "Tomorrow", "The Following {} Days", "To-Do Items", "E&xit"),
    1: ('Aftaler m.v., ', "I morgen", "De følgende {} dage", "Opgaver", "&Luk"),
}


def day_number(d):
    return (d - EPOCH).days


def text_record(text):
    raw = text.encode("cp1252") + b"\0"
    return struct.pack("<i", len(raw)) + raw


def sunday_first_weekday(d):
    return (d.isoweekday() % 7) + 1  # 1 = Sunday ... 7 = Saturday


def build(kind, language, today, look_ahead):
    t = lambda n: today + datetime.timedelta(days=n)
    if kind == "due":
        appointments = [
            (t(0), "Dentist 9:00"),
            (t(1), "Lunch with Ann" + CRLF + "at noon" + CRLF),
            (t(3), "Train to Århus"),
            (t(-1), "Yesterday's meeting"),
            (t(0), " Hidden by its space"),
            (t(0), "!Hidden by its mark"),
            (t(look_ahead + 1), "Last day shown"),
            (t(look_ahead + 2), "One day too far"),
        ]
        events = [
            (14, sunday_first_weekday(t(0)), "Gym"),
            (14, sunday_first_weekday(t(1)), "Choir"),
            (t(3).month, t(3).day, "Mum's birthday"),
            (t(3).month, t(3).day, "Dad's birthday"),
            (t(2).month, t(2).day, "Fødselsdag"),
        ]
        notes = ["Shop" + CRLF + "$milk" + CRLF + "$bread", "", " x" + CRLF + "$call Bob",
                 "Plans" + CRLF + "no marks $here"] + [""] * 4
    elif kind == "calendar":
        # For the calendar file: texts to escape and to fold, and events on
        # days that short months lack.
        appointments = [
            (t(0), "Dentist, 9:00" + CRLF + "bring the card; ask about \\Ærø"),
            (t(-3), "Past day"),
            (t(0), "Second slot of the day"),
            (t(5), "Long " + "å" * 80),
        ]
        events = [
            (14, sunday_first_weekday(t(2)), "Choir"),
            (13, 31, "Pay the rent"),
            (13, 30, "Water the plants"),
            (2, 29, "Leap birthday"),
            (t(10).month, t(10).day, "Mum's birthday"),
        ]
        notes = [""] * 8
    elif kind == "diary":
        # Ten years of day notes and a full events table.
        appointments = [(t(n), f"Day {n}: dentist at ten" + CRLF + "bring the card") for n in range(3650)]
        events = [((n % 14) + 1, (n % 7 if n % 14 == 13 else n % 28) + 1, f"Event {n}") for n in range(300)]
        notes = [""] * 8
    else:
        appointments = [(t(-1), "Yesterday's meeting"), (t(look_ahead + 2), "Too far")]
        events = [(14, sunday_first_weekday(t(1)), "Choir")]
        notes = ["Shop" + CRLF + "milk $later"] + [""] * 7

    data = struct.pack("<HHHHHii", language | 0xA0, day_number(today), 0, 0, 0, 0x00800000,
                       0x00FFFFFF) + b"\0" * 4
    data += struct.pack("<H", len(appointments))
    for day, text in appointments:
        data += struct.pack("<H", day_number(day)) + text_record(text)
    data += struct.pack("<H", len(events))
    for month, day, text in events:
        data += struct.pack("<BB", month, day) + text_record(text)
    data += struct.pack("<H", len(notes))
    for text in notes:
        data += text_record(text) if text else struct.pack("<i", 0)
    return data


def quicksort(entries):
    """The reminder's iterative quicksort on (key, text) pairs, by key."""
    if len(entries) < 2:
        return entries
    a = list(entries)
    stack = [(0, len(a) - 1)]
    while stack:
        lo, hi = stack.pop()
        while True:
            pivot = a[(lo + hi) // 2][0]
            i, j = lo, hi
            while True:
                while a[i][0] < pivot:
                    i += 1
                while a[j][0] > pivot:
                    j -= 1
                if i <= j:
                    a[i], a[j] = a[j], a[i]
                    i, j = i + 1, j - 1
                if i > j:
                    break
            if i < hi:
                stack.append((i, hi))
            hi = j
            if lo >= hi:
                break
    return a


def expected(language, locale, today, look_ahead):
    names, short = LOCALES[locale]
    t = lambda n: today + datetime.timedelta(days=n)
    heading, tomorrow, week_after, todos, exit_text = CAPTIONS[language]
    # The due list in file order: the shown appointments, then the shown events.
    due = [(day_number(t(0)) * 10 + 1, "Dentist 9:00" + CRLF),
           (day_number(t(1)) * 10 + 1, "Lunch with Ann" + CRLF + "at noon" + CRLF),
           (day_number(t(3)) * 10 + 1, "Train to Århus" + CRLF),
           (day_number(t(look_ahead + 1)) * 10 + 1, "Last day shown" + CRLF),
           (day_number(t(0)) * 10, "* Gym" + CRLF),
           (day_number(t(3)) * 10, "* Mum's birthday" + CRLF),
           (day_number(t(3)) * 10, "* Dad's birthday" + CRLF),
           (day_number(t(2)) * 10, "* Fødselsdag" + CRLF)]
    boxes = {0: "", 1: "", 2: ""}
    previous = None
    for key, line in quicksort(due):
        n = key // 10 - day_number(today)
        if n != previous and n >= 2:
            boxes[2] += "-" * 29 + CRLF + f"{names[t(n).weekday()]} {short(t(n))}" + CRLF
        previous = n
        boxes[min(n, 2)] += line
    return {
        "lblAppointmentsAndEvents": heading + f"{names[today.weekday()]} {short(today)}",
        "IPTxt1": boxes[0],
        "lblTomorrow": tomorrow,
        "IPTxt2": boxes[1],
        "lblWeekAfter": week_after.format(look_ahead),
        "IPTxt3": boxes[2],
        "lblTodosAndNotes": todos,
        "btnExit": exit_text,
        "IPNot": "-----Shop -----" + CRLF + "milk" + CRLF + "bread" + CRLF + "call Bob" + CRLF,
    }


def main():
    folder, kind, language, locale, look_ahead = sys.argv[1:6]
    language, look_ahead = int(language), int(look_ahead)
    today = datetime.date.today()
    with open(os.path.join(folder, "Tovik.dat"), "wb") as f:
        f.write(build(kind, language, today, look_ahead))
    if kind == "due":
        out = os.path.join(folder, "expected")
        os.makedirs(out, exist_ok=True)
        for name, text in expected(language, locale, today, look_ahead).items():
            with open(os.path.join(out, name + ".txt"), "w", encoding="utf-8", newline="") as f:
                f.write(text)


if __name__ == "__main__":
    main()
