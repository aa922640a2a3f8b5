#!/usr/bin/env bash
# Screenshots of the real program on a laptop-sized screen under a window manager (openbox):
# the main window, a rising sign result, and the main window restored from maximised. Into
# docs/screenshots (or the folder given) as desktop-WxH[-scaled-S][-dark]-*.png; "dark" puts the
# desktop's dark GTK theme on (qt6-gtk-platformtheme, gnome-themes-extra).
# Usage: tools/screenshots/desktop.sh [folder] [WxH] [scale] [dark]
set -euo pipefail
cd "$(dirname "$0")/../.."
folder=$(readlink -f "${1:-docs/screenshots}")
size=${2:-1366x768}
scale=${3:-1}
theme=${4:-}
name=desktop-$size
[ "$scale" = 1 ] || name=$name-scaled-$scale
[ -z "$theme" ] || name=$name-$theme
if [ -z "${ORBIS_IN_XVFB:-}" ]; then
  tools/install-packages.sh imagemagick openbox xdotool ${theme:+qt6-gtk-platformtheme gnome-themes-extra}
  cmake --build build --target OrbisFreeTessary >/dev/null
  export ORBIS_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 ${size}x24 -noreset" bash -x "$0" "$folder" "$size" "$scale" "$theme"
fi
[ "$theme" != dark ] || export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark

mkdir -p "$folder"
home=$(mktemp -d)
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
# Openbox runs its start-up command once it manages windows; a window mapped before then is lost.
openbox --startup "touch $home/wm-ready" & wm=$!
trap 'kill $wm ${program:-} 2>/dev/null; rm -rf "$home"' EXIT
for _ in $(seq 50); do [ -e "$home/wm-ready" ] && break; sleep 0.1; done

QT_SCALE_FACTOR=$scale build/OrbisFreeTessary 2>"$home/program.log" & program=$!
# The main window counts as up once openbox has framed it.
window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name '^Orbis Tessary v1\.20$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '=' && break
  sleep 0.1
done
[ -n "$window" ] || { cat "$home/program.log"; exit 1; }
# Openbox answers activation only once it has set up its root properties.
for _ in $(seq 50); do xdotool windowactivate --sync "$window" 2>/dev/null && break; sleep 0.1; done
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
