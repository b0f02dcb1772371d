#!/usr/bin/env bash
# Runs scripts/install-deps.sh as a user who is not root, on a PATH of
# stand-ins: dpkg-query says which packages are installed, and sudo, when
# there is one, records the commands it was asked to run. Each case expects
# the exit status and the exact output of the script.
set -uo pipefail

script="$(cd "$(dirname "$0")/../.." && pwd)/scripts/install-deps.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

play="build-essential cmake libglfw3-dev libgl-dev libglu1-mesa-dev libgl1-mesa-dri libfreetype-dev fonts-dejavu-core"

# Usage: machine NAME INSTALLED SUDO: a folder of stand-ins, where
# dpkg-query finds the packages INSTALLED names and sudo is there when SUDO
# is "sudo".
machine() {
    local bin="$work/$1/bin"
    mkdir -p "$bin"
    for tool in bash grep realpath dirname cat; do
        ln -s "$(command -v "$tool")" "$bin/$tool"
    done
    printf '#!/bin/sh\necho 1000\n' >"$bin/id"
    printf '#!/bin/sh\nfor p in %s; do [ "$3" = "$p" ] && echo "install ok installed"; done\nexit 0\n' "$2" \
        >"$bin/dpkg-query"
    if [ "$3" = sudo ]; then
        printf '#!/bin/sh\necho "sudo $*" >>"%s"\n' "$work/$1/asked" >"$bin/sudo"
    fi
    chmod +x "$bin"/*
}

# Usage: expect NAME SET STATUS STDOUT STDERR [ASKED]
expect() {
    local name=$1 set=$2 status=$3 out=$4 err=$5 asked=${6:-}
    local actual_out actual_err actual actual_asked
    actual_out=$(PATH="$work/$name/bin" bash "$script" $set 2>"$work/$name/err")
    actual=$?
    actual_err=$(cat "$work/$name/err")
    actual_asked=$(cat "$work/$name/asked" 2>/dev/null)
    if [ "$actual" -ne "$status" ] || [ "$actual_out" != "$out" ] || [ "$actual_err" != "$err" ] ||
        [ "$actual_asked" != "$asked" ]; then
        echo "FAIL $name: status $actual, wanted $status"
        echo "  stdout: $actual_out"
        echo "  wanted: $out"
        echo "  stderr: $actual_err"
        echo "  wanted: $err"
        echo "  sudo was asked: $actual_asked"
        echo "  wanted: $asked"
        failures=$((failures + 1))
    fi
}

machine no-sudo "" none
expect no-sudo play 1 "" "8 Debian packages are missing and installing them needs root, but there is no sudo: run 'bash $script play' as root (su -), then this command again."

machine play-there "$play" none
expect play-there play 0 "" ""

machine sudo "$play libgtest-dev" sudo
expect sudo package 0 "Installing: file" "" "sudo apt-get update
sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends file"

machine unknown-set "" none
expect unknown-set bogus 2 "" "Usage: scripts/install-deps.sh [play|package|test]"

# The test set holds the play set's packages and the test tools.
machine test-set "$play file" sudo
PATH="$work/test-set/bin" bash "$script" test >/dev/null 2>&1
for tool in libgtest-dev libbenchmark-dev clang xvfb xdotool libxdamage1 imagemagick lintian appstream; do
    if ! grep -q " $tool\( \|$\)" "$work/test-set/asked"; then
        echo "FAIL test-set: $tool is not installed by the test set"
        failures=$((failures + 1))
    fi
done
if grep -q " cmake\( \|$\)" "$work/test-set/asked"; then
    echo "FAIL test-set: cmake, installed already, is installed again"
    failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] && echo "install-deps: every case passed"
exit "$((failures > 0))"
