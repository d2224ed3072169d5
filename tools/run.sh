#!/usr/bin/env bash
# Sets up and builds everything, then runs the system's main job under Wine
# inside Xvfb: installs the default theme (the current theme too, when there
# is none), starts the engine Trivane.exe, reports what it shows other
# programs, lets it run for TRIVANE_RUN_SECONDS (20) and stops it.
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
"$root/tools/with-wine.sh" "$root/build/run" \
  /usr/lib/wine/wine64 "$root/build/x86_64/engine/trivane_run.exe" "${TRIVANE_RUN_SECONDS:-20}"
