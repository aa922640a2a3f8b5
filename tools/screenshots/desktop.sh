#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the real program on a laptop-sized screen under a window manager (openbox):
# the main window, a rising sign result, and the main window restored from maximised. Into
# docs/screenshots (or the folder given) as desktop-WxH[-scaled-S][-dark]-*.png; "dark" puts the
# desktop's dark GTK theme on (qt6-gtk-platformtheme, gnome-themes-extra).
# Usage: tools/screenshots/desktop.sh [folder] [WxH] [scale] [dark]
set -euo pipefail
cd "$(dirname "$0")/../.."
export ORBIS_IDENTITY=$PWD/build/identity.sh
source tests/process/harness.sh
folder=$(readlink -f "${1:-docs/screenshots}")
size=${2:-1366x768}
scale=${3:-1}
theme=${4:-}
name=desktop-$size
[ "$scale" = 1 ] || name=$name-scaled-$scale
[ -z "$theme" ] || name=$name-$theme
if first_run; then
  tools/install-packages.sh imagemagick openbox xdotool ${theme:+qt6-gtk-platformtheme gnome-themes-extra}
  cmake --build build --target "$ORBIS_EXECUTABLE" >/dev/null
fi
run_under --screen "$size" -- "$folder" "$size" "$scale" "$theme"
set -x
private_home
[ "$theme" != dark ] || export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark

mkdir -p "$folder"
# Openbox runs its start-up command once it manages windows; a window mapped before then is lost.
openbox --startup "touch $home/wm-ready" & pids+=($!)
wait_for '[ -e "$home/wm-ready" ]' 5 || true

QT_SCALE_FACTOR=$scale "build/$ORBIS_EXECUTABLE" 2>"$home/program.log" & pids+=($!)
# The main window counts as up once openbox has framed it.
window=""
wait_for 'window=$(windows_titled "$ORBIS_CAPTION" | head -n 1)
  [ -n "$window" ] && xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null | grep -q =' 10 || true
[ -n "$window" ] || { cat "$home/program.log"; exit 1; }
# Openbox answers activation only once it has set up its root properties.
wait_for 'xdotool windowactivate --sync "$window" 2>/dev/null' 5 || true
sleep 0.5
import -window root "$folder/$name-main-window.png"

# Click "Zodiac Rising Sign" (its centre, from the layout: the button strip is centred on the
# screen), type a name, proceed by the access key with the default date and band.
width=${size%x*}
at() { awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s }'; }
logical=$(awk -v w="$width" -v s="$scale" 'BEGIN { printf "%d", w / s }')
xdotool mousemove --window "$window" "$(at $(((logical - 717) / 2 + 139)))" "$(at 90)" click 1
sleep 0.5
xdotool type --delay 20 ada
xdotool key --clearmodifiers alt+r
sleep 0.8
import -window root "$folder/$name-rising-sign-result.png"

# Close the result, then restore the main window as a person does under openbox: a double click
# on its title bar.
xdotool key Escape
sleep 0.3
title=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed -n 's/.*= [0-9]*, [0-9]*, \([0-9]*\),.*/\1/p')
xdotool mousemove "$((width / 2))" "$((${title:-20} / 2))" click --repeat 2 --delay 80 1
sleep 0.8
import -window root "$folder/$name-restored-main-window.png"
ls "$folder"/"$name"-*.png
