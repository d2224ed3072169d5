#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to cross-build and test Trivane,
# then cross-builds libpng and libjpeg-turbo from Debian's source packages for
# both Windows targets. Idempotent: a second run only checks the cache.
set -euo pipefail

DEPS_ROOT=${TRIVANE_DEPS:-/opt/trivane-deps}
TRIPLES=(x86_64-w64-mingw32 i686-w64-mingw32)
APT_PACKAGES=(
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  libz-mingw-w64-dev wine wine64 fonts-wine xvfb xauth x11-utils
  cmake make googletest dpkg-dev python3 librsvg2-bin icoutils file
)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing_packages() {
  local p
  for p in "${APT_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

enable_deb_src() {
  local f=/etc/apt/sources.list.d/debian.sources
  if [ -f "$f" ] && ! grep -q '^Types:.*deb-src' "$f"; then
    as_root sed -i 's/^Types: deb$/Types: deb deb-src/' "$f"
    return 0
  fi
  if [ -f /etc/apt/sources.list ] && ! grep -q '^deb-src' /etc/apt/sources.list; then
    grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
      as_root tee /etc/apt/sources.list.d/trivane-src.list >/dev/null
    return 0
  fi
  return 1
}

install_packages() {
  local need
  need=$(missing_packages)
  local src_changed=0
  enable_deb_src && src_changed=1
  if [ -n "$need" ] || [ "$src_changed" = 1 ] || [ ! -d /var/lib/apt/lists ] ||
     ! ls /var/lib/apt/lists/*Sources* >/dev/null 2>&1; then
    as_root apt-get update -qq
  fi
  if [ -n "$need" ]; then
    # shellcheck disable=SC2086
    echo "installing: $need"
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq \
      --no-install-recommends --no-upgrade $need >/tmp/trivane-apt.log 2>&1 ||
      { tail -40 /tmp/trivane-apt.log; return 1; }
  fi
}

source_version() { apt-cache showsrc "$1" | awk '/^Version:/ {print $2; exit}'; }

fetch_source() {  # package -> prints the unpacked source folder
  local pkg=$1 ver dir
  ver=$(source_version "$pkg")
  # an epoch's colon would break make's target patterns
  dir="$DEPS_ROOT/src/$pkg-${ver#*:}"
  if [ ! -d "$dir" ]; then
    mkdir -p "$DEPS_ROOT/src/dl-$pkg"
    (cd "$DEPS_ROOT/src/dl-$pkg" &&
      apt-get source --download-only -qq -o APT::Sandbox::User=root "$pkg=$ver" >/dev/null &&
      dpkg-source --no-check -x ./*.dsc "$dir.tmp" >/dev/null)
    mv "$dir.tmp" "$dir"
  fi
  echo "$dir"
}

build_one() {  # triple package source-dir cmake-args...
  local triple=$1 pkg=$2 src=$3; shift 3
  local ver prefix build
  ver=$(basename "$src"); ver=${ver#"$pkg"-}
  prefix="$DEPS_ROOT/$triple"
  local stamp="$prefix/.built-$pkg-$ver"
  [ -f "$stamp" ] && return 0
  build="$DEPS_ROOT/build/$triple-$pkg"
  rm -rf "$build"
  mkdir -p "$DEPS_ROOT/build"
  cmake -S "$src" -B "$build" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN_DIR/$triple.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_POLICY_DEFAULT_CMP0074=NEW "$@" >"$build.log" 2>&1 ||
    { tail -40 "$build.log"; return 1; }
  cmake --build "$build" -j"$(nproc)" >>"$build.log" 2>&1 || { tail -40 "$build.log"; return 1; }
  cmake --install "$build" >>"$build.log" 2>&1 || { tail -40 "$build.log"; return 1; }
  rm -f "$prefix"/.built-"$pkg"-*
  touch "$stamp"
  echo "built $pkg $ver for $triple"
}

build_dependencies() {
  local png jpeg triple zlib_lib
  png=$(fetch_source libpng1.6)
  jpeg=$(fetch_source libjpeg-turbo)
  local pids=()
  for triple in "${TRIPLES[@]}"; do
    zlib_lib=/usr/$triple/lib/libz.a
    (
      build_one "$triple" libpng1.6 "$png" \
        -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
        -DPNG_TOOLS=OFF -DZLIB_USE_STATIC_LIBS=ON \
        -DZLIB_LIBRARY="$zlib_lib" -DZLIB_INCLUDE_DIR=/usr/$triple/include
      build_one "$triple" libjpeg-turbo "$jpeg" \
        -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF
    ) &
    pids+=($!)
  done
  local pid rc=0
  for pid in "${pids[@]}"; do wait "$pid" || rc=1; done
  return $rc
}

TOOLCHAIN_DIR=$(cd "$(dirname "$0")/../cmake" && pwd)
install_packages
as_root mkdir -p "$DEPS_ROOT"
[ -w "$DEPS_ROOT" ] || as_root chown "$(id -u):$(id -g)" "$DEPS_ROOT"
build_dependencies
echo "dependencies ready in $DEPS_ROOT"
