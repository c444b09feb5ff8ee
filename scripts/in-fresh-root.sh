#!/usr/bin/env bash
# Runs a command in a fresh Debian root, as a newcomer on that release would:
# a minimal Debian (debootstrap --variant=minbase) with only git added, and a
# clone of this repository's HEAD in /src/ventil, where the command runs.
#
#   bash scripts/in-fresh-root.sh SUITE DIR COMMAND...
#   bash scripts/in-fresh-root.sh trixie /var/tmp/trixie bash scripts/test.sh
#
# DIR is made when missing and reused when it is there (so a second command
# runs in the same root); the clone is made anew each time. Every mount is
# undone when the command ends, fails or is interrupted. Needs root.
set -euo pipefail
cd "$(dirname "$0")/.."
suite=${1:?usage: in-fresh-root.sh SUITE DIR COMMAND...}
root=${2:?usage: in-fresh-root.sh SUITE DIR COMMAND...}
shift 2
(($#)) || { echo "usage: in-fresh-root.sh SUITE DIR COMMAND..."; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "in-fresh-root.sh needs root (debootstrap, chroot, mount)"; exit 1; }

bash scripts/install-missing.sh debootstrap
root=$(realpath -m "$root")

# Ends what still runs in the root (a server a test left behind would keep
# its mounts busy), then unmounts whatever is mounted below it, deepest
# first: what this script mounts, and what an earlier run that was killed
# before its clean-up left there.
undo() {
    local p m
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/root" 2>/dev/null)" != "$root" ] || kill -9 "${p#/proc/}" 2>/dev/null || true
    done
    while read -r m; do
        umount -l "$m" || true
    done < <(awk -v r="$root/" '{ gsub(/\\040/, " ", $2) } index($2, r) == 1 { print $2 }' /proc/self/mounts | sort -r)
}
trap undo EXIT
trap 'exit 130' INT TERM
undo

if [ ! -x "$root/usr/bin/git" ]; then
    # Nothing is mounted below it now, and --one-file-system keeps it so.
    rm -rf --one-file-system "$root"
    mkdir -p "$(dirname "$root")"
    # Debian's own mirror, the default; a minimal root, as a container has.
    start=$SECONDS
    debootstrap --variant=minbase --include=git "$suite" "$root" >"$root.log" 2>&1 || {
        tail -n 20 "$root.log"
        echo "debootstrap $suite failed (log: $root.log)"
        exit 1
    }
    echo "debootstrap $suite: $((SECONDS - start)) s"
fi

mountin() { # mountin TYPE SOURCE TARGET [OPTIONS]
    mkdir -p "$3"
    mount -t "$1" ${4:+-o "$4"} "$2" "$3"
}
mountin proc proc "$root/proc"
mountin sysfs sys "$root/sys"
mountin devtmpfs udev "$root/dev" mode=0755,nosuid
mkdir -p "$root/dev/pts"
mount --bind /dev/pts "$root/dev/pts"
mountin tmpfs shm "$root/dev/shm" mode=1777,nosuid,nodev
mountin tmpfs tmp "$root/tmp" mode=1777,nosuid,nodev
mountin tmpfs run "$root/run" mode=0755,nosuid,nodev
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
# Where this machine reaches the package registries through a proxy of its
# own certificate authority, node (npm) in the root trusts it as here.
ca=()
if [ -f "${NODE_EXTRA_CA_CERTS:-}" ]; then
    cp -L "$NODE_EXTRA_CA_CERTS" "$root/etc/ventil-extra-ca.crt"
    ca=(NODE_EXTRA_CA_CERTS=/etc/ventil-extra-ca.crt)
fi

rm -rf "$root/src/ventil"
mkdir -p "$root/src"
git clone -q --no-hardlinks . "$root/src/ventil"
# A clean environment, as a login shell in that root has it. Waited for in
# the background, so that a signal to this script ends it at once, and the
# clean-up ends what ran in the root.
chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" LANG=C.UTF-8 CI="${CI:-}" "${ca[@]}" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c 'cd /src/ventil && exec "$@"' bash "$@" </dev/null &
wait $!
