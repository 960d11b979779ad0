#!/usr/bin/env bash
# Builds the Debian package of Talvane and checks it with lintian (errors and warnings fail; the
# warnings kept are overridden with their reasons in packaging/debian/lintian-overrides).
# Usage: tools/package.sh [--no-lintian] [build folder, default build-package] [output folder, default the build folder]
# A build folder made elsewhere (e.g. build/) is used as it is. Install the result with
# `apt-get install ./talvane_*.deb`.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lintian=yes
if [ "${1:-}" = --no-lintian ]; then
  lintian=no
  shift
fi
build=${1:-$root/build-package}
out=${2:-$build}
if [ ! -f "$build/CMakeCache.txt" ]; then
  launcher=()
  if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  fi
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr "${launcher[@]}" >/dev/null
fi
nice cmake --build "$build" -j"${JOBS:-2}" --target talvane talvane_changelog >/dev/null
mkdir -p "$out"
# The package always installs below /usr, whatever prefix the build folder has.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
deb=$(ls -t "$out"/talvane_*.deb | head -1)
echo "$deb"
if [ $lintian = yes ]; then
  command -v lintian >/dev/null 2>&1 || { echo "lintian is missing: tools/setup.sh installs it" >&2; exit 1; }
  lintian --fail-on error,warning "$deb"
fi
