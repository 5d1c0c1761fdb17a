#!/usr/bin/env bash
# Letters that the data file cannot hold are refused as they are typed: on a
# Western system (code page 1252) "Привет" typed into the day's note is not
# taken, a balloon tip names the letter, and Tovik.dat holds what the box
# shows instead of "??????". Usage: organiser_foreign_characters.sh TOVIK_EXE CHKTOVIK_EXE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/e2e_lib.sh"

e2e_start_probed_organiser "$1" en_US.UTF-8
# The probe waits for the tip that the typing raises, and reads it before
# the next key hides it. The day's note has the focus after the start.
e2e_probe_organiser memAppDiary=1000 --tip &
probe=$!
sleep 2
xdotool type --delay 40 "Hi П"
wait "$probe"
e2e_expect "the balloon tip" \
  "Tovik.dat cannot hold the character П (U+041F) with this computer's language settings, so it was not typed." \
  "$(cat out/tip.txt 2>/dev/null)"
xdotool type --delay 40 "ривет there"
e2e_probe_organiser memAppDiary=1000
e2e_expect "the note box" "Hi  there" "$(cat out/memAppDiary.txt 2>/dev/null)"
xdotool key --delay 50 Tab
e2e_close Tovik.exe
e2e_wait_exit

stored=$(python3 "$here/tovik_dat.py" "$E2E_PROGRAM/Tovik.dat" notes)
e2e_expect "the note in Tovik.dat" "Hi  there" "${stored#* }"
e2e_done
