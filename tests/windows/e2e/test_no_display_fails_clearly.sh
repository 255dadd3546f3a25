#!/usr/bin/env bash
# Under Wine without any X display the demo exits with status 1 after one line of its own on
# stderr that says the display cannot be opened and why (never "success").
source "$(dirname "$0")/../../e2e/lib.sh"

status=0
errors=$(cd "${DEMO_BUILD_DIR}" && env -u DISPLAY -u WAYLAND_DISPLAY \
  timeout 60 "${DEMO}" 2>&1 >/dev/null) || status=$?
[ "$status" -eq 1 ] || fail "exit status $status without a display (stderr: $errors)"
ours=$(printf '%s\n' "$errors" | grep '^demo:' || true)
[ "$(printf '%s\n' "$ours" | grep -c .)" -eq 1 ] || fail "not one line of the demo's: $errors"
case "$ours" in
  "demo: cannot open the display: "*) ;;
  *) fail "no clear message: $ours" ;;
esac
[[ "$ours" != *uccess* ]] || fail "reports success as the reason: $ours"
echo "no display: $ours"
