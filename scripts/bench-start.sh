#!/usr/bin/env bash
# Times how fast `dravik` starts: `dravik grade < /dev/null` (a command that
# has nothing to do) next to `qqwing --version`, run in turns so that both see
# the same load, with the median wall time of each and their ratio; then the
# largest resident set of each command with GNU time, `dravik print` included.
# Usage: scripts/bench-start.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-200}
dravik=$build/bin/dravik
command -v qqwing >/dev/null || { echo "bench-start: qqwing is not installed" >&2; exit 1; }

# Microseconds of one run of "$@", without a process of its own for the clock.
micros() {
    local start=$EPOCHREALTIME
    "$@" </dev/null >/dev/null 2>&1 || true
    local end=$EPOCHREALTIME
    echo $(((${end/./} - ${start/./})))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

ours=() theirs=()
for _ in $(seq 1 "$runs"); do
    ours+=("$(micros "$dravik" grade)")
    theirs+=("$(micros qqwing --version)")
done
d=$(printf '%s\n' "${ours[@]}" | median)
q=$(printf '%s\n' "${theirs[@]}" | median)
awk -v d="$d" -v q="$q" -v n="$runs" 'BEGIN {
    printf "start, median of %d runs: dravik grade < /dev/null %.2f ms, qqwing --version %.2f ms (%.2fx)\n",
        n, d / 1000, q / 1000, d / q }'

if [[ -x /usr/bin/time ]]; then
    rss() { /usr/bin/time -f %M "$@" </dev/null 2>&1 >/dev/null | tail -n 1; }
    pdf=$(mktemp --suffix=.pdf)
    trap 'rm -f "$pdf"' EXIT
    echo "max RSS: dravik grade $(rss "$dravik" grade) KiB, dravik solve $(rss "$dravik" solve) KiB," \
         "qqwing --version $(rss qqwing --version) KiB, dravik print $(rss "$dravik" print --pdf "$pdf") KiB"
fi
