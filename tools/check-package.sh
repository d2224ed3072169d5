#!/usr/bin/env bash
# Checks the packages tools/package.sh made: each holds exactly the shipped
# files, every program and library with the package's version; the win32
# programs and libraries are 32-bit (PE32, Intel 80386),
# stripped small (under 4 MB) and export what callers use; and the unpacked
# win64 folder installs, opens its control panel and uninstalls under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dist="$root/dist"
wine=/usr/lib/wine/wine64
failures=0
fail() { echo "package check: $*" >&2; failures=$((failures + 1)); }

expected=$(printf '%s\n' "README.txt" "Pvlt0.dll" "Trivane Control Panel.exe" \
  "Trivane Theme Editor.exe" "Trivane.exe" "TrivaneCpl.dll" "lang/1033/ui.txt" \
  "Samples/Click.wav" "Samples/Default.Trivane" "Samples/Dots.Trivane" "Samples/Pop.wav" \
  "Samples/Ripples.Trivane" "unzip32.dll" | LC_ALL=C sort)

exports() {  # library: its exported names, one per line, sorted
  i686-w64-mingw32-objdump -p "$1" |
    awk '/\[Ordinal\/Name Pointer\] Table/ {on = 1; next} on && /^[ \t]*\[/ {print $NF; next} on {on = 0}' |
    LC_ALL=C sort
}

for system in win32 win64; do
  folder=$(ls -d "$dist"/Trivane-*-"$system" 2>/dev/null | head -1)
  [ -n "$folder" ] || { fail "no $system package folder in dist/"; continue; }
  [ -f "$folder.zip" ] || fail "no $(basename "$folder").zip"
  listed=$(cd "$folder" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
  [ "$listed" = "$expected" ] || fail "$system holds other files:
$(diff <(echo "$expected") <(echo "$listed") || true)"
  zipped=$(python3 -c 'import sys, zipfile
print("\n".join(n.split("/", 1)[1] for n in zipfile.ZipFile(sys.argv[1]).namelist() if not n.endswith("/")))' \
    "$folder.zip" | LC_ALL=C sort)
  [ "$zipped" = "$expected" ] || fail "$system zip holds other files than its folder"
done

version_of() {  # binary: the ProductVersion of its version resource
  wrestool -x --raw -t16 "$1" | iconv -f UTF-16LE -t UTF-8 -c 2>/dev/null |
    tr -c '[:print:]' '\n' | grep -A1 -x ProductVersion | tail -1
}

for folder in "$dist"/Trivane-*-win32 "$dist"/Trivane-*-win64; do
  [ -d "$folder" ] || continue
  version=${folder##*/Trivane-}
  version=${version%-win*}
  for binary in "$folder"/*.exe "$folder"/*.dll; do
    [ "$(version_of "$binary")" = "$version" ] ||
      fail "$(basename "$binary") of ${folder##*/} carries version '$(version_of "$binary")'"
  done
done

win32=$(ls -d "$dist"/Trivane-*-win32 2>/dev/null | head -1)
if [ -n "$win32" ]; then
  for binary in "$win32"/*.exe "$win32"/*.dll; do
    file -b "$binary" | grep -q '^PE32 .*Intel 80386' || fail "$(basename "$binary") is not PE32 i386"
    size=$(stat -c %s "$binary")
    [ "$size" -lt 4194304 ] || fail "$(basename "$binary") has $size bytes"
  done
  [ "$(exports "$win32/TrivaneCpl.dll" | tr '\n' ' ')" = \
    "DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer StandAloneCPL " ] ||
    fail "TrivaneCpl.dll exports $(exports "$win32/TrivaneCpl.dll" | tr '\n' ' ')"
  [ "$(exports "$win32/Pvlt0.dll" | tr '\n' ' ')" = "Pvlt0_00 Pvlt0_01 " ] ||
    fail "Pvlt0.dll exports $(exports "$win32/Pvlt0.dll" | tr '\n' ' ')"
fi

# From the unpacked win64 folder, in a Wine prefix of its own: "/install"
# exits 1 when registering worked, the panel shows its dialog, "/uninstall"
# removes what was registered.
win64=$(ls -d "$dist"/Trivane-*-win64 2>/dev/null | head -1)
if [ -n "$win64" ]; then
  check="$root/build/package-check"
  rm -rf "$check" && mkdir -p "$check"
  "$root/tools/with-wine.sh" "$check" bash -c '
    set -u
    wine=$1; panel="$2/Trivane Control Panel.exe"; control=$3; picture=$4
    registered() { "$wine" reg query "HKCR\\.Trivane" >/dev/null 2>&1; }
    "$wine" "$panel" /install; code=$?
    [ "$code" = 1 ] || { echo "/install exited $code"; exit 1; }
    registered || { echo "/install did not register .Trivane"; exit 1; }
    "$wine" "$panel" & panel_job=$!
    "$wine" "$control" picture "$picture" || { echo "the panel showed no dialog"; exit 1; }
    "$wine" "$control" close || { echo "the panel did not close"; exit 1; }
    wait "$panel_job"
    "$wine" "$panel" /uninstall; code=$?
    [ "$code" = 1 ] || { echo "/uninstall exited $code"; exit 1; }
    registered && { echo "/uninstall left .Trivane"; exit 1; }
    exit 0' check "$wine" "$win64" "$root/build/x86_64/run-tools/trivane_control.exe" \
    "Z:${check//\//\\}\\panel.png" || fail "the win64 package did not install, run and uninstall"
fi

[ "$failures" = 0 ] || exit 1
echo "The packages hold the shipped files, and the win64 one installs, runs and uninstalls."
