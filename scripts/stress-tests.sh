#!/usr/bin/env bash
# Runs the test suite over and over with every core kept busy, to catch tests that depend on
# timing: each Linux test outside the end-to-end suite 15 times, each end-to-end test 4 times,
# each until its first failure; then the Windows program's whole suite under Wine as many times
# as the end-to-end tests, each run in a fresh prefix, skips counted as failures (CI=true); then
# each web test (in Chromium and in Firefox ESR) as many times as the end-to-end tests.
# Builds the ci, windows and web presets first. The summary is in the last lines; the exit
# status is non-zero when any run of any test failed.
# Usage: scripts/stress-tests.sh [NON_E2E_RUNS [E2E_RUNS]]
set -euo pipefail
cd "$(dirname "$0")/.."
non_e2e_runs=${1:-15}
e2e_runs=${2:-4}
source scripts/setup.sh
build_preset ci >/dev/null
build_preset windows >/dev/null
build_preset web >/dev/null

# One spinning shell per core, stopped however this script ends.
loads=()
stop_loads() {
  [ ${#loads[@]} -eq 0 ] || kill "${loads[@]}" 2>/dev/null || true
}
trap stop_loads EXIT
for _ in $(seq "$(nproc)"); do
  (while :; do :; done) &
  loads+=($!)
done

summary=()
failed=0
# Runs the tests of test preset $1 that ctest selects with the arguments after $3, $2 times
# each, logging to build/$1/stress-$3.log; adds its result and any failed tests to the summary.
stress() {
  local preset=$1 runs=$2 name=$3 status=0
  shift 3
  local log=build/$preset/stress-$name.log
  echo "== $name: each test up to ${runs} times (ctest --preset $preset $*)," \
    "${#loads[@]} busy loads; log: $log"
  ctest --preset "$preset" "$@" --repeat "until-fail:$runs" >"$log" 2>&1 || status=$?
  summary+=("$name, ${runs}x each: $(grep -E "tests passed|No tests were found" "$log" | tail -n 1)")
  if [ "$status" -ne 0 ]; then
    failed=1
    summary+=("$(sed -n '/The following tests FAILED:/,/Errors while running CTest/p' "$log" |
      grep -vE "^The following|^Errors")")
  fi
}
# Runs the Windows suite $1 times, stopping at its first failed run.
stress_windows() {
  local runs=$1 passed=0 run
  local log=build/windows/stress-windows.log
  echo "== windows: the whole suite up to ${runs} times (ctest --preset windows); log: $log"
  : >"$log"
  for run in $(seq "$runs"); do
    echo "--- run $run" >>"$log"
    if CI=true ctest --preset windows >>"$log" 2>&1; then
      passed=$((passed + 1))
    else
      failed=1
      summary+=("$(sed -n '/The following tests FAILED:/,/Errors while running CTest/p' "$log" |
        grep -vE "^The following|^Errors")")
      break
    fi
  done
  summary+=("windows, the suite up to ${runs}x: $passed of $run runs passed")
}
stress ci "$non_e2e_runs" non-e2e --label-exclude e2e
stress ci "$e2e_runs" e2e --label-regex e2e
stress_windows "$e2e_runs"
stress web "$e2e_runs" web
stop_loads

echo "--- stress summary: ${#loads[@]} busy loads on $(nproc) cores, $((SECONDS / 60)) min"
printf '%s\n' "${summary[@]}"
if [ "$failed" -ne 0 ]; then
  echo "stress: FAILED"
  exit 1
fi
echo "stress: PASSED"
