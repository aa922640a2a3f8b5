#!/usr/bin/python3
# Reads the running program through the accessibility bus as a screen reader would, and uses it:
# opens a reading, types a name, proceeds, and reads the result.
import sys
import time

import pyatspi

def find_app(name, seconds=20):
    for _ in range(seconds * 10):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    sys.exit(f"FAIL: application {name!r} not on the accessibility bus")

def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)

def find(root, role, name, seconds=10):
    for _ in range(seconds * 10):
        for node in walk(root):
            if node.getRoleName() == role and node.name == name and \
                    node.getState().contains(pyatspi.STATE_SHOWING):
                return node
        time.sleep(0.1)
    sys.exit(f"FAIL: no showing {role} named {name!r}")

def labels_of(node):
    """What a screen reader announces a control by: its name and the labels that label it."""
    names = {node.name}
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names.update(relation.getTarget(i).name for i in range(relation.getNTargets()))
    return names

def find_labelled(root, role, label, seconds=10):
    for _ in range(seconds * 10):
        for node in walk(root):
            if node.getRoleName() == role and label in labels_of(node) and \
                    node.getState().contains(pyatspi.STATE_SHOWING):
                return node
        time.sleep(0.1)
    sys.exit(f"FAIL: no showing {role} labelled {label!r}")

def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click"):
            action.doAction(i)
            return
    action.doAction(0)

failures = []
checks = 0
def expect(condition, what):
    global checks
    checks += 1
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)

app = find_app("OrbisFreeTessary")
main = find(app, "frame", "Orbis Tessary v1.20")
for caption in ("Zodiac Rising Sign", "Descendant Astrology", "Midheaven Astrology"):
    find(main, "push button", caption)
expect(True, "main window: the three option buttons are named")

# Every focusable control of the main window has a name.
unnamed = [n.getRoleName() for n in walk(main)
           if n.getState().contains(pyatspi.STATE_FOCUSABLE) and not n.name]
expect(not unnamed, f"main window: every focusable control is named {unnamed}")

press(find(main, "push button", "Zodiac Rising Sign"))
name = find(main, "text", "Name:-")
for label in ("Time Of Birth:-", "Date", "Month", "Year"):
    expect(find_labelled(main, "combo box", label) is not None,
           f"birth details: the list labelled {label!r}")
name.queryEditableText().setTextContents("ADA")
press(find(main, "push button", "Find My Zodiac Rising Sign"))

# 1 January at 4am-6am: sun sign Capricorn, rising sign Capricorn; both values and the picture.
find(main, "label", "Your Rising Sign")
capricorn = [n for n in walk(main) if n.name == "Capricorn" and
             n.getState().contains(pyatspi.STATE_SHOWING)]
expect(len(capricorn) >= 3, "result: sun sign, rising sign and the picture read as Capricorn")
described = {n.description for n in capricorn}
expect({"Your Rising Sign", "Your Sun Sign"} <= described, "result: each value carries its caption")
symbol = [n for n in walk(main) if n.name == "The Crocodile"]
expect(bool(symbol) and symbol[0].description == "Your Symbol", "result: the symbol reads 'The Crocodile'")
for caption in ("Your Looks", "Your Nature", "Your Health", "Your Career and Finance",
                "Your Love and Domestic Life"):
    box = find(main, "text", caption)
    expect(len(box.queryText().getText(0, -1)) > 80, f"result: topic box {caption!r} reads its text")
unnamed = [n.getRoleName() for n in walk(main)
           if n.getState().contains(pyatspi.STATE_FOCUSABLE) and
           n.getState().contains(pyatspi.STATE_SHOWING) and not n.name]
expect(not unnamed, f"result: every focusable control is named {unnamed}")

print(f"{checks - len(failures)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
