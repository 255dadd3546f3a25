#!/usr/bin/env bash
# The benchmark refuses bad counts, screen sizes and simulations with its usage (status 2), shows
# the usage on --help (status 0), draws onto a larger screen, simulates a display, and stops at
# once on SIGINT and SIGTERM.
source "$(dirname "$0")/lib.sh"

BENCHMARK="${DEMO_BUILD_DIR}/benchmark"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

for args in "10abc" "99999999999" "0" "1" "-5" "+5" "5 6" "--screen" "--screen 19x" \
  "--screen 0x600" "--screen 1920x1080x2" "--screen x600" "--frames" \
  "--simulate" "--simulate windows" "--simulate macos 60" "--simulate linux 0" \
  "--simulate linux -60" "--simulate linux 60Hz" "--simulate linux nan" "--simulate linux inf" \
  "--simulate windows 60 --draw-ms" "--simulate windows 60 --draw-ms -1" \
  "--simulate windows 60 --seconds 0" "--simulate windows 60 --seconds 3601" \
  "--simulate windows 60 600" "--simulate windows 60 --screen 1000x600" \
  "--simulate linux 60 --tick-counter-timing" "--no-vsync" "--draw-ms 2"; do
  status=0
  # shellcheck disable=SC2086  # each case is a list of arguments
  "$BENCHMARK" $args >"$WORK/out" 2>"$WORK/err" || status=$?
  [ "$status" -eq 2 ] || fail "'$args': status $status, not 2"
  grep -q "^usage:" "$WORK/err" || fail "'$args': no usage on stderr"
  [ -s "$WORK/out" ] && fail "'$args': printed to stdout"
done
"$BENCHMARK" " 7" >/dev/null 2>&1 && fail "a count with a leading space was taken"

"$BENCHMARK" --help >"$WORK/out" 2>"$WORK/err" || fail "--help: status $?"
grep -q "^usage:" "$WORK/out" || fail "--help: no usage on stdout"

# A short run on a wide screen prints both scenes' figures.
"$BENCHMARK" --screen 1000x600 2 >"$WORK/out" 2>"$WORK/err" || fail "--screen: $(cat "$WORK/err")"
grep -q "on a 1000 x 600 screen, 2 frames per scene" "$WORK/out" || fail "$(cat "$WORK/out")"
for scene in 1 2; do
  grep -qE "^scene $scene \(.*\): median [0-9.]+ ms, p99 [0-9.]+ ms, [0-9]+ frames/s$" \
    "$WORK/out" || fail "no figures for scene $scene: $(cat "$WORK/out")"
done

# A simulated minute prints its one line; a 59.94 Hz display with vsync shows a new frame at
# every refresh.
"$BENCHMARK" --simulate windows 59.94 >"$WORK/out" 2>"$WORK/err" || fail "--simulate: status $?"
[ ! -s "$WORK/err" ] || fail "--simulate wrote to stderr: $(cat "$WORK/err")"
[ "$(wc -l <"$WORK/out")" -eq 1 ] || fail "--simulate printed more than one line: $(cat "$WORK/out")"
grep -qE '^simulated windows, 59\.94 Hz display, vsync, draw 2\.0 ms, 60 s: 3596 refreshes, 3596 new frames, 0 repeated; scene-clock step 16\.68 ms \(min 16, max 17\); awake [0-9]+ %$' \
  "$WORK/out" || fail "$(cat "$WORK/out")"
"$BENCHMARK" --simulate linux 144 --no-vsync --draw-ms 3.5 --seconds 5 >"$WORK/out" ||
  fail "--simulate linux: status $?"
grep -qE '^simulated linux, 144 Hz display, no vsync, draw 3\.5 ms, 5 s: 720 refreshes, ' \
  "$WORK/out" || fail "$(cat "$WORK/out")"

# Starts a run far too long to finish, and waits until it is drawing frames. The last run's
# output goes first: its "picture:" line must not be taken for this run's.
start_long_run() {
  rm -f "$WORK/out" "$WORK/err"
  "$BENCHMARK" 1000000 >"$WORK/out" 2>"$WORK/err" &
  RUN_PID=$!
  local deadline=$((SECONDS + 60 * WAIT_FACTOR))
  until grep -qs "^picture:" "$WORK/out"; do
    kill -0 "$RUN_PID" 2>/dev/null || fail "the benchmark ended early: $(cat "$WORK/err")"
    [ $SECONDS -le $deadline ] || fail "no frames drawn after $((60 * WAIT_FACTOR)) s"
    sleep 0.1
  done
}

# Waits (with a generous deadline for a busy machine) for the run to end with status $1.
expect_stop() {
  local deadline=$((SECONDS + 30 * WAIT_FACTOR))
  while kill -0 "$RUN_PID" 2>/dev/null; do
    if [ $SECONDS -gt $deadline ]; then
      local state
      state=$(grep -h "^State" "/proc/$RUN_PID/status" 2>/dev/null)
      kill -KILL "$RUN_PID"
      fail "still running $((30 * WAIT_FACTOR)) s after $2 ($state); it wrote: $(cat "$WORK/out" "$WORK/err")"
    fi
    sleep 0.1
  done
  local status=0
  wait "$RUN_PID" || status=$?
  [ "$status" -eq "$1" ] || fail "status $status after $2, not $1"
  grep -q "interrupted" "$WORK/err" || fail "no message after $2"
}

start_long_run
kill -INT "$RUN_PID"
expect_stop 130 SIGINT
start_long_run
kill -TERM "$RUN_PID"
expect_stop 143 SIGTERM
echo "bad arguments: 2, --help: 0, --screen draws, SIGINT: 130, SIGTERM: 143"
