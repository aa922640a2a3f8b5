#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and tests the program inside a minimal Debian system of another release (a chroot made
# with debootstrap), installing everything through tools/setup.sh there as a new user would.
# Usage (as root): tools/test-on.sh RELEASE [--prepare] [--suite] [--package]
#   --prepare  make the release's minimal system and install in it what the other steps need
#              (network-bound: it can run beside a build)
#   --suite    the README's test command, tools/test.sh, inside the release
#   --package  the release's .deb, built in that release (on this machine when it runs that
#              release) and checked there by lintian (any error or warning fails), installed
#              with apt-get into a clean system of the release and started there under Xvfb
#              with a reading at scale 2 (tests/process/installed_package.sh)
# RELEASE is a Debian code name: bookworm (12), trixie (13), sid (unstable).
# The minimal systems come from the Debian mirror this machine's apt uses (tools/debian-mirror.sh;
# ORBIS_DEBIAN_MIRROR overrides it).
# Systems are kept in $ORBIS_CHROOTS (default /var/tmp/orbis-chroots) and reused by later runs;
# packages and the screenshot of the installed program land in build-releases/RELEASE/.
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
release=${1:?usage: tools/test-on.sh RELEASE [--prepare] [--suite] [--package]}
shift
prepare="" suite="" package=""
for option in "$@"; do
  case $option in
    --prepare) prepare=1 ;;
    --suite) suite=1 ;;
    --package) package=1 ;;
    *) echo "unknown option $option" >&2; exit 2 ;;
  esac
done
[ "$(id -u)" -eq 0 ] || { echo "tools/test-on.sh makes and enters chroots: run it as root" >&2; exit 1; }

chroots=${ORBIS_CHROOTS:-/var/tmp/orbis-chroots}
base=$chroots/$release-base # as debootstrap left it, for clean installs
work=$chroots/$release      # with the build packages, reused between runs
out=$source/build-releases/$release
mkdir -p "$chroots" "$out"

say() { echo "== $release: $*"; }

make_base() {
  [ -e "$base/.complete" ] && return
  tools/install-packages.sh debootstrap
  local mirror
  mirror=$(tools/debian-mirror.sh)
  rm -rf "$base"
  say "debootstrap --variant=minbase from $mirror"
  debootstrap --variant=minbase "$release" "$base" "$mirror" >"$chroots/$release-debootstrap.log" 2>&1 ||
    { tail -n 20 "$chroots/$release-debootstrap.log"; exit 1; }
  # Unstable's index may be past its Valid-Until date on a mirror snapshot; the releases keep the
  # check.
  case $release in
    sid | unstable)
      echo 'Acquire::Check-Valid-Until "false";' >"$base/etc/apt/apt.conf.d/80orbis-valid-until" ;;
  esac
  touch "$base/.complete"
}

mounted=()
enter() { # root: mounts what builds and tests need
  local root=$1
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  mount -t proc proc "$root/proc"; mounted+=("$root/proc")
  mount -t sysfs sys "$root/sys"; mounted+=("$root/sys")
  mount --rbind /dev "$root/dev"; mount --make-rslave "$root/dev"; mounted+=("$root/dev")
  mount -t tmpfs tmpfs "$root/tmp"; mounted+=("$root/tmp")
  mount -t tmpfs tmpfs "$root/run"; mounted+=("$root/run")
}
leave() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -R "${mounted[i]}" 2>/dev/null || umount -lR "${mounted[i]}"; done
  mounted=()
}
trap leave EXIT
run_in() { # root, command
  env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 TERM=dumb chroot "$1" /bin/bash -c "$2"
}

versions() { # what the release builds with, for the record
  run_in "$work" 'echo "Qt $(dpkg-query -W -f="\${Version}" qt6-base-dev), $(g++ --version | head -n 1), $(cmake --version | head -n 1)"'
}

# The sources as they stand (committed or not, build folders left out), over the last copy so
# that its build folders are reused.
# Only files whose contents changed are copied, and they are stamped with the time of copying: a
# file kept with its own older time (another branch's, say) would look older than the build it
# replaces, and the build would go on with what it had.
copy_sources() {
  local staging
  tools/install-packages.sh rsync
  staging=$(mktemp -d)
  git -C "$source" ls-files -z --cached --others --exclude-standard |
    (cd "$source" && xargs -0 tar --no-recursion -cf - --) | tar -C "$staging" -xf -
  mkdir -p "$work/src"
  rsync -rlc --delete --exclude='/build*' "$staging/" "$work/src/"
  rm -rf "$staging"
}

this_release() { [ "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" = "$release" ]; }
make_work() {
  [ -e "$work/.complete" ] || { rm -rf "$work"; cp -a "$base" "$work"; touch "$work/.complete"; }
}

make_base
if [ -n "$prepare" ]; then
  # What building, testing and packaging need, installed ahead: downloading and unpacking can
  # run beside a build on this machine. This machine's own release builds its package here.
  if ! this_release; then
    make_work
    copy_sources
    enter "$work"
    say "the packages that building, testing and packaging need"
    run_in "$work" 'cd /src && tools/setup.sh --test --package --no-build' >"$out/prepare.log" 2>&1 ||
      { tail -n 30 "$out/prepare.log"; exit 1; }
    leave
  fi
  [ -n "$suite$package" ] || exit 0
fi

if [ -n "$suite" ] || { [ -n "$package" ] && ! this_release; }; then
  make_work
  copy_sources
  enter "$work"
  if [ -n "$suite" ]; then
    say "tools/test.sh"
    start=$SECONDS
    run_in "$work" 'cd /src && tools/test.sh' 2>&1 | tee "$out/test.log"
    [ "${PIPESTATUS[0]}" -eq 0 ] || { say "tools/test.sh failed"; exit 1; }
    run_in "$work" 'ctest --test-dir /src/build -N' | sed -n 's/^Total Tests: //p' >"$out/tests-registered"
    say "suite took $((SECONDS - start)) s; $(versions); $(cat "$out/tests-registered") tests registered; $(grep -Eo '[0-9]+% tests passed.*' "$out/test.log")"
  fi
  if [ -n "$package" ]; then
    say "packaging/build-deb.sh"
    run_in "$work" 'cd /src && tools/setup.sh --package --no-build && packaging/build-deb.sh' | tail -n 1
    rm -f "$out"/*.deb
    cp "$work"/src/build-deb/*.deb "$out/"
    say "lintian, in the release"
    run_in "$work" 'cd /src && packaging/check-deb.sh build-deb/*.deb' | tee "$out/lintian.txt"
  fi
  leave
elif [ -n "$package" ]; then
  say "packaging/build-deb.sh on this machine"
  tools/setup.sh --package --no-build
  rm -f "$out"/*.deb
  built=$(packaging/build-deb.sh | tail -n 1)
  cp "$built" "$out/"
  say "lintian, on this machine"
  packaging/check-deb.sh "$built" | tee "$out/lintian.txt"
fi

if [ -n "$package" ]; then
  deb=$(ls "$out"/*.deb)
  clean=$chroots/$release-clean
  rm -rf "$clean"
  cp -a "$base" "$clean"
  mkdir -p "$clean/check"
  # The identity the package was built with, from the folder it was built in.
  package_build=build-deb
  if [ -n "$suite" ] || ! this_release; then package_build=$work/src/build-deb; fi
  cp "$deb" "$package_build/identity.sh" tests/process/installed_package.sh \
    tests/process/installed_package.py tests/process/harness.sh \
    tests/process/desktop.py "$clean/check/"
  enter "$clean"
  say "apt-get install ./$(basename "$deb") in a clean system, then a reading at scale 2"
  run_in "$clean" "cd /check && apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq ./$(basename "$deb") >/dev/null && ./installed_package.sh /check"
  cp "$clean/check/"*.png "$out/" 2>/dev/null || true
  leave
  rm -rf "$clean"
  say "package $(basename "$deb") installs and runs"
fi
