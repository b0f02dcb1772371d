#!/usr/bin/env bash
# Installs the Debian packages one of the project's commands needs, skipping
# the update and the install when everything is there already:
#   play     building the game and playing it (scripts/play.sh, the release build)
#   package  the same, and making the Debian package with cpack
#   test     all of the above, and every test, benchmark and fuzz run
#            (scripts/test.sh, bench/); the default
# Usage: scripts/install-deps.sh [play|package|test]
set -euo pipefail

# A compiler, CMake, the windowing and OpenGL development files, the Mesa
# driver that draws on most machines, and FreeType and the DejaVu fonts from
# which the build draws the game's pictures and font.
play=(
    build-essential cmake
    libglfw3-dev libgl-dev libglu1-mesa-dev libgl1-mesa-dri
    libfreetype-dev fonts-dejavu-core
)
# cpack reads the program's kind with file(1) before dpkg-shlibdeps reads its
# library dependencies.
package=(file)
# GoogleTest and Benchmark; clang and its sanitizer and fuzzer runtimes; the
# virtual display, xdotool and the X libraries the end-to-end tests and
# bench/desktop_bench.py drive it with; the Debian package's checkers; zlib for
# the tests that unpack the icons; /usr/bin/time for bench/tga-peak-memory.sh.
test=(
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth xdotool x11-utils libx11-6 libxtst6 libxdamage1 imagemagick python3 zlib1g-dev
    dpkg-dev fakeroot binutils lintian desktop-file-utils appstream man-db time
)

set_name="${1:-test}"
case "$set_name" in
    play) packages=("${play[@]}") ;;
    package) packages=("${play[@]}" "${package[@]}") ;;
    test) packages=("${play[@]}" "${package[@]}" "${test[@]}") ;;
    *)
        echo "Usage: scripts/install-deps.sh [play|package|test]" >&2
        exit 2
        ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "${#missing[@]} Debian packages are missing and installing them needs root, but there is no sudo:" \
            "run 'bash $(realpath "$0") $set_name' as root (su -), then this command again." >&2
        exit 1
    fi
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
