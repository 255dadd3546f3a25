#!/usr/bin/env bash
# --window on a 1920 x 1080 screen: an 800 x 600 window; resized, it keeps the picture at 4:3
# between black bars; Alt+Enter goes full screen and back to the 800 x 600 window; Esc ends
# the demo with status 0. (test_window_cursor.sh checks the cursor in a resized window.)
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window_lib.sh"
run_under_xvfb 1920x1080
start_window_manager

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

start_demo --window
wait_for_window 30 >/dev/null
window=$DEMO_WINDOW
wait_for_size 800 600 20
wait_for_picture 20

# Wider than 4:3: bars left and right. Taller: bars above and below.
xdotool windowsize "$window" 1000 600
wait_for_size 1000 600 20
wait_for_picture 20

xdotool windowsize "$window" 800 900
wait_for_size 800 900 20
wait_for_picture 20

xdotool key alt+Return
wait_for_size 1920 1080 20
wait_for_picture 20
xdotool key alt+Return
wait_for_size 800 600 20
wait_for_picture 20

xdotool key Escape
wait_for_exit 2
[ "$DEMO_STATUS" -eq 0 ] || fail "exit status $DEMO_STATUS after Esc"
echo "resized, full screen and back, each with the picture at 4:3; Esc exits 0"
