#!/usr/bin/env bash
# Sets up everything the tests need, builds every preset they use and runs the whole suite:
# Linux (sanitizers, fuzzing, end to end), the Windows program under Wine, the web page in
# headless Chromium.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
install_missing_packages "${demo_packages[@]}" "${test_packages[@]}"
install_windows_packages
install_web_packages
fuzz_runtime=yes
install_fuzz_runtime || fuzz_runtime=""
# The demo, its tools and all tests, warnings as errors.
build_preset ci
# The unit, GL and audio tests once more under AddressSanitizer + UndefinedBehaviorSanitizer.
build_preset asan
ctest --preset asan
# A short fuzz run over the music input (scripts/fuzz.sh SECONDS for a longer one).
if [ -n "$fuzz_runtime" ]; then
  scripts/fuzz.sh 30
else
  echo "SKIPPED the fuzz run: no libFuzzer runtime for clang $(clang -dumpversion)" \
    "(no package libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev)"
fi
# The Windows leg: the 32-bit program cross-built (libopenmpt is built once per machine and
# cached), then its tests under Wine, against frames drawn by the ci build. A kernel without
# 32-bit support gets the 32-bit program and its import check only, and the Wine tests on the
# 64-bit build.
windows_preset=$(windows_test_preset)
if [ "$windows_preset" = windows ]; then
  build_preset windows
else
  echo "This kernel cannot run 32-bit code: the Wine tests run on the windows64 build."
  build_preset windows demo soundtrack
  ctest --preset windows -R windows_imports_only_system_dlls
  build_preset windows64
fi
ctest --preset "$windows_preset"
# The web leg: the page built with emscripten (libopenmpt built once per machine and cached),
# then its tests in headless Chromium against the ci build's frames and music.
build_preset web
ctest --preset web
# The whole Linux suite, end-to-end tests included; its summary is the last line.
ctest --preset ci
