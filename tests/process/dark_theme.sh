#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under the desktop's GTK theme, light and then dark (as Qt follows it on GNOME
# desktops): every text on the design's colours keeps its contrast (dark_theme.py).
# Usage: dark_theme.sh PROGRAM   (runs inside its own xvfb-run)
set -euo pipefail
source "$(dirname "$0")/harness.sh"
require python:pyatspi import
program=$(readlink -f "$1")
run_under --screen 1366x768 --session -- "$@"
private_home

start_accessibility_bus
# GTK, loaded for its theme, would put an empty application of the same name on the bus.
export NO_AT_BRIDGE=1
for variant in "" :dark; do
  theme=${variant:+dark}
  theme=${theme:-light}
  QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita$variant "$program" 2>"$home/$theme.log" & pid=$!
  pids+=($pid)
  /usr/bin/python3 "$here/dark_theme.py" measure "$theme" "$home/$theme.json"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
done
/usr/bin/python3 "$here/dark_theme.py" compare "$home/light.json" "$home/dark.json"
