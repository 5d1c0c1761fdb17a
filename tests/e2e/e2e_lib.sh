# Sourced by the end-to-end scripts: a private Wine prefix and display, and
# small checks that count their failures.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
. "$root/scripts/wine-env.sh"

# The tests' reader of a running program's windows, built beside the
# reminder that every script is given second.
E2E_PROBE="$(dirname "${2:-.}")/tests/win/window_probe_helper.exe"
E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/tovik-e2e.XXXXXX")
E2E_FAILURES=0
export HOME="$E2E_WORK/home"
export WINEPREFIX="$E2E_WORK/prefix"
if [ -n "${TOVIK_WINE_TEMPLATE:-}" ] && [ -d "$TOVIK_WINE_TEMPLATE" ]; then
  cp -al "$TOVIK_WINE_TEMPLATE" "$WINEPREFIX"
  for reg in "$WINEPREFIX"/*.reg; do cp --remove-destination "$TOVIK_WINE_TEMPLATE/$(basename "$reg")" "$reg"; done
else
  make_wine_prefix "$WINEPREFIX" "$HOME"
fi
mkdir -p "$HOME"
# A display of its own: the checks count windows by name, and another test
# running beside this one must not add to them.
start_xvfb
E2E_CLEANUP=""
e2e_cleanup() {
  eval "$E2E_CLEANUP"
  wineserver -k 2>/dev/null || true
  kill "$TOVIK_XVFB_PID" 2>/dev/null || true
  rm -rf "$E2E_WORK"
}
trap e2e_cleanup EXIT
# Runs a command as the script ends, before the prefix and display go.
e2e_on_exit() { E2E_CLEANUP="$1; $E2E_CLEANUP"; }

# A new empty program folder holding copies of the given exes: $E2E_PROGRAM.
e2e_program_folder() {
  E2E_PROGRAM=$(mktemp -d "$E2E_WORK/program.XXXXXX")
  cp "$@" "$E2E_PROGRAM/"
}

# Prints the id of the first window whose name matches; fails after 60 s.
e2e_wait_window() {
  local id
  for _ in $(seq 120); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.5
  done
  echo "no window named $1" >&2
  return 1
}

# Waits for every Wine process of the prefix to end.
e2e_wait_exit() { timeout 60 wineserver -w; }

# Runs the command until it prints the expected text, for at most 10 s, and
# prints what it printed last: a state that follows an action is waited for.
e2e_poll() {
  local want=$1 got
  shift
  for _ in $(seq 20); do
    got=$("$@")
    [ "$got" == "$want" ] && break
    sleep 0.5
  done
  echo "$got"
}

e2e_expect() {
  if [ "$2" == "$3" ]; then
    echo "ok: $1"
  else
    echo "FAILED: $1: expected '$2', got '$3'"
    E2E_FAILURES=$((E2E_FAILURES + 1))
  fi
}

e2e_done() {
  [ "$E2E_FAILURES" -eq 0 ] || { echo "$E2E_FAILURES check(s) failed"; exit 1; }
}

# Starts the organiser of the current folder under the given locale and
# gives its window the focus, for the keys that follow.
e2e_start_organiser() {
  LC_ALL=$1 wine ./Tovik.exe &
  xdotool windowfocus --sync "$(e2e_wait_window '^Tovik$')"
}

# Asks the program's windows to close (WM_CLOSE), as the close box does.
e2e_close() { wine taskkill /im "$1" >/dev/null 2>&1 || true; }

# Runs the window probe on the organiser's window of the current program
# folder (which holds the probe), writing into its folder out/; the
# arguments name the controls (name=id) and the probe's options.
e2e_probe_organiser() {
  mkdir -p out
  LC_ALL=en_US.UTF-8 wine ./window_probe_helper.exe TTovikMain Tovik "Z:${E2E_PROGRAM//\//\\}\\out" \
    "$@" >"$E2E_WORK/probe.log" 2>&1 || cat "$E2E_WORK/probe.log"
}

# A new program folder holding the organiser ($1) and the window probe, made
# the current folder, and the organiser started there under the locale $2.
e2e_start_probed_organiser() {
  e2e_program_folder "$1" "$E2E_PROBE"
  cd "$E2E_PROGRAM"
  e2e_start_organiser "$2"
}

# Prints the python3 that has the module: the distribution's, where another
# python3 comes first; skips the script when none has it.
e2e_python_with() {
  local py
  for py in python3 /usr/bin/python3; do
    "$py" -c "import $1" 2>/dev/null && { echo "$py"; return 0; }
  done
  echo "SKIPPED: python3-$1 is not installed" >&2
  exit 77
}

# Starts (or starts again) a Radicale server of the script's own on a free
# port of 127.0.0.1, storing in the script's folder, with the user "anna"
# and the password "secret", and the calendar $E2E_CALENDAR_URL. The server
# ends with the script.
e2e_radicale_start() {
  local dav=$E2E_WORK/radicale
  if [ ! -f "$dav/config" ]; then
    mkdir -p "$dav"
    E2E_RADICALE_PORT=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    E2E_CALENDAR_URL="http://127.0.0.1:$E2E_RADICALE_PORT/anna/diary/"
    printf 'anna:secret\n' >"$dav/users"
    printf '%s\n' "[server]" "hosts = 127.0.0.1:$E2E_RADICALE_PORT" "[auth]" "type = htpasswd" \
      "htpasswd_filename = $dav/users" "htpasswd_encryption = plain" "[storage]" \
      "filesystem_folder = $dav/collections" "[web]" "type = none" "[logging]" "level = info" \
      >"$dav/config"
    e2e_on_exit 'kill "$E2E_RADICALE_PID" 2>/dev/null || true'
  fi
  radicale --config "$dav/config" >>"$dav/log" 2>&1 &
  E2E_RADICALE_PID=$!
  for _ in $(seq 40); do
    if python3 -c "import socket; socket.create_connection(('127.0.0.1', $E2E_RADICALE_PORT), 1)" 2>/dev/null; then
      [ -d "$dav/collections/collection-root/anna/diary" ] && return 0
      python3 -c "import sys, urllib.request as u; u.urlopen(u.Request(sys.argv[1], method='MKCALENDAR',
        headers={'Authorization': 'Basic YW5uYTpzZWNyZXQ='}))" "$E2E_CALENDAR_URL" >/dev/null
      return
    fi
    sleep 0.25
  done
  echo "radicale did not start" >&2; cat "$dav/log" >&2; return 1
}
e2e_radicale_stop() { kill "$E2E_RADICALE_PID"; wait "$E2E_RADICALE_PID" 2>/dev/null || true; }

# Options, last item: "Calendar server…".
e2e_open_calendar_dialog() {
  xdotool key --delay 300 F10 Right Right Down Up Return
  e2e_wait_window '^Calendar server$' >/dev/null
}
# Sets up publishing to $E2E_CALENDAR_URL as anna with the given password.
e2e_set_up_calendar() {
  e2e_open_calendar_dialog
  xdotool type --delay 10 "$E2E_CALENDAR_URL"
  xdotool key Tab && xdotool type anna
  xdotool key Tab && xdotool type "$1"
  xdotool key Tab space Return
}
