#!/usr/bin/env bash
# Sets up and builds everything, then runs the system's main job.
# For now the deliverables are not built yet: this reports what was built.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
"$root/tools/build.sh"
echo
echo "Built:"
for arch in x86_64 i686; do
  find "$root/build/$arch" -maxdepth 3 \( -name '*.exe' -o -name '*.dll' -o -name 'libtrivane_*.a' \) \
    -not -path '*/googletest/*' -not -path '*/wineprefix/*' | sort | sed "s|$root/||"
done
