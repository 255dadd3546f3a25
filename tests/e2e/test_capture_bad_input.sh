#!/usr/bin/env bash
# Each kind of bad input gets a clear message and its exit status, and writes nothing: a
# missing ffmpeg (1, naming the package, before any work), an unwritable output path, bad
# numbers and unknown options (2, with the usage).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/capture_lib.sh"

# Runs demo-capture with the arguments after "--" and checks status $1 and message $2.
expect_refusal() {
  local status=$1 message=$2
  shift 3
  capture "$@"
  [ "$CAPTURE_STATUS" -eq "$status" ] ||
    fail "'$*' gave status $CAPTURE_STATUS, not $status: $(cat "$WORK/stderr")"
  grep -qF -- "$message" "$WORK/stderr" || fail "'$*' did not say '$message': $(cat "$WORK/stderr")"
  if [ "$status" -eq 2 ]; then
    grep -q "^usage: demo-capture" "$WORK/stderr" || fail "'$*' gave no usage"
  fi
  [ -z "$(leftovers)" ] || fail "'$*' left $(leftovers)"
}

# Without ffmpeg on PATH a video is refused at once; a still needs no ffmpeg.
mkdir "$CHECK/empty-path"
CAPTURE_PATH="$CHECK/empty-path"
expect_refusal 1 "install the Debian package ffmpeg" -- --out clip.mp4 --seconds 1
capture --still --scene 1 --t 0 --out still.png
[ "$CAPTURE_STATUS" -eq 0 ] || fail "a still without ffmpeg: status $CAPTURE_STATUS"
rm "$WORK/still.png"
unset CAPTURE_PATH

expect_refusal 2 "cannot write $CHECK/no-such-folder/clip.mp4" -- \
  --out "$CHECK/no-such-folder/clip.mp4" --seconds 1
expect_refusal 2 "cannot write $CHECK/no-such-folder/still.png" -- \
  --still --scene 1 --t 0 --out "$CHECK/no-such-folder/still.png"
mkdir "$CHECK/folder.mp4"
expect_refusal 2 "it is a folder" -- --out "$CHECK/folder.mp4" --seconds 1
[ -z "$(ls -A "$CHECK/folder.mp4")" ] || fail "wrote into the folder named as output"
if [ "$(id -u)" -ne 0 ]; then  # the superuser may write anywhere
  mkdir "$CHECK/read-only"
  chmod a-w "$CHECK/read-only"
  expect_refusal 2 "Permission denied" -- --out "$CHECK/read-only/clip.mp4" --seconds 1
fi

for fps in 0 -30 abc nan 1e3 29.97; do
  expect_refusal 2 "--fps takes a whole number from 1 to 240, not '$fps'" -- \
    --out c.mp4 --fps "$fps"
done
for seconds in 0 -2 nan inf ten; do
  expect_refusal 2 "--seconds takes a number more than 0" -- --out c.mp4 --seconds "$seconds"
done
for t in -1 nan x; do
  expect_refusal 2 "--t takes a scene clock of 0 or more" -- \
    --still --scene 2 --t "$t" --out s.png
done
expect_refusal 2 "--scene takes 1 or 2, not '3'" -- --still --scene 3 --t 0 --out s.png
expect_refusal 2 "--cursor takes X,Y inside the 800x600 picture" -- \
  --still --scene 1 --t 0 --cursor 800,10 --out s.png
expect_refusal 2 "unknown option '--frobnicate'" -- --out c.mp4 --frobnicate
expect_refusal 2 "--out is required" -- --seconds 2

capture --help
[ "$CAPTURE_STATUS" -eq 0 ] || fail "--help gave status $CAPTURE_STATUS"
echo "ffmpeg missing: 1; bad paths, numbers and options: 2 with usage; nothing written"
