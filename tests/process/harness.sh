# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced first by every process test and by tools/screenshots/desktop.sh: the program's identity
# as the build made it, the tools a test needs, the screen and session it runs in, a private home,
# and whatever it started ended when it exits.

# The folder of the process tests' scripts and checks.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# identity.sh, made by every build (tests/process/identity.sh.in): the test's ORBIS_IDENTITY,
# else the one beside these scripts, where tools/test-on.sh puts it.
identity=${ORBIS_IDENTITY:-$here/identity.sh}
[ -r "$identity" ] || { echo "FAIL: no $identity (the build makes it)"; exit 1; }
source "$identity"

# A tool the test needs that is missing fails it at once, so the suite never passes by running
# less. tools/setup.sh installs them all.
require() { # commands, absolute paths, or python:MODULE for Debian's /usr/bin/python3
  local missing=() tool
  for tool in "$@"; do
    case $tool in
      python:*) /usr/bin/python3 -c "import ${tool#python:}" 2>/dev/null || missing+=("$tool") ;;
      /*) [ -e "$tool" ] || missing+=("$tool") ;;
      *) command -v "$tool" >/dev/null || missing+=("$tool") ;;
    esac
  done
  if ((${#missing[@]})); then
    echo "FAIL: this test needs ${missing[*]} (tools/setup.sh installs what is missing)"
    exit 1
  fi
}

# Runs the calling script again, once, inside what it needs: an Xvfb screen of WIDTHxHEIGHT ("":
# none), a D-Bus session bus of its own, or both. Returns in the second run.
run_under() { # [--screen WIDTHxHEIGHT] [--session] -- the script's arguments
  first_run || return 0
  export ORBIS_UNDER=1
  local screen="" session=""
  [ "$1" != --screen ] || { screen=$2; shift 2; }
  [ "$1" != --session ] || { session=1; shift; }
  [ "$1" = -- ] || fail "run_under: unknown option $1"
  shift
  require ${screen:+xvfb-run} ${session:+dbus-run-session}
  local command=("$0" "$@")
  [ -z "$session" ] || command=(dbus-run-session -- "${command[@]}")
  [ -z "$screen" ] || command=(xvfb-run -a -s "-screen 0 ${screen}x24 -noreset" "${command[@]}")
  exec "${command[@]}"
}
# Before run_under: for what has to come before the screen and the session.
first_run() { [ -z "${ORBIS_UNDER:-}" ]; }

fail() { echo "FAIL: $*"; exit 1; }
# For a harness that drives a test script: its set-up failing counts as one failed check.
setup_failed() { echo "FAIL: $*"; echo "0 passed, 1 failed"; exit 1; }

# The program gets a home, settings and runtime folder of its own (the real user's stay
# untouched); at exit end_started clears up.
private_home() {
  home=$(mktemp -d)
  export HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  unset QT_QPA_PLATFORM
  trap end_started EXIT
}

# What a test starts goes into pids; at the end each is asked to stop, then made to, the steps a
# script added with at_end run, and the home goes.
pids=()
at_end_steps=()
at_end() { at_end_steps+=("$1"); } # a command, run at the end as it reads then
end_started() {
  local p step
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  sleep 0.2
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
  for step in "${at_end_steps[@]}"; do eval "$step" || true; done
  rm -rf "$home" || true
}
wait_for() { # condition, seconds
  for _ in $(seq 1 $(($2 * 10))); do eval "$1" && return 0; sleep 0.1; done
  return 1
}

# The visible windows captioned exactly so, one id a line (none: nothing).
windows_titled() {
  local pattern
  pattern=$(printf '%s' "$1" | sed 's/[][\\.*+?(){}|^$]/\\&/g')
  xdotool search --onlyvisible --name "^$pattern\$" 2>/dev/null || true
}

# The accessibility bus, started and waited for until it holds its name on the session bus: a
# program started before then would not find it. Programs started after it use it.
start_accessibility_bus() {
  require /usr/libexec/at-spi-bus-launcher dbus-send
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
  /usr/libexec/at-spi-bus-launcher --launch-immediately & pids+=($!)
  wait_for 'dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true"' 10 ||
    setup_failed "the accessibility bus did not start"
}
