#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the program on a real accessibility bus under Xvfb and reads it with accessibility.py.
# Usage: accessibility.sh PROGRAM
set -euo pipefail
source "$(dirname "$0")/harness.sh"
require python:pyatspi
program=$(readlink -f "$1")
run_under --screen 1280x1024 --session -- "$@"
private_home

start_accessibility_bus
"$program" & pids+=($!)
/usr/bin/python3 "$here/accessibility.py"
