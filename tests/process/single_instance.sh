#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under Xvfb: a second copy is refused, a killed copy leaves no lock behind,
# and of copies started at the same instant exactly one runs.
# Usage: single_instance.sh PROGRAM   (runs inside its own xvfb-run)
set -euo pipefail
source "$(dirname "$0")/harness.sh"
require xdotool
program=$(readlink -f "$1")
run_under --screen 1280x1024 -- "$@"
private_home

main_windows() { windows_titled "$ORBIS_CAPTION" | wc -l; }
refusals() { windows_titled "$ORBIS_TITLE"; }
alive() { kill -0 "$1" 2>/dev/null; }
running() { # how many of the given processes run
  local count=0 p
  for p in "$@"; do alive "$p" && count=$((count + 1)); done
  echo "$count"
}
# Answer the refusal as a person would: focus it, press Enter.
answer_refusal() {
  local box
  box=$(refusals | head -n 1)
  [ -n "$box" ] || return 1
  xdotool windowfocus --sync "$box" && xdotool key --clearmodifiers Return
}

echo "# a second copy is refused while the first runs on"
"$program" & first=$!; pids+=($first)
wait_for '[ "$(main_windows)" -ge 1 ]' 20 || fail "first copy shows no main window"
"$program" & second=$!; pids+=($second)
wait_for '[ -n "$(refusals)" ]' 20 || fail "second copy shows no refusal"
answer_refusal || fail "could not answer the refusal"
wait_for '! alive '"$second" 10 || fail "second copy still running after the refusal was answered"
wait "$second" || fail "second copy ended with an error"
alive "$first" || fail "first copy did not survive"
[ "$(main_windows)" -eq 1 ] || fail "expected one main window"
echo "ok"

echo "# a copy killed with SIGKILL does not block the next start"
kill -9 "$first"; wait "$first" 2>/dev/null || true
wait_for '[ "$(main_windows)" -eq 0 ]' 10 || fail "killed copy's window stays"
"$program" & third=$!; pids+=($third)
wait_for '[ "$(main_windows)" -ge 1 ]' 20 || fail "start after a killed copy shows no main window"
[ -z "$(refusals)" ] || fail "start after a killed copy was refused"
kill "$third"; wait "$third" 2>/dev/null || true
echo "ok"

count=${ORBIS_SIMULTANEOUS:-2}
echo "# $count copies started at the same instant: exactly one runs"
starters=()
for _ in $(seq 1 "$count"); do
  "$program" & starters+=($!); pids+=($!)
done
wait_for '[ "$(main_windows)" -ge 1 ]' 30 || fail "no copy shows a main window"
# Every refused copy shows its message; answer them all.
for _ in $(seq 1 $((count * 2))); do
  [ "$(running "${starters[@]}")" -le 1 ] && break
  wait_for '[ -n "$(refusals)" ]' 10 && answer_refusal || true
  sleep 0.3
done
# An answered copy takes a moment to end.
wait_for '[ "$(running "${starters[@]}")" -le 1 ]' 10 || true
running=$(running "${starters[@]}")
[ "$running" -eq 1 ] || fail "$running copies running, expected 1"
[ "$(main_windows)" -eq 1 ] || fail "expected one main window"
# The survivor takes input: File, Exit by keys ends it cleanly.
survivor=""
for p in "${starters[@]}"; do alive "$p" && survivor=$p; done
xdotool windowfocus --sync "$(windows_titled "$ORBIS_CAPTION" | head -n 1)"
xdotool key --clearmodifiers alt+f
sleep 0.3
xdotool key --clearmodifiers x
wait_for '! alive '"$survivor" 10 || fail "the running copy does not answer File, Exit"
wait "$survivor" || fail "the running copy ended with an error"
echo "ok"
echo "3 passed, 0 failed"
