#!/usr/bin/env bash
# Tries the README's two commands as a new user would on a Debian release this machine does
# not run: makes a fresh minimal system of that release with debootstrap (cached as a tarball,
# so every try starts from the same fresh system) with the release's updates and security
# suites as an installed Debian has them, gives it this machine's apt and npm settings
# and trusted certificates (so that it reaches the package registries as this machine does;
# on this machine's own release also its copy of the package lists, see below),
# clones this repository's HEAD into it and runs ./run.sh or ./test.sh there as root, with
# CI=true; "setup" runs only scripts/check-setup-steps.sh (can the set-up's packages and
# source package be had there). libopenmpt's Windows and web builds are shared with this
# machine's cache. Needs root (debootstrap, chroot, mounts); everything bound into the system
# is unmounted again before it is removed. With ./run.sh the demo shows on this machine's
# display (DISPLAY), if any; without one it says so and exits 1 once built.
# usage: scripts/try-on-debian.sh RELEASE [run|test|setup]   (RELEASE: 11, 12, 13 or a codename)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
source scripts/debian_chroot.sh

usage() {
  echo "usage: scripts/try-on-debian.sh RELEASE [run|test|setup]  (RELEASE: 11, 12, 13, bullseye," \
    "bookworm or trixie)" >&2
  exit 2
}
codename=$(debian_codename "${1:-}")
[ -n "$codename" ] || usage
command=${2:-test}
case "$command" in
  run | test) script=./$command.sh ;;
  setup) script=scripts/check-setup-steps.sh ;;
  *) usage ;;
esac
[ "$(id -u)" -eq 0 ] || { echo "try-on-debian.sh needs root (debootstrap, chroot, mounts)" >&2; exit 1; }

install_missing_packages debootstrap git

# The fresh system, made once: minbase and the certificates package, nothing of the project's.
system_tar=$(debian_minbase_tar "$codename")
trap chroot_remove EXIT
chroot_unpack "$system_tar"
root=$chroot_root
# debootstrap names only the release itself; an installed Debian also takes its updates and
# security fixes (the browsers among them), as the installer sets it up.
cat >"$root/etc/apt/sources.list.d/debian-updates.list" <<SOURCES
deb $debian_mirror $codename-updates main
deb ${debian_mirror}-security $codename-security main
SOURCES
# Where this machine runs the same release, the system starts from this machine's copy of the
# package lists: apt fetches again every list the mirror has changed since, and keeps this copy
# of one the mirror serves broken. (A mirror mid-sync has served an i386 list of a security
# suite that did not match the suite's index; without that list no i386 library could match
# the amd64 security updates, and Wine's 32-bit packages could not be installed.) Nothing is
# installed from it that the mirror does not hold.
if [ "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" = "$codename" ]; then
  find /var/lib/apt/lists -maxdepth 1 -type f ! -name lock \
    -exec cp -p -t "$root/var/lib/apt/lists/" {} +
fi
chroot_mount proc /proc -t proc
# Wine runs 32-bit programs through the machine's binfmt_misc registrations, and the set-up
# looks at them.
if [ -d /proc/sys/fs/binfmt_misc ] && grep -q binfmt_misc /proc/mounts; then
  chroot_mount binfmt_misc /proc/sys/fs/binfmt_misc -t binfmt_misc
fi
chroot_mount /sys /sys --bind
chroot_mount /dev /dev --bind
chroot_mount /dev/pts /dev/pts --bind
chroot_mount tmpfs /dev/shm -t tmpfs
mkdir -p "$debian_cache"
chroot_mount "$debian_cache" /root/.cache/demo-deps --bind
# The demo of ./run.sh shows on this machine's X display, where it has one.
display=()
if [ -n "${DISPLAY:-}" ] && [ -d /tmp/.X11-unix ]; then
  chroot_mount /tmp/.X11-unix /tmp/.X11-unix --bind
  display=(DISPLAY="$DISPLAY")
fi

git clone -q "$PWD" "$root/root/project"
echo "Running $script in a fresh Debian $codename system ($root)"
start=$SECONDS
status=0
chroot_run CI=true NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt "${display[@]}" -- \
  bash -c "cd /root/project && $script" || status=$?
echo "$script on Debian $codename: exit status $status after $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s"
exit "$status"
