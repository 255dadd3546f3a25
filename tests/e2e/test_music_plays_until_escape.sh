#!/usr/bin/env bash
# From start-up until Esc the sound device gets music.xm exactly as libopenmpt renders it:
# silence until the song starts, the song bit for bit, then silence once it is freed.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/audio.sh"
run_under_xvfb 800x600

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
capture="$work/capture.f32"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$capture"

start_demo
wait_for_window 30
wait_for_bytes "$capture" $((3 * bytes_per_second)) 30
xdotool key Escape
wait_for_exit 10
[ "$DEMO_STATUS" -eq 0 ] || fail "exit status $DEMO_STATUS after Esc"

size=$(stat -c %s "$capture")
"${DEMO_BUILD_DIR}/render_module" "${DEMO_BUILD_DIR}/music.xm" "$work/render.f32" \
  $((size / bytes_per_second + 1)) >/dev/null
[ "$(first_difference "$work/render.f32" /dev/zero 0)" -eq 1 ] ||
  fail "the render does not start with sound, so the song's start cannot be found"

# The device ran paused, writing whole buffers of silence, until the song started.
buffer_bytes=$((1024 * 8))
first_sound=$(first_difference "$capture" /dev/zero 0)
[ "$first_sound" -le "$size" ] || fail "the capture is silent"
song_start=$(((first_sound - 1) / buffer_bytes * buffer_bytes))
matching=$(($(first_difference "$capture" "$work/render.f32" "$song_start") - 1))
[ $matching -ge $((2 * bytes_per_second)) ] ||
  fail "only $matching bytes after the first $song_start match the render"
all_silent "$capture" $((song_start + matching + 1)) ||
  fail "after $matching matching bytes the capture goes on with something other than silence"
echo "$song_start bytes of silence, then $matching bytes ($((matching / 8)) frames) equal" \
  "to libopenmpt's render, then $((size - song_start - matching)) bytes of silence"
