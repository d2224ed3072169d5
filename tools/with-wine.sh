#!/usr/bin/env bash
# Runs a command with one Xvfb display and one warm, persistent wineserver, in
# the Wine prefix of a build tree, and tears both down however the command ends.
# Usage: tools/with-wine.sh BUILD_DIR COMMAND [ARG ...]
set -euo pipefail

build_dir=$(cd "$1" && pwd); shift
WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)

export WINEPREFIX="$build_dir/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d"

xvfb_pid=""
cleanup() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Xvfb picks a free display itself, so parallel runs never collide.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
display=$(head -n1 "$display_file"); rm -f "$display_file"
[ -n "$display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"

# The services Wine starts must not hold our output pipes, or ctest waits for them.
mkdir -p "$WINEPREFIX"
"$WINESERVER" -p </dev/null >/dev/null 2>&1
"$WINE64" wineboot </dev/null >/dev/null 2>&1 &
boot_pid=$!
wait "$boot_pid" || true

"$@"
