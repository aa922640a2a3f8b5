#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds every target (the benchmarks too, so that none can rot) and
# runs every test (headless: no display is needed).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh --test test
ctest --preset test
