#!/usr/bin/env bash
# Installs what building, running and testing need, when it is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-dev clang-format
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  nsis librsvg2-bin icoutils
  wine wine64 fonts-wine xvfb xauth imagemagick xdotool
  googletest libbenchmark-dev hyperfine python3
  cups printer-driver-cups-pdf poppler-utils
  calcurse python3-icalendar
  radicale python3-caldav
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
