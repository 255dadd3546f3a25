# Shared steps of the end-to-end tests: run the real demo on an Xvfb screen and watch it.
# Each test script runs itself again inside xvfb-run (see run_under_xvfb).
set -euo pipefail

# Deadlines of the waits below are multiplied by this (a program under Wine starts and stops
# more slowly).
readonly WAIT_FACTOR=${E2E_WAIT_FACTOR:-1}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Re-executes the calling script under a fresh Xvfb screen of the given size.
run_under_xvfb() {
  local size=$1
  shift
  if [ -z "${E2E_UNDER_XVFB:-}" ]; then
    E2E_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 ${size}x24" bash "$0" "$@"
  fi
}

# Starts the demo with arguments $@ in the background from the build folder (where music.xm
# is); sets DEMO_PID.
start_demo() {
  (cd "${DEMO_BUILD_DIR}" && exec "${DEMO}" "$@") &
  DEMO_PID=$!
}

# Waits up to $1 seconds for the demo's window to be mapped; prints its id.
wait_for_window() {
  local deadline=$((SECONDS + $1 * WAIT_FACTOR))
  local id=""
  while [ $SECONDS -le $deadline ]; do
    id=$(xdotool search --onlyvisible --name "OpenGL Sample" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$DEMO_PID" 2>/dev/null || fail "the demo exited before showing its window"
    sleep 0.1
  done
  fail "no demo window after $1 s"
}

# Waits up to $1 seconds for the demo to exit; fails if it is still running. Sets DEMO_STATUS.
wait_for_exit() {
  local limit=$(($1 * 10 * WAIT_FACTOR))
  local tenths=0
  while kill -0 "$DEMO_PID" 2>/dev/null; do
    if [ $tenths -ge $limit ]; then
      kill -9 "$DEMO_PID"
      fail "the demo still runs $1 s after being asked to quit"
    fi
    sleep 0.1
    tenths=$((tenths + 1))
  done
  set +e
  wait "$DEMO_PID"
  DEMO_STATUS=$?
  set -e
}

# Waits up to $1 seconds until the screen pixel ($2, $3) has the colour $4 ("r,g,b").
wait_for_pixel() {
  local limit=$(($1 * 10 * WAIT_FACTOR))
  local tenths=0
  while [ "$(screen_pixel "$2" "$3")" != "$4" ]; do
    [ $tenths -ge $limit ] && fail "pixel ($2, $3) is $(screen_pixel "$2" "$3"), not $4, after $1 s"
    sleep 0.1
    tenths=$((tenths + 1))
  done
}

# Prints the colour of one screen pixel as "r,g,b" (0..255).
screen_pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- | tail -n 1 |
    sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}
