#!/usr/bin/env bash
# Sets up the machine as test.sh does, builds the Linux and Windows programs and the web page,
# and writes the release into dist/: the three archives, the video, a still and SHA256SUMS.
# The Linux archive holds the portable program, built in a Debian 11 system
# (scripts/build-portable-linux.sh, as root: through sudo otherwise).
# usage: ./release.sh [--no-video]   (--no-video skips the 75-second 1080p video)
set -euo pipefail
cd "$(dirname "$0")"
video=()
case "${1:-}" in
  "") ;;
  --no-video) video=(--no-video) ;;
  *) echo "usage: ./release.sh [--no-video]" >&2; exit 2 ;;
esac
source scripts/setup.sh
install_missing_packages "${demo_packages[@]}"
install_windows_packages
install_web_packages
install_missing_packages zip
enable_wine32 || true
build_preset_quietly release
portable_log=$(mktemp)
as_root scripts/build-portable-linux.sh build/release/src/generated/demo_glyphs.cpp \
  build/portable >"$portable_log" 2>&1 ||
  { tail -n 30 "$portable_log" >&2; echo "Building the portable Linux program failed" >&2; exit 1; }
rm -f "$portable_log"
build_preset_quietly windows
# The page and its music only: the web tests' tools are not needed for a release.
build_preset_quietly web demo soundtrack
rm -rf dist
scripts/release/make_release.sh --out dist --linux-build build/release \
  --linux-program build/portable/demo --windows-build build/windows --web-build build/web \
  "${video[@]}"
