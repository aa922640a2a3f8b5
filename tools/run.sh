#!/usr/bin/env bash
# Installs what is missing, builds, and starts Orbis Tessary.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh build
exec build/OrbisFreeTessary
