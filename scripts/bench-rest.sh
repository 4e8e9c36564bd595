#!/usr/bin/env bash
# Counts how often the game wakes at rest: started under a virtual X display
# with fresh folders and SDL's dummy sound driver (a machine with sound), left
# alone with no puzzle open, then the context switches of all its threads are
# counted over SECONDS seconds, in total and per thread.
# Usage: scripts/bench-rest.sh [BUILD_DIR] [SECONDS] [SETTLE_SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
seconds=${2:-10}
settle=${3:-5}
command -v Xvfb >/dev/null || { echo "bench-rest: Xvfb is not installed" >&2; exit 1; }
work=$(mktemp -d)
trap 'kill "${game:-0}" "${xvfb:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
source scripts/xvfb.sh
start_xvfb "$work" || { echo "bench-rest: Xvfb did not start" >&2; exit 1; }
mkdir -p "$work/data" "$work/config"
XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config SDL_AUDIODRIVER=dummy \
    "$build/bin/dravik-sudoku" </dev/null >"$work/game.log" 2>&1 &
game=$!
sleep "$settle"
kill -0 "$game" 2>/dev/null || { echo "bench-rest: the game ended:" >&2; cat "$work/game.log" >&2; exit 1; }

# "TID NAME SWITCHES" for every thread of the game.
switches() {
    for task in /proc/"$game"/task/*; do
        awk -v tid="${task##*/}" -v name="$(cat "$task/comm" 2>/dev/null)" \
            '/^(non)?voluntary_ctxt_switches/ { n += $2 } END { print tid, name, n }' \
            "$task/status" 2>/dev/null || true
    done
}
switches >"$work/before"
sleep "$seconds"
switches >"$work/after"
echo "context switches of dravik-sudoku at rest over $seconds s, per thread:"
join -a 1 -a 2 -e 0 -o 0,1.2,2.2,1.3,2.3 <(sort "$work/before") <(sort "$work/after") |
    awk -v s="$seconds" '{ name = ($2 == "0") ? $3 : $2; d = $5 - $4; total += d
                           printf "  %-16s %6d\n", name, d }
                         END { printf "total %d, %.1f per second\n", total, total / s }'
