#!/usr/bin/env bash
# Brings game/translations/dravik_*.ts up to date with the texts of the
# sources: new texts come in unfinished (translate them with Qt Linguist,
# `linguist game/translations/dravik_de.ts`, or in the file itself), texts
# no longer in the sources are marked obsolete. No line numbers are kept, so
# a change elsewhere in a file leaves the translation files alone.
# Usage: scripts/update-translations.sh [TS_FILE ...]   (default: all of them)
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
[[ -x $lupdate ]] || { echo "update-translations: lupdate is missing (qt6-l10n-tools)" >&2; exit 1; }
files=("$@")
[[ ${#files[@]} -gt 0 ]] || files=(game/translations/dravik_*.ts)
"$lupdate" -silent -locations none -no-ui-lines -extensions cpp,h -I . game -ts "${files[@]}"
