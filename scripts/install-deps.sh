#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing need,
# skipping the update and the install when everything is there already.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    libglfw3-dev libgl-dev libglu1-mesa-dev libgl1-mesa-dri
    libfreetype-dev fonts-dejavu-core
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth xdotool imagemagick x11-utils python3 zlib1g-dev
    dpkg-dev fakeroot file binutils lintian desktop-file-utils appstream man-db time
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
