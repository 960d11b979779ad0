#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it as installed: dependencies that
# apt can satisfy, lintian, the installed program started from / offscreen against the device
# simulator with every picture found, the desktop entry, the AppStream metadata, the udev rule
# and the service unit. Unpacks into a clean root instead of installing into this machine.
# Usage: tools/check_package.sh [build folder, default build] [all|program|metadata, default all]
# "program" checks only what depends on the Qt the build uses (apt's dependencies and the installed
# program); "metadata" only what does not (lintian, desktop entry, AppStream, udev rule, unit).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
part=${2:-all}
# The program may reach the PC shutdown here: it meets stand-ins that refuse (tools/power-guard).
export PATH="$root/tools/power-guard:$PATH"
case "$part" in
all | program | metadata) ;;
*) echo "part all, program or metadata, not $part" >&2; exit 2 ;;
esac
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# wait_for FILE PATTERN SECONDS: until the file holds a line that matches.
wait_for() {
  local deadline=$((SECONDS + $3))
  until grep -q -- "$2" "$1" 2>/dev/null; do
    [ $SECONDS -lt "$deadline" ] || return 1
    sleep 0.2
  done
}

lint=()
[ "$part" != program ] || lint=(--no-lintian)
deb=$("$root/tools/package.sh" "${lint[@]}" "$build" "$work/out" | tail -1)
[ -f "$deb" ] || fail "no package built"
dpkg-deb -x "$deb" "$work/root"
installed="$work/root"

check_program() {
  apt-get install --simulate --no-install-recommends "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt cannot install $deb"; }

  # The installed program, started from / with nothing of the build around it.
  /usr/bin/python3 "$root/tools/ups_simulator.py" --model VT-40A --link "$work/ups" >"$work/simulator.log" 2>&1 &
  pids+=($!)
  wait_for "$work/simulator.log" '^DEVICE' 10 || fail "simulator did not start"
  (
    cd /
    export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software XDG_RUNTIME_DIR="$work" \
      XDG_DATA_HOME="$work/data-home" QT_LOGGING_RULES="talvane.*.info=true"
    exec "$installed/usr/bin/talvane" --user-data --serial-port "$work/ups"
  ) >"$work/program.log" 2>&1 &
  program=$!
  pids+=($program)
  wait_for "$work/program.log" 'first frame after' 60 || { cat "$work/program.log"; fail "no window"; }
  wait_for "$work/program.log" 'talvane.events.*Mains operation' 60 || { cat "$work/program.log"; fail "device not shown"; }
  kill -TERM "$program"
  status=0
  wait "$program" || status=$?
  [ "$status" -eq 0 ] || { cat "$work/program.log"; fail "exit code $status after SIGTERM"; }
  if grep -q 'Cannot open' "$work/program.log"; then
    grep 'Cannot open' "$work/program.log"
    fail "pictures missing"
  fi
  [ -f "$work/data-home/Norvex/Talvane/upsData.db" ] || fail "the menu's data folder holds no database"
}

check_metadata() {
  desktop-file-validate "$installed"/usr/share/applications/*.desktop
  appstreamcli validate --no-net "$installed"/usr/share/metainfo/*.metainfo.xml >"$work/appstream.log" ||
    { cat "$work/appstream.log"; fail "AppStream metadata"; }
  if udevadm verify --help >/dev/null 2>&1; then
    udevadm verify "$installed"/usr/lib/udev/rules.d/*.rules
  else
    /usr/bin/python3 "$root/tools/check_udev_rules.py" "$installed"/usr/lib/udev/rules.d/*.rules
  fi
  # The unit names /usr/bin/talvane, which lies in the unpacked root here.
  mkdir -p "$work/units"
  sed "s|/usr/bin/talvane|$installed/usr/bin/talvane|" "$installed/usr/lib/systemd/system/talvane.service" \
    >"$work/units/talvane.service"
  systemd-analyze verify "$work/units/talvane.service" >"$work/verify.log" 2>&1 || { cat "$work/verify.log"; fail "unit"; }
  [ ! -s "$work/verify.log" ] || { cat "$work/verify.log"; fail "unit warnings"; }
}

[ "$part" = metadata ] || check_program
[ "$part" = program ] || check_metadata
echo "package checked ($part): $deb"
