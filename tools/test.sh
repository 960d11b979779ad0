#!/usr/bin/env bash
# Sets up the machine, then builds Talvane and runs every test, first on Qt 5.15 (build/), then on
# Qt 6 (build-qt6/). The second run leaves out the tests labelled "once" (what cannot differ between
# the two: the layer rule, the package's metadata, pure protocol code, the fuzzers, the benchmarks).
# Both runs go through even when the first fails; the exit code tells whether both passed.
# Every test has a time limit of its own (tests/CMakeLists.txt).
# Usage: tools/test.sh [5|6]   (one of the two only, with every test)
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
status=0
first=yes
for qt in ${1:-5 6}; do
  build=build
  [ "$qt" = 5 ] || build=build-qt$qt
  selection=()
  [ $first = yes ] || selection=(-LE '^once$')
  first=no
  echo "== Qt $qt ($build/)"
  started=$SECONDS
  if tools/build.sh "$qt"; then
    (cd "$build" && ctest --output-on-failure --no-tests=error "${selection[@]}") || status=1
  else
    status=1
  fi
  echo "== Qt $qt took $((SECONDS - started)) s"
done
exit $status
