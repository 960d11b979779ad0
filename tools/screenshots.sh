#!/bin/bash
# Pictures of the window under a real X server (Xvfb with the openbox window manager) against the
# device simulator, in English and German on a 1366x768 and a 1024x700 screen:
#   status_buffer_SIZE_LANG.png  the status page in buffer operation
#   email_failed_SIZE_LANG.png   the e-mail page after a test e-mail that failed (nothing listens
#                                on the server's port)
#   trend_SIZE_LANG.png          the trend page after a mains failure and TREND_SECONDS (default 90)
#                                seconds of data
# Each picture comes from a fresh data folder; the window opens maximised, as the stored default
# says. Usage: tools/screenshots.sh OUTDIR [BUILD_DIR]
# Needs Xvfb, openbox, xdotool, ImageMagick (import) and sqlite3; SCREENSHOT_DISPLAY picks the
# display (default :91), SCREENSHOT_SIZES the screens (default "1366x768 1024x700").
set -euo pipefail

if [ $# -lt 1 ]; then
  echo "usage: $0 OUTDIR [BUILD_DIR]" >&2
  exit 2
fi
source_dir=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "$1")
build=$(realpath "${2:-$source_dir/build}")
display=${SCREENSHOT_DISPLAY:-:91}
trend_seconds=${TREND_SECONDS:-90}
sizes=${SCREENSHOT_SIZES:-1366x768 1024x700}
mkdir -p "$out"
# The program may reach the PC shutdown here: it meets stand-ins that refuse (tools/power-guard).
export PATH="$source_dir/tools/power-guard:$PATH"

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/xdg
mkdir -m 700 "$XDG_RUNTIME_DIR"
server_pids=()
run_pids=()

stop() {
  for pid in "$@"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}
cleanup() {
  stop "${run_pids[@]}" "${server_pids[@]}"
  rm -rf "$work"
}
trap cleanup EXIT

# Waits up to $2 seconds for the command $1 to succeed.
wait_for() {
  local i
  for ((i = 0; i < $2 * 10; ++i)); do
    if eval "$1"; then return 0; fi
    sleep 0.1
  done
  echo "timed out waiting for: $1" >&2
  return 1
}

start_x() {
  Xvfb "$display" -screen 0 "$1x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
  server_pids+=($!)
  wait_for "DISPLAY=$display xdpyinfo >/dev/null 2>&1" 10
  DISPLAY=$display openbox >"$work/openbox.log" 2>&1 &
  server_pids+=($!)
  sleep 1
}

# A data folder whose database holds language $2 (0 English, 1 German); the program creates it.
make_data_folder() {
  local data=$1
  mkdir -p "$data"
  "$build/talvane" --headless --data-folder "$data" >"$work/headless.log" 2>&1 &
  local pid=$!
  wait_for "[ \"\$(sqlite3 '$data/upsData.db' 'SELECT count(*) FROM SystemMain' 2>/dev/null)\" = 1 ]" 20
  stop "$pid"
  sqlite3 "$data/upsData.db" "UPDATE SystemMain SET language = $2 WHERE id = 1"
}

# Starts the simulator, which takes its commands from $work/commands, and the window on page $2
# with the data folder $1; waits until the window shows the device.
start_run() {
  rm -f "$work/commands" "$work/ups"
  mkfifo "$work/commands"
  sleep 100000 >"$work/commands" &
  run_pids+=($!)
  /usr/bin/python3 "$source_dir/tools/ups_simulator.py" --model VT-40A --link "$work/ups" \
    <"$work/commands" >"$work/simulator.log" 2>&1 &
  run_pids+=($!)
  wait_for "[ -e '$work/ups' ]" 10
  DISPLAY=$display "$build/talvane" --serial-port "$work/ups" --data-folder "$1" --page "$2" \
    >"$work/talvane.log" 2>&1 &
  run_pids+=($!)
  wait_for "DISPLAY=$display xdotool search --onlyvisible --name '^Talvane\$' >/dev/null 2>&1" 20
  # The device answers and the window draws its first values.
  wait_for "grep -q '^RX' '$work/simulator.log'" 20
  sleep 6
}

end_run() {
  stop "${run_pids[@]}"
  run_pids=()
}

simulator() { echo "$*" >"$work/commands"; }

shoot() {
  DISPLAY=$display import -window root "$out/$1.png"
  echo "$out/$1.png"
}

# Types into the window with the keyboard: a click at ($1, $2) of the window, then the keys.
click_at() {
  local window
  window=$(DISPLAY=$display xdotool search --onlyvisible --name '^Talvane$' | head -1)
  DISPLAY=$display xdotool mousemove --window "$window" "$1" "$2" click 1
  sleep 0.3
}
key() { DISPLAY=$display xdotool key --delay 80 "$@"; }
type_text() { DISPLAY=$display xdotool type --delay 30 "$1"; }

for size in $sizes; do
  start_x "$size"
  for language in en de; do
    number=0
    [ "$language" = de ] && number=1
    name=${size}_$language

    make_data_folder "$work/status_$name" $number
    start_run "$work/status_$name" status
    simulator mode buffer
    sleep 6
    shoot "status_buffer_$name"
    end_run

    # The first e-mail's server field lies below the fifteen event boxes, left in the page; from
    # there Tab leads through port, user, password, encryption, sender and receiver to the test
    # button, which the page scrolls into view.
    make_data_folder "$work/email_$name" $number
    start_run "$work/email_$name" email
    click_at 450 528
    key ctrl+a
    type_text 127.0.0.1
    key Tab ctrl+a
    type_text 1 # nothing listens on port 1
    key Tab Tab Tab Tab Tab ctrl+a
    type_text service@example.com
    key Tab Tab Tab Tab Tab Tab Tab
    key Return
    sleep 4
    shoot "email_failed_$name"
    end_run

    make_data_folder "$work/trend_$name" $number
    start_run "$work/trend_$name" trend
    third=$((trend_seconds / 3))
    sleep "$third"
    simulator mode buffer
    sleep "$third"
    simulator mode mains
    sleep "$third"
    shoot "trend_$name"
    end_run
  done
  stop "${server_pids[@]}"
  server_pids=()
done
