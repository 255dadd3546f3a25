#!/usr/bin/env bash
# Without any display the demo says so in one line on stderr and exits with status 1.
source "$(dirname "$0")/lib.sh"

set +e
errors=$(cd "${DEMO_BUILD_DIR}" && env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER \
  timeout 10 "${DEMO}" 2>&1 >/dev/null)
status=$?
set -e
[ "$status" -eq 1 ] || fail "exit status $status without a display (stderr: $errors)"
echo "$errors" | grep -q "^demo: cannot open the display" || fail "no clear message: $errors"
echo "no display: $(echo "$errors" | grep '^demo:')"
