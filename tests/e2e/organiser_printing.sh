#!/usr/bin/env bash
# Printing and the diary export of the real organiser, on a PDF printer of a
# CUPS server of the test's own: the calendar from today on (File menu) and
# the shown day's notes (Ctrl+P) are printed through the print dialog, and
# the PDFs' text is compared with the data file's; Ctrl+S writes the diary,
# in English and in Russian (a Unicode file name). Where no CUPS server can
# be started the test reports itself skipped (exit 77). With TOVIK_E2E_KEEP
# naming a folder, the PDFs are kept there for a look.
# Usage: organiser_printing.sh TOVIK_EXE CHKTOVIK_EXE
set -euo pipefail
tovik=$1
here=$(cd "$(dirname "$0")" && pwd)

skip() {
  echo "SKIPPED: $*"
  exit 77
}
for tool in cupsd lpadmin unshare pdftotext pdfinfo xdotool; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "the cups-pdf backend is not installed"
[ "$(id -u)" -eq 0 ] || skip "the CUPS server needs root to run its PDF backend"

. "$here/e2e_lib.sh"

# A CUPS server of its own, on a socket in the work folder, with one PDF
# printer as the default. cups-pdf reads its settings from a fixed path, so
# the server runs in a mount namespace where the test's settings (writing
# into the work folder) stand there.
cups=$E2E_WORK/cups
mkdir -p "$cups"/{etc/ppd,spool/tmp,cache,state,log,pdf,pdfspool}
chmod 1777 "$cups/spool/tmp"
# The server's filters run as another user, who must reach the spool.
chmod a+rx "$E2E_WORK" "$cups"
cat >"$cups/etc/cupsd.conf" <<CONF
Listen $cups/cups.sock
LogLevel warn
WebInterface No
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
cat >"$cups/etc/cups-files.conf" <<CONF
ServerRoot $cups/etc
RequestRoot $cups/spool
TempDir $cups/spool/tmp
CacheDir $cups/cache
StateDir $cups/state
ErrorLog $cups/log/error_log
AccessLog $cups/log/access_log
PageLog $cups/log/page_log
Printcap $cups/state/printcap
CONF
cat >"$cups/cups-pdf.conf" <<CONF
Out $cups/pdf
AnonDirName $cups/pdf
Spool $cups/pdfspool
Log $cups/log
Grp root
CONF
unshare -m --propagation private sh -c \
  "mount --bind '$cups/cups-pdf.conf' /etc/cups/cups-pdf.conf &&
   exec cupsd -f -c '$cups/etc/cupsd.conf' -s '$cups/etc/cups-files.conf'" \
  >"$cups/log/cupsd.out" 2>&1 &
cupsd_pid=$!
e2e_on_exit "kill $cupsd_pid 2>/dev/null || true"
export CUPS_SERVER=$cups/cups.sock
for _ in $(seq 50); do [ -S "$CUPS_SERVER" ] && break; sleep 0.2; done
[ -S "$CUPS_SERVER" ] || skip "the CUPS server did not start: $(cat "$cups/log/cupsd.out")"
lpadmin -p TovikPDF -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null ||
  skip "the PDF printer could not be added"
lpadmin -d TovikPDF

# Waits for a finished PDF other than the given ones and prints its path.
next_pdf() {
  local pdf
  for _ in $(seq 120); do
    for pdf in "$cups/pdf"/*.pdf; do
      [ -e "$pdf" ] && [[ " $* " != *" $pdf "* ]] || continue
      pdfinfo "$pdf" >/dev/null 2>&1 || continue
      echo "$pdf"
      return 0
    done
    sleep 0.5
  done
  echo "no PDF came out" >&2
  return 1
}

# The text of a PDF, every run of blanks one space, without empty lines.
pdf_text() { pdftotext -layout "$1" - | sed -e 's/[[:space:]]\+/ /g' -e 's/^ //' -e 's/ $//' | grep -v '^$' || true; }

# Opens the print dialog with the given keys and takes its OK.
print_with() {
  xdotool key --delay 300 "$@"
  e2e_wait_window '^Print$' >/dev/null
  xdotool key Return
}

e2e_program_folder "$tovik"
python3 "$here/reminder_data.py" "$E2E_PROGRAM" due 2 en_US 0
cd "$E2E_PROGRAM"
e2e_start_organiser en_US.UTF-8

# The calendar through the File menu's fourth item.
print_with F10 Down Down Down Down Return
calendar_pdf=$(next_pdf)
print_with ctrl+p
day_pdf=$(next_pdf "$calendar_pdf")
xdotool key ctrl+s
for _ in $(seq 40); do [ -s Diary.txt ] && break; sleep 0.5; done
e2e_close Tovik.exe
e2e_wait_exit

# What the data file of reminder_data.py gives from today on, with the
# week number left open: the date lines, the events of a date first, the
# texts' lines below, and the empty-looking texts in slot order.
expected=$(python3 - <<'PY'
import datetime
t = lambda n: datetime.date.today() + datetime.timedelta(days=n)
date = lambda n: f"WW, {t(n).month}/{t(n).day}/{t(n).year}, {t(n).strftime('%a')}"
print("\n".join([
    "Appointments etc., Page 1", "Week,Date,Day",
    date(0) + " Dentist 9:00", "Hidden by its space", "!Hidden by its mark",
    date(1) + " Lunch with Ann", "at noon", "Last day shown",
    date(2) + " * Fødselsdag", "One day too far",
    date(3) + " * Mum's birthday", "* Dad's birthday", "Train to Århus"]))
PY
)
e2e_expect "the printed calendar" "$expected" \
  "$(pdf_text "$calendar_pdf" | sed -E 's/^[0-9]{2}, /WW, /')"
e2e_expect "the printed day" \
  "$(printf 'Appointments etc., %s\nDentist 9:00' "$(date '+%A, %B %-d, %Y')")" \
  "$(pdf_text "$day_pdf")"
e2e_expect "the exported diary" "$(python3 - <<'PY'
import datetime
t = lambda n: datetime.date.today() + datetime.timedelta(days=n)
d = lambda n: f"{t(n).month}/{t(n).day}/{t(n).year}"
texts = [(-1, "Yesterday's meeting"), (0, "Dentist 9:00"), (1, "Lunch with Ann\r\nat noon\r\n"),
         (2, "One day too far"), (3, "Train to Århus")]
print("".join(f"{d(n)}\r\n{text}\r\n\r\n" for n, text in texts).encode("cp1252").hex())
PY
)" "$(od -An -v -tx1 Diary.txt | tr -d ' \n')"

if [ -n "${TOVIK_E2E_KEEP:-}" ]; then cp "$calendar_pdf" "$day_pdf" "$TOVIK_E2E_KEEP/"; fi

# In Russian the export's name is Cyrillic, whatever the code page.
rm -f Tovik.dat Diary.txt
python3 "$here/reminder_data.py" "$E2E_PROGRAM" nothing 7 en_US 0
use_unix_locale ru_RU.UTF-8
e2e_start_organiser ru_RU.UTF-8
xdotool key ctrl+s
for _ in $(seq 40); do [ -s 'Ежедневно.txt' ] && break; sleep 0.5; done
e2e_close Tovik.exe
e2e_wait_exit
e2e_expect "the Russian export" \
  "$(python3 -c "import datetime; d = datetime.date.today() - datetime.timedelta(days=1); print(d.strftime('%d.%m.%Y'))")" \
  "$(head -n 1 'Ежедневно.txt' 2>/dev/null | tr -d '\r')"
e2e_done
