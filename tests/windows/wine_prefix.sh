#!/usr/bin/env bash
# wine_prefix.sh create FILE [PROBE.exe]: makes a fresh 32-bit Wine prefix in a temporary folder
# and writes its path to FILE; with PROBE.exe, also checks that a 32-bit program runs in it.
# Where none can, the tests that run programs are to be skipped: the reason goes to FILE.skip
# (wine_skip.sh), except under CI=true, where that is a failure.
# wine_prefix.sh remove FILE: shuts down the prefix named in FILE and deletes it.
set -euo pipefail
source "$(dirname "$0")/wine_skip.sh"
readonly probe_line="32-bit Windows program ran"
action=$1
file=$2
probe=${3:-}
export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# Shuts down the prefix named in $1, if any, and deletes it with its files.
remove_prefix() {
  [ -f "$1" ] || return 0
  local prefix
  prefix=$(cat "$1")
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  WINEPREFIX=$prefix wineserver -w 2>/dev/null || true
  rm -rf "$prefix" "$1" "$1.skip"
}

# Marks the run-time tests skipped, or fails under CI.
cannot_run() {
  local why="32-bit Windows programs cannot run under Wine here ($1); scripts/setup.sh sets this up"
  if [ "${CI:-}" = true ]; then
    echo "FAIL: $why" >&2
    exit 1
  fi
  echo "$why" >"$(wine32_skip_file)"
  echo "SKIPPED the Windows run-time tests: $why"
  exit 0
}

# Makes a fresh prefix in folder $1, as the tests want it.
make_prefix() {
  local output
  # No Mono or Gecko installers: the demo needs neither, and they would ask on screen.
  output=$(WINEPREFIX=$1 env -u DISPLAY wine wineboot -i 2>&1) ||
    cannot_run "wineboot failed: ${output:0:300}"
  # The tests show the program on X servers only. Wine's graphics drivers are tried in turn,
  # and its Wayland one, tried where X is not there, has libwayland print a line of its own
  # on the program's stderr when the session has no runtime folder.
  WINEPREFIX=$1 wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11 /f \
    >/dev/null 2>&1 || cannot_run "wine reg add failed"
  WINEPREFIX=$1 wineserver -w
}

# A fresh prefix is the same every time for one Wine, and nothing in it names its folder: it
# is made once per Wine version, kept as a tarball in the dependency cache, and unpacked for
# each run (making one takes most of a minute where Wine runs through qemu). Its name holds
# Wine's version and how make_prefix makes it. Sets prefix_tar.
find_cached_prefix() {
  local cache=${DEMO_DEPS_CACHE:-$HOME/.cache/demo-deps} version key scratch
  version=$(wine --version 2>&1) || cannot_run "wine --version failed: ${version:0:300}"
  key=$({ echo "$version"; declare -f make_prefix; } | md5sum | cut -c1-8)
  prefix_tar=$cache/wine-prefix-win32-$key.tar
  [ -f "$prefix_tar" ] && return 0
  mkdir -p "$cache"
  scratch=$(mktemp -d "${TMPDIR:-/tmp}/demo-wine-template.XXXXXX")
  # shellcheck disable=SC2064 # the folder is known now
  trap "rm -rf '$scratch'" EXIT
  make_prefix "$scratch"
  tar -C "$scratch" -cf "$prefix_tar.partial.$$" . && mv "$prefix_tar.partial.$$" "$prefix_tar"
  rm -rf "$scratch"
  trap - EXIT
}

case "$action" in
  create)
    DEMO_WINE_PREFIX_FILE=$file
    # A prefix that an interrupted run left behind goes first.
    remove_prefix "$file"
    prefix=$(mktemp -d "${TMPDIR:-/tmp}/demo-wine.XXXXXX")
    echo "$prefix" >"$file"
    find_cached_prefix
    tar -C "$prefix" -xf "$prefix_tar"
    if [ -n "$probe" ]; then
      output=$(WINEPREFIX=$prefix env -u DISPLAY wine "$probe" 2>&1) ||
        cannot_run "the probe program failed: ${output:0:300}"
      grep -q "$probe_line" <<<"$output" || cannot_run "the probe program said: ${output:0:300}"
    fi
    echo "Wine prefix: $prefix (32-bit)"
    ;;
  remove)
    remove_prefix "$file"
    ;;
  *)
    echo "usage: wine_prefix.sh create FILE [PROBE.exe] | remove FILE" >&2
    exit 2
    ;;
esac
