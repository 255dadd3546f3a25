#!/usr/bin/env bash
# wine_run.sh PROGRAM.exe [ARGS...]: runs a Windows program under Wine in the prefix that
# wine_prefix.sh made for this test run (DEMO_WINE_PREFIX_FILE), keeping its exit status.
# With no PROGRAM (nothing, or options only), runs DEMO_ARGS with those options (so the
# end-to-end scripts can start it as their DEMO).
set -euo pipefail
source "$(dirname "$0")/wine_loader.sh"
if [ -n "${DEMO_WINE_PREFIX_FILE:-}" ]; then
  WINEPREFIX=$(cat "$DEMO_WINE_PREFIX_FILE")
  export WINEPREFIX
fi
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
case "${1:-}" in
  "" | -*) set -- ${DEMO_ARGS:?no program to run} "$@" ;;
esac
exec "${wine[@]}" "$@"
