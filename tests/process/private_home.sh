# Sourced by the process tests once they run under Xvfb: the program gets a home, settings and
# runtime folder of its own (the real user's stay untouched), and the tests a few small helpers.
home=$(mktemp -d)
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

fail() { echo "FAIL: $*"; exit 1; }
# For a harness that drives a test script: its set-up failing counts as one failed check.
setup_failed() { echo "FAIL: $*"; echo "0 passed, 1 failed"; exit 1; }

# What a test starts goes into pids; at the end each is asked to stop, then made to, and the home
# goes. A script with other things to undo sets its own trap instead.
pids=()
end_started() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  sleep 0.2
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
  rm -rf "$home"
}
wait_for() { # condition, seconds
  for _ in $(seq 1 $(($2 * 10))); do eval "$1" && return 0; sleep 0.1; done
  return 1
}

# The accessibility bus, started and waited for until it holds its name on the session bus: a
# program started before then would not find it. Sets bus to the launcher's process id.
start_accessibility_bus() {
  /usr/libexec/at-spi-bus-launcher --launch-immediately & bus=$!
  wait_for 'dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true"' 10
}
