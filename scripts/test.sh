#!/usr/bin/env bash
# Builds everything and runs every test: the plain build, the same suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a bounded fuzz run of
# every decoder. Tests that need a display get a virtual one.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs="$(nproc)"
fuzz_seconds="${VALDMOOR_FUZZ_SECONDS:-30}"

run_suite() {
    local dir="$1"
    shift
    cmake -S . -B "$dir" "$@"
    cmake --build "$dir" -j "$jobs"
    if [ -n "${DISPLAY:-}" ]; then
        ctest --test-dir "$dir" --output-on-failure -j "$jobs"
    else
        xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir "$dir" --output-on-failure -j "$jobs"
    fi
}

echo "== Build and tests =="
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo

echo "== Build and tests with AddressSanitizer and UndefinedBehaviorSanitizer =="
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    run_suite build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVALDMOOR_SANITIZE=ON -DVALDMOOR_BENCH=OFF

if [ -f scripts/fuzz.sh ]; then
    echo "== Fuzzing every decoder for ${fuzz_seconds} s each =="
    bash scripts/fuzz.sh "$fuzz_seconds"
fi
