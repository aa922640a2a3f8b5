#!/usr/bin/env bash
# The installed package on a system that had nothing but it: the program starts under Xvfb on a
# 4K screen at 200 % and shows a rising sign reading with its picture. The tools this check needs
# are installed after the package, so the program runs on what the package itself brought in.
# Usage (as root, in that system): installed_package.sh OUTPUT-DIR
set -euo pipefail
out=$(readlink -f "$1")
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${ORBIS_IN_XVFB:-}" ]; then
  fields=$(dpkg-query -W -f='Depends: ${Depends}\nRecommends: ${Recommends}\n' orbis-tessary)
  echo "$fields"
  grep -q '^Recommends:.*qt6-wayland' <<<"$fields" || { echo "FAIL: qt6-wayland is not recommended"; exit 1; }
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    xvfb xauth dbus at-spi2-core python3-pyatspi imagemagick >/dev/null
  export ORBIS_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 3840x2160x24 -noreset" dbus-run-session -- "$0" "$@"
fi

source "$here/private_home.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0 QT_SCALE_FACTOR=2
trap 'kill $pid $bus 2>/dev/null; cat "$home/program.log"; rm -rf "$home"' EXIT
pid="" bus=""
start_accessibility_bus || fail "the accessibility bus did not start"
OrbisFreeTessary 2>"$home/program.log" & pid=$!
/usr/bin/python3 "$here/installed_package.py" "$out"
