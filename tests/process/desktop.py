#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# What the desktop process tests share: finding and using the program's controls on the
# accessibility bus as a screen reader would, and counting checks.
# Finders wait a while and give None rather than end the run, so one missing window costs its
# own checks and the rest still report.
import os
import re
import time

import pyatspi
from gi.repository import Atspi

# The program's identity as the build made it (identity.sh, exported by harness.sh).
PROGRAM = os.environ["ORBIS_EXECUTABLE"]
MAIN_CAPTION = os.environ["ORBIS_CAPTION"]
MESSAGE_CAPTION = os.environ["ORBIS_TITLE"]

# Roles by their constants: their names change between AT-SPI releases ("push button" became
# "button" in 2.56).
FRAME = pyatspi.ROLE_FRAME
BUTTON = pyatspi.ROLE_PUSH_BUTTON
LABEL = pyatspi.ROLE_LABEL
TEXT = pyatspi.ROLE_TEXT
COMBO_BOX = pyatspi.ROLE_COMBO_BOX
MENU_BAR = pyatspi.ROLE_MENU_BAR
MENU_ITEM = pyatspi.ROLE_MENU_ITEM
IMAGE = pyatspi.ROLE_IMAGE


def exact_title(title):
    """An xdotool search pattern that matches this window title and no other."""
    return "^" + re.sub(r"[][\\.*+?(){}|^$]", r"\\\g<0>", title) + "$"


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:  # the node went away with its window
        return False


def walk(node):
    yield node
    try:
        children = list(node)
    except Exception:
        return
    for child in children:
        if child is not None:
            yield from walk(child)


def poll(probe, seconds):
    """probe() until it gives something true, for up to seconds; None when it never does."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            result = probe()
        except Exception:  # windows close while they are walked
            result = None
        if result:
            return result
        if time.monotonic() >= deadline:
            return None
        time.sleep(0.1)


def find_app(name=PROGRAM, seconds=20):
    def probe():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
    return poll(probe, seconds)


def matching(root, role, name=None, prefix=None):
    """Every showing node under root with this role and name (or name prefix)."""
    found = []
    for node in walk(root):
        try:
            if node.getRole() != role or not showing(node):
                continue
            if name is not None and node.name != name:
                continue
            if prefix is not None and not node.name.startswith(prefix):
                continue
        except Exception:
            continue
        found.append(node)
    return found


def find(root, role, name=None, prefix=None, seconds=10):
    if root is None:
        return None
    return poll(lambda: (matching(root, role, name, prefix) or [None])[0], seconds)


def gone(root, role, name, seconds=5):
    """True once no showing node of that role and name is left."""
    return bool(poll(lambda: not matching(root, role, name), seconds))


def labels_of(node):
    """What a screen reader announces a control by: its name and the labels that label it."""
    names = {node.name}
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names.update(relation.getTarget(i).name for i in range(relation.getNTargets()))
    return names


def find_labelled(root, role, label, seconds=10):
    if root is None:
        return None
    return poll(lambda: next((n for n in matching(root, role) if label in labels_of(n)), None),
                seconds)


def focused(root):
    for node in walk(root):
        try:
            if node.getState().contains(pyatspi.STATE_FOCUSED):
                return node
        except Exception:
            pass
    return None


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click"):
            action.doAction(i)
            return
    action.doAction(0)


def extents(node):
    """(x, y, width, height): screen coordinates on X11, relative to the window on Wayland."""
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (box.x, box.y, box.width, box.height)


def inside(inner, outer):
    x, y, w, h = inner
    ox, oy, ow, oh = outer
    return w > 0 and h > 0 and x >= ox and y >= oy and x + w <= ox + ow and y + h <= oy + oh


def text_of(node):
    return node.queryText().getText(0, -1)


def menu_bar_items(frame):
    """Names of the items on the frame's own menu bar (not those of its popups)."""
    for child in frame:
        if child is not None and child.getRole() == MENU_BAR:
            return [item.name for item in child if item is not None]
    return []


def help_menu_open(app, seconds=3):
    """A showing popup with About Software in it: the Help menu is open."""
    return find(app, MENU_ITEM, "About Software", seconds=seconds) is not None


# The main window's strips, by the role and name (or name prefix) a screen reader gives them.
STRIP_CONTROLS = [
    (BUTTON, "Zodiac Rising Sign", None),
    (BUTTON, "Descendant Astrology", None),
    (BUTTON, "Midheaven Astrology", None),
    (LABEL, None, "Home Business Opportunity"),
    (BUTTON, "Exit", None),
]


def strip_control(main, role, name, prefix):
    # At start the main window's bottom strip holds the only Exit and offer label on show.
    return find(main, role, name, prefix, seconds=3)


def describe(role, name, prefix):
    role = Atspi.role_get_name(role)
    return f"{role} {name!r}" if name is not None else f"{role} {prefix + '…'!r}"


def window_of(node):
    """The frame a control sits in."""
    while node is not None and node.getRole() != FRAME:
        node = node.parent
    return node


def rising_result(main, seconds=5):
    """The rising sign result's frame, found by its caption label: a child window that does not
    fit the MDI area reads as not showing, its controls still do."""
    caption = find(main, LABEL, "Your Rising Sign", seconds=seconds)
    return window_of(caption) if caption is not None else None


def result_values(main):
    """Sun sign, rising sign and symbol as the rising sign result reads them."""
    values = {}
    for node in matching(main, LABEL):
        if node.description in ("Your Sun Sign", "Your Rising Sign", "Your Symbol"):
            values[node.description] = node.name
    return values


def work_area(main):
    """The room between the strips where reading windows open, as far as it is on screen."""
    return next((n for n in walk(main) if n.getRole() == pyatspi.ROLE_LAYERED_PANE
                 and showing(n)), None)


def rising_sign_name(main):
    """The value label that names the rising sign in a result."""
    return next((n for n in walk(main) if n.getRole() == LABEL
                 and n.description == "Your Rising Sign" and showing(n)), None)


def expect_sign_in_work_area(checks, main, what):
    """The answer is in view: the rising sign's name lies inside the visible work area."""
    area = poll(lambda: work_area(main), 3)
    sign = poll(lambda: rising_sign_name(main), 3)
    room = extents(area) if area else None
    place = extents(sign) if sign else None
    checks.expect(room and place and inside(place, room),
                  f"{what}: the rising sign {sign.name if sign else None!r} {place} lies inside "
                  f"the work area {room}")


def reading_buttons_and_exit(main):
    """The main window's three reading buttons and its Exit, wherever they are."""
    names = ("Zodiac Rising Sign", "Descendant Astrology", "Midheaven Astrology", "Exit")
    return [n for n in walk(main) if n.getRole() == BUTTON
            and n.name in names and showing(n)]


def expect_restored_strips(checks, main, frame):
    """Restored from maximised, the three reading buttons and Exit are shown inside the window."""
    buttons = poll(lambda: len(reading_buttons_and_exit(main)) == 4 and reading_buttons_and_exit(main), 3) or []
    for button in buttons:
        box = extents(button)
        checks.expect(inside(box, frame), f"restored: {button.name!r} {box} lies inside the window {frame}")
    checks.expect(len(buttons) == 4, f"restored: the three reading buttons and Exit are shown ({len(buttons)})")


def alive(pid):
    try:
        os.kill(pid, 0)
    except OSError:
        return False
    # A dead child not yet reaped by the shell still answers kill 0.
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().split(")")[-1].split()[0] != "Z"
    except OSError:
        return False


class Checks:
    def __init__(self):
        self.passed = 0
        self.failures = []

    def expect(self, condition, what):
        condition = bool(condition)
        print(("ok   " if condition else "FAIL ") + what, flush=True)
        if condition:
            self.passed += 1
        else:
            self.failures.append(what)
        return condition

    def finish(self):
        print(f"{self.passed} passed, {len(self.failures)} failed", flush=True)
        raise SystemExit(1 if self.failures else 0)
