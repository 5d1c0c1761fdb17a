# Sourced by the start-up benchmarks: a work folder with a fresh Wine prefix
# of its own ($work, $WINEPREFIX) and a display, all gone when the script ends.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
. "$root/scripts/wine-env.sh"
work=$(mktemp -d)
trap 'WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
export HOME="$work/home" WINEPREFIX="$work/prefix"
make_wine_prefix "$WINEPREFIX" "$HOME"
[ -n "${DISPLAY:-}" ] || start_xvfb
