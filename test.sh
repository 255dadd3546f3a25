#!/usr/bin/env bash
# Sets up the machine as run.sh does, then builds and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
install_missing_packages
build_preset release
# The unit and GL tests once more under AddressSanitizer + UndefinedBehaviorSanitizer.
build_preset asan
ctest --preset asan
# A short fuzz run over the music input (scripts/fuzz.sh SECONDS for a longer one).
scripts/fuzz.sh 30
# The Windows leg: the 32-bit program cross-built (libopenmpt is built once per machine and
# cached), then its tests under Wine, against frames drawn by the release build. A kernel
# without 32-bit support gets the 32-bit program and its import check only, and the Wine
# tests on the 64-bit build.
install_windows_packages
windows_preset=$(windows_test_preset)
if [ "$windows_preset" = windows ]; then
  build_preset windows
else
  echo "This kernel cannot run 32-bit code: the Wine tests run on the windows64 build."
  cmake --preset windows >/dev/null
  cmake --build --preset windows --target demo soundtrack
  ctest --preset windows -R windows_imports_only_system_dlls
  build_preset windows64
fi
ctest --preset "$windows_preset"
# The web leg: the page built with emscripten (libopenmpt built once per machine and cached),
# then its tests in headless Chromium against the release build's frames and music.
install_web_packages
build_preset web
ctest --preset web
# The whole suite, end-to-end tests included; its summary is the last line.
ctest --preset release
