#!/usr/bin/env bash
# Regenerates the README's picture of a game in progress.
# Usage: scripts/screenshot.sh [BUILD_DIR] [OUTPUT]   (default: build docs/screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-docs/screenshot.png}
cmake --build "$build" --target ui_screenshot
mkdir -p "$(dirname "$out")"
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$build/tests/ui/ui_screenshot" "$out"
echo "wrote $out"
