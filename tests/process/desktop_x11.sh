#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# The program on X11 under a window manager (openbox) and on a real accessibility bus, driven and
# read by desktop_x11.py.
# Usage: desktop_x11.sh WIDTHxHEIGHT PROGRAM [SCALE]   (runs inside its own xvfb-run)
set -euo pipefail
source "$(dirname "$0")/harness.sh"
require python:pyatspi openbox xdotool xprop xwininfo xclip
size=$1
program=$(readlink -f "$2")
scale=${3:-1}
run_under --screen "$size" --session -- "$@"
private_home

# Openbox runs its start-up command once it manages windows; a window mapped before then is lost.
openbox --startup "touch $home/wm-ready" >"$home/openbox.log" 2>&1 & pids+=($!)
wait_for '[ -e "$home/wm-ready" ]' 10 ||
  setup_failed "openbox did not take the screen: $(cat "$home/openbox.log")"
start_accessibility_bus
QT_SCALE_FACTOR=$scale "$program" & pid=$!; pids+=($pid)
/usr/bin/python3 "$here/desktop_x11.py" "$pid" "${size%x*}" "${size#*x}" "$scale"
