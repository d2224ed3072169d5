#!/usr/bin/env bash
# Sets up, builds the programs the run needs (x86_64 only) and runs the
# system's main job under Wine: the generator saves the default theme as the
# current one (and a few library themes and sounds), Trivane.exe starts with
# it and the control panel beside it; closing the panel or Ctrl+C closes the
# panel and stops the engine cleanly through WM_TRV_SHUTDOWN, so that the
# system pointers are restored. Uses the display when there is one, else a
# virtual one (Xvfb), and then writes a picture of the panel. With
# TRIVANE_RUN_SECONDS set, it stops by itself after that long.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# When the run began, for the time to its first window.
export TRIVANE_RUN_START=$(date +%s)
"$root/tools/setup.sh"
build="$root/build/x86_64"
echo "Building the programs of the run..."
cmake -S "$root" -B "$build" -G "Unix Makefiles" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/x86_64-w64-mingw32.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" \
  --target Trivane trivane_control_panel trivane_default_theme trivane_control >/dev/null
echo "Built Trivane.exe and Trivane Control Panel.exe into build/x86_64/bin" \
  "($(($(date +%s) - TRIVANE_RUN_START)) s)."
if [ -z "${DISPLAY:-}" ]; then
  echo "There is no display: the programs run on a virtual X display (Xvfb)," \
    "and a picture of the control panel is written 5 s after it opens."
fi
# A Wine prefix of its own, so the themes installed here never meet the tests.
mkdir -p "$root/build/run"
WITH_WINE_USE_DISPLAY=1 WITH_WINE_DETACH=1 exec "$root/tools/with-wine.sh" "$root/build/run" \
  "$root/tools/run-engine.sh" "$build/bin" "$build/run-tools" "$root/build/run"
