#!/usr/bin/env bash
# Configures and builds the program and the tests: on Qt 5.15 into build/ (the default), on Qt 6
# into build-qt6/.
# Usage: tools/build.sh [5|6]   (or TALVANE_QT=6 tools/build.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
qt=${1:-${TALVANE_QT:-5}}
case "$qt" in
5) build=build ;;
6) build=build-qt6 ;;
*) echo "Qt major version 5 or 6, not $qt" >&2; exit 2 ;;
esac
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALVANE_QT_MAJOR="$qt" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
