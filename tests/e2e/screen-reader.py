#!/usr/bin/python3
"""A game as a blind player plays it: everything it knows it learns from the accessibility bus.

    screen-reader.py LISTENING_FILE PROGRAM_FILE COL,ROW...

Registers its listeners and creates LISTENING_FILE once the registry lists them all, as a screen
reader runs before the program it reads; then reads "PID WINDOW_ID" of the program from
PROGRAM_FILE, finds the program PID on the bus, walks its accessible tree (and those of the Options
dialog, the About box, the help window and the message box) and fails on any focusable object
without a name or with a generic role, then plays the cells given (columns and rows counted from 0
at the top left, as the other end-to-end runs count them) with the arrow keys and Return, sent to
WINDOW_ID by xdotool. The board is read only from the accessible table;
each turn must be heard as an announcement, and the computer's last reply must end the game with
its message box on the bus. Exits once that box is shown; the caller closes it and saves.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import Gio, GLib

WAIT = 20  # seconds any single wait may take
SIZE = 15
GENERIC_ROLES = {pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_INVALID, pyatspi.ROLE_FILLER,
                 pyatspi.ROLE_PANEL, pyatspi.ROLE_REDUNDANT_OBJECT}

events = []
clock_ticks = []


EVENT_KINDS = ("object:state-changed:showing", "object:property-change:accessible-name",
               "object:state-changed:focused")


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def note(message):
    print(f"-- {message}", flush=True)


def on_event(event):
    try:
        source = event.source
        text = source.name
        parent = source.parent.name if source.parent is not None else ""
        events.append((event.type, text, source.getRoleName(), parent))
        if event.type.endswith("accessible-name") and parent == "Status bar":
            clock_ticks.append(text)
    except Exception as error:  # an object gone before it was read
        events.append((event.type, f"<{error}>", "", ""))


def pump(seconds):
    end = time.time() + seconds
    context = GLib.MainContext.default()
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def heard_within(seconds, kind, accept):
    """The text of the first event of KIND from now on that ACCEPT takes, or None; with what was
    heard."""
    deadline = time.time() + seconds
    heard = []
    while time.time() < deadline:
        pump(0.05)
        while events:
            event_type, text, _, _ = events.pop(0)
            heard.append((event_type, text))
            if event_type.startswith(kind) and accept(text):
                return text, heard
    return None, heard


def wait_event(kind, accept, what):
    """The text of the first event of KIND from now on that ACCEPT takes."""
    text, heard = heard_within(WAIT, kind, accept)
    if text is None:
        fail(f"not heard within {WAIT} s: {what}; last heard: {heard[-5:]}")
    return text


def keys(window, *names):
    subprocess.run(["timeout", "10", "xdotool", "windowfocus", "--sync", window], check=True)
    subprocess.run(["timeout", "10", "xdotool", "key", "--clearmodifiers", *names], check=True)


def menu_shown(pid):
    """True while one of the program's menus is on the screen."""
    found = subprocess.run(["timeout", "10", "xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                           capture_output=True, text=True).stdout.split()
    # A menu is a window no window manager may frame.
    return any("Override Redirect State: yes" in subprocess.run(
        ["timeout", "10", "xwininfo", "-id", wid], capture_output=True, text=True).stdout
        for wid in found)


def menu_item(app, window, menu_key, item_key):
    """Opens a menu by its key and chooses its item by its key once the menu is on the screen: a
    key sent earlier goes to the window instead. On a loaded machine the menu bar now and then
    takes no menu key after a dialog opened from a menu has closed, until Esc: then Esc is pressed
    and the key sent again."""
    pid = app.get_process_id()
    for attempt in range(1, 4):
        keys(window, menu_key)
        deadline = time.time() + WAIT / 3
        while time.time() < deadline:
            if menu_shown(pid):
                if attempt > 1:
                    note(f"{menu_key} opened its menu at the {attempt}. try")
                subprocess.run(["timeout", "10", "xdotool", "key", "--clearmodifiers", item_key],
                               check=True)
                return
            time.sleep(0.1)
        keys(window, "Escape")
    windows = [(w.name, w.getState().contains(pyatspi.STATE_ACTIVE)) for w in app if w is not None]
    fail(f"no menu opened by {menu_key} in three tries; the program's windows (name, active): {windows}")


def x_window(title):
    """The X window id of the visible window titled TITLE."""
    deadline = time.time() + WAIT
    while time.time() < deadline:
        found = subprocess.run(["timeout", "10", "xdotool", "search", "--onlyvisible", "--name",
                                f"^{title}$"], capture_output=True, text=True).stdout.split()
        if found:
            return found[0]
        time.sleep(0.1)
    fail(f"no window titled {title} on the screen")


def label(col, row):
    return f"{chr(ord('A') + col)}{SIZE - row}"


def place(text):
    """(col, row) of a cell label such as H8."""
    return ord(text[0]) - ord("A"), SIZE - int(text[1:])


def find(root, accept):
    if accept(root):
        return root
    for i in range(root.childCount):
        child = root.getChildAtIndex(i)
        if child is not None:
            found = find(child, accept)
            if found is not None:
                return found
    return None


def walk(root, problems, seen):
    seen[0] += 1
    states = root.getState()
    if states.contains(pyatspi.STATE_FOCUSABLE):
        where = f"{root.getRoleName()} '{root.name}' in '{root.parent.name if root.parent else ''}'"
        if not root.name.strip():
            problems.append(f"focusable without a name: {where}")
        if root.getRole() in GENERIC_ROLES:
            problems.append(f"focusable with a generic role: {where}")
    for i in range(root.childCount):
        child = root.getChildAtIndex(i)
        if child is not None:
            walk(child, problems, seen)


def walk_checked(root, what):
    problems, seen = [], [0]
    walk(root, problems, seen)
    if problems:
        fail(f"{what}:\n" + "\n".join(problems))
    note(f"{what}: {seen[0]} objects, every focusable one named with a usable role")


def application(pid):
    deadline = time.time() + WAIT
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == pid:
                return app
        time.sleep(0.2)
    fail(f"the program (pid {pid}) is not on the accessibility bus")


def wait_for(app, accept, what):
    deadline = time.time() + WAIT
    while time.time() < deadline:
        found = find(app, accept)
        if found is not None:
            return found
        pump(0.1)
    fail(f"no {what} on the bus")


def open_window(app, window, key, title, role):
    """Opens a window by KEY (xdotool names; two for a menu's item), waits for it on the bus and
    walks its tree."""
    if " " in key:
        menu_item(app, window, *key.split())
    else:
        keys(window, key)
    deadline = time.time() + WAIT
    opened = None
    while opened is None:
        if time.time() > deadline:
            on_screen = subprocess.run(["timeout", "10", "xdotool", "search", "--onlyvisible", "--name",
                                        f"^{title}$"], capture_output=True).returncode == 0
            fail(f"no window '{title}' on the bus ({'though' if on_screen else 'nor'} on the screen;"
                 f" the program's windows on the bus: {[w.name for w in app if w is not None]})")
        pump(0.1)
        # The program's windows are the application's children.
        opened = next((w for w in app if w is not None and w.name == title), None)
    if opened.getRole() != role:
        fail(f"the window '{title}' is a {opened.getRoleName()}")
    walk_checked(opened, f"the tree of '{title}'")
    return opened


def close_window(window, main_window, title):
    """Closes a window by Esc, then gives the main window the keys again (the X screen has no
    window manager to do it) and waits until it is active on the bus."""
    closing = x_window(title)
    keys(closing, "Escape")
    deadline = time.time() + WAIT
    while subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                         capture_output=True).returncode == 0:
        if time.time() > deadline:
            fail(f"Esc did not close '{title}'")
        time.sleep(0.1)
    subprocess.run(["timeout", "10", "xdotool", "windowfocus", "--sync", window], check=True)
    while not main_window.getState().contains(pyatspi.STATE_ACTIVE):
        if time.time() > deadline:
            fail(f"the main window is not active again after '{title}' closed")
        pump(0.1)


def listen():
    for kind in EVENT_KINDS:
        pyatspi.Registry.registerEventListener(on_event, kind)


def registered_kinds():
    """The event kinds the accessibility registry holds listeners for, spelled alike whether
    written object:property-change:accessible-name or Object:PropertyChange:AccessibleName."""
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                None, GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 10000,
                                None).unpack()[0]
    bus = Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
    try:
        listed = bus.call_sync("org.a11y.atspi.Registry", "/org/a11y/atspi/registry",
                               "org.a11y.atspi.Registry", "GetRegisteredEvents", None, None,
                               Gio.DBusCallFlags.NONE, 10000, None).unpack()[0]
    finally:
        bus.close_sync(None)
    return {spelled_alike(kind) for _, kind in listed}


def spelled_alike(kind):
    return kind.lower().replace("-", "")


def listen_before_the_program(listening_file, program_file):
    """Registers the listeners and waits until the registry lists them before the program starts:
    a program joining the bus at the moment a listener registers may never learn of it (its
    query of the registry and its subscription to new listeners are two steps), and then never
    sends that kind of event. Returns the program's PID and X window id."""
    listen()
    wanted = {spelled_alike(kind) for kind in EVENT_KINDS}
    deadline = time.time() + WAIT
    while not wanted <= registered_kinds():
        if time.time() > deadline:
            fail(f"the registry does not list the listeners {sorted(wanted - registered_kinds())}")
        pump(0.1)
    with open(listening_file, "w", encoding="utf-8"):
        pass
    # The program is started, shown and placed meanwhile: waits of its own.
    deadline = time.time() + 3 * WAIT
    while True:
        try:
            with open(program_file, encoding="utf-8") as given:
                pid, window = given.read().split()
                return int(pid), window
        except (FileNotFoundError, ValueError):
            if time.time() > deadline:
                fail(f"no program named in {program_file}")
            time.sleep(0.1)


def board_counts(table):
    counts = {"cross": 0, "circle": 0, "empty": 0}
    for row in range(table.nRows):
        for col in range(table.nColumns):
            name = table.getAccessibleAt(row, col).name
            prefix = f"{label(col, row)}, "
            if not name.startswith(prefix) or name[len(prefix):] not in counts:
                fail(f"cell ({col},{row}) is named '{name}'")
            counts[name[len(prefix):]] += 1
    return counts


def cell_name(table, col, row):
    return table.getAccessibleAt(row, col).name


def main():
    cells = [tuple(int(n) for n in arg.split(",")) for arg in sys.argv[3:]]
    pid, window = listen_before_the_program(sys.argv[1], sys.argv[2])

    app = application(pid)
    main_window = wait_for(app, lambda o: o.getRole() == pyatspi.ROLE_FRAME and o.name == "Pentavo",
                           "main window")
    board = wait_for(main_window, lambda o: o.getRole() == pyatspi.ROLE_LIST, "board")
    if board.parent != main_window:
        fail(f"the board's parent is '{board.parent.name}', not the main window")
    for role in (pyatspi.ROLE_TOOL_BAR, pyatspi.ROLE_STATUS_BAR):
        bar = find(main_window, lambda o, r=role: o.getRole() == r)
        if bar is None or bar.parent != main_window:
            fail(f"the {pyatspi.Accessible.getRoleName(bar) if bar else role} is no child of the main window")
    walk_checked(app, "the main window's tree")
    # The clock's panels read their date and time, not the blank that keeps them quiet.
    status = find(main_window, lambda o: o.getRole() == pyatspi.ROLE_STATUS_BAR)
    panels = [status.getChildAtIndex(i).name for i in range(status.childCount)]
    if sum(any(c.isdigit() for c in name) for name in panels) != 2:
        fail(f"the status bar's panels read {panels}")
    # The panels' first texts were set as the window was built, before it showed; from here on
    # the clock only ticks.
    pump(0.5)
    clock_ticks.clear()

    options = open_window(app, window, "ctrl+t", "Options", pyatspi.ROLE_DIALOG)
    for sample in ("Sample 2", "Sample 3", "Sample 4"):
        frame = find(options, lambda o, s=sample: o.name == s)
        if frame is None or frame.getState().contains(pyatspi.STATE_SHOWING):
            fail(f"'{sample}', off-screen by design, is {'missing' if frame is None else 'showing'}")
    close_window(window, main_window, "Options")
    open_window(app, window, "alt+h a", "About Pentavo", pyatspi.ROLE_DIALOG)
    close_window(window, main_window, "About Pentavo")
    open_window(app, window, "alt+h c", "Pentavo Help", pyatspi.ROLE_FRAME)
    close_window(window, main_window, "Pentavo Help")

    table = board.queryTable()
    if (table.nRows, table.nColumns) != (SIZE, SIZE):
        fail(f"the board is a table of {table.nRows} x {table.nColumns}")
    extents = table.getAccessibleAt(7, 7).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    frame = main_window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    if not (20 <= extents.width <= 34 and extents.width == extents.height
            and frame.x < extents.x < frame.x + frame.width
            and frame.y < extents.y < frame.y + frame.height):
        fail(f"the centre cell's extents {extents} do not lie on the window {frame}")
    if board_counts(table) != {"cross": 1, "circle": 0, "empty": SIZE * SIZE - 1}:
        fail(f"the opening is not one cross: {board_counts(table)}")
    if cell_name(table, 7, 7) != "H8, cross":
        fail(f"the centre cell is named '{cell_name(table, 7, 7)}'")

    events.clear()
    keys(window, "Home")
    focused = wait_event("object:state-changed:focused", lambda t: t.startswith("H8, "),
                         "the centre cell focused by Home")
    note(f"Home: focus on '{focused}'")
    for turn, (col, row) in enumerate(cells):
        at_col, at_row = place(focused.split(",")[0])
        steps = (["Left"] * (at_col - col) + ["Right"] * (col - at_col)
                 + ["Up"] * (at_row - row) + ["Down"] * (row - at_row))
        target = f"{label(col, row)}, empty"
        if steps:
            events.clear()
            keys(window, *steps)
            focused = wait_event("object:state-changed:focused", lambda t: t == target,
                                 f"the focus reaching {target}")
        if cell_name(table, col, row) != target:
            fail(f"the table names the cell '{cell_name(table, col, row)}', not '{target}'")
        events.clear()
        keys(window, "Return")
        said, heard = heard_within(WAIT, "object:state-changed:showing",
                                   lambda t: t.startswith(f"You {label(col, row)}, computer "))
        if said is None:
            fail(f"not heard within {WAIT} s: the turn announced after {label(col, row)}; "
                 f"last heard: {heard[-5:]}")
        note(f"turn {turn + 1}: heard '{said}'")
        # The table tells of the cell it changed; the bus may bring that before the sentence.
        named = f"{label(col, row)}, circle"
        if not any(kind.startswith("object:property-change:accessible-name") and text == named
                   for kind, text in heard):
            wait_event("object:property-change:accessible-name", lambda t: t == named,
                       f"the name change of {label(col, row)}")
        reply = said.split("computer ")[1].split(".")[0]
        reply_col, reply_row = place(reply)
        if cell_name(table, col, row) != f"{label(col, row)}, circle":
            fail(f"the person's cell reads '{cell_name(table, col, row)}'")
        if cell_name(table, reply_col, reply_row) != f"{reply}, cross":
            fail(f"the announced reply's cell reads '{cell_name(table, reply_col, reply_row)}'")
        counts = board_counts(table)
        if counts["cross"] != turn + 2 or counts["circle"] != turn + 1:
            fail(f"after turn {turn + 1} the table holds {counts}")
        last = turn == len(cells) - 1
        # The end names the line of five by its two end cells.
        if last != (". I win: " in said and said.endswith(".")):
            fail(f"'{said}' {'lacks' if last else 'has'} the end of the game")
        if turn == 0:
            events.clear()
            keys(window, "l")
            again = wait_event("object:state-changed:showing",
                               lambda t: t == said, "L repeating the last two moves")
            note(f"L: heard '{again}' again")

    box = wait_for(app, lambda o: o.getRole() == pyatspi.ROLE_ALERT, "message box")
    if find(box, lambda o: o.name == "I win") is None:
        fail("the message box does not read 'I win'")
    walk_checked(box, "the message box's tree")
    if clock_ticks:
        fail(f"the status bar announced {len(clock_ticks)} changes: {clock_ticks[:3]}")
    note("the game was played and heard through the bus alone")


if __name__ == "__main__":
    main()
