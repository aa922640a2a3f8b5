#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# The program on a Wayland compositor, driven through the accessibility bus (there is no way to
# send keys to a Wayland client from outside): it stays up, its main window and strips fit the
# output, a whole reading runs, Exit included, with the menus back afterwards. With "input" the
# compositor takes a mouse from an X server, and the window is restored from maximised by the
# maximise button of the frame the program draws.
# Usage: desktop_wayland.py PID WIDTH HEIGHT [SCALE] [input]   (started by desktop_wayland.sh)
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (BUTTON, FRAME, LABEL, TEXT, MAIN_CAPTION, STRIP_CONTROLS, Checks, alive, describe,
                     expect_restored_strips, expect_sign_in_work_area, extents, find, find_app, gone,
                     inside, menu_bar_items, poll, press, result_values, rising_result,
                     strip_control)

pid, width, height = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
scale = float(sys.argv[4]) if len(sys.argv) > 4 else 1.0
with_input = len(sys.argv) > 5 and sys.argv[5] == "input"
output = (width, height)
# The bus counts the program's scaled pixels.
width, height = int(width / scale), int(height / scale)

# Where weston's desktop shell and Qt's own window frame put things, in the output's pixels
# whatever the program's scale: the panel along the top, and the maximise button's centre from
# the frame's top-right corner.
PANEL_HEIGHT = 32
MAXIMISE_BUTTON = (40, 15)


def restore_from_maximised(main):
    print("# restored from maximised")
    before = extents(main)
    x = output[0] - MAXIMISE_BUTTON[0]
    y = PANEL_HEIGHT + MAXIMISE_BUTTON[1]
    # From the margin outside weston's window into it, so that weston sees the pointer enter.
    subprocess.run(["xdotool", "mousemove", "--sync", str(output[0] + 8), str(output[1] + 8),
                    "mousemove", "--sync", str(x), str(y), "click", "1"], timeout=5)
    after = poll(lambda: extents(main) != before and extents(main), 5)
    expect(after and after[2] < before[2],
           f"the maximise button at {x},{y} restores the window to {after} (was {before})")
    if not after:
        return
    expect(alive(pid), "the program runs on after the restore")
    expect_restored_strips(checks, main, after)

checks = Checks()
expect = checks.expect

# The compositor ends a client for a wrong first configure at once; give it the time to.
time.sleep(3)
if not expect(alive(pid), f"{width}x{height}: the program is still running 3 s after start"):
    checks.finish()
app = find_app(seconds=10)
main = find(app, FRAME, MAIN_CAPTION, seconds=10) if app else None
if not expect(main is not None, f"main window {MAIN_CAPTION!r} on the accessibility bus"):
    checks.finish()

print(f"# {width}x{height}: the main window and its strips")
# Extents here are relative to the window, so the frame's size is what there is to compare.
frame = extents(main)
expect(frame[2] <= width and frame[3] <= height,
       f"main window {frame[2]}x{frame[3]} is no larger than the output {width}x{height}")
for role, name, prefix in STRIP_CONTROLS:
    node = strip_control(main, role, name, prefix)
    box = extents(node) if node else None
    expect(box is not None and inside(box, frame),
           f"strip control {describe(role, name, prefix)} {box} lies inside the window {frame}")

print("# a whole reading through the accessibility actions")
option = find(main, BUTTON, "Zodiac Rising Sign", seconds=2)
if option:
    press(option)
name = find(main, TEXT, "Name:-")
if expect(name is not None, "'Zodiac Rising Sign' opens the birth details with the name box"):
    name.queryEditableText().setTextContents("ADA")
    expect(poll(lambda: name.queryText().getText(0, -1) == "ADA", 2), "the name box takes 'ADA'")
    proceed = find(main, BUTTON, "Find My Zodiac Rising Sign", seconds=2)
    if proceed:
        press(proceed)
    result = rising_result(main)
    found = result and result_values(result)
    wanted = {"Your Sun Sign": "Capricorn", "Your Rising Sign": "Capricorn",
              "Your Symbol": "The Crocodile"}
    expect(found == wanted, f"1 January, 4am-6am reads Capricorn, Capricorn, The Crocodile (reads {found})")
    expect_sign_in_work_area(checks, main, "the result opens at its top")
    exit_button = find(result, BUTTON, "Exit", seconds=2) if result else None
    if exit_button:
        press(exit_button)
    expect(result is not None and gone(main, LABEL, "Your Rising Sign"), "the result's Exit closes the result")
    items = poll(lambda: {"File", "Help"} <= set(menu_bar_items(main)) and menu_bar_items(main), 2)
    expect(items, f"after Exit the menu bar holds File and Help (holds {menu_bar_items(main)})")

if with_input:
    restore_from_maximised(main)
time.sleep(1)
expect(alive(pid), "the program is still running after the reading")
checks.finish()
