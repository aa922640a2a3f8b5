#!/usr/bin/env bash
# Runs the program on a real accessibility bus under Xvfb and reads it with accessibility.py.
# Usage: accessibility.sh PROGRAM
set -euo pipefail
source "$(dirname "$0")/harness.sh"
require python:pyatspi
program=$(readlink -f "$1")
here=$(cd "$(dirname "$0")" && pwd)
run_under --screen 1280x1024 --session -- "$@"
private_home

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
start_accessibility_bus
"$program" & pids+=($!)
/usr/bin/python3 "$here/accessibility.py"
