#!/usr/bin/env bash
# Start-up of ChkTovik.exe on a data file with nothing due (it ends without a
# window) beside a Win32 program that ends at once, both under Wine with a
# running wineserver, side by side. Prints the ratio of the means.
# Usage: reminder_startup.sh [RUNS]   (after scripts/build.sh win)
runs=${1:-100}
. "$(dirname "$0")/startup_lib.sh"

cp "$root/build/win/ChkTovik.exe" "$root/build/win/tests/win/trivial_exit.exe" "$work/"
# A new, empty data file: English, nothing due, no note lines.
printf '\x52\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x80\x00\xff\xff\xff\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00' >"$work/Tovik.dat"
cd "$work"
# The server stays up between the runs, for both programs alike.
wineserver -p >/dev/null 2>&1 </dev/null &
wine ./trivial_exit.exe >/dev/null 2>&1 </dev/null  # waits for the server; warms the prefix
hyperfine -N --warmup 10 --runs "$runs" --export-json "$work/times.json" \
  'wine ./trivial_exit.exe' 'wine ./ChkTovik.exe'
python3 - "$work/times.json" <<'PY'
import json, sys
r = {x["command"]: x for x in json.load(open(sys.argv[1]))["results"]}
floor, chk = r["wine ./trivial_exit.exe"], r["wine ./ChkTovik.exe"]
print(f"ChkTovik.exe with nothing due: {chk['mean']*1000:.1f} ms, floor {floor['mean']*1000:.1f} ms: "
      f"{chk['mean']/floor['mean']:.2f}x the floor (median {chk['median']/floor['median']:.2f}x)")
PY
