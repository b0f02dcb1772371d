#!/bin/sh
# The launcher without a usable HOME: it falls back on the home folder of the
# user's entry in the user list, and when that cannot hold the logs either it
# says so in one line and ends with exit code 1, never writing at /. Run as
# the user nobody, whose entry names a home folder that does not exist; the
# switch needs root, so elsewhere the test is skipped (77).
# Usage: launcher-home-test.sh <configured launcher>
set -u
launcher="$1"
[ "$(id -u)" = 0 ] || exit 77
nobody="$(getent passwd nobody | cut -d: -f3)"
home="$(getent passwd nobody | cut -d: -f6)"
[ -n "$nobody" ] && [ ! -e "$home" ] || exit 77
root_before="$(ls -a /)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"

expected="valdmoor: cannot make $home/.local/state/valdmoor for the game's logs in the user list's home folder ($home), as HOME is not set; set HOME or XDG_STATE_HOME to a folder you may write in"
failed=0
for case in unset empty root; do
    case "$case" in
        unset) set -- env -u XDG_STATE_HOME -u HOME ;;
        empty) set -- env -u XDG_STATE_HOME HOME= ;;
        root) set -- env -u XDG_STATE_HOME HOME=/ ;;
    esac
    (cd "$work" && "$@" setpriv --reuid="$nobody" --regid="$nobody" --clear-groups \
        sh "$launcher" >"$work/out" 2>"$work/err")
    status=$?
    if [ "$status" != 1 ] || [ "$(cat "$work/err")" != "$expected" ] || [ -s "$work/out" ]; then
        echo "HOME $case: exit code $status, standard error:" >&2
        cat "$work/err" >&2
        failed=1
    fi
done
if [ "$(ls -a /)" != "$root_before" ]; then
    echo "the launcher wrote at /" >&2
    failed=1
fi
exit "$failed"
