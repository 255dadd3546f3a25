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

install_missing_packages() {
  local missing=()
  local package
  for package in "${demo_packages[@]}"; do
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
