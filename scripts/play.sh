#!/usr/bin/env bash
# Builds the game into build/ and starts it there, beside its generated Assets/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh play
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVALDMOOR_TESTS=OFF -DVALDMOOR_BENCH=OFF
cmake --build build -j "$(nproc)" --target valdmoor assets
cd build
exec ./valdmoor
