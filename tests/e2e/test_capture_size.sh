#!/usr/bin/env bash
# --size 1920x1080: the video is 1920x1080 with the 4:3 picture scaled to 1440x1080 between
# black bars of 240 columns each side; the picture in the middle is the demo's, and the video
# without --size is still 800x600.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/capture_lib.sh"

"${WRITE_TEST_MODULE}" "$WORK/music.xm"
capture --out wide.mp4 --seconds 0.5 --fps 10 --size 1920x1080
[ "$CAPTURE_STATUS" -eq 0 ] || fail "status $CAPTURE_STATUS: $(cat "$WORK/stderr")"
clip="$WORK/wide.mp4"
[ "$(stream_field "$clip" v width)x$(stream_field "$clip" v height)" = 1920x1080 ] ||
  fail "video is $(stream_field "$clip" v width)x$(stream_field "$clip" v height), not 1920x1080"

ffmpeg -v error -i "$clip" -frames:v 1 -pix_fmt rgb24 "$CHECK/first.ppm"
# Brightest value in a region of the frame: 0 where it is black.
brightest() {
  convert "$CHECK/first.ppm" -crop "$1" +repage -colorspace Gray -format "%[fx:round(255*maxima)]" \
    info:
}
# The bars, a few columns clear of the picture's edge (colour is kept at half resolution).
for region in 236x1080+0+0 236x1080+1684+0; do
  [ "$(brightest "$region")" -le 2 ] || fail "bar $region is not black: $(brightest "$region")"
done
# Scene 1 at t = 0 has a white background: the picture's columns next to the bars are light.
for region in 2x1080+242+0 2x1080+1676+0; do
  [ "$(brightest "$region")" -ge 200 ] || fail "picture edge $region is dark: $(brightest "$region")"
done
# The middle, scaled back to 800x600, is the still of scene 1 at t = 0 (compared in grey).
convert "$CHECK/first.ppm" -crop 1440x1080+240+0 +repage -resize 800x600! -colorspace Gray \
  "$CHECK/picture-grey.png"
capture --still --scene 1 --t 0 --out "$CHECK/still.png"
[ "$CAPTURE_STATUS" -eq 0 ] || fail "still: status $CAPTURE_STATUS: $(cat "$WORK/stderr")"
convert "$CHECK/still.png" -colorspace Gray "$CHECK/still-grey.png"
difference=$( (compare -metric RMSE "$CHECK/picture-grey.png" "$CHECK/still-grey.png" null: 2>&1 ||
  true) | sed -E 's/.*\((.*)\).*/\1/')
awk -v d="$difference" 'BEGIN { exit !(d < 0.03) }' ||
  fail "the picture between the bars differs from scene 1 at t = 0 (RMSE $difference)"

capture --out plain.mp4 --seconds 0.5 --fps 10
[ "$(stream_field "$WORK/plain.mp4" v width)x$(stream_field "$WORK/plain.mp4" v height)" = \
  800x600 ] || fail "the video without --size is not 800x600"
echo "1920x1080 with black bars of 240 columns, picture RMSE $difference; default 800x600"
