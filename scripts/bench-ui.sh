#!/usr/bin/env bash
# Times the game's start-up as a player sees it: from launching the program to
# its window on the screen, stock read included, under a virtual X display,
# with fresh data and settings folders (the first start copies the master
# stock). Then runs the offscreen window benchmark (repaint, release, the
# event loop during a renewal). Needs Xvfb and xdotool.
# Usage: scripts/bench-ui.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-10}
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "bench-ui: $tool is not installed" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'kill "${xvfb:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 3>"$work/display" </dev/null >/dev/null 2>&1 &
xvfb=$!
number=
for _ in $(seq 1 600); do
    number=$(head -n 1 "$work/display" 2>/dev/null || true)
    [[ -n $number ]] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.05
done
[[ -n $number ]] || { echo "bench-ui: Xvfb did not start" >&2; exit 1; }
display=:$number
times=()
for run in $(seq 1 "$runs"); do
    rm -rf "$work/data" "$work/config"
    mkdir -p "$work/data" "$work/config"
    start=$(date +%s%N)
    DISPLAY=$display XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config \
        SDL_AUDIODRIVER=dummy "$build/bin/dravik-sudoku" </dev/null >"$work/game.log" 2>&1 &
    game=$!
    until DISPLAY=$display xdotool search --onlyvisible --name "^Dravik Sudoku - " >/dev/null; do
        kill -0 "$game" 2>/dev/null || { echo "bench-ui: the game ended before its window showed:" >&2; cat "$work/game.log" >&2; exit 1; }
        sleep 0.002
    done
    end=$(date +%s%N)
    kill "$game"
    wait "$game" 2>/dev/null || true
    times+=($(((end - start) / 1000000)))
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
echo "start-up to window shown over $runs runs (ms): $(echo $sorted | tr '\n' ' ')"
echo "median: $(echo "$sorted" | sed -n "$(((runs + 1) / 2))p") ms"
"$build/bench/ui_bench" 2>/dev/null
