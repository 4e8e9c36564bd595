#!/usr/bin/env bash
# Runs the screen reader's walk (accessibility_client.py) on a virtual X
# server and a D-Bus session of its own, where the AT-SPI bus starts on demand.
# Skips (77) where Xvfb, a session bus, the AT-SPI bus or pyatspi is missing.
# Usage: accessibility_test.sh GAME DRAVIK_CLI
set -euo pipefail
game=$1 cli=$2
here=$(cd "$(dirname "$0")" && pwd)
skip() { echo "$1: skipped"; exit 77; }
command -v Xvfb >/dev/null || skip "Xvfb is not installed"
command -v xdotool >/dev/null || skip "xdotool is not installed"
command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed"
[[ -x /usr/bin/python3 ]] || skip "no system python3"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
work=$(mktemp -d)
trap 'kill "${xvfb:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
source "$here/../../scripts/xvfb.sh"
start_xvfb "$work" 1280x1024x24 || { echo "Xvfb gave no display" >&2; exit 1; }
mkdir -p "$work/data" "$work/config"
# The session bus may refuse to start (no machine id, a locked-down sandbox).
dbus-run-session -- true 2>"$work/dbus.log" || { cat "$work/dbus.log"; skip "no D-Bus session bus"; }
command -v dbus-send >/dev/null || skip "dbus-send is not installed"
# Inside the session: the AT-SPI bus must start on demand (at-spi2-core), else
# the client library would abort rather than report.
exec dbus-run-session -- bash -c '
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 || { echo "no AT-SPI bus in the session: skipped"; exit 77; }
    exec /usr/bin/python3 "$@"' bash "$here/accessibility_client.py" "$game" "$cli" "$work"
