#!/usr/bin/env python3
"""Reads Rollwell's main window through the desktop's accessibility bus, as a
screen reader does, and reports what a player with one would trip over:
controls without a name, actions on controls that are hidden or disabled,
and a name listed twice. Prints one line per finding; exits 1 if any."""
import sys
import time

import pyatspi

SILENT_ROLES = {
    pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL, pyatspi.ROLE_SEPARATOR, pyatspi.ROLE_MENU_BAR,
    pyatspi.ROLE_TOOL_BAR, pyatspi.ROLE_STATUS_BAR, pyatspi.ROLE_FRAME, pyatspi.ROLE_APPLICATION,
    pyatspi.ROLE_SCROLL_PANE, pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_WINDOW,
}


def find_window(title_start, timeout=20.0):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None:
                continue
            for win in app:
                if win is not None and (win.name or "").startswith(title_start):
                    return win
        time.sleep(0.5)
    return None


def walk(node, depth=0):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def main():
    win = find_window("Rollwell")
    if win is None:
        print("no Rollwell window on the accessibility bus")
        return 1
    findings, names, count = [], {}, 0
    for node in walk(win):
        count += 1
        states = node.getState()
        showing = states.contains(pyatspi.STATE_SHOWING)
        role = node.getRole()
        # The items of a closed menu are neither showing nor visible, yet they
        # act once it opens: menus are left out of this check.
        in_menu = role in (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_MENU)
        usable = in_menu or (states.contains(pyatspi.STATE_SENSITIVE) and showing)
        try:
            actions = node.queryAction()
            n_actions = actions.nActions
        except NotImplementedError:
            n_actions = 0
        label = f"{node.getRoleName()} '{node.name}'"
        if n_actions and not usable:
            findings.append(f"dead action on hidden or disabled {label}")
        if showing and role not in SILENT_ROLES:
            if not node.name.strip():
                findings.append(f"no name: {node.getRoleName()}")
            elif role != pyatspi.ROLE_MENU_ITEM:
                names[node.name] = names.get(node.name, 0) + 1
    for name, times in names.items():
        if times > 1:
            findings.append(f"listed {times} times: '{name}'")
    for f in findings:
        print(f)
    print(f"{count} objects read, {len(findings)} findings")
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main())
