#!/usr/bin/env bash
# Timed runs of the generator: puzzles per second of `dravik generate` on one
# thread, next to qqwing's symmetric generator when it is installed, and the
# time to build a whole stock.
# Usage: scripts/bench-generate.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
dravik=$build/bin/dravik
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Prints the best wall time of three runs of "$@" in seconds.
best_of_3() {
    local best= start end
    for run in 1 2 3; do
        start=$(date +%s.%N)
        "$@" >/dev/null 2>&1
        end=$(date +%s.%N)
        best=$(awk -v s="$start" -v e="$end" -v b="$best" 'BEGIN { t = e - s; print (b == "" || t < b) ? t : b }')
    done
    echo "$best"
}

t=$(best_of_3 "$dravik" generate --count 2000 --threads 1 --seed 1)
awk -v t="$t" 'BEGIN { printf "dravik generate --count 2000 --threads 1: %.3f s, %.0f puzzles/s\n", t, 2000 / t }'
if command -v qqwing >/dev/null; then
    q=$(best_of_3 qqwing --generate 2000 --symmetry rotate180)
    awk -v t="$q" -v d="$t" 'BEGIN { printf "qqwing --generate 2000 --symmetry rotate180: %.3f s, %.0f puzzles/s (dravik %.1fx)\n", t, 2000 / t, t / d }'
else
    echo "qqwing not installed: no comparison"
fi

t=$(best_of_3 "$dravik" stock build --out "$out/sudstock.kds" --seed 20261207 --threads 2)
awk -v t="$t" 'BEGIN { printf "dravik stock build --seed 20261207 --threads 2: %.3f s\n", t }'
