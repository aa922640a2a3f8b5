#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (headless: no display is needed).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh --test build
ctest --test-dir build --output-on-failure --timeout 300 -j2
