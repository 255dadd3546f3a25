#!/usr/bin/env bash
# Without vsync (Xvfb has none) the demo draws no faster than 60 frames a second, and draws
# nothing while its window is hidden. Frames are counted at the buffer swap by the frame probe.
source "$(dirname "$0")/lib.sh"
run_under_xvfb 800x600

PROBE_OUT=$(mktemp)
trap 'rm -f "$PROBE_OUT"' EXIT
(cd "${DEMO_BUILD_DIR}" &&
  LD_PRELOAD="${DEMO_BUILD_DIR}/libframe_probe.so" FRAME_PROBE_OUT="$PROBE_OUT" exec "${DEMO}") &
DEMO_PID=$!
window=$(wait_for_window 20)

# About two seconds shown, three hidden, one shown again. These spans only set how much there
# is to count; a busy machine draws fewer frames, never more.
sleep 2
xdotool windowunmap "$window"
hidden_from=$(date +%s.%N)
sleep 3
hidden_to=$(date +%s.%N)
xdotool windowmap "$window"
sleep 1
"${SEND_CLOSE_REQUEST}" "$window"
wait_for_exit 20
[ "$DEMO_STATUS" -eq 0 ] || fail "exit status $DEMO_STATUS"

frames=$(awk '$1 == "frames" {print $2}' "$PROBE_OUT")
seconds=$(awk '$1 == "seconds" {print $2}' "$PROBE_OUT")
[ -n "$frames" ] && [ "$frames" -gt 0 ] || fail "no frames counted: $(cat "$PROBE_OUT")"
# The swaps span the whole run; the hidden span, measured inside the time the window was
# unmapped, had no frames. A few frames of slack cover the demo noticing the unmap.
limit=$(awk -v s="$seconds" -v from="$hidden_from" -v to="$hidden_to" \
  'BEGIN { printf "%d", (s - (to - from)) * 60 + 10 }')
[ "$frames" -le "$limit" ] ||
  fail "$frames frames in $seconds s with 3 s hidden: more than 60 a second while shown ($limit)"
echo "$frames frames in $seconds s, about 3 s of it hidden (at most $limit allowed)"
