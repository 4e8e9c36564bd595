#!/usr/bin/env python3
"""Checks that the game's sources include only the layers below their own.

Each folder of game/ is a layer; a file may include its own folder and the
folders its layer is built on (and theirs, and so on). The core folders
include no Qt or SDL header, and only game/platform includes the operating
system's own headers. Prints each breach as FILE:LINE: what, and exits 1 when
there is one.

Usage: check-layers.py [ROOT]          check the tree at ROOT (default: the checkout)
       check-layers.py --self-test     show that a planted wrong include is found
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

# What each layer is built on, directly.
LAYERS = {
    "base": [],
    "model": ["base"],
    "platform": ["base"],
    "stock": ["model", "platform"],
    "ports": ["stock"],
    "hint": ["model"],
    "print": ["ports"],
    "players": ["ports"],
    "play": ["hint", "players", "ports"],
    "help": ["hint", "ports"],
    "qt": ["base"],
    "players/qt": ["players", "qt"],
    "print/qt": ["print", "qt"],
    "sound": ["ports"],
    "ui": ["play", "help", "print/qt", "players/qt", "sound"],
}
# Plain C++ and the standard library only.
CORE = {"base", "model", "stock", "ports", "hint", "print", "players", "play", "help"}
FOREIGN = re.compile(r"#\s*include\s*<(Q[A-Za-z]*|SDL[^>]*|wavory/[^>]*)>")
SYSTEM = re.compile(
    r"#\s*include\s*<(unistd\.h|fcntl\.h|dlfcn\.h|sys/[^>]*|windows\.h|pwd\.h|poll\.h)>")
INCLUDE = re.compile(r'#\s*include\s*"game/([a-z_]+(?:/qt)?)/')


def below(layer):
    seen, todo = set(), [layer]
    while todo:
        for under in LAYERS[todo.pop()]:
            if under not in seen:
                seen.add(under)
                todo.append(under)
    return seen


def layer_of(path, game):
    parts = path.relative_to(game).parts
    if len(parts) >= 3 and parts[1] == "qt":
        return parts[0] + "/qt"
    return parts[0] if len(parts) >= 2 else None


def breaches(root):
    game = root / "game"
    found = []
    for path in sorted(game.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        layer = layer_of(path, game)
        if layer is None:
            continue  # the build's own helpers beside the layers
        if layer not in LAYERS:
            found.append(f"{path}: in no known layer")
            continue
        allowed = below(layer) | {layer}
        for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
            where = f"{path.relative_to(root)}:{number}"
            if m := INCLUDE.search(line):
                if m.group(1) not in allowed:
                    found.append(f"{where}: {layer} includes {m.group(1)}, a layer above it")
            if layer in CORE and FOREIGN.search(line):
                found.append(f"{where}: the core includes {FOREIGN.search(line).group(1)}")
            if layer != "platform" and SYSTEM.search(line):
                found.append(f"{where}: an operating-system header outside game/platform")
    return found


def self_test(root):
    with tempfile.TemporaryDirectory() as work:
        copy = pathlib.Path(work) / "tree"
        shutil.copytree(root / "game", copy / "game")
        if breaches(copy):
            print("self-test: the tree breaks its layers before anything was planted")
            return 1
        planted = copy / "game" / "model" / "grid.h"
        planted.write_text(planted.read_text() + '\n#include "game/play/view.h"\n')
        found = breaches(copy)
        if not any("model includes play" in f for f in found):
            print("self-test: a planted include of game/play from game/model went unseen")
            return 1
    print("self-test: a planted wrong include is found")
    return 0


def main():
    here = pathlib.Path(__file__).resolve().parent.parent
    if sys.argv[1:] == ["--self-test"]:
        return self_test(here)
    root = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else here
    found = breaches(root)
    for f in found:
        print(f)
    if found:
        print(f"{len(found)} breach(es) of the layers")
        return 1
    print("layers: every include goes down")
    return 0


if __name__ == "__main__":
    sys.exit(main())
