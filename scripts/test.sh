#!/usr/bin/env bash
# Builds all three trees and runs every test: the source format, native unit
# tests, the same under ASan/UBSan, a short run of each fuzzer, then the
# Windows tests under Wine in Xvfb. Ends with "N passed, N failed" and a non-zero exit on any failure.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"
fuzz_seconds=${TOVIK_FUZZ_SECONDS:-30}

"$root/scripts/deps.sh" || exit 1
"$root/scripts/build.sh" native sanitize win || { echo "0 passed, 1 failed"; exit 1; }

passed=0
failed=0
count_ctest() {  # reads ctest's "N% tests passed, F tests failed out of T"
  local log=$1 line f t
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ]; then failed=$((failed + 1)); return; fi
  f=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  t=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
  passed=$((passed + t - f))
  failed=$((failed + f))
}

logs=$(mktemp -d)
echo "== source format"
sources=$(cd "$root" && { git ls-files '*.cpp' '*.h' 2>/dev/null || find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print; })
if (cd "$root" && clang-format --dry-run --Werror $sources) >"$logs/format.log" 2>&1; then
  echo "format: clean"; passed=$((passed + 1))
else
  echo "format: FAILED (clang-format -i fixes it)"; head -n 40 "$logs/format.log"; failed=$((failed + 1))
fi
for tree in native sanitize; do
  echo "== $tree unit tests"
  ctest --test-dir "$root/build/$tree" --output-on-failure --timeout 600 2>&1 | tee "$logs/$tree.log"
  count_ctest "$logs/$tree.log"
done

echo "== fuzzing, ${fuzz_seconds}s per target"
for fuzzer in "$root"/build/sanitize/tests/fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  corpus="$logs/corpus-$name"
  mkdir -p "$corpus"
  [ -d "$root/tests/fuzz/seeds/$name" ] && cp "$root/tests/fuzz/seeds/$name"/* "$corpus"/
  if "$fuzzer" -max_total_time="$fuzz_seconds" -print_final_stats=0 "$corpus" >"$logs/$name.log" 2>&1; then
    echo "$name: clean"; passed=$((passed + 1))
  else
    echo "$name: FAILED"; tail -n 40 "$logs/$name.log"; failed=$((failed + 1))
  fi
done

echo "== Windows tests under Wine"
start_xvfb
export TOVIK_WINE_TEMPLATE="$logs/wineprefix"
make_wine_prefix "$TOVIK_WINE_TEMPLATE" "$logs/home"
ctest --test-dir "$root/build/win" --output-on-failure --timeout 600 -j2 2>&1 | tee "$logs/win.log"
count_ctest "$logs/win.log"
WINEPREFIX="$TOVIK_WINE_TEMPLATE" wineserver -k 2>/dev/null || true
rm -rf "$logs"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
