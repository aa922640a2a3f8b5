#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# The name box of the real program: on X11 under a window manager, keys with Alt or Meta, text
# dropped from another program and text put in through the accessibility bus; on a Wayland
# compositor, where nothing outside can send keys or drags, the accessibility bus alone. All of
# it must meet the name filter. Checked by name_box.py.
# Usage: name_box.sh x11|wayland PROGRAM DRAG_SOURCE   (runs inside its own session)
set -euo pipefail
source "$(dirname "$0")/harness.sh"
require python:pyatspi
desktop=$1
program=$(readlink -f "$2")
drag_source=$(readlink -f "$3")
screen=""
if [ "$desktop" = x11 ]; then require xdotool openbox; screen=1280x1024; else require weston; fi
run_under --screen "$screen" --session -- "$@"
private_home

if [ "$desktop" = x11 ]; then
  # Openbox runs its start-up command once it manages windows; a window mapped earlier is lost.
  openbox --startup "touch $home/wm-ready" >"$home/openbox.log" 2>&1 & pids+=($!)
  wait_for '[ -e "$home/wm-ready" ]' 10 ||
    fail "openbox did not take the screen: $(cat "$home/openbox.log")"
else
  unset DISPLAY # nothing may fall back to an X server
  # A socket of its own in the private runtime folder: other sessions may run a compositor too.
  export WAYLAND_DISPLAY=orbis-$$ QT_QPA_PLATFORM=wayland
  weston --backend=headless-backend.so --width=1280 --height=1024 --socket="$WAYLAND_DISPLAY" \
         --idle-time=0 >"$home/weston.log" 2>&1 & pids+=($!)
  wait_for '[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]' 10 ||
    fail "weston did not start: $(cat "$home/weston.log")"
fi
start_accessibility_bus
"$program" & pids+=($!)
/usr/bin/python3 "$here/name_box.py" "$desktop" "$drag_source"
