#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the Debian mirror this machine's apt already uses, for debootstrap: the project names no
# mirror of its own. ORBIS_DEBIAN_MIRROR, when set, is taken as it is.
# The first enabled "deb" source, in apt's own order (sources.list, then sources.list.d/*.list
# and *.sources by name), that carries "main" of a release itself (a suite such as bookworm or
# sid, not bookworm-security or bookworm-updates) from a Debian archive: its path ends in /debian,
# or in /debian/TIMESTAMP for a snapshot. Third-party and disabled sources are passed over.
# APT_CONFIG, as for apt itself, can point at another configuration.
set -euo pipefail

if [ -n "${ORBIS_DEBIAN_MIRROR:-}" ]; then
  echo "${ORBIS_DEBIAN_MIRROR%/}"
  exit 0
fi

# Where apt reads its sources, as this machine's apt configuration says.
eval "$(apt-config shell list Dir::Etc::sourcelist/f parts Dir::Etc::sourceparts/d)"

archive() { # uri, suites, components: is this a Debian release's own main archive?
  local uri=${1%/} suite found=""
  [[ $uri =~ /debian(/[0-9]{8}T[0-9]{6}Z)?$ ]] || return 1
  [[ " $3 " == *" main "* ]] || return 1
  for suite in $2; do
    [[ $suite =~ ^[a-z]+$ ]] && found=1
  done
  [ -n "$found" ]
}

# One-line format: deb [options] uri suite [component...]
from_list() {
  local line uri suite components
  while read -r line || [ -n "$line" ]; do
    line=${line%%#*}
    [[ $line =~ ^deb[[:space:]] ]] || continue
    line=${line#deb}
    # Options in brackets may hold spaces.
    [[ $line =~ ^[[:space:]]*\[[^]]*\](.*)$ ]] && line=${BASH_REMATCH[1]}
    read -r uri suite components <<<"$line"
    if archive "$uri" "$suite" "$components"; then
      echo "${uri%/}"
      return 0
    fi
  done <"$1"
  return 1
}

# deb822 format: stanzas of fields, split by blank lines; a field may go on over indented lines.
from_sources() {
  local line field value types="" uris="" suites="" components="" enabled=yes uri
  while IFS= read -r line || [ -n "$line" ]; do
    [[ $line == \#* ]] && continue
    if [[ $line =~ ^([A-Za-z-]+):[[:space:]]*(.*)$ ]]; then
      field=${BASH_REMATCH[1],,}
      value=${BASH_REMATCH[2]}
      case $field in
        types) types=$value ;;
        uris) uris=$value ;;
        suites) suites=$value ;;
        components) components=$value ;;
        enabled) enabled=${value,,} ;;
      esac
      continue
    fi
    [[ $line =~ ^[[:space:]]*$ ]] || continue # the rest of a field spread over lines
    if [[ " $types " == *" deb "* && ! $enabled =~ ^(no|false|0)$ ]]; then
      for uri in $uris; do
        if archive "$uri" "$suites" "$components"; then
          echo "${uri%/}"
          return 0
        fi
      done
    fi
    types="" uris="" suites="" components="" enabled=yes
  done < <(cat "$1"; printf '\n\n') # the last stanza ends too
  return 1
}

# sources.list first, then the parts in the order of their names, whatever their format.
sources=()
[ -f "$list" ] && sources+=("$list")
mapfile -t -O "${#sources[@]}" sources < <(
  find "$parts" -maxdepth 1 -type f \( -name '*.list' -o -name '*.sources' \) 2>/dev/null | LC_ALL=C sort)
for file in "${sources[@]}"; do
  case $file in
    *.sources) from_sources "$file" && exit 0 ;;
    *) from_list "$file" && exit 0 ;;
  esac
done
echo "debian-mirror: no Debian archive among apt's sources ($list, $parts); set ORBIS_DEBIAN_MIRROR" >&2
exit 1
