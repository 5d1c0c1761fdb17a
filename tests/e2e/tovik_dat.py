#!/usr/bin/env python3
"""Prints what a Tovik.dat holds, for the end-to-end checks, joined by "|":
its day notes as "DAYNUMBER TEXT" or its events as "MONTH/DAY TEXT", in file
order, the texts read in code page 1252.

Usage: tovik_dat.py FILE {notes|events}
"""
import struct
import sys


def records(data, at, head):
    """The records of the table at `at`: (head fields, text), and the end."""
    count, = struct.unpack_from("<H", data, at)
    at += 2
    found = []
    for _ in range(count):
        fields = struct.unpack_from("<" + head + "i", data, at)
        start = at + struct.calcsize("<" + head + "i")
        found.append((fields[:-1], data[start:start + fields[-1]].rstrip(b"\0").decode("cp1252")))
        at = start + fields[-1]
    return found, at


data = open(sys.argv[1], "rb").read()
notes, end = records(data, 22, "H")
if sys.argv[2] == "notes":
    print("|".join(f"{day} {text}" for (day,), text in notes))
else:
    events, _ = records(data, end, "BB")
    print("|".join(f"{month}/{day} {text}" for (month, day), text in events))
