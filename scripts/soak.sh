#!/usr/bin/env bash
# Soak run: the real demo under Xvfb for MINUTES (default 10) in scene 2, with the mouse
# moving all the time. Samples resident memory every 5 s and reports its growth after the
# first minute and the longest gap between two frames. Needs a release build of everything
# (cmake --build --preset release). Usage: scripts/soak.sh [MINUTES] [CSV_FILE]
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-10}
csv=${2:-build/soak.csv}
build=build/release
[ -x "$build/demo" ] && [ -f "$build/libframe_probe.so" ] ||
  { echo "soak: build the release preset first (cmake --build --preset release)" >&2; exit 2; }

if [ -z "${SOAK_UNDER_XVFB:-}" ]; then
  SOAK_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 800x600x24" bash "$0" "$minutes" "$csv"
fi

probe_out=$(mktemp)
# The music plays into SDL's disk driver, which takes it at the real-time pace of a sound card:
# the same decoding and callback work as on a machine with speakers.
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-disk} SDL_DISKAUDIOFILE=${SDL_DISKAUDIOFILE:-/dev/null}
(cd "$build" && LD_PRELOAD="$PWD/libframe_probe.so" FRAME_PROBE_OUT="$probe_out" exec ./demo) &
demo=$!

# The mouse circles the screen centre, one turn every 6 s.
(
  step=0
  while kill -0 "$demo" 2>/dev/null; do
    read -r x y < <(awk -v s="$step" 'BEGIN { a = s * 0.05; printf "%d %d\n", 400 + 300 * cos(a), 300 + 220 * sin(a) }')
    xdotool mousemove "$x" "$y" 2>/dev/null || true
    step=$((step + 1))
    sleep 0.05
  done
) &
mover=$!

# Scene 1 lasts about 31 s; the soak proper is the scene 2 time after it.
total=$((31 + minutes * 60))
echo "seconds,rss_kb" >"$csv"
start=$SECONDS
while [ $((SECONDS - start)) -lt "$total" ]; do
  kill -0 "$demo" 2>/dev/null || { echo "soak: the demo exited early" >&2; exit 1; }
  rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$demo/status")
  echo "$((SECONDS - start)),$rss" >>"$csv"
  sleep 5
done
xdotool key Escape
wait "$demo"
status=$?
kill "$mover" 2>/dev/null || true

echo "exit status: $status"
cat "$probe_out"
rm -f "$probe_out"
awk -F, 'NR > 1 && $1 >= 60 && first == "" { first = $2; at = $1 }
         NR > 1 { last = $2; if ($2 > max) max = $2 }
         END { if (first == "") { print "too short to compare with the first minute"; exit }
               printf "rss_kb at %d s: %d; at the end: %d; most: %d; growth after the first minute: %d kB\n", at, first, last, max, last - first }' "$csv"
