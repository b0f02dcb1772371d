#!/usr/bin/env bash
# Lists, for every product folder, the folders its files include headers
# from, and fails when an include points from a folder to one of a layer not
# below its own, when a product folder is missing from the table, or when the
# folders' includes form a cycle.
# Usage: scripts/check-layers.sh [root of the tree, default this checkout]
set -euo pipefail

root="${1:-$(dirname "$0")/..}"
cd "$root"

# The layers, lowest first. A folder may include from its own files and from
# folders of a lower layer only; folders on one layer know nothing of each
# other.
layers='
engine          0   tasks, callables, logs, clocks, the window glue, key codes
scenegraph      1   nodes, the camera, the maths
game/rules      1   cards, deck, board and the table a computer player sits at
resources       2   files, textures, meshes, the resource manager
input           2   keyboard state and key maps
ai              2   the search and the computer opponent, through the table
font            3   bitmap fonts, loaded as resources
gui             4   the widget tree
engine/startup  5   brings every subsystem up and down, runs the frames
game            6   the game screen, the menus, the hooks the start-up calls
tools/arena     7   plays the computer against itself, no window
tools/assetgen  7   draws the pictures and the font
'

declare -A rank
while read -r folder layer _; do
    [ -n "$folder" ] && rank[$folder]=$layer
done <<<"$layers"

# Every product source and header, by its path from the root: all but the
# tests, fuzzers, benchmarks and build folders.
files=$(find . -type f \( -name '*.cpp' -o -name '*.h' \) | sed 's|^\./||' |
            grep -v -E '^(tests|fuzz|bench|build[^/]*|\.[^/]*)/' | sort)

# One line per include: the including file's folder, then the included one's.
edges=$(
    while read -r file; do
        [ -n "$file" ] || continue
        from=$(dirname "$file")
        sed -n 's/^#include "\(.*\)\/[^/]*"$/\1/p' "$file" | sed "s|^|$from |"
    done <<<"$files" | sort
)

failed=0
for folder in $(xargs -r -n1 dirname <<<"$files" | sort -u); do
    if [ -z "${rank[$folder]:-}" ]; then
        echo "error: $folder has no layer in the table"
        failed=1
        continue
    fi
    targets=$(awk -v f="$folder" '$1 == f && $2 != f { print $2 }' <<<"$edges" | uniq -c |
              awk '{ printf " %s(%d)", $2, $1 }')
    echo "$folder [${rank[$folder]}] ->${targets:- no other folder}"
done

while read -r from to; do
    [ -n "$from" ] && [ "$from" != "$to" ] || continue
    if [ -z "${rank[$to]:-}" ]; then
        echo "error: $from includes from $to, which has no layer in the table"
        failed=1
    elif [ "${rank[$to]}" -ge "${rank[$from]}" ]; then
        echo "error: $from (layer ${rank[$from]}) includes from $to (layer ${rank[$to]})"
        failed=1
    fi
done < <(sort -u <<<"$edges")

if ! awk '$1 != $2' <<<"$edges" | sort -u | tsort >/dev/null 2>&1; then
    echo "error: the folders' includes form a cycle:"
    awk '$1 != $2' <<<"$edges" | sort -u | tsort 2>&1 >/dev/null | sed 's/^/  /'
    failed=1
fi

[ "$failed" -eq 0 ] && echo "layers: every include points down"
exit "$failed"
