# Sourced first by every process test: a tool the test needs that is missing fails it at once, so
# the suite never passes by running less. tools/setup.sh installs them all.
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
