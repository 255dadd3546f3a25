#!/usr/bin/env bash
# The soundtrack is music.xm from the working directory, else the one beside demo-capture;
# with neither, or with a file that is no module, the video is made silent and says so.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/capture_lib.sh"

# A copy of the program in a folder of its own, so what lies beside it is up to the test.
mkdir "$CHECK/bin"
cp "${DEMO_CAPTURE}" "$CHECK/bin/demo-capture"
DEMO_CAPTURE="$CHECK/bin/demo-capture"

# Checks the status, the stderr line about silence ($2: yes or no) and how loud the sound is
# ($3: silent or sounding) of a 1-second capture; $1 names the case.
expect_capture() {
  capture --out clip.mp4 --seconds 1 --fps 10
  [ "$CAPTURE_STATUS" -eq 0 ] || fail "$1: status $CAPTURE_STATUS: $(cat "$WORK/stderr")"
  if [ "$2" = yes ]; then
    grep -q "the video will be silent" "$WORK/stderr" || fail "$1: did not say it is silent"
  else
    grep -q "silent" "$WORK/stderr" && fail "$1: said silent: $(cat "$WORK/stderr")"
  fi
  [ "$(stream_field "$WORK/clip.mp4" a duration_ts)" = 44100 ] || fail "$1: sound is not 1 s"
  decode_sound "$WORK/clip.mp4" "$CHECK/sound.raw"
  local loud
  loud=$(count_louder "$CHECK/sound.raw" 0)
  if [ "$3" = silent ]; then
    [ "$loud" -eq 0 ] || fail "$1: $loud samples are not silence"
  else
    [ "$loud" -gt 10000 ] || fail "$1: only $loud samples are not silence"
  fi
  rm "$WORK/clip.mp4"
}

expect_capture "no music.xm anywhere" yes silent
grep -q "no music.xm in the working directory ($WORK) or beside the program ($CHECK/bin/)" \
  "$WORK/stderr" ||
  fail "the message does not say where it looked: $(cat "$WORK/stderr")"

"${WRITE_TEST_MODULE}" "$CHECK/bin/music.xm"
expect_capture "music.xm beside the program" no sounding

echo "this is not a music module" >"$WORK/music.xm"
expect_capture "a broken music.xm in the working directory" yes silent
grep -q "cannot play music.xm" "$WORK/stderr" || fail "no reason given: $(cat "$WORK/stderr")"

"${WRITE_TEST_MODULE}" "$WORK/music.xm"
rm "$CHECK/bin/music.xm"
expect_capture "music.xm in the working directory" no sounding
echo "music.xm found in the working directory and beside the program; silence otherwise"
