#!/usr/bin/python3
"""A screen reader's view of the game, through the real AT-SPI bus.

Starts the game with the accessibility bridge on, then, as an assistive
technology does: finds the board's 81 cells by their names, presses "Next"
through the action interface, follows the focused cell while the arrow keys
move the cursor, reads a cell after a digit typed on the keyboard (XTest,
through xdotool), plays the puzzle to its end and finds the completion message.
Usage: accessibility_client.py GAME DRAVIK_CLI WORKDIR
Exits 0 on success, 1 on a failure, 77 when no AT-SPI bus can be reached.
"""
import os
import re
import subprocess
import sys
import time

SKIP = 77
try:
    import pyatspi
except ImportError as error:
    print(f"pyatspi is not installed ({error}): skipped")
    sys.exit(SKIP)

game, cli, work = sys.argv[1:4]
CELL = re.compile(r"^([A-HJ])([1-9]), (given [1-9]|[1-9]|empty(, marks( [1-9])+)?)$")
ROWS = "ABCDEFGHJ"
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what)
    return ok


from gi.repository import GLib

# The events the game sent, as (type, the source's name), as a screen reader hears them.
heard = []


def listen(event):
    try:
        heard.append((event.type, event.source.name))
    except Exception:
        pass


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, probe, seconds=20.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump()
        value = probe()
        if value:
            return value
        time.sleep(0.05)
    print("FAIL: timed out waiting for", what)
    failures.append("timed out: " + what)
    return None


def walk(acc, depth=0):
    yield acc
    if depth > 12:
        return
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def find(root, role=None, name=None):
    for acc in walk(root):
        try:
            if role is not None and acc.getRole() != role:
                continue
            if name is not None and acc.name != name:
                continue
            return acc
        except Exception:
            continue
    return None


def press(acc):
    action = acc.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in ("press", "toggle"):
            return action.doAction(i)
    return False


def key(*names):
    if names:
        subprocess.run(["xdotool", "key", "--delay", "15", *names], check=True)


try:
    desktop = pyatspi.Registry.getDesktop(0)
except Exception as error:  # no bus, no registry
    print(f"no AT-SPI registry ({error}): skipped")
    sys.exit(SKIP)

for kind in ("object:property-change:accessible-name", "object:state-changed:focused",
             "object:property-change:accessible-description"):
    pyatspi.Registry.registerEventListener(listen, kind)

env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", SDL_AUDIODRIVER="dummy",
           XDG_DATA_HOME=os.path.join(work, "data"), XDG_CONFIG_HOME=os.path.join(work, "config"))
proc = subprocess.Popen([game], env=env)
try:
    # The game's application object on the bus: the one of the process started here.
    def own_app():
        for a in desktop:
            try:
                if a is not None and a.get_process_id() == proc.pid and a.childCount > 0:
                    return a
            except Exception:
                pass
        return None

    app = wait_for("the game on the bus", own_app, 30)
    if app is None:
        sys.exit(1)
    board = wait_for("the board table", lambda: find(app, role=pyatspi.ROLE_TABLE))
    if board is None:
        sys.exit(1)

    # 81 cells named by row and column, in the board's order.
    def names():
        return [board.getChildAtIndex(i).name for i in range(board.childCount)]

    check(board.childCount == 81, f"the board has {board.childCount} cells")
    shown = names()
    for i, name in enumerate(shown):
        m = CELL.match(name)
        check(m is not None and m.group(1) == ROWS[i // 9] and m.group(2) == str(i % 9 + 1),
              f"cell {i} is named {name!r}")
    check(all(board.getChildAtIndex(i).getRole() == pyatspi.ROLE_TABLE_CELL for i in range(81)),
          "every cell has the cell role")
    table = board.queryTable()
    check((table.nRows, table.nColumns) == (9, 9), "the table has 9 rows and 9 columns")
    check(table.getRowDescription(8) == "J", "the last row is J (no I)")

    # "Medium" (marks can be struck from there up), then "Next", pressed as a
    # screen reader presses them: the puzzle's givens appear.
    nxt = find(app, role=pyatspi.ROLE_PUSH_BUTTON, name="Next")
    medium = find(app, role=pyatspi.ROLE_RADIO_BUTTON, name="Medium")
    if not check(nxt is not None and medium is not None, "a button Next and an option Medium"):
        sys.exit(1)
    wait_for("Next enabled", lambda: nxt.getState().contains(pyatspi.STATE_ENABLED))
    press(medium)
    check(wait_for("Medium chosen", lambda: medium.getState().contains(pyatspi.STATE_CHECKED)),
          "the option Medium is chosen")
    press(nxt)
    wait_for("the givens", lambda: any(", given " in n for n in names()))
    for label in ("Renew Hard", "Very Easy", "Hint", "Hidden Single", "Step counter: 0"):
        check(find(app, name=label) is not None, f"a control named {label!r}")
    check(any(re.match(r"^Time \d\d:\d\d$", a.name or "") for a in walk(app)),
          "the clock reads like 'Time 00:03'")
    counts = [a.name for a in walk(app) if re.match(r"^[A-Z][A-Za-z. ]+: \d+$", a.name or "")]
    check(any(n.startswith("Hidden Single: ") for n in counts),
          f"the technique counts read like 'Hidden Single: 12' ({counts[:3]})")

    # The keyboard cursor is the focused cell: the window takes the keyboard,
    # and the arrow keys move the focus from cell to cell.
    subprocess.run(["xdotool", "search", "--sync", "--name", "Dravik Sudoku", "windowfocus",
                    "--sync"], check=False, stdout=subprocess.DEVNULL)

    def focused():
        for i in range(81):
            if board.getChildAtIndex(i).getState().contains(pyatspi.STATE_FOCUSED):
                return i + 1  # 0 would read as not found
        return None

    start = wait_for("a focused cell", focused)
    if start is None:
        sys.exit(1)
    start -= 1
    key("Right")
    check(wait_for("the focus to move right", lambda: focused() == (start // 9) * 9 + (start % 9 + 1) % 9 + 1),
          "Right moves the focused cell")

    # The puzzle, read from the cells' names alone, solved by the game's own solver.
    givens = "".join(m.group(3)[-1] if m.group(3).startswith("given") else "0"
                     for m in (CELL.match(n) for n in names()))
    solution = subprocess.run([cli, "solve"], input=givens + "\n", capture_output=True,
                              text=True, check=True).stdout.split()[0]
    check(len(solution) == 81 and solution.isdigit(), f"the solver solved {givens}")

    # Walk the board from A1 with the arrow keys, typing each empty cell's digit.
    here = focused() - 1
    keys = ["Left"] * (here % 9) + ["Up"] * (here // 9)
    key(*keys)
    wait_for("the focus at A1", lambda: focused() == 1)
    first = next(i for i in range(81) if givens[i] == "0")
    key(*(["Right"] * (first % 9) + ["Down"] * (first // 9)))
    wait_for("the focus on the first empty cell", lambda: focused() == first + 1)
    check(wait_for("the focus event", lambda: ("object:state-changed:focused",
                                               board.getChildAtIndex(first).name) in heard),
          "moving the cursor tells the newly focused cell")
    cell = board.getChildAtIndex(first)
    where = f"{ROWS[first // 9]}{first % 9 + 1}"
    empty = cell.name

    # Strike a mark that is not the solution, reset the cell, then place the
    # digit: each time the cell's new name is sent.
    wrong = next(d for d in "123456789" if d != solution[first] and f" {d}" in empty.split("marks")[1])
    key(f"ctrl+{wrong}")
    struck = wait_for("the struck mark", lambda: cell.name if cell.name != empty else None)
    check(struck is not None and f" {wrong}" not in struck.split("marks")[1],
          f"striking {wrong} leaves {struck!r}")
    check(wait_for("the name event of the strike",
                   lambda: ("object:property-change:accessible-name", struck) in heard),
          "striking tells the cell's new name")
    key(solution[first])
    want = f"{where}, {solution[first]}"
    check(wait_for(f"{want!r}", lambda: cell.name == want), f"the cell reads {cell.name!r}")
    check(wait_for("the name event of the placing",
                   lambda: ("object:property-change:accessible-name", want) in heard),
          "placing tells the cell's new name")
    key("Delete")
    reset = wait_for("the reset", lambda: cell.name if cell.name.startswith(f"{where}, empty") else None)
    check(reset is not None and wait_for("the name event of the reset", lambda: (
        "object:property-change:accessible-name", reset) in heard),
        f"resetting tells the cell's new name ({cell.name!r})")
    key(solution[first])
    wait_for(f"{want!r} again", lambda: cell.name == want)

    # The rest, row by row; the last digit completes the puzzle.
    typed = []
    here = first
    for i in range(first + 1, 81):
        if givens[i] != "0":
            continue
        r, c = divmod(i, 9)
        hr, hc = divmod(here, 9)
        typed += ["Down"] * (r - hr) + (["Right"] * (c - hc) if c >= hc else ["Left"] * (hc - c))
        typed.append(solution[i])
        here = i
    for chunk in range(0, len(typed), 40):
        key(*typed[chunk:chunk + 40])
    status = find(app, role=pyatspi.ROLE_STATUS_BAR)
    check(status is not None, "the status bar is on the bus")
    said = wait_for("the completion message",
                    lambda: status.description if status.description.startswith("Solved in") else None)
    check(said is not None, "the status bar tells the completion")
    check(wait_for("the completion on the focused cell", lambda: any(
        board.getChildAtIndex(i).description.startswith("Solved in") for i in range(81))),
        "the focused cell carries the completion message")
    check(all(not n.startswith(f"{ROWS[i // 9]}{i % 9 + 1}, empty") for i, n in enumerate(names())),
          "every cell shows a digit")
finally:
    proc.terminate()
    try:
        proc.wait(10)
    except subprocess.TimeoutExpired:
        proc.kill()

if failures:
    print(f"{len(failures)} failure(s)")
    sys.exit(1)
print("the screen reader's walk through a whole game passed")
