#!/usr/bin/env bash
# Runs one Windows test binary under Wine in its own copy of the run's prefix,
# from its own empty program folder. Usage: wine_run.sh EXE [ARGS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/wine-env.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/tovik-wintest.XXXXXX")
cleanup() {
  WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

if [ -n "${TOVIK_WINE_TEMPLATE:-}" ] && [ -d "$TOVIK_WINE_TEMPLATE" ]; then
  # Hard links make the copy instant; the registry files, the only ones Wine
  # rewrites in place, get copies of their own.
  cp -al "$TOVIK_WINE_TEMPLATE" "$work/prefix"
  for reg in "$work/prefix"/*.reg; do cp --remove-destination "$TOVIK_WINE_TEMPLATE/$(basename "$reg")" "$reg"; done
else
  make_wine_prefix "$work/prefix" "$work/home"
fi
# No test reaches the user's own files, recycle bin included.
export HOME="$work/home"
mkdir -p "$HOME"
if [ -z "${DISPLAY:-}" ]; then start_xvfb; fi
use_unix_locale "${LC_ALL:-}"

mkdir -p "$work/program"
exe=$1; shift
cp "$exe" "$work/program/"
# The helper programs that tests start in processes of their own.
cp "$(dirname "$exe")"/*_helper.exe "$work/program/" 2>/dev/null || true
export WINEPREFIX="$work/prefix"
export TOVIK_TEST_WORK="$work"
cd "$work/program"
set +e
wine "./$(basename "$exe")" "$@"
rc=$?
WINEPREFIX="$work/prefix" wineserver -w
exit $rc
