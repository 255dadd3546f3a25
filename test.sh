#!/usr/bin/env bash
# Sets up everything the tests need, builds every preset they use and runs the whole suite.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
install_missing_packages "${demo_packages[@]}" "${test_packages[@]}"
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
# The whole suite, end-to-end tests included; its summary is the last line.
ctest --preset ci
