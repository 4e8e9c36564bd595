#!/usr/bin/env bash
# Grading and generation next to qqwing (Debian's qqwing package), one thread,
# runs interleaved so that both see the same machine; medians of the CPU time
# (user + system) and of the wall time.
# Usage: scripts/bench-qqwing.sh [BUILD_DIR] [RUNS]   (defaults: build, 7)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-7}
dravik=$build/bin/dravik
command -v qqwing >/dev/null || { echo "qqwing is not installed (apt-get install qqwing)"; exit 1; }
work=$build/bench-data
mkdir -p "$work"

# Puzzle sets, made once: qqwing's mixed symmetric puzzles and its expert ones.
mixed=$work/qqwing-mixed-10000.txt expert=$work/qqwing-expert-3000.txt
[[ -s $mixed ]] || qqwing --generate 10000 --symmetry rotate180 --one-line >"$mixed"
[[ -s $expert ]] || qqwing --generate 3000 --difficulty expert --one-line >"$expert"

# Runs "$@" with standard input from $input and prints "wall cpu" in seconds.
timed() {
    local TIMEFORMAT='%R %U %S' t
    t=$({ time "$@" <"$input" >/dev/null 2>&1; } 2>&1)
    awk '{ printf "%.4f %.4f\n", $1, $2 + $3 }' <<<"$t"
}

# compare TITLE N_QQWING N_DRAVIK -- QQWING_COMMAND -- DRAVIK_COMMAND: interleaved
# runs, then the medians per item and the ratio dravik / qqwing per item.
compare() {
    local title=$1 nq=$2 nd=$3
    shift 3
    local -a q=() d=()
    shift # --
    while [[ $1 != -- ]]; do q+=("$1"); shift; done
    shift
    d=("$@")
    local fq fd
    fq=$(mktemp) fd=$(mktemp)
    for ((i = 0; i < runs; ++i)); do
        timed "${q[@]}" >>"$fq"
        timed "${d[@]}" >>"$fd"
    done
    median() { sort -n -k"$2" "$1" | awk -v k="$2" '{ v[NR] = $k } END { print v[int((NR + 1) / 2)] }'; }
    local qw qc dw dc
    qw=$(median "$fq" 1) qc=$(median "$fq" 2) dw=$(median "$fd" 1) dc=$(median "$fd" 2)
    awk -v t="$title" -v nq="$nq" -v nd="$nd" -v qw="$qw" -v qc="$qc" -v dw="$dw" -v dc="$dc" 'BEGIN {
        printf "%s\n  qqwing: %.3f s cpu, %.3f s wall for %d\n  dravik: %.3f s cpu, %.3f s wall for %d\n", t, qc, qw, nq, dc, dw, nd
        rc = (dc / nd) / (qc / nq); rw = (dw / nd) / (qw / nq)
        printf "  dravik / qqwing per item: cpu %.3f (x%.1f), wall %.3f (x%.1f)\n", rc, 1 / rc, rw, 1 / rw }'
    rm -f "$fq" "$fd"
}

input=$mixed
compare "grading 10,000 mixed qqwing puzzles" 10000 10000 -- qqwing --solve -- "$dravik" grade --threads 1
input=$expert
compare "grading 3,000 expert qqwing puzzles" 3000 3000 -- qqwing --solve -- "$dravik" grade --threads 1
input=/dev/null
compare "generating symmetric puzzles" 500 4000 -- qqwing --generate 500 --symmetry rotate180 \
    -- "$dravik" generate --count 4000 --threads 1 --seed 1
