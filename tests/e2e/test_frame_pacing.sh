#!/usr/bin/env bash
# Without vsync (Xvfb has none) the demo paces itself at 60 frames a second while shown: it
# draws no faster, and waits no longer than a period between two frames. It draws nothing while
# its window is hidden. The frame probe counts frames at the buffer swap and the waits the
# demo asks for between them.
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
shown=$(awk -v s="$seconds" -v from="$hidden_from" -v to="$hidden_to" \
  'BEGIN { printf "%.3f", s - (to - from) }')
limit=$(awk -v shown="$shown" 'BEGIN { printf "%d", shown * 60 + 10 }')
[ "$frames" -le "$limit" ] ||
  fail "$frames frames in $seconds s with 3 s hidden: more than 60 a second while shown ($limit)"
# Each frame starts one period (1/60 s, 16.7 ms) after the last: the demo asks to wait at
# most that long between two frames, whatever else runs on the machine (which only makes the
# waits it needs shorter). The median leaves out the frame after the hidden span.
asked=$(awk '$1 == "median_asked_wait_ms" {print $2}' "$PROBE_OUT")
[ -n "$asked" ] && [ "$asked" -ge 0 ] || fail "no waits counted: $(cat "$PROBE_OUT")"
[ "$asked" -le 17 ] || fail "the demo waited $asked ms between two frames (median), over 1/60 s"
echo "$frames frames in $seconds s, about 3 s of it hidden (at most $limit allowed);" \
  "$asked ms asked to wait between two frames (median)"
