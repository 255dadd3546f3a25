#!/usr/bin/env bash
# The demo covers an 800 x 600 screen in white and quits on Esc with status 0.
source "$(dirname "$0")/lib.sh"
run_under_xvfb 800x600

start_demo
wait_for_window 30
wait_for_pixel 10 400 300 255,255,255
wait_for_pixel 10 0 0 255,255,255
wait_for_pixel 10 799 599 255,255,255
xdotool key Escape
wait_for_exit 10
[ "$DEMO_STATUS" -eq 0 ] || fail "exit status $DEMO_STATUS after Esc"
echo "white screen, Esc quit with status 0"
