#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Every file says its copyright and licence, in its SPDX tags or in .reuse/dep5 (`reuse lint`),
# and the package's copyright file (packaging/copyright.in) gives each file the licence its tags
# give it. tools/setup.sh --check installs reuse.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v reuse >/dev/null ||
  { echo "FAIL: reuse is missing; tools/setup.sh --check installs it" >&2; exit 1; }

report=$(mktemp)
trap 'rm -f "$report"' EXIT
reuse lint >"$report" 2>&1 || { cat "$report"; echo "FAIL: reuse lint"; exit 1; }
grep -E '^\* (Used licenses|Files with license information):' "$report"

reuse spdx 2>/dev/null | python3 -c '
import fnmatch, re, sys

# The SPDX names of the tags, and the names the Debian copyright file gives the same licences.
DEBIAN_NAME = {"GPL-3.0-or-later": "GPL-3+", "CC0-1.0": "CC0-1.0"}

tagged = {}
for block in sys.stdin.read().split("\n\n"):
    name = re.search(r"^FileName: \./(.*)$", block, re.M)
    if name:
        tagged[name.group(1)] = sorted(re.findall(r"^LicenseInfoInFile: (.*)$", block, re.M))

# DEP-5: the last paragraph whose Files patterns match a file gives its licence.
paragraphs = []
for paragraph in open("packaging/copyright.in").read().split("\n\n"):
    files = re.search(r"^Files: (.*)$", paragraph, re.M)
    licence = re.search(r"^License: (.*)$", paragraph, re.M)
    if files and licence:
        paragraphs.append((files.group(1).split(), licence.group(1).strip()))

wrong = []
for path, licences in sorted(tagged.items()):
    packaged = None
    for patterns, licence in paragraphs:
        if any(fnmatch.fnmatchcase(path, pattern) for pattern in patterns):
            packaged = licence
    said = " or ".join(DEBIAN_NAME.get(licence, "(no Debian name for %s)" % licence)
                       for licence in licences)
    if said != packaged:
        wrong.append(f"  {path}: tags {licences}, packaging/copyright.in {packaged}")
if wrong:
    print("FAIL: packaging/copyright.in disagrees with the tags of", len(wrong), "files:")
    print("\n".join(wrong))
    sys.exit(1)
print(f"packaging/copyright.in agrees with the tags of all {len(tagged)} files")
'
