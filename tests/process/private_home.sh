# Sourced by the process tests once they run under Xvfb: the program gets a home, settings and
# runtime folder of its own (the real user's stay untouched), and the tests two small helpers.
home=$(mktemp -d)
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

fail() { echo "FAIL: $*"; exit 1; }
wait_for() { # condition, seconds
  for _ in $(seq 1 $(($2 * 10))); do eval "$1" && return 0; sleep 0.1; done
  return 1
}
