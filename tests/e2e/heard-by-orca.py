#!/usr/bin/python3
"""What Orca speaks, key by key, in a whole game played by keys.

    heard-by-orca.py ORCA_LOG WINDOW_ID LANGUAGE

Sends keys to WINDOW_ID by xdotool and reads every utterance from Orca's debug log (its
"SPEECH OUTPUT" lines). Each step waits, for a bounded time, until what it must hear was spoken;
a step that moves the cursor must hear that one cell and no other (no whole row).
"""
import os
import re
import subprocess
import sys
import time
from datetime import datetime

WAIT = 20  # seconds any single step may wait for its speech
# Orca reads the whole new window first, and a machine busy with a build keeps it at that for long.
FIRST_WAIT = 90
# Seconds from Enter to each turn's sentence: printed, for a person to judge; not a pass mark, as a
# machine loaded by builds may take seconds.
latencies = []
SIZE = 15

# Key (xdotool names) -> what Orca must say, in English and in German. A cell name stands for
# itself; the sentences are whole utterances. First a saved game two cells short of full is drawn
# (orca.sh opens it); then the computer opens at H8 and wins with its fourth reply, the five J6 to
# F10.
SPEECH = {
    "draw": ("You H9, computer H8. Draw.", "Sie H9, Computer H8. Unentschieden."),
    "turn1": ("You D12, computer G9.", "Sie D12, Computer G9."),
    "taken": ("D12 is taken.", "D12 ist besetzt."),
    "row": ("Row 12: D circle; 14 empty.", "Zeile 12: D Kreis; 14 leer."),
    "undo": ("Taken back: you D12, computer G9.", "Zurückgenommen: Sie D12, Computer G9."),
    "redo": ("Put back: you D12, computer G9.", "Wiederhergestellt: Sie D12, Computer G9."),
    "new": ("New game. Computer H8.", "Neues Spiel. Computer H8."),
    # The cell the computer's rule picks for the circles beside the opening cross.
    "hint": ("Hint: G9.", "Tipp: G9."),
    "turn2": ("You L11, computer F10.", "Sie L11, Computer F10."),
    "turn3": ("You C3, computer I7.", "Sie C3, Computer I7."),
    "last": ("You A1, computer J6. I win: F10 to J6.",
             "Sie A1, Computer J6. Ich habe gewonnen: F10 bis J6."),
    "over": ("The game is over. Ctrl+N starts a new game.",
             "Das Spiel ist aus. Strg+N beginnt ein neues Spiel."),
    "empty": ("{}, empty", "{}, leer"),
    "cross": ("{}, cross", "{}, Kreuz"),
    "circle": ("{}, circle", "{}, Kreis"),
    "cross, last move": ("{}, cross, last move", "{}, Kreuz, letzter Zug"),
    # Menu items with their shortcuts and check items with their state, in the program's language;
    # "check box", "checked" and "Ctrl" are Orca's own words, in Orca's language (English here).
    "first item": ("New Ctrl+N.", "Neu Ctrl+N."),
    "next item": ("Open... Ctrl+O.", "Öffnen... Ctrl+O."),
    "checked": ("Toolbar check box checked.", "Werkzeugleiste check box checked."),
    "not checked": ("Mark Last Move check box not checked.",
                    "Letzten Zug markieren check box not checked."),
}
# The keys that open the File and the View menu in each language.
MENU_KEYS = ({"file": "alt+f", "view": "alt+v"}, {"file": "alt+d", "view": "alt+a"})
MENU_TITLES = ({"file": "File", "view": "View"}, {"file": "Datei", "view": "Ansicht"})
# The Options dialog's title in each language.
OPTIONS = ("Options", "Optionen")
CELL = re.compile(r"^[A-O][0-9]{1,2}, ")
LINE = re.compile(r"^(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '(.*)' ?\{'established")


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def note(message):
    print(f"-- {message}", flush=True)


class Ear:
    """Orca's utterances from its log, each with the time it was spoken."""

    def __init__(self, path):
        self.path = path
        self.offset = 0
        self.partial = ""

    def skip_past(self):
        with open(self.path, encoding="utf-8", errors="replace") as log:
            log.seek(0, 2)
            self.offset = log.tell()
        self.partial = ""

    def new(self):
        with open(self.path, encoding="utf-8", errors="replace") as log:
            log.seek(self.offset)
            text = self.partial + log.read()
            self.offset = log.tell()
        lines = text.split("\n")
        self.partial = lines.pop()
        heard = []
        for line in lines:
            match = LINE.match(line)
            if match:
                at = datetime.combine(datetime.now().date(),
                                      datetime.strptime(match[1], "%H:%M:%S.%f").time())
                heard.append((at.timestamp(), match[2].rstrip(" ").rstrip(".")))
        return heard


def keys(window, *names):
    """Keys to WINDOW, made active first; with None, to whichever window is active."""
    # Activating an active window again may come late and close a menu that the keys open.
    active = subprocess.run(["timeout", "10", "xdotool", "getactivewindow"], capture_output=True,
                            text=True).stdout.strip()
    if window is not None and active != window:
        subprocess.run(["timeout", "10", "xdotool", "windowactivate", "--sync", window],
                       check=True)
    subprocess.run(["timeout", "10", "xdotool", "key", "--clearmodifiers", *names], check=True)


def bare(text):
    return text.rstrip(".")


def hear(ear, window, names, want, only_cell=None, timed=False, prefix=False, wait=WAIT):
    """Presses NAMES and waits, up to WAIT seconds, until WANT (an utterance, without its last full
    stop; with PREFIX, its beginning) is spoken. With ONLY_CELL, no cell but that one may be named
    meanwhile; with TIMED, the time it took is kept. Returns everything heard."""
    ear.skip_past()
    pressed = time.time()
    keys(window, *names)
    heard = []
    deadline = pressed + wait
    while time.time() < deadline:
        heard += ear.new()
        for at, text in heard:
            if only_cell is not None and CELL.match(text) and text != only_cell:
                fail(f"after {' '.join(names)} Orca named another cell: '{text}'; "
                     f"heard {[t for _, t in heard]}")
            if text == want or text.endswith(" " + want) or (prefix and text.startswith(want)):
                if timed:
                    latencies.append(at - pressed)
                note(f"{' '.join(names)}: '{text}' after {at - pressed:.2f} s")
                return [t for _, t in heard]
        time.sleep(0.05)
    fail(f"after {' '.join(names)} Orca did not say '{want}' within {wait} s; "
         f"heard {[t for _, t in heard]}")


def message_boxes_seen(ear):
    """How many message boxes Orca has taken in so far: a box closed before Orca took it in leaves
    Orca's focus where it was, and the cell is not read again."""
    with open(ear.path, encoding="utf-8", errors="replace") as log:
        return log.read().count("Dequeued window:activate [alert")


def close_message_box(ear, seen_before, cell):
    """Waits until Orca has taken in the box that ended the game, then closes it by Return; Orca
    reads the cell again."""
    deadline = time.time() + WAIT
    while message_boxes_seen(ear) <= seen_before:
        if time.time() > deadline:
            fail(f"Orca did not take in the message box within {WAIT} s")
        time.sleep(0.05)
    hear(ear, None, ["Return"], cell)


def name(col, row):
    return f"{chr(ord('A') + col)}{SIZE - row}"


def main():
    ear = Ear(sys.argv[1])
    window = sys.argv[2]
    lang = {"en": 0, "de": 1}[sys.argv[3]]
    say = {key: bare(texts[lang]) for key, texts in SPEECH.items()}

    board = {}
    at = None

    def cell_speech(col, row):
        content = board.get((col, row), "empty")
        return say[content].format(name(col, row))

    def walk(col, row):
        """One arrow key at a time, each cell heard alone."""
        nonlocal at
        if at is None:
            at = (7, 7)
            hear(ear, window, ["Home"], cell_speech(7, 7), only_cell=cell_speech(7, 7))
        while at != (col, row):
            dc = (col > at[0]) - (col < at[0])
            dr = (row > at[1]) - (row < at[1]) if dc == 0 else 0
            key = {(1, 0): "Right", (-1, 0): "Left", (0, 1): "Down", (0, -1): "Up"}[(dc, dr)]
            at = (at[0] + dc, at[1] + dr)
            hear(ear, window, [key], cell_speech(*at), only_cell=cell_speech(*at))

    def play(col, row, reply, sentence):
        walk(col, row)
        start = os.path.getsize(ear.path)
        hear(ear, window, ["Return"], say[sentence], timed=True)
        # The cursor's cell has the focus already: a focus reported again would keep Orca from the
        # turn's sentence for as long as it takes to handle it.
        with open(ear.path, encoding="utf-8", errors="replace") as log:
            log.seek(start)
            before_turn = log.read().split("showing for [notification", 1)[0]
        if "EVENT MANAGER: focus: for [list item" in before_turn:
            fail(f"Enter on {name(col, row)} reported the focus again before the turn")
        board[(col, row)] = "circle"
        board[reply] = "cross"

    # The draw: the person's circle on H9, the computer's cross on the last cell, H8.
    hear(ear, window, ["Home"], cell_speech(7, 7), only_cell=cell_speech(7, 7), wait=FIRST_WAIT)
    hear(ear, window, ["Up"], cell_speech(7, 6), only_cell=cell_speech(7, 6))
    boxes = message_boxes_seen(ear)
    hear(ear, window, ["Return"], say["draw"], timed=True)
    board[(7, 6)], board[(7, 7)] = "circle", "cross"
    close_message_box(ear, boxes, cell_speech(7, 6))
    hear(ear, window, ["ctrl+n"], say["new"])
    board = {(7, 7): "cross"}

    # Up and Down read one cell, not the row.
    walk(7, 7)
    hear(ear, window, ["Up"], cell_speech(7, 6), only_cell=cell_speech(7, 6))
    at = (7, 6)
    play(3, 3, (6, 6), "turn1")
    hear(ear, window, ["l"], say["turn1"])
    hear(ear, window, ["r"], say["row"])
    hear(ear, window, ["Return"], say["taken"])
    # Where am I: the cell's name, and no row counted from the top.
    spoken = hear(ear, window, ["KP_Enter"], cell_speech(3, 3))
    if any(re.search(r"\b(row|Zeile) \d+", text) for text in spoken):
        fail(f"where-am-I counts rows: {spoken}")
    hear(ear, window, ["ctrl+z"], say["undo"])
    hear(ear, window, ["ctrl+y"], say["redo"])
    hear(ear, window, ["ctrl+n"], say["new"])
    del board[(3, 3)], board[(6, 6)]
    # The hint moves the cursor to its cell.
    hear(ear, window, ["h"], say["hint"])
    # Menus opened by Alt and a letter, pressed at once as xdotool does: the menu stays open (its
    # next item is heard); back on the board, the cursor keeps its cell.
    # One Escape closes the menu, the next leaves the menu bar.
    hear(ear, window, [MENU_KEYS[lang]["file"]], say["first item"])
    hear(ear, None, ["Down"], say["next item"])
    hear(ear, None, ["Escape"], MENU_TITLES[lang]["file"])
    hear(ear, None, ["Escape"], cell_speech(6, 6))
    hear(ear, window, [MENU_KEYS[lang]["view"]], say["checked"])
    hear(ear, None, ["Down", "Down"], say["not checked"])
    hear(ear, None, ["Escape"], MENU_TITLES[lang]["view"])
    hear(ear, None, ["Escape"], cell_speech(6, 6))
    # A dialog and back: the cursor keeps its cell.
    hear(ear, window, ["ctrl+t"], OPTIONS[lang], prefix=True)
    hear(ear, None, ["Escape"], cell_speech(6, 6))
    at = (6, 6)
    play(3, 3, (6, 6), "turn1")
    play(11, 4, (5, 5), "turn2")
    play(2, 12, (8, 8), "turn3")
    boxes = message_boxes_seen(ear)
    play(0, 14, (9, 9), "last")
    # The message box that ends the game, closed; then a move is refused in words.
    close_message_box(ear, boxes, cell_speech(0, 14))
    hear(ear, window, ["Return"], say["over"])
    note("the game was heard to its end; each turn spoken after Enter in "
         + ", ".join(f"{t:.2f}" for t in latencies) + f" s (longest {max(latencies):.2f} s)")


if __name__ == "__main__":
    main()
