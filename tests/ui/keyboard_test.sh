#!/usr/bin/env bash
# Runs the keyboard test on a virtual X server of its own, where it may
# change the keyboard layout without touching anyone's desktop.
set -euo pipefail
binary=$1
command -v Xvfb >/dev/null || { echo "Xvfb is not installed: skipped"; exit 0; }
command -v setxkbmap >/dev/null || { echo "setxkbmap is not installed: skipped"; exit 0; }
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 3>"$work/display" </dev/null >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 300); do
    [[ -s $work/display ]] && break
    kill -0 "$xvfb" 2>/dev/null || { cat "$work/xvfb.log" >&2; exit 1; }
    sleep 0.1
done
number=$(tr -d '[:space:]' <"$work/display")
[[ -n $number ]] || { cat "$work/xvfb.log" >&2; echo "Xvfb gave no display" >&2; exit 1; }
export DISPLAY=:$number
exec "$binary"
