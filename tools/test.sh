#!/usr/bin/env bash
# Sets up, builds both targets and runs every test under Wine inside Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
"$root/tools/build.sh"
"$root/tools/with-wine.sh" "$root/build/x86_64" \
  ctest --test-dir "$root/build/x86_64" -j"$(nproc)" --output-on-failure "$@"
