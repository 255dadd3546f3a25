# Shared steps of the end-to-end tests: run the real demo on an Xvfb screen and watch it.
# Each test script runs itself again on its own Xvfb server (see run_under_xvfb).
set -euo pipefail

# Deadlines of every wait in the tests are multiplied by this (a program under Wine starts and
# stops more slowly).
readonly WAIT_FACTOR=${E2E_WAIT_FACTOR:-1}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Skips the test (status 77, which CTest reports as skipped) unless it runs as root; $1 says
# what it needs root for.
require_root() {
  [ "$(id -u)" -eq 0 ] && return 0
  echo "SKIPPED: not root, and this test $1"
  exit 77
}

# Runs the calling script again on a fresh Xvfb screen of the given size, and stops that
# server when the script ends. Xvfb picks a free display number itself (-displayfd) and says
# which only once it accepts connections, so tests running at the same time or one right after
# another never share or race for a display. -noreset: by default the server resets whenever
# its last client leaves and drops any client that connects meanwhile, so a demo started just
# after the previous one (and xdotool) quit found no display and exited.
run_under_xvfb() {
  local size=$1
  shift
  [ -n "${E2E_UNDER_XVFB:-}" ] && return 0
  local number_file server_log server status=0
  number_file=$(mktemp)
  server_log=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset \
    3>"$number_file" 2>"$server_log" &
  server=$!
  trap 'kill "$server" 2>/dev/null || true; rm -f "$number_file" "$server_log"' EXIT
  local deadline=$((SECONDS + 30 * WAIT_FACTOR))
  until [ "$(wc -l <"$number_file")" -ge 1 ]; do
    kill -0 "$server" 2>/dev/null || fail "Xvfb did not start: $(cat "$server_log")"
    [ $SECONDS -le $deadline ] ||
      fail "Xvfb not ready after $((30 * WAIT_FACTOR)) s: $(cat "$server_log")"
    sleep 0.05
  done
  E2E_UNDER_XVFB=1 DISPLAY=":$(cat "$number_file")" bash "$0" "$@" || status=$?
  kill "$server"
  wait "$server" || true
  exit "$status"
}

# A demo started by a test carries DEMO_RUN_TAG in its environment, and so does the process
# that shows its window even where that is not the one started: Wine 10 runs the Windows
# program in a process of its own, whose parent is not the test's. The tag tells the demo's
# windows from those of an earlier demo on the same screen, which may still be there for a
# moment. start_demo gives every start a tag of its own; a script that starts the demo itself
# calls new_demo_tag first, or has the script's. (A demo started with a cleared environment
# gets it passed on.)
demo_starts=0
export DEMO_RUN_TAG="e2e-$$-$demo_starts"
new_demo_tag() {
  demo_starts=$((demo_starts + 1))
  DEMO_RUN_TAG="e2e-$$-$demo_starts"
}

# Starts the demo with arguments $@ in the background from the build folder (where music.xm
# is); sets DEMO_PID.
start_demo() {
  new_demo_tag
  (cd "${DEMO_BUILD_DIR}" && exec "${DEMO}" "$@") &
  DEMO_PID=$!
}

# Prints the id of a visible demo window whose process carries this start's DEMO_RUN_TAG;
# fails if there is none.
find_demo_window() {
  local window pid
  for window in $(xdotool search --all --onlyvisible --name "OpenGL Sample" 2>/dev/null); do
    pid=$(xdotool getwindowpid "$window" 2>/dev/null) || continue
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "DEMO_RUN_TAG=$DEMO_RUN_TAG"
    then
      echo "$window"
      return 0
    fi
  done
  return 1
}

# Waits up to $1 seconds for the demo's own window to be mapped; sets DEMO_WINDOW to its id and
# prints it.
wait_for_window() {
  local deadline=$((SECONDS + $1 * WAIT_FACTOR))
  DEMO_WINDOW=""
  while [ $SECONDS -le $deadline ]; do
    DEMO_WINDOW=$(find_demo_window || true)
    [ -n "$DEMO_WINDOW" ] && { echo "$DEMO_WINDOW"; return 0; }
    kill -0 "$DEMO_PID" 2>/dev/null ||
      fail "the demo exited before showing its window: $(demo_exit_report)"
    sleep 0.1
  done
  fail "no demo window after $(($1 * WAIT_FACTOR)) s"
}

# Waits up to $3 seconds until file $1 holds the text $2; fails if the demo exits first.
wait_for_text() {
  local deadline=$((SECONDS + $3 * WAIT_FACTOR))
  until grep -qF "$2" "$1" 2>/dev/null; do
    kill -0 "$DEMO_PID" 2>/dev/null || fail "the demo exited before saying \"$2\""
    [ $SECONDS -le $deadline ] || fail "no \"$2\" from the demo after $3 s"
    sleep 0.1
  done
}

# Prints how many frames the demo has reported in file $1 (its output with --frame-times).
frames_reported() {
  local count
  count=$(grep -c "frame-time scene " "$1" 2>/dev/null) || true
  echo "${count:-0}"
}

# Waits up to $3 seconds until the demo has reported $2 more frames in file $1 than it had when
# this was called. A frame is drawn only once the messages before it are handled, so this is
# the evidence that the demo took in whatever was sent to it before the call.
wait_for_new_frames() {
  local wanted=$(($(frames_reported "$1") + $2)) deadline=$((SECONDS + $3 * WAIT_FACTOR))
  until [ "$(frames_reported "$1")" -ge "$wanted" ]; do
    kill -0 "$DEMO_PID" 2>/dev/null ||
      fail "the demo exited before drawing $2 more frames: $(demo_exit_report)"
    [ $SECONDS -le $deadline ] || fail "fewer than $2 new frames from the demo after $3 s"
    sleep 0.05
  done
}

# Says how the exited demo ended: its exit status and what it wrote to $DEMO_STDERR if set.
demo_exit_report() {
  local status=0
  wait "$DEMO_PID" || status=$?
  echo "exit status $status${DEMO_STDERR:+, stderr: $(cat "$DEMO_STDERR" 2>/dev/null)}"
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
