#!/usr/bin/env bash
# Under Wine with no sound driver at all, the demo says once on stderr why there is no music,
# runs on silent and quits on Esc with status 0.
source "$(dirname "$0")/../../e2e/lib.sh"
run_under_xvfb 800x600

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Without Wine's ALSA driver no waveOut device exists.
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv=d"
start_demo 2>"$work/stderr"
wait_for_window 30 >/dev/null
deadline=$((SECONDS + 30))
until grep -q "no music" "$work/stderr"; do
  [ $SECONDS -le $deadline ] || fail "no line about the missing music: $(cat "$work/stderr")"
  kill -0 "$DEMO_PID" 2>/dev/null || fail "the demo exited by itself: $(cat "$work/stderr")"
  sleep 0.1
done
xdotool key Escape
wait_for_exit 10
[ "$DEMO_STATUS" -eq 0 ] || fail "exit status $DEMO_STATUS after Esc"
said=$(grep -c "no music" "$work/stderr")
[ "$said" -eq 1 ] || fail "$said lines about the missing music: $(cat "$work/stderr")"
echo "no sound device: ran, quit with status 0, said: $(grep "no music" "$work/stderr")"
