#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# The program on X11 under a window manager, used with keyboard and mouse as a person would:
# captions as the window manager shows them, the main window and its strips on the screen, a
# whole reading by keys, Exit by its access key, the menus after Exit, and the primary selection.
# Usage: desktop_x11.py PID WIDTH HEIGHT [SCALE]   (started by desktop_x11.sh inside its session)
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (BUTTON, COMBO_BOX, FRAME, LABEL, TEXT, MAIN_CAPTION, MESSAGE_CAPTION, STRIP_CONTROLS, Checks,
                     alive, describe, expect_restored_strips, expect_sign_in_work_area, extents,
                     find, find_app, find_labelled, focused, gone, help_menu_open, inside,
                     menu_bar_items, poll, press, result_values, rising_result, strip_control)

pid, width, height = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
scale = float(sys.argv[4]) if len(sys.argv) > 4 else 1.0
# The X server counts device pixels; the accessibility bus the program's scaled ones.
screen = (0, 0, width, height)
logical_screen = (0, 0, int(width / scale), int(height / scale))
checks = Checks()
expect = checks.expect


def run(*args, timeout=5):
    try:
        return subprocess.run(args, capture_output=True, text=True, timeout=timeout).stdout
    except subprocess.TimeoutExpired:
        return ""


def windows_of_program():
    return run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid)).split()


def captions(window):
    """(_NET_WM_NAME, WM_NAME) of an X window, None where one is missing."""
    names = {}
    for line in run("xprop", "-id", window, "_NET_WM_NAME", "WM_NAME").splitlines():
        match = re.match(r'(\w+)\(\w+\) = "(.*)"$', line)
        if match:
            names[match.group(1)] = match.group(2)
    return names.get("_NET_WM_NAME"), names.get("WM_NAME")


def window_captioned(prefix, besides=(), seconds=5):
    """A shown window of the program whose either caption starts with prefix."""
    def probe():
        for window in windows_of_program():
            if window not in besides and any(c and c.startswith(prefix) for c in captions(window)):
                return window
    return poll(probe, seconds)


def outer_geometry(window):
    """The window with the frame the window manager put round it, in screen coordinates."""
    info = run("xwininfo", "-id", window)
    value = lambda key: int(re.search(key + r":\s+(-?\d+)", info).group(1))
    x, y = value("Absolute upper-left X"), value("Absolute upper-left Y")
    w, h = value("Width"), value("Height")
    frame = re.search(r"= (\d+), (\d+), (\d+), (\d+)", run("xprop", "-id", window, "_NET_FRAME_EXTENTS"))
    left, right, top, bottom = map(int, frame.groups()) if frame else (0, 0, 0, 0)
    return (x - left, y - top, w + left + right, h + top + bottom)


def expect_captions(window, wanted, what):
    net, plain = captions(window) if window else (None, None)
    expect(net == wanted, f"{what}: _NET_WM_NAME is {wanted!r} (is {net!r})")
    expect(plain == wanted, f"{what}: WM_NAME is {wanted!r} (is {plain!r})")


def activate(window):
    run("xdotool", "windowactivate", "--sync", window)


def keys(*names):
    run("xdotool", "key", "--clearmodifiers", "--delay", "80", *names, timeout=20)
    time.sleep(0.2)


def type_text(text):
    run("xdotool", "type", "--clearmodifiers", "--delay", "80", text, timeout=20)


def mouse(*args):
    run("xdotool", *[str(a) for a in args])


def primary():
    return run("xclip", "-o", "-selection", "primary", timeout=3)


def own_primary(text):
    """An xclip holding the primary selection in the foreground, to be ended by its handle."""
    owner = subprocess.Popen(["xclip", "-quiet", "-selection", "primary", "-i"],
                             stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    owner.stdin.write(text.encode())
    owner.stdin.close()
    return owner


def tab_to(root, role, name, limit=20):
    for _ in range(limit):
        node = focused(root)
        if node is not None and node.getRole() == role and node.name == name:
            return True
        keys("Tab")
    return False


def restore_from_maximised():
    """A double click on the title bar, as a person restores a window under openbox."""
    print("# restored from maximised")
    before = outer_geometry(main_window)
    x, y, w, h = before
    top = re.search(r"= (\d+), (\d+), (\d+), (\d+)",
                    run("xprop", "-id", main_window, "_NET_FRAME_EXTENTS"))
    title = int(top.group(3)) if top else 20
    mouse("mousemove", "--sync", x + w // 2, y + title // 2)
    mouse("click", "--repeat", 2, "--delay", 80, 1)
    after = poll(lambda: outer_geometry(main_window) != before and outer_geometry(main_window), 5)
    expect(after and after[2] < width and after[3] < height,
           f"a double click on the title bar restores the window to {after} (was {before})")
    if not after:
        return
    expect(inside(after, screen), f"the restored window {after} lies on the screen")
    expect_restored_strips(checks, main, extents(main))


app = find_app()
main = find(app, FRAME, MAIN_CAPTION, seconds=20) if app else None
if not expect(main is not None, f"main window {MAIN_CAPTION!r} on the accessibility bus"):
    checks.finish()
main_window = window_captioned(MAIN_CAPTION)
expect(main_window is not None, "main window shown on the X server")

print(f"# {width}x{height} at scale {scale}: captions, and the main window on the screen")
expect_captions(main_window, MAIN_CAPTION, "main window")
if main_window:
    outer = outer_geometry(main_window)
    expect(inside(outer, screen), f"main window with its frame {outer} fits the screen {screen}")
for role, name, prefix in STRIP_CONTROLS:
    node = strip_control(main, role, name, prefix)
    box = extents(node) if node else None
    expect(box is not None and inside(box, logical_screen),
           f"strip control {describe(role, name, prefix)} {box} lies on the screen")

print("# Help, About by keys")
activate(main_window)
keys("alt+h", "a")
about = window_captioned(MAIN_CAPTION, besides=(main_window,))
expect(about is not None, "Alt+H, A opens the about window")
if about:
    expect_captions(about, MAIN_CAPTION, "about window")
    keys("Return")
    expect(poll(lambda: about not in windows_of_program(), 5), "Enter closes the about window")

# Keys that move each list down from its first entry, the entries they reach, and the reading.
READINGS = [
    ("ADA", (0, 0, 0), ("4am-6am", "1", "January"), ("Capricorn", "Capricorn", "The Crocodile")),
    ("LIN", (2, 4, 3), ("midnight-2am", "5", "April"), ("Aries", "Aquarius", "The Water Carrier")),
]
LISTS = ("Time Of Birth:-", "Date", "Month")


def reading_by_keys(name, downs, entries, signs, empty_name_first):
    activate(main_window)
    expect(tab_to(main, BUTTON, "Zodiac Rising Sign"), "Tab reaches 'Zodiac Rising Sign'")
    keys("space")
    name_box = find(main, TEXT, "Name:-")
    if not expect(name_box is not None, "Space opens the birth details with the name box"):
        return False
    if empty_name_first:
        keys("alt+r")
        box = window_captioned(MESSAGE_CAPTION, besides=(main_window,))
        expect(find(app, LABEL, "Please Enter Your Name !", seconds=3) is not None,
               "Alt+R with no name asks for the name")
        expect_captions(box, MESSAGE_CAPTION, "message box")
        keys("Return")
        expect(poll(lambda: box not in windows_of_program(), 5), "Enter closes the message box")
    type_text(name)
    for count in downs:
        keys("Tab", *["Down"] * count)
    for label, entry in zip(LISTS, entries):
        combo = find_labelled(main, COMBO_BOX, label, seconds=2)
        expect(combo is not None and combo.name == entry,
               f"the list {label!r} shows {entry!r} (shows {combo.name if combo else None!r})")
    keys("alt+r")
    result = rising_result(main)
    found = result and result_values(result)
    sun, rising, symbol = signs
    expect(found == {"Your Sun Sign": sun, "Your Rising Sign": rising, "Your Symbol": symbol},
           f"{name}, {entries}: Alt+R shows sun {sun}, rising {rising}, {symbol} (shows {found})")
    expect_sign_in_work_area(checks, main, f"{name}: the result opens at its top")
    return result is not None


def selection_length(box):
    text = box.queryText()
    return sum(end - start for start, end in
               (text.getSelection(i) for i in range(text.getNSelections())))


print("# a whole reading by keys; Exit; the menus after it")
first = READINGS[0]
if reading_by_keys(*first, empty_name_first=True):
    result = rising_result(main, seconds=2)
    exit_button = find(result, BUTTON, "Exit", seconds=2)
    if exit_button:
        press(exit_button)
    expect(gone(main, LABEL, "Your Rising Sign"), "the result's Exit closes the result")
    items = poll(lambda: {"File", "Help"} <= set(menu_bar_items(main)) and menu_bar_items(main), 2)
    expect(items, f"after Exit the menu bar holds File and Help (holds {menu_bar_items(main)})")
    activate(main_window)
    keys("alt+h")
    expect(help_menu_open(app), "after Exit Alt+H opens the Help menu")
    # The first Escape closes the menu and leaves the bar active, the second leaves the bar.
    keys("Escape", "Escape")

print("# the primary selection, and Alt+E in the result")
second = READINGS[1]
if reading_by_keys(*second, empty_name_first=False):
    box = find(main, TEXT, "Your Looks", seconds=3)
    where = extents(box) if box else None
    if expect(where is not None and inside(where, logical_screen),
              f"topic box 'Your Looks' {where} on the screen"):
        x, y, w, h = (round(v * scale) for v in where)
        # First line, first word; then across the lines from its start to near the end.
        def double_click():
            mouse("mousemove", "--sync", x + 10, y + 9)
            mouse("click", "--repeat", 2, "--delay", 80, 1)

        def drag():
            mouse("mousemove", "--sync", x + 4, y + 9)
            mouse("mousedown", 1)
            for step in range(1, 11):
                mouse("mousemove", "--sync", x + 4 + (w - 30) * step // 10, y + 9 + (h - 20) * step // 10)
                time.sleep(0.03)
            mouse("mouseup", 1)

        for gesture, least in ((double_click, 2), (drag, 40)):
            box.queryText().removeSelection(0)  # so only this gesture's selection counts
            known = f"orbis primary {gesture.__name__} {os.getpid()}"
            owner = own_primary(known)
            try:
                expect(poll(lambda: primary() == known, 3), f"{gesture.__name__}: primary holds a known text")
                gesture()
                length = poll(lambda: selection_length(box) >= least and selection_length(box), 2)
                expect(length, f"{gesture.__name__} over the text selects it ({length or 0} characters)")
                time.sleep(0.3)
                held = primary()
                expect(held == known, f"{gesture.__name__}: the primary selection keeps its text (holds {held!r})")
            finally:
                owner.kill()
                owner.wait()

    # Alt+E belongs to the reading window on screen; the main window's Exit answers it only
    # once no reading window is left.
    activate(main_window)
    keys("alt+e")
    expect(gone(main, LABEL, "Your Rising Sign", seconds=3), "Alt+E in the result closes it")
    time.sleep(1.5)
    expect(alive(pid) and find(main, FRAME, MAIN_CAPTION, seconds=2) is not None,
           "after Alt+E in the result the program runs on with its main window")
    restore_from_maximised()
    activate(main_window)
    keys("alt+e")
    expect(poll(lambda: not alive(pid), 5), "with no reading window left, Alt+E ends the program")

checks.finish()
