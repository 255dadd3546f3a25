#!/usr/bin/env bash
# In a window resized wider than 4:3 the cursor still maps into the picture: with the pointer
# over the picture's left edge, past the bar, the picture equals the offscreen frame drawn for
# the cursor (0, 300), and not the one for (100, 300), where a mapping that ignored the bar
# would put it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window_lib.sh"
run_under_xvfb 1920x1080
start_window_manager

# See test_scenes_follow_cursor.sh for these bounds of the frame matching.
readonly TOLERANCE=50
readonly WRONG_CURSOR_MINIMUM=5000
readonly FRAME_AGE_MS=500
readonly MATCH_FRAME=${MATCH_FRAME:-${DEMO_BUILD_DIR}/match_frame}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
now_ms() { date +%s%3N; }

# The scene clock starts after the window is mapped and before the first frame is drawn, so
# the last search that did not find the window and the first screenshot with a picture bound
# it; the tighter these bounds, the fewer moments match_frame has to draw.
start_demo --window --frame-times >"$work/out"
not_mapped=$(now_ms)
deadline=$((SECONDS + 10 * WAIT_FACTOR))
while :; do
  polled=$(now_ms)
  window=$(find_demo_window || true)
  [ -n "$window" ] && break
  not_mapped=$polled
  kill -0 "$DEMO_PID" 2>/dev/null || fail "the demo exited before showing its window"
  [ $SECONDS -le $deadline ] || fail "no demo window after $((10 * WAIT_FACTOR)) s"
  sleep 0.05
done
wait_for_picture 20
drawn=$(now_ms)
xdotool windowsize "$window" 1000 600
wait_for_size 1000 600 20
wait_for_picture 20

# The picture is at its own size here, so it can be compared pixel for pixel.
xdotool mousemove $((PX)) $((PY + 300))
wait_for_new_frames "$work/out" 5 10
before=$(now_ms)
import -window root -crop "800x600+$PX+$PY" +repage -depth 8 "$work/shot.ppm"
after=$(now_ms)
from=$((before - drawn - FRAME_AGE_MS))
to=$((after - not_mapped))
best=$("$MATCH_FRAME" 1 0 300 "$from" "$to" "$work/shot.ppm" "$work/best.ppm")
diff=$(compare -metric AE -fuzz 2% "$work/best.ppm" "$work/shot.ppm" null: 2>&1 || true)
[ "$diff" -le "$TOLERANCE" ] 2>/dev/null ||
  fail "cursor at the picture's left edge: best frame (ms, pixels: $best) differs in $diff pixels"
# At the moment found, the cursor a mapping that ignored the bar would give draws another
# picture, so the match above tells the two apart.
moment=${best% *}
wrong=$("$MATCH_FRAME" 1 100 300 $((moment - 100)) $((moment + 100)) "$work/shot.ppm" \
  "$work/unmapped.ppm")
[ "${wrong#* }" -ge "$WRONG_CURSOR_MINIMUM" ] ||
  fail "the frames for the cursor (100, 300) match too (ms, pixels: $wrong)"
echo "cursor maps into the picture: matches at ${best% *} ms ($diff pixels differ)"

xdotool key Escape
wait_for_exit 2
[ "$DEMO_STATUS" -eq 0 ] || fail "exit status $DEMO_STATUS after Esc"
