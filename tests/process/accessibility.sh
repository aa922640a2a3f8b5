#!/usr/bin/env bash
# Runs the program on a real accessibility bus under Xvfb beside a silent Orca, and reads it with
# accessibility.py.
# Usage: accessibility.sh PROGRAM
set -euo pipefail
source "$(dirname "$0")/harness.sh"
require python:pyatspi orca xdotool
program=$(readlink -f "$1")
run_under --screen 1280x1024 --session -- "$@"
private_home

start_accessibility_bus
# Orca's log is written in blocks and cut short when Orca ends; it is made to write line by line.
mkdir "$home/orca"
echo 'import orca.debug as d; d.debugFile.flush(); d.debugFile = open(d.debugFile.name, "a", 1)' \
  >"$home/orca/orca-customizations.py"
export ORCA_LOG=$home/orca.log
orca --replace -u "$home/orca" -d speech -d braille --debug-file="$ORCA_LOG" >/dev/null 2>&1 & pids+=($!)
"$program" & pids+=($!)
/usr/bin/python3 "$here/accessibility.py"
