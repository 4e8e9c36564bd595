#!/usr/bin/env bash
# Timed runs of the dravik command and the benchmark programs.
# Usage: scripts/bench.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
dravik=$build/bin/dravik
work=$build/bench-data
mkdir -p "$work"

# 10,000 minimal half-turn-symmetric puzzles of mixed levels, reproducible.
puzzles=$work/puzzles-10000.txt
if [[ ! -s $puzzles ]]; then
    "$dravik" generate --count 10000 --seed 20261207 --threads 2 2>/dev/null | cut -d' ' -f1 >"$puzzles"
fi
echo "puzzles: $(wc -l <"$puzzles") from 'dravik generate --count 10000 --seed 20261207 --threads 2'"

for threads in 1 2; do
    best=
    for run in 1 2 3; do
        start=$(date +%s.%N)
        "$dravik" grade --threads "$threads" <"$puzzles" >/dev/null
        end=$(date +%s.%N)
        best=$(awk -v s="$start" -v e="$end" -v b="$best" 'BEGIN { t = e - s; print (b == "" || t < b) ? t : b }')
    done
    awk -v t="$best" -v n="$threads" \
        'BEGIN { printf "dravik grade --threads %d: best of 3 %.3f s, %.0f puzzles/s\n", n, t, 10000 / t }'
done

# A puzzle book: 10 pages of 4 Very Hard puzzles into a PDF (target 1 s).
pdf=$work/book.pdf
best=
for run in 1 2 3; do
    start=$(date +%s.%N)
    "$dravik" print --pdf "$pdf" --level 5 --from 61 --pages 10 --per-page 4
    end=$(date +%s.%N)
    best=$(awk -v s="$start" -v e="$end" -v b="$best" 'BEGIN { t = e - s; print (b == "" || t < b) ? t : b }')
done
awk -v t="$best" 'BEGIN { printf "dravik print, 10 pages x 4 puzzles: best of 3 %.3f s\n", t }'

for b in "$build"/bench/*_bench; do
    [[ -x $b ]] || continue
    echo "== $(basename "$b")"
    DRAVIK_BENCH_PUZZLES=$puzzles "$b" --benchmark_min_time=0.2 2>/dev/null || true
done
