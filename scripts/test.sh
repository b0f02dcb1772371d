#!/usr/bin/env bash
# Builds everything and runs every test: the plain build (with the checks of
# the Debian package), the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a bounded fuzz run of every decoder. Tests
# that need a display get a virtual one that stays up for the whole run.
#
# The suites build in folders of their own (build-test/, build-sanitize/),
# configured with the tests on at every run and rebuilt before they run, so
# the play command's build/ never mixes with them and a test that no longer
# builds fails the command; a suite that finds no test fails too.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh test

jobs="$(nproc)"
fuzz_seconds="${VALDMOOR_FUZZ_SECONDS:-30}"

run_suite() {
    local dir="$1"
    shift
    cmake -S . -B "$dir" -DVALDMOOR_TESTS=ON "$@"
    cmake --build "$dir" -j "$jobs"
    local tests=(ctest --test-dir "$dir" --output-on-failure --no-tests=error -j "$jobs")
    if [ -n "${DISPLAY:-}" ]; then
        "${tests[@]}"
    else
        # Without -noreset the server resets whenever its last client leaves,
        # and a test connecting at that moment loses its window.
        xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "${tests[@]}"
    fi
}

echo "== Build and tests =="
run_suite build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVALDMOOR_SANITIZE=OFF -DVALDMOOR_BENCH=ON

echo "== Build and tests with AddressSanitizer and UndefinedBehaviorSanitizer =="
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    run_suite build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVALDMOOR_SANITIZE=ON -DVALDMOOR_BENCH=OFF

if [ -f scripts/fuzz.sh ]; then
    echo "== Fuzzing every decoder for ${fuzz_seconds} s each =="
    bash scripts/fuzz.sh "$fuzz_seconds"
fi
