#!/usr/bin/env bash
# An hour-long capture streams its sound to ffmpeg as the frames go: progress shows before
# any soundtrack is rendered ahead, nothing but the growing video lies beside it, and
# progress into a file (not a terminal) comes as whole lines with no carriage returns.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/capture_lib.sh"

"${WRITE_TEST_MODULE}" "$WORK/music.xm"
(cd "$WORK" && exec env -u DISPLAY "${DEMO_CAPTURE}" \
  --out long.mp4 --seconds 3600 --fps 30 2>"$WORK/stderr") &
pid=$!
trap 'kill -9 $pid 2>/dev/null || true; rm -rf "$WORK" "$CHECK"' EXIT

# Waits up to 60 s for a progress line matching $1.
wait_for_progress() {
  local tenths=0
  until grep -qE "$1" "$WORK/stderr" 2>/dev/null; do
    kill -0 "$pid" 2>/dev/null || fail "the capture ended early: $(cat "$WORK/stderr")"
    [ $tenths -ge 600 ] && fail "no progress line like '$1' after 60 s: $(cat "$WORK/stderr")"
    sleep 0.1
    tenths=$((tenths + 1))
  done
}

# Only the video's part file, and small: an hour of raw sound would be 1.27 GB.
check_disk() {
  local files
  files=$(leftovers music.xm)
  [[ "$files" =~ ^long\.mp4\.part-[A-Za-z0-9]+$ ]] || fail "$1: beside the video: $files"
  local used
  used=$(du -sk "$WORK" | cut -f1)
  [ "$used" -lt 51200 ] || fail "$1: the capture's folder holds $used KiB"
}

wait_for_progress "^demo-capture:   0%  0/108000 frames"
check_disk "at the first progress line"
wait_for_progress "^demo-capture: .* [1-9][0-9]*/108000 frames"
check_disk "with frames written"
kill -INT "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 130 ] || fail "status $status after Ctrl-C: $(cat "$WORK/stderr")"
grep -q $'\r' "$WORK/stderr" && fail "carriage returns in progress written to a file"
[ -z "$(leftovers music.xm)" ] || fail "left behind: $(leftovers music.xm)"
echo "progress at once, only the video's part file on disk; $(grep -c '^demo-capture: ' "$WORK/stderr") plain progress lines"
