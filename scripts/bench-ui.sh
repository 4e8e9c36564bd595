#!/usr/bin/env bash
# Times the game's start-up as a player sees it: from launching the program to
# its window mapped on the screen and to its first paint, stock read included,
# under a virtual X display: a normal start, and a first start with fresh data
# and settings folders (it copies the master stock). Solo from sgt-puzzles,
# when installed, is timed the same way in turns with the game, so both see
# the same load, and so is an empty Qt window of the game's size (the least the
# toolkit takes, bench/empty_window). Then runs the offscreen window benchmark
# (repaint, release, the event loop during a renewal) unless BENCH_UI_WINDOW_ONLY
# is set.
# With BENCH_UI_ACCESSIBILITY set, every run also starts the game with Qt's
# accessibility bridge on (QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1), in turns with
# the plain start, inside a D-Bus session of its own where the AT-SPI bus
# starts on demand, and compares the two.
# With BENCH_UI_LANGUAGE=de_DE.UTF-8 (or another locale) every normal start in
# English (LANG=C) is followed by one with that locale's translation loaded,
# and the two are compared.
# Needs Xvfb and the build's window_times (libxdamage-dev).
# Usage: scripts/bench-ui.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ ${BENCH_UI_ACCESSIBILITY:-} && -z ${BENCH_UI_IN_SESSION:-} ]]; then
    command -v dbus-run-session >/dev/null || { echo "bench-ui: dbus-run-session is missing" >&2; exit 1; }
    BENCH_UI_IN_SESSION=1 exec dbus-run-session -- "$0" "$@" 2> >(grep -v '^dbus-daemon' >&2)
fi
build=${1:-build}
runs=${2:-10}
command -v Xvfb >/dev/null || { echo "bench-ui: Xvfb is not installed" >&2; exit 1; }
watch=$build/bench/window_times
[[ -x $watch ]] || { echo "bench-ui: $watch is missing (install libxdamage-dev and build again)" >&2; exit 1; }
solo=
for candidate in /usr/games/sgt-solo /usr/games/solo; do
    [[ -x $candidate ]] && { solo=$candidate; break; }
done
work=$(mktemp -d)
trap 'kill "${xvfb:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
source scripts/xvfb.sh
start_xvfb "$work" || { echo "bench-ui: Xvfb did not start" >&2; exit 1; }
display=$DISPLAY

# One timed start of "$@" with the data and settings folders under $1:
# "mapped MS painted MS".
timed_start() {
    local home=$1
    shift
    mkdir -p "$home/data" "$home/config"
    DISPLAY=$display XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config \
        SDL_AUDIODRIVER=dummy "$watch" "$@" </dev/null 2>"$work/start.log" ||
        { echo "bench-ui: $1 did not show its window:" >&2; cat "$work/start.log" >&2; exit 1; }
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# A first start copies the master stock and writes the settings; a normal
# start finds both, as a player's does every day.
language=${BENCH_UI_LANGUAGE:-}
[[ -n $language ]] && export LANG=C LC_ALL= LC_MESSAGES=
timed_start "$work/normal" "$build/bin/dravik-sudoku" >/dev/null
# The AT-SPI bus starts with the first program that asks for it, not with each.
[[ ${BENCH_UI_ACCESSIBILITY:-} ]] &&
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 timed_start "$work/normal" "$build/bin/dravik-sudoku" >/dev/null
: >"$work/first" >"$work/game" >"$work/solo" >"$work/access" >"$work/empty" >"$work/lang"
for _ in $(seq 1 "$runs"); do
    rm -rf "$work/fresh"
    timed_start "$work/fresh" "$build/bin/dravik-sudoku" >>"$work/first"
    timed_start "$work/normal" "$build/bin/dravik-sudoku" >>"$work/game"
    [[ ${BENCH_UI_ACCESSIBILITY:-} ]] &&
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 timed_start "$work/normal" "$build/bin/dravik-sudoku" \
            >>"$work/access"
    [[ -n $language ]] && LANG=$language timed_start "$work/normal" "$build/bin/dravik-sudoku" >>"$work/lang"
    [[ -n $solo ]] && timed_start "$work/solo-home" "$solo" >>"$work/solo"
    [[ -x $build/bench/empty_window ]] && timed_start "$work/empty-home" "$build/bench/empty_window" >>"$work/empty"
done
report() { # NAME FILE
    local mapped painted
    mapped=$(awk '{ print $2 }' "$2" | median)
    painted=$(awk '{ print $4 }' "$2" | median)
    echo "$1 over $runs runs: mapped $(awk '{ printf "%s ", $2 }' "$2")ms;" \
        "painted $(awk '{ printf "%s ", $4 }' "$2")ms"
    echo "$1 median: mapped $mapped ms, first painted $painted ms"
}
report "dravik-sudoku, first start" "$work/first"
report "dravik-sudoku" "$work/game"
[[ -s $work/empty ]] && report "an empty Qt window" "$work/empty"
if [[ ${BENCH_UI_ACCESSIBILITY:-} ]]; then
    report "dravik-sudoku, accessibility bridge on" "$work/access"
    awk -v g="$(awk '{ print $4 }' "$work/game" | median)" \
        -v a="$(awk '{ print $4 }' "$work/access" | median)" \
        'BEGIN { printf "first paint with the accessibility bridge on: %.2f of the plain start'"'"'s time\n", a / g }'
fi
if [[ -n $language ]]; then
    report "dravik-sudoku, LANG=$language" "$work/lang"
    awk -v e="$(awk '{ print $4 }' "$work/game" | median)" \
        -v l="$(awk '{ print $4 }' "$work/lang" | median)" -v name="$language" \
        'BEGIN { printf "first paint with the translation of %s: %.3f of the English time\n", name, l / e }'
fi
if [[ -n $solo ]]; then
    report "$(basename "$solo")" "$work/solo"
    awk -v g="$(awk '{ print $4 }' "$work/game" | median)" \
        -v s="$(awk '{ print $4 }' "$work/solo" | median)" \
        'BEGIN { printf "first paint: dravik-sudoku %.2f of %s'"'"'s time\n", g / s, "Solo" }'
    [[ -s $work/empty ]] && awk -v e="$(awk '{ print $4 }' "$work/empty" | median)" \
        -v s="$(awk '{ print $4 }' "$work/solo" | median)" \
        'BEGIN { printf "first paint: an empty Qt window %.2f of Solo'"'"'s time\n", e / s }'
else
    echo "sgt-puzzles is not installed: no comparison with Solo"
fi
[[ ${BENCH_UI_WINDOW_ONLY:-} ]] || "$build/bench/ui_bench" 2>/dev/null
