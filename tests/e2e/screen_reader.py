#!/usr/bin/python3
"""Reads a program's window through the desktop's accessibility bus, as a screen reader does.

usage: screen_reader.py names CAPTION       every control's role and name; fails on a control
                                            without a name or two of one name
       screen_reader.py prediction CAPTION  the picture, its header and both candidate lists once
                                            the picture names a prediction
"""
import sys
import time

import pyatspi

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


def prediction(caption):
    frame = window(caption)

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
    {"names": names, "prediction": prediction}[sys.argv[1]](sys.argv[2])
