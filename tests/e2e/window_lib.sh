# Shared steps of the windowed-mode tests on a 1920 x 1080 screen: where the demo's window is
# and whether the 4:3 picture shows in it between black bars. Needs lib.sh, $window and $work.

# Screenshots are binary PPMs of the 1920 x 1080 screen: "P6\n1920 1080\n255\n", then RGB.
readonly SCREEN_WIDTH=1920 SHOT_HEADER=17

# Sets X, Y, WIDTH and HEIGHT to the demo window's place on the screen. (xwininfo, since
# xdotool counts a window manager's frame twice in the place.)
read_geometry() {
  eval "$(xwininfo -id "$window" | awk -F: '
    /Absolute upper-left X/ { print "X=" $2 } /Absolute upper-left Y/ { print "Y=" $2 }
    /Width/ { print "WIDTH=" $2 } /Height/ { print "HEIGHT=" $2 }' | tr -d ' ')"
}

# Where E2E_WINDOW_MANAGER names one, runs that window manager on this test's screen (it ends
# with the screen's server). Wine 10 carries a window's resizing to its GL surface only when a
# window manager does the resizing, as on every desktop; on the bare X server the window takes
# its new size but its picture stays at the old one.
start_window_manager() {
  [ -n "${E2E_WINDOW_MANAGER:-}" ] || return 0
  "$E2E_WINDOW_MANAGER" >/dev/null 2>&1 &
  local manager=$!
  local deadline=$((SECONDS + 10 * WAIT_FACTOR))
  until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
    kill -0 "$manager" 2>/dev/null || fail "$E2E_WINDOW_MANAGER did not start"
    [ $SECONDS -le $deadline ] ||
      fail "$E2E_WINDOW_MANAGER not ready after $((10 * WAIT_FACTOR)) s"
    sleep 0.1
  done
}

# Waits up to $3 seconds (times WAIT_FACTOR) until the window is $1 x $2 pixels.
wait_for_size() {
  local deadline=$((SECONDS + $3 * WAIT_FACTOR))
  read_geometry
  until [ "${WIDTH}x${HEIGHT}" = "$1x$2" ]; do
    [ $SECONDS -le $deadline ] || fail "the window is ${WIDTH}x${HEIGHT}, not $1x$2, after $3 s"
    sleep 0.1
    read_geometry
  done
}

# Where the 4:3 picture lies on the screen inside the window: sets PX, PY, PW and PH.
fit_picture() {
  if [ $((WIDTH * 3)) -gt $((HEIGHT * 4)) ]; then
    PH=$HEIGHT PW=$((HEIGHT * 4 / 3))
  else
    PW=$WIDTH PH=$((WIDTH * 3 / 4))
  fi
  PX=$((X + (WIDTH - PW) / 2)) PY=$((Y + (HEIGHT - PH) / 2))
}

# Prints the colour of pixel ($1, $2) of the screenshot taken by picture_in_place as "r,g,b".
shot_pixel() {
  od -An -tu1 -j $((SHOT_HEADER + ($2 * SCREEN_WIDTH + $1) * 3)) -N3 "$work/screen.ppm" |
    awk '{ print $1 "," $2 "," $3 }'
}

# True when a screenshot shows the picture where fit_picture puts it: never black just inside
# its corners (scene 1's cubes are coloured), black just outside it wherever the window has
# bars.
picture_in_place() {
  import -window root -depth 8 "$work/screen.ppm"
  local right=$((PX + PW - 1)) bottom=$((PY + PH - 1)) point
  for point in "$PX $PY" "$right $PY" "$PX $bottom" "$right $bottom"; do
    set -- $point
    [ "$(shot_pixel "$1" "$2")" != 0,0,0 ] || return 1
  done
  if [ "$PX" -gt "$X" ]; then
    [ "$(shot_pixel $((PX - 1)) "$PY")" = 0,0,0 ] || return 1
    [ "$(shot_pixel $((right + 1)) "$bottom")" = 0,0,0 ] || return 1
  fi
  if [ "$PY" -gt "$Y" ]; then
    [ "$(shot_pixel "$PX" $((PY - 1)))" = 0,0,0 ] || return 1
    [ "$(shot_pixel "$right" $((bottom + 1)))" = 0,0,0 ] || return 1
  fi
}

# Waits up to $1 seconds (times WAIT_FACTOR) until the window shows the picture at 4:3 with its
# bars.
wait_for_picture() {
  read_geometry
  fit_picture
  local deadline=$((SECONDS + $1 * WAIT_FACTOR))
  until picture_in_place; do
    [ $SECONDS -le $deadline ] ||
      fail "no ${PW}x${PH} picture at ($PX, $PY) in the ${WIDTH}x${HEIGHT} window after $1 s"
    sleep 0.2
  done
  echo "${WIDTH}x${HEIGHT} window at ($X, $Y): ${PW}x${PH} picture at ($PX, $PY)"
}
