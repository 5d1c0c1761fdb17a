#!/usr/bin/env bash
# Configures and builds the named trees: native, sanitize, win (default: all three).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
trees=("$@")
[ ${#trees[@]} -eq 0 ] && trees=(native sanitize win)

for tree in "${trees[@]}"; do
  dir="$root/build/$tree"
  case "$tree" in
    native)   args=(-DCMAKE_BUILD_TYPE=Release) ;;
    sanitize) args=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
                    -DTOVIK_SANITIZE=ON -DTOVIK_FUZZ=ON) ;;
    win)      args=(-DCMAKE_BUILD_TYPE=Release
                    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake") ;;
    *) echo "unknown tree: $tree" >&2; exit 2 ;;
  esac
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$root" -B "$dir" -G Ninja "${args[@]}" >/dev/null
  fi
  cmake --build "$dir"
done
