#!/usr/bin/env bash
# Sets up, builds both targets and runs every test under Wine inside Xvfb.
# A failed test runs once more, as a guard against a Wine process that fails
# to start at all (no output, after about 0.05 s).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
"$root/tools/build.sh"
"$root/tools/with-wine.sh" "$root/build/x86_64" \
  ctest --test-dir "$root/build/x86_64" -j"$(nproc)" --output-on-failure \
  --repeat until-pass:2 "$@"
