#!/usr/bin/env bash
# Measures the program against a minimal Qt Quick window, side by side on this machine, with the
# simulated device connected (and the program without window, --headless): idle CPU and peak
# memory (offscreen and under Xvfb), start to first frame, instructions per main-loop tick
# (callgrind), the event log export against `sqlite3 -csv` and the longest gap between two ticks
# while a 1,000,000-row log is exported and while an alarm mail that attaches it goes out.
# Usage: tools/benchmark.sh [seconds per idle measurement, default 60]   (after tools/build.sh)
# TALVANE_QT=6 measures the Qt 6 build (build-qt6/, the minimal window too) instead of Qt 5.15.
# TALVANE_BUILD=folder measures the program and its benchmarks of another build tree (an older
# version, for before-and-after figures); the minimal window always comes from this tree.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
[ "${TALVANE_QT:-5}" = 5 ] || build="$root/build-qt${TALVANE_QT}"
program_build=$(cd "${TALVANE_BUILD:-$build}" && pwd)
# The program may reach the PC shutdown here: it meets stand-ins that refuse (tools/power-guard).
export PATH="$root/tools/power-guard:$PATH"
seconds=${1:-60}
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
clock=$(getconf CLK_TCK)

/usr/bin/python3 "$root/tools/ups_simulator.py" --model VT-40A --link "$work/ups" >"$work/simulator.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -e "$work/ups" ] && break; sleep 0.1; done

# CPU seconds (user + system) a process has used so far.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
peak_mb() { awk '/VmHWM/ {printf "%.1f", $2 / 1024}' "/proc/$1/status"; }

# measure NAME DISPLAY COMMAND...: idle CPU over $seconds after a 5 s start, peak memory, first frame.
measure() {
  local name=$1 display=$2
  shift 2
  local log="$work/$name-$display.log"
  (
    cd "$work"
    if [ "$display" = offscreen ]; then
      export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
    else
      export QT_QPA_PLATFORM=xcb DISPLAY=:$xdisplay
    fi
    export XDG_RUNTIME_DIR="$work" QT_LOGGING_RULES="talvane.startup.info=true"
    exec "$@"
  ) >"$log" 2>&1 &
  local pid=$!
  sleep 5
  local before after
  before=$(cpu_ticks "$pid")
  sleep "$seconds"
  after=$(cpu_ticks "$pid")
  local peak frame
  peak=$(peak_mb "$pid")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  frame=$(grep -o 'first frame after [0-9]* ms' "$log" | grep -o '[0-9]*' | head -1 || true)
  frame_cpu=$(grep -o '[0-9]* ms of CPU' "$log" | grep -o '^[0-9]*' | head -1 || true)
  local cpu
  cpu=$(awk -v t=$((after - before)) -v c="$clock" -v s="$seconds" 'BEGIN {printf "%.2f", 100 * t / c / s}')
  printf '%-8s %-9s idle CPU %5s %% of a core   peak memory %6s MB   first frame %5s ms (CPU %4s ms)\n' \
    "$name" "$display" "$cpu" "$peak" "${frame:-?}" "${frame_cpu:-?}"
}

xdisplay=$((90 + RANDOM % 9))
Xvfb ":$xdisplay" -screen 0 1280x800x24 >/dev/null 2>&1 &
pids+=($!)
sleep 1

echo "== idle, $seconds s each, simulated VT-40A connected"
# The status page animates its picture; the event page is still, like the minimal window.
for display in offscreen xvfb; do
  measure minimal "$display" "$build/tests/bench_minimalWindow"
  measure status "$display" "$program_build/talvane" --serial-port "$work/ups" --page status
  measure event "$display" "$program_build/talvane" --serial-port "$work/ups" --page event
done
# The service's way of running: no window, no GUI loaded (no first frame).
measure headless offscreen "$program_build/talvane" --headless --serial-port "$work/ups"

echo "== instructions per main-loop tick (callgrind, back end and the QML handlers it calls)"
(
  cd "$work"
  export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software XDG_RUNTIME_DIR="$work"
  export QT_LOGGING_RULES="talvane.startup.info=true"
  valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" \
    --toggle-collect='upsApp::SystemLoop()' "$program_build/talvane" --serial-port "$work/ups" --page status >"$work/callgrind.log" 2>&1 &
  pid=$!
  sleep $((seconds / 2 + 20))
  kill -TERM "$pid"
  wait "$pid" 2>/dev/null || true
)
ticks=$(grep -o 'main loop ran [0-9]* ticks' "$work/callgrind.log" | grep -o '[0-9]*' | head -1)
instructions=$(grep -o 'summary: [0-9]*' "$work/callgrind.out" | grep -o '[0-9]*' | head -1)
awk -v i="${instructions:-0}" -v t="${ticks:-0}" \
  'BEGIN {if (t > 0) printf "%d ticks, %.2f M instructions per tick\n", t, i / t / 1e6; else print "no ticks counted"}'

echo "== event log export, 1,000,000 rows"
(
  cd "$work"
  /usr/bin/python3 - <<'PY'
import sqlite3
c = sqlite3.connect('log.db')
c.execute('CREATE TABLE EventsTable (id INTEGER PRIMARY KEY AUTOINCREMENT, device VARCHAR(255) NOT NULL, '
          'date VARCHAR(255), time VARCHAR(255), event VARCHAR(255))')
c.executemany('INSERT INTO EventsTable (device, date, time, event) VALUES (?, ?, ?, ?)',
              [('VT-40A', '31.01.2024', '12:00:00', 'Buffer operation' if i % 2 else 'Mains operation')
               for i in range(1000000)])
c.commit()
PY
  start=$(date +%s%N)
  sqlite3 -csv -separator ';' log.db 'SELECT device, date, time, event FROM EventsTable ORDER BY id DESC' >sqlite.csv
  reference=$((($(date +%s%N) - start) / 1000000))
  ours=$(QT_QPA_PLATFORM=offscreen "$program_build/tests/bench_eventLog" exportLog:1000000 2>&1 |
    grep -o '[0-9,]* msecs per iteration' | tr -d ',' | grep -o '^[0-9]*')
  awk -v o="$ours" -v r="$reference" 'BEGIN {printf "export %d ms, sqlite3 -csv %d ms: %.2fx\n", o, r, o / r}'
  QT_QPA_PLATFORM=offscreen "$program_build/tests/bench_eventLog" tickGapDuringExport:1000000 2>&1 |
    grep -o 'export of.*' || echo "no tick-gap measurement in this build"
  QT_QPA_PLATFORM=offscreen "$program_build/tests/bench_eventLog" tickGapDuringAlarmMail:1000000 2>&1 |
    grep -o 'mail with.*' || echo "no alarm-mail measurement in this build"
)
