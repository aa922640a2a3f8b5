#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Lintian on a package, in the release it was built for: informational tags are shown, and any
# error or warning fails. Lintian unpacks what it checks, so it runs as nobody, as it asks, on a
# copy that nobody can read wherever the package lies.
# Usage: packaging/check-deb.sh PACKAGE.deb
set -euo pipefail
deb=$(readlink -f "${1:?usage: packaging/check-deb.sh PACKAGE.deb}")
command -v lintian >/dev/null || { echo "lintian is missing; tools/setup.sh --package installs it" >&2; exit 1; }

copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
chmod 755 "$copy"
install -m 644 "$deb" "$copy/"
as_nobody=()
[ "$(id -u)" -ne 0 ] || as_nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME=/nonexistent)
lintian --version
"${as_nobody[@]}" lintian --display-info --fail-on error,warning "$copy/$(basename "$deb")"
echo "lintian: no errors or warnings"
