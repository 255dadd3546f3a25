#!/usr/bin/env bash
# On a 1280 x 1024 screen the picture fills the width at 4:3 (1280 x 960), centred between
# black bars of 32 rows above and below.
source "$(dirname "$0")/lib.sh"
run_under_xvfb 1280x1024

start_demo
wait_for_window 30
wait_for_pixel 10 640 512 255,255,255
for point in "0 32" "1279 32" "0 991" "1279 991" "640 40"; do
  set -- $point
  # Scene 1's cubes may cover a picture pixel, but never in the bars' black.
  [ "$(screen_pixel "$1" "$2")" != 0,0,0 ] || fail "picture pixel ($1, $2) is black"
done
for point in "640 0" "0 31" "1279 992" "640 1023"; do
  set -- $point
  [ "$(screen_pixel "$1" "$2")" = 0,0,0 ] || fail "bar pixel ($1, $2) is not black"
done
xdotool key Escape
wait_for_exit 10
[ "$DEMO_STATUS" -eq 0 ] || fail "exit status $DEMO_STATUS after Esc"
echo "picture centred at 4:3 with black bars"
