#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the pictures shown at start-up, and the sign pictures for ordinary screens, from their
# vector sources into PNG files kept in the repository: decoding a PNG is far cheaper than drawing
# an SVG, and the build needs no renderer. Run it after changing any SVG under resources/.
# Needs rsvg-convert (package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../resources"

render() { # source, target, size in pixels
  rsvg-convert --width "$3" --height "$3" --keep-aspect-ratio --output "$2" "$1"
}

# Program icon: the window icon sizes and the installed hicolor sizes.
for size in 16 24 32 48 64 128 256; do
  render icons/orbis-tessary.svg "icons/program/$size.png" "$size"
done
# Option buttons (34 px on screen) and the link pointer (32 px), each also for double-density screens.
for name in rising-sign descendant midheaven; do
  render "icons/$name.svg" "icons/options/$name.png" 34
  render "icons/$name.svg" "icons/options/$name@2x.png" 68
done
# Sign pictures for ordinary screens (200 px); other screens have them drawn from the originals.
for n in $(seq 1 12); do
  render "signs/$n.svg" "signs/$n.png" 200
done
# The menu bar's overflow arrow, shown when the window is too narrow for all the menus.
render icons/menu-overflow.svg icons/menu-overflow.png 16
render icons/menu-overflow.svg icons/menu-overflow@2x.png 32
render cursors/link.svg cursors/link.png 32
render cursors/link.svg cursors/link@2x.png 64
