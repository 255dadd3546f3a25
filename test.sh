#!/usr/bin/env bash
# Sets up the machine as run.sh does, then builds and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
install_missing_packages
build_preset release
ctest --preset release
