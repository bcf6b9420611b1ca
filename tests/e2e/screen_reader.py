#!/usr/bin/python3
"""Reads a program's window through the desktop's accessibility bus, as a screen reader does.

usage: screen_reader.py names CAPTION
           every control's role and name; fails on a control without a name or two of one name
       screen_reader.py prediction CAPTION COMMAND...
           runs the command (which presses 「次回予想」), waits for the picture to announce its
           change as a screen reader hears it, and reads the picture, its header and both
           candidate lists
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

STEP_SECONDS = 30
LISTS = ("高気圧型予想数字", "低気圧型予想数字")


def until(what, find):
    deadline = time.monotonic() + STEP_SECONDS
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: no {what} after {STEP_SECONDS} s")


def window(caption):
    def named():
        for app in pyatspi.Registry.getDesktop(0):
            for frame in app or []:
                if frame is not None and frame.name == caption:
                    return frame
        return None

    return until(f"window named '{caption}' on the accessibility bus", named)


def shown_controls(frame):
    """The showing objects below the window, depth first."""
    for child in frame:
        if child is None or not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        yield child
        yield from shown_controls(child)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def names(caption):
    controls = list(shown_controls(window(caption)))
    seen = {}
    for control in controls:
        print(f"{control.getRoleName()}\t{control.name}")
        seen.setdefault(control.name, []).append(control.getRoleName())
    faults = [f"{len(roles)} controls named '{name}'" for name, roles in seen.items() if len(roles) > 1]
    faults += ["a control without a name"] * len(seen.get("", []))
    if len(controls) < 20:
        faults.append(f"only {len(controls)} controls")
    if faults:
        sys.exit("FAIL: " + "; ".join(faults))
    print(f"ok   {len(controls)} controls, every name its own")


def announced_changes(command):
    """The picture's change events that the command brings about, as the bus hands them on."""
    heard = []

    def listener(event):
        if event.source is not None and event.source.getRoleName() == "label":
            heard.append(event.type)
            if any(kind.startswith("object:text-changed") for kind in heard):
                pyatspi.Registry.stop()

    pyatspi.Registry.registerEventListener(
        listener, "object:property-change:accessible-name", "object:text-changed"
    )
    # The program learns of a new listener through the bus before it sends it anything.
    GLib.timeout_add(500, lambda: subprocess.run(command, check=True) and False)
    GLib.timeout_add_seconds(STEP_SECONDS, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    return heard


def prediction(caption, command):
    frame = window(caption)
    heard = announced_changes(command)
    print("announced: " + ", ".join(sorted(set(str(kind) for kind in heard))))
    if not any(str(kind).startswith("object:text-changed") for kind in heard):
        sys.exit("FAIL: the picture announced no change of its text")

    def picture():
        for control in shown_controls(frame):
            if control.getRoleName() == "label" and "回予想" in control.name:
                return control
        return None

    shown = until("picture naming a prediction", picture)
    print(f"picture: {shown.name}")
    lines = text_of(shown).splitlines()
    for line in lines:
        print(f"    {line}")
    faults = []
    for name in LISTS:
        boxes = [c for c in shown_controls(frame) if c.name == name]
        listed = text_of(boxes[0]).strip() if boxes else ""
        print(f"{name}: {listed}")
        if len(listed.split(",")) < 12:
            faults.append(f"the box '{name}' reads '{listed}'")
        if f"{name}: {listed}" not in lines:
            faults.append(f"the picture's text lacks '{name}: {listed}'")
    if faults:
        sys.exit("FAIL: " + "; ".join(faults))
    print("ok   the header and both lists read")


if __name__ == "__main__":
    if sys.argv[1] == "names":
        names(sys.argv[2])
    else:
        prediction(sys.argv[2], sys.argv[3:])
