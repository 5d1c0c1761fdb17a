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
