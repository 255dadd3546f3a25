#!/usr/bin/env bash
# wine_e2e.sh SCRIPT: runs one end-to-end script against the Windows program, then ends the
# Wine server of the test run's prefix. Its desktop belongs to the X server that script
# started and stopped; a server still lingering when the next script starts would put that
# script's windows on a screen that is gone. Skipped where 32-bit programs cannot run.
set -uo pipefail
source "$(dirname "$0")/wine_skip.sh"
skip_without_wine32
status=0
bash "$1" || status=$?
prefix=$(cat "$DEMO_WINE_PREFIX_FILE")
WINEPREFIX=$prefix wineserver -k 2>/dev/null
WINEPREFIX=$prefix wineserver -w 2>/dev/null
exit "$status"
