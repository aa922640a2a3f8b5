#!/usr/bin/env bash
# Runs the program on a real accessibility bus under Xvfb and reads it with accessibility.py.
# Usage: accessibility.sh PROGRAM
set -euo pipefail
source "$(dirname "$0")/require.sh"
require xvfb-run dbus-run-session dbus-send /usr/libexec/at-spi-bus-launcher python:pyatspi
program=$(readlink -f "$1")
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${ORBIS_IN_XVFB:-}" ]; then
  export ORBIS_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" dbus-run-session -- "$0" "$@"
fi

source "$here/private_home.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
trap 'kill $pid $bus 2>/dev/null; rm -rf "$home"' EXIT
pid="" bus=""
start_accessibility_bus || fail "the accessibility bus did not start"
"$program" & pid=$!
/usr/bin/python3 "$here/accessibility.py"
