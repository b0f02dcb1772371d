#!/usr/bin/env bash
# Measures what the play command and the test command cost a newcomer: a
# fresh, up-to-date Debian 12 made with debootstrap (its smallest variant) in
# a throw-away folder, this checkout's files (but .git/ and build folders) copied into /root/valdmoor there,
# and each command run in it as root through chroot, as written in the README.
# For each: the packages it adds, their download and installed size, apt's
# cache, the build folders, and the time from the command's start to the
# game's start (play) or to the end of the last suite (test).
#
# The packages are fetched first (apt's download-only mode), then the command
# runs on its own, its time being the fetch's plus the command's. With --lock
# the commands run under flock on that file, for a machine whose builds take
# turns; the fetches stay outside it. The test command runs without a network
# of its own, so that its virtual displays cannot meet the machine's.
#
# Needs root and Debian's mirror; writes a few GB to a folder under
# /var/tmp, removed at the end (--keep keeps it).
# Usage: scripts/measure-costs.sh [--lock FILE] [--mirror URL] [--keep] [play|test|both]
set -euo pipefail
cd "$(dirname "$0")/.."
checkout="$PWD"

lock=""
mirror="http://deb.debian.org/debian"
keep=0
commands="both"
while [ $# -gt 0 ]; do
    case "$1" in
        --lock) lock="$2"; shift 2 ;;
        --mirror) mirror="$2"; shift 2 ;;
        --keep) keep=1; shift ;;
        play | test | both) commands="$1"; shift ;;
        *)
            echo "Usage: scripts/measure-costs.sh [--lock FILE] [--mirror URL] [--keep] [play|test|both]" >&2
            exit 2
            ;;
    esac
done

if [ "$(id -u)" -ne 0 ]; then
    echo "debootstrap, chroot and mount need root: run this script as root (su -, or sudo if you have it)." >&2
    exit 1
fi
if ! command -v debootstrap >/dev/null; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends debootstrap
fi

root="$(mktemp -d /var/tmp/valdmoor-costs.XXXXXX)"
# A system root that only root may enter would shut its users out.
chmod 755 "$root"
log="$root.log"
mounted=()

# The bind mounts come off before anything is removed: a folder removed
# through a mount would take the machine's own /dev with it.
cleanup() {
    local status=$? index
    # To the terminal's error stream even when a signal came in the middle
    # of a step whose output goes to the log.
    if [ "$status" != 0 ]; then
        echo "The measurement failed (exit status $status); its log: $log" >&3
    fi
    for ((index = ${#mounted[@]} - 1; index >= 0; index--)); do
        umount -R "${mounted[index]}" || umount -R -l "${mounted[index]}" || true
    done
    if findmnt -rn -o TARGET | grep -q "^$root/"; then
        echo "Something is still mounted under $root: left in place." >&2
    elif [ "$keep" = 1 ]; then
        echo "Kept: $root"
    else
        rm -rf --one-file-system "$root"
    fi
}
exec 3>&2
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

mount_into() {
    mkdir -p "$root$2"
    mount "${@:3}" "$1" "$root$2"
    mounted+=("$root$2")
}

inside() {
    chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}

installed_count() {
    inside dpkg-query -W -f='${db:Status-Abbrev}\n' | grep -c '^ii'
}

installed_kb() {
    inside dpkg-query -W -f='${db:Status-Abbrev} ${Installed-Size}\n' | awk '$1 == "ii" { sum += $2 } END { print sum }'
}

megabytes() {
    awk -v bytes="$1" 'BEGIN { printf "%.0f MB", bytes / 1000000 }'
}

folder_bytes() {
    du -sb "$1" 2>/dev/null | cut -f1
}

duration() {
    awk -v seconds="$1" 'BEGIN { printf "%d min %02d s", seconds / 60, seconds % 60 }'
}

echo "== A fresh Debian 12 in $root (log: $log) =="
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$log" 2>&1
cp /etc/resolv.conf "$root/etc/resolv.conf"
security="${mirror%/debian}/debian-security"
cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb $security bookworm-security main
EOF
mount_into proc /proc -t proc
mount_into sysfs /sys -t sysfs
mount_into /dev /dev --rbind
mount --make-rslave "$root/dev"
inside apt-get update >>"$log" 2>&1
inside env DEBIAN_FRONTEND=noninteractive apt-get upgrade -y >>"$log" 2>&1
inside apt-get clean

mkdir -p "$root/root/valdmoor"
tar --exclude=./.git --exclude='./build*' -cf - . | tar -xf - -C "$root/root/valdmoor"

seconds_of() {
    local start
    start="$(date +%s.%N)"
    "$@"
    awk -v start="$start" -v end="$(date +%s.%N)" 'BEGIN { print end - start }'
}

# Runs the command under the lock when one was given, the lock's wait not timed.
locked() {
    if [ -n "$lock" ]; then
        flock "$lock" "$@"
    else
        "$@"
    fi
}

results=()

# Runs a command in the chroot under the lock, when there is one, and adds
# its own duration, the lock's wait left out, to the time of the command
# being measured.
timed() {
    locked bash -c 'start="$(date +%s.%N)"; status=0; "$@" || status=$?
        awk -v start="$start" -v end="$(date +%s.%N)" "BEGIN { print end - start }" >>"$root/tmp/measure-seconds"
        exit "$status"' timed "$@" >>"$log" 2>&1
}
export -f inside
export root

# $1 the package set, $2 what the time runs to; then each step is timed.
measure() {
    local set="$1" until="$2"
    local packages_before kb_before fetch_seconds archives status=0
    inside apt-get clean
    packages_before="$(installed_count)"
    kb_before="$(installed_kb)"

    echo "== Fetching the packages of the $set command =="
    echo 'APT::Get::Download-Only "true";' >"$root/etc/apt/apt.conf.d/99measure-download-only"
    fetch_seconds="$(seconds_of inside bash /root/valdmoor/scripts/install-deps.sh "$set" 2>&1 | tee -a "$log" | tail -n 1)"
    rm "$root/etc/apt/apt.conf.d/99measure-download-only"
    archives="$(find "$root/var/cache/apt/archives" -name '*.deb' -printf '%s\n' | awk '{ sum += $1 } END { print sum + 0 }')"

    echo "== Running the $set command =="
    rm -f "$root/tmp/measure-seconds"
    if [ "$set" = play ]; then
        timed inside bash -c "cd /root/valdmoor && bash scripts/play.sh" || status=$?
    else
        # The packages go in with the network there; the suites then run
        # without one, finding every package in place.
        timed inside bash -c "cd /root/valdmoor && bash scripts/install-deps.sh test" || status=$?
        if [ "$status" = 0 ]; then
            timed unshare --net bash -c 'inside bash -c "cd /root/valdmoor && bash scripts/test.sh"' || status=$?
        fi
    fi
    local command_seconds
    command_seconds="$(awk '{ sum += $1 } END { print sum }' "$root/tmp/measure-seconds")"

    local packages_after kb_after builds="" folder
    packages_after="$(installed_count)"
    kb_after="$(installed_kb)"
    for folder in "$root"/root/valdmoor/build*/; do
        [ -d "$folder" ] || continue
        builds+="$(basename "$folder")/ $(megabytes "$(folder_bytes "$folder")"), "
    done
    results+=(
        "$set command: exit status $status, $until; its last line: $(tail -n 1 "$log")"
        "  packages added: $((packages_after - packages_before)) ($(megabytes "$archives") downloaded, $(megabytes $(((kb_after - kb_before) * 1024))) once installed)"
        "  apt's cache of them: $(megabytes "$(folder_bytes "$root/var/cache/apt")")"
        "  build folders: ${builds%, }"
        "  time: $(duration "$(awk -v a="$fetch_seconds" -v b="$command_seconds" 'BEGIN { print a + b }')") ($(duration "$fetch_seconds") fetching the packages, $(duration "$command_seconds") the rest)"
    )
    printf '%s\n' "${results[@]: -5}"
}

if [ "$commands" != test ]; then
    # There is no display in the chroot: the game stops where it would open
    # its window, which ends the play command.
    measure play "to the game's start (there is no display to open its window on)"
fi
if [ "$commands" != play ]; then
    if [ "$commands" = both ]; then
        measure test "to the end of the last suite, with the play command's packages there already"
    else
        measure test "to the end of the last suite"
    fi
fi

echo
echo "Measured on $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores ($(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1)), mirror $mirror:"
printf '%s\n' "${results[@]}"
