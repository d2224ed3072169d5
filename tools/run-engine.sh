#!/usr/bin/env bash
# The run command inside its Wine session: installs the default theme, starts
# Trivane.exe and keeps it running until Ctrl+C (or TRIVANE_RUN_SECONDS), then
# has the control program stop it and waits for it to end.
# Usage: tools/run-engine.sh FOLDER_OF_TRIVANE_EXE
set -euo pipefail
programs=$1
wine=/usr/lib/wine/wine64

"$wine" "$programs/trivane_default_theme.exe"
# A session of its own: the terminal's Ctrl+C must not reach the engine, which
# would end without restoring the pointers.
setsid "$wine" "$programs/Trivane.exe" </dev/null &
engine=$!

stopping=0
stop() {
  [ "$stopping" = 1 ] && return
  stopping=1
  echo
  echo "Stopping Trivane.exe..."
  status=0
  setsid "$wine" "$programs/trivane_control.exe" stop </dev/null || status=$?
  wait "$engine" 2>/dev/null || true
  exit "$status"
}
trap stop INT TERM

if ! "$wine" "$programs/trivane_control.exe" wait; then
  kill "$engine" 2>/dev/null || true
  exit 1
fi
echo "Under Wine the engine runs, but the system pointers stay as they are:"
echo "Wine does not let a program replace them, so no themed pointer shows."
if [ -n "${TRIVANE_RUN_SECONDS:-}" ]; then
  echo "Stopping it after $TRIVANE_RUN_SECONDS s."
  sleep "$TRIVANE_RUN_SECONDS" &
  wait $! || true
  stop
fi
echo "Press Ctrl+C to stop it."
wait "$engine" || true
echo "Trivane.exe ended by itself" >&2
exit 1
