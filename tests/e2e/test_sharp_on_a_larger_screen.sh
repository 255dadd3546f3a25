#!/usr/bin/env bash
# --sharp on a 1920 x 1200 screen draws the frame at the size of the screen's 4:3 area
# (1600 x 1200) instead of scaling the 800 x 600 picture up: held at 12 s into scene 2, that
# area shows the frame demo-capture draws sharp at 1600 x 1200 for that moment, between black
# bars, with the cursor still in picture pixels (the screen's (761, 441) is the picture's
# (300, 220)). Alt+Enter to the 800 x 600 window shows the faithful frame there (nothing to
# draw sharper), and back to full screen the sharp one again. A 32-bit build's rasteriser may
# round an edge pixel or a few otherwise.
source "$(dirname "$0")/lib.sh"
run_under_xvfb 1920x1200

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
capture=${DEMO_CAPTURE:-${DEMO_LINUX_BUILD:-}/demo-capture}
LIBGL_ALWAYS_SOFTWARE=1 "$capture" --still --sharp --size 1600x1200 --scene 2 --t 1.2 \
  --cursor 300,220 --out "$work/expected.png" 2>"$work/capture.err" ||
  fail "demo-capture could not draw the frame: $(cat "$work/capture.err")"
LIBGL_ALWAYS_SOFTWARE=1 "$capture" --still --scene 2 --t 1.2 --cursor 300,220 \
  --out "$work/faithful.png" 2>"$work/capture.err" ||
  fail "demo-capture could not draw the frame: $(cat "$work/capture.err")"
convert "$work/faithful.png" -filter point -resize 1600x1200 "$work/scaled.png"

allowed=64
# How many pixels differ between pictures $1 and $2, as a whole number (compare writes large
# counts as 1.92e+06).
differing_pixels() {
  printf '%.0f' "$(compare -metric AE "$1" "$2" null: 2>&1 || true)"
}

# Waits until the screen's 4:3 area shows the expected sharp frame and the bars beside it are
# black; $1 says when. The cursor is moved to the picture's (300, 220) each time: a move that
# arrived while the window was still changing size may have mapped to another point.
wait_for_sharp_frame() {
  local deadline=$((SECONDS + 30 * WAIT_FACTOR))
  while :; do
    xdotool mousemove 760 440 mousemove 761 441
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop 1600x1200+160+0 +repage "$work/shown.png"
    differing=$(differing_pixels "$work/shown.png" "$work/expected.png")
    bars=$(convert "$work/screen.png" \( +clone -crop 1600x1200+160+0 -fill black -colorize 100 \) \
      -geometry +160+0 -composite -format "%[fx:maxima.r+maxima.g+maxima.b]" info:)
    [ "$differing" -le "$allowed" ] && [ "$bars" = 0 ] && break
    [ $SECONDS -le $deadline ] ||
      fail "$1: the 4:3 area differs from the sharp frame in $differing pixels;" \
        "the bars' brightest pixel is $bars (0 is black)"
    sleep 0.5
  done
}

start_demo --sharp --scene 2 --at 12000 --freeze
wait_for_window 30
wait_for_sharp_frame "full screen"
first=$differing
# Not the picture scaled up: that differs along every edge and glyph.
scaled=$(differing_pixels "$work/shown.png" "$work/scaled.png")
[ "$scaled" -gt 10000 ] || fail "the screen is the 800 x 600 picture scaled up ($scaled pixels differ)"

# Waits until the 800 x 600 window shows the faithful frame, the cursor moved (each time, as
# above) to the picture's (300, 220).
wait_for_faithful_window() {
  local deadline=$((SECONDS + 30 * WAIT_FACTOR)) X Y WIDTH HEIGHT
  windowed=unmeasured
  while :; do
    eval "$(xdotool getwindowgeometry --shell "$DEMO_WINDOW")"
    if [ "${WIDTH}x${HEIGHT}" = 800x600 ]; then
      xdotool mousemove $((X + 299)) $((Y + 220)) mousemove $((X + 300)) $((Y + 220))
      import -window root -crop "800x600+$X+$Y" +repage "$work/window.png"
      windowed=$(differing_pixels "$work/window.png" "$work/faithful.png")
      [ "$windowed" -le "$allowed" ] && break
    fi
    [ $SECONDS -le $deadline ] ||
      fail "the window is ${WIDTH}x${HEIGHT}; it differs from the faithful frame in $windowed pixels"
    sleep 0.5
  done
}

xdotool key alt+Return
wait_for_faithful_window
xdotool key alt+Return
wait_for_sharp_frame "after Alt+Enter twice"

xdotool key Escape
wait_for_exit 10
[ "$DEMO_STATUS" -eq 0 ] || fail "exit status $DEMO_STATUS after Esc"
echo "sharp at 1600 x 1200 on 1920 x 1200: $first pixels differ from demo-capture's sharp frame" \
  "($differing after Alt+Enter twice; $scaled from the picture scaled up); in the window" \
  "$windowed from the faithful frame"
