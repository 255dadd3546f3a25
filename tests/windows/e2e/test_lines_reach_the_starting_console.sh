#!/usr/bin/env bash
# Started from a console program without standard handles of its own, as when typed at a
# command prompt, the demo writes its lines to that console rather than into a message box:
# here the error and the usage for an unknown option, and status 2. `script` gives the console
# a terminal, as a command prompt's window would.
source "$(dirname "$0")/../../e2e/lib.sh"

transcript=$(mktemp)
trap 'rm -f "$transcript"' EXIT
command=$(printf '%q ' "$DEMO" "$START_FROM_CONSOLE" demo.exe --no-such-option)
status=0
(cd "$DEMO_BUILD_DIR" && timeout $((60 * WAIT_FACTOR)) script -qec "$command" /dev/null) \
  >"$transcript" 2>&1 </dev/null || status=$?
[ "$status" -eq 2 ] || fail "exit status $status (console: $(cat "$transcript"))"
text=$(tr -d '\r' <"$transcript")
grep -qF "demo: unknown option '--no-such-option'" <<<"$text" ||
  fail "the error did not reach the console: $text"
grep -qF "usage: demo [--window]" <<<"$text" || fail "the usage did not reach the console: $text"
echo "from a console without standard handles, the demo's lines reached that console; status 2"
