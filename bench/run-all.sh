#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks, runs them and prints one markdown table: each figure, its baseline, the ratio.
# Usage: bench/run-all.sh            (BUILD=dir picks the build folder, RUNS=n the start-up runs)
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$(pwd)
build=${BUILD:-$source_dir/build-bench}
runs=${RUNS:-20}
repetitions=${REPETITIONS:-10}

packages=(cmake ninja-build qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins libfontconfig-dev libbenchmark-dev
          fonts-dejavu-core fontconfig xvfb xauth time jq)
tools/install-packages.sh "${packages[@]}"

cmake --preset bench -B "$build" >/dev/null
cmake --build "$build" -j2 --target engine_bench reading_bench settings_bench first_reading bare_qt_window bare_text_window first_paint_probe >/dev/null

results="$build/bench-results"
mkdir -p "$results"
runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT

gbench() {
  "$@" --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
    --benchmark_format=json
}

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
gbench "$build/bench/engine_bench" >"$results/engine.json" 2>"$results/engine.log"
env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" LC_ALL=C.UTF-8 \
  "$build/bench/reading_bench" --benchmark_repetitions="$repetitions" \
  --benchmark_report_aggregates_only=true --benchmark_format=json \
  >"$results/reading.json" 2>"$results/reading.log"
gbench "$build/bench/settings_bench" >"$results/settings.json" 2>"$results/settings.log"
STARTUP_RESULTS="$results/startup.env" bench/startup.sh "$build/bench/bare_qt_window" \
  "$build/bench/first_paint_probe" "$runs" >"$results/startup.md"
STARTUP_RESULTS="$results/text.env" bench/startup.sh "$build/bench/bare_qt_window" \
  "$build/bench/bare_text_window" "$runs" >"$results/text.md"

# The median of a benchmark's repetitions (the single run without repetitions), in the unit
# given: ns, us or ms.
median_of() {
  local file=$1 name=$2 unit=$3 value
  value=$(jq -r --arg name "$name" --arg unit "$unit" '
    [.benchmarks[] | select(.run_name == $name)] as $runs
    | ([$runs[] | select(.aggregate_name == "median")] + [$runs[] | select(.run_type == "iteration")])
    | first // empty
    | .real_time * ({"ns": 1, "us": 1000, "ms": 1000000}[.time_unit])
      / ({"ns": 1, "us": 1000, "ms": 1000000}[$unit])' "$file")
  if [ -z "$value" ]; then
    echo "$0: no result for $name in $file" >&2
    exit 1
  fi
  echo "$value"
}
check_errors() {
  local file=$1
  if jq -e '[.benchmarks[] | select(.error_occurred == true)] | length > 0' "$file" >/dev/null; then
    jq -r '.benchmarks[] | select(.error_occurred == true) | "\(.name): \(.error_message)"' "$file" >&2
    exit 1
  fi
}
check_errors "$results/engine.json"
check_errors "$results/reading.json"
check_errors "$results/settings.json"
fmt() { awk -v v="$1" -v d="$2" 'BEGIN { printf "%.*f", d, v }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
# The start-up figures (bare_paint_ms, probe_rss_mib ...), and those of the text reference
# prefixed with text_; both files are key=value lines written by startup.sh.
source "$results/startup.env"
source <(sed 's/^/text_/' "$results/text.env")

engine=$(median_of "$results/engine.json" BM_EngineReadingSweep us)
arith=$(median_of "$results/engine.json" BM_ArithmeticBaseline us)
careful_read=$(median_of "$results/settings.json" BM_CarefulRead us)
qsettings_read=$(median_of "$results/settings.json" BM_BaselineQSettingsRead us)
empty_name=$(jq -r '[.benchmarks[] | select(.run_name | startswith("BM_EmptySubWindowBaseline"))][0].run_name' \
  "$results/reading.json")
empty=$(median_of "$results/reading.json" "$empty_name" ms)
empty_size=$(sed -E 's|.*/w:([0-9]+)/h:([0-9]+).*|\1 x \2|' <<<"$empty_name")

# The first reading after start, each in a fresh process, alternating with its baseline.
first_runs=${FIRST_RUNS:-15}
: >"$results/first.reading"
: >"$results/first.empty"
for ((i = 0; i < first_runs; ++i)); do
  env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" LC_ALL=C.UTF-8 \
    "$build/bench/first_reading" reading 2>/dev/null | awk '$1 == "first-ms" { print $2 }' >>"$results/first.reading"
  env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" LC_ALL=C.UTF-8 \
    "$build/bench/first_reading" empty ${empty_size/ x / } 2>/dev/null | awk '$1 == "first-ms" { print $2 }' >>"$results/first.empty"
done
median_file() {
  sort -g "$1" | awk '{ v[NR] = $1 } END { if (NR == 0) exit 1; if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
first_reading=$(median_file "$results/first.reading") || { echo "$0: first_reading reported nothing" >&2; exit 1; }
first_empty=$(median_file "$results/first.empty") || { echo "$0: first_reading empty reported nothing" >&2; exit 1; }

cpu=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
echo "Run $(date -u '+%Y-%m-%d %H:%M UTC') on $(nproc) cores, $cpu; load average before: $load_before."
echo
echo "| Figure (median) | Orbis Tessary | Baseline | Baseline is | Ratio |"
echo "|---|---:|---:|---|---:|"
echo "| Engine, all 144 (sun sign, band) readings, per sweep | $(fmt "$engine" 2) µs | $(fmt "$arith" 3) µs | the 144 rising signs as (s - k) mod 12 | $(ratio "$engine" "$arith") |"
echo "| Start-up, launch to first paint (wall, $runs alternating runs) | $probe_paint_ms ms | $bare_paint_ms ms | bare QMainWindow + empty QMdiArea, maximised | $(ratio "$probe_paint_ms" "$bare_paint_ms") |"
echo "| Start-up, launch to exit, quitting on first paint (wall) | $probe_wall_ms ms | $bare_wall_ms ms | the same bare program | $(ratio "$probe_wall_ms" "$bare_wall_ms") |"
echo "| Start-up, main() to first paint | $probe_inner_ms ms | $bare_inner_ms ms | the same bare program | $(ratio "$probe_inner_ms" "$bare_inner_ms") |"
echo "| Start-up, peak RSS | $probe_rss_mib MiB | $bare_rss_mib MiB | the same bare program | $(ratio "$probe_rss_mib" "$bare_rss_mib") |"
echo "| Start-up reference: a menu bar and one line of text, launch to first paint | $text_probe_paint_ms ms | $text_bare_paint_ms ms | the same bare program (its own alternating runs) | $(ratio "$text_probe_paint_ms" "$text_bare_paint_ms") |"
echo "| Start-up reference: a menu bar and one line of text, peak RSS | $text_probe_rss_mib MiB | $text_bare_rss_mib MiB | the same bare program | $(ratio "$text_probe_rss_mib" "$text_bare_rss_mib") |"
echo "| Start-up's settings read (checked, read whole, parsed from memory) | $(fmt "$careful_read" 1) µs | $(fmt "$qsettings_read" 1) µs | QSettings reading the same file directly | $(ratio "$careful_read" "$qsettings_read") |"
for kind in "2 Zodiac Rising Sign" "1 Midheaven Astrology" "0 Descendant Astrology"; do
  reading=$(median_of "$results/reading.json" "BM_ProceedToPaintedResult/kind:${kind%% *}/manual_time" ms)
  echo "| Proceed to painted result, ${kind#* } | $(fmt "$reading" 2) ms | $(fmt "$empty" 2) ms | empty QWidget ($empty_size) as a QMdiSubWindow, painted | $(ratio "$reading" "$empty") |"
done
echo "| First reading after start (fresh process, $first_runs runs), Zodiac Rising Sign | $(fmt "$first_reading" 2) ms | $(fmt "$first_empty" 2) ms | the first such empty child window in a fresh process | $(ratio "$first_reading" "$first_empty") |"
