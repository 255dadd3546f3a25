#!/usr/bin/env bash
# Tries the README's two commands as a new user would on a Debian release this machine does
# not run: makes a fresh minimal system of that release with debootstrap (cached as a tarball,
# so every try starts from the same fresh system), gives it this machine's apt and npm settings
# and trusted certificates (so that it reaches the package registries as this machine does),
# clones this repository's HEAD into it and runs ./run.sh or ./test.sh there as root, with
# CI=true; "setup" runs only scripts/check-setup-steps.sh (can the set-up's packages and
# source package be had there). libopenmpt's Windows and web builds are shared with this
# machine's cache. Needs root (debootstrap, chroot, mounts); everything bound into the system
# is unmounted again before it is removed. With ./run.sh the demo shows on this machine's display (DISPLAY), if
# any; without one it says so and exits 1 once built.
# usage: scripts/try-on-debian.sh RELEASE [run|test|setup]   (RELEASE: 11, 12, 13 or a codename)
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  echo "usage: scripts/try-on-debian.sh RELEASE [run|test|setup]  (RELEASE: 11, 12, 13, bullseye," \
    "bookworm or trixie)" >&2
  exit 2
}
case "${1:-}" in
  11 | bullseye) codename=bullseye ;;
  12 | bookworm) codename=bookworm ;;
  13 | trixie) codename=trixie ;;
  *) usage ;;
esac
command=${2:-test}
case "$command" in
  run | test) script=./$command.sh ;;
  setup) script=scripts/check-setup-steps.sh ;;
  *) usage ;;
esac
[ "$(id -u)" -eq 0 ] || { echo "try-on-debian.sh needs root (debootstrap, chroot, mounts)" >&2; exit 1; }

source scripts/setup.sh
install_missing_packages debootstrap git

cache=${DEMO_DEPS_CACHE:-$HOME/.cache/demo-deps}
system_tar=$cache/debian-$codename-minbase.tar
mirror=http://deb.debian.org/debian

# The fresh system, made once: minbase and the certificates package, nothing of the project's.
if [ ! -f "$system_tar" ]; then
  echo "Making a minimal Debian $codename system with debootstrap (once; a few minutes)"
  scratch=$(mktemp -d /var/tmp/debian-$codename.XXXXXX)
  debootstrap --variant=minbase --include=ca-certificates "$codename" "$scratch" "$mirror" \
    >"$scratch.log" 2>&1 || { tail -n 20 "$scratch.log" >&2; rm -rf --one-file-system "$scratch"; exit 1; }
  mkdir -p "$cache"
  tar -C "$scratch" -cf "$system_tar.partial" . && mv "$system_tar.partial" "$system_tar"
  rm -rf --one-file-system "$scratch" "$scratch.log"
fi

root=$(mktemp -d /var/tmp/try-debian-$codename.XXXXXX)
# apt fetches as its own user, which must be able to reach the system's folders.
chmod 755 "$root"
mounted=()
# Unmounts everything bound into the system, innermost first, and only then removes it: a
# bound /dev removed would take the machine's with it.
cleanup() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" || true
  done
  if grep -q " $root/" /proc/mounts; then
    echo "Left $root in place: something is still mounted in it" >&2
    return
  fi
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT
bind() {
  mkdir -p "$root$2"
  mount "${@:3}" "$1" "$root$2"
  mounted+=("$root$2")
}

# Owners by number: the system's own users (such as apt's) need not have this machine's numbers.
tar --numeric-owner -C "$root" -xf "$system_tar"
# This machine's way to the registries: apt's settings, npm's, and the certificates it trusts.
for conf in /etc/apt/apt.conf.d/*; do
  grep -qs "Acquire" "$conf" && cp "$conf" "$root/etc/apt/apt.conf.d/"
done
for npmrc in /root/.npmrc /etc/npmrc /usr/etc/npmrc; do
  [ -f "$npmrc" ] && mkdir -p "$root$(dirname "$npmrc")" && cp "$npmrc" "$root$npmrc"
done
cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/" 2>/dev/null || true
chroot "$root" update-ca-certificates >/dev/null
cp /etc/resolv.conf "$root/etc/resolv.conf"

mount -t proc proc "$root/proc" && mounted+=("$root/proc")
# Wine runs 32-bit programs through the machine's binfmt_misc registrations, and the set-up
# looks at them.
if [ -d /proc/sys/fs/binfmt_misc ] && grep -q binfmt_misc /proc/mounts; then
  mount -t binfmt_misc binfmt_misc "$root/proc/sys/fs/binfmt_misc" &&
    mounted+=("$root/proc/sys/fs/binfmt_misc")
fi
bind /sys /sys --bind
bind /dev /dev --bind
bind /dev/pts /dev/pts --bind
mount -t tmpfs tmpfs "$root/dev/shm" && mounted+=("$root/dev/shm")
mkdir -p "$cache"
bind "$cache" /root/.cache/demo-deps --bind
# The demo of ./run.sh shows on this machine's X display, where it has one.
display=()
if [ -n "${DISPLAY:-}" ] && [ -d /tmp/.X11-unix ]; then
  bind /tmp/.X11-unix /tmp/.X11-unix --bind
  display=(DISPLAY="$DISPLAY")
fi

git clone -q "$PWD" "$root/root/project"
echo "Running $script in a fresh Debian $codename system ($root)"
start=$SECONDS
status=0
chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" CI=true LANG=C.UTF-8 \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt "${display[@]}" \
  bash -c "cd /root/project && $script" || status=$?
echo "$script on Debian $codename: exit status $status after $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s"
exit "$status"
