# Minimal Debian systems for trying and building the demo on other releases: made once with
# debootstrap and cached as tarballs, unpacked into a scratch folder for each use, reaching the
# package registries as this machine does, and removed afterwards only once nothing is mounted
# in them (a bound /dev removed would take the machine's with it). Needs root. Sourced by
# scripts/try-on-debian.sh, scripts/build-portable-linux.sh and the tests that run the release
# on other releases; one system at a time.

debian_mirror=http://deb.debian.org/debian
debian_cache=${DEMO_DEPS_CACHE:-$HOME/.cache/demo-deps}

# The codename of a release given as a number or a codename; empty for any other.
debian_codename() {
  case "$1" in
    11 | bullseye) echo bullseye ;;
    12 | bookworm) echo bookworm ;;
    13 | trixie) echo trixie ;;
  esac
}

# Prints the cached minimal system of the codename $1 (minbase and the certificates package,
# nothing of the project's), making it with debootstrap first if there is none. Tests running
# at the same time take turns making it.
debian_minbase_tar() {
  local codename=$1 tar
  tar=$debian_cache/debian-$codename-minbase.tar
  mkdir -p "$debian_cache"
  (
    flock 9
    [ -f "$tar" ] && exit 0
    echo "Making a minimal Debian $codename system with debootstrap (once; a few minutes)" >&2
    scratch=$(mktemp -d "/var/tmp/debian-$codename.XXXXXX")
    debootstrap --variant=minbase --include=ca-certificates "$codename" "$scratch" \
      "$debian_mirror" >"$scratch.log" 2>&1 || {
      tail -n 20 "$scratch.log" >&2
      rm -rf --one-file-system "$scratch" "$scratch.log"
      exit 1
    }
    status=0
    tar -C "$scratch" -cf "$tar.partial" . && mv "$tar.partial" "$tar" || status=1
    rm -rf --one-file-system "$scratch" "$scratch.log" "$tar.partial"
    exit "$status"
  ) 9>"$tar.lock" || return 1
  echo "$tar"
}

chroot_root=""
chroot_mounts=()

# Unpacks the system tarball $1 into a new scratch folder, chroot_root, and gives it this
# machine's way to the registries: apt's settings, npm's, the certificates it trusts and its
# name servers.
chroot_unpack() {
  chroot_root=$(mktemp -d /var/tmp/debian-chroot.XXXXXX)
  chroot_mounts=()
  # Owners by number: the system's own users (such as apt's) need not have this machine's.
  tar --numeric-owner -C "$chroot_root" -xf "$1"
  # The tarball's top folder was debootstrap's scratch folder (mode 700); apt's downloads run
  # as _apt, which must reach into the system.
  chmod 755 "$chroot_root"
  local conf npmrc
  for conf in /etc/apt/apt.conf.d/*; do
    grep -qs "Acquire" "$conf" && cp "$conf" "$chroot_root/etc/apt/apt.conf.d/"
  done
  for npmrc in /root/.npmrc /etc/npmrc /usr/etc/npmrc; do
    if [ -f "$npmrc" ]; then
      mkdir -p "$chroot_root$(dirname "$npmrc")"
      cp "$npmrc" "$chroot_root$npmrc"
    fi
  done
  cp /usr/local/share/ca-certificates/*.crt "$chroot_root/usr/local/share/ca-certificates/" \
    2>/dev/null || true
  chroot "$chroot_root" update-ca-certificates >/dev/null
  cp /etc/resolv.conf "$chroot_root/etc/resolv.conf"
}

# Mounts $1 (a folder to bind, or a file system type with -t) on $2 inside the system, with
# the mount options that follow, and remembers it for chroot_remove.
chroot_mount() {
  mkdir -p "$chroot_root$2"
  mount "${@:3}" "$1" "$chroot_root$2"
  chroot_mounts+=("$chroot_root$2")
}

# What programs in the system expect: /proc, /sys, /dev with its terminals and shared memory.
chroot_mount_system() {
  chroot_mount proc /proc -t proc
  chroot_mount /sys /sys --bind
  chroot_mount /dev /dev --bind
  chroot_mount /dev/pts /dev/pts --bind
  chroot_mount tmpfs /dev/shm -t tmpfs
}

# Runs a command in the system as root with a clean environment (the arguments after -- are
# the command; NAME=VALUE arguments before it are added to the environment).
chroot_run() {
  local environment=()
  while [ $# -gt 0 ] && [ "$1" != -- ]; do
    environment+=("$1")
    shift
  done
  shift
  chroot "$chroot_root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "${environment[@]}" "$@"
}

# Writes the system, unmounted, to the tarball $1 (through a partial file, so an interrupted
# run leaves no half-made cache entry).
chroot_save() {
  if grep -q " $chroot_root/" /proc/mounts; then
    echo "chroot_save: $chroot_root has mounts" >&2
    return 1
  fi
  rm -f "$chroot_root/etc/resolv.conf"
  tar -C "$chroot_root" -cf "$1.partial" . && mv "$1.partial" "$1"
}

# Unmounts everything mounted in the system, innermost first, and only then removes it.
chroot_unmount() {
  local i
  for ((i = ${#chroot_mounts[@]} - 1; i >= 0; i--)); do
    umount "${chroot_mounts[i]}" 2>/dev/null || umount -l "${chroot_mounts[i]}" || true
  done
  chroot_mounts=()
}
chroot_remove() {
  [ -n "$chroot_root" ] || return 0
  chroot_unmount
  if grep -q " $chroot_root/" /proc/mounts; then
    echo "Left $chroot_root in place: something is still mounted in it" >&2
    return 1
  fi
  rm -rf --one-file-system "$chroot_root"
  chroot_root=""
}
