#!/usr/bin/env bash
# Installs the Debian 12 packages the build and tests need (only those missing), then builds.
# Usage: tools/setup.sh [build-dir] [extra cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev libfontconfig-dev libxcb1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fontconfig
  xvfb xauth xdotool x11-utils xclip openbox weston qt6-wayland
  at-spi2-core python3-pyatspi dbus
  desktop-file-utils appstream
)
tools/install-packages.sh "${packages[@]}"

build=${1:-build}
shift || true
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build"
