#!/usr/bin/env bash
# With no sound card (ALSA configured with no device at all) the demo says so in one line of
# its own, with none of the sound library's messages, and runs on silent until Esc.
source "$(dirname "$0")/lib.sh"
run_under_xvfb 800x600

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
: >"$work/asound.conf"  # an ALSA configuration that defines no device, not even "default"
export SDL_AUDIODRIVER=alsa ALSA_CONFIG_PATH="$work/asound.conf"

start_demo 2>"$work/stderr"
wait_for_window 30
xdotool key Escape
wait_for_exit 10
[ "$DEMO_STATUS" -eq 0 ] || fail "exit status $DEMO_STATUS after Esc: $(cat "$work/stderr")"
[ "$(wc -l <"$work/stderr")" -eq 1 ] || fail "not one line: $(cat "$work/stderr")"
grep -q "^demo: no music: cannot open a sound device through SDL's alsa driver" "$work/stderr" ||
  fail "no clear message: $(cat "$work/stderr")"
echo "no sound card: $(cat "$work/stderr")"
