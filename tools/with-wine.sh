#!/usr/bin/env bash
# Runs a command with one Xvfb display and one warm, persistent wineserver, in
# the Wine prefix of a build tree, and tears both down however the command ends.
# With WITH_WINE_USE_DISPLAY=1 an existing $DISPLAY is used instead of Xvfb;
# WITH_WINE_XVFB=1 tells the command when Xvfb is used.
# With WITH_WINE_DETACH=1 Xvfb and Wine run in sessions of their own, so that
# a Ctrl+C at the terminal reaches only the command, which can then stop its
# programs cleanly.
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
detach=()
[ "${WITH_WINE_DETACH:-0}" = 1 ] && detach=(setsid)
# Without address randomisation: with it, a Wine process now and then finds
# the address of its shared user data taken and dies at once.
norandom=(setarch "$(uname -m)" -R)
cleanup() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
trap 'exit 130' INT TERM

managed=Y
if [ "${WITH_WINE_USE_DISPLAY:-0}" = 1 ] && [ -n "${DISPLAY:-}" ]; then
  echo "Using the display $DISPLAY."
else
  # Xvfb has no window manager: Wine would wait 2 s for one to withdraw each
  # top-level window it hides (every closing dialog and message box).
  managed=N
  # Xvfb picks a free display itself, so parallel runs never collide.
  display_file=$(mktemp)
  "${detach[@]}" Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
  display=$(head -n1 "$display_file"); rm -f "$display_file"
  [ -n "$display" ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$display"
  # The command can tell it draws on a display no one sees.
  export WITH_WINE_XVFB=1
fi

# The services Wine starts must not hold our output pipes, or ctest waits for them.
mkdir -p "$WINEPREFIX"
"${detach[@]}" "$WINESERVER" -p </dev/null >/dev/null 2>&1
"${detach[@]}" "${norandom[@]}" "$WINE64" wineboot </dev/null >/dev/null 2>&1 &
boot_pid=$!
wait "$boot_pid" || true
"${norandom[@]}" "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ \
  /d "$managed" /f </dev/null >/dev/null 2>&1 || true

"${norandom[@]}" "$@"
