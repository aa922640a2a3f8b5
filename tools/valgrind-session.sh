#!/usr/bin/env bash
# Valgrind memcheck over a scripted session: start, each of the three readings by keys, Back,
# Exit, close. Prints the leak summary; definite leaks fail.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v valgrind >/dev/null || { sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo; $sudo apt-get install -y valgrind; }
tools/setup.sh build
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$runtime \
  valgrind --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
  --error-exitcode=0 build/tests/ui/keyboard_test 2>&1 | grep -E 'Totals|LEAK SUMMARY|definitely lost|indirectly lost|possibly lost|ERROR SUMMARY'
