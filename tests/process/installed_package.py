#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the installed program through the accessibility bus to a rising sign result at scale 2,
# then looks at the screen: the sign's picture must be drawn, not an empty square.
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (BUTTON, FRAME, IMAGE, MAIN_CAPTION, TEXT, Checks, extents, find, find_app,
                     press, result_values)

out = sys.argv[1]
checks = Checks()
expect = checks.expect

app = find_app()
main = find(app, FRAME, MAIN_CAPTION) if app else None
if not expect(main is not None, f"the installed program shows {MAIN_CAPTION!r}"):
    checks.finish()
option = find(main, BUTTON, "Zodiac Rising Sign")
if option:
    press(option)
name = find(main, TEXT, "Name:-")
if not expect(name is not None, "the option button opens the birth details"):
    checks.finish()
name.queryEditableText().setTextContents("ADA")
press(find(main, BUTTON, "Find My Zodiac Rising Sign"))

# The defaults, 1 January at 4am-6am: Capricorn rising.
picture = find(main, IMAGE, "Capricorn")
expect(result_values(main).get("Your Rising Sign") == "Capricorn", "the result names Capricorn")
if not expect(picture is not None, "the result shows Capricorn's picture"):
    checks.finish()
# The bus gives logical pixels; the screen shot has device pixels.
scale = float(os.environ["QT_SCALE_FACTOR"])
x, y, width, height = (round(value * scale) for value in extents(picture))
shot = os.path.join(out, "installed-rising-sign-result-x2.png")
subprocess.run(["import", "-window", "root", shot], check=True)
expect(width >= 400 and height >= 400,
       f"the picture takes 200 logical pixels at twice the density ({width}x{height})")
colours = int(subprocess.run(["convert", shot, "-crop", f"{width}x{height}+{x}+{y}", "+repage",
                              "-format", "%k", "info:"],
                             check=True, capture_output=True, text=True).stdout)
# An emblem drawn with its gradients has thousands; an empty square one or two.
expect(colours > 500, f"the picture is drawn ({colours} colours where it stands)")
checks.finish()
