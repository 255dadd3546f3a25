#!/usr/bin/env bash
# Started with no standard streams and no console to attach to, as from Explorer, a run that
# fails says why in a message box titled with the demo's name, and ends with the failure's
# status once the box is dismissed. Here the failure is an unknown option (status 2).
source "$(dirname "$0")/../../e2e/lib.sh"
run_under_xvfb 800x600

readonly BOX_TITLE="Blob grid & cube crosses"
(cd "$DEMO_BUILD_DIR" && exec "$DEMO" "$START_LIKE_EXPLORER" demo.exe --no-such-option) &
DEMO_PID=$!
deadline=$((SECONDS + 30 * WAIT_FACTOR))
box=""
until [ -n "$box" ]; do
  kill -0 "$DEMO_PID" 2>/dev/null ||
    fail "the demo exited without a message box: $(demo_exit_report)"
  [ $SECONDS -le $deadline ] || fail "no message box titled \"$BOX_TITLE\" after 30 s"
  box=$(xdotool search --onlyvisible --name "^$BOX_TITLE\$" 2>/dev/null | head -n 1 || true)
  sleep 0.2
done
# The box waits for the user: the demo is still running.
kill -0 "$DEMO_PID" 2>/dev/null || fail "the demo did not wait for the message box to be dismissed"
# OK has the focus; Return presses it.
xdotool windowfocus "$box" key Return
wait_for_exit 20
[ "$DEMO_STATUS" -eq 2 ] || fail "exit status $DEMO_STATUS after the box for an unknown option"
echo "with no console the failure showed in a message box \"$BOX_TITLE\"; status 2"
