#!/usr/bin/env bash
# Configures and builds both Windows targets: build/x86_64 (runs under Wine)
# and build/i686 (the shipped 32-bit product; compiled and linked only).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
werror=${TRIVANE_WERROR:-OFF}
for arch in x86_64 i686; do
  cmake -S "$root" -B "$root/build/$arch" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$arch-w64-mingw32.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRIVANE_WERROR="$werror" >/dev/null
  cmake --build "$root/build/$arch" -j"$(nproc)"
done
