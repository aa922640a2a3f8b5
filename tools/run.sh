#!/usr/bin/env bash
# Installs what is missing, builds, and starts Orbis Tessary.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh default
exec build/OrbisFreeTessary
