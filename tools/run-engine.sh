#!/usr/bin/env bash
# The run command inside its Wine session: installs the default theme (and an
# effect theme, a trail theme and two sounds), starts Trivane.exe, then the
# control panel beside it, and keeps running until the panel is closed, Ctrl+C
# is pressed or TRIVANE_RUN_SECONDS have passed; then it closes the panel, has
# the control program stop whatever engine runs then, and waits for both.
# Without a display of the user's own (WITH_WINE_USE_DISPLAY left it to
# Xvfb), it writes a picture of the panel into the run's folder.
# Usage: tools/run-engine.sh PRODUCT_FOLDER RUN_TOOLS_FOLDER RUN_FOLDER
set -euo pipefail
programs=$1
tools=$2
run_folder=$3
wine=/usr/lib/wine/wine64
control=("$wine" "$tools/trivane_control.exe")
started=${TRIVANE_RUN_START:-$(date +%s)}

echo "Installing the sample themes and sounds (drive C: is $WINEPREFIX/drive_c):"
"$wine" "$tools/trivane_default_theme.exe" | sed 's/^Saved /  /'
# Sessions of their own: the terminal's Ctrl+C must not reach the engine,
# which would end without restoring the pointers, nor the panel.
setsid "$wine" "$programs/Trivane.exe" </dev/null &
engine=$!
panel=""
watcher=""

stopping=0
stop() {
  [ "$stopping" = 1 ] && return
  stopping=1
  echo
  echo "Closing the control panel and stopping Trivane.exe..."
  status=0
  setsid "${control[@]}" close </dev/null || status=$?
  # Apply restarts the engine as a new process; applying no theme stops it,
  # so no engine left (exit code 2) is no failure.
  engine_status=0
  setsid "${control[@]}" stop </dev/null || engine_status=$?
  [ "$engine_status" = 2 ] && engine_status=0
  [ "$status" = 0 ] && status=$engine_status
  for job in "$engine" "$panel" "$watcher"; do
    [ -n "$job" ] && { wait "$job" 2>/dev/null || true; }
  done
  exit "$status"
}
trap stop INT TERM

if ! "${control[@]}" wait; then
  kill "$engine" 2>/dev/null || true
  exit 1
fi
echo "Under Wine the engine runs, but the system pointers stay as they are:"
echo "Wine does not let a program replace them, so no themed pointer shows."
setsid "$wine" "$programs/Trivane Control Panel.exe" </dev/null &
panel=$!
# Waits for the panel rather than the engine: the panel's Apply restarts the
# engine as a new process, and a language change restarts the panel.
setsid "${control[@]}" panel </dev/null | while read -r line; do
  line=${line%$'\r'}
  echo "$line"
  [ "$line" = "The control panel is open" ] &&
    echo "The first window showed $(($(date +%s) - started)) s after the run began."
done &
watcher=$!
if [ -n "${WITH_WINE_XVFB:-}" ]; then
  picture="$run_folder/panel.png"
  echo "The virtual display is $DISPLAY."
  ( setsid "${control[@]}" picture "Z:${picture//\//\\}" </dev/null &&
      echo "A picture of the control panel: ${picture}" ) &
fi
if [ -n "${TRIVANE_RUN_SECONDS:-}" ]; then
  echo "The run stops by itself after $TRIVANE_RUN_SECONDS s (TRIVANE_RUN_SECONDS)."
  deadline=$((SECONDS + TRIVANE_RUN_SECONDS))
  while kill -0 "$watcher" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do
    sleep 1 &
    wait $! || true
  done
  stop
fi
echo "Close the control panel or press Ctrl+C to stop."
wait "$watcher" || true
stop
