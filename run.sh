#!/usr/bin/env bash
# Sets up what the demo needs (missing packages, the release build of the demo and its
# music) and runs it with the arguments given (--window, --help).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
install_missing_packages "${demo_packages[@]}"
build_preset_quietly release demo soundtrack
# The demo reads music.xm from its working directory: the build folder holds both.
cd build/release
exec ./demo "$@"
