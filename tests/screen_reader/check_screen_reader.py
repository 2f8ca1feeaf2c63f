#!/usr/bin/python3
# Plays a short game through the real accessibility stack, as a screen reader meets it, and checks
# what it is told: the selected cell has the focus when the window opens, a typed digit comes back
# as the cell's new content, Check All's outcome is spoken, a hint's cell takes the focus in the
# hint's own numbering, a pause and a new puzzle leave the focus on a live cell, and the Toggle
# action of the Pencil button switches the game to pencil. When Orca is installed it runs too,
# silent, and what it would have spoken is checked and printed.
# Usage (inside with_screen_reader_stack.sh): check_screen_reader.py PROGRAM
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from a11y_client import Client, do_action, find, key, named, press, pyatspi  # noqa: E402

failures = []
# Orca reads what it is told a little later, from the objects as they are then: each step waits
# for it as a player would, before the next changes the board again.
PACE = 0.3


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def give_focus_back():
    subprocess.run(["xdotool", "search", "--sync", "--name", "^Puzzle:", "windowfocus", "--sync"],
                   check=False, stdout=subprocess.DEVNULL, timeout=10)


def live_cell(seen):
    """A focus on a cell that stands in its table, as a reader can follow it."""
    return (seen is not None and seen.role == pyatspi.ROLE_TABLE_CELL and seen.index >= 0
            and seen.parent_role == pyatspi.ROLE_TABLE and seen.focused and seen.name != "")


def cell_focus(seen):
    return seen.is_focus() and seen.role == pyatspi.ROLE_TABLE_CELL


def main():
    program = sys.argv[1]
    work = os.environ["KORVEL_A11Y_WORK"]
    client = Client()
    orca_log = os.path.join(work, "orca.log")
    orca = None
    try:
        import orca.orca  # noqa: F401  (only to learn whether Orca is there)
        orca = subprocess.Popen([sys.executable, os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                                              "silent_orca.py"), orca_log],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(2)  # Orca registers its listeners
        global PACE
        PACE = 1.5
    except ImportError:
        print("Orca is not installed: the events alone are checked")

    game = subprocess.Popen([program])
    try:
        play(client, game)
    finally:
        game.terminate()
        game.wait(10)
        if orca:
            orca.kill()  # Orca takes long to leave on a polite request
            orca.wait(10)
    if os.environ.get("KORVEL_A11Y_DEBUG"):
        for seen in client.events:
            print("   event", seen)
        if orca:
            subprocess.run(["cp", orca_log, os.environ["KORVEL_A11Y_DEBUG"]], check=False)
    if orca:
        check_speech(orca_log)
    if failures:
        print(f"{len(failures)} check(s) failed")
        return 1
    return 0


def play(client, game):
    app = client.application(game.pid)
    if not check(app is not None, "the program is on the accessibility bus"):
        return
    start = None
    for _ in range(100):
        start = find(app, named(pyatspi.ROLE_PUSH_BUTTON, "Start"))
        if start:
            break
        client.pump(0.1)
    if not check(start is not None, "the welcome dialog offers Start"):
        return

    mark = client.mark()
    press(start)
    give_focus_back()  # no window manager activates the main window when the dialog closes
    first = client.wait_for(cell_focus, since=mark)
    client.pump(PACE)
    check(live_cell(first), f"the window opens with the focus on a cell of the board: {first}")

    mark = client.mark()
    key("F9")
    shown = client.wait_for(lambda s: cell_focus(s) and "solution" in s.name, since=mark)
    client.pump(PACE)
    if not check(shown is not None, f"F9 names the solution in the focused cell: {shown}"):
        return
    solution = int(re.search(r"solution (\d)", shown.name).group(1))
    wrong = solution % 9 + 1

    mark = client.mark()
    key(str(wrong))
    typed = client.wait_for(lambda s: cell_focus(s) and s.name.startswith(f"{wrong} in pen"), since=mark)
    client.pump(PACE)
    check(live_cell(typed), f"a typed {wrong} comes back as the focused cell's new content: {typed}")

    mark = client.mark()
    do_action(find(app, named(pyatspi.ROLE_MENU_ITEM, "Check All")), "Press")
    notice = client.wait_for(lambda s: s.is_notice() and "wrong" in s.name, since=mark)
    client.pump(PACE)
    check(notice is not None and notice.name.startswith("1 wrong digit"), f"Check All's outcome is told: {notice}")

    mark = client.mark()
    key("ctrl+h")
    alert = client.wait_for(lambda s: s.is_focus() and s.role == pyatspi.ROLE_PUSH_BUTTON, since=mark)
    client.pump(PACE)
    hint_text = ""
    box = alert.source.parent if alert else None
    while box is not None and box.getRole() not in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG):
        box = box.parent
    if box is not None:
        label = find(box, lambda n: n is not None and n.getRole() == pyatspi.ROLE_LABEL and "row" in (n.name or ""))
        hint_text = label.name if label else ""
    check(box is not None and box.getRole() == pyatspi.ROLE_ALERT and hint_text,
          f"the hint comes as an alert: {hint_text!r}")
    mark = client.mark()
    key("Return")
    give_focus_back()
    after = client.wait_for(cell_focus, since=mark)
    client.pump(PACE)
    place = re.search(r"row (\d+), column (\d+)", hint_text)
    check(live_cell(after) and place is not None and after.cell == (int(place.group(1)) - 1, int(place.group(2)) - 1),
          f"after the hint the focus is on its cell, counted alike: {after}")

    mark = client.mark()
    key("F2")
    paused = client.wait_for(lambda s: s.is_focus() and s.role == pyatspi.ROLE_TABLE, since=mark)
    client.pump(PACE)
    check(paused is not None and "paused" in paused.name, f"a pause is told on the board: {paused}")
    mark = client.mark()
    key("F2")
    resumed = client.wait_for(cell_focus, since=mark)
    client.pump(PACE)
    check(live_cell(resumed), f"going on leaves the focus on a live cell: {resumed}")

    mark = client.mark()
    key("ctrl+n")
    opened = client.wait_for(lambda s: s.is_notice() and s.name.startswith("Puzzle 2"), since=mark)
    check(opened is not None, f"the new puzzle is told with its size: {opened}")
    focus = client.wait_for(cell_focus, since=mark)
    client.pump(PACE)
    check(live_cell(focus), f"a new puzzle leaves the focus on a live cell: {focus}")

    pencil = find(app, named(pyatspi.ROLE_CHECK_BOX, "Pencil"))
    pen = find(app, named(pyatspi.ROLE_CHECK_BOX, "Pen"))
    do_action(pencil, "Toggle")
    client.pump(0.5)
    checked = [b.getState().contains(pyatspi.STATE_CHECKED) for b in (pencil, pen)]
    check(checked == [True, False], f"Toggle on Pencil presses Pencil and releases Pen: {checked}")
    give_focus_back()
    mark = client.mark()
    key("3")
    typed = client.wait_for(lambda s: cell_focus(s) and "in pencil" in s.name, since=mark)
    client.pump(PACE)
    check(typed is not None, f"after Toggle a digit goes in pencil: {typed}")


def check_speech(log):
    with open(log, encoding="utf-8", errors="replace") as f:
        spoken = [m.group(1) for m in re.finditer(r"SPEECH OUTPUT: '(.*)'", f.read())]
    print("Orca spoke:")
    for line in spoken:
        print("   ", line)
    said = "\n".join(spoken)
    check(re.search(r"^\d in pen", said, re.M) is not None, "Orca reads the typed digit with its cell")
    check("1 wrong digit, marked" in said, "Orca speaks Check All's outcome")
    check(re.search(r"is wrong\.", said) is not None, "Orca reads the hint")
    check("Board, paused" in said, "Orca tells the pause")
    check("Puzzle 2" in said, "Orca tells the puzzle opened")


if __name__ == "__main__":
    sys.exit(main())
