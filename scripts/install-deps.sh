#!/usr/bin/env bash
# Installs the Debian packages needed to build, test and run Dravik Sudoku.
# Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

packages=(
    g++ clang libclang-rt-14-dev cmake ninja-build make pkg-config python3
    qt6-base-dev libgl1-mesa-dev
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    libsdl2-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation xvfb xauth xdotool x11-xkb-utils libxtst-dev libxdamage-dev
    desktop-file-utils appstream dpkg-dev
    poppler-utils
    dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0
    cups printer-driver-cups-pdf
)
if [[ "${DRAVIK_EXTRA_PACKAGES:-}" != "" ]]; then
    read -r -a extra <<<"$DRAVIK_EXTRA_PACKAGES"
    packages+=("${extra[@]}")
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [[ ${#missing[@]} -eq 0 ]]; then
    exit 0
fi

echo "install-deps: missing packages: ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
    if command -v sudo >/dev/null 2>&1; then
        SUDO=sudo
    else
        echo "install-deps: not running as root and sudo is not available." >&2
        echo "install-deps: run as root:  apt-get install ${missing[*]}" >&2
        exit 1
    fi
else
    SUDO=
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
