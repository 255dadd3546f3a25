#!/usr/bin/env bash
# A window manager's close request ends the demo like Esc, with status 0; other keys do not:
# the demo goes on drawing frames after them.
source "$(dirname "$0")/lib.sh"
run_under_xvfb 800x600

frames=$(mktemp)
trap 'rm -f "$frames"' EXIT
start_demo --frame-times >"$frames"
wait_for_window 30
xdotool key a space Return
# Frames drawn after the keys show that the demo handled them and still runs.
wait_for_new_frames "$frames" 5 10
"${SEND_CLOSE_REQUEST}" "$DEMO_WINDOW"
wait_for_exit 10
[ "$DEMO_STATUS" -eq 0 ] || fail "exit status $DEMO_STATUS after the close request"
echo "close request quit with status 0"
