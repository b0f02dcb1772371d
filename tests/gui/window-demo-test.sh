#!/usr/bin/env bash
# Drives gui-window-demo with a real pointer and keyboard on a virtual display
# of its own, and checks what the demo says it received.
#   window-demo-test.sh <demo> <assets folder>
set -euo pipefail

demo="$1"
assets="$2"

if [ -z "${VALDMOOR_DEMO_DISPLAY:-}" ]; then
    exec env VALDMOOR_DEMO_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

work="$(mktemp -d)"
demo_pid=""
cleanup() {
    if [ -n "$demo_pid" ] && kill -0 "$demo_pid" 2>/dev/null; then
        kill "$demo_pid"
    fi
    rm -rf "$work"
}
trap cleanup EXIT
cd "$work"

# Mesa's software renderer is loaded up front. Loaded by the window system, it
# is unloaded again when the window system shuts down, and LeakSanitizer's
# final pass then trips over what it left behind: it crashes, or takes the
# renderer's own blocks for leaks of the demo's.
renderer="$(ls /usr/lib/*/dri/swrast_dri.so 2>/dev/null | head -n 1 || true)"
# Always started in the background, so the exec leaves the demo's own process id in $!.
run_demo() {
    if [ -n "$renderer" ]; then
        exec env LD_PRELOAD="$renderer${LD_PRELOAD:+ $LD_PRELOAD}" \
            ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" "$demo"
    fi
    exec "$demo"
}

ln -s "$assets" Assets
run_demo > said.txt 2>&1 &
demo_pid=$!

# Waits, at most ten seconds, until the demo has said the line as many times as given.
expect_line() {
    local line="$1" times="${2:-1}"
    for _ in $(seq 100); do
        if [ "$(grep -cx -- "$line" said.txt || true)" -ge "$times" ]; then
            return 0
        fi
        if ! kill -0 "$demo_pid" 2>/dev/null && [ "$line" != "answer yes" ]; then
            break
        fi
        sleep 0.1
    done
    echo "the demo did not say \"$line\" ($times time(s)); it said:" >&2
    cat said.txt >&2
    exit 1
}

expect_line "ready"
window="$(xdotool search --sync --onlyvisible --name "Widget demo" | head -n 1)"
read -r left top < <(xdotool getwindowgeometry --shell "$window" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}')
xdotool windowfocus --sync "$window"

# Positions inside the window, from its bottom-left corner as the widgets count. The
# press and release come at once, as a touchpad's tap: the demo reads the buttons
# only once a frame, and a click over between two reads still counts.
click_at() {
    xdotool mousemove $((left + $1)) $((top + 480 - $2))
    xdotool click 1
}

# A key tap over between two key passes counts once as well.
press_key() {
    xdotool key "$1"
}

click_at 70 26
expect_line "clicked Count"

press_key d
expect_line "key D"

press_key Escape
expect_line "dialog open"
click_at 70 26
press_key d
expect_line "key D" 2
if [ "$(grep -cx "clicked Count" said.txt)" -ne 1 ]; then
    echo "a click under the open dialog reached the button:" >&2
    cat said.txt >&2
    exit 1
fi

click_at 376 216
expect_line "answer no"

# A pointer outside the window stays where it was put, frame after frame.
xdotool mousemove $((left + 900)) $((top + 700))
sleep 0.5
read -r x y < <(xdotool getmouselocation --shell | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}')
if [ "$x" -ne $((left + 900)) ] || [ "$y" -ne $((top + 700)) ]; then
    echo "the pointer outside the window was moved: to $x,$y" >&2
    exit 1
fi

press_key Escape
expect_line "dialog open" 2
click_at 224 216
expect_line "answer yes"

for _ in $(seq 100); do
    kill -0 "$demo_pid" 2>/dev/null || break
    sleep 0.1
done
wait "$demo_pid" || { echo "the demo failed:" >&2; cat said.txt >&2; exit 1; }
demo_pid=""
echo "the demo answered everything:"
cat said.txt
