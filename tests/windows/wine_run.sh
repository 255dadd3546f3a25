#!/usr/bin/env bash
# wine_run.sh PROGRAM.exe [ARGS...]: runs a 32-bit Windows program under Wine in the prefix that
# wine_prefix.sh made for this test run (DEMO_WINE_PREFIX_FILE), keeping its exit status. With
# no PROGRAM (nothing, or options only), runs DEMO_ARGS with those options (so the end-to-end
# scripts can start it as their DEMO). Where 32-bit programs cannot run here, a test started
# through it is skipped (exit status 77) with the reason the fixture found.
set -euo pipefail
if [ -n "${DEMO_WINE_PREFIX_FILE:-}" ]; then
  source "$(dirname "$0")/wine_skip.sh"
  skip_without_wine32
  WINEPREFIX=$(cat "$DEMO_WINE_PREFIX_FILE")
  export WINEPREFIX
fi
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
case "${1:-}" in
  "" | -*) set -- ${DEMO_ARGS:?no program to run} "$@" ;;
esac
# With REPORT_EXIT_CODE (the end-to-end tests), demo.exe runs under that launcher, whose status
# is the exit code Windows reports for it: Wine's own status for the program's process can be
# SIGKILL's, when its Linux side is slow to go after the program has ended.
if [ -n "${REPORT_EXIT_CODE:-}" ] && [ "$(basename "${1,,}")" = demo.exe ]; then
  set -- "$REPORT_EXIT_CODE" "$@"
fi
exec wine "$@"
