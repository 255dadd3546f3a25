#!/usr/bin/env bash
# Packs built demos into the release folder: the Linux, Windows and web archives (byte for
# byte the same from the same commit), the video, a still and SHA256SUMS. release.sh builds
# first and then runs this; tests run it on their own builds.
# usage: make_release.sh --out DIR --linux-build DIR [--linux-program FILE]
#                        [--windows-build DIR] [--web-build DIR] [--no-video]
# The Linux archive's program is --linux-program (release.sh gives the portable build's,
# scripts/build-portable-linux.sh), else the Linux build's demo; the Linux build also gives
# music.xm and the capture tool for the still and the video.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/notes.sh"

# The release's name, used for every file it writes: chosen here and nowhere else.
readonly RELEASE_NAME=blobgrid-cubecross
readonly RELEASE_TITLE="Blob grid & cube crosses"
readonly RELEASE_CREDITS="Mr Plovard & Mr Gravunkel, featuring Tobrix"
# The video: the demo's whole default length at 60 fps, for 1080p video sites, each frame
# drawn sharp at 1440 x 1080 between the bars.
readonly VIDEO_ARGS=(--seconds 75 --fps 60 --size 1920x1080 --orbit --sharp)
# The listing's still: the cube crosses, 17.5 s into scene 2.
readonly STILL_ARGS=(--scene 2 --t 1.75)

usage() {
  echo "usage: make_release.sh --out DIR --linux-build DIR [--linux-program FILE]" \
    "[--windows-build DIR] [--web-build DIR] [--no-video]" >&2
  exit 2
}

# The page's files in a web build's folder (the rest of that folder is CMake's).
readonly WEB_FILES=(index.html music.js)

out="" linux_build="" linux_program="" windows_build="" web_build="" video=1
while [ $# -gt 0 ]; do
  case "$1" in
    --out) out=${2:?$(usage)}; shift 2 ;;
    --linux-build) linux_build=${2:?$(usage)}; shift 2 ;;
    --linux-program) linux_program=${2:?$(usage)}; shift 2 ;;
    --windows-build) windows_build=${2:?$(usage)}; shift 2 ;;
    --web-build) web_build=${2:?$(usage)}; shift 2 ;;
    --no-video) video=0; shift ;;
    *) echo "make_release.sh: unknown argument '$1'" >&2; usage ;;
  esac
done
[ -n "$out" ] && [ -n "$linux_build" ] || usage
linux_program=${linux_program:-$linux_build/demo}

need_file() {
  [ -f "$1" ] || { echo "make_release.sh: $1 is missing; build it first" >&2; exit 1; }
}
need_file "$linux_program"
need_file "$linux_build/music.xm"
need_file "$linux_build/demo-capture"
if [ -n "$windows_build" ]; then
  need_file "$windows_build/demo.exe"
  need_file "$windows_build/music.xm"
fi
if [ -n "$web_build" ]; then
  for file in "${WEB_FILES[@]}"; do need_file "$web_build/$file"; done
fi

# Every file in the archives gets the time of the commit they are built from, so two builds
# of one commit give the same bytes (and a later commit a later date); a SOURCE_DATE_EPOCH
# given by the caller wins, as reproducible builds have it.
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$here" log -1 --format=%ct 2>/dev/null || echo 315532800)}
export TZ=UTC LC_ALL=C
# Stripping a Windows program writes a build time into its header: this one.
export SOURCE_DATE_EPOCH=$epoch

mkdir -p "$out"
out=$(cd "$out" && pwd)
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT

# Copies $2... into the folder $1 with fixed modes and times: programs 755, the rest 644.
stage() {
  local folder=$1
  shift
  mkdir -p "$folder"
  cp "$@" "$folder/"
  find "$folder" -type f -exec chmod 644 {} +
  find "$folder" -type f \( -name demo -o -name run -o -name '*.exe' \) -exec chmod 755 {} +
  chmod 755 "$folder"
  find "$folder" -exec touch -h -d "@$epoch" {} +
}

# The programs go out without their symbols (the Windows one is a third smaller): $1 is the
# binutils strip that reads the program $2; the copy lands in the staging folder.
stripped() {
  "$1" --strip-all -o "$staging/$(basename "$2")" "$2"
  echo "$staging/$(basename "$2")"
}

# The Linux archive: NAME/ with demo, music.xm, run and README.txt; a gzipped tar with sorted
# names, numeric owner 0 and no time in the gzip header.
pack_linux() {
  local folder="$staging/linux/$RELEASE_NAME"
  mkdir -p "$folder"
  printf '#!/bin/sh\n# Runs the demo from this folder, with any options given (--window, --sharp, --help).\nexec "$(dirname "$0")/demo" "$@"\n' \
    >"$staging/run"
  print_notes linux >"$staging/README.txt"
  mkdir -p "$staging/linux-program"
  cp "$linux_program" "$staging/linux-program/demo"
  stage "$folder" "$(stripped strip "$staging/linux-program/demo")" "$linux_build/music.xm" \
    "$staging/run" "$staging/README.txt"
  tar -C "$staging/linux" --sort=name --format=gnu --owner=0 --group=0 --numeric-owner \
    --mtime="@$epoch" -cf - "$RELEASE_NAME" | gzip -9 -n >"$out/$RELEASE_NAME-linux-x86_64.tar.gz"
}

# Zips the staged folder $1/NAME into the archive $2: sorted names, no extra fields.
zip_staged() {
  rm -f "$2"
  (cd "$1" && find "$RELEASE_NAME" -type f | sort | zip -q -X -D -9 "$2" -@)
}

# The Windows archive: NAME/ with demo.exe, music.xm and README.txt (CR LF line ends, as
# Windows editors expect).
pack_windows() {
  mkdir -p "$staging/windows-notes"
  print_notes windows | sed 's/$/\r/' >"$staging/windows-notes/README.txt"
  stage "$staging/windows/$RELEASE_NAME" \
    "$(stripped i686-w64-mingw32-strip "$windows_build/demo.exe")" "$windows_build/music.xm" \
    "$staging/windows-notes/README.txt"
  zip_staged "$staging/windows" "$out/$RELEASE_NAME-win32.zip"
}

# The web archive: NAME/ with the page's files and README.txt, ready for a static file server
# or a party site's HTML upload.
pack_web() {
  mkdir -p "$staging/web-notes"
  print_notes web >"$staging/web-notes/README.txt"
  stage "$staging/web/$RELEASE_NAME" "${WEB_FILES[@]/#/$web_build/}" \
    "$staging/web-notes/README.txt"
  zip_staged "$staging/web" "$out/$RELEASE_NAME-web.zip"
}

made=()
pack_linux
made+=("$RELEASE_NAME-linux-x86_64.tar.gz")
if [ -n "$windows_build" ]; then
  pack_windows
  made+=("$RELEASE_NAME-win32.zip")
fi
if [ -n "$web_build" ]; then
  pack_web
  made+=("$RELEASE_NAME-web.zip")
fi

capture() {
  env -u DISPLAY -u WAYLAND_DISPLAY "$linux_build/demo-capture" "$@"
}
capture --still "${STILL_ARGS[@]}" --out "$out/$RELEASE_NAME.png"
made+=("$RELEASE_NAME.png")
if [ $video -eq 1 ]; then
  capture "${VIDEO_ARGS[@]}" --out "$out/$RELEASE_NAME.mp4"
  made+=("$RELEASE_NAME.mp4")
fi

(cd "$out" && sha256sum "${made[@]}" >SHA256SUMS)
echo "release $RELEASE_NAME in $out:"
(cd "$out" && ls -l "${made[@]}" SHA256SUMS)
