#!/usr/bin/env bash
# Sets up the machine (missing packages, release build) and runs the demo with the arguments
# given (--window, --help).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
install_missing_packages
build_preset release >/dev/null
# The demo reads music.xm from its working directory: the build folder holds both.
cd build/release
exec ./demo "$@"
