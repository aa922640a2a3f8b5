#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program for release and packs it as a Debian package in build-deb/; prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-deb

for tool in cmake ninja cpack dpkg-buildflags dpkg-shlibdeps; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool is missing; install it with: apt-get install cmake ninja-build dpkg-dev" >&2
    exit 1
  fi
done

# Debian's usual hardening; CMake reads no CPPFLAGS, so they go with the compiler flags. The
# linker's go to every kind of binary, so that any library the package installs is hardened as
# the program is.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)

cmake --preset package -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" -DCMAKE_MODULE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build --preset package -j2
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >/dev/null)
packages=("$PWD/$build"/*.deb)
echo "${packages[0]}"
