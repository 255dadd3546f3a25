#!/usr/bin/env bash
# --help prints the usage on standard output and exits 0 without opening a window; an unknown
# option names itself and prints the usage on standard error, exit 2.
source "$(dirname "$0")/lib.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
DISPLAY= "${DEMO}" --help >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 0 ] || fail "--help exits with $status"
grep -q -- "--window" "$work/out" || fail "--help does not list --window: $(cat "$work/out")"
[ ! -s "$work/err" ] || fail "--help writes to stderr: $(cat "$work/err")"

status=0
DISPLAY= "${DEMO}" --fullscreen >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 2 ] || fail "an unknown option exits with $status, not 2"
grep -q "unknown option '--fullscreen'" "$work/err" || fail "stderr: $(cat "$work/err")"
grep -q "^usage: " "$work/err" || fail "no usage on stderr: $(cat "$work/err")"
[ ! -s "$work/out" ] || fail "an unknown option writes to stdout: $(cat "$work/out")"
echo "--help: usage, exit 0; --fullscreen: error and usage on stderr, exit 2"
