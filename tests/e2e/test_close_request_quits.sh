#!/usr/bin/env bash
# A window manager's close request ends the demo like Esc, with status 0; other keys do not.
source "$(dirname "$0")/lib.sh"
run_under_xvfb 800x600

start_demo
wait_for_window 30
xdotool key a space Return
sleep 0.5
kill -0 "$DEMO_PID" 2>/dev/null || fail "the demo quit on a key other than Esc"
"${SEND_CLOSE_REQUEST}" "$DEMO_WINDOW"
wait_for_exit 10
[ "$DEMO_STATUS" -eq 0 ] || fail "exit status $DEMO_STATUS after the close request"
echo "close request quit with status 0"
