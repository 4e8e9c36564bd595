#!/usr/bin/env python3
"""Checks that every text of the game has a finished translation.

Runs lupdate over the sources into temporary copies of
game/translations/dravik_*.ts (the files in the repository stay as they are),
then lrelease on each copy, and fails when a text is new to a file (lupdate
adds it unfinished), is marked unfinished, has an empty translation, or when a
translation loses a "%1".."%9" of its source text or the access key "&" of a
caption. Run scripts/update-translations.sh and translate the new entries to
mend it.

Usage: check-translations.py SOURCE_DIR [--lupdate PATH] [--lrelease PATH]
       check-translations.py --self-test [--lupdate PATH] [--lrelease PATH]
"""
import argparse
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%[1-9]")
ACCESS_KEY = re.compile(r"&(?=[^&\s;])")


def entry_problems(ts_path):
    """The problems of one .ts file, as lines to print."""
    problems = []
    name = os.path.basename(ts_path)
    for context in ET.parse(ts_path).getroot().iter("context"):
        context_name = context.findtext("name", "")
        for message in context.iter("message"):
            source = message.findtext("source", "")
            translation = message.find("translation")
            kind = translation.get("type", "") if translation is not None else "missing"
            if kind in ("obsolete", "vanished"):
                continue  # no longer in the sources: lupdate keeps it for reuse
            text = (translation.text or "") if translation is not None else ""
            where = f"{name}: [{context_name}] {source!r}"
            if kind == "unfinished" or kind == "missing":
                problems.append(f"{where}: not translated (unfinished)")
                continue
            if not text.strip():
                problems.append(f"{where}: the translation is empty")
                continue
            if sorted(set(PLACEHOLDER.findall(source))) != sorted(set(PLACEHOLDER.findall(text))):
                problems.append(f"{where}: the translation {text!r} does not keep the "
                                f"source's {' '.join(sorted(set(PLACEHOLDER.findall(source))))}")
            if ACCESS_KEY.search(source) and not ACCESS_KEY.search(text):
                problems.append(f"{where}: the translation {text!r} has no access key '&'")
    return problems


def release_report(lrelease, ts_path, work):
    """lrelease's own counts: (unfinished, untranslated) for one file."""
    qm = os.path.join(work, os.path.basename(ts_path) + ".qm")
    out = subprocess.run([lrelease, ts_path, "-qm", qm], capture_output=True, text=True,
                         check=True).stdout
    unfinished = re.search(r"(\d+) unfinished", out)
    ignored = re.search(r"Ignored (\d+) untranslated", out)
    return (int(unfinished.group(1)) if unfinished else 0,
            int(ignored.group(1)) if ignored else 0)


def check(source_dir, lupdate, lrelease):
    files = sorted(glob.glob(os.path.join(source_dir, "game", "translations", "dravik_*.ts")))
    if not files:
        print("check-translations: no game/translations/dravik_*.ts", file=sys.stderr)
        return 1
    problems = []
    with tempfile.TemporaryDirectory() as work:
        copies = []
        for f in files:
            copy = os.path.join(work, os.path.basename(f))
            shutil.copyfile(f, copy)
            copies.append(copy)
        # As scripts/update-translations.sh runs it, into the copies.
        subprocess.run([lupdate, "-silent", "-locations", "none", "-no-ui-lines",
                        "-extensions", "cpp,h", "-I", source_dir,
                        os.path.join(source_dir, "game"), "-ts"] + copies,
                       check=True, cwd=source_dir, capture_output=True)
        for copy in copies:
            problems += entry_problems(copy)
            unfinished, untranslated = release_report(lrelease, copy, work)
            if unfinished or untranslated:
                problems.append(f"{os.path.basename(copy)}: lrelease reports {unfinished} "
                                f"unfinished and {untranslated} untranslated texts")
    for p in problems:
        print(p)
    if problems:
        print("check-translations: run scripts/update-translations.sh and translate the "
              "entries above (Qt Linguist, or in the .ts files)", file=sys.stderr)
        return 1
    print(f"check-translations: {len(files)} languages, every text translated")
    return 0


def self_test(lupdate, lrelease):
    """A source tree with one translated text, then a new text and a lost %1."""
    with tempfile.TemporaryDirectory() as root:
        os.makedirs(os.path.join(root, "game", "translations"))
        source = os.path.join(root, "game", "texts.h")
        with open(source, "w") as f:
            f.write('const char* a = QT_TRANSLATE_NOOP("dravik", "Level: %1");\n'
                    'const char* b = QT_TRANSLATE_NOOP("dravik", "&OK");\n')
        ts = os.path.join(root, "game", "translations", "dravik_de.ts")
        with open(ts, "w") as f:
            f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n'
                    '<TS version="2.1" language="de"><context><name>dravik</name>'
                    '<message><source>Level: %1</source><translation>Stufe: %1</translation>'
                    '</message><message><source>&amp;OK</source><translation>&amp;OK'
                    '</translation></message></context></TS>\n')
        if check(root, lupdate, lrelease) != 0:
            print("self-test: a complete translation was refused", file=sys.stderr)
            return 1
        with open(source, "a") as f:
            f.write('const char* c = QT_TRANSLATE_NOOP("dravik", "Next");\n')
        if check(root, lupdate, lrelease) == 0:
            print("self-test: a text without translation passed", file=sys.stderr)
            return 1
        with open(source, "w") as f:
            f.write('const char* a = QT_TRANSLATE_NOOP("dravik", "Level: %1");\n')
        with open(ts, "w") as f:
            f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n'
                    '<TS version="2.1" language="de"><context><name>dravik</name>'
                    '<message><source>Level: %1</source><translation>Stufe</translation>'
                    '</message></context></TS>\n')
        if check(root, lupdate, lrelease) == 0:
            print("self-test: a translation without its %1 passed", file=sys.stderr)
            return 1
    print("self-test: passed")
    return 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("source_dir", nargs="?")
    parser.add_argument("--self-test", action="store_true")
    parser.add_argument("--lupdate", default=shutil.which("lupdate") or "/usr/lib/qt6/bin/lupdate")
    parser.add_argument("--lrelease",
                        default=shutil.which("lrelease") or "/usr/lib/qt6/bin/lrelease")
    args = parser.parse_args()
    for tool in (args.lupdate, args.lrelease):
        if not os.access(tool, os.X_OK):
            print(f"check-translations: {tool} is missing (qt6-l10n-tools)", file=sys.stderr)
            return 1
    if args.self_test:
        return self_test(args.lupdate, args.lrelease)
    if not args.source_dir:
        parser.error("SOURCE_DIR is needed")
    return check(os.path.abspath(args.source_dir), args.lupdate, args.lrelease)


if __name__ == "__main__":
    sys.exit(main())
