#!/usr/bin/env bash
# With a bad music.xm, or no sound device at all, the demo runs on silent, says once on
# stderr why there is no music, and quits on Esc with status 0.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/audio.sh"
run_under_xvfb 800x600

work=$(mktemp -d)
trap 'chmod -R u+rwx "$work"; rm -rf "$work"' EXIT
# A copy of the demo with no music.xm beside it: each case is only what its folder holds.
mkdir "$work/bin"
cp "$DEMO" "$work/bin/demo"
DEMO=$work/bin/demo
demo_program=$DEMO

# Root reads any file whatever its mode, so for the unreadable case the demo runs without
# the capabilities that let it.
unreadable_demo() {
  local wrapper="$work/unreadable-demo"
  if [ "$(id -u)" -eq 0 ]; then
    printf '#!/bin/sh\nexec setpriv --bounding-set=-dac_override,-dac_read_search "%s"\n' \
      "$demo_program" >"$wrapper"
    chmod +x "$wrapper"
    echo "$wrapper"
  else
    echo "$demo_program"
  fi
}

# Runs the demo in folder $1 until Esc. $2: "silent" when the sound must stay silent, or
# "no-device" when SDL is given no usable audio driver.
run_demo_in() {
  local folder=$1 expect=$2
  local capture="$folder/capture.f32"
  if [ "$expect" = no-device ]; then
    export SDL_AUDIODRIVER=no-such-driver
  else
    export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$capture"
  fi
  DEMO_STDERR=$folder/stderr
  DEMO_BUILD_DIR=$folder start_demo 2>"$DEMO_STDERR"
  wait_for_window 30
  if [ "$expect" = no-device ]; then
    wait_for_text "$DEMO_STDERR" "no music" 30
  else
    wait_for_bytes "$capture" $((bytes_per_second / 2)) 30  # half a second of output
  fi
  kill -0 "$DEMO_PID" 2>/dev/null || fail "$folder: the demo exited by itself"
  xdotool key Escape
  wait_for_exit 10
  [ "$DEMO_STATUS" -eq 0 ] || fail "$folder: exit status $DEMO_STATUS after Esc"
  if [ "$expect" = silent ]; then
    all_silent "$capture" || fail "$folder: the sound device got sound"
  fi
}

# Each case: a folder set up as the demo's working directory, then its run.
check_case() {
  local name=$1 expect=$2
  local said
  said=$(grep -c "no music" "$work/$name/stderr" || true)
  case "$expect" in
    silent | no-device)
      [ "$said" -eq 1 ] || fail "$name: $said lines about the missing music: $(cat "$work/$name/stderr")"
      ;;
  esac
  echo "$name: ran, quit with status 0$([ "$said" -eq 1 ] && echo ", said: $(grep "no music" "$work/$name/stderr")")"
}

song="${DEMO_BUILD_DIR}/music.xm"
mkdir "$work/missing" "$work/empty" "$work/random" "$work/directory" "$work/unreadable" \
  "$work/truncated" "$work/no-device"
: >"$work/empty/music.xm"
LC_ALL=C awk 'BEGIN { srand(7); for (i = 0; i < 65536; i++) printf "%c", int(rand() * 256) }' \
  >"$work/random/music.xm"
mkdir "$work/directory/music.xm"
cp "$song" "$work/unreadable/music.xm"
chmod 000 "$work/unreadable/music.xm"
head -c $(($(stat -c %s "$song") / 3)) "$song" >"$work/truncated/music.xm"
cp "$song" "$work/no-device/music.xm"

for name in missing empty random directory; do
  run_demo_in "$work/$name" silent
  check_case "$name" silent
done
DEMO=$(unreadable_demo) run_demo_in "$work/unreadable" silent
check_case unreadable silent
run_demo_in "$work/truncated" any  # whatever libopenmpt makes of it
check_case truncated any
run_demo_in "$work/no-device" no-device
check_case no-device no-device
