#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building and running need (only those missing), then builds.
# The same names serve Debian 12, 13 and unstable; "a|b" takes the first the release offers, and
# "name?" only where the release has it (tools/install-packages.sh).
# Usage: tools/setup.sh [--test] [--package] [--check] [--no-build] [preset] [extra cmake arguments...]
#   preset      one of CMakePresets.json (default: "default", which builds into build/)
#   --test      also what the whole test suite needs: Xvfb, a window manager, a Wayland
#               compositor, the accessibility bus, a screen reader, the desktop file checkers,
#               Google Benchmark
#   --package   also what packaging/build-deb.sh needs, and lintian to check what it makes
#   --check     also what tools/check-licences.sh and tools/check-format.sh need: reuse, and
#               clang-format 14, which only Debian 12 offers (the checks run there)
#   --no-build  install only
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libfontconfig-dev libxcb1-dev
  libgtest-dev libgmock-dev
  # The X11 and Wayland platforms of Qt, and the typeface the layouts were measured with.
  qt6-wayland fonts-dejavu-core fontconfig
)
test_packages=(
  libbenchmark-dev
  xvfb xauth xdotool x11-utils xclip openbox weston
  at-spi2-core python3-pyatspi dbus
  # A screen reader, to hear what a blind user hears.
  orca
  desktop-file-utils appstream
  # The desktop's GTK theme, light and dark, and screen grabs to measure it by.
  qt6-gtk-platformtheme gnome-themes-extra imagemagick
  # The spelling check of every text the program shows: American and British dictionaries.
  hunspell hunspell-en-us hunspell-en-gb
)
package_packages=(dpkg-dev file lintian)
check_packages=(reuse clang-format-14)

build=1
while [[ ${1:-} == --* ]]; do
  case $1 in
    --test) packages+=("${test_packages[@]}") ;;
    --package) packages+=("${package_packages[@]}") ;;
    --check) packages+=("${check_packages[@]}") ;;
    --no-build) build="" ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
  shift
done
tools/install-packages.sh "${packages[@]}"
[ -n "$build" ] || exit 0

preset=${1:-default}
shift || true
cmake --preset "$preset" "$@" >/dev/null
cmake --build --preset "$preset"
