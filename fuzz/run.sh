#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang and runs each for a while on a copy of its seed corpus.
# Usage: fuzz/run.sh [seconds per target, default 60]   (BUILD=dir picks the build folder)
# Fails when any target crashes or breaks an invariant; the input that did it is kept.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$(pwd)
seconds=${1:-60}
build=${BUILD:-$source_dir/build-fuzz}

# clang and the sanitizer runtime of the same version, whichever this release makes the default.
tools/install-packages.sh clang
tools/install-packages.sh "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"

cmake --preset fuzz -B "$build" >/dev/null
# Everything, so that the program and its libraries compile with clang too; then each target.
cmake --build "$build" -j2 >/dev/null
targets=()
for source in fuzz/fuzz_*.cpp; do
  targets+=("$(basename "$source" .cpp)")
done

declare -A dictionaries=(
  [fuzz_rising_sign]=names.dict
  [fuzz_sign_names]=names.dict
  [fuzz_reminder_value]=reminder_value.dict
)

# Copies, so the corpus in the repository keeps only its hand-made seeds.
work=$(mktemp -d "${TMPDIR:-/tmp}/orbis-fuzz.XXXXXX")
runtime="$work/runtime"
mkdir -m 700 "$runtime"
failed=()
for target in "${targets[@]}"; do
  mkdir -p "$work/$target/corpus" "$work/$target/artifacts"
  cp -r "fuzz/corpus/$target/." "$work/$target/corpus/"
  options=(-max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=4096
           -artifact_prefix="$work/$target/artifacts/")
  if [ -n "${dictionaries[$target]:-}" ]; then
    options+=(-dict="fuzz/${dictionaries[$target]}")
  fi
  echo "== $target: ${seconds}s"
  if env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" \
    "$build/fuzz/$target" "${options[@]}" "$work/$target/corpus" >"$work/$target/log" 2>&1; then
    grep -E '^#[0-9]+[[:space:]]+DONE|^stat::number_of_executed_units|^stat::peak_rss_mb' \
      "$work/$target/log" || true
    echo "corpus: $(find "$work/$target/corpus" -type f | wc -l) inputs"
  else
    failed+=("$target")
    tail -n 40 "$work/$target/log"
    echo "crash input kept in $work/$target/artifacts/"
  fi
done

echo "logs and grown corpora: $work"
if ((${#failed[@]})); then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "all ${#targets[@]} targets ran ${seconds}s without a crash"
