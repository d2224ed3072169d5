#!/usr/bin/env bash
# Makes the product packages: for each target the folder
# dist/Trivane-<version>-<win32|win64>/ and its zip, through the build's
# install rules and CPack (stripped programs, the language file, the sample
# themes and sounds, README.txt). Set-up must be done (tools/setup.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
werror=${TRIVANE_WERROR:-OFF}
dist="$root/dist"
samples="$root/build/samples"
products=(Trivane trivane_control_panel trivane_editor TrivaneCpl Pvlt0 unzip32)

configure() {  # arch
  cmake -S "$root" -B "$root/build/$1" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$1-w64-mingw32.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRIVANE_WERROR="$werror" \
    -DTRIVANE_SAMPLES_FOLDER="$samples" >/dev/null
}

# The samples are data, the same for both targets: drawn once by the x86_64
# generator under Wine.
configure x86_64
cmake --build "$root/build/x86_64" -j"$(nproc)" --target trivane_default_theme >/dev/null
rm -rf "$samples" && mkdir -p "$samples"
"$root/tools/with-wine.sh" "$root/build/x86_64" /usr/lib/wine/wine64 \
  "$root/build/x86_64/run-tools/trivane_default_theme.exe" samples "Z:${samples//\//\\}" >/dev/null

mkdir -p "$dist"
for arch in i686 x86_64; do
  configure "$arch"
  cmake --build "$root/build/$arch" -j"$(nproc)" --target "${products[@]}" >/dev/null
  (cd "$root/build/$arch" && cpack -G ZIP -B "$dist" >/dev/null)
done
rm -rf "$dist/_CPack_Packages"
for zip in "$dist"/Trivane-*.zip; do
  folder=${zip%.zip}
  rm -rf "$folder"
  (cd "$dist" && cmake -E tar xf "$zip")
  echo "${folder#"$root"/}/ and ${zip#"$root"/}"
done
