#!/usr/bin/env bash
# Removes what `cmake --install <build folder>` put in place: every file its
# install_manifest.txt lists, then every folder that leaves empty, but for the
# folders every prefix has (bin/, share/, share/man/, ...), which belong to
# the system. The prefix is read off the launcher's path.
# Usage: scripts/uninstall.sh [build folder, default build-release]
set -euo pipefail

build="${1:-build-release}"
manifest="$build/install_manifest.txt"
if [ ! -f "$manifest" ]; then
    echo "$manifest does not exist: nothing was installed from $build" >&2
    exit 1
fi
launcher="$(grep -m 1 -E '/(bin|games)/valdmoor$' "$manifest" || true)"
if [ -z "$launcher" ]; then
    echo "$manifest lists no launcher (bin/valdmoor): not an installation of the game" >&2
    exit 1
fi
prefix="$(dirname "$(dirname "$launcher")")"
if [ -e "$launcher" ] && [ ! -w "$(dirname "$launcher")" ]; then
    echo "Only root may remove files from $prefix: run 'bash $(realpath "$0") $(realpath "$build")' as root" \
        "(su -), or with sudo." >&2
    exit 1
fi

kept() {
    case "${1#"$prefix"}" in
        "" | /bin | /etc | /games | /include | /lib | /man | /sbin | /share | /share/man | /src) return 0 ;;
    esac
    [ "${1#"$prefix"/}" = "$1" ]
}

while IFS= read -r file || [ -n "$file" ]; do
    [ -n "$file" ] || continue
    rm -f -- "$file"
    folder="$(dirname "$file")"
    while ! kept "$folder" && rmdir -- "$folder" 2>/dev/null; do
        folder="$(dirname "$folder")"
    done
done <"$manifest"
echo "Removed the game from $prefix"
