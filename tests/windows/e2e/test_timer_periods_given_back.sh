#!/usr/bin/env bash
# The shipped program's clock, seen in Wine's relay trace of the calls it makes to the system:
# it reads the high-resolution counter and never the tick counter, asks for 1 ms timer periods
# as it starts and gives them back on every way out: after Esc, when it finds no display, and
# before a failure it shows in a message box (started as from Explorer, on an X server without
# OpenGL) waits for the user.
source "$(dirname "$0")/../../e2e/lib.sh"
run_under_xvfb 800x600

WORK=$(mktemp -d)
readonly TRACED="winmm.timeBeginPeriod;winmm.timeEndPeriod;kernel32.QueryPerformanceCounter;kernel32.GetTickCount"
readonly DEBUG_KEY='HKCU\Software\Wine\Debug'
"$DEMO" reg add "$DEBUG_KEY" /v RelayInclude /t REG_SZ /d "$TRACED" /f >/dev/null 2>&1 ||
  fail "cannot limit Wine's relay trace to the clock's calls"
cleanup() {
  "$DEMO" reg delete "$DEBUG_KEY" /v RelayInclude /f >/dev/null 2>&1 || true
  [ -n "${NO_GL_SERVER:-}" ] && kill "$NO_GL_SERVER" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

# The program's image in memory: a call whose return address lies in it is the program's own.
# Its size is the file's; where it lies, Wine's trace of the run says (the image may be moved
# from its preferred base, as Windows does with its addresses randomised).
IMAGE_SIZE=$(i686-w64-mingw32-objdump -p "$DEMO_ARGS" | awk '$1 == "SizeOfImage" { print $2 }')
[ -n "$IMAGE_SIZE" ] || fail "cannot read demo.exe's image size"

# How often the program itself called $2 in trace $1 (with arguments $3, if given).
program_calls() {
  local count=0 ret base
  base=$(grep -oE 'Loaded L"[^"]*demo\.exe" at [0-9a-fA-F]+' "$1" | head -n 1 | sed 's/.* at //')
  [ -n "$base" ] || fail "no load address of demo.exe in the trace $1"
  for ret in $(grep -oE ":Call $2\(${3:-[^)]*}\) ret=[0-9a-f]+" "$1" | sed 's/.*ret=//'); do
    if ((16#$ret >= 16#$base && 16#$ret < 16#$base + 16#$IMAGE_SIZE)); then
      count=$((count + 1))
    fi
  done
  echo "$count"
}

# Trace $1 of a whole run: periods asked for once and given back once, as 1 ms.
check_periods() {
  local asked given
  asked=$(program_calls "$1" winmm.timeBeginPeriod 00000001)
  given=$(program_calls "$1" winmm.timeEndPeriod 00000001)
  [ "$asked" -eq 1 ] || fail "$2: timeBeginPeriod(1) called $asked times, not once"
  [ "$given" -eq 1 ] || fail "$2: timeEndPeriod(1) called $given times, not once"
  [ "$(program_calls "$1" winmm.timeBeginPeriod)" -eq 1 ] || fail "$2: other periods asked for"
}

# Esc in the demo's first seconds.
WINEDEBUG=+relay,+loaddll start_demo 2>"$WORK/esc.trace"
wait_for_window 30 >/dev/null
wait_for_pixel 20 400 300 255,255,255
# The clock runs on the counter: more than 10 reads (a few frames' worth) before Esc, waited for
# rather than assumed, since a busy machine may draw only the first frame or two by now.
deadline=$((SECONDS + 30 * WAIT_FACTOR))
while :; do
  counter_reads=$(program_calls "$WORK/esc.trace" KERNEL32.QueryPerformanceCounter)
  [ "$counter_reads" -le 10 ] || break
  [ $SECONDS -le $deadline ] ||
    fail "the program read the counter $counter_reads times in $((30 * WAIT_FACTOR)) s"
  sleep 0.2
done
xdotool key Escape
wait_for_exit 20
[ "$DEMO_STATUS" -eq 0 ] || fail "exit status $DEMO_STATUS after Esc"
check_periods "$WORK/esc.trace" "a run ended by Esc"
counter_reads=$(program_calls "$WORK/esc.trace" KERNEL32.QueryPerformanceCounter)
ticks=$(program_calls "$WORK/esc.trace" KERNEL32.GetTickCount)
[ "$ticks" -eq 0 ] || fail "the program read the tick counter $ticks times"

# No display at all.
status=0
(cd "$DEMO_BUILD_DIR" && env -u DISPLAY WINEDEBUG=+relay,+loaddll timeout 60 "$DEMO" 2>"$WORK/nodisplay.trace" \
  >/dev/null) || status=$?
[ "$status" -eq 1 ] || fail "exit status $status without a display"
check_periods "$WORK/nodisplay.trace" "a run without a display"

# A display without OpenGL, the program started without a console: the failure shows in a
# message box, and the periods are given back before the box waits for the user.
number_file="$WORK/display"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset -extension GLX 3>"$number_file" \
  2>/dev/null &
NO_GL_SERVER=$!
deadline=$((SECONDS + 30))
until [ -s "$number_file" ]; do
  [ $SECONDS -le $deadline ] || fail "the X server without OpenGL did not start"
  sleep 0.05
done
export DISPLAY=":$(cat "$number_file")"
(cd "$DEMO_BUILD_DIR" && WINEDEBUG=+relay,+loaddll exec "$DEMO" "$START_LIKE_EXPLORER" demo.exe \
  2>"$WORK/box.trace") &
DEMO_PID=$!
deadline=$((SECONDS + 30 * WAIT_FACTOR))
box=""
until [ -n "$box" ]; do
  kill -0 "$DEMO_PID" 2>/dev/null || fail "the demo exited without a message box: $(demo_exit_report)"
  [ $SECONDS -le $deadline ] || fail "no message box after 30 s"
  box=$(xdotool search --onlyvisible --name "^Blob grid & cube crosses\$" 2>/dev/null | head -n 1 ||
    true)
  sleep 0.2
done
check_periods "$WORK/box.trace" "a run that failed, with its message box still up"
xdotool windowfocus "$box" key Return
wait_for_exit 20
[ "$DEMO_STATUS" -eq 1 ] || fail "exit status $DEMO_STATUS after the failure's message box"
echo "1 ms periods asked for once and given back once in each run; $counter_reads counter reads" \
  "and no tick counter read in the run ended by Esc"
