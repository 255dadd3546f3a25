#!/usr/bin/env bash
# --scene 2 --at 12000 --freeze holds the running demo at 12 s into scene 2: with the cursor
# at (300, 220) the screen shows the frame demo-capture draws for that scene, moment and cursor
# (a frame 1 ms later differs in about 450 pixels; a 32-bit build's rasteriser may round an
# edge pixel or two otherwise, so up to 16 may differ). --frame-times reports every frame.
source "$(dirname "$0")/lib.sh"
run_under_xvfb 800x600

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
capture=${DEMO_CAPTURE:-${DEMO_LINUX_BUILD:-}/demo-capture}
LIBGL_ALWAYS_SOFTWARE=1 "$capture" --still --scene 2 --t 1.2 --cursor 300,220 \
  --out "$work/expected.png" 2>"$work/capture.err" ||
  fail "demo-capture could not draw the frame: $(cat "$work/capture.err")"

start_demo --scene 2 --at 12000 --freeze --frame-times >"$work/out" 2>&1
wait_for_window 30
xdotool mousemove 300 220
allowed=16
deadline=$((SECONDS + 30 * WAIT_FACTOR))
while :; do
  import -window root "$work/shown.png"
  differing=$(compare -metric AE "$work/shown.png" "$work/expected.png" null: 2>&1 || true)
  [ "$differing" -le "$allowed" ] && break
  [ $SECONDS -le $deadline ] || fail "the screen differs from the frozen frame in $differing pixels"
  sleep 0.5
done
# The frozen frame stays as it is over the frames drawn after it.
wait_for_new_frames "$work/out" 10 10
import -window root "$work/later.png"
still=$(compare -metric AE "$work/later.png" "$work/shown.png" null: 2>&1 || true)
[ "$still" -eq 0 ] || fail "the frozen picture moved: $still pixels changed over 10 frames"

reported=$(grep -c "^frame-time scene 2 [0-9.]* ms" "$work/out" || true)
[ "$reported" -ge 2 ] || fail "--frame-times reported $reported frames: $(head -c 300 "$work/out")"
! grep -q "frame-time scene 1" "$work/out" || fail "a frame of scene 1 was reported"

xdotool key Escape
wait_for_exit 10
[ "$DEMO_STATUS" -eq 0 ] || fail "exit status $DEMO_STATUS after Esc"
echo "12 s into scene 2, frozen: $differing pixels differ from demo-capture's frame;" \
  "$reported frame times reported"
