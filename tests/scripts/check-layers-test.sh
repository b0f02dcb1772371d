#!/usr/bin/env bash
# Runs the layer checker over small made-up trees: each case writes a few
# files, then expects the checker's exit status and one line of its output.
set -uo pipefail

checker="$(cd "$(dirname "$0")/../.." && pwd)/scripts/check-layers.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# Usage: expect NAME STATUS LINE FILE:INCLUDE... (an empty INCLUDE writes a
# file with no include)
expect() {
    local name=$1 status=$2 line=$3
    shift 3
    local tree="$work/$name"
    mkdir -p "$tree"
    for entry in "$@"; do
        local file=${entry%%:*} include=${entry#*:}
        mkdir -p "$tree/$(dirname "$file")"
        if [ -n "$include" ]; then
            echo "#include \"$include\"" >>"$tree/$file"
        else
            : >>"$tree/$file"
        fi
    done
    local output actual
    output=$("$checker" "$tree" 2>&1)
    actual=$?
    if [ "$actual" -ne "$status" ] || ! grep -qxF -- "$line" <<<"$output"; then
        echo "FAIL $name: status $actual, wanted $status and the line '$line'; output:"
        echo "$output" | sed 's/^/    /'
        failures=$((failures + 1))
    fi
}

expect downward 0 "layers: every include points down" \
    gui/Label.cpp:engine/Log.h engine/Log.h: game/rules/Deck.cpp:game/rules/Deck.h
expect counted 0 "game [6] -> engine(2) gui(1)" \
    game/Menu.cpp:engine/Log.h game/Menu.cpp:engine/Task.h game/Menu.cpp:gui/Label.h game/Menu.cpp:game/Menu.h
expect upward 1 "error: engine (layer 0) includes from gui (layer 4)" \
    engine/Engine.cpp:gui/RootWidget.h gui/RootWidget.h:
expect same-layer 1 "error: ai (layer 2) includes from input (layer 2)" \
    ai/TreeAI.cpp:input/Keyboard.h input/Keyboard.h:
expect rules-to-screen 1 "error: game/rules (layer 1) includes from game (layer 6)" \
    game/rules/GameState.cpp:game/Valdmoor.h game/Valdmoor.h:
expect unknown-folder 1 "error: widgets has no layer in the table" \
    widgets/Panel.cpp:engine/Log.h
expect unknown-target 1 "error: gui includes from themes, which has no layer in the table" \
    gui/Label.cpp:themes/Colours.h

[ "$failures" -eq 0 ] && echo "every case passed"
exit "$failures"
