#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed package on a system that had nothing but it: the program starts under Xvfb on a
# 4K screen at 200 % and shows a rising sign reading with its picture. The tools this check needs
# are installed after the package, so the program runs on what the package itself brought in.
# Usage (as root, in that system): installed_package.sh OUTPUT-DIR
set -euo pipefail
source "$(dirname "$0")/harness.sh"
out=$(readlink -f "$1")

if first_run; then
  fields=$(dpkg-query -W -f='Depends: ${Depends}\nRecommends: ${Recommends}\n' orbis-tessary)
  echo "$fields"
  grep -q '^Recommends:.*qt6-wayland' <<<"$fields" || { echo "FAIL: qt6-wayland is not recommended"; exit 1; }
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    xvfb xauth dbus at-spi2-core python3-pyatspi imagemagick >/dev/null
fi
run_under --screen 3840x2160 --session -- "$@"
private_home

export QT_SCALE_FACTOR=2
at_end 'cat "$home/program.log"'
start_accessibility_bus
"$ORBIS_EXECUTABLE" 2>"$home/program.log" & pids+=($!)
/usr/bin/python3 "$here/installed_package.py" "$out"
