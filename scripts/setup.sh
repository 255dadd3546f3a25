#!/usr/bin/env bash
# Installs the Debian packages a task needs (only those missing) and configures and builds
# CMake presets with Ninja when it is there and as many jobs as the machine has cores.
# Sourced by run.sh and test.sh.
set -euo pipefail

# What the demo needs to build and run; ./run.sh installs only these. (libpng-dev: the
# release preset also configures the capture tool.)
build_packages=(cmake ninja-build g++ pkg-config)
library_packages=(libsdl2-dev libopenmpt-dev libgl-dev libgles-dev
  libfontconfig-dev libfreetype-dev libpng-dev)
runtime_packages=(libgl1-mesa-dri fonts-urw-base35)
demo_packages=("${build_packages[@]}" "${library_packages[@]}" "${runtime_packages[@]}")

# What the tests need besides (debootstrap and git: the tests that try a fresh Debian system);
# ./test.sh installs these too. The fuzzer's clang runtime is named after the installed clang's
# version, so install_fuzz_runtime adds it afterwards.
unit_test_packages=(libgtest-dev)
gl_test_packages=(libegl-mesa0 libglu1-mesa-dev)
e2e_test_packages=(xvfb xauth xdotool x11-utils imagemagick libx11-dev debootstrap git)
capture_test_packages=(ffmpeg)
fuzz_packages=(clang)
test_packages=("${unit_test_packages[@]}" "${gl_test_packages[@]}" "${e2e_test_packages[@]}"
  "${capture_test_packages[@]}" "${fuzz_packages[@]}")

# The Windows leg: the 32-bit cross compiler, Wine with Mesa's GL for 32-bit programs, a
# window manager for the windowed tests (Wine resizes a GL window fully only under one), what
# `apt-get source libopenmpt` needs, and zip and unzip for the release archive's tests. A
# kernel that cannot run 32-bit code also gets qemu's i386 emulator (enable_wine32,
# scripts/wine32.sh).
windows_packages=(
  g++-mingw-w64-i686-posix dpkg-dev
  wine wine32:i386 libgl1:i386 libglx-mesa0:i386 libgl1-mesa-dri:i386
  openbox zip unzip
)

# The web leg: emscripten (Debian's, offline), Chromium and Firefox ESR to run the page in,
# Xvfb for Firefox (without a display it has no WebGL), node with npm for the tests'
# puppeteer-core, and zip and unzip for the release's web archive. Its libopenmpt comes from
# the same deb-src entry as the Windows leg's (install_windows_packages adds it).
web_packages=(emscripten chromium firefox-esr xvfb xauth dpkg-dev zip unzip)

package_lists_fresh=""
# sudo's options: a set-up running in the background sets -n, so that sudo fails with its
# message instead of waiting for a password nobody can type there.
sudo_options=()

# Runs a command as root: as it is when this is root, through sudo otherwise; where there is
# no sudo, says so in one line.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null; then
    sudo "${sudo_options[@]}" "$@"
  else
    echo "Installing packages and building in Debian systems need root: run this as root, or" \
      "install sudo" >&2
    return 1
  fi
}

# Runs apt-get as root, waiting for another apt run's lock.
apt_get() {
  as_root env DEBIAN_FRONTEND=noninteractive \
    apt-get -o DPkg::Lock::Timeout=600 -o Acquire::Retries=3 "$@"
}

# A name without ":arch" means the machine's own architecture (or an architecture-free package);
# a package installed for another architecture too must not hide a missing native one.
is_installed() {
  local name=${1%%:*}
  local arch=${1#*:}
  [ "$arch" = "$1" ] && arch=$(dpkg --print-architecture)
  dpkg-query -W -f='${Status} ${Architecture}\n' "$name" 2>/dev/null |
    grep -qE "^install ok installed ($arch|all)$"
}

# A mirror that fails one index (one mid-sync, say) need not stop the set-up: apt keeps the
# lists it has, and an install that then lacks a package fails with apt's own message.
refresh_package_lists() {
  [ -n "$package_lists_fresh" ] && return 0
  apt_get update -qq ||
    echo "apt-get update could not fetch every package list; going on with the lists it has" >&2
  package_lists_fresh=1
}

# Installs those of the named packages that are missing.
install_missing_packages() {
  local missing=()
  local package
  for package in "$@"; do
    is_installed "$package" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  refresh_package_lists
  apt_get install -y -qq "${missing[@]}"
}

# True when clang can link a libFuzzer target with the sanitizers the fuzz preset uses.
fuzzer_links() {
  local program status=0
  program=$(mktemp)
  echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' |
    clang++ -x c++ -fsanitize=fuzzer,address,undefined - -o "$program" 2>/dev/null || status=1
  rm -f "$program"
  return $status
}

# Makes libFuzzer available to the installed clang; fails when no package provides it.
install_fuzz_runtime() {
  fuzzer_links && return 0
  local major package
  major=$(clang -dumpversion | cut -d. -f1)
  package=libclang-rt-$major-dev
  refresh_package_lists
  apt-cache show "$package" >/dev/null 2>&1 || return 1
  install_missing_packages "$package"
  fuzzer_links
}

# Build and test in parallel on every core, unless the caller chose otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}

# Configures a preset: with Ninja when it is installed, unless the build folder was first
# configured with another generator (CMake keeps a folder's generator).
configure_preset() {
  local preset=$1
  local cache=build/$preset/CMakeCache.txt
  if command -v ninja >/dev/null &&
    { [ ! -f "$cache" ] || grep -q "^CMAKE_GENERATOR:INTERNAL=Ninja$" "$cache"; }; then
    CMAKE_GENERATOR=Ninja cmake --preset "$preset" >/dev/null
  else
    cmake --preset "$preset" >/dev/null
  fi
}

# Builds a preset as build_preset does, quietly: on success it shows only what CMake says on
# standard error (why a dependency's build takes minutes). When it fails it shows the
# compiler's error lines (or the end of the build's output) and says which preset failed.
build_preset_quietly() {
  local preset=$1 log status=0
  log=$(mktemp)
  build_preset "$@" >"$log" || status=$?
  if [ "$status" -ne 0 ]; then
    echo "Building the $preset preset failed:" >&2
    if grep -qE 'error:|FAILED:' "$log"; then
      grep -E -A4 'error:|FAILED:' "$log" | head -n 40 >&2
    else
      tail -n 30 "$log" >&2
    fi
    echo "(the build's whole output: $log)" >&2
    return "$status"
  fi
  rm -f "$log"
}

# Configures and builds a preset; any further arguments name the only targets to build.
build_preset() {
  local preset=$1
  shift
  configure_preset "$preset"
  if [ $# -gt 0 ]; then
    cmake --build --preset "$preset" --target "$@"
  else
    cmake --build --preset "$preset"
  fi
}

# Adds the i386 architecture and deb-src twins of the Debian or Ubuntu entries (for Debian's
# libopenmpt source package), both only once, and fetches the package lists again if either
# was added.
add_windows_sources() {
  local changed=0
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386 || return 1
    package_lists_fresh=""
    changed=1
  fi
  if ! has_deb_src_entry && add_deb_src_entries as_root tee; then
    package_lists_fresh=""
    changed=1
  fi
  # `apt-get source` needs the new source lists even when every package is installed.
  [ "$changed" -eq 0 ] || refresh_package_lists
}

# The Windows leg's sources, then its missing packages.
install_windows_packages() {
  add_windows_sources
  install_missing_packages "${windows_packages[@]}"
}

# Debian's packages for the commands node and npm, where the machine lacks them: another
# vendor's nodejs bundles npm and conflicts with Debian's npm package.
node_packages() {
  command -v node >/dev/null || echo nodejs
  command -v npm >/dev/null || echo npm
}

# The web leg's missing packages.
install_web_packages() {
  # shellcheck disable=SC2046
  install_missing_packages "${web_packages[@]}" $(node_packages)
}

# The Windows and web legs' packages, then Wine's 32-bit set-up. Where the kernel cannot run
# 32-bit code, Wine runs through qemu (scripts/wine32.sh); where that cannot be set up either,
# the Windows tests that run the program are skipped with the reason (a failure under CI=true).
install_windows_and_web_packages() {
  install_windows_packages && install_web_packages && { enable_wine32 || true; }
}

# True when packages can be installed without anyone typing a password: as root, or where
# sudo needs none (or has one from a moment ago).
can_install_unattended() {
  [ "$(id -u)" -eq 0 ] || sudo -n true 2>/dev/null
}

source "$(dirname "${BASH_SOURCE[0]}")/deb_src_entries.sh"
source "$(dirname "${BASH_SOURCE[0]}")/wine32.sh"
