#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks it as a desktop would: the
# desktop entry and the AppStream file validate, every file the game needs is
# found from the installed programs' own folder (also after the whole tree is
# moved elsewhere), and the installed game starts under a virtual display,
# shows its window and makes the player's copy of the stock.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
cleanup() {
    [[ -n ${game:-} ]] && kill -9 "$game" 2>/dev/null
    [[ -n ${xvfb:-} ]] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "install test: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/first" >/dev/null
desktop-file-validate "$work/first/share/applications/org.dravik.Sudoku.desktop" ||
    fail "the desktop entry does not validate"
appstreamcli validate --no-net "$work/first/share/metainfo/org.dravik.Sudoku.metainfo.xml" ||
    fail "the AppStream file does not validate"
for size in 48 64 128 256; do
    [[ -s $work/first/share/icons/hicolor/${size}x${size}/apps/org.dravik.Sudoku.png ]] ||
        fail "no ${size}px icon"
done
[[ -s $work/first/share/icons/hicolor/scalable/apps/org.dravik.Sudoku.svg ]] || fail "no scalable icon"
for page in dravik.6 dravik-print.6 dravik-sudoku.6; do
    [[ -s $work/first/share/man/man6/$page ]] || fail "no manual page $page"
done

# Any prefix: the tree moved after installing still finds everything.
mv "$work/first" "$work/moved"
prefix=$work/moved
paths=$("$prefix/bin/dravik-sudoku" --paths)
echo "$paths"
grep -q "missing" <<<"$paths" && fail "the installed game misses some of its files"
grep -q "^stock .*$prefix/share/dravik-sudoku/sudstock.kds" <<<"$paths" || fail "stock not in the data folder"
grep -q "10 of 10 found" <<<"$paths" || fail "effects not found"
grep -q "^translations .* (3 of 3 found)" <<<"$paths" || fail "translations not found"
"$prefix/bin/dravik" stock verify "$prefix/share/dravik-sudoku/sudstock.kds" >/dev/null ||
    fail "the installed master stock does not verify"
# Only printing loads Qt: dravik needs no Qt library, and its print command
# runs dravik-print from beside it, with the master stock found from there.
readelf -d "$prefix/bin/dravik" | grep -q 'NEEDED.*libQt' && fail "dravik links Qt"
"$prefix/bin/dravik" print --pdf "$work/moved.pdf" --level 2 || fail "dravik print failed"
[[ $(head -c 5 "$work/moved.pdf") == "%PDF-" ]] || fail "dravik print wrote no PDF"
# Without its print program, dravik print says so and fails like a broken
# installation; the other commands do not miss it.
cp "$prefix/bin/dravik" "$work/dravik-alone"
status=0
"$work/dravik-alone" print --pdf "$work/alone.pdf" 2>"$work/alone.log" || status=$?
[[ $status == 1 ]] && grep -q "cannot run the print program '$work/dravik-print'" "$work/alone.log" ||
    fail "dravik print without dravik-print: status $status, $(cat "$work/alone.log")"
[[ $(echo 4.......6..231..7.6.154...8...6..85.....5.....69..1...3...756.4.1..695..7.......9 |
    "$work/dravik-alone" grade | cut -d " " -f 2) == 1 ]] || fail "dravik grade failed without dravik-print"

# The window, under a virtual display.
command -v Xvfb >/dev/null || fail "Xvfb is not installed"
source "$(dirname "$0")/../../scripts/xvfb.sh"
start_xvfb "$work" 1024x768x24 || fail "Xvfb gave no display within 30 s"
mkdir -p "$work/data" "$work/config"
XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config SDL_AUDIODRIVER=dummy \
    "$prefix/bin/dravik-sudoku" </dev/null >"$work/game.log" 2>&1 &
game=$!
shown=0
for _ in $(seq 1 600); do
    kill -0 "$game" 2>/dev/null || { cat "$work/game.log" >&2; fail "the game ended at start-up"; }
    if xdotool search --onlyvisible --name "^Dravik Sudoku - " >/dev/null 2>&1; then
        shown=1
        break
    fi
    sleep 0.05
done
[[ $shown == 1 ]] || fail "the window did not show"
cmp -s "$work/data/DravikSudoku/sudstock.kds" "$prefix/share/dravik-sudoku/sudstock.kds" ||
    fail "the player's copy of the stock was not made from the master"
echo "install test: ok"
