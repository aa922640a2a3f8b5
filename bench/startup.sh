#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up to first paint and peak memory of the bare Qt window and the real start, under Xvfb.
# Usage: bench/startup.sh BARE_PROGRAM PROBE_PROGRAM [runs, default 20]
# Prints a markdown table; with STARTUP_RESULTS=file also writes its figures there as key=value.
set -euo pipefail

if (($# < 2)); then
  echo "usage: $0 BARE_PROGRAM PROBE_PROGRAM [runs]" >&2
  exit 2
fi
bare=$(realpath "$1")
probe=$(realpath "$2")
runs=${3:-20}

if [ -z "${ORBIS_STARTUP_UNDER_XVFB:-}" ]; then
  for tool in xvfb-run /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is missing (packages xvfb, time)" >&2; exit 1; }
  done
  # A private home and runtime folder: the real user's settings and lock stay untouched.
  home=$(mktemp -d)
  runtime=$(mktemp -d)
  chmod 700 "$runtime"
  trap 'rm -rf "$home" "$runtime"' EXIT
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    ORBIS_STARTUP_UNDER_XVFB=1 HOME="$home" XDG_RUNTIME_DIR="$runtime" \
    XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" XDG_DATA_HOME="$home/.local/share" \
    xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$bare" "$probe" "$runs" || status=$?
  exit "$status"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One run: wall microseconds from launch to first paint and to exit, peak RSS in KiB, and the
# program's own milliseconds from main() to paint.
run_once() {
  local program=$1 name=$2
  local start end
  start=$(date +%s%N)
  if ! timeout 30 /usr/bin/time -f %M -o "$work/rss" "$program" >"$work/out" 2>"$work/err"; then
    echo "$0: $program failed or never painted:" >&2
    cat "$work/err" >&2
    exit 1
  fi
  end=$(date +%s%N)
  local inner painted
  inner=$(awk '$1 == "first-paint-ms" { print $2 }' "$work/out")
  painted=$(awk '$1 == "first-paint-epoch-us" { print $2 }' "$work/out")
  if [ -z "$inner" ] || [ -z "$painted" ]; then
    echo "$0: $program ended without reporting its first paint" >&2
    exit 1
  fi
  echo "$((painted - start / 1000))" >>"$work/$name.paint"
  echo "$(((end - start) / 1000))" >>"$work/$name.wall"
  tail -n 1 "$work/rss" >>"$work/$name.rss"
  echo "$inner" >>"$work/$name.inner"
}

median() {
  sort -g "$1" | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Untimed first starts: the program writes its settings, and both warm the file and font caches.
run_once "$bare" warmup
run_once "$probe" warmup

for ((i = 0; i < runs; ++i)); do
  run_once "$bare" bare
  run_once "$probe" probe
done

bare_paint=$(awk -v us="$(median "$work/bare.paint")" 'BEGIN { printf "%.1f", us / 1000 }')
probe_paint=$(awk -v us="$(median "$work/probe.paint")" 'BEGIN { printf "%.1f", us / 1000 }')
bare_wall=$(awk -v us="$(median "$work/bare.wall")" 'BEGIN { printf "%.1f", us / 1000 }')
probe_wall=$(awk -v us="$(median "$work/probe.wall")" 'BEGIN { printf "%.1f", us / 1000 }')
bare_rss=$(awk -v k="$(median "$work/bare.rss")" 'BEGIN { printf "%.1f", k / 1024 }')
probe_rss=$(awk -v k="$(median "$work/probe.rss")" 'BEGIN { printf "%.1f", k / 1024 }')
bare_inner=$(awk -v ms="$(median "$work/bare.inner")" 'BEGIN { printf "%.1f", ms }')
probe_inner=$(awk -v ms="$(median "$work/probe.inner")" 'BEGIN { printf "%.1f", ms }')
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

echo "| Start-up, median of $runs alternating runs | bare Qt window | Orbis Tessary | ratio |"
echo "|---|---:|---:|---:|"
echo "| launch to first paint, wall, ms | $bare_paint | $probe_paint | $(ratio "$probe_paint" "$bare_paint") |"
echo "| launch to exit (quit on first paint), wall, ms | $bare_wall | $probe_wall | $(ratio "$probe_wall" "$bare_wall") |"
echo "| main() to first paint, ms | $bare_inner | $probe_inner | $(ratio "$probe_inner" "$bare_inner") |"
echo "| peak RSS, MiB | $bare_rss | $probe_rss | $(ratio "$probe_rss" "$bare_rss") |"

if [ -n "${STARTUP_RESULTS:-}" ]; then
  {
    echo "runs=$runs"
    echo "bare_paint_ms=$bare_paint"
    echo "probe_paint_ms=$probe_paint"
    echo "bare_wall_ms=$bare_wall"
    echo "probe_wall_ms=$probe_wall"
    echo "bare_inner_ms=$bare_inner"
    echo "probe_inner_ms=$probe_inner"
    echo "bare_rss_mib=$bare_rss"
    echo "probe_rss_mib=$probe_rss"
  } >"$STARTUP_RESULTS"
fi
