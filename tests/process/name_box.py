#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# The name box of the real program, used as a person and as assistive tools would: keys with Alt
# or Meta type nothing while access keys still work, a refused text dropped from another program
# is refused to that program too, and text put in through the accessibility bus meets the same
# filter as typed text. On Wayland nothing outside the program can send keys or drags: there the
# accessibility bus alone. Roles are compared by their pyatspi constants.
# Usage: name_box.py x11|wayland DRAG_SOURCE   (started by name_box.sh inside its session)
import os
import select
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (MAIN_CAPTION, Checks, exact_title, extents, find_app, poll, press, showing,
                     walk)

x11, drag_source = sys.argv[1] == "x11", sys.argv[2]
checks = Checks()
expect = checks.expect
REFUSED = "Please Enter Only Alphabet !"
REFUSED_TEXTS = ("abc123 \u00fc-x", "John 3", "ab-cd")


def run(*args, timeout=10):
    try:
        return subprocess.run(args, capture_output=True, text=True, timeout=timeout).stdout
    except subprocess.TimeoutExpired:
        return ""


def keys(*names):
    run("xdotool", "key", "--clearmodifiers", "--delay", "80", *names, timeout=20)
    time.sleep(0.3)


def node(root, role, name, seconds=10):
    """The first showing node under root with this role and name, waiting up to seconds."""
    def probe():
        for candidate in walk(root):
            try:
                if candidate.getRole() == role and candidate.name == name and showing(candidate):
                    return candidate
            except Exception:  # gone with its window
                continue
    return poll(probe, seconds) if root is not None else None


def refusal(seconds=0):
    return node(app, pyatspi.ROLE_LABEL, REFUSED, seconds)


def answer_refusal(what):
    """The refusal must have come; it is closed with its OK button."""
    label = refusal(seconds=5)
    if not expect(label is not None, f"{what}: {REFUSED!r} is shown"):
        return
    box = label
    while box is not None and box.getRole() not in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG):
        box = box.parent
    ok = node(box, pyatspi.ROLE_PUSH_BUTTON, "OK", seconds=2)
    if ok is not None:
        press(ok)
    expect(poll(lambda: refusal() is None, 5), f"{what}: OK closes the message")


def main_window_id():
    found = run("xdotool", "search", "--onlyvisible", "--name", exact_title(MAIN_CAPTION)).split()
    return found[0] if found else None


def name_text():
    return name.queryText().getText(0, -1)


def drop(text, *path):
    """Drags text from another program along path, lets go at its end; what that program was
    answered."""
    source = subprocess.Popen([drag_source, text, "1000", "880"], stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, text=True)
    try:
        window = run("xdotool", "search", "--sync", "--onlyvisible", "--name",
                     "^drag source$").split()
        if not window:
            return "no drag source window"
        geometry = dict(line.split("=") for line in
                        run("xdotool", "getwindowgeometry", "--shell", window[0]).split())
        x, y = int(geometry["X"]) + 40, int(geometry["Y"]) + 40
        run("xdotool", "mousemove", "--sync", str(x), str(y), "mousedown", "1")
        time.sleep(0.3)
        for to_x, to_y in path:
            for step in range(1, 11):
                run("xdotool", "mousemove", "--sync", str(x + (to_x - x) * step // 10),
                    str(y + (to_y - y) * step // 10))
                time.sleep(0.05)
            x, y = to_x, to_y
        time.sleep(0.3)
        run("xdotool", "mouseup", "1")
        answered, _, _ = select.select([source.stdout], [], [], 10)
        answer = source.stdout.readline().strip() if answered else "no answer"
        time.sleep(1)  # the drop target fetches the text from the source
        return answer
    finally:
        source.kill()
        source.wait()


app = find_app()
main = node(app, pyatspi.ROLE_FRAME, MAIN_CAPTION)
if not expect(main is not None, f"main window {MAIN_CAPTION!r} on the accessibility bus"):
    checks.finish()
option = node(main, pyatspi.ROLE_PUSH_BUTTON, "Zodiac Rising Sign")
if option is not None:
    press(option)
name = node(main, pyatspi.ROLE_TEXT, "Name:-")
if not expect(name is not None, "the rising sign reading opens with its name box"):
    checks.finish()

if x11:
    print("# keys with Alt or Meta type nothing")
    run("xdotool", "windowactivate", "--sync", main_window_id() or "")
    name.queryComponent().grabFocus()
    keys("a", "b")
    expect(poll(lambda: name_text() == "AB", 3), f"a, b type AB (reads {name_text()!r})")
    # M and Q are no access key of this window; Alt+Space and Alt+F4 belong to the window manager.
    for combo in ("alt+m", "alt+q", "alt+shift+m", "super+m", "super+q"):
        keys(combo)
        expect(name_text() == "AB" and refusal() is None,
               f"{combo} types nothing and asks nothing (reads {name_text()!r})")
else:
    name.queryEditableText().setTextContents("AB")

print("# text put in through the accessibility bus")
editable = name.queryEditableText()
for text in REFUSED_TEXTS[:2]:
    editable.insertText(2, text, len(text))
    answer_refusal(f"insertText {text!r}")
    expect(name_text() == "AB", f"insertText {text!r} leaves AB (reads {name_text()!r})")
    editable.setTextContents(text)
    answer_refusal(f"setTextContents {text!r}")
    expect(name_text() == "AB", f"setTextContents {text!r} leaves AB (reads {name_text()!r})")
editable.setTextContents("mary")
expect(poll(lambda: name_text() == "MARY", 3),
       f"setTextContents 'mary' reads MARY (reads {name_text()!r})")
editable.insertText(4, " ann", 4)
expect(poll(lambda: name_text() == "MARY ANN", 3),
       f"insertText ' ann' reads MARY ANN (reads {name_text()!r})")
expect(refusal() is None, "accepted text asks nothing")
editable.setTextContents("MARY")

if x11:
    print("# text dropped from another program")
    x, y, w, h = extents(name)
    end_of_box = (x + w - 6, y + h // 2)
    for text in REFUSED_TEXTS[1:]:
        answer = drop(text, end_of_box)
        expect(answer == "ignore",
               f"a drop of {text!r} is refused to its source (it was told {answer!r})")
        answer_refusal(f"drop {text!r}")
        expect(name_text() == "MARY", f"a drop of {text!r} leaves MARY (reads {name_text()!r})")
    # Over the box and on: let go elsewhere, it is nothing the box need answer.
    answer = drop(REFUSED_TEXTS[1], end_of_box, (x + w // 2, y + 6 * h))
    expect(answer == "ignore",
           f"a refused drag carried on past the box is dropped nowhere (told {answer!r})")
    time.sleep(0.5)
    expect(refusal() is None and name_text() == "MARY",
           "a refused drag carried on past the box asks nothing")
    answer = drop("ann", end_of_box)
    expect(answer in ("move", "copy"),
           f"a drop of 'ann' is taken (its source was told {answer!r})")
    expect(poll(lambda: name_text() == "MARYANN", 3),
           f"a drop of 'ann' reads MARYANN (reads {name_text()!r})")
    expect(refusal() is None, "a drop taken asks nothing")

    print("# access keys still work")
    run("xdotool", "windowactivate", "--sync", main_window_id() or "")
    name.queryComponent().grabFocus()
    keys("alt+r")
    expect(node(main, pyatspi.ROLE_LABEL, "Your Rising Sign", seconds=5) is not None,
           "Alt+R proceeds to the rising sign result")

checks.finish()
