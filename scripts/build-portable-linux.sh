#!/usr/bin/env bash
# Builds the portable Linux demo: a program that starts on any x86-64 Linux with glibc 2.31 or
# newer, an OpenGL driver and a desktop's X11 or Wayland client libraries, with nothing to
# install. It is built in a minimal Debian 11 system (glibc 2.31), made with debootstrap and
# cached as a tarball together with the build's packages; SDL2 and libopenmpt are built there
# from Debian 12's source packages once and cached in the dependency cache
# (scripts/portable/build_inside.sh). The glyph table comes from a build of this machine, so
# the program draws the same text. Needs root (debootstrap, chroot, mounts).
# usage: scripts/build-portable-linux.sh GLYPH_TABLE OUT_DIR
#   GLYPH_TABLE: a build's src/generated/demo_glyphs.cpp; OUT_DIR receives demo (and keeps
#   the build's folder, build/, for the next run)
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: scripts/build-portable-linux.sh GLYPH_TABLE OUT_DIR" >&2; exit 2; }
glyph_table=$(realpath "$1")
mkdir -p "$2"
out=$(cd "$2" && pwd)
cd "$(dirname "$0")/.."
if [ "$(id -u)" -ne 0 ]; then
  echo "build-portable-linux.sh needs root (debootstrap, chroot, mounts)" >&2
  exit 1
fi
if [ ! -f "$glyph_table" ]; then
  echo "no glyph table at $1: build the ci or release preset first" >&2
  exit 1
fi

source scripts/setup.sh
source scripts/debian_chroot.sh
install_missing_packages debootstrap

# What the build needs: the compiler and CMake, SDL2's source package and the headers of the
# back-ends it loads at run time, and GL's headers and libGL.so.
packages=(g++ cmake ninja-build pkg-config make dpkg-dev libgl-dev libegl-dev
  libx11-dev libxext-dev libxcursor-dev libxi-dev libxrandr-dev libxss-dev libxinerama-dev
  libxxf86vm-dev libxkbcommon-dev libwayland-dev wayland-protocols libasound2-dev libpulse-dev)
# The source packages of SDL2 and libopenmpt come from Debian 12: its SDL2 2.26 and libopenmpt
# 0.6.9 (the native build's) build on Debian 11, whose own point-release sources the mirror no
# longer holds in full.
source_entry="deb-src $debian_mirror bookworm main"
key=$(printf '%s\n' "${packages[@]}" "$source_entry" | md5sum | cut -c1-8)
system_tar=$debian_cache/debian-bullseye-portable-build-$key.tar

trap chroot_remove EXIT
if [ ! -f "$system_tar" ]; then
  echo "Preparing the Debian 11 build system (once; a few minutes)"
  chroot_unpack "$(debian_minbase_tar bullseye)"
  echo "$source_entry" >"$chroot_root/etc/apt/sources.list.d/deb-src.list"
  chroot_mount_system
  chroot_run DEBIAN_FRONTEND=noninteractive -- apt-get update -qq
  chroot_run DEBIAN_FRONTEND=noninteractive -- apt-get install -y -qq --no-install-recommends \
    "${packages[@]}" >/dev/null
  chroot_run -- apt-get clean
  chroot_unmount
  chroot_save "$system_tar"
  chroot_remove
fi

chroot_unpack "$system_tar"
chroot_mount_system
mkdir -p "$debian_cache" "$out/build"
chroot_mount "$debian_cache" /root/.cache/demo-deps --bind
chroot_mount "$PWD" /root/project --bind
chroot_mount "$out/build" /root/build --bind
cp -p "$glyph_table" "$chroot_root/root/demo_glyphs.cpp"
chroot_run -- bash /root/project/scripts/portable/build_inside.sh /root/project \
  /root/demo_glyphs.cpp
cp "$out/build/demo" "$out/demo"
echo "The portable demo: $out/demo"
