#!/usr/bin/env bash
# The demo plays music.xm from the working directory, else the one beside the program (so the
# build folder's demo plays its music from anywhere); with neither it says where it looked.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/audio.sh"
run_under_xvfb 800x600

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs $DEMO in folder $1 until half a second of output reached the sound device, then Esc.
run_in() {
  export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$1/capture.f32"
  DEMO_BUILD_DIR=$1 start_demo 2>"$1/stderr"
  wait_for_window 30
  wait_for_bytes "$1/capture.f32" $((bytes_per_second / 2)) 30
  xdotool key Escape
  wait_for_exit 10
  [ "$DEMO_STATUS" -eq 0 ] || fail "$1: exit status $DEMO_STATUS after Esc"
}

# The build's demo, started from a folder without music: the music beside it plays.
mkdir "$work/elsewhere"
run_in "$work/elsewhere"
all_silent "$work/elsewhere/capture.f32" && fail "silent when music.xm lies beside the demo"
grep -q "no music" "$work/elsewhere/stderr" && fail "said: $(cat "$work/elsewhere/stderr")"

# The working directory comes first: a broken music.xm there is what the demo tries.
mkdir "$work/broken"
echo "this is not a music module" >"$work/broken/music.xm"
run_in "$work/broken"
all_silent "$work/broken/capture.f32" || fail "sound from the file beside the demo"
grep -q "^demo: no music: music.xm is not a module" "$work/broken/stderr" ||
  fail "no reason given for the broken music.xm: $(cat "$work/broken/stderr")"

# A copy of the demo with no music beside it, run where there is none either.
mkdir "$work/bin" "$work/none"
cp "$DEMO" "$work/bin/demo"
DEMO="$work/bin/demo" run_in "$work/none"
all_silent "$work/none/capture.f32" || fail "sound with no music.xm anywhere"
expected="demo: no music: no music.xm in the working directory ($work/none) or beside the program ($work/bin/)"
# (SDL's disk driver announces itself on stderr too; the demo's own lines start "demo:".)
[ "$(grep "^demo:" "$work/none/stderr")" = "$expected" ] ||
  fail "stderr is '$(cat "$work/none/stderr")', not '$expected'"
echo "music beside the demo plays; the working directory's comes first; $expected"
