#!/usr/bin/env python3
"""Walks the AT-SPI tree of the program's windows and fails on an actionable control without
a role and a name, or a window without a name.

    a11y_walk.py APP_PID [LABEL]      prints a summary line; exit 1 on a fault, 2 when the
                                      program is not on the accessibility bus.
    a11y_walk.py APP_PID --focused    prints the role and name of the control with the focus.
"""
import sys

import pyatspi

ACTIONABLE = {
    pyatspi.ROLE_PUSH_BUTTON: "push button",
    pyatspi.ROLE_RADIO_BUTTON: "radio button",
    pyatspi.ROLE_CHECK_BOX: "check box",
    pyatspi.ROLE_TEXT: "text",
    pyatspi.ROLE_ENTRY: "text",
    pyatspi.ROLE_PASSWORD_TEXT: "text",
}
WINDOWS = {pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW, pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT}


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def showing(node):
    states = node.getState()
    return states.contains(pyatspi.STATE_SHOWING) or states.contains(pyatspi.STATE_VISIBLE)


def focused(node, depth=0):
    if depth > 40:
        return None
    if node.getState().contains(pyatspi.STATE_FOCUSED) and depth > 0:
        return node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        found = focused(child, depth + 1) if child is not None else None
        if found is not None:
            return found
    return None


def walk(node, window, faults, counts, depth=0):
    if depth > 40:
        return
    role = node.getRole()
    name = (node.name or "").strip()
    if role in WINDOWS and depth > 0:
        window = name or "(unnamed window)"
        if showing(node) and not name:
            faults.append("%s: an inner window with no name" % window)
    elif role in ACTIONABLE and showing(node):
        counts["controls"] += 1
        kind = ACTIONABLE[role]
        counts[kind] = counts.get(kind, 0) + 1
        # A text field may take its name from a label beside it; the rest name themselves.
        if not name:
            faults.append("%s: a %s with no name" % (window, kind))
    elif role in (pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_INVALID) and showing(node):
        if node.getState().contains(pyatspi.STATE_FOCUSABLE):
            faults.append("%s: a focusable control with no role (%r)" % (window, name))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, window, faults, counts, depth + 1)


def main():
    pid = int(sys.argv[1])
    label = sys.argv[2] if len(sys.argv) > 2 else "screen"
    app = application(pid)
    if app is None:
        print("  %s: the program is not on the accessibility bus" % label)
        return 2
    tops = [app.getChildAtIndex(i) for i in range(app.childCount)]
    tops = [top for top in tops if top is not None and showing(top)]
    if label == "--focused":
        found = [f for f in (focused(top) for top in tops) if f is not None]
        print("%s: %s" % (found[0].getRoleName(), found[0].name) if found else "nothing")
        return 0
    faults, counts = [], {"windows": 0, "controls": 0}
    titles = []
    # Each top-level object is a window, whatever role Qt gives it.
    for top in tops:
        counts["windows"] += 1
        titles.append(top.name or "?")
        if not (top.name or "").strip():
            faults.append("a window with no name (%s)" % top.getRoleName())
        walk(top, top.name or "(unnamed window)", faults, counts)
    kinds = ", ".join("%d %s" % (n, k) for k, n in sorted(counts.items())
                      if k not in ("windows", "controls"))
    print("  %s: %d windows (%s), %d controls (%s)" % (
        label, counts["windows"], " | ".join(titles), counts["controls"], kinds or "none"))
    for fault in faults:
        print("    fault: %s" % fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
