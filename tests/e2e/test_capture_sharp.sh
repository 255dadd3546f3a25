#!/usr/bin/env bash
# --sharp --size 1920x1080: each frame is drawn at 1440x1080 between the black bars, not
# scaled up from 800x600: the picture in the middle is the sharp still of the same moment
# (--still --sharp --size 1920x1080, 1440x1080), and nearer to it than to the 800x600 still
# scaled up.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/capture_lib.sh"

"${WRITE_TEST_MODULE}" "$WORK/music.xm"
capture --out sharp.mp4 --seconds 0.5 --fps 10 --size 1920x1080 --sharp
[ "$CAPTURE_STATUS" -eq 0 ] || fail "status $CAPTURE_STATUS: $(cat "$WORK/stderr")"
clip="$WORK/sharp.mp4"
[ "$(stream_field "$clip" v width)x$(stream_field "$clip" v height)" = 1920x1080 ] ||
  fail "video is $(stream_field "$clip" v width)x$(stream_field "$clip" v height), not 1920x1080"
ffmpeg -v error -i "$clip" -frames:v 1 -pix_fmt rgb24 "$CHECK/first.ppm"
for region in 236x1080+0+0 236x1080+1684+0; do
  brightest=$(convert "$CHECK/first.ppm" -crop "$region" +repage -colorspace Gray \
    -format "%[fx:round(255*maxima)]" info:)
  [ "$brightest" -le 2 ] || fail "bar $region is not black: $brightest"
done
convert "$CHECK/first.ppm" -crop 1440x1080+240+0 +repage -colorspace Gray "$CHECK/middle.png"

capture --still --scene 1 --t 0 --sharp --size 1920x1080 --out "$CHECK/sharp.png"
[ "$CAPTURE_STATUS" -eq 0 ] || fail "sharp still: status $CAPTURE_STATUS: $(cat "$WORK/stderr")"
[ "$(identify -format %wx%h "$CHECK/sharp.png")" = 1440x1080 ] ||
  fail "the sharp still is $(identify -format %wx%h "$CHECK/sharp.png"), not 1440x1080"
capture --still --scene 1 --t 0 --out "$CHECK/faithful.png"
[ "$CAPTURE_STATUS" -eq 0 ] || fail "still: status $CAPTURE_STATUS: $(cat "$WORK/stderr")"
convert "$CHECK/faithful.png" -resize 1440x1080! "$CHECK/scaled.png"

rmse() {
  convert "$1" -colorspace Gray "$CHECK/grey.png"
  (compare -metric RMSE "$CHECK/middle.png" "$CHECK/grey.png" null: 2>&1 || true) |
    sed -E 's/.*\((.*)\).*/\1/'
}
to_sharp=$(rmse "$CHECK/sharp.png")
to_scaled=$(rmse "$CHECK/scaled.png")
awk -v d="$to_sharp" 'BEGIN { exit !(d < 0.03) }' ||
  fail "the picture between the bars differs from the sharp still (RMSE $to_sharp)"
awk -v a="$to_sharp" -v b="$to_scaled" 'BEGIN { exit !(a < b) }' ||
  fail "the picture is no nearer the sharp still ($to_sharp) than the scaled one ($to_scaled)"
echo "1440x1080 drawn sharp between the bars: RMSE $to_sharp to the sharp still," \
  "$to_scaled to the 800x600 still scaled up"
