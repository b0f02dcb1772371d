#!/usr/bin/env bash
# Peak memory of loading crafted TGA files: two run-length ones whose headers
# claim far more pixels than any honest file of their size holds, 16384 by
# 16384 in 8.4 MB and 65535 by 65535 in 134 MB (every packet a run of 128
# pixels), and a 1 GiB file of zeros, whose header claims no pixels at all.
# Each is read by bench's tga_load under /usr/bin/time -v; a file must be
# refused, and its peak resident memory stay under 200 MB, the zeros' under
# 20 MB, as a refused header costs no more than its own bytes.
# Needs python3 and /usr/bin/time (Debian packages python3 and time, both in
# `bash scripts/install-deps.sh test`) and a build folder with the
# benchmarks, as the test command's build-test/ (the play command's build/
# has none).
# Usage: bench/tga-peak-memory.sh [build folder, default build-test]
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build-test}"
loader="$build/bench/tga_load"

missing=()
[ -x /usr/bin/time ] || missing+=("/usr/bin/time (Debian package time)")
command -v python3 >/dev/null || missing+=("python3 (Debian package python3)")
[ -x "$loader" ] || missing+=("$loader: the test command builds it into build-test/")
if [ ${#missing[@]} -gt 0 ]; then
    echo "tga-peak-memory.sh cannot run; missing: ${missing[*]}" >&2
    echo "The packages come with 'bash scripts/install-deps.sh test', run as root." >&2
    exit 1
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The files are large: an interrupt or a stop signal removes them too.
trap 'exit 130' INT
trap 'exit 143' TERM HUP

# The files are made here, at run time; they are too large to keep.
python3 - "$work" <<'PYTHON'
import struct
import sys

for side in (16384, 65535):
    packets = (side * side + 127) // 128
    header = bytes([0, 0, 10]) + bytes(9) + struct.pack("<HH", side, side) + bytes([24, 0])
    with open(f"{sys.argv[1]}/run_length_{side}.tga", "wb") as out:
        out.write(header + bytes([0xFF, 0x10, 0x20, 0x30]) * packets)
# Sparse: it reads as zeros and costs no disk.
with open(f"{sys.argv[1]}/zeros_1GiB.tga", "wb") as out:
    out.truncate(1 << 30)
PYTHON

failed=0
printf '%-26s %10s %6s %14s  %s\n' file bytes exit "peak RSS (MB)" "reader's line"
for picture in "$work"/run_length_16384.tga "$work"/run_length_65535.tga "$work"/zeros_1GiB.tga; do
    limit_kb=$((200 * 1024))
    case "$picture" in *zeros*) limit_kb=$((20 * 1024)) ;; esac
    status=0
    /usr/bin/time -v "$loader" "$picture" >"$work/out" 2>"$work/time" || status=$?
    peak_kb="$(sed -n 's/^\s*Maximum resident set size (kbytes): //p' "$work/time")"
    line="$(head -n 1 "$work/out" | sed "s|$work/||")"
    printf '%-26s %10s %6s %14s  %s\n' "$(basename "$picture")" "$(stat -c %s "$picture")" "$status" \
        "$((peak_kb / 1024))" "$line"
    if [ "$status" != 1 ] || [ "$peak_kb" -ge "$limit_kb" ]; then
        failed=1
    fi
done
if [ "$failed" != 0 ]; then
    echo "A crafted file was not refused, or its load went over its limit." >&2
    exit 1
fi
