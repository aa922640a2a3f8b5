#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# The program on weston and on a real accessibility bus, driven and read by desktop_wayland.py.
# Weston runs on its headless back end, or with "input" on its X11 back end inside a private
# Xvfb, whose mouse and keyboard the test drives with xdotool; the program sees Wayland alone.
# Usage: desktop_wayland.sh WIDTHxHEIGHT PROGRAM [SCALE] [input]
set -euo pipefail
source "$(dirname "$0")/harness.sh"
require weston python:pyatspi
[ -z "${4:-}" ] || require xdotool
size=$1
program=$(readlink -f "$2")
scale=${3:-1}
input=${4:-}
# Xvfb for input only, with a margin beside weston's window where the pointer starts: weston
# follows the X pointer only once it has entered its window.
screen=""
[ -z "$input" ] || screen=$((${size%x*} + 16))x$((${size#*x} + 16))
run_under --screen "$screen" --session -- "$@"
private_home

[ -n "$input" ] || unset DISPLAY

# A socket of its own in the private runtime folder: other sessions may run a compositor too.
socket=orbis-$$
backend=headless-backend.so
[ -z "$input" ] || backend="x11-backend.so --use-pixman"
weston --backend=$backend --width="${size%x*}" --height="${size#*x}" \
       --socket="$socket" --idle-time=0 >"$home/weston.log" 2>&1 & pids+=($!)
wait_for '[ -S "$XDG_RUNTIME_DIR/$socket" ]' 10 ||
  setup_failed "weston did not start: $(cat "$home/weston.log")"
start_accessibility_bus
# Wayland only: nothing may fall back to an X server.
env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$socket QT_SCALE_FACTOR=$scale "$program" &
pid=$!; pids+=($pid)
/usr/bin/python3 "$here/desktop_wayland.py" "$pid" "${size%x*}" "${size#*x}" "$scale" $input
