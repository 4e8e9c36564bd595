#!/usr/bin/python3
"""A screen reader's walk through a whole game over the real AT-SPI bus: finds
the 81 cells by name, presses "Medium" and "Next" through the action interface,
follows the focused cell over the arrow keys, hears a cell's new name when a
mark is struck, a digit placed (XTest keys, through xdotool) and the cell reset,
and the completion message at the end.
Usage: accessibility_client.py GAME DRAVIK_CLI WORKDIR; exits 77 without a bus."""
import os, re, subprocess, sys, time

try:
    import pyatspi
    from gi.repository import GLib
    desktop = pyatspi.Registry.getDesktop(0)
except Exception as error:
    print(f"no AT-SPI client or registry ({error}): skipped")
    sys.exit(77)

game, cli, work = sys.argv[1:4]
CELL = re.compile(r"^([A-HJ])([1-9]), (given [1-9]|[1-9]|empty(, marks( [1-9])+)?)$")
ROWS = "ABCDEFGHJ"
NAMED = "object:property-change:accessible-name"
failures, heard = [], []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what)
    return ok


def wait_for(probe, seconds=20.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while GLib.MainContext.default().pending():
            GLib.MainContext.default().iteration(False)
        value = probe()
        if value:
            return value
        time.sleep(0.05)
    return None


def walk(acc):
    yield acc
    for i in range(acc.childCount):
        if (child := acc.getChildAtIndex(i)) is not None:
            yield from walk(child)


def find(root, role, name=None):
    return next((a for a in walk(root) if a.getRole() == role and name in (None, a.name)), None)


def press(acc):
    action = acc.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in ("press", "toggle"):
            return action.doAction(i)


def key(*names):
    if names:
        subprocess.run(["xdotool", "key", "--delay", "15", *names], check=True)


def listen(event):
    heard.append((event.type, event.source.name))


for kind in (NAMED, "object:state-changed:focused"):
    pyatspi.Registry.registerEventListener(listen, kind)
env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", SDL_AUDIODRIVER="dummy",
           XDG_DATA_HOME=f"{work}/data", XDG_CONFIG_HOME=f"{work}/config")
proc = subprocess.Popen([game], env=env)
try:
    app = wait_for(lambda: next((a for a in desktop if a is not None and a.childCount > 0
                                 and a.get_process_id() == proc.pid), None), 30)
    board = app and wait_for(lambda: find(app, pyatspi.ROLE_TABLE))
    if not check(board is not None, "the game's board is on the bus as a table"):
        sys.exit(1)
    cell = board.getChildAtIndex
    names = lambda: [cell(i).name for i in range(board.childCount)]
    check(board.childCount == 81, f"the board has {board.childCount} cells")
    for i, name in enumerate(names()):
        m = CELL.match(name)
        check(m and m.group(1) == ROWS[i // 9] and m.group(2) == str(i % 9 + 1)
              and cell(i).getRole() == pyatspi.ROLE_TABLE_CELL, f"cell {i} is {name!r}")
    check(board.queryTable().getRowDescription(8) == "J", "the last row is J (no I)")

    # Medium (marks can be struck from there up), then Next: the givens appear.
    nxt = find(app, pyatspi.ROLE_PUSH_BUTTON, "Next")
    wait_for(lambda: nxt.getState().contains(pyatspi.STATE_ENABLED))
    press(find(app, pyatspi.ROLE_RADIO_BUTTON, "Medium"))
    press(nxt)
    check(wait_for(lambda: any(", given " in n for n in names())), "Next shows the givens")
    shown = {a.name for a in walk(app)}
    for label in ("Renew Hard", "Hint", "Step counter: 0"):
        check(label in shown, f"a control named {label!r}")
    check(any(re.fullmatch(r"Time \d\d:\d\d", n or "") for n in shown), "the clock's name")
    check(any(re.fullmatch(r"Hidden Single: \d+", n or "") for n in shown), "the counts' names")

    # The keyboard cursor is the focused cell, and the focus follows the arrows.
    subprocess.run(["xdotool", "search", "--sync", "--name", "Dravik Sudoku", "windowfocus",
                    "--sync"], stdout=subprocess.DEVNULL)
    focused = lambda: next((i + 1 for i in range(81)
                            if cell(i).getState().contains(pyatspi.STATE_FOCUSED)), None)
    here = (wait_for(focused) or 1) - 1
    key(*["Left"] * (here % 9), *["Up"] * (here // 9))
    check(wait_for(lambda: focused() == 1), "the arrows take the focus to A1")
    givens = "".join(m.group(3)[-1] if m.group(3).startswith("given") else "0"
                     for m in map(CELL.match, names()))
    solution = subprocess.run([cli, "solve"], input=givens + "\n", capture_output=True, text=True,
                              check=True).stdout.split()[0]
    first = givens.index("0")
    key(*["Right"] * (first % 9), *["Down"] * (first // 9))
    target = cell(first)
    check(wait_for(lambda: ("object:state-changed:focused", target.name) in heard),
          "the cursor's move tells the newly focused cell")

    # Strike a wrong mark, place the digit, reset, place again: each is heard.
    empty, where = target.name, target.name.split(",")[0]
    wrong = next(d for d in "123456789" if d != solution[first] and f" {d}" in empty)
    key(f"ctrl+{wrong}")
    struck = wait_for(lambda: target.name if target.name != empty else None)
    check(struck and f" {wrong}" not in struck.split("marks")[1], f"struck: {struck!r}")
    key(solution[first])
    placed = f"{where}, {solution[first]}"
    check(wait_for(lambda: target.name == placed), f"placed: {target.name!r}")
    key("Delete")
    reset = wait_for(lambda: target.name if target.name.startswith(f"{where}, empty") else None)
    for name, what in ((struck, "striking"), (placed, "placing"), (reset, "resetting")):
        check(name and wait_for(lambda: (NAMED, name) in heard), f"{what} tells the new name")

    # The rest from the keyboard, cell by cell; the last digit completes it.
    typed, here = [], first
    for i in (i for i in range(first, 81) if givens[i] == "0"):
        (r, c), (hr, hc) = divmod(i, 9), divmod(here, 9)
        typed += ["Down"] * (r - hr) + (["Right"] * (c - hc) if c >= hc else ["Left"] * (hc - c))
        typed.append(solution[i])
        here = i
    for chunk in range(0, len(typed), 40):
        key(*typed[chunk:chunk + 40])
    status = find(app, pyatspi.ROLE_STATUS_BAR)
    check(wait_for(lambda: status.description.startswith("Solved in")), "the status bar's news")
    check(wait_for(lambda: any(cell(i).description.startswith("Solved in") for i in range(81))),
          "the focused cell's description tells the completion")
    check(not any(", empty" in n for n in names()), "every cell shows a digit")
finally:
    proc.terminate()
    proc.wait(10)
print(f"{len(failures)} failure(s)" if failures else "the screen reader's walk passed")
sys.exit(1 if failures else 0)
