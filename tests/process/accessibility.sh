#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the program on a real accessibility bus under Xvfb and reads it with accessibility.py.
# Usage: accessibility.sh PROGRAM
set -euo pipefail
source "$(dirname "$0")/harness.sh"
require python:pyatspi orca xdotool
program=$(readlink -f "$1")
run_under --screen 1280x1024 --session -- "$@"
private_home

start_accessibility_bus
# A silent Orca beside it, logging what it would say line by line (its log is written in blocks,
# the tail lost); it follows the keyboard focus, which no window manager gives the window here.
echo 'import orca.debug as d; d.debugFile.flush(); d.debugFile = open(d.debugFile.name, "a", 1)' >"$home/orca-customizations.py"
orca --replace -u "$home" -d speech -d braille --debug-file="$home/orca.log" >/dev/null 2>&1 & pids+=($!)
"$program" & pids+=($!)
xdotool search --sync --onlyvisible --name "$ORBIS_CAPTION" windowfocus --sync
/usr/bin/python3 "$here/accessibility.py"
wait_for "grep -q \"SPEECH OUTPUT: 'Your Rising Sign Capricorn, Your Sun Sign Capricorn.\" $home/orca.log" 20 ||
  fail "after Proceed Orca does not say the signs: $(grep -o "SPEECH OUTPUT: '[^']*" "$home/orca.log" | tail -n 3)"
