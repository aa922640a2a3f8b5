#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs those of the given Debian packages that are missing (through sudo when not root).
# "a|b" names alternatives: the first that this release offers is taken, so one list serves
# Debian 12, 13 and unstable, where some packages are named differently or exist only in some.
# A name ending in "?" is taken only where the release offers it.
set -euo pipefail
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

offered() { apt-cache show --no-all-versions "$1" >/dev/null 2>&1; }
installed() { [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" = "install ok installed" ]; }

# The package lists tell what the release offers; a fresh system has none, and old ones may lack
# a package, so they are brought up to date once when a name is not found.
updated=""
update() { [ -n "$updated" ] || { $sudo apt-get update -qq; updated=1; }; }

missing=()
for wanted in "$@"; do
  optional=""
  [[ $wanted == *"?" ]] && { optional=1; wanted=${wanted%"?"}; }
  IFS='|' read -r -a choices <<<"$wanted"
  chosen=""
  for p in "${choices[@]}"; do
    if installed "$p"; then chosen=installed; break; fi
  done
  [ -n "$chosen" ] && continue
  for _ in 1 2; do
    for p in "${choices[@]}"; do
      if offered "$p"; then chosen=$p; break; fi
    done
    [ -n "$chosen" ] && break
    update
  done
  if [ -n "$chosen" ]; then
    missing+=("$chosen")
  elif [ -z "$optional" ]; then
    echo "install-packages: this release offers none of: ${choices[*]}" >&2
    exit 1
  fi
done
((${#missing[@]})) || exit 0
update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
# A missing font cache costs seconds at the first start.
fc-cache -s >/dev/null 2>&1 || true
