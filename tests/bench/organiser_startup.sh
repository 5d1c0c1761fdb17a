#!/usr/bin/env bash
# Start-up of Tovik.exe, from its start to its first visible main window,
# beside a minimal Win32 program that creates and shows one window of the
# same size (the floor) and Wine's own notepad (what a user knows), all under
# one warm Wine server, each run in turn. Prints the ratio of the medians.
# Usage: organiser_startup.sh [RUNS]   (after scripts/build.sh win)
runs=${1:-21}
. "$(dirname "$0")/startup_lib.sh"

cp "$root/build/win/Tovik.exe" "$root/build/win/tests/win/minimal_window.exe" \
  "$root/build/win/tests/win/startup_probe.exe" "$work/"
cd "$work"
# The server stays up between the runs, for every program alike; a first
# run of each creates the data file and warms the prefix.
wineserver -p >/dev/null 2>&1 </dev/null &
# Wine's helper processes must hold no pipe of the caller.
wine ./startup_probe.exe 1 minimal_window.exe Tovik.exe notepad.exe >/dev/null 2>&1 </dev/null
wine ./startup_probe.exe "$runs" minimal_window.exe Tovik.exe notepad.exe \
  >"$work/medians.txt" 2>"$work/probe.log" </dev/null || { cat "$work/probe.log"; exit 1; }
python3 - "$work/medians.txt" "$runs" <<'PY'
import sys
medians = dict(line.split() for line in open(sys.argv[1]) if line.strip())
floor, tovik, notepad = (float(medians[k]) for k in ("minimal_window.exe", "Tovik.exe", "notepad.exe"))
print(f"Tovik.exe to its first window: median {tovik:.1f} ms over {sys.argv[2]} runs; "
      f"minimal one-window program {floor:.1f} ms, notepad {notepad:.1f} ms")
print(f"{tovik / floor:.2f}x the minimal program, {tovik / notepad:.2f}x notepad")
PY
