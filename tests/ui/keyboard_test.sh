#!/usr/bin/env bash
# Runs the keyboard test on a virtual X server of its own, where it may
# change the keyboard layout without touching anyone's desktop.
set -euo pipefail
binary=$1
command -v Xvfb >/dev/null || { echo "Xvfb is not installed: skipped"; exit 0; }
command -v setxkbmap >/dev/null || { echo "setxkbmap is not installed: skipped"; exit 0; }
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
source "$(dirname "$0")/../../scripts/xvfb.sh"
start_xvfb "$work" 1024x768x24 || { echo "Xvfb gave no display" >&2; exit 1; }
exec "$binary"
