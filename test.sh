#!/usr/bin/env bash
# Sets up everything the tests need, builds every preset they use and runs the whole suite:
# Linux (sanitizers, fuzzing, end to end), the 32-bit Windows program under Wine, the web page
# in headless Chromium and Firefox ESR. Every leg runs even when one before it failed; the run
# then ends by naming the legs that failed, with status 1.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
# The i386 architecture and the deb-src entries the Windows and web legs need come first, so
# that every package comes from one fetch of the lists: where a mirror fails the i386 list of
# a suite (mid-sync, say), apt then leaves that whole suite aside instead of installing amd64
# libraries from it that no i386 package can match.
add_windows_sources
install_missing_packages "${demo_packages[@]}" "${test_packages[@]}"
fuzz_runtime=yes
install_fuzz_runtime || fuzz_runtime=""

# Each leg is a chain of steps joined by &&, so that its first failing step ends it.
ci_build() { build_preset ci; }
# The unit, GL and audio tests once more under AddressSanitizer + UndefinedBehaviorSanitizer:
# their three programs are all this leg builds.
asan_leg() { build_preset asan unit_tests gl_tests audio_tests && ctest --preset asan; }
# A short fuzz run over the music input (scripts/fuzz.sh SECONDS for a longer one).
fuzz_leg() {
  if [ -n "$fuzz_runtime" ]; then
    scripts/fuzz.sh 30
  else
    echo "SKIPPED the fuzz run: no libFuzzer runtime for clang $(clang -dumpversion)" \
      "(no package libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev)"
  fi
}
# The 32-bit program cross-built (libopenmpt is built once per machine and cached), then its
# tests under 32-bit Wine, against frames drawn by the ci build.
windows_leg() { build_preset windows && ctest --preset windows; }
# The page built with emscripten (libopenmpt built once per machine and cached), then its tests
# in headless Chromium and in Firefox ESR against the ci build's frames and music.
web_leg() { build_preset web && ctest --preset web; }
# The portable Linux program the release ships, built in a cached Debian 11 system with its
# SDL2 and libopenmpt built once and cached; it needs root, and without it the test that runs
# the program on Debian 11 and 13 is skipped. That test and the set-up's check on Debian 13
# start from Debian 13's minimal system: made here (once), while the other legs build.
portable_leg() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "SKIPPED the portable Linux build: it needs root (debootstrap, chroot, mounts)"
    return 0
  fi
  scripts/build-portable-linux.sh build/ci/src/generated/demo_glyphs.cpp build/portable &&
    (source scripts/debian_chroot.sh && debian_minbase_tar trixie >/dev/null)
}
# The whole Linux suite, end-to-end tests included.
linux_leg() { ctest --preset ci; }

failed=()
# Runs the command after leg name $1 and says how the leg ended and how long it took.
leg_body() {
  local name=$1 start=$SECONDS outcome=passed status=0
  shift
  "$@" || { status=$?; outcome=FAILED; }
  echo "=== $name: $outcome in $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s"
  return "$status"
}
# Runs leg $1 (the command after it).
run_leg() {
  echo "=== $1"
  leg_body "$@" || failed+=("$1")
}
# Starts leg $1 in the background, beside the legs that follow, keeping its output until
# finish_legs_beside shows it.
beside_names=() beside_pids=() beside_logs=()
start_leg_beside() {
  local log
  log=$(mktemp)
  echo "=== $1: runs beside the next legs; its output follows them"
  leg_body "$@" >"$log" 2>&1 &
  beside_names+=("$1") beside_pids+=($!) beside_logs+=("$log")
}
# Waits for the leg named $1 started beside the others (without a name, for every one) and
# shows its output.
finish_legs_beside() {
  local i
  for i in "${!beside_pids[@]}"; do
    [ $# -eq 0 ] || [ "${beside_names[$i]}" = "$1" ] || continue
    wait "${beside_pids[$i]}" || failed+=("${beside_names[$i]}")
    echo "=== ${beside_names[$i]} (beside the legs above)"
    cat "${beside_logs[$i]}"
    rm -f "${beside_logs[$i]}"
    unset "beside_names[$i]" "beside_pids[$i]" "beside_logs[$i]"
  done
}
# True when the leg named $1 has failed.
leg_failed() {
  local name
  for name in "${failed[@]}"; do
    [ "$name" = "$1" ] && return 0
  done
  return 1
}
# The Windows and web legs' packages (on a fresh machine about 1.5 GB to fetch and unpack) come
# beside the first legs, which need none of them, unless installing them may ask for a password.
packages_leg="the Windows and web packages"
if can_install_unattended; then
  sudo_options=(-n)
  start_leg_beside "$packages_leg" install_windows_and_web_packages
  sudo_options=()
else
  run_leg "$packages_leg" install_windows_and_web_packages
fi
# The demo, its tools and all tests, warnings as errors: the legs below use this build too.
run_leg "the ci build" ci_build
# The Wine and browser tests run one at a time and leave a core idle for much of theirs, so the
# portable build and the web leg run beside the others. The Linux suite needs the portable
# program.
start_leg_beside "the portable Linux build" portable_leg
run_leg "the sanitizer suite" asan_leg
run_leg "the fuzz run" fuzz_leg
finish_legs_beside "$packages_leg"
if leg_failed "$packages_leg"; then
  echo "=== the web leg and the Windows leg: not run, their packages are missing"
  failed+=("the web leg" "the Windows leg")
else
  start_leg_beside "the web leg" web_leg
  run_leg "the Windows leg" windows_leg
fi
finish_legs_beside
# Last, so that when every leg passes its summary is the run's last line.
run_leg "the Linux suite" linux_leg
if [ ${#failed[@]} -gt 0 ]; then
  printf 'FAILED: %s\n' "${failed[@]}"
  exit 1
fi
