#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts Orbis Tessary.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh default
exec build/OrbisFreeTessary
