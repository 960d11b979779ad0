#!/usr/bin/env bash
# Sets up the machine, builds Talvane and starts it.
# Usage: tools/run.sh [serial port ...]
# Without a port, a simulated device is started on a pseudo-terminal and the program uses it.
# The Qt 5.15 build (build/) runs; TALVANE_QT=6 builds and runs the Qt 6 one (build-qt6/).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
qt=${TALVANE_QT:-5}
tools/build.sh "$qt"
build=build
[ "$qt" = 5 ] || build=build-qt$qt

ports=()
if [ $# -eq 0 ]; then
  link="$PWD/$build/simulated-ups"
  /usr/bin/python3 tools/ups_simulator.py --link "$link" >"$build/simulator.log" 2>&1 &
  simulator=$!
  trap 'kill "$simulator" 2>/dev/null || true' EXIT
  for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
  echo "Simulated device on $link (log: $build/simulator.log)"
  ports=(--serial-port "$link")
else
  for port in "$@"; do ports+=(--serial-port "$port"); done
fi

cd "$build"
./talvane "${ports[@]}"
