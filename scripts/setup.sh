#!/usr/bin/env bash
# Installs the Debian packages the demo and its tests need (only those missing), then
# configures and builds one CMake preset. Sourced by run.sh and test.sh.
set -euo pipefail

demo_packages=(
  cmake g++ make pkg-config
  libsdl2-dev libopenmpt-dev libgl-dev libglu1-mesa-dev libgl1-mesa-dri libegl-mesa0
  libfontconfig-dev libfreetype-dev fonts-urw-base35 fonts-liberation2 libpng-dev
  libegl-dev libx11-dev googletest libgtest-dev clang libclang-rt-14-dev
  xvfb xauth xdotool imagemagick sox ffmpeg
)

# The Windows leg: the cross compilers, Wine with Mesa's GL for 32-bit programs, and what
# `apt-get source libopenmpt` needs. The 64-bit Wine and compiler run the Windows tests on
# kernels that cannot run 32-bit code (see windows_test_preset).
windows_packages=(
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix dpkg-dev
  wine wine64 wine32:i386 libgl1:i386 libglx-mesa0:i386 libgl1-mesa-dri:i386
)

# The web leg: emscripten (Debian's, offline), Chromium to run the page headless, and node
# with npm for the tests' puppeteer-core. Its libopenmpt comes from the same deb-src entry
# as the Windows leg's (install_windows_packages adds it).
web_packages=(emscripten chromium nodejs npm dpkg-dev)

install_web_packages() {
  install_packages "${web_packages[@]}"
}

install_missing_packages() {
  install_packages "${demo_packages[@]}"
}

# Adds the i386 architecture and a deb-src twin of the Debian entry (for Debian's libopenmpt
# source package), both only once, then installs the Windows leg's missing packages.
install_windows_packages() {
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  local updated=0
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo[@]}" dpkg --add-architecture i386
    updated=1
  fi
  local sources=/etc/apt/sources.list.d/debian.sources
  local source_twin=/etc/apt/sources.list.d/demo-deb-src.sources
  if [ -f "$sources" ] && [ ! -f "$source_twin" ] &&
    ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    sed 's/^Types: deb$/Types: deb-src/' "$sources" | "${sudo[@]}" tee "$source_twin" >/dev/null
    updated=1
  fi
  [ $updated -eq 1 ] && "${sudo[@]}" apt-get update -qq
  install_packages "${windows_packages[@]}"
}

# The preset whose tests run under Wine here: the 32-bit program where the kernel runs 32-bit
# code, else its 64-bit twin (the kernel may be booted with ia32 emulation off).
windows_test_preset() {
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo windows
  else
    echo windows64
  fi
}

install_packages() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
    "${missing[@]}"
}

build_preset() {
  local preset=$1
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
}
