#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders every window to PNG under docs/screenshots (or the folder given), at 1x and 2x.
set -euo pipefail
cd "$(dirname "$0")/../.."
folder=${1:-docs/screenshots}
cmake --build build --target orbis_screenshots >/dev/null
runtime=$(mktemp -d)
XDG_RUNTIME_DIR=$runtime xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" build/tools/screenshots/orbis_screenshots "$folder"
XDG_RUNTIME_DIR=$runtime QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2560x2048x24 -noreset" \
  build/tools/screenshots/orbis_screenshots "$folder/2x"
rm -rf "$runtime"
ls "$folder"
