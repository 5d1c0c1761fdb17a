#!/usr/bin/env bash
# The release as a user meets it, in a fresh Wine prefix: the installer that
# CPack builds installs silently for the user (files, Start-menu shortcuts,
# Add/Remove Programs entry, the reminder at log-on, version information);
# the installed reminder ends silently and the organiser keeps a typed note
# in Documents; installing again while it runs replaces nothing; installing
# over the copy keeps the note; the uninstaller, as Add/Remove Programs
# names it, takes all but the data. TOVIK_E2E_SHOTS keeps a screenshot of
# the installed organiser.
# Usage: release_install.sh TOVIK_EXE CHKTOVIK_EXE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$(dirname "$1")" && pwd)
command -v makensis >/dev/null || { echo "makensis is missing (scripts/deps.sh installs it)"; exit 77; }
. "$here/e2e_lib.sh"

cpack --config "$build/CPackConfig.cmake" -G NSIS -B "$E2E_WORK/package" >/dev/null
setup=$(ls "$E2E_WORK"/package/Tovik-*-setup.exe)
user=$(cd "$WINEPREFIX/drive_c/users" && ls | grep -vx Public)
programs="$WINEPREFIX/drive_c/users/$user/AppData/Local/Programs/Tovik"
start_menu="$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
# Documents of its own: in a copied prefix it links to the home of the prefix
# that was copied, which other tests share.
documents="$WINEPREFIX/drive_c/users/$user/Documents"
if [ -L "$documents" ]; then rm "$documents"; fi
mkdir -p "$documents"
data="$documents/Brakvel/Tovik/Tovik.dat"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tovik'
run_key='HKCU\SOFTWARE\Microsoft\Windows\CurrentVersion\Run'

reg_value() {  # key value: the value's data, or "absent"
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p" | grep . || echo absent
}
install() { wine "$setup" /S && echo 0 || echo $?; }
data_sum() { { sha256sum <"$data"; } 2>/dev/null || echo missing; }
# Strings of a program's version information, as Explorer's Properties show them.
version_info() {
  python3 - "$1" <<'PY'
import re, sys
data = open(sys.argv[1], "rb").read()
for key in ["ProductName", "ProductVersion", "CompanyName", "FileDescription", "LegalCopyright"]:
    m = re.search((key + "\0").encode("utf-16-le") + rb"(?:\0\0)*((?:[^\0].|\0[^\0])*?)\0\0", data, re.S)
    print(f"{key}={m.group(1).decode('utf-16-le') if m else ''}", end=";")
PY
}

# Silent install for the user, with the reminder at log-on by default.
e2e_expect "first installation's exit code" 0 "$(install)"
e2e_expect "installed files" "ChkTovik.exe README.txt Tovik.exe Uninstall.exe help/Tovik_en.html options.ini" \
  "$(cd "$programs" && ls -d ChkTovik.exe README.txt Tovik.exe Uninstall.exe help/Tovik_en.html options.ini | xargs)"
e2e_expect "options.ini" "[Misc] DataAccess=user" "$(tr -d '\r' <"$programs/options.ini" | xargs)"
for link in "Tovik:Tovik.exe" "Check Tovik:ChkTovik.exe"; do
  e2e_expect "shortcut $link" 1 \
    "$(strings -a "$start_menu/${link%%:*}.lnk" | grep -c "Programs\\\\Tovik\\\\${link#*:}$" || true)"
done
win_programs="C:\\users\\$user\\AppData\\Local\\Programs\\Tovik"
e2e_expect "Add/Remove Programs entry" \
  "Tovik|5.63|Brakvel|$win_programs\\Tovik.exe,0|\"$win_programs\\Uninstall.exe\"|size" \
  "$(for v in DisplayName DisplayVersion Publisher DisplayIcon UninstallString; do
      printf '%s|' "$(reg_value "$uninstall_key" $v)"; done
    [ $(($(reg_value "$uninstall_key" EstimatedSize))) -gt 500 ] && echo size)"
e2e_expect "Run value" "$win_programs\\ChkTovik.exe" "$(reg_value "$run_key" Brakvel-CheckTovik)"
for exe in Tovik "Check Tovik:ChkTovik"; do
  e2e_expect "version information of ${exe#*:}.exe" \
    "ProductName=Tovik;ProductVersion=5.63;CompanyName=Brakvel;FileDescription=${exe%%:*} \
$([ "$exe" = Tovik ] && echo "personal organiser" || echo reminder);LegalCopyright=Copyright © 2026 Brakvel;" \
    "$(version_info "$programs/${exe#*:}.exe")"
done

# Before any data exists the reminder ends at once, without a message box
# that would keep it waiting; then the organiser's first start makes
# Tovik.dat in Documents, and a typed note reaches it.
cd "$programs"
e2e_expect "reminder's first start" "0 absent" \
  "$(timeout 30 wine ./ChkTovik.exe && echo 0 || echo $?) $(ls "$data" 2>/dev/null || echo absent)"
e2e_start_organiser en_US.UTF-8
[ -n "${TOVIK_E2E_SHOTS:-}" ] && import -window root "$TOVIK_E2E_SHOTS/installed-organiser.png"
xdotool type --delay 20 "Dentist at ten"
xdotool key Tab

# Installing again while it runs stops before it replaces anything.
before=$(stat -c '%i %Z' "$programs/Tovik.exe" "$programs/ChkTovik.exe")
e2e_expect "installation while the organiser runs" 2 "$(install)"
e2e_expect "the running organiser's files untouched" "$before" \
  "$(stat -c '%i %Z' "$programs/Tovik.exe" "$programs/ChkTovik.exe")"
e2e_close Tovik.exe
e2e_wait_exit
e2e_expect "note in Documents' Tovik.dat" 1 "$(grep -a -c 'Dentist at ten' "$data" || true)"
e2e_expect "no data in the program folder" absent "$(ls "$programs"/*.dat 2>/dev/null || echo absent)"

# Over the installed copy, the data stays as it was. (Out of the program
# folder first: a process's current folder cannot be removed.)
cd "$E2E_WORK"
sum=$(data_sum)
e2e_expect "installation over the copy" 0 "$(install)"
e2e_expect "Tovik.dat after installing over" "$sum" "$(data_sum)"

# The uninstaller that Add/Remove Programs starts, silent.
uninstaller=$(reg_value "$uninstall_key" UninstallString | tr -d '"')
wine "$uninstaller" /S
e2e_wait_exit
e2e_expect "program folder after uninstalling" absent "$(ls -A "$programs" 2>/dev/null || echo absent)"
e2e_expect "shortcuts after uninstalling" 0 "$(ls "$start_menu" | grep -c Tovik || true)"
e2e_expect "registry after uninstalling" "absent absent absent" \
  "$(reg_value "$uninstall_key" DisplayName) $(reg_value "$run_key" Brakvel-CheckTovik) \
$(wine reg query 'HKCU\Software\Brakvel\Tovik' >/dev/null 2>&1 && echo present || echo absent)"
e2e_expect "Tovik.dat after uninstalling" "$sum" "$(data_sum)"
e2e_done
