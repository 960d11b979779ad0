#!/usr/bin/env bash
# Sets up the machine, builds Talvane and starts it.
# Usage: tools/run.sh [serial port ...]
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
tools/build.sh
cd build
exec ./talvane "$@"
