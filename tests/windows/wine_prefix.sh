#!/usr/bin/env bash
# wine_prefix.sh create|remove FILE: makes a fresh Wine prefix in a temporary folder and writes
# its path to FILE, or shuts down the prefix named in FILE and deletes it.
set -euo pipefail
source "$(dirname "$0")/wine_loader.sh"
action=$1
file=$2
case "$action" in
  create)
    prefix=$(mktemp -d "${TMPDIR:-/tmp}/demo-wine.XXXXXX")
    # No Mono or Gecko installers: the demo needs neither, and they would ask on screen.
    WINEPREFIX=$prefix WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all \
      env -u DISPLAY "${wine[@]}" wineboot -i
    WINEPREFIX=$prefix wineserver -w
    echo "$prefix" >"$file"
    echo "Wine prefix: $prefix"
    ;;
  remove)
    [ -f "$file" ] || exit 0
    prefix=$(cat "$file")
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    WINEPREFIX=$prefix wineserver -w 2>/dev/null || true
    rm -rf "$prefix" "$file"
    ;;
  *)
    echo "usage: wine_prefix.sh create|remove FILE" >&2
    exit 2
    ;;
esac
