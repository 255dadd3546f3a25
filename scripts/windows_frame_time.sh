#!/usr/bin/env bash
# Frame time of the Windows build under Wine beside the native Linux build, in one run: each
# runs SECONDS (default 25) of scene 1 on its own Xvfb 800x600 screen, one after the other.
# Linux counts swaps with the frame probe (tools/soak/frame_probe.c); Wine counts them itself
# (its fps debug channel reports the average frame rate at every swap). Needs the release
# build and the windows build; 32-bit Wine set up as test.sh does it.
# Usage: scripts/windows_frame_time.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-25}
linux=build/release
windows=build/windows
[ -x "$linux/demo" ] && [ -f "$linux/libframe_probe.so" ] && [ -f "$windows/demo.exe" ] ||
  { echo "windows_frame_time: build the release and windows presets first" >&2; exit 2; }
work=$(mktemp -d)
trap 'bash tests/windows/wine_prefix.sh remove "$work/prefix.path"; rm -rf "$work"' EXIT

# Runs command $2... under Xvfb for $seconds, then presses Esc; $1 names the run.
run_for() {
  local name=$1
  shift
  xvfb-run -a -s "-screen 0 800x600x24" bash -c '
    "$@" &
    pid=$!
    sleep "$SECONDS_TO_RUN"
    xdotool key Escape
    wait $pid' "$name" "$@"
}
export SECONDS_TO_RUN=$seconds SDL_AUDIODRIVER=dummy

# Only the demo gets the probe: every other process would write its own empty report.
(cd "$linux" && run_for linux env FRAME_PROBE_OUT="$work/linux.txt" \
  LD_PRELOAD="$PWD/libframe_probe.so" ./demo)
read -r frames < <(awk '/^frames/ { print $2 }' "$work/linux.txt")
read -r probe_seconds < <(awk '/^seconds/ { print $2 }' "$work/linux.txt")
linux_ms=$(awk -v f="$frames" -v s="$probe_seconds" 'BEGIN { printf "%.2f", 1000 * s / f }')

bash tests/windows/wine_prefix.sh create "$work/prefix.path" >/dev/null
(cd "$windows" && DEMO_WINE_PREFIX_FILE="$work/prefix.path" WINEDEBUG=fps \
  run_for wine "$PWD/../../tests/windows/wine_run.sh" demo.exe 2>"$work/wine.txt")
wine_fps=$(grep -o 'total [0-9.]*fps' "$work/wine.txt" | tail -n 1 | grep -o '[0-9.]*' | head -n 1)
[ -n "$wine_fps" ] || { echo "windows_frame_time: Wine reported no frame rate" >&2; exit 1; }
wine_ms=$(awk -v f="$wine_fps" 'BEGIN { printf "%.2f", 1000 / f }')

echo "scene 1, ${seconds} s each, 800x600 Xvfb:"
echo "linux  $linux/demo: $frames frames in $probe_seconds s, $linux_ms ms a frame"
echo "wine   $windows/demo.exe: $wine_fps frames/s on average, $wine_ms ms a frame"
