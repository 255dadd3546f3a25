#!/usr/bin/env bash
# A 2-second capture at 30 fps: exactly 60 frames of 800x600 H.264 and 88,200 sample frames
# of AAC at 44100 Hz that sound from the very start, a first frame that is scene 1 at t = 0,
# a progress line, and nothing left beside the video.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/capture_lib.sh"

"${WRITE_TEST_MODULE}" "$WORK/music.xm"
capture --out clip.mp4 --seconds 2 --fps 30
[ "$CAPTURE_STATUS" -eq 0 ] || fail "status $CAPTURE_STATUS: $(cat "$WORK/stderr")"
clip="$WORK/clip.mp4"

[ "$(stream_field "$clip" v codec_name)" = h264 ] || fail "video is not H.264"
[ "$(stream_field "$clip" v width)x$(stream_field "$clip" v height)" = 800x600 ] ||
  fail "video is not 800x600"
[ "$(stream_field "$clip" v nb_read_frames)" = 60 ] ||
  fail "$(stream_field "$clip" v nb_read_frames) video frames, not 60"

[ "$(stream_field "$clip" a codec_name)" = aac ] || fail "sound is not AAC"
[ "$(stream_field "$clip" a sample_rate)" = 44100 ] || fail "sound is not at 44100 Hz"
[ "$(stream_field "$clip" a channels)" = 2 ] || fail "sound is not stereo"
# AAC codes 1024-sample blocks after a block of encoder delay. The MP4 declares the exact
# length players present: its edit list gives the track 88,200 samples, and the packets that
# are not marked for discarding (the delay) add up to 88,200 samples.
[ "$(stream_field "$clip" a time_base)" = 1/44100 ] || fail "sound time base is not 1/44100"
[ "$(stream_field "$clip" a duration_ts)" = 88200 ] ||
  fail "sound track lasts $(stream_field "$clip" a duration_ts) samples, not 88200"
kept=$(ffprobe -v error -select_streams a -show_entries packet=duration,flags -of csv=p=0 "$clip" |
  awk -F, '$2 !~ /D/ { sum += $1 } END { print sum }')
[ "$kept" = 88200 ] || fail "the kept sound packets hold $kept samples, not 88200"
# Decoding drops the delay; this ffmpeg keeps the padding of the last block, so the decoded
# sound is 88,200 samples rounded up to a whole block.
decode_sound "$clip" "$CHECK/sound.raw"
decoded=$(($(stat -c %s "$CHECK/sound.raw") / 4))
[ "$decoded" -ge 88200 ] && [ "$decoded" -lt $((88200 + 1024)) ] ||
  fail "$decoded decoded samples for 88200"
# The test module's note is on its first row: the sound starts with the picture.
head -c $((4 * 441)) "$CHECK/sound.raw" >"$CHECK/start.raw"
loud=$(count_louder "$CHECK/start.raw" 1000)
[ "$loud" -gt 100 ] || fail "no sound in the first 10 ms"

# The first frame, decoded, is the still of scene 1 at t = 0 up to the video's loss. Compared
# in grey: H.264 keeps brightness at full resolution but colour at half, which would blur the
# comparison at every coloured edge.
ffmpeg -v error -i "$clip" -frames:v 1 "$CHECK/first.png"
capture --still --scene 1 --t 0 --out "$CHECK/still.png"
[ "$CAPTURE_STATUS" -eq 0 ] || fail "still: status $CAPTURE_STATUS: $(cat "$WORK/stderr")"
convert "$CHECK/first.png" -colorspace Gray "$CHECK/first-grey.png"
convert "$CHECK/still.png" -colorspace Gray "$CHECK/still-grey.png"
# compare exits with 1 when the pictures differ at all, which lossy video always does.
difference=$( (compare -metric RMSE "$CHECK/first-grey.png" "$CHECK/still-grey.png" null: 2>&1 ||
  true) | sed -E 's/.*\((.*)\).*/\1/')
awk -v d="$difference" 'BEGIN { exit !(d < 0.02) }' ||
  fail "the first frame differs from scene 1 at t = 0 (RMSE $difference)"

capture --out clip.mp4 --seconds 2 --fps 30
grep -q "100%  60/60 frames" "$WORK/stderr" || fail "no progress line: $(cat "$WORK/stderr")"
grep -q "silent" "$WORK/stderr" && fail "said silent with music.xm present"
[ -z "$(leftovers music.xm clip.mp4)" ] ||
  fail "left behind: $(leftovers music.xm clip.mp4)"
echo "60 frames 800x600, 88200 samples declared, $decoded decoded, first frame RMSE $difference"
