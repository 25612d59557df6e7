#!/usr/bin/python3
"""Walks the window of a running dorarive on the AT-SPI accessibility bus the way a screen
reader does: reads the tree, then changes inputs through the bus (a field's text, a check box,
the Units dialog) and listens for the events a reader would speak from.

Run it through tests/a11y/walk-atspi, which starts the bus, a virtual X server and the program.
Exit status 0 when every check passes, 1 otherwise.
"""

import json
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

APP_NAME = "dorarive"
events = []
failures = []


def pump(seconds):
    """Lets the bus deliver events for a while."""
    end = time.time() + seconds
    context = GLib.MainContext.default()
    while time.time() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(what, predicate, seconds=10.0):
    end = time.time() + seconds
    while time.time() < end:
        result = predicate()
        if result:
            return result
        pump(0.1)
    failures.append("timed out waiting for " + what)
    return None


def check(what, ok, detail=""):
    print(("PASS  " if ok else "FAIL  ") + what + ("" if ok or not detail else "\n      " + detail))
    if not ok:
        failures.append(what)


def children(node):
    """The children as the application reports them now (a child may go while we ask)."""
    node.clearCache()
    kids = (node.getChildAtIndex(i) for i in range(node.childCount))
    return [child for child in kids if child is not None]


def role_and_name(node):
    return "%s %r" % (node.getRoleName(), node.name)


def find_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == APP_NAME:
            return app
    return None


def top_window(app, role):
    for window in children(app):
        if window.getRole() == role:
            return window
    return None


def find(node, role, name, exact=False):
    """The first node of the role whose name is (or starts with) name, depth first."""
    for child in children(node):
        if child.getRole() == role and (child.name == name if exact else child.name.startswith(name)):
            return child
        found = find(child, role, name, exact)
        if found:
            return found
    return None


def painted(window):
    """The painted texts: the window's children from the title heading on, as (role, name)."""
    try:
        kids = children(window)
        roles = [child.getRole() for child in kids]
        if pyatspi.ROLE_HEADING not in roles:
            return []
        first = len(roles) - 1 - roles[::-1].index(pyatspi.ROLE_HEADING)
        return [(child.getRoleName(), child.name) for child in kids[first:]]
    except (GLib.GError, AttributeError):  # an item went while we read: read again
        return []


def print_tree(node, depth=0):
    print("  " * depth + role_and_name(node))
    for child in children(node):
        if child.getRole() == pyatspi.ROLE_TABLE_CELL:
            continue
        print_tree(child, depth + 1)


def on_event(event):
    try:
        events.append((event.type, event.source.getRoleName(), event.source.name, event.detail1))
    except Exception:  # the source may be gone already
        pass


def heard(kind, role, name):
    return any(t.startswith(kind) and role in (None, r) and n == name for t, r, n, _ in events)


def set_text(field, text):
    field.queryEditableText().setTextContents(text)


def press(node):
    node.queryAction().doAction(0)
    pump(0.3)  # buttons answer the action with an animated click


class Sheet:
    """The figures dorarive-calc computes for the same inputs: what the window must say."""

    def __init__(self, calc):
        self.calc = calc

    def names(self, *args, imperial=False, door=False):
        out = subprocess.run([self.calc, "--json", *args], capture_output=True, text=True, check=True).stdout
        s = json.loads(out)["sheet"]
        # as a reader hears the units: spoken out where their characters would be spelled
        volume, energy = ("cubic feet", "BTU per hour") if imperial else ("L", "W")
        rows = ["Net volume %s %s" % (s["netVolume"], volume), "Cabinet load %s %s" % (s["cabinetLoad"], energy)]
        if door:
            rows.append("Door load %s %s" % (s["doorLoad"], energy))
        rows.append("Additional heat load %s W" % s["additionalLoad"])
        rows.append("Cool down load %s %s" % (s["coolDownLoad"], energy))
        return rows


def painted_rows(window):
    """The painted figures, without the header and messages."""
    return [name for role, name in painted(window)[2:] if role != "alert"]


def field(window, name):
    return find(window, pyatspi.ROLE_TEXT, name) or find(window, pyatspi.ROLE_ENTRY, name)


def expect_rows(window, what, rows):
    got = wait_for(what, lambda: painted_rows(window) == rows and rows)
    check(what, bool(got), "expected %s, heard %s" % (rows, painted_rows(window)))


def expect_message(window, what, text, present):
    def shown():
        has = ("alert", text) in painted(window)
        return has if present else not has
    check(what + " in the tree" if present else what + " gone from the tree",
          bool(wait_for(what, shown)), "tree ends with %s" % painted(window)[-3:])
    if present:
        check(what + " announced (showing alert)", heard("object:state-changed:showing", "alert", text))
    else:
        check(what + " removal told (children-changed:remove)",
              any(t.startswith("object:children-changed:remove") for t, _, _, _ in events))


def read_start(window, sheet):
    print_tree(window)
    header = painted(window)[:2]
    check("header heard: the title as a heading, then the version",
          len(header) == 2 and header[0][0] == "heading" and header[1][1].startswith("Version "), str(header))
    expect_rows(window, "figures at start, with label and unit", sheet.names())


def recalculation(window, sheet):
    events.clear()
    set_text(field(window, "Depth (inner dimensions)"), "800")
    rows = sheet.names("iDepth=800")
    expect_rows(window, "figures follow a new depth", rows)
    check("the new net volume is told (accessible-name change)",
          heard("object:property-change:accessible-name", None, rows[0]), str(events[-5:]))


def door_option(window, sheet):
    events.clear()
    door = find(window, pyatspi.ROLE_CHECK_BOX, "Door has different insulation")
    press(door)
    expect_rows(window, "the door load row comes with its option", sheet.names("iDepth=800", "iDoorCheck=1", door=True))
    check("its arrival is told (children-changed:add)",
          any(t.startswith("object:children-changed:add") for t, _, _, _ in events))
    press(door)
    expect_rows(window, "and goes with it", sheet.names("iDepth=800"))


def warning(window):
    detailed = find(window, pyatspi.ROLE_CHECK_BOX, "Detailed conditions")
    press(detailed)
    evaporating = field(window, "Evaporating temperature")
    text = "Warning: Evaporating temp greater than box temp."
    events.clear()
    set_text(evaporating, "5")
    expect_message(window, "the warning", text, True)
    events.clear()
    set_text(evaporating, "-10")
    expect_message(window, "the warning", text, False)
    press(detailed)


def error_row(window):
    runtime = field(window, "Max runtime")
    text = "Invalid max runtime value. 10 to 100"
    events.clear()
    set_text(runtime, "9")
    expect_message(window, "the error row", text, True)
    table = find(window, pyatspi.ROLE_TABLE, "").queryTable()
    check("the results list holds the error row",
          table.nRows == 1 and table.getAccessibleAt(0, 0).name == "Invalid max runtime value.")
    events.clear()
    set_text(runtime, "75")
    expect_message(window, "the error row", text, False)


def units(app, window, sheet):
    set_text(field(window, "Depth (inner dimensions)"), "400")  # the first-run depth again
    expect_rows(window, "figures back at the first-run inputs", sheet.names())
    events.clear()
    press(find(window, pyatspi.ROLE_PUSH_BUTTON, "Units", exact=True))
    dialog = wait_for("the Units dialog", lambda: find(app, pyatspi.ROLE_DIALOG, "Units", exact=True))
    for name in ("Btu/hr", "ºF", "BTU/h·ft·°F", "cubic feet", "inches", "pounds"):
        press(find(dialog, pyatspi.ROLE_RADIO_BUTTON, name, exact=True))
    press(find(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK", exact=True))
    choices = ["Units%s=1" % u for u in ("Energy", "Temperature", "Pressure", "Volume", "Length", "Mass")]
    rows = sheet.names(*choices, imperial=True)
    expect_rows(window, "figures follow a change of units", rows)
    check("the new net volume is told (accessible-name change)",
          heard("object:property-change:accessible-name", None, rows[0]))


def what_if(app, window):
    """Opens What If with its key (Alt+I) from a field and reads its table of points and its
    comparison as a reader walks tables: by row and column headers."""
    field(window, "Width").queryComponent().grabFocus()
    pump(0.5)
    # The key as the X server delivers it to the focused window.
    subprocess.run(["xdotool", "search", "--name", "Nordavik Kaldora", "windowfocus", "--sync", "key", "alt+i"],
                   check=False, timeout=10)
    whatif = wait_for("the What If window", lambda: top_window_named(app, "What If"))
    if not whatif:
        return
    press(find(whatif, pyatspi.ROLE_PAGE_TAB, "Table of points"))
    points = wait_for("the table of points", lambda: find(whatif, pyatspi.ROLE_TABLE, "Points of the sweep"))
    if points:
        table = points.queryTable()
        check("the table of points has a row per point", table.nRows == 101, "rows: %d" % table.nRows)
        column = table.getColumnHeader(0)
        check("its columns have headers", column is not None and column.name.startswith("Requested compressor capacity"),
              column.name if column else "none")
        row = table.getRowHeader(50)
        check("its rows have headers", row is not None and row.name.startswith("Ambient temperature"),
              row.name if row else "none")
    press(find(whatif, pyatspi.ROLE_PUSH_BUTTON, "Keep as variant"))
    comparison = find(whatif, pyatspi.ROLE_TABLE, "Comparison of the variants")
    if comparison:
        table = comparison.queryTable()
        check("the comparison has a column per variant", table.nColumns == 1 and table.getColumnHeader(0).name == "A")
        names = [table.getRowHeader(r).name for r in range(table.nRows)]
        check("the comparison names its result rows", "Requested compressor capacity" in names, repr(names))
    else:
        check("the comparison is on the bus", False)


def top_window_named(app, name):
    for child in children(app):
        if child.name == name:
            return child
    return None


def main():
    sheet = Sheet(sys.argv[1])
    for kind in ("object:property-change:accessible-name", "object:state-changed:showing",
                 "object:children-changed"):
        pyatspi.Registry.registerEventListener(on_event, kind)
    app = wait_for("dorarive on the accessibility bus", find_app, 30)
    window = app and wait_for("its window", lambda: top_window(app, pyatspi.ROLE_DIALOG))
    if not window:
        print("FAIL  " + "; ".join(failures))
        return 1
    pump(1)
    read_start(window, sheet)
    recalculation(window, sheet)
    door_option(window, sheet)
    warning(window)
    error_row(window)
    units(app, window, sheet)
    what_if(app, window)
    print("\nThe painted texts now:")
    for role, name in painted(window):
        print("  %s %r" % (role, name))
    print("\n%d check(s) failed: %s" % (len(failures), "; ".join(failures)) if failures else "\nAll checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
