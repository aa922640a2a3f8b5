#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Valgrind memcheck over a scripted session: start, each of the three readings by keys, Back,
# Exit, close. Prints the leak summary; a definite leak or any other memcheck error fails, and so
# does the session itself, each with its report.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-packages.sh valgrind
tools/setup.sh default
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"

# Memcheck's own status, apart from the session's.
found_errors=99
status=0
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/runtime \
  valgrind --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
  --error-exitcode=$found_errors --log-file="$work/memcheck.log" \
  build/tests/ui/keyboard_test >"$work/session.log" 2>&1 || status=$?

grep -E '^Totals' "$work/session.log" || true
grep -E 'LEAK SUMMARY|(definitely|indirectly|possibly) lost:|ERROR SUMMARY' "$work/memcheck.log" |
  sed 's/^==[0-9]*== //'
if [ "$status" -eq "$found_errors" ]; then
  echo "FAIL: memcheck found errors or definite leaks:"
  sed 's/^==[0-9]*== //' "$work/memcheck.log"
  exit 1
elif [ "$status" -ne 0 ]; then
  echo "FAIL: the session under valgrind ended with status $status:"
  cat "$work/session.log"
  exit 1
fi
echo "no memcheck errors, no definite leaks"
