#!/usr/bin/env bash
# Runs inside the portable build's Debian system (scripts/build-portable-linux.sh): builds
# SDL2 from the source package its apt lists name as a static library that loads its video and audio
# back-ends at run time (cached in the shared dependency cache, keyed by version and
# compiler), then the demo alone (DEMO_PORTABLE) into /root/build.
# usage: build_inside.sh SOURCE_DIR GLYPH_TABLE
set -euo pipefail
source_dir=$1
glyph_table=$2
cache=/root/.cache/demo-deps

sdl_version=$(apt-get source --print-uris libsdl2 | sed -n 's/.*libsdl2_\([^ ]*\)\.dsc.*/\1/p')
[ -n "$sdl_version" ] || { echo "no libsdl2 source package in the apt lists" >&2; exit 1; }
sdl_prefix=$cache/sdl2-$sdl_version-$(gcc -dumpmachine)-gcc-$(gcc -dumpfullversion)-static-dlopen
if [ ! -f "$sdl_prefix/lib/libSDL2.a" ]; then
  echo "Building SDL2 $sdl_version from Debian's source package into $sdl_prefix (once; minutes)"
  scratch=$sdl_prefix.partial
  rm -rf "$scratch"
  mkdir -p "$scratch/source"
  (cd "$scratch/source" && apt-get source -qq libsdl2 >/dev/null)
  cd "$scratch/source"/libsdl2-*/
  # SDL's own defaults load X11, Wayland, ALSA and PulseAudio with dlopen (Debian's package
  # links them instead); said explicitly so a missing header fails here, not at run time.
  ./configure -q --prefix="$sdl_prefix" --disable-shared --enable-static \
    --enable-video-x11 --enable-x11-shared --enable-video-wayland --enable-wayland-shared \
    --enable-alsa --enable-alsa-shared --enable-pulseaudio --enable-pulseaudio-shared \
    --enable-video-opengl --disable-video-vulkan --disable-rpath >"$scratch/configure.log" 2>&1 ||
    { tail -n 30 "$scratch/configure.log" >&2; exit 1; }
  grep -E "^#define SDL_(VIDEO_DRIVER_(X11|WAYLAND)|AUDIO_DRIVER_(ALSA|PULSEAUDIO))_DYNAMIC " \
    include/SDL_config.h | wc -l | grep -qx 4 ||
    { echo "SDL2's configure did not make every back-end loaded at run time" >&2; exit 1; }
  make -s -j "$(nproc)" >"$scratch/make.log" 2>&1 || { tail -n 30 "$scratch/make.log" >&2; exit 1; }
  # Installed beside the source and renamed into place, so an interrupted build leaves no
  # half-made cache entry (the pkg-config file names the final prefix).
  make -s install DESTDIR="$scratch/staged" >"$scratch/install.log" 2>&1 ||
    { tail -n 30 "$scratch/install.log" >&2; exit 1; }
  cd /
  mv "$scratch/staged$sdl_prefix" "$sdl_prefix"
  rm -rf "$scratch"
fi

cmake -S "$source_dir" -B /root/build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DDEMO_PORTABLE=ON -DSDL2_PREFIX="$sdl_prefix" -DDEMO_GLYPH_TABLE="$glyph_table" >/dev/null
cmake --build /root/build --target demo
