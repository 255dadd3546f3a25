#!/usr/bin/env bash
# Under Wine the music reaches ALSA as libopenmpt renders music.xm: Wine plays waveOut through
# ALSA, whose default device here is a file over the null device, capturing every sample.
# That sink takes samples as fast as Wine's mixer hands them over, not at a sound card's pace,
# and where the mixer runs dry (on a busy machine) it writes silence, so the capture is compared
# stretch by stretch with the render: each stretch of sound must be the render's samples from
# where the previous stretch stopped, and may end only where the capture falls silent.
source "$(dirname "$0")/../../e2e/lib.sh"
source "$(dirname "$0")/../../e2e/audio.sh"
run_under_xvfb 800x600

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
capture="$work/capture.f32"
mkdir "$work/home"
cat >"$work/home/.asoundrc" <<ASOUNDRC
pcm.!default {
  type file
  slave.pcm "null"
  file "$capture"
  format "raw"
}
ASOUNDRC

HOME="$work/home" start_demo
wait_for_window 30 >/dev/null
wait_for_bytes "$capture" $((3 * bytes_per_second)) 60
xdotool key Escape
wait_for_exit 10
[ "$DEMO_STATUS" -eq 0 ] || fail "exit status $DEMO_STATUS after Esc"

size=$(stat -c %s "$capture")
"${RENDER_MODULE}" "${DEMO_BUILD_DIR}/music.xm" "$work/render.f32" \
  $((size / bytes_per_second + 1)) >/dev/null
[ "$(first_difference "$work/render.f32" /dev/zero 0)" -eq 1 ] ||
  fail "the render does not start with sound, so the song's start cannot be found"

# Walks the capture: each stretch of sound must go on from where the render's previous stretch
# stopped. Silence between stretches is Wine's (before the song, and where it ran dry), however
# short the stretch before it; a sample that is neither the render's next one nor silence is a
# fault.
frame=8
captured=0  # bytes of the capture checked
rendered=0  # bytes of the render matched so far
stretches=0
while :; do
  # first_difference counts from 1 after the bytes it skipped.
  sound=$(first_difference "$capture" /dev/zero "$captured")
  start=$(((captured + sound - 1) / frame * frame))
  # Only whole frames count: no sound is left when the capture ends within this one.
  [ $((start + frame)) -le "$size" ] || break
  # cmp counts from 1 after the skipped bytes; the render is skipped by the same count.
  said=$(cmp -i "$start:$rendered" "$capture" "$work/render.f32" 2>&1 || true)
  case "$said" in
    *"differ: byte "*) said=${said#*differ: byte }; matched=$((${said%%,*} - 1)) ;;
    *"EOF on $capture"*) matched=$((size - start)) ;;
    "") matched=$((size - start)) ;;
    *) fail "cannot compare the capture with the render: $said" ;;
  esac
  matched=$((matched / frame * frame))
  end=$((start + matched))
  [ $((end + frame)) -gt "$size" ] ||
    [ "$(first_difference "$capture" /dev/zero "$end")" -gt $frame ] ||
    fail "the sound at byte $end of the capture is not the render's at byte" \
      "$((rendered + matched)) (the stretch from capture byte $start matched $matched bytes)"
  captured=$end
  rendered=$((rendered + matched))
  stretches=$((stretches + 1))
  [ $captured -lt "$size" ] || break
done
[ $rendered -ge $((2 * bytes_per_second)) ] ||
  fail "only $rendered bytes of the render reached ALSA"
echo "$rendered bytes ($((rendered / frame)) frames) of libopenmpt's render reached ALSA in" \
  "$stretches stretches of sound, in order, in a capture of $size bytes"
