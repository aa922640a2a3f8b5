#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# What a desktop theme does to the texts on the design's colours, seen on the screen: every text
# of the main window and of each reading's windows, found through the accessibility bus, and the
# contrast of its strokes against its background in a grab of the screen.
# Usage: dark_theme.py measure THEME FILE   (the program running: writes the contrasts to FILE)
#        dark_theme.py compare LIGHT DARK   (the design's texts keep their contrast in the dark)
import json
import os
import subprocess
import sys
import tempfile
import time
from collections import Counter

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (BUTTON, COMBO_BOX, FRAME, LABEL, MAIN_CAPTION, MENU_BAR, TEXT, Checks, extents,
                     find, find_app, press, showing, walk)

# How far the contrast of one text may move between the themes: the same pixels, give or take
# a caret that blinks.
TOLERANCE = 0.1
# Each reading by its option button, its Proceed button and a heading of its result.
READINGS = [("Zodiac Rising Sign", "Find My Zodiac Rising Sign", "Your Rising Sign"),
            ("Descendant Astrology", "Find My Descendant Astrology Sign", "Your Descendant Sign"),
            ("Midheaven Astrology", "Find My Midheaven Astrology Sign", "Your Mid Heaven Is In")]
# What is measured: the main window, then each reading's birth details and result.
SCREENS = ["main window"] + [f"{option} {window}" for option, _, _ in READINGS
                             for window in ("details", "result")]


def grab():
    """The screen as rows of (r, g, b)."""
    with tempfile.NamedTemporaryFile(suffix=".ppm") as file:
        subprocess.run(["import", "-window", "root", "-depth", "8", file.name], check=True,
                       timeout=20)
        data = file.read()
    # P6, width, height, maximum, then the pixels.
    fields, at = [], 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        start = at
        while not data[at:at + 1].isspace():
            at += 1
        fields.append(data[start:at])
    width, height = int(fields[1]), int(fields[2])
    pixels = data[at + 1:]
    return [[tuple(pixels[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x in range(width)]
            for y in range(height)]


def luminance(colour):
    def channel(value):
        value /= 255
        return value / 12.92 if value <= 0.03928 else ((value + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(v) for v in colour)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    high, low = sorted((luminance(a), luminance(b)), reverse=True)
    return (high + 0.05) / (low + 0.05)


def strokes(screen, box):
    """The background of a box (its commonest colour), and the contrast of the text drawn on it:
    its strokes are the pixels that stand out from the background the most."""
    x, y, w, h = box
    pixels = [screen[row][column] for row in range(max(y, 0), min(y + h, len(screen)))
              for column in range(max(x, 0), min(x + w, len(screen[0])))]
    if not pixels:
        return None, 0
    background = Counter(pixels).most_common(1)[0][0]
    return background, max(contrast(background, p) for p in set(pixels))


def text_box(node):
    """Where a control's text is drawn: inside a button's edge; a text box's left part, clear of
    its frame and scroll bar."""
    x, y, w, h = extents(node)
    role = node.getRole()
    if role == BUTTON:
        return (x + 4, y + 4, w - 8, h - 8)
    if role in (TEXT, COMBO_BOX):
        return (x + 4, y + 4, w * 2 // 3, h - 8)
    return (x, y, w, h)


def measure_screen(name, root, screen, found):
    seen = Counter()
    for node in walk(root):
        try:
            role = node.getRole()
            if role not in (LABEL, BUTTON, TEXT, COMBO_BOX) or not node.name:
                continue
            if not showing(node):
                continue
            box = text_box(node)
        except Exception:
            continue
        if box[2] <= 0 or box[3] <= 0:
            continue
        key = f"{name}: {node.getRoleName()} {node.name[:40]!r}"
        seen[key] += 1
        if seen[key] > 1:
            key += f" #{seen[key]}"
        background, ratio = strokes(screen, box)
        if background is not None:
            found[key] = {"background": background, "contrast": round(ratio, 2)}


def menu_bar_colour(main, screen):
    bar = next((n for n in walk(main) if n.getRole() == MENU_BAR), None)
    return strokes(screen, extents(bar))[0] if bar else None


def measure(theme, path):
    app = find_app()
    main = find(app, FRAME, MAIN_CAPTION, seconds=20) if app else None
    if main is None:
        print(f"FAIL: {theme}: no main window {MAIN_CAPTION!r} on the accessibility bus")
        json.dump({}, open(path, "w"))
        return
    found = {}
    time.sleep(1)
    screen = grab()
    found["menu bar"] = menu_bar_colour(main, screen)
    measure_screen("main window", main, screen, found)
    for option, proceed, heading in READINGS:
        button = find(main, BUTTON, option, seconds=5)
        if button is None:
            print(f"FAIL: {theme}: no option button {option!r}")
            continue
        press(button)
        name = find(main, TEXT, "Name:-", seconds=5)
        if name is None:
            print(f"FAIL: {theme}: {option!r} opened no name box")
            continue
        name.queryEditableText().setTextContents("ADA")
        time.sleep(0.8)
        measure_screen(f"{option} details", main, grab(), found)
        button = find(main, BUTTON, proceed, seconds=5)
        if button is not None:
            press(button)
        if find(main, LABEL, heading, seconds=5) is None:
            print(f"FAIL: {theme}: {proceed!r} showed no result")
            continue
        time.sleep(0.8)
        measure_screen(f"{option} result", main, grab(), found)
    json.dump(found, open(path, "w"), indent=1)


def compare(light_path, dark_path):
    checks = Checks()
    light, dark = json.load(open(light_path)), json.load(open(dark_path))
    light_bar, dark_bar = light.pop("menu bar", None), dark.pop("menu bar", None)
    # The themes took: the menu bar, in the desktop's colours, is light in one and dark in the
    # other.
    if not checks.expect(light_bar and dark_bar and luminance(light_bar) > 0.5 and
                         luminance(dark_bar) < 0.1,
                         f"the menu bar is light {light_bar} in the light theme, dark {dark_bar} "
                         "in the dark one (qt6-gtk-platformtheme and the GTK theme at work)"):
        checks.finish()
    for screen in SCREENS:
        keys = sorted(key for key in light if key.startswith(screen + ":"))
        missing = [key for key in keys if key not in dark]
        checks.expect(not missing, f"{screen}: the dark theme shows the same texts (missing {missing})")
        moved = []
        for key in keys:
            if key not in dark:
                continue
            before, after = light[key], dark[key]
            if before["background"] != after["background"]:
                continue  # a text on the desktop's own colours follows the theme
            if abs(after["contrast"] - before["contrast"]) > TOLERANCE * before["contrast"]:
                moved.append(f"{key} on {tuple(before['background'])}: {before['contrast']}:1 "
                             f"light, {after['contrast']}:1 dark")
        fixed = sum(1 for key in keys if key in dark and
                    light[key]["background"] == dark[key]["background"])
        # None at all: the window never came up.
        checks.expect(fixed and not moved,
                      f"{screen}: {fixed} texts on the design's colours keep their contrast in "
                      f"the dark theme" + "".join(f"\n     {line}" for line in moved))
    offer = "main window: label 'Home Business Opportunity"
    key = next((k for k in light if k.startswith(offer)), None)
    if checks.expect(key and key in dark, "the main window's offer Label7 is measured in both themes"):
        checks.expect(dark[key]["contrast"] >= 4.5,
                      f"Label7 on its light blue strip: {light[key]['contrast']}:1 light, "
                      f"{dark[key]['contrast']}:1 dark")
    checks.finish()


if __name__ == "__main__":
    if sys.argv[1] == "measure":
        measure(sys.argv[2], sys.argv[3])
    else:
        compare(sys.argv[2], sys.argv[3])
