# Sourced by the run and test scripts: a private Xvfb display and Wine prefix.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# Starts Xvfb on a free display and exports DISPLAY; the server ends with the
# script. TOVIK_XVFB_SCREEN gives another screen size than 1024x768.
start_xvfb() {
  local fifo display
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${TOVIK_XVFB_SCREEN:-1024x768}x24" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  TOVIK_XVFB_PID=$!
  read -r display <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$display"
  trap 'kill "$TOVIK_XVFB_PID" 2>/dev/null || true' EXIT
}

# Wine names files in the character set of the Unix locale: under a locale
# the system lacks (not generated), every character outside ASCII would drop
# out of file names. Such a locale is compiled once into a folder of our own,
# which LOCPATH then names. Usage: use_unix_locale ru_RU.UTF-8
use_unix_locale() {
  local name=$1 dir="${TMPDIR:-/tmp}/tovik-locales" build
  case "$name" in *_*.*) ;; *) return 0 ;; esac
  locale -a 2>/dev/null | grep -qix "${name%%.*}.utf-\?8" && return 0
  command -v localedef >/dev/null || return 0
  if [ ! -d "$dir/$name" ]; then
    mkdir -p "$dir"
    build=$(mktemp -d "$dir/.build.XXXXXX")
    localedef -i "${name%%.*}" -f "${name#*.}" "$build/$name" >/dev/null 2>&1 || true
    mv -T "$build/$name" "$dir/$name" 2>/dev/null || true
    rm -rf "$build"
  fi
  if [ -d "$dir/$name" ]; then export LOCPATH=$dir; fi
}

# Creates a fresh Wine prefix in $1 (wineboot once); later tests copy it.
# With HOME set to an empty folder, Wine makes the documents folder and the
# others inside the prefix instead of linking them to the user's own.
make_wine_prefix() {
  local prefix=$1 home=${2:-$HOME}
  mkdir -p "$prefix" "$home"
  HOME="$home" WINEPREFIX="$prefix" wineboot -i >/dev/null 2>&1 || true
  HOME="$home" WINEPREFIX="$prefix" wineserver -w
  # Debian's Wine does not find its own Marlett, so window frames would show
  # letters for their buttons; the prefix gets a copy.
  if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"
  fi
}
