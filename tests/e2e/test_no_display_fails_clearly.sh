#!/usr/bin/env bash
# Without a display the demo exits with status 1 after exactly one line on stderr that says
# what it tried and what to do, and nothing from the libraries it probed with.
source "$(dirname "$0")/lib.sh"

# Runs the demo with the environment changes given as arguments (for env); sets ERRORS to
# its stderr and checks the status and that stderr is a single line of the demo's own.
run_without_display() {
  local status=0
  ERRORS=$(cd "${DEMO_BUILD_DIR}" && env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$@" \
    timeout $((10 * WAIT_FACTOR)) "${DEMO}" 2>&1 >/dev/null) || status=$?
  [ "$status" -eq 1 ] || fail "$*: exit status $status (stderr: $ERRORS)"
  [ "$(printf '%s\n' "$ERRORS" | wc -l)" -eq 1 ] || fail "$*: more than one line: $ERRORS"
  case "$ERRORS" in
    "demo: cannot open the display: "*) ;;
    *) fail "$*: no clear message: $ERRORS" ;;
  esac
}

# No display at all, and no XDG_RUNTIME_DIR (which libwayland complains about by itself).
run_without_display -u XDG_RUNTIME_DIR
for part in "DISPLAY (X11)" "WAYLAND_DISPLAY (Wayland)" "xvfb-run"; do
  [[ "$ERRORS" == *"$part"* ]] || fail "no display: does not mention $part: $ERRORS"
done
echo "no display: $ERRORS"

# DISPLAY names a display where no server runs.
number=150
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
  number=$((number + 1))
done
run_without_display DISPLAY=":$number"
[[ "$ERRORS" == *"X server at DISPLAY=:$number"* ]] || fail "DISPLAY=:$number not named: $ERRORS"
[[ "$ERRORS" == *"is DISPLAY"*"set"* ]] && fail "asks whether DISPLAY is set: $ERRORS"
echo "DISPLAY=:$number without a server: $ERRORS"
