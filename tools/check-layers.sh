#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# The layers (engine and common side by side, neither seeing the other; windows on both; shell on
# windows) are kept by the targets' include folders: a library sees only its own headers and
# those of the libraries it stands on, and the engine no Qt at all, so an include that points up
# or across does not compile. This checks the one way around them: an include that
# climbs folders with "../".
# Usage: tools/check-layers.sh [source folder]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

if grep -rn -E '^\s*#\s*include\s*"\.\./' --include='*.h' --include='*.cpp' \
  engine common windows shell tests bench tools fuzz main.cpp; then
  echo "includes above climb folders; name the header from its target's include folder"
  exit 1
fi
echo "no include climbs folders; the include folders keep the layers"
