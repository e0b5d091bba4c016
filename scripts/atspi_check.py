#!/usr/bin/env python3
"""Reads Rollwell's main window through the desktop's accessibility bus, as a
screen reader does, and reports what a player with one would trip over:
controls without a name, actions on controls that are hidden or disabled,
and a name listed twice. Each menu is opened and read while it is open.
Prints one line per finding; exits 1 if any."""
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


def actions_of(node):
    try:
        return node.queryAction()
    except NotImplementedError:
        return None


def read(root, findings, names):
    """Reads the tree under root; returns how many objects it read."""
    count = 0
    for node in walk(root):
        count += 1
        states = node.getState()
        showing = states.contains(pyatspi.STATE_SHOWING)
        usable = states.contains(pyatspi.STATE_SENSITIVE) and showing
        role = node.getRole()
        actions = actions_of(node)
        n_actions = actions.nActions if actions else 0
        label = f"{node.getRoleName()} '{node.name}'"
        if n_actions and not usable:
            findings.append(f"dead action on hidden or disabled {label}")
        if role == pyatspi.ROLE_MENU_ITEM and usable and not n_actions:
            findings.append(f"no action on shown, enabled {label}")
        if showing and role not in SILENT_ROLES:
            if not node.name.strip():
                findings.append(f"no name: {node.getRoleName()}")
            elif role != pyatspi.ROLE_MENU_ITEM and names is not None:
                names[node.name] = names.get(node.name, 0) + 1
    return count


def read_menus(win, findings):
    """Opens each menu of the menu bar in turn and reads it while it is open:
    its shown, enabled items act, the others do not. Returns the number of
    items that were read in an open menu."""
    bar = next((n for n in walk(win) if n.getRole() == pyatspi.ROLE_MENU_BAR), None)
    if bar is None:
        findings.append("no menu bar")
        return 0
    read_in_open = 0
    for item in list(bar):
        actions = actions_of(item)
        if actions is None or actions.nActions == 0:
            continue
        actions.doAction(0)
        time.sleep(0.7)
        popup = item[0] if item.childCount else None
        if popup is None or not popup.getState().contains(pyatspi.STATE_SHOWING):
            findings.append(f"menu '{item.name}' did not open")
            continue
        read_in_open += sum(1 for n in popup if n is not None and
                            n.getState().contains(pyatspi.STATE_SHOWING))
        read(popup, findings, None)
        actions.doAction(0)
        time.sleep(0.3)
    return read_in_open


def main():
    win = find_window("Rollwell")
    if win is None:
        print("no Rollwell window on the accessibility bus")
        return 1
    findings, names = [], {}
    count = read(win, findings, names)
    for name, times in names.items():
        if times > 1:
            findings.append(f"listed {times} times: '{name}'")
    in_menus = read_menus(win, findings)
    if in_menus == 0:
        findings.append("no menu item read in an open menu")
    for f in findings:
        print(f)
    print(f"{count} objects read, {in_menus} items in open menus, {len(findings)} findings")
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main())
