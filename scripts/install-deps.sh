#!/usr/bin/env bash
# Installs the packages needed to build, test and look at Telvo View on Debian 12.
# Only missing packages are installed; nothing happens when all are present.
set -euo pipefail

packages=(
    cmake
    ninja-build
    g++
    qt6-base-dev
    qt6-base-dev-tools
    libgl-dev           # Qt's CMake package looks for OpenGL
    fonts-liberation2   # metric-compatible stand-ins for Arial and Courier New
    xvfb                # the four below are for looking at windows and PDFs
    xauth
    imagemagick
    poppler-utils
    cups                # a local print queue for the print test (scripts/start-test-printer.sh)
    cups-client
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    if [[ "$status" != "install ok installed" ]]; then
        missing+=("$package")
    fi
done

if [[ ${#missing[@]} -eq 0 ]]; then
    exit 0
fi

if [[ $(id -u) -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "install-deps: missing packages (${missing[*]}) and neither root nor sudo available" >&2
    exit 1
fi

echo "install-deps: installing ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
