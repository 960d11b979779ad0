#!/usr/bin/env bash
# Sets up the machine, builds Talvane and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
tools/build.sh
cd build
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
ctest --output-on-failure --timeout 300
