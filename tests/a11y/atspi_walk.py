#!/usr/bin/python3
"""Walks the running calendar on the AT-SPI bus, as a screen reader does.

Checks what only the bus shows (the offscreen tests check names, descriptions
and actions): the window's role, the hidden text box not showing, today's
month's cells showing and the blank ones nameless, and a holiday's detail
opened through its cell's action. Exits 1 with a line for each fault."""
import datetime
import sys
import time

import pyatspi

faults = []


def expect(condition, what):
    if not condition:
        faults.append(what)


def wait_for(find, seconds=10.0):
    """find() until it gives something, for at most the given seconds."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.05)
    return None


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def states(node):
    return {pyatspi.stateToString(state) for state in node.getState().getStates()}


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return {}
    return {action.getName(i): (action, i) for i in range(action.nActions)}


def day_cells(window):
    return [n for n in descendants(window) if n.getRoleName() == "label" and "年" in n.name and "曜日" in n.name]


def holiday_of(name):
    """The holiday in a day cell's name: the part after the weekday, not 今日."""
    parts = [part for part in name.split(" ")[2:] if part != "今日"]
    return parts[0] if parts else ""


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Korinde":
            return app
    return None


def main():
    app = wait_for(application)
    if app is None:
        print("atspi: the calendar never appeared on the bus")
        return 1
    window = wait_for(lambda: next((w for w in app if w is not None and w.getRoleName() == "frame"), None))
    if window is None:
        print("atspi: the window is not a frame: " + ", ".join(w.getRoleName() for w in app if w is not None))
        return 1
    expect(window.name.startswith("Korinde"), "the window is named %r" % window.name)
    nodes = list(descendants(window))

    text_box = next((n for n in nodes if n.getRoleName() == "text"), None)
    expect(text_box is not None, "no text box")
    if text_box is not None:
        expect("showing" not in states(text_box), "the hidden text box is reported as showing")

    today = datetime.date.today()
    cells = day_cells(window)
    expect(len(cells) == (datetime.date(today.year + today.month // 12, today.month % 12 + 1, 1)
                          - datetime.timedelta(days=1)).day, "%d day cells named" % len(cells))
    for cell in cells:
        expect("showing" in states(cell), "%s is not showing" % cell.name)
    for blank in (n for n in nodes if n.getRoleName() == "label" and "showing" not in states(n)):
        expect(blank.name == "", "a blank cell is named %r" % blank.name)

    # A holiday's detail, opened through the day's action, closed through OK;
    # 翌月 pressed through its action until a month has one.
    next_month = next((n for n in nodes if n.getRoleName() == "push button" and n.name == "翌月"), None)
    for _ in range(12):
        holiday = next((c for c in day_cells(window) if holiday_of(c.name)), None)
        if holiday is not None or next_month is None:
            break
        action, index = actions(next_month)["Press"]
        action.doAction(index)
    expect(holiday is not None, "no holiday within a year")
    if holiday is not None:
        action, index = actions(holiday)["Press"]
        action.doAction(index)
        box = wait_for(lambda: next((w for w in app if w is not None and w.getRoleName() in ("dialog", "alert")
                                     and "showing" in states(w)), None))
        expect(box is not None, "pressing %s opened no box" % holiday.name)
        if box is not None:
            texts = [n.name for n in descendants(box)]
            expect(any(holiday_of(holiday.name) in t for t in texts), "the box does not name the holiday")
            ok = next((n for n in descendants(box) if n.getRoleName() == "push button"), None)
            expect(ok is not None and "Press" in actions(ok), "the box has no OK to press")
            if ok is not None:
                action, index = actions(ok)["Press"]
                action.doAction(index)
    for fault in faults:
        print("atspi: " + fault)
    print("atspi: %d day cells, %d faults" % (len(cells), len(faults)))
    return 1 if faults else 0


sys.exit(main())
