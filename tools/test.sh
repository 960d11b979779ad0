#!/usr/bin/env bash
# Sets up the machine, then builds Talvane and runs every test, first on Qt 5.15 (build/), then on
# Qt 6 (build-qt6/). Both runs go through even when the first fails; the exit code tells whether
# both passed.
# Usage: tools/test.sh [5|6]   (one of the two only)
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
status=0
for qt in ${1:-5 6}; do
  build=build
  [ "$qt" = 5 ] || build=build-qt$qt
  echo "== Qt $qt ($build/)"
  if tools/build.sh "$qt"; then
    (cd "$build" && ctest --output-on-failure --timeout 300) || status=1
  else
    status=1
  fi
done
exit $status
