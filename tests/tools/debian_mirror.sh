#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# tools/debian-mirror.sh over apt configurations that CI's own machine never shows: which source
# it takes, in apt's order and past those that are not a Debian release's own archive.
# Usage: debian_mirror.sh SOURCE-DIR
set -euo pipefail
script=$(readlink -f "$1")/tools/debian-mirror.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset ORBIS_DEBIAN_MIRROR
passed=0 failed=0

# expect NAME EXPECTED FILE=CONTENT...: EXPECTED is the mirror printed, or "none" for a failure.
expect() {
  local name=$1 expected=$2 root got
  shift 2
  root=$work/$name
  mkdir -p "$root/sources.list.d"
  printf 'Dir::Etc::sourcelist "%s/sources.list";\nDir::Etc::sourceparts "%s/sources.list.d";\n' \
    "$root" "$root" >"$root/apt.conf"
  for file in "$@"; do
    printf '%s' "${file#*=}" >"$root/${file%%=*}"
  done
  got=$(APT_CONFIG=$root/apt.conf "$script" 2>/dev/null) || got=none
  if [ "$got" = "$expected" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $name: expected $expected, got $got"
  fi
}

security=$'Types: deb\nURIs: file:/srv/security/debian-security\nSuites: bookworm-security\nComponents: main\n'
expect one-line-beats-parts file:/srv/a/debian \
  "sources.list=# deb file:/srv/commented/debian bookworm main
deb-src file:/srv/src/debian bookworm main
deb [ arch=amd64 signed-by=/k.gpg ] file:/srv/a/debian/ bookworm main contrib
" "sources.list.d/0.sources=Types: deb
URIs: file:/srv/b/debian
Suites: bookworm
Components: main
"
expect parts-in-name-order file:/srv/first/debian \
  "sources.list.d/b.list=deb file:/srv/second/debian bookworm main
" "sources.list.d/a.sources=${security}
Types: deb-src deb
URIs: file:/srv/first/debian
Suites: bookworm bookworm-updates
Components: main
"
expect not-debian-archives file:/srv/mirror/debian \
  "sources.list.d/a.list=deb file:/srv/docker/linux/debian bookworm stable
deb file:/srv/php/ bookworm main
deb file:/srv/updates/debian bookworm-updates main
" "sources.list.d/b.sources=Types: deb
URIs: file:/srv/disabled/debian
Suites: bookworm
Components: main
Enabled: no
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 -----END PGP PUBLIC KEY BLOCK-----

Types: deb
URIs: file:/srv/mirror/debian
Suites: bookworm
Components: main" "sources.list.d/c.sources.disabled=Types: deb
URIs: file:/srv/renamed/debian
Suites: bookworm
Components: main
"
expect snapshot file:/srv/archive/debian/20250520T000000Z \
  "sources.list.d/a.sources=Types: deb
URIs: file:/srv/archive/debian/20250520T000000Z/
Suites: sid
Components: main
"
expect none-found none "sources.list=deb file:/srv/security/debian-security bookworm-security main
"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
