#!/usr/bin/env bash
# The cursor, moved by xdotool, steers the camera of both scenes: a screenshot of the demo
# equals the offscreen frame drawn for that cursor at a nearby moment, while no nearby moment
# drawn for the centred cursor does. Scene 1 is seen from behind (left edge), scene 2 from
# below (top right) once scene 1 has ended by time.
source "$(dirname "$0")/lib.sh"
run_under_xvfb 800x600

# A match may have at most this many pixels differing by more than 2% in a channel. Both
# sides draw through the same frame code on the same rasteriser, so the right moment differs
# in none; the slack only absorbs rounding differences between the two GL contexts.
readonly TOLERANCE=50
# Every frame drawn for the centred cursor around the matched moment must differ in at least
# this many pixels.
readonly WRONG_CURSOR_MINIMUM=5000
# The window was mapped at most this long before it was seen (one poll of wait_for_window, on a
# busy machine).
readonly POLL_SLACK_MS=1500
# Scene 1 ends once its clock reads past 3.1, so scene 2's clock starts no sooner than this
# after scene 1's.
readonly SCENE_ONE_MS=31000
# The frame on the screen was drawn at most this long before the screenshot.
readonly FRAME_AGE_MS=500
# The centred cursor's frames are drawn this far either side of the matched moment.
readonly CENTRED_SPAN_MS=50

readonly MATCH_FRAME=${MATCH_FRAME:-${DEMO_BUILD_DIR}/match_frame}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# KEEP_E2E_WORK=1 keeps the screenshots and the matched frames for a look.
[ -n "${KEEP_E2E_WORK:-}" ] && trap - EXIT && echo "work: $work"
now_ms() { date +%s%3N; }
# Copies the demo's output lines to $1, each after the millisecond it reached the test.
stamp_lines() {
  local line
  while IFS= read -r line; do
    printf '%s %s\n' "$((${EPOCHREALTIME//[!0-9]/} / 1000))" "$line"
  done >"$1"
}

# Screenshots the demo and checks it against scene $1 drawn for the cursor ($2, $3). The
# scene's clock started between clock_from and clock_to (ms); a match narrows that to the
# moments it allows.
check_screenshot() {
  local scene=$1 x=$2 y=$3
  local before after
  before=$(now_ms)
  import -window root -depth 8 "$work/shot.ppm"
  after=$(now_ms)
  # The milliseconds into the scene that the shown frame can have.
  local from=$((before - FRAME_AGE_MS - clock_to))
  local to=$((after - clock_from))
  local best diff wrong ms
  best=$("$MATCH_FRAME" "$scene" "$x" "$y" "$from" "$to" "$work/shot.ppm" "$work/best.ppm")
  diff=$(compare -metric AE -fuzz 2% "$work/best.ppm" "$work/shot.ppm" null: 2>&1 || true)
  [ "$diff" -le "$TOLERANCE" ] 2>/dev/null ||
    fail "scene $scene, cursor ($x, $y): best frame (ms, pixels: $best) differs in $diff pixels"
  ms=${best% *}
  wrong=$("$MATCH_FRAME" "$scene" 400 300 $((ms - CENTRED_SPAN_MS)) $((ms + CENTRED_SPAN_MS)) \
    "$work/shot.ppm" "$work/centred.ppm")
  [ "${wrong#* }" -ge "$WRONG_CURSOR_MINIMUM" ] ||
    fail "scene $scene: the centred cursor's frames match too (ms, pixels: $wrong)"
  echo "scene $scene, cursor ($x, $y): matches at $ms ms of $from ... $to" \
    "($diff pixels differ); the centred cursor's frames differ in ${wrong#* } or more"
  # The matched frame was drawn between FRAME_AGE_MS before the screenshot and its end.
  clock_from=$((before - FRAME_AGE_MS - ms))
  clock_to=$((after - ms))
}

# Moves the pointer to ($1, $2) the way remote-control tools do: a warp, with no device motion.
move_cursor() {
  xdotool mousemove "$1" "$2"
}

start_demo --frame-times > >(stamp_lines "$work/frames")
wait_for_window 30 >/dev/null
shown=$(now_ms)
# The scene clock starts after the window is shown and before the first frame, which clears
# the picture to white (Xvfb's empty screen is black).
wait_for_pixel 30 0 0 255,255,255
clock_from=$((shown - POLL_SLACK_MS))
clock_to=$(now_ms)

move_cursor 0 300
wait_for_new_frames "$work/frames" 5 10
check_screenshot 1 0 300

move_cursor 700 150
wait_for_new_frames "$work/frames" 5 10
wait_for_text "$work/frames" "frame-time scene 2" 60
# Scene 2's clock started once scene 1's had run its length, and before its first frame was
# drawn, which reached the test at the time stamped on its line.
clock_from=$((clock_from + SCENE_ONE_MS))
clock_to=$(awk '/frame-time scene 2/ { print $1; exit }' "$work/frames")
wait_for_new_frames "$work/frames" 60 20
check_screenshot 2 700 150

xdotool key Escape
wait_for_exit 2
[ "$DEMO_STATUS" -eq 0 ] || fail "exit status $DEMO_STATUS after Esc"
