#!/usr/bin/env bash
# Where Wine cannot start a 32-bit program, the Windows tests are not passed off as passed: the
# prefix fixture keeps the reason, the runners of the unit and end-to-end tests exit with CTest's
# skip status and say why, and under CI=true the fixture itself fails. A stand-in `wine` that
# starts nothing plays the machine that cannot.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

mkdir "$work/bin"
printf '#!/bin/sh\necho "wine: cannot execute binary file: Exec format error" >&2\nexit 126\n' \
  >"$work/bin/wine"
printf '#!/bin/sh\nexit 0\n' >"$work/bin/wineserver"
chmod +x "$work/bin/wine" "$work/bin/wineserver"
export PATH="$work/bin:$PATH"

status=0
CI="" bash "$here/wine_prefix.sh" create "$work/prefix.path" "$work/probe.exe" \
  >"$work/fixture.out" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "the fixture ended with $status: $(cat "$work/fixture.out")"
grep -q "Exec format error" "$work/prefix.path.skip" 2>/dev/null ||
  fail "no reason kept for the skip: $(cat "$work/fixture.out")"
grep -q "^SKIPPED the Windows run-time tests: " "$work/fixture.out" ||
  fail "the fixture did not say the tests are skipped: $(cat "$work/fixture.out")"

# An end-to-end script that would pass if it ran.
echo 'exit 0' >"$work/passes.sh"
export DEMO_WINE_PREFIX_FILE=$work/prefix.path
for runner in "wine_e2e.sh $work/passes.sh" "wine_run.sh unit_tests.exe"; do
  status=0
  # shellcheck disable=SC2086
  bash "$here"/$runner >"$work/runner.out" 2>&1 || status=$?
  [ "$status" -eq 77 ] || fail "$runner ended with $status, not 77: $(cat "$work/runner.out")"
  grep -q "^SKIPPED: .*Exec format error" "$work/runner.out" ||
    fail "$runner did not say why it skipped: $(cat "$work/runner.out")"
done
bash "$here/wine_prefix.sh" remove "$work/prefix.path"
[ ! -e "$work/prefix.path.skip" ] || fail "the reason outlived the prefix"

status=0
CI=true bash "$here/wine_prefix.sh" create "$work/ci.path" "$work/probe.exe" \
  >"$work/ci.out" 2>&1 || status=$?
[ "$status" -eq 1 ] || fail "under CI=true the fixture ended with $status: $(cat "$work/ci.out")"
grep -q "^FAIL: 32-bit Windows programs cannot run" "$work/ci.out" ||
  fail "under CI=true the fixture did not say why it failed: $(cat "$work/ci.out")"
bash "$here/wine_prefix.sh" remove "$work/ci.path"
echo "without 32-bit Wine: tests skipped with the reason; a failure under CI=true"
