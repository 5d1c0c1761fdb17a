#!/usr/bin/env python3
"""Prints a Tovik.dat's day notes ("DAYNUMBER TEXT") or events ("MONTH/DAY
TEXT") in file order, joined by "|". Usage: tovik_dat.py FILE {notes|events}"""
import struct
import sys


def records(data, at, head):
    """The (fields, text) records of the table at `at`, and where it ends."""
    count, = struct.unpack_from("<H", data, at)
    at, found = at + 2, []
    for _ in range(count):
        *fields, length = struct.unpack_from("<" + head + "i", data, at)
        at += struct.calcsize("<" + head + "i")
        found.append((fields, data[at:at + length].rstrip(b"\0").decode("cp1252")))
        at += length
    return found, at


data = open(sys.argv[1], "rb").read()
notes, end = records(data, 22, "H")
if sys.argv[2] == "notes":
    print("|".join(f"{day} {text}" for (day,), text in notes))
else:
    print("|".join(f"{m}/{d} {text}" for (m, d), text in records(data, end, "BB")[0]))
