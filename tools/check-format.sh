#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails on any C++ source that .clang-format would change, naming each. Pinned to clang-format 14,
# Debian 12's (tools/setup.sh --check installs it): another version formats some constructs
# otherwise, and the releases must agree on one answer.
# Usage: tools/check-format.sh [files...]   (default: every C++ file in the work tree, new ones too)
set -euo pipefail
cd "$(dirname "$0")/.."
pinned=14

formatter=""
for candidate in "clang-format-$pinned" clang-format; do
  if command -v "$candidate" >/dev/null &&
    "$candidate" --version | grep -Eq "clang-format version $pinned\."; then
    formatter=$candidate
    break
  fi
done
if [ -z "$formatter" ]; then
  found=$(clang-format --version 2>/dev/null || echo "none")
  echo "FAIL: tools/check-format.sh needs clang-format $pinned (Debian 12's clang-format-$pinned;" \
    "tools/setup.sh --check installs it); found: $found" >&2
  exit 1
fi

if (($#)); then
  files=("$@")
else
  mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' '*.h.in')
fi
((${#files[@]})) || { echo "FAIL: no C++ files found to check" >&2; exit 1; }

unformatted=()
for file in "${files[@]}"; do
  [ -e "$file" ] || continue # deleted, not yet staged
  if ! said=$("$formatter" --dry-run --Werror "$file" 2>&1); then
    # Anything but a difference (a broken .clang-format, an unreadable file) is said as it is.
    grep -q 'clang-format-violations' <<<"$said" || { echo "FAIL: $file: $said" >&2; exit 1; }
    unformatted+=("$file")
  fi
done
if ((${#unformatted[@]})); then
  echo "FAIL: ${#unformatted[@]} of ${#files[@]} files differ from .clang-format ($formatter -i FILE mends one):"
  printf '  %s\n' "${unformatted[@]}"
  exit 1
fi
echo "format: ${#files[@]} files as .clang-format has them ($formatter)"
