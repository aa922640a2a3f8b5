#!/usr/bin/env bash
# The real program and its settings file: the reminder asks once after 15 days, and a settings
# file that cannot be used does not stop the program.
# Usage: settings.sh PROGRAM   (runs inside its own xvfb-run)
set -euo pipefail
source "$(dirname "$0")/require.sh"
require xvfb-run xdotool
program=$(readlink -f "$1")

if [ -z "${ORBIS_IN_XVFB:-}" ]; then
  export ORBIS_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$@"
fi

source "$(dirname "$0")/private_home.sh"
mkdir -p "$XDG_CONFIG_HOME/Selvane"
settings=$XDG_CONFIG_HOME/Selvane/OrbisFreeTessary.conf
pid=""
cleanup() { [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; chmod -R u+w "$home" 2>/dev/null; rm -rf "$home"; }
trap cleanup EXIT

main_window() { xdotool search --onlyvisible --name '^Orbis Tessary v1\.20$' 2>/dev/null | head -n 1; }
question() { xdotool search --onlyvisible --name '^Orbis Tessary$' 2>/dev/null | head -n 1; }
stop() { kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""; }
passed=0

echo "# fifteen days after the last reminder the question comes once"
printf '[Settings]\nDuration=%s\n' "$(date -d '15 days ago' +%Y-%m-%dT%H:%M:%S)" > "$settings"
"$program" & pid=$!
wait_for '[ -n "$(question)" ]' 20 || fail "no question at a start 15 days on"
[ -z "$(main_window)" ] || fail "main window shown before the question was answered"
xdotool windowfocus --sync "$(question)"
xdotool key --clearmodifiers Escape # No
wait_for '[ -n "$(main_window)" ]' 20 || fail "no main window after the answer"
grep -q "^Duration=$(date +%Y-%m-%d)T" "$settings" || fail "the date was not renewed: $(cat "$settings")"
stop
"$program" & pid=$!
wait_for '[ -n "$(main_window)" ]' 20 || fail "second start shows no main window"
# The question comes before the main window or not at all.
[ -z "$(question)" ] || fail "second start asked again"
stop
passed=$((passed + 1)); echo ok

echo "# a directory where the settings file belongs"
rm -f "$settings"; mkdir "$settings"
"$program" & pid=$!
wait_for '[ -n "$(main_window)" ]' 20 || fail "no main window with a directory for settings"
stop
rmdir "$settings"
passed=$((passed + 1)); echo ok

echo "# an unreadable value from who knows where"
printf '[Settings]\nDuration=\xff\xfe not a date\n' > "$settings"
"$program" & pid=$!
wait_for '[ -n "$(main_window)" ]' 20 || fail "no main window with an unreadable value"
[ -z "$(question)" ] || fail "an unreadable value asked the question"
stop
grep -q "^Duration=$(date +%Y-%m-%d)T" "$settings" || fail "an unreadable value was not replaced"
passed=$((passed + 1)); echo ok

echo "# a settings folder nobody may write to"
rm -f "$settings"; chmod a-w "$XDG_CONFIG_HOME/Selvane"
"$program" & pid=$!
wait_for '[ -n "$(main_window)" ]' 20 || fail "no main window with a read-only settings folder"
stop
passed=$((passed + 1)); echo ok

echo "$passed passed, 0 failed"
