#!/usr/bin/env bash
# Sets up and builds everything, then runs the system's main job under Wine:
# the generator saves the default theme as the current one (and a few library
# themes and sounds), Trivane.exe starts with it and the control panel beside
# it; closing the panel or Ctrl+C closes the panel and stops the engine
# cleanly through WM_TRV_SHUTDOWN, so that the system pointers are restored.
# Uses the display when there is one, else Xvfb. With TRIVANE_RUN_SECONDS
# set, it stops by itself after that long.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
"$root/tools/build.sh"
echo
echo "Built:"
for arch in x86_64 i686; do
  find "$root/build/$arch" -maxdepth 3 \( -name '*.exe' -o -name '*.dll' -o -name 'libtrivane_*.a' \) \
    -not -path '*/googletest/*' -not -path '*/wineprefix/*' -not -name '*_tests.exe' | sort | sed "s|$root/||"
done
echo
# A Wine prefix of its own, so the themes installed here never meet the tests.
mkdir -p "$root/build/run"
WITH_WINE_USE_DISPLAY=1 WITH_WINE_DETACH=1 exec "$root/tools/with-wine.sh" "$root/build/run" \
  "$root/tools/run-engine.sh" "$root/build/x86_64/engine"
