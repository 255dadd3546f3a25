#!/usr/bin/env bash
# A capture stopped half-way by Ctrl-C (SIGINT), by SIGTERM, by SIGHUP (terminal closed) or by
# ffmpeg failing leaves no video under the final name and no temporary files beside it, and
# stops its ffmpeg.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/capture_lib.sh"

# Starts a long capture in the background; sets CAPTURE_PID once frames are being written.
# The last capture's stderr goes first: its progress lines would pass for this one's, and the
# signal meant for demo-capture would hit the shell still starting it.
start_long_capture() {
  rm -f "$WORK/stderr"
  (cd "$WORK" && exec env -u DISPLAY "${DEMO_CAPTURE}" \
    --out long.mp4 --seconds 120 --fps 30 2>"$WORK/stderr") &
  CAPTURE_PID=$!
  local tenths=0
  until grep -qE " [1-9][0-9]*/3600 frames" "$WORK/stderr" 2>/dev/null; do
    kill -0 "$CAPTURE_PID" 2>/dev/null || fail "the capture ended early: $(cat "$WORK/stderr")"
    [ $tenths -ge 300 ] && fail "no frames written after 30 s"
    sleep 0.1
    tenths=$((tenths + 1))
  done
}

# Waits for the capture to end; checks its status ($1) and that nothing is left.
expect_clean_end() {
  local status=0
  wait "$CAPTURE_PID" || status=$?
  [ "$status" -eq "$1" ] || fail "status $status, not $1: $(cat "$WORK/stderr")"
  [ -z "$(leftovers)" ] || fail "left behind: $(leftovers)"
  # ffmpeg was writing into this folder; nothing may still be running with it open.
  pgrep -f "$WORK" >/dev/null && fail "a process still uses $WORK"
  return 0
}

start_long_capture
kill -INT "$CAPTURE_PID"
expect_clean_end 130
grep -q "interrupted; nothing was written" "$WORK/stderr" || fail "no message after SIGINT"

start_long_capture
kill -TERM "$CAPTURE_PID"
expect_clean_end 143

start_long_capture
encoder=$(pgrep -P "$CAPTURE_PID" -x ffmpeg) || fail "no ffmpeg under the capture"
kill -HUP "$CAPTURE_PID"
expect_clean_end 129
kill -0 "$encoder" 2>/dev/null && fail "ffmpeg ($encoder) still runs after SIGHUP"

# An ffmpeg that reads a few frames and then fails, as on a full disk.
mkdir "$CHECK/failing-ffmpeg"
printf '#!/bin/sh\nhead -c 20000000 >/dev/null\necho "ffmpeg: disk full" >&2\nexit 1\n' \
  >"$CHECK/failing-ffmpeg/ffmpeg"
chmod +x "$CHECK/failing-ffmpeg/ffmpeg"
CAPTURE_PATH="$CHECK/failing-ffmpeg:$PATH"
capture --out long.mp4 --seconds 120 --fps 30
[ "$CAPTURE_STATUS" -eq 1 ] || fail "status $CAPTURE_STATUS with a failing ffmpeg"
grep -q "ffmpeg failed with exit status 1" "$WORK/stderr" || fail "no reason: $(cat "$WORK/stderr")"
[ -z "$(leftovers)" ] || fail "left behind after ffmpeg failed: $(leftovers)"
echo "SIGINT: 130, SIGTERM: 143, SIGHUP: 129, failing ffmpeg: 1; nothing left behind"
