#!/usr/bin/python3
# Plays a short game through the real accessibility stack, as a screen reader meets it, and checks
# what it is told: the selected cell has the focus when the window opens, a typed digit comes back
# as the cell's new content, Check All's outcome is spoken, a hint's cell takes the focus in the
# hint's own numbering, a pause and a new puzzle leave the focus on a live cell, and the Toggle
# action of the Pencil button switches the game to pencil. Orca runs too, silent, and what it
# would have spoken is checked and printed.
# Usage (inside with_screen_reader_stack.sh): check_screen_reader.py PROGRAM
import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import GLib  # noqa: E402
import pyatspi  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
# Orca reads what it is told a little later, from the objects as they are then: each step waits
# for it as a player would, before the next changes the board again.
PACE = 1.5
failures = []


class Seen:
    """One event as a reader met it, with what its source said of itself then."""

    def __init__(self, event):
        self.kind, self.on, self.source = event.type, bool(event.detail1), event.source
        try:
            self.role, self.name = self.source.getRole(), self.source.name or ""
            self.index = self.source.getIndexInParent()
            parent = self.source.parent
            self.in_table = parent is not None and parent.getRole() == pyatspi.ROLE_TABLE
            self.focused = self.source.getState().contains(pyatspi.STATE_FOCUSED)
            # (row, column) from 0, as the table counts them
            self.cell = divmod(self.index, parent.queryTable().nColumns) if self.in_table else None
        except Exception:  # a source gone before it was asked
            self.role, self.name, self.index, self.in_table, self.focused, self.cell = None, "", -1, False, False, None

    def focus(self, role=pyatspi.ROLE_TABLE_CELL):
        return self.kind == "object:state-changed:focused" and self.on and self.role == role

    def notice(self):
        return self.kind == "object:state-changed:showing" and self.on and self.role == pyatspi.ROLE_NOTIFICATION

    def live_cell(self):
        """A focused cell that stands in its table, as a reader can follow it."""
        return self.focus() and self.in_table and self.index >= 0 and self.focused and self.name != ""

    def __repr__(self):
        return f"{self.kind}({int(self.on)}) {self.role} {self.name!r} index={self.index} cell={self.cell}"


class Client:
    def __init__(self):
        self.events = []
        pyatspi.Registry.registerEventListener(lambda event: self.events.append(Seen(event)),
                                               "object:state-changed:focused", "object:state-changed:showing")

    def pump(self, seconds):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            if not GLib.MainContext.default().iteration(False):
                time.sleep(0.01)

    def after(self, step, predicate, timeout=10):
        """Runs `step`, then waits for the first event that fits `predicate`, and for the reader."""
        mark = len(self.events)
        step()
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            found = next((seen for seen in self.events[mark:] if predicate(seen)), None)
            if found:
                self.pump(PACE)
                return found
            self.pump(0.05)
        return None


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def find(root, role, name=None):
    return pyatspi.findDescendant(root, lambda n: n is not None and n.getRole() == role
                                  and (name is None or n.name == name))


def act(node, action):
    actions = node.queryAction()
    actions.doAction(next(k for k in range(actions.nActions) if actions.getName(k) == action))


def key(*names):
    return lambda: subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)


def give_focus_back():
    """No window manager activates the main window when a dialog closes: the focus is given back."""
    subprocess.run(["xdotool", "search", "--sync", "--name", "^Puzzle:", "windowfocus", "--sync"],
                   check=False, stdout=subprocess.DEVNULL, timeout=10)


def play(client, app):
    start = None
    for _ in range(100):
        start = find(app, pyatspi.ROLE_PUSH_BUTTON, "Start")
        if start:
            break
        client.pump(0.1)
    if not check(start is not None, "the welcome dialog offers Start"):
        return
    first = client.after(lambda: (act(start, "Press"), give_focus_back()), Seen.focus)
    check(first and first.live_cell(), f"the window opens with the focus on a cell of the board: {first}")

    shown = client.after(key("F9"), lambda s: s.focus() and "solution" in s.name)
    if not check(shown is not None, f"F9 names the solution in the focused cell: {shown}"):
        return
    wrong = int(re.search(r"solution (\d)", shown.name).group(1)) % 9 + 1
    typed = client.after(key(str(wrong)), lambda s: s.focus() and s.name.startswith(f"{wrong} in pen"))
    check(typed and typed.live_cell(), f"a typed {wrong} comes back as the focused cell's new content: {typed}")

    notice = client.after(lambda: act(find(app, pyatspi.ROLE_MENU_ITEM, "Check All"), "Press"), Seen.notice)
    check(notice and notice.name == "1 wrong digit, marked", f"Check All's outcome is told: {notice}")

    told = client.after(key("ctrl+h"), lambda s: s.notice() and "row" in s.name)
    hint_text = told.name if told else ""
    check(told is not None, f"the hint is told: {hint_text!r}")
    after = next((s for s in reversed(client.events) if s.focus()), None)
    place = re.search(r"row (\d+), column (\d+)", hint_text)
    check(after and after.live_cell() and place and after.cell == (int(place[1]) - 1, int(place[2]) - 1),
          f"with the hint the focus is on its cell, counted alike: {after}")

    paused = client.after(key("F2"), lambda s: s.focus(pyatspi.ROLE_TABLE))
    check(paused and paused.name == "Board, paused", f"a pause is told on the board: {paused}")
    resumed = client.after(key("F2"), Seen.focus)
    check(resumed and resumed.live_cell(), f"going on leaves the focus on a live cell: {resumed}")

    opened = client.after(key("ctrl+n"), lambda s: s.notice() and s.name.startswith("Puzzle 2"))
    check(opened is not None, f"the new puzzle is told with its size: {opened}")
    focus = next((s for s in reversed(client.events) if s.focus()), None)
    check(focus and focus.live_cell(), f"a new puzzle leaves the focus on a live cell: {focus}")

    pencil, pen = find(app, pyatspi.ROLE_CHECK_BOX, "Pencil"), find(app, pyatspi.ROLE_CHECK_BOX, "Pen")
    act(pencil, "Toggle")
    client.pump(0.5)
    checked = [b.getState().contains(pyatspi.STATE_CHECKED) for b in (pencil, pen)]
    check(checked == [True, False], f"Toggle on Pencil presses Pencil and releases Pen: {checked}")
    give_focus_back()
    typed = client.after(key("3"), lambda s: s.focus() and "in pencil" in s.name)
    check(typed is not None, f"after Toggle a digit goes in pencil: {typed}")


def check_speech(log):
    with open(log, encoding="utf-8", errors="replace") as f:
        spoken = [m[1] for m in re.finditer(r"SPEECH OUTPUT: '(.*?)'", f.read())]
    print("Orca spoke:\n    " + "\n    ".join(spoken))
    said = "\n".join(spoken)
    check(re.search(r"^\d in pen", said, re.M), "Orca reads the typed digit with its cell")
    check("1 wrong digit, marked" in said, "Orca speaks Check All's outcome")
    check(re.search(r"is wrong\.", said), "Orca reads the hint")
    check("Board, paused" in said, "Orca tells the pause")
    check("Puzzle 2" in said, "Orca tells the puzzle opened")


def main():
    client = Client()
    orca_log = os.path.join(os.environ["KORVEL_A11Y_WORK"], "orca.log")
    orca = subprocess.Popen([sys.executable, os.path.join(HERE, "silent_orca.py"), orca_log],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(2)  # Orca registers its listeners
    game = subprocess.Popen([sys.argv[1]])
    try:
        app = None
        for _ in range(100):
            app = next((a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == game.pid), None)
            if app:
                break
            client.pump(0.2)
        if check(app is not None, "the program is on the accessibility bus"):
            play(client, app)
    finally:
        game.terminate()
        game.wait(10)
        orca.kill()  # Orca takes long to leave on a polite request
        orca.wait(10)
    check_speech(orca_log)
    print(f"{len(failures)} check(s) failed" if failures else "all checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
