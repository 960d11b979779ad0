#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Talvane needs.
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail

packages=(
  cmake build-essential pkg-config clang clang-format libclang-rt-14-dev
  qtbase5-dev qtdeclarative5-dev qtdeclarative5-dev-tools qtquickcontrols2-5-dev
  libqt5serialport5-dev libqt5sql5-sqlite libqt5svg5-dev libqt5charts5-dev
  qml-module-qtquick-controls2 qml-module-qtquick-controls qml-module-qtquick-dialogs
  qml-module-qt-labs-platform qml-module-qtquick-layouts qml-module-qtquick-window2
  qml-module-qtcharts qml-module-qttest
  # Qt 6.4, for the second build of the same tree (tools/test.sh builds and tests both)
  qt6-base-dev qt6-declarative-dev qt6-declarative-dev-tools qt6-serialport-dev libqt6sql6-sqlite
  qt6-svg-dev qt6-qpa-plugins libqt6opengl6-dev qt6-charts-dev
  qml6-module-qtqml qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-templates
  qml6-module-qtquick-layouts qml6-module-qtquick-window qml6-module-qtquick-dialogs
  qml6-module-qtqml-workerscript qml6-module-qttest qml6-module-qt-labs-platform
  qml6-module-qt-labs-folderlistmodel qml6-module-qtcharts
  libcurl4-openssl-dev libftdi1-dev libsqlite3-dev
  xvfb xauth openbox xdotool x11-utils socat openssl ca-certificates python3-aiosmtpd python3-pil fonts-dejavu-core stm32flash sqlite3 imagemagick
  libbenchmark-dev libgtest-dev time
  desktop-file-utils appstream lintian udev systemd
  nut-client
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
